// The six generated layouts: counts, coordinates, supports, and that every
// truss layout is a stable structure (its stiffness matrix has full rank).
#include <Eigen/Dense>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

#include "setup/LayoutGenerator.h"

namespace {

using L = LayoutGenerator;

struct Model {
    CdMatrix nodes;
    CdMatrix members;
};

Model Make(int layout, double h, double l, double w, int nx, int nz = 0, int ny = 1, int dof = 6)
{
    L::Dimensions d;
    d.height = h;
    d.length = l;
    d.width = w;
    d.baysLength = nx;
    d.baysWidth = nz;
    d.baysHeight = ny;
    Model m;
    std::string error;
    EXPECT_TRUE(L::Generate(layout, d, dof, m.nodes, m.members, &error)) << error;
    EXPECT_TRUE(error.empty());
    return m;
}

void ExpectNode(const Model& m, int i, double x, double y, double z)
{
    EXPECT_NEAR(m.nodes(i, 1), x, 1e-12) << "node " << i;
    EXPECT_NEAR(m.nodes(i, 2), y, 1e-12) << "node " << i;
    EXPECT_NEAR(m.nodes(i, 3), z, 1e-12) << "node " << i;
}

void ExpectMember(const Model& m, int k, int a, int b)
{
    EXPECT_EQ(m.members(k, 1), a) << "member " << k;
    EXPECT_EQ(m.members(k, 2), b) << "member " << k;
}

// What every layout must satisfy.
void ExpectSound(const Model& m, int dof)
{
    const int n = m.nodes.GetRows();
    ASSERT_EQ(m.nodes.GetCols(), 3 + dof);
    ASSERT_EQ(m.members.GetCols(), 8);
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j) {
            const double dx = m.nodes(i, 1) - m.nodes(j, 1), dy = m.nodes(i, 2) - m.nodes(j, 2),
                         dz = m.nodes(i, 3) - m.nodes(j, 3);
            EXPECT_GT(std::sqrt(dx * dx + dy * dy + dz * dz), 1e-6) << i << " and " << j;
        }
    std::set<std::pair<int, int>> seen;
    std::vector<int> used(static_cast<size_t>(n) + 1, 0);
    for (int k = 1; k <= m.members.GetRows(); ++k) {
        const int a = static_cast<int>(m.members(k, 1)), b = static_cast<int>(m.members(k, 2));
        ASSERT_TRUE(a >= 1 && a <= n && b >= 1 && b <= n) << k;
        EXPECT_TRUE(seen.insert({std::min(a, b), std::max(a, b)}).second) << "duplicate " << k;
        ++used[static_cast<size_t>(a)];
        ++used[static_cast<size_t>(b)];
        const double dx = m.nodes(b, 1) - m.nodes(a, 1), dy = m.nodes(b, 2) - m.nodes(a, 2),
                     dz = m.nodes(b, 3) - m.nodes(a, 3);
        const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
        EXPECT_GT(length, 1e-6) << k;
        EXPECT_NEAR(m.members(k, 3), length, 1e-12) << k;
        // The reference point lies off the member's line.
        const double rx = m.members(k, 4) - m.nodes(a, 1), ry = m.members(k, 5) - m.nodes(a, 2),
                     rz = m.members(k, 6) - m.nodes(a, 3);
        const double cx = dy * rz - dz * ry, cy = dz * rx - dx * rz, cz = dx * ry - dy * rx;
        EXPECT_GT(std::sqrt(cx * cx + cy * cy + cz * cz), 1e-9) << k;
        EXPECT_EQ(m.members(k, 7), 1.0);
        EXPECT_EQ(m.members(k, 8), 0.0);
    }
    // A node hangs on two members at least, unless it is a fixed base.
    for (int i = 1; i <= n; ++i) {
        bool fixed = true;
        for (int c = 4; c <= 3 + dof; ++c)
            fixed = fixed && m.nodes(i, c) == 0.0;
        EXPECT_GE(used[static_cast<size_t>(i)], fixed ? 1 : 2) << "node " << i << " hangs loose";
    }
    for (int i = 1; i <= n; ++i)
        for (int c = 4; c <= 3 + dof; ++c)
            EXPECT_TRUE(m.nodes(i, c) == 0.0 || m.nodes(i, c) == 1.0);
}

// Pin-jointed stiffness (unit EA) over the free translations; eq maps
// node translation 3 (i - 1) + c to its equation or -1.
Eigen::MatrixXd TrussStiffness(const Model& m, std::vector<int>& eq)
{
    const int n = m.nodes.GetRows();
    eq.assign(static_cast<size_t>(3 * n), -1);
    int free = 0;
    for (int i = 1; i <= n; ++i)
        for (int c = 0; c < 3; ++c)
            if (m.nodes(i, 4 + c) != 0.0)
                eq[static_cast<size_t>(3 * (i - 1) + c)] = free++;
    Eigen::MatrixXd k = Eigen::MatrixXd::Zero(free, free);
    for (int e = 1; e <= m.members.GetRows(); ++e) {
        const int a = static_cast<int>(m.members(e, 1)), b = static_cast<int>(m.members(e, 2));
        double u[3];
        for (int c = 0; c < 3; ++c)
            u[c] = (m.nodes(b, 1 + c) - m.nodes(a, 1 + c)) / m.members(e, 3);
        int idx[6];
        for (int c = 0; c < 3; ++c) {
            idx[c] = eq[static_cast<size_t>(3 * (a - 1) + c)];
            idx[3 + c] = eq[static_cast<size_t>(3 * (b - 1) + c)];
        }
        for (int r = 0; r < 6; ++r)
            for (int s = 0; s < 6; ++s) {
                if (idx[r] < 0 || idx[s] < 0)
                    continue;
                const double sign = (r < 3) == (s < 3) ? 1.0 : -1.0;
                k(idx[r], idx[s]) += sign * u[r % 3] * u[s % 3] / m.members(e, 3);
            }
    }
    return k;
}

// Rank test of the pin-jointed stiffness: a stable truss has no free
// mechanism, so the reduced matrix over the free translations is
// non-singular.
bool StableAsTruss(const Model& m)
{
    std::vector<int> eq;
    const Eigen::MatrixXd k = TrussStiffness(m, eq);
    Eigen::FullPivLU<Eigen::MatrixXd> lu(k);
    lu.setThreshold(1e-10);
    return lu.rank() == k.rows();
}

// Axial forces (tension positive) of the pin-jointed truss under a
// downward unit load at each of the given nodes.
std::vector<double> GravityForces(const Model& m, const std::vector<int>& loaded)
{
    std::vector<int> eq;
    const Eigen::MatrixXd k = TrussStiffness(m, eq);
    Eigen::VectorXd f = Eigen::VectorXd::Zero(k.rows());
    for (int node : loaded) {
        const int row = eq[static_cast<size_t>(3 * (node - 1) + 1)];
        if (row >= 0)
            f(row) -= 1.0;
    }
    const Eigen::VectorXd u = Eigen::FullPivLU<Eigen::MatrixXd>(k).solve(f);
    auto disp = [&](int node, int c) {
        const int row = eq[static_cast<size_t>(3 * (node - 1) + c)];
        return row >= 0 ? u(row) : 0.0;
    };
    std::vector<double> forces(static_cast<size_t>(m.members.GetRows()) + 1, 0.0);
    for (int e = 1; e <= m.members.GetRows(); ++e) {
        const int a = static_cast<int>(m.members(e, 1)), b = static_cast<int>(m.members(e, 2));
        double stretch = 0.0;
        for (int c = 0; c < 3; ++c)
            stretch += (disp(b, c) - disp(a, c)) * (m.nodes(b, 1 + c) - m.nodes(a, 1 + c)) /
                       m.members(e, 3);
        forces[static_cast<size_t>(e)] = stretch / m.members(e, 3);
    }
    return forces;
}

} // namespace

TEST(LayoutGenerator, NamesAndPictureTitlesInListOrder)
{
    const char* names[] = {"Pratt", "Howe Bridge", "Howe Roof", "Warren", "Lattice", "Grid"};
    const char* titles[] = {"PRATT", "BRIDGE", "ROOF", "WARREN", "LATTICE", "GRID"};
    for (int i = 0; i < L::LayoutCount; ++i) {
        EXPECT_STREQ(L::Name(i), names[i]);
        EXPECT_STREQ(L::PictureTitle(i), titles[i]);
    }
    EXPECT_STREQ(L::PictureTitle(-1), "");
    EXPECT_STREQ(L::PictureTitle(6), "");
}

TEST(LayoutGenerator, PrattTruss)
{
    Model m = Make(L::Pratt, 3.0, 12.0, 4.0, 4);
    ExpectSound(m, 6);
    ASSERT_EQ(m.nodes.GetRows(), 8);
    ASSERT_EQ(m.members.GetRows(), 13);
    ExpectNode(m, 1, 0, 0, 0);
    ExpectNode(m, 5, 12, 0, 0);
    ExpectNode(m, 6, 3, 3, 0);
    ExpectNode(m, 8, 9, 3, 0);
    ExpectMember(m, 1, 1, 2);
    ExpectMember(m, 4, 4, 5);
    ExpectMember(m, 5, 6, 7);     // top chord
    ExpectMember(m, 7, 2, 6);     // verticals
    ExpectMember(m, 10, 1, 6);    // end posts
    ExpectMember(m, 11, 8, 5);
    ExpectMember(m, 12, 6, 3);    // diagonals fall towards midspan
    ExpectMember(m, 13, 3, 8);
    EXPECT_NEAR(m.members(12, 3), std::sqrt(18.0), 1e-12);
    // Pin at the left, roller at the right; every node held in the plane.
    EXPECT_EQ(m.nodes(1, 4), 0.0);
    EXPECT_EQ(m.nodes(1, 5), 0.0);
    EXPECT_EQ(m.nodes(5, 4), 1.0);
    EXPECT_EQ(m.nodes(5, 5), 0.0);
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(m.nodes(i, 6), 0.0);
        EXPECT_EQ(m.nodes(i, 7), 0.0);
        EXPECT_EQ(m.nodes(i, 8), 0.0);
        EXPECT_EQ(m.nodes(i, 9), 1.0);
    }
    EXPECT_EQ(m.nodes(3, 4), 1.0);
    EXPECT_EQ(m.nodes(3, 5), 1.0);
    // Reference point straight up from the start node, a tenth of the length.
    EXPECT_NEAR(m.members(1, 5), 0.3, 1e-12);
    EXPECT_NEAR(m.members(7, 4), 3.3, 1e-12);   // vertical member: along X
    EXPECT_TRUE(StableAsTruss(m));
    // Without one diagonal the truss is a mechanism.
    Model broken = m;
    broken.members.DeleteRow(12);
    EXPECT_FALSE(StableAsTruss(broken));
}

TEST(LayoutGenerator, HoweBridgeDiagonalsRiseTowardsMidspan)
{
    Model m = Make(L::HoweBridge, 2.0, 8.0, 4.0, 4);
    ExpectSound(m, 6);
    ASSERT_EQ(m.members.GetRows(), 13);
    ExpectMember(m, 12, 2, 7);
    ExpectMember(m, 13, 7, 4);
    EXPECT_TRUE(StableAsTruss(m));
}

TEST(LayoutGenerator, OddBridgeCrossesTheMiddlePanel)
{
    Model m = Make(L::Pratt, 3.0, 15.0, 4.0, 5);
    ExpectSound(m, 6);
    ASSERT_EQ(m.nodes.GetRows(), 10);
    ASSERT_EQ(m.members.GetRows(), 18);
    // Middle panel between x = 6 and x = 9 holds both diagonals.
    ExpectMember(m, 16, 8, 4);   // top 2 -> bottom 3
    ExpectMember(m, 17, 3, 9);   // bottom 2 -> top 3
    EXPECT_TRUE(StableAsTruss(m));
}

TEST(LayoutGenerator, HoweRoofTruss)
{
    Model m = Make(L::HoweRoof, 3.0, 12.0, 4.0, 6);
    ExpectSound(m, 6);
    ASSERT_EQ(m.nodes.GetRows(), 12);
    ASSERT_EQ(m.members.GetRows(), 21);
    ExpectNode(m, 8, 2, 1, 0);
    ExpectNode(m, 10, 6, 3, 0);   // ridge
    ExpectNode(m, 12, 10, 1, 0);
    ExpectMember(m, 7, 1, 8);     // first rafter
    ExpectMember(m, 12, 12, 7);   // last rafter
    ExpectMember(m, 15, 4, 10);   // king post
    ExpectMember(m, 18, 8, 3);    // diagonals fan out from the king post foot
    ExpectMember(m, 19, 9, 4);
    ExpectMember(m, 20, 4, 11);
    ExpectMember(m, 21, 5, 12);
    EXPECT_TRUE(StableAsTruss(m));
    Model small = Make(L::HoweRoof, 1.0, 4.0, 1.0, 2);
    ExpectSound(small, 6);
    EXPECT_EQ(small.members.GetRows(), 5);
    EXPECT_TRUE(StableAsTruss(small));
}

TEST(LayoutGenerator, WarrenTruss)
{
    Model m = Make(L::Warren, 2.0, 12.0, 4.0, 3, 0, 1, 3);
    ExpectSound(m, 3);
    ASSERT_EQ(m.nodes.GetRows(), 7);
    ASSERT_EQ(m.members.GetRows(), 11);
    ExpectNode(m, 5, 2, 2, 0);
    ExpectNode(m, 7, 10, 2, 0);
    ExpectMember(m, 4, 5, 6);
    ExpectMember(m, 6, 1, 5);
    ExpectMember(m, 7, 5, 2);
    ExpectMember(m, 11, 7, 4);
    EXPECT_EQ(m.nodes(4, 4), 1.0);
    EXPECT_EQ(m.nodes(4, 5), 0.0);
    EXPECT_TRUE(StableAsTruss(m));
    EXPECT_TRUE(StableAsTruss(Make(L::Warren, 1.0, 1.0, 1.0, 1)));
}

TEST(LayoutGenerator, LatticeGirder)
{
    Model m = Make(L::Lattice, 2.0, 6.0, 1.5, 2);
    ExpectSound(m, 6);
    ASSERT_EQ(m.nodes.GetRows(), 12);
    ASSERT_EQ(m.members.GetRows(), 34);
    ExpectNode(m, 4, 0, 2, 1.5);
    ExpectNode(m, 9, 6, 0, 0);
    ExpectMember(m, 1, 1, 5);
    ExpectMember(m, 9, 1, 3);
    // Supports: both bottom nodes at x = 0 pinned, rollers at x = L.
    for (int c = 4; c <= 6; ++c) {
        EXPECT_EQ(m.nodes(1, c), 0.0);
        EXPECT_EQ(m.nodes(2, c), 0.0);
    }
    EXPECT_EQ(m.nodes(9, 4), 1.0);
    EXPECT_EQ(m.nodes(9, 5), 0.0);
    EXPECT_EQ(m.nodes(10, 5), 0.0);
    EXPECT_EQ(m.nodes(10, 6), 1.0);
    EXPECT_EQ(m.nodes(3, 5), 1.0);
    EXPECT_TRUE(StableAsTruss(m));
}

TEST(LayoutGenerator, GridFrame)
{
    Model m = Make(L::Grid, 6.0, 10.0, 4.0, 2, 1, 2);
    ExpectSound(m, 6);
    ASSERT_EQ(m.nodes.GetRows(), 3 * 2 * 3);
    // 12 columns, per floor 4 beams along X and 3 along Z.
    ASSERT_EQ(m.members.GetRows(), 12 + 2 * 7);
    ExpectNode(m, 2, 5, 0, 0);
    ExpectNode(m, 4, 0, 0, 4);
    ExpectNode(m, 18, 10, 6, 4);
    ExpectMember(m, 1, 1, 7);
    ExpectMember(m, 13, 7, 8);
    ExpectMember(m, 17, 7, 10);
    for (int i = 1; i <= 18; ++i)
        for (int c = 4; c <= 9; ++c)
            EXPECT_EQ(m.nodes(i, c), i <= 6 ? 0.0 : 1.0) << i << "," << c;
    // Without bays across the width: one plane frame.
    Model plane = Make(L::Grid, 3.0, 4.0, 0.0, 1, 0, 1);
    ExpectSound(plane, 6);
    EXPECT_EQ(plane.nodes.GetRows(), 4);
    EXPECT_EQ(plane.members.GetRows(), 3);
}

TEST(LayoutGenerator, TrussProjectsGetThreeRestraintColumns)
{
    Model m = Make(L::Pratt, 3.0, 12.0, 4.0, 4, 0, 1, 3);
    ExpectSound(m, 3);
    EXPECT_EQ(m.nodes.GetCols(), 6);
    EXPECT_TRUE(StableAsTruss(m));
}

// A Truss3D project gets only what stands as a pin-jointed truss.
TEST(LayoutGenerator, EveryLayoutGivenToATrussProjectIsStable)
{
    for (int layout = 0; layout < L::LayoutCount; ++layout) {
        Model m;
        std::string error;
        if (L::Generate(layout, L::Dimensions(), 3, m.nodes, m.members, &error)) {
            EXPECT_TRUE(StableAsTruss(m)) << L::Name(layout);
        } else {
            EXPECT_EQ(layout, L::Grid);
            EXPECT_EQ(error, "A grid is a moment frame: it needs the structure type Frame3D.");
        }
    }
}

TEST(LayoutGenerator, RefusedInputLeavesTheTablesAlone)
{
    CdMatrix nodes(2, 9), members(1, 8);
    nodes(1, 1) = 42.0;
    std::string error;
    L::Dimensions d;
    d.baysLength = 5;
    EXPECT_FALSE(L::Generate(L::HoweRoof, d, 6, nodes, members, &error));
    EXPECT_EQ(error, "A roof truss needs an even number of bays (2 or more).");
    EXPECT_EQ(nodes.GetRows(), 2);
    EXPECT_EQ(nodes(1, 1), 42.0);
    d = L::Dimensions();
    d.height = 0.0;
    EXPECT_FALSE(L::Generate(L::Warren, d, 6, nodes, members, &error));
    EXPECT_EQ(error, "Height and length must be greater than 0.");
    d = L::Dimensions();
    d.width = -1.0;
    EXPECT_FALSE(L::Generate(L::Lattice, d, 6, nodes, members, &error));
    d = L::Dimensions();
    d.baysLength = 1;
    EXPECT_FALSE(L::Generate(L::Pratt, d, 6, nodes, members, &error));
    d = L::Dimensions();
    d.baysHeight = 0;
    EXPECT_FALSE(L::Generate(L::Grid, d, 6, nodes, members, &error));
    d = L::Dimensions();
    d.baysLength = 2000000;
    EXPECT_FALSE(L::Generate(L::Warren, d, 6, nodes, members, &error));
    EXPECT_EQ(error, "Too many bays.");
    EXPECT_FALSE(L::Generate(7, L::Dimensions(), 6, nodes, members, &error));
    EXPECT_FALSE(L::Generate(L::Pratt, L::Dimensions(), 2, nodes, members, &error));
    EXPECT_EQ(members.GetRows(), 1);
}

// The web members carry what gives each pattern its name: under gravity
// the Pratt diagonals pull and the Howe diagonals push (the Howe verticals
// pull), and the Warren diagonals alternate along each half span.
TEST(LayoutGenerator, WebForcesUnderGravityMatchThePatternNames)
{
    // Bridges n = 6: bottom chord 1-6, top chord 7-10, verticals 11-15,
    // end posts 16-17, diagonals 18-21; deck load on the inner bottom nodes.
    for (int layout : {L::Pratt, L::HoweBridge}) {
        Model m = Make(layout, 3.0, 12.0, 4.0, 6);
        ASSERT_EQ(m.members.GetRows(), 21);
        const std::vector<double> n = GravityForces(m, {2, 3, 4, 5, 6});
        for (int e = 18; e <= 21; ++e) {
            const double force = n[static_cast<size_t>(e)];
            if (layout == L::Pratt) {
                EXPECT_GT(force, 0.1) << "Pratt diagonal " << e;
            } else {
                EXPECT_LT(force, -0.1) << "Howe diagonal " << e;
            }
        }
        if (layout == L::HoweBridge) {
            for (int e = 11; e <= 15; ++e)
                EXPECT_GT(n[static_cast<size_t>(e)], 0.1) << "Howe vertical " << e;
        }
    }
    // Howe roof n = 6: verticals 13-17, diagonals 18-21; load on the
    // rafter nodes 8-12.
    {
        Model m = Make(L::HoweRoof, 3.0, 12.0, 4.0, 6);
        const std::vector<double> n = GravityForces(m, {8, 9, 10, 11, 12});
        for (int e = 18; e <= 21; ++e)
            EXPECT_LT(n[static_cast<size_t>(e)], -0.1) << "Howe roof diagonal " << e;
        for (int e = 13; e <= 17; ++e)
            EXPECT_GT(n[static_cast<size_t>(e)], -1e-9) << "Howe roof vertical " << e;
        EXPECT_GT(n[15], 0.1);   // the king post hangs the bottom chord
    }
    // Warren n = 4: diagonals 8-15 in order along the span.
    {
        Model m = Make(L::Warren, 2.0, 12.0, 4.0, 4);
        ASSERT_EQ(m.members.GetRows(), 15);
        const std::vector<double> n = GravityForces(m, {2, 3, 4});
        for (int e = 8; e <= 14; ++e) {
            if (e == 11)   // the two diagonals meeting over midspan
                continue;
            EXPECT_LT(n[static_cast<size_t>(e)] * n[static_cast<size_t>(e + 1)], -1e-3) << e;
        }
        EXPECT_LT(n[8], 0.0);   // the end diagonal pushes
    }
}
