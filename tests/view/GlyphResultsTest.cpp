// What OpenGL receives from the result lists: the displaced shape (list 15)
// scaled to "disp factor", and the member force diagrams (lists 16 to 21)
// laid off along each member's local axis 2 from the solver's "dcos" file.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>

#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "support/GlFeedback.h"
#include "support/GlFixture.h"
#include "support/TempDir.h"
#include "view/Geometry.h"
#include "view/GlyphMath.h"

using testsupport::FeedbackOfList;
using testsupport::FeedbackRecord;
using testsupport::FeedbackVertex;
using glyph::Vec3;

namespace {

constexpr GLuint kListFy = CGeometry::ListMemberFx + 1;
constexpr GLuint kListMx = CGeometry::ListMemberFx + 3;
constexpr GLuint kListMy = CGeometry::ListMemberFx + 4;

void Option(const std::string& key, int value)
{
    platform::Profile::WriteString("OPTION", key, std::to_string(value));
}

void Project(const std::string& key, const std::string& value)
{
    platform::Profile::WriteString("KESTRA ", key, value);
}

Vec3 At(const FeedbackVertex& v) { return {v.x, v.y, v.z}; }
Vec3 ColourOf(const FeedbackVertex& v) { return {v.r, v.g, v.b}; }

void ExpectNear(const Vec3& actual, const Vec3& expected, double tol = 2e-4)
{
    EXPECT_NEAR(actual.x, expected.x, tol);
    EXPECT_NEAR(actual.y, expected.y, tol);
    EXPECT_NEAR(actual.z, expected.z, tol);
}

// The records drawn for each member, keyed by the member number its list
// marks it with.
std::map<int, std::vector<FeedbackRecord>> ByMember(const std::vector<FeedbackRecord>& records)
{
    std::map<int, std::vector<FeedbackRecord>> members;
    int member = 0;
    for (const FeedbackRecord& r : records) {
        if (r.token == GL_PASS_THROUGH_TOKEN)
            member = static_cast<int>(r.value);
        else
            members[member].push_back(r);
    }
    return members;
}

bool Empty(GLuint list) { return !glIsList(list) || FeedbackOfList(list).empty(); }

bool AllFinite(const std::vector<FeedbackRecord>& records)
{
    for (const FeedbackRecord& r : records)
        for (const FeedbackVertex& v : r.vertices)
            if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.z))
                return false;
    return true;
}

// Three nodes, member 1 from (0,0,0) to (4,0,0) and member 2 from (4,0,0)
// up to (4,0,3).
class GlyphResults : public testsupport::GlFixture {
protected:
    testsupport::TempDir dir;

    static void Model(CGeometry& geo)
    {
        geo.m_nodeTable.SetSize(3, 9);
        geo.m_nodeTable(2, 1) = 4;
        geo.m_nodeTable(3, 1) = 4;
        geo.m_nodeTable(3, 3) = 3;
        geo.m_memberTable.SetSize(2, 8);
        geo.m_memberTable(1, 1) = 1;
        geo.m_memberTable(1, 2) = 2;
        geo.m_memberTable(1, 3) = 4;
        geo.m_memberTable(2, 1) = 2;
        geo.m_memberTable(2, 2) = 3;
        geo.m_memberTable(2, 3) = 3;
    }

    // The project the diagrams read: folder, freedoms, element type, and
    // the solver's local axes (member 1: X, Y, Z; member 2: Z, Y, -X).
    void Frame(const std::string& type = "Frame3D", const std::string& dof = "6")
    {
        Project("File location ", dir.Folder());
        Project("Project name ", "P");
        Project("DOF ", dof);
        Project("Element Type ", type);
        CdMatrix axes(3, 3);
        axes(1, 1) = 1;
        axes(2, 2) = 1;
        axes(3, 3) = 1;
        ASSERT_TRUE(axes.SaveRecord(1, dir.Folder() + "dcos"));
        axes.Zero();
        axes(1, 3) = 1;
        axes(2, 2) = 1;
        axes(3, 1) = -1;
        ASSERT_TRUE(axes.SaveRecord(2, dir.Folder() + "dcos"));
    }

    // Fx: member 1 ends 10 and -10, member 2 ends 5 and 20 (largest 20).
    static CdMatrix Forces(int dof = 6)
    {
        CdMatrix f(2, 2 * dof);
        f(1, 1) = 10;
        f(1, dof + 1) = -10;
        f(2, 1) = 5;
        f(2, dof + 1) = 20;
        return f;
    }
};

} // namespace

TEST_F(GlyphResults, DisplacedShapeDrawsTheLargestTranslationAtDispFactor)
{
    Option("disp factor", 2);
    Option("node displacement red", 10);
    Option("node displacement green", 20);
    Option("node displacement blue", 30);
    Option("member displacement red", 40);
    Option("member displacement green", 50);
    Option("member displacement blue", 60);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Model(geo);
    geo.m_forceComponent = 1008;
    CdMatrix d(3, 6);
    d(2, 1) = 0.001;
    d(2, 2) = 0.002;
    d(3, 1) = 0.004;  // largest: |(0.004, -0.003, 0)| = 0.005
    d(3, 2) = -0.003;
    d(3, 4) = 99;     // rotations are not drawn
    geo.UpdateDisp(d);
    EXPECT_EQ(geo.m_forceComponent, 0);

    // Scale 2 / 0.005 = 400.
    const Vec3 moved[4] = {{0, 0, 0}, {0, 0, 0}, {4.4, 0.8, 0}, {5.6, -1.2, 3}};
    const auto records = FeedbackOfList(CGeometry::ListDisplacedShape);
    const auto members = ByMember(records);
    ASSERT_EQ(members.size(), 2u) << testsupport::Describe(records);
    const int ends[3][2] = {{0, 0}, {1, 2}, {2, 3}};
    for (int k = 1; k <= 2; ++k) {
        SCOPED_TRACE(k);
        const auto& m = members.at(k);
        const auto points = testsupport::OfType(m, GL_POINT_TOKEN);
        const auto lines = testsupport::Lines(m);
        ASSERT_EQ(points.size(), 2u);
        ASSERT_EQ(lines.size(), 1u);
        for (int e = 0; e < 2; ++e) {
            ExpectNear(At(points[e].vertices[0]), moved[ends[k][e]]);
            ExpectNear(ColourOf(points[e].vertices[0]), {10 / 255.0, 20 / 255.0, 30 / 255.0}, 1e-6);
            ExpectNear(At(lines[0].vertices[e]), moved[ends[k][e]]);
            ExpectNear(ColourOf(lines[0].vertices[e]), {40 / 255.0, 50 / 255.0, 60 / 255.0}, 1e-6);
        }
    }
    // Doubling every translation leaves the picture as it was.
    geo.UpdateDisp(d * 2.0);
    const auto again = FeedbackOfList(CGeometry::ListDisplacedShape);
    ASSERT_EQ(again.size(), records.size());
    for (size_t i = 0; i < again.size(); ++i)
        for (size_t v = 0; v < again[i].vertices.size(); ++v)
            ExpectNear(At(again[i].vertices[v]), At(records[i].vertices[v]), 1e-5);
}

TEST_F(GlyphResults, DisplacedShapeShowSwitches)
{
    Option("node displacement show", 0);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Model(geo);
    CdMatrix d(3, 3);
    d(3, 3) = 0.01;
    geo.UpdateDisp(d);
    auto records = FeedbackOfList(CGeometry::ListDisplacedShape);
    EXPECT_EQ(testsupport::Count(records, GL_POINT_TOKEN), 0u);
    EXPECT_EQ(testsupport::Lines(records).size(), 2u);

    Option("node displacement show", 1);
    Option("member displacement show", 0);
    geo.LoadLibraryA();
    geo.UpdateDisp(d);
    records = FeedbackOfList(CGeometry::ListDisplacedShape);
    EXPECT_EQ(testsupport::Count(records, GL_POINT_TOKEN), 4u); // per member end
    EXPECT_EQ(testsupport::Lines(records).size(), 0u);

    // Displaced nodes are 6 pixels whatever the "node factor".
    Option("node factor", 11);
    geo.LoadLibraryA();
    geo.UpdateDisp(d);
    glPointSize(1.0f);
    glCallList(CGeometry::ListDisplacedShape);
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 6.0f);
}

TEST_F(GlyphResults, NoTranslationLeavesTheShapeUndrawnWithoutDividingByZero)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Model(geo);
    CdMatrix d(3, 6);
    d(2, 1) = 0.01;
    geo.UpdateDisp(d);
    ASSERT_FALSE(Empty(CGeometry::ListDisplacedShape));

    geo.m_forceComponent = 1007;
    d.Zero();
    d(1, 5) = 0.2; // a rotation only
    geo.UpdateDisp(d);
    EXPECT_TRUE(Empty(CGeometry::ListDisplacedShape));
    EXPECT_EQ(geo.m_forceComponent, 0);

    // A broken translation is skipped, the others are still scaled.
    d.Zero();
    d(1, 1) = std::numeric_limits<double>::quiet_NaN();
    d(3, 2) = 0.5;
    geo.UpdateDisp(d);
    const auto records = FeedbackOfList(CGeometry::ListDisplacedShape);
    EXPECT_TRUE(AllFinite(records)) << testsupport::Describe(records);
    EXPECT_EQ(ByMember(records).count(1), 0u);
    const auto member2 = ByMember(records).at(2);
    ExpectNear(At(testsupport::Lines(member2).at(0).vertices[1]), {4, 1, 3});
}

TEST_F(GlyphResults, UpdatesDeleteTheReferencePoints)
{
    Option("member K point show", 0);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Model(geo);
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
    Option("Subdivisions Fx", 1);
    Option("Member Fx scale", 2);
    Option("Member Fx red", 200);
    Option("Member Fx green", 100);
    Option("Member Fx blue", 50);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Model(geo);
    geo.UpdateMemberForec(Forces());

    // s = 2 / 20: member 1 ordinates 1 and -1, member 2 ordinates 0.5 and 2,
    // both along local axis 2 = global Y.
    const auto records = FeedbackOfList(CGeometry::ListMemberFx);
    const auto members = ByMember(records);
    ASSERT_EQ(members.size(), 2u) << testsupport::Describe(records);
    const Vec3 white{1, 1, 1}, colour{200 / 255.0, 100 / 255.0, 50 / 255.0};
    const Vec3 corners[3][4] = {{},
                                {{0, 0, 0}, {0, 1, 0}, {4, -1, 0}, {4, 0, 0}},
                                {{4, 0, 0}, {4, 0.5, 0}, {4, 2, 3}, {4, 0, 3}}};
    for (int k = 1; k <= 2; ++k) {
        SCOPED_TRACE(k);
        const auto polygons = testsupport::OfType(members.at(k), GL_POLYGON_TOKEN);
        ASSERT_EQ(polygons.size(), 2u); // one quadrilateral
        // Each corner of the quadrilateral appears with its colour, white on
        // the member, the diagram colour at the ordinates.
        for (int c = 0; c < 4; ++c) {
            bool found = false;
            for (const FeedbackRecord& p : polygons)
                for (const FeedbackVertex& v : p.vertices)
                    if (glyph::Norm(At(v) - corners[k][c]) < 1e-4) {
                        found = true;
                        ExpectNear(ColourOf(v), c == 0 || c == 3 ? white : colour, 1e-6);
                    }
            EXPECT_TRUE(found) << "corner " << c;
        }
        // The quadrilateral's vertex order, as the driver splits it:
        // (0, 1, 3) and (1, 2, 3).
        const int order[2][3] = {{0, 1, 3}, {1, 2, 3}};
        for (int t = 0; t < 2; ++t)
            for (int v = 0; v < 3; ++v)
                ExpectNear(At(polygons[t].vertices[v]), corners[k][order[t][v]]);
    }
}

TEST_F(GlyphResults, TwentyEqualStripsFollowTheStraightLineBetweenTheEnds)
{
    Frame();
    Option("Member Fx scale", 2); // "Subdivisions Fx" defaults to 20
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Model(geo);
    geo.UpdateMemberForec(Forces());

    const auto members = ByMember(FeedbackOfList(CGeometry::ListMemberFx));
    ASSERT_EQ(members.size(), 2u);
    // Member 1 along X with ordinate y(x) = 1 - x / 2 along Y.
    const auto polygons = testsupport::OfType(members.at(1), GL_POLYGON_TOKEN);
    ASSERT_EQ(polygons.size(), 40u);
    double largest = 0;
    std::vector<double> stations;
    for (const FeedbackRecord& p : polygons)
        for (const FeedbackVertex& v : p.vertices) {
            EXPECT_NEAR(v.z, 0.0, 1e-4);
            if (v.r == 1.0f && v.g == 1.0f && v.b == 1.0f) {
                EXPECT_NEAR(v.y, 0.0, 1e-4); // white on the member axis
            } else {
                EXPECT_NEAR(v.y, 1.0 - v.x / 2.0, 1e-4);
                largest = std::max(largest, std::fabs(static_cast<double>(v.y)));
            }
            // Every vertex sits on a station x = 0.2 j.
            EXPECT_NEAR(v.x / 0.2, std::round(v.x / 0.2), 1e-4);
            stations.push_back(std::round(v.x / 0.2));
        }
    EXPECT_EQ(*std::min_element(stations.begin(), stations.end()), 0);
    EXPECT_EQ(*std::max_element(stations.begin(), stations.end()), 20);
    EXPECT_NEAR(largest, 1.0, 1e-4);

    // The largest end value of all members (20, member 2's end) is drawn at
    // the "Member Fx scale".
    double top = 0;
    for (const FeedbackRecord& p : testsupport::OfType(members.at(2), GL_POLYGON_TOKEN))
        for (const FeedbackVertex& v : p.vertices)
            top = std::max(top, static_cast<double>(v.y));
    EXPECT_NEAR(top, 2.0, 1e-4);
}

TEST_F(GlyphResults, DoublingEveryForceLeavesThePictureUnchanged)
{
    Frame();
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Model(geo);
    geo.UpdateMemberForec(Forces());
    const auto once = FeedbackOfList(CGeometry::ListMemberFx);
    geo.UpdateMemberForec(Forces() * 2.0);
    const auto twice = FeedbackOfList(CGeometry::ListMemberFx);
    ASSERT_EQ(once.size(), twice.size());
    ASSERT_GT(once.size(), 0u);
    for (size_t i = 0; i < once.size(); ++i)
        for (size_t v = 0; v < once[i].vertices.size(); ++v)
            ExpectNear(At(once[i].vertices[v]), At(twice[i].vertices[v]), 1e-5);
}

TEST_F(GlyphResults, ZeroEndValueOrSingleMemberDrawsNoDiagram)
{
    Frame();
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Model(geo);
    CdMatrix f(2, 12);
    f(1, 2) = 0; // Fy of member 1 starts at zero: no diagram for it
    f(1, 8) = 3;
    f(2, 2) = 4;
    f(2, 8) = -4;
    f(1, 3) = 2; // Fz of member 1 ends at zero: no diagram for it either
    f(1, 9) = 0;
    f(2, 3) = 3;
    f(2, 9) = 3;
    // Mz of member 2 runs along local axis 2 = Y from (4,0,0) up to (4,0,3).
    f(1, 6) = 1;
    f(1, 12) = 1;
    f(2, 6) = -8;
    f(2, 12) = 8;
    geo.UpdateMemberForec(f);
    EXPECT_TRUE(Empty(CGeometry::ListMemberFx)); // no Fx at all
    const auto fy = ByMember(FeedbackOfList(kListFy));
    ASSERT_EQ(fy.size(), 1u);
    EXPECT_EQ(fy.begin()->first, 2);
    const auto fz = ByMember(FeedbackOfList(CGeometry::ListMemberFx + 2));
    ASSERT_EQ(fz.size(), 1u);
    EXPECT_EQ(fz.begin()->first, 2);
    const auto mz = ByMember(FeedbackOfList(CGeometry::ListMemberMz));
    ASSERT_EQ(mz.size(), 2u);
    for (const FeedbackRecord& p : testsupport::OfType(mz.at(2), GL_POLYGON_TOKEN))
        for (const FeedbackVertex& v : p.vertices) {
            EXPECT_NEAR(v.x, 4.0, 1e-4);
            const bool white = v.r == 1.0f && v.g == 1.0f && v.b == 1.0f;
            EXPECT_NEAR(v.y, white ? 0.0 : -1.0 + 2.0 * v.z / 3.0, 1e-4);
        }

    // One member: the column maxima of a one-row table are 0.
    CGeometry single;
    single.m_nodeTable = geo.m_nodeTable;
    single.m_memberTable.SetSize(1, 8);
    single.m_memberTable(1, 1) = 1;
    single.m_memberTable(1, 2) = 2;
    CdMatrix one(1, 12);
    for (int c = 1; c <= 12; ++c)
        one(1, c) = 5;
    single.UpdateMemberForec(one);
    for (GLuint list = CGeometry::ListMemberFx; list <= CGeometry::ListMemberMz; ++list)
        EXPECT_FALSE(glIsList(list)) << list;
}

TEST_F(GlyphResults, TrussDrawsNoMomentDiagramsAndShowKeysSkipComponents)
{
    Frame("Truss3D", "3");
    Option("Member Fy show", 0);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Model(geo);
    CdMatrix f(2, 12);
    for (int c = 1; c <= 12; ++c) {
        f(1, c) = c;
        f(2, c) = -2.0 * c;
    }
    geo.UpdateMemberForec(f);
    EXPECT_FALSE(Empty(CGeometry::ListMemberFx));
    EXPECT_FALSE(glIsList(kListFy));
    EXPECT_FALSE(Empty(CGeometry::ListMemberFx + 2));
    for (GLuint list = kListMx; list <= CGeometry::ListMemberMz; ++list)
        EXPECT_FALSE(glIsList(list)) << list;
    // With 3 freedoms the end value of Fx is column 4: member 1 ends 1 and 4.
    const auto fx = ByMember(FeedbackOfList(CGeometry::ListMemberFx));
    double start = 0, end = 0;
    for (const FeedbackRecord& p : testsupport::OfType(fx.at(1), GL_POLYGON_TOKEN))
        for (const FeedbackVertex& v : p.vertices) {
            if (std::fabs(v.x) < 1e-4 && std::fabs(v.y) > std::fabs(start))
                start = v.y;
            if (std::fabs(v.x - 4) < 1e-4 && std::fabs(v.y) > std::fabs(end))
                end = v.y;
        }
    EXPECT_NEAR(end / start, 4.0, 1e-4);

    // The same table for a frame draws the moments.
    Frame();
    geo.UpdateMemberForec(f);
    EXPECT_FALSE(Empty(kListMx));
    EXPECT_FALSE(Empty(kListMy));
}

TEST_F(GlyphResults, MissingLocalAxesFileIsReportedOnce)
{
    Frame();
    std::remove((dir.Folder() + "dcos").c_str());
    platform::MessageRecorder recorder;
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Model(geo);
    geo.UpdateMemberForec(Forces());
    EXPECT_FALSE(glIsList(CGeometry::ListMemberFx));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "Access file " + dir.Folder() + "dcos");
    EXPECT_EQ(recorder.messages[0].caption, "KESTRA detect error in operation ");
}

TEST_F(GlyphResults, BrokenForcesOrMembersNeverReachTheLists)
{
    Frame();
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    Model(geo);
    geo.m_memberTable.SetSize(3, 8);
    geo.m_memberTable(1, 1) = 1;
    geo.m_memberTable(1, 2) = 2;
    geo.m_memberTable(2, 1) = 2;
    geo.m_memberTable(2, 2) = 2; // no length
    geo.m_memberTable(3, 1) = 2;
    geo.m_memberTable(3, 2) = 3;
    CdMatrix f(3, 12);
    for (int k = 1; k <= 3; ++k)
        for (int c = 1; c <= 12; ++c)
            f(k, c) = 10.0 * k + c;
    f(3, 1) = std::numeric_limits<double>::quiet_NaN();
    geo.UpdateMemberForec(f);
    for (GLuint list = CGeometry::ListMemberFx; list <= CGeometry::ListMemberMz; ++list) {
        const auto records = FeedbackOfList(list);
        EXPECT_TRUE(AllFinite(records)) << list << testsupport::Describe(records);
        EXPECT_EQ(ByMember(records).count(2), 0u) << list;
    }
    EXPECT_EQ(ByMember(FeedbackOfList(CGeometry::ListMemberFx)).count(3), 0u);
}
