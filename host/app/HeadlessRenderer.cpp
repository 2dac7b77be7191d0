#include "HeadlessRenderer.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

constexpr double kFieldOfView = 45.0; // vertical, degrees, as the view's own projection
constexpr double kPi = 3.14159265358979323846;

} // namespace

HeadlessRenderer::HeadlessRenderer(int width, int height) : m_width(width), m_height(height) {}

HeadlessRenderer::~HeadlessRenderer()
{
    if (m_open)
        m_geometry->OnDestroy();
    // The display lists go with the context; the model view is destroyed
    // before its surface.
    m_geometry.reset();
    m_surface.reset();
}

bool HeadlessRenderer::Open(std::string& error)
{
    if (m_open)
        return true;
    if (!platform::EglSurface::DisplayAvailable()) {
        error = "no EGL display for offscreen rendering (Mesa's surfaceless EGL platform is needed)";
        return false;
    }
    m_surface = std::make_unique<platform::EglSurface>(m_width, m_height);
    m_geometry = std::make_unique<CGeometry>();
    platform::CreateStruct cs;
    m_geometry->PreCreateWindow(cs);
    m_geometry->OnCreate(m_surface.get());
    if (!m_geometry->m_hRC || m_surface->CurrentContext() != m_geometry->m_hRC) {
        error = "cannot create an OpenGL context on the offscreen surface";
        m_geometry.reset();
        m_surface.reset();
        return false;
    }
    if (glGetString(GL_VERSION) == nullptr) {
        error = "the offscreen OpenGL context does not answer";
        m_geometry->OnDestroy();
        m_geometry.reset();
        m_surface.reset();
        return false;
    }
    m_geometry->OnSize(0, m_width, m_height);
    m_open = true;
    return true;
}

bool HeadlessRenderer::MakeCurrent(bool current)
{
    if (!m_open)
        return false;
    return m_surface->MakeCurrent(current ? m_geometry->m_hRC : nullptr);
}

HeadlessRenderer::Camera HeadlessRenderer::FitCamera(const CdMatrix& nodes, double aspect, double margin)
{
    Camera camera;
    const int n = nodes.GetRows();
    double lo[3] = {0, 0, 0}, hi[3] = {0, 0, 0};
    bool any = false;
    for (int i = 1; i <= n; ++i) {
        double p[3] = {nodes(i, 1), nodes(i, 2), nodes(i, 3)};
        if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2]))
            continue;
        for (int c = 0; c < 3; ++c) {
            lo[c] = any ? std::min(lo[c], p[c]) : p[c];
            hi[c] = any ? std::max(hi[c], p[c]) : p[c];
        }
        any = true;
    }
    double radius = 0;
    for (int c = 0; c < 3; ++c)
        camera.target[c] = (lo[c] + hi[c]) / 2;
    for (int i = 1; i <= n; ++i) {
        const double dx = nodes(i, 1) - camera.target[0], dy = nodes(i, 2) - camera.target[1],
                     dz = nodes(i, 3) - camera.target[2];
        const double d = std::sqrt(dx * dx + dy * dy + dz * dz);
        if (std::isfinite(d))
            radius = std::max(radius, d);
    }
    radius += std::max(margin, 0.0);
    if (radius <= 0)
        radius = 1.0;

    // The narrower of the two half angles decides the distance.
    const double halfV = kFieldOfView / 2 * kPi / 180;
    const double halfH = std::atan(std::tan(halfV) * (aspect > 0 ? aspect : 1.0));
    const double half = std::min(halfV, halfH);
    const double distance = radius / std::sin(half);
    const double k = distance / std::sqrt(3.0);
    for (int c = 0; c < 3; ++c)
        camera.eye[c] = camera.target[c] + k;
    camera.zNear = std::max(distance - radius * 1.05, distance * 1e-3);
    camera.zFar = distance + radius * 1.05;
    return camera;
}

double HeadlessRenderer::ViewMargin() const
{
    const CGeometry& g = *m_geometry;
    double margin = 0.35; // support glyphs reach 0.3 below their node
    switch (g.m_viewMode) {
    case CGeometry::ModeLoads:
        // An arrow of a load with d digits is d x scale / 10 long, its
        // label a little beyond; loads of up to six digits.
        margin += 0.6 * g.m_loadOptions.m_loadScale + 0.4;
        break;
    case CGeometry::ModeDisplaced:
        margin += std::abs(double(g.m_nodeOptions.m_dispFactor));
        break;
    case CGeometry::ModeForces: {
        const int scales[6] = {g.m_forceOptions.m_memberFxScale, g.m_forceOptions.m_memberFyScale,
                               g.m_forceOptions.m_memberFzScale, g.m_forceOptions.m_memberMxScale,
                               g.m_forceOptions.m_memberMyScale, g.m_forceOptions.m_memberMzScale};
        const int c = g.m_forceComponent - CGeometry::ForceFx;
        if (c >= 0 && c < 6)
            margin += std::abs(double(scales[c]));
        break;
    }
    default:
        break;
    }
    return margin;
}

QImage HeadlessRenderer::Capture()
{
    if (!m_open)
        return QImage();
    m_surface->MakeCurrent(m_geometry->m_hRC);
    const double aspect = m_height > 0 ? double(m_width) / m_height : double(m_width);
    const Camera camera = FitCamera(m_geometry->m_nodeTable, aspect, ViewMargin());

    glViewport(0, 0, m_width, m_height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, aspect, camera.zNear, camera.zFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(camera.eye[0], camera.eye[1], camera.eye[2], camera.target[0], camera.target[1],
              camera.target[2], 0.0, 1.0, 0.0);

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    m_geometry->Rendering();

    std::vector<unsigned char> pixels(std::size_t(m_width) * m_height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());

    // OpenGL's row 0 is the bottom; the picture's is the top. Alpha is
    // the clear colour's 0, so the picture is written opaque.
    QImage image(m_width, m_height, QImage::Format_RGB32);
    for (int y = 0; y < m_height; ++y) {
        const unsigned char* row = pixels.data() + std::size_t(m_height - 1 - y) * m_width * 4;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < m_width; ++x)
            line[x] = qRgb(row[4 * x], row[4 * x + 1], row[4 * x + 2]);
    }
    return image;
}

bool HeadlessRenderer::RenderToPng(const std::string& path, std::string& error)
{
    if (!m_open) {
        error = "the offscreen view is not open";
        return false;
    }
    const QImage image = Capture();
    if (image.isNull() || !image.save(QString::fromStdString(path), "PNG")) {
        error = "cannot write the picture " + path;
        return false;
    }
    return true;
}
