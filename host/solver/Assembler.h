// Numbers the equations and assembles the global stiffness and the load
// vectors. Equations are numbered node by node, the free degrees of freedom
// of a node consecutive, so an equation maps straight back to its node and
// degree of freedom; the factorisation chooses its own elimination order.
//
// The stiffness is kept as the upper triangle in compressed columns. Its
// pattern is laid out once from the node adjacency (a block of the two
// nodes' free degrees of freedom for every pair of nodes a member joins,
// and each node's own triangle), then every member matrix is added in
// place: no list of entries is built and sorted.
#pragma once
#include <cstdint>
#include <vector>

#include <Eigen/Dense>

#include "solver/LinearSystem.h"
#include "solver/MemberStiffness.h"
#include "solver/Model.h"

namespace solver {

class Assembler {
public:
    Assembler(const Model& model, const std::vector<MemberData>& members);

    // Restrained degrees of freedom (code 0 in the node table) get no
    // equation; the others are numbered 0 .. EquationCount() - 1.
    void NumberEquations();
    int EquationCount() const { return m_equations; }
    // Equation of a node (0-based) and degree of freedom (0-based), -1 when
    // restrained.
    int Equation(int node, int dof) const { return m_equation[static_cast<size_t>(node) * m_dof + dof]; }
    int NodeOf(int equation) const { return m_owner[equation] / m_dof; }
    int DofOf(int equation) const { return m_owner[equation] % m_dof; }
    bool IsRestrained(int node, int dof) const { return Equation(node, dof) < 0; }

    // Lays out the pattern (after NumberEquations) and adds every member's
    // global stiffness into it. Every diagonal entry is present, zero when
    // no member stiffens that degree of freedom.
    void AssembleStiffness();
    // The assembled upper triangle; valid until ReleaseStiffness.
    LinearSystem::UpperMatrix Stiffness() const;
    std::int64_t NonZeros() const { return static_cast<std::int64_t>(m_rowIndex.size()); }
    double Diagonal(int equation) const { return m_values[m_colStart[equation + 1] - 1]; }
    // K <- S K S with S = diag(scale).
    void ScaleStiffness(const Eigen::VectorXd& scale);
    void ReleaseStiffness();

    // One column per load case: the node loads at the free equations.
    Eigen::MatrixXd LoadVectors() const;
    // Load values that stand on restrained degrees of freedom (they go
    // straight into the supports), over all cases.
    int LoadsOnSupports() const;

private:
    void LayOutPattern();
    // Offset of node a's rows within every column of node b (a <= b and
    // joined by a member, or a == b).
    std::int64_t BlockOffset(int b, int a) const;

    const Model& m_model;
    const std::vector<MemberData>& m_members;
    int m_dof;
    int m_equations = 0;
    std::vector<int> m_equation; // node * dof + d -> equation or -1
    std::vector<int> m_owner;    // equation -> node * dof + d
    std::vector<int> m_first;    // node -> its first equation
    std::vector<int> m_free;     // node -> its number of equations

    // Node b's neighbours a <= b (itself last) in m_neighbour[m_neighbourStart[b] ..
    // m_neighbourStart[b + 1]), increasing, with the offset of their rows in b's columns.
    std::vector<std::int64_t> m_neighbourStart;
    std::vector<int> m_neighbour;
    std::vector<std::int64_t> m_neighbourOffset;

    std::vector<std::int64_t> m_colStart;
    std::vector<std::int64_t> m_rowIndex;
    std::vector<double> m_values;
};

} // namespace solver
