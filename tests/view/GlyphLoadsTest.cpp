// What OpenGL receives from the load glyph lists 7 to 12: arrow lengths from
// the printed width of the load, arrowheads, arcs of the moments with their
// heads turning the right way, labels, colours and show switches; the
// member load glyphs (list 31).
#include "ViewTestSupport.h"

#include <algorithm>
#include <limits>

using namespace viewtest;

namespace {

constexpr GLuint kListFy = CGeometry::ListLoadFx + 1;
constexpr GLuint kListFz = CGeometry::ListLoadFx + 2;
constexpr GLuint kListMx = CGeometry::ListLoadFx + 3;
constexpr GLuint kListMy = CGeometry::ListLoadFx + 4;
const Vec3 kAxis[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

double Distance(const Vec3& a, const Vec3& b) { return glyph::Norm(a - b); }

// The arrowhead vertex farthest from `from` (the tip), and the distance to
// the nearest one.
Vec3 HeadTip(const Records& glyphRecords, const Vec3& from)
{
    Vec3 tip = from;
    ForPolygonVertices(glyphRecords, [&](const FeedbackVertex& v) {
        if (Distance(At(v), from) > Distance(tip, from))
            tip = At(v);
    });
    return tip;
}
double NearestHeadVertex(const Records& glyphRecords, const Vec3& from)
{
    double nearest = std::numeric_limits<double>::infinity();
    ForPolygonVertices(glyphRecords, [&](const FeedbackVertex& v) { nearest = std::min(nearest, Distance(At(v), from)); });
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
    // One member from (0,0,0) to (4,0,0), K point on +Y: member load
    // glyphs are load scale 1 x 0.15 x 4 = 0.6 high.
    static void Beam(CGeometry& geo)
    {
        SetNodes(geo, {{0, 0, 0}, {4, 0, 0}}, 1.0);
        SetMembers(geo, {{1, 2, 4, 0, 1, 0}});
    }
    // Shafts: lines whose ends differ in y only by more than the arrowheads.
    static Records Shafts(const Records& glyph)
    {
        Records shafts;
        for (const FeedbackRecord& r : testsupport::Lines(glyph))
            if (std::fabs(r.vertices[0].x - r.vertices[1].x) < 1e-5 && std::fabs(r.vertices[0].y - r.vertices[1].y) > 0.1)
                shafts.push_back(r);
        return shafts;
    }
};

} // namespace

TEST_F(GlyphLoads, ForceArrowsAlongTheirAxisAsLongAsThePrintedWholePart)
{
    Option("load scale", 10);
    OptionRgb("Fx", 255, 128, 0);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Nodes(geo, 8);
    // {component, load, arrow length = printed digits x 10 / 10, label offset
    // from the arrow's end}; Fz's negative label stays on the +Y side.
    const struct { int c; double load, length; Vec3 label; } rows[] = {
        {0, 5, 1, {0.3, 0, 0}},       {0, 250, 3, {0.3, 0, 0}},   {0, -250, 4, {-0.3, 0.1, 0}},
        {0, -9, 2, {-0.3, 0.1, 0}},   {1, 12, 2, {0, 0.3, 0}},    {1, -12, 3, {0, -0.3, 0}},
        {2, 12, 2, {0, 0.3, 0}},      {2, -12, 3, {0, 0.3, 0}}};
    CdMatrix loads(8, 6);
    for (int i = 1; i <= 8; ++i)
        loads(i, rows[i - 1].c + 1) = rows[i - 1].load;
    geo.UpdateLoad(loads);

    const Vec3 colour[3] = {Rgb255(255, 128, 0), {0, 1, 0}, {0, 0, 1}};
    for (int i = 1; i <= 8; ++i) {
        const auto& row = rows[i - 1];
        SCOPED_TRACE(i);
        const auto glyphs = ByTag(FeedbackOfList(CGeometry::ListLoadFx + row.c));
        ASSERT_EQ(glyphs.count(i), 1u) << testsupport::Describe(FeedbackOfList(CGeometry::ListLoadFx + row.c));
        const auto& g = glyphs.at(i);
        const double sign = row.load > 0 ? 1 : -1;
        const Vec3 node = NodeAt(geo, i), end = node + (sign * row.length) * kAxis[row.c];
        const auto lines = testsupport::Lines(g);
        ASSERT_EQ(lines.size(), 1u);
        ExpectNear(At(lines[0].vertices[0]), node);
        ExpectNear(At(lines[0].vertices[1]), end);
        ExpectColour(lines[0].vertices[1], colour[row.c]);
        // The head continues the arrow by 0.3, 0.06 wide on either side.
        ExpectNear(HeadTip(g, end), end + (sign * 0.3) * kAxis[row.c]);
        ForPolygonVertices(g, [&](const FeedbackVertex& v) {
            const Vec3 off = At(v) - end;
            const double along = glyph::Dot(off, kAxis[row.c]);
            EXPECT_GE(sign * along, -1e-4);
            EXPECT_LE(glyph::Norm(off - along * kAxis[row.c]), 0.06 + 1e-4);
        });
        // The label: one character per printed character, beyond the head.
        const auto text = Of(g, GL_BITMAP_TOKEN);
        ASSERT_EQ(text.size(), glyph::LoadLabel(row.load, 1.0).size());
        ExpectNear(At(text[0].vertices[0]), end + row.label);
    }
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

    for (int c = 0; c < 3; ++c) {
        const auto records = FeedbackOfList(kListMx + c);
        const auto glyphs = ByTag(records);
        ASSERT_EQ(glyphs.size(), 2u) << testsupport::Describe(records);
        for (int k = 0; k < 2; ++k) {
            const int node = 2 * c + 1 + k;
            SCOPED_TRACE(node);
            const auto& g = glyphs.at(node);
            const Vec3 centre = NodeAt(geo, node);
            const double radius = k == 0 ? 1.5 : 2.0;
            // 27 arc points: 26 segments, every point on the circle in the
            // plane normal to the axis.
            const auto lines = testsupport::Lines(g);
            ASSERT_EQ(lines.size(), 26u);
            for (const FeedbackRecord& l : lines)
                for (const FeedbackVertex& v : l.vertices) {
                    EXPECT_NEAR(Distance(At(v), centre), radius, 1e-3);
                    EXPECT_NEAR(glyph::Dot(At(v) - centre, kAxis[c]), 0.0, 1e-3);
                }
            // The head sits on the arc at one of its ends and turns in the
            // sense of the load (right-hand rule about the axis).
            const Vec3 first = At(lines.front().vertices[0]);
            const Vec3 last = At(lines.back().vertices[1]);
            const Vec3 base = NearestHeadVertex(g, first) < NearestHeadVertex(g, last) ? first : last;
            EXPECT_NEAR(NearestHeadVertex(g, base), glyph::kHeadRadius, 1e-3);
            const Vec3 tip = HeadTip(g, base);
            EXPECT_NEAR(Distance(tip, base), 0.3, 1e-3);
            const double turn = glyph::Dot(glyph::Cross(base - centre, tip - base), kAxis[c]);
            EXPECT_GT((k == 0 ? 1 : -1) * turn, 0.2 * radius * 0.3);
            // Label 0.4 along the head's axis from its base.
            const auto text = Of(g, GL_BITMAP_TOKEN);
            ASSERT_EQ(text.size(), k == 0 ? 3u : 4u);
            ExpectNear(At(text[0].vertices[0]), base + (0.4 / 0.3) * (tip - base), 1e-3);
        }
    }
}

TEST_F(GlyphLoads, LabelsInProjectUnitsSizesInStoredUnitsTinyLoadsChopped)
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
    ExpectNear(At(testsupport::Lines(fx)[0].vertices[1]), NodeAt(geo, 1) + Vec3{0.3, 0, 0});
    const auto my = FeedbackOfList(kListMy);
    EXPECT_EQ(Of(my, GL_BITMAP_TOKEN).size(), 3u);
    for (const FeedbackRecord& l : testsupport::Lines(my))
        EXPECT_NEAR(Distance(At(l.vertices[0]), NodeAt(geo, 1)), 0.3, 1e-3);

    // In Kg at load scale 10, tiny loads are chopped, small ones still drawn.
    ProjectKey("Current Force ", "Kg");
    Option("load scale", 10);
    geo.LoadLibraryA();
    Nodes(geo, 3);
    geo.UpdateLoad(Table(3, 6, {{1, 1, 0.0000000005}, {2, 1, 0.4}, {3, 1, -0.0000000009}}));
    const auto glyphs = ByTag(FeedbackOfList(CGeometry::ListLoadFx));
    ASSERT_EQ(glyphs.size(), 1u);
    const auto lines = testsupport::Lines(glyphs.at(2));
    ASSERT_EQ(lines.size(), 1u);
    ExpectNear(At(lines[0].vertices[1]), NodeAt(geo, 2) + Vec3{1.0, 0, 0}); // s / 10
    EXPECT_EQ(Of(glyphs.at(2), GL_BITMAP_TOKEN).size(), 3u);                // "0.4"

    // The label texts: three significant digits; the glyph size from the
    // whole part as printed, without overflow far beyond 64-bit integers.
    EXPECT_EQ(glyph::LoadLabel(250, 9.81), "2.45e+03");
    EXPECT_EQ(glyph::LoadLabel(-250, 0.001), "-0.25");
    EXPECT_EQ(glyph::LoadLabel(12345, 1.0), "1.23e+04");
    EXPECT_DOUBLE_EQ(glyph::GlyphSize(-0.4, 10), 1.0); // "-0.4" truncates to "0"
    EXPECT_DOUBLE_EQ(glyph::GlyphSize(1e20, 10), 21.0);
}

TEST_F(GlyphLoads, ShowSwitchesEmptyTheirListOnlyAndNewLoadsReplaceTheOld)
{
    Options({{"Fx line show", 0}, {"Mz line show", 2}, {"load number show", 2}}); // only 1 shows
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Nodes(geo, 2);
    CdMatrix loads(2, 6);
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

    // Switched back on and loaded again: drawn; a load moved to node 2
    // leaves nothing at node 1.
    Options({{"Fx line show", 1}, {"load number show", 0}});
    geo.LoadLibraryA();
    loads(2, 2) = 5;
    loads(1, 2) = 0;
    geo.UpdateLoad(loads);
    EXPECT_FALSE(Empty(CGeometry::ListLoadFx));
    EXPECT_EQ(CountOf(kListMx, GL_BITMAP_TOKEN), 0u);
    const auto fy = ByTag(FeedbackOfList(kListFy));
    ASSERT_EQ(fy.size(), 1u);
    EXPECT_EQ(fy.begin()->first, 2);
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

TEST_F(GlyphLoads, MemberLoadArrowsEndOnTheMemberTailsFollowTheIntensityAndAxis)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Beam(geo);
    // Uniform -10 along global Y, a point load of -20 at 1, a linear load
    // from 0 at 2 to -5 at 4.
    geo.UpdateMemberLoad(Table(3, 7, {{1, 1, 1}, {1, 2, 1}, {1, 3, 5}, {1, 6, -10},
                                      {2, 1, 1}, {2, 2, 3}, {2, 3, 5}, {2, 4, 1}, {2, 6, -20},
                                      {3, 1, 1}, {3, 2, 2}, {3, 3, 5}, {3, 4, 2}, {3, 5, 4}, {3, 7, -5}}));
    const auto glyphs = ByTag(FeedbackOfList(CGeometry::ListMemberLoads));
    ASSERT_EQ(glyphs.size(), 3u);

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
    ExpectNear(At(linear.back().vertices[0]), {4, 0.3, 0});
    const auto linearLines = testsupport::Lines(glyphs.at(3));
    ExpectNear(At(linearLines.back().vertices[0]), {2, 0, 0});
    ExpectNear(At(linearLines.back().vertices[1]), {4, 0.3, 0});

    // Along local axis 2 (+Y here, the K point side) a positive load points
    // up, so its tail lies below the member; the switch hides them all.
    const CdMatrix local = Table(1, 7, {{1, 1, 1}, {1, 2, 3}, {1, 3, 2}, {1, 4, 2}, {1, 6, 8}});
    geo.UpdateMemberLoad(local);
    const auto shafts = Shafts(ByTag(FeedbackOfList(CGeometry::ListMemberLoads)).at(1));
    ASSERT_EQ(shafts.size(), 1u);
    ExpectNear(At(shafts[0].vertices[0]), {2, -0.6, 0});
    ExpectNear(At(shafts[0].vertices[1]), {2, 0, 0});
    Option("member load show", 0);
    geo.LoadLibraryA();
    geo.UpdateMemberLoad(local);
    EXPECT_TRUE(Empty(CGeometry::ListMemberLoads));
}
