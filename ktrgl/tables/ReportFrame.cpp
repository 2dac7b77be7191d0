#include "tables/ReportFrame.h"

#include "platform/AtomicFile.h"
#include "platform/FileDialog.h"
#include "platform/Launcher.h"
#include "platform/MessageBox.h"
#include "project/Project.h"

#include <cstdarg>
#include <cstdio>
#include <iomanip>
#include <locale>
#include <locale.h>
#include <sstream>
#include <vector>

const char* const ReportFrame::kPrintProgrammer = "Programmer:\tMr.Danek\n";
const char* const ReportFrame::kExportProgrammer = "Programmer\t:\tMr.Danek\n";
const char* const ReportFrame::kWordPadFormat = "Description\t:\tPrint (WordPad format)\n";
const char* const ReportFrame::kWordFormat = "Description\t:\tPrint (Word format)\n";
const char* const ReportFrame::kEXCELFormat = "Description\t:\tPrint (EXCEL format)\n";
const char* const ReportFrame::kExcelFormat = "Description\t:\tPrint (Excel format)\n";

namespace {
std::time_t g_fixedTime = 0;
} // namespace

ReportFrame::ReportFrame(const std::string& programmerLine, const std::string& descriptionLine,
                         const std::string& title)
{
    m_text = "KESTRA\n";
    m_text += programmerLine;
    m_text += descriptionLine;
    m_text += title;
    m_text += DateLine(Now());
    m_text += "\n";
}

void ReportFrame::AppendFormat(const char* format, ...)
{
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    locale_t previous = uselocale(c);
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (size > 0) {
        std::vector<char> buffer(static_cast<size_t>(size) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        m_text.append(buffer.data(), static_cast<size_t>(size));
    }
    va_end(args);
    uselocale(previous);
}

std::string ReportFrame::DateLine(std::time_t when)
{
    std::tm local {};
    localtime_r(&when, &local);
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::put_time(&local, "%A, %B %d, %Y\n");
    return out.str();
}

std::time_t ReportFrame::Now() { return g_fixedTime != 0 ? g_fixedTime : std::time(nullptr); }

void ReportFrame::SetFixedTime(std::time_t when) { g_fixedTime = when; }

std::string ReportFrame::ReportPath(const std::string& fileName)
{
    CProject project;
    return project.GetLocation() + fileName;
}

namespace {
std::function<void(const std::string&)>& WrittenNotifier()
{
    static std::function<void(const std::string&)> notifier;
    return notifier;
}
} // namespace

void ReportFrame::SetWrittenNotifier(std::function<void(const std::string& path)> notifier)
{
    WrittenNotifier() = std::move(notifier);
}

std::string ReportFrame::ChooseReportPath(const std::string& fileName)
{
    // The dialog offers files of the suggested name's extension.
    const size_t dot = fileName.rfind('.');
    std::string filter;
    if (dot != std::string::npos && dot + 1 < fileName.size()) {
        const std::string ext = fileName.substr(dot + 1);
        filter = "Report (*." + ext + ")|*." + ext + "|";
    }
    filter += "All files (*)|*||";
    std::string path;
    if (!platform::FileDialog::GetSaveFileName(filter, ReportPath(fileName), path))
        return std::string();
    return path;
}

bool ReportFrame::WriteFile(const std::string& path, const std::string& text)
{
    const bool ok = platform::AtomicFile::Write(path, text);
    if (!ok)
        platform::MessageBox("Access file " + path, "KESTRA detect error in operation ", platform::MB_OK);
    else if (WrittenNotifier())
        WrittenNotifier()(path);
    return ok;
}

bool ReportFrame::Open(const std::string& path, Viewer viewer)
{
    switch (viewer) {
    case WordProcessor:
        return platform::Launcher::OpenInWordProcessor(path);
    case Spreadsheet:
        return platform::Launcher::OpenInSpreadsheet(path);
    default:
        return platform::Launcher::OpenInTextViewer(path);
    }
}

bool ReportFrame::Publish(const std::string& fileName, Viewer viewer) const
{
    const std::string path = ChooseReportPath(fileName);
    if (path.empty())
        return false;
    if (!WriteFile(path, m_text))
        return false;
    Open(path, viewer);
    return true;
}
