#include "tables/element/CombinationPanel.h"

#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"

#include <QAction>
#include <QMenu>
#include <QVBoxLayout>

CombinationPanel::CombinationPanel(GridEditing::Kind kind, QWidget* parent) : QWidget(parent)
{
    m_grid = new CMSFlexGrid(this);
    m_grid->setObjectName("12039");
    m_grid->SetRows(1);
    m_grid->SetCols(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    GridEditing::Options options = kind == GridEditing::Bar ? GridEditing::BarOptions() : GridEditing::PageOptions();
    options.routedKeys = GridEditing::RouteUpDown | GridEditing::RouteEnter | GridEditing::RouteDelete;
    options.editOnlyTableRows = true;
    m_editing = new GridEditing(m_grid, this, options, this);
    m_editing->SetSelectionTarget(&m_selFrom, &m_selTo, nullptr);
    MenuResource::ConnectContextMenu(m_grid, this, [this](const QPoint& pos) { OnContextMenu(pos); });
}

CombinationPanel::~CombinationPanel() = default;

void CombinationPanel::Select(int from, int to)
{
    m_selFrom = from;
    m_selTo = to;
}

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

void CombinationPanel::OnDelete()
{
    m_editing->Commit();
    const int from = m_selFrom >= 1 ? m_selFrom : static_cast<int>(m_grid->GetRow());
    const int to = m_selFrom >= 1 ? m_selTo : from;
    if (m_table.DeleteRows(from, to) > 0) {
        m_selFrom = m_selTo = 0;
        m_table.FillGrid(*m_grid, *m_editing);
    }
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
    auto add = [&](const char* text, int id, bool enabled) {
        QAction* a = menu->addAction(text);
        a->setData(id);
        a->setEnabled(enabled);
    };
    add("Add combination", CmdAdd, true);
    add("Delete combinations", CmdDelete, m_table.Rows() > 0);
    menu->addSeparator();
    add("Print", CmdPrint, true);
    add("Word", CmdWord, true);
    add("Excel", CmdExcel, true);
    return menu;
}

void CombinationPanel::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}
