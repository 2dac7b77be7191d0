// The widgets of the combination table that the page (CCombinationPage) and
// the bar (CCombinationBar) both show: the grid (control 12039), one row per
// combination and one column per load case, and the popup: add, delete,
// print, Word and Excel. The algorithms are CombinationTable's.
#pragma once
#include <string>

#include "tables/element/CombinationTable.h"
#include "tables/element/TablePanel.h"

class CombinationPanel : public TablePanel {
    Q_OBJECT
public:
    enum Command { CmdAdd = 1, CmdDelete, CmdPrint, CmdWord, CmdExcel };

    CombinationPanel(GridEditing::Kind kind, QWidget* parent = nullptr);
    ~CombinationPanel() override;

    void SetGeometry(CGeometry* geometry) { m_table.SetGeometry(geometry); }
    CombinationTable& Table() { return m_table; }

    // Re-reads the file and fills the grid.
    void UpdateTable() override;
    void OnAdd();
    bool OnCommand(int command) override;
    QMenu* CreateContextMenu() override;

    int TableRowCount() const override { return m_table.Rows(); }
    void StoreCell(long row, long col, const std::string& text) override;
    void AppendRow() override { OnAdd(); }
    void RefillTable() override { m_table.FillGrid(*m_grid, *m_editing); }

protected:
    int DeleteTableRows(int from, int to) override { return m_table.DeleteRows(from, to); }

private:
    CombinationTable m_table;
};
