#include <climits>

#include <gtest/gtest.h>

#include "numerics/iVector.h"
#include "platform/MessageBox.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

TEST(iVector, DivisionByZeroLeavesTheVector)
{
    platform::MessageRecorder boxes;
    const CiVector v(3, 1, 2, 3);
    EXPECT_EQ(v / 0, v);
    CiVector w = v;
    w /= 0;
    EXPECT_EQ(w, v);
    EXPECT_EQ(v / 2, CiVector(3, 0, 1, 1));
    EXPECT_TRUE(boxes.messages.empty());
    // The one quotient outside the range wraps instead of trapping.
    CiVector low(2, INT_MIN, 7);
    low /= -1;
    EXPECT_EQ(low, CiVector(2, INT_MIN, -7));
}

TEST(iVector, ExactComparisonAndSilentMismatches)
{
    platform::MessageRecorder boxes;
    const CiVector v(2, 1, 2);
    EXPECT_TRUE(v == CiVector(2, 1, 2));
    EXPECT_FALSE(v == CiVector(2, 1, 3));
    EXPECT_FALSE(v == CiVector(3, 1, 2, 0));
    EXPECT_EQ(v + CiVector(3, 1, 1, 1), v);
    EXPECT_EQ(v - CiVector(1, 1), v);
    EXPECT_EQ(v + CiVector(2, 1, 1), CiVector(2, 2, 3));
    CiVector empty;
    empty += 1;
    empty *= 2;
    empty /= 3;
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_TRUE(CiVector(1) < CiVector(2));
}

TEST(iVector, FillNormSortAndEditing)
{
    CiVector v(4);
    v.Fill(3);
    EXPECT_EQ(v, CiVector(4, 3, 3, 3, 3));
    EXPECT_EQ(v(0), 0);
    EXPECT_DOUBLE_EQ(CiVector(2, 3, 4).Norm(), 5.0);
    CiVector s(6, 5, -1, 3, 3, 0, 2);
    s.SortAscending();
    EXPECT_EQ(s, CiVector(6, -1, 0, 2, 3, 3, 5));
    s.SortDescending();
    EXPECT_EQ(s, CiVector(6, 5, 3, 3, 2, 0, -1));
    s.DeleteRange(2, 4);
    EXPECT_EQ(s, CiVector(3, 5, 0, -1));
    s.InsertAt(1, 9);
    s.Append(CiVector(1, 4));
    EXPECT_EQ(s, CiVector(5, 9, 5, 0, -1, 4));
    EXPECT_EQ(CiVector(3, 1, 0, 0).Cross(CiVector(3, 0, 1, 0)), CiVector(3, 0, 0, 1));
    EXPECT_EQ(CiVector(3, 1, 2, 3).Dot(CiVector(3, 1, 1, 1)), 6);
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
