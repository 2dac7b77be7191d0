// The widgets of the combination table that the page (CCombinationPage) and
// the bar (CCombinationBar) both show: the grid (control 12039), one row per
// combination and one column per load case, and the popup: add, delete,
// print, Word and Excel. The algorithms are CombinationTable's.
#pragma once
#include <QPoint>
#include <QWidget>
#include <string>

#include "tables/GridEditing.h"
#include "tables/element/CombinationTable.h"

class CMSFlexGrid;
class QMenu;

class CombinationPanel : public QWidget, public GridEditingClient {
    Q_OBJECT
public:
    enum Command { CmdAdd = 1, CmdDelete, CmdPrint, CmdWord, CmdExcel };

    CombinationPanel(GridEditing::Kind kind, QWidget* parent = nullptr);
    ~CombinationPanel() override;

    void SetGeometry(CGeometry* geometry) { m_table.SetGeometry(geometry); }
    CMSFlexGrid* Grid() const { return m_grid; }
    GridEditing* Editing() const { return m_editing; }
    CombinationTable& Table() { return m_table; }
    void Select(int from, int to);

    // Re-reads the file and fills the grid.
    void UpdateTable();
    void OnAdd();
    void OnDelete();
    bool OnCommand(int command);
    QMenu* CreateContextMenu();
    void OnContextMenu(const QPoint& globalPos);

    int TableRowCount() const override { return m_table.Rows(); }
    void StoreCell(long row, long col, const std::string& text) override;
    void DeleteRows() override { OnDelete(); }
    void AppendRow() override { OnAdd(); }
    void RefillTable() override { m_table.FillGrid(*m_grid, *m_editing); }

private:
    CombinationTable m_table;
    CMSFlexGrid* m_grid = nullptr;
    GridEditing* m_editing = nullptr;
    int m_selFrom = 0;
    int m_selTo = 0;
};
