#include "solver/Assembler.h"

#include <algorithm>

namespace solver {

Assembler::Assembler(const Model& model, const std::vector<MemberData>& members)
    : m_model(model), m_members(members), m_dof(model.Dof())
{
}

void Assembler::NumberEquations()
{
    const int n = m_model.NodeCount();
    m_equation.assign(static_cast<size_t>(n) * m_dof, -1);
    m_first.assign(static_cast<size_t>(n), 0);
    m_free.assign(static_cast<size_t>(n), 0);
    m_owner.clear();
    m_owner.reserve(static_cast<size_t>(n) * m_dof);
    const CdMatrix& nodes = m_model.nodes;
    for (int node = 0; node < n; ++node) {
        m_first[node] = static_cast<int>(m_owner.size());
        for (int d = 0; d < m_dof; ++d) {
            // 0 is restrained; every other code counts as free, as the tables store it.
            if (static_cast<int>(nodes(node + 1, 4 + d)) == 0)
                continue;
            m_equation[static_cast<size_t>(node) * m_dof + d] = static_cast<int>(m_owner.size());
            m_owner.push_back(node * m_dof + d);
        }
        m_free[node] = static_cast<int>(m_owner.size()) - m_first[node];
    }
    m_equations = static_cast<int>(m_owner.size());
}

void Assembler::LayOutPattern()
{
    const int n = m_model.NodeCount();
    // Lower neighbours of every node, then sorted, unique and the node itself.
    std::vector<std::int64_t> count(static_cast<size_t>(n) + 1, 0);
    for (const MemberData& m : m_members)
        ++count[std::max(m.start, m.end) + 1];
    for (int b = 0; b < n; ++b)
        count[b + 1] += count[b] + 1; // + 1: the node itself
    std::vector<int> list(static_cast<size_t>(count[n]));
    std::vector<std::int64_t> fill(count.begin(), count.end() - 1);
    for (const MemberData& m : m_members)
        list[fill[std::max(m.start, m.end)]++] = std::min(m.start, m.end);
    m_neighbourStart.assign(static_cast<size_t>(n) + 1, 0);
    m_neighbour.clear();
    m_neighbour.reserve(list.size());
    for (int b = 0; b < n; ++b) {
        list[fill[b]] = b;
        const auto first = list.begin() + count[b], last = list.begin() + count[b + 1];
        std::sort(first, last);
        m_neighbour.insert(m_neighbour.end(), first, std::unique(first, last));
        m_neighbourStart[b + 1] = static_cast<std::int64_t>(m_neighbour.size());
    }
    list.clear();
    list.shrink_to_fit();

    m_neighbourOffset.resize(m_neighbour.size());
    m_colStart.assign(static_cast<size_t>(m_equations) + 1, 0);
    std::int64_t total = 0;
    for (int b = 0; b < n; ++b) {
        std::int64_t offset = 0;
        for (std::int64_t k = m_neighbourStart[b]; k < m_neighbourStart[b + 1]; ++k) {
            m_neighbourOffset[k] = offset;
            offset += m_free[m_neighbour[k]];
        }
        // Column q of node b: the other neighbours' rows, then its own first q + 1.
        const std::int64_t others = offset - m_free[b];
        for (int q = 0; q < m_free[b]; ++q) {
            m_colStart[m_first[b] + q] = total;
            total += others + q + 1;
        }
    }
    m_colStart[m_equations] = total;
    m_rowIndex.resize(static_cast<size_t>(total));
    for (int b = 0; b < n; ++b)
        for (int q = 0; q < m_free[b]; ++q) {
            std::int64_t at = m_colStart[m_first[b] + q];
            for (std::int64_t k = m_neighbourStart[b]; k < m_neighbourStart[b + 1]; ++k) {
                const int a = m_neighbour[k];
                const int rows = a == b ? q + 1 : m_free[a];
                for (int r = 0; r < rows; ++r)
                    m_rowIndex[at++] = m_first[a] + r;
            }
        }
}

std::int64_t Assembler::BlockOffset(int b, int a) const
{
    const auto first = m_neighbour.begin() + m_neighbourStart[b];
    const auto last = m_neighbour.begin() + m_neighbourStart[b + 1];
    return m_neighbourOffset[std::lower_bound(first, last, a) - m_neighbour.begin()];
}

void Assembler::AssembleStiffness()
{
    LayOutPattern();
    m_values.assign(m_rowIndex.size(), 0.0);
    const int size = 2 * m_dof;
    int eq[12], node[12];
    for (const MemberData& m : m_members) {
        for (int d = 0; d < m_dof; ++d) {
            eq[d] = Equation(m.start, d);
            eq[m_dof + d] = Equation(m.end, d);
            node[d] = m.start;
            node[m_dof + d] = m.end;
        }
        const int low = std::min(m.start, m.end), high = std::max(m.start, m.end);
        // Where the lower node's rows sit in the higher node's columns.
        const std::int64_t across = m_free[low] > 0 && m_free[high] > 0 ? BlockOffset(high, low) : 0;
        const std::int64_t ownLow = BlockOffset(low, low), ownHigh = BlockOffset(high, high);
        const LocalMatrix k = MemberStiffness(m_model.type, m).GlobalStiffness();
        for (int j = 0; j < size; ++j) {
            if (eq[j] < 0)
                continue;
            const std::int64_t column = m_colStart[eq[j]];
            for (int i = 0; i < size; ++i) {
                if (eq[i] < 0 || eq[i] > eq[j])
                    continue;
                const int a = node[i];
                const std::int64_t offset =
                    a != node[j] ? across : (a == low ? ownLow : ownHigh);
                m_values[column + offset + (eq[i] - m_first[a])] += k(i, j);
            }
        }
    }
}

LinearSystem::UpperMatrix Assembler::Stiffness() const
{
    LinearSystem::UpperMatrix k;
    k.size = m_equations;
    k.colStart = m_colStart.data();
    k.rowIndex = m_rowIndex.data();
    k.values = m_values.data();
    return k;
}

void Assembler::ScaleStiffness(const Eigen::VectorXd& scale)
{
    for (int j = 0; j < m_equations; ++j)
        for (std::int64_t p = m_colStart[j]; p < m_colStart[j + 1]; ++p)
            m_values[p] *= scale(m_rowIndex[p]) * scale(j);
}

void Assembler::ReleaseStiffness()
{
    for (auto* v : {&m_colStart, &m_rowIndex, &m_neighbourStart, &m_neighbourOffset}) {
        v->clear();
        v->shrink_to_fit();
    }
    m_neighbour.clear();
    m_neighbour.shrink_to_fit();
    m_values.clear();
    m_values.shrink_to_fit();
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
