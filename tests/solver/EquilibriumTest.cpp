// A random 3D frame (skew members, random sections, releases, reference
// points): reactions balance the loads, every member balances, and at every
// node the member end forces add up to the node force.
#include <random>

#include <gtest/gtest.h>

#include "ModelBuilder.h"

using namespace solvertest;

namespace {

solver::Model RandomFrame(unsigned seed, std::vector<Eigen::Vector3d>& xyz)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> coord(-6.0, 6.0), unit(0.5, 2.0), load(-5000, 5000);
    ModelBuilder b;
    const int nodes = 40;
    for (int i = 1; i <= nodes; ++i) {
        xyz.emplace_back(coord(rng), coord(rng), coord(rng));
        // Four fixed supports, two pinned; the rest free.
        b.Node(xyz.back().x(), xyz.back().y(), xyz.back().z(),
               i <= 4 ? ModelBuilder::Fixed : (i <= 6 ? ModelBuilder::Pinned : ModelBuilder::Free));
    }
    for (int g = 0; g < 3; ++g)
        b.Property(2.1e10 * unit(rng), 0.01 * unit(rng), 8e9 * unit(rng), 1e-5 * unit(rng),
                   5e-5 * unit(rng), 8e-5 * unit(rng));
    b.Release({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0});
    b.Release({1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1});
    auto member = [&](int s, int e, int release) {
        const Eigen::Vector3d k = xyz[s - 1] + Eigen::Vector3d(coord(rng), coord(rng), coord(rng));
        b.Member(s, e, k.x(), k.y(), k.z(), 1 + static_cast<int>(rng() % 3), release);
    };
    // A connected rigid tree, then extra members, some hinged.
    for (int i = 2; i <= nodes; ++i)
        member(static_cast<int>(1 + rng() % (i - 1)), i, 0);
    for (int k = 0; k < 40; ++k) {
        const int s = static_cast<int>(1 + rng() % nodes), e = static_cast<int>(1 + rng() % nodes);
        if (s != e)
            member(s, e, k % 5 == 0 ? 1 : (k % 7 == 0 ? 2 : 0));
    }
    for (int c = 1; c <= 3; ++c)
        for (int i = 7; i <= nodes; ++i)
            for (int d = 1; d <= 6; ++d)
                if (rng() % 3 == 0)
                    b.Load(c, i, d, d <= 3 ? load(rng) : 0.3 * load(rng));
    return b.Build();
}

Eigen::Vector3d Row3(const CdMatrix& t, int i, int first)
{
    return {t(i, first), t(i, first + 1), t(i, first + 2)};
}

} // namespace

TEST(EquilibriumTest, RandomFrameBalancesGloballyPerMemberAndAtEveryNode)
{
    std::vector<Eigen::Vector3d> xyz;
    const solver::Model model = RandomFrame(20261206, xyz);
    solver::SolverStatus status;
    const solver::ResultStore r = Solve(model, &status);
    EXPECT_EQ(status.GetEquationCount(), 6 * 34 + 2 * 3);
    ASSERT_EQ(r.cases.size(), 3u);

    const int nodes = model.NodeCount();
    for (size_t c = 0; c < r.cases.size(); ++c) {
        SCOPED_TRACE("case " + std::to_string(c + 1));
        const solver::CaseResult& res = r.cases[c];
        const CdMatrix& applied = model.loadCases[c];
        double scale = 0.0;
        for (int i = 1; i <= nodes; ++i)
            for (int d = 1; d <= 6; ++d)
                scale = std::max(scale, std::abs(applied(i, d)));
        const double tol = 1e-9 * scale * 20.0; // 20 m: the model's size

        // Node forces (loads and reactions) sum to zero in force and moment;
        // a free node shows exactly its load.
        Eigen::Vector3d force = Eigen::Vector3d::Zero(), moment = Eigen::Vector3d::Zero();
        for (int i = 1; i <= nodes; ++i) {
            force += Row3(res.nodeForces, i, 1);
            moment += xyz[i - 1].cross(Row3(res.nodeForces, i, 1)) + Row3(res.nodeForces, i, 4);
            for (int d = 1; i > 6 && d <= 6; ++d)
                EXPECT_EQ(res.nodeForces(i, d), applied(i, d));
        }
        EXPECT_LT(force.norm(), tol);
        EXPECT_LT(moment.norm(), tol * 10);

        std::vector<Eigen::Matrix<double, 6, 1>> sum(nodes, Eigen::Matrix<double, 6, 1>::Zero());
        for (int m = 1; m <= model.MemberCount(); ++m) {
            Eigen::Matrix3d R;
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j)
                    R(i, j) = r.axes[m - 1](i + 1, j + 1);
            EXPECT_LT((R * R.transpose() - Eigen::Matrix3d::Identity()).norm(), 1e-12);
            // Forces on the start end (sign flipped) and on the end.
            const Eigen::Vector3d fs = -Row3(res.memberForces, m, 1), ms = -Row3(res.memberForces, m, 4);
            const Eigen::Vector3d fe = Row3(res.memberForces, m, 7), me = Row3(res.memberForces, m, 10);
            const int sNode = static_cast<int>(model.members(m, 1));
            const int eNode = static_cast<int>(model.members(m, 2));
            const double L = (xyz[eNode - 1] - xyz[sNode - 1]).norm();
            EXPECT_LT((fs + fe).norm(), tol);
            EXPECT_LT((ms + me + Eigen::Vector3d(L, 0, 0).cross(fe)).norm(), tol * 10);
            // A member end displacement equals its node's unless released.
            if (model.members(m, 8) == 0.0) {
                const Eigen::Vector3d u = Row3(res.nodeDisplacements, eNode, 1);
                for (int j = 0; j < 3; ++j)
                    EXPECT_NEAR((R * u)(j), res.memberDisplacements(m, 7 + j), 1e-12 + 1e-9 * u.norm());
            }
            sum[sNode - 1].head<3>() -= R.transpose() * fs;
            sum[sNode - 1].tail<3>() -= R.transpose() * ms;
            sum[eNode - 1].head<3>() -= R.transpose() * fe;
            sum[eNode - 1].tail<3>() -= R.transpose() * me;
        }
        // Loads + reactions + forces of the members on the node = 0.
        for (int i = 1; i <= nodes; ++i)
            for (int d = 1; d <= 6; ++d)
                EXPECT_NEAR(sum[i - 1](d - 1) + res.nodeForces(i, d), 0.0, tol)
                    << "node " << i << " dof " << d;
    }
}
