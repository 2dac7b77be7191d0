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
    EXPECT_EQ(grid.rowCount(), 3); // the header row and number column are Qt's headers
    EXPECT_EQ(grid.columnCount(), 2);
    grid.SetTextMatrix(0, 1, " node ");
    grid.SetTextMatrix(2, 0, "2");
    grid.SetTextMatrix(3, 2, "1.500");
    EXPECT_EQ(grid.horizontalHeaderItem(0)->text().toStdString(), " node ");
    EXPECT_EQ(grid.verticalHeaderItem(1)->text().toStdString(), "2");
    EXPECT_EQ(grid.item(2, 1)->text().toStdString(), "1.500");
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

TEST(MSFlexGrid, TwipsFollowTheLogicalDensity)
{
    EXPECT_EQ(CMSFlexGrid::TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(CMSFlexGrid::TwipsToPixels(850, 96), 56);  // 81600 / 1440 = 56.67
    EXPECT_EQ(CMSFlexGrid::TwipsToPixels(850, 120), 70); // 102000 / 1440 = 70.8
    EXPECT_EQ(CMSFlexGrid::PixelsToTwips(7, 120), 84);

    CMSFlexGrid grid;
    grid.SetCols(4);
    grid.SetColWidth(1, 850);
    EXPECT_EQ(grid.columnWidth(0), CMSFlexGrid::TwipsToPixels(850, grid.logicalDpiX()));
    grid.SetColWidth(0, 780);
    EXPECT_EQ(grid.verticalHeader()->width(), CMSFlexGrid::TwipsToPixels(780, grid.logicalDpiX()));
}

TEST(MSFlexGrid, CellRectangleInTwipsMatchesTheDrawnCell)
{
    GridHost host;
    CMSFlexGrid* grid = host.grid;
    grid->SetRows(20);
    grid->SetCols(4);
    grid->SetColWidth(0, 900);
    grid->SetColWidth(1, 1200);
    grid->SetColWidth(2, 600);
    host.ShowActive();
    grid->SetRow(3);
    grid->SetCol(2);
    const QRect cell = grid->CellRect(3, 2);
    const QRect drawn = grid->visualRect(grid->model()->index(2, 1)).translated(grid->viewport()->geometry().topLeft());
    EXPECT_EQ(cell.topLeft(), drawn.topLeft());
    EXPECT_EQ(cell.size(), QSize(grid->columnWidth(1), grid->rowHeight(2)));
    EXPECT_EQ(grid->GetCellLeft(), grid->PixelsToTwipsX(cell.left() - grid->frameWidth()));
    EXPECT_EQ(grid->GetCellTop(), grid->PixelsToTwipsY(cell.top() - grid->frameWidth()));
    // Left of column 2 = number column + column 1; top of row 3 = header row + two rows.
    EXPECT_EQ(cell.left() - grid->frameWidth(), grid->TwipsToPixelsX(900) + grid->TwipsToPixelsX(1200));
    EXPECT_EQ(cell.top() - grid->frameWidth(), grid->HeaderHeight() + 2 * grid->rowHeight(0));
    EXPECT_EQ(grid->HeaderHeight(), grid->TwipsToPixelsY(240));
}

// Keys and the mouse reach the grid's events as the pages use them; the
// pages' tests drive them through real key presses and clicks.
TEST(MSFlexGrid, KeyDownComesBeforeLeaveCellAndCanCancelTheMove)
{
    GridHost host;
    CMSFlexGrid* grid = host.grid;
    grid->SetRows(6);
    grid->SetCols(4);
    host.ShowActive();
    std::vector<std::string> events;
    QObject::connect(grid, &CMSFlexGrid::KeyDown, [&](short* code, short shift) {
        events.push_back("down " + std::to_string(*code) + " " + std::to_string(shift));
        if (*code == 38) // Up: cancelled
            *code = 0;
    });
    QObject::connect(grid, &CMSFlexGrid::KeyPress,
                     [&](short* key) { events.push_back("press " + std::to_string(*key)); });
    QObject::connect(grid, &CMSFlexGrid::LeaveCell,
                     [&] { events.push_back("leave " + std::to_string(grid->GetRow())); });
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Period);
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(grid->GetRow(), 2);
    EXPECT_EQ(events, (std::vector<std::string> {"down 40 0", "leave 1", "down 190 0", "press 46", "down 38 0"}));
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
