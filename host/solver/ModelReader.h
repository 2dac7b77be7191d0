// Reads a project's model from its folder F: the node table F + N + ".nod"
// (X, Y, Z, restraint codes), the member table F + N + ".ele" (8 columns),
// the property groups F + N + ".pro", the release sets F + N + ".res" (a
// missing file means no release sets), the node loads F + N + ".lod1" ..
// ".lod<count>", the member loads F + N + ".mld1" .. ".mld<count>" (7
// columns; a missing file means no member loads in that case) and the load
// combinations F + N + ".cmb" (one column per load case; a missing file
// means none). A missing or malformed file gives a FileError status that
// names it; the model is then left as it was.
#pragma once
#include <string>

#include "solver/Model.h"
#include "solver/SolverStatus.h"

namespace solver {

class ModelReader {
public:
    static SolverStatus Read(const std::string& folder, const std::string& name,
                             const std::string& elementType, int loadCases, Model& model);

private:
    static bool ReadTable(const std::string& path, CdMatrix& table);
};

} // namespace solver
