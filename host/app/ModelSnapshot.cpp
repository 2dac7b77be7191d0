#include "ModelSnapshot.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "project/Project.h"
#include "tables/element/CombinationTable.h"
#include "view/Geometry.h"

namespace fs = std::filesystem;

namespace {

bool SameTable(const CdMatrix& a, const CdMatrix& b)
{
    if (a.GetRows() != b.GetRows() || a.GetCols() != b.GetCols())
        return false;
    for (int i = 1; i <= a.GetRows(); ++i)
        for (int j = 1; j <= a.GetCols(); ++j) {
            const double x = a(i, j), y = b(i, j);
            if (std::memcmp(&x, &y, sizeof x) != 0)
                return false;
        }
    return true;
}

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    return bool(out);
}

} // namespace

bool ModelSnapshot::IsTableFile(const std::string& fileName, const std::string& name)
{
    if (name.empty() || fileName.size() <= name.size() + 1 || fileName.compare(0, name.size(), name) != 0 ||
        fileName[name.size()] != '.')
        return false;
    const std::string ext = fileName.substr(name.size() + 1);
    if (ext == "pro" || ext == "res" || ext == "cmb")
        return true;
    // Node loads ".lod<k>" and member loads ".mld<k>" of load case k.
    if (ext.size() > 3 && (ext.compare(0, 3, "lod") == 0 || ext.compare(0, 3, "mld") == 0)) {
        for (std::size_t i = 3; i < ext.size(); ++i)
            if (ext[i] < '0' || ext[i] > '9')
                return false;
        return true;
    }
    return false;
}

ModelSnapshot ModelSnapshot::Capture(const CGeometry& geometry)
{
    ModelSnapshot s;
    s.nodes = geometry.m_nodeTable;
    s.members = geometry.m_memberTable;
    CProject project;
    s.folder = project.GetLocation();
    s.name = project.GetName();
    s.nodeCount = project.GetNodeCount();
    s.elementCount = project.GetElementCount();
    s.materialCount = project.GetMaterialCount();
    s.releaseCount = project.GetReleaseCount();
    s.loadCaseCount = project.GetLoadCaseCount();
    std::error_code ec;
    if (!s.folder.empty() && fs::is_directory(s.folder, ec)) {
        for (const auto& entry : fs::directory_iterator(s.folder, ec)) {
            const std::string file = entry.path().filename().string();
            if (entry.is_regular_file(ec) && IsTableFile(file, s.name))
                s.files[file] = ReadBytes(entry.path());
        }
    }
    return s;
}

bool ModelSnapshot::Restore(CGeometry& geometry, std::string& error) const
{
    CProject project;
    const bool sameProject = project.GetLocation() == folder && project.GetName() == name;
    if (sameProject) {
        std::error_code ec;
        if (fs::is_directory(folder, ec)) {
            for (const auto& entry : fs::directory_iterator(folder, ec)) {
                const std::string file = entry.path().filename().string();
                if (entry.is_regular_file(ec) && IsTableFile(file, name) && !files.count(file))
                    fs::remove(entry.path(), ec);
            }
        }
        for (const auto& [file, bytes] : files) {
            const fs::path path = fs::path(folder) / file;
            if (fs::is_regular_file(path, ec) && ReadBytes(path) == bytes)
                continue;
            if (!WriteBytes(path, bytes)) {
                error = "cannot write " + path.string();
                return false;
            }
        }
        project.GetNodeCount() = nodeCount;
        project.GetElementCount() = elementCount;
        project.GetMaterialCount() = materialCount;
        project.GetReleaseCount() = releaseCount;
        project.GetLoadCaseCount() = loadCaseCount;
        // Cases and then combinations (rows of the restored ".cmb").
        const int combinations = loadCaseCount > 0 ? CombinationTable::Count() : 0;
        if (project.GetActiveLoadCase() > loadCaseCount + combinations)
            project.GetActiveLoadCase() = loadCaseCount > 0 ? loadCaseCount : 1;
        project.Settings(true);
    }
    geometry.m_nodeTable = nodes;
    geometry.m_memberTable = members;
    return true;
}

bool ModelSnapshot::SameAs(const ModelSnapshot& other) const
{
    return folder == other.folder && name == other.name && nodeCount == other.nodeCount &&
           elementCount == other.elementCount && materialCount == other.materialCount &&
           releaseCount == other.releaseCount && loadCaseCount == other.loadCaseCount &&
           files == other.files &&
           SameTable(nodes, other.nodes) && SameTable(members, other.members);
}
