// Small models for the solver tests, written as the tables hold them: 1-based
// numbers, stored units, restraint codes 1 free / 0 restrained, release codes
// 1 connected / 0 released. Also the shared solve helpers.
#pragma once
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "solver/Model.h"
#include "solver/ResultStore.h"
#include "solver/Solver.h"

namespace solvertest {

constexpr double kTol = 1e-9;
#define EXPECT_REL(actual, expected)                                                          \
    EXPECT_NEAR((actual), (expected), solvertest::kTol * std::abs(expected)) << #actual

class ModelBuilder {
public:
    explicit ModelBuilder(solver::Model::Type type = solver::Model::Type::Frame3D) : m_type(type) {}

    static constexpr std::array<int, 6> Free{1, 1, 1, 1, 1, 1};
    static constexpr std::array<int, 6> Fixed{0, 0, 0, 0, 0, 0};
    static constexpr std::array<int, 6> Pinned{0, 0, 0, 1, 1, 1};

    int Node(double x, double y, double z, std::array<int, 6> c = Free)
    {
        m_nodes.push_back({x, y, z, double(c[0]), double(c[1]), double(c[2]), double(c[3]),
                           double(c[4]), double(c[5])});
        return static_cast<int>(m_nodes.size());
    }
    void Member(int s, int e, double kx, double ky, double kz, int property = 1, int release = 0)
    {
        m_members.push_back({double(s), double(e), 0.0, kx, ky, kz, double(property), double(release)});
    }
    void Property(double E, double A, double G, double J, double I2, double I3)
    {
        m_properties.push_back({E, A, G, J, I2, I3});
    }
    void Release(std::array<double, 12> codes) { m_releases.push_back(codes); }
    // Load case k, node, dof (all 1-based).
    void Load(int k, int node, int dof, double value)
    {
        if (static_cast<int>(m_loads.size()) < k)
            m_loads.resize(static_cast<size_t>(k));
        m_loads[static_cast<size_t>(k - 1)].push_back({node, dof, value});
    }

    // Member load row of load case k: member, kind, direction, a, b, w1, w2.
    void MemberLoad(int k, int member, int kind, int direction, double a, double b, double w1,
                    double w2 = 0.0)
    {
        if (static_cast<int>(m_memberLoads.size()) < k)
            m_memberLoads.resize(static_cast<size_t>(k));
        m_memberLoads[static_cast<size_t>(k - 1)].push_back(
            {double(member), double(kind), double(direction), a, b, w1, w2});
    }
    // One combination: the factor of each load case.
    void Combination(std::vector<double> factors) { m_combinations.push_back(std::move(factors)); }

    solver::Model Build() const
    {
        solver::Model m;
        m.type = m_type;
        m.nodes = Table(m_nodes);
        m.members = Table(m_members);
        m.properties = Table(m_properties);
        m.releases = Table(m_releases);
        const size_t cases = std::max(m_loads.size(), m_memberLoads.size());
        for (size_t k = 0; k < cases; ++k) {
            CdMatrix t(static_cast<int>(m_nodes.size()), m.Dof());
            for (size_t i = 0; k < m_loads.size() && i < m_loads[k].size(); ++i)
                t(m_loads[k][i].node, m_loads[k][i].dof) += m_loads[k][i].value;
            m.loadCases.push_back(t);
            m.memberLoads.push_back(
                Table(k < m_memberLoads.size() ? m_memberLoads[k] : std::vector<std::array<double, 7>>()));
        }
        if (!m_combinations.empty()) {
            m.combinations.SetSize(static_cast<int>(m_combinations.size()), static_cast<int>(cases));
            for (size_t c = 0; c < m_combinations.size(); ++c)
                for (size_t k = 0; k < m_combinations[c].size(); ++k)
                    m.combinations(static_cast<int>(c + 1), static_cast<int>(k + 1)) = m_combinations[c][k];
        }
        return m;
    }

private:
    struct LoadValue {
        int node, dof;
        double value;
    };
    template <size_t N>
    static CdMatrix Table(const std::vector<std::array<double, N>>& rows)
    {
        CdMatrix t(static_cast<int>(rows.size()), static_cast<int>(N));
        for (size_t i = 0; i < rows.size(); ++i)
            for (size_t j = 0; j < N; ++j)
                t(static_cast<int>(i + 1), static_cast<int>(j + 1)) = rows[i][j];
        return t;
    }

    solver::Model::Type m_type;
    std::vector<std::array<double, 9>> m_nodes;
    std::vector<std::array<double, 8>> m_members;
    std::vector<std::array<double, 6>> m_properties;
    std::vector<std::array<double, 12>> m_releases;
    std::vector<std::vector<LoadValue>> m_loads;
    std::vector<std::vector<std::array<double, 7>>> m_memberLoads;
    std::vector<std::vector<double>> m_combinations;
};

// Solves in memory; a failed status fails the test.
inline solver::ResultStore Solve(const solver::Model& model,
                                 solver::SolverStatus* statusOut = nullptr)
{
    solver::ResultStore store;
    const solver::SolverStatus status = solver::Solver().Solve(model, store);
    EXPECT_TRUE(status.IsOk()) << status.GetMessage();
    if (statusOut)
        *statusOut = status;
    return store;
}

// Solves a model that must be refused: nothing may reach the result sink.
inline solver::SolverStatus SolveExpectingFailure(const solver::Model& model)
{
    solver::ResultStore store;
    const solver::SolverStatus status = solver::Solver().Solve(model, store);
    EXPECT_FALSE(status.IsOk());
    EXPECT_TRUE(store.cases.empty() && store.axes.empty()) << "results were handed out";
    return status;
}

// Each {actual, expected} to 1e-9 relative; an expected 0 to `zero` absolute.
inline void ExpectRel(std::initializer_list<std::pair<double, double>> values, double zero = 0.0)
{
    int k = 0;
    for (const auto& [actual, expected] : values) {
        const double tol = expected != 0.0 ? kTol * std::abs(expected) : zero;
        EXPECT_NEAR(actual, expected, tol) << "value " << k++;
    }
}

inline bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

} // namespace solvertest
