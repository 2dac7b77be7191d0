// What OpenGL receives from list 13: each selected member's local 1-2 plane,
// its local axes with arrowheads and labels, and its K point (a sphere,
// checked by rendered pixels since sphere lists cannot be read back in
// feedback mode).
#include "ViewTestSupport.h"

#include <limits>

using namespace viewtest;

namespace {

// Line segments of non-zero length (a colour change inside a line batch
// may come back as an extra zero-length segment).
Records RealLines(const Records& records)
{
    Records lines;
    for (const FeedbackRecord& l : testsupport::Lines(records))
        if (glyph::Norm(At(l.vertices[0]) - At(l.vertices[1])) > 1e-6)
            lines.push_back(l);
    return lines;
}

struct AxisMember {
    Vec3 a, b, k;
    double length = -1; // the distance when negative
};

class GlyphAxes : public ViewFixture {
protected:
    // One member from a to b with reference point k per row, each on its
    // own two nodes.
    static void Model(CGeometry& geo, const std::vector<AxisMember>& rows)
    {
        std::vector<Vec3> nodes;
        std::vector<std::vector<double>> members;
        for (const AxisMember& m : rows) {
            nodes.push_back(m.a);
            nodes.push_back(m.b);
            const double n = static_cast<double>(nodes.size());
            members.push_back({n - 1, n, m.length < 0 ? glyph::Norm(m.b - m.a) : m.length, m.k.x, m.k.y, m.k.z});
        }
        SetNodes(geo, nodes, 0.0);
        SetMembers(geo, members);
        geo.UpdateMember();
    }

    static void Select(CGeometry& geo, int from, int to)
    {
        geo.m_activeTable = CGeometry::TableRefPoints;
        geo.m_selMemberFrom = from;
        geo.m_selMemberTo = to;
        geo.RenderRefPoint();
    }
};

} // namespace

TEST_F(GlyphAxes, PlaneAxesHeadsAndLabelsOfOneMember)
{
    Option("member K point show", 0); // the sphere is checked by pixels
    OptionRgb("member plan", 10, 20, 30);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Model(geo, {{{0, 0, 0}, {6, 0, 0}, {0, 5, 0}}});
    Select(geo, 1, 1);

    const auto records = FeedbackOfList(CGeometry::ListRefPoints);
    const auto members = ByTag(records);
    ASSERT_EQ(members.size(), 1u) << testsupport::Describe(records);
    const auto& m = members.at(1);

    // The 1-2 plane: white along the member, the plane colour at K.
    const auto polygons = Of(m, GL_POLYGON_TOKEN);
    ASSERT_EQ(polygons.size(), 4u); // plane + three heads
    const Vec3 plane[3] = {{0, 0, 0}, {6, 0, 0}, {0, 5, 0}};
    for (int v = 0; v < 3; ++v) {
        ExpectNear(At(polygons[0].vertices[v]), plane[v]);
        ExpectColour(polygons[0].vertices[v], v < 2 ? Vec3{1, 1, 1} : Rgb255(10, 20, 30));
    }
    // Axes from the midpoint (3,0,0), one third of the member long: 1 along
    // the member (red), 2 towards K (green), 3 normal to both (blue), each
    // labelled "1", "2", "3" at its tip in its colour. Heads beyond the
    // tips: 0.1 Lm long, Lm / 60 to either side, across axis 2 for axes 1
    // and 3 and across axis 1 for axis 2.
    const Vec3 tips[3] = {{5, 0, 0}, {3, 2, 0}, {3, 0, 2}};
    const Vec3 colours[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const Vec3 heads[3][3] = {{{5.6, 0, 0}, {5, 0.1, 0}, {5, -0.1, 0}},
                              {{3, 2.6, 0}, {3.1, 2, 0}, {2.9, 2, 0}},
                              {{3, 0, 2.6}, {3, 0.1, 2}, {3, -0.1, 2}}};
    const auto lines = RealLines(m);
    const auto text = Of(m, GL_BITMAP_TOKEN);
    ASSERT_EQ(lines.size(), 3u);
    ASSERT_EQ(text.size(), 3u);
    for (int n = 0; n < 3; ++n) {
        SCOPED_TRACE(n + 1);
        ExpectNear(At(lines[n].vertices[0]), {3, 0, 0});
        ExpectNear(At(lines[n].vertices[1]), tips[n]);
        ExpectColour(lines[n].vertices[1], colours[n]);
        for (int v = 0; v < 3; ++v) {
            ExpectNear(At(polygons[n + 1].vertices[v]), heads[n][v]);
            ExpectColour(polygons[n + 1].vertices[v], colours[n]);
        }
        ExpectNear(At(text[n].vertices[0]), tips[n]);
        ExpectColour(text[n].vertices[0], colours[n]);
    }

    // The keys: without axis 2, the plane and the labels, axes 1 and 3 with
    // their heads; with every axis off nothing is left.
    Options({{"member plan show", 0}, {"member local axis 2", 0}, {"member local axis ID", 0}});
    geo.LoadLibraryA();
    geo.RenderRefPoint();
    auto records2 = FeedbackOfList(CGeometry::ListRefPoints);
    const auto two = RealLines(records2);
    ASSERT_EQ(two.size(), 2u);
    ExpectNear(At(two[0].vertices[1]), tips[0]);
    ExpectNear(At(two[1].vertices[1]), tips[2]);
    EXPECT_EQ(testsupport::Count(records2, GL_POLYGON_TOKEN), 2u);
    EXPECT_EQ(testsupport::Count(records2, GL_BITMAP_TOKEN), 0u);
    Options({{"member local axis 1", 0}, {"member local axis 3", 0}});
    geo.LoadLibraryA();
    geo.RenderRefPoint();
    records2 = FeedbackOfList(CGeometry::ListRefPoints);
    EXPECT_EQ(testsupport::Count(records2, GL_POLYGON_TOKEN) + RealLines(records2).size(), 0u);
}

TEST_F(GlyphAxes, KPointOnTheLineDrawsNoAxesNothingUndefinedOnlyRefPointTableShows)
{
    Option("member K point show", 0);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    // K on the member, on its extension, no stored length, K undefined, good.
    Model(geo, {{{0, 0, 0}, {6, 0, 0}, {3, 0, 0}},
                {{0, 0, 0}, {6, 0, 0}, {9, 0, 0}},
                {{0, 5, 0}, {6, 5, 0}, {0, 9, 0}, 0},
                {{0, 9, 0}, {6, 9, 0}, {0, std::numeric_limits<double>::quiet_NaN(), 0}},
                {{0, 20, 0}, {6, 20, 0}, {0, 25, 0}}});
    Select(geo, 1, 5);
    const auto records = FeedbackOfList(CGeometry::ListRefPoints);
    EXPECT_TRUE(AllFinite(records)) << testsupport::Describe(records);
    const auto members = ByTag(records);
    for (int k = 1; k <= 4; ++k)
        if (members.count(k)) {
            EXPECT_EQ(RealLines(members.at(k)).size(), 0u) << k;
            EXPECT_EQ(testsupport::Count(members.at(k), GL_BITMAP_TOKEN), 0u) << k;
        }
    EXPECT_EQ(RealLines(members.at(5)).size(), 3u);
    // A range running past the last member stops at it.
    Select(geo, 5, 99);
    EXPECT_EQ(testsupport::Count(FeedbackOfList(CGeometry::ListRefPoints), GL_PASS_THROUGH_TOKEN), 1u);

    // Only the reference point table shows axes: from the connectivity
    // table the list is deleted, and selecting a member draws none either;
    // in the reference point table selecting a member draws them.
    geo.m_activeTable = CGeometry::TableConnectivity;
    geo.RenderRefPoint();
    EXPECT_FALSE(glIsList(CGeometry::ListRefPoints));
    geo.OnSelSelectMember();
    EXPECT_FALSE(glIsList(CGeometry::ListRefPoints));
    geo.m_activeTable = CGeometry::TableRefPoints;
    geo.OnSelSelectMember();
    EXPECT_EQ(RealLines(FeedbackOfList(CGeometry::ListRefPoints)).size(), 3u);
}

TEST_F(GlyphAxes, KPointIsARedSphereWithItsLabel)
{
    Options({{"member plan show", 0}, {"member local axis 1", 0}, {"member local axis 2", 0},
             {"member local axis 3", 0}});
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    // K at the origin, on the line of member 2 (its axes are undefined, its
    // K point is still shown).
    Model(geo, {{{-1, -1, -3}, {1, -1, -3}, {0, 0, 0}}, {{0, 0, 2}, {0, 0, 3}, {0, 0, 0}}});

    auto render = [&](int from, int to) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslated(0.0, 0.0, -1.0); // the sphere (radius 0.03) 1 unit away
        Select(geo, from, to);        // compiled and drawn at once
        glLoadIdentity();
        return testsupport::ReadViewport();
    };
    const testsupport::Rgba red{255, 0, 0, 255};

    // Member 1 alone: sphere at the centre of the view, 0.03 / tan(22.5 deg)
    // of half the view = about 9 pixels in radius. The label "k1" starts at
    // the centre and runs right and up, so left of and below the centre
    // only the sphere shows.
    testsupport::PixelImage image = render(1, 1);
    EXPECT_EQ(image.At(kWidth / 2 - 4, kHeight / 2 - 4), red);
    EXPECT_EQ(image.At(kWidth / 2 + 4, kHeight / 2 - 4), red);
    EXPECT_NE(image.At(kWidth / 2 - 20, kHeight / 2 - 4), red);
    const int sphere = image.CountMatching({255, 0, 0, 255});
    EXPECT_GT(sphere, 150);  // about pi * 9^2 = 250 plus the label
    EXPECT_LT(sphere, 1000);
    EXPECT_EQ(image.CountDifferent({0, 0, 0, 0}) - sphere, 0); // only red drawn

    // Member 2 (K on its line): the same K point, no axes.
    image = render(2, 2);
    EXPECT_EQ(image.At(kWidth / 2 - 4, kHeight / 2 - 4), red);

    // K points switched off: nothing at all.
    Option("member K point show", 0);
    geo.LoadLibraryA();
    image = render(1, 2);
    EXPECT_EQ(image.CountDifferent({0, 0, 0, 0}), 0);
}
