// COpenGL: binds an OpenGL rendering context to the host's view window,
// keeps the client size and aspect ratio, sets the projection and draws text
// at a point of model space through the font display lists 1000..1255.
// The host owns the window; CGeometry derives from this class and overrides
// the initial render state.
#pragma once
#include "view/GLSurface.h"

#include <string>

class COpenGL {
public:
    // First display list of the 256 font lists (one per character code).
    static constexpr unsigned kFontListBase = 1000;
    static constexpr unsigned kFontListCount = 256;
    // Identifier and period of the repaint timer started with the context.
    static constexpr unsigned kTimerId = 0;
    static constexpr unsigned kTimerPeriodMs = 10;

    COpenGL();
    virtual ~COpenGL();
    COpenGL(const COpenGL&) = delete;
    COpenGL& operator=(const COpenGL&) = delete;

    // Creates the rendering context on m_hDC and makes it current, then sets
    // the initial render state. 1 on success, 0 after a message box.
    virtual int CreateRenderingContext();
    // Chooses and sets the pixel format of m_hDC (format 1 as fallback).
    // 1 on success, 0 after a message box.
    virtual int SetPixelFormatDes();
    // Takes the host view's window and device context, sets the pixel format
    // and creates the context. Always returns 0.
    virtual int OnCreate(platform::GLSurface* view);
    // Aspect ratio, perspective projection, viewport; leaves the model-view
    // matrix current and loaded with the identity.
    virtual void OnSize(unsigned type, int cx, int cy);
    // Releases and deletes the context and stops the repaint timer.
    virtual void OnDestroy();
    // Mouse and keys are the host's business: these do nothing.
    virtual void OnMouseMove(unsigned flags, int x, int y);
    // Adds the clip-children and clip-siblings styles.
    virtual bool PreCreateWindow(platform::CreateStruct& cs);
    virtual void OnKeyDown(unsigned key, unsigned repeatCount, unsigned flags);
    // Render state right after the context is made current: smooth shading,
    // black clear colour, depth test, perspective hint, 2D texturing, the
    // repaint timer and the font display lists.
    virtual void SetInitialRender();

    // Each saves the current (model-view) matrix, applies the transform and
    // restores the matrix again.
    void Rotation(double x, double y, double z);
    void Translate(double x, double y, double z);
    void Zoom(double percentage);

    // Sets the raster position to (x, y, z) and draws the bytes of `text`
    // through the font lists.
    void RenderString(double x, double y, double z, const std::string& text);
    // Asks every view window to repaint, without erasing.
    void UpdateView();

    // One tick of the repaint timer: asks the view window to repaint.
    void OnTimer(unsigned id);

    platform::GLContextHandle m_hRC = nullptr;
    platform::GLSurface* m_hWnd = nullptr;
    platform::GLSurface* m_hDC = nullptr;
    double m_scale[3] = {1.0, 1.0, 1.0};
    double m_viewA[3] = {0.0, 0.0, 0.0};
    double m_viewB[3] = {0.0, 0.0, 0.0};
    double m_aspect = 0.0;
    platform::GLSize m_size;

protected:
    // The initial render state with the given clear colour (components 0..1,
    // alpha 0); SetInitialRender passes black, a derived view its background.
    void InitialRenderState(double red, double green, double blue);
};
