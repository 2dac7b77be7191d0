// What OpenGL receives from the load glyph lists 7 to 12: arrow lengths from
// the printed width of the load, arrowheads, arcs of the moments with their
// heads turning the right way, labels, colours and show switches.
#include "ViewTestSupport.h"

#include <algorithm>
#include <limits>

using namespace viewtest;

namespace {

// Lists of the load components between Fx (7) and Mz (12).
constexpr GLuint kListFy = CGeometry::ListLoadFx + 1;
constexpr GLuint kListFz = CGeometry::ListLoadFx + 2;
constexpr GLuint kListMx = CGeometry::ListLoadFx + 3;
constexpr GLuint kListMy = CGeometry::ListLoadFx + 4;

double Distance(const Vec3& a, const Vec3& b) { return glyph::Norm(a - b); }

// The arrowhead vertex farthest from `from` (the tip), and the distance to
// the nearest one.
Vec3 HeadTip(const Records& glyphRecords, const Vec3& from)
{
    Vec3 tip = from;
    for (const FeedbackRecord& r : Of(glyphRecords, GL_POLYGON_TOKEN))
        for (const FeedbackVertex& v : r.vertices)
            if (Distance(At(v), from) > Distance(tip, from))
                tip = At(v);
    return tip;
}
double NearestHeadVertex(const Records& glyphRecords, const Vec3& from)
{
    double nearest = std::numeric_limits<double>::infinity();
    for (const FeedbackRecord& r : Of(glyphRecords, GL_POLYGON_TOKEN))
        for (const FeedbackVertex& v : r.vertices)
            nearest = std::min(nearest, Distance(At(v), from));
    return nearest;
}

class GlyphLoads : public ViewFixture {
protected:
    // n nodes spread along a diagonal so that no two glyphs meet.
    static void Nodes(CGeometry& geo, int n)
    {
        std::vector<Vec3> xyz;
        for (int i = 1; i <= n; ++i)
            xyz.push_back({20.0 * i, -10.0 * i, 5.0 * i});
        SetNodes(geo, xyz, 0.0);
    }
    static Vec3 Node(const CGeometry& geo, int i) { return NodeAt(geo, i); }
};

} // namespace

TEST_F(GlyphLoads, ForceArrowLengthFollowsThePrintedWholePart)
{
    Option("load scale", 10);
    OptionRgb("Fx", 255, 128, 0);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Nodes(geo, 5);
    const double values[5] = {5, 250, -250, 9, -9};
    geo.UpdateLoad(Table(5, 6, {{1, 1, 5}, {2, 1, 250}, {3, 1, -250}, {4, 1, 9}, {5, 1, -9}}));

    const auto records = FeedbackOfList(CGeometry::ListLoadFx);
    const auto glyphs = ByTag(records);
    ASSERT_EQ(glyphs.size(), 5u) << testsupport::Describe(records);
    // n x s / 10 with s = 10: "5" 1, "250" 3, "-250" 4, "9" 1, "-9" 2.
    const double lengths[5] = {1, 3, 4, 1, 2};
    for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        const auto& g = glyphs.at(i);
        const double sign = values[i - 1] > 0 ? 1 : -1;
        const Vec3 node = Node(geo, i);
        const Vec3 end = node + Vec3{sign * lengths[i - 1], 0, 0};
        const auto lines = testsupport::Lines(g);
        ASSERT_EQ(lines.size(), 1u);
        ExpectNear(At(lines[0].vertices[0]), node);
        ExpectNear(At(lines[0].vertices[1]), end);
        ExpectColour(lines[0].vertices[1], Rgb255(255, 128, 0));
        // The head continues the arrow by 0.3, 0.06 wide on either side.
        ExpectNear(HeadTip(g, end), end + Vec3{sign * 0.3, 0, 0});
        for (const FeedbackRecord& p : Of(g, GL_POLYGON_TOKEN))
            for (const FeedbackVertex& v : p.vertices) {
                EXPECT_LE(std::fabs(v.y - end.y) + std::fabs(v.z - end.z), 0.06 + 1e-4);
                EXPECT_GE(sign * (v.x - end.x), -1e-4);
            }
        // The label: one character per printed character, beyond the head.
        const auto text = Of(g, GL_BITMAP_TOKEN);
        ASSERT_EQ(text.size(), glyph::LoadLabel(values[i - 1], 1.0).size());
        const Vec3 labelAt = sign > 0 ? end + Vec3{0.3, 0, 0} : end + Vec3{-0.3, 0.1, 0};
        ExpectNear(At(text[0].vertices[0]), labelAt);
    }
}

TEST_F(GlyphLoads, EachForceComponentPointsAlongItsAxisAwayFromTheNode)
{
    CGeometry geo; // load scale 1, default colours
    ASSERT_TRUE(StartView(geo));
    Nodes(geo, 6);
    geo.UpdateLoad(Table(6, 6, {{1, 1, 12}, {2, 1, -12}, {3, 2, 12}, {4, 2, -12}, {5, 3, 12}, {6, 3, -12}}));

    const Vec3 axis[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    const Vec3 colour[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (int c = 0; c < 3; ++c) {
        const auto glyphs = ByTag(FeedbackOfList(CGeometry::ListLoadFx + c));
        ASSERT_EQ(glyphs.size(), 2u) << "component " << c + 1;
        for (int k = 0; k < 2; ++k) {
            const int node = 2 * c + 1 + k;
            const double sign = k == 0 ? 1 : -1;
            SCOPED_TRACE(node);
            const auto& g = glyphs.at(node);
            // "12" prints 2 characters, "-12" 3.
            const Vec3 end = Node(geo, node) + (sign * (k == 0 ? 0.2 : 0.3)) * axis[c];
            const auto lines = testsupport::Lines(g);
            ASSERT_EQ(lines.size(), 1u);
            ExpectNear(At(lines[0].vertices[1]), end);
            ExpectNear(At(lines[0].vertices[0]), Node(geo, node));
            ExpectColour(lines[0].vertices[0], colour[c]);
            ExpectNear(HeadTip(g, end), end + (sign * 0.3) * axis[c]);
        }
    }
    // Fy and Fz put their labels 0.3 off the head along +-Y; Fz's negative
    // label stays on the +Y side.
    const auto fz = ByTag(FeedbackOfList(kListFz));
    const auto fzText = Of(fz.at(6), GL_BITMAP_TOKEN);
    ASSERT_FALSE(fzText.empty());
    ExpectNear(At(fzText[0].vertices[0]), Node(geo, 6) + Vec3{0, 0.3, -0.3});
    const auto fy = ByTag(FeedbackOfList(kListFy));
    const auto fyText = Of(fy.at(4), GL_BITMAP_TOKEN);
    ASSERT_FALSE(fyText.empty());
    ExpectNear(At(fyText[0].vertices[0]), Node(geo, 4) + Vec3{0, -0.6, 0});
}

TEST_F(GlyphLoads, MomentArcsTurnTheRightWayRoundTheirAxis)
{
    Option("load scale", 5);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Nodes(geo, 6);
    CdMatrix loads(6, 6);
    for (int c = 0; c < 3; ++c) {
        loads(2 * c + 1, 4 + c) = 700;   // n = 3: radius 1.5
        loads(2 * c + 2, 4 + c) = -700;  // n = 4: radius 2
    }
    geo.UpdateLoad(loads);

    const Vec3 axis[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (int c = 0; c < 3; ++c) {
        const auto records = FeedbackOfList(kListMx + c);
        const auto glyphs = ByTag(records);
        ASSERT_EQ(glyphs.size(), 2u) << testsupport::Describe(records);
        for (int k = 0; k < 2; ++k) {
            const int node = 2 * c + 1 + k;
            SCOPED_TRACE(node);
            const auto& g = glyphs.at(node);
            const Vec3 centre = Node(geo, node);
            const double radius = k == 0 ? 1.5 : 2.0;
            // 27 arc points: 26 segments, every point on the circle in the
            // plane normal to the axis.
            const auto lines = testsupport::Lines(g);
            ASSERT_EQ(lines.size(), 26u);
            for (const FeedbackRecord& l : lines)
                for (const FeedbackVertex& v : l.vertices) {
                    EXPECT_NEAR(Distance(At(v), centre), radius, 1e-3);
                    EXPECT_NEAR(glyph::Dot(At(v) - centre, axis[c]), 0.0, 1e-3);
                }
            // The head sits on the arc at one of its ends and turns in the
            // sense of the load (right-hand rule about the axis).
            const Vec3 first = At(lines.front().vertices[0]);
            const Vec3 last = At(lines.back().vertices[1]);
            const Vec3 base = NearestHeadVertex(g, first) < NearestHeadVertex(g, last) ? first : last;
            EXPECT_NEAR(NearestHeadVertex(g, base), glyph::kHeadRadius, 1e-3);
            const Vec3 tip = HeadTip(g, base);
            EXPECT_NEAR(Distance(tip, base), 0.3, 1e-3);
            const double turn = glyph::Dot(glyph::Cross(base - centre, tip - base), axis[c]);
            if (k == 0)
                EXPECT_GT(turn, 0.2 * radius * 0.3);
            else
                EXPECT_LT(turn, -0.2 * radius * 0.3);
            // Label 0.4 along the head's axis from its base.
            const auto text = Of(g, GL_BITMAP_TOKEN);
            ASSERT_EQ(text.size(), k == 0 ? 3u : 4u);
            ExpectNear(At(text[0].vertices[0]), base + (0.4 / 0.3) * (tip - base), 1e-3);
        }
    }
}

TEST_F(GlyphLoads, MomentArcStartsAndEndsWhereTheTableSays)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Nodes(geo, 1);
    geo.UpdateLoad(Table(1, 6, {{1, 4, 3}, {1, 6, -3}})); // Mx radius 0.1, Mz
    const Vec3 node = Node(geo, 1);

    const auto mx = testsupport::Lines(FeedbackOfList(kListMx));
    ASSERT_EQ(mx.size(), 26u);
    ExpectNear(At(mx.front().vertices[0]), node + Vec3{0, 0.1, 0});
    ExpectNear(At(mx.back().vertices[1]),
               node + Vec3{0, 0.1 * std::cos(4.55), 0.1 * std::sin(4.55)});
    // Mx > 0: head at t = 4.55 pointing along +Y.
    const auto mxRecords = FeedbackOfList(kListMx);
    const Vec3 mxBase = node + Vec3{0, 0.1 * std::cos(4.55), 0.1 * std::sin(4.55)};
    ExpectNear(HeadTip(mxRecords, mxBase), mxBase + Vec3{0, 0.3, 0});

    const auto mzRecords = FeedbackOfList(CGeometry::ListLoadMz);
    const auto mz = testsupport::Lines(mzRecords);
    ASSERT_EQ(mz.size(), 26u);
    ExpectNear(At(mz.front().vertices[0]), node + Vec3{0, 0.2, 0}); // "-3": radius 0.2
    // Mz < 0: head at t = 4.55 pointing along +Y.
    const Vec3 mzBase = node + Vec3{0.2 * std::sin(4.55), 0.2 * std::cos(4.55), 0};
    ExpectNear(HeadTip(mzRecords, mzBase), mzBase + Vec3{0, 0.3, 0});
}

TEST_F(GlyphLoads, TinyLoadsAreChoppedAndSmallOnesStillDrawn)
{
    ProjectKey("Current Force ", "Kg");
    Option("load scale", 10);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Nodes(geo, 3);
    geo.UpdateLoad(Table(3, 6, {{1, 1, 0.0000000005}, {2, 1, 0.4}, {3, 1, -0.0000000009}}));

    const auto glyphs = ByTag(FeedbackOfList(CGeometry::ListLoadFx));
    ASSERT_EQ(glyphs.size(), 1u);
    const auto& g = glyphs.at(2);
    const auto lines = testsupport::Lines(g);
    ASSERT_EQ(lines.size(), 1u);
    ExpectNear(At(lines[0].vertices[1]), Node(geo, 2) + Vec3{1.0, 0, 0}); // s / 10
    EXPECT_EQ(Of(g, GL_BITMAP_TOKEN).size(), 3u);                         // "0.4"
}

TEST_F(GlyphLoads, LabelsAreInProjectUnitsAndSizesInStoredUnits)
{
    ProjectKey("Current Force ", "kN");
    ProjectKey("Current Length ", "mm");
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Nodes(geo, 1);
    // 250 -> 2.4525 kN, "2.45"; 100 -> 981 kN mm, "981".
    geo.UpdateLoad(Table(1, 6, {{1, 1, 250}, {1, 5, 100}}));

    const auto fx = FeedbackOfList(CGeometry::ListLoadFx);
    EXPECT_EQ(Of(fx, GL_BITMAP_TOKEN).size(), 4u);
    ExpectNear(At(testsupport::Lines(fx)[0].vertices[1]), Node(geo, 1) + Vec3{0.3, 0, 0});
    const auto my = FeedbackOfList(kListMy);
    EXPECT_EQ(Of(my, GL_BITMAP_TOKEN).size(), 3u);
    for (const FeedbackRecord& l : testsupport::Lines(my))
        EXPECT_NEAR(Distance(At(l.vertices[0]), Node(geo, 1)), 0.3, 1e-3);
}

TEST_F(GlyphLoads, ShowSwitchesEmptyTheirListOnly)
{
    Options({{"Fx line show", 0}, {"Mz line show", 2}, {"load number show", 2}}); // only 1 shows
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Nodes(geo, 1);
    CdMatrix loads(1, 6);
    for (int c = 1; c <= 6; ++c)
        loads(1, c) = 7;
    geo.UpdateLoad(loads);

    EXPECT_TRUE(Empty(CGeometry::ListLoadFx));
    EXPECT_TRUE(Empty(CGeometry::ListLoadMz));
    for (GLuint list = 8; list <= 11; ++list)
        EXPECT_FALSE(Empty(list)) << list;
    // "load number show" 2: moment labels only.
    EXPECT_EQ(CountOf(kListFy, GL_BITMAP_TOKEN) + CountOf(kListFz, GL_BITMAP_TOKEN), 0u);
    EXPECT_EQ(CountOf(kListMx, GL_BITMAP_TOKEN), 1u);
    EXPECT_EQ(CountOf(kListMy, GL_BITMAP_TOKEN), 1u);

    // Switching a component back on and updating again draws it.
    Option("Fx line show", 1);
    Option("load number show", 0);
    geo.LoadLibraryA();
    geo.UpdateLoad(loads);
    EXPECT_FALSE(Empty(CGeometry::ListLoadFx));
    EXPECT_EQ(CountOf(kListMx, GL_BITMAP_TOKEN), 0u);
}

TEST_F(GlyphLoads, NewLoadsReplaceTheOldGlyphsAndClearTheReferencePoints)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Nodes(geo, 2);
    SetMembers(geo, {{1, 2, Distance(Node(geo, 1), Node(geo, 2)), 0, 100}});
    geo.UpdateMember();
    geo.m_activeTable = CGeometry::TableRefPoints;
    geo.m_selMemberFrom = geo.m_selMemberTo = 1;
    Option("member K point show", 0);
    geo.LoadLibraryA();
    geo.RenderRefPoint();
    ASSERT_TRUE(glIsList(CGeometry::ListRefPoints));

    CdMatrix loads = Table(2, 6, {{1, 2, 5}, {2, 2, 5}});
    geo.UpdateLoad(loads);
    EXPECT_FALSE(glIsList(CGeometry::ListRefPoints));
    EXPECT_EQ(ByTag(FeedbackOfList(kListFy)).size(), 2u);

    loads(1, 2) = 0;
    geo.UpdateLoad(loads);
    const auto glyphs = ByTag(FeedbackOfList(kListFy));
    ASSERT_EQ(glyphs.size(), 1u);
    EXPECT_EQ(glyphs.begin()->first, 2);
}

TEST_F(GlyphLoads, BrokenValuesNeverReachTheLists)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Nodes(geo, 3);
    geo.m_nodeTable(3, 2) = std::numeric_limits<double>::quiet_NaN();
    CdMatrix loads(4, 6); // one row more than there are nodes
    for (int c = 1; c <= 6; ++c) {
        loads(1, c) = std::numeric_limits<double>::quiet_NaN();
        loads(2, c) = std::numeric_limits<double>::infinity();
        loads(3, c) = 40;
        loads(4, c) = 1e300;
    }
    geo.UpdateLoad(loads);
    for (GLuint list = 7; list <= 12; ++list) {
        const auto records = FeedbackOfList(list);
        EXPECT_TRUE(AllFinite(records)) << list << testsupport::Describe(records);
        const auto glyphs = ByTag(records);
        EXPECT_EQ(glyphs.count(1) + glyphs.count(2) + glyphs.count(3), 0u);
    }
}
