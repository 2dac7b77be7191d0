#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

bool WriteAll(int fd, const std::string& bytes)
{
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

bool AtomicFile::Write(const std::string& path, const std::string& bytes, bool create)
{
    struct stat old;
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (!exists && !create)
        return false;
    // The temporary file lies beside the target so that the rename stays on
    // one file system.
    std::vector<char> name(path.begin(), path.end());
    const std::string suffix = ".kestra-XXXXXX";
    name.insert(name.end(), suffix.begin(), suffix.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return false;
    // The new file keeps the old one's permissions (new files: rw-r--r--).
    ::fchmod(fd, exists ? (old.st_mode & 07777) : 0644);
    bool ok = WriteAll(fd, bytes);
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = std::rename(name.data(), path.c_str()) == 0;
    if (!ok)
        ::unlink(name.data());
    return ok;
}

bool AtomicFile::Read(const std::string& path, std::string& bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return false;
    std::string text;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    if (ok)
        bytes.swap(text);
    return ok;
}

} // namespace platform
