#include "TablesTestSupport.h"
#include "numerics/dMatrix.h"
#include "tables/EditWnd.h"
#include "tables/Table.h"

#include <gtest/gtest.h>

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

} // namespace

TEST(Table, FillsFromItsMatrix)
{
    CTable table;
    table.SetMatrix(Sample());
    EXPECT_EQ(table.GetRows(), 4);
    EXPECT_EQ(table.GetCols(), 3);
    EXPECT_EQ(table.GetTextMatrix(2, 0), "2");
    EXPECT_EQ(table.GetTextMatrix(1, 2), "-0.500");
    EXPECT_EQ(table.GetTextMatrix(2, 1), "1234.568");
    EXPECT_EQ(table.GetTextMatrix(2, 2), "0.000");
    table.SetCell(3, 2, 9.87654);
    EXPECT_EQ(table.GetTextMatrix(3, 2), "9.877");
    EXPECT_TRUE(table.IsChanged()); // set at construction
    EXPECT_EQ(table.GetSelStart(), 0);
    EXPECT_EQ(table.GetSelEnd(), 0);
}

TEST(Table, EditStoresIntoTheMatrixAndMarksAChange)
{
    auto* table = new CTable;
    tablestest::GridHost host(table);
    table->SetMatrix(Sample());
    host.ShowActive();
    table->Initialize();
    EXPECT_EQ(table->GetPixelsPerInchX(), table->logicalDpiX());
    EXPECT_EQ(table->GetCellOriginTop(), table->PixelsToTwipsY(table->HeaderHeight()));
    table->SetChanged(false);

    table->SetRow(2);
    table->SetCol(2);
    // The opening key is not typed in: the cell's text waits selected.
    Type(table, "9");
    ASSERT_TRUE(table->Editor() && !table->Editor()->isHidden());
    EXPECT_EQ(table->Editor()->GetText(), "0.000");
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
    ASSERT_FALSE(table->Editor()->isHidden());
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
    auto* table = new CTable;
    tablestest::GridHost host(table);
    table->SetMatrix(Sample());
    host.ShowActive();
    table->Initialize();
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
