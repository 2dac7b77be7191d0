#include "tables/element/TablePanel.h"

#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"

#include <QAction>
#include <QMenu>
#include <QVBoxLayout>

TablePanel::TablePanel(QWidget* parent) : QWidget(parent) {}

TablePanel::~TablePanel() = default;

void TablePanel::CreateGrid(GridEditing::Kind kind, GridEditing::Append append, QWidget* header)
{
    m_grid = new CMSFlexGrid(this);
    m_grid->setObjectName("12039");
    m_grid->SetRows(1);
    m_grid->SetCols(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (header)
        layout->addWidget(header);
    layout->addWidget(m_grid);

    GridEditing::Options options = kind == GridEditing::Bar ? GridEditing::BarOptions() : GridEditing::PageOptions();
    options.routedKeys = GridEditing::RouteUpDown | GridEditing::RouteEnter | GridEditing::RouteDelete;
    options.append = append;
    options.editOnlyTableRows = true;
    m_editing = new GridEditing(m_grid, this, options, this);
    m_editing->SetSelectionTarget(&m_selFrom, &m_selTo, nullptr);
    MenuResource::ConnectContextMenu(m_grid, this, [this](const QPoint& pos) { OnContextMenu(pos); });
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
