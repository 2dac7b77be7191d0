// Pixel format choice, its fallback to format 1 and the four setup failure
// messages, driven through a scripted surface.
#include "platform/MessageBox.h"
#include "view/OpenGL.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

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
