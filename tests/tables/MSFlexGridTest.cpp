#include "TablesTestSupport.h"
#include "tables/MSFlexGrid.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <gtest/gtest.h>

using tablestest::GridHost;

TEST(MSFlexGrid, CountsIncludeHeaderRowAndNumberColumn)
{
    CMSFlexGrid grid;
    grid.SetRows(11);
    grid.SetCols(4);
    EXPECT_EQ(grid.GetRows(), 11);
    EXPECT_EQ(grid.GetCols(), 4);
    EXPECT_EQ(grid.rowCount(), 10);
    EXPECT_EQ(grid.columnCount(), 3);
    grid.SetRows(1);
    EXPECT_EQ(grid.GetRows(), 1);
    EXPECT_EQ(grid.rowCount(), 0);
}

TEST(MSFlexGrid, TextMatrixReachesHeaderNumberColumnAndCells)
{
    CMSFlexGrid grid;
    grid.SetRows(4);
    grid.SetCols(3);
    grid.SetTextMatrix(0, 0, "corner");
    grid.SetTextMatrix(0, 1, " node ");
    grid.SetTextMatrix(2, 0, "2");
    grid.SetTextMatrix(3, 2, "1.500");
    EXPECT_EQ(grid.GetTextMatrix(0, 0), "corner");
    EXPECT_EQ(grid.GetTextMatrix(0, 1), " node ");
    EXPECT_EQ(grid.horizontalHeaderItem(0)->text().toStdString(), " node ");
    EXPECT_EQ(grid.GetTextMatrix(2, 0), "2");
    EXPECT_EQ(grid.verticalHeaderItem(1)->text().toStdString(), "2");
    EXPECT_EQ(grid.GetTextMatrix(3, 2), "1.500");
    EXPECT_EQ(grid.item(2, 1)->text().toStdString(), "1.500");
    EXPECT_EQ(grid.GetTextMatrix(1, 1), "");
    // Out of range: ignored and empty.
    grid.SetTextMatrix(4, 1, "x");
    grid.SetTextMatrix(1, 3, "x");
    EXPECT_EQ(grid.GetTextMatrix(4, 1), "");
    EXPECT_EQ(grid.GetTextMatrix(-1, 0), "");

    grid.SetRow(3);
    grid.SetCol(2);
    EXPECT_EQ(grid.GetText(), "1.500");
    grid.SetText("7");
    EXPECT_EQ(grid.GetTextMatrix(3, 2), "7");
}

TEST(MSFlexGrid, ClearEmptiesEveryTextAndKeepsCounts)
{
    CMSFlexGrid grid;
    grid.SetRows(1001);
    grid.SetCols(4);
    grid.SetTextMatrix(0, 1, "X");
    grid.SetTextMatrix(0, 0, "c");
    for (long r = 500; r <= 510; ++r) {
        grid.SetTextMatrix(r, 0, std::to_string(r));
        grid.SetTextMatrix(r, 3, "v");
    }
    grid.Clear();
    EXPECT_EQ(grid.GetRows(), 1001);
    EXPECT_EQ(grid.GetCols(), 4);
    EXPECT_EQ(grid.GetTextMatrix(0, 1), "");
    EXPECT_EQ(grid.GetTextMatrix(0, 0), "");
    for (long r = 500; r <= 510; ++r) {
        EXPECT_EQ(grid.GetTextMatrix(r, 0), "");
        EXPECT_EQ(grid.GetTextMatrix(r, 3), "");
    }
    // Shrinking drops texts of removed rows; growing again shows them empty.
    grid.SetTextMatrix(900, 1, "a");
    grid.SetRows(800);
    grid.SetRows(1001);
    EXPECT_EQ(grid.GetTextMatrix(900, 1), "");
}

TEST(MSFlexGrid, TwipsFollowTheLogicalDensity)
{
    EXPECT_EQ(CMSFlexGrid::TwipsToPixels(1440, 96), 96);
    EXPECT_EQ(CMSFlexGrid::TwipsToPixels(850, 96), 56);   // 81600 / 1440 = 56.67
    EXPECT_EQ(CMSFlexGrid::TwipsToPixels(65, 96), 4);
    EXPECT_EQ(CMSFlexGrid::TwipsToPixels(850, 120), 70);  // 102000 / 1440 = 70.8
    EXPECT_EQ(CMSFlexGrid::PixelsToTwips(56, 96), 840);
    EXPECT_EQ(CMSFlexGrid::PixelsToTwips(7, 120), 84);

    CMSFlexGrid grid;
    grid.SetCols(4);
    grid.SetColWidth(1, 850);
    EXPECT_EQ(grid.columnWidth(0), CMSFlexGrid::TwipsToPixels(850, grid.logicalDpiX()));
    EXPECT_EQ(grid.GetColWidth(1), CMSFlexGrid::PixelsToTwips(grid.columnWidth(0), grid.logicalDpiX()));
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
    const QRect drawn = grid->visualRect(grid->model()->index(2, 1))
                            .translated(grid->viewport()->geometry().topLeft());
    EXPECT_EQ(cell.topLeft(), drawn.topLeft());
    EXPECT_EQ(cell.width(), grid->columnWidth(1));
    EXPECT_EQ(cell.height(), grid->rowHeight(2));
    EXPECT_EQ(grid->GetCellLeft(), grid->PixelsToTwipsX(cell.left() - grid->frameWidth()));
    EXPECT_EQ(grid->GetCellTop(), grid->PixelsToTwipsY(cell.top() - grid->frameWidth()));
    EXPECT_EQ(grid->GetCellWidth(), grid->PixelsToTwipsX(grid->TwipsToPixelsX(600)));
    // Left of column 2 = number column + column 1.
    EXPECT_EQ(cell.left() - grid->frameWidth(), grid->TwipsToPixelsX(900) + grid->TwipsToPixelsX(1200));
    // Top of row 3 = header row + two rows.
    EXPECT_EQ(cell.top() - grid->frameWidth(), grid->HeaderHeight() + 2 * grid->rowHeight(0));
}

TEST(MSFlexGrid, KeysRaiseKeyDownThenKeyPressAndMoveTheCursor)
{
    GridHost host;
    CMSFlexGrid* grid = host.grid;
    grid->SetRows(6);
    grid->SetCols(4);
    host.ShowActive();
    std::vector<std::pair<int, int>> downs;
    std::vector<int> presses;
    std::vector<long> leaves; // the row when LeaveCell comes
    QObject::connect(grid, &CMSFlexGrid::KeyDown, [&](short* code, short shift) {
        if (*code != 16 && *code != 17) // the modifier keys themselves
            downs.push_back({*code, shift});
    });
    QObject::connect(grid, &CMSFlexGrid::KeyPress, [&](short* key) { presses.push_back(*key); });
    QObject::connect(grid, &CMSFlexGrid::LeaveCell, [&] { leaves.push_back(grid->GetRow()); });

    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->GetRow(), 2);
    EXPECT_EQ(leaves, std::vector<long> {1}); // raised before the cell changes
    QTest::keyClick(grid, Qt::Key_5);
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(grid, Qt::Key_Return);
    QTest::keyClick(grid, Qt::Key_Period);
    ASSERT_EQ(downs.size(), 5u);
    EXPECT_EQ(downs[0], std::make_pair(40, 0));
    EXPECT_EQ(downs[1], std::make_pair(53, 0));
    EXPECT_EQ(downs[2], std::make_pair(65, 2));
    EXPECT_EQ(downs[3], std::make_pair(13, 0));
    EXPECT_EQ(downs[4].second, 0);
    // Ctrl+A is no character; Enter and '.' are.
    EXPECT_EQ(presses, (std::vector<int> {'5', 13, '.'}));

    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->GetRow(), 2);
    EXPECT_EQ(grid->GetCol(), 2);
    EXPECT_EQ(grid->GetRowSel(), 4);
    EXPECT_EQ(grid->GetColSel(), 2);
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid->GetRow(), 5);
    EXPECT_EQ(grid->GetCol(), 3);
    QTest::keyClick(grid, Qt::Key_Down); // stays on the last row
    EXPECT_EQ(grid->GetRow(), 5);
}

TEST(MSFlexGrid, CancelledKeyDownKeepsTheCursor)
{
    GridHost host;
    host.grid->SetRows(6);
    host.ShowActive();
    QObject::connect(host.grid, &CMSFlexGrid::KeyDown, [](short* code, short) { *code = 0; });
    QTest::keyClick(host.grid, Qt::Key_Down);
    EXPECT_EQ(host.grid->GetRow(), 1);
}

TEST(MSFlexGrid, MouseEventsCarryClientCoordinatesAndSelection)
{
    GridHost host;
    CMSFlexGrid* grid = host.grid;
    grid->SetRows(30);
    grid->SetCols(4);
    host.ShowActive();
    struct Press {
        short button, shift;
        long x, y, rowSel;
    };
    std::vector<Press> downs, ups;
    QObject::connect(grid, &CMSFlexGrid::MouseDown, [&](short b, short s, long x, long y) {
        downs.push_back({b, s, x, y, grid->GetRowSel()});
    });
    QObject::connect(grid, &CMSFlexGrid::MouseUp, [&](short b, short s, long x, long y) {
        ups.push_back({b, s, x, y, grid->GetRowSel()});
    });
    QSignalSpy selChanges(grid, &CMSFlexGrid::SelChange);

    tablestest::Drag(grid, 4, 9, 2);
    ASSERT_EQ(downs.size(), 1u);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(downs[0].button, 1);
    EXPECT_EQ(downs[0].rowSel, 4);
    EXPECT_EQ(ups[0].rowSel, 9);
    EXPECT_EQ(grid->GetRow(), 4);
    EXPECT_EQ(grid->GetCol(), 2);
    EXPECT_GE(selChanges.count(), 2);
    const QPoint centre = tablestest::CellCentre(grid, 4, 2);
    const QPoint client = grid->viewport()->mapTo(grid, centre) - QPoint(grid->frameWidth(), grid->frameWidth());
    EXPECT_EQ(downs[0].x, client.x());
    EXPECT_EQ(downs[0].y, client.y());

    // The header row: y inside the top band, the whole column selected.
    QWidget* header = grid->horizontalHeader()->viewport();
    QTest::mousePress(header, Qt::LeftButton, Qt::NoModifier, QPoint(20, 5));
    QTest::mouseRelease(header, Qt::LeftButton, Qt::NoModifier, QPoint(20, 5));
    ASSERT_EQ(ups.size(), 2u);
    EXPECT_LT(ups[1].y, grid->HeaderHeight());
    EXPECT_EQ(grid->GetRow(), 1);
    EXPECT_EQ(grid->GetRowSel(), 29);

    // The right button leaves the cell alone.
    QTest::mouseClick(grid->viewport(), Qt::RightButton, Qt::NoModifier, tablestest::CellCentre(grid, 6, 1));
    EXPECT_EQ(grid->GetRow(), 1);
    EXPECT_EQ(downs.back().button, 2);

    QSignalSpy doubles(grid, &CMSFlexGrid::DblClick);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, tablestest::CellCentre(grid, 2, 1));
    EXPECT_EQ(doubles.count(), 1);
}

TEST(MSFlexGrid, ScrollingRaisesScrollAndMovesTheTopRow)
{
    GridHost host;
    CMSFlexGrid* grid = host.grid;
    grid->SetRows(1001);
    host.ShowActive();
    QSignalSpy scrolls(grid, &CMSFlexGrid::Scroll);
    grid->SetTopRow(101);
    EXPECT_EQ(grid->GetScrollPos(), 100);
    EXPECT_EQ(grid->GetTopRow(), 101);
    EXPECT_EQ(scrolls.count(), 1);
    grid->verticalScrollBar()->setValue(500);
    EXPECT_EQ(scrolls.count(), 2);
    EXPECT_EQ(grid->GetScrollPos(), 500);
}

TEST(MSFlexGrid, ChangingColumnsOfALongTableKeepsTextsAndPosition)
{
    GridHost host;
    CMSFlexGrid* grid = host.grid;
    grid->SetRows(50001);
    grid->SetCols(4);
    host.ShowActive();
    grid->SetTextMatrix(0, 2, " Y ");
    grid->SetTextMatrix(40000, 0, "40000");
    grid->SetTextMatrix(40000, 3, "z");
    grid->SetTextMatrix(40001, 1, "x");
    grid->SetTopRow(39991);
    QSignalSpy scrolls(grid, &CMSFlexGrid::Scroll);
    grid->SetCols(7);
    EXPECT_EQ(grid->GetCols(), 7);
    EXPECT_EQ(grid->GetRows(), 50001);
    EXPECT_EQ(grid->GetTextMatrix(0, 2), " Y ");
    EXPECT_EQ(grid->GetTextMatrix(40000, 0), "40000");
    EXPECT_EQ(grid->GetTextMatrix(40000, 3), "z");
    EXPECT_EQ(grid->GetTextMatrix(40001, 1), "x");
    EXPECT_EQ(grid->GetScrollPos(), 39990);
    EXPECT_EQ(scrolls.count(), 0);
    grid->SetCols(3); // the texts of dropped columns go with them
    EXPECT_EQ(grid->GetTextMatrix(40000, 3), "");
    EXPECT_EQ(grid->GetTextMatrix(40001, 1), "x");
}
