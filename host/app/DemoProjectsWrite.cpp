// Writing a sample project into its folder: the project file and settings
// first (the library never creates a project file, so an empty one is
// made before the settings are saved), then the table files.
#include "DemoProjects.h"

#include <filesystem>
#include <fstream>

#include "ProjectFiles.h"
#include "numerics/dMatrix.h"
#include "project/Project.h"

namespace {

template <std::size_t N>
CdMatrix ToMatrix(const std::vector<std::array<double, N>>& rows, int cols = int(N))
{
    CdMatrix m(int(rows.size()), cols);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (int j = 0; j < cols; ++j)
            m(int(i) + 1, j + 1) = rows[i][j];
    return m;
}

} // namespace

bool DemoProjects::Write(const DemoProject& p, const std::string& folder, std::ostream& log,
                         std::string& error)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec || !std::filesystem::is_directory(folder)) {
        error = "cannot create the folder " + folder;
        return false;
    }
    const std::string projectFile = folder + p.name + ".KTR";
    {
        std::ofstream create(projectFile, std::ios::binary | std::ios::trunc);
        if (!create) {
            error = "cannot create the project file " + projectFile;
            return false;
        }
    }

    CProject project;
    project.ResetDefaults();
    project.GetEngineer() = p.engineer;
    project.GetLocation() = folder;
    project.GetName() = p.name;
    project.GetForceUnit() = p.forceUnit;
    project.GetLengthUnit() = p.lengthUnit;
    project.GetElementType() = p.elementType;
    project.GetTitle() = p.title;
    project.GetDof() = p.dof;
    project.GetNodesPerElement() = 2;
    project.GetEquationCount() = 0;
    project.GetNodeCount() = int(p.nodes.size());
    project.GetElementCount() = int(p.members.size());
    project.GetLoadCaseCount() = int(p.loadCases.size());
    project.GetMaterialCount() = int(p.properties.size());
    project.GetActiveLoadCase() = 1;
    project.GetReleaseCount() = int(p.releases.size());
    project.GetSolution() = 0;
    project.Settings(true);
    if (std::filesystem::file_size(projectFile, ec) == 0 || ec) {
        error = "the project file " + projectFile + " was not written";
        return false;
    }
    log << projectFile << "\n";

    if (!ProjectFiles::WriteModel(ToMatrix(p.nodes), ToMatrix(p.members), error))
        return false;
    log << folder << p.name << ".nod\n" << folder << p.name << ".ele\n";

    auto save = [&](const CdMatrix& m, const std::string& ext) {
        if (!m.Save(p.name, ext)) {
            error = "cannot write " + folder + p.name + "." + ext;
            return false;
        }
        log << folder << p.name << "." << ext << "\n";
        return true;
    };
    if (!save(ToMatrix(p.properties), "pro") || !save(ToMatrix(p.releases), "res"))
        return false;
    for (std::size_t k = 0; k < p.loadCases.size(); ++k)
        if (!save(ToMatrix(p.loadCases[k], p.dof), "lod" + std::to_string(k + 1)))
            return false;
    for (std::size_t k = 0; k < p.memberLoads.size() && k < p.loadCases.size(); ++k)
        if (!p.memberLoads[k].empty() && !save(ToMatrix(p.memberLoads[k]), "mld" + std::to_string(k + 1)))
            return false;
    if (!p.combinations.empty()) {
        CdMatrix factors(int(p.combinations.size()), int(p.loadCases.size()));
        for (std::size_t c = 0; c < p.combinations.size(); ++c)
            for (std::size_t k = 0; k < p.combinations[c].size() && k < p.loadCases.size(); ++k)
                factors(int(c) + 1, int(k) + 1) = p.combinations[c][k];
        if (!save(factors, "cmb"))
            return false;
    }
    return true;
}
