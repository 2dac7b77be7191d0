// Node table commands on a large model: 100,000 nodes, 200,000 members.
// Delete of 1,000 selected rows renumbers every member end once (a pass
// over the members with the closed form of the one-by-one renumbering) and
// moves the node rows after the block once; the one-by-one deletion is
// measured beside it for comparison. Paste appends 10,000 copied rows.
// The page variants include what the command does around the algorithm:
// the model view's node update (labels, counts written) and the refill.
#include "numerics/dMatrix.h"
#include "platform/Profile.h"
#include "tables/MSFlexGrid.h"
#include "tables/node/NodePage1.h"
#include "tables/node/NodeTableWorker.h"
#include "view/Geometry.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int kNodes = 100000;
constexpr int kMembers = 200000;
constexpr int kDeleted = 1000;
constexpr int kPasted = 10000;

CdMatrix NodeTable(int rows)
{
    CdMatrix table(rows, 9);
    for (int i = 1; i <= rows; ++i) {
        table(i, 1) = (i % 100) * 3.0;
        table(i, 2) = (i / 100) * 3.0;
        table(i, 3) = (i % 7) * 0.5;
        for (int j = 4; j <= 9; ++j)
            table(i, j) = 1.0;
    }
    return table;
}

// Two members per node: to the next node and to the node 100 further on.
CdMatrix MemberTable(int members, int nodes)
{
    CdMatrix table(members, 8);
    for (int i = 1; i <= members; ++i) {
        const int a = (i + 1) / 2;
        table(i, 1) = a;
        table(i, 2) = (i % 2 == 1 ? a + 1 : a + 100 - 1) % nodes + 1;
        table(i, 7) = 1;
    }
    return table;
}

void DeleteOneByOne(CdMatrix& nodes, CdMatrix& members, int first, int last)
{
    for (int k = last; k >= first; --k) {
        for (int i = 1; i <= members.GetRows(); ++i)
            for (int j = 1; j <= 2; ++j) {
                double& end = members(i, j);
                if (end == k)
                    end = 0;
                else if (end > k)
                    end -= 1;
            }
        nodes.DeleteRow(k);
    }
}

const CdMatrix& Nodes()
{
    static const CdMatrix nodes = NodeTable(kNodes);
    return nodes;
}

const CdMatrix& Members()
{
    static const CdMatrix members = MemberTable(kMembers, kNodes);
    return members;
}

void BM_NodeDeleteOnePass(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        CdMatrix nodes = Nodes();
        CdMatrix members = Members();
        state.ResumeTiming();
        NodeTableWorker::DeleteNodeRows(nodes, members, 50001, 50000 + kDeleted);
        benchmark::DoNotOptimize(members(1, 1));
    }
}
BENCHMARK(BM_NodeDeleteOnePass)->Unit(benchmark::kMillisecond);

void BM_NodeDeleteOneByOne(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        CdMatrix nodes = Nodes();
        CdMatrix members = Members();
        state.ResumeTiming();
        DeleteOneByOne(nodes, members, 50001, 50000 + kDeleted);
        benchmark::DoNotOptimize(members(1, 1));
    }
}
BENCHMARK(BM_NodeDeleteOneByOne)->Unit(benchmark::kMillisecond)->Iterations(2);

// The page's Delete command: the algorithm, UpdateNode and the refill.
void BM_NodeDeletePage(benchmark::State& state)
{
    CGeometry geometry;
    CNodePage1 page;
    page.SetGeometry(&geometry);
    page.resize(500, 600);
    for (auto _ : state) {
        state.PauseTiming();
        geometry.m_nodeTable = Nodes();
        geometry.m_memberTable = Members();
        page.UpdateTable();
        geometry.m_selNodeFrom = 50001;
        geometry.m_selNodeTo = 50000 + kDeleted;
        state.ResumeTiming();
        page.OnDelete();
        benchmark::DoNotOptimize(geometry.m_nodeTable.GetRows());
    }
}
BENCHMARK(BM_NodeDeletePage)->Unit(benchmark::kMillisecond);

// Paste of 10,000 copied rows: the worker (append, offsets, UpdateNode).
void BM_NodePasteWorker(benchmark::State& state)
{
    CGeometry geometry;
    NodeTableWorker worker(&geometry);
    geometry.m_nodeTable = Nodes();
    geometry.m_selNodeFrom = 1;
    geometry.m_selNodeTo = kPasted;
    worker.Copy();
    for (auto _ : state) {
        state.PauseTiming();
        geometry.m_nodeTable = Nodes();
        geometry.m_memberTable = Members();
        state.ResumeTiming();
        worker.Paste(0.0, 0.0, 3.0);
        benchmark::DoNotOptimize(geometry.m_nodeTable.GetRows());
    }
}
BENCHMARK(BM_NodePasteWorker)->Unit(benchmark::kMillisecond);

// The page's Paste with its refill of the grid.
void BM_NodePastePage(benchmark::State& state)
{
    CGeometry geometry;
    CNodePage1 page;
    page.SetGeometry(&geometry);
    page.resize(500, 600);
    geometry.m_nodeTable = Nodes();
    geometry.m_selNodeFrom = 1;
    geometry.m_selNodeTo = kPasted;
    page.OnCopy();
    for (auto _ : state) {
        state.PauseTiming();
        geometry.m_nodeTable = Nodes();
        geometry.m_memberTable = Members();
        page.UpdateTable();
        state.ResumeTiming();
        page.PasteWithOffset(0.0, 0.0, 3.0);
        benchmark::DoNotOptimize(geometry.m_nodeTable.GetRows());
    }
}
BENCHMARK(BM_NodePastePage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Headless, with a settings file of its own in a temp folder.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("KESTRA_NO_VIEWER", "1", 0);
    char folder[] = "/tmp/kestra-node-bench-XXXXXX";
    const char* made = mkdtemp(folder);
    const std::string dir = made ? std::string(made) + "/" : std::string("/tmp/");
    setenv("KESTRA_INI", (dir + "KESTRA.INI").c_str(), 1);
    platform::Profile::WriteString("KESTRA ", "File location ", dir);
    platform::Profile::WriteString("KESTRA ", "Project name ", "bench");
    platform::Profile::WriteString("KESTRA ", "Element Type ", "Frame3D");
    platform::Profile::WriteString("KESTRA ", "DOF ", "6");
    platform::Profile::WriteString("KESTRA ", "Current Length ", "m");

    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
