// The window and context services that the model view needs from its platform:
// pixel formats, a rendering context, buffer swaps, a repeating window timer,
// repaint requests and the client size. COpenGL talks only to this interface;
// the host's GL widget and the headless EglSurface implement it.
#pragma once
#include <cstdint>
#include <functional>

namespace platform {

// Pixel format descriptor with the layout and values of the classic
// 40-byte Windows descriptor (version 1), so a requested format reads as
// it always did.
struct PixelFormatDescriptor {
    std::uint16_t nSize = sizeof(PixelFormatDescriptor);
    std::uint16_t nVersion = 1;
    std::uint32_t dwFlags = 0;
    std::uint8_t iPixelType = 0;
    std::uint8_t cColorBits = 0;
    std::uint8_t cRedBits = 0;
    std::uint8_t cRedShift = 0;
    std::uint8_t cGreenBits = 0;
    std::uint8_t cGreenShift = 0;
    std::uint8_t cBlueBits = 0;
    std::uint8_t cBlueShift = 0;
    std::uint8_t cAlphaBits = 0;
    std::uint8_t cAlphaShift = 0;
    std::uint8_t cAccumBits = 0;
    std::uint8_t cAccumRedBits = 0;
    std::uint8_t cAccumGreenBits = 0;
    std::uint8_t cAccumBlueBits = 0;
    std::uint8_t cAccumAlphaBits = 0;
    std::uint8_t cDepthBits = 0;
    std::uint8_t cStencilBits = 0;
    std::uint8_t cAuxBuffers = 0;
    std::uint8_t iLayerType = 0;
    std::uint8_t bReserved = 0;
    std::uint32_t dwLayerMask = 0;
    std::uint32_t dwVisibleMask = 0;
    std::uint32_t dwDamageMask = 0;
};
static_assert(sizeof(PixelFormatDescriptor) == 40, "pixel format descriptor is 40 bytes");

// Descriptor flags and pixel types.
enum : std::uint32_t {
    PFD_DOUBLEBUFFER = 0x00000001,
    PFD_STEREO = 0x00000002,
    PFD_DRAW_TO_WINDOW = 0x00000004,
    PFD_DRAW_TO_BITMAP = 0x00000008,
    PFD_SUPPORT_OPENGL = 0x00000020,
    PFD_STEREO_DONTCARE = 0x80000000u,
};
enum : std::uint8_t { PFD_TYPE_RGBA = 0, PFD_TYPE_COLORINDEX = 1 };
enum : std::uint8_t { PFD_MAIN_PLANE = 0 };

// Window styles a view adds before its window is created.
enum : std::uint32_t {
    WS_CLIPCHILDREN = 0x02000000,
    WS_CLIPSIBLINGS = 0x04000000,
};

// The part of a window creation request a view may adjust.
struct CreateStruct {
    std::uint32_t style = 0;
    std::uint32_t dwExStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
};

// Width and height in pixels.
struct GLSize {
    int cx = 0;
    int cy = 0;
};

// Opaque rendering context handle; nullptr is "no context".
using GLContextHandle = void*;

class GLSurface {
public:
    GLSurface();
    virtual ~GLSurface();
    GLSurface(const GLSurface&) = delete;
    GLSurface& operator=(const GLSurface&) = delete;

    // --- pixel formats (formats are numbered from 1) ---
    // Best format for the request, 0 when none matches.
    virtual int ChoosePixelFormat(const PixelFormatDescriptor& request) = 0;
    // Fills *out (when not null) with format `format`; returns the number of
    // formats available, 0 when `format` does not exist.
    virtual int DescribePixelFormat(int format, PixelFormatDescriptor* out) = 0;
    // Makes `format` the surface's format; false on failure.
    virtual bool SetPixelFormat(int format, const PixelFormatDescriptor& descriptor) = 0;

    // --- rendering contexts ---
    // A new context for the surface's format; nullptr on failure.
    virtual GLContextHandle CreateContext() = 0;
    // Binds `context` to this surface on the calling thread; nullptr releases
    // the current context. False on failure.
    virtual bool MakeCurrent(GLContextHandle context) = 0;
    // The context current on the calling thread (any surface), or nullptr.
    virtual GLContextHandle CurrentContext() const = 0;
    virtual bool DeleteContext(GLContextHandle context) = 0;
    virtual void SwapBuffers() = 0;

    // --- window services ---
    // Starts (or restarts) timer `id`; `tick` is called every `periodMs`
    // milliseconds from the user-interface thread until KillTimer(id).
    virtual void SetTimer(unsigned id, unsigned periodMs, std::function<void()> tick) = 0;
    virtual void KillTimer(unsigned id) = 0;
    // Asks for a repaint; `erase` also clears the background first.
    virtual void Invalidate(bool erase) = 0;
    virtual GLSize ClientSize() const = 0;

    // Compiles `count` display lists from list `listBase` on, one per
    // character code from `first` on, each drawing the glyph as a bitmap
    // at the raster position and advancing it. The default uses the
    // library's bitmap font; a host may supply its window font instead.
    virtual bool UseFontBitmaps(unsigned first, unsigned count, unsigned listBase);

    // Invalidates every live surface (the "all windows" repaint request).
    static void InvalidateAll(bool erase);
};

} // namespace platform
