// The model as the solver sees it: the structure type and the tables the
// host and the library keep, in stored units (metres, kilogram-force).
// Filled by ModelReader from the project folder or directly by a caller
// that holds the tables in memory; the solver only reads it.
#pragma once
#include <string>
#include <vector>

#include "numerics/dMatrix.h"

namespace solver {

class Model {
public:
    enum class Type { Frame3D, Truss3D };

    Type type = Type::Frame3D;
    // One row per node: X, Y, Z, then one restraint code per degree of
    // freedom (translations X, Y, Z, rotations about X, Y, Z), 1 free,
    // 0 restrained. At least 3 + Dof() columns.
    CdMatrix nodes;
    // One row per member: start node, end node, length, reference point
    // X, Y, Z, property group, release set (0 = fully connected).
    CdMatrix members;
    // One row per group: E, A, G, I1 (torsion constant), I2, I3.
    CdMatrix properties;
    // One row per release set: 12 codes, start then end node, translations
    // 1, 2, 3 then rotations about 1, 2, 3 of the local axes; 1 connected,
    // 0 released. A truss uses columns 1, 2, 3, 7, 8, 9.
    CdMatrix releases;
    // One table per load case: one row per node, Dof() columns (forces
    // along X, Y, Z, then moments about X, Y, Z); missing cells are 0.
    std::vector<CdMatrix> loadCases;
    // Member loads, one table per load case (index 0 = case 1; a missing or
    // empty table = none): one row per load, 7 columns (MemberLoad).
    std::vector<CdMatrix> memberLoads;
    // Load combinations: one row per combination, one column per load case,
    // the factor of that case (0 or a missing cell = not in it).
    CdMatrix combinations;

    int Dof() const { return type == Type::Frame3D ? 6 : 3; }
    int NodeCount() const { return nodes.GetRows(); }
    int MemberCount() const { return members.GetRows(); }
    int LoadCaseCount() const { return static_cast<int>(loadCases.size()); }
    int CombinationCount() const { return combinations.GetRows(); }
    // Result records: the load cases, then the combinations.
    int RecordCount() const { return LoadCaseCount() + CombinationCount(); }

    // "Frame3D" / "Truss3D" (the "Element Type " setting); false otherwise.
    static bool TypeFromName(const std::string& name, Type& type);
    static std::string TypeName(Type type);
};

} // namespace solver
