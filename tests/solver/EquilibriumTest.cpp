// A random 3D frame with skew members, random sections, releases and
// reference points: the reactions balance the loads (forces and moments
// about the origin) in every case, every member's end forces balance, and
// at every free node the member end forces add up to the applied load.
#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "ModelBuilder.h"
#include "solver/ResultStore.h"
#include "solver/Solver.h"

using solvertest::ModelBuilder;

namespace {

struct RandomFrame {
    solver::Model model;
    std::vector<Eigen::Vector3d> xyz;
};

RandomFrame MakeRandomFrame(unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> coord(-6.0, 6.0), unit(0.5, 2.0), load(-5000, 5000);
    ModelBuilder b;
    RandomFrame f;
    const int nodes = 40;
    for (int i = 1; i <= nodes; ++i) {
        const Eigen::Vector3d p(coord(rng), coord(rng), coord(rng));
        f.xyz.push_back(p);
        // Four fixed supports, two pinned; the rest free.
        const auto codes = i <= 4 ? ModelBuilder::Fixed
                                  : (i <= 6 ? ModelBuilder::Pinned : ModelBuilder::Free);
        b.Node(p.x(), p.y(), p.z(), codes);
    }
    for (int g = 0; g < 3; ++g)
        b.Property(2.1e10 * unit(rng), 0.01 * unit(rng), 8e9 * unit(rng), 1e-5 * unit(rng),
                   5e-5 * unit(rng), 8e-5 * unit(rng));
    b.Release({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0}); // end rotation hinge about 2 and 3
    b.Release({1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1}); // start moment about 3 released
    auto member = [&](int s, int e, int release) {
        const Eigen::Vector3d a = f.xyz[s - 1];
        // Reference point off the member line, in a random direction.
        Eigen::Vector3d k = a + Eigen::Vector3d(coord(rng), coord(rng), coord(rng));
        b.Member(s, e, k.x(), k.y(), k.z(), 1 + static_cast<int>(rng() % 3), release);
    };
    // A connected tree, every member rigid, then extra members, some hinged.
    for (int i = 2; i <= nodes; ++i)
        member(static_cast<int>(1 + rng() % (i - 1)), i, 0);
    for (int k = 0; k < 40; ++k) {
        int s = static_cast<int>(1 + rng() % nodes), e = static_cast<int>(1 + rng() % nodes);
        if (s == e)
            continue;
        member(s, e, k % 5 == 0 ? 1 : (k % 7 == 0 ? 2 : 0));
    }
    for (int c = 1; c <= 3; ++c)
        for (int i = 7; i <= nodes; ++i)
            for (int d = 1; d <= 6; ++d)
                if (rng() % 3 == 0)
                    b.Load(c, i, d, d <= 3 ? load(rng) : 0.3 * load(rng));
    f.model = b.Build();
    return f;
}

} // namespace

TEST(EquilibriumTest, RandomFrameBalancesGloballyPerMemberAndAtEveryNode)
{
    const RandomFrame f = MakeRandomFrame(20261206);
    solver::ResultStore r;
    solver::Solver s;
    const solver::SolverStatus status = s.Solve(f.model, r);
    ASSERT_TRUE(status.IsOk()) << status.GetMessage();
    EXPECT_EQ(status.GetEquationCount(), 6 * 34 + 2 * 3);
    ASSERT_EQ(r.cases.size(), 3u);

    const int nodes = f.model.NodeCount(), members = f.model.MemberCount();
    for (size_t c = 0; c < r.cases.size(); ++c) {
        const solver::CaseResult& res = r.cases[c];
        const CdMatrix& applied = f.model.loadCases[c];
        double scale = 0.0;
        for (int i = 1; i <= nodes; ++i)
            for (int d = 1; d <= 6; ++d)
                scale = std::max(scale, std::abs(applied(i, d)));
        const double tol = 1e-9 * scale * 20.0; // 20 m: the model's size

        // Global: the node forces (loads and reactions) sum to zero, in force
        // and in moment about the origin.
        Eigen::Vector3d force = Eigen::Vector3d::Zero(), moment = Eigen::Vector3d::Zero();
        for (int i = 1; i <= nodes; ++i) {
            const Eigen::Vector3d fi(res.nodeForces(i, 1), res.nodeForces(i, 2), res.nodeForces(i, 3));
            const Eigen::Vector3d mi(res.nodeForces(i, 4), res.nodeForces(i, 5), res.nodeForces(i, 6));
            force += fi;
            moment += f.xyz[i - 1].cross(fi) + mi;
            if (i > 6) {
                for (int d = 1; d <= 6; ++d)
                    EXPECT_EQ(res.nodeForces(i, d), applied(i, d));
            }
        }
        EXPECT_LT(force.norm(), tol) << "case " << c + 1;
        EXPECT_LT(moment.norm(), tol * 10) << "case " << c + 1;

        // Members: forces on the two ends balance; at every node the member
        // end forces (global axes) add up to the node force.
        std::vector<Eigen::Matrix<double, 6, 1>> sum(nodes, Eigen::Matrix<double, 6, 1>::Zero());
        for (int m = 1; m <= members; ++m) {
            const CdMatrix& axes = r.axes[m - 1];
            Eigen::Matrix3d R;
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j)
                    R(i, j) = axes(i + 1, j + 1);
            EXPECT_LT((R * R.transpose() - Eigen::Matrix3d::Identity()).norm(), 1e-12);
            Eigen::Vector3d fs, ms, fe, me;
            for (int j = 0; j < 3; ++j) {
                fs(j) = -res.memberForces(m, 1 + j); // force on the start end
                ms(j) = -res.memberForces(m, 4 + j);
                fe(j) = res.memberForces(m, 7 + j);
                me(j) = res.memberForces(m, 10 + j);
            }
            const int sNode = static_cast<int>(f.model.members(m, 1));
            const int eNode = static_cast<int>(f.model.members(m, 2));
            const double L = (f.xyz[eNode - 1] - f.xyz[sNode - 1]).norm();
            EXPECT_LT((fs + fe).norm(), tol);
            EXPECT_LT((ms + me + Eigen::Vector3d(L, 0, 0).cross(fe)).norm(), tol * 10);
            // A member end displacement equals its node's unless released.
            if (f.model.members(m, 8) == 0.0) {
                const Eigen::Vector3d uNode(res.nodeDisplacements(eNode, 1),
                                            res.nodeDisplacements(eNode, 2),
                                            res.nodeDisplacements(eNode, 3));
                for (int j = 0; j < 3; ++j)
                    EXPECT_NEAR((R * uNode)(j), res.memberDisplacements(m, 7 + j),
                                1e-12 + 1e-9 * uNode.norm());
            }
            sum[sNode - 1].head<3>() -= R.transpose() * fs; // force of the member on the node
            sum[sNode - 1].tail<3>() -= R.transpose() * ms;
            sum[eNode - 1].head<3>() -= R.transpose() * fe;
            sum[eNode - 1].tail<3>() -= R.transpose() * me;
        }
        for (int i = 1; i <= nodes; ++i)
            for (int d = 1; d <= 6; ++d)
                // Node: loads + reactions + forces of the members on it = 0.
                EXPECT_NEAR(sum[i - 1](d - 1) + res.nodeForces(i, d), 0.0, tol)
                    << "case " << c + 1 << " node " << i << " dof " << d;
    }
}
