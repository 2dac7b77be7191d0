// GoogleTest fixture with a headless OpenGL context (EGL surfaceless pbuffer,
// no X server needed).
//
//   class MyTest : public testsupport::GlFixture {};
//   TEST_F(MyTest, Something) {
//       // a bare context is current here; GL calls work at once
//       CGeometry geometry;
//       ASSERT_TRUE(StartView(geometry)); // or skip this for a bare context
//       ...
//   }
//
// SetUp skips the test (GTEST_SKIP) when no context can be made, i.e. when
// glGetString(GL_VERSION) is null. A derived fixture that overrides SetUp
// must call GlFixture::SetUp() first and return when IsSkipped().
//
// StartView(view) hands the surface to a COpenGL (or CGeometry): the bare
// context is dropped, then view.OnCreate(&Surface()) (pixel format, context,
// SetInitialRender, timer, font lists 1000..1255) and view.OnSize(0, w, h)
// run, so the projection is the view's 45 degree perspective and the
// model-view matrix is the identity. The view may be a local of the test
// body or a member of a derived fixture: TearDown destroys the surface and
// with it every context made on it, without touching the view (call
// view.OnDestroy() yourself to test it).
//
// See GlFeedback.h for reading back what a display list draws and
// GlPixels.h for reading the rendered pixels.
#pragma once
#include "view/EglSurface.h"

#include <gtest/gtest.h>

#include <memory>

class COpenGL;

namespace testsupport {

// True when this machine can make an offscreen GL context (probed once).
bool GlAvailable();

class GlFixture : public ::testing::Test {
protected:
    static constexpr int kWidth = 256;
    static constexpr int kHeight = 256;

    void SetUp() override;
    void TearDown() override;

    // Drops the bare context and creates `view`'s own on the surface, then
    // sizes it to kWidth x kHeight. True when the view's context is current.
    bool StartView(COpenGL& view);
    platform::EglSurface& Surface() { return *m_surface; }

private:
    std::unique_ptr<platform::EglSurface> m_surface;
    platform::GLContextHandle m_bare = nullptr;
};

} // namespace testsupport
