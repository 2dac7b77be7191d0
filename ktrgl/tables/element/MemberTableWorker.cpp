#include "tables/element/MemberTableWorker.h"
#include "tables/element/RefPointTable.h"

#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"
#include "project/Project.h"
#include "tables/ReportFrame.h"
#include "tables/element/NodeIndex.h"
#include "view/Geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_set>

// ---- transformations ----------------------------------------------------------

class MemberTableWorker::Transform {
public:
    virtual ~Transform() = default;
    // Transforms x, y, z (row[1..3]) of a node row in place.
    virtual void Apply(double* row) const = 0;
};

namespace {

// Reflection in the plane coordinate(axis) = distance.
class Reflection : public MemberTableWorker::Transform {
public:
    Reflection(int axis, double distance) : m_axis(axis), m_distance(distance) {}
    void Apply(double* row) const override { row[m_axis] = 2.0 * m_distance - row[m_axis]; }

private:
    int m_axis;
    double m_distance;
};

// p' = (p - K) R + K with p as a row vector.
class Rotation : public MemberTableWorker::Transform {
public:
    Rotation(const CdMatrix& r, const double point[4]) : m_r(r)
    {
        for (int i = 1; i <= 3; ++i)
            m_k[i] = point[i];
    }
    void Apply(double* row) const override
    {
        const double p[4] = {0.0, row[1] - m_k[1], row[2] - m_k[2], row[3] - m_k[3]};
        for (int j = 1; j <= 3; ++j) {
            double v = 0.0;
            for (int i = 1; i <= 3; ++i)
                v += p[i] * m_r(i, j);
            row[j] = v + m_k[j];
        }
    }

private:
    CdMatrix m_r;
    double m_k[4] = {0.0, 0.0, 0.0, 0.0};
};

int Truncated(double value) { return CGeometry::TruncateNumber(value); }

} // namespace

// ---- basics ---------------------------------------------------------------------

int MemberTableWorker::MemberCount() const { return m_geometry ? m_geometry->m_memberTable.GetRows() : 0; }

int MemberTableWorker::NodeCount() const { return m_geometry ? m_geometry->m_nodeTable.GetRows() : 0; }

bool MemberTableWorker::ValidNode(int node) const { return node >= 1 && node <= NodeCount(); }

void MemberTableWorker::EnsureMemberColumns()
{
    CdMatrix& members = m_geometry->m_memberTable;
    if (members.GetCols() == 0 && members.GetRows() == 0)
        members.SetSize(0, kMemberColumns);
}

void MemberTableWorker::OrderSelection()
{
    if (!m_geometry)
        return;
    if (m_geometry->m_selMemberFrom > m_geometry->m_selMemberTo)
        std::swap(m_geometry->m_selMemberFrom, m_geometry->m_selMemberTo);
}

MemberTableWorker::Range MemberTableWorker::SelectedRows() const
{
    Range range;
    if (!m_geometry)
        return range;
    int a = m_geometry->m_selMemberFrom;
    int b = m_geometry->m_selMemberTo;
    if (a > b)
        std::swap(a, b);
    range.first = std::max(a, 1);
    range.last = std::min(b, MemberCount());
    return range;
}

int MemberTableWorker::Copy()
{
    OrderSelection();
    const Range range = SelectedRows();
    if (range.Empty())
        return 0;
    const CdMatrix& members = m_geometry->m_memberTable;
    m_clipboard.SetSize(range.Count(), members.GetCols());
    for (int r = range.first; r <= range.last; ++r)
        m_clipboard.SetRow(r - range.first + 1, members.GetData()[r]);
    return range.Count();
}

// ---- commands -------------------------------------------------------------------

void MemberTableWorker::AddNew(double property)
{
    if (!m_geometry)
        return;
    EnsureMemberColumns();
    CdMatrix& members = m_geometry->m_memberTable;
    std::vector<double> row(static_cast<size_t>(members.GetCols()) + 1, 0.0);
    if (members.GetCols() >= ColProperty)
        row[ColProperty] = property;
    members.AppendRow(row.data());
}

bool MemberTableWorker::Delete()
{
    OrderSelection();
    const Range range = SelectedRows();
    if (range.Empty())
        return false;
    platform::WaitCursor wait;
    CdMatrix& members = m_geometry->m_memberTable;
    std::vector<char> keep(static_cast<size_t>(members.GetRows()) + 1, 1);
    for (int r = range.first; r <= range.last; ++r)
        keep[r] = 0;
    KeepRows(members, keep);
    return true;
}

int MemberTableWorker::Paste(double dx, double dy, double dz)
{
    if (!m_geometry || !HasClipboard())
        return 0;
    platform::WaitCursor wait;
    CdMatrix& nodes = m_geometry->m_nodeTable;
    EnsureMemberColumns();
    NodeIndex index(nodes, NodeIndex::Exact);
    const int columns = nodes.GetCols();
    // Room for x, y, z even when the node table has fewer columns.
    std::vector<double> start(static_cast<size_t>(std::max(columns, 3)) + 1), end(start.size());
    for (int i = 1; i <= m_clipboard.GetRows(); ++i) {
        const int s = Truncated(m_clipboard(i, ColStart));
        const int e = Truncated(m_clipboard(i, ColEnd));
        const bool haveStart = ValidNode(s), haveEnd = ValidNode(e);
        if (haveStart)
            std::copy(nodes.GetData()[s], nodes.GetData()[s] + columns + 1, start.begin());
        if (haveEnd)
            std::copy(nodes.GetData()[e], nodes.GetData()[e] + columns + 1, end.begin());
        const double offset[4] = {0.0, dx, dy, dz};
        for (int c = 1; c <= 3; ++c) {
            start[c] += offset[c];
            end[c] += offset[c];
        }
        // Both ends are looked up in the table as it stands, then the
        // unmatched ones are appended.
        int newStart = haveStart ? index.Find(start.data()) : 0;
        int newEnd = haveEnd ? index.Find(end.data()) : 0;
        if (haveStart && newStart == 0) {
            nodes.AppendRow(start.data());
            newStart = nodes.GetRows();
            index.Add(newStart);
        }
        if (haveEnd && newEnd == 0) {
            nodes.AppendRow(end.data());
            newEnd = nodes.GetRows();
            index.Add(newEnd);
        }
        m_clipboard(i, ColStart) = newStart;
        m_clipboard(i, ColEnd) = newEnd;
    }
    const int first = m_geometry->m_memberTable.GetRows() + 1;
    m_geometry->m_memberTable.AppendRows(m_clipboard);
    OrientNewMembers(first, m_geometry->m_memberTable.GetRows());
    return m_clipboard.GetRows();
}

int MemberTableWorker::Move(double dx, double dy, double dz)
{
    OrderSelection();
    const Range range = SelectedRows();
    if (range.Empty())
        return 0;
    CdMatrix& nodes = m_geometry->m_nodeTable;
    const CdMatrix& members = m_geometry->m_memberTable;
    std::vector<char> done(static_cast<size_t>(nodes.GetRows()) + 1, 0);
    int moved = 0;
    for (int r = range.first; r <= range.last; ++r) {
        for (int c = ColStart; c <= ColEnd; ++c) {
            const int n = Truncated(members(r, c));
            if (!ValidNode(n) || done[n])
                continue;
            done[n] = 1;
            nodes(n, 1) += dx;
            nodes(n, 2) += dy;
            nodes(n, 3) += dz;
            ++moved;
        }
    }
    return moved;
}

void MemberTableWorker::TransformNodes(const Transform& transform)
{
    CdMatrix& nodes = m_geometry->m_nodeTable;
    if (nodes.GetCols() < 3)
        return;
    std::vector<char> done(static_cast<size_t>(nodes.GetRows()) + 1, 0);
    for (int i = 1; i <= m_clipboard.GetRows(); ++i) {
        for (int c = ColStart; c <= ColEnd; ++c) {
            const int n = Truncated(m_clipboard(i, c));
            if (!ValidNode(n) || done[n])
                continue;
            done[n] = 1;
            transform.Apply(nodes.GetData()[n]);
        }
    }
}

void MemberTableWorker::TransformCopy(const Transform& transform)
{
    CdMatrix& nodes = m_geometry->m_nodeTable;
    NodeIndex index(nodes, NodeIndex::Tolerant);
    const int columns = nodes.GetCols();
    std::vector<double> copy(static_cast<size_t>(std::max(columns, 3)) + 1);
    for (int i = 1; i <= m_clipboard.GetRows(); ++i) {
        for (int c = ColStart; c <= ColEnd; ++c) {
            const int n = Truncated(m_clipboard(i, c));
            if (!ValidNode(n)) {
                m_clipboard(i, c) = 0;
                continue;
            }
            std::copy(nodes.GetData()[n], nodes.GetData()[n] + columns + 1, copy.begin());
            transform.Apply(copy.data());
            int found = index.Find(copy.data());
            if (found == 0) {
                nodes.AppendRow(copy.data());
                found = nodes.GetRows();
                index.Add(found);
            }
            m_clipboard(i, c) = found;
        }
    }
    const int first = m_geometry->m_memberTable.GetRows() + 1;
    m_geometry->m_memberTable.AppendRows(m_clipboard);
    OrientNewMembers(first, m_geometry->m_memberTable.GetRows());
}

void MemberTableWorker::Mirror(Axis axis, double distance, Mode mode)
{
    if (!m_geometry || Copy() == 0)
        return;
    platform::WaitCursor wait;
    const Reflection reflection(axis, distance);
    if (mode == ModeMove)
        TransformNodes(reflection);
    else
        TransformCopy(reflection);
}

void MemberTableWorker::Rotate(Axis axis, const double point[4], double theta, Mode mode)
{
    if (!m_geometry || Copy() == 0)
        return;
    platform::WaitCursor wait;
    const Rotation rotation(RotationMatrix(axis, theta), point);
    if (mode == ModeMove)
        TransformNodes(rotation);
    else
        TransformCopy(rotation);
}

bool MemberTableWorker::Assign(int column, int value)
{
    OrderSelection();
    const Range range = SelectedRows();
    if (range.Empty())
        return false;
    for (int r = range.first; r <= range.last; ++r)
        m_geometry->m_memberTable(r, column) = value;
    return true;
}

bool MemberTableWorker::Import(const std::string& path)
{
    if (!m_geometry)
        return false;
    CdMatrix rows;
    if (!rows.Load(path))
        return false;
    CdMatrix& members = m_geometry->m_memberTable;
    // An empty table is a member table all the same: the file must have
    // its eight columns.
    EnsureMemberColumns();
    if (rows.GetCols() != members.GetCols()) {
        members.AppendRows(rows); // refuses with the matrix's message
        return false;
    }
    // Node numbers must name nodes of the model or be 0 ("not yet given").
    const int nodeCount = m_geometry->m_nodeTable.GetRows();
    for (int k = 1; k <= rows.GetRows(); ++k)
        for (int column = ColStart; column <= ColEnd; ++column) {
            const double node = rows(k, column);
            if (node == 0.0 || (node >= 1.0 && node <= nodeCount && node == std::floor(node)))
                continue;
            char text[200];
            std::snprintf(text, sizeof text, "Member %d of the file names node %g, not a node of 1..%d", k, node,
                          nodeCount);
            platform::MessageBox(std::string(text) + ": nothing imported from " + path,
                                 "KESTRA detect error in operation ", platform::MB_OK | platform::MB_ICONERROR);
            return false;
        }
    members.AppendRows(rows);
    return true;
}

CdMatrix MemberTableWorker::GeneratedMembers(int start, int end, const Generation& generation, int columns)
{
    CdMatrix rows;
    if (generation.count < 1)
        return rows;
    rows.SetSize(generation.count, columns);
    const long long stepStart = static_cast<long long>(generation.startIncrement) * generation.ratio;
    const long long stepEnd = static_cast<long long>(generation.endIncrement) * generation.ratio;
    for (int k = 1; k <= generation.count; ++k) {
        rows(k, ColStart) = static_cast<double>(start + k * stepStart);
        rows(k, ColEnd) = static_cast<double>(end + k * stepEnd);
        rows(k, ColProperty) = generation.property;
    }
    return rows;
}

int MemberTableWorker::Generate(const Generation& generation)
{
    if (!m_geometry || generation.count < 1)
        return 0;
    // A source member must exist: there is nothing to repeat otherwise.
    if (generation.element < 1 || generation.element > MemberCount())
        return 0;
    CdMatrix& members = m_geometry->m_memberTable;
    const int s0 = Truncated(members(generation.element, ColStart));
    const int e0 = Truncated(members(generation.element, ColEnd));
    m_clipboard = GeneratedMembers(s0, e0, generation, members.GetCols());
    const int first = members.GetRows() + 1;
    members.AppendRows(m_clipboard);
    OrientNewMembers(first, members.GetRows());
    return m_clipboard.GetRows();
}

// ---- renumbering ------------------------------------------------------------------

int MemberTableWorker::RemoveZeroLength()
{
    if (!m_geometry)
        return 0;
    CdMatrix& members = m_geometry->m_memberTable;
    const int m = members.GetRows();
    std::vector<char> keep(static_cast<size_t>(m) + 1, 1);
    int removed = 0;
    for (int r = 1; r <= m; ++r) {
        FineLength(r);
        if (!(members(r, ColLength) > 0.0)) {
            keep[r] = 0;
            ++removed;
        }
    }
    if (removed > 0)
        KeepRows(members, keep);
    return removed;
}

int MemberTableWorker::RemoveDuplicates()
{
    if (!m_geometry)
        return 0;
    CdMatrix& members = m_geometry->m_memberTable;
    const int m = members.GetRows();
    std::vector<char> keep(static_cast<size_t>(m) + 1, 1);
    std::unordered_set<unsigned long long> seen;
    seen.reserve(static_cast<size_t>(m) * 2);
    int removed = 0;
    for (int r = 1; r <= m; ++r) {
        const unsigned a = static_cast<unsigned>(Truncated(members(r, ColStart)));
        const unsigned b = static_cast<unsigned>(Truncated(members(r, ColEnd)));
        const unsigned long long key =
            (static_cast<unsigned long long>(std::min(a, b)) << 32) | std::max(a, b);
        if (!seen.insert(key).second) {
            keep[r] = 0;
            ++removed;
        }
    }
    if (removed > 0)
        KeepRows(members, keep);
    return removed;
}

// ---- cells ------------------------------------------------------------------------

long MemberTableWorker::CheckIn(int row, int column, long value)
{
    if (!m_geometry || row < 1 || row > MemberCount())
        return 0;
    long limit = 0;
    if (column == ColStart || column == ColEnd) {
        limit = NodeCount();
    } else if (column == ColProperty) {
        limit = CProject().GetMaterialCount();
    } else if (column == ColRelease) {
        limit = CProject().GetReleaseCount();
    } else {
        return 0;
    }
    if (value < 1 || value > limit)
        value = 0;
    m_geometry->m_memberTable(row, column) = static_cast<double>(value);
    if (column == ColStart || column == ColEnd) {
        FineLength(row);
        // A member just given its nodes gets a reference point that
        // orients it, unless it has a usable one.
        OrientNewMembers(row, row);
    }
    return value;
}

int MemberTableWorker::OrientNewMembers(int first, int last)
{
    if (!m_geometry)
        return 0;
    CdMatrix& members = m_geometry->m_memberTable;
    const CdMatrix& nodes = m_geometry->m_nodeTable;
    if (members.GetCols() < ColRefZ || nodes.GetCols() < 3)
        return 0;
    first = std::max(first, 1);
    last = std::min(last, members.GetRows());
    int changed = 0;
    for (int r = first; r <= last; ++r) {
        const int s = Truncated(members(r, ColStart));
        const int e = Truncated(members(r, ColEnd));
        if (!ValidNode(s) || !ValidNode(e) || s == e)
            continue;
        const double start[4] = {0.0, nodes(s, 1), nodes(s, 2), nodes(s, 3)};
        const double end[4] = {0.0, nodes(e, 1), nodes(e, 2), nodes(e, 3)};
        const double point[4] = {0.0, members(r, ColRefX), members(r, ColRefY), members(r, ColRefZ)};
        const bool placeholder = point[1] == 0.0 && point[2] == 0.0 && point[3] == 0.0;
        if (!placeholder && !RefPointTable::IsDegenerate(start, end, point))
            continue;
        double chosen[4] = {0.0, 0.0, 0.0, 0.0};
        RefPointTable::DefaultPoint(start, end, chosen);
        if (RefPointTable::IsDegenerate(start, end, chosen))
            continue;
        members(r, ColRefX) = chosen[1];
        members(r, ColRefY) = chosen[2];
        members(r, ColRefZ) = chosen[3];
        ++changed;
    }
    return changed;
}

double MemberTableWorker::Length(const CdMatrix& nodes, const CdMatrix& members, int row)
{
    const int s = Truncated(members(row, ColStart));
    const int e = Truncated(members(row, ColEnd));
    const int n = nodes.GetRows();
    if (s < 1 || s > n || e < 1 || e > n || nodes.GetCols() < 3)
        return 0.0;
    const double dx = nodes(e, 1) - nodes(s, 1);
    const double dy = nodes(e, 2) - nodes(s, 2);
    const double dz = nodes(e, 3) - nodes(s, 3);
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

void MemberTableWorker::FineLength(int row)
{
    if (!m_geometry || row < 1 || row > MemberCount())
        return;
    m_geometry->m_memberTable(row, ColLength) = Length(m_geometry->m_nodeTable, m_geometry->m_memberTable, row);
}

// ---- algorithms -------------------------------------------------------------------

void MemberTableWorker::KeepRows(CdMatrix& table, const std::vector<char>& keep)
{
    const int rows = table.GetRows();
    const int cols = table.GetCols();
    int kept = 0;
    for (int r = 1; r <= rows; ++r)
        if (r < static_cast<int>(keep.size()) && keep[r])
            ++kept;
    if (kept == rows)
        return;
    CdMatrix result(kept, cols);
    int to = 0;
    for (int r = 1; r <= rows; ++r)
        if (r < static_cast<int>(keep.size()) && keep[r])
            result.SetRow(++to, table.GetData()[r]);
    table = std::move(result);
}

CdMatrix MemberTableWorker::RotationMatrix(Axis axis, double theta)
{
    CdMatrix r(3, 3);
    const double c = std::cos(theta), s = std::sin(theta);
    switch (axis) {
    case AxisX:
        r(1, 1) = 1.0;
        r(2, 2) = c;
        r(2, 3) = s;
        r(3, 2) = -s;
        r(3, 3) = c;
        break;
    case AxisY:
        r(1, 1) = c;
        r(1, 3) = -s;
        r(2, 2) = 1.0;
        r(3, 1) = s;
        r(3, 3) = c;
        break;
    case AxisZ:
        r(1, 1) = c;
        r(1, 2) = s;
        r(2, 1) = -s;
        r(2, 2) = c;
        r(3, 3) = 1.0;
        break;
    }
    return r;
}

// ---- printout ---------------------------------------------------------------------

std::string MemberTableWorker::Report(const CdMatrix& members)
{
    ReportFrame report(ReportFrame::kPrintProgrammer, ReportFrame::kWordPadFormat, "Member connextivity:\tLast modify  ");
    report.Append("Element\tStart node\tEnd node\tLength\tProperty\tRelease\n");
    for (int r = 1; r <= members.GetRows(); ++r)
        report.AppendFormat("%d\t%d\t%d\t%.3f\t%d\t%d\n", r, Truncated(members(r, ColStart)),
                            Truncated(members(r, ColEnd)), members(r, ColLength),
                            Truncated(members(r, ColProperty)), Truncated(members(r, ColRelease)));
    return report.Text();
}

bool MemberTableWorker::Print() const
{
    if (!m_geometry)
        return false;
    const std::string path = ReportFrame::ChooseReportPath("Member.txt");
    if (path.empty())
        return false;
    if (!ReportFrame::WriteFile(path, Report(m_geometry->m_memberTable)))
        return false;
    ReportFrame::Open(path, ReportFrame::TextViewer);
    return true;
}
