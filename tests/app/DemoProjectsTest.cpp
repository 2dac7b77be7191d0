#include <gtest/gtest.h>

#include <cmath>

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

TEST(DemoProjects, BuildingFrameIsAThreeStoreyFrameOnFixedBases)
{
    const DemoProject p = DemoProjects::BuildingFrame();
    EXPECT_EQ(p.elementType + std::to_string(p.dof), "Frame3D6");
    ASSERT_EQ(p.nodes.size(), 75u);      // 4 x 3 column lines on 4 levels, 27 mid-spans
    ASSERT_EQ(p.members.size(), 114u);   // 36 columns, 27 main beams in halves, 24 secondary
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

} // namespace
