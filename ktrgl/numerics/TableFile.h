// The table files of the four table classes in one place: the binary table
// and record formats, the project paths they are stored under, and the
// common pieces of the text report and the quick printout.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace numerics {

// Project folder (with its trailing '/'), project name and structure type,
// read from the settings file at the time of the call.
//
// These are the same keys and defaults CProject reads ("File location ",
// "Project name ", "Element Type " of section "KESTRA ", default "Undefine ",
// buffer 200). The table classes sit below the project layer and must not
// link it, so they read the three settings directly through
// platform::Profile; the result is the same path CProject would form.
std::string ProjectFolder();
std::string ProjectName();
std::string ProjectElementType();
// Folder + name + "." + ext, nothing trimmed or checked.
std::string TablePath(const std::string& name, const std::string& ext);

enum class ReadResult {
    Ok,
    OpenFailed, // the file could not be opened for reading
    BadHeader,  // negative or impossible counts, or a block the file cannot hold
};

// Called once the header is accepted: sets the object's shape (all zero)
// and returns where the block of (count + 1) elements goes.
using PrepareBlock = std::function<void*(const std::int32_t* header)>;

// Binary table: headerCount signed 32-bit values (2 for matrices: rows,
// cols; 1 for vectors: n), then, when the element count is above 0, the
// block of count + 1 elements of width bytes (spare slot first). The counts
// are checked against the file size before anything is allocated.
ReadResult ReadTable(const std::string& path, int headerCount, std::size_t width,
                     const PrepareBlock& prepare);
// Creates or truncates the file; blockBytes 0 writes the header only.
bool WriteTable(const std::string& path, const std::int32_t* header, int headerCount,
                const void* block, std::size_t blockBytes);

// Record file: rows and cols at offset 0, record k (1-based) of
// rows*cols + 1 elements at 8 + (k-1)*(rows*cols+1)*width. A record past the
// end of the file leaves the block as prepared (zero).
ReadResult ReadRecord(const std::string& path, int k, std::size_t width,
                      const PrepareBlock& prepare);
// Records 1..count of a record file with one open and one read, under the
// header checks of ReadRecord. Records the file does not reach read as zero,
// exactly as ReadRecord leaves them; only the records the file reaches are
// stored: prepare(header, stored) gets the header and the number of records
// it must hold (at most count) and returns where stored blocks of
// rows*cols + 1 elements go, one after another, zeroed. A last record cut
// short by the end of the file keeps zeros in its missing part.
using PrepareRecords = std::function<void*(const std::int32_t* header, std::int64_t stored)>;
ReadResult ReadRecords(const std::string& path, int count, std::size_t width,
                       const PrepareRecords& prepare);
// k == 1 creates (truncates) the file and writes the header; other records
// need an existing file. Returns false when the file cannot be opened.
bool WriteRecord(const std::string& path, int k, const std::int32_t header[2],
                 const void* block, std::size_t blockBytes);

// Writes text to a file created or truncated; false when it cannot be opened.
bool WriteText(const std::string& path, const std::string& text);

// "Access file " + path, caption "KESTRA detect error in operation ".
void ShowAccessError(const std::string& path);
// WriteTable, with ShowAccessError when the file cannot be written.
bool WriteTableOrWarn(const std::string& path, const std::int32_t* header, int headerCount,
                      const void* block, std::size_t blockBytes);

// The Load of the two matrix classes: the content is read into a fresh
// Matrix, sized by resize(fresh, rows, cols) which returns its block, and
// replaces target only when the whole file was read, so a refused header
// leaves target as it was. On failure the access message is shown, and a
// file that would not open leaves target 0 x 0.
template <class Matrix, class Resize>
bool LoadMatrix(Matrix& target, const std::string& path, std::size_t width, Resize resize)
{
    Matrix loaded;
    const ReadResult result = ReadTable(path, 2, width, [&loaded, &resize](const std::int32_t* h) -> void* {
        return resize(loaded, h[0], h[1]);
    });
    if (result == ReadResult::Ok) {
        target = std::move(loaded);
        return true;
    }
    ShowAccessError(path);
    if (result == ReadResult::OpenFailed)
        target.SetSize(0, 0);
    return false;
}

// Current local time formatted with strftime's format in the C locale.
std::string LocalTime(const char* format);

// printf formatting in the C numeric locale.
std::string Format(const char* format, double value);

// Report header: the asterisk block with title, project, path, size and
// date; vectors pass rows = n and cols = -1.
std::string ReportHeader(bool matrix, const std::string& path, int rows, int cols);

// Printout header lines 1..5; sizeLine is "Matrix\t:\tsize[..]" or
// "Vector\t:\tsize{..}" including the tabs before "Last modify".
std::string PrintHeader(const std::string& sizeLine);

// Writes the printout text to the project folder under fileName and opens it
// with "Notepad " + path; the "Access file " message when it cannot be written.
void PrintToViewer(const std::string& fileName, const std::string& text);

} // namespace numerics
