#include "solver/MemberStiffness.h"

#include <cmath>

#include <Eigen/Eigenvalues>

namespace solver {

namespace {
// Codes of the release table that the six truss end degrees of freedom use.
constexpr int kTrussCode[6] = {0, 1, 2, 6, 7, 8};
} // namespace

MemberStiffness::MemberStiffness(Model::Type type, double length, const Eigen::Matrix3d& axes,
                                 const Section& section, const std::array<bool, 12>& connected)
    : m_size(type == Model::Type::Frame3D ? 12 : 6), m_length(length), m_axes(axes),
      m_section(section)
{
    std::array<bool, 12> local;
    local.fill(true);
    if (m_size == 12) {
        local = connected;
    } else {
        for (int i = 0; i < 6; ++i)
            local[i] = connected[kTrussCode[i]];
    }
    for (int i = 0; i < m_size; ++i)
        if (!local[i])
            m_released = true;

    const LocalMatrix k = m_size == 12 ? LocalFrame(section, length)
                                       : LocalTruss(section.E, section.A, length);
    m_local = local;
    if (m_released)
        Condense(k, local, m_k, m_recovery);
    else
        m_k = k;
}

LocalMatrix MemberStiffness::LocalFrame(const Section& s, double L)
{
    LocalMatrix k = LocalMatrix::Zero(12, 12);
    const double L2 = L * L;
    const double L3 = L2 * L;
    const double ea = s.E * s.A / L;
    const double gj = s.G * s.J / L;
    // Axial and torsion.
    k(0, 0) = k(6, 6) = ea;
    k(0, 6) = -ea;
    k(3, 3) = k(9, 9) = gj;
    k(3, 9) = -gj;
    // Bending in the 1-2 plane: deflection along axis 2, rotation about 3 (I3).
    const double a3 = 12.0 * s.E * s.I3 / L3, b3 = 6.0 * s.E * s.I3 / L2;
    const double c3 = 4.0 * s.E * s.I3 / L, d3 = 2.0 * s.E * s.I3 / L;
    k(1, 1) = a3;  k(1, 5) = b3;   k(1, 7) = -a3; k(1, 11) = b3;
    k(5, 5) = c3;  k(5, 7) = -b3;  k(5, 11) = d3;
    k(7, 7) = a3;  k(7, 11) = -b3;
    k(11, 11) = c3;
    // Bending in the 1-3 plane: deflection along axis 3, rotation about 2 (I2).
    const double a2 = 12.0 * s.E * s.I2 / L3, b2 = 6.0 * s.E * s.I2 / L2;
    const double c2 = 4.0 * s.E * s.I2 / L, d2 = 2.0 * s.E * s.I2 / L;
    k(2, 2) = a2;  k(2, 4) = -b2;  k(2, 8) = -a2; k(2, 10) = -b2;
    k(4, 4) = c2;  k(4, 8) = b2;   k(4, 10) = d2;
    k(8, 8) = a2;  k(8, 10) = b2;
    k(10, 10) = c2;
    for (int i = 0; i < 12; ++i)
        for (int j = i + 1; j < 12; ++j)
            k(j, i) = k(i, j);
    return k;
}

LocalMatrix MemberStiffness::LocalTruss(double E, double A, double L)
{
    LocalMatrix k = LocalMatrix::Zero(6, 6);
    const double ea = E * A / L;
    k(0, 0) = k(3, 3) = ea;
    k(0, 3) = k(3, 0) = -ea;
    return k;
}

void MemberStiffness::Condense(const LocalMatrix& k, const std::array<bool, 12>& connected,
                               LocalMatrix& kc, LocalMatrix& recovery)
{
    const int n = static_cast<int>(k.rows());
    int c[12], r[12];
    int nc = 0, nr = 0;
    for (int i = 0; i < n; ++i) {
        if (connected[i])
            c[nc++] = i;
        else
            r[nr++] = i;
    }
    kc = LocalMatrix::Zero(n, n);
    recovery = LocalMatrix::Zero(n, n);
    for (int i = 0; i < nc; ++i)
        recovery(c[i], c[i]) = 1.0;
    if (nc == 0)
        return; // everything released: the member carries nothing

    LocalMatrix krr(nr, nr), krc(nr, nc);
    for (int i = 0; i < nr; ++i) {
        for (int j = 0; j < nr; ++j)
            krr(i, j) = k(r[i], r[j]);
        for (int j = 0; j < nc; ++j)
            krc(i, j) = k(r[i], c[j]);
    }
    const LocalMatrix pinv = ScaledPseudoInverse(krr);
    const LocalMatrix x = pinv * krc; // u_r = -x u_c

    for (int i = 0; i < nc; ++i) {
        for (int j = 0; j < nc; ++j) {
            double s = k(c[i], c[j]);
            for (int m = 0; m < nr; ++m)
                s -= k(c[i], r[m]) * x(m, j);
            kc(c[i], c[j]) = s;
        }
    }
    // Keep the condensed matrix exactly symmetric.
    for (int i = 0; i < nc; ++i)
        for (int j = i + 1; j < nc; ++j) {
            const double s = 0.5 * (kc(c[i], c[j]) + kc(c[j], c[i]));
            kc(c[i], c[j]) = kc(c[j], c[i]) = s;
        }
    for (int i = 0; i < nr; ++i)
        for (int j = 0; j < nc; ++j)
            recovery(r[i], c[j]) = -x(i, j);
}

LocalMatrix MemberStiffness::ScaledPseudoInverse(const LocalMatrix& krr)
{
    // Pseudo-inverse of Krr after scaling its diagonal to 1, so the cut-off
    // does not depend on the units or on EA/L against EI/L^3.
    const Eigen::Index nr = krr.rows();
    LocalVector scale(nr);
    for (Eigen::Index i = 0; i < nr; ++i)
        scale(i) = krr(i, i) > 0.0 ? 1.0 / std::sqrt(krr(i, i)) : 1.0;
    const LocalMatrix scaled = scale.asDiagonal() * krr * scale.asDiagonal();
    Eigen::SelfAdjointEigenSolver<LocalMatrix> eigen(scaled);
    const LocalVector& lambda = eigen.eigenvalues();
    const LocalMatrix& v = eigen.eigenvectors();
    LocalVector inv(nr);
    for (Eigen::Index i = 0; i < nr; ++i)
        inv(i) = lambda(i) > 1e-10 ? 1.0 / lambda(i) : 0.0;
    return scale.asDiagonal() * (v * inv.asDiagonal() * v.transpose()) * scale.asDiagonal();
}

void MemberStiffness::CondenseLoad(LocalVector& forces, LocalVector& released) const
{
    released = LocalVector::Zero(m_size);
    if (!m_released)
        return;
    const LocalMatrix k = m_size == 12 ? LocalFrame(m_section, m_length)
                                       : LocalTruss(m_section.E, m_section.A, m_length);
    int c[12], r[12];
    int nc = 0, nr = 0;
    for (int i = 0; i < m_size; ++i) {
        if (m_local[i])
            c[nc++] = i;
        else
            r[nr++] = i;
    }
    LocalMatrix krr(nr, nr);
    LocalVector rr(nr);
    for (int i = 0; i < nr; ++i) {
        rr(i) = forces(r[i]);
        for (int j = 0; j < nr; ++j)
            krr(i, j) = k(r[i], r[j]);
    }
    const LocalVector ur = nc > 0 ? LocalVector(-(ScaledPseudoInverse(krr) * rr))
                                  : LocalVector(LocalVector::Zero(nr));
    for (int i = 0; i < nr; ++i) {
        released(r[i]) = ur(i);
        forces(r[i]) = 0.0;
    }
    for (int i = 0; i < nc; ++i)
        for (int j = 0; j < nr; ++j)
            forces(c[i]) += k(c[i], r[j]) * ur(j);
}

LocalVector MemberStiffness::ToLocal(const LocalVector& g) const
{
    LocalVector l(m_size);
    for (int b = 0; b < m_size; b += 3)
        l.segment<3>(b) = m_axes * g.segment<3>(b);
    return l;
}

LocalVector MemberStiffness::ToGlobal(const LocalVector& l) const
{
    LocalVector g(m_size);
    for (int b = 0; b < m_size; b += 3)
        g.segment<3>(b) = m_axes.transpose() * l.segment<3>(b);
    return g;
}

LocalMatrix MemberStiffness::GlobalStiffness() const
{
    // T' k T block by block: each 3 x 3 block becomes R' k_ab R.
    LocalMatrix g(m_size, m_size);
    for (int a = 0; a < m_size; a += 3)
        for (int b = 0; b < m_size; b += 3)
            g.block<3, 3>(a, b) = m_axes.transpose() * m_k.block<3, 3>(a, b) * m_axes;
    return g;
}

LocalVector MemberStiffness::EndDisplacements(const LocalVector& nodeDisplacements) const
{
    const LocalVector l = ToLocal(nodeDisplacements);
    return m_released ? LocalVector(m_recovery * l) : l;
}

LocalVector MemberStiffness::EndForces(const LocalVector& nodeDisplacements) const
{
    return m_k * ToLocal(nodeDisplacements);
}

} // namespace solver
