#include "ReportModel.h"

#include <cmath>
#include <cstdint>
#include <filesystem>

#include "ProjectFiles.h"
#include "project/Project.h"

namespace fs = std::filesystem;

namespace {

// Reads a table file when it exists; an absent file gives an empty table.
void ReadOptionalTable(const std::string& ext, CdMatrix& table)
{
    const std::string path = ProjectFiles::ProjectPath(ext);
    std::error_code ec;
    CdMatrix m;
    if (fs::is_regular_file(path, ec) && m.Load(path))
        table = m;
    else
        table = CdMatrix();
}

// Records a result file holds for records of rows x cols (header 8 bytes,
// each record its spare slot and its values, 8 bytes each).
std::uintmax_t RecordCount(const std::string& ext, int rows, int cols)
{
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(ProjectFiles::ProjectPath(ext), ec);
    if (ec || size < 8)
        return 0;
    return (size - 8) / ((std::uintmax_t(rows) * std::uintmax_t(cols) + 1) * 8);
}

} // namespace

bool ReportModel::Read(std::string& error)
{
    CProject project;
    name = project.GetName();
    title = project.GetTitle();
    engineer = project.GetEngineer();
    elementType = project.GetElementType();
    projectFile = project.GetProjectFilePath();
    forceUnit = project.GetForceUnit();
    lengthUnit = project.GetLengthUnit();
    dof = project.GetDof() >= 6 ? 6 : 3;
    loadCases = std::max(project.GetLoadCaseCount(), 0);

    CdMatrix n, m;
    if (!ProjectFiles::ReadModel(n, m, error))
        return false;
    nodes = n;
    members = m;
    ReadOptionalTable(".pro", properties);
    ReadOptionalTable(".res", releases);
    memberLoads.Read(project.GetLocation(), name, elementType, loadCases);

    solved = false;
    combinations = 0;
    if (project.GetSolution() == 0) {
        resultsNote = "The project has no results: solve it first.";
        return true;
    }
    Results first;
    std::string why;
    for (int k = 1; k <= loadCases; ++k)
        if (!ReadResults(k, first, why)) {
            resultsNote = "The results cannot be read: " + why;
            return true;
        }
    solved = loadCases > 0;
    if (!solved)
        resultsNote = "The project has no load case.";
    FindCombinations();
    return true;
}

void ReportModel::FindCombinations()
{
    CdMatrix table;
    ReadOptionalTable(".cmb", table);
    const int c = table.GetRows();
    if (c < 1)
        return;
    const int n = NodeCount(), e = MemberCount();
    const std::uintmax_t need = std::uintmax_t(loadCases + c);
    if (RecordCount(".disn", n, dof) < need || RecordCount(".sys", n, dof) < need ||
        RecordCount(".elf", e, 2 * dof) < need)
        return;
    combinations = c;
    combinationFactors = table;
}

double ReportModel::MemberLength(int member) const
{
    const int a = int(members(member, 1)), b = int(members(member, 2));
    const double dx = nodes(b, 1) - nodes(a, 1), dy = nodes(b, 2) - nodes(a, 2), dz = nodes(b, 3) - nodes(a, 3);
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

bool ReportModel::IsSupported(int node) const
{
    for (int j = 1; j <= dof; ++j)
        if (IsRestrained(node, j))
            return true;
    return false;
}

std::string ReportModel::SupportText(int node) const
{
    static const char* const names[6] = {"X", "Y", "Z", "RX", "RY", "RZ"};
    int restrained = 0;
    for (int j = 1; j <= dof; ++j)
        restrained += IsRestrained(node, j) ? 1 : 0;
    if (restrained == 0)
        return "";
    if (restrained == dof)
        return IsFrame() ? "fixed" : "pinned";
    if (IsFrame() && restrained == 3 && IsRestrained(node, 1) && IsRestrained(node, 2) && IsRestrained(node, 3))
        return "pinned";
    std::string text;
    for (int j = 1; j <= dof; ++j)
        if (IsRestrained(node, j))
            text += (text.empty() ? "" : " ") + std::string(names[j - 1]);
    return text;
}

std::string ReportModel::CaseName(int record) const
{
    if (record <= loadCases)
        return "Load case " + std::to_string(record);
    return "Combination " + std::to_string(record - loadCases);
}

bool ReportModel::ReadLoads(int record, CdMatrix& loads, std::string& error) const
{
    const int n = NodeCount();
    if (record >= 1 && record <= loadCases)
        return ProjectFiles::ReadLoads(record, n, loads, error);
    const int c = record - loadCases;
    if (c < 1 || c > combinations || combinationFactors.GetCols() != loadCases) {
        error = "the loads of " + CaseName(record) + " are not known";
        return false;
    }
    CdMatrix sum(n, 6);
    for (int k = 1; k <= loadCases; ++k) {
        const double f = combinationFactors(c, k);
        if (f == 0)
            continue;
        CdMatrix caseLoads;
        if (!ProjectFiles::ReadLoads(k, n, caseLoads, error))
            return false;
        for (int i = 1; i <= n; ++i)
            for (int j = 1; j <= 6; ++j)
                sum(i, j) += f * caseLoads(i, j);
    }
    loads = sum;
    return true;
}

bool ReportModel::AppliedLoads(int record, CdMatrix& loads, std::string& error) const
{
    CdMatrix sum;
    if (!ReadLoads(record, sum, error) || !memberLoads.AddEquivalentNodalLoads(record, sum, error))
        return false;
    loads = sum;
    return true;
}

bool ReportModel::ReadResults(int record, Results& results, std::string& error) const
{
    const int n = NodeCount(), e = MemberCount();
    Results r;
    if (!ProjectFiles::ReadResult(".disn", record, n, dof, r.displacements, error) ||
        !ProjectFiles::ReadResult(".sys", record, n, dof, r.nodeForces, error) ||
        !ProjectFiles::ReadResult(".elf", record, e, 2 * dof, r.memberForces, error))
        return false;
    results = r;
    return true;
}
