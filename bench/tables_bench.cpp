// UpdateTable of a node-coordinate-like page on long tables: clear, set the
// counts and the header, fill the rows around the scroll position. With
// the windowed fill the cost of a refill must not grow with the row count;
// only the first fill pays for creating the rows.
#include "numerics/dMatrix.h"
#include "tables/GridEditing.h"
#include "tables/MSFlexGrid.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

CdMatrix NodeTable(int rows)
{
    CdMatrix table(rows, 9);
    for (int i = 1; i <= rows; ++i) {
        table(i, 1) = i * 0.5;
        table(i, 2) = i * 0.25;
        table(i, 3) = -i * 0.125;
        for (int j = 4; j <= 9; ++j)
            table(i, j) = 1.0;
    }
    return table;
}

// What a table page's UpdateTable does with its grid.
void UpdateTable(CMSFlexGrid& grid, const CdMatrix& table)
{
    const int count = table.GetRows();
    grid.Clear();
    grid.SetRows(count + 1);
    grid.SetCols(4);
    grid.SetTextMatrix(0, 0, " node ");
    grid.SetTextMatrix(0, 1, "  X (m)");
    grid.SetTextMatrix(0, 2, "  Y (m)");
    grid.SetTextMatrix(0, 3, "  Z (m)");
    for (long col = 1; col <= 3; ++col)
        grid.SetColWidth(col, count <= 27 ? 850 : 780);
    const GridEditing::Window window = GridEditing::FillWindow(grid.GetScrollPos(), count);
    for (long row = window.first; row <= window.last; ++row) {
        grid.SetTextMatrix(row, 0, GridEditing::Format("%ld", row));
        for (int col = 1; col <= 3; ++col)
            grid.SetTextMatrix(row, col, GridEditing::Format("%.3f", table(static_cast<int>(row), col)));
    }
}

// Refill of a grid that already has the table's rows, scrolled to the middle.
void BM_UpdateTableRefill(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const CdMatrix table = NodeTable(rows);
    CMSFlexGrid grid;
    grid.resize(500, 600);
    UpdateTable(grid, table);
    grid.SetTopRow(rows / 2);
    for (auto _ : state) {
        UpdateTable(grid, table);
        benchmark::DoNotOptimize(grid.GetTextMatrix(rows / 2, 1));
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_UpdateTableRefill)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// First fill: the grid grows from its initial two rows to the table's rows.
void BM_UpdateTableFirstFill(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const CdMatrix table = NodeTable(rows);
    CMSFlexGrid grid;
    grid.resize(500, 600);
    for (auto _ : state) {
        state.PauseTiming();
        grid.Clear();
        grid.SetRows(2);
        state.ResumeTiming();
        UpdateTable(grid, table);
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_UpdateTableFirstFill)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
