// Consistent fixed-end forces of an Euler-Bernoulli member under member
// loads: the forces that the nodes exert on the ends of the member held at
// every end degree of freedom, in local axes, start node first (as
// MemberStiffness::EndForces), then condensed with the member's end
// releases exactly as its stiffness is. Cubic (Hermite) shape functions
// for bending and linear ones along the axis are the exact deflected
// shapes of a prismatic member under end displacements, so the integrals
// below give the exact fixed-end forces. A truss bar (six local degrees of
// freedom, no bending) passes every component to its nodes as the
// simple-span end reactions, without end moments.
#pragma once
#include <vector>

#include "solver/MemberLoad.h"
#include "solver/MemberStiffness.h"

namespace solver {

class FixedEndForces {
public:
    FixedEndForces(const MemberStiffness& stiffness, const std::vector<LocalLoad>& loads);

    // Size() entries: forces of the nodes on the member ends, local axes.
    const LocalVector& Forces() const { return m_forces; }
    // Displacements of the released ends caused by the loads alone (local
    // axes, 0 at connected degrees of freedom): added to the end
    // displacements recovered from the node displacements.
    const LocalVector& ReleasedDisplacements() const { return m_released; }

    // Before releases: size 12 for a frame, 6 for a truss.
    static LocalVector Fixed(int size, double length, const std::vector<LocalLoad>& loads);

private:
    LocalVector m_forces;
    LocalVector m_released;
};

} // namespace solver
