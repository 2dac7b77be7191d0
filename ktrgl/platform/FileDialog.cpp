#include "FileDialog.h"

namespace platform {
namespace {
FileDialogSink* g_dialog = nullptr;
} // namespace

FileDialogRecorder::FileDialogRecorder() : m_previous(FileDialog::SetSink(this)) {}
FileDialogRecorder::~FileDialogRecorder() { FileDialog::SetSink(m_previous); }

bool FileDialogRecorder::GetOpenFileName(const std::string& filter, std::string& path)
{
    filters.push_back(filter);
    if (m_answers.empty())
        return false;
    path = m_answers.front();
    m_answers.pop_front();
    return !path.empty();
}

bool FileDialogRecorder::GetSaveFileName(const std::string& filter, const std::string& suggested,
                                         std::string& path)
{
    filters.push_back(filter);
    suggestions.push_back(suggested);
    if (m_saveAnswers.empty()) {
        path = suggested;
        return true;
    }
    path = m_saveAnswers.front();
    m_saveAnswers.pop_front();
    return !path.empty();
}

bool FileDialog::GetSaveFileName(const std::string& filter, const std::string& suggested, std::string& path)
{
    if (!g_dialog) {
        path = suggested;
        return true;
    }
    return g_dialog->GetSaveFileName(filter, suggested, path);
}

bool FileDialog::GetOpenFileName(const std::string& filter, std::string& path)
{
    if (!g_dialog)
        return false;
    return g_dialog->GetOpenFileName(filter, path);
}

FileDialogSink* FileDialog::SetSink(FileDialogSink* sink)
{
    FileDialogSink* previous = g_dialog;
    g_dialog = sink;
    return previous;
}

} // namespace platform
