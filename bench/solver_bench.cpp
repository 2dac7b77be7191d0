// Time to assemble, factorise and solve regular building frames of about
// 1,000, 10,000 and 100,000 nodes with one and ten load cases, and the peak
// resident memory of the process so far (ru_maxrss). Sizes run smallest
// first, so each peak belongs to the largest model solved up to then.
#include <sys/resource.h>

#include <cstdlib>

#include <Eigen/SparseCholesky>
#include <benchmark/benchmark.h>

#include "BuildingFrame.h"
#include "solver/Assembler.h"
#include "solver/Solver.h"

namespace {

// Takes the results and drops them: the bench measures the solver, not the disk.
class NullSink : public solver::ResultSink {
public:
    bool Begin(int, int, int, int) override { return true; }
    bool WriteAxes(int, const Eigen::Matrix3d&) override { return true; }
    bool WriteCase(int, const solver::CaseResult& r) override
    {
        benchmark::DoNotOptimize(r.memberForces.GetData());
        return true;
    }
    bool Finish() override { return true; }
};

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

// Symbolic factorisation of the node graph in the solver's own order:
// estimates the factor's size and the factorisation's flops without
// computing it, so the biggest frames get figures too.
class NodeGraphAnalysis
    : public Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>, Eigen::Lower, Eigen::AMDOrdering<int>> {
public:
    const Eigen::VectorXi& BelowDiagonalCounts() const { return m_nonZerosPerCol; }
};

void Analyse(benchmark::State& state)
{
    const solver::Model model = BuildingFrame::WithAbout(static_cast<int>(state.range(0)), 1);
    const int n = model.NodeCount();
    double entries = 0.0, flops = 0.0;
    for (auto _ : state) {
        std::vector<Eigen::Triplet<double>> t;
        for (int i = 0; i < n; ++i)
            t.emplace_back(i, i, 1.0);
        for (int k = 1; k <= model.MemberCount(); ++k) {
            const int a = static_cast<int>(model.members(k, 1)) - 1;
            const int b = static_cast<int>(model.members(k, 2)) - 1;
            t.emplace_back(std::max(a, b), std::min(a, b), 1.0);
        }
        Eigen::SparseMatrix<double> graph(n, n);
        graph.setFromTriplets(t.begin(), t.end());
        NodeGraphAnalysis analysis;
        analysis.analyzePattern(graph);
        entries = flops = 0.0;
        // Each node column stands for 6 equation columns of 6 c + (0..5) rows.
        for (int j = 0; j < n; ++j) {
            const double rows = 6.0 * analysis.BelowDiagonalCounts()[j] + 3.0;
            entries += 6.0 * rows;
            flops += 6.0 * rows * rows;
        }
    }
    state.counters["nodes"] = n;
    state.counters["factor_entries"] = entries;
    state.counters["factor_GB"] = entries * 12.0 / 1e9; // value + row index
    state.counters["factor_flops"] = flops;
}

void Solve(benchmark::State& state)
{
    const solver::Model model = BuildingFrame::WithAbout(static_cast<int>(state.range(0)),
                                                         static_cast<int>(state.range(1)));
    solver::Solver s;
    solver::Solver::Timing t;
    int equations = 0;
    for (auto _ : state) {
        NullSink sink;
        const solver::SolverStatus status = s.Solve(model, sink);
        if (!status.IsOk()) {
            state.SkipWithError(status.GetMessage().c_str());
            break;
        }
        equations = status.GetEquationCount();
        t = s.LastTiming();
    }
    state.counters["nodes"] = model.NodeCount();
    state.counters["equations"] = equations;
    state.counters["assemble_s"] = t.assemble;
    state.counters["factor_s"] = t.factor;
    state.counters["solve_s"] = t.solve;
    state.counters["recover_s"] = t.recover;
    state.counters["peak_MB"] = PeakMegabytes();
}

} // namespace

BENCHMARK(Assemble)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Analyse)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(Solve)
    ->Args({1000, 1})
    ->Args({1000, 10})
    ->Args({10000, 1})
    ->Args({10000, 10})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // The 100,000-node solves factorise about 1e13 flops into some 14 GB:
    // hours on one core. They run only when asked for.
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
