// Replacing a file as a whole: the bytes go to a temporary file in the same
// folder, which is flushed to the disk and then renamed over the old file.
// A full disk, a missing permission or a crash mid-write leaves the old
// file as it was; the temporary file is removed on failure.
#pragma once
#include <string>

namespace platform {

class AtomicFile {
public:
    // Writes `bytes` as the whole content of `path`. With `create` false a
    // missing file is not created (false). False when anything fails; the
    // old file is then untouched.
    static bool Write(const std::string& path, const std::string& bytes, bool create = true);
    // The whole content of `path` into `bytes`; false when it cannot be read.
    static bool Read(const std::string& path, std::string& bytes);
};

} // namespace platform
