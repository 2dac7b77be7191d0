#include "project/Archive.h"

#include "platform/AtomicFile.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

const char* const CArchive::DamagedText = "Unexpected file format.";

namespace {

void PutLE(std::string& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::uint64_t GetLE(const unsigned char* in, int bytes)
{
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | in[i];
    return value;
}

} // namespace

CArchive::CArchive(Mode mode, const std::string& filePath, const std::string& bytes)
    : m_mode(mode), m_path(filePath), m_bytes(mode == load ? bytes : std::string())
{
}

std::string CArchive::GetFileName() const
{
    std::size_t slash = m_path.find_last_of('/');
    return slash == std::string::npos ? m_path : m_path.substr(slash + 1);
}

std::string CArchive::GetFileTitle() const
{
    std::string name = GetFileName();
    std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string CArchive::GetFolder() const
{
    return m_path.substr(0, m_path.size() - GetFileName().size());
}

bool CArchive::ReadFile()
{
    m_bytes.clear();
    m_pos = 0;
    m_failed = false;
    std::FILE* file = std::fopen(m_path.c_str(), "rb");
    if (!file) {
        m_failed = true;
        return false;
    }
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        m_bytes.append(buffer, got);
    bool ok = !std::ferror(file);
    std::fclose(file);
    if (!ok)
        m_failed = true;
    return ok;
}

bool CArchive::WriteFile(bool create) const
{
    return platform::AtomicFile::Write(m_path, m_bytes, create);
}

void CArchive::WriteString(const std::string& text)
{
    const std::uint64_t length = text.size();
    if (length < 255) {
        PutLE(m_bytes, length, 1);
    } else if (length < 0xFFFE) {
        PutLE(m_bytes, 0xFF, 1);
        PutLE(m_bytes, length, 2);
    } else {
        PutLE(m_bytes, 0xFF, 1);
        PutLE(m_bytes, 0xFFFF, 2);
        PutLE(m_bytes, length, 4);
    }
    m_bytes += text;
}

void CArchive::WriteInt(std::int32_t value)
{
    PutLE(m_bytes, static_cast<std::uint32_t>(value), 4);
}

bool CArchive::Take(void* out, std::size_t count)
{
    if (m_failed || Remaining() < count) {
        m_failed = true;
        return false;
    }
    std::memcpy(out, m_bytes.data() + m_pos, count);
    m_pos += count;
    return true;
}

// The framework's length prefix: a byte; 0xFF then a 16-bit word; 0xFFFE
// marks a string of 16-bit characters whose length follows; 0xFFFF then a
// 32-bit length; 0xFFFFFFFF then a 64-bit length.
bool CArchive::ReadLength(std::uint64_t& length, bool& wide)
{
    unsigned char b[8];
    if (!Take(b, 1))
        return false;
    if (b[0] != 0xFF) {
        length = b[0];
        return true;
    }
    if (!Take(b, 2))
        return false;
    std::uint64_t word = GetLE(b, 2);
    if (word == 0xFFFE) {
        if (wide) {   // the marker only comes once
            m_failed = true;
            return false;
        }
        wide = true;
        return ReadLength(length, wide);
    }
    if (word != 0xFFFF) {
        length = word;
        return true;
    }
    if (!Take(b, 4))
        return false;
    std::uint64_t dword = GetLE(b, 4);
    if (dword != 0xFFFFFFFFu) {
        length = dword;
        return true;
    }
    if (!Take(b, 8))
        return false;
    length = GetLE(b, 8);
    return true;
}

bool CArchive::ReadString(std::string& text)
{
    std::size_t start = m_pos;
    bool wide = false;
    std::uint64_t length = 0;
    if (!ReadLength(length, wide))
        return false;
    const std::uint64_t width = wide ? 2 : 1;
    // A length that the rest of the file cannot hold is damage, never a
    // reason to allocate.
    if (length > Remaining() / width) {
        m_failed = true;
        m_pos = start;
        return false;
    }
    std::string value;
    value.reserve(static_cast<std::size_t>(length));
    const unsigned char* p = reinterpret_cast<const unsigned char*>(m_bytes.data()) + m_pos;
    for (std::uint64_t i = 0; i < length; ++i) {
        if (wide) {
            unsigned c = p[2 * i] | (p[2 * i + 1] << 8);
            value.push_back(c < 256 ? static_cast<char>(c) : '?');
        } else {
            value.push_back(static_cast<char>(p[i]));
        }
    }
    m_pos += static_cast<std::size_t>(length * width);
    text.swap(value);
    return true;
}

bool CArchive::ReadInt(std::int32_t& value)
{
    unsigned char b[4];
    if (!Take(b, 4))
        return false;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(GetLE(b, 4)));
    return true;
}
