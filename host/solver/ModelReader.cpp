#include "solver/ModelReader.h"

#include <fstream>

#include "solver/MemberLoad.h"

namespace solver {

bool ModelReader::ReadTable(const std::string& path, CdMatrix& table)
{
    // Test first so that a missing file is our message, not a load error box.
    if (!std::ifstream(path, std::ios::binary))
        return false;
    return table.Load(path);
}

SolverStatus ModelReader::Read(const std::string& folder, const std::string& name,
                               const std::string& elementType, int loadCases, Model& model)
{
    Model m;
    if (!Model::TypeFromName(elementType, m.type))
        return SolverStatus::Failure(SolverStatus::InvalidModel,
                                     "The structure type \"" + elementType +
                                         "\" cannot be solved; the solver takes \"Frame3D\" and "
                                         "\"Truss3D\".");
    const std::string base = folder + name;
    const int dof = m.Dof();

    auto missing = [](const std::string& what, const std::string& path) {
        return SolverStatus::Failure(SolverStatus::FileError,
                                     "The " + what + " " + path + " is missing or unreadable.");
    };
    auto columns = [](const std::string& what, const std::string& path, int has, int needs) {
        return SolverStatus::Failure(SolverStatus::FileError,
                                     "The " + what + " " + path + " has " + std::to_string(has) +
                                         " columns; the solver needs " + std::to_string(needs) + ".");
    };

    if (!ReadTable(base + ".nod", m.nodes))
        return missing("node table", base + ".nod");
    if (m.nodes.GetRows() > 0 && m.nodes.GetCols() < 3 + dof)
        return columns("node table", base + ".nod", m.nodes.GetCols(), 3 + dof);
    if (!ReadTable(base + ".ele", m.members))
        return missing("member table", base + ".ele");
    if (m.members.GetRows() > 0 && m.members.GetCols() < 8)
        return columns("member table", base + ".ele", m.members.GetCols(), 8);
    if (!ReadTable(base + ".pro", m.properties))
        return missing("property table", base + ".pro");
    if (m.properties.GetRows() > 0 && m.properties.GetCols() < 6)
        return columns("property table", base + ".pro", m.properties.GetCols(), 6);
    if (std::ifstream(base + ".res", std::ios::binary)) {
        if (!m.releases.Load(base + ".res"))
            return missing("release table", base + ".res");
        if (m.releases.GetRows() > 0 && m.releases.GetCols() < 12)
            return columns("release table", base + ".res", m.releases.GetCols(), 12);
    }
    for (int k = 1; k <= loadCases; ++k) {
        CdMatrix loads;
        const std::string path = base + ".lod" + std::to_string(k);
        if (!ReadTable(path, loads))
            return missing("load case " + std::to_string(k), path);
        m.loadCases.push_back(std::move(loads));
    }
    for (int k = 1; k <= loadCases; ++k) {
        CdMatrix loads;
        const std::string path = base + ".mld" + std::to_string(k);
        if (std::ifstream(path, std::ios::binary)) {
            if (!loads.Load(path))
                return missing("member loads of load case " + std::to_string(k), path);
            if (loads.GetRows() > 0 && loads.GetCols() < MemberLoad::Columns)
                return columns("member loads of load case " + std::to_string(k), path,
                               loads.GetCols(), MemberLoad::Columns);
        }
        m.memberLoads.push_back(std::move(loads));
    }
    if (std::ifstream(base + ".cmb", std::ios::binary)) {
        if (!m.combinations.Load(base + ".cmb"))
            return missing("load combination table", base + ".cmb");
    }
    model = std::move(m);
    return SolverStatus::Ok(0);
}

} // namespace solver
