// The member matrices on their own: beam-formula entries, rigid-body modes,
// condensation of releases and the rotation to global axes.
#include <gtest/gtest.h>

#include "solver/MemberStiffness.h"

using solver::LocalMatrix;
using solver::LocalVector;
using solver::MemberStiffness;
using solver::Model;

namespace {

const solver::Section S{2.1e10, 0.012, 8.1e9, 3.0e-6, 2.0e-5, 7.0e-5};
const double L = 4.5;

std::array<bool, 12> Connected(std::initializer_list<int> released = {})
{
    std::array<bool, 12> c;
    c.fill(true);
    for (int i : released)
        c[static_cast<size_t>(i)] = false;
    return c;
}

#define EXPECT_REL12(a, b) EXPECT_NEAR((a), (b), 1e-12 * std::abs(b)) << #a

} // namespace

TEST(MemberStiffnessTest, FrameEntriesAndRigidBodyModes)
{
    const LocalMatrix k = MemberStiffness::LocalFrame(S, L);
    EXPECT_DOUBLE_EQ(k(0, 0), S.E * S.A / L);
    EXPECT_DOUBLE_EQ(k(0, 6), -S.E * S.A / L);
    EXPECT_DOUBLE_EQ(k(3, 3), S.G * S.J / L);
    // 1-2 plane bends about axis 3 with I3, 1-3 plane about axis 2 with I2.
    EXPECT_DOUBLE_EQ(k(1, 1), 12 * S.E * S.I3 / (L * L * L));
    EXPECT_DOUBLE_EQ(k(1, 5), 6 * S.E * S.I3 / (L * L));
    EXPECT_DOUBLE_EQ(k(5, 11), 2 * S.E * S.I3 / L);
    EXPECT_DOUBLE_EQ(k(2, 2), 12 * S.E * S.I2 / (L * L * L));
    EXPECT_DOUBLE_EQ(k(2, 4), -6 * S.E * S.I2 / (L * L));
    EXPECT_DOUBLE_EQ(k(4, 4), 4 * S.E * S.I2 / L);
    EXPECT_TRUE(k.isApprox(k.transpose(), 0.0));
    // Rotation about 3 (v = x theta), about 2 (w = -x theta), any translation.
    const double t = 1e-3;
    for (std::vector<std::pair<int, double>> mode :
         {std::vector<std::pair<int, double>>{{5, t}, {11, t}, {7, L * t}},
          {{4, t}, {10, t}, {8, -L * t}},
          {{0, 1}, {6, 1}, {1, 2}, {7, 2}, {2, 3}, {8, 3}}}) {
        LocalVector u = LocalVector::Zero(12);
        for (auto [i, v] : mode)
            u(i) = v;
        EXPECT_LT((k * u).cwiseAbs().maxCoeff(), 1e-12 * k.cwiseAbs().maxCoeff());
    }
}

TEST(MemberStiffnessTest, ReleasesCondenseTheMatrix)
{
    const LocalMatrix k = MemberStiffness::LocalFrame(S, L);
    LocalMatrix kc, recovery;
    // Rotation about 3 released at the end: a propped cantilever in plane 1-2.
    MemberStiffness::Condense(k, Connected({11}), kc, recovery);
    EXPECT_REL12(kc(7, 7), 3 * S.E * S.I3 / (L * L * L));
    EXPECT_REL12(kc(5, 5), 3 * S.E * S.I3 / L);
    EXPECT_EQ(kc.row(11).cwiseAbs().maxCoeff(), 0.0);
    EXPECT_EQ(kc.col(11).cwiseAbs().maxCoeff(), 0.0);
    EXPECT_EQ(kc(2, 2), k(2, 2));
    EXPECT_EQ(kc(0, 6), k(0, 6));
    EXPECT_REL12(recovery(11, 7), 1.5 / L); // the hinge turns by 1.5 v / L
    EXPECT_EQ(recovery(7, 7), 1.0);

    // Torsion released at both ends: no torsion stiffness left, nothing else lost.
    MemberStiffness::Condense(k, Connected({3, 9}), kc, recovery);
    EXPECT_TRUE(kc.allFinite() && recovery.allFinite());
    EXPECT_EQ(kc(3, 3), 0.0);
    EXPECT_EQ(kc(9, 9), 0.0);
    EXPECT_REL12(kc(1, 1), 12 * S.E * S.I3 / (L * L * L));
}

TEST(MemberStiffnessTest, TrussUsesTranslationCodesOnly)
{
    // Rotation and transverse codes mean nothing to a bar.
    const MemberStiffness bar(Model::Type::Truss3D, L, Eigen::Matrix3d::Identity(), S,
                              Connected({1, 2, 4, 5, 7, 8, 10, 11}));
    ASSERT_EQ(bar.Size(), 6);
    EXPECT_REL12(bar.LocalStiffness()(0, 0), S.E * S.A / L);
    EXPECT_REL12(bar.LocalStiffness()(0, 3), -S.E * S.A / L);
    EXPECT_EQ(bar.LocalStiffness()(1, 1), 0.0);
    // Axial translation released at both ends: the bar carries nothing.
    const MemberStiffness loose(Model::Type::Truss3D, L, Eigen::Matrix3d::Identity(), S,
                                Connected({0, 6}));
    EXPECT_TRUE(loose.LocalStiffness().allFinite());
    EXPECT_EQ(loose.LocalStiffness().cwiseAbs().maxCoeff(), 0.0);
}

TEST(MemberStiffnessTest, GlobalStiffnessIsRotatedLocalStiffness)
{
    const Eigen::Vector3d e1 = Eigen::Vector3d(1, 2, 2) / 3.0;
    const Eigen::Vector3d e3 = e1.cross(Eigen::Vector3d(0, 0, 1)).normalized();
    Eigen::Matrix3d r;
    r << e1.transpose(), e3.cross(e1).transpose(), e3.transpose();
    const MemberStiffness m(Model::Type::Frame3D, L, r, S, Connected());
    const LocalMatrix g = m.GlobalStiffness();
    EXPECT_TRUE(g.isApprox(g.transpose(), 1e-14));
    LocalVector u = LocalVector::Zero(12);
    u.segment<3>(0) = u.segment<3>(6) = Eigen::Vector3d(0.3, -0.7, 1.1);
    EXPECT_LT((g * u).cwiseAbs().maxCoeff(), 1e-12 * g.cwiseAbs().maxCoeff());
    // k (T u) back to global: T' k T u = g u.
    u.setRandom();
    const LocalVector f = m.EndForces(u);
    EXPECT_TRUE(m.ToGlobal(f).isApprox(g * u, 1e-12));
    EXPECT_TRUE(m.ToLocal(m.ToGlobal(f)).isApprox(f, 1e-14));
}
