#include "solver/Solver.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <new>

#include "project/Project.h"
#include "solver/Assembler.h"
#include "solver/LoadCombination.h"
#include "solver/MemberLoading.h"
#include "solver/ModelReader.h"
#include "solver/ResultWriter.h"
#include "solver/SectionForces.h"
#include "solver/SparseCholesky.h"

namespace solver {

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

std::string NodeDof(int node, int dof)
{
    return "node " + std::to_string(node) + ", " + SolverStatus::DofName(dof) + " (" +
           SolverStatus::DofWords(dof) + ")";
}

} // namespace

void Solver::Progress(double fraction, const std::string& stage) const
{
    if (m_progress)
        m_progress(fraction, stage);
}

SolverStatus Solver::Solve(const Model& model, ResultSink& sink)
{
    m_timing = Timing();
    m_statistics = LinearSystem::Statistics();
    if (m_cancel)
        return Cancelled();
    try {
        Progress(0.02, "Checking the model");
        const Clock::time_point start = Clock::now();
        std::vector<MemberData> members;
        SolverStatus status = Check(model, members);
        m_timing.check = Seconds(start);
        if (!status.IsOk())
            return status;
        return SolveChecked(model, members, sink);
    } catch (const std::bad_alloc&) {
        return SolverStatus::Failure(
            SolverStatus::OutOfMemory,
            "Not enough memory to solve the model (" + std::to_string(model.NodeCount()) +
                " nodes, " + std::to_string(model.MemberCount()) +
                " members). No results were written.");
    } catch (const std::exception& e) {
        return SolverStatus::Failure(SolverStatus::Internal,
                                     std::string("The solver stopped: ") + e.what() +
                                         ". No results were written.");
    }
}

SolverStatus Solver::Cancelled()
{
    return SolverStatus::Failure(SolverStatus::Cancelled,
                                 "The solve was cancelled. No results were written.");
}

SolverStatus Solver::SolveChecked(const Model& model, std::vector<MemberData>& members,
                                  ResultSink& sink)
{
    const int cases = model.LoadCaseCount();
    if (m_cancel)
        return Cancelled();

    Progress(0.05, "Assembling the stiffness matrix");
    Clock::time_point t = Clock::now();
    Assembler assembler(model, members);
    assembler.NumberEquations();
    assembler.AssembleStiffness();
    m_timing.assemble = Seconds(t);
    if (m_cancel)
        return Cancelled();

    SparseCholesky system;
    Eigen::VectorXd scale;
    SolverStatus status = Factorise(assembler, system, scale);
    m_statistics = system.GetStatistics();
    if (!status.IsOk())
        return status;
    if (m_cancel)
        return Cancelled();

    Progress(0.80, "Solving " + std::to_string(cases) + " load case" + (cases == 1 ? "" : "s"));
    t = Clock::now();
    const MemberLoading memberLoading(model, members);
    const Eigen::MatrixXd loads = RightHandSides(model, assembler, memberLoading);
    Eigen::MatrixXd u = scale.asDiagonal() * loads;
    if (system.Solve(u) != LinearSystem::Outcome::Factorised)
        return SolverStatus::Failure(SolverStatus::Internal, "The solver stopped: " +
                                                                 system.ErrorText() +
                                                                 ". No results were written.");
    u = scale.asDiagonal() * u;
    // Combinations: the factored sums of the cases' displacements, recovered
    // like the cases (records N + 1 .. N + C).
    if (model.RecordCount() > cases)
        u = LoadCombination::Extend(u, model);
    m_timing.solve = Seconds(t);
    if (!u.allFinite())
        return SolverStatus::Failure(SolverStatus::Mechanism,
                                     "The solution is not finite; the structure is unstable. "
                                     "No results were written.");
    if (m_cancel)
        return Cancelled();

    t = Clock::now();
    status = Recover(model, members, assembler, memberLoading, u, sink);
    m_timing.recover = Seconds(t);
    if (!status.IsOk())
        return status;

    status = SolverStatus::Ok(assembler.EquationCount());
    const int onSupports = assembler.LoadsOnSupports();
    if (onSupports > 0)
        status.AddWarning(std::to_string(onSupports) +
                          " load value(s) stand on restrained degrees of freedom; they go "
                          "straight into the support reactions.");
    return status;
}

SolverStatus Solver::Factorise(Assembler& assembler, LinearSystem& system, Eigen::VectorXd& scale)
{
    const int neq = assembler.EquationCount();
    Clock::time_point t = Clock::now();
    // A free degree of freedom that no member stiffens: name them all.
    std::vector<int> zero;
    scale.resize(neq);
    for (int e = 0; e < neq; ++e) {
        const double d = assembler.Diagonal(e);
        if (!(d > 0.0) || !std::isfinite(d))
            zero.push_back(e);
        else
            scale(e) = 1.0 / std::sqrt(d);
    }
    if (!zero.empty()) {
        // Equations run node by node, so they are already in node and
        // degree-of-freedom order.
        std::string message = "The structure is unstable: ";
        message += zero.size() == 1 ? "this degree of freedom has" : "these degrees of freedom have";
        message += " no stiffness (no member resists it and it is not restrained):\n";
        const size_t shown = std::min<size_t>(zero.size(), 10);
        for (size_t i = 0; i < shown; ++i)
            message += NodeDof(assembler.NodeOf(zero[i]) + 1, assembler.DofOf(zero[i]) + 1) + "\n";
        if (zero.size() > shown)
            message += "... and " + std::to_string(zero.size() - shown) + " more.\n";
        message += "Add supports or members there, and check the member end releases. "
                   "No results were written.";
        SolverStatus status = SolverStatus::Failure(SolverStatus::Mechanism, message);
        status.SetLocation(0, assembler.NodeOf(zero[0]) + 1, assembler.DofOf(zero[0]) + 1);
        return status;
    }
    // Scale to a unit diagonal: pivots then read as the fraction of each
    // degree of freedom's own stiffness that survives elimination.
    assembler.ScaleStiffness(scale);
    m_timing.assemble += Seconds(t);
    if (m_cancel)
        return Cancelled();
    if (neq == 0) {
        assembler.ReleaseStiffness();
        return SolverStatus::Ok(0);
    }

    auto stopped = [&system](LinearSystem::Outcome outcome) {
        if (outcome == LinearSystem::Outcome::OutOfMemory)
            throw std::bad_alloc();
        return SolverStatus::Failure(SolverStatus::Internal, "The solver stopped: " +
                                                                 system.ErrorText() +
                                                                 ". No results were written.");
    };
    Progress(0.10, "Ordering the equations");
    LinearSystem::Outcome outcome = system.Analyse(assembler.Stiffness());
    m_timing.analyse = system.GetStatistics().analyseSeconds;
    if (outcome != LinearSystem::Outcome::Factorised)
        return stopped(outcome);
    if (m_cancel)
        return Cancelled();

    Progress(0.20, "Factorising the stiffness matrix");
    outcome = system.Factorise(assembler.Stiffness(), PivotTolerance);
    m_timing.factor = system.GetStatistics().factorSeconds;
    if (outcome == LinearSystem::Outcome::NotPositiveDefinite) {
        const int bad = static_cast<int>(system.FailedEquation());
        const int node = assembler.NodeOf(bad) + 1;
        const int d = assembler.DofOf(bad) + 1;
        SolverStatus status = SolverStatus::Failure(
            SolverStatus::Mechanism,
            "The structure is unstable (a mechanism): " + NodeDof(node, d) +
                " is not held; the supports and members let it move without resistance.\n"
                "Add supports or members, or check the member end releases around node " +
                std::to_string(node) + ". No results were written.");
        status.SetLocation(0, node, d);
        return status;
    }
    if (outcome != LinearSystem::Outcome::Factorised)
        return stopped(outcome);
    assembler.ReleaseStiffness();
    return SolverStatus::Ok(neq);
}

Eigen::MatrixXd Solver::RightHandSides(const Model& model, const Assembler& assembler,
                                       const MemberLoading& memberLoading)
{
    Eigen::MatrixXd loads = assembler.LoadVectors();
    if (memberLoading.IsEmpty())
        return loads;
    // Member loads: their equivalent nodal loads join the node loads.
    const int nodes = model.NodeCount();
    const int dof = model.Dof();
    for (int c = 0; c < loads.cols(); ++c) {
        const std::vector<double> p = memberLoading.EquivalentNodalLoads(c);
        for (int i = 0; i < nodes; ++i)
            for (int d = 0; d < dof; ++d) {
                const int e = assembler.Equation(i, d);
                if (e >= 0)
                    loads(e, c) += p[static_cast<size_t>(i) * dof + d];
            }
    }
    return loads;
}

SolverStatus Solver::Recover(const Model& model, const std::vector<MemberData>& members,
                             const Assembler& assembler, const MemberLoading& memberLoading,
                             const Eigen::MatrixXd& u, ResultSink& sink)
{
    const int dof = model.Dof();
    const int nodes = model.NodeCount();
    const int memberCount = model.MemberCount();
    const int records = model.RecordCount();
    Progress(0.85, "Writing results");
    auto writeFailed = [&sink]() {
        return SolverStatus::Failure(SolverStatus::FileError,
                                     sink.ErrorText() + "\nThe results are incomplete.");
    };
    if (!sink.Begin(nodes, memberCount, dof, records))
        return writeFailed();
    for (int m = 0; m < memberCount; ++m)
        if (!sink.WriteAxes(m + 1, members[m].axes))
            return writeFailed();

    const int size = 2 * dof;
    std::vector<double> ku(static_cast<size_t>(nodes) * dof);
    std::vector<LocalLoad> memberLoads;
    for (int c = 0; c < records; ++c) {
        if (m_cancel)
            return Cancelled();
        CaseResult r;
        r.nodeDisplacements.SetSize(nodes, dof);
        r.nodeForces.SetSize(nodes, dof);
        r.memberDisplacements.SetSize(memberCount, size);
        r.memberForces.SetSize(memberCount, size);
        r.sectionForces.SetSize(memberCount * SectionForces::Stations, dof);
        double** disp = r.nodeDisplacements.GetData();
        for (int i = 0; i < nodes; ++i)
            for (int d = 0; d < dof; ++d) {
                const int e = assembler.Equation(i, d);
                disp[i + 1][d + 1] = e >= 0 ? u(e, c) : 0.0;
            }
        std::fill(ku.begin(), ku.end(), 0.0);
        double** de = r.memberDisplacements.GetData();
        double** fe = r.memberForces.GetData();
        LocalVector un(size);
        for (int m = 0; m < memberCount; ++m) {
            if ((m & 4095) == 4095 && m_cancel)
                return Cancelled();
            const MemberData& md = members[m];
            for (int d = 0; d < dof; ++d) {
                un(d) = disp[md.start + 1][d + 1];
                un(dof + d) = disp[md.end + 1][d + 1];
            }
            const MemberStiffness stiffness(model.type, md);
            LocalVector end = stiffness.EndDisplacements(un);
            LocalVector force = stiffness.EndForces(un);
            // Member loads: fixed-end forces join the end forces (and so the
            // reactions below: K u less the equivalent nodal loads).
            memberLoading.AddFixedEndForces(c, m, stiffness, force, end, memberLoads);
            for (int j = 0; j < size; ++j) {
                de[m + 1][j + 1] = end(j);
                fe[m + 1][j + 1] = j < dof ? -force(j) : force(j);
            }
            SectionForces::Fill(m + 1, dof, md.length, fe[m + 1] + 1, memberLoads, r.sectionForces);
            const LocalVector global = stiffness.ToGlobal(force);
            for (int d = 0; d < dof; ++d) {
                ku[static_cast<size_t>(md.start) * dof + d] += global(d);
                ku[static_cast<size_t>(md.end) * dof + d] += global(dof + d);
            }
        }
        // Node forces: the node loads where the node is free, the support
        // reaction where it is held: the members' end forces (K u less the
        // equivalent nodal loads of member loads) less any node load
        // standing on the support.
        const CdMatrix applied = LoadCombination::NodeLoads(model, c);
        double** f = r.nodeForces.GetData();
        for (int i = 0; i < nodes; ++i)
            for (int d = 0; d < dof; ++d) {
                const int e = assembler.Equation(i, d);
                const double p = applied(i + 1, d + 1);
                f[i + 1][d + 1] = e >= 0 ? p : ku[static_cast<size_t>(i) * dof + d] - p;
            }
        if (m_cancel)
            return Cancelled();
        if (!sink.WriteCase(c + 1, r))
            return writeFailed();
        Progress(0.85 + 0.15 * (c + 1) / records, "Writing results");
    }
    if (!sink.Finish())
        return writeFailed();
    return SolverStatus::Ok(assembler.EquationCount());
}

SolverStatus Solver::SolveProject()
{
    CProject project;
    const std::string folder = project.GetLocation();
    const std::string name = project.GetName();
    const std::string type = project.GetElementType();
    const int cases = project.GetLoadCaseCount();
    if (folder == CProject::Undefined || name == CProject::Undefined || folder.empty() ||
        name.empty())
        return SolverStatus::Failure(SolverStatus::FileError,
                                     "No project is open: the settings name no project folder "
                                     "and name to solve.");
    // Old results go first: whatever happens below, no stale result stays
    // beside the model.
    project.ClearResults();
    // The section forces beside the other result files.
    const std::string sectionForces = folder + name + ".mfs";
    std::remove(sectionForces.c_str());

    Progress(0.0, "Reading the model");
    Model model;
    SolverStatus status = ModelReader::Read(folder, name, type, cases, model);
    if (!status.IsOk())
        return status;
    {
        // Closed before anything half written is removed.
        ResultWriter writer(folder, name);
        status = Solve(model, writer);
    }
    if (!status.IsOk()) {
        CProject again; // drop whatever was half written
        again.ClearResults();
        std::remove(sectionForces.c_str());
        return status;
    }
    CProject done;
    done.GetEquationCount() = status.GetEquationCount();
    done.GetSolution() = 1;
    done.Settings(true);
    Progress(1.0, "Done");
    return status;
}

} // namespace solver
