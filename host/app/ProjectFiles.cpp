#include "ProjectFiles.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "project/Archive.h"
#include "project/Project.h"
#include "view/Geometry.h"

namespace fs = std::filesystem;

namespace {

bool ReadHeader(const std::string& path, std::int32_t& rows, std::int32_t& cols)
{
    std::ifstream in(path, std::ios::binary);
    unsigned char b[8];
    if (!in.read(reinterpret_cast<char*>(b), 8))
        return false;
    auto i32 = [&](int o) {
        return std::int32_t(std::uint32_t(b[o]) | std::uint32_t(b[o + 1]) << 8 |
                            std::uint32_t(b[o + 2]) << 16 | std::uint32_t(b[o + 3]) << 24);
    };
    rows = i32(0);
    cols = i32(4);
    return true;
}

// A whole node number in 1..count, as the table stores it (a double).
bool ValidNodeNumber(double value, int count)
{
    return std::isfinite(value) && value >= 1.0 && value < count + 1.0;
}

} // namespace

std::string ProjectFiles::ProjectPath(const std::string& ext)
{
    CProject project;
    return project.GetLocation() + project.GetName() + ext;
}

bool ProjectFiles::OpenProject(const std::string& projectFile, std::string& error)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(projectFile, ec);
    if (ec || !fs::is_regular_file(absolute, ec)) {
        error = "cannot open project file " + projectFile + ": no such file";
        return false;
    }
    const std::string path = absolute.lexically_normal().string();
    if (path.size() < 5) {
        error = "not a project file: " + projectFile;
        return false;
    }
    CArchive archive(CArchive::load, path);
    if (!archive.ReadFile()) {
        error = "cannot read project file " + path;
        return false;
    }
    // A damaged record leaves the current project as it was.
    CProject project;
    if (!project.LoadFromArchive(archive)) {
        error = "project file " + path + " is damaged: " + CArchive::DamagedText;
        return false;
    }
    return true;
}

bool ProjectFiles::ReadModel(CdMatrix& nodes, CdMatrix& members, std::string& error)
{
    CProject project;
    const std::string nodeFile = project.GetLocation() + project.GetName() + ".nod";
    const std::string memberFile = project.GetLocation() + project.GetName() + ".ele";
    const int dof = project.GetDof();
    if (dof != 3 && dof != 6) {
        error = "the project's structure type \"" + project.GetElementType() +
                "\" with " + std::to_string(dof) + " DOF per node cannot be read";
        return false;
    }
    if (!fs::is_regular_file(nodeFile) || !fs::is_regular_file(memberFile)) {
        error = "the node table " + nodeFile + " or the member table " + memberFile + " is missing";
        return false;
    }
    CdMatrix n, m;
    if (!n.Load(nodeFile)) {
        error = "cannot read the node table " + nodeFile;
        return false;
    }
    if (!m.Load(memberFile)) {
        error = "cannot read the member table " + memberFile;
        return false;
    }
    if (n.GetRows() < 1 || n.GetCols() < 3 + dof) {
        error = "the node table " + nodeFile + " has " + std::to_string(n.GetRows()) + " rows of " +
                std::to_string(n.GetCols()) + " columns; it needs nodes of " +
                std::to_string(3 + dof) + " columns or more";
        return false;
    }
    if (m.GetRows() < 1 || m.GetCols() < MemberColumns) {
        error = "the member table " + memberFile + " has " + std::to_string(m.GetRows()) +
                " rows of " + std::to_string(m.GetCols()) + " columns; it needs members of " +
                std::to_string(MemberColumns) + " columns";
        return false;
    }
    // Node 0 is "not yet given" (Add New and Import make such members): the
    // model opens with them; only the solver refuses them.
    for (int k = 1; k <= m.GetRows(); ++k)
        for (int end = 1; end <= 2; ++end)
            if (m(k, end) != 0.0 && !ValidNodeNumber(m(k, end), n.GetRows())) {
                char text[160];
                std::snprintf(text, sizeof text, "member %d: %s node %g is not a node of 1..%d", k,
                              end == 1 ? "start" : "end", m(k, end), n.GetRows());
                error = text;
                return false;
            }
    nodes = n;
    members = m;
    return true;
}

std::vector<int> ProjectFiles::UnfinishedMembers(const CdMatrix& members)
{
    std::vector<int> unfinished;
    for (int k = 1; k <= members.GetRows(); ++k)
        if (members.GetAt(k, 1) == 0.0 || members.GetAt(k, 2) == 0.0)
            unfinished.push_back(k);
    return unfinished;
}

std::string ProjectFiles::UnfinishedText(const std::vector<int>& members)
{
    std::string list;
    for (size_t i = 0; i < members.size() && i < 20; ++i)
        list += (i ? ", " : "") + std::to_string(members[i]);
    if (members.size() > 20)
        list += ", ...";
    return "The model has unfinished members (a node not yet given): " + list +
           ". They are shown; the model can be solved once they are complete.";
}

bool ProjectFiles::ReadModel(CGeometry& geometry, std::string& error)
{
    CdMatrix nodes, members;
    if (!ReadModel(nodes, members, error))
        return false;
    geometry.m_nodeTable = nodes;
    geometry.m_memberTable = members;
    return true;
}

bool ProjectFiles::WriteModel(const CdMatrix& nodes, const CdMatrix& members, std::string& error)
{
    CProject project;
    const std::string nodeFile = project.GetLocation() + project.GetName() + ".nod";
    const std::string memberFile = project.GetLocation() + project.GetName() + ".ele";
    if (!nodes.Save(nodeFile)) {
        error = "cannot write " + nodeFile;
        return false;
    }
    if (!members.Save(memberFile)) {
        error = "cannot write " + memberFile;
        return false;
    }
    return true;
}

bool ProjectFiles::ReadLoads(int k, int nodeCount, CdMatrix& loads, std::string& error)
{
    CProject project;
    const std::string path = project.GetLocation() + project.GetName() + ".lod" + std::to_string(k);
    if (!fs::is_regular_file(path)) {
        error = "load case " + std::to_string(k) + " has no load file " + path;
        return false;
    }
    CdMatrix file;
    if (!file.Load(path)) {
        error = "cannot read the load file " + path;
        return false;
    }
    CdMatrix table(nodeCount, 6);
    const int cols = file.GetCols() < 6 ? file.GetCols() : 6;
    for (int i = 1; i <= nodeCount && i <= file.GetRows(); ++i)
        for (int j = 1; j <= cols; ++j)
            table(i, j) = file(i, j);
    loads = table;
    return true;
}

bool ProjectFiles::ReadResult(const std::string& ext, int k, int rows, int cols, CdMatrix& record,
                              std::string& error)
{
    const std::string path = ProjectPath(ext);
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        error = "no results: " + path + " is missing (solve the project first)";
        return false;
    }
    std::int32_t r = 0, c = 0;
    if (!ReadHeader(path, r, c) || r != rows || c != cols) {
        error = "the result file " + path + " holds " + std::to_string(r) + " x " +
                std::to_string(c) + " records, not " + std::to_string(rows) + " x " +
                std::to_string(cols) + " (solve the project again)";
        return false;
    }
    const std::uintmax_t need =
        8 + std::uintmax_t(k) * (std::uintmax_t(rows) * std::uintmax_t(cols) + 1) * 8;
    if (k < 1 || fs::file_size(path, ec) < need) {
        error = "the result file " + path + " holds no record for load case " + std::to_string(k);
        return false;
    }
    CdMatrix m;
    if (!m.LoadRecord(k, path)) {
        error = "cannot read " + path;
        return false;
    }
    record = m;
    return true;
}
