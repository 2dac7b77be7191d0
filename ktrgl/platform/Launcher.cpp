#include "Launcher.h"

#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {

const char* const kTextViewerCommand = "Notepad ";
const char* const kWordProcessorCommand = "C:\\Program Files\\Microsoft Office\\Office\\WINWORD.EXE ";
const char* const kSpreadsheetCommand = "C:\\Program Files\\Microsoft Office\\Office\\EXCEL.EXE ";

namespace {

bool StartsWith(const std::string& s, const std::string& prefix)
{
    return s.compare(0, prefix.size(), prefix) == 0;
}

bool IsExecutable(const std::string& program)
{
    if (program.find('/') != std::string::npos)
        return access(program.c_str(), X_OK) == 0;
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos)
            end = dirs.size();
        std::string candidate = dirs.substr(start, end - start) + "/" + program;
        struct stat st;
        if (stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            access(candidate.c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

// Starts argv detached (double fork, so no zombie is left behind).
bool Spawn(const std::vector<std::string>& argv)
{
    if (argv.empty() || !IsExecutable(argv[0]))
        return false;
    pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        setsid();
        if (fork() == 0) {
            std::vector<char*> args;
            for (const std::string& a : argv)
                args.push_back(const_cast<char*>(a.c_str()));
            args.push_back(nullptr);
            execvp(args[0], args.data());
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return true;
}

// Program from an environment variable (may carry arguments separated by
// blanks), else the fallback.
std::vector<std::string> Program(const char* variable, std::vector<std::string> fallback)
{
    const char* value = std::getenv(variable);
    if (!value || !*value)
        return fallback;
    std::vector<std::string> argv;
    std::string word;
    for (const char* p = value; *p; ++p) {
        if (*p == ' ') {
            if (!word.empty())
                argv.push_back(word);
            word.clear();
        } else {
            word += *p;
        }
    }
    if (!word.empty())
        argv.push_back(word);
    return argv;
}

class SystemLauncher : public LauncherSink {
public:
    bool Start(const std::string& commandLine) override
    {
        if (const char* off = std::getenv("KESTRA_NO_VIEWER"); off && *off && *off != '0')
            return true;
        std::vector<std::string> argv;
        std::string path;
        if (StartsWith(commandLine, kTextViewerCommand)) {
            argv = Program("KESTRA_TEXT_VIEWER", {"xdg-open"});
            path = commandLine.substr(std::string(kTextViewerCommand).size());
        } else if (StartsWith(commandLine, kWordProcessorCommand)) {
            argv = Program("KESTRA_WORD", {"libreoffice", "--writer"});
            path = commandLine.substr(std::string(kWordProcessorCommand).size());
        } else if (StartsWith(commandLine, kSpreadsheetCommand)) {
            argv = Program("KESTRA_SPREADSHEET", {"libreoffice", "--calc"});
            path = commandLine.substr(std::string(kSpreadsheetCommand).size());
        } else {
            return false;
        }
        argv.push_back(path);
        return Spawn(argv);
    }
};

SystemLauncher g_system;
LauncherSink* g_launcher = nullptr;

LauncherSink* Current() { return g_launcher ? g_launcher : &g_system; }

} // namespace

LaunchRecorder::LaunchRecorder() : m_previous(Launcher::SetSink(this)) {}
LaunchRecorder::~LaunchRecorder() { Launcher::SetSink(m_previous); }

bool LaunchRecorder::Start(const std::string& commandLine)
{
    attempted.push_back(commandLine);
    for (const std::string& prefix : missing)
        if (StartsWith(commandLine, prefix))
            return false;
    started.push_back(commandLine);
    return true;
}

bool Launcher::Run(const std::string& commandLine) { return Current()->Start(commandLine); }

bool Launcher::OpenInTextViewer(const std::string& path)
{
    return Run(kTextViewerCommand + path);
}

bool Launcher::OpenInWordProcessor(const std::string& path)
{
    return Run(kWordProcessorCommand + path) || OpenInTextViewer(path);
}

bool Launcher::OpenInSpreadsheet(const std::string& path)
{
    return Run(kSpreadsheetCommand + path) || OpenInTextViewer(path);
}

LauncherSink* Launcher::SetSink(LauncherSink* sink)
{
    LauncherSink* previous = g_launcher;
    g_launcher = sink;
    return previous;
}

} // namespace platform
