// Headless GLSurface: an EGL pbuffer on Mesa's surfaceless platform (no X
// server), a desktop OpenGL 2.1 compatibility context. Used by the tests and
// by the command line renderer. Pixel formats are the display's pbuffer
// configs that render desktop OpenGL, numbered from 1. The window timer
// never fires by itself: FireTimers() runs one tick of every running timer.
#pragma once
#include "view/GLSurface.h"

#include <map>
#include <vector>

namespace platform {

class EglSurface : public GLSurface {
public:
    EglSurface(int width = 640, int height = 480);
    ~EglSurface() override;

    // True when the surfaceless EGL display could be initialised.
    static bool DisplayAvailable();

    int ChoosePixelFormat(const PixelFormatDescriptor& request) override;
    int DescribePixelFormat(int format, PixelFormatDescriptor* out) override;
    bool SetPixelFormat(int format, const PixelFormatDescriptor& descriptor) override;

    GLContextHandle CreateContext() override;
    bool MakeCurrent(GLContextHandle context) override;
    GLContextHandle CurrentContext() const override;
    bool DeleteContext(GLContextHandle context) override;
    void SwapBuffers() override;

    void SetTimer(unsigned id, unsigned periodMs, std::function<void()> tick) override;
    void KillTimer(unsigned id) override;
    void Invalidate(bool erase) override;
    GLSize ClientSize() const override;

    // Resizes the pbuffer (the "window"); the current context stays bound.
    bool Resize(int width, int height);

    // Timer and repaint bookkeeping for the headless host.
    bool TimerRunning(unsigned id) const;
    unsigned TimerPeriod(unsigned id) const;
    void FireTimers();
    int InvalidateCount() const { return m_invalidateCount; }
    int PixelFormat() const { return m_format; }

private:
    bool CreatePbuffer();
    void DestroyPbuffer();

    struct Timer {
        unsigned period = 0;
        std::function<void()> tick;
    };

    int m_width;
    int m_height;
    int m_format = 0;
    void* m_config = nullptr;  // EGLConfig of m_format
    void* m_pbuffer = nullptr; // EGLSurface
    std::vector<void*> m_contexts;
    std::map<unsigned, Timer> m_timers;
    int m_invalidateCount = 0;
};

} // namespace platform
