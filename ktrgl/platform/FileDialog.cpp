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
