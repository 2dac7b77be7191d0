// The member matrices on their own: closed-form entries, rigid-body modes,
// static condensation of releases and the rotation to global axes.
#include <gtest/gtest.h>

#include "solver/MemberStiffness.h"

using solver::LocalMatrix;
using solver::LocalVector;
using solver::MemberStiffness;
using solver::Model;
using solver::Section;

namespace {

const Section kSection{2.1e10, 0.012, 8.1e9, 3.0e-6, 2.0e-5, 7.0e-5};
const double kL = 4.5;

std::array<bool, 12> AllConnected()
{
    std::array<bool, 12> c;
    c.fill(true);
    return c;
}

double Rel(double a, double b)
{
    return std::abs(a - b) / std::max(std::abs(b), 1e-300);
}

} // namespace

TEST(MemberStiffnessTest, FrameEntriesMatchTheBeamFormulas)
{
    const LocalMatrix k = MemberStiffness::LocalFrame(kSection, kL);
    const double E = kSection.E, L = kL;
    EXPECT_DOUBLE_EQ(k(0, 0), E * kSection.A / L);
    EXPECT_DOUBLE_EQ(k(0, 6), -E * kSection.A / L);
    EXPECT_DOUBLE_EQ(k(3, 3), kSection.G * kSection.J / L);
    // 1-2 plane bends about axis 3 with I3, 1-3 plane about axis 2 with I2.
    EXPECT_DOUBLE_EQ(k(1, 1), 12 * E * kSection.I3 / (L * L * L));
    EXPECT_DOUBLE_EQ(k(1, 5), 6 * E * kSection.I3 / (L * L));
    EXPECT_DOUBLE_EQ(k(5, 11), 2 * E * kSection.I3 / L);
    EXPECT_DOUBLE_EQ(k(2, 2), 12 * E * kSection.I2 / (L * L * L));
    EXPECT_DOUBLE_EQ(k(2, 4), -6 * E * kSection.I2 / (L * L));
    EXPECT_DOUBLE_EQ(k(4, 4), 4 * E * kSection.I2 / L);
    EXPECT_TRUE(k.isApprox(k.transpose(), 0.0));
}

TEST(MemberStiffnessTest, RigidBodyMotionsCostNoForce)
{
    const LocalMatrix k = MemberStiffness::LocalFrame(kSection, kL);
    const double scale = k.cwiseAbs().maxCoeff();
    LocalVector u = LocalVector::Zero(12);
    // Rotation about axis 3: v = x * theta.
    u(5) = u(11) = 1e-3;
    u(7) = kL * 1e-3;
    EXPECT_LT((k * u).cwiseAbs().maxCoeff(), 1e-12 * scale);
    // Rotation about axis 2: w = -x * theta.
    u.setZero();
    u(4) = u(10) = 1e-3;
    u(8) = -kL * 1e-3;
    EXPECT_LT((k * u).cwiseAbs().maxCoeff(), 1e-12 * scale);
    // Translation along every axis at once.
    u.setZero();
    u(0) = u(6) = 1;
    u(1) = u(7) = 2;
    u(2) = u(8) = 3;
    EXPECT_LT((k * u).cwiseAbs().maxCoeff(), 1e-12 * scale);
}

TEST(MemberStiffnessTest, ReleasedEndRotationGivesProppedCantilever)
{
    std::array<bool, 12> c = AllConnected();
    c[11] = false; // rotation about 3 at the end
    const LocalMatrix k = MemberStiffness::LocalFrame(kSection, kL);
    LocalMatrix kc, recovery;
    MemberStiffness::Condense(k, c, kc, recovery);
    const double EI = kSection.E * kSection.I3;
    EXPECT_LT(Rel(kc(7, 7), 3 * EI / (kL * kL * kL)), 1e-12);
    EXPECT_LT(Rel(kc(5, 5), 3 * EI / kL), 1e-12);
    EXPECT_EQ(kc.row(11).cwiseAbs().maxCoeff(), 0.0);
    EXPECT_EQ(kc.col(11).cwiseAbs().maxCoeff(), 0.0);
    // The 1-3 plane and the axial terms are untouched.
    EXPECT_EQ(kc(2, 2), k(2, 2));
    EXPECT_EQ(kc(0, 6), k(0, 6));
    // With the start held, the hinge turns by 1.5 v / L.
    EXPECT_LT(Rel(recovery(11, 7), 1.5 / kL), 1e-12);
    EXPECT_EQ(recovery(7, 7), 1.0);
}

TEST(MemberStiffnessTest, ReleasesWithoutStiffnessCondenseToNothing)
{
    // Torsion released at both ends: no torsion stiffness left, nothing else lost.
    std::array<bool, 12> c = AllConnected();
    c[3] = c[9] = false;
    LocalMatrix kc, recovery;
    MemberStiffness::Condense(MemberStiffness::LocalFrame(kSection, kL), c, kc, recovery);
    EXPECT_TRUE(kc.allFinite());
    EXPECT_EQ(kc(3, 3), 0.0);
    EXPECT_EQ(kc(9, 9), 0.0);
    EXPECT_LT(Rel(kc(1, 1), 12 * kSection.E * kSection.I3 / (kL * kL * kL)), 1e-12);
    EXPECT_TRUE(recovery.allFinite());

    // A bar with its axial translation released at both ends carries nothing.
    MemberStiffness bar(Model::Type::Truss3D, kL, Eigen::Matrix3d::Identity(), kSection,
                        [] {
                            std::array<bool, 12> r;
                            r.fill(true);
                            r[0] = r[6] = false;
                            return r;
                        }());
    EXPECT_TRUE(bar.LocalStiffness().allFinite());
    EXPECT_EQ(bar.LocalStiffness().cwiseAbs().maxCoeff(), 0.0);
}

TEST(MemberStiffnessTest, TrussUsesTranslationCodesOnly)
{
    // Released rotations (codes 4..6, 10..12) mean nothing to a bar, and the
    // transverse codes have no stiffness to condense.
    std::array<bool, 12> c = AllConnected();
    c[1] = c[2] = c[4] = c[5] = c[7] = c[8] = c[10] = c[11] = false;
    MemberStiffness bar(Model::Type::Truss3D, kL, Eigen::Matrix3d::Identity(), kSection, c);
    ASSERT_EQ(bar.Size(), 6);
    const double ea = kSection.E * kSection.A / kL;
    EXPECT_LT(Rel(bar.LocalStiffness()(0, 0), ea), 1e-12);
    EXPECT_LT(Rel(bar.LocalStiffness()(0, 3), -ea), 1e-12);
    EXPECT_EQ(bar.LocalStiffness()(1, 1), 0.0);
}

TEST(MemberStiffnessTest, GlobalStiffnessIsRotatedLocalStiffness)
{
    // Axes of a skew member: rows are orthonormal local axes.
    Eigen::Matrix3d r;
    const Eigen::Vector3d e1 = Eigen::Vector3d(1, 2, 2) / 3.0;
    const Eigen::Vector3d e3 = e1.cross(Eigen::Vector3d(0, 0, 1)).normalized();
    r.row(0) = e1;
    r.row(1) = e3.cross(e1);
    r.row(2) = e3;
    MemberStiffness m(Model::Type::Frame3D, kL, r, kSection, AllConnected());
    const LocalMatrix g = m.GlobalStiffness();
    EXPECT_TRUE(g.isApprox(g.transpose(), 1e-14));
    // A rigid translation along any global direction costs nothing.
    LocalVector u = LocalVector::Zero(12);
    u.segment<3>(0) = u.segment<3>(6) = Eigen::Vector3d(0.3, -0.7, 1.1);
    EXPECT_LT((g * u).cwiseAbs().maxCoeff(), 1e-12 * g.cwiseAbs().maxCoeff());
    // Forces from global displacements: k (T u), and back: T' k T u = g u.
    u.setRandom();
    const LocalVector f = m.EndForces(u);
    EXPECT_TRUE(m.ToGlobal(f).isApprox(g * u, 1e-12));
    EXPECT_TRUE(m.ToLocal(m.ToGlobal(f)).isApprox(f, 1e-14));
}
