// What OpenGL receives from the model view's scene lists: node points and
// numbers, member lines and numbers, property numbers, supports, the draw
// order of the view modes, and the background colour.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <limits>
#include <set>

#include "platform/Profile.h"
#include "support/GlFeedback.h"
#include "support/GlFixture.h"
#include "support/TempDir.h"
#include "view/Geometry.h"

using testsupport::Count;
using testsupport::FeedbackOfList;
using testsupport::FeedbackOfLists;
using testsupport::FeedbackRecord;
using testsupport::OfType;

namespace {

void Option(const std::string& key, int value)
{
    platform::Profile::WriteString("OPTION", key, std::to_string(value));
}

void ElementType(const std::string& type)
{
    platform::Profile::WriteString("KESTRA ", "Element Type ", type);
}

void ExpectColour(const testsupport::FeedbackVertex& v, double r, double g, double b)
{
    EXPECT_NEAR(v.r, r, 1e-6);
    EXPECT_NEAR(v.g, g, 1e-6);
    EXPECT_NEAR(v.b, b, 1e-6);
}

void ExpectAt(const testsupport::FeedbackVertex& v, double x, double y, double z)
{
    EXPECT_NEAR(v.x, x, 1e-4);
    EXPECT_NEAR(v.y, y, 1e-4);
    EXPECT_NEAR(v.z, z, 1e-3);
}

bool Empty(GLuint list)
{
    return !glIsList(list) || FeedbackOfList(list).empty();
}

class GeometryRender : public testsupport::GlFixture {
protected:
    testsupport::TempDir dir; // constructed before SetUp: each case its own INI

    // Three nodes and two members: 1 (0,0,0), 2 (4,0,0), 3 (4,6,-2); members
    // 1-2 (group 5) and 2-3 (group 12).
    static void FillModel(CGeometry& geo)
    {
        geo.m_nodeTable.SetSize(3, 9);
        for (int i = 1; i <= 3; ++i)
            for (int c = 4; c <= 9; ++c)
                geo.m_nodeTable(i, c) = 1.0;
        geo.m_nodeTable(2, 1) = 4;
        geo.m_nodeTable(3, 1) = 4;
        geo.m_nodeTable(3, 2) = 6;
        geo.m_nodeTable(3, 3) = -2;
        geo.m_memberTable.SetSize(2, 8);
        geo.m_memberTable(1, 1) = 1;
        geo.m_memberTable(1, 2) = 2;
        geo.m_memberTable(1, 7) = 5;
        geo.m_memberTable(2, 1) = 2;
        geo.m_memberTable(2, 2) = 3;
        geo.m_memberTable(2, 7) = 12;
    }
};

} // namespace

TEST_F(GeometryRender, NodePointsAndNumbers)
{
    Option("node coordinate red", 10);
    Option("node coordinate green", 200);
    Option("node coordinate blue", 30);
    Option("node number red", 255);
    Option("node number green", 128);
    Option("node number blue", 0);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    geo.m_nodeTable.SetSize(12, 9);
    for (int i = 1; i <= 12; ++i) {
        geo.m_nodeTable(i, 1) = i * 10.0;
        geo.m_nodeTable(i, 2) = -i;
        geo.m_nodeTable(i, 3) = 0.5 * i;
    }
    geo.UpdateNode();

    const auto points = FeedbackOfList(CGeometry::ListNodePoints);
    ASSERT_EQ(points.size(), 12u) << testsupport::Describe(points);
    for (int i = 1; i <= 12; ++i) {
        ASSERT_EQ(points[i - 1].token, static_cast<GLenum>(GL_POINT_TOKEN));
        ExpectAt(points[i - 1].vertices[0], i * 10.0, -i, 0.5 * i);
        ExpectColour(points[i - 1].vertices[0], 10 / 255.0, 200 / 255.0, 30 / 255.0);
    }

    // One bitmap per character: "1".."9" and "10", "11", "12".
    const auto numbers = FeedbackOfList(CGeometry::ListNodeNumbers);
    EXPECT_EQ(numbers.size(), 15u);
    EXPECT_EQ(Count(numbers, GL_BITMAP_TOKEN), 15u);
    ExpectAt(numbers[0].vertices[0], 10, -1, 0.5);
    ExpectColour(numbers[0].vertices[0], 1.0, 128 / 255.0, 0.0);
    ExpectAt(numbers[9].vertices[0], 100, -10, 5); // first digit of "10"
    EXPECT_GT(numbers[10].vertices[0].x, numbers[9].vertices[0].x);
}

TEST_F(GeometryRender, HiddenNodePointsLeaveListOneEmpty)
{
    Option("node coordinate show", 0);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillModel(geo);
    geo.UpdateNode();
    EXPECT_FALSE(glIsList(CGeometry::ListNodePoints));
    EXPECT_EQ(Count(FeedbackOfList(CGeometry::ListNodeNumbers), GL_BITMAP_TOKEN), 3u);

    Option("node number show", 2); // only exactly 1 shows
    geo.LoadLibraryA();
    geo.RenderNode();
    EXPECT_TRUE(Empty(CGeometry::ListNodeNumbers));
}

TEST_F(GeometryRender, MemberLinesNumbersAndPropertyNumbers)
{
    Option("member line red", 0);
    Option("member line green", 51);
    Option("member line blue", 102);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillModel(geo);
    geo.UpdateNode();
    geo.UpdateMember();
    geo.UpdateProperty();

    const auto lines = testsupport::Lines(FeedbackOfList(CGeometry::ListMemberLines));
    ASSERT_EQ(lines.size(), 2u);
    ExpectAt(lines[0].vertices[0], 0, 0, 0);
    ExpectAt(lines[0].vertices[1], 4, 0, 0);
    ExpectAt(lines[1].vertices[0], 4, 0, 0);
    ExpectAt(lines[1].vertices[1], 4, 6, -2);
    ExpectColour(lines[1].vertices[1], 0, 0.2, 0.4);
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 1.0f);

    const auto numbers = OfType(FeedbackOfList(CGeometry::ListMemberNumbers), GL_BITMAP_TOKEN);
    ASSERT_EQ(numbers.size(), 2u);
    ExpectAt(numbers[0].vertices[0], 2, 0, 0);
    ExpectAt(numbers[1].vertices[0], 4, 3, -1);
    ExpectColour(numbers[1].vertices[0], 0, 1, 1); // default member number colour

    // Property labels "5" and "12" in white at the midpoints.
    const auto groups = OfType(FeedbackOfList(CGeometry::ListPropertyNumbers), GL_BITMAP_TOKEN);
    ASSERT_EQ(groups.size(), 3u);
    ExpectAt(groups[0].vertices[0], 2, 0, 0);
    ExpectAt(groups[1].vertices[0], 4, 3, -1);
    ExpectColour(groups[2].vertices[0], 1, 1, 1);
}

TEST_F(GeometryRender, HiddenMembersLeaveListsEmptyAndMemberLineStillFilled)
{
    Option("member line show", 0);
    Option("member number show", 0);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillModel(geo);
    geo.UpdateMember();
    EXPECT_TRUE(Empty(CGeometry::ListMemberLines));
    EXPECT_TRUE(Empty(CGeometry::ListMemberNumbers));
    EXPECT_EQ(geo.m_memberLine(2, 5), 6.0);
}

TEST_F(GeometryRender, NothingUndefinedReachesTheLists)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillModel(geo);
    geo.m_nodeTable(3, 2) = std::numeric_limits<double>::quiet_NaN();
    geo.m_memberTable(1, 7) = std::numeric_limits<double>::infinity();
    geo.UpdateNode();
    geo.UpdateMember();
    geo.UpdateProperty();
    const auto records = FeedbackOfLists({1, 2, 4, 5, 14, 24});
    for (const FeedbackRecord& r : records)
        for (const auto& v : r.vertices)
            ASSERT_TRUE(std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z))
                << testsupport::Describe(records);
    EXPECT_EQ(Count(FeedbackOfList(1), GL_POINT_TOKEN), 2u);
    EXPECT_EQ(testsupport::Lines(FeedbackOfList(4)).size(), 1u);
    EXPECT_EQ(geo.m_memberOptions.m_propertyLabels[1], "-2147483648");
}

TEST_F(GeometryRender, FrameSupportsCubeForFixedRotationsPyramidForPins)
{
    ElementType("Frame3D");
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillModel(geo);
    const double fixedRotations[6] = {1, 1, 1, 0, 0, 0};
    const double pinned[6] = {0, 0, 0, 1, 1, 1};
    for (int c = 4; c <= 9; ++c) {
        geo.m_nodeTable(1, c) = fixedRotations[c - 4];
        geo.m_nodeTable(2, c) = pinned[c - 4];
    }
    geo.RenderSupport();

    const auto records = FeedbackOfList(CGeometry::ListSupports);
    const auto polygons = OfType(records, GL_POLYGON_TOKEN);
    ASSERT_EQ(polygons.size(), 12u + 4u) << testsupport::Describe(records);
    // The cube around node 1: 6 quads, two triangles each, within +-0.15.
    std::set<std::tuple<int, int, int>> corners;
    for (size_t p = 0; p < 12; ++p)
        for (const auto& v : polygons[p].vertices) {
            ExpectColour(v, 1, 0, 0);
            EXPECT_NEAR(std::fabs(v.x), 0.15, 1e-4);
            EXPECT_NEAR(std::fabs(v.y), 0.15, 1e-4);
            EXPECT_NEAR(std::fabs(v.z), 0.15, 1e-3);
            corners.insert({v.x > 0, v.y > 0, v.z > 0});
        }
    EXPECT_EQ(corners.size(), 8u);
    // The pyramid at node 2 (4, 0, 0): four triangles from the apex.
    for (size_t p = 12; p < 16; ++p) {
        ASSERT_EQ(polygons[p].vertices.size(), 3u);
        ExpectAt(polygons[p].vertices[0], 4, 0, 0);
        for (int k = 1; k <= 2; ++k) {
            const auto& v = polygons[p].vertices[k];
            EXPECT_NEAR(std::fabs(v.x - 4.0), 0.15, 1e-4);
            EXPECT_NEAR(v.y, -0.3, 1e-4);
            EXPECT_NEAR(std::fabs(v.z), 0.15, 1e-3);
            ExpectColour(v, 1, 0, 0);
        }
    }
}

TEST_F(GeometryRender, TrussSupportsUseTranslationsOnly)
{
    ElementType("Truss3D");
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillModel(geo);
    geo.m_nodeTable.SetSize(3, 6);
    for (int i = 1; i <= 3; ++i)
        for (int c = 4; c <= 6; ++c)
            geo.m_nodeTable(i, c) = 1.0;
    geo.m_nodeTable(3, 1) = 4;
    geo.m_nodeTable(3, 4) = geo.m_nodeTable(3, 5) = geo.m_nodeTable(3, 6) = 0.0;
    geo.m_nodeTable(2, 4) = geo.m_nodeTable(2, 5) = 0.0; // Z free: no support
    geo.RenderSupport();
    const auto polygons = OfType(FeedbackOfList(CGeometry::ListSupports), GL_POLYGON_TOKEN);
    ASSERT_EQ(polygons.size(), 4u);
    ExpectAt(polygons[0].vertices[0], 4, 0, 0);

    // Other structure types draw no supports; "boundary show" 0 deletes it.
    ElementType("Plane2D");
    geo.RenderSupport();
    EXPECT_TRUE(Empty(CGeometry::ListSupports));
    ElementType("Truss3D");
    Option("boundary show", 0);
    geo.LoadLibraryA();
    geo.RenderSupport();
    EXPECT_FALSE(glIsList(CGeometry::ListSupports));
}

namespace {

// Replaces lists 1..24 by markers that pass their own number through, so
// that the order in which Rendering calls them can be read back.
void MarkLists()
{
    for (GLuint list = 1; list <= 24; ++list) {
        glNewList(list, GL_COMPILE);
        glPassThrough(static_cast<GLfloat>(list));
        glEndList();
    }
}

std::vector<int> CalledLists(const std::function<void()>& draw)
{
    std::vector<int> order;
    for (const FeedbackRecord& r : testsupport::CaptureFeedback(draw))
        if (r.token == GL_PASS_THROUGH_TOKEN)
            order.push_back(static_cast<int>(r.value));
    return order;
}

} // namespace

TEST_F(GeometryRender, ViewModesCallTheirListsInOrder)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    MarkLists();
    auto render = [&geo] { geo.Rendering(); };

    geo.m_viewMode = 0;
    EXPECT_EQ(CalledLists(render), (std::vector<int>{3, 1, 2, 13, 6, 4, 5, 14, 24}));
    geo.m_viewMode = 1;
    EXPECT_EQ(CalledLists(render), (std::vector<int>{7, 8, 9, 10, 11, 12, 3, 1, 2, 4, 5}));
    geo.m_viewMode = 2;
    EXPECT_EQ(CalledLists(render), (std::vector<int>{3, 1, 2, 4, 15}));
    geo.m_viewMode = 3;
    for (int component = 1007; component <= 1012; ++component) {
        geo.m_forceComponent = component;
        EXPECT_EQ(CalledLists(render), (std::vector<int>{component - 1007 + 16, 3, 1, 2, 4}));
    }
    geo.m_forceComponent = 1006;
    EXPECT_EQ(CalledLists(render), (std::vector<int>{3, 1, 2, 4}));
    geo.m_forceComponent = 0;
    EXPECT_EQ(CalledLists(render), (std::vector<int>{3, 1, 2, 4}));
    geo.m_viewMode = 4;
    EXPECT_TRUE(CalledLists(render).empty());
    geo.m_viewMode = -1;
    EXPECT_TRUE(CalledLists(render).empty());

    geo.m_viewMode = 2; // RenderScene ignores the mode
    EXPECT_EQ(CalledLists([&geo] { geo.RenderScene(); }),
              (std::vector<int>{3, 1, 2, 13, 6, 4, 5, 14}));
}

TEST_F(GeometryRender, ClearViewKeepsSupportsAndFont)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    MarkLists();
    geo.ClearView();
    for (GLuint list = 1; list <= 21; ++list)
        EXPECT_FALSE(glIsList(list)) << list;
    EXPECT_TRUE(glIsList(22));
    EXPECT_TRUE(glIsList(24));
    EXPECT_TRUE(glIsList(1000 + 'A'));
}

TEST_F(GeometryRender, CreateDisplayListBuildsNodesAndMembersExceptInForceMode)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillModel(geo);
    geo.m_viewMode = 3;
    geo.CreateDisplayList();
    EXPECT_FALSE(glIsList(CGeometry::ListNodePoints));
    EXPECT_FALSE(glIsList(CGeometry::ListMemberLines));
    for (int mode = 0; mode <= 2; ++mode) {
        geo.ClearView();
        geo.m_viewMode = mode;
        geo.CreateDisplayList();
        EXPECT_EQ(Count(FeedbackOfList(CGeometry::ListNodePoints), GL_POINT_TOKEN), 3u);
        EXPECT_EQ(Count(FeedbackOfList(CGeometry::ListNodeNumbers), GL_BITMAP_TOKEN), 3u);
        EXPECT_EQ(testsupport::Lines(FeedbackOfList(CGeometry::ListMemberLines)).size(), 2u);
        EXPECT_EQ(Count(FeedbackOfList(CGeometry::ListMemberNumbers), GL_BITMAP_TOKEN), 2u);
    }
}

TEST_F(GeometryRender, BackgroundComesFromTheScreenColour)
{
    Option("screen red", 51);
    Option("screen green", 102);
    Option("screen blue", 255);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    GLfloat clear[4] = {0, 0, 0, 1};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_NEAR(clear[0], 0.2, 1e-6);
    EXPECT_NEAR(clear[1], 0.4, 1e-6);
    EXPECT_NEAR(clear[2], 1.0, 1e-6);
    EXPECT_EQ(clear[3], 0.0f);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsList(1000 + '7'));
}
