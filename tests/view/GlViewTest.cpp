// COpenGL on a real offscreen context: creation, projection, the view
// transforms and the repaint timer.
#include "support/GlFeedback.h"
#include "support/GlFixture.h"
#include "support/GlPixels.h"

#include "platform/MessageBox.h"
#include "view/OpenGL.h"

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using Matrix = std::array<GLdouble, 16>;

Matrix Get(GLenum which)
{
    Matrix m{};
    glGetDoublev(which, m.data());
    return m;
}

GLint GetInt(GLenum which)
{
    GLint v = 0;
    glGetIntegerv(which, &v);
    return v;
}

// Records whether depth testing was still on when the context was released.
class WatchingSurface : public platform::EglSurface {
public:
    using EglSurface::EglSurface;
    int depthTestAtRelease = -1;
    bool MakeCurrent(platform::GLContextHandle context) override
    {
        if (context == nullptr)
            depthTestAtRelease = glIsEnabled(GL_DEPTH_TEST) ? 1 : 0;
        return EglSurface::MakeCurrent(context);
    }
};

class GlView : public testsupport::GlFixture {};

} // namespace

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

TEST_F(GlView, RotationTranslateZoomLeaveTheModelViewAsItWas)
{
    COpenGL view;
    ASSERT_TRUE(StartView(view));
    glMatrixMode(GL_MODELVIEW);
    glTranslated(1.5, -2.0, -30.0);
    glRotated(20.0, 0.3, 1.0, 0.2);
    const Matrix before = Get(GL_MODELVIEW_MATRIX), projection = Get(GL_PROJECTION_MATRIX);
    const GLint depth = GetInt(GL_MODELVIEW_STACK_DEPTH);
    // Called directly and compiled into a list, they push and pop in pairs.
    glNewList(60, GL_COMPILE);
    view.Rotation(10, 20, 30);
    view.Translate(1, 2, 3);
    view.Zoom(50);
    glEndList();
    for (const auto& draw : {std::function<void()>([&] { view.Rotation(30.0, 45.0, 60.0); }),
                             std::function<void()>([&] { view.Translate(10.0, 20.0, 30.0); }),
                             std::function<void()>([&] { view.Zoom(250.0); }),
                             std::function<void()>([] { glCallList(60); })}) {
        draw();
        EXPECT_EQ(Get(GL_MODELVIEW_MATRIX), before);
        EXPECT_EQ(GetInt(GL_MODELVIEW_STACK_DEPTH), depth);
        EXPECT_EQ(GetInt(GL_MATRIX_MODE), GL_MODELVIEW);
        EXPECT_EQ(Get(GL_PROJECTION_MATRIX), projection);
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
}

TEST_F(GlView, TimerTicksRepaintUpdateViewRepaintsAllAndOnDestroyStops)
{
    WatchingSurface surface(64, 64);
    platform::MessageRecorder recorder;
    COpenGL view;
    view.OnCreate(&surface);
    ASSERT_NE(view.m_hRC, nullptr);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(surface.TimerRunning(0));
    EXPECT_EQ(surface.TimerPeriod(0), 10u);

    const int before = surface.InvalidateCount();
    surface.FireTimers();
    surface.FireTimers();
    EXPECT_EQ(surface.InvalidateCount(), before + 2);
    // UpdateView repaints every window, not only its own.
    const int theirs = Surface().InvalidateCount();
    view.UpdateView();
    EXPECT_EQ(surface.InvalidateCount(), before + 3);
    EXPECT_EQ(Surface().InvalidateCount(), theirs + 1);

    view.OnDestroy();
    EXPECT_EQ(surface.depthTestAtRelease, 0); // depth test off before release
    EXPECT_EQ(surface.CurrentContext(), nullptr);
    EXPECT_EQ(view.m_hRC, nullptr);
    EXPECT_FALSE(surface.TimerRunning(0));
    surface.FireTimers();
    EXPECT_EQ(surface.InvalidateCount(), before + 3);
}
