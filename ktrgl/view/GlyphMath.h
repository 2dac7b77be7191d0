// Geometry behind the model view's load glyphs, member force diagrams,
// displaced shape and member local axes. Pure functions without OpenGL, so
// the numbers the display lists are built from can be checked on their own;
// CGeometry (GeometryLoads.cpp, GeometryResults.cpp, GeometryAxes.cpp) draws
// with them.
#pragma once
#include <cmath>
#include <cstdio>
#include <string>

namespace glyph {

struct Vec3 {
    double x = 0.0, y = 0.0, z = 0.0;
};

inline Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(double s, const Vec3& a) { return {s * a.x, s * a.y, s * a.z}; }
inline Vec3 operator/(const Vec3& a, double s) { return {a.x / s, a.y / s, a.z / s}; }
inline double Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Norm(const Vec3& a) { return std::sqrt(Dot(a, a)); }
inline bool IsFinite(const Vec3& a)
{
    return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z);
}

// ---- Load glyphs ---------------------------------------------------------

// Number of characters "%d" prints for the load's whole part (truncated
// toward zero, a minus sign counts): 5 -> 1, 250 -> 3, -250 -> 4, 0.4 -> 1,
// -0.4 -> 1 (it prints as "0"). Values beyond the range of a 64-bit integer
// are counted from their fixed-point text so that nothing overflows.
inline int LoadDigits(double v)
{
    const double whole = std::trunc(v);
    char text[400];
    if (std::fabs(whole) < 9.0e18)
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(whole));
    else
        std::snprintf(text, sizeof text, "%.0f", whole);
    return static_cast<int>(std::string(text).size());
}

// Arrow length of a force, or arc radius of a moment: n x s / 10 in model
// units, with n the digit count above and s the "load scale" setting.
inline double GlyphSize(double v, double loadScale)
{
    return LoadDigits(v) * loadScale / 10.0;
}

// The text written beside a glyph: the value in the project's units.
inline std::string LoadLabel(double v, double unitFactor)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3g", v * unitFactor);
    return text;
}

// Moment arcs run over t = 0, 0.175, 0.350, ... while t <= 4.712 (27 points,
// the last at 4.55, about 260 degrees); the arrowhead sits at t = 0 or at
// the last point.
constexpr double kArcStep = 0.175;
constexpr double kArcLimit = 4.712;
constexpr double kArcHeadEnd = 4.55;
constexpr int kArcPoints = 27;

inline double ArcParameter(int k) { return kArcStep * k; }

// Arrowhead cone: base radius 0.06, height 0.3, along its local +Z.
constexpr double kHeadRadius = 0.06;
constexpr double kHeadLength = 0.3;

// ---- Member force diagrams ----------------------------------------------

// Ordinate at distance x from the start of a member of length L: the
// straight line between the scaled end values s*F1 and s*F2.
inline double DiagramOrdinate(double s, double f1, double f2, double x, double length)
{
    return s * f1 + (s * f2 - s * f1) * x / length;
}

// Where a member's force diagram is laid: its start point, its local axes
// 1 (along the member) and 2 (the direction the values are drawn in), and
// its length.
struct DiagramFrame {
    Vec3 p1;
    Vec3 e1;
    Vec3 e2;
    double length = 0.0;
};

// One strip of a diagram, in the member's frame translated to
// start + x0*e1: the four corners in drawing order (white, colour, colour,
// white).
struct DiagramStrip {
    Vec3 origin;     // P1 + x0 * e1
    Vec3 corner[4];  // relative to origin
};

inline DiagramStrip MakeDiagramStrip(const Vec3& p1, const Vec3& e1, const Vec3& e2, double s,
                                     double f1, double f2, double length, double h, int j)
{
    const double x0 = (j - 1) * h;
    const double x1 = j * h;
    DiagramStrip strip;
    strip.origin = p1 + x0 * e1;
    strip.corner[0] = Vec3{};
    strip.corner[1] = DiagramOrdinate(s, f1, f2, x0, length) * e2;
    strip.corner[2] = DiagramOrdinate(s, f1, f2, x1, length) * e2 + h * e1;
    strip.corner[3] = h * e1;
    return strip;
}

// ---- Displaced shape ----------------------------------------------------

// Factor that maps the largest translation dmax to the "disp factor" f.
// Returns 0 when dmax is not a positive finite number (no translation at
// all, or a broken table): the displaced shape is then not drawn.
inline double DisplacementScale(double dispFactor, double dmax)
{
    if (!(dmax > 0.0) || !std::isfinite(dmax))
        return 0.0;
    const double scale = dispFactor / dmax;
    return std::isfinite(scale) ? scale : 0.0;
}

// Whether the magnification dispFactor / dmax is defined: dmax a positive
// finite number and the quotient finite. A "disp factor" of 0 is defined:
// the shape is then drawn where the structure stands.
inline bool DisplacementScaleDefined(double dispFactor, double dmax)
{
    return dmax > 0.0 && std::isfinite(dmax) && std::isfinite(dispFactor / dmax);
}

// ---- Member local axes --------------------------------------------------

// Local axes of a member from its start S, end E, reference point K and
// stored length Lm: axis 1 along the member, axis 3 normal to the plane of
// the member and K, axis 2 completing the right-handed set; each scaled to
// Lm / 3 (a negative stored length is taken as it stands). Returns false
// when the axes are not defined (the member is then drawn without them): a
// stored length of zero, or K on the member's line (the sine of the angle
// between the member and S->K below 1e-9).
inline bool MemberLocalAxes(const Vec3& s, const Vec3& e, const Vec3& k, double lm, Vec3 axes[3])
{
    if (lm == 0.0 || !std::isfinite(lm))
        return false;
    const Vec3 t1 = (e - s) / lm;
    const Vec3 w = k - s;
    const Vec3 c = Cross(t1, w);
    const double cn = Norm(c);
    const double reference = Norm(t1) * Norm(w);
    if (!(cn > 1e-9 * reference) || !std::isfinite(cn))
        return false;
    const Vec3 t3 = c / cn;
    const Vec3 t2 = Cross(t3, t1);
    const double size = lm / 3.0;
    axes[0] = size * t1;
    axes[1] = size * t2;
    axes[2] = size * t3;
    return IsFinite(axes[0]) && IsFinite(axes[1]) && IsFinite(axes[2]);
}

} // namespace glyph
