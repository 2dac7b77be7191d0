#include <climits>
#include <limits>

#include <gtest/gtest.h>

#include "numerics/dMatrix.h"
#include "numerics/iMatrix.h"
#include "platform/MessageBox.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace {

CiMatrix Make(int rows, int cols, std::initializer_list<int> values)
{
    CiMatrix m(rows, cols);
    auto it = values.begin();
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j)
            m(i, j) = *it++;
    return m;
}

} // namespace

TEST(iMatrix, ConversionFromRealsTruncatesTowardZero)
{
    CdMatrix d(1, 2);
    d(1, 1) = 1.9;
    d(1, 2) = -1.9;
    const CiMatrix m(d);
    EXPECT_EQ(m, Make(1, 2, {1, -1}));
    CiMatrix a;
    a = d;
    EXPECT_EQ(a, m);
}

TEST(iMatrix, ConversionOfValuesBeyondTheIntegerRangeSaturates)
{
    // A result table converted for the viewer may hold anything a file held.
    CdMatrix d(1, 5);
    d(1, 1) = 1e12;
    d(1, 2) = -1e12;
    d(1, 3) = std::numeric_limits<double>::quiet_NaN();
    d(1, 4) = std::numeric_limits<double>::infinity();
    d(1, 5) = -2147483648.9;
    d(0, 0) = 3e10; // the spare slot is converted too
    const CiMatrix m(d);
    EXPECT_EQ(m, Make(1, 5, {INT_MAX, INT_MIN, 0, INT_MAX, INT_MIN}));
    EXPECT_EQ(m.GetAt(0, 0), INT_MAX);
}

TEST(iMatrix, DivisionOfTheSmallestIntegerByMinusOneDoesNotTrap)
{
    const CiMatrix a = Make(1, 2, {INT_MIN, 6});
    EXPECT_EQ(a / -1, Make(1, 2, {INT_MIN, -6}));
}

TEST(iMatrix, GetAtOutOfRangeReadsTheSpareSlot)
{
    CiMatrix m(2, 2);
    EXPECT_EQ(m.GetAt(0, 0), 0);
    m(99, 1) = 7;
    EXPECT_EQ(m.GetAt(5, 5), 7);
    EXPECT_EQ(m.GetAt(0, 0), 7);
    m.SetAt(3, 1, 8);
    EXPECT_EQ(m.GetAt(0, 0), 7);
}

TEST(iMatrix, SetSizeRefusesNegativeCounts)
{
    CiMatrix m = Make(1, 2, {4, 5});
    m.SetSize(-1, 3);
    EXPECT_EQ(m, Make(1, 2, {4, 5}));
    m.SetSize(2, 0);
    EXPECT_EQ(m.GetRows(), 2);
    EXPECT_EQ(m.GetSize(), 0);
}

TEST(iMatrix, EditingMatchesTheRealTable)
{
    platform::MessageRecorder boxes;
    CiMatrix m = Make(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    const int line[] = {0, -1, -2, -3};
    m.InsertRow(3, line);
    EXPECT_EQ(m.GetRow(3), CiVector(3, -1, -2, -3));
    EXPECT_EQ(m.GetRow(4), CiVector(3, 7, 8, 9));
    m.DeleteRow(3);
    m.InsertColumn(3, line);
    EXPECT_EQ(m.GetColumn(4), CiVector(3, -1, -2, -3));
    m.DeleteColumn(4);
    m.AppendRows(Make(1, 2, {0, 0}));
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, "Two matrix column not equal");
    m.AppendRows(m);
    EXPECT_EQ(m.GetRows(), 6);
    EXPECT_EQ(m.GetRow(6), CiVector(3, 7, 8, 9));

    CiMatrix s = Make(4, 2, {2, 1, 1, 2, 2, 3, 3, 4});
    s.SortByColumn(1); // the same exchange order as the real table
    EXPECT_EQ(s, Make(4, 2, {1, 2, 2, 3, 2, 1, 3, 4}));

    CiMatrix t = Make(2, 3, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(t.Transpose(), Make(3, 2, {1, 4, 2, 5, 3, 6}));
    t.SwapColumns(1, 3);
    t.MoveRow(1, 3);
    EXPECT_EQ(t, Make(3, 3, {0, 0, 0, 6, 5, 4, 3, 2, 1}));
}

TEST(iMatrix, IntegerArithmetic)
{
    const CiMatrix a = Make(2, 2, {1, 2, 3, 4});
    EXPECT_EQ(a + a, Make(2, 2, {2, 4, 6, 8}));
    EXPECT_EQ(a - a, Make(2, 2, {0, 0, 0, 0}));
    EXPECT_EQ(a * a, Make(2, 2, {7, 10, 15, 22}));
    EXPECT_EQ(a * 3, Make(2, 2, {3, 6, 9, 12}));
    EXPECT_EQ(a / 2, Make(2, 2, {0, 1, 1, 2}));
    EXPECT_EQ(a / 0, a);
    EXPECT_EQ(a * CiVector(2, 1, 1), CiVector(2, 3, 7));
    EXPECT_NE(a, Make(1, 4, {1, 2, 3, 4}));
    EXPECT_EQ(a.ColumnMax(2), 4);
    EXPECT_EQ(Make(1, 1, {5}).ColumnMin(1), 99999999);
    EXPECT_EQ(Make(3, 1, {-4, 2, 1}).ColumnAbsSum(1), 7);
    EXPECT_EQ(a.Norm1(), 6);
}

TEST(iMatrix, DisplayWritesTheBlockToStandardOutput)
{
    const CiMatrix a = Make(2, 2, {1, -2, 30, 4});
    CaptureStdout();
    a.Display();
    EXPECT_EQ(GetCapturedStdout(), "0|__________1__________2\n |\n"
                                   "1|          1         -2\n"
                                   "2|         30          4\n\n");
    EXPECT_EQ(a.ToString(), "1\t-2\t\n30\t4\t\n\n");
}

