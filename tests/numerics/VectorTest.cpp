// The real and integer vectors: the messages of their refusals, the
// quirks the callers rely on, distances and member axes.
#include <climits>
#include <cmath>

#include <gtest/gtest.h>

#include "numerics/dMatrix.h"
#include "numerics/dVector.h"
#include "numerics/iVector.h"
#include "platform/MessageBox.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

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

TEST(dVector, EditingAtTheEdges)
{
    CdVector v(3, 1.0, 2.0, 3.0);
    v(0) = 4.0;
    EXPECT_EQ(v(4), 4.0); // out of range: the spare slot
    v.InsertAt(2, 9.0);
    v.InsertAt(5, 8.0); // beyond the end and before the first: ignored
    v.InsertAt(0, 8.0);
    v.InsertAt(1, CdVector(2, -1.0, -2.0));
    EXPECT_EQ(Values(v), (std::vector<double>{-1, -2, 1, 9, 2, 3}));
    v.DeleteFirst(2);
    v.DeleteAt(2);
    v.DeleteRange(2, 5); // runs past the end: ignored
    EXPECT_EQ(Values(v), (std::vector<double>{1, 2, 3}));
    v.ZeroRange(2, 3);
    v.SwapAt(1, 3);
    EXPECT_EQ(Values(v), (std::vector<double>{0, 0, 1}));
    v.DeleteLast(10);
    EXPECT_EQ(v.GetSize(), 0);
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

TEST(iVector, SilentRefusalsAndNoTrap)
{
    platform::MessageRecorder boxes;
    const CiVector v(3, 1, 2, 3);
    EXPECT_EQ(v / 0, v);
    CiVector w = v;
    w /= 0;
    EXPECT_EQ(w, v);
    EXPECT_EQ(v + CiVector(2, 1, 1), v);
    EXPECT_FALSE(v == CiVector(4, 1, 2, 3, 0));
    CiVector empty;
    empty += 1;
    empty /= 3;
    EXPECT_TRUE(boxes.messages.empty());
    // The one quotient outside the range wraps instead of trapping.
    CiVector low(2, INT_MIN, 7);
    low /= -1;
    EXPECT_EQ(low, CiVector(2, INT_MIN, -7));
}

TEST(iVector, DiagnosticsGoToStandardOutput)
{
    platform::MessageRecorder boxes;
    CiVector v(3, 4, -5, 6);
    CaptureStdout();
    v.Display();
    const int src[] = {0};
    v.SetData(0, src);
    EXPECT_EQ(GetCapturedStdout(), "element[1] = 4\nelement[2] = -5\nelement[3] = 6\n"
                                   "out of bound for copy\n");
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_EQ(v, CiVector(3, 4, -5, 6));
}
