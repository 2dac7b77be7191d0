// Time to write the calculation report of a solved building frame of about
// 1,000 and 10,000 nodes (kN and mm, two load cases) with every section and
// picture (and with tables only), and the size and page count of the PDF. The project is written
// and solved once per size into a temporary folder; only the report is
// timed. Run in a Release build, e.g.
//   KESTRA_BENCH_DIR=/some/scratch ./bench/report_bench --benchmark_filter=Report
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "DemoProjects.h"
#include "ReportWriter.h"
#include "solver/Solver.h"

namespace fs = std::filesystem;

namespace {

// nx x nz column lines, `levels` floor levels including the base: columns,
// beams both ways, fixed bases, gravity and wind along X.
DemoProject Frame(int nx, int nz, int levels)
{
    DemoProject p;
    p.name = "Tower";
    p.title = "Report benchmark frame";
    p.engineer = "bench";
    p.elementType = "Frame3D";
    p.forceUnit = "kN";
    p.lengthUnit = "mm";
    p.dof = 6;
    auto id = [&](int i, int k, int level) { return 1 + i + nx * (k + nz * level); };
    for (int level = 0; level < levels; ++level)
        for (int k = 0; k < nz; ++k)
            for (int i = 0; i < nx; ++i) {
                const double code = level == 0 ? 0 : 1;
                p.nodes.push_back({6.0 * i, 3.5 * level, 5.0 * k, code, code, code, code, code, code});
            }
    auto member = [&](int a, int b, double rx, double ry, double rz) {
        const auto& s = p.nodes[std::size_t(a - 1)];
        p.members.push_back({double(a), double(b), 0, s[0] + rx, s[1] + ry, s[2] + rz, 1, 1});
        p.members.back()[2] = DemoProjects::MemberLength(p, int(p.members.size()));
    };
    for (int level = 1; level < levels; ++level)
        for (int k = 0; k < nz; ++k)
            for (int i = 0; i < nx; ++i) {
                member(id(i, k, level - 1), id(i, k, level), 1, 0, 0);
                if (i + 1 < nx)
                    member(id(i, k, level), id(i + 1, k, level), 0, 1, 0);
                if (k + 1 < nz)
                    member(id(i, k, level), id(i, k + 1, level), 0, 1, 0);
            }
    p.properties.push_back({2.1e10, 0.012, 8.1e9, 5e-6, 1.2e-4, 1.2e-4});
    p.releases.push_back({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    std::vector<std::array<double, 6>> gravity(p.nodes.size(), {0, 0, 0, 0, 0, 0}), wind = gravity;
    for (std::size_t n = std::size_t(nx * nz); n < p.nodes.size(); ++n) {
        gravity[n][1] = -2500;
        if (p.nodes[n][0] == 0)
            wind[n][0] = 800;
    }
    p.loadCases = {gravity, wind};
    p.loadCaseNames = {"gravity", "wind"};
    return p;
}

void Report(benchmark::State& state)
{
    const int nx = int(state.range(0)), nz = int(state.range(1)), levels = int(state.range(2));
    const char* base = std::getenv("KESTRA_BENCH_DIR");
    const std::string folder = (base && *base ? std::string(base) : fs::temp_directory_path().string()) +
                               "/kestra-report-bench-" + std::to_string(nx * nz * levels) + "/";
    setenv("KESTRA_INI", (folder + "KESTRA.INI").c_str(), 1);
    std::ostringstream log;
    std::string error;
    const DemoProject project = Frame(nx, nz, levels);
    // One solved project per size, kept for the next benchmark of the size.
    static std::string solved;
    if (solved != folder) {
        fs::remove_all(folder);
        if (!DemoProjects::Write(project, folder, log, error)) {
            state.SkipWithError(("cannot write the project: " + error).c_str());
            return;
        }
        const solver::SolverStatus status = solver::Solver().SolveProject();
        if (!status.IsOk()) {
            state.SkipWithError(("cannot solve the project: " + status.GetMessage()).c_str());
            return;
        }
        solved = folder;
    }
    const std::string pdf = folder + "Tower.pdf";
    int pages = 0;
    for (auto _ : state) {
        ReportOptions options;
        options.pictures = state.range(3) != 0;
        ReportWriter writer(options);
        if (!writer.Write(pdf, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        pages = writer.PageCount();
    }
    state.counters["nodes"] = double(project.nodes.size());
    state.counters["members"] = double(project.members.size());
    state.counters["pages"] = pages;
    state.counters["MB"] = double(fs::file_size(pdf)) / 1e6;
}

} // namespace

// nx, nz, levels, pictures (1) or tables only (0).
BENCHMARK(Report)
    ->Args({10, 10, 10, 0})
    ->Args({10, 10, 10, 1})
    ->Args({25, 20, 20, 0})
    ->Args({25, 20, 20, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
