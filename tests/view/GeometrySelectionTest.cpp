// Selection highlights of the model view (lists 3 and 6): range correction,
// red points, lines and labels, and that only one highlight exists at a time.
#include "ViewTestSupport.h"

using namespace viewtest;
using testsupport::CaptureFeedback;

namespace {

class GeometrySelection : public ViewFixture {
protected:
    // Ten nodes at (i, 2, 0), members i -> i + 1 (nine of them).
    static void FillChain(CGeometry& geo)
    {
        std::vector<Vec3> xyz;
        std::vector<std::vector<double>> members;
        for (int i = 1; i <= 10; ++i)
            xyz.push_back({double(i), 2, 0});
        for (int k = 1; k <= 9; ++k)
            members.push_back({double(k), k + 1.0});
        SetNodes(geo, xyz);
        SetMembers(geo, members);
        geo.UpdateNode();
        geo.UpdateMember();
    }
};

} // namespace

TEST_F(GeometrySelection, NodeRangeIsCutToTheTableAndDrawnRed)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillChain(geo);
    geo.m_selNodeFrom = 3;
    geo.m_selNodeTo = 99;
    // The list is compiled and executed at once: the call itself draws.
    const auto drawn = CaptureFeedback([&geo] { geo.OnSelSelectNode(); });
    EXPECT_EQ(geo.m_selNodeTo, 10);
    const auto points = Of(drawn, GL_POINT_TOKEN);
    ASSERT_EQ(points.size(), 8u);
    for (int k = 3; k <= 10; ++k) {
        ExpectNear(At(points[k - 3].vertices[0]), {double(k), 2, 0});
        ExpectColour(points[k - 3].vertices[0], {1, 0, 0});
    }
    // Labels "3".."9" and "10": nine characters, the first at node 3, red;
    // point then label, node by node.
    const auto labels = Of(drawn, GL_BITMAP_TOKEN);
    ASSERT_EQ(labels.size(), 9u);
    EXPECT_NEAR(labels[0].vertices[0].x, 3.0, 1e-4);
    ExpectColour(labels[0].vertices[0], {1, 0, 0});
    EXPECT_EQ(drawn[0].token, static_cast<GLenum>(GL_POINT_TOKEN));
    EXPECT_EQ(drawn[1].token, static_cast<GLenum>(GL_BITMAP_TOKEN));

    EXPECT_EQ(CountOf(CGeometry::ListNodeHighlight, GL_POINT_TOKEN), 8u);
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 6.0f);

    // First row 0 removes the highlight; a reversed range draws nothing.
    geo.m_selNodeFrom = 0;
    geo.m_selNodeTo = 2;
    EXPECT_TRUE(CaptureFeedback([&geo] { geo.OnSelSelectNode(); }).empty());
    EXPECT_FALSE(glIsList(CGeometry::ListNodeHighlight));
    EXPECT_EQ(geo.m_selNodeTo, 2);
    geo.m_selNodeFrom = 5;
    geo.m_selNodeTo = 4;
    EXPECT_TRUE(CaptureFeedback([&geo] { geo.OnSelSelectNode(); }).empty());
}

TEST_F(GeometrySelection, MemberRangeDrawsRedLinesAndLabelsAtMidpoints)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillChain(geo);
    geo.m_selMemberFrom = 8;
    geo.m_selMemberTo = 40;
    const auto drawn = CaptureFeedback([&geo] { geo.OnSelSelectMember(); });
    EXPECT_EQ(geo.m_selMemberTo, 9);
    const auto lines = testsupport::Lines(drawn);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NEAR(lines[0].vertices[0].x, 8.0, 1e-4);
    EXPECT_NEAR(lines[0].vertices[1].x, 9.0, 1e-4);
    EXPECT_NEAR(lines[1].vertices[1].x, 10.0, 1e-4);
    ExpectColour(lines[1].vertices[1], {1, 0, 0});
    const auto labels = Of(drawn, GL_BITMAP_TOKEN);
    ASSERT_EQ(labels.size(), 2u); // "8", "9"
    EXPECT_NEAR(labels[0].vertices[0].x, 8.5, 1e-4);
    EXPECT_NEAR(labels[1].vertices[0].x, 9.5, 1e-4);
    ExpectColour(labels[1].vertices[0], {1, 0, 0});
}

TEST_F(GeometrySelection, OnlyOneHighlightAtATime)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillChain(geo);
    auto shown = [] {
        return std::make_pair(bool(glIsList(CGeometry::ListNodeHighlight)),
                              bool(glIsList(CGeometry::ListMemberHighlight)));
    };
    geo.m_selNodeFrom = geo.m_selNodeTo = 4;
    geo.OnSelSelectNode();
    geo.m_selMemberFrom = geo.m_selMemberTo = 2;
    geo.OnSelSelectMember();
    EXPECT_EQ(shown(), std::make_pair(false, true));
    geo.OnSelSelectNode();
    EXPECT_EQ(shown(), std::make_pair(true, false));
    // An empty member range removes the node highlight too.
    geo.m_selMemberFrom = 0;
    geo.OnSelSelectMember();
    EXPECT_EQ(shown(), std::make_pair(false, false));
}
