#include "ElementTestSupport.h"
#include "tables/EditWnd.h"
#include "tables/MSFlexGrid.h"
#include "tables/TablesTestSupport.h"
#include "tables/element/ElementBar3.h"
#include "tables/element/ElementPage3.h"
#include "tables/element/PropertyTable.h"

using elementtest::ElementProject;
using tablestest::Key;
using tablestest::Type;

namespace {

class Properties : public testsupport::PageBarTable<ElementProject, CElementPage3, CElementBar3> {
protected:
    void UseUnits(const std::string& type, const std::string& length, const std::string& force)
    {
        SetProject(type, type == "Frame3D" ? 6 : 3, length, force);
    }
    void WriteFile(const CdMatrix& table, int count)
    {
        ASSERT_TRUE(table.Save(dir.Folder() + "demo.pro"));
        SetCount("Number Material ", count);
    }
    static CdMatrix Groups(int rows)
    {
        CdMatrix table(rows, 6);
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= 6; ++c)
                table(r, c) = r * 10 + c;
        return table;
    }
    CdMatrix FileTable()
    {
        CdMatrix table;
        table.Load(dir.Folder() + "demo.pro");
        return table;
    }
    // A page opens its editor with Enter, a bar from the typed character.
    void Edit(CMSFlexGrid* grid, long row, long col, const QString& text)
    {
        tablestest::EditCell(grid, row, col, text, page && grid == page->Grid());
    }
};

TEST_F(Properties, HeadersCarryTheProjectUnits)
{
    UseUnits("Frame3D", "mm", "kN");
    WriteFile(Groups(1), 1);
    CMSFlexGrid* grid = OpenPage();
    ASSERT_EQ(grid->GetCols(), 7);
    // Displayed = stored x factor: A = 12 m^2 is 1.2e7 mm^2.
    tablestest::ExpectCells(grid, {{0, 0, "  Property"}, {0, 1, "  E (kN/mm^2)"}, {0, 2, "  A (mm^2)"},
                                   {0, 3, "  G (kN/mm^2)"}, {0, 4, "    I1 (mm^4)"}, {0, 6, "    I3 (mm^4)"},
                                   {1, 2, "12000000.000"}, {1, 0, " 1"}});
}

TEST_F(Properties, Truss3DShowsEAndAButKeepsSixColumns)
{
    UseUnits("Truss3D", "m", "Kg");
    WriteFile(Groups(2), 2);
    CMSFlexGrid* grid = OpenPage();
    ASSERT_EQ(grid->GetCols(), 3);
    EXPECT_EQ(grid->GetTextMatrix(0, 2), "  A (m^2)");
    EXPECT_EQ(grid->GetTextMatrix(2, 1), "21.000");
    Edit(grid, 2, 2, "5");
    page->OnKillActive();
    const CdMatrix file = FileTable();
    ASSERT_EQ(file.GetCols(), 6);
    EXPECT_EQ(file(2, 2), 5.0);
    EXPECT_EQ(file(2, 6), 26.0);
}

TEST_F(Properties, PageKeepsFourSignificantDigitsAndTheBarSix)
{
    UseUnits("Frame3D", "cm", "kN");
    WriteFile(Groups(1), 1);
    CMSFlexGrid* grid = OpenPage();
    Edit(grid, 1, 1, "200");
    EXPECT_EQ(grid->GetTextMatrix(1, 1), "200");
    page->UpdateTable();
    EXPECT_EQ(grid->GetTextMatrix(1, 1), "200.000");
    Edit(grid, 1, 2, "1234.567");
    EXPECT_EQ(grid->GetTextMatrix(1, 2), "1235");
    const double area = 100.0 * 100.0;
    EXPECT_DOUBLE_EQ(page->Properties().Table()(1, 2), 1235 / area);
    page->OnKillActive();

    CMSFlexGrid* barGrid = OpenBar();
    EXPECT_EQ(barGrid->GetTextMatrix(1, 1), "200");
    EXPECT_EQ(barGrid->GetTextMatrix(1, 2), "1235");
    Edit(barGrid, 1, 2, "1234.567");
    EXPECT_EQ(barGrid->GetTextMatrix(1, 2), "1234.57");
    // The bar writes the file at once; the page reads it when activated.
    EXPECT_DOUBLE_EQ(FileTable()(1, 2), 1234.57 / area);
    OpenPage();
    EXPECT_EQ(page->Grid()->GetTextMatrix(1, 2), "1234.570");
}

TEST_F(Properties, TheBarsFirstGroupIsOneInTheCurrentUnits)
{
    UseUnits("Frame3D", "mm", "kN");
    CMSFlexGrid* grid = OpenBar();
    ASSERT_EQ(bar->Properties().Rows(), 1);
    for (long c = 1; c <= 6; ++c)
        EXPECT_EQ(grid->GetTextMatrix(1, c), "1") << c;
    EXPECT_EQ(grid->GetRows(), 3); // an empty row at the bottom
    EXPECT_DOUBLE_EQ(FileTable()(1, 1), 1.0 / (0.00981 / 1e6));
    EXPECT_EQ(Count("Number Material "), 1);
    // Down on the last group appends a group of zeros.
    GoTo(grid, 1, 1);
    Key(grid, Qt::Key_Down);
    EXPECT_EQ(bar->Properties().Rows(), 2);
    EXPECT_EQ(geo->m_selMemberFrom, 2);
    EXPECT_EQ(FileTable()(2, 1), 0.0);
    EXPECT_EQ(Count("Number Material "), 2);
}

// A ".pro" that exists but cannot be read is reported and left alone: the
// bar writes no default group over it, and neither do its commands or the
// page.
TEST_F(Properties, AnUnreadableFileIsReportedAndNeverOverwritten)
{
    const std::string path = dir.Folder() + "demo.pro";
    testsupport::TempDir::Write(path, "not a table");
    OpenBar();
    ASSERT_GE(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Access file " + path);
    EXPECT_EQ(bar->Properties().Rows(), 0);
    bar->OnAddNew();
    bar->OnDelete();
    OpenPage();
    page->OnAddNew();
    page->OnKillActive();
    EXPECT_EQ(testsupport::TempDir::Read(path), "not a table");
}

TEST_F(Properties, PageAddDeleteAndAMissingFile)
{
    CMSFlexGrid* grid = OpenPage();
    ASSERT_EQ(messages.messages.size(), 1u); // the load error of the missing file
    EXPECT_EQ(page->Properties().Rows(), 0);
    page->OnAddNew();
    page->OnAddNew();
    EXPECT_EQ(Count("Number Material "), 2);
    EXPECT_EQ(grid->GetRows(), 3);
    EXPECT_EQ(grid->GetTextMatrix(2, 1), "0.000");
    EXPECT_TRUE(geo->m_modelChanged);
    grid->SetRow(1);
    page->OnDelete();
    EXPECT_EQ(Count("Number Material "), 1);
    page->OnKillActive();
    EXPECT_EQ(FileTable().GetRows(), 1);
}

TEST_F(Properties, BarImportAppendsSixColumnFilesOnly)
{
    platform::FileDialogRecorder files;
    WriteFile(Groups(1), 1);
    OpenBar();
    ASSERT_TRUE(Groups(2).Save(dir.File("steel.pro")));
    files.Answer(dir.File("steel.pro"));
    bar->OnImport();
    EXPECT_EQ(files.filters.at(0), "Property File (*.pro)|*.pro||");
    EXPECT_EQ(bar->Properties().Rows(), 3);
    EXPECT_EQ(Count("Number Material "), 3);
    EXPECT_EQ(FileTable().GetRows(), 3);
    ASSERT_TRUE(CdMatrix(1, 5).Save(dir.File("bad.pro")));
    EXPECT_FALSE(bar->ImportFile(dir.File("bad.pro")));
    EXPECT_EQ(bar->Properties().Rows(), 3);
    EXPECT_EQ(messages.messages.back().text, "Two matrix column not equal");
}

TEST_F(Properties, TheBarChangesTheFileThePageLastSaved)
{
    WriteFile(Groups(1), 1);
    CMSFlexGrid* grid = OpenBar();
    // The page adds two groups and saves the file when it is left.
    WriteFile(Groups(3), 3);
    ASSERT_TRUE(Groups(2).Save(dir.File("steel.pro")));
    ASSERT_TRUE(bar->ImportFile(dir.File("steel.pro")));
    ASSERT_EQ(FileTable().GetRows(), 5);
    EXPECT_EQ(FileTable()(3, 1), 31.0);
    EXPECT_EQ(FileTable()(4, 1), 11.0);
    EXPECT_EQ(Count("Number Material "), 5);
    WriteFile(Groups(2), 2);
    grid->SetRow(1);
    bar->OnDelete();
    ASSERT_EQ(FileTable().GetRows(), 1);
    EXPECT_EQ(FileTable()(1, 1), 21.0);
}

TEST_F(Properties, BarClickMarksTheTableAndCursorKeysMoveTheMemberRange)
{
    WriteFile(Groups(3), 3);
    CMSFlexGrid* grid = OpenBar();
    Select(5, 7);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, tablestest::CellCentre(grid, 2, 1));
    EXPECT_EQ(geo->m_activeTable, 1004);
    EXPECT_EQ(std::make_pair(geo->m_selMemberFrom, geo->m_selMemberTo), std::make_pair(5, 7));
    GoTo(grid, 2, 1);
    Key(grid, Qt::Key_Down);
    EXPECT_EQ(std::make_pair(geo->m_selMemberFrom, geo->m_selMemberTo), std::make_pair(3, 3));
    grid->SetRow(2);
    Key(grid, Qt::Key_Up);
    EXPECT_EQ(std::make_pair(geo->m_selMemberFrom, geo->m_selMemberTo), std::make_pair(1, 1));
    EXPECT_EQ(bar->Properties().Rows(), 3);
}

TEST_F(Properties, PrintoutWritesTheValuesInTheUnitsOfTheirHeaders)
{
    FixDate();
    UseUnits("Frame3D", "mm", "kN");
    CdMatrix table(1, 6);
    const double row[] = {2.1e10, 0.0123456, 8e9, 1, 2, 3};
    for (int c = 1; c <= 6; ++c)
        table(1, c) = row[c - 1];
    WriteFile(table, 1);
    OpenPage();
    page->OnPrint();
    const std::string path = dir.Folder() + "reference point.txt";
    EXPECT_EQ(testsupport::TempDir::Read(path),
              tablestest::ReportHead("Member properties") +
                  "Property\tE(kN/mm^2)\tA(mm^2)\tG(kN/mm^2)\tI1(mm^4)\tI2(mm^4)\tI3(mm^4)\n"
                  "1\t206\t1.23e+04\t78.5\t1e+12\t2e+12\t3e+12\n");
    EXPECT_EQ(launches.attempted.at(0), "Notepad " + path);
    const std::string truss = PropertyTable::Report(table, "Truss3D", "T", "m");
    EXPECT_EQ(truss.substr(truss.find("Property")), "Property\tE(T/m^2)\tA(m^2)\n1\t2.1e+07\t0.0123\n");
}

} // namespace
