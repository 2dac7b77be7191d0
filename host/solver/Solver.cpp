#include "solver/Solver.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <new>

#include <Eigen/SparseCholesky>

#include "project/Project.h"
#include "solver/Assembler.h"
#include "solver/LoadCombination.h"
#include "solver/MemberLoading.h"
#include "solver/ModelReader.h"
#include "solver/ResultWriter.h"
#include "solver/SectionForces.h"

namespace solver {

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

using Factor = Eigen::SimplicialLDLT<Assembler::SparseMatrix, Eigen::Lower, Eigen::NaturalOrdering<int>>;

// First equation whose pivot of the scaled stiffness is at or below the
// tolerance (or not a number); -1 when every pivot is sound.
int FirstBadPivot(const Factor& factor)
{
    const Eigen::VectorXd& d = factor.vectorD();
    for (Eigen::Index i = 0; i < d.size(); ++i)
        if (!(d(i) > Solver::PivotTolerance))
            return static_cast<int>(i);
    return -1;
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
    try {
        Progress(0.0, "Checking the model");
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

SolverStatus Solver::SolveChecked(const Model& model, std::vector<MemberData>& members,
                                  ResultSink& sink)
{
    const int dof = model.Dof();
    const int nodes = model.NodeCount();
    const int memberCount = model.MemberCount();
    const int cases = model.LoadCaseCount();

    Progress(0.05, "Numbering equations");
    Clock::time_point t = Clock::now();
    Assembler assembler(model, members);
    assembler.NumberEquations();
    const int neq = assembler.EquationCount();

    Progress(0.10, "Assembling the stiffness matrix");
    Assembler::SparseMatrix k = assembler.AssembleStiffness();
    Eigen::MatrixXd loads = assembler.LoadVectors();
    // Member loads: their equivalent nodal loads join the node loads.
    const MemberLoading memberLoading(model, members);
    for (int c = 0; !memberLoading.IsEmpty() && c < cases; ++c) {
        const std::vector<double> p = memberLoading.EquivalentNodalLoads(c);
        for (int i = 0; i < nodes; ++i)
            for (int d = 0; d < dof; ++d) {
                const int e = assembler.Equation(i, d);
                if (e >= 0)
                    loads(e, c) += p[static_cast<size_t>(i) * dof + d];
            }
    }

    // A free degree of freedom that no member stiffens: name them all.
    std::vector<int> zero;
    Eigen::VectorXd scale(neq);
    for (int e = 0; e < neq; ++e) {
        // Lower triangle, sorted rows: the diagonal opens each column.
        const double d = k.valuePtr()[k.outerIndexPtr()[e]];
        if (!(d > 0.0) || !std::isfinite(d))
            zero.push_back(e);
        else
            scale(e) = 1.0 / std::sqrt(d);
    }
    if (!zero.empty()) {
        std::sort(zero.begin(), zero.end(), [&assembler](int a, int b) {
            return std::make_pair(assembler.NodeOf(a), assembler.DofOf(a)) <
                   std::make_pair(assembler.NodeOf(b), assembler.DofOf(b));
        });
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
        m_timing.assemble = Seconds(t);
        return status;
    }
    // Scale to a unit diagonal: pivots then read as the fraction of each
    // degree of freedom's own stiffness that survives elimination.
    for (int j = 0; j < neq; ++j)
        for (Assembler::SparseMatrix::InnerIterator it(k, j); it; ++it)
            it.valueRef() *= scale(it.row()) * scale(j);
    m_timing.assemble = Seconds(t);

    Progress(0.30, "Factorising the stiffness matrix");
    t = Clock::now();
    Factor factor;
    int bad = -1;
    bool stopped = false;
    if (neq > 0) {
        factor.analyzePattern(k);
        factor.factorize(k);
        if (factor.info() != Eigen::Success) {
            // An exactly zero pivot stops the factorisation where it stands;
            // a tiny shift lets it run through so the pivot can be found.
            // The shifted factor only locates the fault; it never solves.
            stopped = true;
            factor.setShift(PivotTolerance / 10.0);
            factor.factorize(k);
            if (factor.info() == Eigen::Success)
                bad = FirstBadPivot(factor);
        } else {
            bad = FirstBadPivot(factor);
        }
    }
    m_timing.factor = Seconds(t);
    if (stopped && bad < 0)
        return SolverStatus::Failure(SolverStatus::Mechanism,
                                     "The structure is unstable (a mechanism): the stiffness "
                                     "matrix is singular. Check the supports and the member end "
                                     "releases. No results were written.");
    if (bad >= 0) {
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
    k.resize(0, 0);
    k.data().squeeze();

    Progress(0.70, "Solving " + std::to_string(cases) + " load case" + (cases == 1 ? "" : "s"));
    t = Clock::now();
    Eigen::MatrixXd u(neq, cases);
    if (neq > 0) {
        u = factor.solve(scale.asDiagonal() * loads);
        u = scale.asDiagonal() * u;
    }
    // Combinations: the factored sums of the cases' displacements, recovered
    // below like the cases (records N + 1 .. N + C).
    const int records = model.RecordCount();
    if (records > cases)
        u = LoadCombination::Extend(u, model);
    m_timing.solve = Seconds(t);
    if (!u.allFinite())
        return SolverStatus::Failure(SolverStatus::Mechanism,
                                     "The solution is not finite; the structure is unstable. "
                                     "No results were written.");

    Progress(0.80, "Writing results");
    t = Clock::now();
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
        if (!sink.WriteCase(c + 1, r))
            return writeFailed();
        Progress(0.80 + 0.2 * (c + 1) / records, "Writing results");
    }
    if (!sink.Finish())
        return writeFailed();
    m_timing.recover = Seconds(t);

    SolverStatus status = SolverStatus::Ok(neq);
    const int onSupports = assembler.LoadsOnSupports();
    if (onSupports > 0)
        status.AddWarning(std::to_string(onSupports) +
                          " load value(s) stand on restrained degrees of freedom; they go "
                          "straight into the support reactions.");
    return status;
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
    ResultWriter writer(folder, name);
    status = Solve(model, writer);
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
