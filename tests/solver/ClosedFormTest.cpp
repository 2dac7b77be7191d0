// Solver results against hand formulas, to 1e-9 relative: cantilevers in
// both bending planes and both orientations of the reference point, torsion,
// axial load, a fixed-fixed beam, a simply supported beam made by end
// releases, a statically determinate space truss and a three-hinged portal.
#include <cmath>

#include <gtest/gtest.h>

#include "ModelBuilder.h"
#include "solver/ResultStore.h"
#include "solver/Solver.h"

using solvertest::ModelBuilder;

namespace {

constexpr double kTol = 1e-9;
const double E = 2.0e10, A = 0.01, G = 8.0e9, J = 2.0e-6, I2 = 3.0e-5, I3 = 8.0e-5;

#define EXPECT_REL(actual, expected)                                                          \
    EXPECT_NEAR((actual), (expected), kTol * std::abs(expected)) << #actual

// Solves and returns the stored results; fails the test on a bad status.
solver::ResultStore Solve(const solver::Model& model)
{
    solver::ResultStore store;
    solver::Solver s;
    const solver::SolverStatus status = s.Solve(model, store);
    EXPECT_TRUE(status.IsOk()) << status.GetMessage();
    return store;
}

} // namespace

TEST(ClosedFormTest, CantileverBendsWithI3InPlane12AndI2InPlane13)
{
    const double L = 3.0, P = 1500.0, T = 700.0;
    ModelBuilder b;
    b.Node(0, 0, 0, ModelBuilder::Fixed);
    b.Node(L, 0, 0);
    b.Member(1, 2, 0, 1, 0); // local 2 = +Y, local 3 = +Z
    b.Property(E, A, G, J, I2, I3);
    b.Load(1, 2, 2, P);
    b.Load(2, 2, 3, P);
    b.Load(3, 2, 4, T);
    b.Load(4, 2, 1, P);
    const solver::ResultStore r = Solve(b.Build());
    ASSERT_EQ(r.cases.size(), 4u);

    // Tip force along Y: PL^3/3EI3, rotation PL^2/2EI3.
    const CdMatrix& d1 = r.cases[0].nodeDisplacements;
    EXPECT_REL(d1(2, 2), P * L * L * L / (3 * E * I3));
    EXPECT_REL(d1(2, 6), P * L * L / (2 * E * I3));
    EXPECT_EQ(d1(1, 2), 0.0);
    // Section forces: shear P, moment PL at the root, 0 at the tip.
    const CdMatrix& f1 = r.cases[0].memberForces;
    EXPECT_REL(f1(1, 2), P);
    EXPECT_REL(f1(1, 6), P * L);
    EXPECT_REL(f1(1, 8), P);
    EXPECT_NEAR(f1(1, 12), 0.0, kTol * P * L);
    // Reactions balance the load; the loaded node shows the load.
    const CdMatrix& s1 = r.cases[0].nodeForces;
    EXPECT_REL(s1(1, 2), -P);
    EXPECT_REL(s1(1, 6), -P * L);
    EXPECT_EQ(s1(2, 2), P);

    // Tip force along Z: PL^3/3EI2, rotation about Y negative.
    const CdMatrix& d2 = r.cases[1].nodeDisplacements;
    EXPECT_REL(d2(2, 3), P * L * L * L / (3 * E * I2));
    EXPECT_REL(d2(2, 5), -P * L * L / (2 * E * I2));
    EXPECT_REL(r.cases[1].memberForces(1, 3), P);
    EXPECT_REL(r.cases[1].memberForces(1, 5), -P * L);
    EXPECT_REL(r.cases[1].nodeForces(1, 5), P * L);

    // Tip torque: TL/GJ, constant torque.
    EXPECT_REL(r.cases[2].nodeDisplacements(2, 4), T * L / (G * J));
    EXPECT_REL(r.cases[2].memberForces(1, 4), T);
    EXPECT_REL(r.cases[2].memberForces(1, 10), T);
    EXPECT_REL(r.cases[2].memberDisplacements(1, 10), T * L / (G * J));

    // Axial: PL/EA, tension positive at both ends.
    EXPECT_REL(r.cases[3].nodeDisplacements(2, 1), P * L / (E * A));
    EXPECT_REL(r.cases[3].memberForces(1, 1), P);
    EXPECT_REL(r.cases[3].memberForces(1, 7), P);
    EXPECT_REL(r.cases[3].memberDisplacements(1, 7), P * L / (E * A));
}

TEST(ClosedFormTest, ReferencePointTurnsTheBendingPlanes)
{
    // Reference point on +Z: local 2 = +Z, local 3 = -Y, so a force along Y
    // now bends about local 3's partner axis 2 (I2) and one along Z uses I3.
    const double L = 2.5, P = 900.0;
    ModelBuilder b;
    b.Node(0, 0, 0, ModelBuilder::Fixed);
    b.Node(L, 0, 0);
    b.Member(1, 2, 0, 0, 1);
    b.Property(E, A, G, J, I2, I3);
    b.Load(1, 2, 2, P);
    b.Load(2, 2, 3, P);
    const solver::ResultStore r = Solve(b.Build());

    EXPECT_REL(r.cases[0].nodeDisplacements(2, 2), P * L * L * L / (3 * E * I2));
    EXPECT_REL(r.cases[1].nodeDisplacements(2, 3), P * L * L * L / (3 * E * I3));
    // Global Y is local -3, global Z local +2.
    EXPECT_REL(r.cases[0].memberForces(1, 9), -P);
    EXPECT_REL(r.cases[1].memberForces(1, 8), P);
    EXPECT_REL(r.cases[1].memberDisplacements(1, 8), P * L * L * L / (3 * E * I3));

    const CdMatrix& t = r.axes[0];
    EXPECT_EQ(t(1, 1), 1.0);
    EXPECT_EQ(t(2, 3), 1.0);
    EXPECT_EQ(t(3, 2), -1.0);
}

TEST(ClosedFormTest, FixedFixedBeamWithMidSpanLoad)
{
    const double a = 2.0, L = 2 * a, P = 2400.0;
    ModelBuilder b;
    b.Node(0, 0, 0, ModelBuilder::Fixed);
    b.Node(a, 0, 0);
    b.Node(L, 0, 0, ModelBuilder::Fixed);
    b.Member(1, 2, 0, 1, 0);
    b.Member(2, 3, 0, 1, 0);
    b.Property(E, A, G, J, I2, I3);
    b.Load(1, 2, 2, -P);
    const solver::ResultStore r = Solve(b.Build());
    const solver::CaseResult& c = r.cases[0];

    EXPECT_REL(c.nodeDisplacements(2, 2), -P * L * L * L / (192 * E * I3));
    EXPECT_NEAR(c.nodeDisplacements(2, 6), 0.0, 1e-15);
    EXPECT_REL(c.nodeForces(1, 2), P / 2);
    EXPECT_REL(c.nodeForces(3, 2), P / 2);
    EXPECT_REL(c.nodeForces(1, 6), P * L / 8);
    EXPECT_REL(c.nodeForces(3, 6), -P * L / 8);
    // Hogging PL/8 at the supports, sagging PL/8 under the load.
    EXPECT_REL(c.memberForces(1, 6), -P * L / 8);
    EXPECT_REL(c.memberForces(1, 12), P * L / 8);
    EXPECT_REL(c.memberForces(2, 6), P * L / 8);
    EXPECT_REL(c.memberForces(2, 12), -P * L / 8);
    EXPECT_REL(c.memberForces(1, 2), -P / 2);
    EXPECT_REL(c.memberForces(2, 8), P / 2);
}

TEST(ClosedFormTest, EndRotationReleasesMakeASimplySupportedBeam)
{
    // Fully fixed supports, but the members release their rotations about
    // axes 2 and 3 there: a simple span in both bending planes.
    const double a = 1.75, L = 2 * a, P = 3000.0, Q = 1200.0;
    ModelBuilder b;
    b.Node(0, 0, 0, ModelBuilder::Fixed);
    b.Node(a, 0, 0);
    b.Node(L, 0, 0, ModelBuilder::Fixed);
    b.Property(E, A, G, J, I2, I3);
    b.Release({1, 1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1});
    b.Release({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0});
    b.Member(1, 2, 0, 1, 0, 1, 1);
    b.Member(2, 3, 0, 1, 0, 1, 2);
    b.Load(1, 2, 2, -P);
    b.Load(2, 2, 3, Q);
    const solver::ResultStore r = Solve(b.Build());
    const solver::CaseResult& c = r.cases[0];

    EXPECT_REL(c.nodeDisplacements(2, 2), -P * L * L * L / (48 * E * I3));
    EXPECT_REL(c.nodeForces(1, 2), P / 2);
    EXPECT_NEAR(c.nodeForces(1, 6), 0.0, kTol * P * L);
    EXPECT_NEAR(c.nodeForces(3, 6), 0.0, kTol * P * L);
    EXPECT_REL(c.memberForces(1, 12), P * L / 4);
    EXPECT_NEAR(c.memberForces(1, 6), 0.0, kTol * P * L);
    // The hinge turns by PL^2/16EI while the fixed node does not.
    EXPECT_REL(c.memberDisplacements(1, 6), -P * L * L / (16 * E * I3));
    EXPECT_REL(c.memberDisplacements(2, 12), P * L * L / (16 * E * I3));
    EXPECT_EQ(c.nodeDisplacements(1, 6), 0.0);

    EXPECT_REL(r.cases[1].nodeDisplacements(2, 3), Q * L * L * L / (48 * E * I2));
    EXPECT_NEAR(r.cases[1].nodeForces(1, 5), 0.0, kTol * Q * L);
}

TEST(ClosedFormTest, StaticallyDeterminateSpaceTruss)
{
    // Tripod: supports A, B, C, apex D loaded by (100, 200, -300).
    ModelBuilder b(solver::Model::Type::Truss3D);
    const std::array<int, 6> pin{0, 0, 0, 1, 1, 1};
    b.Node(0, 0, 0, pin);
    b.Node(4, 0, 0, pin);
    b.Node(0, 3, 0, pin);
    b.Node(0, 0, 4);
    // Reference points left at the origin, on the line of member 1: a bar
    // does not need one.
    b.Member(1, 4, 0, 0, 0);
    b.Member(2, 4, 0, 0, 0);
    b.Member(3, 4, 0, 0, 0);
    const double Eb = 2.0e10, Ab = 0.002;
    b.Property(Eb, Ab, 0, 0, 0, 0);
    b.Load(1, 4, 1, 100);
    b.Load(1, 4, 2, 200);
    b.Load(1, 4, 3, -300);
    const solver::ResultStore r = Solve(b.Build());
    const solver::CaseResult& c = r.cases[0];
    ASSERT_EQ(c.memberForces.GetCols(), 6);
    ASSERT_EQ(c.nodeDisplacements.GetCols(), 3);

    // Joint D by hand: X: NB/sqrt2 = -100, Y: 3/5 NC = -200, Z gives NA.
    const double nA = 200.0 / 3.0, nB = -100.0 * std::sqrt(2.0), nC = -1000.0 / 3.0;
    EXPECT_REL(c.memberForces(1, 1), nA);
    EXPECT_REL(c.memberForces(1, 4), nA);
    EXPECT_REL(c.memberForces(2, 1), nB);
    EXPECT_REL(c.memberForces(3, 4), nC);
    EXPECT_EQ(c.memberForces(1, 2), 0.0);
    // Reactions: each support holds against its bar's pull (force of the
    // support on the structure).
    EXPECT_REL(c.nodeForces(1, 3), -nA);
    EXPECT_REL(c.nodeForces(2, 1), nB / std::sqrt(2.0));
    EXPECT_REL(c.nodeForces(3, 2), nC * 0.6);
    EXPECT_REL(c.nodeForces(3, 3), -nC * 0.8);

    // Compatibility: the bars stretch by NL/EA along their axes.
    Eigen::Matrix3d dir;
    dir << 0, 0, 1, -1 / std::sqrt(2.0), 0, 1 / std::sqrt(2.0), 0, -0.6, 0.8;
    const Eigen::Vector3d stretch(nA * 4 / (Eb * Ab), nB * std::sqrt(32.0) / (Eb * Ab),
                                  nC * 5 / (Eb * Ab));
    const Eigen::Vector3d uD = dir.fullPivLu().solve(stretch);
    for (int k = 0; k < 3; ++k)
        EXPECT_REL(c.nodeDisplacements(4, k + 1), uD(k));
    EXPECT_REL(c.memberDisplacements(1, 4) - c.memberDisplacements(1, 1), nA * 4 / (Eb * Ab));
}

TEST(ClosedFormTest, ThreeHingedPortalFrame)
{
    // Feet pinned about Z (held out of plane), a hinge at mid-span made by
    // a release: statically determinate, so the forces are exact by hand
    // whatever the stiffness.
    const double h = 4.0, w = 6.0, H = 1000.0;
    const std::array<int, 6> foot{0, 0, 0, 0, 0, 1};
    ModelBuilder b;
    b.Node(0, 0, 0, foot);     // 1 A
    b.Node(0, h, 0);           // 2 B
    b.Node(w / 2, h, 0);       // 3 M
    b.Node(w, h, 0);           // 4 C
    b.Node(w, 0, 0, foot);     // 5 E
    b.Property(E, A, G, J, I2, I3);
    b.Release({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0});
    b.Member(1, 2, 1, 0, 0);
    b.Member(2, 3, 0, h + 1, 0, 1, 1);
    b.Member(3, 4, w / 2, h + 1, 0);
    b.Member(4, 5, w + 1, h, 0);
    b.Load(1, 2, 1, H);
    const solver::ResultStore r = Solve(b.Build());
    const solver::CaseResult& c = r.cases[0];

    EXPECT_REL(c.nodeForces(1, 1), -H / 2);
    EXPECT_REL(c.nodeForces(5, 1), -H / 2);
    EXPECT_REL(c.nodeForces(1, 2), -H * h / w);
    EXPECT_REL(c.nodeForces(5, 2), H * h / w);
    // Corner moments Hh/2, none at the feet and the hinge.
    EXPECT_REL(std::abs(c.memberForces(1, 12)), H * h / 2);
    EXPECT_REL(std::abs(c.memberForces(2, 6)), H * h / 2);
    EXPECT_REL(std::abs(c.memberForces(4, 6)), H * h / 2);
    EXPECT_NEAR(c.memberForces(1, 6), 0.0, kTol * H * h);
    EXPECT_NEAR(c.memberForces(2, 12), 0.0, kTol * H * h);
    EXPECT_NEAR(c.memberForces(4, 12), 0.0, kTol * H * h);
    // Left column in tension, right column in compression.
    EXPECT_REL(c.memberForces(1, 1), H * h / w);
    EXPECT_REL(c.memberForces(4, 7), -H * h / w);
    // Beam: axial H/2 in compression towards the right support.
    EXPECT_REL(c.memberForces(2, 1), -H / 2);
}

TEST(ClosedFormTest, LoadOnASupportGoesStraightIntoTheReaction)
{
    const double L = 3.0, P = 500.0, Q = 200.0;
    ModelBuilder b;
    b.Node(0, 0, 0, ModelBuilder::Fixed);
    b.Node(L, 0, 0);
    b.Member(1, 2, 0, 1, 0);
    b.Property(E, A, G, J, I2, I3);
    b.Load(1, 1, 2, -P); // on the support itself
    b.Load(1, 2, 2, -Q);
    solver::ResultStore r;
    solver::Solver s;
    const solver::SolverStatus status = s.Solve(b.Build(), r);
    ASSERT_TRUE(status.IsOk()) << status.GetMessage();
    ASSERT_EQ(status.GetWarnings().size(), 1u);
    EXPECT_EQ(status.GetWarnings()[0], "1 load value(s) stand on restrained degrees of freedom; "
                                       "they go straight into the support reactions.");
    // Loads and reactions still balance: the support takes P + Q.
    EXPECT_REL(r.cases[0].nodeForces(1, 2), P + Q);
    EXPECT_REL(r.cases[0].nodeDisplacements(2, 2), -Q * L * L * L / (3 * E * I3));
}
