// The six generated layouts: counts, coordinates, supports, and that every
// truss layout is a stable structure (its stiffness matrix has full rank).
#include <Eigen/Dense>
#include <array>
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

// Coordinates {i, x, y, z} and member ends {k, start, end}.
void ExpectNodes(const Model& m, std::initializer_list<std::array<double, 4>> rows)
{
    for (const auto& r : rows)
        for (int c = 1; c <= 3; ++c)
            EXPECT_NEAR(m.nodes(int(r[0]), c), r[c], 1e-12) << "node " << r[0];
}

// Restraint codes {i, column, value}.
void ExpectCodes(const Model& m, std::initializer_list<std::array<int, 3>> rows)
{
    for (const auto& r : rows)
        EXPECT_EQ(m.nodes(r[0], r[1]), r[2]) << "node " << r[0] << " column " << r[1];
}

Eigen::Vector3d At(const Model& m, int i)
{
    return {m.nodes(i, 1), m.nodes(i, 2), m.nodes(i, 3)};
}

std::pair<int, int> Ends(const Model& m, int k)
{
    return {static_cast<int>(m.members(k, 1)), static_cast<int>(m.members(k, 2))};
}

// What every layout must satisfy: distinct nodes, no duplicate or
// zero-length member, the length in column 3, a reference point off the
// member's line, property 1 and no release, codes 0 or 1, and every node on
// two members at least unless it is a fixed base.
void ExpectSound(const Model& m, int dof)
{
    const int n = m.nodes.GetRows();
    ASSERT_EQ(m.nodes.GetCols(), 3 + dof);
    ASSERT_EQ(m.members.GetCols(), 8);
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j)
            EXPECT_GT((At(m, i) - At(m, j)).norm(), 1e-6) << i << " and " << j;
    std::set<std::pair<int, int>> seen;
    std::vector<int> used(static_cast<size_t>(n) + 1, 0);
    for (int k = 1; k <= m.members.GetRows(); ++k) {
        const auto [a, b] = Ends(m, k);
        ASSERT_TRUE(a >= 1 && a <= n && b >= 1 && b <= n) << k;
        EXPECT_TRUE(seen.insert({std::min(a, b), std::max(a, b)}).second) << "duplicate " << k;
        ++used[static_cast<size_t>(a)];
        ++used[static_cast<size_t>(b)];
        const Eigen::Vector3d d = At(m, b) - At(m, a);
        const Eigen::Vector3d ref(m.members(k, 4), m.members(k, 5), m.members(k, 6));
        EXPECT_GT(d.norm(), 1e-6) << k;
        EXPECT_NEAR(m.members(k, 3), d.norm(), 1e-12) << k;
        EXPECT_GT(d.cross(ref - At(m, a)).norm(), 1e-9) << k;
        EXPECT_EQ(m.members(k, 7), 1.0);
        EXPECT_EQ(m.members(k, 8), 0.0);
    }
    for (int i = 1; i <= n; ++i) {
        bool fixed = true;
        for (int c = 4; c <= 3 + dof; ++c) {
            EXPECT_TRUE(m.nodes(i, c) == 0.0 || m.nodes(i, c) == 1.0);
            fixed = fixed && m.nodes(i, c) == 0.0;
        }
        EXPECT_GE(used[static_cast<size_t>(i)], fixed ? 1 : 2) << "node " << i << " hangs loose";
    }
}

// Pin-jointed truss, unit EA, over the free translations.
struct Truss {
    std::vector<int> eq; // translation 3 (i - 1) + c to its equation, or -1
    Eigen::MatrixXd k;
    explicit Truss(const Model& m)
    {
        int free = 0;
        for (int i = 1; i <= m.nodes.GetRows(); ++i)
            for (int c = 0; c < 3; ++c)
                eq.push_back(m.nodes(i, 4 + c) != 0.0 ? free++ : -1);
        k = Eigen::MatrixXd::Zero(free, free);
        for (int e = 1; e <= m.members.GetRows(); ++e) {
            const auto [a, b] = Ends(m, e);
            const Eigen::Vector3d u = (At(m, b) - At(m, a)) / m.members(e, 3);
            for (int r = 0; r < 6; ++r)
                for (int s = 0; s < 6; ++s) {
                    const int i = Eq(r < 3 ? a : b, r % 3), j = Eq(s < 3 ? a : b, s % 3);
                    if (i >= 0 && j >= 0)
                        k(i, j) += ((r < 3) == (s < 3) ? 1 : -1) * u(r % 3) * u(s % 3) / m.members(e, 3);
                }
        }
    }
    int Eq(int node, int c) const { return eq[static_cast<size_t>(3 * (node - 1) + c)]; }
};

// A stable truss has no mechanism: full rank over the free translations.
bool StableAsTruss(const Model& m)
{
    const Truss t(m);
    Eigen::FullPivLU<Eigen::MatrixXd> lu(t.k);
    lu.setThreshold(1e-10);
    return lu.rank() == t.k.rows();
}

} // namespace

TEST(LayoutGenerator, CountsOfEveryLayoutAndStableAsTruss)
{
    struct Case {
        const char* name;
        int layout;
        double h, l, w;
        int nx, nz, ny, dof, nodes, members;
        bool truss; // stands as a pin-jointed truss
    };
    const Case cases[] = {
        {"Pratt", L::Pratt, 3, 12, 4, 4, 0, 1, 6, 8, 13, true},
        {"odd Pratt", L::Pratt, 3, 15, 4, 5, 0, 1, 6, 10, 18, true},
        {"Howe bridge", L::HoweBridge, 2, 8, 4, 4, 0, 1, 6, 8, 13, true},
        {"Howe roof", L::HoweRoof, 3, 12, 4, 6, 0, 1, 6, 12, 21, true},
        {"small Howe roof", L::HoweRoof, 1, 4, 1, 2, 0, 1, 6, 4, 5, true},
        {"Warren", L::Warren, 2, 12, 4, 3, 0, 1, 3, 7, 11, true},
        {"single Warren", L::Warren, 1, 1, 1, 1, 0, 1, 6, 3, 3, true},
        {"Lattice", L::Lattice, 2, 6, 1.5, 2, 0, 1, 6, 12, 34, true},
        // 12 columns, per floor 4 beams along X and 3 along Z.
        {"Grid", L::Grid, 6, 10, 4, 2, 1, 2, 6, 18, 12 + 2 * 7, false},
        {"plane grid", L::Grid, 3, 4, 0, 1, 0, 1, 6, 4, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Model m = Make(c.layout, c.h, c.l, c.w, c.nx, c.nz, c.ny, c.dof);
        ExpectSound(m, c.dof);
        EXPECT_EQ(m.nodes.GetRows(), c.nodes);
        EXPECT_EQ(m.members.GetRows(), c.members);
        EXPECT_TRUE(!c.truss || StableAsTruss(m));
    }
}

// Coordinates and supports; the connectivity is compared with the shipped
// pictures in the geometry wizard's tests.
TEST(LayoutGenerator, CoordinatesAndSupports)
{
    const Model pratt = Make(L::Pratt, 3.0, 12.0, 4.0, 4);
    ExpectNodes(pratt, {{1, 0, 0, 0}, {5, 12, 0, 0}, {6, 3, 3, 0}, {8, 9, 3, 0}});
    // Pins at both bearings; every node held in the plane.
    ExpectCodes(pratt, {{1, 4, 0}, {1, 5, 0}, {5, 4, 0}, {5, 5, 0}, {3, 4, 1}, {3, 5, 1}});
    for (int i = 1; i <= 8; ++i)
        ExpectCodes(pratt, {{i, 6, 0}, {i, 7, 0}, {i, 8, 0}, {i, 9, 1}});
    // Reference point a tenth of the length up from the start node; a
    // vertical member's along X.
    EXPECT_NEAR(pratt.members(1, 5), 0.3, 1e-12);
    EXPECT_NEAR(pratt.members(7, 4), 3.3, 1e-12);
    // An odd bridge crosses its middle panel (x = 6 to 9) with both diagonals.
    const Model odd = Make(L::Pratt, 3.0, 15.0, 4.0, 5);
    EXPECT_EQ(Ends(odd, 16), std::make_pair(8, 4));
    EXPECT_EQ(Ends(odd, 17), std::make_pair(3, 9));

    const Model roof = Make(L::HoweRoof, 3.0, 12.0, 4.0, 6);
    ExpectNodes(roof, {{8, 2, 1, 0}, {10, 6, 3, 0}, {12, 10, 1, 0}}); // 10: ridge
    ExpectCodes(roof, {{1, 4, 0}, {1, 5, 0}, {7, 4, 0}, {7, 5, 0}, {4, 4, 1}, {4, 5, 1}});
    const Model warren = Make(L::Warren, 2.0, 12.0, 4.0, 3, 0, 1, 3);
    ExpectNodes(warren, {{5, 2, 2, 0}, {7, 10, 2, 0}});
    ExpectCodes(warren, {{4, 4, 0}, {4, 5, 0}});

    // Lattice: both bottom nodes at x = 0 pinned, rollers at x = L.
    const Model lattice = Make(L::Lattice, 2.0, 6.0, 1.5, 2);
    ExpectNodes(lattice, {{4, 0, 2, 1.5}, {9, 6, 0, 0}});
    ExpectCodes(lattice, {{1, 4, 0}, {1, 5, 0}, {1, 6, 0}, {2, 4, 0}, {2, 5, 0}, {2, 6, 0},
                          {9, 4, 1}, {9, 5, 0}, {10, 5, 0}, {10, 6, 1}, {3, 5, 1}});

    // Grid: the ground floor fixed, everything above free.
    const Model grid = Make(L::Grid, 6.0, 10.0, 4.0, 2, 1, 2);
    ExpectNodes(grid, {{2, 5, 0, 0}, {4, 0, 0, 4}, {18, 10, 6, 4}});
    for (int i = 1; i <= 18; ++i)
        for (int c = 4; c <= 9; ++c)
            EXPECT_EQ(grid.nodes(i, c), i <= 6 ? 0.0 : 1.0) << i << "," << c;
}

TEST(LayoutGenerator, RefusedInputLeavesTheTablesAlone)
{
    CdMatrix nodes(2, 9), members(1, 8);
    nodes(1, 1) = 42.0;
    struct Case {
        int layout, dof;
        void (*change)(L::Dimensions&);
        const char* error; // nullptr: any message
    };
    const Case cases[] = {
        {L::HoweRoof, 6, [](L::Dimensions& d) { d.baysLength = 5; },
         "A roof truss needs an even number of bays (2 or more)."},
        {L::Warren, 6, [](L::Dimensions& d) { d.height = 0.0; },
         "Height and length must be greater than 0."},
        {L::Lattice, 6, [](L::Dimensions& d) { d.width = -1.0; }, nullptr},
        {L::Pratt, 6, [](L::Dimensions& d) { d.baysLength = 1; }, nullptr},
        {L::Grid, 6, [](L::Dimensions& d) { d.baysHeight = 0; }, nullptr},
        {L::Warren, 6, [](L::Dimensions& d) { d.baysLength = 2000000; }, "Too many bays."},
        {7, 6, [](L::Dimensions&) {}, nullptr},
        {L::Pratt, 2, [](L::Dimensions&) {}, nullptr},
        // A Truss3D project gets only what stands as a pin-jointed truss.
        {L::Grid, 3, [](L::Dimensions&) {}, "A grid is a moment frame: it needs the structure type Frame3D."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        L::Dimensions d;
        c.change(d);
        std::string error;
        EXPECT_FALSE(L::Generate(c.layout, d, c.dof, nodes, members, &error));
        if (c.error) {
            EXPECT_EQ(error, c.error);
        }
        EXPECT_EQ(nodes.GetRows(), 2);
        EXPECT_EQ(nodes(1, 1), 42.0);
        EXPECT_EQ(members.GetRows(), 1);
    }
}
