#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "DemoProjects.h"

namespace {

double Total(const DemoProject& p, int k, int column)
{
    double sum = 0;
    for (const auto& row : p.loadCases[k])
        sum += row[column];
    return sum;
}

int RestrainedCodes(const DemoProject& p, int node)
{
    int n = 0;
    for (int c = 3; c < 3 + p.dof; ++c)
        n += p.nodes[node - 1][c] == 0.0;
    return n;
}

// Every member: stored length right, reference point off the member line,
// property and release numbers within their tables, no member twice.
void ExpectWellFormedMembers(const DemoProject& p)
{
    std::set<std::pair<int, int>> seen;
    for (int k = 1; k <= int(p.members.size()); ++k) {
        const auto& m = p.members[k - 1];
        const int a = int(m[0]), b = int(m[1]);
        ASSERT_TRUE(a >= 1 && a <= int(p.nodes.size()) && b >= 1 && b <= int(p.nodes.size())) << k;
        EXPECT_NE(a, b);
        EXPECT_TRUE(seen.insert({std::min(a, b), std::max(a, b)}).second) << "member " << k;
        EXPECT_NEAR(m[2], DemoProjects::MemberLength(p, k), 1e-12);
        EXPECT_GT(m[2], 1.0);
        const auto& s = p.nodes[a - 1];
        const auto& e = p.nodes[b - 1];
        const double d[3] = {e[0] - s[0], e[1] - s[1], e[2] - s[2]};
        const double u[3] = {m[3] - s[0], m[4] - s[1], m[5] - s[2]};
        const double w[3] = {d[1] * u[2] - d[2] * u[1], d[2] * u[0] - d[0] * u[2], d[0] * u[1] - d[1] * u[0]};
        EXPECT_GT(std::sqrt(w[0] * w[0] + w[1] * w[1] + w[2] * w[2]) / m[2], 0.4) << "member " << k;
        EXPECT_TRUE(m[6] >= 1 && m[6] <= p.properties.size()) << "member " << k;
        EXPECT_EQ(m[7], 1);
    }
}

TEST(DemoProjects, BuildingFrameIsAThreeStoreyFrameOnFixedBases)
{
    const DemoProject p = DemoProjects::BuildingFrame();
    EXPECT_EQ(p.elementType + std::to_string(p.dof), "Frame3D6");
    ASSERT_EQ(p.nodes.size(), 75u);      // 4 x 3 column lines on 4 levels, 27 mid-spans
    ASSERT_EQ(p.members.size(), 114u);   // 36 columns, 27 main beams in halves, 24 secondary
    ExpectWellFormedMembers(p);
    int fixed = 0;
    for (int i = 1; i <= 75; ++i) {
        const int r = RestrainedCodes(p, i);
        EXPECT_TRUE(r == 0 || r == 6) << i;
        EXPECT_EQ(r == 6, p.nodes[i - 1][1] == 0.0) << "only the bases are fixed";
        fixed += r == 6;
    }
    EXPECT_EQ(fixed, 12);
    ASSERT_EQ(p.loadCases.size(), 2u);
    ASSERT_EQ(p.loadCaseNames.size(), 2u);
    // Gravity: two floors at 500 and a roof at 300 kgf/m2 over 18 m x 10 m,
    // carried by the main beams as uniform loads along global -Y; then the
    // self weight of every member. No node loads.
    EXPECT_EQ(Total(p, 0, 1), 0.0);
    ASSERT_EQ(p.memberLoads.size(), 1u);
    double floors = 0.0;
    int selfWeight = 0;
    for (const auto& row : p.memberLoads[0]) {
        const int m = int(row[0]);
        ASSERT_GE(m, 1);
        ASSERT_LE(m, 114);
        EXPECT_EQ(row[2], 5.0);
        if (row[1] == 4.0) {
            EXPECT_EQ(row[5], -7850.0);
            EXPECT_EQ(++selfWeight, m) << "one row per member, in order";
            continue;
        }
        EXPECT_EQ(row[1], 1.0);
        EXPECT_EQ(p.members[m - 1][6], 2) << "only main beams carry the floors";
        floors += row[5] * DemoProjects::MemberLength(p, m);
    }
    EXPECT_NEAR(floors, -(2 * 500.0 + 300.0) * 18 * 10, 1e-6);
    EXPECT_EQ(selfWeight, 114);
    // Wind: 100 kgf/m2 on the 10 m wide facade up to mid-height of the roof storey.
    EXPECT_NEAR(Total(p, 1, 0), 100.0 * 10 * (3.5 * 2 + 1.75), 1e-6);
    EXPECT_EQ(Total(p, 1, 1), 0.0);
    EXPECT_EQ(p.combinations, (std::vector<std::vector<double>>{{1.35, 1.5}, {1.0, 1.0}}));
    EXPECT_EQ(p.combinationNames.size(), 2u);
}

// Its stability shows in the demo's solve (KestraDemo).
TEST(DemoProjects, PrattBridgeIsASpaceTrussOnFourBearings)
{
    const DemoProject p = DemoProjects::PrattBridge();
    EXPECT_EQ(p.elementType + std::to_string(p.dof), "Truss3D3");
    ASSERT_EQ(p.nodes.size(), 24u);
    ASSERT_EQ(p.members.size(), 69u);
    ExpectWellFormedMembers(p);
    // Supports: 3 + 2 + 2 + 1 restrained translations at the four bearings.
    int total = 0, bearings = 0;
    for (int i = 1; i <= 24; ++i) {
        total += RestrainedCodes(p, i);
        bearings += RestrainedCodes(p, i) > 0;
        for (int c = 6; c < 9; ++c)
            EXPECT_EQ(p.nodes[i - 1][c], 1.0);
    }
    EXPECT_EQ(total, 8);
    EXPECT_EQ(bearings, 4);
    ASSERT_EQ(p.loadCases.size(), 1u);
    EXPECT_NEAR(Total(p, 0, 1), -2 * 5 * 12000.0, 1e-9);
}

} // namespace
