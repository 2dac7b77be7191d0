// Starting viewer programs without waiting. The library keeps its logical
// command lines ("Notepad " + path, the word processor's and spreadsheet's
// program paths + path); the system launcher maps them to programs that
// exist here:
//   text viewer     $KESTRA_TEXT_VIEWER, else xdg-open
//   word processor  $KESTRA_WORD, else libreoffice --writer
//   spreadsheet     $KESTRA_SPREADSHEET, else libreoffice --calc
// KESTRA_NO_VIEWER=1 suppresses every launch (headless runs).
#pragma once
#include <string>
#include <vector>

namespace platform {

extern const char* const kTextViewerCommand;     // "Notepad "
extern const char* const kWordProcessorCommand;  // "C:\\...\\WINWORD.EXE "
extern const char* const kSpreadsheetCommand;    // "C:\\...\\EXCEL.EXE "

class LauncherSink {
public:
    virtual ~LauncherSink() = default;
    // Starts the command line; false when the program cannot be started.
    virtual bool Start(const std::string& commandLine) = 0;
};

// Records command lines instead of starting anything. Commands whose line
// starts with one of `missing` report that the program cannot be started.
class LaunchRecorder : public LauncherSink {
public:
    LaunchRecorder();
    ~LaunchRecorder() override;
    LaunchRecorder(const LaunchRecorder&) = delete;
    LaunchRecorder& operator=(const LaunchRecorder&) = delete;
    bool Start(const std::string& commandLine) override;

    std::vector<std::string> started;   // successful launches
    std::vector<std::string> attempted; // every launch, in order
    std::vector<std::string> missing;   // program prefixes that fail

private:
    LauncherSink* m_previous;
};

class Launcher {
public:
    // Runs a logical command line; returns whether it started.
    static bool Run(const std::string& commandLine);

    // "Notepad " + path.
    static bool OpenInTextViewer(const std::string& path);
    // Word processor, falling back to the text viewer.
    static bool OpenInWordProcessor(const std::string& path);
    // Spreadsheet, falling back to the text viewer.
    static bool OpenInSpreadsheet(const std::string& path);

    static LauncherSink* SetSink(LauncherSink* sink);
};

} // namespace platform
