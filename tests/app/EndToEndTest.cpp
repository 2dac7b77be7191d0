// The kestra binary as a user runs it: demo, solve and render, with their
// files, pictures, messages and exit codes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <array>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>

#include <QImage>

#include "DemoProjects.h"
#include "numerics/dMatrix.h"
#include "project/Project.h"
#include "support/TempDir.h"
#include "view/EglSurface.h"

namespace fs = std::filesystem;
using testsupport::TempDir;

namespace {

struct RunResult {
    int code = -1;
    std::string out;
    std::string err;
};

// Runs the built binary with the current environment (KESTRA_INI included).
RunResult Kestra(const std::string& args, const std::string& scratch)
{
    const std::string out = scratch + "/stdout.txt", err = scratch + "/stderr.txt";
    const std::string command =
        std::string("'") + KESTRA_BINARY + "' " + args + " >'" + out + "' 2>'" + err + "'";
    const int status = std::system(command.c_str());
    RunResult r;
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = TempDir::Read(out);
    r.err = TempDir::Read(err);
    return r;
}

// Rows and columns of a result file's header and its number of records.
std::array<long, 3> Shape(const std::string& path)
{
    const std::string bytes = TempDir::Read(path);
    std::int32_t head[2] = {-1, -1};
    if (bytes.size() >= 8)
        std::memcpy(head, bytes.data(), 8);
    return {head[0], head[1], (long(bytes.size()) - 8) / ((long(head[0]) * head[1] + 1) * 8)};
}

// Pixels that differ between two pictures of one size; against no
// picture, the pixels that are not black.
int Differ(const QImage& a, const QImage& b = QImage())
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += b.isNull() ? (a.pixel(x, y) & 0xFFFFFF) != 0 : a.pixel(x, y) != b.pixel(x, y);
    return n;
}

// One demo run shared by the suite: it solves and renders two projects.
class KestraDemo : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = std::make_unique<TempDir>();
        TempDir::Write(s_dir->Ini(), "[KESTRA ]\nProject name =Mine\n");
        s_demo = s_dir->Folder() + "demo";
        s_run = Kestra("demo '" + s_demo + "'", s_dir->Folder());
    }

    static void TearDownTestSuite() { s_dir.reset(); }

    void SetUp() override
    {
        if (!platform::EglSurface::DisplayAvailable())
            GTEST_SKIP() << "no EGL display";
        ASSERT_EQ(s_run.code, 0) << s_run.err;
    }

    static std::string Path(const std::string& file) { return s_demo + "/" + file; }

    static inline std::unique_ptr<TempDir> s_dir;
    static inline std::string s_demo;
    static inline RunResult s_run;
};

TEST_F(KestraDemo, WritesBothProjectsWithTheirTablesAndResults)
{
    for (const char* name : {"Building", "Bridge"})
        for (const char* ext : {".KTR", ".nod", ".ele", ".pro", ".res", ".lod1", ".disn", ".sys", ".dise", ".elf",
                                ".mfs", ".mld1", ".cmb"}) {
            const std::string path = Path(std::string(name) + "/" + name + ext);
            const bool memberLoads = std::string(ext) == ".mld1" || std::string(ext) == ".cmb";
            if (memberLoads && std::string(name) == "Bridge") {
                EXPECT_FALSE(fs::exists(path)) << path; // no member loads, no combinations
                continue;
            }
            EXPECT_TRUE(fs::is_regular_file(path)) << path;
            EXPECT_NE(s_run.out.find(path + "\n"), std::string::npos) << "not listed: " << path;
        }
    for (const char* file : {"Building/Building.lod2", "Building/dcos", "Bridge/dcos"})
        EXPECT_TRUE(fs::is_regular_file(Path(file))) << file;
    // Node and member tables in the host's layout, results shaped by them:
    // rows, columns, records (2 cases and 2 combinations for the building).
    CdMatrix nodes, members;
    ASSERT_TRUE(nodes.Load(Path("Building/Building.nod")));
    ASSERT_TRUE(members.Load(Path("Building/Building.ele")));
    EXPECT_EQ(std::make_pair(nodes.GetRows(), nodes.GetCols()), std::make_pair(75, 9));
    EXPECT_EQ(std::make_pair(members.GetRows(), members.GetCols()), std::make_pair(114, 8));
    const std::pair<const char*, std::array<long, 3>> shapes[] = {
        {"Building/Building.disn", {75, 6, 4}}, {"Building/Building.elf", {114, 12, 4}},
        {"Building/Building.mfs", {114 * 21, 6, 4}}, {"Bridge/Bridge.mfs", {69 * 21, 3, 1}},
        {"Bridge/Bridge.disn", {24, 3, 1}}};
    for (const auto& [file, shape] : shapes)
        EXPECT_EQ(Shape(Path(file)), shape) << file;
    EXPECT_EQ(Shape(Path("Bridge/dcos"))[2], 69);
    // Gravity makes the building sag: record 1 moves the roof down.
    CdMatrix disp;
    ASSERT_TRUE(disp.LoadRecord(1, Path("Building/Building.disn")));
    EXPECT_LT(disp(75, 2), 0.0);
    EXPECT_EQ(disp(1, 2), 0.0);
    EXPECT_NE(s_run.out.find("load case 2: largest displacement"), std::string::npos) << s_run.out;
    EXPECT_NE(s_run.out.find("combination 2: largest displacement"), std::string::npos) << s_run.out;
    // A floor beam's moment is a parabola: its mid-span station (11) is
    // not on the line between its ends, and combination 1 is 1.35 gravity
    // + 1.5 wind.
    CdMatrix gravity, wind, combination;
    ASSERT_TRUE(gravity.LoadRecord(1, Path("Building/Building.mfs")));
    ASSERT_TRUE(wind.LoadRecord(2, Path("Building/Building.mfs")));
    ASSERT_TRUE(combination.LoadRecord(3, Path("Building/Building.mfs")));
    const int beam = 37; // first half of a first-floor main beam
    auto m3 = [&](const CdMatrix& t, int s) { return t((beam - 1) * 21 + s, 6); };
    EXPECT_GT(std::abs(m3(gravity, 11) - (m3(gravity, 1) + m3(gravity, 21)) / 2), 1000.0);
    for (int s = 1; s <= 21; ++s)
        EXPECT_NEAR(m3(combination, s), 1.35 * m3(gravity, s) + 1.5 * m3(wind, s), 1e-6 * std::abs(m3(gravity, 11)));
}

// The result pages' exports, one folder per load case; a frame's member
// force export has the moment columns.
TEST_F(KestraDemo, WritesTheResultExportsOfEveryLoadCase)
{
    // Combinations are records 3 and 4 of the building's results.
    for (const char* folder : {"Building/case1", "Building/case2", "Bridge/case1", "Building/combination1",
                               "Building/combination2"})
        for (const char* file : {"displacement", "NodeForce", "Reaction", "MemberDisplacement", "MemberForce"})
            for (const char* ext : {".txt", ".xls"}) {
                const std::string path = Path(std::string(folder) + "/" + file + ext);
                EXPECT_GT(fs::file_size(path), 100u) << path;
                EXPECT_NE(s_run.out.find(path + "\n"), std::string::npos) << "not listed: " << path;
            }
    EXPECT_FALSE(fs::exists(Path("Building/case3")));
    EXPECT_FALSE(fs::exists(Path("Bridge/combination1")));
    EXPECT_NE(TempDir::Read(Path("Building/combination1/displacement.txt")),
              TempDir::Read(Path("Building/case1/displacement.txt")));
    EXPECT_FALSE(fs::exists(Path("Building/MemberForce.txt"))); // moved into its case folder
    const std::string text = TempDir::Read(Path("Building/case1/MemberForce.txt"));
    EXPECT_EQ(text.rfind("KESTRA\nProgrammer\t:\tMr.Danek\n", 0), 0u) << text.substr(0, 80);
    EXPECT_NE(text.find("\tM2 ("), std::string::npos);
}

TEST_F(KestraDemo, PicturesShowTheModelAndItsResults)
{
    const char* files[] = {"Building/Building-model.png", "Building/Building-loads-1.png",
                           "Building/Building-loads-2.png", "Building/Building-disp-1.png",
                           "Building/Building-disp-2.png", "Building/Building-forces-Mz-1.png",
                           "Bridge/Bridge-model.png", "Bridge/Bridge-disp-1.png",
                           "Bridge/Bridge-forces-Fx-1.png"};
    for (const char* file : files) {
        QImage image(QString::fromStdString(Path(file)));
        EXPECT_EQ(image.size(), QSize(1200, 900)) << file;
        EXPECT_GT(Differ(image), 2000) << file << " is (nearly) empty";
    }
    auto picture = [](const char* file) { return QImage(QString::fromStdString(Path(file))); };
    const QImage model = picture("Building/Building-model.png");
    EXPECT_GT(Differ(model, picture("Building/Building-disp-1.png")), 1000);
    EXPECT_GT(Differ(model, picture("Building/Building-forces-Mz-1.png")), 1000);
    // The two load cases push different ways.
    EXPECT_GT(Differ(picture("Building/Building-disp-1.png"), picture("Building/Building-disp-2.png")), 1000);
}

// The demo keeps its own settings file, the bridge written last as its
// current project; solve and render reopen a project through it.
TEST_F(KestraDemo, UsesItsOwnSettingsFileAndSolveAndRenderReopenAProject)
{
    EXPECT_EQ(TempDir::Read(s_dir->Ini()), "[KESTRA ]\nProject name =Mine\n");
    ASSERT_TRUE(fs::is_regular_file(Path("KESTRA.INI")));
    setenv("KESTRA_INI", Path("KESTRA.INI").c_str(), 1);
    EXPECT_EQ(CProject().GetName(), "Bridge");
    EXPECT_EQ(CProject().GetLocation(), Path("Bridge/"));
    EXPECT_EQ(CProject().GetSolution(), 1);
    EXPECT_GT(CProject().GetEquationCount(), 0);
    auto run = [](const std::string& args) { return Kestra(args, s_dir->Folder()); };
    const std::string building = "'" + Path("Building/Building.KTR") + "'", png = s_dir->File("my.png");
    RunResult r = run("solve " + building);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.err.find("100%"), std::string::npos) << "progress bar: " << r.err;
    EXPECT_NE(r.out.find("load case 1: largest displacement"), std::string::npos);
    r = run("render " + building + " --mode forces --component My --case 2 --size 320x240 -o '" + png + "'");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(320, 240));
    EXPECT_EQ(CProject().GetName(), "Building");
    EXPECT_EQ(CProject().GetActiveLoadCase(), 2);
    r = run("render " + building + " --mode loads --case 3 -o '" + png + "'");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "kestra: load case 3 does not exist; the project has 2 load case(s)\n");
    r = run("render '" + Path("Bridge/Bridge.KTR") + "' --mode forces --component Mz -o '" + png + "'");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("no member moments"), std::string::npos);
    setenv("KESTRA_INI", s_dir->Ini().c_str(), 1);
}

// Two bars meeting at node 3, both on pins, loaded across their plane:
// node 3 can move along Z unhindered. The solve names the freedom; with
// the member table gone, it names the file.
DemoProject Hinge()
{
    DemoProject p;
    p.name = "Hinge";
    p.elementType = "Truss3D";
    p.forceUnit = "Kg";
    p.lengthUnit = "m";
    p.dof = 3;
    p.nodes = {{0, 0, 0, 0, 0, 0, 1, 1, 1}, {4, 0, 0, 0, 0, 0, 1, 1, 1}, {2, 2, 0, 1, 1, 1, 1, 1, 1}};
    p.members = {{1, 3, std::sqrt(8.0), 0, 1, 0, 1, 1}, {2, 3, std::sqrt(8.0), 4, 1, 0, 1, 1}};
    p.properties = {{2.1e10, 1e-3, 8.1e9, 1e-6, 1e-6, 1e-6}};
    p.releases = {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}};
    p.loadCases = {{{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, -1000, 0, 0, 0, 0}}};
    p.loadCaseNames = {"down"};
    return p;
}

std::string WriteHinge(const TempDir& dir, const DemoProject& p)
{
    std::ostringstream log;
    std::string error;
    EXPECT_TRUE(DemoProjects::Write(p, dir.Folder() + "Hinge/", log, error)) << error;
    return dir.Folder() + "Hinge/Hinge.KTR";
}

TEST(KestraErrors, MechanismAndAMissingTableExitNonZeroNamingTheFault)
{
    TempDir dir;
    const std::string ktr = WriteHinge(dir, Hinge());
    RunResult r = Kestra("solve --quiet '" + ktr + "'", dir.Folder());
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("node 3"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Z"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir.Folder() + "Hinge/Hinge.disn"));
    EXPECT_EQ(CProject().GetSolution(), 0);
    r = Kestra("render '" + ktr + "' --mode disp -o '" + dir.File("d.png") + "'", dir.Folder());
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("has no results: solve it first"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir.File("d.png")));
    fs::remove(dir.Folder() + "Hinge/Hinge.ele");
    r = Kestra("solve --quiet '" + ktr + "'", dir.Folder());
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Hinge.ele"), std::string::npos) << r.err;
}

// The run keeps the current project in the settings file: a file that
// cannot be written fails a solve that would otherwise succeed.
TEST(KestraErrors, SettingsThatCannotBeWrittenFailTheRun)
{
    TempDir dir;
    DemoProject held = Hinge();
    held.nodes[2][5] = 0; // node 3 held along Z: the truss now solves
    const std::string ktr = WriteHinge(dir, held);
    EXPECT_EQ(Kestra("solve --quiet '" + ktr + "'", dir.Folder()).code, 0);
    TempDir::Write(dir.File("plain"), "not a folder");
    const std::string ini = dir.File("plain") + "/KESTRA.INI";
    const RunResult r = Kestra("solve --quiet --ini '" + ini + "' '" + ktr + "'", dir.Folder());
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("kestra: the settings file " + ini + " could not be written"),
              std::string::npos) << r.err;
}

TEST(KestraErrors, BadInputGivesAMessageAndANonZeroExit)
{
    TempDir dir;
    RunResult r = Kestra("solve '" + dir.File("nothing.KTR") + "'", dir.Folder());
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, "kestra: cannot open project file " + dir.File("nothing.KTR") + ": no such file\n");
    TempDir::Write(dir.File("broken.KTR"), std::string("\x05" "ab", 3));
    r = Kestra("solve '" + dir.File("broken.KTR") + "'", dir.Folder());
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("is damaged"), std::string::npos) << r.err;
    EXPECT_TRUE(TempDir::Read(dir.Ini()).empty()) << "a damaged file must not become the current project";
    r = Kestra("render x.KTR --mode sideways -o a.png", dir.Folder());
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("unknown view mode 'sideways'"), std::string::npos);
    // No command: the help. The library is attached at start and detached
    // at exit: its trace lines frame the run.
    setenv("KESTRA_TRACE", "1", 1);
    r = Kestra("", dir.Folder());
    unsetenv("KESTRA_TRACE");
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("kestra demo [DIR]"), std::string::npos);
    EXPECT_EQ(r.err.rfind("KTRGL.DLL Initializing!\n", 0), 0u) << r.err;
    const std::string last = "KTRGL.DLL Terminating!\n";
    ASSERT_GE(r.err.size(), last.size());
    EXPECT_EQ(r.err.substr(r.err.size() - last.size()), last) << r.err;
}

} // namespace
