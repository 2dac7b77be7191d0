// A random 3D frame (skew members, random sections, releases, reference
// points, node and member loads of every kind and direction): reactions
// balance the loads, every member balances, at every node the member end
// forces add up to the node force, the section forces run from one end
// force to the other, and each combination is the factored sum of its cases.
#include <random>

#include <gtest/gtest.h>

#include "ModelBuilder.h"
#include "solver/Assembler.h"
#include "solver/SparseCholesky.h"

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
    solver::Model model = b.Build();
    // Member loads on about every other member, on every member in case 3
    // as self weight; kinds and directions in turn.
    std::uniform_real_distribution<double> part(0.0, 1.0);
    for (int c = 1; c <= 3; ++c)
        for (int m = 1; m <= model.MemberCount(); ++m) {
            const double L = (xyz[static_cast<int>(model.members(m, 2)) - 1] -
                              xyz[static_cast<int>(model.members(m, 1)) - 1]).norm();
            const int kind = c == 3 ? 4 : 1 + static_cast<int>(rng() % 3);
            const int direction = 1 + static_cast<int>(rng() % 6);
            if (c < 3 && rng() % 2 == 0)
                continue;
            const double a = kind == 1 ? 0.0 : L * part(rng) * (kind == 2 ? 0.8 : 1.0);
            const double e = kind == 2 ? a + (L - a) * (0.1 + 0.9 * part(rng)) : 0.0;
            b.MemberLoad(c, m, kind, direction, a, e, c == 3 ? -7850.0 : 0.2 * load(rng),
                         kind == 2 ? 0.2 * load(rng) : 0.0);
        }
    b.Combination({1.35, 1.5, 0.0});
    b.Combination({1.0, -0.7, 1.35});
    return b.Build();
}

// Resultant of every member load of case c on member m: the force in
// global axes and its moment about the member's start.
void MemberLoadResultant(const solver::Model& model, int c, int m, const Eigen::Matrix3d& R,
                         double L, Eigen::Vector3d& force,
                         Eigen::Vector3d& moment)
{
    const CdMatrix& t = model.memberLoads[c];
    for (int i = 1; i <= t.GetRows(); ++i) {
        if (t(i, 1) != m)
            continue;
        const int kind = static_cast<int>(t(i, 2)), dir = static_cast<int>(t(i, 3));
        const double a = t(i, 4), b = t(i, 5), w1 = t(i, 6), w2 = t(i, 7);
        const double area = model.properties(static_cast<int>(model.members(m, 7)), 2);
        double F = 0.0, firstMoment = 0.0; // total and its moment about the start
        if (kind == 1 || kind == 4) {
            F = w1 * L * (kind == 4 ? area : 1.0);
            firstMoment = F * L / 2;
        } else if (kind == 2) {
            F = (w1 + w2) * (b - a) / 2;
            firstMoment = F * a + (b - a) * (b - a) * (w1 + 2 * w2) / 6;
        } else {
            F = w1;
            firstMoment = w1 * a;
        }
        const Eigen::Vector3d d = dir <= 3 ? Eigen::Vector3d(R.row(dir - 1)) : Eigen::Vector3d::Unit(dir - 4);
        force += F * d;
        moment += R.row(0).transpose().cross(d) * firstMoment;
    }
}

Eigen::Vector3d Row3(const CdMatrix& t, int i, int first)
{
    return {t(i, first), t(i, first + 1), t(i, first + 2)};
}

// Member m's axes as rows.
Eigen::Matrix3d Axes(const solver::ResultStore& r, int m)
{
    Eigen::Matrix3d R;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            R(i, j) = r.axes[m - 1](i + 1, j + 1);
    return R;
}

} // namespace

TEST(EquilibriumTest, RandomFrameBalancesGloballyPerMemberAndAtEveryNode)
{
    std::vector<Eigen::Vector3d> xyz;
    const solver::Model model = RandomFrame(20261206, xyz);
    solver::SolverStatus status;
    const solver::ResultStore r = Solve(model, &status);
    EXPECT_EQ(status.GetEquationCount(), 6 * 34 + 2 * 3);
    ASSERT_EQ(r.cases.size(), 5u);
    for (int c = 0; c < 3; ++c)
        ASSERT_GT(model.memberLoads[c].GetRows(), 30);

    const int nodes = model.NodeCount();
    for (size_t c = 0; c < 3; ++c) {
        SCOPED_TRACE("case " + std::to_string(c + 1));
        const solver::CaseResult& res = r.cases[c];
        const CdMatrix& applied = model.loadCases[c];
        double scale = 0.0;
        for (int i = 1; i <= nodes; ++i)
            for (int d = 1; d <= 6; ++d)
                scale = std::max(scale, std::abs(applied(i, d)));
        // A member load's total: w1 over up to 20 m; self weight (case 3)
        // times an area of at most 0.02.
        for (int i = 1; i <= model.memberLoads[c].GetRows(); ++i)
            scale = std::max(scale, 20.0 * std::abs(model.memberLoads[c](i, 6)) *
                                        (c == 2 ? 0.02 : 1.0));
        const double tol = 1e-9 * scale * 20.0; // 20 m: the model's size

        // A free node shows exactly its load. Each member and each node in
        // balance: the whole frame with it.
        for (int i = 7; i <= nodes; ++i)
            for (int d = 1; d <= 6; ++d)
                EXPECT_EQ(res.nodeForces(i, d), applied(i, d));
        std::vector<Eigen::Matrix<double, 6, 1>> sum(nodes, Eigen::Matrix<double, 6, 1>::Zero());
        for (int m = 1; m <= model.MemberCount(); ++m) {
            const Eigen::Matrix3d R = Axes(r, m);
            EXPECT_LT((R * R.transpose() - Eigen::Matrix3d::Identity()).norm(), 1e-12);
            // Forces on the start end (sign flipped) and on the end.
            const Eigen::Vector3d fs = -Row3(res.memberForces, m, 1), ms = -Row3(res.memberForces, m, 4);
            const Eigen::Vector3d fe = Row3(res.memberForces, m, 7), me = Row3(res.memberForces, m, 10);
            const int sNode = static_cast<int>(model.members(m, 1));
            const int eNode = static_cast<int>(model.members(m, 2));
            const double L = (xyz[eNode - 1] - xyz[sNode - 1]).norm();
            // The member's loads in local axes, moments about its start.
            Eigen::Vector3d lf = Eigen::Vector3d::Zero(), lm = Eigen::Vector3d::Zero();
            MemberLoadResultant(model, static_cast<int>(c), m, R, L, lf, lm);
            lf = R * lf;
            lm = R * lm;
            EXPECT_LT((fs + fe + lf).norm(), tol) << "member " << m;
            EXPECT_LT((ms + me + Eigen::Vector3d(L, 0, 0).cross(fe) + lm).norm(), tol * 10) << "member " << m;
            // Section forces: station 1 is the start's end force, station 21
            // the end's, by way of every load between.
            for (int j = 1; j <= 6; ++j) {
                EXPECT_EQ(res.sectionForces((m - 1) * 21 + 1, j), res.memberForces(m, j));
                EXPECT_NEAR(res.sectionForces(m * 21, j), res.memberForces(m, 6 + j), tol * 10)
                    << "member " << m << " column " << j;
            }
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

    // Combinations 1 and 2 are records 4 and 5: the factored sums of the
    // cases' tables, to 1e-12 of each table's largest value.
    const double factors[2][3] = {{1.35, 1.5, 0.0}, {1.0, -0.7, 1.35}};
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE("combination " + std::to_string(k + 1));
        const solver::CaseResult& comb = r.cases[3 + k];
        for (auto table : {&solver::CaseResult::nodeDisplacements, &solver::CaseResult::nodeForces,
                           &solver::CaseResult::memberDisplacements, &solver::CaseResult::memberForces,
                           &solver::CaseResult::sectionForces}) {
            const CdMatrix& t = comb.*table;
            double largest = 0.0;
            for (int i = 1; i <= t.GetRows(); ++i)
                for (int j = 1; j <= t.GetCols(); ++j)
                    largest = std::max(largest, std::abs(t(i, j)));
            for (int i = 1; i <= t.GetRows(); ++i)
                for (int j = 1; j <= t.GetCols(); ++j) {
                    double sum = 0.0;
                    for (int c = 0; c < 3; ++c)
                        sum += factors[k][c] * (r.cases[c].*table)(i, j);
                    ASSERT_NEAR(t(i, j), sum, 1e-12 * largest) << i << ", " << j;
                }
        }
    }
}

// The scaled stiffness of the random frame through the solver's supernodal
// factorisation and through the simplicial one: the displacements agree to
// 1e-9 of each case's largest, and K u gives back the loads.
TEST(EquilibriumTest, SupernodalAndSimplicialFactorisationsAgree)
{
    std::vector<Eigen::Vector3d> xyz;
    const solver::Model model = RandomFrame(7, xyz);
    std::vector<solver::MemberData> members;
    ASSERT_TRUE(solver::Solver::Check(model, members).IsOk());
    solver::Assembler a(model, members);
    a.NumberEquations();
    a.AssembleStiffness();
    Eigen::VectorXd scale(a.EquationCount());
    for (int e = 0; e < a.EquationCount(); ++e)
        scale(e) = 1.0 / std::sqrt(a.Diagonal(e));
    a.ScaleStiffness(scale);
    const solver::LinearSystem::UpperMatrix k = a.Stiffness();
    const Eigen::MatrixXd f = scale.asDiagonal() * a.LoadVectors();
    Eigen::MatrixXd u[2] = {f, f};
    using Method = solver::SparseCholesky::Method;
    for (Method method : {Method::Supernodal, Method::Simplicial}) {
        solver::SparseCholesky system(method);
        Eigen::MatrixXd& x = u[method == Method::Supernodal ? 0 : 1];
        ASSERT_EQ(system.Analyse(k), solver::LinearSystem::Outcome::Factorised) << system.ErrorText();
        ASSERT_EQ(system.Factorise(k, solver::Solver::PivotTolerance), solver::LinearSystem::Outcome::Factorised);
        ASSERT_EQ(system.Solve(x), solver::LinearSystem::Outcome::Factorised);
    }
    Eigen::MatrixXd ku = Eigen::MatrixXd::Zero(f.rows(), f.cols()); // from the upper triangle
    for (std::int64_t j = 0; j < k.size; ++j)
        for (std::int64_t p = k.colStart[j]; p < k.colStart[j + 1]; ++p) {
            ku.row(k.rowIndex[p]) += k.values[p] * u[0].row(j);
            if (k.rowIndex[p] != j)
                ku.row(j) += k.values[p] * u[0].row(k.rowIndex[p]);
        }
    ASSERT_GT(f.cols(), 0);
    for (int c = 0; c < f.cols(); ++c) {
        EXPECT_LT((u[0].col(c) - u[1].col(c)).cwiseAbs().maxCoeff(), 1e-9 * u[1].col(c).cwiseAbs().maxCoeff()) << c;
        EXPECT_LT((ku.col(c) - f.col(c)).cwiseAbs().maxCoeff(), 1e-9 * f.col(c).cwiseAbs().maxCoeff()) << c;
    }
}
