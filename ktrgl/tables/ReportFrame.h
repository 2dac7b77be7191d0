// The frame every printout and export shares: the header lines (program,
// programmer, description, title with today's date, an empty line), the
// file in the project folder and the viewer program it opens in. A page
// builds a ReportFrame, appends its column line and data lines, then calls
// Print (text viewer), ExportWord or ExportExcel with its file name.
#pragma once
#include <ctime>
#include <functional>
#include <string>

class ReportFrame {
public:
    // Programmer lines: printouts of input tables, exports of result tables.
    static const char* const kPrintProgrammer;  // "Programmer:\tMr.Danek\n"
    static const char* const kExportProgrammer; // "Programmer\t:\tMr.Danek\n"
    // Description lines.
    static const char* const kWordPadFormat; // "Description\t:\tPrint (WordPad format)\n"
    static const char* const kWordFormat;    // "Description\t:\tPrint (Word format)\n"
    static const char* const kEXCELFormat;   // "Description\t:\tPrint (EXCEL format)\n"
    static const char* const kExcelFormat;   // "Description\t:\tPrint (Excel format)\n"

    enum Viewer { TextViewer, WordProcessor, Spreadsheet };

    // Lines 1 to 5: "KESTRA\n", the programmer line, the description line,
    // the title (ending in "Last modify  ") followed by the date line of
    // Now(), and "\n".
    ReportFrame(const std::string& programmerLine, const std::string& descriptionLine,
                const std::string& title);

    void Append(const std::string& text) { m_text += text; }
    // printf-style line in the C numeric locale.
    void AppendFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    const std::string& Text() const { return m_text; }

    // Writes the report to the project folder (CProject GetLocation) + file
    // name, replacing an older one, and opens it in the viewer. False when
    // the file could not be written ("Access file " + path is shown then, and
    // nothing is opened). A viewer that does not start is not reported.
    bool Publish(const std::string& fileName, Viewer viewer) const;
    bool Print(const std::string& fileName) const { return Publish(fileName, TextViewer); }
    bool ExportWord(const std::string& fileName) const { return Publish(fileName, WordProcessor); }
    bool ExportExcel(const std::string& fileName) const { return Publish(fileName, Spreadsheet); }

    // Project folder + file name.
    static std::string ReportPath(const std::string& fileName);
    // Asks where to write a report or export (platform file dialog, opened
    // on ReportPath (fileName)); "" when the user cancels. Headless the
    // suggestion is taken.
    static std::string ChooseReportPath(const std::string& fileName);
    // Who is told where a report was written (the host's status bar); the
    // default tells nobody.
    static void SetWrittenNotifier(std::function<void(const std::string& path)> notifier);
    // Writes text to path whole; the failure message as above.
    static bool WriteFile(const std::string& path, const std::string& text);
    // Opens path in the viewer through the platform launcher (the word
    // processor and the spreadsheet fall back to the text viewer).
    static bool Open(const std::string& path, Viewer viewer);

    // "%A, %B %d, %Y\n" of the local date of when, with the C locale's day
    // and month names: "Friday, December 04, 2026\n".
    static std::string DateLine(std::time_t when);
    // The time reports are dated with: the clock, or the fixed time set.
    static std::time_t Now();
    // Dates every report with when (0 returns to the clock).
    static void SetFixedTime(std::time_t when);

private:
    std::string m_text;
};
