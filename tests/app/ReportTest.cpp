// `kestra report` of a small solved portal frame in kN and mm, read back
// with pdftotext: the numbers a checking engineer reads must be the model's
// and the solver's, converted to the project's units.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "DemoProjects.h"
#include "numerics/dMatrix.h"
#include "support/TempDir.h"

using testsupport::TempDir;

namespace {

constexpr double kKilonewtonPerKgf = 0.00981; // force factor of "kN"
constexpr double kMillimetrePerMetre = 1000;  // length factor of "mm"

// Runs a command; when it fails, what it printed is shown with the test.
int Shell(const std::string& command)
{
    char log[] = "/tmp/kestra-report-test-XXXXXX";
    const int fd = mkstemp(log);
    if (fd >= 0)
        close(fd);
    const int status = std::system((command + " >'" + log + "' 2>&1").c_str());
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (code != 0)
        ADD_FAILURE() << command << "\n" << TempDir::Read(log);
    std::remove(log);
    return code;
}

// Two bays of a portal frame: fixed and pinned column bases, a load case
// with sway, gravity and a uniform load down the first beam, one with a
// moment, an out-of-plane push, a load on a support and the second beam's
// self weight.
DemoProject Portal()
{
    DemoProject p;
    p.name = "Portal";
    p.title = "Portal frame for the report";
    p.engineer = "Test";
    p.elementType = "Frame3D";
    p.forceUnit = "kN";
    p.lengthUnit = "mm";
    p.dof = 6;
    p.nodes = {{0, 0, 0, 0, 0, 0, 0, 0, 0},       {0, 3.2, 0, 1, 1, 1, 1, 1, 1},      {4.5, 3.2, 0, 1, 1, 1, 1, 1, 1},
               {4.5, 0, 0, 0, 0, 0, 1, 1, 1},     {9.25, 3.2, 0.5, 1, 1, 1, 1, 1, 1}, {9.25, 0, 0.5, 0, 0, 0, 0, 0, 0}};
    const int ends[5][2] = {{1, 2}, {2, 3}, {4, 3}, {3, 5}, {6, 5}};
    for (const auto& e : ends) {
        p.members.push_back({double(e[0]), double(e[1]), 0, 0, 0, 1, 1, 1});
        p.members.back()[2] = DemoProjects::MemberLength(p, int(p.members.size()));
    }
    p.properties.push_back({2.1e10, 0.0054, 8.1e9, 2.0e-7, 1.9e-5, 1.9e-5});
    p.releases.push_back({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    std::vector<std::array<double, 6>> gravity(6, {0, 0, 0, 0, 0, 0}), moment = gravity;
    gravity[1] = {1200, -3000, 0, 0, 0, 0};
    gravity[2] = {0, -4500, 0, 0, 0, 0};
    gravity[4] = {0, -2500, 0, 0, 0, 0};
    moment[2] = {0, 0, 700, 0, 0, 900};
    moment[5] = {0, -1000, 0, 0, 0, 0}; // straight into the support
    p.loadCases = {gravity, moment};
    p.loadCaseNames = {"gravity and sway", "moment"};
    // Member, kind, direction, a, b, w1, w2 (kgf/m; self weight kgf/m^3).
    p.memberLoads = {{{2, 1, 5, 0, 0, -2000, 0}}, {{4, 4, 5, 0, 0, -8000, 0}}};
    return p;
}

// Rows "N support v1 v2 ..." of the table between two headings (node
// number first, then words, then numbers), by node number.
std::map<int, std::vector<double>> Rows(const std::string& text, const std::string& from, const std::string& to,
                                        std::size_t minValues)
{
    std::map<int, std::vector<double>> rows;
    const auto a = text.find(from);
    const auto b = text.find(to, a == std::string::npos ? 0 : a);
    if (a == std::string::npos || b == std::string::npos)
        return rows;
    std::istringstream lines(text.substr(a, b - a));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream s(line);
        int node = 0;
        if (!(s >> node) || node < 1)
            continue;
        std::vector<double> values; // the numbers after the words
        for (std::string token; s >> token;) {
            char* end = nullptr;
            const double v = std::strtod(token.c_str(), &end);
            if (end && *end == '\0')
                values.push_back(v);
        }
        if (values.size() >= minValues)
            rows[node] = values;
    }
    return rows;
}

// Within 0.05 % of the column's largest value: what four significant
// digits of the report keep, far below a missed unit factor.
void ExpectClose(double printed, double expected, double columnMax, const std::string& what)
{
    EXPECT_NEAR(printed, expected, 5e-4 * std::max(columnMax, 1e-9) + 1e-12) << what;
}

class ReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(Shell("pdftotext -v"), 0) << "pdftotext (poppler-utils) is needed";
        project = Portal();
        std::ostringstream log;
        std::string error;
        ASSERT_TRUE(DemoProjects::Write(project, dir.Folder() + "Portal/", log, error)) << error;
        ktr = dir.Folder() + "Portal/Portal.KTR";
        ASSERT_EQ(Shell(std::string("'") + KESTRA_BINARY + "' solve '" + ktr + "' --quiet"), 0);
    }

    // Writes the report and returns its text (pages ended by form feeds).
    std::string Report(const std::string& flags, const std::string& name)
    {
        const std::string pdf = dir.File(name + ".pdf"), txt = dir.File(name + ".txt");
        EXPECT_EQ(Shell(std::string("'") + KESTRA_BINARY + "' report '" + ktr + "' '" + pdf + "' --quiet " + flags), 0);
        EXPECT_EQ(Shell("pdftotext -layout '" + pdf + "' '" + txt + "'"), 0);
        return TempDir::Read(txt);
    }

    TempDir dir;
    DemoProject project;
    std::string ktr;
};

TEST_F(ReportTest, UnitsBalanceAndPages)
{
    const std::string text = Report("", "full");
    std::string flat; // the text with every run of blanks and line breaks one blank
    for (char c : text)
        if (!(std::isspace((unsigned char)c) && !flat.empty() && flat.back() == ' '))
            flat += std::isspace((unsigned char)c) ? ' ' : c;
    // Every node's coordinates in millimetres.
    const auto nodes = Rows(text, "1.1 Nodes", "1.2 Members", 3);
    ASSERT_EQ(nodes.size(), project.nodes.size());
    for (const auto& [i, values] : nodes)
        for (int j = 0; j < 3; ++j)
            ExpectClose(values[std::size_t(j)], project.nodes[std::size_t(i - 1)][std::size_t(j)] * kMillimetrePerMetre,
                        9250, "node " + std::to_string(i) + " coordinate " + std::to_string(j + 1));
    // Supports as words at the end of their node's row.
    EXPECT_NE(flat.find(" fixed 2 "), std::string::npos);
    EXPECT_NE(flat.find(" pinned 5 "), std::string::npos);
    // Every reaction of both load cases: the solver's K u at the restrained
    // DOFs, in kN and kN-mm.
    const std::string sys = dir.Folder() + "Portal/Portal.sys";
    for (int k = 1; k <= 2; ++k) {
        CdMatrix ku;
        ASSERT_TRUE(ku.LoadRecord(k, sys));
        const auto reactions =
            Rows(text.substr(text.find("Results")), "\nLoad case " + std::to_string(k) + "\n", "Equilibrium of", 3);
        ASSERT_EQ(reactions.size(), 3u) << "load case " << k;
        for (int i : {1, 4, 6}) {
            ASSERT_TRUE(reactions.count(i)) << "node " << i;
            const std::vector<double>& printed = reactions.at(i);
            const int restrained = i == 4 ? 3 : 6;
            ASSERT_EQ(printed.size(), std::size_t(restrained)) << "node " << i;
            // kN, or kN-mm for a moment; a column's scale is its largest reaction.
            auto factor = [](int j) { return kKilonewtonPerKgf * (j > 3 ? kMillimetrePerMetre : 1); };
            double scale[2] = {0, 0};
            for (int n : {1, 4, 6})
                for (int j = 1; j <= (n == 4 ? 3 : 6); ++j)
                    scale[j > 3] = std::max(scale[j > 3], std::fabs(ku(n, j)) * factor(j));
            for (int j = 1; j <= restrained; ++j)
                ExpectClose(printed[std::size_t(j - 1)], ku(i, j) * factor(j), scale[j > 3],
                            "case " + std::to_string(k) + " node " + std::to_string(i) + " column " + std::to_string(j));
        }
    }
    // The member loads in kN/mm and kN/mm^3.
    EXPECT_NE(flat.find(" 2 uniform global Y -0.01962 kN/mm "), std::string::npos);
    EXPECT_NE(flat.find(" 4 self weight global Y -7.848e-08 kN/mm^3 "), std::string::npos);
    // The equilibrium lines: the applied loads, member loads included,
    // balance the reactions.
    std::size_t at = 0;
    int checks = 0;
    while ((at = flat.find("relative residual ", at)) != std::string::npos) {
        at += 18;
        EXPECT_LT(std::fabs(std::strtod(flat.c_str() + at, nullptr)), 1e-9);
        ++checks;
    }
    EXPECT_EQ(checks, 2);
    EXPECT_NE(flat.find("(in equilibrium)"), std::string::npos);
    EXPECT_EQ(flat.find("NOT in equilibrium"), std::string::npos);
    // Headings carry the project's units.
    EXPECT_NE(text.find("X (mm)"), std::string::npos);
    EXPECT_NE(text.find("Mz (kN-mm)"), std::string::npos);
    EXPECT_NE(text.find("E (kN/mm^2)"), std::string::npos);

    // The page count is stable; options choose the content: model only, on
    // Letter paper, without pictures.
    const auto pages = [](const std::string& t) { return std::count(t.begin(), t.end(), '\f'); };
    EXPECT_EQ(pages(text), 13);
    EXPECT_EQ(pages(Report("", "again")), 13);
    const std::string model = Report("--sections model --paper Letter", "model");
    EXPECT_EQ(pages(model), 1);
    EXPECT_NE(model.find("1.2 Members"), std::string::npos);
    EXPECT_EQ(model.find("Results"), std::string::npos);
    EXPECT_EQ(model.find("Calculation report\n"), std::string::npos);
}

} // namespace
