// The kestra binary as a user runs it: demo, solve and render, with their
// files, pictures, messages and exit codes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
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

std::int32_t HeaderInt(const std::string& path, int offset)
{
    const std::string bytes = TempDir::Read(path);
    if (bytes.size() < std::size_t(offset) + 4)
        return -1;
    std::int32_t v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

// Number of records of a result file of rows x cols records.
long Records(const std::string& path)
{
    const long rows = HeaderInt(path, 0), cols = HeaderInt(path, 4);
    return (long(fs::file_size(path)) - 8) / ((rows * cols + 1) * 8);
}

int DifferentPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

int LitPixels(const QImage& a)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += (a.pixel(x, y) & 0xFFFFFF) != 0;
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

    static std::unique_ptr<TempDir> s_dir;
    static std::string s_demo;
    static RunResult s_run;
};
std::unique_ptr<TempDir> KestraDemo::s_dir;
std::string KestraDemo::s_demo;
RunResult KestraDemo::s_run;

TEST_F(KestraDemo, WritesBothProjectsWithTheirTablesAndResults)
{
    for (const char* name : {"Building", "Bridge"})
        for (const char* ext : {".KTR", ".nod", ".ele", ".pro", ".res", ".lod1", ".disn", ".sys", ".dise", ".elf", ".mfs"}) {
            const std::string path = Path(std::string(name) + "/" + name + ext);
            EXPECT_TRUE(fs::is_regular_file(path)) << path;
            EXPECT_NE(s_run.out.find(path + "\n"), std::string::npos) << "not listed: " << path;
        }
    EXPECT_TRUE(fs::is_regular_file(Path("Building/Building.lod2")));
    for (const char* file : {"Building.mld1", "Building.cmb"}) {
        const std::string path = Path(std::string("Building/") + file);
        EXPECT_TRUE(fs::is_regular_file(path)) << path;
        EXPECT_NE(s_run.out.find(path + "\n"), std::string::npos) << "not listed: " << path;
    }
    EXPECT_FALSE(fs::exists(Path("Bridge/Bridge.mld1")));
    EXPECT_TRUE(fs::is_regular_file(Path("Building/dcos")));
    EXPECT_TRUE(fs::is_regular_file(Path("Bridge/dcos")));

    // Node and member tables in the host's layout, results shaped by them.
    CdMatrix nodes, members;
    ASSERT_TRUE(nodes.Load(Path("Building/Building.nod")));
    ASSERT_TRUE(members.Load(Path("Building/Building.ele")));
    EXPECT_EQ(nodes.GetRows(), 75);
    EXPECT_EQ(nodes.GetCols(), 9);
    EXPECT_EQ(members.GetRows(), 114);
    EXPECT_EQ(members.GetCols(), 8);
    EXPECT_EQ(HeaderInt(Path("Building/Building.disn"), 0), 75);
    EXPECT_EQ(HeaderInt(Path("Building/Building.disn"), 4), 6);
    EXPECT_EQ(Records(Path("Building/Building.disn")), 4); // 2 cases, 2 combinations
    EXPECT_EQ(HeaderInt(Path("Building/Building.elf"), 0), 114);
    EXPECT_EQ(HeaderInt(Path("Building/Building.elf"), 4), 12);
    EXPECT_EQ(Records(Path("Building/Building.elf")), 4);
    EXPECT_EQ(HeaderInt(Path("Building/Building.mfs"), 0), 114 * 21);
    EXPECT_EQ(HeaderInt(Path("Building/Building.mfs"), 4), 6);
    EXPECT_EQ(Records(Path("Building/Building.mfs")), 4);
    EXPECT_EQ(HeaderInt(Path("Bridge/Bridge.mfs"), 4), 3);
    EXPECT_EQ(HeaderInt(Path("Bridge/Bridge.disn"), 0), 24);
    EXPECT_EQ(HeaderInt(Path("Bridge/Bridge.disn"), 4), 3);
    EXPECT_EQ(Records(Path("Bridge/Bridge.disn")), 1);
    EXPECT_EQ(Records(Path("Bridge/dcos")), 69);

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

// The result pages' exports, one folder per load case: the Word export of
// the member forces of the bridge names its members and a frame export has
// the moment columns.
TEST_F(KestraDemo, WritesTheResultExportsOfEveryLoadCase)
{
    const struct {
        const char* name;
        int cases;
    } projects[] = {{"Building", 2}, {"Bridge", 1}};
    for (const auto& p : projects)
        for (int k = 1; k <= p.cases; ++k)
            for (const char* file : {"displacement", "NodeForce", "Reaction", "MemberDisplacement",
                                     "MemberForce"})
                for (const char* ext : {".txt", ".xls"}) {
                    const std::string path = Path(std::string(p.name) + "/case" + std::to_string(k) +
                                                  "/" + file + ext);
                    EXPECT_GT(fs::file_size(path), 100u) << path;
                    EXPECT_NE(s_run.out.find(path + "\n"), std::string::npos) << "not listed: " << path;
                }
    EXPECT_FALSE(fs::exists(Path("Building/case3")));
    // Combinations are records 3 and 4 of the building's results.
    for (int c = 1; c <= 2; ++c)
        for (const char* file : {"displacement.txt", "MemberForce.xls"}) {
            const std::string path = Path("Building/combination" + std::to_string(c) + "/" + file);
            EXPECT_GT(fs::file_size(path), 100u) << path;
            EXPECT_NE(s_run.out.find(path + "\n"), std::string::npos) << "not listed: " << path;
        }
    EXPECT_FALSE(fs::exists(Path("Bridge/combination1")));
    EXPECT_NE(TempDir::Read(Path("Building/combination1/displacement.txt")),
              TempDir::Read(Path("Building/case1/displacement.txt")));
    EXPECT_FALSE(fs::exists(Path("Building/MemberForce.txt"))); // moved into its case folder

    std::ifstream in(Path("Building/case1/MemberForce.txt"));
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.rfind("KESTRA\nProgrammer\t:\tMr.Danek\n", 0), 0u) << text.substr(0, 80);
    EXPECT_NE(text.find("\tM2 ("), std::string::npos);
    // The free node 71 carries its load, not a reaction.
    const std::string reactions = TempDir::Read(Path("Building/case1/Reaction.txt"));
    EXPECT_NE(reactions.find("\n71\t0\t0\t0\t0\t0\t0\n"), std::string::npos) << reactions;
}

TEST_F(KestraDemo, UsesItsOwnSettingsFileAndLeavesTheUsersAlone)
{
    EXPECT_EQ(TempDir::Read(s_dir->Ini()), "[KESTRA ]\nProject name =Mine\n");
    const std::string ini = Path("KESTRA.INI");
    ASSERT_TRUE(fs::is_regular_file(ini));
    setenv("KESTRA_INI", ini.c_str(), 1);
    CProject project;
    EXPECT_EQ(project.GetName(), "Bridge");
    EXPECT_EQ(project.GetLocation(), Path("Bridge/"));
    EXPECT_EQ(project.GetSolution(), 1);
    EXPECT_GT(project.GetEquationCount(), 0);
    setenv("KESTRA_INI", s_dir->Ini().c_str(), 1);
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
        ASSERT_FALSE(image.isNull()) << file;
        EXPECT_EQ(image.width(), 1200);
        EXPECT_EQ(image.height(), 900);
        EXPECT_GT(LitPixels(image), 2000) << file << " is (nearly) empty";
    }
    const QImage model(QString::fromStdString(Path("Building/Building-model.png")));
    EXPECT_GT(DifferentPixels(model, QImage(QString::fromStdString(Path("Building/Building-disp-1.png")))), 1000);
    EXPECT_GT(DifferentPixels(model, QImage(QString::fromStdString(Path("Building/Building-forces-Mz-1.png")))), 1000);
    // The two load cases push different ways.
    EXPECT_GT(DifferentPixels(QImage(QString::fromStdString(Path("Building/Building-disp-1.png"))),
                              QImage(QString::fromStdString(Path("Building/Building-disp-2.png")))),
              1000);
}

TEST_F(KestraDemo, SolveAndRenderReopenAProject)
{
    const std::string ini = Path("KESTRA.INI");
    setenv("KESTRA_INI", ini.c_str(), 1);
    const RunResult solve = Kestra("solve '" + Path("Building/Building.KTR") + "'", s_dir->Folder());
    EXPECT_EQ(solve.code, 0) << solve.err;
    EXPECT_NE(solve.err.find("100%"), std::string::npos) << "progress bar: " << solve.err;
    EXPECT_NE(solve.out.find("load case 1: largest displacement"), std::string::npos);

    const std::string png = s_dir->File("my.png");
    const RunResult render = Kestra("render '" + Path("Building/Building.KTR") +
                                  "' --mode forces --component My --case 2 --size 320x240 -o '" + png + "'",
                              s_dir->Folder());
    EXPECT_EQ(render.code, 0) << render.err;
    QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.width(), 320);
    EXPECT_EQ(image.height(), 240);
    CProject project;
    EXPECT_EQ(project.GetName(), "Building");
    EXPECT_EQ(project.GetActiveLoadCase(), 2);

    const RunResult noCase = Kestra("render '" + Path("Building/Building.KTR") + "' --mode loads --case 3 -o '" + png + "'",
                              s_dir->Folder());
    EXPECT_EQ(noCase.code, 1);
    EXPECT_EQ(noCase.err, "kestra: load case 3 does not exist; the project has 2 load case(s)\n");
    const RunResult moment = Kestra("render '" + Path("Bridge/Bridge.KTR") + "' --mode forces --component Mz -o '" + png + "'",
                              s_dir->Folder());
    EXPECT_EQ(moment.code, 1);
    EXPECT_NE(moment.err.find("no member moments"), std::string::npos);
    setenv("KESTRA_INI", s_dir->Ini().c_str(), 1);
}

// A small project written in-process into its own folder.
std::string WriteProject(const TempDir& dir, DemoProject p)
{
    std::ostringstream log;
    std::string error;
    EXPECT_TRUE(DemoProjects::Write(p, dir.Folder() + p.name + "/", log, error)) << error;
    return dir.Folder() + p.name + "/" + p.name + ".KTR";
}

// Two bars meeting at node 3, both on pins, loaded across their plane:
// node 3 can move along Z unhindered.
DemoProject Mechanism()
{
    DemoProject p;
    p.name = "Hinge";
    p.title = "mechanism";
    p.engineer = "test";
    p.elementType = "Truss3D";
    p.forceUnit = "Kg";
    p.lengthUnit = "m";
    p.dof = 3;
    p.nodes = {{0, 0, 0, 0, 0, 0, 1, 1, 1}, {4, 0, 0, 0, 0, 0, 1, 1, 1}, {2, 2, 0, 1, 1, 1, 1, 1, 1}};
    const double l = std::sqrt(8.0);
    p.members = {{1, 3, l, 0, 1, 0, 1, 1}, {2, 3, l, 4, 1, 0, 1, 1}};
    p.properties = {{2.1e10, 1e-3, 8.1e9, 1e-6, 1e-6, 1e-6}};
    p.releases = {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}};
    p.loadCases = {{{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, -1000, 0, 0, 0, 0}}};
    p.loadCaseNames = {"down"};
    return p;
}

TEST(KestraErrors, MechanismExitsNonZeroNamingTheFreedom)
{
    TempDir dir;
    const std::string ktr = WriteProject(dir, Mechanism());
    const RunResult r = Kestra("solve --quiet '" + ktr + "'", dir.Folder());
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("node 3"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Z"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir.Folder() + "Hinge/Hinge.disn"));
    CProject project;
    EXPECT_EQ(project.GetSolution(), 0);

    const RunResult render = Kestra("render '" + ktr + "' --mode disp -o '" + dir.File("d.png") + "'", dir.Folder());
    EXPECT_EQ(render.code, 1);
    EXPECT_NE(render.err.find("has no results: solve it first"), std::string::npos) << render.err;
    EXPECT_FALSE(fs::exists(dir.File("d.png")));
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
    r = Kestra("", dir.Folder());
    EXPECT_EQ(r.code, 0);
    EXPECT_NE(r.out.find("kestra demo [DIR]"), std::string::npos);
}

TEST(KestraErrors, SettingsThatCannotBeWrittenFailTheRun)
{
    TempDir dir;
    DemoProject held = Mechanism();
    held.nodes[2][5] = 0; // node 3 held along Z: the truss now solves
    const std::string ktr = WriteProject(dir, held);
    TempDir::Write(dir.File("plain"), "not a folder");
    const std::string ini = dir.File("plain") + "/KESTRA.INI";
    const RunResult r = Kestra("solve --quiet --ini '" + ini + "' '" + ktr + "'", dir.Folder());
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("kestra: the settings file " + ini + " could not be written"),
              std::string::npos) << r.err;
}

TEST(KestraErrors, MissingModelTableIsReported)
{
    TempDir dir;
    const std::string ktr = WriteProject(dir, Mechanism());
    fs::remove(dir.Folder() + "Hinge/Hinge.ele");
    const RunResult r = Kestra("solve --quiet '" + ktr + "'", dir.Folder());
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Hinge.ele"), std::string::npos) << r.err;
}

} // namespace

// The program attaches the library at start and detaches it at exit: the
// library's trace lines frame the run.
TEST(KestraModule, AttachesTheLibraryAtStartAndDetachesItAtExit)
{
    TempDir dir;
    setenv("KESTRA_TRACE", "1", 1);
    const RunResult help = Kestra("--help", dir.Folder());
    unsetenv("KESTRA_TRACE");
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.err.rfind("KTRGL.DLL Initializing!\n", 0), 0u) << help.err;
    const std::string last = "KTRGL.DLL Terminating!\n";
    ASSERT_GE(help.err.size(), last.size());
    EXPECT_EQ(help.err.substr(help.err.size() - last.size()), last) << help.err;
}
