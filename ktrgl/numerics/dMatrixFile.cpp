// CdMatrix table files, record files, report, export and printout.
#include <cstdio>
#include <iomanip>
#include <locale>
#include <sstream>

#include "numerics/TableFile.h"
#include "numerics/dMatrix.h"
#include "platform/MessageBox.h"

namespace {

const std::size_t kWidth = sizeof(double);

} // namespace

bool CdMatrix::Load(const std::string& name, const std::string& ext)
{
    return Load(numerics::TablePath(name, ext));
}

bool CdMatrix::Save(const std::string& name, const std::string& ext) const
{
    return Save(numerics::TablePath(name, ext));
}

bool CdMatrix::Load(const std::string& path)
{
    return numerics::LoadMatrix(*this, path, kWidth, [](CdMatrix& m, int rows, int cols) -> void* {
        m.SetSize(rows, cols);
        return m.m_t.data.data();
    });
}

bool CdMatrix::Save(const std::string& path) const
{
    const std::int32_t header[2] = {m_t.rows, m_t.cols};
    const std::size_t bytes = m_t.size > 0 ? (static_cast<std::size_t>(m_t.size) + 1) * kWidth : 0;
    return numerics::WriteTableOrWarn(path, header, 2, m_t.data.data(), bytes);
}

bool CdMatrix::LoadRecord(int k, const std::string& path)
{
    CdMatrix loaded;
    const numerics::ReadResult result =
        numerics::ReadRecord(path, k, kWidth, [&loaded](const std::int32_t* h) -> void* {
            loaded.SetSize(h[0], h[1]);
            return loaded.m_t.data.data();
        });
    if (result != numerics::ReadResult::Ok) {
        numerics::ShowAccessError(path);
        return false;
    }
    *this = std::move(loaded);
    return true;
}

bool CdMatrix::SaveRecord(int k, const std::string& path) const
{
    const std::int32_t header[2] = {m_t.rows, m_t.cols};
    const std::size_t bytes = (static_cast<std::size_t>(m_t.size) + 1) * kWidth;
    if (!numerics::WriteRecord(path, k, header, m_t.data.data(), bytes)) {
        numerics::ShowAccessError(path);
        return false;
    }
    return true;
}

bool CdMatrix::Report(const std::string& name, const std::string& ext) const
{
    const std::string path = numerics::TablePath(name, ext);
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << numerics::ReportHeader(true, path, m_t.rows, m_t.cols);
    out << std::setprecision(3);
    for (int i = 1; i <= m_t.rows; ++i) {
        const double* row = m_t.Row(i);
        for (int j = 0; j < m_t.cols; ++j)
            out << std::setw(11) << row[j];
        out << "\n";
    }
    if (!numerics::WriteText(path, out.str())) {
        numerics::ShowAccessError(path);
        return false;
    }
    return true;
}

bool CdMatrix::ExportText(const std::string& name) const
{
    const std::string path = numerics::ProjectFolder() + name + ".xls";
    std::ostringstream out;
    out.imbue(std::locale::classic());
    for (int i = 1; i <= m_t.rows; ++i) {
        const double* row = m_t.Row(i);
        for (int j = 0; j < m_t.cols; ++j)
            out << row[j] << '\t';
        out << "\n";
    }
    if (!numerics::WriteText(path, out.str())) {
        numerics::ShowAccessError(path);
        return false;
    }
    return true;
}

void CdMatrix::Print() const
{
    if (m_t.rows == 0) {
        platform::MessageBox("can't print size 0", "Matrix Error", platform::MB_OK);
        return;
    }
    char line[96];
    std::snprintf(line, sizeof line, "Matrix\t:\tsize[%d,%d]\t\t", m_t.rows, m_t.cols);
    numerics::PrintToViewer("matrix.txt", numerics::PrintHeader(line) + ToString());
}
