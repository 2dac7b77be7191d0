// The member commands that look node copies up in the node table: paste
// (exact match), mirror Copy and rotate Copy (tolerant match), each with a
// clipboard of 10,000 members in a model of 100,000 nodes. The node lookup
// goes through a hash of the coordinates, so the cost grows with
// clipboard + nodes, not clipboard x nodes; the scan variant shows what a
// lookup by a full scan of the table would cost on a smaller model.
#include "platform/Profile.h"
#include "tables/element/MemberTableWorker.h"
#include "tables/element/NodeIndex.h"
#include "view/Geometry.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

// nx x ny x nz free nodes one metre apart; members join neighbours along X
// row by row, `members` of them.
void BuildModel(CGeometry& geometry, int nx, int ny, int nz, int members)
{
    CdMatrix nodes(nx * ny * nz, 9);
    int n = 0;
    for (int k = 0; k < nz; ++k)
        for (int j = 0; j < ny; ++j)
            for (int i = 0; i < nx; ++i) {
                ++n;
                nodes(n, 1) = i;
                nodes(n, 2) = j;
                nodes(n, 3) = k;
                for (int c = 4; c <= 9; ++c)
                    nodes(n, c) = 1.0;
            }
    CdMatrix table(members, 8);
    int m = 0;
    for (int start = 1; m < members && start < n; ++start) {
        if (start % nx == 0)
            continue; // the last node of a row
        ++m;
        table(m, 1) = start;
        table(m, 2) = start + 1;
        table(m, 7) = 1;
    }
    geometry.m_nodeTable = nodes;
    geometry.m_memberTable = table;
    geometry.m_selMemberFrom = 1;
    geometry.m_selMemberTo = members;
}

struct Model {
    Model(int nx, int ny, int nz, int members)
    {
        geometry = std::make_unique<CGeometry>();
        BuildModel(*geometry, nx, ny, nz, members);
        nodes = geometry->m_nodeTable;
        table = geometry->m_memberTable;
    }
    void Reset()
    {
        geometry->m_nodeTable = nodes;
        geometry->m_memberTable = table;
        geometry->m_selMemberFrom = 1;
        geometry->m_selMemberTo = table.GetRows();
    }
    std::unique_ptr<CGeometry> geometry;
    CdMatrix nodes;
    CdMatrix table;
};

// Paste 10,000 members nine metres up: the members of layer 0 land on the
// nodes of layer 9, those of layer 1 on new nodes appended above the model.
void BM_Paste10kMembers(benchmark::State& state)
{
    Model model(100, 100, 10, 10000);
    for (auto _ : state) {
        state.PauseTiming();
        model.Reset();
        MemberTableWorker worker(model.geometry.get());
        worker.Copy();
        state.ResumeTiming();
        benchmark::DoNotOptimize(worker.Paste(0, 0, 9));
    }
    state.counters["nodes"] = model.geometry->m_nodeTable.GetRows();
}
BENCHMARK(BM_Paste10kMembers)->Unit(benchmark::kMillisecond);

// Mirror Copy in x = 49.5: every reflected node is an existing one.
void BM_MirrorCopy10kMembers(benchmark::State& state)
{
    Model model(100, 100, 10, 10000);
    for (auto _ : state) {
        state.PauseTiming();
        model.Reset();
        MemberTableWorker worker(model.geometry.get());
        state.ResumeTiming();
        worker.Mirror(MemberTableWorker::AxisX, 49.5, MemberTableWorker::ModeCopy);
    }
    state.counters["nodes"] = model.geometry->m_nodeTable.GetRows();
}
BENCHMARK(BM_MirrorCopy10kMembers)->Unit(benchmark::kMillisecond);

// Rotate Copy by 90 degrees about Z through (49.5, 49.5, 0): the grid
// turns onto itself within the tolerance.
void BM_RotateCopy10kMembers(benchmark::State& state)
{
    Model model(100, 100, 10, 10000);
    const double k[4] = {0, 49.5, 49.5, 0};
    for (auto _ : state) {
        state.PauseTiming();
        model.Reset();
        MemberTableWorker worker(model.geometry.get());
        state.ResumeTiming();
        worker.Rotate(MemberTableWorker::AxisZ, k, 90 * MemberTableWorker::kPi / 180, MemberTableWorker::ModeCopy);
    }
    state.counters["nodes"] = model.geometry->m_nodeTable.GetRows();
}
BENCHMARK(BM_RotateCopy10kMembers)->Unit(benchmark::kMillisecond);

// What the tolerant lookup of one node copy costs by a full scan of the
// table (the rule NodeIndex answers without scanning), per lookup.
void BM_TolerantScanPerLookup(benchmark::State& state)
{
    Model model(100, 100, 10, 1);
    const CdMatrix& nodes = model.geometry->m_nodeTable;
    double probe[10] = {0, 12, 34, 5, 1, 1, 1, 1, 1, 1};
    for (auto _ : state) {
        int found = 0;
        for (int r = 1; r <= nodes.GetRows(); ++r)
            if (NodeIndex::TolerantMatch(nodes.GetData()[r], probe, 9))
                found = r;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_TolerantScanPerLookup)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    char folder[] = "/tmp/kestra-element-bench-XXXXXX";
    if (mkdtemp(folder)) {
        const std::string ini = std::string(folder) + "/KESTRA.INI";
        setenv("KESTRA_INI", ini.c_str(), 1);
        platform::Profile::WriteString("KESTRA ", "File location ", std::string(folder) + "/");
        platform::Profile::WriteString("KESTRA ", "Project name ", "bench");
        platform::Profile::WriteString("KESTRA ", "Element Type ", "Frame3D");
        platform::Profile::WriteString("KESTRA ", "DOF ", "6");
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
