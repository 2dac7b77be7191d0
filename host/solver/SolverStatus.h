// The outcome of one solve: a code, a message for the user and, where the
// solver can point at it, the member, node and degree of freedom at fault.
// The solver never throws across its interface; it returns one of these, in
// the spirit of Eigen's info().
#pragma once
#include <string>
#include <vector>

namespace solver {

class SolverStatus {
public:
    enum Code {
        Success = 0,
        InvalidModel, // bad member, node, property, release or load data
        Mechanism,    // singular stiffness: a degree of freedom is unrestrained
        FileError,    // a model file is missing or unreadable, or a result cannot be written
        OutOfMemory,
        Internal,     // anything else that stopped the solver
        Cancelled,    // the user stopped the solve
    };

    SolverStatus() = default;
    static SolverStatus Ok(int equations);
    static SolverStatus Failure(Code code, const std::string& message);

    bool IsOk() const { return m_code == Success; }
    Code GetCode() const { return m_code; }
    // The whole text for a message box (lines separated by "\n"); for an
    // InvalidModel status it already lists the first 20 problems.
    const std::string& GetMessage() const { return m_message; }
    // Every problem behind an InvalidModel status, one line each (for a
    // list or a log; GetMessage shows the first 20 of them).
    const std::vector<std::string>& GetProblems() const { return m_problems; }

    int GetEquationCount() const { return m_equations; }
    // First member, node (1-based) and degree of freedom (1..6) named by the
    // failure; 0 when it names none.
    int GetMember() const { return m_member; }
    int GetNode() const { return m_node; }
    int GetDof() const { return m_dof; }

    void SetMessage(const std::string& message) { m_message = message; }
    void SetLocation(int member, int node, int dof);
    void SetProblems(std::vector<std::string> problems) { m_problems = std::move(problems); }
    // Notes that did not stop the solve (loads on supports and the like).
    const std::vector<std::string>& GetWarnings() const { return m_warnings; }
    void AddWarning(const std::string& text) { m_warnings.push_back(text); }

    // "Ux", "Uy", "Uz", "Rx", "Ry", "Rz" for dof 1..6, as the result tables
    // head their columns; "translation X" .. "rotation about Z" in words.
    static std::string DofName(int dof);
    static std::string DofWords(int dof);

private:
    Code m_code = Success;
    std::string m_message;
    std::vector<std::string> m_problems;
    std::vector<std::string> m_warnings;
    int m_equations = 0;
    int m_member = 0;
    int m_node = 0;
    int m_dof = 0;
};

} // namespace solver
