// What OpenGL receives from the member load glyphs (list 31) and from the
// force diagrams drawn through the section forces at the 21 stations of a
// member (the ".mfs" results).
#include "ViewTestSupport.h"

#include <algorithm>
#include <cmath>
#include <set>

using namespace viewtest;

namespace {

class MemberLoadGlyphs : public ViewFixture {
protected:
    // One member from (0,0,0) to (4,0,0): the glyph height is
    // load scale 1 x 0.15 x 4 = 0.6.
    bool Start(CGeometry& geo)
    {
        if (!StartView(geo))
            return false;
        SetNodes(geo, {{0, 0, 0}, {4, 0, 0}}, 1.0);
        SetMembers(geo, {{1, 2, 4, 0, 1, 0}});
        return true;
    }
    // Shafts: lines whose ends differ in y only by more than the arrowheads.
    static std::vector<FeedbackRecord> Shafts(const Records& glyph)
    {
        std::vector<FeedbackRecord> shafts;
        for (const FeedbackRecord& r : testsupport::Lines(glyph))
            if (std::fabs(r.vertices[0].x - r.vertices[1].x) < 1e-5 &&
                std::fabs(r.vertices[0].y - r.vertices[1].y) > 0.1)
                shafts.push_back(r);
        return shafts;
    }
};

} // namespace

TEST_F(MemberLoadGlyphs, ArrowsEndOnTheMemberAndTheirTailsFollowTheIntensity)
{
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    // Uniform -10 along global Y, a point load of -20 at 1, a linear load
    // from 0 at 2 to -5 at 4.
    const CdMatrix loads = Table(3, 7, {{1, 1, 1}, {1, 2, 1}, {1, 3, 5}, {1, 6, -10},
                                        {2, 1, 1}, {2, 2, 3}, {2, 3, 5}, {2, 4, 1}, {2, 6, -20},
                                        {3, 1, 1}, {3, 2, 2}, {3, 3, 5}, {3, 4, 2}, {3, 5, 4}, {3, 7, -5}});
    geo.UpdateMemberLoad(loads);
    const auto glyphs = ByTag(FeedbackOfList(CGeometry::ListMemberLoads));
    ASSERT_EQ(glyphs.count(1), 1u);
    ASSERT_EQ(glyphs.count(2), 1u);
    ASSERT_EQ(glyphs.count(3), 1u);

    // Uniform: 11 arrows from y = 0.6 down to the member, tails joined.
    const auto uniform = Shafts(glyphs.at(1));
    ASSERT_EQ(uniform.size(), 11u);
    for (size_t n = 0; n < uniform.size(); ++n) {
        ExpectNear(At(uniform[n].vertices[0]), {0.4 * n, 0.6, 0});
        ExpectNear(At(uniform[n].vertices[1]), {0.4 * n, 0.0, 0});
        ExpectColour(uniform[n].vertices[0], Rgb255(255, 128, 0));
    }
    const auto uniformLines = testsupport::Lines(glyphs.at(1));
    EXPECT_EQ(uniformLines.size(), 11u * 3 + 1);
    ExpectNear(At(uniformLines.back().vertices[0]), {0, 0.6, 0});
    ExpectNear(At(uniformLines.back().vertices[1]), {4, 0.6, 0});
    EXPECT_EQ(Of(glyphs.at(1), GL_BITMAP_TOKEN).size(), 3u); // "-10"

    // Point load: one arrow at a = 1 of the full height.
    const auto point = Shafts(glyphs.at(2));
    ASSERT_EQ(point.size(), 1u);
    ExpectNear(At(point[0].vertices[0]), {1, 0.6, 0});
    ExpectNear(At(point[0].vertices[1]), {1, 0, 0});
    EXPECT_EQ(testsupport::Lines(glyphs.at(2)).size(), 3u);

    // Linear: no arrow where the intensity is 0, then tails rising to
    // 0.6 x 5 / 10 = 0.3 at b; the outline runs from the member at a.
    const auto linear = Shafts(glyphs.at(3));
    ASSERT_EQ(linear.size(), 4u); // 2.8 .. 4; the arrow at 2.4 (0.06) is too short to count
    EXPECT_NEAR(linear.back().vertices[0].x, 4.0, 1e-5);
    EXPECT_NEAR(linear.back().vertices[0].y, 0.3, 1e-5);
    const auto linearLines = testsupport::Lines(glyphs.at(3));
    ExpectNear(At(linearLines.back().vertices[0]), {2, 0, 0});
    ExpectNear(At(linearLines.back().vertices[1]), {4, 0.3, 0});
}

TEST_F(MemberLoadGlyphs, TheSwitchHidesThemAndLocalAxesTurnThem)
{
    Option("member load show", 0);
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    const CdMatrix loads = Table(1, 7, {{1, 1, 1}, {1, 2, 3}, {1, 3, 2}, {1, 4, 2}, {1, 6, 8}});
    geo.UpdateMemberLoad(loads);
    EXPECT_TRUE(Empty(CGeometry::ListMemberLoads));

    Option("member load show", 1);
    geo.LoadLibraryA();
    geo.UpdateMemberLoad(loads);
    // Local axis 2 of a member along X with its reference point on +Y is +Y:
    // a positive load points up, so its tail lies below the member.
    const auto shafts = Shafts(ByTag(FeedbackOfList(CGeometry::ListMemberLoads)).at(1));
    ASSERT_EQ(shafts.size(), 1u);
    ExpectNear(At(shafts[0].vertices[0]), {2, -0.6, 0});
    ExpectNear(At(shafts[0].vertices[1]), {2, 0, 0});
}

TEST_F(MemberLoadGlyphs, StationDiagramFollowsTheParabolaOfAUniformLoad)
{
    ProjectKey("File location ", dir.Folder());
    ProjectKey("Project name ", "P");
    ProjectKey("DOF ", "6");
    ProjectKey("Element Type ", "Frame3D");
    Option("Member Mz scale", 2);
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    ASSERT_TRUE(Table(3, 3, {{1, 1, 1}, {2, 2, 1}, {3, 3, 1}}).SaveRecord(1, dir.Folder() + "dcos"));

    // A simply supported beam of 4 under 10 per length: M(x) = 10 x (4 - x) / 2,
    // 20 at mid-span, at the 21 stations of the section force file.
    auto moment = [](double x) { return 10.0 * x * (4.0 - x) / 2.0; };
    CdMatrix stations(CGeometry::kStations, 6);
    for (int s = 1; s <= CGeometry::kStations; ++s)
        stations(s, 6) = moment(4.0 * (s - 1) / (CGeometry::kStations - 1));
    const std::string mfs = dir.Folder() + "P.mfs";
    ASSERT_TRUE(stations.SaveRecord(1, mfs));
    CdMatrix record;
    ASSERT_TRUE(record.LoadRecord(1, mfs));

    geo.UpdateMemberStations(record);
    const Records diagram = FeedbackOfList(CGeometry::ListMemberMz);
    std::set<long> ordinates;
    size_t coloured = 0;
    for (const FeedbackRecord& p : Of(diagram, GL_POLYGON_TOKEN))
        for (const FeedbackVertex& v : p.vertices) {
            if (IsWhite(v)) {
                EXPECT_NEAR(v.y, 0.0, 1e-4);
                continue;
            }
            ++coloured;
            EXPECT_NEAR(v.y, 2.0 * moment(v.x) / 20.0, 1e-4) << "at x = " << v.x;
            ordinates.insert(std::lround(v.y * 1e4));
        }
    EXPECT_GT(coloured, 0u);
    // A straight line between the two end values (both 0) would give none.
    EXPECT_GE(ordinates.size(), 10u);
    EXPECT_EQ(*ordinates.rbegin(), 20000); // 2 at mid-span
}
