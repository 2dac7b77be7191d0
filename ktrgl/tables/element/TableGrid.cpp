#include "tables/element/TableGrid.h"

#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"

#include <QVBoxLayout>

CMSFlexGrid* TableGrid::Create(QWidget* owner, int margin, QWidget* header)
{
    auto* grid = new CMSFlexGrid(owner);
    grid->setObjectName("12039");
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(margin, margin, margin, margin);
    if (header)
        layout->addWidget(header);
    layout->addWidget(grid);
    return grid;
}

GridEditing* TableGrid::Edit(CMSFlexGrid* grid, GridEditingClient* client, const GridEditing::Options& options,
                             QWidget* owner, const std::function<void(const QPoint&)>& popup)
{
    auto* editing = new GridEditing(grid, client, options, owner);
    MenuResource::ConnectContextMenu(grid, owner, popup);
    return editing;
}
