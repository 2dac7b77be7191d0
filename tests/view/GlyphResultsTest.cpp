// What OpenGL receives from the result lists: the displaced shape (list 15)
// scaled to "disp factor", and the member force diagrams (lists 16 to 21)
// laid off along each member's local axis 2 from the solver's "dcos" file.
#include "ViewTestSupport.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "platform/MessageBox.h"

using namespace viewtest;

namespace {

constexpr GLuint kListFx = CGeometry::ListMemberFx;
constexpr GLuint kListFy = kListFx + 1, kListFz = kListFx + 2, kListMx = kListFx + 3;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class GlyphResults : public ViewFixture {
protected:
    // Starts the view on nodes (0,0,0), (4,0,0), (4,0,3), member 1 from node
    // 1 to 2 (length 4) and member 2 from node 2 up to 3 (length 3).
    bool Start(CGeometry& geo)
    {
        if (!StartView(geo))
            return false;
        SetNodes(geo, {{0, 0, 0}, {4, 0, 0}, {4, 0, 3}}, 0.0);
        SetMembers(geo, {{1, 2, 4}, {2, 3, 3}});
        return true;
    }

    // The project the diagrams read: folder, freedoms, element type, and
    // the solver's local axes (member 1: X, Y, Z; member 2: Z, Y, -X).
    void Frame(const std::string& type = "Frame3D", const std::string& dof = "6")
    {
        ProjectKey("File location ", dir.Folder());
        ProjectKey("Project name ", "P");
        ProjectKey("DOF ", dof);
        ProjectKey("Element Type ", type);
        ASSERT_TRUE(Table(3, 3, {{1, 1, 1}, {2, 2, 1}, {3, 3, 1}}).SaveRecord(1, Dcos()));
        ASSERT_TRUE(Table(3, 3, {{1, 3, 1}, {2, 2, 1}, {3, 1, -1}}).SaveRecord(2, Dcos()));
    }
    std::string Dcos() const { return dir.Folder() + "dcos"; }

    // Fx: member 1 ends 10 and -10, member 2 ends 5 and 20 (largest 20).
    static CdMatrix Forces() { return Table(2, 12, {{1, 1, 10}, {1, 7, -10}, {2, 1, 5}, {2, 7, 20}}); }

    // Ordinates along Y of the non-white (diagram-coloured) vertices of a
    // member's strips, checked against y(x, z); returns the largest |y|.
    static double CheckOrdinates(const Records& member, const std::function<double(const FeedbackVertex&)>& y)
    {
        double largest = 0;
        for (const FeedbackRecord& p : Of(member, GL_POLYGON_TOKEN))
            for (const FeedbackVertex& v : p.vertices) {
                EXPECT_NEAR(v.y, IsWhite(v) ? 0.0 : y(v), 1e-4); // white on the member axis
                if (!IsWhite(v))
                    largest = std::max(largest, std::fabs(static_cast<double>(v.y)));
            }
        return largest;
    }
};

} // namespace

TEST_F(GlyphResults, DisplacedShapeDrawsTheLargestTranslationAtDispFactor)
{
    Option("disp factor", 2);
    OptionRgb("node displacement", 10, 20, 30);
    OptionRgb("member displacement", 40, 50, 60);
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    geo.m_forceComponent = 1008;
    // Largest: |(0.004, -0.003, 0)| = 0.005; rotations (column 4) not drawn.
    const CdMatrix d = Table(3, 6, {{2, 1, 0.001}, {2, 2, 0.002}, {3, 1, 0.004}, {3, 2, -0.003}, {3, 4, 99}});
    geo.UpdateDisp(d);
    EXPECT_EQ(geo.m_forceComponent, 0);

    // Scale 2 / 0.005 = 400.
    const Vec3 moved[3] = {{0, 0, 0}, {4.4, 0.8, 0}, {5.6, -1.2, 3}};
    const auto records = FeedbackOfList(CGeometry::ListDisplacedShape);
    const auto members = ByTag(records);
    ASSERT_EQ(members.size(), 2u) << testsupport::Describe(records);
    for (int k = 1; k <= 2; ++k) {
        SCOPED_TRACE(k);
        const auto points = Of(members.at(k), GL_POINT_TOKEN);
        const auto lines = testsupport::Lines(members.at(k));
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

    // "disp factor" 0: f / dmax = 0, the members are drawn where they stand.
    Option("disp factor", 0);
    geo.LoadLibraryA();
    geo.UpdateDisp(d);
    const auto still = ByTag(FeedbackOfList(CGeometry::ListDisplacedShape));
    ASSERT_EQ(still.size(), 2u);
    const auto lines = testsupport::Lines(still.at(2));
    ASSERT_EQ(lines.size(), 1u);
    ExpectNear(At(lines[0].vertices[0]), {4, 0, 0});
    ExpectNear(At(lines[0].vertices[1]), {4, 0, 3});
}

TEST_F(GlyphResults, DisplacedShapeShowSwitches)
{
    Option("node displacement show", 0);
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    const CdMatrix d = Table(3, 3, {{3, 3, 0.01}});
    geo.UpdateDisp(d);
    EXPECT_EQ(CountOf(CGeometry::ListDisplacedShape, GL_POINT_TOKEN), 0u);
    EXPECT_EQ(LinesOf(CGeometry::ListDisplacedShape), 2u);

    Options({{"node displacement show", 1}, {"member displacement show", 0}, {"node factor", 11}});
    geo.LoadLibraryA();
    geo.UpdateDisp(d);
    EXPECT_EQ(CountOf(CGeometry::ListDisplacedShape, GL_POINT_TOKEN), 4u); // per member end
    EXPECT_EQ(LinesOf(CGeometry::ListDisplacedShape), 0u);
    // Displaced nodes are 6 pixels whatever the "node factor".
    glPointSize(1.0f);
    glCallList(CGeometry::ListDisplacedShape);
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 6.0f);
}

TEST_F(GlyphResults, NoTranslationLeavesTheShapeUndrawnWithoutDividingByZero)
{
    Option("disp factor", 1); // the user's scale: one model unit
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    geo.UpdateDisp(Table(3, 6, {{2, 1, 0.01}}));
    ASSERT_FALSE(Empty(CGeometry::ListDisplacedShape));
    geo.m_forceComponent = 1007;
    geo.UpdateDisp(Table(3, 6, {{1, 5, 0.2}})); // a rotation only
    EXPECT_TRUE(Empty(CGeometry::ListDisplacedShape));
    EXPECT_EQ(geo.m_forceComponent, 0);

    // A broken translation is skipped, the others are still scaled.
    geo.UpdateDisp(Table(3, 6, {{1, 1, kNaN}, {3, 2, 0.5}}));
    const auto records = FeedbackOfList(CGeometry::ListDisplacedShape);
    EXPECT_TRUE(AllFinite(records)) << testsupport::Describe(records);
    EXPECT_EQ(ByTag(records).count(1), 0u);
    ExpectNear(At(testsupport::Lines(ByTag(records).at(2)).at(0).vertices[1]), {4, 1, 3});
}

TEST_F(GlyphResults, UpdatesDeleteTheReferencePoints)
{
    Option("member K point show", 0);
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    geo.m_memberTable(1, 5) = 1; // K point (0, 1, 0)
    geo.UpdateMember();
    geo.m_activeTable = CGeometry::TableRefPoints;
    geo.m_selMemberFrom = 1;
    geo.m_selMemberTo = 2;
    geo.RenderRefPoint();
    ASSERT_TRUE(glIsList(CGeometry::ListRefPoints));
    geo.UpdateDisp(CdMatrix(3, 3));
    EXPECT_FALSE(glIsList(CGeometry::ListRefPoints));

    geo.RenderRefPoint();
    ASSERT_TRUE(glIsList(CGeometry::ListRefPoints));
    Frame();
    geo.UpdateMemberForec(Forces());
    EXPECT_FALSE(glIsList(CGeometry::ListRefPoints));
}

TEST_F(GlyphResults, OneStripPerMemberFromWhiteToTheDiagramColour)
{
    Frame();
    Options({{"Subdivisions Fx", 1}, {"Member Fx scale", 2}});
    OptionRgb("Member Fx", 200, 100, 50);
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    geo.UpdateMemberForec(Forces());

    // s = 2 / 20: member 1 ordinates 1 and -1, member 2 ordinates 0.5 and 2,
    // both along local axis 2 = global Y.
    const auto records = FeedbackOfList(kListFx);
    const auto members = ByTag(records);
    ASSERT_EQ(members.size(), 2u) << testsupport::Describe(records);
    const Vec3 corners[2][4] = {{{0, 0, 0}, {0, 1, 0}, {4, -1, 0}, {4, 0, 0}},
                                {{4, 0, 0}, {4, 0.5, 0}, {4, 2, 3}, {4, 0, 3}}};
    for (int k = 1; k <= 2; ++k) {
        SCOPED_TRACE(k);
        const auto polygons = Of(members.at(k), GL_POLYGON_TOKEN);
        ASSERT_EQ(polygons.size(), 2u); // one quadrilateral
        // Its vertex order as the driver splits it, (0, 1, 3) and (1, 2, 3):
        // white on the member, the diagram colour at the ordinates.
        const int order[2][3] = {{0, 1, 3}, {1, 2, 3}};
        for (int t = 0; t < 2; ++t)
            for (int v = 0; v < 3; ++v) {
                const int c = order[t][v];
                ExpectNear(At(polygons[t].vertices[v]), corners[k - 1][c]);
                ExpectColour(polygons[t].vertices[v], c == 0 || c == 3 ? Vec3{1, 1, 1} : Rgb255(200, 100, 50));
            }
    }
}

TEST_F(GlyphResults, TwentyEqualStripsLargestEndAtScaleAndDoublingChangesNothing)
{
    Frame();
    Option("Member Fx scale", 2); // "Subdivisions Fx" defaults to 20
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    geo.UpdateMemberForec(Forces());

    const auto records = FeedbackOfList(kListFx);
    const auto members = ByTag(records);
    ASSERT_EQ(members.size(), 2u);
    // Member 1 along X with ordinate y(x) = 1 - x / 2 along Y, every vertex
    // on a station x = 0.2 j, j = 0..20.
    const auto polygons = Of(members.at(1), GL_POLYGON_TOKEN);
    ASSERT_EQ(polygons.size(), 40u);
    std::vector<double> stations;
    for (const FeedbackRecord& p : polygons)
        for (const FeedbackVertex& v : p.vertices) {
            EXPECT_NEAR(v.z, 0.0, 1e-4);
            EXPECT_NEAR(v.x / 0.2, std::round(v.x / 0.2), 1e-4);
            stations.push_back(std::round(v.x / 0.2));
        }
    EXPECT_EQ(*std::min_element(stations.begin(), stations.end()), 0);
    EXPECT_EQ(*std::max_element(stations.begin(), stations.end()), 20);
    EXPECT_NEAR(CheckOrdinates(members.at(1), [](const FeedbackVertex& v) { return 1.0 - v.x / 2.0; }), 1.0, 1e-4);
    // The largest end value of all members (20, member 2's end) is drawn at
    // the "Member Fx scale".
    EXPECT_NEAR(CheckOrdinates(members.at(2), [](const FeedbackVertex& v) { return 0.5 + v.z / 2.0; }), 2.0, 1e-4);

    geo.UpdateMemberForec(Forces() * 2.0);
    ExpectSamePlaces(FeedbackOfList(kListFx), records);
}

TEST_F(GlyphResults, ZeroEndValueOrSingleMemberDrawsNoDiagram)
{
    Frame();
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
    for (const FeedbackRecord& p : Of(mz.at(2), GL_POLYGON_TOKEN))
        for (const FeedbackVertex& v : p.vertices)
            EXPECT_NEAR(v.x, 4.0, 1e-4);
    CheckOrdinates(mz.at(2), [](const FeedbackVertex& v) { return -1.0 + 2.0 * v.z / 3.0; });

    // One member: the column maxima of a one-row table are 0.
    CGeometry single;
    single.m_nodeTable = geo.m_nodeTable;
    SetMembers(single, {{1, 2}});
    CdMatrix one(1, 12);
    for (int c = 1; c <= 12; ++c)
        one(1, c) = 5;
    single.UpdateMemberForec(one);
    for (GLuint list = kListFx; list <= CGeometry::ListMemberMz; ++list)
        EXPECT_FALSE(glIsList(list)) << list;
}

TEST_F(GlyphResults, TrussDrawsNoMomentDiagramsAndShowKeysSkipComponents)
{
    Frame("Truss3D", "3");
    Option("Member Fy show", 0);
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
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
    // With 3 freedoms the end value of Fx is column 4: member 1 ends 1 and 4.
    double start = 0, end = 0;
    for (const FeedbackRecord& p : Of(ByTag(FeedbackOfList(kListFx)).at(1), GL_POLYGON_TOKEN))
        for (const FeedbackVertex& v : p.vertices) {
            double& at = std::fabs(v.x) < 1e-4 ? start : end;
            if ((std::fabs(v.x) < 1e-4 || std::fabs(v.x - 4) < 1e-4) && std::fabs(v.y) > std::fabs(at))
                at = v.y;
        }
    EXPECT_NEAR(end / start, 4.0, 1e-4);

    // The same table for a frame draws the moments.
    Frame();
    geo.UpdateMemberForec(f);
    EXPECT_FALSE(Empty(kListMx));
    EXPECT_FALSE(Empty(kListMx + 1));
}

TEST_F(GlyphResults, MissingOrBrokenLocalAxesFileIsReportedByEveryDiagramNeedingIt)
{
    Frame();
    Options({{"Member Fz show", 0}, {"Member Mx show", 0}, {"Member My show", 0}, {"Member Mz show", 0}});
    platform::MessageRecorder recorder;
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
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

TEST_F(GlyphResults, MembersBeyondTheLocalAxesFileReadZeroAxes)
{
    Frame();
    // Only member 1's record is in the file: member 2 reads a zero record,
    // as a record read past the end of a record file does.
    testsupport::TempDir::Write(Dcos(), testsupport::TempDir::Read(Dcos()).substr(0, 8 + 10 * 8));
    CGeometry geo;
    ASSERT_TRUE(Start(geo));
    geo.UpdateMemberForec(Forces());
    const auto fx = ByTag(FeedbackOfList(kListFx));
    ASSERT_EQ(fx.count(1), 1u);
    EXPECT_FALSE(Of(fx.at(1), GL_POLYGON_TOKEN).empty());
    // Zero axes collapse every strip of member 2 onto its start node.
    if (fx.count(2))
        for (const FeedbackRecord& r : fx.at(2))
            for (const FeedbackVertex& v : r.vertices)
                ExpectNear(At(v), {4, 0, 0});
}

TEST_F(GlyphResults, BrokenForcesOrMembersNeverReachTheLists)
{
    Frame();
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
