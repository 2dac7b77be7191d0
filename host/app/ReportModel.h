// What the calculation report reads of the current project: its facts, the
// model tables, the loads per case and the solver's results per load case
// and per load combination, all in stored units (metres, kilogram-force,
// radians). ReportUnits converts them for printing.
//
// Load combinations: when F + N + ".cmb" holds C rows and the result files
// hold N + C records (N load cases), record N + c is combination c. Its
// applied loads are the load cases weighted by row c when the table has one
// factor per load case.
#pragma once
#include <string>
#include <vector>

#include "ReportMemberLoads.h"
#include "numerics/dMatrix.h"

class ReportModel {
public:
    // Reads the project facts and the model tables of the current project.
    // False with `error` when the node or member table is missing or
    // damaged; missing property, release and result files are not errors.
    bool Read(std::string& error);

    std::string name, title, engineer, elementType, projectFile;
    std::string forceUnit, lengthUnit;
    int dof = 0;
    int loadCases = 0;
    int combinations = 0;  // combinations with results (0 without)
    bool solved = false;   // results readable for every load case
    std::string resultsNote; // why there are no results

    CdMatrix nodes;        // X, Y, Z, restraint codes (1 free, 0 restrained)
    CdMatrix members;      // start, end, length, reference point X, Y, Z, property, release set
    CdMatrix properties;   // E, A, G, I1, I2, I3
    CdMatrix releases;     // 12 end codes, 1 connected, 0 released
    CdMatrix combinationFactors; // C rows of factors, one per load case (when given so)
    ReportMemberLoads memberLoads; // member load tables and their equivalent nodal loads

    bool IsFrame() const { return dof >= 6; }
    int NodeCount() const { return nodes.GetRows(); }
    int MemberCount() const { return members.GetRows(); }
    // Distance between the member's nodes (metres).
    double MemberLength(int member) const;
    // "fixed", "pinned", "free" or the restrained DOFs ("Y RX").
    std::string SupportText(int node) const;
    bool IsSupported(int node) const;
    bool IsRestrained(int node, int j) const { return nodes(node, 3 + j) == 0; }

    // Record r: load case r (r <= loadCases) or combination r - loadCases.
    std::string CaseName(int record) const;
    // Node loads of record r (node count x 6); for a combination the
    // weighted sum of the load cases. False with `error` when unknown.
    bool ReadLoads(int record, CdMatrix& loads, std::string& error) const;
    // Every load record r applies to the nodes: its node loads plus the
    // equivalent nodal loads of its member loads (nodes x 6).
    bool AppliedLoads(int record, CdMatrix& loads, std::string& error) const;

    struct Results {
        CdMatrix displacements; // nodes x dof
        CdMatrix nodeForces;    // nodes x dof: node loads where free, support reactions where restrained
        CdMatrix memberForces;  // members x 2 dof: P, V2, V3, T, M2, M3 at start, then end
    };
    bool ReadResults(int record, Results& results, std::string& error) const;

private:
    void FindCombinations();
};
