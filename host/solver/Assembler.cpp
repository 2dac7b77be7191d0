#include "solver/Assembler.h"

#include <algorithm>

#include <Eigen/OrderingMethods>

namespace solver {

Assembler::Assembler(const Model& model, const std::vector<MemberData>& members)
    : m_model(model), m_members(members), m_dof(model.Dof())
{
}

void Assembler::NumberEquations()
{
    const int n = m_model.NodeCount();
    // Node graph: one entry per member end pair, plus the diagonal.
    std::vector<Eigen::Triplet<double, int>> pattern;
    pattern.reserve(static_cast<size_t>(n) + 2 * m_members.size());
    for (int i = 0; i < n; ++i)
        pattern.emplace_back(i, i, 1.0);
    for (const MemberData& m : m_members) {
        pattern.emplace_back(m.start, m.end, 1.0);
        pattern.emplace_back(m.end, m.start, 1.0);
    }
    SparseMatrix graph(n, n);
    graph.setFromTriplets(pattern.begin(), pattern.end());
    pattern.clear();
    pattern.shrink_to_fit();

    Eigen::PermutationMatrix<Eigen::Dynamic, Eigen::Dynamic, int> order;
    Eigen::AMDOrdering<int> amd;
    amd(graph, order); // order.indices()[k] = node eliminated k-th

    m_equation.assign(static_cast<size_t>(n) * m_dof, -1);
    m_owner.clear();
    m_owner.reserve(static_cast<size_t>(n) * m_dof);
    const CdMatrix& nodes = m_model.nodes;
    for (int k = 0; k < n; ++k) {
        const int node = order.indices()[k];
        for (int d = 0; d < m_dof; ++d) {
            // 0 is restrained; every other code counts as free, as the tables store it.
            const bool restrained = static_cast<int>(nodes(node + 1, 4 + d)) == 0;
            if (restrained)
                continue;
            m_equation[static_cast<size_t>(node) * m_dof + d] = static_cast<int>(m_owner.size());
            m_owner.push_back(node * m_dof + d);
        }
    }
    m_equations = static_cast<int>(m_owner.size());
}

Assembler::SparseMatrix Assembler::AssembleStiffness() const
{
    const int size = 2 * m_dof;
    std::vector<Eigen::Triplet<double, int>> entries;
    entries.reserve(m_members.size() * static_cast<size_t>(size * (size + 1) / 2) +
                    static_cast<size_t>(m_equations));
    int eq[12];
    for (const MemberData& m : m_members) {
        for (int d = 0; d < m_dof; ++d) {
            eq[d] = Equation(m.start, d);
            eq[m_dof + d] = Equation(m.end, d);
        }
        const LocalMatrix k = MemberStiffness(m_model.type, m).GlobalStiffness();
        for (int j = 0; j < size; ++j) {
            if (eq[j] < 0)
                continue;
            for (int i = 0; i < size; ++i) {
                if (eq[i] < eq[j] || k(i, j) == 0.0)
                    continue;
                entries.emplace_back(eq[i], eq[j], k(i, j));
            }
        }
    }
    // Every diagonal entry is present (zero when no member stiffens it), so
    // the zero-stiffness check and the scaling can read it.
    for (int e = 0; e < m_equations; ++e)
        entries.emplace_back(e, e, 0.0);
    SparseMatrix lower(m_equations, m_equations);
    lower.setFromTriplets(entries.begin(), entries.end());
    lower.makeCompressed();
    return lower;
}

Eigen::MatrixXd Assembler::LoadVectors() const
{
    const int cases = m_model.LoadCaseCount();
    Eigen::MatrixXd f = Eigen::MatrixXd::Zero(m_equations, cases);
    for (int c = 0; c < cases; ++c) {
        const CdMatrix& loads = m_model.loadCases[c];
        const int rows = std::min(loads.GetRows(), m_model.NodeCount());
        const int cols = std::min(loads.GetCols(), m_dof);
        for (int i = 0; i < rows; ++i)
            for (int d = 0; d < cols; ++d) {
                const int e = Equation(i, d);
                if (e >= 0)
                    f(e, c) = loads(i + 1, d + 1);
            }
    }
    return f;
}

int Assembler::LoadsOnSupports() const
{
    int count = 0;
    for (const CdMatrix& loads : m_model.loadCases) {
        const int rows = std::min(loads.GetRows(), m_model.NodeCount());
        const int cols = std::min(loads.GetCols(), m_dof);
        for (int i = 0; i < rows; ++i)
            for (int d = 0; d < cols; ++d)
                if (Equation(i, d) < 0 && loads(i + 1, d + 1) != 0.0)
                    ++count;
    }
    return count;
}

} // namespace solver
