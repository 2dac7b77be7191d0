// CGeometry: member load glyphs of the active load case, display list 31.
// A distributed load (uniform, linear, self weight) is a row of arrows
// along the loaded part of the member, each ending on the member and
// pointing in the load's sense, with a line joining their tails: the
// outline follows w1 .. w2. A concentrated load is one arrow at a. The
// values are written at the tails in the project's units. The largest
// intensity of each family (distributed, self weight, concentrated) is
// drawn at "load scale" x 0.15 x the mean member length.
#include "view/Geometry.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "view/GlyphMath.h"

namespace {

inline void Vertex(const glyph::Vec3& p) { glVertex3d(p.x, p.y, p.z); }

glyph::Vec3 Unit(const glyph::Vec3& v)
{
    const double n = glyph::Norm(v);
    return n > 0.0 ? v / n : glyph::Vec3{};
}

// Family of a kind for the scale: 0 distributed, 1 self weight, 2 point.
int Family(int kind) { return kind == 4 ? 1 : kind == 3 ? 2 : 0; }

} // namespace

void CGeometry::UpdateMemberLoad(CdMatrix loads)
{
    glDeleteLists(ListMemberLoads, 1);
    const CMemberLoadOptions& o = m_memberLoadOptions;
    if (o.m_memberLoadShow != 1 || loads.GetRows() < 1 || loads.GetCols() < 7)
        return;

    // Members' ends; the mean length sets the glyph size.
    const int members = m_memberTable.GetRows();
    double total = 0.0;
    int counted = 0;
    auto ends = [&](int m, glyph::Vec3& p1, glyph::Vec3& p2) {
        const int a = TruncateNumber(m_memberTable(m, 1));
        const int b = TruncateNumber(m_memberTable(m, 2));
        p1 = {NodeCoordinate(a, 1), NodeCoordinate(a, 2), NodeCoordinate(a, 3)};
        p2 = {NodeCoordinate(b, 1), NodeCoordinate(b, 2), NodeCoordinate(b, 3)};
        return glyph::IsFinite(p1) && glyph::IsFinite(p2) && glyph::Norm(p2 - p1) > 0.0;
    };
    for (int m = 1; m <= members; ++m) {
        glyph::Vec3 p1, p2;
        if (ends(m, p1, p2)) {
            total += glyph::Norm(p2 - p1);
            ++counted;
        }
    }
    if (counted == 0)
        return;
    const double height = m_loadOptions.m_loadScale * 0.15 * total / counted;
    if (!(height > 0.0) || !std::isfinite(height))
        return;

    double largest[3] = {0.0, 0.0, 0.0};
    for (int i = 1; i <= loads.GetRows(); ++i) {
        const int kind = TruncateNumber(loads(i, 2));
        const double w = std::max(std::fabs(loads(i, 6)), kind == 2 ? std::fabs(loads(i, 7)) : 0.0);
        if (kind >= 1 && kind <= 4 && std::isfinite(w))
            largest[Family(kind)] = std::max(largest[Family(kind)], w);
    }

    const double length = GetLengthFactor();
    const double force = GetForceFactor();
    const bool labels = m_loadOptions.m_loadNumberShow == 1;

    glNewList(ListMemberLoads, GL_COMPILE);
    glColor3d(o.m_memberLoadRed / 255.0, o.m_memberLoadGreen / 255.0, o.m_memberLoadBlue / 255.0);
    for (int i = 1; i <= loads.GetRows(); ++i) {
        const int m = TruncateNumber(loads(i, 1));
        const int kind = TruncateNumber(loads(i, 2));
        const int direction = TruncateNumber(loads(i, 3));
        glyph::Vec3 p1, p2;
        if (m < 1 || m > members || kind < 1 || kind > 4 || direction < 1 || direction > 6 || !ends(m, p1, p2))
            continue;
        const double l = glyph::Norm(p2 - p1);
        const glyph::Vec3 e1 = (p2 - p1) / l;
        glyph::Vec3 d;
        if (direction >= 4) {
            d = {direction == 4 ? 1.0 : 0.0, direction == 5 ? 1.0 : 0.0, direction == 6 ? 1.0 : 0.0};
        } else if (direction == 1) {
            d = e1;
        } else {
            const glyph::Vec3 k{m_memberTable(m, 4), m_memberTable(m, 5), m_memberTable(m, 6)};
            glyph::Vec3 axes[3];
            if (!glyph::MemberLocalAxes(p1, p2, k, l, axes))
                continue;
            d = Unit(axes[direction - 1]);
        }
        const double family = largest[Family(kind)];
        if (!(family > 0.0))
            continue;
        // A side vector for the arrowheads, across the arrow.
        glyph::Vec3 side = glyph::Cross(d, e1);
        if (glyph::Norm(side) < 1e-6)
            side = glyph::Cross(d, std::fabs(d.z) < 0.9 ? glyph::Vec3{0, 0, 1} : glyph::Vec3{1, 0, 0});
        side = glyph::Cross(side, d);
        side = Unit(side);
        const double head = 0.15 * height;

        // One arrow ending at x on the member; returns its tail.
        auto arrow = [&](double x, double w) {
            const glyph::Vec3 tip = p1 + x * e1;
            const glyph::Vec3 tail = tip - (height * w / family) * d;
            const glyph::Vec3 back = (w > 0 ? -head : head) * d;
            glBegin(GL_LINES);
            Vertex(tail);
            Vertex(tip);
            Vertex(tip);
            Vertex(tip + back + (0.5 * head) * side);
            Vertex(tip);
            Vertex(tip + back - (0.5 * head) * side);
            glEnd();
            return tail;
        };

        glPassThrough(static_cast<GLfloat>(i)); // marks the row of each glyph
        const double w1 = loads(i, 6);
        if (kind == 3) {
            const double a = loads(i, 4);
            if (w1 == 0.0 || !std::isfinite(w1) || !std::isfinite(a))
                continue;
            const glyph::Vec3 tail = arrow(a, w1);
            if (labels)
                RenderString(tail.x, tail.y, tail.z, glyph::LoadLabel(w1, force));
            continue;
        }
        double x0 = 0.0, x1 = l, w2 = w1;
        if (kind == 2) {
            x0 = loads(i, 4);
            x1 = loads(i, 5);
            w2 = loads(i, 7);
        }
        if (!std::isfinite(x0) || !std::isfinite(x1) || !std::isfinite(w2) || !std::isfinite(w1) || !(x1 > x0) ||
            (w1 == 0.0 && w2 == 0.0))
            continue;
        const int arrows = std::max(2, static_cast<int>(std::lround(10.0 * (x1 - x0) / l)) + 1);
        glyph::Vec3 first, last;
        for (int n = 0; n < arrows; ++n) {
            const double t = static_cast<double>(n) / (arrows - 1);
            const double w = w1 + (w2 - w1) * t;
            const glyph::Vec3 tip = p1 + (x0 + (x1 - x0) * t) * e1;
            const glyph::Vec3 tail = w != 0.0 ? arrow(x0 + (x1 - x0) * t, w) : tip;
            glPassThrough(static_cast<GLfloat>(i)); // keeps the arrows apart in feedback
            if (n == 0)
                first = tail;
            if (n == arrows - 1)
                last = tail;
        }
        // The outline through the tails.
        glBegin(GL_LINES);
        Vertex(first);
        Vertex(last);
        glEnd();
        if (labels) {
            const double factor = kind == 4 ? force / (length * length * length) : force / length;
            RenderString(first.x, first.y, first.z, glyph::LoadLabel(w1, factor));
            if (kind == 2 && w2 != w1)
                RenderString(last.x, last.y, last.z, glyph::LoadLabel(w2, factor));
        }
    }
    glEndList();
}
