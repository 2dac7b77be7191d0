#include "ElementTestSupport.h"
#include "tables/TablesTestSupport.h"
#include "tables/element/CombinationBar.h"
#include "tables/element/MemberLoadBar.h"
#include "tables/element/MemberLoadPage.h"
#include "tables/node/LoadCaseWorker.h"

#include <QLabel>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <tuple>

using tablestest::Key;
using tablestest::Type;

namespace {

class MemberLoads : public elementtest::ElementProject {
protected:
    std::unique_ptr<CMemberLoadBar> bar;

    void SetUp() override
    {
        ElementProject::SetUp();
        // Member 1 of length 4 along X, member 2 of length 3 along Y.
        geo->m_nodeTable = Nodes({{0, 0, 0}, {4, 0, 0}, {4, 3, 0}});
        geo->m_memberTable = Members({{1, 2}, {2, 3}});
        SetCount("Number load case ", 2);
        SetCount("LOADS CASE", 1);
    }
    MemberLoadPanel* OpenBar()
    {
        bar = std::make_unique<CMemberLoadBar>();
        bar->SetGeometry(geo.get());
        bar->Create();
        ShowActive(bar.get());
        return bar->Panel();
    }
    std::string CaseFile(int k) const { return dir.Folder() + "demo.mld" + std::to_string(k); }
    static std::string Bytes(std::initializer_list<std::int32_t> header, std::initializer_list<double> values)
    {
        std::string bytes;
        for (std::int32_t h : header)
            bytes.append(reinterpret_cast<const char*>(&h), sizeof h);
        for (double v : values)
            bytes.append(reinterpret_cast<const char*>(&v), sizeof v);
        return bytes;
    }
    std::vector<double> Row(int i) const
    {
        std::vector<double> row;
        for (int j = 1; j <= 7; ++j)
            row.push_back(bar->Table().Loads()(i, j));
        return row;
    }
};

} // namespace

TEST_F(MemberLoads, RefusalsNameTheProblemAndKeepTheRow)
{
    MemberLoadPanel* panel = OpenBar();
    EXPECT_EQ(panel->CaseLabel()->text(), "Load case:1");
    panel->OnAdd();
    ASSERT_EQ(bar->Table().Rows(), 1);
    EXPECT_EQ(Row(1), (std::vector<double>{1, 1, 5, 0, 0, 0, 0}));

    struct Case {
        int col;
        const char* typed; // "" stores without a refusal
        const char* refusal;
    };
    const Case cases[] = {
        {1, "3", "Member 3 does not exist: members are numbered 1 to 2"},
        {1, "0", "Member 0 does not exist: members are numbered 1 to 2"},
        {2, "5", "Unknown load kind: 1 uniform, 2 linear from a to b, 3 concentrated at a, 4 self weight"},
        {2, "1.5", "Unknown load kind: 1 uniform, 2 linear from a to b, 3 concentrated at a, 4 self weight"},
        {3, "7", "Unknown load direction: 1, 2, 3 local axes, 4, 5, 6 global X, Y, Z"},
        {4, "1", "Uniform loads and self weight cover the whole member: a and b stay 0"},
        {7, "2", "w2 applies only to a linearly varying load (kind 2)"},
        {2, "3", ""}, // concentrated
        {4, "4.5", "a = 4.5 m lies outside member 1 (length 4 m)"},
        {5, "1", "b applies only to a linearly varying load (kind 2)"},
        {4, "4", ""}, // at the end node
        {2, "2", ""}, // linear from a = 0 over the whole member
        {4, "4", "a must be less than b for a linearly varying load"},
        {5, "5", "b = 5 m lies outside member 1 (length 4 m)"},
        {4, "-1", "a = -1 m lies outside member 1 (length 4 m)"},
        {1, "2", "b = 4 m lies outside member 2 (length 3 m)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("column ") + std::to_string(c.col) + " typed " + c.typed);
        messages.Clear();
        const std::vector<double> before = Row(1);
        panel->StoreCell(1, c.col, c.typed);
        if (*c.refusal == '\0') {
            EXPECT_TRUE(messages.messages.empty());
            continue;
        }
        tablestest::ExpectOnlyMessage(messages, c.refusal, "KESTRA Wizard");
        EXPECT_EQ(Row(1), before);
    }
    // After the accepted edits: kind 2 over member 1 from 0 to 4.
    EXPECT_EQ(Row(1), (std::vector<double>{1, 2, 5, 0, 4, 0, 0}));
}

TEST_F(MemberLoads, TrussMembersTakeLoadsToo)
{
    SetProject("Truss3D", 3, "m");
    MemberLoadPanel* panel = OpenBar();
    panel->OnAdd();
    panel->StoreCell(1, 6, "-2.5");
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(bar->Table().Loads()(1, 6), -2.5);
}

TEST_F(MemberLoads, TypedRowsReachTheCaseFileByteForByte)
{
    MemberLoadPanel* panel = OpenBar();
    CMSFlexGrid* grid = panel->Grid();
    panel->OnAdd();
    panel->OnAdd();
    // Row 2 typed through the grid: member 2, concentrated along global Z,
    // 1.5 from the start, 7.25 (the project's force unit).
    const std::pair<int, const char*> typed[] = {{1, "2"}, {2, "3"}, {3, "6"}, {4, "1.5"}, {6, "7.25"}};
    for (const auto& [col, text] : typed) {
        GoTo(grid, 2, col);
        Type(grid, text);
        Key(grid, Qt::Key_Return);
    }
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(grid->GetTextMatrix(2, 4), "     1.5");
    EXPECT_EQ(grid->GetTextMatrix(0, 6), "  w1 (Kg/m; Kg; Kg/m^3)");
    // 0 x 7 would be an empty case; here two rows, each after its spare slot.
    EXPECT_EQ(testsupport::TempDir::Read(CaseFile(1)),
              Bytes({2, 7}, {0, 1, 1, 5, 0, 0, 0, 0, 2, 3, 6, 1.5, 0, 7.25, 0}));

    panel->Select(1, 1);
    panel->OnDelete();
    EXPECT_EQ(testsupport::TempDir::Read(CaseFile(1)), Bytes({1, 7}, {0, 2, 3, 6, 1.5, 0, 7.25, 0}));
    panel->Select(1, 1);
    panel->OnDelete();
    EXPECT_EQ(testsupport::TempDir::Read(CaseFile(1)), Bytes({0, 7}, {}));
}

TEST_F(MemberLoads, SelfWeightIsOneRowPerMemberInStoredUnits)
{
    SetProject("Frame3D", 6, "m", "kN");
    MemberLoadPanel* panel = OpenBar();
    panel->OnAdd(); // a uniform load stays
    ASSERT_EQ(panel->GenerateSelfWeight(-78.5, 5), 2);
    ASSERT_EQ(panel->GenerateSelfWeight(-78.5, 5), 2); // replaces, never doubles
    const CdMatrix& loads = bar->Table().Loads();
    ASSERT_EQ(loads.GetRows(), 3);
    EXPECT_EQ(loads(1, 2), 1.0);
    for (int i = 2; i <= 3; ++i) {
        EXPECT_EQ(loads(i, 1), i - 1);
        EXPECT_EQ(loads(i, 2), 4.0);
        EXPECT_EQ(loads(i, 3), 5.0);
        // kN/m^3 to kilogram-force per cubic metre: 1 kN = 1 / 0.00981 kgf.
        EXPECT_NEAR(loads(i, 6), -78.5 / 0.00981, 1e-6);
    }
    EXPECT_EQ(panel->Grid()->GetTextMatrix(2, 6), "     -78.5");
    EXPECT_EQ(panel->Grid()->GetTextMatrix(0, 6), "  w1 (kN/m; kN; kN/m^3)");
}

TEST_F(MemberLoads, PageAndBarShareTheActiveCaseAndACombinationLocksThem)
{
    MemberLoadPanel* panel = OpenBar();
    panel->OnAdd();
    panel->StoreCell(1, 6, "-3");

    CMemberLoadPage page;
    page.SetGeometry(geo.get());
    page.EnsureInitialized();
    page.OnSetActive();
    ASSERT_EQ(page.Table().Rows(), 1);
    EXPECT_EQ(page.Grid()->GetTextMatrix(1, 6), "     -3");
    page.Panel()->StoreCell(1, 6, "-4");
    page.OnKillActive();
    bar->UpdateTable();
    EXPECT_EQ(bar->Grid()->GetTextMatrix(1, 6), "     -4");

    // Case 2 has no file yet: no loads. Record 3 of two cases is combination 1.
    SetCount("LOADS CASE", 2);
    bar->UpdateTable();
    EXPECT_EQ(bar->Table().Rows(), 0);
    EXPECT_EQ(bar->Grid()->GetRows(), 2);
    SetCount("LOADS CASE", 3);
    bar->UpdateTable();
    EXPECT_EQ(bar->Table().CurrentCase(), 0);
    EXPECT_FALSE(bar->Grid()->isEnabled());
    EXPECT_EQ(panel->CaseLabel()->text(),
              "Combination 1 is active: its loads are those of its cases (read only)");
}

TEST_F(MemberLoads, CombinationFileHoldsOneFactorPerCase)
{
    CCombinationBar combinations;
    combinations.SetGeometry(geo.get());
    combinations.Create();
    CombinationPanel* panel = combinations.Panel();
    panel->OnAdd();
    panel->OnAdd();
    panel->StoreCell(1, 1, "1.35");
    panel->StoreCell(1, 2, "1.5");
    panel->StoreCell(2, 2, "0");
    messages.Clear();
    panel->StoreCell(2, 1, "inf");
    tablestest::ExpectOnlyMessage(messages, "A load case factor must be a number");
    EXPECT_EQ(combinations.Grid()->GetTextMatrix(0, 2), "  Load case:2");
    EXPECT_EQ(combinations.Grid()->GetTextMatrix(2, 0), "Combination 2");
    EXPECT_EQ(CombinationTable::Count(), 2);
    EXPECT_EQ(testsupport::TempDir::Read(dir.Folder() + "demo.cmb"), Bytes({2, 2}, {0, 1.35, 1.5, 1, 0}));
}

TEST_F(MemberLoads, DeletingACaseTakesItsMemberLoadsAndCombinationColumn)
{
    SetCount("Number load case ", 3);
    for (int k = 1; k <= 3; ++k)
        ASSERT_TRUE(CdMatrix(0, 3).Save(dir.Folder() + "demo.lod" + std::to_string(k)));
    CdMatrix loads(1, 7);
    loads(1, 6) = -3;
    ASSERT_TRUE(loads.Save(CaseFile(3))); // case 2 has no member loads
    const std::string third = testsupport::TempDir::Read(CaseFile(3));
    CdMatrix factors(1, 3);
    std::tie(factors(1, 1), factors(1, 2), factors(1, 3)) = std::make_tuple(1.35, 1.5, 0.9);
    ASSERT_TRUE(factors.Save(dir.Folder() + "demo.cmb"));

    LoadCaseWorker worker(geo.get());
    ASSERT_TRUE(worker.DeleteCase(2));
    EXPECT_TRUE(testsupport::TempDir::Read(CaseFile(2)) == third);
    EXPECT_FALSE(std::filesystem::exists(CaseFile(3)));
    EXPECT_EQ(testsupport::TempDir::Read(dir.Folder() + "demo.cmb"), Bytes({1, 2}, {0, 1.35, 0.9}));
}
