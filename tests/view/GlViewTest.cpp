// COpenGL on a real offscreen context: creation, projection, the view
// transforms, the initial render state, the repaint timer and pixels.
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

class ColourView : public COpenGL {
public:
    double red = 0, green = 0, blue = 0;
    void SetInitialRender() override { InitialRenderState(red, green, blue); }
};

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

TEST_F(GlView, CreatesContextOnOffscreenSurfaceInItsInitialState)
{
    platform::MessageRecorder recorder;
    COpenGL view;
    ASSERT_TRUE(StartView(view));
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(view.m_hDC, &Surface());
    EXPECT_EQ(Surface().CurrentContext(), view.m_hRC);

    // A desktop compatibility context of at least 2.1 with the depth asked for.
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    ASSERT_NE(version, nullptr);
    int major = 0, minor = 0;
    ASSERT_EQ(std::sscanf(version, "%d.%d", &major, &minor), 2);
    EXPECT_TRUE(major > 2 || (major == 2 && minor >= 1)) << version;
    platform::PixelFormatDescriptor d;
    ASSERT_GT(Surface().DescribePixelFormat(Surface().PixelFormat(), &d), 0);
    EXPECT_GE(d.cColorBits, 32);
    EXPECT_GE(GetInt(GL_DEPTH_BITS), 16);

    // SetInitialRender's state.
    const std::pair<GLenum, GLint> ints[] = {{GL_SHADE_MODEL, GL_SMOOTH}, {GL_DEPTH_FUNC, GL_LESS},
                                             {GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST}, {GL_LIST_BASE, 1000}};
    for (const auto& i : ints)
        EXPECT_EQ(GetInt(i.first), i.second) << i.first;
    GLfloat clear[4] = {-1, -1, -1, -1};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_TRUE(clear[0] == 0.0f && clear[1] == 0.0f && clear[2] == 0.0f && clear[3] == 0.0f);
    GLdouble depthClear = 0;
    glGetDoublev(GL_DEPTH_CLEAR_VALUE, &depthClear);
    EXPECT_EQ(depthClear, 1.0);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST) && glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
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

TEST_F(GlView, DerivedViewClearColourAndPixels)
{
    ColourView view;
    view.red = 51 / 255.0;
    view.green = 102 / 255.0;
    view.blue = 204 / 255.0;
    ASSERT_TRUE(StartView(view));

    // A red quad over the left half through the view's perspective; a
    // green point in the right half on top.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    const double h = 10.0 * std::tan(22.5 * std::acos(-1.0) / 180.0); // half height at z = -10
    glColor3d(1, 0, 0);
    glBegin(GL_QUADS);
    glVertex3d(-2 * h, -2 * h, -10);
    glVertex3d(0, -2 * h, -10);
    glVertex3d(0, 2 * h, -10);
    glVertex3d(-2 * h, 2 * h, -10);
    glEnd();
    glPointSize(5.0f);
    glColor3d(0, 1, 0);
    glBegin(GL_POINTS);
    glVertex3d(h / 4, 0, -5); // half way to the right edge
    glEnd();

    const testsupport::PixelImage image = testsupport::ReadPixels(0, 0, kWidth, kHeight);
    const testsupport::Rgba background{51, 102, 204, 0}, red{255, 0, 0, 255}, green{0, 255, 0, 255};
    EXPECT_EQ(image.At(10, 10), red);
    EXPECT_EQ(image.At(250, 250), background);
    EXPECT_EQ(image.CountMatching(red), 128 * 256);
    EXPECT_EQ(image.At(192, 128), green); // the point of size 5 centred at (192, 128)
    EXPECT_EQ(image.CountMatching(green), 25);
    EXPECT_EQ(image.CountMatching(background), 128 * 256 - 25);

    // After a resize the whole new surface is drawn to.
    ASSERT_TRUE(Surface().Resize(100, 50));
    EXPECT_EQ(Surface().ClientSize().cx, 100);
    EXPECT_EQ(Surface().ClientSize().cy, 50);
    view.OnSize(0, 100, 50);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_EQ(testsupport::ReadPixels(0, 0, 100, 50).CountMatching({255, 255, 255, 255}), 100 * 50);
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
