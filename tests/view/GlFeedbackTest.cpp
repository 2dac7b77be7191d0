// The feedback parser and capture of the GL test fixture: other suites read
// their display lists through it, so it must return exactly what GL sent.
#include "ViewTestSupport.h"

using namespace viewtest;

namespace {

class GlFeedback : public testsupport::GlFixture {};

void ExpectVertex(const FeedbackVertex& v, double x, double y, double z)
{
    ExpectNear({v.x, v.y, 0}, {x, y, 0}, 1e-4);
    EXPECT_NEAR(v.z, z, 1e-3);
}

} // namespace

TEST(GlFeedbackParse, EveryTokenKind)
{
    const GLfloat v1[7] = {1, 2, 3, 1, 0, 0, 1};
    const GLfloat v2[7] = {4, 5, 6, 0, 1, 0, 1};
    std::vector<GLfloat> buffer;
    auto token = [&](GLenum t) { buffer.push_back(static_cast<GLfloat>(t)); };
    auto vertex = [&](const GLfloat* v) { buffer.insert(buffer.end(), v, v + 7); };
    token(GL_POINT_TOKEN); vertex(v1);
    token(GL_LINE_RESET_TOKEN); vertex(v1); vertex(v2);
    token(GL_LINE_TOKEN); vertex(v2); vertex(v1);
    token(GL_POLYGON_TOKEN); buffer.push_back(3); vertex(v1); vertex(v2); vertex(v1);
    token(GL_BITMAP_TOKEN); vertex(v2);
    token(GL_DRAW_PIXEL_TOKEN); vertex(v1);
    token(GL_COPY_PIXEL_TOKEN); vertex(v2);
    token(GL_PASS_THROUGH_TOKEN); buffer.push_back(42);

    bool ok = false;
    const auto records = testsupport::ParseFeedback(buffer.data(), static_cast<int>(buffer.size()), &ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(records.size(), 8u);
    const GLenum tokens[8] = {GL_POINT_TOKEN, GL_LINE_RESET_TOKEN, GL_LINE_TOKEN, GL_POLYGON_TOKEN,
                              GL_BITMAP_TOKEN, GL_DRAW_PIXEL_TOKEN, GL_COPY_PIXEL_TOKEN,
                              GL_PASS_THROUGH_TOKEN};
    const size_t counts[8] = {1, 2, 2, 3, 1, 1, 1, 0};
    for (size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(records[i].token, tokens[i]) << i;
        EXPECT_EQ(records[i].vertices.size(), counts[i]) << i;
    }
    EXPECT_EQ(records[1].vertices[1].y, 5.0f);
    EXPECT_EQ(records[1].vertices[1].g, 1.0f);
    EXPECT_EQ(records[2].vertices[1].r, 1.0f);
    EXPECT_EQ(records[7].value, 42.0f);
    EXPECT_EQ(testsupport::Lines(records).size(), 2u);
    EXPECT_EQ(testsupport::Count(records, GL_POLYGON_TOKEN), 1u);
}

TEST(GlFeedbackParse, TruncatedOrUnknownInputIsFlagged)
{
    const GLfloat truncated[] = {GL_PASS_THROUGH_TOKEN, 1, GL_LINE_TOKEN, 1, 2, 3, 0, 0, 0, 1, 4};
    bool ok = true;
    auto records = testsupport::ParseFeedback(truncated, 11, &ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].token, GLenum(GL_PASS_THROUGH_TOKEN));

    const GLfloat unknown[] = {12345};
    ok = true;
    EXPECT_TRUE(testsupport::ParseFeedback(unknown, 1, &ok).empty());
    EXPECT_FALSE(ok);
}

TEST_F(GlFeedback, ModelCoordinatesAndColoursComeBackUnchanged)
{
    glNewList(80, GL_COMPILE);
    glColor3d(0.25, 0.5, 0.75);
    glBegin(GL_POINTS);
    glVertex3d(-100.25, 200.5, -3.75);
    glEnd();
    glPassThrough(9);
    glBegin(GL_LINES);
    glVertex3d(1, 2, 3);
    glVertex3d(4, 5, 6);
    glEnd();
    glEndList();
    glNewList(81, GL_COMPILE);
    glPushMatrix();
    glTranslated(10, 0, 0); // what a list transforms itself shows
    glBegin(GL_QUADS);
    glVertex3d(0, 0, 0);
    glVertex3d(1, 0, 0);
    glVertex3d(1, 1, 0);
    glVertex3d(0, 1, 0);
    glEnd();
    glPopMatrix();
    glEndList();

    const auto records = testsupport::FeedbackOfLists({80, 81});
    ASSERT_EQ(records.size(), 5u) << testsupport::Describe(records);
    EXPECT_EQ(records[0].token, GLenum(GL_POINT_TOKEN));
    ExpectVertex(records[0].vertices[0], -100.25, 200.5, -3.75);
    EXPECT_FLOAT_EQ(records[0].vertices[0].r, 0.25f);
    EXPECT_FLOAT_EQ(records[0].vertices[0].g, 0.5f);
    EXPECT_FLOAT_EQ(records[0].vertices[0].b, 0.75f);
    EXPECT_FLOAT_EQ(records[0].vertices[0].a, 1.0f);
    EXPECT_EQ(records[1].token, GLenum(GL_PASS_THROUGH_TOKEN));
    EXPECT_EQ(records[1].value, 9.0f);
    EXPECT_TRUE(testsupport::IsLineToken(records[2].token));
    ExpectVertex(records[2].vertices[0], 1, 2, 3);
    ExpectVertex(records[2].vertices[1], 4, 5, 6);
    EXPECT_FLOAT_EQ(records[2].vertices[1].b, 0.75f);
    // A quad comes back as two triangles.
    EXPECT_EQ(records[3].token, GLenum(GL_POLYGON_TOKEN));
    EXPECT_EQ(records[4].token, GLenum(GL_POLYGON_TOKEN));
    ASSERT_EQ(records[3].vertices.size(), 3u);
    ExpectVertex(records[3].vertices[0], 10, 0, 0);
    ExpectVertex(records[3].vertices[1], 11, 0, 0);

    // The caller's matrices and viewport survive the capture.
    GLint mode = 0, viewport[4];
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_EQ(viewport[2], kWidth);
    EXPECT_EQ(viewport[3], kHeight);
    GLint renderMode = 0;
    glGetIntegerv(GL_RENDER_MODE, &renderMode);
    EXPECT_EQ(renderMode, GL_RENDER);
}

TEST_F(GlFeedback, SmoothLinesPixelTokensGrowingBufferAndClipping)
{
    // A smooth-shaded line keeps each end's colour.
    const auto records = testsupport::CaptureFeedback([] {
        glShadeModel(GL_SMOOTH);
        glBegin(GL_LINE_STRIP);
        glColor3d(0, 1, 0);
        glVertex3d(0, 0, 0);
        glColor3d(1, 0, 0);
        glVertex3d(10, 0, 0);
        glVertex3d(10, 10, 0);
        glEnd();
    });
    const auto lines = testsupport::Lines(records);
    ASSERT_EQ(lines.size(), 2u) << testsupport::Describe(records);
    EXPECT_FLOAT_EQ(lines[0].vertices[0].g, 1.0f);
    EXPECT_FLOAT_EQ(lines[0].vertices[1].r, 1.0f);
    ExpectVertex(lines[1].vertices[0], 10, 0, 0);
    ExpectVertex(lines[1].vertices[1], 10, 10, 0);

    const auto pixels = testsupport::CaptureFeedback([] {
        const GLubyte rgba[4] = {255, 0, 0, 255};
        glRasterPos3d(5, 6, 0);
        glDrawPixels(1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        glRasterPos3d(7, 8, 0);
        glCopyPixels(0, 0, 1, 1, GL_COLOR);
    });
    ASSERT_EQ(pixels.size(), 2u);
    EXPECT_EQ(pixels[0].token, GLenum(GL_DRAW_PIXEL_TOKEN));
    ExpectVertex(pixels[0].vertices[0], 5, 6, 0);
    EXPECT_EQ(pixels[1].token, GLenum(GL_COPY_PIXEL_TOKEN));
    ExpectVertex(pixels[1].vertices[0], 7, 8, 0);

    // Far more than the first buffer holds; beyond the model extent clipped.
    const auto many = testsupport::CaptureFeedback([] {
        glBegin(GL_POINTS);
        for (int i = 0; i < 50000; ++i)
            glVertex3d(i % 1000, i / 1000, 0);
        glVertex3d(testsupport::kModelExtent + 1, 0, 0);
        glVertex3d(0, 0, -testsupport::kModelExtent + 1);
        glEnd();
    });
    ASSERT_EQ(many.size(), 50001u);
    ExpectVertex(many[49999].vertices[0], 999, 49, 0);
    ExpectVertex(many.back().vertices[0], 0, 0, -testsupport::kModelExtent + 1);
}
