// Pixel format choice, its fallback to format 1 and the four setup failure
// messages, driven through a scripted surface.
#include "platform/MessageBox.h"
#include "view/OpenGL.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A surface that answers from a script and records every call.
class ScriptedSurface : public platform::GLSurface {
public:
    int chooseAnswer = 7;
    int describeAnswer = 12; // number of formats; 0 = cannot describe
    bool setAnswer = true;
    bool createAnswer = true;
    bool makeCurrentAnswer = true;

    std::vector<std::string> calls;
    platform::PixelFormatDescriptor requested;
    platform::PixelFormatDescriptor setDescriptor;
    int setFormat = 0;
    int describedFormat = 0;
    platform::GLContextHandle current = nullptr;
    int contextTag = 0;
    unsigned fontFirst = 99, fontCount = 0, fontBase = 0;

    int ChoosePixelFormat(const platform::PixelFormatDescriptor& request) override
    {
        calls.push_back("choose");
        requested = request;
        return chooseAnswer;
    }
    int DescribePixelFormat(int format, platform::PixelFormatDescriptor* out) override
    {
        calls.push_back("describe");
        describedFormat = format;
        if (describeAnswer != 0 && out != nullptr) {
            *out = platform::PixelFormatDescriptor();
            out->dwFlags = platform::PFD_SUPPORT_OPENGL | platform::PFD_DRAW_TO_BITMAP;
            out->cColorBits = 24;
            out->cDepthBits = 32;
        }
        return describeAnswer;
    }
    bool SetPixelFormat(int format, const platform::PixelFormatDescriptor& descriptor) override
    {
        calls.push_back("set");
        setFormat = format;
        setDescriptor = descriptor;
        return setAnswer;
    }
    platform::GLContextHandle CreateContext() override
    {
        calls.push_back("create");
        return createAnswer ? static_cast<platform::GLContextHandle>(&contextTag) : nullptr;
    }
    bool MakeCurrent(platform::GLContextHandle context) override
    {
        calls.push_back(context ? "current" : "release");
        if (context != nullptr && !makeCurrentAnswer)
            return false;
        current = context;
        return true;
    }
    platform::GLContextHandle CurrentContext() const override { return current; }
    bool DeleteContext(platform::GLContextHandle) override { return calls.push_back("delete"), true; }
    void SwapBuffers() override {}
    void SetTimer(unsigned id, unsigned period, std::function<void()>) override
    {
        calls.push_back("timer " + std::to_string(id) + " " + std::to_string(period));
    }
    void KillTimer(unsigned id) override { calls.push_back("kill " + std::to_string(id)); }
    void Invalidate(bool) override {}
    platform::GLSize ClientSize() const override { return {}; }
    bool UseFontBitmaps(unsigned first, unsigned count, unsigned listBase) override
    {
        calls.push_back("fonts");
        fontFirst = first;
        fontCount = count;
        fontBase = listBase;
        return true;
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
    CountingView view;
    EXPECT_EQ(view.OnCreate(&surface), 0);

    const platform::PixelFormatDescriptor& r = surface.requested;
    EXPECT_EQ(r.nSize, 40);
    EXPECT_EQ(r.nVersion, 1);
    EXPECT_EQ(r.dwFlags, 0x80000025u); // window | OpenGL | double buffer | stereo don't care
    EXPECT_EQ(r.iPixelType, platform::PFD_TYPE_RGBA);
    EXPECT_EQ(r.cColorBits, 32);
    EXPECT_EQ(r.cDepthBits, 16);
    // Every other count, shift, layer and mask is zero.
    platform::PixelFormatDescriptor rest = r;
    rest.nSize = rest.nVersion = 0;
    rest.dwFlags = 0;
    rest.cColorBits = rest.cDepthBits = 0;
    unsigned char zero[40] = {};
    EXPECT_EQ(std::memcmp(&rest, zero, sizeof zero), 0);

    // The chosen format is set with the requested descriptor, then the
    // context is created, made current and initialised once.
    EXPECT_EQ(surface.setFormat, 7);
    EXPECT_EQ(surface.setDescriptor.cDepthBits, 16);
    EXPECT_EQ(surface.calls, (std::vector<std::string>{"choose", "set", "create", "current"}));
    EXPECT_EQ(view.initialRenders, 1);
    EXPECT_EQ(view.m_hWnd, &surface);
    EXPECT_EQ(view.m_hDC, &surface);
    EXPECT_NE(view.m_hRC, nullptr);
    EXPECT_TRUE(recorder.messages.empty());

    // OnDestroy releases the current context, deletes it, stops the timer.
    surface.calls.clear();
    view.OnDestroy();
    EXPECT_EQ(surface.calls, (std::vector<std::string>{"release", "delete", "kill 0"}));
    EXPECT_EQ(surface.current, nullptr);
    EXPECT_EQ(view.m_hRC, nullptr);
}

TEST(GlPixelFormat, NoMatchFallsBackToFormatOneWhenItCanBeDescribed)
{
    platform::MessageRecorder recorder;
    ScriptedSurface surface;
    surface.chooseAnswer = 0;
    CountingView view;
    view.OnCreate(&surface);
    EXPECT_EQ(surface.describedFormat, 1);
    EXPECT_EQ(surface.setFormat, 1);
    // The descriptor set is the described one, not the request.
    EXPECT_EQ(surface.setDescriptor.cColorBits, 24);
    EXPECT_EQ(surface.setDescriptor.cDepthBits, 32);
    EXPECT_EQ(surface.calls, (std::vector<std::string>{"choose", "describe", "set", "create", "current"}));
    EXPECT_EQ(view.initialRenders, 1);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(GlPixelFormat, EachSetupFailureIsReportedAndStopsThere)
{
    struct Case {
        int choose, describe;
        bool set, create, makeCurrent;
        const char* message;
        std::vector<std::string> calls;
        bool keepsContext;
    };
    const Case cases[] = {
        {0, 0, true, true, true, "Choose pixel format failed", {"choose", "describe"}, false},
        {7, 12, false, true, true, "Set pixel format failed", {"choose", "set"}, false},
        {7, 12, true, false, true, "wglCreateContext failed", {"choose", "set", "create"}, false},
        {7, 12, true, true, false, "wglMakeCurrent failed", {"choose", "set", "create", "current"}, true},
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
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, c.message);
        EXPECT_EQ(recorder.messages[0].caption, "");
        EXPECT_EQ(recorder.messages[0].buttons, unsigned(platform::MB_OK | platform::MB_ICONWARNING));
        EXPECT_EQ(surface.calls, c.calls);
        EXPECT_EQ(view.initialRenders, 0);
        EXPECT_EQ(view.m_hRC != nullptr, c.keepsContext);
        surface.calls.clear();
        if (!c.set) {
            // Asked again, it fails again the same way.
            EXPECT_EQ(view.SetPixelFormatDes(), 0);
            EXPECT_EQ(surface.calls, (std::vector<std::string>{"choose", "set"}));
            ASSERT_EQ(recorder.messages.size(), 2u);
            EXPECT_EQ(recorder.messages[1].text, c.message);
        }
        if (c.keepsContext) {
            // Nothing is current: OnDestroy only deletes it and stops the timer.
            view.OnDestroy();
            EXPECT_EQ(surface.calls, (std::vector<std::string>{"delete", "kill 0"}));
            EXPECT_EQ(view.m_hRC, nullptr);
            EXPECT_EQ(recorder.messages.size(), 1u);
        }
    }
}

TEST(GlPixelFormat, BaseInitialRenderStartsTimerAndFontLists)
{
    // No context is current here: only the surface calls count.
    platform::MessageRecorder recorder;
    ScriptedSurface surface;
    COpenGL view;
    view.OnCreate(&surface);
    EXPECT_EQ(surface.calls,
              (std::vector<std::string>{"choose", "set", "create", "current", "timer 0 10", "fonts"}));
    EXPECT_EQ(surface.fontFirst, 0u);
    EXPECT_EQ(surface.fontCount, 256u);
    EXPECT_EQ(surface.fontBase, 1000u);
}

TEST(GlPixelFormat, FreshViewAndPreCreateWindowClipStyles)
{
    COpenGL view;
    EXPECT_TRUE(view.m_hRC == nullptr && view.m_hWnd == nullptr && view.m_hDC == nullptr);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(view.m_scale[i], 1.0);
        EXPECT_EQ(view.m_viewA[i], 0.0);
        EXPECT_EQ(view.m_viewB[i], 0.0);
    }
    EXPECT_EQ(view.m_aspect, 0.0);
    EXPECT_EQ(view.m_size.cx, 0);
    EXPECT_EQ(view.m_size.cy, 0);

    platform::CreateStruct cs;
    cs.style = 0x00C00000; // a caption style that must stay
    EXPECT_TRUE(view.PreCreateWindow(cs));
    EXPECT_EQ(cs.style, 0x00C00000u | 0x02000000u | 0x04000000u);
}
