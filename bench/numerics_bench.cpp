// Row editing and table files on tables of 100,000 rows (the size of a large
// node table). Editing operations are timed alone (manual time) and undone
// outside the timed region so that every iteration sees the same table.
#include <chrono>
#include <cstdio>
#include <string>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include "numerics/dMatrix.h"

namespace {

const int kRows = 100000;
const int kCols = 9;

CdMatrix Table(int rows)
{
    CdMatrix m(rows, kCols);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= kCols; ++j)
            m(i, j) = i + 0.1 * j;
    return m;
}

template <class Op, class Undo>
void Timed(benchmark::State& state, Op op, Undo undo)
{
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        op();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        undo();
    }
}

void BM_AppendRows(benchmark::State& state)
{
    CdMatrix m = Table(kRows);
    const CdMatrix more = Table(static_cast<int>(state.range(0)));
    Timed(
        state, [&] { m.AppendRows(more); },
        [&] {
            for (int k = 0; k < more.GetRows(); ++k)
                m.DeleteRow(m.GetRows());
        });
    state.SetLabel("onto 100000x9");
}
BENCHMARK(BM_AppendRows)->Arg(1)->Arg(kRows)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_InsertRowFirst(benchmark::State& state)
{
    CdMatrix m = Table(kRows);
    const CdVector row = m.GetRow(7);
    Timed(
        state, [&] { m.InsertRow(1, row); }, [&] { m.DeleteRow(1); });
}
BENCHMARK(BM_InsertRowFirst)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_DeleteRowFirst(benchmark::State& state)
{
    CdMatrix m = Table(kRows);
    const CdVector row = m.GetRow(1);
    Timed(
        state, [&] { m.DeleteRow(1); }, [&] { m.InsertRow(1, row); });
}
BENCHMARK(BM_DeleteRowFirst)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_DeleteRowMiddle(benchmark::State& state)
{
    CdMatrix m = Table(kRows);
    const CdVector row = m.GetRow(kRows / 2);
    Timed(
        state, [&] { m.DeleteRow(kRows / 2); }, [&] { m.InsertRow(kRows / 2, row); });
}
BENCHMARK(BM_DeleteRowMiddle)->UseManualTime()->Unit(benchmark::kMicrosecond);

std::string TempPath()
{
    return "/tmp/numerics_bench_" + std::to_string(getpid()) + ".tab";
}

void BM_Save(benchmark::State& state)
{
    const CdMatrix m = Table(kRows);
    const std::string path = TempPath();
    for (auto _ : state)
        benchmark::DoNotOptimize(m.Save(path));
    state.SetBytesProcessed(state.iterations() * (8 + (int64_t(kRows) * kCols + 1) * 8));
    std::remove(path.c_str());
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state)
{
    const std::string path = TempPath();
    Table(kRows).Save(path);
    CdMatrix m;
    for (auto _ : state)
        benchmark::DoNotOptimize(m.Load(path));
    state.SetBytesProcessed(state.iterations() * (8 + (int64_t(kRows) * kCols + 1) * 8));
    std::remove(path.c_str());
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

void BM_SortByColumn(benchmark::State& state)
{
    CdMatrix base = Table(kRows);
    for (int i = 1; i <= kRows; ++i)
        base(i, 2) = (i * 7919) % 97; // many equal keys
    for (auto _ : state) {
        CdMatrix m = base;
        m.SortByColumn(2);
        benchmark::DoNotOptimize(m.GetData());
    }
}
BENCHMARK(BM_SortByColumn)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
