// The solver on regular building frames of about 1,000 and 10,000 nodes
// (and 100,000 with KESTRA_BENCH_HUGE=1): per size the equations, the
// ordering CHOLMOD chose, the factor's entries and flops, the seconds of
// assembly, analysis, factorisation, solution and recovery, the Gflop/s of
// the factorisation and the peak resident memory of the process so far
// (ru_maxrss; sizes run smallest first, so each peak belongs to the
// largest model solved up to then). Analyse gives the ordering, factor
// size and flops of the 100,000-node frame without factorising it. Agreement compares the supernodal
// factorisation with the simplicial L D L' on some 50,000 equations.
//
//   solver_bench --write-building DIR NAME NODES [CASES]
// writes a building as a project (DIR/NAME.KTR and its tables) for timing
// `kestra solve` on it.
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include <benchmark/benchmark.h>

#include "BuildingFrame.h"
#include "NullSink.h"
#include "project/Project.h"
#include "solver/Assembler.h"
#include "solver/Solver.h"
#include "solver/SparseCholesky.h"

namespace {

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

void Assemble(benchmark::State& state)
{
    const solver::Model model = BuildingFrame::WithAbout(static_cast<int>(state.range(0)), 1);
    std::vector<solver::MemberData> members;
    solver::Solver::Check(model, members);
    long long nonZeros = 0;
    for (auto _ : state) {
        solver::Assembler a(model, members);
        a.NumberEquations();
        a.AssembleStiffness();
        nonZeros = a.NonZeros();
        benchmark::DoNotOptimize(a.Stiffness().values);
    }
    state.counters["nodes"] = model.NodeCount();
    state.counters["members"] = model.MemberCount();
    state.counters["nnz_upper"] = static_cast<double>(nonZeros);
    state.counters["peak_MB"] = PeakMegabytes();
}

void Solve(benchmark::State& state)
{
    const solver::Model model = BuildingFrame::WithAbout(static_cast<int>(state.range(0)),
                                                         static_cast<int>(state.range(1)));
    solver::Solver s;
    int equations = 0;
    for (auto _ : state) {
        NullSink sink;
        const solver::SolverStatus status = s.Solve(model, sink);
        if (!status.IsOk()) {
            state.SkipWithError(status.GetMessage().c_str());
            return;
        }
        equations = status.GetEquationCount();
    }
    const solver::Solver::Timing& t = s.LastTiming();
    const solver::LinearSystem::Statistics& f = s.LastStatistics();
    state.SetLabel(f.ordering);
    state.counters["nodes"] = model.NodeCount();
    state.counters["equations"] = equations;
    state.counters["factor_nnz"] = f.factorEntries;
    state.counters["flops"] = f.flops;
    state.counters["Gflops"] = t.factor > 0 ? f.flops / t.factor / 1e9 : 0.0;
    state.counters["assemble_s"] = t.assemble;
    state.counters["analyse_s"] = t.analyse;
    state.counters["factor_s"] = t.factor;
    state.counters["solve_s"] = t.solve;
    state.counters["recover_s"] = t.recover;
    state.counters["peak_MB"] = PeakMegabytes();
}

// Assembly and analysis alone (ordering, factor entries and flops without
// factorising): figures for the biggest frames in seconds.
void Analyse(benchmark::State& state)
{
    const solver::Model model = BuildingFrame::WithAbout(static_cast<int>(state.range(0)), 1);
    std::vector<solver::MemberData> members;
    solver::Solver::Check(model, members);
    solver::LinearSystem::Statistics f;
    int equations = 0;
    for (auto _ : state) {
        solver::Assembler a(model, members);
        a.NumberEquations();
        a.AssembleStiffness();
        equations = a.EquationCount();
        solver::SparseCholesky system;
        if (system.Analyse(a.Stiffness()) != solver::LinearSystem::Outcome::Factorised) {
            state.SkipWithError(system.ErrorText().c_str());
            return;
        }
        f = system.GetStatistics();
    }
    state.SetLabel(f.ordering);
    state.counters["nodes"] = model.NodeCount();
    state.counters["equations"] = equations;
    state.counters["factor_nnz"] = f.factorEntries;
    state.counters["factor_GB"] = f.factorEntries * 8.0 / 1e9;
    state.counters["flops"] = f.flops;
    state.counters["analyse_s"] = f.analyseSeconds;
    state.counters["peak_MB"] = PeakMegabytes();
}

// The same scaled stiffness and loads through both factorisations: the
// largest displacement difference relative to the largest displacement of
// its case. Above 1e-9 the benchmark fails.
void Agreement(benchmark::State& state)
{
    const solver::Model model = BuildingFrame::WithAbout(static_cast<int>(state.range(0)), 3);
    std::vector<solver::MemberData> members;
    solver::Solver::Check(model, members);
    solver::Assembler a(model, members);
    a.NumberEquations();
    a.AssembleStiffness();
    const int neq = a.EquationCount();
    Eigen::VectorXd scale(neq);
    for (int e = 0; e < neq; ++e)
        scale(e) = 1.0 / std::sqrt(a.Diagonal(e));
    a.ScaleStiffness(scale);
    const Eigen::MatrixXd rhs = scale.asDiagonal() * a.LoadVectors();
    double worst = 0.0, simplicialSeconds = 0.0, supernodalSeconds = 0.0;
    for (auto _ : state) {
        Eigen::MatrixXd u[2] = {rhs, rhs};
        const solver::SparseCholesky::Method methods[2] = {
            solver::SparseCholesky::Method::Supernodal, solver::SparseCholesky::Method::Simplicial};
        for (int m = 0; m < 2; ++m) {
            solver::SparseCholesky system(methods[m]);
            using Outcome = solver::LinearSystem::Outcome;
            if (system.Analyse(a.Stiffness()) != Outcome::Factorised ||
                system.Factorise(a.Stiffness(), solver::Solver::PivotTolerance) !=
                    Outcome::Factorised ||
                system.Solve(u[m]) != Outcome::Factorised) {
                state.SkipWithError(system.ErrorText().c_str());
                return;
            }
            (m == 0 ? supernodalSeconds : simplicialSeconds) = system.GetStatistics().factorSeconds;
        }
        worst = 0.0;
        for (int c = 0; c < rhs.cols(); ++c) {
            const Eigen::VectorXd d0 = scale.asDiagonal() * u[0].col(c);
            const Eigen::VectorXd d1 = scale.asDiagonal() * u[1].col(c);
            worst = std::max(worst, (d0 - d1).cwiseAbs().maxCoeff() / d1.cwiseAbs().maxCoeff());
        }
    }
    state.counters["equations"] = neq;
    state.counters["max_rel_diff"] = worst;
    state.counters["supernodal_factor_s"] = supernodalSeconds;
    state.counters["simplicial_factor_s"] = simplicialSeconds;
    if (!(worst <= 1e-9))
        state.SkipWithError("supernodal and simplicial displacements differ by more than 1e-9");
}

// DIR/NAME.KTR and its tables, as the desktop program keeps a project.
int WriteBuilding(const std::string& dir, const std::string& name, int nodes, int cases)
{
    std::filesystem::create_directories(dir);
    const std::string folder = std::filesystem::absolute(dir).lexically_normal().string() + "/";
    const solver::Model m = BuildingFrame::WithAbout(nodes, cases);
    std::ofstream(folder + name + ".KTR", std::ios::binary | std::ios::trunc);
    CProject p;
    p.ResetDefaults();
    p.GetLocation() = folder;
    p.GetName() = name;
    p.GetElementType() = "Frame3D";
    p.GetDof() = 6;
    p.GetNodesPerElement() = 2;
    p.GetNodeCount() = m.NodeCount();
    p.GetElementCount() = m.MemberCount();
    p.GetMaterialCount() = m.properties.GetRows();
    p.GetReleaseCount() = m.releases.GetRows();
    p.GetLoadCaseCount() = m.LoadCaseCount();
    p.GetActiveLoadCase() = 1;
    p.GetSolution() = 0;
    p.Settings(true);
    const std::string base = folder + name;
    bool ok = m.nodes.Save(base + ".nod") && m.members.Save(base + ".ele") &&
              m.properties.Save(base + ".pro") && m.releases.Save(base + ".res");
    for (int k = 1; k <= m.LoadCaseCount(); ++k)
        ok = ok && m.loadCases[k - 1].Save(base + ".lod" + std::to_string(k));
    std::cout << base << ".KTR: " << m.NodeCount() << " nodes, " << m.MemberCount()
              << " members, " << m.LoadCaseCount() << " load cases\n";
    return ok ? 0 : 1;
}

} // namespace

BENCHMARK(Assemble)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Analyse)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(Solve)
    ->Args({1000, 1})
    ->Args({1000, 10})
    ->Args({10000, 1})
    ->Args({10000, 10})
    ->Unit(benchmark::kMillisecond);
// 21^3 nodes: 52,920 equations.
BENCHMARK(Agreement)->Arg(9261)->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char** argv)
{
    if (argc >= 5 && std::string(argv[1]) == "--write-building")
        return WriteBuilding(argv[2], argv[3], std::atoi(argv[4]), argc > 5 ? std::atoi(argv[5]) : 3);
    // The 100,000-node solve factorises some 8e12 flops into about 10 GB:
    // minutes on two cores. It runs only when asked for.
    const char* huge = std::getenv("KESTRA_BENCH_HUGE");
    if (huge && *huge == '1')
        benchmark::RegisterBenchmark("Solve/100000/1", Solve)
            ->Args({100000, 1})
            ->Iterations(1)
            ->Unit(benchmark::kSecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
