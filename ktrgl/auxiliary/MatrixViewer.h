// A page that shows any CdMatrix or CiMatrix in a grid ("%.3g" cells,
// numbered rows and columns) for inspecting intermediate tables while the
// program runs. CGeometry::Print(CdMatrix) shows one in a modal sheet
// titled "Print matrix" once the host has called InstallPrintHook.
#pragma once
#include <QString>
#include <memory>

#include "numerics/dMatrix.h"
#include "numerics/iMatrix.h"
#include "tables/PropertyPage.h"

class CMSFlexGrid;
class PropertySheet;

class CMatrixViewer : public PropertyPage {
    Q_OBJECT
public:
    enum ControlId { IdGrid = 1002 };

    explicit CMatrixViewer(QWidget* parent = nullptr);
    ~CMatrixViewer() override;

    void SetMatrix(CdMatrix m);
    void SetMatrix(CiMatrix m);
    const CdMatrix& GetMatrix() const { return m_matrix; }

    // Text given to the parent sheet's title when the page becomes active.
    void SetTitle(const QString& title) { m_title = title; }
    const QString& GetTitle() const { return m_title; }

    // Fills the grid: rows + 1 by cols + 1, headings "%d", cells "%.3g".
    void UpdateTable();

    bool OnSetActive() override;

    CMSFlexGrid* Grid() const { return m_grid; }

    // A modal-ready sheet titled title with one viewer page holding a copy
    // of table (the sheet owns the page).
    static std::unique_ptr<PropertySheet> CreatePrintSheet(const CdMatrix& table,
                                                           const QString& title);
    // Makes CGeometry::Print(CdMatrix) run the sheet above modally.
    static void InstallPrintHook();

private:
    QString m_title;
    CMSFlexGrid* m_grid = nullptr;
    CdMatrix m_matrix;
};
