// The member loads of a checked model, found by load case and member, and
// what the solver does with them: the equivalent nodal loads that join the
// node loads of each case, and in the recovery of every record (load case
// or combination) the fixed-end forces added to the member end forces, the
// displacements of released ends, and the loads the section forces need.
#pragma once
#include <vector>

#include "solver/FixedEndForces.h"
#include "solver/MemberLoad.h"
#include "solver/Model.h"

namespace solver {

class MemberLoading {
public:
    // members: the checked members (index = member number - 1).
    MemberLoading(const Model& model, const std::vector<MemberData>& members);

    bool IsEmpty() const { return m_empty; }

    // The loads of member m (0-based) in record r (0-based; a combination
    // gathers its cases' loads times their factors), in local axes.
    void LocalLoads(int record, int member, std::vector<LocalLoad>& out) const;

    // The equivalent nodal loads of load case c (0-based): node-major,
    // nodes x dof values in global axes, the reverse of the condensed
    // fixed-end forces of every loaded member.
    std::vector<double> EquivalentNodalLoads(int loadCase) const;

    // Recovery of member m in record r: adds the fixed-end forces to the
    // end forces recovered from the node displacements (both local, forces
    // of the nodes on the member) and the released ends' own displacements
    // to the end displacements; `loads` gets the member's local loads.
    void AddFixedEndForces(int record, int member, const MemberStiffness& stiffness,
                           LocalVector& forces, LocalVector& endDisplacements,
                           std::vector<LocalLoad>& loads) const;

private:
    const Model& m_model;
    const std::vector<MemberData>& m_members;
    bool m_empty = true;
    // Per load case: the rows of member m are m_rows[c][m_first[c][m] ..
    // m_first[c][m + 1] - 1] (1-based table rows).
    std::vector<std::vector<int>> m_first;
    std::vector<std::vector<int>> m_rows;
};

} // namespace solver
