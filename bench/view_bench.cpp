// Model view timings: the renumbering clean-ups against the plain loops they
// replace, and building the node and member display lists of a large model
// on the offscreen surface.
//
//   ./bench/view_bench --benchmark_min_time=0.2
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "numerics/RecordSet.h"
#include "support/RenumberReference.h"
#include "platform/Profile.h"
#include "view/EglSurface.h"
#include "view/Geometry.h"

namespace {

// Every case writes its counts into a settings file of its own.
void UseTempSettings()
{
    static std::string ini;
    if (ini.empty()) {
        char pattern[] = "/tmp/kestra-view-bench-XXXXXX";
        const char* dir = mkdtemp(pattern);
        ini = std::string(dir ? dir : "/tmp") + "/KESTRA.INI";
    }
    setenv("KESTRA_INI", ini.c_str(), 1);
}

// A lattice frame of `n` nodes at 1 m spacing, every tenth node a near copy
// (within 0.00003) of an earlier one, every 50th node left unconnected, and
// about 2n members between lattice neighbours, with a few repeated and
// reversed duplicates and some members naming node 0 or joining a node to
// itself.
struct Model {
    CdMatrix nodes;
    CdMatrix members;
};

Model MakeModel(int n, int m)
{
    std::mt19937 rng(7);
    Model model;
    model.nodes.SetSize(n, 9);
    const int side = static_cast<int>(std::cbrt(static_cast<double>(n))) + 1;
    for (int i = 1; i <= n; ++i) {
        const int k = i - 1;
        double x = k % side, y = (k / side) % side, z = k / (side * side);
        if (i % 10 == 0 && i > 10) {
            const int src = 1 + static_cast<int>(rng() % static_cast<unsigned>(i - 1));
            x = model.nodes(src, 1) + 0.00003;
            y = model.nodes(src, 2);
            z = model.nodes(src, 3) - 0.00002;
        }
        model.nodes(i, 1) = x;
        model.nodes(i, 2) = y;
        model.nodes(i, 3) = z;
        for (int c = 4; c <= 9; ++c)
            model.nodes(i, c) = (i % 97 == 0) ? 0.0 : 1.0;
    }
    model.members.SetSize(m, 8);
    for (int k = 1; k <= m; ++k) {
        int a = 1 + static_cast<int>(rng() % static_cast<unsigned>(n));
        if (a % 50 == 0)
            a = a == 1 ? 2 : a - 1;
        int b = a + ((rng() % 2) ? 1 : side);
        if (b > n || b % 50 == 0)
            b = a > 1 ? a - 1 : a + 1;
        const unsigned pick = rng() % 100;
        if (pick == 0)
            b = 0;
        else if (pick == 1)
            b = a;
        else if (pick < 5 && k > 1) {
            a = static_cast<int>(model.members(k - 1, 2));
            b = static_cast<int>(model.members(k - 1, 1));
        }
        model.members(k, 1) = a;
        model.members(k, 2) = b;
        model.members(k, 3) = 1.0;
        model.members(k, 7) = 1 + (k % 4);
    }
    return model;
}

// ---- Renumbering ----------------------------------------------------------

// The whole node command: merge, remove unconnected nodes, UpdateNode
// (labels, node count written to the settings file; no GL context current).
void BM_ReNumberNode(benchmark::State& state)
{
    UseTempSettings();
    const int n = static_cast<int>(state.range(0));
    const Model model = MakeModel(n, 2 * n);
    CGeometry geo;
    for (auto _ : state) {
        state.PauseTiming();
        geo.m_nodeTable = model.nodes;
        geo.m_memberTable = model.members;
        state.ResumeTiming();
        geo.ReNumberNode(true);
        benchmark::DoNotOptimize(geo.m_nodeTable.GetRows());
    }
    state.counters["nodes_left"] = geo.m_nodeTable.GetRows();
}
BENCHMARK(BM_ReNumberNode)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ReNumberMember(benchmark::State& state)
{
    UseTempSettings();
    const int m = static_cast<int>(state.range(0));
    const Model model = MakeModel(m / 2, m);
    CGeometry geo;
    geo.m_nodeTable = model.nodes;
    for (auto _ : state) {
        state.PauseTiming();
        geo.m_memberTable = model.members;
        state.ResumeTiming();
        geo.ReNumberMember();
        benchmark::DoNotOptimize(geo.m_memberTable.GetRows());
    }
    state.counters["members_left"] = geo.m_memberTable.GetRows();
}
BENCHMARK(BM_ReNumberMember)->Arg(200000)->Unit(benchmark::kMillisecond);

// Fast and plain node clean-up on the same small model.
void BM_NodeCleanUpFast(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Model model = MakeModel(n, 2 * n);
    for (auto _ : state) {
        CdMatrix nodes = model.nodes, members = model.members;
        CGeometry::MergeCoincidentNodeEnds(nodes, members);
        CGeometry::RemoveUnconnectedNodes(nodes, members);
        benchmark::DoNotOptimize(nodes.GetRows());
    }
}
BENCHMARK(BM_NodeCleanUpFast)->Arg(2000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_NodeCleanUpNaive(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Model model = MakeModel(n, 2 * n);
    for (auto _ : state) {
        CdMatrix nodes = model.nodes, members = model.members;
        reference::MergeCoincident(nodes, members);
        reference::RemoveUnconnected(nodes, members);
        benchmark::DoNotOptimize(nodes.GetRows());
    }
}
BENCHMARK(BM_NodeCleanUpNaive)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_MemberCleanUpFast(benchmark::State& state)
{
    const int m = static_cast<int>(state.range(0));
    const Model model = MakeModel(m / 2, m);
    for (auto _ : state) {
        CdMatrix members = model.members;
        CGeometry::RemoveDuplicateMembers(members);
        benchmark::DoNotOptimize(members.GetRows());
    }
}
BENCHMARK(BM_MemberCleanUpFast)->Arg(4000)->Arg(200000)->Unit(benchmark::kMillisecond);

void BM_MemberCleanUpNaive(benchmark::State& state)
{
    const int m = static_cast<int>(state.range(0));
    const Model model = MakeModel(m / 2, m);
    for (auto _ : state) {
        CdMatrix members = model.members;
        reference::RemoveDuplicateMembers(members);
        benchmark::DoNotOptimize(members.GetRows());
    }
}
BENCHMARK(BM_MemberCleanUpNaive)->Arg(4000)->Unit(benchmark::kMillisecond);

// ---- Display lists ------------------------------------------------------------

// Lists 1 and 2 (RenderNode) and 4 and 5 (RenderMember) of a model with
// 200,000 members, compiled on the offscreen surface.
void BM_BuildNodeAndMemberLists(benchmark::State& state)
{
    UseTempSettings();
    if (!platform::EglSurface::DisplayAvailable()) {
        state.SkipWithError("no EGL display for an offscreen context");
        return;
    }
    platform::EglSurface surface(256, 256);
    CGeometry geo;
    geo.OnCreate(&surface);
    if (geo.m_hRC == nullptr || glGetString(GL_VERSION) == nullptr) {
        state.SkipWithError("no offscreen OpenGL context");
        return;
    }
    geo.OnSize(0, 256, 256);
    const int m = static_cast<int>(state.range(0));
    const Model model = MakeModel(m / 2, m);
    geo.m_nodeTable = model.nodes;
    geo.m_memberTable = model.members;
    geo.UpdateNode();
    geo.UpdateMember();
    for (auto _ : state) {
        geo.RenderNode();
        geo.RenderMember();
        glFinish();
    }
    geo.OnDestroy();
}
BENCHMARK(BM_BuildNodeAndMemberLists)->Arg(200000)->Unit(benchmark::kMillisecond);

// The force diagrams of a row of members, straight from the end forces
// (UpdateMemberForec) or through the 21 stations (UpdateMemberStations),
// with all six components shown or only Mz (what the window builds: the
// component on screen). The solver's "dcos" file holds the local axes of
// every member.
void DiagramBench(benchmark::State& state, bool stations, bool allSix)
{
    UseTempSettings();
    if (!platform::EglSurface::DisplayAvailable()) {
        state.SkipWithError("no EGL display for an offscreen context");
        return;
    }
    const int m = static_cast<int>(state.range(0));
    const std::string ini = std::getenv("KESTRA_INI");
    const std::string folder = ini.substr(0, ini.size() - std::string("KESTRA.INI").size());
    platform::Profile::WriteString("KESTRA ", "File location ", folder);
    platform::Profile::WriteString("KESTRA ", "DOF ", "6");
    platform::Profile::WriteString("KESTRA ", "Element Type ", "Frame3D");
    for (const char* c : {"Fx", "Fy", "Fz", "Mx", "My", "Mz"}) {
        const bool shown = allSix || std::string(c) == "Mz";
        platform::Profile::WriteString("OPTION", std::string("Member ") + c + " show", shown ? "1" : "0");
        platform::Profile::WriteString("OPTION", std::string("Subdivisions ") + c, "20");
    }
    {
        // One record per member: axis 1 along X, 2 along Y, 3 along Z.
        CdMatrix axes(3, 3);
        axes(1, 1) = axes(2, 2) = axes(3, 3) = 1.0;
        std::FILE* f = std::fopen((folder + "dcos").c_str(), "wb");
        const std::int32_t header[2] = {3, 3};
        std::fwrite(header, sizeof header[0], 2, f);
        for (int k = 1; k <= m; ++k)
            std::fwrite(axes.GetData()[0], sizeof(double), 10, f);
        std::fclose(f);
    }
    platform::EglSurface surface(256, 256);
    CGeometry geo;
    geo.OnCreate(&surface);
    if (geo.m_hRC == nullptr || glGetString(GL_VERSION) == nullptr) {
        state.SkipWithError("no offscreen OpenGL context");
        return;
    }
    geo.OnSize(0, 256, 256);
    geo.m_nodeTable.SetSize(m + 1, 9);
    for (int i = 1; i <= m + 1; ++i)
        geo.m_nodeTable(i, 1) = i - 1;
    geo.m_memberTable.SetSize(m, 8);
    CdMatrix forces(m, 12);
    CdMatrix sections(stations ? m * CGeometry::kStations : 1, 6);
    for (int k = 1; k <= m; ++k) {
        geo.m_memberTable(k, 1) = k;
        geo.m_memberTable(k, 2) = k + 1;
        for (int c = 1; c <= 12; ++c)
            forces(k, c) = 1.0 + (k * 7 + c) % 13;
        for (int s = 1; stations && s <= CGeometry::kStations; ++s)
            for (int c = 1; c <= 6; ++c)
                sections((k - 1) * CGeometry::kStations + s, c) = forces(k, c) + s * (s - 21) * 0.01;
    }
    for (auto _ : state) {
        if (stations) {
            geo.UpdateDiagramLabels(forces);
            geo.UpdateMemberStations(sections);
        } else {
            geo.UpdateMemberForec(forces);
        }
        glFinish();
    }
    geo.OnDestroy();
}

void BM_UpdateMemberForec(benchmark::State& state) { DiagramBench(state, false, true); }
BENCHMARK(BM_UpdateMemberForec)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
void BM_StationDiagramsAllSix(benchmark::State& state) { DiagramBench(state, true, true); }
BENCHMARK(BM_StationDiagramsAllSix)->Arg(100000)->Unit(benchmark::kMillisecond);
void BM_StationDiagramOnScreen(benchmark::State& state) { DiagramBench(state, true, false); }
BENCHMARK(BM_StationDiagramOnScreen)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Reading the local axes of every member: one LoadRecord (one open) per
// member against one RecordSet read of the whole file.
std::string WriteAxesFile(int m)
{
    UseTempSettings();
    const std::string ini = std::getenv("KESTRA_INI");
    const std::string path = ini.substr(0, ini.size() - std::string("KESTRA.INI").size()) + "dcos";
    CdMatrix axes(3, 3);
    axes(1, 1) = axes(2, 2) = axes(3, 3) = 1.0;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    const std::int32_t header[2] = {3, 3};
    std::fwrite(header, sizeof header[0], 2, f);
    for (int k = 1; k <= m; ++k)
        std::fwrite(axes.GetData()[0], sizeof(double), 10, f);
    std::fclose(f);
    return path;
}

void BM_MemberAxesPerRecord(benchmark::State& state)
{
    const int m = static_cast<int>(state.range(0));
    const std::string path = WriteAxesFile(m);
    for (auto _ : state) {
        double sum = 0;
        CdMatrix axes;
        for (int k = 1; k <= m; ++k) {
            axes.LoadRecord(k, path);
            sum += axes(2, 2);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_MemberAxesPerRecord)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_MemberAxesOneRead(benchmark::State& state)
{
    const int m = static_cast<int>(state.range(0));
    const std::string path = WriteAxesFile(m);
    for (auto _ : state) {
        numerics::RecordSet set;
        set.Read(path, m);
        double sum = 0;
        for (int k = 1; k <= m; ++k)
            sum += set(k, 2, 2);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_MemberAxesOneRead)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
