#include "numerics/iMatrix.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <locale>
#include <sstream>

#include "numerics/ConsoleBlock.h"
#include "numerics/Int32.h"
#include "numerics/TableFile.h"
#include "numerics/dMatrix.h"
#include "platform/MessageBox.h"

// ---------------------------------------------------------------------------
// Construction and storage

CiMatrix::CiMatrix() = default;

CiMatrix::CiMatrix(int rows, int cols)
{
    SetSize(rows, cols);
}

CiMatrix::CiMatrix(const CiMatrix& other) : m_t(other.m_t) {}

CiMatrix::CiMatrix(CiMatrix&& other) noexcept : m_t(std::move(other.m_t)) {}

CiMatrix::CiMatrix(const CdMatrix& other)
{
    *this = other;
}

CiMatrix::~CiMatrix() = default;

CiMatrix& CiMatrix::operator=(const CiMatrix& other)
{
    m_t = other.m_t;
    return *this;
}

CiMatrix& CiMatrix::operator=(CiMatrix&& other) noexcept
{
    m_t = std::move(other.m_t);
    return *this;
}

CiMatrix& CiMatrix::operator=(const CdMatrix& other)
{
    numerics::DenseTable<std::int32_t> t;
    t.Reshape(other.GetRows(), other.GetCols());
    const double* src = other.GetData()[0];
    for (int k = 0; k <= t.size; ++k)
        t.data[k] = numerics::TruncateToInt32(src[k]);
    m_t = std::move(t);
    return *this;
}

void CiMatrix::Free()
{
    if (m_t.size != 0)
        m_t.ResetEmpty();
}

void CiMatrix::SetSize(int rows, int cols)
{
    if (rows < 0 || cols < 0)
        return;
    Free();
    m_t.Reshape(rows, cols);
}

void CiMatrix::Zero()
{
    std::fill(m_t.data.begin(), m_t.data.end(), 0);
}

void CiMatrix::CopyData(const CiMatrix& other)
{
    const std::size_t n = std::min(m_t.data.size(), other.m_t.data.size());
    std::copy(other.m_t.data.begin(), other.m_t.data.begin() + n, m_t.data.begin());
}

void CiMatrix::SetData(int n, const int* src) { m_t.SetData(n, src); }
void CiMatrix::CopyRows(int r1, int r2, const CiMatrix& src) { m_t.CopyRows(r1, r2, src.m_t); }

// ---------------------------------------------------------------------------
// Rows and columns

CiVector CiMatrix::GetRow(int r) const
{
    CiVector v(m_t.cols);
    for (int j = 1; j <= m_t.cols; ++j)
        v(j) = (*this)(r, j);
    return v;
}

CiVector CiMatrix::GetRowPart(int r, int c, int n) const
{
    CiVector v(n < 0 ? 0 : n);
    if (n < 0 || !m_t.InRange(r, c))
        return v;
    int* dst = v.GetData();
    const std::size_t start = m_t.Index(r, c);
    for (int k = 0; k <= n && start + k < m_t.data.size(); ++k)
        dst[k] = m_t.data[start + k];
    return v;
}

CiVector CiMatrix::GetColumn(int c) const
{
    CiVector v(m_t.rows);
    for (int i = 1; i <= m_t.rows; ++i)
        v(i) = (*this)(i, c);
    return v;
}

CiVector CiMatrix::GetColumnVector(int c) const { return GetColumn(c); }

void CiMatrix::SetRow(int r, const int* row)
{
    if (r < 1 || r > m_t.rows)
        return;
    std::copy(row + 1, row + 1 + m_t.cols, m_t.Row(r));
}

void CiMatrix::SetRow(int r, const int* row, int n)
{
    for (int j = 1; j <= n; ++j)
        (*this)(r, j) = row[j];
}

void CiMatrix::SetRowPart(int r, const int* values, int c, int n)
{
    for (int k = 1; k <= n; ++k)
        (*this)(r, c + k - 1) = values[k];
}

void CiMatrix::SetColumn(int c, const int* col)
{
    if (c < 1 || c > m_t.cols)
        return;
    for (int i = 1; i <= m_t.rows; ++i)
        m_t.data[m_t.Index(i, c)] = col[i];
}

void CiMatrix::SetColumn(int c, const int* col, int n)
{
    for (int i = 1; i <= n; ++i)
        (*this)(i, c) = col[i];
}

void CiMatrix::SetColumnPart(int c, const int* col, int from, int to)
{
    for (int i = from; i <= to; ++i)
        (*this)(i, c) = col[i];
}

namespace {

// Elements 1..n of v in a 1-based array; missing ones are 0.
std::vector<int> Padded(const CiVector& v, int n)
{
    std::vector<int> out(static_cast<std::size_t>(n < 0 ? 0 : n) + 1, 0);
    for (int i = 1; i <= n && i <= v.GetSize(); ++i)
        out[i] = v(i);
    return out;
}

} // namespace

void CiMatrix::SetRow(int r, const CiVector& row)
{
    SetRow(r, Padded(row, m_t.cols).data());
}

void CiMatrix::SetColumn(int c, const CiVector& col)
{
    SetColumn(c, Padded(col, m_t.rows).data());
}

void CiMatrix::InsertRow(int r, const CiVector& row)
{
    InsertRow(r, Padded(row, m_t.cols).data());
}

void CiMatrix::InsertColumn(int c, const CiVector& col)
{
    InsertColumn(c, Padded(col, m_t.rows).data());
}

void CiMatrix::AppendRow(const CiVector& row)
{
    AppendRow(Padded(row, m_t.cols).data());
}

void CiMatrix::AppendColumn(const CiVector& col)
{
    AppendColumn(Padded(col, m_t.rows).data());
}

void CiMatrix::InsertRow(int r, const int* row) { m_t.InsertRow(r, row); }
void CiMatrix::InsertColumn(int c, const int* col) { m_t.InsertColumn(c, col); }
void CiMatrix::AppendRow(const int* row) { m_t.AppendRow(row); }
void CiMatrix::AppendColumn(const int* col) { m_t.AppendColumn(col); }

void CiMatrix::AppendRows(const CiMatrix& other)
{
    if (other.m_t.cols != m_t.cols) {
        platform::MessageBox("Two matrix column not equal", "Can't Add new row", platform::MB_OK);
        return;
    }
    m_t.AppendRows(other.m_t);
}

void CiMatrix::DeleteRow(int r) { m_t.DeleteRow(r); }
void CiMatrix::DeleteColumn(int c) { m_t.DeleteColumn(c); }

void CiMatrix::DeleteRowColumn(int k)
{
    DeleteRow(k);
    DeleteColumn(k);
}

void CiMatrix::SwapRows(int r1, int r2) { m_t.SwapRows(r1, r2); }
void CiMatrix::SwapColumns(int c1, int c2) { m_t.SwapColumns(c1, c2); }
void CiMatrix::MoveRow(int from, int to) { m_t.MoveRow(from, to); }
void CiMatrix::MoveColumn(int from, int to) { m_t.MoveColumn(from, to); }

void CiMatrix::MoveRowAndDelete(int from, int to)
{
    MoveRow(from, to);
    DeleteRow(from);
}

void CiMatrix::MoveColumnAndDelete(int from, int to)
{
    MoveColumn(from, to);
    DeleteColumn(from);
}

void CiMatrix::ShiftRow(int from, int to) { m_t.ShiftRow(from, to); }
void CiMatrix::ShiftColumn(int from, int to) { m_t.ShiftColumn(from, to); }

void CiMatrix::SortByColumn(int c)
{
    // GetAt of CiMatrix gives the spare slot outside the table.
    m_t.SortByColumn(c, m_t.data[0]);
}

// ---------------------------------------------------------------------------
// Arithmetic

CiMatrix CiMatrix::operator+(const CiMatrix& b) const
{
    CiMatrix r(b.GetRows(), b.GetCols());
    for (int i = 1; i <= m_t.rows; ++i)
        for (int j = 1; j <= m_t.cols; ++j)
            r(i, j) = (*this)(i, j) + b(i, j);
    return r;
}

CiMatrix CiMatrix::operator-(const CiMatrix& b) const
{
    CiMatrix r(b.GetRows(), b.GetCols());
    for (int i = 1; i <= m_t.rows; ++i)
        for (int j = 1; j <= m_t.cols; ++j)
            r(i, j) = (*this)(i, j) - b(i, j);
    return r;
}

CiMatrix& CiMatrix::operator+=(const CiMatrix& b)
{
    for (int i = 1; i <= m_t.rows; ++i)
        for (int j = 1; j <= m_t.cols; ++j)
            (*this)(i, j) += b(i, j);
    return *this;
}

CiMatrix& CiMatrix::operator-=(const CiMatrix& b)
{
    for (int i = 1; i <= m_t.rows; ++i)
        for (int j = 1; j <= m_t.cols; ++j)
            (*this)(i, j) -= b(i, j);
    return *this;
}

CiMatrix CiMatrix::operator+(int k) const { CiMatrix r(*this); r += k; return r; }
CiMatrix CiMatrix::operator-(int k) const { CiMatrix r(*this); r -= k; return r; }
CiMatrix CiMatrix::operator*(int k) const { CiMatrix r(*this); r *= k; return r; }
CiMatrix CiMatrix::operator/(int k) const { CiMatrix r(*this); r /= k; return r; }

CiMatrix& CiMatrix::operator+=(int k)
{
    for (int i = 1; i <= m_t.size; ++i)
        m_t.data[i] += k;
    return *this;
}

CiMatrix& CiMatrix::operator-=(int k)
{
    for (int i = 1; i <= m_t.size; ++i)
        m_t.data[i] -= k;
    return *this;
}

CiMatrix& CiMatrix::operator*=(int k)
{
    for (int i = 1; i <= m_t.size; ++i)
        m_t.data[i] *= k;
    return *this;
}

CiMatrix& CiMatrix::operator/=(int k)
{
    if (k == 0) // an integer division by zero would stop the program
        return *this;
    for (int i = 1; i <= m_t.size; ++i)
        m_t.data[i] = numerics::DivideInt32(m_t.data[i], k);
    return *this;
}

CiMatrix CiMatrix::operator*(const CiMatrix& b) const
{
    const int n = m_t.rows, m = b.m_t.cols, inner = b.m_t.rows;
    CiMatrix c(n, m);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= m; ++j) {
            std::int32_t sum = 0;
            for (int k = 1; k <= inner; ++k)
                sum += (*this)(i, k) * b(k, j);
            c(i, j) = sum;
        }
    return c;
}

CiMatrix& CiMatrix::operator*=(const CiMatrix& b)
{
    CiMatrix product = *this * b;
    *this = std::move(product);
    return *this;
}

CiVector CiMatrix::operator*(const CiVector& v) const
{
    if (v.GetSize() != m_t.cols)
        return CiVector(v.GetSize());
    CiVector y(m_t.rows);
    for (int i = 1; i <= m_t.rows; ++i) {
        std::int32_t sum = 0;
        for (int j = 1; j <= m_t.cols; ++j)
            sum += (*this)(i, j) * v(j);
        y(i) = sum;
    }
    return y;
}

bool CiMatrix::operator==(const CiMatrix& b) const
{
    if (m_t.rows != b.m_t.rows || m_t.cols != b.m_t.cols || m_t.size != b.m_t.size)
        return false;
    return std::equal(m_t.data.begin() + 1, m_t.data.begin() + 1 + m_t.size, b.m_t.data.begin() + 1);
}

bool CiMatrix::operator!=(const CiMatrix& b) const
{
    return !(*this == b);
}

CiMatrix CiMatrix::Transpose() const
{
    CiMatrix t;
    m_t.Transpose(t.m_t);
    return t;
}

// ---------------------------------------------------------------------------
// Column statistics

int CiMatrix::ColumnMax(int c) const
{
    int value = 0;
    for (int i = 2; i <= m_t.rows; ++i)
        value = std::max(value, std::max((*this)(i - 1, c), (*this)(i, c)));
    return value;
}

int CiMatrix::ColumnAbsMax(int c) const
{
    int value = 0;
    for (int i = 2; i <= m_t.rows; ++i)
        value = std::max(value, std::max(std::abs((*this)(i - 1, c)), std::abs((*this)(i, c))));
    return value;
}

int CiMatrix::ColumnMin(int c) const
{
    int value = 99999999;
    for (int i = 2; i <= m_t.rows; ++i)
        value = std::min(value, std::min((*this)(i - 1, c), (*this)(i, c)));
    return value;
}

long long CiMatrix::ColumnAbsSum(int c) const
{
    long long sum = 0;
    for (int i = 1; i <= m_t.rows; ++i)
        sum += std::llabs((*this)(i, c));
    return sum;
}

long long CiMatrix::Norm1() const
{
    long long norm = 0;
    for (int j = 1; j <= m_t.cols; ++j)
        norm = std::max(norm, ColumnAbsSum(j));
    return norm;
}

// ---------------------------------------------------------------------------
// Files

bool CiMatrix::Load(const std::string& name, const std::string& ext)
{
    const std::string path = numerics::TablePath(name, ext);
    CiMatrix loaded;
    const numerics::ReadResult result = numerics::ReadTable(
        path, 2, sizeof(std::int32_t), [&loaded](const std::int32_t* h) -> void* {
            loaded.SetSize(h[0], h[1]);
            return loaded.m_t.data.data();
        });
    if (result == numerics::ReadResult::Ok) {
        *this = std::move(loaded);
        return true;
    }
    if (result == numerics::ReadResult::OpenFailed) {
        platform::MessageBox("File could not be open for read!", path, platform::MB_OK);
        SetSize(0, 0);
    } else {
        numerics::ShowAccessError(path);
    }
    return false;
}

bool CiMatrix::Save(const std::string& name, const std::string& ext) const
{
    return Save(numerics::TablePath(name, ext));
}

bool CiMatrix::Load(const std::string& path)
{
    return numerics::LoadMatrix(*this, path, sizeof(std::int32_t), [](CiMatrix& m, int rows, int cols) -> void* {
        m.SetSize(rows, cols);
        return m.m_t.data.data();
    });
}

bool CiMatrix::Save(const std::string& path) const
{
    const std::int32_t header[2] = {m_t.rows, m_t.cols};
    const std::size_t bytes =
        m_t.size > 0 ? (static_cast<std::size_t>(m_t.size) + 1) * sizeof(std::int32_t) : 0;
    return numerics::WriteTableOrWarn(path, header, 2, m_t.data.data(), bytes);
}

bool CiMatrix::Report(const std::string& name, const std::string& ext) const
{
    const std::string path = numerics::TablePath(name, ext);
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << numerics::ReportHeader(true, path, m_t.rows, m_t.cols);
    for (int i = 1; i <= m_t.rows; ++i) {
        for (int j = 1; j <= m_t.cols; ++j)
            out << std::setw(15) << m_t.data[m_t.Index(i, j)];
        out << "\n";
    }
    if (!numerics::WriteText(path, out.str())) {
        platform::MessageBox("File could not be open for write!", "FILE ERROR", platform::MB_OK);
        return false;
    }
    return true;
}

bool CiMatrix::ExportText(const std::string& name) const
{
    const std::string path = numerics::ProjectFolder() + name + ".xls";
    std::string text;
    for (int i = 1; i <= m_t.rows; ++i) {
        for (int j = 1; j <= m_t.cols; ++j)
            text += std::to_string(m_t.data[m_t.Index(i, j)]) + ",";
        text += "\n";
    }
    if (!numerics::WriteText(path, text)) {
        platform::MessageBox("File could not be open for write text file!", path, platform::MB_OK);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Text output

std::string CiMatrix::ToString() const
{
    std::string s;
    for (int i = 1; i <= m_t.rows; ++i) {
        for (int j = 1; j <= m_t.cols; ++j)
            s += numerics::Format("%.3g\t", static_cast<double>(m_t.data[m_t.Index(i, j)]));
        s += "\n";
    }
    s += "\n";
    return s;
}

void CiMatrix::Print() const
{
    if (m_t.rows == 0) {
        platform::MessageBox("can't print size 0", "Matrix Error", platform::MB_OK);
        return;
    }
    char line[96];
    std::snprintf(line, sizeof line, "Matrix\t:\tsize[%d,%d]\t\t", m_t.rows, m_t.cols);
    numerics::PrintToViewer("matrix.txt", numerics::PrintHeader(line) + ToString());
}

void CiMatrix::Display(int from, int to) const
{
    numerics::DisplayBlock(*this, from, to, from, to);
}

void CiMatrix::Display() const
{
    numerics::DisplayBlock(*this, 1, m_t.rows, 1, m_t.cols);
}

void CiMatrix::DisplayElement(int i, int j) const
{
    if (m_t.rows == 0) {
        platform::MessageBox("can't print size 0", "Matrix Error", platform::MB_OK);
        return;
    }
    std::cout << "a(" << i << "," << j << ") = " << std::setw(11) << (*this)(i, j) << std::endl;
}
