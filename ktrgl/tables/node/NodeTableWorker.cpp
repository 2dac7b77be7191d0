#include "tables/node/NodeTableWorker.h"

#include "platform/WaitCursor.h"
#include "project/Project.h"
#include "tables/CommandIds.h"
#include "tables/MSFlexGrid.h"
#include "tables/ReportFrame.h"
#include "view/Geometry.h"

#include <cmath>
#include <cstring>
#include <utility>

namespace {

// Above 2^53 a double steps by more than one: subtracting one at a time
// (what deleting the nodes one by one does) is repeated literally there.
constexpr double kExactIntegers = 9007199254740992.0;

// A restraint code printed as a whole number.
int CodeOf(double value) { return CGeometry::TruncateNumber(value); }

} // namespace

int NodeTableWorker::NodeCount() const { return m_geometry ? m_geometry->m_nodeTable.GetRows() : 0; }

// ---- selection -----------------------------------------------------------------

NodeTableWorker::Range NodeTableWorker::SelectedRows() const
{
    Range range;
    if (!m_geometry)
        return range;
    int first = m_geometry->m_selNodeFrom;
    int last = m_geometry->m_selNodeTo;
    if (first > last)
        std::swap(first, last);
    range.first = first < 1 ? 1 : first;
    range.last = last > NodeCount() ? NodeCount() : last;
    return range;
}

void NodeTableWorker::OrderSelection()
{
    if (m_geometry && m_geometry->m_selNodeFrom > m_geometry->m_selNodeTo)
        std::swap(m_geometry->m_selNodeFrom, m_geometry->m_selNodeTo);
}

// ---- copy buffer ---------------------------------------------------------------

int NodeTableWorker::Copy()
{
    const Range range = SelectedRows();
    if (range.Empty())
        return 0;
    const CdMatrix& nodes = m_geometry->m_nodeTable;
    m_copy.SetSize(range.Count(), kNodeColumns);
    for (int i = range.first; i <= range.last; ++i)
        for (int j = 1; j <= kNodeColumns; ++j)
            m_copy(i - range.first + 1, j) = nodes.GetAt(i, j);
    return range.Count();
}

// ---- coordinate commands ------------------------------------------------------

void NodeTableWorker::AddNew()
{
    if (!m_geometry)
        return;
    AppendNodeRows(m_geometry->m_nodeTable, FreeNodeRow());
    m_geometry->UpdateNode();
}

bool NodeTableWorker::Paste(double dx, double dy, double dz)
{
    if (!m_geometry || !HasCopy())
        return false;
    platform::WaitCursor wait;
    CdMatrix& nodes = m_geometry->m_nodeTable;
    const int before = nodes.GetRows();
    if (!AppendNodeRows(nodes, m_copy))
        return false;
    AddOffset(nodes, before + 1, nodes.GetRows(), dx, dy, dz);
    m_geometry->UpdateNode();
    m_geometry->m_modelChanged = true;
    return true;
}

bool NodeTableWorker::Move(double dx, double dy, double dz)
{
    if (!m_geometry)
        return false;
    OrderSelection();
    const Range range = SelectedRows();
    if (range.Empty())
        return false;
    AddOffset(m_geometry->m_nodeTable, range.first, range.last, dx, dy, dz);
    m_geometry->RenderNode();
    m_geometry->m_geometryChanged = true;
    m_geometry->m_modelChanged = true;
    return true;
}

bool NodeTableWorker::Delete()
{
    const Range range = SelectedRows();
    if (range.Empty())
        return false;
    platform::WaitCursor wait;
    DeleteNodeRows(m_geometry->m_nodeTable, m_geometry->m_memberTable, range.first, range.last);
    m_geometry->UpdateNode();
    m_geometry->m_geometryChanged = true;
    m_geometry->m_modelChanged = true;
    return true;
}

int NodeTableWorker::RemoveUnconnected()
{
    if (!m_geometry)
        return 0;
    platform::WaitCursor wait;
    const int removed = CGeometry::RemoveUnconnectedNodes(m_geometry->m_nodeTable, m_geometry->m_memberTable);
    m_geometry->UpdateNode();
    if (removed > 0) {
        m_geometry->m_geometryChanged = true;
        m_geometry->m_modelChanged = true;
    }
    return removed;
}

bool NodeTableWorker::Import(const std::string& path)
{
    if (!m_geometry)
        return false;
    CdMatrix file;
    if (!file.Load(path))
        return false;
    if (!AppendNodeRows(m_geometry->m_nodeTable, file))
        return false;
    m_geometry->UpdateNode();
    m_geometry->m_geometryChanged = true;
    m_geometry->m_modelChanged = true;
    return true;
}

NodeTableWorker::LinearGeneration NodeTableWorker::LinearDefaults(int startNode) const
{
    LinearGeneration generation;
    generation.start = startNode;
    if (m_geometry && startNode >= 1 && startNode <= NodeCount())
        for (int j = 0; j < 6; ++j)
            generation.restrained[j] = m_geometry->m_nodeTable.GetAt(startNode, 4 + j) == kRestrained;
    return generation;
}

int NodeTableWorker::Generate(const LinearGeneration& generation)
{
    if (!m_geometry || generation.start < 1 || generation.start > NodeCount())
        return 0;
    const CdMatrix& nodes = m_geometry->m_nodeTable;
    const CdMatrix block = LinearNodes(nodes.GetAt(generation.start, 1), nodes.GetAt(generation.start, 2),
                                       nodes.GetAt(generation.start, 3), generation);
    if (!AppendNodeRows(m_geometry->m_nodeTable, block))
        return 0;
    m_geometry->UpdateNode();
    m_geometry->m_geometryChanged = true;
    m_geometry->m_modelChanged = true;
    return block.GetRows();
}

// ---- restraint commands ------------------------------------------------------

NodeTableWorker::Range NodeTableWorker::Restrain(int commandId, CMSFlexGrid* grid)
{
    Range range = SelectedRows();
    int dofs[6];
    int count = 0;
    double code = kRestrained;
    const bool frame = IsFrame();
    const int toggle = ToggleDof(commandId);
    if (!m_geometry || (toggle == 0 && !RestraintSet(commandId, frame, dofs, count, code)))
        return Range();
    CdMatrix& nodes = m_geometry->m_nodeTable;
    // A narrower node table has no code for the missing degrees of freedom.
    if (toggle != 0 && 3 + toggle > nodes.GetCols())
        return Range();
    for (int i = range.first; i <= range.last; ++i) {
        if (toggle != 0) {
            double& value = nodes(i, 3 + toggle);
            value = value == kRestrained ? kFree : kRestrained;
            if (grid)
                grid->SetTextMatrix(i, toggle, CodeText(value));
            continue;
        }
        for (int n = 0; n < count; ++n) {
            if (3 + dofs[n] > nodes.GetCols())
                continue;
            nodes(i, 3 + dofs[n]) = code;
            if (grid)
                grid->SetTextMatrix(i, dofs[n], CodeText(code));
        }
    }
    if (!range.Empty())
        m_geometry->m_modelChanged = true;
    return range;
}

bool NodeTableWorker::RestraintSet(int commandId, bool frame, int* dofs, int& count, double& code)
{
    static const int kPlanXY[2][3] = {{3, 0, 0}, {3, 4, 5}};
    static const int kPlanYZ[2][3] = {{1, 0, 0}, {1, 5, 6}};
    static const int kPlanXZ[2][3] = {{2, 0, 0}, {2, 4, 6}};
    const int (*plan)[3] = nullptr;
    code = kRestrained;
    count = 0;
    switch (commandId) {
    case ID_DOF_PLAN_XY:
        plan = kPlanXY;
        break;
    case ID_DOF_PLAN_YZ:
        plan = kPlanYZ;
        break;
    case ID_DOF_PLAN_XZ:
        plan = kPlanXZ;
        break;
    case ID_DOF_PINNED:
        for (int k = 1; k <= 3; ++k)
            dofs[count++] = k;
        return true;
    case ID_DOF_FREE:
        code = kFree;
        [[fallthrough]];
    case ID_DOF_FIXED:
        for (int k = 1; k <= (frame ? 6 : 3); ++k)
            dofs[count++] = k;
        return true;
    default:
        return false;
    }
    const int* set = plan[frame ? 1 : 0];
    for (int n = 0; n < 3 && set[n] != 0; ++n)
        dofs[count++] = set[n];
    return true;
}

int NodeTableWorker::ToggleDof(int commandId)
{
    if (commandId >= ID_DOF_LOCK_FX && commandId <= ID_DOF_LOCK_MZ)
        return commandId - ID_DOF_LOCK_FX + 1;
    return 0;
}

// ---- cell commits --------------------------------------------------------------

void NodeTableWorker::StoreCoordinate(long row, long col, double shown)
{
    if (!m_geometry)
        return;
    const double factor = m_geometry->GetLengthFactor();
    m_geometry->m_nodeTable(static_cast<int>(row), static_cast<int>(col)) = shown / factor;
    m_geometry->m_modelChanged = true;
}

void NodeTableWorker::StoreCode(long row, long col, long code)
{
    if (!m_geometry)
        return;
    m_geometry->m_nodeTable(static_cast<int>(row), static_cast<int>(col) + 3) = static_cast<double>(code);
    m_geometry->m_modelChanged = true;
}

// ---- project facts -----------------------------------------------------------

bool NodeTableWorker::IsFrame()
{
    CProject project;
    return project.GetElementType() == "Frame3D";
}

int NodeTableWorker::RestraintColumns()
{
    CProject project;
    const int dof = project.GetDof();
    return dof < 0 ? 0 : dof > 6 ? 6 : dof;
}

std::string NodeTableWorker::LengthUnit()
{
    CProject project;
    return project.GetLengthUnit();
}

// ---- printouts -------------------------------------------------------------------

std::string NodeTableWorker::CoordinateReport(const CdMatrix& nodes, const std::string& lengthUnit)
{
    ReportFrame report(ReportFrame::kPrintProgrammer, ReportFrame::kWordPadFormat,
                       "Node coordinate:\tLast modify  ");
    report.Append("Node\tX (" + lengthUnit + ")" + "\tY (" + lengthUnit + ")" + "\tZ (" + lengthUnit + ")\n");
    const double f = CGeometry::LengthFactorOf(lengthUnit);
    for (int i = 1; i <= nodes.GetRows(); ++i)
        report.AppendFormat("%d\t%.3g\t%.3g\t%.3g\n", i, nodes(i, 1) * f, nodes(i, 2) * f, nodes(i, 3) * f);
    return report.Text();
}

std::string NodeTableWorker::RestraintReport(const CdMatrix& nodes, bool frame)
{
    ReportFrame report(ReportFrame::kPrintProgrammer, ReportFrame::kWordPadFormat,
                       "Node restraint:\tLast modify  ");
    if (frame) {
        report.Append("Node\tRestraint1\tRestraint2\tRestraint3\tRestraint4\tRestraint5\tRestraint6\n");
        for (int i = 1; i <= nodes.GetRows(); ++i)
            report.AppendFormat("%d\t%d\t%d\t%d\t%d\t%d\t%d\n", i, CodeOf(nodes.GetAt(i, 4)),
                                CodeOf(nodes.GetAt(i, 5)), CodeOf(nodes.GetAt(i, 6)), CodeOf(nodes.GetAt(i, 7)),
                                CodeOf(nodes.GetAt(i, 8)), CodeOf(nodes.GetAt(i, 9)));
    } else {
        report.Append("Node\tRestraint1\tRestraint2\tRestraint3\n");
        for (int i = 1; i <= nodes.GetRows(); ++i)
            report.AppendFormat("%d\t%d\t%d\t%d\n", i, CodeOf(nodes.GetAt(i, 4)), CodeOf(nodes.GetAt(i, 5)),
                                CodeOf(nodes.GetAt(i, 6)));
    }
    return report.Text();
}

bool NodeTableWorker::PrintCoordinates() const
{
    if (!m_geometry)
        return false;
    const std::string path = ReportFrame::ChooseReportPath("coordinate.txt");
    if (path.empty())
        return false;
    if (!ReportFrame::WriteFile(path, CoordinateReport(m_geometry->m_nodeTable, LengthUnit())))
        return false;
    ReportFrame::Open(path, ReportFrame::TextViewer);
    return true;
}

bool NodeTableWorker::PrintRestraints() const
{
    if (!m_geometry)
        return false;
    const std::string path = ReportFrame::ChooseReportPath("restraint.txt");
    if (path.empty())
        return false;
    if (!ReportFrame::WriteFile(path, RestraintReport(m_geometry->m_nodeTable, IsFrame())))
        return false;
    ReportFrame::Open(path, ReportFrame::TextViewer);
    return true;
}

// ---- table algorithms ----------------------------------------------------------

bool NodeTableWorker::AppendNodeRows(CdMatrix& nodes, const CdMatrix& rows)
{
    if (rows.GetRows() == 0)
        return false;
    if (nodes.GetRows() == 0 && nodes.GetCols() == 0)
        nodes.SetSize(0, kNodeColumns);
    const int before = nodes.GetRows();
    nodes.AppendRows(rows); // refuses another width with its own message
    return nodes.GetRows() > before;
}

CdMatrix NodeTableWorker::FreeNodeRow()
{
    CdMatrix row(1, kNodeColumns);
    for (int j = 4; j <= kNodeColumns; ++j)
        row(1, j) = kFree;
    return row;
}

double NodeTableWorker::RenumberedEnd(double end, int first, int last)
{
    // Deleting k = last .. first one at a time: an end below k is left
    // alone until k reaches it; an end equal to k becomes 0 (and stays 0);
    // once an end is above k it goes down by one at every remaining k.
    if (!(end >= first) || first > last)
        return end;
    const double top = end > last ? static_cast<double>(last) : std::floor(end);
    if (end == top)
        return 0.0;
    const int steps = static_cast<int>(top) - first + 1;
    if (end >= kExactIntegers) {
        for (int n = 0; n < steps; ++n)
            end -= 1.0;
        return end;
    }
    return end - steps;
}

void NodeTableWorker::DeleteNodeRows(CdMatrix& nodes, CdMatrix& members, int first, int last)
{
    if (first < 1)
        first = 1;
    if (last > nodes.GetRows())
        last = nodes.GetRows();
    if (first > last)
        return;
    const int ends = members.GetCols() < 2 ? members.GetCols() : 2;
    for (int i = 1; i <= members.GetRows(); ++i)
        for (int j = 1; j <= ends; ++j) {
            double& end = members(i, j);
            end = RenumberedEnd(end, first, last);
        }

    // The rows after the deleted block move up in one copy.
    const int cols = nodes.GetCols();
    const int kept = nodes.GetRows() - (last - first + 1);
    CdMatrix out(kept, cols);
    if (cols > 0) {
        const double* const* src = nodes.GetData();
        double** dst = out.GetData();
        dst[0][0] = src[0][0]; // the spare slot stays as it was
        const std::size_t rowBytes = sizeof(double) * static_cast<std::size_t>(cols);
        // Row pointer i addresses a(i, j) at [j]: the row's data start at [1].
        if (first > 1)
            std::memcpy(&dst[1][1], &src[1][1], rowBytes * static_cast<std::size_t>(first - 1));
        if (last < nodes.GetRows())
            std::memcpy(&dst[first][1], &src[last + 1][1],
                        rowBytes * static_cast<std::size_t>(nodes.GetRows() - last));
    }
    nodes = std::move(out);
}

void NodeTableWorker::AddOffset(CdMatrix& nodes, int first, int last, double dx, double dy, double dz)
{
    if (first < 1)
        first = 1;
    if (last > nodes.GetRows())
        last = nodes.GetRows();
    for (int i = first; i <= last; ++i) {
        nodes(i, 1) += dx;
        nodes(i, 2) += dy;
        nodes(i, 3) += dz;
    }
}

CdMatrix NodeTableWorker::LinearNodes(double x0, double y0, double z0, const LinearGeneration& generation)
{
    CdMatrix block;
    if ((x0 == 0.0 && y0 == 0.0 && z0 == 0.0) || generation.count <= 0 || generation.count > kMaxGenerated)
        return block;
    block.SetSize(generation.count, kNodeColumns);
    const double sx = generation.dx * generation.ratio;
    const double sy = generation.dy * generation.ratio;
    const double sz = generation.dz * generation.ratio;
    for (int k = 1; k <= generation.count; ++k) {
        block(k, 1) = x0 + k * sx;
        block(k, 2) = y0 + k * sy;
        block(k, 3) = z0 + k * sz;
        for (int j = 0; j < 6; ++j)
            block(k, 4 + j) = generation.restrained[j] ? kRestrained : kFree;
    }
    return block;
}
