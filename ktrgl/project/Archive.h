// The project file archive: a byte stream in the desktop framework's archive
// encoding (length-prefixed single-byte strings, little-endian integers)
// bound to the path of the file it stands for. The host's document code
// creates one when the user opens or saves a project file and hands it to
// CProject; the archive knows the file's path so that the project can take
// its folder and name from it.
//
// Reading never throws: a read past the end or a length larger than the
// bytes left marks the archive as failed, leaves the target unchanged and
// makes every later read fail too.
#pragma once
#include <cstdint>
#include <string>

class CArchive {
public:
    enum Mode { store, load };

    // An archive over bytes held in memory. For load, bytes is what is read.
    CArchive(Mode mode, const std::string& filePath, const std::string& bytes = std::string());

    bool IsLoading() const { return m_mode == load; }
    bool IsStoring() const { return m_mode == store; }

    // The file the archive stands for, and its parts: "D:/work/Frame1.KTR"
    // -> file name "Frame1.KTR", title "Frame1", folder "D:/work/".
    const std::string& GetFilePath() const { return m_path; }
    std::string GetFileName() const;
    std::string GetFileTitle() const;
    std::string GetFolder() const;

    // Load: reads the whole file at GetFilePath into the archive.
    // Returns false (archive failed) when it cannot be read.
    bool ReadFile();
    // Store: writes the bytes to GetFilePath. With create false the file
    // must already exist (it is replaced); nothing is written otherwise.
    bool WriteFile(bool create) const;

    // Strings: length below 255 in one byte; up to 65533 as 0xFF and a
    // 16-bit length; longer as 0xFF, 0xFFFF and a 32-bit length. No zero.
    void WriteString(const std::string& text);
    void WriteInt(std::int32_t value);
    // Return false (and leave the target unchanged) on damaged input.
    bool ReadString(std::string& text);
    bool ReadInt(std::int32_t& value);

    CArchive& operator<<(const std::string& text) { WriteString(text); return *this; }
    CArchive& operator<<(std::int32_t value) { WriteInt(value); return *this; }
    CArchive& operator>>(std::string& text) { ReadString(text); return *this; }
    CArchive& operator>>(std::int32_t& value) { ReadInt(value); return *this; }

    // True once a read ran past the end or met a damaged length.
    bool Failed() const { return m_failed; }
    // What the framework tells the user about a damaged file.
    static const char* const DamagedText;   // "Unexpected file format."

    const std::string& Bytes() const { return m_bytes; }
    std::size_t Remaining() const { return m_bytes.size() - m_pos; }

private:
    bool Take(void* out, std::size_t count);
    bool ReadLength(std::uint64_t& length, bool& wide);

    Mode m_mode;
    std::string m_path;
    std::string m_bytes;
    std::size_t m_pos = 0;
    bool m_failed = false;
};
