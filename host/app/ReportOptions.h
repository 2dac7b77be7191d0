// What a calculation report contains and how it is laid out: the load
// cases, the sections, the paper and the size of the pictures. The command
// line fills it from its flags, the window from the report dialog.
#pragma once
#include <string>
#include <vector>

struct ReportOptions {
    enum class Paper { A4, Letter };

    // Load cases to report (1-based); empty: every load case. The load
    // combinations are reported when the result files hold them, unless
    // `combinations` is false.
    std::vector<int> cases;
    bool combinations = true;

    // Sections.
    bool title = true;    // title block
    bool model = true;    // nodes, members, properties, releases, reference points
    bool loads = true;    // node loads per load case
    bool results = true;  // results per load case and combination
    bool summary = true;  // extreme values over all cases
    bool pictures = true; // pictures in the model, load and result sections

    Paper paper = Paper::A4;
    // Size of one picture on the page in millimetres, and its resolution.
    double pictureWidthMm = 170;
    double pictureHeightMm = 105;
    int dpi = 200;

    // "1,3-5" -> {1, 3, 4, 5}. False with `error` on a malformed list or a
    // case below 1.
    static bool ParseCases(const std::string& text, std::vector<int>& cases, std::string& error);
    // "model,results" switches every section off but those named (title,
    // model, loads, results, summary, pictures). False with `error` on an
    // unknown name.
    bool ParseSections(const std::string& text, std::string& error);
    // "A4" or "Letter" (either case).
    static bool ParsePaper(const std::string& text, Paper& paper);
    // "WxH" in millimetres, each 30..400.
    bool ParsePictureSize(const std::string& text, std::string& error);

    // Whether load case k (1..count) is selected.
    bool HasCase(int k) const;
};
