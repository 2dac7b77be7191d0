// Solver results against hand formulas, to 1e-9 relative.
#include <gtest/gtest.h>

#include "ModelBuilder.h"

using namespace solvertest;

namespace {

const double E = 2.0e10, A = 0.01, G = 8.0e9, J = 2.0e-6, I2 = 3.0e-5, I3 = 8.0e-5;

// Cantilever along X, fixed at node 1, reference point (kx, ky, kz); one load
// case per entry of `loads` (dof, value) at the tip.
solver::ResultStore Cantilever(double L, double ky, double kz,
                               std::vector<std::pair<int, double>> loads,
                               solver::SolverStatus* status = nullptr)
{
    ModelBuilder b;
    b.Node(0, 0, 0, ModelBuilder::Fixed);
    b.Node(L, 0, 0);
    b.Member(1, 2, 0, ky, kz);
    b.Property(E, A, G, J, I2, I3);
    for (size_t k = 0; k < loads.size(); ++k)
        b.Load(static_cast<int>(k + 1), 2, loads[k].first, loads[k].second);
    return Solve(b.Build(), status);
}

} // namespace

TEST(ClosedFormTest, CantileverBendingTorsionAndAxialInBothOrientations)
{
    const double L = 3.0, P = 1500.0, T = 700.0, L3 = L * L * L;
    // Reference point on +Y: local 2 = +Y, local 3 = +Z.
    const solver::ResultStore r = Cantilever(L, 1, 0, {{2, P}, {3, P}, {4, T}, {1, P}});
    ASSERT_EQ(r.cases.size(), 4u);
    const solver::CaseResult &y = r.cases[0], &z = r.cases[1], &t = r.cases[2], &x = r.cases[3];
    // Force along Y bends with I3: tip PL^3/3EI3 and PL^2/2EI3; shear P,
    // moment PL at the root and 0 at the tip; reactions -P, -PL.
    ExpectRel({{y.nodeDisplacements(2, 2), P * L3 / (3 * E * I3)},
               {y.nodeDisplacements(2, 6), P * L * L / (2 * E * I3)},
               {y.memberForces(1, 2), P}, {y.memberForces(1, 6), P * L}, {y.memberForces(1, 8), P},
               {y.memberForces(1, 12), 0.0}, {y.nodeForces(1, 2), -P}, {y.nodeForces(1, 6), -P * L}},
              kTol * P * L);
    EXPECT_EQ(y.nodeDisplacements(1, 2), 0.0);
    EXPECT_EQ(y.nodeForces(2, 2), P);
    // Force along Z bends with I2, rotation about Y negative.
    ExpectRel({{z.nodeDisplacements(2, 3), P * L3 / (3 * E * I2)},
               {z.nodeDisplacements(2, 5), -P * L * L / (2 * E * I2)},
               {z.memberForces(1, 3), P}, {z.memberForces(1, 5), -P * L}, {z.nodeForces(1, 5), P * L}});
    // Torque: TL/GJ, constant torque. Axial: PL/EA, tension at both ends.
    ExpectRel({{t.nodeDisplacements(2, 4), T * L / (G * J)}, {t.memberForces(1, 4), T},
               {t.memberForces(1, 10), T}, {t.memberDisplacements(1, 10), T * L / (G * J)},
               {x.nodeDisplacements(2, 1), P * L / (E * A)}, {x.memberForces(1, 1), P},
               {x.memberForces(1, 7), P}, {x.memberDisplacements(1, 7), P * L / (E * A)}});

    // Reference point on +Z: local 2 = +Z, local 3 = -Y, so I2 and I3 swap.
    const double L2 = 2.5, Q = 900.0, Q3 = Q * L2 * L2 * L2;
    const solver::ResultStore o = Cantilever(L2, 0, 1, {{2, Q}, {3, Q}});
    ExpectRel({{o.cases[0].nodeDisplacements(2, 2), Q3 / (3 * E * I2)},
               {o.cases[1].nodeDisplacements(2, 3), Q3 / (3 * E * I3)},
               {o.cases[0].memberForces(1, 9), -Q}, {o.cases[1].memberForces(1, 8), Q},
               {o.cases[1].memberDisplacements(1, 8), Q3 / (3 * E * I3)}});
    EXPECT_EQ(o.axes[0](1, 1), 1.0);
    EXPECT_EQ(o.axes[0](2, 3), 1.0);
    EXPECT_EQ(o.axes[0](3, 2), -1.0);
}

TEST(ClosedFormTest, LoadOnASupportGoesStraightIntoTheReaction)
{
    const double L = 3.0, P = 500.0, Q = 200.0;
    ModelBuilder b;
    b.Node(0, 0, 0, ModelBuilder::Fixed);
    b.Node(L, 0, 0);
    b.Member(1, 2, 0, 1, 0);
    b.Property(E, A, G, J, I2, I3);
    b.Load(1, 1, 2, -P);
    b.Load(1, 2, 2, -Q);
    solver::SolverStatus status;
    const solver::ResultStore r = Solve(b.Build(), &status);
    ASSERT_EQ(status.GetWarnings(), std::vector<std::string>{
        "1 load value(s) stand on restrained degrees of freedom; they go straight into the "
        "support reactions."});
    ExpectRel({{r.cases[0].nodeForces(1, 2), P + Q},
               {r.cases[0].nodeDisplacements(2, 2), -Q * L * L * L / (3 * E * I3)}});
}

TEST(ClosedFormTest, TwoSpanBeamFixedAndThroughEndReleasesSimplySupported)
{
    for (bool released : {false, true}) {
        SCOPED_TRACE(released ? "released" : "fixed-fixed");
        const double a = released ? 1.75 : 2.0, L = 2 * a, P = released ? 3000.0 : 2400.0;
        const double Q = 1200.0, PL = P * L, L3 = L * L * L;
        ModelBuilder b;
        b.Node(0, 0, 0, ModelBuilder::Fixed);
        b.Node(a, 0, 0);
        b.Node(L, 0, 0, ModelBuilder::Fixed);
        b.Property(E, A, G, J, I2, I3);
        // Releases of the rotations about 2 and 3 at both supports: a simple span.
        b.Release({1, 1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1});
        b.Release({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0});
        b.Member(1, 2, 0, 1, 0, 1, released ? 1 : 0);
        b.Member(2, 3, 0, 1, 0, 1, released ? 2 : 0);
        b.Load(1, 2, 2, -P);
        b.Load(2, 2, 3, Q);
        const solver::ResultStore r = Solve(b.Build());
        const solver::CaseResult &c = r.cases[0], &q = r.cases[1];
        if (!released) { // PL^3/192EI, hogging PL/8 at the supports, sagging under the load
            ExpectRel({{c.nodeDisplacements(2, 2), -P * L3 / (192 * E * I3)},
                       {c.nodeDisplacements(2, 6), 0.0}, {c.nodeForces(1, 2), P / 2},
                       {c.nodeForces(3, 2), P / 2}, {c.nodeForces(1, 6), PL / 8},
                       {c.nodeForces(3, 6), -PL / 8}, {c.memberForces(1, 6), -PL / 8},
                       {c.memberForces(1, 12), PL / 8}, {c.memberForces(2, 6), PL / 8},
                       {c.memberForces(2, 12), -PL / 8}, {c.memberForces(1, 2), -P / 2},
                       {c.memberForces(2, 8), P / 2}},
                      1e-15);
            continue;
        }
        // PL^3/48EI, no support moments; the hinge turns by PL^2/16EI while
        // the fixed node does not; the same with I2 in the other plane.
        ExpectRel({{c.nodeDisplacements(2, 2), -P * L3 / (48 * E * I3)}, {c.nodeForces(1, 2), P / 2},
                   {c.nodeForces(1, 6), 0.0}, {c.nodeForces(3, 6), 0.0},
                   {c.memberForces(1, 12), PL / 4}, {c.memberForces(1, 6), 0.0},
                   {c.memberDisplacements(1, 6), -PL * L / (16 * E * I3)},
                   {c.memberDisplacements(2, 12), PL * L / (16 * E * I3)}},
                  kTol * PL);
        EXPECT_EQ(c.nodeDisplacements(1, 6), 0.0);
        ExpectRel({{q.nodeDisplacements(2, 3), Q * L3 / (48 * E * I2)}, {q.nodeForces(1, 5), 0.0}},
                  kTol * Q * L);
    }
}

TEST(ClosedFormTest, StaticallyDeterminateSpaceTruss)
{
    // Tripod: pinned supports A, B, C, apex D loaded by (100, 200, -300).
    // Reference points at the origin, on member 1's line: a bar needs none.
    ModelBuilder b(solver::Model::Type::Truss3D);
    b.Node(0, 0, 0, ModelBuilder::Pinned);
    b.Node(4, 0, 0, ModelBuilder::Pinned);
    b.Node(0, 3, 0, ModelBuilder::Pinned);
    b.Node(0, 0, 4);
    // Bar 1's release set frees every transverse and rotation code: they
    // mean nothing to a bar.
    b.Release({1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0});
    for (int s = 1; s <= 3; ++s)
        b.Member(s, 4, 0, 0, 0, 1, s == 1 ? 1 : 0);
    const double EA = 2.0e10 * 0.002;
    b.Property(2.0e10, 0.002, 0, 0, 0, 0);
    b.Load(1, 4, 1, 100);
    b.Load(1, 4, 2, 200);
    b.Load(1, 4, 3, -300);
    const solver::CaseResult c = Solve(b.Build()).cases[0];
    ASSERT_EQ(c.memberForces.GetCols(), 6);
    ASSERT_EQ(c.nodeDisplacements.GetCols(), 3);
    // Joint D: X gives NB/sqrt2 = -100, Y 3/5 NC = -200, Z then NA.
    const double nA = 200.0 / 3.0, nB = -100.0 * std::sqrt(2.0), nC = -1000.0 / 3.0;
    ExpectRel({{c.memberForces(1, 1), nA}, {c.memberForces(1, 4), nA}, {c.memberForces(2, 1), nB},
               {c.memberForces(3, 4), nC}, {c.nodeForces(1, 3), -nA},
               {c.nodeForces(2, 1), nB / std::sqrt(2.0)}, {c.nodeForces(3, 2), nC * 0.6},
               {c.nodeForces(3, 3), -nC * 0.8},
               {c.memberDisplacements(1, 4) - c.memberDisplacements(1, 1), nA * 4 / EA}});
    EXPECT_EQ(c.memberForces(1, 2), 0.0);
    // Compatibility: each bar stretches by NL/EA along its axis.
    Eigen::Matrix3d dir;
    dir << 0, 0, 1, -1 / std::sqrt(2.0), 0, 1 / std::sqrt(2.0), 0, -0.6, 0.8;
    const Eigen::Vector3d uD =
        dir.fullPivLu().solve(Eigen::Vector3d(nA * 4, nB * std::sqrt(32.0), nC * 5) / EA);
    for (int k = 0; k < 3; ++k)
        EXPECT_REL(c.nodeDisplacements(4, k + 1), uD(k));
}

TEST(ClosedFormTest, ThreeHingedPortalFrame)
{
    // Feet pinned about Z, a release hinge at mid-span: determinate.
    const double h = 4.0, w = 6.0, H = 1000.0, Hh = H * h;
    const std::array<int, 6> foot{0, 0, 0, 0, 0, 1};
    ModelBuilder b;
    b.Node(0, 0, 0, foot);
    b.Node(0, h, 0);
    b.Node(w / 2, h, 0);
    b.Node(w, h, 0);
    b.Node(w, 0, 0, foot);
    b.Property(E, A, G, J, I2, I3);
    b.Release({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0});
    b.Member(1, 2, 1, 0, 0);
    b.Member(2, 3, 0, h + 1, 0, 1, 1);
    b.Member(3, 4, w / 2, h + 1, 0);
    b.Member(4, 5, w + 1, h, 0);
    b.Load(1, 2, 1, H);
    const solver::CaseResult c = Solve(b.Build()).cases[0];
    // Reactions; corner moments Hh/2, none at the feet and the hinge; left
    // column in tension, right in compression, beam H/2 in compression.
    ExpectRel({{c.nodeForces(1, 1), -H / 2}, {c.nodeForces(5, 1), -H / 2},
               {c.nodeForces(1, 2), -Hh / w}, {c.nodeForces(5, 2), Hh / w},
               {std::abs(c.memberForces(1, 12)), Hh / 2}, {std::abs(c.memberForces(2, 6)), Hh / 2},
               {std::abs(c.memberForces(4, 6)), Hh / 2}, {c.memberForces(1, 6), 0.0},
               {c.memberForces(2, 12), 0.0}, {c.memberForces(4, 12), 0.0},
               {c.memberForces(1, 1), Hh / w}, {c.memberForces(4, 7), -Hh / w},
               {c.memberForces(2, 1), -H / 2}},
              kTol * Hh);
}
