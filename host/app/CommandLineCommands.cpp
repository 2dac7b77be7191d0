// The command workers of the command line: demo, solve and render.
#include "CommandLine.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

#include <QApplication>

#include "DemoExports.h"
#include "DemoProjects.h"
#include "HeadlessRenderer.h"
#include "ProjectFiles.h"
#include "tables/element/MemberLoadTable.h"
#include "ReportWriter.h"
#include "platform/Profile.h"
#include "project/Project.h"
#include "solver/Solver.h"
#include "view/Geometry.h"

namespace fs = std::filesystem;

namespace {

// ---- progress bar ---------------------------------------------------------

// "\r[#####...............]  25%  Assembling the stiffness matrix" on err,
// redrawn when the whole percentage changes. Each stage keeps its own line:
// when the next one begins, the line is ended with the seconds it took.
class ProgressBar {
public:
    explicit ProgressBar(std::ostream& err) : m_err(err) {}
    ~ProgressBar() { Finish(); }
    void Update(double fraction, const std::string& stage)
    {
        if (!std::isfinite(fraction))
            fraction = 0;
        fraction = fraction < 0 ? 0 : fraction > 1 ? 1 : fraction;
        const int percent = int(fraction * 100 + 0.5);
        if (percent == m_percent && stage == m_stage)
            return;
        if (stage != m_stage) {
            EndStage();
            m_started = Clock::now();
        }
        m_percent = percent;
        m_stage = stage;
        const int width = 30, filled = int(fraction * width + 0.5);
        std::string bar(std::size_t(filled), '#');
        bar.append(std::size_t(width - filled), '.');
        char text[32];
        std::snprintf(text, sizeof text, "] %3d%%  ", percent);
        std::string line = "\r[" + bar + text + stage;
        // Blank out what a longer previous drawing of this stage left behind.
        const std::size_t length = line.size();
        if (length < m_length)
            line.append(m_length - length, ' ');
        m_length = length;
        m_err << line << std::flush;
        m_drawn = true;
    }
    void Finish()
    {
        if (m_drawn)
            m_err << "\n" << std::flush;
        m_drawn = false;
    }

private:
    using Clock = std::chrono::steady_clock;
    // Ends the current stage's line with its time.
    void EndStage()
    {
        if (!m_drawn)
            return;
        char text[32];
        std::snprintf(text, sizeof text, "  %.2f s\n",
                      std::chrono::duration<double>(Clock::now() - m_started).count());
        m_err << text << std::flush;
        m_drawn = false;
        m_length = 0;
    }

    std::ostream& m_err;
    Clock::time_point m_started = Clock::now();
    int m_percent = -1;
    std::string m_stage;
    std::size_t m_length = 0;
    bool m_drawn = false;
};

// ---- solving --------------------------------------------------------------

// The solve that Ctrl+C (SIGINT) cancels: it stops at its next check and
// removes whatever it had written.
std::atomic<solver::Solver*> g_interruptible{nullptr};

extern "C" void CancelOnInterrupt(int)
{
    if (solver::Solver* s = g_interruptible.load())
        s->Cancel();
}

// Solves the current project from its files. The solver reports through
// its status; nothing is thrown across it.
solver::SolverStatus SolveCurrentProject(ProgressBar* bar)
{
    solver::Solver engine;
    if (bar)
        engine.SetProgress(
            [bar](double fraction, const std::string& stage) { bar->Update(fraction, stage); });
    g_interruptible = &engine;
    void (*previous)(int) = std::signal(SIGINT, CancelOnInterrupt);
    const solver::SolverStatus status = engine.SolveProject();
    std::signal(SIGINT, previous);
    g_interruptible = nullptr;
    return status;
}

// Number of load combinations of the current project: the rows of its
// ".cmb" table, 0 without one.
int CombinationCount()
{
    const std::string path = ProjectFiles::ProjectPath(".cmb");
    CdMatrix combinations;
    if (!fs::is_regular_file(path) || !combinations.Load(path))
        return 0;
    return combinations.GetRows();
}

// Largest translation of every load case and combination, from the
// ".disn" records (combination c is record N + c).
void PrintSummary(std::ostream& out)
{
    CProject project;
    const int nodes = project.GetNodeCount(), dof = project.GetDof();
    out << project.GetName() << " (" << project.GetElementType() << "): " << nodes << " nodes, "
        << project.GetElementCount() << " members, " << project.GetEquationCount()
        << " equations\n";
    const int cases = project.GetLoadCaseCount();
    for (int k = 1; k <= cases + CombinationCount(); ++k) {
        const std::string what = k <= cases ? "load case " + std::to_string(k)
                                            : "combination " + std::to_string(k - cases);
        CdMatrix d;
        std::string error;
        if (!ProjectFiles::ReadResult(".disn", k, nodes, dof, d, error)) {
            out << "  " << what << ": " << error << "\n";
            continue;
        }
        int worst = 0;
        double largest = -1;
        for (int i = 1; i <= nodes; ++i) {
            const double u = std::sqrt(d(i, 1) * d(i, 1) + d(i, 2) * d(i, 2) + d(i, 3) * d(i, 3));
            if (u > largest) {
                largest = u;
                worst = i;
            }
        }
        char line[200];
        std::snprintf(line, sizeof line,
                      "  %s: largest displacement %.3f mm at node %d "
                      "(X %.3f, Y %.3f, Z %.3f mm)\n",
                      what.c_str(), largest * 1000.0, worst, d(worst, 1) * 1000.0,
                      d(worst, 2) * 1000.0, d(worst, 3) * 1000.0);
        out << line;
    }
}

// ---- views ----------------------------------------------------------------

std::string DefaultComponent(const std::string& elementType)
{
    return elementType == "Truss3D" ? "Fx" : "Mz";
}

} // namespace

// Fills the model view's display lists for one view of load case k, or of
// result record k (a load combination) for the displaced shape and forces.
bool CommandLine::PrepareView(CGeometry& g, int mode, int component, int k, std::string& error)
{
    CProject project;
    const int nodes = g.m_nodeTable.GetRows(), members = g.m_memberTable.GetRows();
    const int dof = project.GetDof();

    // Nodes, members and supports are part of every view.
    g.m_viewMode = CGeometry::ModeModel;
    g.CreateDisplayList();
    g.RenderSupport();

    if (mode == CGeometry::ModeLoads && (k < 1 || k > project.GetLoadCaseCount())) {
        error = "load case " + std::to_string(k) + " does not exist; the project has " +
                std::to_string(project.GetLoadCaseCount()) + " load case(s)";
        return false;
    }
    if (mode == CGeometry::ModeLoads) {
        CdMatrix loads;
        if (!ProjectFiles::ReadLoads(k, nodes, loads, error))
            return false;
        g.UpdateLoad(loads);
        // Member loads of the case, when it has any.
        CdMatrix memberLoads;
        const std::string memberLoadFile = MemberLoadTable::CasePath(k);
        if (fs::is_regular_file(memberLoadFile) && memberLoads.Load(memberLoadFile) &&
            memberLoads.GetCols() == MemberLoadTable::kColumns)
            g.UpdateMemberLoad(memberLoads);
    } else if (mode == CGeometry::ModeDisplaced || mode == CGeometry::ModeForces) {
        if (project.GetSolution() == 0) {
            error = "project " + project.GetName() +
                    " has no results: solve it first (kestra solve " + project.GetProjectFilePath() + ")";
            return false;
        }
        CdMatrix record;
        if (mode == CGeometry::ModeDisplaced) {
            if (!ProjectFiles::ReadResult(".disn", k, nodes, dof, record, error))
                return false;
            g.UpdateDisp(record);
        } else {
            if (!fs::is_regular_file(project.GetLocation() + "dcos")) {
                error = "no results: " + project.GetLocation() + "dcos is missing (solve the project first)";
                return false;
            }
            if (!ProjectFiles::ReadResult(".elf", k, members, 2 * dof, record, error))
                return false;
            // The section forces at the stations draw the diagrams along
            // the members when the solver wrote them; the straight ones
            // between the end values are built only without them.
            CdMatrix stations;
            std::string stationError;
            if (fs::is_regular_file(ProjectFiles::ProjectPath(".mfs")) &&
                ProjectFiles::ReadResult(".mfs", k, members * CGeometry::kStations, dof, stations, stationError)) {
                g.UpdateDiagramLabels(record);
                g.UpdateMemberStations(stations);
            } else {
                g.UpdateMemberForec(record);
            }
            g.m_forceComponent = component;
        }
    }
    g.m_viewMode = mode;
    return true;
}

namespace {

// Makes k the active load case of the current project ("LOADS CASE").
bool ActivateLoadCase(int k, std::string& error)
{
    CProject project;
    if (k < 1 || k > project.GetLoadCaseCount()) {
        error = "load case " + std::to_string(k) + " does not exist; the project has " +
                std::to_string(project.GetLoadCaseCount()) + " load case(s)";
        return false;
    }
    if (project.GetActiveLoadCase() != k) {
        project.GetActiveLoadCase() = k;
        project.Settings(true);
    }
    return true;
}

// Restores an environment variable when the command ends (the demo runs
// with its own settings file; in-process callers get theirs back).
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name)
    {
        const char* old = std::getenv(name);
        m_had = old != nullptr;
        if (old)
            m_old = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv()
    {
        if (m_had)
            setenv(m_name, m_old.c_str(), 1);
        else
            unsetenv(m_name);
    }

private:
    const char* m_name;
    std::string m_old;
    bool m_had = false;
};

// Display settings the demo pictures use when its settings file does not
// have them yet: longer load arrows than the default.
void SeedDemoOptions()
{
    if (!platform::Profile::HasKey("OPTION", "load scale"))
        platform::Profile::WriteString("OPTION", "load scale", "3");
}

} // namespace

int CommandLine::Solve(const std::string& projectFile, bool progress, std::ostream& out,
                       std::ostream& err)
{
    std::string error;
    if (!ProjectFiles::OpenProject(projectFile, error)) {
        err << "kestra: " << error << "\n";
        return Failure;
    }
    solver::SolverStatus status;
    {
        std::unique_ptr<ProgressBar> bar(progress ? new ProgressBar(err) : nullptr);
        status = SolveCurrentProject(bar.get());
    }
    for (const std::string& warning : status.GetWarnings())
        err << "kestra: warning: " << warning << "\n";
    if (!status.IsOk()) {
        err << "kestra: " << status.GetMessage() << "\n";
        for (const std::string& problem : status.GetProblems())
            err << "  " << problem << "\n";
        return Failure;
    }
    PrintSummary(out);
    return Success;
}

int CommandLine::Render(const Options& options, std::ostream& out, std::ostream& err)
{
    std::string error;
    const int mode = ViewMode(options.mode);
    if (!ProjectFiles::OpenProject(options.project, error) ||
        (options.loadCase > 0 && !ActivateLoadCase(options.loadCase, error))) {
        err << "kestra: " << error << "\n";
        return Failure;
    }
    CProject project;
    const std::string component =
        options.component.empty() ? DefaultComponent(project.GetElementType()) : options.component;
    if (project.GetElementType() == "Truss3D" && ComponentId(component) > 1009) {
        err << "kestra: a \"Truss3D\" project has no member moments; choose Fx, Fy or Fz\n";
        return Failure;
    }
    if ((mode == CGeometry::ModeDisplaced || mode == CGeometry::ModeForces) &&
        project.GetSolution() == 0) {
        err << "kestra: project " << project.GetName()
            << " has no results: solve it first (kestra solve " << project.GetProjectFilePath() << ")\n";
        return Failure;
    }
    HeadlessRenderer renderer(options.width, options.height);
    if (!renderer.Open(error) || !ProjectFiles::ReadModel(renderer.Geometry(), error) ||
        !PrepareView(renderer.Geometry(), mode, ComponentId(component), project.GetActiveLoadCase(),
                     error) ||
        !renderer.RenderToPng(options.output, error)) {
        err << "kestra: " << error << "\n";
        return Failure;
    }
    out << options.output << "\n";
    return Success;
}

int CommandLine::Report(const Options& options, std::ostream& out, std::ostream& err)
{
    std::string error;
    if (!ProjectFiles::OpenProject(options.project, error)) {
        err << "kestra: " << error << "\n";
        return Failure;
    }
    const std::string path = options.output.empty() ? ReportWriter::DefaultPath() : options.output;
    ReportWriter writer(options.report);
    std::unique_ptr<ProgressBar> bar(options.quiet ? nullptr : new ProgressBar(err));
    if (bar)
        writer.SetProgress([&bar](double fraction, const std::string& stage) {
            bar->Update(fraction, stage);
            return true;
        });
    const bool ok = writer.Write(path, error);
    bar.reset();
    std::istringstream warnings(writer.Warnings());
    for (std::string line; std::getline(warnings, line);)
        err << "kestra: warning: " << line << "\n";
    if (!ok) {
        err << "kestra: " << error << "\n";
        return Failure;
    }
    out << path << " (" << writer.PageCount() << " pages)\n";
    return Success;
}

int CommandLine::Demo(const std::string& folder, std::ostream& out, std::ostream& err)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    const fs::path root = fs::absolute(folder, ec).lexically_normal();
    if (ec || !fs::is_directory(root)) {
        err << "kestra: cannot create the folder " << folder << "\n";
        return Failure;
    }
    std::string base = root.string();
    if (base.empty() || base.back() != '/')
        base += '/';
    ScopedEnv ini("KESTRA_INI", base + "KESTRA.INI");
    SeedDemoOptions();
    out << "Settings file " << base << "KESTRA.INI\n";

    for (const DemoProject& p : {DemoProjects::BuildingFrame(), DemoProjects::PrattBridge()}) {
        const std::string projectFolder = base + p.name + "/";
        std::string error;
        out << "\n" << p.name << ": " << p.title << "\n";
        if (!DemoProjects::Write(p, projectFolder, out, error)) {
            err << "kestra: " << error << "\n";
            return Failure;
        }
        const solver::SolverStatus status = SolveCurrentProject(nullptr);
        for (const std::string& warning : status.GetWarnings())
            err << "kestra: warning: " << warning << "\n";
        if (!status.IsOk()) {
            err << "kestra: " << p.name << ": " << status.GetMessage() << "\n";
            return Failure;
        }
        for (const char* ext : {".disn", ".sys", ".dise", ".elf", ".mfs"})
            out << projectFolder << p.name << ext << "\n";
        out << projectFolder << "dcos\n";

        HeadlessRenderer renderer(1200, 900);
        if (!renderer.Open(error) || !ProjectFiles::ReadModel(renderer.Geometry(), error)) {
            err << "kestra: " << error << "\n";
            return Failure;
        }
        const std::string component = DefaultComponent(p.elementType);
        auto picture = [&](int mode, int k, const std::string& file) {
            const std::string path = projectFolder + file;
            if (!PrepareView(renderer.Geometry(), mode, ComponentId(component), k, error) ||
                !renderer.RenderToPng(path, error)) {
                err << "kestra: " << error << "\n";
                return false;
            }
            out << path << "\n";
            return true;
        };
        if (!picture(CGeometry::ModeModel, 1, p.name + "-model.png"))
            return Failure;
        for (int k = 1; k <= int(p.loadCases.size()); ++k) {
            const std::string K = std::to_string(k);
            if (!ActivateLoadCase(k, error)) {
                err << "kestra: " << error << "\n";
                return Failure;
            }
            if (!picture(CGeometry::ModeLoads, k, p.name + "-loads-" + K + ".png") ||
                !picture(CGeometry::ModeDisplaced, k, p.name + "-disp-" + K + ".png") ||
                !picture(CGeometry::ModeForces, k, p.name + "-forces-" + component + "-" + K + ".png"))
                return Failure;
        }
        // The exports of the result pages, one folder per load case and
        // combination, where
        // a QApplication exists (the kestra binary makes one for the demo).
        if (qobject_cast<QApplication*>(QCoreApplication::instance()) &&
            !DemoExports::Write(renderer.Geometry(), projectFolder, int(p.loadCases.size()),
                                int(p.combinations.size()), out, error)) {
            err << "kestra: " << error << "\n";
            return Failure;
        }
        ActivateLoadCase(1, error);
        // The calculation report, where the fonts of a GUI application exist.
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
            ReportWriter writer{ReportOptions()};
            const std::string pdf = projectFolder + p.name + ".pdf";
            if (!writer.Write(pdf, error)) {
                err << "kestra: " << error << "\n";
                return Failure;
            }
            out << pdf << "\n";
        }
        PrintSummary(out);
    }
    out << "\nOpen the pictures in " << base << "Building/ and " << base << "Bridge/\n";
    return Success;
}
