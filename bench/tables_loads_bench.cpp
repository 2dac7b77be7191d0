// Load bar and result pages on large projects.
//
// BM_ChooseLoadCase: the load bar's worker chooses a case of 100,000 loaded
// nodes (settings written, ".lod1" read into the load matrix) and the model
// view rebuilds its six load glyph lists on the offscreen surface; the
// UpdateLoad part is also timed alone.
// BM_OpenMemberForcePage: a member force page opens on a 100,000-member
// ".elf" of 10 load cases (about 92 MB): one record is read (the counter
// "read_MB" is what the process read from files per open, taken from
// /proc/self/io), the extremes computed and the rows around the top filled.
// BM_ReadWholeResultFile is the whole file read for comparison.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "numerics/dMatrix.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "project/Project.h"
#include "tables/element/ElementPage5.h"
#include "tables/node/LoadCaseWorker.h"
#include "view/EglSurface.h"
#include "view/Geometry.h"

namespace {

// A project folder of its own with its settings file.
std::string Folder()
{
    static std::string folder;
    if (folder.empty()) {
        char pattern[] = "/tmp/kestra-loads-bench-XXXXXX";
        const char* dir = mkdtemp(pattern);
        folder = std::string(dir ? dir : "/tmp") + "/";
        setenv("KESTRA_INI", (folder + "KESTRA.INI").c_str(), 1);
        using platform::Profile;
        Profile::WriteString("KESTRA ", "File location ", folder);
        Profile::WriteString("KESTRA ", "Project name ", "bench");
        Profile::WriteString("KESTRA ", "Element Type ", "Frame3D");
        Profile::WriteString("KESTRA ", "DOF ", "6");
        Profile::WriteString("KESTRA ", "Current Length ", "m");
        Profile::WriteString("KESTRA ", "Current Force ", "kN");
    }
    return folder;
}

CdMatrix Nodes(int n)
{
    CdMatrix nodes(n, 9);
    for (int i = 1; i <= n; ++i) {
        nodes(i, 1) = i % 100;
        nodes(i, 2) = (i / 100) % 100;
        nodes(i, 3) = i / 10000;
        for (int j = 4; j <= 9; ++j)
            nodes(i, j) = 1.0;
    }
    return nodes;
}

CdMatrix Loads(int n)
{
    CdMatrix loads(n, 6);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= 6; ++j)
            loads(i, j) = (i % 7 + 1) * (j % 2 ? 10.0 : -250.0);
    return loads;
}

// Bytes this process has read from files so far.
double ReadBytes()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    double value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    return 0;
}

struct Surface {
    platform::EglSurface surface{256, 256};
    CGeometry geo;
    bool ok = false;
    Surface()
    {
        if (!platform::EglSurface::DisplayAvailable())
            return;
        geo.OnCreate(&surface);
        ok = geo.m_hRC != nullptr && glGetString(GL_VERSION) != nullptr;
        if (ok)
            geo.OnSize(0, 256, 256);
    }
    ~Surface()
    {
        if (ok)
            geo.OnDestroy();
    }
};

void BM_ChooseLoadCase(benchmark::State& state)
{
    Folder();
    platform::MessageRecorder quiet;
    const int n = static_cast<int>(state.range(0));
    platform::Profile::WriteString("KESTRA ", "Number load case ", "1");
    Loads(n).Save("bench", "lod1");
    Surface gl;
    if (!gl.ok) {
        state.SkipWithError("no offscreen OpenGL context");
        return;
    }
    gl.geo.m_nodeTable = Nodes(n);
    LoadCaseWorker worker(&gl.geo);
    for (auto _ : state) {
        worker.Choose(1);
        worker.Redraw();
        glFinish();
    }
    state.counters["nodes"] = n;
}
BENCHMARK(BM_ChooseLoadCase)->Arg(100000)->Unit(benchmark::kMillisecond);

// The worker's own part: settings written, file read, matrix filled.
void BM_ChooseLoadCaseOnly(benchmark::State& state)
{
    Folder();
    platform::MessageRecorder quiet;
    const int n = static_cast<int>(state.range(0));
    platform::Profile::WriteString("KESTRA ", "Number load case ", "1");
    Loads(n).Save("bench", "lod1");
    CGeometry geo;
    geo.m_nodeTable = Nodes(n);
    LoadCaseWorker worker(&geo);
    for (auto _ : state)
        worker.Choose(1);
    state.counters["nodes"] = n;
}
BENCHMARK(BM_ChooseLoadCaseOnly)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_UpdateLoad(benchmark::State& state)
{
    Folder();
    const int n = static_cast<int>(state.range(0));
    Surface gl;
    if (!gl.ok) {
        state.SkipWithError("no offscreen OpenGL context");
        return;
    }
    gl.geo.m_nodeTable = Nodes(n);
    const CdMatrix loads = Loads(n);
    for (auto _ : state) {
        gl.geo.UpdateLoad(loads);
        glFinish();
    }
    state.counters["nodes"] = n;
}
BENCHMARK(BM_UpdateLoad)->Arg(100000)->Unit(benchmark::kMillisecond);

// 10 records of members x 12 in F + "bench.elf".
void WriteForces(int members, int cases)
{
    const std::string path = Folder() + "bench.elf";
    CdMatrix forces(members, 12);
    for (int k = 1; k <= cases; ++k) {
        for (int i = 1; i <= members; ++i)
            for (int j = 1; j <= 12; ++j)
                forces(i, j) = k * 1000.0 + (i % 97) * (j - 6.5);
        forces.SaveRecord(k, path);
    }
}

void BM_OpenMemberForcePage(benchmark::State& state)
{
    const int members = static_cast<int>(state.range(0));
    WriteForces(members, 10);
    platform::Profile::WriteString("KESTRA ", "LOADS CASE", "7");
    double bytes = 0;
    for (auto _ : state) {
        const double before = ReadBytes();
        CElementPage5 page;
        page.resize(800, 600);
        page.EnsureInitialized();
        bytes += ReadBytes() - before;
        benchmark::DoNotOptimize(page.Result().GetRows());
    }
    state.counters["read_MB"] = benchmark::Counter(bytes / 1e6, benchmark::Counter::kAvgIterations);
    state.counters["file_MB"] = (8.0 + 10.0 * (members * 12.0 + 1) * 8) / 1e6;
}
BENCHMARK(BM_OpenMemberForcePage)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ReadWholeResultFile(benchmark::State& state)
{
    const int members = static_cast<int>(state.range(0));
    WriteForces(members, 10);
    for (auto _ : state) {
        CdMatrix record;
        for (int k = 1; k <= 10; ++k)
            record.LoadRecord(k, Folder() + "bench.elf");
        benchmark::DoNotOptimize(record.GetRows());
    }
}
BENCHMARK(BM_ReadWholeResultFile)->Arg(100000)->Unit(benchmark::kMillisecond);

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
    std::error_code ignored;
    std::filesystem::remove_all(Folder(), ignored);
    return 0;
}
