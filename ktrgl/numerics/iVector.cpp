#include "numerics/iVector.h"

#include <cmath>
#include <cstdio>
#include <iomanip>
#include <iostream>
#include <locale>
#include <sstream>

#include "numerics/DenseList.h"
#include "numerics/Int32.h"
#include "numerics/TableFile.h"
#include "platform/MessageBox.h"

namespace {

using List = numerics::DenseList<std::int32_t>;

} // namespace

CiVector::CiVector() : m_data(1, 0) {}

CiVector::CiVector(int n) : m_data(1, 0)
{
    SetSize(n);
}

CiVector::CiVector(const CiVector& other) : m_data(1, 0)
{
    SetSize(other.m_n);
    if (m_n >= 1)
        m_data = other.m_data;
}

CiVector::CiVector(CiVector&& other) noexcept : m_data(std::move(other.m_data)), m_n(other.m_n)
{
    List::Clear(other.m_data, other.m_n);
}

CiVector::CiVector(int n, const int* src) : m_data(1, 0)
{
    SetSize(n);
    if (m_n >= 1 && src)
        std::copy(src, src + m_n + 1, m_data.begin());
}

CiVector::CiVector(int n, const CiVector& other) : m_data(1, 0)
{
    SetSize(n);
    List::CopyCommon(m_data, other.m_data);
}

CiVector::~CiVector() = default;

CiVector& CiVector::operator=(const CiVector& other)
{
    Assign(other);
    return *this;
}

CiVector& CiVector::operator=(CiVector&& other) noexcept
{
    if (this != &other) {
        m_data.swap(other.m_data);
        m_n = other.m_n;
        List::Clear(other.m_data, other.m_n);
    }
    return *this;
}

void CiVector::Assign(const CiVector& other)
{
    if (this == &other)
        return;
    SetSize(other.m_n);
    m_data = other.m_data;
}

void CiVector::SetSize(int n) { List::Resize(m_data, m_n, n); }

void CiVector::Free()
{
    if (m_n != 0)
        List::Clear(m_data, m_n);
}

void CiVector::Clear() { List::Clear(m_data, m_n); }

void CiVector::Zero()
{
    std::fill(m_data.begin(), m_data.end(), 0);
}

void CiVector::Fill(int value)
{
    std::fill(m_data.begin() + 1, m_data.end(), value);
}

void CiVector::SetData(int n, const int* src)
{
    if (n < 1) {
        std::cout << "out of bound for copy" << std::endl;
        return;
    }
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(n) + 1, m_data.size());
    std::copy(src, src + count, m_data.begin());
}

void CiVector::SetData(const int* src)
{
    std::copy(src + 1, src + 1 + m_n, m_data.begin() + 1);
}

void CiVector::InsertAt(int i, int value) { List::InsertAt(m_data, m_n, i, &value, 1); }

void CiVector::InsertAt(int i, const CiVector& other)
{
    List::InsertAt(m_data, m_n, i, other.m_data.data() + 1, other.m_n);
}

void CiVector::Prepend(int value) { List::Insert(m_data, m_n, 1, &value, 1); }
void CiVector::Append(int value) { List::Insert(m_data, m_n, m_n + 1, &value, 1); }

void CiVector::Append(const CiVector& other)
{
    List::Insert(m_data, m_n, m_n + 1, other.m_data.data() + 1, other.m_n);
}

CiVector& CiVector::operator<<(const CiVector& other)
{
    Append(other);
    return *this;
}

void CiVector::Prepend(const CiVector& other)
{
    List::Insert(m_data, m_n, 1, other.m_data.data() + 1, other.m_n);
}

void CiVector::DeleteAt(int i) { List::DeleteAt(m_data, m_n, i); }

void CiVector::DeleteRange(int from, int to) { List::DeleteRange(m_data, m_n, from, to); }

void CiVector::DeleteFirst(int k) { List::DeleteFirst(m_data, m_n, k); }

void CiVector::DeleteLast(int k) { List::DeleteLast(m_data, m_n, k); }

void CiVector::ZeroRange(int from, int to) { List::ZeroRange(m_data, m_n, from, to); }

void CiVector::SwapAt(int i, int j) { List::SwapAt(m_data, m_n, i, j); }

void CiVector::SortAscending() { List::Sort(m_data, m_n, true); }
void CiVector::SortDescending() { List::Sort(m_data, m_n, false); }

CiVector CiVector::operator+(int k) const { CiVector r(*this); r += k; return r; }
CiVector CiVector::operator-(int k) const { CiVector r(*this); r -= k; return r; }
CiVector CiVector::operator*(int k) const { CiVector r(*this); r *= k; return r; }
CiVector CiVector::operator/(int k) const { CiVector r(*this); r /= k; return r; }

CiVector CiVector::operator+(const CiVector& w) const
{
    CiVector r(*this);
    if (w.m_n == m_n)
        for (int i = 1; i <= m_n; ++i)
            r.m_data[i] += w.m_data[i];
    return r;
}

CiVector CiVector::operator-(const CiVector& w) const
{
    CiVector r(*this);
    if (w.m_n == m_n)
        for (int i = 1; i <= m_n; ++i)
            r.m_data[i] -= w.m_data[i];
    return r;
}

CiVector& CiVector::operator+=(const CiVector& w)
{
    for (int i = 1; i <= m_n; ++i)
        m_data[i] += w(i);
    return *this;
}

CiVector& CiVector::operator-=(const CiVector& w)
{
    for (int i = 1; i <= m_n; ++i)
        m_data[i] -= w(i);
    return *this;
}

CiVector& CiVector::operator+=(int k)
{
    for (int i = 1; i <= m_n; ++i)
        m_data[i] += k;
    return *this;
}

CiVector& CiVector::operator-=(int k)
{
    for (int i = 1; i <= m_n; ++i)
        m_data[i] -= k;
    return *this;
}

CiVector& CiVector::operator*=(int k)
{
    for (int i = 1; i <= m_n; ++i)
        m_data[i] *= k;
    return *this;
}

CiVector& CiVector::operator/=(int k)
{
    if (k == 0)
        return *this;
    for (int i = 1; i <= m_n; ++i)
        m_data[i] = numerics::DivideInt32(m_data[i], k);
    return *this;
}

CiVector CiVector::Cross(const CiVector& w) const
{
    const CiVector& v = *this;
    return CiVector(3, v(2) * w(3) - v(3) * w(2), v(3) * w(1) - v(1) * w(3),
                    v(1) * w(2) - v(2) * w(1));
}

long long CiVector::Dot(const CiVector& w) const
{
    long long sum = 0;
    for (int i = 1; i <= m_n; ++i)
        sum += static_cast<long long>(m_data[i]) * w(i);
    return sum;
}

double CiVector::Norm() const
{
    double sum = 0.0;
    for (int i = 1; i <= m_n; ++i)
        sum += static_cast<double>(m_data[i]) * m_data[i];
    return std::sqrt(sum);
}

long long CiVector::Sum() const
{
    long long sum = 0;
    for (int i = 1; i <= m_n; ++i)
        sum += m_data[i];
    return sum;
}

bool CiVector::operator==(const CiVector& w) const
{
    return m_n == w.m_n && std::equal(m_data.begin() + 1, m_data.end(), w.m_data.begin() + 1);
}

bool CiVector::operator!=(const CiVector& w) const
{
    return !(*this == w);
}

// ---------------------------------------------------------------------------
// Files and text

bool CiVector::Load(const std::string& name, const std::string& ext)
{
    const std::string path = numerics::TablePath(name, ext);
    CiVector loaded;
    const numerics::ReadResult result = numerics::ReadTable(
        path, 1, sizeof(std::int32_t), [&loaded](const std::int32_t* h) -> void* {
            loaded.SetSize(h[0]);
            return loaded.m_data.data();
        });
    if (result == numerics::ReadResult::Ok) {
        *this = std::move(loaded);
        return true;
    }
    if (result == numerics::ReadResult::OpenFailed) {
        platform::MessageBox("File could not be open for read!", path, platform::MB_OK);
        Clear();
    } else {
        numerics::ShowAccessError(path);
    }
    return false;
}

bool CiVector::Save(const std::string& name, const std::string& ext) const
{
    const std::string path = numerics::TablePath(name, ext);
    const std::int32_t header[1] = {m_n};
    const std::size_t bytes = m_n > 0 ? m_data.size() * sizeof(std::int32_t) : 0;
    if (!numerics::WriteTable(path, header, 1, m_data.data(), bytes)) {
        platform::MessageBox("File could not be open for write!", path, platform::MB_OK);
        return false;
    }
    return true;
}

bool CiVector::Report(const std::string& name, const std::string& ext) const
{
    const std::string path = numerics::TablePath(name, ext);
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << numerics::ReportHeader(false, path, m_n, -1);
    out << std::setw(12) << "[INDEX]" << std::setw(14) << "VALUE" << "\n";
    for (int i = 1; i <= m_n; ++i)
        out << std::setw(9) << i << std::setw(15) << m_data[i] << "\n";
    if (!numerics::WriteText(path, out.str())) {
        std::cout << "File could not be open for write!" << std::endl;
        return false;
    }
    return true;
}

bool CiVector::ExportText(const std::string& name) const
{
    const std::string path = numerics::ProjectFolder() + name + ".xls";
    std::string text;
    for (int i = 1; i <= m_n; ++i)
        text += std::to_string(m_data[i]) + ",\n";
    if (!numerics::WriteText(path, text)) {
        platform::MessageBox("File could not be open for write text file!", path, platform::MB_OK);
        return false;
    }
    return true;
}

std::string CiVector::ToString() const
{
    std::string s;
    for (int i = 1; i <= m_n; ++i)
        s += numerics::Format("%.3g\t", static_cast<double>(m_data[i])) + "\n";
    s += "\n";
    return s;
}

void CiVector::Print() const
{
    if (m_n < 1) {
        platform::MessageBox("can't print size 0", "Vector Error", platform::MB_OK);
        return;
    }
    char line[64];
    std::snprintf(line, sizeof line, "Vector\t:\tsize{%d}\t\t", m_n);
    numerics::PrintToViewer("Vector.txt", numerics::PrintHeader(line) + ToString());
}

void CiVector::Display() const
{
    std::ostringstream out;
    for (int i = 1; i <= m_n; ++i)
        out << "element[" << i << "] = " << m_data[i] << "\n";
    std::cout << out.str() << std::flush;
}
