// Numbers the equations and assembles the global stiffness and the load
// vectors. Equations are numbered node by node in a fill-reducing order of
// the node graph (approximate minimum degree), the free degrees of freedom
// of a node consecutive, so the factorisation can keep the natural order
// and a pivot maps straight back to its node and degree of freedom.
#pragma once
#include <vector>

#include <Eigen/Dense>
#include <Eigen/SparseCore>

#include "solver/MemberStiffness.h"
#include "solver/Model.h"

namespace solver {

class Assembler {
public:
    using SparseMatrix = Eigen::SparseMatrix<double, Eigen::ColMajor, int>;

    Assembler(const Model& model, const std::vector<MemberData>& members);

    // Restrained degrees of freedom (code 0 in the node table) get no
    // equation; the others are numbered 0 .. EquationCount() - 1.
    void NumberEquations();
    int EquationCount() const { return m_equations; }
    // Equation of a node (0-based) and degree of freedom (0-based), -1 when
    // restrained.
    int Equation(int node, int dof) const { return m_equation[node * m_dof + dof]; }
    int NodeOf(int equation) const { return m_owner[equation] / m_dof; }
    int DofOf(int equation) const { return m_owner[equation] % m_dof; }
    bool IsRestrained(int node, int dof) const { return Equation(node, dof) < 0; }

    // The lower triangle of the global stiffness (free equations only).
    SparseMatrix AssembleStiffness() const;
    // One column per load case: the node loads at the free equations.
    Eigen::MatrixXd LoadVectors() const;
    // Load values that stand on restrained degrees of freedom (they go
    // straight into the supports), over all cases.
    int LoadsOnSupports() const;

private:
    const Model& m_model;
    const std::vector<MemberData>& m_members;
    int m_dof;
    int m_equations = 0;
    std::vector<int> m_equation; // node * dof + d -> equation or -1
    std::vector<int> m_owner;    // equation -> node * dof + d
};

} // namespace solver
