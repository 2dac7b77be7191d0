// The stiffness of one member: the 12 x 12 Euler-Bernoulli frame matrix (or
// the 6 x 6 axial bar of a truss) in local axes, its end releases condensed
// out statically, and the rotation between local and global axes. Built on
// the fly by the assembler and again by the result recovery, so nothing of
// size members x 144 is ever kept.
#pragma once
#include <array>

#include <Eigen/Dense>

#include "solver/Model.h"

namespace solver {

// Up to 12 x 12 without heap allocation.
using LocalMatrix = Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::ColMajor, 12, 12>;
using LocalVector = Eigen::Matrix<double, Eigen::Dynamic, 1, Eigen::ColMajor, 12, 1>;

// Property group values: E, A, G, I1 (torsion constant J), I2, I3.
struct Section {
    double E = 0.0;
    double A = 0.0;
    double G = 0.0;
    double J = 0.0;
    double I2 = 0.0;
    double I3 = 0.0;
};

// One checked member: 0-based end nodes, length, local axes (rows = axes
// 1, 2, 3 in global components), section and the 12 release codes.
struct MemberData {
    int start = 0;
    int end = 0;
    double length = 0.0;
    Eigen::Matrix3d axes = Eigen::Matrix3d::Identity();
    Section section;
    std::array<bool, 12> connected{};
};

class MemberStiffness {
public:
    MemberStiffness(Model::Type type, const MemberData& member)
        : MemberStiffness(type, member.length, member.axes, member.section, member.connected)
    {
    }
    // axes: rows are local axes 1, 2, 3 in global components. connected:
    // the 12 release codes (start 1..6, end 1..6), true = connected; a truss
    // reads codes 1, 2, 3 and 7, 8, 9.
    MemberStiffness(Model::Type type, double length, const Eigen::Matrix3d& axes,
                    const Section& section, const std::array<bool, 12>& connected);

    int Size() const { return m_size; }
    double Length() const { return m_length; }
    const Eigen::Matrix3d& Axes() const { return m_axes; }
    bool HasReleases() const { return m_released; }

    // Local stiffness after condensation: rows and columns of released
    // degrees of freedom are zero.
    const LocalMatrix& LocalStiffness() const { return m_k; }
    // T' k T, the contribution to the global stiffness (both end nodes,
    // global axes, start node first).
    LocalMatrix GlobalStiffness() const;

    // From the displacements of the two end nodes in global axes: the
    // member end displacements in local axes (a released degree of freedom
    // gets its own value, which may differ from the node's) and the forces
    // that the nodes exert on the member ends, in local axes.
    LocalVector EndDisplacements(const LocalVector& nodeDisplacements) const;
    LocalVector EndForces(const LocalVector& nodeDisplacements) const;

    // Fixed-end forces (local axes, what the nodes exert on the ends of the
    // member held at all its degrees of freedom) condensed with the end
    // releases exactly as the stiffness is: r_c - Kcr Krr^+ r_r at the
    // connected degrees of freedom, 0 at the released ones. `released`
    // gets what the load alone turns or moves the released ends by,
    // -Krr^+ r_r (0 elsewhere). Without releases nothing changes.
    void CondenseLoad(LocalVector& forces, LocalVector& released) const;

    // Rotates a vector of 3-blocks between global and local axes.
    LocalVector ToLocal(const LocalVector& global) const;
    LocalVector ToGlobal(const LocalVector& local) const;

    // Local matrices before releases.
    static LocalMatrix LocalFrame(const Section& s, double length);
    static LocalMatrix LocalTruss(double E, double A, double length);
    // Static condensation of the released degrees of freedom (connected[i]
    // false): kc = Kcc - Kcr Krr^+ Krc, zero in released rows and columns,
    // and u_member = recovery * u_nodes. Krr^+ is the pseudo-inverse of the
    // diagonally scaled Krr, so a released degree of freedom without any
    // stiffness of its own (a truss end's transverse translation, torsion
    // released at both ends) condenses to nothing instead of dividing by 0.
    static void Condense(const LocalMatrix& k, const std::array<bool, 12>& connected,
                         LocalMatrix& kc, LocalMatrix& recovery);
    // The pseudo-inverse of Krr as Condense takes it.
    static LocalMatrix ScaledPseudoInverse(const LocalMatrix& krr);

private:
    int m_size = 12;
    double m_length = 0.0;
    Eigen::Matrix3d m_axes;
    bool m_released = false;
    LocalMatrix m_k;
    LocalMatrix m_recovery; // empty when nothing is released
    Section m_section;
    std::array<bool, 12> m_local{}; // release codes of the Size() local degrees of freedom
};

} // namespace solver
