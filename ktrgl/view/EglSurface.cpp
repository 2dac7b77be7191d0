#include "view/EglSurface.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// The process's surfaceless display, initialised on first use and kept for
// the life of the process (terminating it would invalidate every context).
EGLDisplay Display()
{
    static EGLDisplay display = []() -> EGLDisplay {
        const char* clientExtensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
        EGLDisplay dpy = EGL_NO_DISPLAY;
        if (clientExtensions != nullptr &&
            std::strstr(clientExtensions, "EGL_MESA_platform_surfaceless") != nullptr) {
            auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
                eglGetProcAddress("eglGetPlatformDisplayEXT"));
            if (getPlatformDisplay != nullptr)
                dpy = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        }
        if (dpy == EGL_NO_DISPLAY)
            return EGL_NO_DISPLAY;
        EGLint major = 0;
        EGLint minor = 0;
        if (!eglInitialize(dpy, &major, &minor))
            return EGL_NO_DISPLAY;
        return dpy;
    }();
    return display;
}

// Pbuffer configs that render desktop OpenGL in RGB(A), in EGL's own order
// of preference. Format n is element n - 1.
const std::vector<EGLConfig>& Configs()
{
    static std::vector<EGLConfig> configs = []() {
        std::vector<EGLConfig> result;
        EGLDisplay dpy = Display();
        if (dpy == EGL_NO_DISPLAY)
            return result;
        const EGLint wanted[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT,
                                 EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                 EGL_COLOR_BUFFER_TYPE, EGL_RGB_BUFFER,
                                 EGL_NONE};
        EGLint count = 0;
        if (!eglChooseConfig(dpy, wanted, nullptr, 0, &count) || count <= 0)
            return result;
        result.resize(static_cast<size_t>(count));
        if (!eglChooseConfig(dpy, wanted, result.data(), count, &count))
            count = 0;
        result.resize(static_cast<size_t>(std::max(count, 0)));
        return result;
    }();
    return configs;
}

EGLint Attrib(EGLConfig config, EGLint name)
{
    EGLint value = 0;
    eglGetConfigAttrib(Display(), config, name, &value);
    return value;
}

std::uint8_t Byte(EGLint v)
{
    return static_cast<std::uint8_t>(std::clamp<EGLint>(v, 0, 255));
}

} // namespace

EglSurface::EglSurface(int width, int height)
    : m_width(std::max(width, 1)), m_height(std::max(height, 1))
{
}

EglSurface::~EglSurface()
{
    EGLDisplay dpy = Display();
    if (dpy != EGL_NO_DISPLAY) {
        eglBindAPI(EGL_OPENGL_API);
        EGLContext current = eglGetCurrentContext();
        const bool ours = std::find(m_contexts.begin(), m_contexts.end(), current) != m_contexts.end();
        if (ours || (m_pbuffer != nullptr && eglGetCurrentSurface(EGL_DRAW) == m_pbuffer))
            eglMakeCurrent(dpy, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        for (void* context : m_contexts)
            eglDestroyContext(dpy, context);
    }
    m_contexts.clear();
    DestroyPbuffer();
}

bool EglSurface::DisplayAvailable()
{
    return Display() != EGL_NO_DISPLAY;
}

int EglSurface::ChoosePixelFormat(const PixelFormatDescriptor& request)
{
    const auto& configs = Configs();
    if (request.iPixelType != PFD_TYPE_RGBA)
        return 0; // no colour-index configs on this display
    int best = 0;
    long bestPenalty = 0;
    for (size_t i = 0; i < configs.size(); ++i) {
        PixelFormatDescriptor d;
        DescribePixelFormat(static_cast<int>(i + 1), &d);
        if ((request.dwFlags & PFD_SUPPORT_OPENGL) && !(d.dwFlags & PFD_SUPPORT_OPENGL))
            continue;
        long penalty = 0;
        // Missing depth precision or colour bits count most, then surplus.
        if (d.cDepthBits < request.cDepthBits)
            penalty += 100000L * (request.cDepthBits - d.cDepthBits);
        else
            penalty += 10L * (d.cDepthBits - request.cDepthBits);
        if (d.cColorBits < request.cColorBits)
            penalty += 100000L * (request.cColorBits - d.cColorBits);
        else
            penalty += 100L * (d.cColorBits - request.cColorBits);
        if (d.cStencilBits > request.cStencilBits)
            penalty += d.cStencilBits - request.cStencilBits;
        penalty += 1000000L * Attrib(configs[i], EGL_SAMPLES);
        if (best == 0 || penalty < bestPenalty) {
            best = static_cast<int>(i + 1);
            bestPenalty = penalty;
        }
    }
    return best;
}

int EglSurface::DescribePixelFormat(int format, PixelFormatDescriptor* out)
{
    const auto& configs = Configs();
    if (format < 1 || format > static_cast<int>(configs.size()))
        return 0;
    if (out != nullptr) {
        EGLConfig config = configs[static_cast<size_t>(format - 1)];
        PixelFormatDescriptor d;
        // The pbuffer is this surface's window; it is single-buffered.
        d.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
        d.iPixelType = PFD_TYPE_RGBA;
        d.cColorBits = Byte(Attrib(config, EGL_BUFFER_SIZE));
        d.cRedBits = Byte(Attrib(config, EGL_RED_SIZE));
        d.cGreenBits = Byte(Attrib(config, EGL_GREEN_SIZE));
        d.cBlueBits = Byte(Attrib(config, EGL_BLUE_SIZE));
        d.cAlphaBits = Byte(Attrib(config, EGL_ALPHA_SIZE));
        d.cBlueShift = 0;
        d.cGreenShift = d.cBlueBits;
        d.cRedShift = static_cast<std::uint8_t>(d.cGreenShift + d.cGreenBits);
        d.cAlphaShift = d.cAlphaBits ? static_cast<std::uint8_t>(d.cRedShift + d.cRedBits) : 0;
        d.cDepthBits = Byte(Attrib(config, EGL_DEPTH_SIZE));
        d.cStencilBits = Byte(Attrib(config, EGL_STENCIL_SIZE));
        d.iLayerType = PFD_MAIN_PLANE;
        *out = d;
    }
    return static_cast<int>(configs.size());
}

bool EglSurface::SetPixelFormat(int format, const PixelFormatDescriptor& /*descriptor*/)
{
    const auto& configs = Configs();
    if (format < 1 || format > static_cast<int>(configs.size()))
        return false;
    // Like a window, the surface takes one format for its life.
    if (m_format != 0)
        return m_format == format;
    m_format = format;
    m_config = configs[static_cast<size_t>(format - 1)];
    if (!CreatePbuffer()) {
        m_format = 0;
        m_config = nullptr;
        return false;
    }
    return true;
}

bool EglSurface::CreatePbuffer()
{
    const EGLint attribs[] = {EGL_WIDTH, m_width, EGL_HEIGHT, m_height, EGL_NONE};
    EGLSurface surface = eglCreatePbufferSurface(Display(), m_config, attribs);
    if (surface == EGL_NO_SURFACE)
        return false;
    m_pbuffer = surface;
    return true;
}

void EglSurface::DestroyPbuffer()
{
    if (m_pbuffer != nullptr && Display() != EGL_NO_DISPLAY)
        eglDestroySurface(Display(), m_pbuffer);
    m_pbuffer = nullptr;
}

GLContextHandle EglSurface::CreateContext()
{
    EGLDisplay dpy = Display();
    if (dpy == EGL_NO_DISPLAY || m_config == nullptr)
        return nullptr;
    if (!eglBindAPI(EGL_OPENGL_API))
        return nullptr;
    // The view is written against OpenGL 2.1 (display lists, fixed function);
    // Mesa answers with its newest compatibility profile.
    const EGLint version21[] = {EGL_CONTEXT_MAJOR_VERSION, 2, EGL_CONTEXT_MINOR_VERSION, 1, EGL_NONE};
    EGLContext context = eglCreateContext(dpy, m_config, EGL_NO_CONTEXT, version21);
    if (context == EGL_NO_CONTEXT)
        context = eglCreateContext(dpy, m_config, EGL_NO_CONTEXT, nullptr);
    if (context == EGL_NO_CONTEXT)
        return nullptr;
    m_contexts.push_back(context);
    return context;
}

bool EglSurface::MakeCurrent(GLContextHandle context)
{
    EGLDisplay dpy = Display();
    if (dpy == EGL_NO_DISPLAY)
        return false;
    eglBindAPI(EGL_OPENGL_API);
    if (context == nullptr)
        return eglMakeCurrent(dpy, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT) == EGL_TRUE;
    if (m_pbuffer == nullptr)
        return false;
    return eglMakeCurrent(dpy, m_pbuffer, m_pbuffer, context) == EGL_TRUE;
}

GLContextHandle EglSurface::CurrentContext() const
{
    if (Display() == EGL_NO_DISPLAY)
        return nullptr;
    eglBindAPI(EGL_OPENGL_API);
    EGLContext context = eglGetCurrentContext();
    return context == EGL_NO_CONTEXT ? nullptr : context;
}

bool EglSurface::DeleteContext(GLContextHandle context)
{
    auto it = std::find(m_contexts.begin(), m_contexts.end(), context);
    if (it == m_contexts.end())
        return false;
    m_contexts.erase(it);
    return eglDestroyContext(Display(), context) == EGL_TRUE;
}

void EglSurface::SwapBuffers()
{
    // A pbuffer has one buffer: finishing the frame is all a swap means.
    if (m_pbuffer != nullptr)
        eglSwapBuffers(Display(), m_pbuffer);
}

void EglSurface::SetTimer(unsigned id, unsigned periodMs, std::function<void()> tick)
{
    m_timers[id] = Timer{periodMs, std::move(tick)};
}

void EglSurface::KillTimer(unsigned id)
{
    m_timers.erase(id);
}

void EglSurface::Invalidate(bool /*erase*/)
{
    ++m_invalidateCount;
}

GLSize EglSurface::ClientSize() const
{
    return GLSize{m_width, m_height};
}

bool EglSurface::Resize(int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width == m_width && height == m_height)
        return true;
    const int oldWidth = m_width;
    const int oldHeight = m_height;
    m_width = width;
    m_height = height;
    if (m_pbuffer == nullptr)
        return true;

    EGLDisplay dpy = Display();
    eglBindAPI(EGL_OPENGL_API);
    EGLSurface old = m_pbuffer;
    const bool bound = eglGetCurrentSurface(EGL_DRAW) == old;
    EGLContext context = eglGetCurrentContext();
    if (!CreatePbuffer()) {
        m_pbuffer = old;
        m_width = oldWidth;
        m_height = oldHeight;
        return false;
    }
    if (bound)
        eglMakeCurrent(dpy, m_pbuffer, m_pbuffer, context);
    eglDestroySurface(dpy, old);
    return true;
}

bool EglSurface::TimerRunning(unsigned id) const
{
    return m_timers.count(id) != 0;
}

unsigned EglSurface::TimerPeriod(unsigned id) const
{
    auto it = m_timers.find(id);
    return it == m_timers.end() ? 0 : it->second.period;
}

void EglSurface::FireTimers()
{
    std::vector<std::function<void()>> ticks;
    for (const auto& [id, timer] : m_timers)
        ticks.push_back(timer.tick);
    for (auto& tick : ticks)
        if (tick)
            tick();
}

} // namespace platform
