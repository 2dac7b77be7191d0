// Gaussian elimination without pivoting: upper factor, unit lower factor,
// forward and back substitution with the exact zero-pivot test, solve,
// inverse and determinant. Diagnostics go to standard output.
#include <iostream>

#include "numerics/dMatrix.h"

namespace {

// Forward substitution L*y = b over n rows.
CdVector ForwardSubstitute(const CdMatrix& L, int n, const CdVector& b)
{
    CdVector y(b);
    for (int i = 1; i <= n; ++i) {
        if (L(i, i) == 0.0) {
            std::cout << "System Eq ill-condition in lower matrix" << std::endl;
            y(i) = 0.0;
            continue;
        }
        double sum = 0.0;
        for (int k = 1; k <= i - 1; ++k)
            sum += L(i, k) * y(k);
        y(i) = (y(i) - sum) / L(i, i);
    }
    CdVector out(n);
    for (int i = 1; i <= n; ++i)
        out(i) = y(i);
    return out;
}

// Back substitution U*x = b over n rows.
CdVector BackSubstitute(const CdMatrix& U, int n, const CdVector& b)
{
    CdVector x(b);
    for (int i = n; i >= 1; --i) {
        if (U(i, i) == 0.0) {
            std::cout << "System Eq ill-condition in upper matrix" << std::endl;
            x(i) = 0.0;
            continue;
        }
        double sum = 0.0;
        for (int k = i + 1; k <= n; ++k)
            sum += U(i, k) * x(k);
        x(i) = (x(i) - sum) / U(i, i);
    }
    CdVector out(n);
    for (int i = 1; i <= n; ++i)
        out(i) = x(i);
    return out;
}

} // namespace

CdMatrix CdMatrix::Upper() const
{
    CdMatrix a(*this);
    const int n = GetRows(), m = GetCols();
    for (int i = 1; i <= n - 1; ++i)
        for (int r = i + 1; r <= n; ++r) {
            const double f = -a(r, i) / a(i, i);
            for (int j = i; j <= m; ++j)
                a(r, j) = a(r, j) + f * a(i, j);
        }
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j < i && j <= m; ++j)
            a(i, j) = 0.0;
    return a;
}

CdMatrix CdMatrix::Lower() const
{
    CdMatrix a(*this);
    const int n = GetRows(), m = GetCols();
    for (int i = 1; i <= n - 1; ++i)
        for (int r = i + 1; r <= n; ++r) {
            const double g = a(r, i) / a(i, i);
            a(r, i) = g;
            for (int j = i + 1; j <= m; ++j)
                a(r, j) = a(r, j) - g * a(i, j);
        }
    for (int i = 1; i <= n; ++i)
        for (int j = i; j <= m; ++j)
            a(i, j) = (j == i) ? 1.0 : 0.0;
    return a;
}

CdVector CdMatrix::SolveLower(CdVector b) const
{
    if (b.GetSize() != GetRows())
        std::cout << "error size not equal! for solve lower matrix" << std::endl;
    return ForwardSubstitute(Lower(), GetRows(), b);
}

CdVector CdMatrix::SolveUpper(CdVector b) const
{
    if (b.GetSize() != GetRows())
        std::cout << "error size not equal for solve upper matrix" << std::endl;
    return BackSubstitute(Upper(), GetRows(), b);
}

CdVector CdMatrix::Solve(CdVector b) const
{
    CdVector x = SolveUpper(SolveLower(std::move(b)));
    std::cout << " result of solution " << std::endl;
    return x;
}

CdMatrix CdMatrix::Inverse() const
{
    // Each column is SolveUpper (SolveLower (e_i)). The factors depend on
    // this matrix only, so they are formed once instead of twice per column;
    // the numbers and the diagnostics are the same.
    const int n = GetRows();
    CdMatrix r(n, GetCols());
    const CdMatrix L = Lower();
    const CdMatrix U = Upper();
    for (int i = 1; i <= n; ++i) {
        CdVector e(n);
        e(i) = 1.0;
        const CdVector x = BackSubstitute(U, n, ForwardSubstitute(L, n, e));
        for (int k = 1; k <= n; ++k)
            r(k, i) = x(k);
    }
    return r;
}

double CdMatrix::Determinant() const
{
    const CdMatrix u = Upper();
    double det = 1.0;
    for (int i = 1; i <= GetRows(); ++i)
        det *= u(i, i);
    return det;
}
