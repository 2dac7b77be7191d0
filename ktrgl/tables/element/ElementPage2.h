// The reference point page ("Reference point", dialog 12019): the
// reference point of every member in stored units, edited in place, with
// the automatic rules of the "ref" popup. The rules and the grid live in
// RefPointTable, shared with the bar twin CElementBar2.
#pragma once
#include <QPoint>
#include <string>

#include "tables/GridEditing.h"
#include "tables/PropertyPage.h"
#include "tables/element/RefPointTable.h"

class CGeometry;
class CMSFlexGrid;
class QMenu;

class CElementPage2 : public PropertyPage, public GridEditingClient {
    Q_OBJECT
public:
    explicit CElementPage2(QWidget* parent = nullptr);
    ~CElementPage2() override;

    void SetGeometry(CGeometry* geometry);
    CGeometry* Geometry() const { return m_points.Geometry(); }
    CMSFlexGrid* Grid() const { return m_grid; }
    GridEditing* Editing() const { return m_editing; }

    bool OnSetActive() override;
    bool OnKillActive() override;

    // ---- commands of the "ref" popup -------------------------------------
    void OnParallelX();
    void OnParallelY();
    void OnParallelZ();
    void ParallelX(int row);
    void ParallelY(int row);
    void ParallelZ(int row);
    // Marks the model changed only.
    void OnGenerate();
    void OnPrint();
    void UpdateTable();
    bool OnCommand(int commandId);
    QMenu* CreateContextMenu();
    void OnContextMenu(const QPoint& globalPos);

    // ---- GridEditingClient -------------------------------------------------
    int TableRowCount() const override { return m_points.MemberCount(); }
    void StoreCell(long row, long col, const std::string& text) override;
    void RefillTable() override { UpdateTable(); }

private:
    void Parallel(int axis);

    RefPointTable m_points;
    CMSFlexGrid* m_grid = nullptr;
    GridEditing* m_editing = nullptr;
};
