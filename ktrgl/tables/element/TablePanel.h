// What the panels of the member load and combination tables share: the grid
// (control 12039) below whatever the panel shows above it, its editing, the
// selected rows, deleting them, the popup and the page/bar hand-over of the
// editor. A panel adds its table: its rows, cells, commands and menu.
#pragma once
#include <QPoint>
#include <QWidget>

#include "tables/GridEditing.h"

class CMSFlexGrid;
class QMenu;

class TablePanel : public QWidget, public GridEditingClient {
public:
    ~TablePanel() override;

    CMSFlexGrid* Grid() const { return m_grid; }
    GridEditing* Editing() const { return m_editing; }
    // The selected table rows (0 when none is selected).
    int SelectionFrom() const { return m_selFrom; }
    int SelectionTo() const { return m_selTo; }
    void Select(int from, int to);

    // Re-reads the table and fills the grid.
    virtual void UpdateTable() = 0;
    // The page became active, the bar was set up: the editor is made and
    // the table shown.
    void Open();
    // The page is left: an open edit is committed and the editor destroyed.
    void Close();

    // Removes the selected rows (the current row when none is selected).
    void OnDelete();
    virtual bool OnCommand(int command) = 0;
    virtual QMenu* CreateContextMenu() = 0;
    void OnContextMenu(const QPoint& globalPos);

    // ---- GridEditingClient -----------------------------------------------------
    void DeleteRows() override { OnDelete(); }

protected:
    explicit TablePanel(QWidget* parent);
    // The grid and its editing; header (may be null) stands above the grid.
    void CreateGrid(GridEditing::Kind kind, GridEditing::Append append, QWidget* header);
    // Removes table rows from .. to; returns the rows removed.
    virtual int DeleteTableRows(int from, int to) = 0;
    // The selected rows, or the grid's current row when none is selected.
    void SelectedRows(int& from, int& to) const;
    // A command of the popup, enabled or not.
    static void AddCommand(QMenu* menu, const char* text, int id, bool enabled);

    CMSFlexGrid* m_grid = nullptr;
    GridEditing* m_editing = nullptr;
    int m_selFrom = 0;
    int m_selTo = 0;
};
