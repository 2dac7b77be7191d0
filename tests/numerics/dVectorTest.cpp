#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "numerics/dMatrix.h"
#include "numerics/dVector.h"
#include "platform/MessageBox.h"

namespace {

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

TEST(dVector, ConstructionAndSpareSlot)
{
    CdVector v(3);
    EXPECT_EQ(Values(v), (std::vector<double>{0, 0, 0}));
    v(0) = 4.0;
    EXPECT_EQ(v(4), 4.0);
    EXPECT_EQ(v(-1), 4.0);
    const double src[] = {9, 1, 2};
    CdVector w(2, src);
    EXPECT_EQ(w(0), 9.0);
    EXPECT_EQ(Values(w), (std::vector<double>{1, 2}));
    CdVector copy(w);
    copy(1) = 100.0;
    EXPECT_EQ(w(1), 1.0);
    EXPECT_EQ(copy(0), 9.0);
    CdVector prefix(1, w);
    EXPECT_EQ(Values(prefix), (std::vector<double>{1}));
    EXPECT_EQ(prefix(0), 9.0);
    CdVector longer(4, w); // beyond w's block: zero
    EXPECT_EQ(Values(longer), (std::vector<double>{1, 2, 0, 0}));
    EXPECT_EQ(Values(CdVector(4, 1.0, 2, 3.5f)), (std::vector<double>{1, 2, 3.5, 0}));

    CdVector s(2);
    s.SetSize(-1);
    EXPECT_EQ(s.GetSize(), 2);
    s(0) = 1.0;
    CdVector empty;
    empty(0) = 5.0;
    empty.Free(); // length 0 already: the block is kept
    EXPECT_EQ(empty(0), 5.0);
    empty.Clear();
    EXPECT_EQ(empty(0), 0.0);
    s.Free();
    EXPECT_EQ(s.GetSize(), 0);
}

TEST(dVector, SetDataAndAssign)
{
    platform::MessageRecorder boxes;
    CdVector v(3);
    const double src[] = {7, 1, 2, 3};
    v.SetData(3, src);
    EXPECT_EQ(v(0), 7.0);
    EXPECT_EQ(Values(v), (std::vector<double>{1, 2, 3}));
    const double other[] = {-99, 4, 5, 6};
    v.SetData(other);
    EXPECT_EQ(v(0), 7.0);
    EXPECT_EQ(Values(v), (std::vector<double>{4, 5, 6}));
    v.SetData(0, src);
    EXPECT_EQ(Texts(boxes), (std::vector<std::string>{"out of bound for copy|KESTRA Wizard"}));
    CdVector w;
    w.Assign(v);
    EXPECT_EQ(Values(w), Values(v));
    EXPECT_EQ(w(0), 7.0);
}

TEST(dVector, Editing)
{
    CdVector v(3, 1.0, 2.0, 3.0);
    v.InsertAt(2, 9.0);
    EXPECT_EQ(Values(v), (std::vector<double>{1, 9, 2, 3}));
    v.InsertAt(5, 8.0);
    v.InsertAt(0, 8.0);
    EXPECT_EQ(v.GetSize(), 4);
    v.InsertAt(1, CdVector(2, -1.0, -2.0));
    EXPECT_EQ(Values(v), (std::vector<double>{-1, -2, 1, 9, 2, 3}));
    v.Prepend(0.5);
    v.Append(4.0);
    EXPECT_EQ(v.GetFirst(), 0.5);
    EXPECT_EQ(v.GetLast(), 4.0);
    v.DeleteFirst(3);
    EXPECT_EQ(Values(v), (std::vector<double>{1, 9, 2, 3, 4}));
    v.DeleteLast(2);
    EXPECT_EQ(Values(v), (std::vector<double>{1, 9, 2}));
    v.DeleteAt(2);
    EXPECT_EQ(Values(v), (std::vector<double>{1, 2}));
    v.Append(CdVector());
    EXPECT_EQ(Values(v), (std::vector<double>{1, 2}));
    v << CdVector(1, 3.0);
    v.Prepend(CdVector(1, 0.0));
    EXPECT_EQ(Values(v), (std::vector<double>{0, 1, 2, 3}));

    CdVector r(4, 1.0, 2.0, 3.0, 4.0);
    r.DeleteRange(2, 3);
    EXPECT_EQ(Values(r), (std::vector<double>{1, 4}));
    r.DeleteRange(1, 3);
    EXPECT_EQ(r.GetSize(), 2);
    CdVector z(4, 1.0, 2.0, 3.0, 4.0);
    z.ZeroRange(2, 3);
    z.SwapAt(1, 4);
    EXPECT_EQ(Values(z), (std::vector<double>{4, 0, 0, 1}));
    z.ZeroRange(3, 5);
    EXPECT_EQ(Values(z), (std::vector<double>{4, 0, 0, 1}));
    z.DeleteLast(10);
    EXPECT_EQ(z.GetSize(), 0);
}

TEST(dVector, Sorting)
{
    CdVector s(5, 3.0, 1.0, 2.0, 1.0, 5.0);
    s.SortAscending();
    EXPECT_EQ(Values(s), (std::vector<double>{1, 1, 2, 3, 5}));
    s.SortDescending();
    EXPECT_EQ(Values(s), (std::vector<double>{5, 3, 2, 1, 1}));
}

TEST(dVector, ArithmeticAndItsMessages)
{
    platform::MessageRecorder boxes;
    const CdVector v(2, 1.0, 2.0);
    EXPECT_EQ(Values(v + 1.0), (std::vector<double>{2, 3}));
    EXPECT_EQ(Values(v - 1.0), (std::vector<double>{0, 1}));
    EXPECT_EQ(Values(v * 3.0), (std::vector<double>{3, 6}));
    EXPECT_EQ(Values(v / 2.0), (std::vector<double>{0.5, 1}));
    EXPECT_EQ(Values(v + CdVector(2, 1.0, 1.0)), (std::vector<double>{2, 3}));
    EXPECT_EQ(Values(v - CdVector(2, 1.0, 1.0)), (std::vector<double>{0, 1}));
    EXPECT_TRUE(boxes.messages.empty());

    EXPECT_EQ(Values(v / 0.0), (std::vector<double>{1, 2}));
    EXPECT_EQ(Values(v + CdVector(3)), (std::vector<double>{1, 2}));
    EXPECT_EQ(Values(v - CdVector(1)), (std::vector<double>{1, 2}));
    CdVector empty;
    empty += 1.0;
    empty *= 2.0;
    empty /= 2.0;
    empty -= 1.0;
    EXPECT_EQ(Texts(boxes), (std::vector<std::string>{
                                "can not div by zero!|KESTRA Wizard...", "operator +|KESTRA Wizard...",
                                "operator -|KESTRA Wizard...", "operator+= double value|KESTRA Wizard...",
                                "operator*= double value|KESTRA Wizard...",
                                "operator/= double value)|KESTRA Wizard..."}));
    boxes.Clear();

    CdVector w = v;
    w /= 0.0; // no message, divides
    EXPECT_TRUE(std::isinf(w(1)));
    EXPECT_TRUE(boxes.messages.empty());
}

TEST(dVector, ProductsNormsAndUnitVectors)
{
    platform::MessageRecorder boxes;
    const CdVector a(3, 1.0, 0.0, 0.0), b(3, 0.0, 1.0, 0.0);
    EXPECT_EQ(Values(a.Cross(b)), (std::vector<double>{0, 0, 1}));
    EXPECT_EQ(CdVector(3, 1.0, 2.0, 3.0).Dot(CdVector(3, 4.0, 5.0, 6.0)), 32.0);
    EXPECT_EQ(CdVector(2, 3.0, 4.0).Norm(), 5.0);
    EXPECT_EQ(CdVector(3, 1.0, 2.0, 3.5).Sum(), 6.5);
    CdVector n(2, 3.0, 4.0);
    n.Normalize();
    EXPECT_EQ(Values(n), (std::vector<double>{0.6, 0.8}));
    EXPECT_EQ(Values(CdVector(2, 3.0, 4.0).GetUnitVector()), (std::vector<double>{0.6, 0.8}));
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_EQ(Values(CdVector(3).GetUnitVector()), (std::vector<double>{0, 0, 0}));
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, "GetUnitVector()");
    EXPECT_EQ(boxes.messages[0].caption, "KESTRA Wizard...");

    CdMatrix m(2, 3);
    m(1, 1) = 1;
    m(1, 2) = 2;
    m(1, 3) = 3;
    m(2, 1) = 4;
    m(2, 2) = 5;
    m(2, 3) = 6;
    // (1, 1) x m = (5, 7, 9), of which the first two are kept
    EXPECT_EQ(Values(CdVector(2, 1.0, 1.0) * m), (std::vector<double>{5, 7}));
}

TEST(dVector, Comparison)
{
    EXPECT_TRUE(CdVector(2, 1.0, 2.0) == CdVector(2, 1.00005, 2.0));
    EXPECT_FALSE(CdVector(2, 1.0, 2.0) == CdVector(2, 1.0002, 2.0));
    EXPECT_TRUE(CdVector(2, 1.0, 2.0) != CdVector(2, 1.0002, 2.0));
    EXPECT_FALSE(CdVector(1, 1.0) == CdVector(2, 1.0, 0.0));
    EXPECT_TRUE(CdVector(2, 1.0, 2.0) < CdVector(3, 5.0, 6.0, 7.0));
    EXPECT_TRUE(CdVector(2, 9.0, 9.0) <= CdVector(2, 1.0, 1.0));
    EXPECT_FALSE(CdVector(2, 9.0, 9.0) > CdVector(2, 1.0, 1.0));
    EXPECT_TRUE(CdVector(3) >= CdVector(2));
}

TEST(dVector, DistanceAndMemberAxes)
{
    platform::MessageRecorder boxes;
    EXPECT_EQ(Distance(CdVector(3, 0.0, 0.0, 0.0), CdVector(3, 3.0, 4.0, 12.0)), 13.0);
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
    EXPECT_EQ(t.GetRow(1), CdVector(3, 1.0, 0.0, 0.0));
    EXPECT_EQ(t.GetRow(2), CdVector(3, 0.0, 0.0, 1.0));
    EXPECT_EQ(t.GetRow(3), CdVector(3, 0.0, -1.0, 0.0));

    // The reference point on the member line gives no usable axes.
    const CdMatrix bad = MemberAxes(a, b, CdVector(3, 1.0, 0.0, 0.0));
    EXPECT_TRUE(std::isnan(bad(3, 1)));
}
