#include "numerics/dVector.h"

#include <cmath>
#include <cstdio>
#include <iomanip>
#include <locale>
#include <sstream>

#include "numerics/DenseList.h"
#include "numerics/TableFile.h"
#include "numerics/dMatrix.h"
#include "platform/MessageBox.h"

namespace {

using List = numerics::DenseList<double>;
const char* const kWizard = "KESTRA Wizard...";

void Warn(const char* text)
{
    platform::MessageBox(text, kWizard, platform::MB_OK);
}

} // namespace

// ---------------------------------------------------------------------------
// Construction and storage

CdVector::CdVector() : m_data(1, 0.0) {}

CdVector::CdVector(int n) : m_data(1, 0.0)
{
    SetSize(n);
}

CdVector::CdVector(const CdVector& other) : m_data(1, 0.0)
{
    SetSize(other.m_n);
    if (m_n >= 1)
        m_data = other.m_data;
}

CdVector::CdVector(CdVector&& other) noexcept : m_data(std::move(other.m_data)), m_n(other.m_n)
{
    List::Clear(other.m_data, other.m_n);
}

CdVector::CdVector(int n, const double* src) : m_data(1, 0.0)
{
    SetSize(n);
    if (m_n >= 1 && src)
        std::copy(src, src + m_n + 1, m_data.begin());
}

CdVector::CdVector(int n, const CdVector& other) : m_data(1, 0.0)
{
    SetSize(n);
    List::CopyCommon(m_data, other.m_data);
}

CdVector::~CdVector() = default;

CdVector& CdVector::operator=(const CdVector& other)
{
    Assign(other);
    return *this;
}

CdVector& CdVector::operator=(CdVector&& other) noexcept
{
    if (this != &other) {
        m_data.swap(other.m_data);
        m_n = other.m_n;
        List::Clear(other.m_data, other.m_n);
    }
    return *this;
}

void CdVector::Assign(const CdVector& other)
{
    if (this == &other)
        return;
    SetSize(other.m_n);
    m_data = other.m_data;
}

void CdVector::SetSize(int n) { List::Resize(m_data, m_n, n); }

void CdVector::Free()
{
    if (m_n != 0)
        List::Clear(m_data, m_n);
}

void CdVector::Clear() { List::Clear(m_data, m_n); }

void CdVector::Zero()
{
    std::fill(m_data.begin(), m_data.end(), 0.0);
}

void CdVector::SetData(int n, const double* src)
{
    if (n < 1) {
        platform::MessageBox("out of bound for copy", "KESTRA Wizard", platform::MB_OK);
        return;
    }
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(n) + 1, m_data.size());
    std::copy(src, src + count, m_data.begin());
}

void CdVector::SetData(const double* src)
{
    std::copy(src + 1, src + 1 + m_n, m_data.begin() + 1);
}

// ---------------------------------------------------------------------------
// Editing

void CdVector::InsertAt(int i, double value) { List::InsertAt(m_data, m_n, i, &value, 1); }

void CdVector::InsertAt(int i, const CdVector& other)
{
    List::InsertAt(m_data, m_n, i, other.m_data.data() + 1, other.m_n);
}

void CdVector::Prepend(double value)
{
    List::Insert(m_data, m_n, 1, &value, 1);
}

void CdVector::Append(double value)
{
    List::Insert(m_data, m_n, m_n + 1, &value, 1);
}

void CdVector::Append(const CdVector& other)
{
    List::Insert(m_data, m_n, m_n + 1, other.m_data.data() + 1, other.m_n);
}

CdVector& CdVector::operator<<(const CdVector& other)
{
    Append(other);
    return *this;
}

void CdVector::Prepend(const CdVector& other)
{
    List::Insert(m_data, m_n, 1, other.m_data.data() + 1, other.m_n);
}

void CdVector::DeleteAt(int i) { List::DeleteAt(m_data, m_n, i); }

void CdVector::DeleteRange(int from, int to) { List::DeleteRange(m_data, m_n, from, to); }

void CdVector::DeleteFirst(int k) { List::DeleteFirst(m_data, m_n, k); }

void CdVector::DeleteLast(int k) { List::DeleteLast(m_data, m_n, k); }

void CdVector::ZeroRange(int from, int to) { List::ZeroRange(m_data, m_n, from, to); }

void CdVector::SwapAt(int i, int j) { List::SwapAt(m_data, m_n, i, j); }

void CdVector::SortAscending()
{
    List::Sort(m_data, m_n, true);
}

void CdVector::SortDescending()
{
    List::Sort(m_data, m_n, false);
}

// ---------------------------------------------------------------------------
// Arithmetic

CdVector CdVector::operator+(double s) const
{
    CdVector r(*this);
    for (int i = 1; i <= m_n; ++i)
        r.m_data[i] += s;
    return r;
}

CdVector CdVector::operator-(double s) const
{
    CdVector r(*this);
    for (int i = 1; i <= m_n; ++i)
        r.m_data[i] -= s;
    return r;
}

CdVector CdVector::operator*(double s) const
{
    CdVector r(*this);
    for (int i = 1; i <= m_n; ++i)
        r.m_data[i] *= s;
    return r;
}

CdVector CdVector::operator/(double s) const
{
    CdVector r(*this);
    if (s == 0.0) {
        Warn("can not div by zero!");
        return r;
    }
    for (int i = 1; i <= m_n; ++i)
        r.m_data[i] /= s;
    return r;
}

CdVector CdVector::operator+(const CdVector& w) const
{
    CdVector r(*this);
    if (w.m_n != m_n) {
        Warn("operator +");
        return r;
    }
    for (int i = 1; i <= m_n; ++i)
        r.m_data[i] += w.m_data[i];
    return r;
}

CdVector CdVector::operator-(const CdVector& w) const
{
    CdVector r(*this);
    if (w.m_n != m_n) {
        Warn("operator -");
        return r;
    }
    for (int i = 1; i <= m_n; ++i)
        r.m_data[i] -= w.m_data[i];
    return r;
}

CdVector& CdVector::operator+=(const CdVector& w)
{
    for (int i = 1; i <= m_n; ++i)
        m_data[i] += w(i);
    return *this;
}

CdVector& CdVector::operator-=(const CdVector& w)
{
    for (int i = 1; i <= m_n; ++i)
        m_data[i] -= w(i);
    return *this;
}

CdVector& CdVector::operator+=(double s)
{
    if (m_n < 1)
        Warn("operator+= double value");
    for (int i = 1; i <= m_n; ++i)
        m_data[i] += s;
    return *this;
}

CdVector& CdVector::operator-=(double s)
{
    for (int i = 1; i <= m_n; ++i)
        m_data[i] -= s;
    return *this;
}

CdVector& CdVector::operator*=(double s)
{
    if (m_n < 1)
        Warn("operator*= double value");
    for (int i = 1; i <= m_n; ++i)
        m_data[i] *= s;
    return *this;
}

CdVector& CdVector::operator/=(double s)
{
    if (m_n < 1)
        Warn("operator/= double value)");
    for (int i = 1; i <= m_n; ++i)
        m_data[i] /= s;
    return *this;
}

CdVector CdVector::operator*(const CdMatrix& m) const
{
    CdMatrix row(1, m_n);
    for (int j = 1; j <= m_n; ++j)
        row(1, j) = m_data[j];
    const CdMatrix product = row * m;
    CdVector r(m_n);
    for (int j = 1; j <= m_n; ++j)
        r.m_data[j] = product(1, j);
    return r;
}

CdVector CdVector::Cross(const CdVector& w) const
{
    const CdVector& v = *this;
    return CdVector(3, v(2) * w(3) - v(3) * w(2), v(3) * w(1) - v(1) * w(3),
                    v(1) * w(2) - v(2) * w(1));
}

double CdVector::Dot(const CdVector& w) const
{
    double sum = 0.0;
    for (int i = 1; i <= m_n; ++i)
        sum += m_data[i] * w(i);
    return sum;
}

double CdVector::Norm() const
{
    double sum = 0.0;
    for (int i = 1; i <= m_n; ++i)
        sum += std::pow(m_data[i], 2.0);
    return std::sqrt(sum);
}

double CdVector::Sum() const
{
    double sum = 0.0;
    for (int i = 1; i <= m_n; ++i)
        sum += m_data[i];
    return sum;
}

void CdVector::Normalize()
{
    const double norm = Norm();
    for (int i = 1; i <= m_n; ++i)
        m_data[i] /= norm;
}

CdVector CdVector::GetUnitVector() const
{
    CdVector r(*this);
    const double norm = Norm();
    if (m_n < 1 || norm == 0.0) {
        Warn("GetUnitVector()");
        return r;
    }
    for (int i = 1; i <= m_n; ++i)
        r.m_data[i] /= norm;
    return r;
}

bool CdVector::operator==(const CdVector& w) const
{
    if (m_n != w.m_n)
        return false;
    for (int i = 1; i <= m_n; ++i)
        if (!(std::log10(std::fabs(m_data[i] - w.m_data[i])) < -4))
            return false;
    return true;
}

bool CdVector::operator!=(const CdVector& w) const
{
    return !(*this == w);
}

// ---------------------------------------------------------------------------
// Points and member axes

double Distance(CdVector a, CdVector b)
{
    const CdVector d = a - b;
    return std::sqrt(d(1) * d(1) + d(2) * d(2) + d(3) * d(3));
}

CdMatrix MemberAxes(CdVector a, CdVector b, CdVector c)
{
    CdMatrix t(3, 3);
    const double length = Distance(a, b);
    for (int k = 1; k <= 3; ++k)
        t(1, k) = (b(k) - a(k)) / length;
    const CdVector u(3, c(1) - a(1), c(2) - a(2), c(3) - a(3));
    const CdVector w(3, t(1, 2) * u(3) - t(1, 3) * u(2), t(1, 3) * u(1) - t(1, 1) * u(3),
                     t(1, 1) * u(2) - t(1, 2) * u(1));
    const double norm = w.Norm();
    for (int k = 1; k <= 3; ++k)
        t(3, k) = w(k) / norm;
    t(2, 1) = t(3, 2) * t(1, 3) - t(1, 2) * t(3, 3);
    t(2, 2) = t(1, 1) * t(3, 3) - t(3, 1) * t(1, 3);
    t(2, 3) = t(3, 1) * t(1, 2) - t(1, 1) * t(3, 2);
    return t;
}

// ---------------------------------------------------------------------------
// Files

bool CdVector::Load(const std::string& name, const std::string& ext)
{
    const std::string path = numerics::TablePath(name, ext);
    CdVector loaded;
    const numerics::ReadResult result =
        numerics::ReadTable(path, 1, sizeof(double), [&loaded](const std::int32_t* h) -> void* {
            loaded.SetSize(h[0]);
            return loaded.m_data.data();
        });
    if (result == numerics::ReadResult::Ok) {
        *this = std::move(loaded);
        return true;
    }
    numerics::ShowAccessError(path);
    if (result == numerics::ReadResult::OpenFailed)
        Clear();
    return false;
}

bool CdVector::Save(const std::string& name, const std::string& ext) const
{
    const std::string path = numerics::TablePath(name, ext);
    const std::int32_t header[1] = {m_n};
    const std::size_t bytes = m_n > 0 ? m_data.size() * sizeof(double) : 0;
    if (!numerics::WriteTable(path, header, 1, m_data.data(), bytes)) {
        numerics::ShowAccessError(path);
        return false;
    }
    return true;
}

bool CdVector::Report(const std::string& name, const std::string& ext) const
{
    const std::string path = numerics::TablePath(name, ext);
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << numerics::ReportHeader(false, path, m_n, -1);
    out << std::setw(12) << "[INDEX]" << std::setw(14) << "VALUE" << "\n";
    for (int i = 1; i <= m_n; ++i)
        out << std::setw(9) << i << std::setw(15) << m_data[i] << "\n";
    if (!numerics::WriteText(path, out.str())) {
        numerics::ShowAccessError(path);
        return false;
    }
    return true;
}

bool CdVector::ExportText(const std::string& name) const
{
    const std::string path = numerics::ProjectFolder() + name + ".xls";
    std::ostringstream out;
    out.imbue(std::locale::classic());
    for (int i = 1; i <= m_n; ++i)
        out << m_data[i] << ",\n";
    if (!numerics::WriteText(path, out.str())) {
        numerics::ShowAccessError(path);
        return false;
    }
    return true;
}

std::string CdVector::ToString() const
{
    std::string s;
    for (int i = 1; i <= m_n; ++i)
        s += numerics::Format("%.3g\t", m_data[i]) + "\n";
    s += "\n";
    return s;
}

void CdVector::Print() const
{
    if (m_n < 1) {
        platform::MessageBox("can't print size 0", "Vector Error", platform::MB_OK);
        return;
    }
    char line[64];
    std::snprintf(line, sizeof line, "Vector\t:\tsize{%d}\t\t", m_n);
    numerics::PrintToViewer("Vector.txt", numerics::PrintHeader(line) + ToString());
}
