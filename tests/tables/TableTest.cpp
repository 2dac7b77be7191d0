#include "TablesTestSupport.h"
#include "tables/EditWnd.h"
#include "tables/GridEditing.h"
#include "tables/Table.h"

using tablestest::Key;
using tablestest::Type;

namespace {

CdMatrix Sample()
{
    CdMatrix m(3, 2);
    m(1, 1) = 1.0;
    m(1, 2) = -0.5;
    m(2, 1) = 1234.5678;
    m(2, 2) = 0.0004;
    m(3, 1) = 7.0;
    m(3, 2) = 2.25;
    return m;
}

// A shown table over Sample().
struct ShownTable {
    ShownTable() : table(new CTable), host(table)
    {
        table->SetMatrix(Sample());
        host.ShowActive();
        table->Initialize();
    }
    CTable* table;
    tablestest::GridHost host;
};

} // namespace

TEST(Table, FillsFromItsMatrix)
{
    CTable table;
    table.SetMatrix(Sample());
    EXPECT_EQ(table.GetRows(), 4);
    EXPECT_EQ(table.GetCols(), 3);
    tablestest::ExpectCells(&table, {{2, 0, "2"}, {1, 2, "-0.500"}, {2, 1, "1234.568"}, {2, 2, "0.000"}});
    table.SetCell(3, 2, 9.87654);
    EXPECT_EQ(table.GetTextMatrix(3, 2), "9.877");
    EXPECT_TRUE(table.IsChanged()); // set at construction
}

TEST(Table, EditStoresIntoTheMatrixAndMarksAChange)
{
    ShownTable shown;
    CTable* table = shown.table;
    table->SetChanged(false);
    table->SetRow(2);
    table->SetCol(2);
    // The opening key is not typed in: the cell's text waits selected.
    Type(table, "9");
    ASSERT_TRUE(table->Editor() && !table->Editor()->isHidden());
    EXPECT_EQ(table->Editor()->selectedText().toStdString(), "0.000");
    Type(table, "3.5");
    Key(table, Qt::Key_Return); // focus back to the grid: committed
    EXPECT_TRUE(table->Editor()->isHidden());
    EXPECT_EQ(table->GetTextMatrix(2, 2), "3.5"); // as typed
    EXPECT_DOUBLE_EQ(table->GetMatrix()(2, 2), 3.5);
    EXPECT_TRUE(table->IsChanged());

    // The same value again leaves a cleared flag clear.
    table->SetChanged(false);
    Key(table, Qt::Key_Return);
    EXPECT_EQ(table->Editor()->GetText(), "3.5");
    Key(table, Qt::Key_Return);
    EXPECT_FALSE(table->IsChanged());

    // Escape stores nothing; an arrow key then commits nothing.
    Type(table, "8");
    Key(table, Qt::Key_Escape);
    Key(table, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(table->GetMatrix()(2, 2), 3.5);
    EXPECT_EQ(table->GetRow(), 1);
}

TEST(Table, MousePressOnTheLastCellSelectsEveryRow)
{
    ShownTable shown;
    CTable* table = shown.table;
    tablestest::Drag(table, 1, 2);
    EXPECT_EQ(table->GetSelStart(), 1);
    EXPECT_EQ(table->GetSelEnd(), 2);
    table->SetRow(3);
    table->SetCol(2);
    // The press lands on the bottom-right cell, which is current already.
    QTest::mousePress(table->viewport(), Qt::LeftButton, Qt::NoModifier, tablestest::CellCentre(table, 3, 2));
    EXPECT_EQ(table->GetSelStart(), 1);
    EXPECT_EQ(table->GetSelEnd(), 3);
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, Qt::NoModifier, tablestest::CellCentre(table, 3, 2));
}

TEST(GridEditing, NumbersUseTheCNumericLocale)
{
    EXPECT_DOUBLE_EQ(GridEditing::ParseNumber("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(GridEditing::ParseNumber("  -1e3x"), -1000.0);
    EXPECT_DOUBLE_EQ(GridEditing::ParseNumber("abc"), 0.0);
    EXPECT_EQ(GridEditing::ParseInteger("12.9"), 12);
    EXPECT_EQ(GridEditing::Format("%.4g", 1234.567), "1235");
    EXPECT_EQ(GridEditing::Format("%.3f", 0.5), "0.500");
}
