#include "TablesTestSupport.h"
#include "tables/GridEditing.h"
#include "tables/MSFlexGrid.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

using tablestest::GridHost;

TEST(MSFlexGrid, TextMatrixReachesHeaderNumberColumnAndCells)
{
    CMSFlexGrid grid;
    grid.SetRows(4);
    grid.SetCols(3);
    grid.SetTextMatrix(0, 1, " node ");
    grid.SetTextMatrix(2, 0, "2");
    grid.SetTextMatrix(3, 2, "1.500");
    EXPECT_EQ(grid.verticalHeaderItem(1)->text().toStdString(), "2"); // Qt's header shows the number
    // Out of range: ignored and empty.
    grid.SetTextMatrix(4, 1, "x");
    grid.SetTextMatrix(1, 3, "x");
    tablestest::ExpectCells(&grid, {{0, 1, " node "}, {3, 2, "1.500"}, {1, 1, ""}, {4, 1, ""}, {-1, 0, ""}});
    grid.SetRow(3);
    grid.SetCol(2);
    EXPECT_EQ(grid.GetText(), "1.500");
    grid.SetText("7");
    EXPECT_EQ(grid.GetTextMatrix(3, 2), "7");
}

TEST(MSFlexGrid, ScrollingAndChangingColumnsOfALongTable)
{
    GridHost host;
    CMSFlexGrid* grid = host.grid;
    grid->SetRows(50001);
    grid->SetCols(4);
    host.ShowActive();
    QSignalSpy scrolls(grid, &CMSFlexGrid::Scroll);
    grid->SetTopRow(101);
    EXPECT_EQ(grid->GetScrollPos(), 100);
    EXPECT_EQ(grid->GetTopRow(), 101);
    EXPECT_EQ(scrolls.count(), 1);
    grid->verticalScrollBar()->setValue(500);
    EXPECT_EQ(scrolls.count(), 2);
    EXPECT_EQ(grid->GetScrollPos(), 500);

    // More columns keep the texts and the position and raise no Scroll.
    grid->SetTextMatrix(0, 2, " Y ");
    grid->SetTextMatrix(40000, 3, "z");
    grid->SetTextMatrix(40001, 1, "x");
    grid->SetTopRow(39991);
    scrolls.clear();
    grid->SetCols(7);
    EXPECT_EQ(grid->GetRows(), 50001);
    tablestest::ExpectCells(grid, {{0, 2, " Y "}, {40000, 3, "z"}, {40001, 1, "x"}});
    EXPECT_EQ(grid->GetScrollPos(), 39990);
    EXPECT_EQ(scrolls.count(), 0);
    grid->SetCols(3); // the texts of dropped columns go with them
    tablestest::ExpectCells(grid, {{40000, 3, ""}, {40001, 1, "x"}});
}

// What a typed cell stores: C numeric parsing whatever the locale.
TEST(GridEditing, NumbersUseTheCNumericLocale)
{
    EXPECT_DOUBLE_EQ(GridEditing::ParseNumber("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(GridEditing::ParseNumber("  -1e3x"), -1000.0);
    EXPECT_DOUBLE_EQ(GridEditing::ParseNumber("abc"), 0.0);
    EXPECT_EQ(GridEditing::ParseInteger("12.9"), 12);
    EXPECT_EQ(GridEditing::Format("%.4g", 1234.567), "1235");
    EXPECT_EQ(GridEditing::Format("%.3f", 0.5), "0.500");
}
