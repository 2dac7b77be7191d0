// What OpenGL receives from the result lists: the displaced shape (list 15),
// the member force diagrams (lists 16 to 21) laid off along each member's
// local axis 2 from the solver's "dcos" file, their largest-value labels and
// the legend.
#include "ViewTestSupport.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <numeric>
#include <set>

#include "platform/MessageBox.h"

using namespace viewtest;

namespace {

constexpr GLuint kListFx = CGeometry::ListMemberFx;
constexpr GLuint kListFy = kListFx + 1, kListFz = kListFx + 2, kListMx = kListFx + 3;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

size_t Characters(const std::vector<std::string>& lines)
{
    return std::accumulate(lines.begin(), lines.end(), size_t(0),
                           [](size_t n, const std::string& s) { return n + s.size(); });
}

class GlyphResults : public ViewFixture {
protected:
    // Nodes (0,0,0), (4,0,0), (4,0,3); member 1 from node 1 to 2 (length 4)
    // along X, member 2 from node 2 up to 3 (length 3) along Z.
    bool Start(CGeometry& geo, const std::string& type = "Frame3D", const std::string& dof = "6")
    {
        FrameProject(type, dof);
        if (!StartView(geo))
            return false;
        SetNodes(geo, {{0, 0, 0}, {4, 0, 0}, {4, 0, 3}}, 0.0);
        SetMembers(geo, {{1, 2, 4}, {2, 3, 3}});
        return true;
    }

    // Fx: member 1 ends 10 and -10, member 2 ends 5 and 20 (largest 20).
    static CdMatrix Forces() { return Table(2, 12, {{1, 1, 10}, {1, 7, -10}, {2, 1, 5}, {2, 7, 20}}); }

    // Every component non-zero at both ends; Mz largest at member 2's start.
    static CdMatrix AllForces()
    {
        CdMatrix f(2, 12);
        for (int k = 1; k <= 2; ++k)
            for (int c = 1; c <= 12; ++c)
                f(k, c) = (c % 2 ? 1.0 : -1.0) * (k + c);
        f(2, 6) = -1000.0; // stored units (kg-force)
        return f;
    }

    // Ordinates along Y of the non-white (diagram-coloured) vertices of a
    // member's strips, checked against y(vertex); returns the largest |y|.
    static double CheckOrdinates(const Records& member, const std::function<double(const FeedbackVertex&)>& y)
    {
        double largest = 0;
        ForPolygonVertices(member, [&](const FeedbackVertex& v) {
            EXPECT_NEAR(v.y, IsWhite(v) ? 0.0 : y(v), 1e-4); // white on the member axis
            if (!IsWhite(v))
                largest = std::max(largest, std::fabs(static_cast<double>(v.y)));
        });
        return largest;
    }
};

} // namespace

TEST_F(GlyphResults, DisplacedShapeScaleColoursLegendSwitchesAndDegenerateTranslations)
{
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    geo.RenderMember();
    // Largest translation 0.01 m at node 3; the model is 4 m wide, so
    // without a "disp factor" it is drawn at 5 %. Rotations (column 4) are
    // not drawn.
    const CdMatrix d = Table(3, 6, {{2, 1, 0.004}, {3, 2, 0.01}, {3, 4, 99}});
    geo.m_forceComponent = 1008;
    geo.UpdateDisp(d);
    EXPECT_EQ(geo.m_forceComponent, 0);
    auto lines = testsupport::Lines(FeedbackOfList(CGeometry::ListDisplacedShape));
    ASSERT_EQ(lines.size(), 2u);
    ExpectNear(At(lines[1].vertices[1]), {4, 0.2, 3});
    EXPECT_EQ(geo.m_displacedLegend,
              (std::vector<std::string>{"Displaced shape  load case 1",
                                        "scale: x 20 (largest drawn at 5 % of the model)",
                                        "max translation 0.01 m at node 3"}));
    geo.m_viewMode = CGeometry::ModeDisplaced;
    const Records legend = testsupport::CaptureFeedback([&] { geo.RenderLegend(kWidth, kHeight); });
    EXPECT_EQ(Of(legend, GL_BITMAP_TOKEN).size(), Characters(geo.m_displacedLegend));

    // "disp factor" 2: scale 2 / 0.01 = 200, in the configured colours.
    Option("disp factor", 2);
    OptionRgb("node displacement", 10, 20, 30);
    OptionRgb("member displacement", 40, 50, 60);
    geo.LoadLibraryA();
    geo.UpdateDisp(d);
    EXPECT_EQ(geo.m_displacedLegend.at(1), "scale: x 200 (disp factor 2 m)");
    const Vec3 moved[3] = {{0, 0, 0}, {4.8, 0, 0}, {4, 2, 3}};
    const auto records = FeedbackOfList(CGeometry::ListDisplacedShape);
    const auto members = ByTag(records);
    ASSERT_EQ(members.size(), 2u) << testsupport::Describe(records);
    for (int k = 1; k <= 2; ++k) {
        SCOPED_TRACE(k);
        const auto points = Of(members.at(k), GL_POINT_TOKEN);
        lines = testsupport::Lines(members.at(k));
        ASSERT_EQ(points.size(), 2u);
        ASSERT_EQ(lines.size(), 1u);
        for (int e = 0; e < 2; ++e) {
            ExpectNear(At(points[e].vertices[0]), moved[k - 1 + e]);
            ExpectColour(points[e].vertices[0], Rgb255(10, 20, 30));
            ExpectNear(At(lines[0].vertices[e]), moved[k - 1 + e]);
            ExpectColour(lines[0].vertices[e], Rgb255(40, 50, 60));
        }
    }
    // Doubling every translation leaves the picture as it was.
    geo.UpdateDisp(d * 2.0);
    ExpectSamePlaces(FeedbackOfList(CGeometry::ListDisplacedShape), records);

    // "disp factor" 0: the members are drawn where they stand.
    Option("disp factor", 0);
    geo.LoadLibraryA();
    geo.UpdateDisp(d);
    lines = testsupport::Lines(ByTag(FeedbackOfList(CGeometry::ListDisplacedShape)).at(2));
    ASSERT_EQ(lines.size(), 1u);
    ExpectNear(At(lines[0].vertices[0]), {4, 0, 0});
    ExpectNear(At(lines[0].vertices[1]), {4, 0, 3});

    // The show switches.
    Options({{"disp factor", 1}, {"node displacement show", 0}});
    geo.LoadLibraryA();
    const CdMatrix dz = Table(3, 3, {{3, 3, 0.01}});
    geo.UpdateDisp(dz);
    EXPECT_EQ(CountOf(CGeometry::ListDisplacedShape, GL_POINT_TOKEN), 0u);
    EXPECT_EQ(LinesOf(CGeometry::ListDisplacedShape), 2u);

    Options({{"node displacement show", 1}, {"member displacement show", 0}, {"node factor", 11}});
    geo.LoadLibraryA();
    geo.UpdateDisp(dz);
    EXPECT_EQ(CountOf(CGeometry::ListDisplacedShape, GL_POINT_TOKEN), 4u); // per member end
    EXPECT_EQ(LinesOf(CGeometry::ListDisplacedShape), 0u);
    // Displaced nodes are 6 pixels whatever the "node factor".
    glPointSize(1.0f);
    glCallList(CGeometry::ListDisplacedShape);
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 6.0f);

    // A rotation only: nothing drawn, no division by zero.
    Option("member displacement show", 1);
    geo.LoadLibraryA();
    geo.m_forceComponent = 1007;
    geo.UpdateDisp(Table(3, 6, {{1, 5, 0.2}}));
    EXPECT_TRUE(Empty(CGeometry::ListDisplacedShape));
    EXPECT_EQ(geo.m_forceComponent, 0);
    // A broken translation is skipped, the others are still scaled.
    geo.UpdateDisp(Table(3, 6, {{1, 1, kNaN}, {3, 2, 0.5}}));
    const auto broken = FeedbackOfList(CGeometry::ListDisplacedShape);
    EXPECT_TRUE(AllFinite(broken)) << testsupport::Describe(broken);
    EXPECT_EQ(ByTag(broken).count(1), 0u);
    ExpectNear(At(testsupport::Lines(ByTag(broken).at(2)).at(0).vertices[1]), {4, 1, 3});
}

TEST_F(GlyphResults, NewLoadsOrResultsDeleteTheReferencePointAxes)
{
    Option("member K point show", 0);
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    geo.m_memberTable(1, 5) = 1; // K point (0, 1, 0)
    geo.UpdateMember();
    geo.m_activeTable = CGeometry::TableRefPoints;
    geo.m_selMemberFrom = 1;
    geo.m_selMemberTo = 2;
    const std::function<void()> updates[] = {[&] { geo.UpdateLoad(Table(3, 6, {{1, 2, 5}})); },
                                             [&] { geo.UpdateDisp(CdMatrix(3, 3)); },
                                             [&] { geo.UpdateMemberForec(Forces()); }};
    for (const auto& update : updates) {
        geo.RenderRefPoint();
        ASSERT_TRUE(glIsList(CGeometry::ListRefPoints));
        update();
        EXPECT_FALSE(glIsList(CGeometry::ListRefPoints));
    }
}

TEST_F(GlyphResults, StripsFromWhiteToTheDiagramColourLargestEndAtScale)
{
    Options({{"Subdivisions Fx", 1}, {"Member Fx scale", 2}});
    OptionRgb("Member Fx", 200, 100, 50);
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    geo.UpdateMemberForec(Forces());
    // One strip per member. s = 2 / 20: member 1 ordinates 1 and -1, member
    // 2 ordinates 0.5 and 2, both along local axis 2 = global Y. The
    // quadrilateral as the driver splits it, (0, 1, 3) and (1, 2, 3): white
    // on the member, the diagram colour at the ordinates.
    auto members = ByTag(FeedbackOfList(kListFx));
    ASSERT_EQ(members.size(), 2u);
    const Vec3 corners[2][4] = {{{0, 0, 0}, {0, 1, 0}, {4, -1, 0}, {4, 0, 0}},
                                {{4, 0, 0}, {4, 0.5, 0}, {4, 2, 3}, {4, 0, 3}}};
    const int order[2][3] = {{0, 1, 3}, {1, 2, 3}};
    for (int k = 1; k <= 2; ++k) {
        const auto polygons = Of(members.at(k), GL_POLYGON_TOKEN);
        ASSERT_EQ(polygons.size(), 2u) << k;
        for (int t = 0; t < 2; ++t)
            for (int v = 0; v < 3; ++v) {
                const int c = order[t][v];
                ExpectNear(At(polygons[t].vertices[v]), corners[k - 1][c]);
                ExpectColour(polygons[t].vertices[v], c == 0 || c == 3 ? Vec3{1, 1, 1} : Rgb255(200, 100, 50));
            }
    }

    // 20 strips by default: member 1 along X with ordinate 1 - x / 2, every
    // vertex on a station x = 0.2 j, j = 0..20; the largest end value of all
    // members (20, member 2's end) drawn at the "Member Fx scale".
    Option("Subdivisions Fx", 20);
    geo.LoadLibraryA();
    geo.UpdateMemberForec(Forces());
    const auto records = FeedbackOfList(kListFx);
    members = ByTag(records);
    ASSERT_EQ(Of(members.at(1), GL_POLYGON_TOKEN).size(), 40u);
    std::set<long> stations;
    ForPolygonVertices(members.at(1), [&](const FeedbackVertex& v) {
        EXPECT_NEAR(v.z, 0.0, 1e-4);
        EXPECT_NEAR(v.x / 0.2, std::round(v.x / 0.2), 1e-4);
        stations.insert(std::lround(v.x / 0.2));
    });
    EXPECT_EQ(stations.size(), 21u);
    EXPECT_NEAR(CheckOrdinates(members.at(1), [](const FeedbackVertex& v) { return 1.0 - v.x / 2.0; }), 1.0, 1e-4);
    EXPECT_NEAR(CheckOrdinates(members.at(2), [](const FeedbackVertex& v) { return 0.5 + v.z / 2.0; }), 2.0, 1e-4);
    // Doubling every force changes nothing.
    geo.UpdateMemberForec(Forces() * 2.0);
    ExpectSamePlaces(FeedbackOfList(kListFx), records);
}

TEST_F(GlyphResults, LargestValueAtItsMemberEndAndLegendTextReachOpenGL)
{
    Option("Member Mz scale", 2);
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    geo.RenderMember();
    geo.UpdateMemberForec(AllForces());

    // Mz: -1000 kgf.m at member 2's start = -9.81 kN.m, written there.
    const std::vector<std::string> mz = {"Mz [kN.m]  load case 1", "scale: 2 m = 9.81 kN.m",
                                         "largest |Mz| at member 2, start: -9.81 kN.m"};
    EXPECT_EQ(geo.m_diagramLegend[5], mz);
    EXPECT_EQ(geo.m_diagramLegend[0].at(0), "Fx [kN]  load case 1");
    const Records label = FeedbackOfList(CGeometry::ListLabelMz);
    const Records bitmaps = Of(label, GL_BITMAP_TOKEN);
    EXPECT_EQ(bitmaps.size(), std::string("max -9.81").size()) << testsupport::Describe(label);
    ASSERT_FALSE(bitmaps.empty());
    ExpectNear(At(bitmaps[0].vertices[0]), {4, 0, 0}); // member 2 starts at node 2

    // End values on demand: two more labels per member.
    geo.m_showEndValues = true;
    geo.UpdateDiagramLabels(AllForces());
    EXPECT_GT(Of(FeedbackOfList(CGeometry::ListLabelMz), GL_BITMAP_TOKEN).size(), bitmaps.size() + 4 * 2);

    // The legend of the shown component, one bitmap per character.
    geo.m_viewMode = CGeometry::ModeForces;
    geo.m_forceComponent = CGeometry::ForceMz;
    const Records legend = testsupport::CaptureFeedback([&] { geo.RenderLegend(kWidth, kHeight); });
    EXPECT_EQ(Of(legend, GL_BITMAP_TOKEN).size(), Characters(mz));
}

TEST_F(GlyphResults, ZeroEndValueOrSingleMemberDrawsNoDiagram)
{
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    // Fy of member 1 starts at zero and Fz of member 1 ends at zero: no
    // diagram for them. Mz of member 2 runs along local axis 2 = Y.
    geo.UpdateMemberForec(Table(2, 12, {{1, 2, 0}, {1, 8, 3}, {2, 2, 4}, {2, 8, -4}, {1, 3, 2}, {1, 9, 0},
                                        {2, 3, 3}, {2, 9, 3}, {1, 6, 1}, {1, 12, 1}, {2, 6, -8}, {2, 12, 8}}));
    EXPECT_TRUE(Empty(kListFx)); // no Fx at all
    for (GLuint list : {kListFy, kListFz}) {
        const auto glyphs = ByTag(FeedbackOfList(list));
        ASSERT_EQ(glyphs.size(), 1u) << list;
        EXPECT_EQ(glyphs.begin()->first, 2);
    }
    const auto mz = ByTag(FeedbackOfList(CGeometry::ListMemberMz));
    ASSERT_EQ(mz.size(), 2u);
    ForPolygonVertices(mz.at(2), [](const FeedbackVertex& v) { EXPECT_NEAR(v.x, 4.0, 1e-4); });
    CheckOrdinates(mz.at(2), [](const FeedbackVertex& v) { return -1.0 + 2.0 * v.z / 3.0; });

    // One member: the column maxima of a one-row table are 0.
    SetMembers(geo, {{1, 2}});
    CdMatrix one(1, 12);
    for (int c = 1; c <= 12; ++c)
        one(1, c) = 5;
    geo.UpdateMemberForec(one);
    for (GLuint list = kListFx; list <= CGeometry::ListMemberMz; ++list)
        EXPECT_FALSE(glIsList(list)) << list;
}

TEST_F(GlyphResults, TrussDrawsNoMomentDiagramsAndShowKeysSkipComponents)
{
    Options({{"Member Fy show", 0}, {"Member Fx scale", 8}});
    CGeometry geo;
    ASSERT_TRUE(Start(geo, "Truss3D", "3"));
    CdMatrix f(2, 12);
    for (int c = 1; c <= 12; ++c) {
        f(1, c) = c;
        f(2, c) = -2.0 * c;
    }
    geo.UpdateMemberForec(f);
    EXPECT_FALSE(Empty(kListFx));
    EXPECT_FALSE(glIsList(kListFy));
    EXPECT_FALSE(Empty(kListFz));
    for (GLuint list = kListMx; list <= CGeometry::ListMemberMz; ++list)
        EXPECT_FALSE(glIsList(list)) << list;
    // With 3 freedoms the end value of Fx is column 4: member 1 ends 1 and
    // 4, the largest is 8 (member 2), drawn at the scale 8.
    EXPECT_NEAR(CheckOrdinates(ByTag(FeedbackOfList(kListFx)).at(1), [](const FeedbackVertex& v) { return 1 + 0.75 * v.x; }), 4, 1e-4);

    // The same table for a frame draws the moments.
    FrameProject();
    geo.UpdateMemberForec(f);
    EXPECT_FALSE(Empty(kListMx));
    EXPECT_FALSE(Empty(kListMx + 1));
}

TEST_F(GlyphResults, MissingShortOrBrokenLocalAxesFile)
{
    Options({{"Member Fz show", 0}, {"Member Mx show", 0}, {"Member My show", 0}, {"Member Mz show", 0}});
    platform::MessageRecorder recorder;
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    // Only member 1's record in the file: member 2 reads a zero record, as
    // a record read past the end of a record file does; its strips collapse
    // onto its start node.
    testsupport::TempDir::Write(Dcos(), testsupport::TempDir::Read(Dcos()).substr(0, 8 + 10 * 8));
    geo.UpdateMemberForec(Forces());
    EXPECT_TRUE(recorder.messages.empty());
    auto fx = ByTag(FeedbackOfList(kListFx));
    EXPECT_FALSE(Of(fx[1], GL_POLYGON_TOKEN).empty());
    ForPolygonVertices(fx[2], [](const FeedbackVertex& v) { ExpectNear(At(v), {4, 0, 0}); });

    auto expectReports = [&](size_t count) {
        ASSERT_EQ(recorder.messages.size(), count);
        for (const auto& m : recorder.messages) {
            EXPECT_EQ(m.text, "Access file " + Dcos());
            EXPECT_EQ(m.caption, "KESTRA detect error in operation ");
        }
        recorder.messages.clear();
    };
    // A missing file: reported once, by Fx, the only diagram to draw.
    std::remove(Dcos().c_str());
    geo.UpdateMemberForec(Forces());
    EXPECT_FALSE(glIsList(kListFx));
    expectReports(1);

    // A header with a negative row count: reported by Fx and by Fy.
    const std::int32_t header[2] = {-3, 3};
    testsupport::TempDir::Write(Dcos(), std::string(reinterpret_cast<const char*>(header), sizeof header) +
                                            std::string(80, '\0'));
    CdMatrix f = Forces();
    f(1, 2) = 1;
    f(1, 8) = 2;
    geo.UpdateMemberForec(f);
    EXPECT_TRUE(Empty(kListFx));
    EXPECT_TRUE(Empty(kListFy));
    expectReports(2);
}

TEST_F(GlyphResults, BrokenForcesOrMembersNeverReachTheLists)
{
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    SetMembers(geo, {{1, 2}, {2, 2}, {2, 3}}); // member 2 has no length
    CdMatrix f(3, 12);
    for (int k = 1; k <= 3; ++k)
        for (int c = 1; c <= 12; ++c)
            f(k, c) = 10.0 * k + c;
    f(3, 1) = kNaN;
    geo.UpdateMemberForec(f);
    for (GLuint list = kListFx; list <= CGeometry::ListMemberMz; ++list) {
        const auto records = FeedbackOfList(list);
        EXPECT_TRUE(AllFinite(records)) << list << testsupport::Describe(records);
        EXPECT_EQ(ByTag(records).count(2), 0u) << list;
    }
    EXPECT_EQ(ByTag(FeedbackOfList(kListFx)).count(3), 0u);
}

TEST_F(GlyphResults, StationDiagramFollowsTheParabolaOfAUniformLoad)
{
    Option("Member Mz scale", 2);
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    geo.RenderMember();
    // Member 1, simply supported, 4 long under 10 per length: M(x) = 10 x (4 - x) / 2,
    // 20 at mid-span, at its 21 stations; member 2 without forces.
    auto moment = [](double x) { return 10.0 * x * (4.0 - x) / 2.0; };
    CdMatrix stations(2 * CGeometry::kStations, 6);
    for (int s = 1; s <= CGeometry::kStations; ++s)
        stations(s, 6) = moment(4.0 * (s - 1) / (CGeometry::kStations - 1));
    geo.UpdateMemberStations(stations);
    std::set<long> ordinates;
    size_t coloured = 0;
    ForPolygonVertices(ByTag(FeedbackOfList(CGeometry::ListMemberMz)).at(1), [&](const FeedbackVertex& v) {
        EXPECT_NEAR(v.y, IsWhite(v) ? 0.0 : 2.0 * moment(v.x) / 20.0, 1e-4) << "at x = " << v.x;
        coloured += !IsWhite(v);
        ordinates.insert(std::lround(v.y * 1e4));
    });
    EXPECT_GT(coloured, 0u);
    // A straight line between the two end values (both 0) would give none.
    EXPECT_GE(ordinates.size(), 10u);
    EXPECT_EQ(*ordinates.rbegin(), 20000); // 2 at mid-span

    // The legend and the "max" label name the mid-span value, not the
    // zero end values.
    ASSERT_EQ(geo.m_diagramLegend[5].size(), 3u);
    EXPECT_NE(geo.m_diagramLegend[5][2].find("at member 1, 0.5 L from its start: "), std::string::npos)
        << geo.m_diagramLegend[5][2];
    const Records label = Of(FeedbackOfList(CGeometry::ListLabelMz), GL_BITMAP_TOKEN);
    ASSERT_FALSE(label.empty());
    ExpectNear(At(label[0].vertices[0]), {2, 0, 0});
}
