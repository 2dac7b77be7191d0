#include "ReportOptions.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {

bool ParseWhole(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    value = std::atoi(text.c_str());
    return true;
}

std::vector<std::string> Split(const std::string& text)
{
    std::vector<std::string> parts;
    std::stringstream s(text);
    std::string part;
    while (std::getline(s, part, ','))
        parts.push_back(part);
    return parts;
}

} // namespace

bool ReportOptions::ParseCases(const std::string& text, std::vector<int>& cases, std::string& error)
{
    std::vector<int> result;
    for (const std::string& part : Split(text)) {
        const auto dash = part.find('-');
        int from = 0, to = 0;
        const bool ok = dash == std::string::npos
                            ? ParseWhole(part, from) && (to = from, true)
                            : ParseWhole(part.substr(0, dash), from) && ParseWhole(part.substr(dash + 1), to);
        if (!ok || from < 1 || to < from || to - from > 100000) {
            error = "load cases must be a list like 1,3-5 of whole numbers of 1 or more, not '" + text + "'";
            return false;
        }
        for (int k = from; k <= to; ++k)
            result.push_back(k);
    }
    if (result.empty()) {
        error = "no load case given";
        return false;
    }
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    cases = result;
    return true;
}

bool ReportOptions::ParseSections(const std::string& text, std::string& error)
{
    ReportOptions chosen = *this;
    chosen.title = chosen.model = chosen.loads = chosen.results = chosen.summary = chosen.pictures = false;
    for (const std::string& name : Split(text)) {
        if (name == "title")
            chosen.title = true;
        else if (name == "model")
            chosen.model = true;
        else if (name == "loads")
            chosen.loads = true;
        else if (name == "results")
            chosen.results = true;
        else if (name == "summary")
            chosen.summary = true;
        else if (name == "pictures")
            chosen.pictures = true;
        else {
            error = "unknown report section '" + name + "' (title, model, loads, results, summary, pictures)";
            return false;
        }
    }
    *this = chosen;
    return true;
}

bool ReportOptions::ParsePaper(const std::string& text, Paper& paper)
{
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (lower == "a4")
        paper = Paper::A4;
    else if (lower == "letter")
        paper = Paper::Letter;
    else
        return false;
    return true;
}

bool ReportOptions::ParsePictureSize(const std::string& text, std::string& error)
{
    const auto x = text.find_first_of("xX");
    int w = 0, h = 0;
    if (x == std::string::npos || !ParseWhole(text.substr(0, x), w) || !ParseWhole(text.substr(x + 1), h) ||
        w < 30 || w > 400 || h < 30 || h > 400) {
        error = "picture size must be WIDTHxHEIGHT in millimetres, 30 to 400 each, not '" + text + "'";
        return false;
    }
    pictureWidthMm = w;
    pictureHeightMm = h;
    return true;
}

bool ReportOptions::HasCase(int k) const
{
    return cases.empty() || std::binary_search(cases.begin(), cases.end(), k);
}
