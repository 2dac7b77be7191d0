// A fresh folder per test and a settings file inside it: every test case
// gets its own KESTRA_INI, so no case sees another's project.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace testsupport {

class TempDir {
public:
    TempDir()
    {
        const char* base = std::getenv("KESTRA_TEST_TMP");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/case-XXXXXX";
        std::string buf = pattern;
        char* made = mkdtemp(buf.data());
        if (!made) {
            // Never fall back to a shared folder: the destructor removes
            // the folder with everything in it.
            std::fprintf(stderr, "cannot create a test folder %s\n", pattern.c_str());
            std::abort();
        }
        path_ = made;
        previousIni_ = std::getenv("KESTRA_INI") ? std::getenv("KESTRA_INI") : "";
        setenv("KESTRA_INI", Ini().c_str(), 1);
    }
    ~TempDir()
    {
        if (previousIni_.empty())
            unsetenv("KESTRA_INI");
        else
            setenv("KESTRA_INI", previousIni_.c_str(), 1);
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Folder with a trailing '/', ready for folder + file name.
    std::string Folder() const { return path_ + "/"; }
    std::string Ini() const { return path_ + "/KESTRA.INI"; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void Write(const std::string& path, const std::string& bytes)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }

private:
    std::string path_;
    std::string previousIni_;
};

} // namespace testsupport
