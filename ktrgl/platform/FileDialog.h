// File-open dialog through a replaceable sink. Filters use the original
// form "Node File (*.nod)|*.nod||". Without a sink (headless) the dialog is
// cancelled; the Qt sink comes with the widget layer; tests use the recorder.
#pragma once
#include <deque>
#include <string>
#include <vector>

namespace platform {

class FileDialogSink {
public:
    virtual ~FileDialogSink() = default;
    // True and the chosen path on OK; false on Cancel.
    virtual bool GetOpenFileName(const std::string& filter, std::string& path) = 0;
};

// Records the filters asked for and answers with scripted paths; an empty
// scripted path (or none left) means Cancel.
class FileDialogRecorder : public FileDialogSink {
public:
    FileDialogRecorder();
    ~FileDialogRecorder() override;
    FileDialogRecorder(const FileDialogRecorder&) = delete;
    FileDialogRecorder& operator=(const FileDialogRecorder&) = delete;
    bool GetOpenFileName(const std::string& filter, std::string& path) override;
    void Answer(const std::string& path) { m_answers.push_back(path); }

    std::vector<std::string> filters;

private:
    std::deque<std::string> m_answers;
    FileDialogSink* m_previous;
};

class FileDialog {
public:
    static bool GetOpenFileName(const std::string& filter, std::string& path);
    static FileDialogSink* SetSink(FileDialogSink* sink);
};

} // namespace platform
