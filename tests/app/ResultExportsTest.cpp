// A solved cantilever in kN and mm through every result page: each page's
// cells, its min/max rows and its Word and Excel exports carry the same
// numbers in the units their headings name, and those numbers are the
// closed-form answers. The demo's exports are the window's exports.
#include <gtest/gtest.h>

#include <QApplication>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <vector>

#include "DemoExports.h"
#include "DemoProjects.h"
#include "ProjectFiles.h"
#include "platform/Launcher.h"
#include "platform/MessageBox.h"
#include "project/Project.h"
#include "solver/Solver.h"
#include "support/TempDir.h"
#include "tables/MSFlexGrid.h"
#include "tables/element/ElementPage4.h"
#include "tables/element/ElementPage5.h"
#include "tables/node/NodePage3.h"
#include "tables/node/NodePage4.h"
#include "tables/node/NodePage5.h"
#include "view/Geometry.h"

using testsupport::TempDir;

namespace {

// A cantilever along X, 2 m long, fixed at node 1, node 2 loaded by
// P = 1000 kgf downwards (-Y); axis 2 of the member is global Y.
constexpr double kP = 1000.0, kL = 2.0, kE = 2.1e10, kI = 1.0e-5;
constexpr double kKn = 0.00981; // kN per kgf

DemoProject Cantilever()
{
    DemoProject p;
    p.name = "Beam";
    p.title = "Cantilever";
    p.engineer = "test";
    p.elementType = "Frame3D";
    p.forceUnit = "kN";
    p.lengthUnit = "mm";
    p.dof = 6;
    p.nodes = {{0, 0, 0, 0, 0, 0, 0, 0, 0}, {kL, 0, 0, 1, 1, 1, 1, 1, 1}};
    p.members = {{1, 2, kL, 0, 1, 0, 1, 1}};
    p.properties = {{kE, 0.01, 8.1e9, 2 * kI, kI, kI}};
    p.releases = {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}};
    p.loadCases = {{{0, 0, 0, 0, 0, 0}, {0, -kP, 0, 0, 0, 0}}};
    p.loadCaseNames = {"tip load"};
    return p;
}

// The export's number lines ("1", "2", "min", "max") split at the tabs.
std::vector<std::vector<std::string>> Lines(const std::string& text)
{
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text.substr(text.find("\n\n") + 2));
    std::string line;
    std::getline(in, line); // the column line
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        std::vector<std::string> cells;
        std::istringstream fields(line);
        std::string field;
        while (std::getline(fields, field, '\t'))
            cells.push_back(field);
        lines.push_back(cells);
    }
    return lines;
}

class ResultExports : public ::testing::Test {
public:
    static void SetUpTestSuite()
    {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "tests_app";
            static char* argv[] = {name, nullptr};
            setenv("QT_QPA_PLATFORM", "offscreen", 0);
            new QApplication(argc, argv);
        }
    }

    void SetUp() override
    {
        std::ostringstream log;
        std::string error;
        ASSERT_TRUE(DemoProjects::Write(Cantilever(), dir.Folder(), log, error)) << error;
        const solver::SolverStatus status = solver::Solver().SolveProject();
        ASSERT_TRUE(status.IsOk()) << status.GetMessage();
        ASSERT_TRUE(ProjectFiles::ReadModel(model, error)) << error;
        CProject project;
        project.GetActiveLoadCase() = 1;
        project.Settings(true);
    }

    template <class Page>
    std::unique_ptr<ResultTablePage> Open(bool withModel)
    {
        auto page = std::make_unique<Page>();
        if (withModel)
            page->SetGeometry(&model);
        page->OnInitDialog();
        return page;
    }

    std::string Read(const std::string& file) const { return TempDir::Read(dir.Folder() + file); }
    TempDir dir;
    CGeometry model;
    platform::MessageRecorder messages;
    platform::LaunchRecorder launches;
};

using Opener = std::unique_ptr<ResultTablePage> (ResultExports::*)(bool);
// Each result page with the name of its export files.
const std::pair<const char*, Opener> kPages[] = {
    {"displacement", &ResultExports::Open<CNodePage3>},     {"NodeForce", &ResultExports::Open<CNodePage4>},
    {"Reaction", &ResultExports::Open<CNodePage5>},         {"MemberDisplacement", &ResultExports::Open<CElementPage4>},
    {"MemberForce", &ResultExports::Open<CElementPage5>}};

} // namespace

// Every page: its export lines agree with its cells (the extremes too),
// Word and Excel alike, and hold the closed-form answers, in the page's
// order. The bending moment about local axis 3 (vertical plane, axis 2 =
// Y) is M3: "Ms3" in the force table.
TEST_F(ResultExports, CellsExportsAndClosedFormAgreeInKilonewtonsAndMillimetres)
{
    const double tip = -kP * kL * kL * kL / (3 * kE * kI) * 1000.0; // mm
    const double slope = -kP * kL * kL / (2 * kE * kI);             // rad
    const double shear = kP * kKn, moment = kP * kL * kKn * 1000.0; // kN, kN-mm
    const std::vector<std::string> node = {" Fx (kN)", " Fy (kN)", " Fz (kN)", " Mx (kN-mm)", " My (kN-mm)", " Mz (kN-mm)"};
    const struct {
        std::vector<std::string> headers; // grid headers 1, 2, ...
        std::vector<std::tuple<int, int, double>> answers; // row, column, value in kN / mm
        bool magnitude = false; // the answers' sign is the member's convention
    } cases[] = {
        {{" Ux (mm)", " Uy (mm)", " Uz (mm)", " Rx (rad)", " Ry (rad)", " Rz (rad)"},
         {{2, 2, tip}, {2, 6, slope}, {1, 2, 0.0}}},
        {node, {{1, 2, shear}, {1, 6, moment}, {2, 2, -shear}}},
        {node, {{1, 2, shear}, {1, 6, moment}, {2, 2, 0.0}}},
        {{" Uxs (mm)", " Uys (mm)", " Uzs (mm)", " Rxs (rad)", " Rys (rad)", " Rzs (rad)", " Uxe (mm)",
          " Uye (mm)", " Uze (mm)", " Rxe (rad)", " Rye (rad)", " Rze (rad)"},
         {{1, 8, tip}, {1, 12, slope}, {1, 2, 0.0}}},
        {{"Ps (kN)", "Vs2 (kN)", "Vs3 (kN)", "Ts (kN-mm)", "Ms2 (kN-mm)", "Ms3 (kN-mm)", "Pe (kN)",
          "Ve2 (kN)", "Ve3 (kN)", "Te (kN-mm)", "Me2 (kN-mm)", "Me3 (kN-mm)"},
         {{1, 1, 0.0}, {1, 2, shear}, {1, 5, 0.0}, {1, 6, moment}, {1, 11, 0.0}, {1, 12, 0.0}}, true},
    };
    for (size_t p = 0; p < 5; ++p) {
        const auto& c = cases[p];
        SCOPED_TRACE(kPages[p].first);
        std::unique_ptr<ResultTablePage> page = (this->*kPages[p].second)(true);
        CMSFlexGrid* grid = page->Grid();
        const long rows = page->Result().GetRows();
        ASSERT_GE(rows, 1);
        for (size_t g = 0; g < c.headers.size(); ++g)
            EXPECT_EQ(grid->GetTextMatrix(0, long(g) + 1), c.headers[g]);
        ASSERT_TRUE(page->OnWord());
        ASSERT_TRUE(page->OnExcel());
        const std::string word = Read(std::string(kPages[p].first) + ".txt");
        const std::string excel = Read(std::string(kPages[p].first) + ".xls");
        EXPECT_EQ(word.substr(word.find("\n\n")), excel.substr(excel.find("\n\n")));
        const auto lines = Lines(word);
        ASSERT_EQ(long(lines.size()), rows + 2) << word;
        // Export line i (rows, then min and max) against grid row i (rows,
        // then rows + 2 and rows + 3), column by column.
        for (long i = 1; i <= rows + 2; ++i) {
            const auto& line = lines[size_t(i - 1)];
            ASSERT_EQ(line.size(), c.headers.size() + 1) << word;
            for (size_t g = 1; g <= c.headers.size(); ++g) {
                char cell[32];
                std::snprintf(cell, sizeof cell, "%.4g", std::strtod(line[g].c_str(), nullptr));
                EXPECT_EQ(grid->GetTextMatrix(i <= rows ? i : i + 1, long(g)), cell) << "row " << i << " column " << g;
            }
        }
        for (const auto& [row, column, value] : c.answers) {
            double exported = std::strtod(lines[size_t(row - 1)][size_t(column)].c_str(), nullptr);
            exported = c.magnitude ? std::fabs(exported) : exported;
            EXPECT_NEAR(exported, value, 1e-4 * (std::fabs(value) + 1e-3)) << "row " << row << " column " << column;
        }
    }
}

// `kestra demo` writes each case's exports through the same pages with the
// model loaded: byte for byte the window's exports (from the column line
// on; the date line may differ). Without the model a page refuses.
TEST_F(ResultExports, TheDemosExportsAreTheWindowsExports)
{
    std::ostringstream log;
    std::string error;
    ASSERT_TRUE(DemoExports::Write(model, dir.Folder(), 1, 0, log, error)) << error;
    for (const auto& [file, open] : kPages)
        for (const bool excel : {false, true}) {
            const std::string window = (this->*open)(true)->ExportReport(excel);
            const std::string demo = Read(std::string("case1/") + file + (excel ? ".xls" : ".txt"));
            EXPECT_EQ(demo.substr(demo.find("\n\n")), window.substr(window.find("\n\n"))) << file;
        }
    // The free node 2 has no reaction.
    EXPECT_NE(Read("case1/Reaction.txt").find("\n2\t0\t0\t0\t0\t0\t0\n"), std::string::npos);
    EXPECT_FALSE(Open<CNodePage5>(false)->OnExcel());
    EXPECT_EQ(messages.messages.back().text, ResultTablePage::kNoModelText);
}
