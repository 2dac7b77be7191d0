#include "numerics/dMatrix.h"

#include <cmath>
#include <cstdio>
#include <iomanip>
#include <iostream>
#include <locale>
#include <sstream>

#include "numerics/ConsoleBlock.h"
#include "numerics/iMatrix.h"
#include "platform/MessageBox.h"

// ---------------------------------------------------------------------------
// Construction and storage

CdMatrix::CdMatrix() = default;

CdMatrix::CdMatrix(int rows, int cols)
{
    SetSize(rows, cols);
}

CdMatrix::CdMatrix(const CdMatrix& other) : m_t(other.m_t) {}

CdMatrix::CdMatrix(CdMatrix&& other) noexcept : m_t(std::move(other.m_t)) {}

CdMatrix::~CdMatrix() = default;

void CdMatrix::Free()
{
    if (m_t.size != 0)
        m_t.ResetEmpty();
}

CdMatrix& CdMatrix::operator=(const CdMatrix& other)
{
    m_t = other.m_t;
    return *this;
}

CdMatrix& CdMatrix::operator=(CdMatrix&& other) noexcept
{
    m_t = std::move(other.m_t);
    return *this;
}

CdMatrix& CdMatrix::operator=(const CiMatrix& other)
{
    numerics::DenseTable<double> t;
    t.Reshape(other.GetRows(), other.GetCols());
    const int* src = other.GetData()[0];
    for (int k = 0; k <= t.size; ++k)
        t.data[k] = static_cast<double>(src[k]);
    m_t = std::move(t);
    return *this;
}

void CdMatrix::SetSize(int rows, int cols)
{
    if (rows < 0 || cols < 0)
        return;
    Free();
    m_t.Reshape(rows, cols);
}

void CdMatrix::Zero()
{
    std::fill(m_t.data.begin(), m_t.data.end(), 0.0);
}

void CdMatrix::CopyData(const CdMatrix& other)
{
    const std::size_t n = std::min(m_t.data.size(), other.m_t.data.size());
    std::copy(other.m_t.data.begin(), other.m_t.data.begin() + n, m_t.data.begin());
}

void CdMatrix::SetData(int n, const double* src)
{
    m_t.SetData(n, src);
}

void CdMatrix::CopyRows(int r1, int r2, const CdMatrix& src)
{
    m_t.CopyRows(r1, r2, src.m_t);
}

// ---------------------------------------------------------------------------
// Rows and columns

CdVector CdMatrix::GetRow(int r) const
{
    CdVector v(m_t.cols);
    for (int j = 1; j <= m_t.cols; ++j)
        v(j) = (*this)(r, j);
    return v;
}

CdVector CdMatrix::GetRowPart(int r, int c, int n) const
{
    CdVector v(n < 0 ? 0 : n);
    if (n < 0 || !m_t.InRange(r, c))
        return v;
    double* dst = v.GetData();
    const std::size_t start = m_t.Index(r, c);
    for (int k = 0; k <= n && start + k < m_t.data.size(); ++k)
        dst[k] = m_t.data[start + k];
    return v;
}

CdVector CdMatrix::GetColumn(int c) const
{
    CdVector v(m_t.rows);
    for (int i = 1; i <= m_t.rows; ++i)
        v(i) = (*this)(i, c);
    return v;
}

CdVector CdMatrix::GetColumnVector(int c) const
{
    return GetColumn(c);
}

void CdMatrix::SetRow(int r, const double* row)
{
    if (r < 1 || r > m_t.rows)
        return;
    std::copy(row + 1, row + 1 + m_t.cols, m_t.Row(r));
}

void CdMatrix::SetRow(int r, const double* row, int n)
{
    for (int j = 1; j <= n; ++j)
        (*this)(r, j) = row[j];
}

void CdMatrix::SetRowPart(int r, const double* values, int c, int n)
{
    for (int k = 1; k <= n; ++k)
        (*this)(r, c + k - 1) = values[k];
}

void CdMatrix::SetColumn(int c, const double* col)
{
    if (c < 1 || c > m_t.cols)
        return;
    for (int i = 1; i <= m_t.rows; ++i)
        m_t.data[m_t.Index(i, c)] = col[i];
}

void CdMatrix::SetColumn(int c, const double* col, int n)
{
    for (int i = 1; i <= n; ++i)
        (*this)(i, c) = col[i];
}

void CdMatrix::SetColumnPart(int c, const double* col, int from, int to)
{
    for (int i = from; i <= to; ++i)
        (*this)(i, c) = col[i];
}

namespace {

// Elements 1..n of v in a 1-based array; missing ones are 0.
std::vector<double> Padded(const CdVector& v, int n)
{
    std::vector<double> out(static_cast<std::size_t>(n < 0 ? 0 : n) + 1, 0);
    for (int i = 1; i <= n && i <= v.GetSize(); ++i)
        out[i] = v(i);
    return out;
}

} // namespace

void CdMatrix::SetRow(int r, const CdVector& row)
{
    SetRow(r, Padded(row, m_t.cols).data());
}

void CdMatrix::SetColumn(int c, const CdVector& col)
{
    SetColumn(c, Padded(col, m_t.rows).data());
}

void CdMatrix::InsertRow(int r, const CdVector& row)
{
    InsertRow(r, Padded(row, m_t.cols).data());
}

void CdMatrix::InsertColumn(int c, const CdVector& col)
{
    InsertColumn(c, Padded(col, m_t.rows).data());
}

void CdMatrix::AppendRow(const CdVector& row)
{
    AppendRow(Padded(row, m_t.cols).data());
}

void CdMatrix::AppendColumn(const CdVector& col)
{
    AppendColumn(Padded(col, m_t.rows).data());
}

void CdMatrix::InsertRow(int r, const double* row) { m_t.InsertRow(r, row); }
void CdMatrix::InsertColumn(int c, const double* col) { m_t.InsertColumn(c, col); }
void CdMatrix::AppendRow(const double* row) { m_t.AppendRow(row); }
void CdMatrix::AppendColumn(const double* col) { m_t.AppendColumn(col); }

void CdMatrix::AppendRows(const CdMatrix& other)
{
    if (other.m_t.cols != m_t.cols) {
        platform::MessageBox("Two matrix column not equal", "Can't Add new row", platform::MB_OK);
        return;
    }
    m_t.AppendRows(other.m_t);
}

void CdMatrix::DeleteRow(int r) { m_t.DeleteRow(r); }
void CdMatrix::DeleteColumn(int c) { m_t.DeleteColumn(c); }

void CdMatrix::DeleteRowColumn(int k)
{
    DeleteRow(k);
    DeleteColumn(k);
}

void CdMatrix::SwapRows(int r1, int r2) { m_t.SwapRows(r1, r2); }
void CdMatrix::SwapColumns(int c1, int c2) { m_t.SwapColumns(c1, c2); }
void CdMatrix::MoveRow(int from, int to) { m_t.MoveRow(from, to); }
void CdMatrix::MoveColumn(int from, int to) { m_t.MoveColumn(from, to); }

void CdMatrix::MoveRowAndDelete(int from, int to)
{
    MoveRow(from, to);
    DeleteRow(from);
}

void CdMatrix::MoveColumnAndDelete(int from, int to)
{
    MoveColumn(from, to);
    DeleteColumn(from);
}

void CdMatrix::ShiftRow(int from, int to) { m_t.ShiftRow(from, to); }
void CdMatrix::ShiftColumn(int from, int to) { m_t.ShiftColumn(from, to); }

void CdMatrix::SortByColumn(int c)
{
    // GetAt gives 0.0 outside the table; NaN compares false and never swaps.
    m_t.SortByColumn(c, 0.0);
}

// ---------------------------------------------------------------------------
// Arithmetic

namespace {

template <class Op>
CdMatrix ElementWise(const CdMatrix& a, const CdMatrix& b, Op op)
{
    CdMatrix r(b.GetRows(), b.GetCols());
    for (int i = 1; i <= a.GetRows(); ++i)
        for (int j = 1; j <= a.GetCols(); ++j)
            r(i, j) = op(a(i, j), b(i, j));
    return r;
}

} // namespace

CdMatrix CdMatrix::operator+(const CdMatrix& b) const
{
    return ElementWise(*this, b, [](double x, double y) { return x + y; });
}

CdMatrix CdMatrix::operator-(const CdMatrix& b) const
{
    return ElementWise(*this, b, [](double x, double y) { return x - y; });
}

CdMatrix& CdMatrix::operator+=(const CdMatrix& b)
{
    for (int i = 1; i <= m_t.rows; ++i)
        for (int j = 1; j <= m_t.cols; ++j)
            (*this)(i, j) += b(i, j);
    return *this;
}

CdMatrix& CdMatrix::operator-=(const CdMatrix& b)
{
    for (int i = 1; i <= m_t.rows; ++i)
        for (int j = 1; j <= m_t.cols; ++j)
            (*this)(i, j) -= b(i, j);
    return *this;
}

CdMatrix CdMatrix::operator+(double s) const { CdMatrix r(*this); r += s; return r; }
CdMatrix CdMatrix::operator-(double s) const { CdMatrix r(*this); r -= s; return r; }
CdMatrix CdMatrix::operator*(double s) const { CdMatrix r(*this); r *= s; return r; }
CdMatrix CdMatrix::operator/(double s) const { CdMatrix r(*this); r /= s; return r; }

CdMatrix& CdMatrix::operator+=(double s)
{
    for (int k = 1; k <= m_t.size; ++k)
        m_t.data[k] += s;
    return *this;
}

CdMatrix& CdMatrix::operator-=(double s)
{
    for (int k = 1; k <= m_t.size; ++k)
        m_t.data[k] -= s;
    return *this;
}

CdMatrix& CdMatrix::operator*=(double s)
{
    for (int k = 1; k <= m_t.size; ++k)
        m_t.data[k] *= s;
    return *this;
}

CdMatrix& CdMatrix::operator/=(double s)
{
    for (int k = 1; k <= m_t.size; ++k)
        m_t.data[k] /= s;
    return *this;
}

CdMatrix CdMatrix::operator*(const CdMatrix& b) const
{
    const int n = m_t.rows, m = b.m_t.cols, inner = b.m_t.rows;
    CdMatrix c(n, m);
    if (inner == m_t.cols) {
        // Row by row with the sums built in k order, as in c(i,j) = sum_k.
        for (int i = 1; i <= n; ++i) {
            double* ci = c.m_t.Row(i);
            const double* ai = m_t.Row(i);
            for (int k = 0; k < inner; ++k) {
                const double aik = ai[k];
                const double* bk = b.m_t.Row(k + 1);
                for (int j = 0; j < m; ++j)
                    ci[j] += aik * bk[j];
            }
        }
        return c;
    }
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= m; ++j) {
            double sum = 0.0;
            for (int k = 1; k <= inner; ++k)
                sum += (*this)(i, k) * b(k, j);
            c(i, j) = sum;
        }
    return c;
}

CdMatrix& CdMatrix::operator*=(const CdMatrix& b)
{
    CdMatrix product = *this * b;
    *this = std::move(product);
    return *this;
}

CdVector CdMatrix::operator*(const CdVector& v) const
{
    if (v.GetSize() != m_t.cols)
        return CdVector(v.GetSize());
    CdVector y(m_t.rows);
    for (int i = 1; i <= m_t.rows; ++i) {
        double sum = 0.0;
        const double* ai = m_t.Row(i);
        for (int j = 1; j <= m_t.cols; ++j)
            sum += ai[j - 1] * v(j);
        y(i) = sum;
    }
    return y;
}

CdMatrix CdMatrix::operator/(const CdMatrix& b) const
{
    return b.Inverse() * *this;
}

CdMatrix& CdMatrix::operator/=(const CdMatrix& b)
{
    CdMatrix q = b.Inverse() * *this;
    *this = std::move(q);
    return *this;
}

bool CdMatrix::operator==(const CdMatrix& b) const
{
    if (m_t.rows != b.m_t.rows || m_t.cols != b.m_t.cols || m_t.size != b.m_t.size)
        return false;
    for (int i = 1; i <= m_t.rows; ++i)
        for (int j = 1; j <= m_t.cols; ++j)
            if (!((*this)(i, j) == b(i, j)))
                return false;
    return true;
}

bool CdMatrix::operator!=(const CdMatrix& b) const
{
    return !(*this == b);
}

CdMatrix CdMatrix::Transpose() const
{
    CdMatrix t;
    m_t.Transpose(t.m_t);
    return t;
}

// ---------------------------------------------------------------------------
// Column statistics

double CdMatrix::ColumnMax(int c) const
{
    double value = 0.0;
    for (int i = 2; i <= m_t.rows; ++i) {
        const double m = std::max((*this)(i - 1, c), (*this)(i, c));
        if (m >= value)
            value = m;
    }
    return value;
}

double CdMatrix::ColumnAbsMax(int c) const
{
    double value = 0.0;
    for (int i = 2; i <= m_t.rows; ++i) {
        const double m = std::max(std::fabs((*this)(i - 1, c)), std::fabs((*this)(i, c)));
        if (m >= value)
            value = m;
    }
    return value;
}

double CdMatrix::ColumnMin(int c) const
{
    double value = 99999999.0;
    for (int i = 2; i <= m_t.rows; ++i) {
        const double m = std::min((*this)(i - 1, c), (*this)(i, c));
        if (m < value)
            value = m;
    }
    return value;
}

double CdMatrix::ColumnAbsSum(int c) const
{
    double sum = 0.0;
    for (int i = 1; i <= m_t.rows; ++i) {
        const double x = (*this)(i, c);
        sum += std::sqrt(x * x);
    }
    return sum;
}

double CdMatrix::Norm1() const
{
    double norm = 0.0;
    for (int j = 1; j <= m_t.cols; ++j) {
        const double s = ColumnAbsSum(j);
        if (s >= norm)
            norm = s;
    }
    return norm;
}

// ---------------------------------------------------------------------------
// Clean-up of tiny values

double Chop(double x, int n, double replacement)
{
    return std::log10(std::fabs(x)) <= -n ? replacement : x;
}

void CdMatrix::Chop(int n)
{
    for (int k = 1; k <= m_t.size; ++k)
        m_t.data[k] = ::Chop(m_t.data[k], n, 0.0);
}

// ---------------------------------------------------------------------------
// Console output

void CdMatrix::Display(int from, int to) const
{
    numerics::DisplayBlock(*this, from, to, from, to);
}

void CdMatrix::Display(double tolerance) const
{
    numerics::DisplayBlock(*this, 1, m_t.rows, 1, m_t.cols, tolerance);
}

void CdMatrix::DisplayElement(int i, int j) const
{
    if (m_t.rows == 0) {
        platform::MessageBox("can't print size 0", "Matrix Error", platform::MB_OK);
        return;
    }
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << "a(" << i << "," << j << ") = " << std::setprecision(3) << std::setw(11)
        << (*this)(i, j) << "\n";
    std::cout << out.str() << std::flush;
}

std::string CdMatrix::ToString() const
{
    std::string s;
    char buf[64];
    for (int i = 1; i <= m_t.rows; ++i) {
        const double* row = m_t.Row(i);
        for (int j = 0; j < m_t.cols; ++j) {
            std::snprintf(buf, sizeof buf, "%.3g\t", row[j]);
            s += buf;
        }
        s += "\n";
    }
    s += "\n";
    return s;
}
