// COpenGL: pixel format choice, its fallback to format 1 and the four setup
// failure messages through a scripted surface; then on a real offscreen
// context creation, projection and the font lists with RenderString.
#include "support/GlFeedback.h"
#include "support/GlFixture.h"
#include "support/GlPixels.h"

#include "platform/MessageBox.h"
#include "view/BitmapFont.h"
#include "view/OpenGL.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

GLint GetInt(GLenum which)
{
    GLint v = 0;
    glGetIntegerv(which, &v);
    return v;
}

class GlView : public testsupport::GlFixture {};

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

using Calls = std::vector<std::string>;

// A surface that answers from a script and records every call.
class ScriptedSurface : public platform::GLSurface {
public:
    int chooseAnswer = 7, describeAnswer = 12; // 0 = no match / cannot describe
    bool setAnswer = true, createAnswer = true, makeCurrentAnswer = true;
    Calls calls;
    platform::PixelFormatDescriptor requested, setDescriptor;
    platform::GLContextHandle current = nullptr;
    int contextTag = 0;

    int ChoosePixelFormat(const platform::PixelFormatDescriptor& request) override
    {
        requested = request;
        return Call("choose", chooseAnswer);
    }
    int DescribePixelFormat(int format, platform::PixelFormatDescriptor* out) override
    {
        if (describeAnswer != 0 && out != nullptr) {
            *out = platform::PixelFormatDescriptor();
            out->dwFlags = platform::PFD_SUPPORT_OPENGL | platform::PFD_DRAW_TO_BITMAP;
            out->cColorBits = 24;
            out->cDepthBits = 32;
        }
        return Call("describe " + std::to_string(format), describeAnswer);
    }
    bool SetPixelFormat(int format, const platform::PixelFormatDescriptor& descriptor) override
    {
        setDescriptor = descriptor;
        return Call("set " + std::to_string(format), setAnswer);
    }
    platform::GLContextHandle CreateContext() override
    {
        return Call("create", createAnswer) ? static_cast<platform::GLContextHandle>(&contextTag) : nullptr;
    }
    bool MakeCurrent(platform::GLContextHandle context) override
    {
        if (!Call(context ? "current" : "release", context == nullptr || makeCurrentAnswer))
            return false;
        current = context;
        return true;
    }
    platform::GLContextHandle CurrentContext() const override { return current; }
    bool DeleteContext(platform::GLContextHandle) override { return Call("delete", true); }
    void SwapBuffers() override {}
    void SetTimer(unsigned id, unsigned period, std::function<void()>) override
    {
        Call("timer " + std::to_string(id) + " " + std::to_string(period), 0);
    }
    void KillTimer(unsigned id) override { Call("kill " + std::to_string(id), 0); }
    void Invalidate(bool) override {}
    platform::GLSize ClientSize() const override { return {}; }
    bool UseFontBitmaps(unsigned first, unsigned count, unsigned listBase) override
    {
        return Call("fonts " + std::to_string(first) + " " + std::to_string(count) + " " + std::to_string(listBase),
                    true);
    }

private:
    template <typename T>
    T Call(const std::string& what, T answer)
    {
        calls.push_back(what);
        return answer;
    }
};

// Counts the initial-render calls instead of touching GL state.
class CountingView : public COpenGL {
public:
    int initialRenders = 0;
    void SetInitialRender() override { ++initialRenders; }
};

} // namespace

TEST(GlPixelFormat, RequestsDoubleBufferedRgba32WithDepth16)
{
    platform::MessageRecorder recorder;
    ScriptedSurface surface;
    COpenGL view; // the base initial render starts the timer and the font lists
    EXPECT_EQ(view.OnCreate(&surface), 0);

    // Window | OpenGL | double buffer | stereo don't care, RGBA 32, depth 16;
    // every other count, shift, layer and mask zero.
    platform::PixelFormatDescriptor expected;
    expected.dwFlags = 0x80000025u;
    expected.iPixelType = platform::PFD_TYPE_RGBA;
    expected.cColorBits = 32;
    expected.cDepthBits = 16;
    EXPECT_EQ(std::memcmp(&surface.requested, &expected, 40), 0);

    // The chosen format is set with the requested descriptor, then the
    // context is created, made current and initialised.
    EXPECT_EQ(surface.setDescriptor.cDepthBits, 16);
    EXPECT_EQ(surface.calls, (Calls{"choose", "set 7", "create", "current", "timer 0 10", "fonts 0 256 1000"}));
    EXPECT_EQ(view.m_hDC, &surface);
    EXPECT_NE(view.m_hRC, nullptr);
    EXPECT_TRUE(recorder.messages.empty());

    // OnDestroy releases the current context, deletes it, stops the timer.
    surface.calls.clear();
    view.OnDestroy();
    EXPECT_EQ(surface.calls, (Calls{"release", "delete", "kill 0"}));
    EXPECT_EQ(surface.current, nullptr);
    EXPECT_EQ(view.m_hRC, nullptr);

    // A view asks for clip styles and keeps the others.
    platform::CreateStruct cs;
    cs.style = 0x00C00000;
    EXPECT_TRUE(view.PreCreateWindow(cs));
    EXPECT_EQ(cs.style, 0x00C00000u | 0x02000000u | 0x04000000u);
}

TEST(GlPixelFormat, FallbackToFormatOneAndEachSetupFailureReportedWhereItStops)
{
    struct Case {
        int choose, describe;
        bool set, create, makeCurrent;
        const char* message; // "" = no failure
        Calls calls;
        bool keepsContext;
    };
    const Case cases[] = {
        // No match: format 1 when it can be described, set with its own descriptor.
        {0, 12, true, true, true, "", {"choose", "describe 1", "set 1", "create", "current"}, true},
        {0, 0, true, true, true, "Choose pixel format failed", {"choose", "describe 1"}, false},
        {7, 12, false, true, true, "Set pixel format failed", {"choose", "set 7"}, false},
        {7, 12, true, false, true, "wglCreateContext failed", {"choose", "set 7", "create"}, false},
        {7, 12, true, true, false, "wglMakeCurrent failed", {"choose", "set 7", "create", "current"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        platform::MessageRecorder recorder;
        ScriptedSurface surface;
        surface.chooseAnswer = c.choose;
        surface.describeAnswer = c.describe;
        surface.setAnswer = c.set;
        surface.createAnswer = c.create;
        surface.makeCurrentAnswer = c.makeCurrent;
        CountingView view;
        EXPECT_EQ(view.OnCreate(&surface), 0);
        EXPECT_EQ(surface.calls, c.calls);
        EXPECT_EQ(view.m_hRC != nullptr, c.keepsContext);
        if (*c.message == '\0') {
            EXPECT_TRUE(recorder.messages.empty());
            EXPECT_EQ(view.initialRenders, 1);
            EXPECT_EQ(surface.setDescriptor.cColorBits, 24);
            EXPECT_EQ(surface.setDescriptor.cDepthBits, 32);
            continue;
        }
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, c.message);
        EXPECT_EQ(recorder.messages[0].caption, "");
        EXPECT_EQ(recorder.messages[0].buttons, unsigned(platform::MB_OK | platform::MB_ICONWARNING));
        EXPECT_EQ(view.initialRenders, 0);
        surface.calls.clear();
        if (!c.set) {
            // Asked again, it fails again the same way.
            EXPECT_EQ(view.SetPixelFormatDes(), 0);
            EXPECT_EQ(surface.calls, (Calls{"choose", "set 7"}));
            ASSERT_EQ(recorder.messages.size(), 2u);
            EXPECT_EQ(recorder.messages[1].text, c.message);
        }
        if (c.keepsContext) {
            // Nothing is current: OnDestroy only deletes it and stops the timer.
            view.OnDestroy();
            EXPECT_EQ(surface.calls, (Calls{"delete", "kill 0"}));
            EXPECT_EQ(view.m_hRC, nullptr);
            EXPECT_EQ(recorder.messages.size(), 1u);
        }
    }
}

TEST_F(GlView, CreatesADesktopContextOfAtLeast21WithDepth)
{
    platform::MessageRecorder recorder;
    COpenGL view;
    ASSERT_TRUE(StartView(view));
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(Surface().CurrentContext(), view.m_hRC);
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    ASSERT_NE(version, nullptr);
    int major = 0, minor = 0;
    ASSERT_EQ(std::sscanf(version, "%d.%d", &major, &minor), 2);
    EXPECT_TRUE(major > 2 || (major == 2 && minor >= 1)) << version;
    EXPECT_GE(GetInt(GL_DEPTH_BITS), 16);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(GetInt(GL_DEPTH_FUNC), GL_LESS);
}

TEST_F(GlView, OnSizeSetsA45DegreePerspectiveFromATenthTo5000)
{
    COpenGL view;
    ASSERT_TRUE(StartView(view));
    glNewList(70, GL_COMPILE);
    glEndList();
    ASSERT_TRUE(Surface().Resize(400, 200));
    glMatrixMode(GL_MODELVIEW);
    glTranslated(3, 4, 5); // must be reset
    glMatrixMode(GL_PROJECTION);
    view.OnSize(0, 400, 200);
    EXPECT_EQ(Surface().CurrentContext(), view.m_hRC); // context and lists kept
    EXPECT_TRUE(glIsList(70));
    EXPECT_EQ(GetInt(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_DOUBLE_EQ(view.m_aspect, 2.0);
    // Half the view is z tan 22.5 deg high at distance z and twice as wide;
    // nearer than 0.1 or beyond 5000 is clipped.
    const double t = std::tan(22.5 * std::acos(-1.0) / 180.0);
    const double points[][3] = {{0, 0, -0.05}, {0, 0, -10}, {10 * t, 5 * t, -10}, {-1e-4, 0, -0.2},
                                {0, 0, -4990}, {0, 0, -5010}};
    const double window[][2] = {{200, 100}, {300, 150}, {200, 100}, {200, 100}};
    const auto records = testsupport::CaptureFeedback([&] {
        glBegin(GL_POINTS);
        for (const auto& p : points)
            glVertex3d(p[0], p[1], p[2]);
        glEnd();
    }, testsupport::ModelSpace::AsIs);
    ASSERT_EQ(records.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(records[i].vertices[0].x, window[i][0], 0.5) << i;
        EXPECT_NEAR(records[i].vertices[0].y, window[i][1], 1e-3) << i;
    }

    // The whole resized surface is drawn to.
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(testsupport::ReadPixels(0, 0, 400, 200).CountMatching({255, 255, 255, 255}), 400 * 200);

    // A zero height uses the width as the aspect.
    view.OnSize(0, 300, 0);
    EXPECT_DOUBLE_EQ(view.m_aspect, 300.0);
    GLint vp[4];
    glGetIntegerv(GL_VIEWPORT, vp);
    EXPECT_EQ(std::vector<GLint>(vp, vp + 4), (std::vector<GLint>{0, 0, 300, 0}));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

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
    // 0x80 is the euro sign, 0xE9 e-acute; 'g' reaches below the baseline,
    // '1' does not.
    EXPECT_GT(font.GlyphFor(0x80).width, 0);
    EXPECT_GT(font.GlyphFor(0xE9).width, 0);
    EXPECT_GT(font.GlyphFor('g').yorig, 0.0f);
    EXPECT_LE(font.GlyphFor('1').yorig, 0.0f);
}
