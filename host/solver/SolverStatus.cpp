#include "solver/SolverStatus.h"

namespace solver {

SolverStatus SolverStatus::Ok(int equations)
{
    SolverStatus s;
    s.m_code = Success;
    s.m_equations = equations;
    s.m_message = "Solution complete: " + std::to_string(equations) + " equations.";
    return s;
}

SolverStatus SolverStatus::Failure(Code code, const std::string& message)
{
    SolverStatus s;
    s.m_code = code;
    s.m_message = message;
    return s;
}

void SolverStatus::SetLocation(int member, int node, int dof)
{
    m_member = member;
    m_node = node;
    m_dof = dof;
}

std::string SolverStatus::DofName(int dof)
{
    static const char* const names[] = {"Ux", "Uy", "Uz", "Rx", "Ry", "Rz"};
    return dof >= 1 && dof <= 6 ? names[dof - 1] : "?";
}

std::string SolverStatus::DofWords(int dof)
{
    static const char* const words[] = {"translation X",   "translation Y",   "translation Z",
                                        "rotation about X", "rotation about Y", "rotation about Z"};
    return dof >= 1 && dof <= 6 ? words[dof - 1] : "?";
}

} // namespace solver
