// NodeTableWorker: filling the coordinate and restraint grids, and the
// greying and checking of their popup menus.
#include "tables/node/NodeTableWorker.h"

#include "tables/CommandIds.h"
#include "tables/GridEditing.h"
#include "tables/MSFlexGrid.h"
#include "tables/MenuResource.h"
#include "view/Geometry.h"

#include <QMenu>

#include <algorithm>

void NodeTableWorker::FillCoordinateGrid(CMSFlexGrid& grid, const GridEditing& editing) const
{
    const int count = NodeCount();
    const std::string unit = LengthUnit();
    grid.Clear();
    grid.SetRows(count + 1);
    grid.SetCols(4);
    grid.SetTextMatrix(0, 0, " node ");
    grid.SetTextMatrix(0, 1, "  X (" + unit + ")");
    grid.SetTextMatrix(0, 2, "  Y (" + unit + ")");
    grid.SetTextMatrix(0, 3, "  Z (" + unit + ")");
    const long width = count <= 27 ? 850 : 780;
    for (long col = 1; col <= 3; ++col)
        grid.SetColWidth(col, width);
    if (count == 0)
        return;
    const double factor = m_geometry->GetLengthFactor();
    editing.FillRows(count, [&](long row) { ShowCoordinateRow(grid, row, factor); });
}

void NodeTableWorker::SetGeometry(CGeometry* geometry, GridEditing& editing)
{
    m_geometry = geometry;
    if (geometry)
        editing.SetSelectionTarget(&geometry->m_selNodeFrom, &geometry->m_selNodeTo, &geometry->m_activeTable);
    else
        editing.SetSelectionTarget(nullptr, nullptr, nullptr);
}

void NodeTableWorker::ShowCoordinateRows(CMSFlexGrid& grid, const GridEditing& editing, int first, int last) const
{
    const GridEditing::Window window = editing.CurrentWindow(NodeCount());
    const double factor = m_geometry->GetLengthFactor();
    for (long row = std::max<long>(first, window.first); row <= std::min<long>(last, window.last); ++row)
        ShowCoordinateRow(grid, row, factor);
}

void NodeTableWorker::StoreCoordinateCell(CMSFlexGrid& grid, long row, long col, const std::string& text)
{
    if (!m_geometry || row < 1 || row > NodeCount() || col < 1 || col > 3)
        return;
    StoreCoordinate(row, col, GridEditing::ShowNumber(grid, row, col, text, "%.4g"));
}

void NodeTableWorker::StoreCodeCell(CMSFlexGrid& grid, long row, long col, const std::string& text)
{
    if (!m_geometry || row < 1 || row > NodeCount() || col < 1 || col > 6)
        return;
    const std::string shown = GridEditing::Format("        %ld", GridEditing::ParseInteger(text));
    grid.SetTextMatrix(row, col, shown);
    StoreCode(row, col, GridEditing::ParseInteger(shown));
}

void NodeTableWorker::ShowCoordinateRow(CMSFlexGrid& grid, long row, double lengthFactor) const
{
    if (!m_geometry)
        return;
    const CdMatrix& nodes = m_geometry->m_nodeTable;
    const int i = static_cast<int>(row);
    grid.SetTextMatrix(row, 0, GridEditing::Format("%d", i));
    for (int j = 1; j <= 3; ++j)
        grid.SetTextMatrix(row, j, GridEditing::Format("%.3f", nodes(i, j) * lengthFactor));
}

void NodeTableWorker::FillRestraintGrid(CMSFlexGrid& grid, const GridEditing& editing) const
{
    const int count = NodeCount();
    const int dof = RestraintColumns();
    grid.Clear();
    grid.SetRows(count + 1);
    grid.SetCols(dof + 1);
    grid.SetTextMatrix(0, 0, " node ");
    for (int k = 1; k <= dof; ++k) {
        grid.SetTextMatrix(0, k, GridEditing::Format("Restraints %d", k));
        grid.SetHeaderToolTip(k, RestraintTip(k));
    }
    if (count == 0)
        return;
    editing.FillRows(count, [&](long row) { ShowRestraintRow(grid, row, dof); });
}

namespace {
const char* const kDofNames[6] = {"translation X", "translation Y", "translation Z",
                                  "rotation about X", "rotation about Y", "rotation about Z"};
} // namespace

std::string NodeTableWorker::RestraintTip(int k)
{
    if (k < 1 || k > 6)
        return std::string();
    return GridEditing::Format("Restraints %d: %s - 0 restrained, 1 free", k, kDofNames[k - 1]);
}

std::string NodeTableWorker::RestraintLegend(int columns)
{
    if (columns <= 3)
        return "0 restrained, 1 free - Restraints 1, 2, 3: translation X, Y, Z";
    return "0 restrained, 1 free - Restraints 1, 2, 3: translation X, Y, Z; 4, 5, 6: rotation about X, Y, Z";
}

void NodeTableWorker::ShowRestraintRow(CMSFlexGrid& grid, long row, int columns) const
{
    if (!m_geometry)
        return;
    const CdMatrix& nodes = m_geometry->m_nodeTable;
    const int i = static_cast<int>(row);
    grid.SetTextMatrix(row, 0, GridEditing::Format("%d", i));
    for (int k = 1; k <= columns; ++k)
        grid.SetTextMatrix(row, k, CodeText(nodes(i, 3 + k)));
}

std::string NodeTableWorker::CodeText(double code)
{
    return GridEditing::Format("        %d", CGeometry::TruncateNumber(code));
}

void NodeTableWorker::PrepareNodeMenu(QMenu* menu, bool hasRows) const
{
    if (!menu)
        return;
    if (!hasRows)
        for (int id : {ID_NODE_COPY, ID_NODE_PASTE, ID_NODE_DELETE, ID_NODE_MOVE, ID_NODE_RENUMBER,
                       ID_NODE_PROPERTIES})
            MenuResource::EnableCommand(menu, id, false);
    if (!HasCopy())
        MenuResource::EnableCommand(menu, ID_NODE_PASTE, false);
}

void NodeTableWorker::PrepareDofMenu(QMenu* menu)
{
    if (!menu || !m_geometry)
        return;
    OrderSelection();
    const int first = m_geometry->m_selNodeFrom;
    const bool several = m_geometry->m_selNodeTo > first;
    const bool inTable = first >= 1 && first <= NodeCount();
    for (int k = 1; k <= 6; ++k) {
        const int id = ID_DOF_LOCK_FX + k - 1;
        if (several)
            MenuResource::EnableCommand(menu, id, false);
        else
            MenuResource::CheckCommand(menu, id,
                                      inTable && 3 + k <= m_geometry->m_nodeTable.GetCols() &&
                                          m_geometry->m_nodeTable(first, 3 + k) == kRestrained);
    }
    if (!IsFrame())
        for (int id : {ID_DOF_LOCK_MX, ID_DOF_LOCK_MY, ID_DOF_LOCK_MZ, ID_DOF_FIXED})
            MenuResource::EnableCommand(menu, id, false);
}
