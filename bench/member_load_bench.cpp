// Solve time of a building frame with node loads only (variant 0), with a
// uniform load along global -Y and self weight on every member of every
// case (1), and with two combinations added (2). The stages come from
// Solver::LastTiming: member loads cost in the assembly (equivalent nodal
// loads) and the recovery (fixed-end and section forces).
#include <benchmark/benchmark.h>

#include "BuildingFrame.h"
#include "NullSink.h"
#include "solver/MemberLoad.h"
#include "solver/Solver.h"

namespace {

solver::Model Loaded(int nodes, int cases, int variant)
{
    solver::Model model = BuildingFrame::WithAbout(nodes, cases);
    if (variant == 0)
        return model;
    const int m = model.MemberCount();
    for (int c = 0; c < cases; ++c) {
        CdMatrix t(2 * m, solver::MemberLoad::Columns);
        for (int k = 1; k <= m; ++k) {
            const double row1[7] = {double(k), 1, 5, 0, 0, -1500.0, 0};
            const double row2[7] = {double(k), 4, 5, 0, 0, -7850.0, 0};
            for (int j = 0; j < 7; ++j) {
                t(2 * k - 1, j + 1) = row1[j];
                t(2 * k, j + 1) = row2[j];
            }
        }
        model.memberLoads.push_back(t);
    }
    if (variant == 2) {
        model.combinations.SetSize(2, cases);
        for (int c = 1; c <= cases; ++c) {
            model.combinations(1, c) = c == 1 ? 1.35 : 1.5;
            model.combinations(2, c) = 1.0;
        }
    }
    return model;
}

void Solve(benchmark::State& state)
{
    const solver::Model model = Loaded(static_cast<int>(state.range(0)), 3,
                                       static_cast<int>(state.range(1)));
    solver::Solver s;
    solver::Solver::Timing t;
    for (auto _ : state) {
        NullSink sink;
        const solver::SolverStatus status = s.Solve(model, sink);
        if (!status.IsOk()) {
            state.SkipWithError(status.GetMessage().c_str());
            break;
        }
        t = s.LastTiming();
    }
    state.counters["nodes"] = model.NodeCount();
    state.counters["members"] = model.MemberCount();
    state.counters["records"] = model.RecordCount();
    state.counters["assemble_s"] = t.assemble;
    state.counters["factor_s"] = t.factor;
    state.counters["recover_s"] = t.recover;
}

} // namespace

BENCHMARK(Solve)
    ->ArgsProduct({{1000}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
