#include "solver/FixedEndForces.h"

#include <cmath>

namespace solver {

namespace {

// Three-point Gauss-Legendre rule on [lo, hi]: exact for the products of
// a linear load and a cubic shape function.
template <typename F>
void Gauss(double lo, double hi, F f)
{
    const double half = 0.5 * (hi - lo), mid = 0.5 * (hi + lo);
    const double g = std::sqrt(0.6);
    f(mid - g * half, half * 5.0 / 9.0);
    f(mid, half * 8.0 / 9.0);
    f(mid + g * half, half * 5.0 / 9.0);
}

} // namespace

FixedEndForces::FixedEndForces(const MemberStiffness& stiffness, const std::vector<LocalLoad>& loads)
    : m_forces(Fixed(stiffness.Size(), stiffness.Length(), loads))
{
    stiffness.CondenseLoad(m_forces, m_released);
}

LocalVector FixedEndForces::Fixed(int size, double L, const std::vector<LocalLoad>& loads)
{
    // p = integral of N' q: the equivalent nodal loads; the fixed-end
    // forces are -p.
    LocalVector p = LocalVector::Zero(size);
    const bool frame = size == 12;
    const int half = size / 2;
    auto add = [&](int axis, double x, double force) {
        const double s = x / L;
        // Along the axis, and every component of a truss bar: linear.
        if (!frame || axis == 0) {
            p(axis) += (1.0 - s) * force;
            p(half + axis) += s * force;
            return;
        }
        const double s2 = s * s, s3 = s2 * s;
        const double h1 = 1.0 - 3.0 * s2 + 2.0 * s3, h2 = L * (s - 2.0 * s2 + s3);
        const double h3 = 3.0 * s2 - 2.0 * s3, h4 = L * (s3 - s2);
        // Axis 2 bends about 3 (rotation = dv/dx); axis 3 bends about 2
        // (rotation = -dw/dx).
        const double sign = axis == 1 ? 1.0 : -1.0;
        const int rotation = axis == 1 ? 5 : 4;
        p(axis) += h1 * force;
        p(rotation) += sign * h2 * force;
        p(6 + axis) += h3 * force;
        p(6 + rotation) += sign * h4 * force;
    };
    for (const LocalLoad& l : loads) {
        if (l.concentrated) {
            add(l.axis, l.a, l.q1);
            continue;
        }
        if (!(l.b > l.a))
            continue;
        const double slope = (l.q2 - l.q1) / (l.b - l.a);
        Gauss(l.a, l.b, [&](double x, double w) { add(l.axis, x, w * (l.q1 + slope * (x - l.a))); });
    }
    return -p;
}

} // namespace solver
