// Where the solver puts its results: the member axes once, then one set of
// five tables per record: the load cases 1 .. N, then the combinations as
// records N + 1 .. N + C. ResultWriter writes the project's record files,
// ResultStore keeps them in memory.
#pragma once
#include <string>

#include <Eigen/Dense>

#include "numerics/dMatrix.h"

namespace solver {

// Results of one load case or combination, in stored units (metres, radians, kgf, kgf-m).
struct CaseResult {
    // nodes x dof: displacements along / rotations about global X, Y, Z.
    CdMatrix nodeDisplacements;
    // nodes x dof: the node loads at free degrees of freedom, the support
    // reactions (force of the support on the structure) at restrained ones:
    // K u less the equivalent nodal loads of the member loads, so that the
    // reactions balance every node and member load.
    CdMatrix nodeForces;
    // members x 2 dof: end displacements in local axes, start node first
    // (translations 1, 2, 3, then rotations about 1, 2, 3 for a frame).
    CdMatrix memberDisplacements;
    // members x 2 dof: section forces in local axes at the start and at the
    // end: P (tension positive), V2, V3, then T, M2 (about axis 2), M3
    // (about axis 3) for a frame. At each end it is the force that the part
    // of the member beyond the section exerts, on the face whose outward
    // normal is +axis 1: minus the node's force on the start end, plus the
    // node's force on the end. Member loads are included (their fixed-end
    // forces added).
    CdMatrix memberForces;
    // (members x 21) x dof: row (m - 1) * 21 + s = the section forces of
    // member m at station s = 1 .. 21, equally spaced from the start node,
    // both ends included; axes and signs as memberForces (SectionForces).
    CdMatrix sectionForces;
};

class ResultSink {
public:
    virtual ~ResultSink() = default;
    // Before anything is written; false stops the solve (see ErrorText).
    // records = load cases + combinations.
    virtual bool Begin(int nodes, int members, int dof, int records) = 0;
    // Member k (1-based): rows = local axes 1, 2, 3 in global components.
    virtual bool WriteAxes(int member, const Eigen::Matrix3d& axes) = 0;
    // Record k (1-based: load case k, then combination k - N), in
    // increasing order.
    virtual bool WriteCase(int record, const CaseResult& result) = 0;
    // After the last record.
    virtual bool Finish() = 0;
    // Why the last call returned false.
    virtual std::string ErrorText() const { return std::string(); }
};

} // namespace solver
