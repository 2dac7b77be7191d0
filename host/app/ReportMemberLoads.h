// The member loads of the current project for the calculation report: the
// rows of every load case's member load table as the solver reads them, the
// words the report prints for their kind and direction, and their
// equivalent nodal loads (the solver's own, statically equivalent to the
// member loads: same resultant force and moment), so that the equilibrium
// check balances the reactions against every load the structure carries.
#pragma once
#include <memory>
#include <string>

#include "numerics/dMatrix.h"

class ReportMemberLoads {
public:
    ReportMemberLoads();
    ~ReportMemberLoads();
    ReportMemberLoads(const ReportMemberLoads&) = delete;
    ReportMemberLoads& operator=(const ReportMemberLoads&) = delete;

    // Reads the model of project F + N through the solver's reader and
    // checks it. A failure is kept: Table gives nothing and
    // AddEquivalentNodalLoads fails with its reason.
    void Read(const std::string& folder, const std::string& name, const std::string& elementType, int loadCases);

    // Load case k's rows (1-based k): member, kind, direction, a, b, w1, w2
    // in stored units; an empty table when the case has none.
    const CdMatrix& Table(int loadCase) const;

    // Adds the equivalent nodal loads of record r (load case r, or after
    // the N load cases the factored sum of a combination's cases) to
    // `loads` (nodes x 6, global axes). False with `error` when the member
    // loads could not be read or resolved.
    bool AddEquivalentNodalLoads(int record, CdMatrix& loads, std::string& error) const;

    // "uniform", "linear", "concentrated", "self weight".
    static std::string KindName(int kind);
    // "local 1" .. "local 3", "global X" .. "global Z".
    static std::string DirectionName(int direction);

private:
    struct Data;
    std::unique_ptr<Data> m_data;
    std::string m_error;
    CdMatrix m_empty;
};
