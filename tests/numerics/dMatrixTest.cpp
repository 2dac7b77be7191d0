#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "numerics/dMatrix.h"
#include "numerics/iMatrix.h"
#include "platform/MessageBox.h"

namespace {

CdMatrix Make(int rows, int cols, std::initializer_list<double> values)
{
    CdMatrix m(rows, cols);
    auto it = values.begin();
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j)
            m(i, j) = *it++;
    return m;
}

std::vector<double> Column(const CdMatrix& m, int c)
{
    std::vector<double> out;
    for (int i = 1; i <= m.GetRows(); ++i)
        out.push_back(m(i, c));
    return out;
}

} // namespace

TEST(dMatrix, SpareSlotAbsorbsOutOfRangeReferences)
{
    CdMatrix m(2, 3);
    EXPECT_EQ(m.GetRows(), 2);
    EXPECT_EQ(m.GetCols(), 3);
    EXPECT_EQ(m.GetSize(), 6);
    m(0, 1) = 7.5;
    EXPECT_EQ(m(3, 1), 7.5);
    EXPECT_EQ(m(1, 4), 7.5);
    EXPECT_EQ(m(-100000, 2), 7.5);
    EXPECT_EQ(m.GetData()[0][0], 7.5);
    EXPECT_EQ(m.GetAt(0, 1), 0.0);
    m.SetAt(5, 5, 9.0);
    EXPECT_EQ(m(0, 0), 7.5);
    for (int i = 1; i <= 2; ++i)
        for (int j = 1; j <= 3; ++j)
            EXPECT_EQ(m(i, j), 0.0);

    CdMatrix empty;
    EXPECT_EQ(empty.GetAt(1, 1), 0.0);
    EXPECT_EQ(empty.GetSize(), 0);
    empty(1, 1) = 3.0; // lands in the one-slot block
    EXPECT_EQ(empty(0, 0), 3.0);
}

TEST(dMatrix, SetSizeFreeAndZero)
{
    CdMatrix m = Make(2, 2, {1, 2, 3, 4});
    m(0, 0) = 9.0;
    m.SetSize(3, 1);
    EXPECT_EQ(m.GetRows(), 3);
    EXPECT_EQ(m.GetCols(), 1);
    EXPECT_EQ(m(0, 0), 0.0);
    EXPECT_EQ(Column(m, 1), (std::vector<double>{0, 0, 0}));

    CdMatrix thin(0, 5);
    thin.Free(); // size 0: nothing to release, the shape fields stay
    EXPECT_EQ(thin.GetCols(), 5);
    m.Free();
    EXPECT_EQ(m.GetRows(), 0);
    EXPECT_EQ(m.GetCols(), 0);

    CdMatrix z = Make(1, 2, {3, 4});
    z(0, 0) = 1.0;
    z.Zero();
    EXPECT_EQ(z(0, 0), 0.0);
    EXPECT_EQ(z(1, 2), 0.0);
}

TEST(dMatrix, BlockCopies)
{
    CdMatrix src = Make(4, 2, {1, 2, 3, 4, 5, 6, 7, 8});
    CdMatrix part;
    part.CopyRows(3, 2, src);
    EXPECT_EQ(part, Make(2, 2, {3, 4, 5, 6}));

    CdMatrix target(4, 2);
    src(0, 0) = 0.5;
    target.CopyData(src);
    EXPECT_EQ(target, src);
    EXPECT_EQ(target(0, 0), 0.5);

    const double raw[] = {9, 1, 2, 3, 4};
    CdMatrix m(2, 2);
    m.SetData(4, raw);
    EXPECT_EQ(m(0, 0), 9.0);
    EXPECT_EQ(m, Make(2, 2, {1, 2, 3, 4}));
}

TEST(dMatrix, ShapeFieldsOverwrittenAloneKeepEveryCellInStorage)
{
    // More columns than the block holds: the new cells are real, zero cells
    // reached both through operator() and the row table; size stays.
    CdMatrix wide = Make(2, 2, {1, 2, 3, 4});
    wide.SetColsField(3);
    EXPECT_EQ(wide.GetCols(), 3);
    EXPECT_EQ(wide.GetSize(), 4);
    EXPECT_EQ(wide.GetAt(2, 3), 0.0);
    wide(2, 3) = 7.0;
    EXPECT_EQ(wide.GetAt(2, 3), 7.0);
    EXPECT_EQ(wide.GetData()[2][3], 7.0);
    EXPECT_EQ(wide(0, 0), 0.0); // not the spare slot
    EXPECT_EQ(wide.ToString(), "1\t2\t3\t\n4\t0\t7\t\n\n");

    // Fewer rows: a row appended afterwards is the new last row, not the
    // hidden old one.
    CdMatrix shorter = Make(2, 2, {1, 2, 3, 4});
    shorter.SetRowsField(1);
    const double row[] = {0, 8, 9};
    shorter.AppendRow(row);
    EXPECT_EQ(shorter, Make(2, 2, {1, 2, 8, 9}));
    CdMatrix more = Make(1, 2, {5, 6});
    shorter.SetRowsField(1);
    shorter.AppendRows(more);
    EXPECT_EQ(shorter.GetRows(), 2);
    EXPECT_EQ(shorter(2, 1), 5.0);
    shorter.SetRowsField(1);
    shorter.MoveRow(1, 3); // grows: the row in between is zero, not the hidden one
    EXPECT_EQ(shorter, Make(3, 2, {0, 0, 0, 0, 1, 2}));

    // A negative count is not a shape.
    CdMatrix m = Make(2, 2, {1, 2, 3, 4});
    m.SetRowsField(-1);
    m.SetColsField(-3);
    EXPECT_EQ(m, Make(2, 2, {1, 2, 3, 4}));
    // Many more rows: every row the field names reads (as zero).
    m.SetRowsField(5);
    EXPECT_EQ(Column(m, 1), (std::vector<double>{1, 3, 0, 0, 0}));
    EXPECT_EQ(m.GetSize(), 4);
}

TEST(dMatrix, RowAndColumnCopies)
{
    CdMatrix m = Make(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    EXPECT_EQ(m.GetRow(2), CdVector(3, 4.0, 5.0, 6.0));
    EXPECT_EQ(m.GetColumn(3), CdVector(3, 3.0, 6.0, 9.0));
    EXPECT_EQ(m.GetColumnVector(1), CdVector(3, 1.0, 4.0, 7.0));
    const CdVector part = m.GetRowPart(1, 2, 3); // a(1,2) and the three after it
    EXPECT_EQ(part.GetData()[0], 2.0);
    EXPECT_EQ(part.GetData()[1], 3.0);
    EXPECT_EQ(part.GetData()[3], 5.0);

    const double row[] = {0, 10, 11, 12};
    m.SetRow(4, row); // out of range: ignored
    EXPECT_EQ(m.GetRow(3), CdVector(3, 7.0, 8.0, 9.0));
    m.SetRow(1, row, 2);
    EXPECT_EQ(m.GetRow(1), CdVector(3, 10.0, 11.0, 3.0));
    m.SetRowPart(3, row, 2, 2);
    EXPECT_EQ(m.GetRow(3), CdVector(3, 7.0, 10.0, 11.0));
    m.SetColumn(0, row);
    m.SetColumn(2, row);
    EXPECT_EQ(m.GetColumn(2), CdVector(3, 10.0, 11.0, 12.0));
    const double col[] = {0, -1, -2, -3};
    m.SetColumnPart(1, col, 2, 3);
    EXPECT_EQ(m.GetColumn(1), CdVector(3, 10.0, -2.0, -3.0));
}

TEST(dMatrix, InsertRowInsertsBeforeAndInsertColumnAppendsAtTheCount)
{
    const CdMatrix base = Make(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    const double line[] = {0, -1, -2, -3};

    CdMatrix m = base;
    m.InsertColumn(3, line);
    ASSERT_EQ(m.GetCols(), 4);
    EXPECT_EQ(m.GetColumn(4), CdVector(3, -1.0, -2.0, -3.0));
    EXPECT_EQ(m.GetColumn(3), CdVector(3, 3.0, 6.0, 9.0));

    m = base;
    m.InsertRow(3, line);
    ASSERT_EQ(m.GetRows(), 4);
    EXPECT_EQ(m.GetRow(3), CdVector(3, -1.0, -2.0, -3.0));
    EXPECT_EQ(m.GetRow(4), CdVector(3, 7.0, 8.0, 9.0));

    m = base;
    m.InsertRow(0, line);
    m.InsertColumn(0, line);
    EXPECT_EQ(m, base);
    m.InsertRow(10, line);
    EXPECT_EQ(m.GetRow(4), CdVector(3, -1.0, -2.0, -3.0));

    m = base;
    m.InsertColumn(1, line);
    EXPECT_EQ(m.GetRow(2), CdVector(4, -2.0, 4.0, 5.0, 6.0));
    m.AppendColumn(line);
    EXPECT_EQ(m.GetCols(), 5);
    EXPECT_EQ(m(3, 5), -3.0);
    m.AppendRow(CdVector(5, 1.0, 1.0, 1.0, 1.0, 1.0));
    EXPECT_EQ(m.GetRows(), 4);
    EXPECT_EQ(m(4, 5), 1.0);
    m.InsertRow(1, CdVector(2, 5.0, 6.0)); // a short row is padded with zeros
    EXPECT_EQ(m.GetRow(1), CdVector(5, 5.0, 6.0, 0.0, 0.0, 0.0));
}

TEST(dMatrix, AppendRowsKeepsBothAndRefusesOtherColumnCounts)
{
    platform::MessageRecorder boxes;
    CdMatrix a = Make(2, 3, {1, 2, 3, 4, 5, 6});
    a.AppendRows(Make(2, 3, {7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(a, Make(4, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_TRUE(boxes.messages.empty());

    CdMatrix b = Make(2, 3, {1, 2, 3, 4, 5, 6});
    b.AppendRows(CdMatrix(1, 2));
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, "Two matrix column not equal");
    EXPECT_EQ(boxes.messages[0].caption, "Can't Add new row");
    EXPECT_EQ(b, Make(2, 3, {1, 2, 3, 4, 5, 6}));
}

TEST(dMatrix, DeleteRowsAndColumns)
{
    CdMatrix m = Make(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    m.DeleteRow(0);
    m.DeleteRow(4);
    m.DeleteColumn(4);
    EXPECT_EQ(m.GetSize(), 9);
    m.DeleteRow(2);
    EXPECT_EQ(m, Make(2, 3, {1, 2, 3, 7, 8, 9}));
    m.DeleteColumn(1);
    EXPECT_EQ(m, Make(2, 2, {2, 3, 8, 9}));
    CdMatrix k = Make(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    k.DeleteRowColumn(2);
    EXPECT_EQ(k, Make(2, 2, {1, 3, 7, 9}));
    EXPECT_EQ(k.GetSize(), 4);
}

TEST(dMatrix, SwapMoveAndShift)
{
    CdMatrix m = Make(3, 2, {1, 2, 3, 4, 5, 6});
    m.SwapRows(1, 3);
    m.SwapRows(1, 4);
    EXPECT_EQ(m, Make(3, 2, {5, 6, 3, 4, 1, 2}));
    m.SwapColumns(1, 2);
    EXPECT_EQ(m, Make(3, 2, {6, 5, 4, 3, 2, 1}));

    CdMatrix g = Make(2, 2, {1, 2, 3, 4});
    g.MoveRow(1, 4); // grows, the rows between are zero
    EXPECT_EQ(g, Make(4, 2, {0, 0, 3, 4, 0, 0, 1, 2}));
    g.MoveRow(5, 1);
    EXPECT_EQ(g.GetRows(), 4);
    g.MoveRow(2, 1);
    EXPECT_EQ(g, Make(4, 2, {3, 4, 0, 0, 0, 0, 1, 2}));
    g.MoveRow(1, 1); // onto itself: kept
    EXPECT_EQ(g.GetRow(1), CdVector(2, 3.0, 4.0));

    CdMatrix c = Make(2, 2, {1, 2, 3, 4});
    c.MoveColumn(1, 3);
    EXPECT_EQ(c, Make(2, 3, {0, 2, 1, 0, 4, 3}));
    c.MoveColumnAndDelete(3, 1);
    EXPECT_EQ(c, Make(2, 2, {1, 2, 3, 4}));
    c(0, 0) = 0.25;
    c.MoveColumn(2, 5); // several new columns at once
    EXPECT_EQ(c, Make(2, 5, {1, 0, 0, 0, 2, 3, 0, 0, 0, 4}));
    EXPECT_EQ(c(0, 0), 0.25);

    CdMatrix r = Make(3, 1, {1, 2, 3});
    r.MoveRowAndDelete(3, 1);
    EXPECT_EQ(r, Make(2, 1, {3, 2}));

    CdMatrix s = Make(4, 1, {1, 2, 3, 4});
    s.ShiftRow(4, 2);
    EXPECT_EQ(Column(s, 1), (std::vector<double>{1, 4, 2, 3}));
    s.ShiftRow(2, 2);
    EXPECT_EQ(Column(s, 1), (std::vector<double>{1, 4, 2, 3}));
    CdMatrix t = Make(1, 4, {1, 2, 3, 4});
    t.ShiftColumn(3, 1);
    EXPECT_EQ(t.GetRow(1), CdVector(4, 3.0, 1.0, 2.0, 4.0));
}

TEST(dMatrix, SortByColumnOrdersAscendingWithTheExchangeProcedure)
{
    // The exchange procedure is not stable: of the two rows keyed 2, the
    // later one comes first, as the table editors show them.
    CdMatrix m = Make(4, 2, {2, 1, 1, 2, 2, 3, 3, 4});
    m.SortByColumn(1);
    EXPECT_EQ(m, Make(4, 2, {1, 2, 2, 3, 2, 1, 3, 4}));
    // A column outside the table reads 0.0 for every row: every pair swaps.
    CdMatrix outside = Make(3, 1, {1, 2, 3});
    outside.SortByColumn(3);
    EXPECT_EQ(Column(outside, 1), (std::vector<double>{3, 1, 2}));
}

TEST(dMatrix, ProductsAndTranspose)
{
    const CdMatrix a = Make(2, 3, {1, 2, 3, 4, 5, 6});
    const CdMatrix b = Make(3, 2, {7, 8, 9, 10, 11, 12});
    EXPECT_EQ(a * b, Make(2, 2, {58, 64, 139, 154}));
    CdMatrix c = a;
    c *= b;
    EXPECT_EQ(c, Make(2, 2, {58, 64, 139, 154}));
    EXPECT_EQ(a.Transpose(), Make(3, 2, {1, 4, 2, 5, 3, 6}));

    const CdVector y = a * CdVector(3, 1.0, 0.0, -1.0);
    EXPECT_EQ(y, CdVector(2, -2.0, -2.0));
    const CdVector wrong = a * CdVector(2, 1.0, 1.0);
    EXPECT_EQ(wrong.GetSize(), 2);
    EXPECT_EQ(wrong, CdVector(2, 0.0, 0.0));
}

TEST(dMatrix, EqualityNeedsSameShape)
{
    EXPECT_EQ(Make(2, 2, {1, 2, 3, 4}), Make(2, 2, {1, 2, 3, 4}));
    EXPECT_NE(Make(2, 2, {1, 2, 3, 4}), Make(2, 2, {1, 2, 3, 5}));
    EXPECT_NE(Make(1, 4, {1, 2, 3, 4}), Make(2, 2, {1, 2, 3, 4}));
    CdMatrix a = Make(1, 1, {1});
    CdMatrix b = Make(1, 1, {1});
    a(0, 0) = 5.0; // the spare slot is not an element
    EXPECT_TRUE(a == b);
}

TEST(dMatrix, ColumnStatistics)
{
    EXPECT_EQ(Make(1, 1, {42}).ColumnMax(1), 0.0);
    EXPECT_EQ(Make(2, 1, {-3, -5}).ColumnMax(1), 0.0);
    EXPECT_EQ(Make(1, 1, {-42}).ColumnMin(1), 99999999.0);
    const CdMatrix m = Make(4, 2, {1, -7, 5, 2, -2, 3, 4, -1});
    EXPECT_EQ(m.ColumnMax(1), 5.0);
    EXPECT_EQ(m.ColumnMin(1), -2.0);
    EXPECT_EQ(m.ColumnAbsMax(2), 7.0);
    EXPECT_EQ(m.ColumnAbsSum(1), 12.0);
    EXPECT_EQ(m.ColumnAbsSum(2), 13.0);
    EXPECT_EQ(m.Norm1(), 13.0);
}

TEST(dMatrix, ChopClearsTinyValues)
{
    CdMatrix m = Make(1, 6, {1e-7, -5e-7, 2e-6, -3e-5, 0.0, std::numeric_limits<double>::quiet_NaN()});
    m.Chop(6);
    EXPECT_EQ(m(1, 1), 0.0);
    EXPECT_EQ(m(1, 2), 0.0);
    EXPECT_EQ(m(1, 3), 2e-6);
    EXPECT_EQ(m(1, 4), -3e-5);
    EXPECT_EQ(m(1, 5), 0.0);
    EXPECT_TRUE(std::isnan(m(1, 6)));
    EXPECT_EQ(Chop(1e-6, 6, -1.0), -1.0);
    EXPECT_EQ(Chop(1.1e-6, 6, -1.0), 1.1e-6);
}

TEST(dMatrix, ConvertsFromIntegerMatrix)
{
    CiMatrix im(2, 2);
    im(1, 1) = 3;
    im(2, 2) = -4;
    im(0, 0) = 9;
    CdMatrix m;
    m = im;
    EXPECT_EQ(m, Make(2, 2, {3, 0, 0, -4}));
    EXPECT_EQ(m(0, 0), 9.0);
}
