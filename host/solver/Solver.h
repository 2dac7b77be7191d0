// Linear static analysis of a "Frame3D" or "Truss3D" model by the direct
// stiffness method: members checked, equations numbered in a fill-reducing
// order, the sparse stiffness assembled and factorised once (a LinearSystem:
// supernodal Cholesky), every load case (node loads plus the equivalent nodal
// loads of its member loads) solved with that one factorisation in one call,
// the combinations formed from the cases' solutions, member end displacements
// and forces recovered with the fixed-end forces of the member loads, section
// forces at 21 stations per member, results handed to a ResultSink: the
// cases, then the combinations. Failures come back as a SolverStatus with a
// message that names the member, node and degree of freedom at fault;
// nothing is thrown across this interface.
//
// The stages, in order, each announced through the progress callback:
// "Reading the model" (SolveProject only), "Checking the model",
// "Assembling the stiffness matrix", "Ordering the equations",
// "Factorising the stiffness matrix", "Solving <n> load case(s)",
// "Writing results", "Done". Cancel() may be called from any thread; the
// solve stops at the next stage or within the recovery, and hands nothing
// more to the sink.
//
// Typical use by the host:
//     solver::Solver s;
//     s.SetProgress([&](double f, const std::string& stage) { bar.Set(f, stage); });
//     solver::SolverStatus st = s.SolveProject();
//     if (!st.IsOk()) platform::MessageBox(st.GetMessage(), "KESTRA solver");
#pragma once
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include <Eigen/Dense>

#include "solver/LinearSystem.h"
#include "solver/MemberStiffness.h"
#include "solver/Model.h"
#include "solver/ResultSink.h"
#include "solver/SolverStatus.h"

namespace solver {

class Assembler;
class MemberLoading;

class Solver {
public:
    Solver() = default;
    Solver(const Solver&) = delete;
    Solver& operator=(const Solver&) = delete;

    // fraction 0..1 of the whole solve, and the stage being worked on.
    using ProgressCallback = std::function<void(double fraction, const std::string& stage)>;

    void SetProgress(ProgressCallback progress) { m_progress = std::move(progress); }

    // Asks a running solve (on another thread) to stop; it then returns a
    // Cancelled status and, through SolveProject, leaves no result files.
    // Stays set for the life of this Solver.
    void Cancel() { m_cancel = true; }
    bool IsCancelled() const { return m_cancel; }

    // The current project (KESTRA.INI through CProject): clears the old
    // results first (CProject::ClearResults), reads the model files
    // (ModelReader), solves and writes the record files (ResultWriter), then
    // sets "Total equation number " and "SOLUTION" = 1. On any failure the
    // results stay cleared and "SOLUTION" stays 0; model files are only read.
    SolverStatus SolveProject();

    // In memory: checks, solves and hands the results to sink. Nothing is
    // given to the sink unless the model checks out and the factorisation
    // succeeds.
    SolverStatus Solve(const Model& model, ResultSink& sink);

    // The model checks alone: every bad member, node, property, release,
    // node load, member load row and combination factor is listed
    // (InvalidModel); on success members holds the checked members.
    static SolverStatus Check(const Model& model, std::vector<MemberData>& members);

    // Pivots of the scaled stiffness (every diagonal 1) at or below this
    // fraction mean the structure is a mechanism at that degree of freedom.
    static constexpr double PivotTolerance = 1e-11;

    // Time spent in the last Solve, seconds, for the benchmark and the log.
    struct Timing {
        double check = 0.0;
        double assemble = 0.0;
        double analyse = 0.0;
        double factor = 0.0;
        double solve = 0.0;
        double recover = 0.0;
    };
    const Timing& LastTiming() const { return m_timing; }
    // Ordering, factor size and flops of the last factorisation.
    const LinearSystem::Statistics& LastStatistics() const { return m_statistics; }

private:
    SolverStatus SolveChecked(const Model& model, std::vector<MemberData>& members,
                              ResultSink& sink);
    // Zero-stiffness check, scaling to a unit diagonal, ordering and
    // factorisation; on success the stiffness is released and scale holds
    // the scaling.
    SolverStatus Factorise(Assembler& assembler, LinearSystem& system, Eigen::VectorXd& scale);
    // One column per load case at the free equations: node loads plus the
    // equivalent nodal loads of the member loads.
    static Eigen::MatrixXd RightHandSides(const Model& model, const Assembler& assembler,
                                          const MemberLoading& memberLoading);
    // Member end displacements and forces, node forces and reactions of
    // every case from the displacements u, handed to the sink.
    SolverStatus Recover(const Model& model, const std::vector<MemberData>& members,
                         const Assembler& assembler, const MemberLoading& memberLoading,
                         const Eigen::MatrixXd& u, ResultSink& sink);
    void Progress(double fraction, const std::string& stage) const;
    static SolverStatus Cancelled();

    ProgressCallback m_progress;
    std::atomic<bool> m_cancel{false};
    Timing m_timing;
    LinearSystem::Statistics m_statistics;
};

} // namespace solver
