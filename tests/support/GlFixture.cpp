#include "GlFixture.h"

#include "view/OpenGL.h"

#include <GL/gl.h>

namespace testsupport {

namespace {

// Chooses, sets and binds a plain context on `surface`; nullptr on failure.
platform::GLContextHandle BareContext(platform::EglSurface& surface)
{
    platform::PixelFormatDescriptor request;
    request.dwFlags = platform::PFD_DRAW_TO_WINDOW | platform::PFD_SUPPORT_OPENGL |
                      platform::PFD_DOUBLEBUFFER;
    request.iPixelType = platform::PFD_TYPE_RGBA;
    request.cColorBits = 32;
    request.cDepthBits = 16;
    const int format = surface.ChoosePixelFormat(request);
    if (format == 0 || !surface.SetPixelFormat(format, request))
        return nullptr;
    platform::GLContextHandle context = surface.CreateContext();
    if (context == nullptr)
        return nullptr;
    if (!surface.MakeCurrent(context)) {
        surface.DeleteContext(context);
        return nullptr;
    }
    return context;
}

} // namespace

bool GlAvailable()
{
    static const bool available = []() {
        if (!platform::EglSurface::DisplayAvailable())
            return false;
        platform::EglSurface probe(4, 4);
        platform::GLContextHandle context = BareContext(probe);
        const bool ok = context != nullptr && glGetString(GL_VERSION) != nullptr;
        probe.MakeCurrent(nullptr);
        if (context != nullptr)
            probe.DeleteContext(context);
        return ok;
    }();
    return available;
}

void GlFixture::SetUp()
{
    if (!GlAvailable())
        GTEST_SKIP() << "no offscreen OpenGL context on this machine";
    m_surface = std::make_unique<platform::EglSurface>(kWidth, kHeight);
    m_bare = BareContext(*m_surface);
    if (m_bare == nullptr || glGetString(GL_VERSION) == nullptr)
        GTEST_SKIP() << "offscreen OpenGL context could not be made current";
    glViewport(0, 0, kWidth, kHeight);
}

void GlFixture::TearDown()
{
    if (m_surface && m_bare != nullptr) {
        m_surface->MakeCurrent(nullptr);
        m_surface->DeleteContext(m_bare);
        m_bare = nullptr;
    }
    m_surface.reset();
}

bool GlFixture::StartView(COpenGL& view)
{
    if (!m_surface)
        return false;
    if (m_bare != nullptr) {
        m_surface->MakeCurrent(nullptr);
        m_surface->DeleteContext(m_bare);
        m_bare = nullptr;
    }
    view.OnCreate(m_surface.get());
    if (view.m_hRC == nullptr || m_surface->CurrentContext() != view.m_hRC)
        return false;
    view.OnSize(0, kWidth, kHeight);
    return glGetString(GL_VERSION) != nullptr;
}

} // namespace testsupport
