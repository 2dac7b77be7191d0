// What OpenGL receives from the model view's scene lists: node points and
// numbers, member lines and numbers, property numbers, supports, the draw
// order of the view modes and the selection highlights (lists 3 and 6).
#include "ViewTestSupport.h"

#include <limits>
#include <set>
#include <tuple>

using namespace viewtest;

namespace {

class GeometryRender : public ViewFixture {
protected:
    // Nodes 1 (0,0,0), 2 (4,0,0), 3 (4,6,-2) and nine more at (10 i, -i, i / 2);
    // members 1-2 (group 5) and 2-3 (group 12).
    static void FillModel(CGeometry& geo, int nodes = 3)
    {
        std::vector<Vec3> xyz = {{0, 0, 0}, {4, 0, 0}, {4, 6, -2}};
        for (int i = 4; i <= nodes; ++i)
            xyz.push_back({i * 10.0, -double(i), 0.5 * i});
        SetNodes(geo, xyz);
        SetMembers(geo, {{1, 2, 0, 0, 0, 0, 5}, {2, 3, 0, 0, 0, 0, 12}});
    }
    // Ten nodes at (i, 2, 0), members i -> i + 1 (nine of them).
    static void FillChain(CGeometry& geo)
    {
        std::vector<Vec3> xyz;
        std::vector<std::vector<double>> members;
        for (int i = 1; i <= 10; ++i) {
            xyz.push_back({double(i), 2, 0});
            if (i < 10)
                members.push_back({double(i), i + 1.0});
        }
        SetNodes(geo, xyz);
        SetMembers(geo, members);
        geo.UpdateNode();
        geo.UpdateMember();
    }
};

// The numbers each list passes through when the lists 1..30 are replaced
// by markers, in the order they are called.
std::vector<int> CalledLists(const std::function<void()>& draw)
{
    for (GLuint list = 1; list <= 30; ++list) {
        glNewList(list, GL_COMPILE);
        glPassThrough(static_cast<GLfloat>(list));
        glEndList();
    }
    std::vector<int> order;
    for (const FeedbackRecord& r : testsupport::CaptureFeedback(draw))
        if (r.token == GL_PASS_THROUGH_TOKEN)
            order.push_back(static_cast<int>(r.value));
    return order;
}

} // namespace

TEST_F(GeometryRender, NodeAndMemberPointsLinesAndNumbers)
{
    OptionRgb("node coordinate", 10, 200, 30);
    OptionRgb("node number", 255, 128, 0);
    OptionRgb("member line", 0, 51, 102);
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillModel(geo, 12);
    geo.UpdateNode();
    geo.UpdateMember();
    geo.UpdateProperty();

    const auto points = FeedbackOfList(CGeometry::ListNodePoints);
    ASSERT_EQ(points.size(), 12u) << testsupport::Describe(points);
    for (int i = 1; i <= 12; ++i) {
        ASSERT_EQ(points[i - 1].token, static_cast<GLenum>(GL_POINT_TOKEN));
        ExpectNear(At(points[i - 1].vertices[0]), NodeAt(geo, i));
        ExpectColour(points[i - 1].vertices[0], Rgb255(10, 200, 30));
    }
    // One bitmap per character: "1".."9" and "10", "11", "12".
    const auto numbers = FeedbackOfList(CGeometry::ListNodeNumbers);
    EXPECT_EQ(testsupport::Count(numbers, GL_BITMAP_TOKEN), 15u);
    ASSERT_EQ(numbers.size(), 15u);
    ExpectNear(At(numbers[1].vertices[0]), {4, 0, 0});
    ExpectColour(numbers[0].vertices[0], Rgb255(255, 128, 0));
    ExpectNear(At(numbers[9].vertices[0]), {100, -10, 5}); // first digit of "10"
    EXPECT_GT(numbers[10].vertices[0].x, numbers[9].vertices[0].x);

    const auto lines = testsupport::Lines(FeedbackOfList(CGeometry::ListMemberLines));
    ASSERT_EQ(lines.size(), 2u);
    const Vec3 ends[2][2] = {{{0, 0, 0}, {4, 0, 0}}, {{4, 0, 0}, {4, 6, -2}}};
    for (int k = 0; k < 2; ++k)
        for (int e = 0; e < 2; ++e)
            ExpectNear(At(lines[k].vertices[e]), ends[k][e]);
    ExpectColour(lines[1].vertices[1], {0, 0.2, 0.4});

    // Member numbers (default cyan) and property numbers "5", "12" (white)
    // at the midpoints.
    const auto members = Of(FeedbackOfList(CGeometry::ListMemberNumbers), GL_BITMAP_TOKEN);
    const auto groups = Of(FeedbackOfList(CGeometry::ListPropertyNumbers), GL_BITMAP_TOKEN);
    ASSERT_EQ(members.size(), 2u);
    ASSERT_EQ(groups.size(), 3u);
    for (const auto& labels : {members, groups}) {
        ExpectNear(At(labels[0].vertices[0]), {2, 0, 0});
        ExpectNear(At(labels[1].vertices[0]), {4, 3, -1});
    }
    ExpectColour(members[1].vertices[0], {0, 1, 1});
    ExpectColour(groups[2].vertices[0], {1, 1, 1});
}

TEST_F(GeometryRender, ShowKeysAndViewModeDecideWhichListsAreBuilt)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillModel(geo);
    // The force view builds no scene lists; the others all four.
    geo.m_viewMode = 3;
    geo.CreateDisplayList();
    EXPECT_FALSE(glIsList(CGeometry::ListNodePoints));
    EXPECT_FALSE(glIsList(CGeometry::ListMemberLines));
    for (int mode = 0; mode <= 2; ++mode) {
        geo.ClearView();
        geo.m_viewMode = mode;
        geo.CreateDisplayList();
        EXPECT_EQ(CountOf(CGeometry::ListNodePoints, GL_POINT_TOKEN), 3u);
        EXPECT_EQ(CountOf(CGeometry::ListNodeNumbers, GL_BITMAP_TOKEN), 3u);
        EXPECT_EQ(LinesOf(CGeometry::ListMemberLines), 2u);
        EXPECT_EQ(CountOf(CGeometry::ListMemberNumbers, GL_BITMAP_TOKEN), 2u);
    }

    Options({{"node coordinate show", 0}, {"member line show", 0}, {"member number show", 0}});
    geo.LoadLibraryA();
    geo.UpdateNode();
    geo.UpdateMember();
    EXPECT_FALSE(glIsList(CGeometry::ListNodePoints));
    EXPECT_EQ(CountOf(CGeometry::ListNodeNumbers, GL_BITMAP_TOKEN), 3u);
    EXPECT_TRUE(Empty(CGeometry::ListMemberLines));
    EXPECT_TRUE(Empty(CGeometry::ListMemberNumbers));
    EXPECT_EQ(geo.m_memberLine(2, 5), 6.0); // the member lines are still filled
    Option("node number show", 2);          // only exactly 1 shows
    geo.LoadLibraryA();
    geo.RenderNode();
    EXPECT_TRUE(Empty(CGeometry::ListNodeNumbers));
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
    const auto records = testsupport::FeedbackOfLists({1, 2, 4, 5, 14, 24});
    EXPECT_TRUE(AllFinite(records)) << testsupport::Describe(records);
    EXPECT_EQ(CountOf(1, GL_POINT_TOKEN), 2u);
    EXPECT_EQ(LinesOf(4), 1u);
    EXPECT_EQ(geo.m_memberOptions.m_propertyLabels[1], "-2147483648");
}

TEST_F(GeometryRender, SupportsCubeForFixedRotationsPyramidForPinsTrussTranslationsOnly)
{
    ProjectKey("Element Type ", "Frame3D");
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillModel(geo);
    for (int c = 4; c <= 9; ++c) {
        geo.m_nodeTable(1, c) = c <= 6 ? 1 : 0; // 0 held: rotations only -> cube
        geo.m_nodeTable(2, c) = c <= 6 ? 0 : 1; // translations only -> pyramid
    }
    geo.RenderSupport();

    const auto records = FeedbackOfList(CGeometry::ListSupports);
    const auto polygons = Of(records, GL_POLYGON_TOKEN);
    ASSERT_EQ(polygons.size(), 12u + 4u) << testsupport::Describe(records);
    // The cube around node 1: 6 quads, two triangles each, within +-0.15.
    std::set<std::tuple<int, int, int>> corners;
    for (size_t p = 0; p < 12; ++p)
        for (const auto& v : polygons[p].vertices) {
            ExpectColour(v, {1, 0, 0});
            ExpectNear({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)}, {0.15, 0.15, 0.15}, 1e-3);
            corners.insert({v.x > 0, v.y > 0, v.z > 0});
        }
    EXPECT_EQ(corners.size(), 8u);
    // The pyramid at node 2 (4, 0, 0): four triangles from the apex.
    for (size_t p = 12; p < 16; ++p) {
        ASSERT_EQ(polygons[p].vertices.size(), 3u);
        ExpectNear(At(polygons[p].vertices[0]), {4, 0, 0});
        for (int k = 1; k <= 2; ++k) {
            const auto& v = polygons[p].vertices[k];
            ExpectNear({std::fabs(v.x - 4.0), v.y, std::fabs(v.z)}, {0.15, -0.3, 0.15}, 1e-3);
            ExpectColour(v, {1, 0, 0});
        }
    }

    // A truss (six columns) uses translations only: node 3 at (4,0,0) held
    // in X, Y, Z gets a pyramid, node 2 free in Z no support.
    ProjectKey("Element Type ", "Truss3D");
    geo.m_nodeTable = CdMatrix(3, 6);
    for (int c = 4; c <= 6; ++c)
        geo.m_nodeTable(1, c) = geo.m_nodeTable(2, c) = 1.0;
    geo.m_nodeTable(3, 1) = 4;
    geo.m_nodeTable(2, 4) = geo.m_nodeTable(2, 5) = 0.0;
    geo.RenderSupport();
    const auto truss = Of(FeedbackOfList(CGeometry::ListSupports), GL_POLYGON_TOKEN);
    ASSERT_EQ(truss.size(), 4u);
    ExpectNear(At(truss[0].vertices[0]), {4, 0, 0});

    // Other structure types draw no supports; "boundary show" 0 deletes it.
    ProjectKey("Element Type ", "Plane2D");
    geo.RenderSupport();
    EXPECT_TRUE(Empty(CGeometry::ListSupports));
    ProjectKey("Element Type ", "Truss3D");
    Option("boundary show", 0);
    geo.LoadLibraryA();
    geo.RenderSupport();
    EXPECT_FALSE(glIsList(CGeometry::ListSupports));
}

TEST_F(GeometryRender, ViewModesCallTheirListsInOrder)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    auto render = [&geo] { geo.Rendering(); };
    using L = std::vector<int>;
    // {view mode, force component, lists called}; components 1007..1012
    // call their diagram (16..21), then its largest-value labels (25..30).
    std::vector<std::tuple<int, int, L>> table = {
        {0, 0, L{3, 1, 2, 13, 6, 4, 5, 14, 24}}, {1, 0, L{7, 8, 9, 10, 11, 12, 3, 1, 2, 6, 4, 5}},
        {2, 0, L{3, 1, 2, 6, 4, 15}},            {3, 1006, L{3, 1, 2, 6, 4}},
        {3, 0, L{3, 1, 2, 6, 4}},                {4, 0, L{}},
        {-1, 0, L{}}};
    for (int c = 1007; c <= 1012; ++c)
        table.emplace_back(3, c, L{c - 1007 + 16, c - 1007 + 25, 3, 1, 2, 6, 4});
    for (const auto& row : table) {
        SCOPED_TRACE(std::get<1>(row));
        geo.m_viewMode = std::get<0>(row);
        geo.m_forceComponent = std::get<1>(row);
        EXPECT_EQ(CalledLists(render), std::get<2>(row)) << std::get<0>(row);
    }
    geo.m_viewMode = 2; // RenderScene ignores the mode
    EXPECT_EQ(CalledLists([&geo] { geo.RenderScene(); }), (L{3, 1, 2, 13, 6, 4, 5, 14}));

    // ClearView keeps the supports (22), list 24 and the font; the result
    // labels (25..30) go with the results.
    geo.ClearView();
    for (GLuint list = 1; list <= 30; ++list)
        if (list != 23) {
            EXPECT_EQ(bool(glIsList(list)), list == 22 || list == 24) << list;
        }
    EXPECT_TRUE(glIsList(1000 + 'A'));
}

TEST_F(GeometryRender, SelectionRangesAreCutToTheTableDrawnRedOneAtATime)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillChain(geo);
    auto shown = [] {
        return std::make_pair(bool(glIsList(CGeometry::ListNodeHighlight)),
                              bool(glIsList(CGeometry::ListMemberHighlight)));
    };
    // Nodes 3..99 are cut to 3..10. The list is compiled and executed at
    // once (the call itself draws): node by node a red point of 6 pixels,
    // then its red label ("3".."9", "10": nine characters).
    geo.m_selNodeFrom = 3;
    geo.m_selNodeTo = 99;
    auto drawn = testsupport::CaptureFeedback([&geo] { geo.OnSelSelectNode(); });
    EXPECT_EQ(geo.m_selNodeTo, 10);
    const auto points = Of(drawn, GL_POINT_TOKEN);
    ASSERT_EQ(points.size(), 8u);
    for (int k = 3; k <= 10; ++k) {
        ExpectNear(At(points[k - 3].vertices[0]), {double(k), 2, 0});
        ExpectColour(points[k - 3].vertices[0], {1, 0, 0});
    }
    auto labels = Of(drawn, GL_BITMAP_TOKEN);
    ASSERT_EQ(labels.size(), 9u);
    ExpectNear(At(labels[0].vertices[0]), {3, 2, 0});
    ExpectColour(labels[0].vertices[0], {1, 0, 0});
    EXPECT_EQ(drawn[1].token, static_cast<GLenum>(GL_BITMAP_TOKEN));
    EXPECT_EQ(CountOf(CGeometry::ListNodeHighlight, GL_POINT_TOKEN), 8u);
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 6.0f);

    // Members 8..40 are cut to 8..9: red lines, labels "8", "9" at the
    // midpoints; the node highlight goes, and comes back in its place.
    geo.m_selMemberFrom = 8;
    geo.m_selMemberTo = 40;
    drawn = testsupport::CaptureFeedback([&geo] { geo.OnSelSelectMember(); });
    EXPECT_EQ(geo.m_selMemberTo, 9);
    EXPECT_EQ(shown(), std::make_pair(false, true));
    const auto lines = testsupport::Lines(drawn);
    ASSERT_EQ(lines.size(), 2u);
    ExpectNear(At(lines[0].vertices[0]), {8, 2, 0});
    ExpectNear(At(lines[1].vertices[1]), {10, 2, 0});
    ExpectColour(lines[1].vertices[1], {1, 0, 0});
    labels = Of(drawn, GL_BITMAP_TOKEN);
    ASSERT_EQ(labels.size(), 2u);
    ExpectNear(At(labels[1].vertices[0]), {9.5, 2, 0});
    ExpectColour(labels[1].vertices[0], {1, 0, 0});
    geo.OnSelSelectNode();
    EXPECT_EQ(shown(), std::make_pair(true, false));

    // An empty member range removes both; a node range from 0 or reversed
    // draws nothing.
    geo.m_selMemberFrom = 0;
    geo.OnSelSelectMember();
    EXPECT_EQ(shown(), std::make_pair(false, false));
    for (const auto& range : {std::make_pair(0, 2), std::make_pair(5, 4)}) {
        geo.m_selNodeFrom = range.first;
        geo.m_selNodeTo = range.second;
        EXPECT_TRUE(testsupport::CaptureFeedback([&geo] { geo.OnSelSelectNode(); }).empty()) << range.first;
        EXPECT_EQ(geo.m_selNodeTo, range.second);
        EXPECT_TRUE(range.first != 0 || !glIsList(CGeometry::ListNodeHighlight));
    }
}
