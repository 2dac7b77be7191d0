#include "numerics/TableFile.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>
#include <sys/stat.h>

#include "platform/AtomicFile.h"
#include "platform/Launcher.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "table files are little-endian and written as the block lies in memory");

namespace numerics {

namespace {

const char* const kSection = "KESTRA ";
const char* const kUndefined = "Undefine ";
const int kBuffer = 200;

// A table whose element count is 0 stores no block; its other dimension is
// still bounded so that a hostile header cannot ask for a huge row table.
const std::int64_t kMaxEmptyDimension = 1 << 20;

// Closes the file on every path out of a function.
class File {
public:
    File(const std::string& path, const char* mode) : m_f(std::fopen(path.c_str(), mode)) {}
    ~File()
    {
        if (m_f)
            std::fclose(m_f);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    std::FILE* get() const { return m_f; }
    explicit operator bool() const { return m_f != nullptr; }
    std::int64_t Size() const
    {
        struct stat st;
        if (fstat(fileno(m_f), &st) != 0)
            return -1;
        return static_cast<std::int64_t>(st.st_size);
    }

private:
    std::FILE* m_f;
};

// Element count of a header, or -1 when the header is not acceptable.
std::int64_t CheckedCount(const std::int32_t* header, int headerCount)
{
    std::int64_t count = 1;
    for (int i = 0; i < headerCount; ++i) {
        if (header[i] < 0)
            return -1;
        count *= header[i];
    }
    if (count > INT_MAX)
        return -1;
    if (count == 0)
        for (int i = 0; i < headerCount; ++i)
            if (header[i] > kMaxEmptyDimension)
                return -1;
    return count;
}

} // namespace

std::string ProjectFolder()
{
    return platform::Profile::GetString(kSection, "File location ", kUndefined, kBuffer);
}

std::string ProjectName()
{
    return platform::Profile::GetString(kSection, "Project name ", kUndefined, kBuffer);
}

std::string ProjectElementType()
{
    return platform::Profile::GetString(kSection, "Element Type ", kUndefined, kBuffer);
}

std::string TablePath(const std::string& name, const std::string& ext)
{
    return ProjectFolder() + name + "." + ext;
}

ReadResult ReadTable(const std::string& path, int headerCount, std::size_t width,
                     const PrepareBlock& prepare)
{
    File f(path, "rb");
    if (!f)
        return ReadResult::OpenFailed;
    const std::int64_t fileSize = f.Size();
    std::int32_t header[2] = {0, 0};
    const std::size_t headerBytes = sizeof(std::int32_t) * headerCount;
    if (fileSize < static_cast<std::int64_t>(headerBytes)
        || std::fread(header, 1, headerBytes, f.get()) != headerBytes)
        return ReadResult::BadHeader;
    const std::int64_t count = CheckedCount(header, headerCount);
    if (count < 0)
        return ReadResult::BadHeader;
    const std::int64_t blockBytes = count > 0 ? (count + 1) * static_cast<std::int64_t>(width) : 0;
    if (static_cast<std::int64_t>(headerBytes) + blockBytes > fileSize)
        return ReadResult::BadHeader;
    void* block = prepare(header);
    if (blockBytes > 0 && block)
        std::fread(block, 1, static_cast<std::size_t>(blockBytes), f.get());
    return ReadResult::Ok;
}

bool WriteTable(const std::string& path, const std::int32_t* header, int headerCount,
                const void* block, std::size_t blockBytes)
{
    std::string bytes(reinterpret_cast<const char*>(header), sizeof(std::int32_t) * headerCount);
    if (blockBytes > 0)
        bytes.append(static_cast<const char*>(block), blockBytes);
    return platform::AtomicFile::Write(path, bytes);
}

// Reads and checks the header of a record file: counts that make sense and
// a file that holds at least its first record. recordBytes is the size of
// one record (its elements and the spare slot).
static bool ReadRecordHeader(File& f, std::int64_t fileSize, std::size_t width, std::int32_t header[2],
                      std::int64_t& recordBytes)
{
    if (fileSize < 8 || std::fread(header, 1, 8, f.get()) != 8)
        return false;
    const std::int64_t count = CheckedCount(header, 2);
    if (count < 0)
        return false;
    recordBytes = (count + 1) * static_cast<std::int64_t>(width);
    return 8 + recordBytes <= fileSize;
}

ReadResult ReadRecord(const std::string& path, int k, std::size_t width,
                      const PrepareBlock& prepare)
{
    File f(path, "rb");
    if (!f)
        return ReadResult::OpenFailed;
    const std::int64_t fileSize = f.Size();
    std::int32_t header[2] = {0, 0};
    std::int64_t recordBytes = 0;
    if (!ReadRecordHeader(f, fileSize, width, header, recordBytes))
        return ReadResult::BadHeader;
    void* block = prepare(header);
    const std::int64_t offset = 8 + (static_cast<std::int64_t>(k) - 1) * recordBytes;
    if (k >= 1 && block && offset < fileSize
        && fseeko(f.get(), static_cast<off_t>(offset), SEEK_SET) == 0)
        std::fread(block, 1, static_cast<std::size_t>(recordBytes), f.get());
    return ReadResult::Ok;
}

ReadResult ReadRecords(const std::string& path, int count, std::size_t width,
                       const PrepareRecords& prepare)
{
    File f(path, "rb");
    if (!f)
        return ReadResult::OpenFailed;
    const std::int64_t fileSize = f.Size();
    std::int32_t header[2] = {0, 0};
    std::int64_t recordBytes = 0;
    if (!ReadRecordHeader(f, fileSize, width, header, recordBytes))
        return ReadResult::BadHeader;
    // Records the file reaches, whole or in part: a record starting at or
    // beyond the end reads as zero and need not be stored.
    const std::int64_t reached = (fileSize - 8 + recordBytes - 1) / recordBytes;
    const std::int64_t stored = count < 1 ? 0 : std::min<std::int64_t>(count, reached);
    void* block = prepare(header, stored);
    const std::int64_t bytes = std::min<std::int64_t>(stored * recordBytes, fileSize - 8);
    if (block && bytes > 0)
        std::fread(block, 1, static_cast<std::size_t>(bytes), f.get());
    return ReadResult::Ok;
}

bool WriteRecord(const std::string& path, int k, const std::int32_t header[2], const void* block,
                 std::size_t blockBytes)
{
    // Record 1 starts the file afresh; a later record is put into a copy of
    // the file, which then replaces it as a whole.
    std::string bytes;
    if (k != 1 && !platform::AtomicFile::Read(path, bytes))
        return false;
    if (k < 1) // would land on the header
        return true;
    if (k == 1)
        bytes.assign(reinterpret_cast<const char*>(header), 8);
    const std::size_t offset = 8 + (static_cast<std::size_t>(k) - 1) * blockBytes;
    if (bytes.size() < offset + blockBytes)
        bytes.resize(offset + blockBytes, '\0');
    bytes.replace(offset, blockBytes, static_cast<const char*>(block), blockBytes);
    return platform::AtomicFile::Write(path, bytes);
}

bool WriteText(const std::string& path, const std::string& text)
{
    return platform::AtomicFile::Write(path, text);
}

void ShowAccessError(const std::string& path)
{
    platform::MessageBox("Access file " + path, "KESTRA detect error in operation ", platform::MB_OK);
}

std::string LocalTime(const char* format)
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::put_time(&local, format);
    return out.str();
}

std::string Format(const char* format, double value)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

std::string ReportHeader(bool matrix, const std::string& path, int rows, int cols)
{
    const std::string stars(100, '*');
    std::string h;
    h += stars + "\n";
    h += "* TITLE                    : KESTRA\n";
    h += "* PROJECT NAME   : " + ProjectName() + "\n";
    h += "* LOCATION             : " + ProjectFolder() + "\n";
    h += "* STRUCTUR TYPE : " + ProjectElementType() + "\n";
    if (matrix) {
        h += "* NAME MATRIX      : " + path + "\n";
        h += "* MATRIX SIZE        : " + std::to_string(static_cast<long long>(rows) * cols) + "\n";
        h += "* ROW                     : " + std::to_string(rows) + "\n";
        h += "* COLUMN               : " + std::to_string(cols) + "\n";
    } else {
        h += "* NAME VECTOR      : " + path + "\n";
        h += "* VECTOR SIZE        : " + std::to_string(rows) + "\n";
    }
    h += "* LAST MODIFIED    : " + LocalTime("%c") + "\n";
    h += stars + "\n\n";
    return h;
}

std::string PrintHeader(const std::string& sizeLine)
{
    std::string h;
    h += "KESTRA\n";
    h += "Programmer:\tMr.Danek\n";
    h += "Description\t:\tPrint (WordPad format)\n";
    h += sizeLine + "Last modify  " + LocalTime("%A, %B %d, %Y\n");
    h += "\n";
    return h;
}

void PrintToViewer(const std::string& fileName, const std::string& text)
{
    const std::string path = ProjectFolder() + fileName;
    if (!WriteText(path, text)) {
        ShowAccessError(path);
        return;
    }
    platform::Launcher::OpenInTextViewer(path);
}

bool WriteTableOrWarn(const std::string& path, const std::int32_t* header, int headerCount,
                      const void* block, std::size_t blockBytes)
{
    if (WriteTable(path, header, headerCount, block, blockBytes))
        return true;
    ShowAccessError(path);
    return false;
}

} // namespace numerics
