// The font display lists 1000..1255 and RenderString.
#include "support/GlFeedback.h"
#include "support/GlFixture.h"
#include "support/GlPixels.h"

#include "view/BitmapFont.h"
#include "view/OpenGL.h"

#include <GL/gl.h>

#include <string>

namespace {

const testsupport::Rgba kWhite{255, 255, 255, 255};

class GlFont : public testsupport::GlFixture {
protected:
    void SetUp() override
    {
        GlFixture::SetUp();
        if (!IsSkipped()) {
            ASSERT_TRUE(StartView(m_view));
        }
    }
    int WhitePixels() { return testsupport::ReadPixels(0, 0, kWidth, kHeight).CountMatching(kWhite); }
    COpenGL m_view;
};

} // namespace

TEST_F(GlFont, OneColouredBitmapPerCharacterAdvancingFromTheRasterPosition)
{
    EXPECT_FALSE(glIsList(999) || glIsList(1256));
    const auto records = testsupport::CaptureFeedback([this] {
        glColor3d(1.0, 0.5, 0.0);
        m_view.RenderString(12.5, -3.0, 4.0, "1234");
    });
    ASSERT_EQ(records.size(), 4u) << testsupport::Describe(records);
    // The first character sits exactly at the point; monospace: equal
    // positive steps along x, same y, the current colour.
    EXPECT_NEAR(records[0].vertices[0].z, 4.0, 1e-3);
    const float step = records[1].vertices[0].x - records[0].vertices[0].x;
    EXPECT_GT(step, 3.0f);
    for (size_t i = 0; i < records.size(); ++i) {
        ASSERT_EQ(records[i].token, GLenum(GL_BITMAP_TOKEN));
        EXPECT_NEAR(records[i].vertices[0].x, 12.5 + step * i, 1e-4);
        EXPECT_NEAR(records[i].vertices[0].y, -3.0, 1e-4);
        EXPECT_FLOAT_EQ(records[i].vertices[0].r, 1.0f);
        EXPECT_FLOAT_EQ(records[i].vertices[0].g, 0.5f);
        EXPECT_FLOAT_EQ(records[i].vertices[0].b, 0.0f);
    }

    // Every code 0..255 draws exactly one bitmap (the text's bytes, not a
    // C string), in strings of 64 that stay inside the viewport.
    for (int row = 0; row < 4; ++row) {
        std::string text;
        for (int c = row * 64; c < row * 64 + 64; ++c)
            text.push_back(static_cast<char>(c));
        const auto codes = testsupport::CaptureFeedback([&] { m_view.RenderString(-1000, 20.0 * row, 0, text); });
        EXPECT_EQ(testsupport::Count(codes, GL_BITMAP_TOKEN), 64u) << "codes from " << row * 64;
        EXPECT_EQ(codes.size(), 64u);
    }
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(GlFont, GlyphsReachThePixelsEmptyTextOnlyMovesTheRasterPosition)
{
    // Through the view's perspective 10 units straight ahead is the centre;
    // the glyph starts there and stands on the baseline.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glColor3d(1, 1, 1);
    m_view.RenderString(0, 0, -10, "8");
    const auto image = testsupport::ReadPixels(0, 0, kWidth, kHeight);
    int lit = 0, outside = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (image.At(x, y) == kWhite) {
                ++lit;
                outside += x < 128 || x > 128 + 12 || y < 128 || y > 128 + 13;
            }
    EXPECT_GT(lit, 15);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(lit + image.CountMatching({0, 0, 0, 0}), kWidth * kHeight);

    // A blank, an empty text and text behind the viewer draw nothing; the
    // empty text still sets the raster position.
    glClear(GL_COLOR_BUFFER_BIT);
    m_view.RenderString(0, 0, -10, "  ");
    m_view.RenderString(0, 0, 10, "123");
    m_view.RenderString(0, 0, -10, "");
    EXPECT_EQ(WhitePixels(), 0);
    GLint valid = 0;
    glGetIntegerv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
    EXPECT_EQ(valid, GL_TRUE);
    GLdouble pos[4];
    glGetDoublev(GL_CURRENT_RASTER_POSITION, pos);
    EXPECT_NEAR(pos[0], kWidth / 2.0, 1e-3);
    EXPECT_NEAR(pos[1], kHeight / 2.0, 1e-3);
}

TEST(BitmapFont, FindsAMonospaceFontWithWindows1252Glyphs)
{
    platform::BitmapFont font;
    ASSERT_TRUE(font.Load());
    // Every printable ASCII glyph advances by the same width.
    const float advance = font.GlyphFor('M').xmove;
    EXPECT_GT(advance, 3.0f);
    for (int c = 0x20; c < 0x7F; ++c)
        EXPECT_EQ(font.GlyphFor(static_cast<unsigned char>(c)).xmove, advance) << c;
    // Digits have ink, a blank has none; 0x80 is the euro sign, 0xE9 e-acute;
    // 'g' reaches below the baseline.
    const auto& one = font.GlyphFor('1');
    EXPECT_GT(one.width * one.height, 0);
    EXPECT_EQ(one.bits.size(), size_t((one.width + 7) / 8 * one.height));
    for (unsigned char byte : font.GlyphFor(' ').bits)
        EXPECT_EQ(byte, 0);
    EXPECT_GT(font.GlyphFor(0x80).width, 0);
    EXPECT_GT(font.GlyphFor(0xE9).width, 0);
    EXPECT_GT(font.GlyphFor('g').yorig, 0.0f);
    EXPECT_LE(font.GlyphFor('1').yorig, 0.0f);
}

TEST_F(GlFont, MissingFontStillGivesOneAdvancingBitmapPerCharacterWithoutInk)
{
    platform::BitmapFont font(13, "/nonexistent/font.ttf");
    EXPECT_FALSE(font.Load());
    EXPECT_FALSE(font.BuildLists(0, 256, 2000)); // built, but reported
    EXPECT_TRUE(glIsList(2000) && glIsList(2255));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    auto draw = [](double z) {
        glRasterPos3d(0, 0, z);
        glListBase(2000);
        glCallLists(3, GL_UNSIGNED_BYTE, "abc");
        glListBase(1000);
    };
    const auto records = testsupport::CaptureFeedback([&] { draw(0); });
    ASSERT_EQ(records.size(), 3u);
    EXPECT_GT(records[1].vertices[0].x, records[0].vertices[0].x);
    EXPECT_GT(records[2].vertices[0].x, records[1].vertices[0].x);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3d(1, 1, 1);
    draw(-10);
    EXPECT_EQ(WhitePixels(), 0);
}
