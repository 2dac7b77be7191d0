// A project folder in a temp directory with the settings the table classes
// read ("File location " with its trailing '/', "Project name ",
// "Element Type "), and helpers to look at the bytes of a table file.
#pragma once
#include <cstdint>
#include <cstring>
#include <string>

#include "platform/Profile.h"
#include "support/TempDir.h"

namespace numtest {

class ProjectDir : public testsupport::TempDir {
public:
    explicit ProjectDir(const std::string& name = "Bridge", const std::string& type = "Frame3D")
    {
        platform::Profile::WriteString("KESTRA ", "File location ", Folder());
        platform::Profile::WriteString("KESTRA ", "Project name ", name);
        platform::Profile::WriteString("KESTRA ", "Element Type ", type);
    }
    // Points the project folder at a place where nothing can be written.
    void BreakFolder() const
    {
        platform::Profile::WriteString("KESTRA ", "File location ", Folder() + "missing/");
    }
};

template <class T>
T At(const std::string& bytes, std::size_t offset)
{
    T value{};
    if (offset + sizeof(T) <= bytes.size())
        std::memcpy(&value, bytes.data() + offset, sizeof(T));
    return value;
}

inline std::string Int32(std::int32_t v)
{
    return std::string(reinterpret_cast<const char*>(&v), 4);
}

inline std::string Double(double v)
{
    return std::string(reinterpret_cast<const char*>(&v), 8);
}

} // namespace numtest
