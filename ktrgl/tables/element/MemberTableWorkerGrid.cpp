// The connectivity grids of the page and the bar.
#include "tables/element/MemberTableWorker.h"

#include "tables/GridEditing.h"
#include "tables/MSFlexGrid.h"
#include "view/Geometry.h"

int MemberTableWorker::MemberColumnOf(long col, bool bar)
{
    static const int kPage[6] = {0, ColStart, ColEnd, ColLength, ColProperty, ColRelease};
    static const int kBar[5] = {0, ColStart, ColEnd, ColProperty, ColRelease};
    if (col < 0)
        return -1;
    if (bar)
        return col < 5 ? kBar[col] : -1;
    return col < 6 ? kPage[col] : -1;
}

std::string MemberTableWorker::NumberText(double value)
{
    return GridEditing::Format("         %d", CGeometry::TruncateNumber(value));
}

void MemberTableWorker::ShowRow(CMSFlexGrid& grid, long row, bool bar) const
{
    if (!m_geometry || row < 1 || row > MemberCount())
        return;
    const CdMatrix& members = m_geometry->m_memberTable;
    const int r = static_cast<int>(row);
    grid.SetTextMatrix(row, 0, GridEditing::Format("      %ld", row));
    const long cols = bar ? 5 : 6;
    for (long col = 1; col < cols; ++col) {
        const int c = MemberColumnOf(col, bar);
        if (c == ColLength)
            grid.SetTextMatrix(row, col, GridEditing::Format("    %.3f", members(r, c)));
        else
            grid.SetTextMatrix(row, col, NumberText(members(r, c)));
    }
}

void MemberTableWorker::FillGrid(CMSFlexGrid& grid, const GridEditing& editing, bool bar) const
{
    const int count = MemberCount();
    grid.Clear();
    grid.SetRows(count + 1);
    if (bar) {
        grid.SetCols(5);
        static const char* const kHeaders[5] = {" Element", " Start node ", " End node ", " Property", " Release "};
        for (long c = 0; c < 5; ++c)
            grid.SetTextMatrix(0, c, kHeaders[c]);
    } else {
        grid.SetCols(6);
        static const char* const kHeaders[6] = {" Element", " Start node ", " End node ", " Length", " Property",
                                                " Release"};
        for (long c = 0; c < 6; ++c)
            grid.SetTextMatrix(0, c, kHeaders[c]);
    }
    grid.SetColWidth(0, 855);
    const long wide = NodeColumnWidth(count);
    const long last = bar ? 3 : 4;
    for (long c = 1; c <= last; ++c)
        grid.SetColWidth(c, wide);
    editing.FillRows(count, [&](long row) { ShowRow(grid, row, bar); });
}
