#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "numerics/dMatrix.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

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

void ExpectNear(const CdMatrix& a, const CdMatrix& b, double tol)
{
    ASSERT_EQ(a.GetRows(), b.GetRows());
    ASSERT_EQ(a.GetCols(), b.GetCols());
    for (int i = 1; i <= a.GetRows(); ++i)
        for (int j = 1; j <= a.GetCols(); ++j)
            EXPECT_NEAR(a(i, j), b(i, j), tol) << i << "," << j;
}

} // namespace

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
}

TEST(dMatrixSolve, ZeroFirstPivotIsNotDetectedByTheFactorisation)
{
    const CdMatrix a = Make(2, 2, {0, 1, 1, 0});
    CaptureStdout();
    const CdMatrix u = a.Upper();
    const CdMatrix l = a.Lower();
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_FALSE(std::isfinite(u(2, 2)));
    EXPECT_FALSE(std::isfinite(l(2, 1)));
}

TEST(dMatrixSolve, ZeroUpperPivotIsReportedAndGivesZero)
{
    const CdMatrix a = Make(2, 2, {1, 2, 2, 4}); // U(2,2) = 0
    CaptureStdout();
    const CdVector x = a.SolveUpper(CdVector(2, 5.0, 7.0));
    EXPECT_EQ(GetCapturedStdout(), "System Eq ill-condition in upper matrix\n");
    EXPECT_EQ(x(2), 0.0);
    EXPECT_EQ(x(1), 5.0);

    CaptureStdout();
    a.Inverse(); // one back substitution per column
    EXPECT_EQ(GetCapturedStdout(),
              "System Eq ill-condition in upper matrix\nSystem Eq ill-condition in upper matrix\n");
}

TEST(dMatrixSolve, LengthMismatchIsReportedOnStandardOutput)
{
    const CdMatrix a = Make(2, 2, {4, 3, 6, 3});
    CaptureStdout();
    const CdVector y = a.SolveLower(CdVector(3, 10.0, 12.0, 0.0));
    EXPECT_EQ(GetCapturedStdout(), "error size not equal! for solve lower matrix\n");
    EXPECT_EQ(y.GetSize(), 2);
    EXPECT_EQ(y, CdVector(2, 10.0, -3.0));
    CaptureStdout();
    a.SolveUpper(CdVector(1, 1.0));
    EXPECT_EQ(GetCapturedStdout(), "error size not equal for solve upper matrix\n");
}

TEST(dMatrixSolve, InverseAndDivision)
{
    const CdMatrix id = Make(3, 3, {1, 0, 0, 0, 1, 0, 0, 0, 1});
    EXPECT_EQ(id.Inverse(), id);
    EXPECT_EQ(Make(2, 2, {2, 0, 0, 4}).Inverse(), Make(2, 2, {0.5, 0, 0, 0.25}));

    const CdMatrix a = Make(3, 3, {4, -2, 1, 3, 6, -4, 2, 1, 8});
    ExpectNear(a * a.Inverse(), id, 1e-12);
    ExpectNear(a.Inverse() * a, id, 1e-12);

    const CdMatrix b = Make(3, 2, {1, 2, 3, 4, 5, 6});
    ExpectNear(b / a, a.Inverse() * b, 0.0);
    ExpectNear(a * (b / a), b, 1e-12);
    CdMatrix c = b;
    c /= a;
    EXPECT_EQ(c, b / a);
}

TEST(dMatrixSolve, LowerTimesUpperGivesTheMatrix)
{
    std::mt19937 gen(3);
    std::uniform_real_distribution<double> d(-5.0, 5.0);
    CdMatrix a(5, 5);
    for (int i = 1; i <= 5; ++i)
        for (int j = 1; j <= 5; ++j)
            a(i, j) = d(gen) + (i == j ? 20.0 : 0.0);
    ExpectNear(a.Lower() * a.Upper(), a, 1e-12);
    const CdVector b(5, 1.0, 2.0, 3.0, 4.0, 5.0);
    testing::internal::CaptureStdout();
    const CdVector x = a.Solve(b);
    GetCapturedStdout();
    const CdVector back = a * x;
    for (int i = 1; i <= 5; ++i)
        EXPECT_NEAR(back(i), b(i), 1e-12);
    const CdMatrix u = a.Upper();
    double det = 1.0;
    for (int i = 1; i <= 5; ++i)
        det *= u(i, i);
    EXPECT_EQ(a.Determinant(), det);
    EXPECT_EQ(CdMatrix().Determinant(), 1.0);
}
