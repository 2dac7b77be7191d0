#include "Profile.h"

#include "AtomicFile.h"

#include <atomic>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace platform {
namespace {

std::atomic<unsigned> g_failedWrites{0};
std::function<void(const std::string&)> g_writeFailureHandler;

bool SameText(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::vector<std::string> ReadLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// "[name]" -> name; returns false for other lines.
bool SectionName(const std::string& line, std::string& name)
{
    size_t open = line.find_first_not_of(" \t");
    if (open == std::string::npos || line[open] != '[')
        return false;
    size_t close = line.find(']', open + 1);
    if (close == std::string::npos)
        return false;
    name = line.substr(open + 1, close - open - 1);
    return true;
}

// "key=value" -> key, value; comments and lines without '=' are not keys.
bool KeyLine(const std::string& line, std::string& key, std::string& value)
{
    if (line.empty() || line[0] == ';')
        return false;
    size_t eq = line.find('=');
    if (eq == std::string::npos)
        return false;
    key = line.substr(0, eq);
    value = line.substr(eq + 1);
    return true;
}

// Finds the value of section/key; false when absent.
bool Lookup(const std::string& section, const std::string& key, std::string& value)
{
    std::ifstream in(Profile::FilePath(), std::ios::binary);
    if (!in)
        return false;
    std::string line, name, k, v;
    bool inSection = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (SectionName(line, name)) {
            inSection = SameText(name, section);
            continue;
        }
        if (inSection && KeyLine(line, k, v) && SameText(k, key)) {
            value = v;
            return true;
        }
    }
    return false;
}

long long LeadingNumber(const std::string& text, bool allowSign)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (allowSign && i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    long long n = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        n = n * 10 + (text[i] - '0');
        if (n > 0xFFFFFFFFLL)
            n = 0xFFFFFFFFLL;
        ++i;
    }
    return negative ? -n : n;
}

} // namespace

std::string Profile::FilePath()
{
    if (const char* ini = std::getenv("KESTRA_INI"); ini && *ini)
        return ini;
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.config";
    else
        base = ".";
    return base + "/kestra/KESTRA.INI";
}

std::string Profile::GetString(const std::string& section, const std::string& key,
                               const std::string& def, int bufferSize)
{
    std::string value;
    if (!Lookup(section, key, value))
        value = def;
    if (bufferSize < 1)
        return std::string();
    if (value.size() > static_cast<size_t>(bufferSize - 1))
        value.resize(bufferSize - 1);
    return value;
}

int Profile::GetInt(const std::string& section, const std::string& key, int def)
{
    std::string value;
    if (!Lookup(section, key, value))
        return def;
    return static_cast<int>(static_cast<unsigned>(LeadingNumber(value, true)));
}

unsigned Profile::GetUInt(const std::string& section, const std::string& key, unsigned def)
{
    std::string value;
    if (!Lookup(section, key, value))
        return def;
    return static_cast<unsigned>(LeadingNumber(value, false));
}

bool Profile::HasKey(const std::string& section, const std::string& key)
{
    std::string value;
    return Lookup(section, key, value);
}

bool Profile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value)
{
    const std::string path = FilePath();
    std::vector<std::string> lines = ReadLines(path);

    std::string name, k, v;
    bool inSection = false;
    long sectionLine = -1;   // line of the matching "[section]"
    long lastKeyLine = -1;   // last key line inside it
    long found = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (SectionName(lines[i], name)) {
            if (inSection)
                break;
            inSection = SameText(name, section);
            if (inSection)
                sectionLine = static_cast<long>(i);
            continue;
        }
        if (!inSection)
            continue;
        if (KeyLine(lines[i], k, v)) {
            lastKeyLine = static_cast<long>(i);
            if (SameText(k, key)) {
                found = static_cast<long>(i);
                break;
            }
        }
    }

    const std::string entry = key + "=" + value;
    if (found >= 0) {
        lines[found] = entry;
    } else if (sectionLine >= 0) {
        long at = (lastKeyLine >= 0 ? lastKeyLine : sectionLine) + 1;
        lines.insert(lines.begin() + at, entry);
    } else {
        lines.push_back("[" + section + "]");
        lines.push_back(entry);
    }

    std::error_code ec;
    std::filesystem::path p(path);
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path(), ec);
    std::ostringstream text;
    for (const std::string& line : lines)
        text << line << '\n';
    if (AtomicFile::Write(path, text.str()))
        return true;
    ++g_failedWrites;
    if (g_writeFailureHandler)
        g_writeFailureHandler(path);
    return false;
}

unsigned Profile::FailedWrites()
{
    return g_failedWrites;
}

void Profile::SetWriteFailureHandler(std::function<void(const std::string&)> handler)
{
    g_writeFailureHandler = std::move(handler);
}

} // namespace platform
