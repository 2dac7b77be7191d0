#include "ViewCamera.h"

#include <algorithm>
#include <cmath>

#include <GL/gl.h>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Column-major 4 x 4 product r = a * b.
void Multiply(const double a[16], const double b[16], double r[16])
{
    double t[16];
    for (int c = 0; c < 4; ++c)
        for (int row = 0; row < 4; ++row) {
            double s = 0;
            for (int k = 0; k < 4; ++k)
                s += a[k * 4 + row] * b[c * 4 + k];
            t[c * 4 + row] = s;
        }
    std::copy(t, t + 16, r);
}

void Identity(double m[16])
{
    std::fill(m, m + 16, 0.0);
    m[0] = m[5] = m[10] = m[15] = 1.0;
}

void Translation(double x, double y, double z, double m[16])
{
    Identity(m);
    m[12] = x;
    m[13] = y;
    m[14] = z;
}

// Rotation by `degrees` about a coordinate axis (0 X, 1 Y, 2 Z), as glRotated.
void AxisRotation(int axis, double degrees, double m[16])
{
    Identity(m);
    const double a = degrees * kPi / 180.0, c = std::cos(a), s = std::sin(a);
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;
    m[i * 4 + i] = c;
    m[j * 4 + j] = c;
    m[i * 4 + j] = s;   // column i, row j
    m[j * 4 + i] = -s;  // column j, row i
}

} // namespace

void ViewCamera::BoundingSphere(const CdMatrix& nodes, double centre[3], double* r)
{
    double lo[3] = {0, 0, 0}, hi[3] = {0, 0, 0};
    bool any = false;
    const int n = nodes.GetRows();
    for (int i = 1; i <= n; ++i) {
        const double p[3] = {nodes(i, 1), nodes(i, 2), nodes(i, 3)};
        if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2]))
            continue;
        for (int c = 0; c < 3; ++c) {
            lo[c] = any ? std::min(lo[c], p[c]) : p[c];
            hi[c] = any ? std::max(hi[c], p[c]) : p[c];
        }
        any = true;
    }
    for (int c = 0; c < 3; ++c)
        centre[c] = (lo[c] + hi[c]) / 2;
    double radius = 0;
    for (int i = 1; i <= n; ++i) {
        const double dx = nodes(i, 1) - centre[0], dy = nodes(i, 2) - centre[1],
                     dz = nodes(i, 3) - centre[2];
        const double d = std::sqrt(dx * dx + dy * dy + dz * dz);
        if (std::isfinite(d))
            radius = std::max(radius, d);
    }
    *r = radius > 0 ? radius : 1.0;
}

void ViewCamera::Fit(const CdMatrix& nodes, double aspect, double margin)
{
    double r = 1.0;
    BoundingSphere(nodes, target, &r);
    r += std::max(margin, 0.0);
    radius = r;
    const double halfV = FieldOfView / 2 * kPi / 180;
    const double halfH = std::atan(std::tan(halfV) * (aspect > 0 ? aspect : 1.0));
    distance = r / std::sin(std::min(halfV, halfH));
    pan[0] = pan[1] = 0.0;
}

void ViewCamera::SetStandard(Standard view)
{
    roll = 0.0;
    pan[0] = pan[1] = 0.0;
    switch (view) {
    case ViewX: pitch = 0.0; yaw = -90.0; break;
    case ViewY: pitch = 90.0; yaw = 0.0; break;
    case ViewZ: pitch = 0.0; yaw = 0.0; break;
    case Isometric: pitch = std::atan(1.0 / std::sqrt(2.0)) * 180.0 / kPi; yaw = -45.0; break;
    }
}

void ViewCamera::Orbit(double dx, double dy)
{
    yaw += dx * 0.5;
    pitch += dy * 0.5;
}

void ViewCamera::Pan(double dx, double dy, int height)
{
    const double perPixel =
        2.0 * distance * std::tan(FieldOfView / 2 * kPi / 180) / std::max(height, 1);
    pan[0] += dx * perPixel;
    pan[1] -= dy * perPixel;
}

void ViewCamera::Zoom(double factor)
{
    if (std::isfinite(factor) && factor > 0)
        distance = std::clamp(distance * factor, radius * 1e-3, radius * 1e3);
}

void ViewCamera::Rotate(double aboutX, double aboutY, double aboutZ)
{
    pitch += aboutX;
    yaw += aboutY;
    roll += aboutZ;
}

void ViewCamera::Translate(double x, double y, double z)
{
    // Moving the model by (x, y, z) moves the point looked at the other way.
    target[0] -= x;
    target[1] -= y;
    target[2] -= z;
}

void ViewCamera::ProjectionMatrix(double aspect, double m[16]) const
{
    // A 45 degree perspective (as gluPerspective) with clipping planes from
    // the distance and the model size.
    const double zNear = std::max(distance - 4.0 * radius, distance * 1e-3);
    const double zFar = distance + 8.0 * radius + 1.0;
    const double f = 1.0 / std::tan(FieldOfView / 2 * kPi / 180);
    std::fill(m, m + 16, 0.0);
    m[0] = f / (aspect > 0 ? aspect : 1.0);
    m[5] = f;
    m[10] = (zFar + zNear) / (zNear - zFar);
    m[11] = -1.0;
    m[14] = 2.0 * zFar * zNear / (zNear - zFar);
}

void ViewCamera::LoadProjection(double aspect) const
{
    double m[16];
    ProjectionMatrix(aspect, m);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(m);
    glMatrixMode(GL_MODELVIEW);
}

void ViewCamera::ModelViewMatrix(double m[16]) const
{
    double t[16], r[16];
    Translation(pan[0], pan[1], -distance, m);
    AxisRotation(0, pitch, r);
    Multiply(m, r, m);
    AxisRotation(1, yaw, r);
    Multiply(m, r, m);
    AxisRotation(2, roll, r);
    Multiply(m, r, m);
    Identity(t);
    t[0] = scale[0] != 0 ? scale[0] : 1.0;
    t[5] = scale[1] != 0 ? scale[1] : 1.0;
    t[10] = scale[2] != 0 ? scale[2] : 1.0;
    Multiply(m, t, m);
    Translation(-target[0], -target[1], -target[2], t);
    Multiply(m, t, m);
}

void ViewCamera::LoadModelView() const
{
    double m[16];
    ModelViewMatrix(m);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(m);
}
