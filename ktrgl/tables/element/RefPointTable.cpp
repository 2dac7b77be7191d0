#include "tables/element/RefPointTable.h"

#include "project/Project.h"
#include "tables/GridEditing.h"
#include "tables/MSFlexGrid.h"
#include "tables/ReportFrame.h"
#include "view/Geometry.h"

#include <algorithm>
#include <cmath>

namespace {

double Snap(double v) { return std::fabs(v) < 1e-06 ? 0.0 : v; }

} // namespace

int RefPointTable::MemberCount() const { return m_geometry ? m_geometry->m_memberTable.GetRows() : 0; }

bool RefPointTable::Nodes(int row, double* start, double* end) const
{
    if (!m_geometry || row < 1 || row > MemberCount())
        return false;
    const CdMatrix& nodes = m_geometry->m_nodeTable;
    const int s = CGeometry::TruncateNumber(m_geometry->m_memberTable(row, 1));
    const int e = CGeometry::TruncateNumber(m_geometry->m_memberTable(row, 2));
    if (s < 1 || s > nodes.GetRows() || e < 1 || e > nodes.GetRows() || nodes.GetCols() < 3)
        return false;
    for (int c = 1; c <= 3; ++c) {
        start[c] = nodes(s, c);
        end[c] = nodes(e, c);
    }
    return true;
}

void RefPointTable::Store(int row, const double* point)
{
    for (int c = 1; c <= 3; ++c)
        m_geometry->m_memberTable(row, c + 3) = point[c];
}

void RefPointTable::DefaultPoint(const double* start, const double* end, double* point)
{
    const double dx = end[1] - start[1], dy = end[2] - start[2], dz = end[3] - start[3];
    const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
    const bool vertical = length > 0.0 && std::fabs(dy) > 0.9 * length;
    for (int c = 1; c <= 3; ++c)
        point[c] = start[c];
    point[vertical ? 1 : 2] += length / 10.0;
}

bool RefPointTable::IsDegenerate(const double* start, const double* end, const double* point)
{
    const double a[3] = {end[1] - start[1], end[2] - start[2], end[3] - start[3]};
    const double b[3] = {point[1] - start[1], point[2] - start[2], point[3] - start[3]};
    const double length = std::sqrt(a[0] * a[0] + a[1] * a[1] + a[2] * a[2]);
    const double reach = std::sqrt(b[0] * b[0] + b[1] * b[1] + b[2] * b[2]);
    if (!(length > 0.0) || !(reach > 1e-9 * length))
        return true;
    const double cross[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
    const double area = std::sqrt(cross[0] * cross[0] + cross[1] * cross[1] + cross[2] * cross[2]);
    // The sine of the angle between the member and the point's direction.
    return area <= 1e-6 * length * reach;
}

void RefPointTable::ParallelPoint(int axis, const double* start, const double* end, double* point)
{
    const double dx = end[1] - start[1], dy = end[2] - start[2], dz = end[3] - start[3];
    auto angle = [](double y, double x) {
        double theta = std::atan2(y, x) + kParallelQuarter;
        if (std::fabs(theta) < 0.001)
            theta = 0.0;
        return theta;
    };
    if (axis == 1) {
        const double l = std::sqrt(dy * dy + dz * dz);
        const double theta = angle(dz, dy);
        point[1] = start[1];
        point[2] = start[2] + std::cos(theta) * l / 10;
        point[3] = start[3] + std::sin(theta) * l / 10;
    } else if (axis == 2) {
        const double l = std::sqrt(dz * dz + dx * dx);
        const double theta = angle(dz, dx);
        point[3] = start[3] + std::sin(theta) * l / 10;
        point[1] = start[1] + std::cos(theta) * l / 10;
        point[2] = start[2];
    } else {
        const double l = std::sqrt(dx * dx + dy * dy);
        const double theta = angle(dy, dx);
        point[1] = start[1] + std::cos(theta) * l / 10;
        point[2] = start[2] + std::sin(theta) * l / 10;
        point[3] = start[3];
    }
    for (int c = 1; c <= 3; ++c)
        point[c] = Snap(point[c]);
}

void RefPointTable::GeneratePoint(const double* start, const double* end, double* point)
{
    const double ex = end[1] - start[1], ey = end[2] - start[2], ez = end[3] - start[3];
    const double l = std::sqrt(ex * ex + ey * ey + ez * ez);
    const double dx = ex / 2, dy = ey / 2, dz = ez / 2;
    const double xs = start[1], ys = start[2], zs = start[3];
    if (dx != 0.0 && dy != 0.0 && dz != 0.0) {
        const double phi = std::atan2(dy, dx) + kGenerateQuarter;
        point[1] = xs + std::cos(phi) * l;
        point[2] = ys + std::sin(phi) * l;
        point[3] = zs;
        return;
    }
    if (dx == 0.0) {
        const double phi = std::atan2(dy, dz) + kGenerateQuarter;
        point[1] = xs;
        point[2] = ys + std::sin(phi) * l;
        point[3] = zs + std::cos(phi) * l;
    }
    if (dy == 0.0) {
        const double phi = std::atan2(dz, dx) + kGenerateQuarter;
        point[1] = xs + std::cos(phi) * l;
        point[2] = ys;
        point[3] = zs + std::sin(phi) * l;
    }
    if (dz == 0.0) {
        const double phi = std::atan2(dy, dx) + kGenerateQuarter;
        point[1] = xs + std::cos(phi) * l;
        point[2] = ys + std::sin(phi) * l;
        point[3] = zs;
    }
}

bool RefPointTable::ParallelX(int row)
{
    double s[4], e[4], p[4];
    if (!Nodes(row, s, e))
        return false;
    ParallelPoint(1, s, e, p);
    Store(row, p);
    return true;
}

bool RefPointTable::ParallelY(int row)
{
    double s[4], e[4], p[4];
    if (!Nodes(row, s, e))
        return false;
    ParallelPoint(2, s, e, p);
    Store(row, p);
    return true;
}

bool RefPointTable::ParallelZ(int row)
{
    double s[4], e[4], p[4];
    if (!Nodes(row, s, e))
        return false;
    ParallelPoint(3, s, e, p);
    Store(row, p);
    return true;
}

bool RefPointTable::Generate(int row)
{
    double s[4], e[4], p[4];
    if (!Nodes(row, s, e))
        return false;
    GeneratePoint(s, e, p);
    Store(row, p);
    return true;
}

void RefPointTable::SelectedRows(int& first, int& last) const
{
    first = 1;
    last = 0;
    if (!m_geometry)
        return;
    if (m_geometry->m_selMemberFrom > m_geometry->m_selMemberTo)
        std::swap(m_geometry->m_selMemberFrom, m_geometry->m_selMemberTo);
    first = std::max(m_geometry->m_selMemberFrom, 1);
    last = std::min(m_geometry->m_selMemberTo, MemberCount());
}

bool RefPointTable::ParallelRow(int axis, int row, CMSFlexGrid& grid, double factor)
{
    const bool changed = axis == 1 ? ParallelX(row) : axis == 2 ? ParallelY(row) : ParallelZ(row);
    if (changed)
        ShowRow(grid, row, factor);
    return changed;
}

bool RefPointTable::ParallelSelection(int axis, CMSFlexGrid& grid, double factor)
{
    int first = 1, last = 0;
    SelectedRows(first, last);
    for (int row = first; row <= last; ++row)
        ParallelRow(axis, row, grid, factor);
    return first <= last;
}

void RefPointTable::ShowRow(CMSFlexGrid& grid, long row, double factor) const
{
    if (!m_geometry || row < 1 || row > MemberCount())
        return;
    grid.SetTextMatrix(row, 0, GridEditing::Format("      %ld", row));
    for (long c = 1; c <= 3; ++c)
        grid.SetTextMatrix(row, c,
                           GridEditing::Format("%.3f", m_geometry->m_memberTable(static_cast<int>(row),
                                                                                  static_cast<int>(c) + 3) *
                                                           factor));
}

void RefPointTable::FillGrid(CMSFlexGrid& grid, const GridEditing& editing, double factor, bool bar) const
{
    const int count = MemberCount();
    const std::string unit = CProject().GetLengthUnit();
    grid.Clear();
    grid.SetRows(count + 1);
    grid.SetCols(4);
    grid.SetTextMatrix(0, 0, " element ");
    grid.SetTextMatrix(0, 1, "  X (" + unit + ")");
    grid.SetTextMatrix(0, 2, "  Y (" + unit + ")");
    grid.SetTextMatrix(0, 3, "  Z (" + unit + ")");
    grid.SetColWidth(0, 735);
    const bool narrow = count >= 28;
    grid.SetColWidth(1, narrow ? 710 : 790);
    grid.SetColWidth(2, narrow ? 710 : 790);
    grid.SetColWidth(3, narrow ? (bar ? 715 : 710) : 790);
    editing.FillRows(count, [&](long row) { ShowRow(grid, row, factor); });
}

bool RefPointTable::StoreCell(CMSFlexGrid& grid, long row, long col, const std::string& text, double factor)
{
    if (!m_geometry || row < 1 || row > MemberCount() || col < 1 || col > 3)
        return false;
    const double shown = GridEditing::ShowNumber(grid, row, col, text, "%.4g");
    m_geometry->m_memberTable(static_cast<int>(row), static_cast<int>(col) + 3) = shown / factor;
    return true;
}

std::string RefPointTable::Report(const CdMatrix& members, const std::string& lengthUnit)
{
    ReportFrame report(ReportFrame::kPrintProgrammer, ReportFrame::kWordPadFormat,
                       "Member reference point:\tLast modify  ");
    report.Append("Element\tX(" + lengthUnit + ")\tY(" + lengthUnit + ")\tZ(" + lengthUnit + ")\n");
    const double f = CGeometry::LengthFactorOf(lengthUnit);
    for (int r = 1; r <= members.GetRows(); ++r)
        report.AppendFormat("%d\t%.3f\t%.3f\t%.3f\n", r, members(r, 4) * f, members(r, 5) * f, members(r, 6) * f);
    return report.Text();
}

bool RefPointTable::Print() const
{
    if (!m_geometry)
        return false;
    const std::string path = ReportFrame::ChooseReportPath("reference point.txt");
    if (path.empty())
        return false;
    if (!ReportFrame::WriteFile(path, Report(m_geometry->m_memberTable, CProject().GetLengthUnit())))
        return false;
    ReportFrame::Open(path, ReportFrame::TextViewer);
    return true;
}
