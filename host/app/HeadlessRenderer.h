// Pictures of the model view without a window: a CGeometry whose context
// lives on an EGL offscreen surface, an isometric camera fitted to the
// model, and the pixels read back into a PNG file. The command line owns
// one per project it draws; the caller fills the model view's tables and
// builds its display lists between Open and Capture.
#pragma once
#include <memory>
#include <string>

#include <QImage>

#include "view/EglSurface.h"
#include "view/Geometry.h"

class HeadlessRenderer {
public:
    // Camera of a picture: eye and target point, Y up, and the clipping
    // planes of the 45 degree perspective.
    struct Camera {
        double eye[3] = {0, 0, 0};
        double target[3] = {0, 0, 0};
        double zNear = 0.1;
        double zFar = 5000.0;
    };

    HeadlessRenderer(int width, int height);
    ~HeadlessRenderer();
    HeadlessRenderer(const HeadlessRenderer&) = delete;
    HeadlessRenderer& operator=(const HeadlessRenderer&) = delete;

    // Creates the offscreen surface and the model view's context (through
    // COpenGL::OnCreate) and sizes the view. False with `error` when no
    // EGL display or context is available.
    bool Open(std::string& error);

    // Makes the view's context current on this thread, or releases it, so
    // that a window's own OpenGL context can be current in between (one
    // thread cannot hold an EGL and a GLX context at once).
    bool MakeCurrent(bool current);

    // The model view; valid after a successful Open.
    CGeometry& Geometry() { return *m_geometry; }

    // Camera looking along (-1, -1, -1) at the bounding sphere of the node
    // table, far enough that the sphere, grown by `margin` model units,
    // fits the 45 degree field of view in both directions.
    static Camera FitCamera(const CdMatrix& nodes, double aspect, double margin);

    // Margin around the nodes that the current view mode draws outside
    // them: support glyphs, load arrows, the displaced shape, diagrams.
    double ViewMargin() const;

    // Clears, applies the fitted camera, calls CGeometry::Rendering and
    // reads the pixels back (top row first).
    QImage Capture();
    // Capture, then write the picture as PNG. False with `error` set.
    bool RenderToPng(const std::string& path, std::string& error);

private:
    int m_width;
    int m_height;
    std::unique_ptr<platform::EglSurface> m_surface;
    std::unique_ptr<CGeometry> m_geometry;
    bool m_open = false;
};
