#include "tables/element/TablePanel.h"

#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "tables/element/TableGrid.h"

#include <QAction>
#include <QMenu>

TablePanel::TablePanel(QWidget* parent) : QWidget(parent) {}

TablePanel::~TablePanel() = default;

void TablePanel::CreateGrid(GridEditing::Kind kind, GridEditing::Append append, QWidget* header)
{
    m_grid = TableGrid::Create(this, 0, header);
    m_grid->SetRows(1);
    m_grid->SetCols(1);
    GridEditing::Options options = kind == GridEditing::Bar ? GridEditing::BarOptions() : GridEditing::PageOptions();
    options.routedKeys = GridEditing::RouteUpDown | GridEditing::RouteEnter | GridEditing::RouteDelete;
    options.append = append;
    options.editOnlyTableRows = true;
    m_editing = TableGrid::Edit(m_grid, this, options, this, [this](const QPoint& pos) { OnContextMenu(pos); });
    m_editing->SetSelectionTarget(&m_selFrom, &m_selTo, nullptr);
}

void TablePanel::Select(int from, int to)
{
    m_selFrom = from;
    m_selTo = to;
}

void TablePanel::Open()
{
    m_editing->CreateEditor(this);
    UpdateTable();
}

void TablePanel::Close()
{
    m_editing->Commit();
    m_editing->DestroyEditor();
}

void TablePanel::SelectedRows(int& from, int& to) const
{
    from = m_selFrom >= 1 ? m_selFrom : static_cast<int>(m_grid->GetRow());
    to = m_selFrom >= 1 ? m_selTo : from;
}

void TablePanel::OnDelete()
{
    m_editing->Commit();
    int from = 0;
    int to = 0;
    SelectedRows(from, to);
    if (DeleteTableRows(from, to) > 0) {
        m_selFrom = m_selTo = 0;
        RefillTable();
    }
}

void TablePanel::AddCommand(QMenu* menu, const char* text, int id, bool enabled)
{
    QAction* a = menu->addAction(text);
    a->setData(id);
    a->setEnabled(enabled);
}

void TablePanel::OnContextMenu(const QPoint& globalPos)
{
    MenuResource::RunPopupMenu(CreateContextMenu(), globalPos, [this](int id) { OnCommand(id); });
}
