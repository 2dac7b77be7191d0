#include "solver/ResultWriter.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "solver/SectionForces.h"

namespace solver {

namespace {
enum { Disn, Sys, Dise, Elf, Dcos, Mfs };

void PutInt(std::vector<char>& buffer, size_t at, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (int b = 0; b < 4; ++b)
        buffer[at + b] = static_cast<char>((u >> (8 * b)) & 0xFF);
}

void PutDouble(char* at, double value)
{
    std::uint64_t u;
    std::memcpy(&u, &value, sizeof u);
    for (int b = 0; b < 8; ++b)
        at[b] = static_cast<char>((u >> (8 * b)) & 0xFF);
}
} // namespace

ResultWriter::ResultWriter(const std::string& folder, const std::string& name)
    : m_folder(folder), m_name(name)
{
    const char* const ext[] = {".disn", ".sys", ".dise", ".elf"};
    for (int i = 0; i < 4; ++i)
        m_files[i].path = folder + name + ext[i];
    m_files[Dcos].path = folder + "dcos";
    m_files[Mfs].path = folder + name + ".mfs";
}

ResultWriter::~ResultWriter()
{
    // A solve that stopped before Finish leaves no half-written file.
    for (File& f : m_files)
        if (f.out.is_open()) {
            f.out.close();
            std::remove(PartPath(f).c_str());
        }
}

std::string ResultWriter::PartPath(const File& file)
{
    return file.path + ".part";
}

std::vector<std::string> ResultWriter::Paths() const
{
    std::vector<std::string> paths;
    for (const File& f : m_files)
        paths.push_back(f.path);
    return paths;
}

bool ResultWriter::Fail(const File& file)
{
    m_error = "Cannot write the result file " + file.path;
    return false;
}

bool ResultWriter::Open(File& file, int rows, int cols)
{
    file.rows = rows;
    file.cols = cols;
    // Written beside the result file and renamed over it by Finish: a crash
    // or a full disk never leaves a truncated result file behind.
    file.out.open(PartPath(file), std::ios::binary | std::ios::trunc);
    if (!file.out)
        return Fail(file);
    std::vector<char> header(8);
    PutInt(header, 0, rows);
    PutInt(header, 4, cols);
    file.out.write(header.data(), 8);
    return file.out.good() || Fail(file);
}

bool ResultWriter::Begin(int nodes, int members, int dof, int /*records*/)
{
    m_error.clear();
    return Open(m_files[Disn], nodes, dof) && Open(m_files[Sys], nodes, dof) &&
           Open(m_files[Dise], members, 2 * dof) && Open(m_files[Elf], members, 2 * dof) &&
           Open(m_files[Dcos], 3, 3) && Open(m_files[Mfs], members * SectionForces::Stations, dof);
}

bool ResultWriter::WriteRecord(File& file, const CdMatrix& table)
{
    const size_t count = static_cast<size_t>(file.rows) * static_cast<size_t>(file.cols);
    m_buffer.assign((count + 1) * 8, 0); // the spare slot stays 0
    char* at = m_buffer.data() + 8;
    for (int i = 1; i <= file.rows; ++i)
        for (int j = 1; j <= file.cols; ++j, at += 8)
            PutDouble(at, table.GetAt(i, j));
    file.out.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    return file.out.good() || Fail(file);
}

bool ResultWriter::WriteAxes(int /*member*/, const Eigen::Matrix3d& axes)
{
    // Members arrive in order 1, 2, ...: record k lands at its offset.
    char record[80] = {};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            PutDouble(record + 8 * (1 + 3 * i + j), axes(i, j));
    File& file = m_files[Dcos];
    file.out.write(record, sizeof record);
    return file.out.good() || Fail(file);
}

bool ResultWriter::WriteCase(int /*record*/, const CaseResult& result)
{
    return WriteRecord(m_files[Disn], result.nodeDisplacements) &&
           WriteRecord(m_files[Sys], result.nodeForces) &&
           WriteRecord(m_files[Dise], result.memberDisplacements) &&
           WriteRecord(m_files[Elf], result.memberForces) &&
           WriteRecord(m_files[Mfs], result.sectionForces);
}

bool ResultWriter::Finish()
{
    bool ok = true;
    for (File& f : m_files) {
        if (!f.out.is_open())
            continue;
        f.out.close();
        if (f.out.fail() && ok)
            ok = Fail(f);
    }
    for (File& f : m_files) {
        const std::string part = PartPath(f);
        if (ok && std::rename(part.c_str(), f.path.c_str()) != 0)
            ok = Fail(f);
        if (!ok)
            std::remove(part.c_str());
    }
    return ok;
}

} // namespace solver
