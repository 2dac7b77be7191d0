// The real and integer tables: the spare slot, editing as the table editors
// use it, the saturating conversion, the messages and the 2 x 2 solve.
#include <climits>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "numerics/dMatrix.h"
#include "numerics/iMatrix.h"
#include "platform/MessageBox.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

template <class M, class T>
M Fill(int rows, int cols, std::initializer_list<T> values)
{
    M m(rows, cols);
    auto it = values.begin();
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j)
            m(i, j) = *it++;
    return m;
}

CdMatrix Make(int rows, int cols, std::initializer_list<double> values)
{
    return Fill<CdMatrix>(rows, cols, values);
}

CiMatrix MakeI(int rows, int cols, std::initializer_list<int> values)
{
    return Fill<CiMatrix>(rows, cols, values);
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
    m(0, 1) = 7.5;
    EXPECT_EQ(m(3, 1), 7.5);
    EXPECT_EQ(m(-100000, 2), 7.5);
    EXPECT_EQ(m.GetAt(0, 1), 0.0);
    m.SetAt(5, 5, 9.0);
    EXPECT_EQ(m(0, 0), 7.5);
    EXPECT_EQ(m, CdMatrix(2, 3));
    CdMatrix empty;
    empty(1, 1) = 3.0; // lands in the one-slot block
    EXPECT_EQ(empty(0, 0), 3.0);
    EXPECT_EQ(empty.GetSize(), 0);
}

TEST(dMatrix, ShapeFieldsOverwrittenAloneKeepEveryCellInStorage)
{
    // More columns than the block holds: the new cells are real, zero cells
    // reached both through operator() and the row table; size stays.
    CdMatrix wide = Make(2, 2, {1, 2, 3, 4});
    wide.SetColsField(3);
    EXPECT_EQ(wide.GetSize(), 4);
    wide(2, 3) = 7.0;
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
    shorter.SetRowsField(1);
    shorter.AppendRows(Make(1, 2, {5, 6}));
    EXPECT_EQ(shorter, Make(2, 2, {1, 2, 5, 6}));
    shorter.SetRowsField(1);
    shorter.MoveRow(1, 3); // grows: the row in between is zero, not the hidden one
    EXPECT_EQ(shorter, Make(3, 2, {0, 0, 0, 0, 1, 2}));

    // A negative count is not a shape; many more rows read as zero.
    CdMatrix m = Make(2, 2, {1, 2, 3, 4});
    m.SetRowsField(-1);
    m.SetColsField(-3);
    EXPECT_EQ(m, Make(2, 2, {1, 2, 3, 4}));
    m.SetRowsField(5);
    EXPECT_EQ(Column(m, 1), (std::vector<double>{1, 3, 0, 0, 0}));
}

TEST(dMatrix, InsertRowInsertsBeforeAndInsertColumnAppendsAtTheCount)
{
    const CdMatrix base = Make(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    const double line[] = {0, -1, -2, -3};
    CdMatrix m = base;
    m.InsertColumn(3, line);
    EXPECT_EQ(m, Make(3, 4, {1, 2, 3, -1, 4, 5, 6, -2, 7, 8, 9, -3}));
    m = base;
    m.InsertRow(3, line);
    EXPECT_EQ(m, Make(4, 3, {1, 2, 3, 4, 5, 6, -1, -2, -3, 7, 8, 9}));
    m = base;
    m.InsertRow(0, line);
    m.InsertColumn(0, line);
    EXPECT_EQ(m, base);
    m.InsertRow(10, line);
    EXPECT_EQ(m.GetRow(4), CdVector(3, -1.0, -2.0, -3.0));
    m = base;
    m.InsertColumn(1, line);
    EXPECT_EQ(m.GetRow(2), CdVector(4, -2.0, 4.0, 5.0, 6.0));
    m.InsertRow(1, CdVector(2, 5.0, 6.0)); // a short row is padded with zeros
    EXPECT_EQ(m.GetRow(1), CdVector(4, 5.0, 6.0, 0.0, 0.0));
}

TEST(Matrices, AppendRowsRefusesOtherColumnCountsWithItsMessage)
{
    platform::MessageRecorder boxes;
    CdMatrix b = Make(2, 3, {1, 2, 3, 4, 5, 6});
    b.AppendRows(CdMatrix(1, 2));
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, "Two matrix column not equal");
    EXPECT_EQ(boxes.messages[0].caption, "Can't Add new row");
    EXPECT_EQ(b, Make(2, 3, {1, 2, 3, 4, 5, 6}));
    CiMatrix m = MakeI(2, 2, {1, -2, 30, 4});
    m.AppendRows(MakeI(1, 3, {0, 0, 0}));
    ASSERT_EQ(boxes.messages.size(), 2u);
    EXPECT_EQ(boxes.messages[1].text, "Two matrix column not equal");
    EXPECT_EQ(m, MakeI(2, 2, {1, -2, 30, 4}));
}

TEST(dMatrix, MovingBeyondTheEndGrowsWithZeros)
{
    CdMatrix g = Make(2, 2, {1, 2, 3, 4});
    g.MoveRow(1, 4); // the rows between are zero
    EXPECT_EQ(g, Make(4, 2, {0, 0, 3, 4, 0, 0, 1, 2}));
    g.MoveRow(5, 1); // from beyond the end: nothing
    g.MoveRow(2, 1);
    EXPECT_EQ(g, Make(4, 2, {3, 4, 0, 0, 0, 0, 1, 2}));
    CdMatrix c = Make(2, 2, {1, 2, 3, 4});
    c(0, 0) = 0.25;
    c.MoveColumn(2, 5); // several new columns at once; the spare slot stays
    EXPECT_EQ(c, Make(2, 5, {1, 0, 0, 0, 2, 3, 0, 0, 0, 4}));
    EXPECT_EQ(c(0, 0), 0.25);
    c.MoveColumnAndDelete(5, 1); // column 5 takes column 1's place
    EXPECT_EQ(c, Make(2, 4, {2, 0, 0, 0, 4, 0, 0, 0}));
}

TEST(dMatrix, SortByColumnOrdersAscendingWithTheExchangeProcedure)
{
    // The exchange procedure is not stable: of the two rows keyed 2, the
    // later one comes first, as the table editors show them.
    CdMatrix m = Make(4, 2, {2, 1, 1, 2, 2, 3, 3, 4});
    m.SortByColumn(1);
    EXPECT_EQ(m, Make(4, 2, {1, 2, 2, 3, 2, 1, 3, 4}));
    CiMatrix s = MakeI(4, 2, {2, 1, 1, 2, 2, 3, 3, 4});
    s.SortByColumn(1);
    EXPECT_EQ(s, MakeI(4, 2, {1, 2, 2, 3, 2, 1, 3, 4}));
    // A column outside the table reads 0.0 for every row: every pair swaps.
    CdMatrix outside = Make(3, 1, {1, 2, 3});
    outside.SortByColumn(3);
    EXPECT_EQ(Column(outside, 1), (std::vector<double>{3, 1, 2}));
}

TEST(dMatrix, ColumnStatisticsStartFromZeroAndTheLargeSentinel)
{
    EXPECT_EQ(Make(2, 1, {-3, -5}).ColumnMax(1), 0.0);
    EXPECT_EQ(Make(1, 1, {-42}).ColumnMin(1), 99999999.0);
    EXPECT_EQ(MakeI(1, 1, {5}).ColumnMin(1), 99999999);
    const CdMatrix m = Make(4, 2, {1, -7, 5, 2, -2, 3, 4, -1});
    EXPECT_EQ(m.ColumnMin(1), -2.0);
    EXPECT_EQ(m.ColumnAbsMax(2), 7.0);
    EXPECT_EQ(m.ColumnAbsSum(1), 12.0);
    EXPECT_EQ(m.Norm1(), 13.0);
}

TEST(dMatrix, ChopClearsTinyValues)
{
    CdMatrix m = Make(1, 4, {1e-7, -5e-7, 2e-6, std::numeric_limits<double>::quiet_NaN()});
    m.Chop(6);
    EXPECT_EQ(m(1, 1), 0.0);
    EXPECT_EQ(m(1, 2), 0.0);
    EXPECT_EQ(m(1, 3), 2e-6);
    EXPECT_TRUE(std::isnan(m(1, 4)));
    EXPECT_EQ(Chop(1e-6, 6, -1.0), -1.0);
    EXPECT_EQ(Chop(1.1e-6, 6, -1.0), 1.1e-6);
}

TEST(iMatrix, ConversionFromRealsTruncatesAndSaturates)
{
    // A result table converted for the viewer may hold anything a file held.
    const double inf = std::numeric_limits<double>::infinity();
    const CdMatrix d = Make(1, 7, {1.9, -1.9, 1e12, -1e12, std::nan(""), inf, -2147483648.9});
    CdMatrix withSpare = d;
    withSpare(0, 0) = 3e10; // the spare slot is converted too
    const CiMatrix m(withSpare);
    EXPECT_EQ(m, MakeI(1, 7, {1, -1, INT_MAX, INT_MIN, 0, INT_MAX, INT_MIN}));
    EXPECT_EQ(m.GetAt(0, 0), INT_MAX);
    CiMatrix a;
    a = d;
    EXPECT_EQ(a, m);
}

TEST(iMatrix, DivisionNeitherTrapsNorDividesByZero)
{
    EXPECT_EQ(MakeI(1, 2, {INT_MIN, 6}) / -1, MakeI(1, 2, {INT_MIN, -6}));
    const CiMatrix a = MakeI(2, 2, {1, 2, 3, 4});
    EXPECT_EQ(a / 2, MakeI(2, 2, {0, 1, 1, 2}));
    EXPECT_EQ(a / 0, a);
}

TEST(dMatrixSolve, FactorsDeterminantAndSolveOfTheTwoByTwoExample)
{
    const CdMatrix a = Make(2, 2, {4, 3, 6, 3});
    CaptureStdout();
    EXPECT_EQ(a.Upper(), Make(2, 2, {4, 3, 0, -1.5}));
    EXPECT_EQ(a.Lower(), Make(2, 2, {1, 0, 1.5, 1}));
    EXPECT_EQ(a.Determinant(), -6.0);
    EXPECT_EQ(GetCapturedStdout(), "");
    CaptureStdout();
    const CdVector x = a.Solve(CdVector(2, 10.0, 12.0));
    EXPECT_EQ(GetCapturedStdout(), " result of solution \n");
    EXPECT_DOUBLE_EQ(x(1), 1.0);
    EXPECT_DOUBLE_EQ(x(2), 2.0);
    EXPECT_EQ(a, Make(2, 2, {4, 3, 6, 3})); // factors are copies

    const CdMatrix b = Make(3, 3, {4, -2, 1, 3, 6, -4, 2, 1, 8});
    const CdMatrix id = Make(3, 3, {1, 0, 0, 0, 1, 0, 0, 0, 1});
    const CdMatrix p = b * b.Inverse();
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            EXPECT_NEAR(p(i, j), id(i, j), 1e-12) << i << "," << j;
}

TEST(dMatrixSolve, SingularAndMismatchedSystemsAreReportedOnStandardOutput)
{
    // A zero first pivot is not detected by the factorisation.
    CaptureStdout();
    EXPECT_FALSE(std::isfinite(Make(2, 2, {0, 1, 1, 0}).Upper()(2, 2)));
    EXPECT_EQ(GetCapturedStdout(), "");

    const CdMatrix a = Make(2, 2, {1, 2, 2, 4}); // U(2,2) = 0
    CaptureStdout();
    const CdVector x = a.SolveUpper(CdVector(2, 5.0, 7.0));
    EXPECT_EQ(GetCapturedStdout(), "System Eq ill-condition in upper matrix\n");
    EXPECT_EQ(x, CdVector(2, 5.0, 0.0));

    const CdMatrix b = Make(2, 2, {4, 3, 6, 3});
    CaptureStdout();
    const CdVector y = b.SolveLower(CdVector(3, 10.0, 12.0, 0.0));
    EXPECT_EQ(GetCapturedStdout(), "error size not equal! for solve lower matrix\n");
    EXPECT_EQ(y, CdVector(2, 10.0, -3.0));
    CaptureStdout();
    b.SolveUpper(CdVector(1, 1.0));
    EXPECT_EQ(GetCapturedStdout(), "error size not equal for solve upper matrix\n");
}
