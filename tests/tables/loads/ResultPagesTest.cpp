#include "LoadsTestSupport.h"
#include "tables/TablesTestSupport.h"
#include "tables/element/ElementPage4.h"
#include "tables/element/ElementPage5.h"
#include "tables/node/NodePage3.h"
#include "tables/node/NodePage4.h"
#include "tables/node/NodePage5.h"

using loadstest::LoadsProject;
using tablestest::ExpectCells;
using tablestest::kExportProgrammer;
using tablestest::ReportHead;

namespace {

class ResultPages : public LoadsProject {
protected:
    // Writes `cases` records of rows x cols to F + "demo" + ext; record k
    // holds value(i, j) + 1000 k.
    template <class Value>
    void WriteRecords(const std::string& ext, int cases, int rows, int cols, Value value) const
    {
        for (int k = 1; k <= cases; ++k) {
            CdMatrix m(rows, cols);
            for (int i = 1; i <= rows; ++i)
                for (int j = 1; j <= cols; ++j)
                    m(i, j) = value(i, j) + 1000.0 * k;
            ASSERT_TRUE(m.SaveRecord(k, dir.Folder() + "demo" + ext));
        }
    }
    void WriteRecord(const std::string& ext, const CdMatrix& m, int k = 1) const
    {
        ASSERT_TRUE(m.SaveRecord(k, dir.Folder() + "demo" + ext));
    }
    template <class Page>
    std::unique_ptr<Page> Open()
    {
        auto page = std::make_unique<Page>();
        page->SetGeometry(geo.get());
        page->EnsureInitialized();
        page->OnSetActive();
        page->resize(700, 500);
        return page;
    }
    std::string Read(const std::string& file) const { return testsupport::TempDir::Read(dir.Folder() + file); }
};

} // namespace

TEST_F(ResultPages, DisplacementsOfTheActiveCase)
{
    SetInt("LOADS CASE", 2);
    WriteRecords(".disn", 3, 10, 6, [](int i, int j) { return i * 0.5 - j; });
    auto page = Open<CNodePage3>();
    CMSFlexGrid* grid = page->Grid();
    EXPECT_EQ(page->Caption(), "Node Displacement");
    EXPECT_EQ(grid->GetRows(), 15);
    EXPECT_EQ(grid->GetCols(), 7);
    // Record 2: 0.5 - 1 + 2000 at (1, 1), 5 - 6 + 2000 at (10, 6); min 1999.5 shown "2000".
    ExpectCells(grid, {{0, 0, " node "}, {0, 1, " Ux (m)"}, {0, 3, " Uz (m)"}, {0, 4, " Rx (rad)"},
                       {0, 6, " Rz (rad)"}, {1, 0, "1"}, {1, 1, "2000"}, {10, 6, "1999"}, {11, 0, ""},
                       {12, 0, " min "}, {13, 0, " max "}, {12, 1, "2000"}, {13, 2, "2003"}, {14, 0, ""}});
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(ResultPages, DisplacementUnitsAndTrussColumns)
{
    SetProject("Truss3D", 3, "mm", "Kg");
    CdMatrix disn(2, 3);
    disn(1, 1) = 0.001;
    disn(2, 3) = -0.0025;
    WriteRecord(".disn", disn);
    auto page = Open<CNodePage3>();
    CMSFlexGrid* grid = page->Grid();
    EXPECT_EQ(grid->GetCols(), 4);
    // The min and max rows in display units too.
    ExpectCells(grid, {{0, 2, " Uy (mm)"}, {1, 1, "1"}, {2, 3, "-2.5"}, {4, 3, "-2.5"}, {5, 1, "1"}});

    FixDate();
    page->OnWord();
    const std::string path = dir.Folder() + "displacement.txt";
    EXPECT_EQ(Read("displacement.txt"), ReportHead("Node displacement", "Print (WordPad format)", kExportProgrammer) +
                                            "Node\tUx (mm)\tUy (mm)\tUz (mm)\n"
                                            "1\t1\t0\t0\n"
                                            "2\t0\t0\t-2.5\n"
                                            "\n"
                                            "min\t0\t0\t-2.5\n"
                                            "max\t1\t0\t0\n");
    EXPECT_EQ(launches.attempted, std::vector<std::string>{platform::kWordProcessorCommand + path});

    page->OnExcel();
    const std::string text = Read("displacement.txt");
    EXPECT_EQ(Read("displacement.xls"), ReportHead("Node displacement", "Print (EXCEL format)", kExportProgrammer) +
                                            text.substr(text.find("Node\t")));
    EXPECT_EQ(launches.attempted.back(), platform::kSpreadsheetCommand + dir.Folder() + "displacement.xls");
}

TEST_F(ResultPages, NodeForcesAreChoppedAndConverted)
{
    SetProject("Frame3D", 6, "cm", "kN");
    CdMatrix sys(2, 6);
    sys(1, 1) = 3e-10;
    sys(1, 2) = 1000.0;
    sys(2, 4) = 10.0;
    WriteRecord(".sys", sys);
    auto page = Open<CNodePage4>();
    CMSFlexGrid* grid = page->Grid();
    EXPECT_EQ(page->Caption(), "Node Force");
    // Mx: 10 x 0.00981 x 100.
    ExpectCells(grid, {{0, 1, " Fx (kN)"}, {0, 4, " Mx (kN-cm)"}, {1, 1, "0"}, {1, 2, "9.81"}, {2, 4, "9.81"}});
    EXPECT_EQ(page->Result()(1, 1), 0.0);

    FixDate();
    page->OnWord();
    const std::string text = Read("NodeForce.txt");
    EXPECT_EQ(text.substr(0, text.find("1\t")), ReportHead("Node force", "Print (Word format)", kExportProgrammer) +
                                                    "Node\tFx (kN)\tFy (kN)\tFz (kN)\tMx (kN-cm)\tMy (kN-cm)\tMz (kN-cm)\n");
}

TEST_F(ResultPages, ReactionsOnlyAtSupports)
{
    geo->m_nodeTable = Line(2);
    Pin(geo->m_nodeTable, 1);
    CdMatrix sys(2, 6);
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 6; ++j)
            sys(i, j) = 10.0 * i + j;
    WriteRecord(".sys", sys);
    auto page = Open<CNodePage5>();
    CMSFlexGrid* grid = page->Grid();
    EXPECT_EQ(page->Caption(), "Support reaction");
    ExpectCells(grid, {{1, 1, "11"}, {1, 3, "13"}, {1, 4, "0"}, {2, 2, "0"}}); // free rotation, free node

    FixDate();
    page->OnExcel();
    const std::string text = Read("Reaction.xls");
    EXPECT_EQ(text.substr(0, text.find("1\t")), ReportHead("Reaction", "Print (Excel format)", kExportProgrammer) +
                                                    "Node\tFx (Kg)\tFy (Kg)\tFz (Kg)\tMx (Kg-m)\tMy (Kg-m)\tMz (Kg-m)\n");
}

TEST_F(ResultPages, MissingFileShowsOneMessageAndTheHeader)
{
    auto page = Open<CElementPage5>();
    page->OnSetActive();
    page->UpdateTable();
    tablestest::ExpectOnlyMessage(messages, "Access file " + dir.Folder() + "demo.elf", "KESTRA detect error in operation ");
    CMSFlexGrid* grid = page->Grid();
    EXPECT_EQ(grid->GetRows(), 5);
    EXPECT_EQ(grid->GetCols(), 13);
    ExpectCells(grid, {{0, 1, "Ps (Kg)"}, {1, 0, ""}, {2, 0, ""}});

    auto nodes = Open<CNodePage3>();
    EXPECT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(nodes->Grid()->GetRows(), 5);
    EXPECT_EQ(nodes->Grid()->GetCols(), 7);
    EXPECT_EQ(nodes->Grid()->GetTextMatrix(0, 6), " Rz (rad)");
}

// The member pages' export heads and column lines (their values against the
// cells: the app's result export tests).
TEST_F(ResultPages, MemberPagesExportHeadsAndColumns)
{
    SetProject("Frame3D", 6, "mm", "T");
    SetInt("LOADS CASE", 3);
    WriteRecords(".dise", 3, 3, 12, [](int i, int j) { return 0.001 * i + j; });
    WriteRecords(".elf", 3, 3, 12, [](int i, int j) { return 100.0 * i + j; });
    auto disp = Open<CElementPage4>();
    EXPECT_EQ(disp->Caption(), "Element Displacement");
    EXPECT_EQ(disp->Grid()->GetRows(), 8);
    ExpectCells(disp->Grid(), {{0, 0, " Element "}, {5, 0, " min "}, {7, 0, ""}});
    auto force = Open<CElementPage5>();
    EXPECT_EQ(force->Caption(), "Element Force");
    // Record 3 of member 1: stored column j holds 3000 + 100 + j, shown in
    // tonnes and tonne-millimetres; "Ms2" is the export's "M2".
    ExpectCells(force->Grid(), {{0, 5, "Ms2 (T-mm)"}, {1, 3, "3.103"}, {1, 5, "3105"}, {6, 12, "3312"}});

    FixDate();
    disp->OnExcel();
    const std::string text = Read("MemberDisplacement.xls");
    EXPECT_EQ(text.substr(0, text.find("1\t")),
              ReportHead("Member Displacement", "Print (WordPad format)", kExportProgrammer) +
                  "Member\tUxs (mm)\tUys(mm)\tUzs(mm)\tRxs(rad)\tRys(rad)\tRzs(rad)"
                  "\tUxe(mm)\tUye(mm)\tUze(mm)\tRxe(rad)\tRye(rad)\tRze(rad)\n");
    EXPECT_EQ(launches.attempted.back(), platform::kSpreadsheetCommand + dir.Folder() + "MemberDisplacement.xls");
    disp->OnWord();
    EXPECT_EQ(Read("MemberDisplacement.txt"), text);
    force->OnWord();
    const std::string forces = Read("MemberForce.txt");
    EXPECT_EQ(forces.substr(0, forces.find("1\t")),
              "KESTRA\nProgrammer\t:\tMr.Danek\nDescription\t:\tPrint (WordPad format)\nMember force:\t"
              "Last modify  Friday, December 04, 2026\n\n"
              "Element\tP (T)\tV2 (T)\tV3 (T)\tT (T-mm)\tM2 (T-mm)\tM3 (T-mm)"
              "\tP (T)\tV2 (T)\tV3 (T)\tT (T-mm)\tM2 (T-mm)\tM3 (T-mm)\n");
    EXPECT_EQ(launches.attempted.back(), platform::kWordProcessorCommand + dir.Folder() + "MemberForce.txt");
}

TEST_F(ResultPages, TrussMemberPagesHaveSevenColumns)
{
    SetProject("Truss3D", 3, "m", "Kg");
    WriteRecord(".elf", CdMatrix(2, 6));
    auto page = Open<CElementPage5>();
    EXPECT_EQ(page->Grid()->GetCols(), 7);
    ExpectCells(page->Grid(), {{0, 4, "Pe (Kg)"}, {0, 6, "Ve3 (Kg)"}});
    const std::string text = page->ExportReport(true);
    EXPECT_EQ(text.substr(text.find("Element\t"), text.find("1\t") - text.find("Element\t")),
              "Element\tP (Kg)\tV2 (Kg)\tV3 (Kg)\tP (Kg)\tV2 (Kg)\tV3 (Kg)\n");
    auto disp = Open<CElementPage4>();
    EXPECT_EQ(disp->Grid()->GetCols(), 7);
    EXPECT_EQ(disp->Grid()->GetTextMatrix(0, 4), " Uxe (m)");
}

// Every row in view is filled, after scrolling too; the extremes stay.
TEST_F(ResultPages, ScrolledFill)
{
    CdMatrix dise(200, 12);
    for (int i = 1; i <= 200; ++i)
        dise(i, 1) = i;
    WriteRecord(".dise", dise);
    auto page = Open<CElementPage4>();
    CMSFlexGrid* grid = page->Grid();
    page->show();
    for (int top : {1, 100}) {
        grid->SetTopRow(top);
        QApplication::processEvents();
        const int p = grid->GetScrollPos();
        for (int row = p + 1; row <= p + grid->VisibleRowCount() && row <= 200; ++row)
            EXPECT_EQ(grid->GetTextMatrix(row, 1), std::to_string(row)) << row;
    }
    EXPECT_GT(grid->GetScrollPos(), 50);
    EXPECT_EQ(grid->GetTextMatrix(202, 0), " min ");
}

// The extremes are the true ones: a column of negative values has a
// negative maximum, one row shows that row, and no rows still write the
// "min" and "max" lines (without values).
TEST_F(ResultPages, ExtremesAreTrueAndEmptyExportsKeepTheirLines)
{
    SetProject("Truss3D", 3, "m", "Kg");
    const struct {
        std::vector<double> column; // stored Ux of each node
        const char* min;
        const char* max;
    } cases[] = {{{-3.0, -1.5, -2.0}, "-3", "-1.5"}, {{7.25}, "7.25", "7.25"}, {{2.0, 5.0}, "2", "5"}};
    for (const auto& c : cases) {
        CdMatrix disn(static_cast<int>(c.column.size()), 3);
        for (size_t i = 0; i < c.column.size(); ++i)
            disn(static_cast<int>(i) + 1, 1) = c.column[i];
        WriteRecord(".disn", disn);
        auto page = Open<CNodePage3>();
        const long rows = static_cast<long>(c.column.size());
        EXPECT_EQ(page->Grid()->GetTextMatrix(rows + 2, 1), c.min);
        EXPECT_EQ(page->Grid()->GetTextMatrix(rows + 3, 1), c.max);
        const std::string text = page->ExportReport(false);
        EXPECT_NE(text.find(std::string("\nmin\t") + c.min + "\t0\t0\nmax\t" + c.max + "\t0\t0\n"),
                  std::string::npos)
            << text;
    }
    std::filesystem::remove(dir.Folder() + "demo.disn");
    auto empty = Open<CNodePage3>();
    const std::string text = empty->ExportReport(false);
    EXPECT_EQ(text.substr(text.find("Node\t")), "Node\tUx (m)\tUy (m)\tUz (m)\n\nmin\nmax\n");
}

// Without its model view a page refuses to export rather than write
// reactions at free nodes; so does the reaction page whose model lacks
// the result's nodes.
TEST_F(ResultPages, APageWithoutItsModelRefusesToExport)
{
    WriteRecord(".sys", CdMatrix(2, 6));
    CNodePage5 orphan;
    orphan.EnsureInitialized();
    orphan.OnSetActive();
    EXPECT_FALSE(orphan.OnExcel());
    geo->m_nodeTable = Line(1);
    auto shortModel = Open<CNodePage5>();
    EXPECT_FALSE(shortModel->OnWord());
    ASSERT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(messages.messages[0].text, ResultTablePage::kNoModelText);
    EXPECT_FALSE(Exists(dir.Folder() + "Reaction.xls"));
    EXPECT_FALSE(Exists(dir.Folder() + "Reaction.txt"));
    EXPECT_TRUE(launches.attempted.empty());

    geo->m_nodeTable = Line(2);
    auto page = Open<CNodePage5>();
    EXPECT_TRUE(page->OnWord());
    EXPECT_TRUE(Exists(dir.Folder() + "Reaction.txt"));
}
