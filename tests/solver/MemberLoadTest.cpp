// Member loads against hand formulas: fixed-end forces, their condensation
// through end releases, global directions, self weight and the section
// forces at the 21 stations, to 1e-9 relative.
#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "ModelBuilder.h"
#include "solver/SectionForces.h"

using namespace solvertest;

namespace {

const double E = 2.0e10, A = 0.01, G = 8.0e9, J = 2.0e-6, I2 = 3.0e-5, I3 = 8.0e-5;
constexpr int S = solver::SectionForces::Stations;

// Section force `column` of member m at station s (1..21).
double Station(const solver::CaseResult& r, int m, int s, int column)
{
    return r.sectionForces((m - 1) * S + s, column);
}

// Beam along X from the origin; nodes restrained as given; one member
// (reference point +Y: local 2 = +Y, 3 = +Z) or two halves.
ModelBuilder Beam(double L, std::array<int, 6> start, std::array<int, 6> end, int release = 0,
                  bool halves = false, solver::Model::Type type = solver::Model::Type::Frame3D)
{
    ModelBuilder b(type);
    b.Node(0, 0, 0, start);
    if (halves)
        b.Node(L / 2, 0, 0);
    b.Node(L, 0, 0, end);
    b.Property(E, A, G, J, I2, I3);
    b.Release({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}); // end hinged about 2 and 3
    if (halves) {
        b.Member(1, 2, 0, 1, 0);
        b.Member(2, 3, L / 2, 1, 0);
    } else {
        b.Member(1, 2, 0, 1, 0, 1, release);
    }
    return b;
}

// Simpson's rule with n (even) intervals: an independent check of the
// integrals behind the fixed-end forces.
double Simpson(double lo, double hi, const std::function<double(double)>& f, int n = 2000)
{
    const double h = (hi - lo) / n;
    double s = f(lo) + f(hi);
    for (int i = 1; i < n; ++i)
        s += f(lo + i * h) * (i % 2 ? 4.0 : 2.0);
    return s * h / 3.0;
}

} // namespace

TEST(MemberLoadTest, FixedAndProppedBeamsUnderUniformLoad)
{
    const double L = 6.0, w = 1200.0, wL2 = w * L * L;
    ModelBuilder b = Beam(L, ModelBuilder::Fixed, ModelBuilder::Fixed);
    b.MemberLoad(1, 1, 1, 5, 0, 0, -w); // global -Y
    const solver::CaseResult r = Solve(b.Build()).cases[0];
    ASSERT_EQ(r.sectionForces.GetRows(), S);
    ASSERT_EQ(r.sectionForces.GetCols(), 6);
    // Hogging wL^2/12 at both ends, sagging wL^2/24 at mid-span (station 11).
    ExpectRel({{r.memberForces(1, 6), -wL2 / 12}, {r.memberForces(1, 12), -wL2 / 12},
               {r.memberForces(1, 2), -w * L / 2}, {r.memberForces(1, 8), w * L / 2},
               {Station(r, 1, 11, 6), wL2 / 24}, {Station(r, 1, 11, 2), 0.0},
               {r.nodeForces(1, 2), w * L / 2}, {r.nodeForces(2, 2), w * L / 2},
               {r.nodeForces(1, 6), wL2 / 12}, {r.nodeForces(2, 6), -wL2 / 12}},
              kTol * wL2);
    // Every station on the parabola and the straight shear line; the ends
    // are the end forces.
    for (int s = 1; s <= S; ++s) {
        const double x = L * (s - 1) / (S - 1);
        EXPECT_NEAR(Station(r, 1, s, 6), -wL2 / 12 + w * L * x / 2 - w * x * x / 2, kTol * wL2) << s;
        EXPECT_NEAR(Station(r, 1, s, 2), -w * L / 2 + w * x, kTol * w * L) << s;
        EXPECT_EQ(Station(r, 1, s, 1), 0.0);
    }
    EXPECT_EQ(Station(r, 1, 1, 6), r.memberForces(1, 6));
    EXPECT_NEAR(Station(r, 1, S, 6), r.memberForces(1, 12), kTol * wL2);

    // Split at mid-span: the node there sags wL^4/384EI and does not turn.
    ModelBuilder h = Beam(L, ModelBuilder::Fixed, ModelBuilder::Fixed, 0, true);
    h.MemberLoad(1, 1, 1, 2, 0, 0, -w); // local -2
    h.MemberLoad(1, 2, 1, 2, 0, 0, -w);
    const solver::CaseResult m = Solve(h.Build()).cases[0];
    ExpectRel({{m.nodeDisplacements(2, 2), -w * L * L * L * L / (384 * E * I3)},
               {m.nodeDisplacements(2, 6), 0.0}, {m.memberForces(1, 12), wL2 / 24},
               {m.memberForces(1, 6), -wL2 / 12}},
              1e-15);

    // The member hinged at its end: a propped cantilever; the hinge turns by
    // wL^3/48EI although its node is fixed.
    ModelBuilder p = Beam(L, ModelBuilder::Fixed, ModelBuilder::Fixed, 1);
    p.MemberLoad(1, 1, 1, 5, 0, 0, -w);
    const solver::CaseResult q = Solve(p.Build()).cases[0];
    ExpectRel({{q.memberForces(1, 6), -wL2 / 8}, {q.memberForces(1, 12), 0.0},
               {q.nodeForces(1, 2), 5 * w * L / 8}, {q.nodeForces(2, 2), 3 * w * L / 8},
               {q.nodeForces(1, 6), wL2 / 8}, {q.nodeForces(2, 6), 0.0},
               {Station(q, 1, 11, 6), wL2 / 16}, {Station(q, 1, 21, 6), 0.0},
               {q.memberDisplacements(1, 12), w * L * L * L / (48 * E * I3)},
               {q.memberDisplacements(1, 6), 0.0}},
              kTol * wL2);
}

TEST(MemberLoadTest, SimplySupportedSpanUnderACentralPointLoad)
{
    // The same span as a frame member on a pin and a roller, and as a bar
    // of a truss, which hands the load to its nodes as simple-span reactions.
    const double L = 5.0, P = 3000.0;
    for (auto type : {solver::Model::Type::Frame3D, solver::Model::Type::Truss3D}) {
        const bool frame = type == solver::Model::Type::Frame3D;
        SCOPED_TRACE(frame ? "frame" : "truss");
        ModelBuilder b = Beam(L, {0, 0, 0, 0, 1, 1}, frame ? std::array<int, 6>{1, 0, 0, 1, 1, 1}
                                                           : ModelBuilder::Fixed,
                              0, false, type);
        b.MemberLoad(1, 1, 3, 5, L / 2, 0, -P);
        const solver::CaseResult r = Solve(b.Build()).cases[0];
        const int dof = frame ? 6 : 3;
        ASSERT_EQ(r.sectionForces.GetCols(), dof);
        // Shear -P/2 up to the load, +P/2 from it on (the station under the
        // load shows the value just past it).
        ExpectRel({{r.nodeForces(1, 2), P / 2}, {r.nodeForces(2, 2), P / 2},
                   {r.memberForces(1, 2), -P / 2}, {r.memberForces(1, dof + 2), P / 2},
                   {Station(r, 1, 10, 2), -P / 2}, {Station(r, 1, 11, 2), P / 2},
                   {Station(r, 1, 21, 2), P / 2}},
                  0.0);
        if (frame)
            ExpectRel({{Station(r, 1, 11, 6), P * L / 4}, {Station(r, 1, 6, 6), P * L / 8},
                       {r.memberForces(1, 6), 0.0}, {r.memberForces(1, 12), 0.0},
                       {r.nodeDisplacements(1, 6), -P * L * L / (16 * E * I3)}},
                      kTol * P * L);
    }
}

TEST(MemberLoadTest, CantileverUnderATrapezoidalLoad)
{
    // From w1 at a to w2 at b along local -2; fixed at the start, free tip.
    const double L = 4.0, a = 1.0, b = 3.0, w1 = -2000.0, w2 = -500.0;
    ModelBuilder m = Beam(L, ModelBuilder::Fixed, ModelBuilder::Free);
    m.MemberLoad(1, 1, 2, 2, a, b, w1, w2);
    const solver::CaseResult r = Solve(m.Build()).cases[0];
    auto q = [&](double x) { return w1 + (w2 - w1) * (x - a) / (b - a); };
    const double total = (w1 + w2) / 2 * (b - a);
    const double moment = Simpson(a, b, [&](double x) { return x * q(x); }); // about the base
    // Tip deflection and rotation: each slice q dx on a cantilever.
    const double tip = Simpson(a, b, [&](double x) { return q(x) * x * x * (3 * L - x) / (6 * E * I3); });
    const double turn = Simpson(a, b, [&](double x) { return q(x) * x * x / (2 * E * I3); });
    // Station 11 (x = 2): the part of the load beyond it, from q(2) to w2.
    const double beyond = (q(2.0) + w2) / 2, beyondMoment = (q(2.0) + 2 * w2) / 6;
    ExpectRel({{r.nodeForces(1, 2), -total}, {r.nodeForces(1, 6), -moment},
               {r.memberForces(1, 2), total}, {r.memberForces(1, 6), moment},
               {r.memberForces(1, 8), 0.0}, {r.memberForces(1, 12), 0.0},
               {Station(r, 1, 11, 2), beyond}, {Station(r, 1, 11, 6), beyondMoment},
               {Station(r, 1, 16, 2), 0.0}, {Station(r, 1, 21, 6), 0.0},
               {r.nodeDisplacements(2, 2), tip}, {r.nodeDisplacements(2, 6), turn}},
              kTol * std::abs(total) * L);
    EXPECT_EQ(Station(r, 1, 5, 2), total) << "no load before a";
}

TEST(MemberLoadTest, GlobalLoadsOnAMemberAt30DegreesArePerUnitLengthInLocalComponents)
{
    // Cantilever in the XY plane at 30 degrees to X; local 2 in that plane.
    const double L = 4.0, w = 1000.0, c = std::cos(M_PI / 6), s = std::sin(M_PI / 6);
    ModelBuilder b;
    b.Node(0, 0, 0, ModelBuilder::Fixed);
    b.Node(L * c, L * s, 0);
    b.Member(1, 2, -s, c, 0);
    b.Property(E, A, G, J, I2, I3);
    b.MemberLoad(1, 1, 1, 5, 0, 0, -w); // global -Y
    b.MemberLoad(2, 1, 1, 6, 0, 0, w);  // global +Z = local 3
    const solver::ResultStore r = Solve(b.Build());
    const solver::CaseResult &y = r.cases[0], &z = r.cases[1];
    const double wL = w * L;
    // -Y splits into -w/2 along the member and -w cos30 across it; the
    // reactions carry w L (not its projection) at the centroid.
    ExpectRel({{y.memberForces(1, 1), -wL / 2}, {y.memberForces(1, 2), -wL * c},
               {y.memberForces(1, 6), -wL * c * L / 2}, {y.memberForces(1, 7), 0.0},
               {Station(y, 1, 11, 1), -wL / 4}, {Station(y, 1, 11, 6), -wL * c * L / 8},
               {y.nodeForces(1, 1), 0.0}, {y.nodeForces(1, 2), wL},
               {y.nodeForces(1, 6), wL * L * c / 2},
               {y.nodeDisplacements(2, 1) * c + y.nodeDisplacements(2, 2) * s, -wL * L / (4 * E * A)}},
              kTol * wL * L);
    // +Z bends about local 2: tip deflection wL^4/8EI2, M2 = -wL^2/2.
    ExpectRel({{z.memberForces(1, 3), wL}, {z.memberForces(1, 5), -wL * L / 2},
               {z.nodeDisplacements(2, 3), wL * L * L * L / (8 * E * I2)},
               {z.nodeForces(1, 3), -wL}},
              kTol * wL * L);
}

TEST(MemberLoadTest, SelfWeightOfAColumn)
{
    // Column along +Y, fixed at its base, 78.5 kN/m3 (in kgf) downward.
    const double H = 3.5, gamma = 8004.6;
    ModelBuilder b;
    b.Node(0, 0, 0, ModelBuilder::Fixed);
    b.Node(0, H, 0);
    b.Member(1, 2, 1, 0, 0);
    b.Property(E, A, G, J, I2, I3);
    b.MemberLoad(1, 1, 4, 5, 0, 0, -gamma);
    const solver::CaseResult r = Solve(b.Build()).cases[0];
    const double weight = gamma * A * H;
    ExpectRel({{r.memberForces(1, 1), -weight}, {r.memberForces(1, 7), 0.0},
               {Station(r, 1, 11, 1), -weight / 2}, {Station(r, 1, 21, 1), 0.0},
               {r.nodeForces(1, 2), weight}, {r.memberForces(1, 2), 0.0},
               {r.nodeDisplacements(2, 2), -gamma * H * H / (2 * E)}},
              kTol * weight);
}
