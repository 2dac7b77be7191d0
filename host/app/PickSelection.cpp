#include "PickSelection.h"

#include <QDockWidget>
#include <QItemSelection>
#include <QItemSelectionModel>

#include "DockManager.h"
#include "ModelViewWidget.h"
#include "tables/MSFlexGrid.h"
#include "tables/element/ElementBar1.h"
#include "tables/node/NodeBar1.h"
#include "view/Geometry.h"

namespace {

// Rows of the picked set selected in the grid (whole rows), the current
// cell on the first, which is scrolled into view.
void SelectRows(CMSFlexGrid& grid, const QVector<int>& rows)
{
    const int first = rows.front(), last = rows.back();
    grid.SetTopRow(std::max(1, first - 2));
    grid.SetRow(first);
    grid.SetCol(1);
    grid.SetRowSel(last);
    grid.SetColSel(grid.GetCols() - 1);
    if (QItemSelectionModel* model = grid.selectionModel()) {
        QItemSelection selection;
        const int lastCol = grid.columnCount() - 1;
        for (int r : rows)
            selection.select(grid.model()->index(r - 1, 0), grid.model()->index(r - 1, lastCol));
        model->select(selection, QItemSelectionModel::ClearAndSelect);
    }
    grid.scrollTo(grid.model()->index(first - 1, 0));
}

} // namespace

namespace PickSelection {

void SelectNodes(DockManager& docks, CGeometry& geometry, ModelViewWidget& view,
                 const QVector<int>& nodes)
{
    if (nodes.isEmpty())
        return;
    const std::vector<int> set(nodes.begin(), nodes.end());
    geometry.m_activeTable = CGeometry::TableNodes;
    geometry.m_selNodeFrom = set.front();
    geometry.m_selNodeTo = set.back();
    if (QDockWidget* dock = docks.Dock("nodeBar1")) {
        dock->show();
        dock->raise();
    }
    view.MakeListsCurrent();
    if (CNodeBar1* bar = docks.BarOf<CNodeBar1>("nodeBar1"))
        SelectRows(*bar->Grid(), nodes);
    view.MakeListsCurrent();
    geometry.HighlightNodes(set);
    view.update();
}

void SelectMembers(DockManager& docks, CGeometry& geometry, ModelViewWidget& view,
                   const QVector<int>& members)
{
    if (members.isEmpty())
        return;
    const std::vector<int> set(members.begin(), members.end());
    geometry.m_activeTable = CGeometry::TableConnectivity;
    geometry.m_selMemberFrom = set.front();
    geometry.m_selMemberTo = set.back();
    if (QDockWidget* dock = docks.Dock("elementBar1")) {
        dock->show();
        dock->raise();
    }
    view.MakeListsCurrent();
    if (CElementBar1* bar = docks.BarOf<CElementBar1>("elementBar1"))
        SelectRows(*bar->Grid(), members);
    view.MakeListsCurrent();
    geometry.HighlightMembers(set);
    view.update();
}

} // namespace PickSelection
