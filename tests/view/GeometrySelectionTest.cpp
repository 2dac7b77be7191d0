// Selection highlights of the model view (lists 3 and 6): range correction,
// red points, lines and labels, and that only one highlight exists at a time.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "platform/Profile.h"
#include "support/GlFeedback.h"
#include "support/GlFixture.h"
#include "support/TempDir.h"
#include "view/Geometry.h"

using testsupport::CaptureFeedback;
using testsupport::Count;
using testsupport::FeedbackOfList;
using testsupport::OfType;

namespace {

class GeometrySelection : public testsupport::GlFixture {
protected:
    testsupport::TempDir dir;

    // Ten nodes along X at x = i, members i -> i + 1 (nine of them).
    static void FillChain(CGeometry& geo)
    {
        geo.m_nodeTable.SetSize(10, 9);
        for (int i = 1; i <= 10; ++i) {
            geo.m_nodeTable(i, 1) = i;
            geo.m_nodeTable(i, 2) = 2.0;
            for (int c = 4; c <= 9; ++c)
                geo.m_nodeTable(i, c) = 1.0;
        }
        geo.m_memberTable.SetSize(9, 8);
        for (int k = 1; k <= 9; ++k) {
            geo.m_memberTable(k, 1) = k;
            geo.m_memberTable(k, 2) = k + 1;
        }
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

    const auto points = OfType(drawn, GL_POINT_TOKEN);
    ASSERT_EQ(points.size(), 8u);
    for (int k = 3; k <= 10; ++k) {
        const auto& v = points[k - 3].vertices[0];
        EXPECT_NEAR(v.x, k, 1e-4);
        EXPECT_NEAR(v.y, 2.0, 1e-4);
        EXPECT_FLOAT_EQ(v.r, 1.0f);
        EXPECT_FLOAT_EQ(v.g, 0.0f);
        EXPECT_FLOAT_EQ(v.b, 0.0f);
    }
    // Labels "3".."9" and "10": nine characters, the first at node 3, red.
    const auto labels = OfType(drawn, GL_BITMAP_TOKEN);
    ASSERT_EQ(labels.size(), 9u);
    EXPECT_NEAR(labels[0].vertices[0].x, 3.0, 1e-4);
    EXPECT_FLOAT_EQ(labels[0].vertices[0].r, 1.0f);
    EXPECT_FLOAT_EQ(labels[0].vertices[0].g, 0.0f);
    // Point then label, node by node.
    EXPECT_EQ(drawn[0].token, static_cast<GLenum>(GL_POINT_TOKEN));
    EXPECT_EQ(drawn[1].token, static_cast<GLenum>(GL_BITMAP_TOKEN));

    const auto again = FeedbackOfList(CGeometry::ListNodeHighlight);
    EXPECT_EQ(Count(again, GL_POINT_TOKEN), 8u);
    GLfloat size = 0;
    glGetFloatv(GL_POINT_SIZE, &size);
    EXPECT_EQ(size, 6.0f);
}

TEST_F(GeometrySelection, FirstRowZeroRemovesTheHighlight)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillChain(geo);
    geo.m_selNodeFrom = 1;
    geo.m_selNodeTo = 2;
    geo.OnSelSelectNode();
    ASSERT_TRUE(glIsList(CGeometry::ListNodeHighlight));

    geo.m_selNodeFrom = 0;
    const auto drawn = CaptureFeedback([&geo] { geo.OnSelSelectNode(); });
    EXPECT_TRUE(drawn.empty());
    EXPECT_FALSE(glIsList(CGeometry::ListNodeHighlight));
    EXPECT_EQ(geo.m_selNodeTo, 2);

    // A reversed range draws nothing.
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
    EXPECT_FLOAT_EQ(lines[1].vertices[1].r, 1.0f);
    EXPECT_FLOAT_EQ(lines[1].vertices[1].g, 0.0f);
    const auto labels = OfType(drawn, GL_BITMAP_TOKEN);
    ASSERT_EQ(labels.size(), 2u); // "8", "9"
    EXPECT_NEAR(labels[0].vertices[0].x, 8.5, 1e-4);
    EXPECT_NEAR(labels[1].vertices[0].x, 9.5, 1e-4);
    EXPECT_FLOAT_EQ(labels[1].vertices[0].r, 1.0f);
}

TEST_F(GeometrySelection, OnlyOneHighlightAtATime)
{
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillChain(geo);
    geo.m_selNodeFrom = geo.m_selNodeTo = 4;
    geo.OnSelSelectNode();
    geo.m_selMemberFrom = geo.m_selMemberTo = 2;
    geo.OnSelSelectMember();
    EXPECT_FALSE(glIsList(CGeometry::ListNodeHighlight));
    EXPECT_TRUE(glIsList(CGeometry::ListMemberHighlight));
    geo.OnSelSelectNode();
    EXPECT_TRUE(glIsList(CGeometry::ListNodeHighlight));
    EXPECT_FALSE(glIsList(CGeometry::ListMemberHighlight));

    // An empty member range removes the node highlight too.
    geo.m_selMemberFrom = 0;
    geo.OnSelSelectMember();
    EXPECT_FALSE(glIsList(CGeometry::ListNodeHighlight));
    EXPECT_FALSE(glIsList(CGeometry::ListMemberHighlight));
}

TEST_F(GeometrySelection, ReferencePointTableAlsoRebuildsLocalAxes)
{
    // K points off: their spheres are tested by pixels, not by feedback.
    platform::Profile::WriteString("OPTION", "member K point show", "0");
    CGeometry geo;
    ASSERT_TRUE(StartView(geo));
    FillChain(geo);
    for (int k = 1; k <= 9; ++k) {
        geo.m_memberTable(k, 3) = 1.0;  // member length
        geo.m_memberTable(k, 5) = 10.0; // K points well off every member
    }
    geo.m_selMemberFrom = 3;
    geo.m_selMemberTo = 5;

    geo.m_activeTable = CGeometry::TableConnectivity;
    geo.OnSelSelectMember();
    EXPECT_TRUE(!glIsList(CGeometry::ListRefPoints) ||
                FeedbackOfList(CGeometry::ListRefPoints).empty());

    geo.m_activeTable = CGeometry::TableRefPoints;
    geo.OnSelSelectMember();
    ASSERT_TRUE(glIsList(CGeometry::ListRefPoints));
    EXPECT_FALSE(FeedbackOfList(CGeometry::ListRefPoints).empty());
}
