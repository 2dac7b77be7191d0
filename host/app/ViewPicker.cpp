#include "ViewPicker.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "ViewCamera.h"
#include "view/Geometry.h"

void ViewPicker::Project(const ViewCamera& camera, int width, int height, const CdMatrix& nodes)
{
    const double aspect = height > 0 ? double(width) / height : double(width);
    double mv[16], pr[16], m[16];
    camera.ModelViewMatrix(mv);
    camera.ProjectionMatrix(aspect, pr);
    // m = projection x model-view (column-major).
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            double s = 0;
            for (int k = 0; k < 4; ++k)
                s += pr[k * 4 + r] * mv[c * 4 + k];
            m[c * 4 + r] = s;
        }
    const int n = nodes.GetRows();
    m_x.assign(size_t(n) + 1, 0.0);
    m_y.assign(size_t(n) + 1, 0.0);
    m_depth.assign(size_t(n) + 1, 0.0);
    m_shown.assign(size_t(n) + 1, 0);
    for (int i = 1; i <= n; ++i) {
        const double p[3] = {nodes(i, 1), nodes(i, 2), nodes(i, 3)};
        if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2]))
            continue;
        const double cx = m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12];
        const double cy = m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13];
        const double cz = m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14];
        const double cw = m[3] * p[0] + m[7] * p[1] + m[11] * p[2] + m[15];
        if (!(cw > 0.0))
            continue; // behind the eye
        m_x[size_t(i)] = (cx / cw + 1.0) * 0.5 * width;
        m_y[size_t(i)] = (1.0 - cy / cw) * 0.5 * height;
        m_depth[size_t(i)] = cz / cw;
        m_shown[size_t(i)] = 1;
    }
}

bool ViewPicker::Position(int n, double* x, double* y) const
{
    if (n < 1 || size_t(n) >= m_shown.size() || !m_shown[size_t(n)])
        return false;
    *x = m_x[size_t(n)];
    *y = m_y[size_t(n)];
    return true;
}

namespace {

// Squared distance from (px, py) to the segment (ax, ay)-(bx, by).
double SegmentDistance2(double px, double py, double ax, double ay, double bx, double by)
{
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = ax + t * dx - px, ey = ay + t * dy - py;
    return ex * ex + ey * ey;
}

} // namespace

ViewPicker::Hit ViewPicker::Pick(const CdMatrix& members, double x, double y) const
{
    Hit hit;
    double best = NodeTolerance * NodeTolerance;
    double bestDepth = std::numeric_limits<double>::infinity();
    for (size_t i = 1; i < m_shown.size(); ++i) {
        if (!m_shown[i])
            continue;
        const double dx = m_x[i] - x, dy = m_y[i] - y;
        const double d2 = dx * dx + dy * dy;
        // Within half a pixel of the nearest, the one in front wins.
        if (d2 < best - 0.25 || (d2 <= best + 0.25 && m_depth[i] < bestDepth)) {
            best = std::min(best, d2);
            bestDepth = m_depth[i];
            hit = {Node, int(i)};
        }
    }
    if (hit.kind == Node)
        return hit;

    best = MemberTolerance * MemberTolerance;
    const int count = members.GetRows();
    for (int k = 1; k <= count; ++k) {
        const int a = CGeometry::TruncateNumber(members(k, 1));
        const int b = CGeometry::TruncateNumber(members(k, 2));
        double ax, ay, bx, by;
        if (!Position(a, &ax, &ay) || !Position(b, &bx, &by))
            continue;
        const double d2 = SegmentDistance2(x, y, ax, ay, bx, by);
        if (d2 <= best) {
            best = d2;
            hit = {Member, k};
        }
    }
    return hit;
}

std::vector<int> ViewPicker::NodesInside(double x0, double y0, double x1, double y1) const
{
    const double left = std::min(x0, x1), right = std::max(x0, x1);
    const double top = std::min(y0, y1), bottom = std::max(y0, y1);
    std::vector<int> inside;
    for (size_t i = 1; i < m_shown.size(); ++i)
        if (m_shown[i] && m_x[i] >= left && m_x[i] <= right && m_y[i] >= top && m_y[i] <= bottom)
            inside.push_back(int(i));
    return inside;
}

std::vector<int> ViewPicker::MembersInside(const CdMatrix& members, double x0, double y0,
                                           double x1, double y1) const
{
    const double left = std::min(x0, x1), right = std::max(x0, x1);
    const double top = std::min(y0, y1), bottom = std::max(y0, y1);
    auto in = [&](int n) {
        double x, y;
        return Position(n, &x, &y) && x >= left && x <= right && y >= top && y <= bottom;
    };
    std::vector<int> inside;
    const int count = members.GetRows();
    for (int k = 1; k <= count; ++k)
        if (in(CGeometry::TruncateNumber(members(k, 1))) &&
            in(CGeometry::TruncateNumber(members(k, 2))))
            inside.push_back(k);
    return inside;
}
