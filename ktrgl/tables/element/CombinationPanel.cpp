#include "tables/element/CombinationPanel.h"

#include "tables/MSFlexGrid.h"

#include <QMenu>

CombinationPanel::CombinationPanel(GridEditing::Kind kind, QWidget* parent) : TablePanel(parent)
{
    CreateGrid(kind, GridEditing::NoAppend, nullptr);
}

CombinationPanel::~CombinationPanel() = default;

void CombinationPanel::UpdateTable()
{
    m_table.Load();
    m_table.FillGrid(*m_grid, *m_editing);
}

void CombinationPanel::StoreCell(long row, long col, const std::string& text)
{
    if (row < 1 || row > TableRowCount() || col < 1 || col > m_table.Cases())
        return;
    m_table.StoreCell(static_cast<int>(row), static_cast<int>(col), GridEditing::ParseNumber(text));
    m_table.ShowRow(*m_grid, static_cast<int>(row));
}

void CombinationPanel::OnAdd()
{
    m_editing->Commit();
    m_table.Load();
    if (m_table.AddRow() > 0)
        m_table.FillGrid(*m_grid, *m_editing);
}

bool CombinationPanel::OnCommand(int command)
{
    switch (command) {
    case CmdAdd: OnAdd(); return true;
    case CmdDelete: OnDelete(); return true;
    case CmdPrint: m_editing->Commit(); return m_table.Publish(CombinationTable::PrintOut);
    case CmdWord: m_editing->Commit(); return m_table.Publish(CombinationTable::WordExport);
    case CmdExcel: m_editing->Commit(); return m_table.Publish(CombinationTable::ExcelExport);
    default: return false;
    }
}

QMenu* CombinationPanel::CreateContextMenu()
{
    auto* menu = new QMenu(this);
    AddCommand(menu, "Add combination", CmdAdd, true);
    AddCommand(menu, "Delete combinations", CmdDelete, m_table.Rows() > 0);
    menu->addSeparator();
    AddCommand(menu, "Print", CmdPrint, true);
    AddCommand(menu, "Word", CmdWord, true);
    AddCommand(menu, "Excel", CmdExcel, true);
    return menu;
}
