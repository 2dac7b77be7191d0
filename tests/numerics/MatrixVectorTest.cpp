// The real and integer tables and vectors as the program uses them: the
// spare slot, row and column edits (the sort's exchange order included),
// the refusals and their messages, the saturating conversion for the
// viewer, distances and member axes.
#include <climits>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "numerics/dMatrix.h"
#include "numerics/dVector.h"
#include "numerics/iMatrix.h"
#include "platform/MessageBox.h"

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

std::vector<double> Column(const CdMatrix& m, int j)
{
    std::vector<double> out;
    for (int i = 1; i <= m.GetRows(); ++i)
        out.push_back(m(i, j));
    return out;
}

std::vector<double> Values(const CdVector& v)
{
    std::vector<double> out;
    for (int i = 1; i <= v.GetSize(); ++i)
        out.push_back(v(i));
    return out;
}

std::vector<std::string> Texts(const platform::MessageRecorder& r)
{
    std::vector<std::string> out;
    for (const auto& m : r.messages)
        out.push_back(m.text + "|" + m.caption);
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

TEST(dMatrix, RowAndColumnEdits)
{
    const CdMatrix base = Make(3, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    const double line[] = {0, -1, -2, -3};
    CdMatrix m = base;
    m.InsertRow(3, line); // before row 3
    EXPECT_EQ(m, Make(4, 3, {1, 2, 3, 4, 5, 6, -1, -2, -3, 7, 8, 9}));
    m = base;
    m.InsertColumn(3, line); // at the count: appended
    EXPECT_EQ(Column(m, 4), (std::vector<double>{-1, -2, -3}));
    m = base;
    m.InsertRow(0, line);
    EXPECT_EQ(m, base);
    m.InsertRow(1, CdVector(2, 5.0, 6.0)); // a short row is padded with zeros
    EXPECT_EQ(m.GetRow(1), CdVector(3, 5.0, 6.0, 0.0));

    m = base;
    m.DeleteRow(0);
    m.DeleteRow(4);
    m.DeleteRow(2);
    EXPECT_EQ(m, Make(2, 3, {1, 2, 3, 7, 8, 9}));
    m = base;
    m.DeleteRowColumn(2);
    EXPECT_EQ(m, Make(2, 2, {1, 3, 7, 9}));

    CdMatrix g = Make(2, 2, {1, 2, 3, 4});
    g.MoveRow(1, 4); // grows, the rows between are zero
    EXPECT_EQ(g, Make(4, 2, {0, 0, 3, 4, 0, 0, 1, 2}));
    CdMatrix r = Make(3, 1, {1, 2, 3});
    r.MoveRowAndDelete(3, 1);
    EXPECT_EQ(r, Make(2, 1, {3, 2}));
    CdMatrix s = Make(4, 1, {1, 2, 3, 4});
    s.ShiftRow(4, 2);
    EXPECT_EQ(Column(s, 1), (std::vector<double>{1, 4, 2, 3}));
    s.SwapRows(1, 4);
    EXPECT_EQ(Column(s, 1), (std::vector<double>{3, 4, 2, 1}));
}

TEST(dMatrix, SortByColumnKeepsTheExchangeProceduresOrder)
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

TEST(dVector, RefusalsAndTheirMessages)
{
    platform::MessageRecorder boxes;
    const CdVector v(2, 1.0, 2.0);
    EXPECT_EQ(Values(v / 0.0), (std::vector<double>{1, 2}));
    EXPECT_EQ(Values(v + CdVector(3)), (std::vector<double>{1, 2}));
    EXPECT_EQ(Values(v - CdVector(1)), (std::vector<double>{1, 2}));
    CdVector empty;
    empty += 1.0;
    empty *= 2.0;
    empty /= 2.0;
    empty -= 1.0;
    CdVector w(3);
    const double src[] = {7, 1, 2, 3};
    w.SetData(0, src);
    EXPECT_EQ(Values(CdVector(3).GetUnitVector()), (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(Texts(boxes), (std::vector<std::string>{
                                "can not div by zero!|KESTRA Wizard...", "operator +|KESTRA Wizard...",
                                "operator -|KESTRA Wizard...", "operator+= double value|KESTRA Wizard...",
                                "operator*= double value|KESTRA Wizard...",
                                "operator/= double value)|KESTRA Wizard...",
                                "out of bound for copy|KESTRA Wizard", "GetUnitVector()|KESTRA Wizard..."}));
    boxes.Clear();
    CdVector d = v;
    d /= 0.0; // no message, divides
    EXPECT_TRUE(std::isinf(d(1)));
    EXPECT_TRUE(boxes.messages.empty());
}

TEST(dVector, ComparisonIsToATenThousandthAndOrderByLength)
{
    EXPECT_TRUE(CdVector(2, 1.0, 2.0) == CdVector(2, 1.00005, 2.0));
    EXPECT_TRUE(CdVector(2, 1.0, 2.0) != CdVector(2, 1.0002, 2.0));
    EXPECT_FALSE(CdVector(1, 1.0) == CdVector(2, 1.0, 0.0));
    EXPECT_TRUE(CdVector(2, 9.0, 9.0) <= CdVector(2, 1.0, 1.0));
    EXPECT_FALSE(CdVector(2, 9.0, 9.0) > CdVector(2, 1.0, 1.0));
}

TEST(dVector, DistanceAndMemberAxes)
{
    platform::MessageRecorder boxes;
    EXPECT_EQ(Distance(CdVector(4, 0.0, 0.0, 0.0, 100.0), CdVector(4, 3.0, 4.0, 12.0, -5.0)), 13.0);
    EXPECT_TRUE(boxes.messages.empty());
    // Length mismatch: the difference is a unchanged.
    EXPECT_EQ(Distance(CdVector(3, 3.0, 4.0, 0.0), CdVector(2, 1.0, 1.0)), 5.0);
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, "operator -");

    const CdVector a(3, 0.0, 0.0, 0.0), b(3, 2.0, 0.0, 0.0);
    CdMatrix id(3, 3);
    id(1, 1) = id(2, 2) = id(3, 3) = 1.0;
    EXPECT_EQ(MemberAxes(a, b, CdVector(3, 0.0, 1.0, 0.0)), id);
    const CdMatrix t = MemberAxes(a, b, CdVector(3, 0.0, 0.0, 1.0));
    EXPECT_EQ(t.GetRow(2), CdVector(3, 0.0, 0.0, 1.0));
    EXPECT_EQ(t.GetRow(3), CdVector(3, 0.0, -1.0, 0.0));
    // The reference point on the member line gives no usable axes.
    EXPECT_TRUE(std::isnan(MemberAxes(a, b, CdVector(3, 1.0, 0.0, 0.0))(3, 1)));
}
