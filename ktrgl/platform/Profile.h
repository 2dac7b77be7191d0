// Settings file access ("KESTRA.INI"): the profile-string and profile-integer
// reads and the profile-string write that every command uses. The file is
// re-read on every call so that two readers never hold stale values.
#pragma once
#include <functional>
#include <string>

namespace platform {

class Profile {
public:
    // $KESTRA_INI when set, else $XDG_CONFIG_HOME/kestra/KESTRA.INI
    // (default ~/.config/kestra/KESTRA.INI).
    static std::string FilePath();

    // Value of key in section, or def when the file, section or key is
    // missing. The result is cut to bufferSize - 1 characters.
    static std::string GetString(const std::string& section, const std::string& key,
                                 const std::string& def, int bufferSize);

    // Profile-integer rule: leading blanks skipped, then an optional '-' and
    // the leading decimal digits; a value that does not start with digits
    // gives 0. A missing key gives def.
    static int GetInt(const std::string& section, const std::string& key, int def);

    // Same rule, unsigned (a leading '-' gives 0).
    static unsigned GetUInt(const std::string& section, const std::string& key, unsigned def);

    // Replaces the key's value in place (the key keeps its place in the
    // file), appends it to the section, or appends the section. Section and
    // key names are written byte for byte; matching ignores letter case.
    // Returns false when the file cannot be written.
    static bool WriteString(const std::string& section, const std::string& key,
                            const std::string& value);

    // Whether the key exists at all.
    static bool HasKey(const std::string& section, const std::string& key);

    // Writes that failed since the process started (a read-only settings
    // file, a full disk): the command line turns any into a failing exit
    // status, since the run's settings were not kept.
    static unsigned FailedWrites();
    // Called with the file's path after each failed write (the window tells
    // the user); none by default.
    static void SetWriteFailureHandler(std::function<void(const std::string&)> handler);
};

} // namespace platform
