#include "tables/node/LoadCaseWorker.h"

#include "platform/MessageBox.h"
#include "platform/Trace.h"
#include "project/Project.h"
#include "tables/GridEditing.h"
#include "tables/MSFlexGrid.h"
#include "tables/ReportFrame.h"
#include "tables/node/TableRows.h"
#include "view/Geometry.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

const char* const LoadCaseWorker::kInactiveText = "Inactive DOF(support) can't apply any load";
const char* const LoadCaseWorker::kInactiveCaption = "KESTRA Wizard";

int LoadCaseWorker::NodeCount() const { return m_geometry ? m_geometry->m_nodeTable.GetRows() : 0; }

// ---- project facts ---------------------------------------------------------------

int LoadCaseWorker::Dof()
{
    CProject project;
    return std::clamp(project.GetDof(), 0, 6);
}

bool LoadCaseWorker::IsFrame()
{
    CProject project;
    return project.GetElementType() == "Frame3D";
}

int LoadCaseWorker::CaseCount()
{
    CProject project;
    return project.GetLoadCaseCount();
}

std::string LoadCaseWorker::CaseExtension(int k) { return GridEditing::Format("lod%d", k); }

std::string LoadCaseWorker::CasePath(int k)
{
    CProject project;
    return project.GetLocation() + project.GetName() + "." + CaseExtension(k);
}

// ---- the shown case ----------------------------------------------------------------

bool LoadCaseWorker::Choose(int k)
{
    CProject project;
    const int count = project.GetLoadCaseCount();
    if (count < 1 || k < 1 || k > count)
        return false;
    project.GetActiveLoadCase() = k;
    project.Settings(true);
    Read(project, k);
    return true;
}

void LoadCaseWorker::Reread()
{
    CProject project;
    const int k = project.GetActiveLoadCase();
    if (k < 1 || k > project.GetLoadCaseCount()) {
        Unchoose();
        return;
    }
    Read(project, k);
}

void LoadCaseWorker::Read(CProject& project, int k)
{
    // A missing or damaged file is reported by the reader; its loads are 0.
    CdMatrix file;
    file.Load(project.GetName(), CaseExtension(k));
    m_loads = TableRows::Resized(file, NodeCount(), std::clamp(project.GetDof(), 0, 6));
    m_case = k;
}

bool LoadCaseWorker::Save() const
{
    if (m_case < 1)
        return false;
    CProject project;
    return m_loads.Save(project.GetName(), CaseExtension(m_case));
}

void LoadCaseWorker::Redraw() const
{
    if (m_geometry)
        m_geometry->UpdateLoad(m_loads);
}

// ---- cases -----------------------------------------------------------------------------

int LoadCaseWorker::AddCase()
{
    CProject project;
    const int count = std::max(project.GetLoadCaseCount(), 0);
    const CdMatrix zero(NodeCount(), std::clamp(project.GetDof(), 0, 6));
    if (!zero.Save(project.GetName(), count < 1 ? std::string("lod1") : CaseExtension(count + 1)))
        return count;
    project.GetLoadCaseCount() = count + 1;
    project.Settings(true);
    if (m_geometry)
        m_geometry->m_modelChanged = true;
    return count + 1;
}

int LoadCaseWorker::FailureCause(int error)
{
    switch (error) {
    case 0: return 0;
    case ENOENT: return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EROFS: return 5;
    case EISDIR: return 7;
    case EBUSY:
    case ETXTBSY: return 11;
    case ENOSPC:
    case EDQUOT: return 13;
    default: return 1;
    }
}

bool LoadCaseWorker::DeleteCase(int k)
{
    CProject project;
    const int count = project.GetLoadCaseCount();
    if (count < 1 || k < 1 || k > count)
        return false;
    auto trace = [](const std::string& path, int error) {
        platform::Trace("File " + path + " not found, cause = " + std::to_string(FailureCause(error)) + "\n");
    };
    const std::string removed = CasePath(k);
    if (std::remove(removed.c_str()) != 0)
        trace(removed, errno);
    project.GetLoadCaseCount() = count - 1;
    project.Settings(true);
    if (m_geometry)
        m_geometry->m_modelChanged = true;
    for (int j = k + 1; j <= count; ++j) {
        const std::string from = CasePath(j);
        const std::string to = CasePath(j - 1);
        if (std::rename(from.c_str(), to.c_str()) != 0)
            trace(from, errno);
    }
    DeleteCaseCompanions(k, count);
    // The shown case's file now holds another case (or none): editing on
    // would write into the wrong case.
    if (m_case >= k)
        Unchoose();
    return true;
}

void LoadCaseWorker::DeleteCaseCompanions(int k, int count)
{
    CProject project;
    const std::string base = project.GetLocation() + project.GetName();
    // Member loads of the cases follow their node loads; a case without
    // member loads has no file, which is no failure.
    auto memberLoads = [&](int j) { return base + GridEditing::Format(".mld%d", j); };
    std::error_code ec;
    std::filesystem::remove(memberLoads(k), ec);
    for (int j = k + 1; j <= count; ++j)
        if (std::filesystem::exists(memberLoads(j), ec))
            std::filesystem::rename(memberLoads(j), memberLoads(j - 1), ec);
    // The combinations lose the deleted case's column.
    const std::string combinations = base + ".cmb";
    CdMatrix factors;
    if (!std::filesystem::exists(combinations, ec) || !factors.Load(combinations) || factors.GetCols() < k)
        return;
    CdMatrix kept(factors.GetRows(), factors.GetCols() - 1);
    for (int i = 1; i <= factors.GetRows(); ++i)
        for (int j = 1, c = 0; j <= factors.GetCols(); ++j)
            if (j != k)
                kept(i, ++c) = factors(i, j);
    kept.Save(combinations);
}

// ---- loads -------------------------------------------------------------------------------

bool LoadCaseWorker::IsFree(int node, int dof) const
{
    if (!m_geometry || node < 1 || node > NodeCount() || dof < 1 || dof > 6)
        return false;
    return m_geometry->m_nodeTable.GetAt(node, 3 + dof) == 1.0;
}

void LoadCaseWorker::FitToModel()
{
    const int rows = NodeCount();
    const int cols = Dof();
    if (m_loads.GetRows() == rows && m_loads.GetCols() == cols)
        return;
    m_loads = TableRows::Resized(m_loads, rows, cols);
}

bool LoadCaseWorker::StoreLoad(int node, int dof, double shown)
{
    if (!m_geometry || m_case < 1 || node < 1 || node > NodeCount() || dof < 1 || dof > Dof())
        return false;
    if (!IsFree(node, dof)) {
        platform::MessageBox(kInactiveText, kInactiveCaption, platform::MB_OK);
        return false;
    }
    FitToModel();
    const double factor = dof <= 3 ? m_geometry->GetForceFactor() : m_geometry->GetMomentFactor();
    m_loads(node, dof) = shown / factor;
    Save();
    Redraw();
    m_geometry->m_modelChanged = true;
    return true;
}

// ---- copy buffer --------------------------------------------------------------------------

int LoadCaseWorker::Copy()
{
    if (!m_geometry)
        return 0;
    return CopyRows(m_geometry->m_selNodeFrom, m_geometry->m_selNodeTo);
}

int LoadCaseWorker::Paste()
{
    if (!m_geometry || m_case < 1 || !HasCopy())
        return 0;
    // The selection's first node; with none selected, row 1.
    int first = std::min(m_geometry->m_selNodeFrom, m_geometry->m_selNodeTo);
    if (first < 1)
        first = std::max(m_geometry->m_selNodeFrom, m_geometry->m_selNodeTo);
    if (first < 1)
        first = 1;
    FitToModel();
    const int cols = std::min(m_loads.GetCols(), m_copy.GetCols());
    int written = 0;
    for (int i = 1; i <= m_copy.GetRows(); ++i) {
        const int row = first + i - 1;
        if (row > m_loads.GetRows())
            break;
        for (int j = 1; j <= cols; ++j)
            m_loads(row, j) = m_copy(i, j);
        ++written;
    }
    Save();
    Redraw();
    m_geometry->m_modelChanged = true;
    return written;
}

// ---- generation ---------------------------------------------------------------------------

int LoadCaseWorker::GenerateLoads(CdMatrix& loads, const CdMatrix& nodes, const LoadGeneration& generation,
                                  int dof)
{
    const int nodeCount = std::min(nodes.GetRows(), loads.GetRows());
    const int columns = std::min(dof, loads.GetCols());
    int written = 0;
    for (long i = 1; i <= generation.count; ++i) {
        const long m = generation.start + (i - 1) * static_cast<long>(generation.step);
        if (m < 1 || m > nodeCount) {
            // A positive step never comes back into the table.
            if (generation.step > 0 && m > nodeCount)
                break;
            if (generation.step < 0 && m < 1)
                break;
            if (generation.step == 0)
                break;
            continue;
        }
        const int node = static_cast<int>(m);
        for (int j = 1; j <= columns; ++j) {
            if (nodes.GetAt(node, 3 + j) != 1.0)
                continue;
            loads(node, j) = generation.values[j - 1] * generation.ratio;
            ++written;
        }
        if (generation.step == 0)
            break; // the same node again and again
    }
    return written;
}

int LoadCaseWorker::Generate(const LoadGeneration& generation)
{
    if (!m_geometry || m_case < 1)
        return 0;
    FitToModel();
    const int written = GenerateLoads(m_loads, m_geometry->m_nodeTable, generation, Dof());
    Save();
    Redraw();
    m_geometry->m_modelChanged = true;
    return written;
}

// ---- printout -----------------------------------------------------------------------------

std::string LoadCaseWorker::Report(const CdMatrix& loads, int loadCase, bool frame, const std::string& forceUnit,
                                   const std::string& lengthUnit)
{
    const std::string momentUnit = forceUnit + "-" + lengthUnit;
    const double force = CGeometry::ForceFactorOf(forceUnit);
    const double moment = force * CGeometry::LengthFactorOf(lengthUnit);
    ReportFrame report(ReportFrame::kPrintProgrammer, ReportFrame::kWordPadFormat,
                       GridEditing::Format("Load case %d:\tLast modify  ", loadCase));
    std::string columns = "node\tFx(" + forceUnit + ")" + "\tFy(" + forceUnit + ")" + "\tFz(" + forceUnit + ")";
    if (frame)
        columns += "\tMx (" + momentUnit + ")" + "\tMy (" + momentUnit + ")" + "\tMz (" + momentUnit + ")";
    report.Append(columns + "\n");
    for (int i = 1; i <= loads.GetRows(); ++i) {
        if (frame)
            report.AppendFormat("%d\t%.3g\t%.3g\t%.3g\t%.3g\t%.3g\t%.3g\n", i, loads.GetAt(i, 1) * force,
                                loads.GetAt(i, 2) * force, loads.GetAt(i, 3) * force, loads.GetAt(i, 4) * moment,
                                loads.GetAt(i, 5) * moment, loads.GetAt(i, 6) * moment);
        else
            report.AppendFormat("%d\t%.3g\t%.3g\t%.3g\n", i, loads.GetAt(i, 1) * force, loads.GetAt(i, 2) * force,
                                loads.GetAt(i, 3) * force);
    }
    return report.Text();
}

bool LoadCaseWorker::Print() const
{
    CProject project;
    const std::string text = Report(m_loads, m_case, project.GetElementType() == "Frame3D", project.GetForceUnit(),
                                    project.GetLengthUnit());
    const std::string path = ReportFrame::ChooseReportPath("External load.txt");
    if (path.empty())
        return false;
    if (!ReportFrame::WriteFile(path, text))
        return false;
    ReportFrame::Open(path, ReportFrame::TextViewer);
    return true;
}

// ---- grid ----------------------------------------------------------------------------------

void LoadCaseWorker::FillGrid(CMSFlexGrid& grid, const GridEditing& editing) const
{
    if (!ClearGrid(grid))
        return;
    CProject project;
    const bool frame = project.GetElementType() == "Frame3D";
    const int dof = std::clamp(project.GetDof(), 0, 6);
    grid.SetRows(m_loads.GetRows() + 2);
    grid.SetCols(dof + 1);
    grid.SetTextMatrix(0, 0, " node ");
    const std::string force = project.GetForceUnit();
    const std::string moment = project.GetMomentUnit();
    static const char* const kForces[3] = {"  Fx (", "  Fy (", "  Fz ("};
    static const char* const kMoments[3] = {"  Mx (", "  My (", "  Mz ("};
    for (int j = 1; j <= 3 && j <= dof; ++j)
        grid.SetTextMatrix(0, j, kForces[j - 1] + force + ")");
    if (frame)
        for (int j = 4; j <= 6 && j <= dof; ++j)
            grid.SetTextMatrix(0, j, kMoments[j - 4] + moment + ")");
    const long width = frame ? 965 : 1020;
    for (long col = 1; col <= (frame ? 6 : 3) && col <= dof; ++col)
        grid.SetColWidth(col, width);
    FillRows(grid, editing);
}

void LoadCaseWorker::FillRows(CMSFlexGrid& grid, const GridEditing& editing) const
{
    if (m_case < 1 || !m_geometry)
        return;
    const int cols = m_loads.GetCols();
    const double force = m_geometry->GetForceFactor();
    const double moment = m_geometry->GetMomentFactor();
    editing.FillRows(
        m_loads.GetRows(),
        [&](long row) {
            const int i = static_cast<int>(row);
            grid.SetTextMatrix(row, 0, GridEditing::Format("%d", i));
            for (int j = 1; j <= cols; ++j)
                grid.SetTextMatrix(row, j, GridEditing::Format("       %g", m_loads(i, j) * (j <= 3 ? force : moment)));
        },
        kFillHalf);
}
