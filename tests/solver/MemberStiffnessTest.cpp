// Condensation of end releases on the member matrix: what is released
// carries nothing, everything else keeps its stiffness, nothing turns NaN.
#include <gtest/gtest.h>

#include "solver/MemberStiffness.h"

using solver::LocalMatrix;
using solver::MemberStiffness;

namespace {

const solver::Section S{2.1e10, 0.012, 8.1e9, 3.0e-6, 2.0e-5, 7.0e-5};
const double L = 4.5;

std::array<bool, 12> Connected(std::initializer_list<int> released)
{
    std::array<bool, 12> c;
    c.fill(true);
    for (int i : released)
        c[static_cast<size_t>(i)] = false;
    return c;
}

} // namespace

TEST(MemberStiffnessTest, ReleasesCondenseTheMatrix)
{
    const LocalMatrix k = MemberStiffness::LocalFrame(S, L);
    LocalMatrix kc, recovery;
    // Torsion released at both ends: no torsion stiffness left, nothing else lost.
    MemberStiffness::Condense(k, Connected({3, 9}), kc, recovery);
    EXPECT_TRUE(kc.allFinite() && recovery.allFinite());
    EXPECT_EQ(kc(3, 3), 0.0);
    EXPECT_EQ(kc(9, 9), 0.0);
    EXPECT_NEAR(kc(1, 1), 12 * S.E * S.I3 / (L * L * L), 1e-12 * kc(1, 1));

    // A bar with its axial translation released at both ends carries nothing.
    const MemberStiffness loose(solver::Model::Type::Truss3D, L, Eigen::Matrix3d::Identity(), S,
                                Connected({0, 6}));
    EXPECT_TRUE(loose.LocalStiffness().allFinite());
    EXPECT_EQ(loose.LocalStiffness().cwiseAbs().maxCoeff(), 0.0);
}
