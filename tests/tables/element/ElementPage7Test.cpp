#include "ElementTestSupport.h"
#include "tables/MSFlexGrid.h"
#include "tables/TablesTestSupport.h"
#include "tables/element/ElementPage7.h"

#include <QRadioButton>

using elementtest::ElementProject;

namespace {

class Releases : public ElementProject {
protected:
    std::unique_ptr<CElementPage7> page;

    void Open()
    {
        page = std::make_unique<CElementPage7>();
        page->EnsureInitialized();
        ShowActive(page.get());
    }
    std::string Released() const
    {
        std::string text;
        for (int k = 1; k <= 12; ++k)
            if (page->Ticked(k))
                text += std::to_string(k) + " ";
        return text;
    }
    CdMatrix FileTable()
    {
        CdMatrix table;
        table.Load(dir.Folder() + "demo.res");
        return table;
    }
};

TEST_F(Releases, ANewProjectStartsWithTwoSetsThatOkWrites)
{
    Open();
    CMSFlexGrid* grid = page->Grid();
    ASSERT_EQ(grid->GetRows(), 3);
    ASSERT_EQ(grid->GetCols(), 13);
    tablestest::ExpectCells(grid, {{0, 0, " Type "}, {0, 12, "DOF 12"}, {2, 0, "2"}, {2, 3, "1"}, {2, 4, "0"},
                                   {2, 9, "1"}, {2, 10, "0"}});
    EXPECT_TRUE(page->FrameButton()->isChecked());
    EXPECT_TRUE(page->Box(4)->isEnabled());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dir.Folder() + "demo.res")));
    page->OnOK();
    const CdMatrix file = FileTable();
    ASSERT_EQ(file.GetRows(), 2);
    ASSERT_EQ(file.GetCols(), 12);
    tablestest::ExpectEntries(file, {{1, 6, 1}, {2, 6, 0}, {2, 9, 1}});
    EXPECT_EQ(Count("Number releases "), 2);
}

TEST_F(Releases, OkWritesOnlyTheReleaseCountOverTheCurrentSettings)
{
    SetCount("Number Material ", 1);
    Open();
    // Another page of the sheet adds property groups while this one is open.
    SetCount("Number Material ", 4);
    page->Grid()->SetRow(1);
    page->OnDelete();
    page->OnOK();
    EXPECT_EQ(Count("Number Material "), 4);
    EXPECT_EQ(Count("Number releases "), 1);
    EXPECT_EQ(FileTable().GetRows(), 1);
}

TEST_F(Releases, PresetsReleaseTheirDofsAndNeverBothEndsOfAxis1)
{
    Open();
    page->OnTruss3D();
    EXPECT_EQ(Released(), "2 3 4 5 6 8 9 11 12 ");
    EXPECT_FALSE(page->Box(1)->isEnabled());
    EXPECT_TRUE(page->TrussButton()->isChecked());
    page->OnXYPlan();
    EXPECT_EQ(Released(), "3 4 5 9 11 ");
    EXPECT_TRUE(page->Box(1)->isEnabled());
    page->OnYZPlan();
    EXPECT_EQ(Released(), "1 5 6 11 12 ");
    page->OnXZPlan();
    EXPECT_EQ(Released(), "2 4 6 8 12 ");
    page->OnFrame3D();
    EXPECT_EQ(Released(), "");
}

TEST_F(Releases, TheLastTickedBoxOfAnEndPairWins)
{
    Open();
    page->Box(1)->click();
    page->Box(7)->click();
    EXPECT_EQ(Released(), "7 ");
    page->Box(1)->click();
    EXPECT_EQ(Released(), "1 ");
    page->Box(10)->click();
    page->Box(4)->click();
    EXPECT_EQ(Released(), "1 4 ");
    page->Box(2)->click();
    page->Box(8)->click();
    EXPECT_EQ(Released(), "1 2 4 8 "); // other pairs are free
}

TEST_F(Releases, ClickingASetLoadsItIntoTheBoxesAndAddAppendsTheBoxes)
{
    Open();
    CMSFlexGrid* grid = page->Grid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, tablestest::CellCentre(grid, 2, 2));
    EXPECT_EQ(Released(), "4 5 6 10 11 12 ");
    page->Box(5)->click();
    page->OnAdd();
    ASSERT_EQ(page->Table().GetRows(), 3);
    tablestest::ExpectEntries(page->Table(), {{3, 5, 1}, {3, 4, 0}});
    EXPECT_EQ(grid->GetRows(), 4);
    // Delete changes the count in memory; only OK writes it.
    grid->SetRow(1);
    page->OnDelete();
    EXPECT_EQ(page->ReleaseCount(), 2);
    EXPECT_EQ(Count("Number releases "), -1);
    page->OnOK();
    EXPECT_EQ(Count("Number releases "), 2);
    EXPECT_EQ(FileTable()(1, 4), 0.0);
}

TEST_F(Releases, Truss3DShowsTheTranslationsOfBothEnds)
{
    SetProject("Truss3D", 3, "m", "Kg");
    CdMatrix sets(1, 12);
    for (int c = 1; c <= 12; ++c)
        sets(1, c) = c; // distinct values show the column mapping
    ASSERT_TRUE(sets.Save(dir.Folder() + "demo.res"));
    SetCount("Number releases ", 1);
    Open();
    CMSFlexGrid* grid = page->Grid();
    ASSERT_EQ(grid->GetCols(), 7);
    tablestest::ExpectCells(grid, {{0, 6, "DOF 6"}, {1, 3, "3"}, {1, 4, "7"}, {1, 6, "9"}});
    EXPECT_FALSE(page->Box(4)->isEnabled());
    EXPECT_FALSE(page->Box(1)->isEnabled());
    page->OnXYPlan();
    EXPECT_TRUE(page->Box(4)->isEnabled());
}

} // namespace
