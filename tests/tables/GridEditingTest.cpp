#include "TablesTestSupport.h"
#include "numerics/dMatrix.h"
#include "tables/EditWnd.h"
#include "tables/GridEditing.h"
#include "tables/MSFlexGrid.h"

#include <QContextMenuEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

using tablestest::Key;
using tablestest::Type;

namespace {

// A coordinate-like table: three values per row shown "%.3f" in display
// units (stored x 1000), edited "%.4g". Records what the protocol asks of it.
class TestTable : public QWidget, public GridEditingClient {
public:
    TestTable(int rows, GridEditing::Options options) : table(rows, 3)
    {
        grid = new CMSFlexGrid(this);
        grid->setGeometry(6, 8, 500, 400);
        resize(520, 420);
        options.activeTableCode = 1001;
        editing = new GridEditing(grid, this, options, this);
        editing->SetSelectionTarget(&selFrom, &selTo, &activeTable);
        editing->CreateEditor(this);
        for (int i = 1; i <= rows; ++i)
            for (int j = 1; j <= 3; ++j)
                table(i, j) = i + j / 10.0;
        UpdateTable();
    }

    void UpdateTable()
    {
        ++fills;
        grid->Clear();
        grid->SetRows(table.GetRows() + 1);
        grid->SetCols(4);
        grid->SetTextMatrix(0, 0, " node ");
        editing->FillRows(table.GetRows(), [this](long r) {
            filled.push_back(r);
            grid->SetTextMatrix(r, 0, GridEditing::Format("%ld", r));
            for (int j = 1; j <= 3; ++j)
                grid->SetTextMatrix(r, j, GridEditing::Format("%.3f", table(static_cast<int>(r), j) * 1000.0));
        });
    }

    int TableRowCount() const override { return table.GetRows(); }
    void StoreCell(long row, long col, const std::string& text) override
    {
        const double shown = GridEditing::ShowNumber(*grid, row, col, text, "%.4g");
        table(static_cast<int>(row), static_cast<int>(col)) = shown / 1000.0;
        ++stores;
    }
    void AfterCommit() override { ++redraws; }
    void DeleteRows() override { ++deletes; }
    void AppendRow() override
    {
        CdMatrix grown(table.GetRows() + 1, 3);
        for (int i = 1; i <= table.GetRows(); ++i)
            for (int j = 1; j <= 3; ++j)
                grown(i, j) = table(i, j);
        table = grown;
        grid->SetRows(table.GetRows() + 1);
        grid->SetTextMatrix(table.GetRows(), 0, GridEditing::Format("%d", table.GetRows()));
        ++appends;
    }
    void RefillTable() override
    {
        filled.clear();
        UpdateTable();
    }
    void SelectionChanged() override { ++selectionChanges; }
    void ContextMenu(const QPoint& globalPos) override { menus.push_back(globalPos); }

    void ShowActive()
    {
        show();
        activateWindow();
        (void)QTest::qWaitForWindowExposed(this);
        (void)QTest::qWaitForWindowActive(this);
        grid->setFocus();
        QApplication::processEvents();
    }
    CEditWnd* Editor() const { return editing->Editor(); }

    CdMatrix table;
    CMSFlexGrid* grid;
    GridEditing* editing;
    int selFrom = 0, selTo = 0, activeTable = 0;
    int stores = 0, redraws = 0, deletes = 0, appends = 0, fills = 0, selectionChanges = 0;
    std::vector<long> filled;
    std::vector<QPoint> menus;
};

} // namespace

TEST(GridEditing, PageKeyStartsTheEditorWithItselfAndEnterCommits)
{
    TestTable page(5, GridEditing::PageOptions());
    page.ShowActive();
    page.grid->SetRow(4);
    page.grid->SetCol(1);
    // The typed key starts the number, as in a bar: no keystroke is lost.
    Type(page.grid, "2");
    ASSERT_TRUE(page.editing->IsEditing());
    EXPECT_EQ(page.Editor()->GetText(), "2");
    EXPECT_EQ(page.Editor()->selectedText().toStdString(), "");
    EXPECT_TRUE(page.Editor()->hasFocus());
    // The editor lies over the cell.
    const QRect cell = page.grid->CellRect(4, 1).translated(page.grid->pos());
    EXPECT_EQ(page.Editor()->geometry(), cell);
    Type(page.grid, ".5");
    Key(page.grid, Qt::Key_Return);
    EXPECT_FALSE(page.editing->IsEditing());
    EXPECT_EQ(page.grid->GetTextMatrix(4, 1), "2.5");
    EXPECT_DOUBLE_EQ(page.table(4, 1), 0.0025);
    EXPECT_EQ(page.stores, 1);
    EXPECT_EQ(page.redraws, 1);
    EXPECT_TRUE(page.grid->hasFocus());
    EXPECT_EQ(page.Editor()->GetText(), "");
}

TEST(GridEditing, ValueStoredIsTheValueShown)
{
    TestTable page(3, GridEditing::PageOptions());
    page.ShowActive();
    page.grid->SetRow(2);
    page.grid->SetCol(3);
    Key(page.grid, Qt::Key_Return);
    Type(page.grid, "1234.567");
    Key(page.grid, Qt::Key_Down);
    EXPECT_EQ(page.grid->GetTextMatrix(2, 3), "1235");
    EXPECT_DOUBLE_EQ(page.table(2, 3), 1.235);
    // Down committed and moved the cursor on.
    EXPECT_EQ(page.grid->GetRow(), 3);
    EXPECT_EQ(page.appends, 0);
}

TEST(GridEditing, PageEnterOpensWithTheCellTextSelected)
{
    TestTable page(3, GridEditing::PageOptions());
    page.ShowActive();
    page.grid->SetRow(1);
    page.grid->SetCol(2);
    Key(page.grid, Qt::Key_Return);
    ASSERT_TRUE(page.editing->IsEditing());
    EXPECT_EQ(page.Editor()->GetText(), "1200.000");
    EXPECT_EQ(page.Editor()->selectedText().toStdString(), "1200.000");
    // Enter again with nothing typed stores nothing.
    Key(page.grid, Qt::Key_Return);
    EXPECT_FALSE(page.editing->IsEditing());
    EXPECT_EQ(page.stores, 0);
}

TEST(GridEditing, EscapeStoresNothing)
{
    TestTable page(3, GridEditing::PageOptions());
    page.ShowActive();
    page.grid->SetRow(2);
    page.grid->SetCol(1);
    Type(page.grid, "99");
    Key(page.grid, Qt::Key_Escape);
    EXPECT_FALSE(page.editing->IsEditing());
    EXPECT_EQ(page.Editor()->GetText(), "");
    EXPECT_TRUE(page.grid->hasFocus());
    // Leaving the cell afterwards stores nothing either.
    Key(page.grid, Qt::Key_Down);
    EXPECT_EQ(page.stores, 0);
    EXPECT_DOUBLE_EQ(page.table(2, 1), 2.1);
    EXPECT_EQ(page.grid->GetTextMatrix(2, 1), "2100.000");
}

TEST(GridEditing, LeavingTheCellWithTheMouseCommitsIntoTheOldCell)
{
    TestTable page(6, GridEditing::PageOptions());
    page.ShowActive();
    page.grid->SetRow(2);
    page.grid->SetCol(2);
    Key(page.grid, Qt::Key_Return);
    Type(page.grid, "7");
    QTest::mouseClick(page.grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                      tablestest::CellCentre(page.grid, 5, 1));
    EXPECT_FALSE(page.editing->IsEditing());
    EXPECT_EQ(page.grid->GetTextMatrix(2, 2), "7");
    EXPECT_DOUBLE_EQ(page.table(2, 2), 0.007);
    EXPECT_EQ(page.grid->GetTextMatrix(5, 1), "5100.000");
}

TEST(GridEditing, DownOnTheLastRowAppendsOnlyAfterACommit)
{
    GridEditing::Options options = GridEditing::PageOptions();
    options.append = GridEditing::AppendAfterCommit;
    TestTable page(3, options);
    page.ShowActive();
    page.grid->SetRow(3);
    page.grid->SetCol(1);
    Key(page.grid, Qt::Key_Down); // no edit open: nothing appended
    EXPECT_EQ(page.appends, 0);
    Key(page.grid, Qt::Key_Return);
    Type(page.grid, "4");
    Key(page.grid, Qt::Key_Down);
    EXPECT_EQ(page.appends, 1);
    EXPECT_EQ(page.table.GetRows(), 4);
    EXPECT_EQ(page.grid->GetRows(), 5);
    EXPECT_DOUBLE_EQ(page.table(3, 1), 0.004);
    EXPECT_EQ(page.grid->GetRow(), 4); // the cursor moved into the new row
    // Down on another row only commits.
    page.grid->SetRow(2);
    Type(page.grid, "5");
    Key(page.grid, Qt::Key_Down);
    EXPECT_EQ(page.appends, 1);
}

TEST(GridEditing, BarStartsFromTheTypedCharacter)
{
    TestTable bar(4, GridEditing::BarOptions());
    bar.ShowActive();
    bar.grid->SetRow(2);
    bar.grid->SetCol(1);
    Type(bar.grid, "7");
    ASSERT_TRUE(bar.editing->IsEditing());
    EXPECT_EQ(bar.Editor()->GetText(), "7");
    EXPECT_EQ(bar.Editor()->selectedText().toStdString(), "");
    EXPECT_EQ(bar.Editor()->cursorPosition(), 1);
    Key(bar.grid, Qt::Key_Escape);

    Type(bar.grid, "-");
    EXPECT_EQ(bar.Editor()->GetText(), "-");
    Key(bar.grid, Qt::Key_Escape);
    Type(bar.grid, ".");
    EXPECT_EQ(bar.Editor()->GetText(), ".");
    Key(bar.grid, Qt::Key_Escape);
    // A letter or Enter starts empty.
    Type(bar.grid, "x");
    EXPECT_TRUE(bar.editing->IsEditing());
    EXPECT_EQ(bar.Editor()->GetText(), "");
    Key(bar.grid, Qt::Key_Escape);
    Key(bar.grid, Qt::Key_Return);
    EXPECT_EQ(bar.Editor()->GetText(), "");
    // An empty commit stores nothing but closes the editor.
    Key(bar.grid, Qt::Key_Return);
    EXPECT_FALSE(bar.editing->IsEditing());
    EXPECT_EQ(bar.stores, 0);
    // A double click (left button left behind) starts from the cell text.
    QTest::mouseDClick(bar.grid->viewport(), Qt::LeftButton, Qt::NoModifier, tablestest::CellCentre(bar.grid, 3, 2));
    ASSERT_TRUE(bar.editing->IsEditing());
    EXPECT_EQ(bar.editing->LastKey(), 1);
    EXPECT_EQ(bar.Editor()->GetText(), "3200.000");
}

TEST(GridEditing, BarCursorKeysMoveTheSelection)
{
    TestTable bar(5, GridEditing::BarOptions());
    bar.ShowActive();
    bar.grid->SetRow(2);
    bar.grid->SetCol(1);
    Key(bar.grid, Qt::Key_Down);
    EXPECT_EQ(bar.selFrom, 3);
    EXPECT_EQ(bar.selTo, 3);
    EXPECT_EQ(bar.grid->GetRow(), 3);
    Type(bar.grid, "8");
    Key(bar.grid, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(bar.table(3, 1), 0.008);
    EXPECT_EQ(bar.selFrom, 2);
    EXPECT_EQ(bar.selTo, 2);
    EXPECT_EQ(bar.grid->GetRow(), 2);
    EXPECT_GE(bar.selectionChanges, 2);
}

TEST(GridEditing, NoEditorOnAHeaderOnlyGridOrBeyondTheTableOfABar)
{
    TestTable page(0, GridEditing::PageOptions());
    page.ShowActive();
    Type(page.grid, "1");
    Key(page.grid, Qt::Key_Return);
    EXPECT_FALSE(page.editing->IsEditing());

    TestTable bar(2, GridEditing::BarOptions());
    bar.ShowActive();
    bar.grid->SetRows(4); // an empty row below the table
    bar.grid->SetRow(3);
    Type(bar.grid, "1");
    EXPECT_FALSE(bar.editing->IsEditing());
    bar.grid->SetRow(2);
    Type(bar.grid, "1");
    EXPECT_TRUE(bar.editing->IsEditing());
}

TEST(GridEditing, DeleteKeyRunsTheDeleteCommandFromTheGridOnly)
{
    TestTable page(3, GridEditing::PageOptions());
    page.ShowActive();
    Key(page.grid, Qt::Key_Delete);
    EXPECT_EQ(page.deletes, 1);
    Type(page.grid, "12");
    Key(page.grid, Qt::Key_Delete); // edits the text, deletes no rows
    EXPECT_EQ(page.deletes, 1);
}

TEST(GridEditing, MousePressAndReleaseSetTheSelectionRange)
{
    TestTable page(20, GridEditing::PageOptions());
    page.ShowActive();
    tablestest::Drag(page.grid, 3, 7);
    EXPECT_EQ(page.selFrom, 3);
    EXPECT_EQ(page.selTo, 7);
    EXPECT_EQ(page.activeTable, 1001);

    // Dragged upwards: the pressed row alone.
    tablestest::Drag(page.grid, 9, 4);
    EXPECT_EQ(page.selFrom, 9);
    EXPECT_EQ(page.selTo, 9);

    // One row clicked below the header: that row.
    QTest::mouseClick(page.grid->viewport(), Qt::LeftButton, Qt::NoModifier, tablestest::CellCentre(page.grid, 1, 2));
    EXPECT_EQ(page.selFrom, 1);
    EXPECT_EQ(page.selTo, 1);

    // The right button changes nothing.
    page.activeTable = 0;
    QTest::mouseClick(page.grid->viewport(), Qt::RightButton, Qt::NoModifier, tablestest::CellCentre(page.grid, 6, 2));
    EXPECT_EQ(page.selFrom, 1);
    EXPECT_EQ(page.activeTable, 0);
}

TEST(GridEditing, ClickOnTheHeaderRowSelectsTheWholeTable)
{
    TestTable page(20, GridEditing::PageOptions());
    page.ShowActive();
    ASSERT_EQ(page.grid->HeaderHeight(), page.grid->TwipsToPixelsY(240)); // 16 pixels at 96 dpi
    QWidget* header = page.grid->horizontalHeader()->viewport();
    QTest::mouseClick(header, Qt::LeftButton, Qt::NoModifier, QPoint(30, page.grid->HeaderHeight() / 2));
    EXPECT_EQ(page.selFrom, 1);
    EXPECT_EQ(page.selTo, 20);
}

TEST(GridEditing, CtrlASelectsAndHighlightsTheWholeTable)
{
    TestTable page(12, GridEditing::PageOptions());
    page.ShowActive();
    page.grid->SetRow(5);
    Key(page.grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(page.selFrom, 1);
    EXPECT_EQ(page.selTo, 12);
    EXPECT_EQ(page.grid->GetRow(), 12);
    EXPECT_EQ(page.grid->GetCol(), 3);
    EXPECT_EQ(page.grid->GetRowSel(), 1);
    EXPECT_EQ(page.grid->GetColSel(), 1);
    EXPECT_EQ(page.grid->selectionModel()->selectedIndexes().size(), 36);
    EXPECT_FALSE(page.editing->IsEditing());
}

TEST(GridEditing, WindowBoundsAroundTheScrollPosition)
{
    auto w = GridEditing::FillWindow(0, 10000);
    EXPECT_EQ(w.first, 1);
    EXPECT_EQ(w.last, 27);
    w = GridEditing::FillWindow(500, 10000);
    EXPECT_EQ(w.first, 473);
    EXPECT_EQ(w.last, 527);
    w = GridEditing::FillWindow(9990, 10000);
    EXPECT_EQ(w.first, 9963);
    EXPECT_EQ(w.last, 10000);
    w = GridEditing::FillWindow(3, 5);
    EXPECT_EQ(w.first, 1);
    EXPECT_EQ(w.last, 5);
    w = GridEditing::FillWindow(0, 0);
    EXPECT_GT(w.first, w.last);
}

TEST(GridEditing, WindowedFillWritesOnlyRowsAroundThePosition)
{
    TestTable page(10000, GridEditing::PageOptions());
    page.ShowActive();
    EXPECT_EQ(page.filled.front(), 1);
    EXPECT_EQ(page.filled.back(), 27);
    page.grid->SetTopRow(5001); // scroll position 5000: the Scroll event refills
    EXPECT_EQ(page.grid->GetScrollPos(), 5000);
    ASSERT_FALSE(page.filled.empty());
    EXPECT_EQ(page.filled.front(), 4973);
    EXPECT_EQ(page.filled.back(), 5027);
    EXPECT_EQ(page.filled.size(), 55u);
    EXPECT_EQ(page.grid->GetTextMatrix(4973, 0), "4973");
    EXPECT_EQ(page.grid->GetTextMatrix(5027, 2), "5027200.000");
    EXPECT_EQ(page.grid->GetTextMatrix(4972, 0), "");
    EXPECT_EQ(page.grid->GetTextMatrix(5028, 1), "");
    EXPECT_EQ(page.grid->GetTextMatrix(20, 1), ""); // the first window was cleared
    EXPECT_EQ(page.grid->GetRows(), 10001);
}

TEST(GridEditing, NumbersUseTheCNumericLocale)
{
    EXPECT_DOUBLE_EQ(GridEditing::ParseNumber("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(GridEditing::ParseNumber("  -1e3x"), -1000.0);
    EXPECT_DOUBLE_EQ(GridEditing::ParseNumber("abc"), 0.0);
    EXPECT_EQ(GridEditing::ParseInteger("12.9"), 12);
    EXPECT_EQ(GridEditing::Format("%.4g", 1234.567), "1235");
    EXPECT_EQ(GridEditing::Format("        %d", 5), "        5");
    EXPECT_EQ(GridEditing::Format("%.3f", 0.5), "0.500");
}

TEST(GridEditing, RightClickAsksForTheContextMenuAtTheMouse)
{
    TestTable page(5, GridEditing::PageOptions());
    page.ShowActive();
    const QPoint at = tablestest::CellCentre(page.grid, 2, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, page.grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(page.grid->viewport(), &event);
    ASSERT_EQ(page.menus.size(), 1u);
    EXPECT_EQ(page.menus[0], page.grid->viewport()->mapToGlobal(at));
}
