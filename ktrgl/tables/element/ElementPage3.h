// The property page ("Properties", dialog 12028): the property groups of
// the project's property file in the project's units, three decimals
// shown, four significant digits kept. The page loads the file when it
// becomes active and saves it when it is left (see PropertyTable for how
// the bar CElementBar3 shares the same file).
#pragma once
#include <QPoint>
#include <string>

#include "tables/GridEditing.h"
#include "tables/PropertyPage.h"
#include "tables/element/PropertyTable.h"

class CGeometry;
class CMSFlexGrid;
class QMenu;

class CElementPage3 : public PropertyPage, public GridEditingClient {
    Q_OBJECT
public:
    explicit CElementPage3(QWidget* parent = nullptr);
    ~CElementPage3() override;

    void SetGeometry(CGeometry* geometry);
    CGeometry* Geometry() const { return m_geometry; }
    CMSFlexGrid* Grid() const { return m_grid; }
    GridEditing* Editing() const { return m_editing; }
    PropertyTable& Properties() { return m_properties; }

    // Loads the property file and fills the table.
    bool OnSetActive() override;
    // Saves the property file.
    bool OnKillActive() override;

    // ---- commands of the "SEC" popup -----------------------------------
    void OnCopy() {}
    void OnPaste() {}
    void OnDelete();
    void OnAddNew();
    void OnPrint();
    void UpdateTable();
    bool OnCommand(int commandId);
    QMenu* CreateContextMenu();
    void OnContextMenu(const QPoint& globalPos);

    // ---- GridEditingClient -------------------------------------------------
    int TableRowCount() const override { return m_properties.Rows(); }
    void StoreCell(long row, long col, const std::string& text) override;
    void RefillTable() override { UpdateTable(); }

private:
    void RowsChanged();

    CGeometry* m_geometry = nullptr;
    PropertyTable m_properties;
    CMSFlexGrid* m_grid = nullptr;
    GridEditing* m_editing = nullptr;
};
