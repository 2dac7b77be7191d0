// The docked property bar: the property groups in the project's units
// ("%g" shown, six significant digits kept), with add, delete and import.
// The bar reads the project's property file whenever it refills its table
// and writes it after every change, so that it and the page CElementPage3
// always edit the same groups (see PropertyTable).
#pragma once
#include <QPoint>
#include <string>

#include "tables/DialogBar.h"
#include "tables/GridEditing.h"
#include "tables/element/PropertyTable.h"

class CGeometry;
class CMSFlexGrid;
class QMenu;

class CElementBar3 : public DialogBar, public GridEditingClient {
    Q_OBJECT
public:
    explicit CElementBar3(QWidget* parent = nullptr);
    ~CElementBar3() override;

    void SetGeometry(CGeometry* geometry);
    CGeometry* Geometry() const { return m_geometry; }
    CMSFlexGrid* Grid() const { return m_grid; }
    GridEditing* Editing() const { return m_editing; }
    PropertyTable& Properties() { return m_properties; }

    bool OnInitDialog() override;

    // ---- commands of the "SEC" popup -----------------------------------
    void OnCopy() {}
    void OnPaste() {}
    void OnDelete();
    void OnAddNew();
    void OnImport();  // asks for the file, then ImportFile
    bool ImportFile(const std::string& path);
    // Re-reads the property file and fills the grid; an empty table first
    // gets its first group.
    void UpdateTable();
    bool OnCommand(int commandId);
    QMenu* CreateContextMenu();
    void OnContextMenu(const QPoint& globalPos);

    // ---- GridEditingClient -------------------------------------------------
    int TableRowCount() const override { return m_properties.Rows(); }
    void StoreCell(long row, long col, const std::string& text) override;
    void AppendRow() override { OnAddNew(); }
    void RefillTable() override { FillGrid(); }
    // Up and Down set the member range to the row the cursor moves to; a
    // click only marks the table active.
    void SelectionChanged() override;

private:
    void FillGrid();
    void RowsChanged();
    // Takes up the property file as it stands (the page saves it when it is
    // left) before a change is made and saved; a file that cannot be read
    // leaves the table in memory as it was.
    void Reload();

    CGeometry* m_geometry = nullptr;
    PropertyTable m_properties;
    CMSFlexGrid* m_grid = nullptr;
    GridEditing* m_editing = nullptr;
};
