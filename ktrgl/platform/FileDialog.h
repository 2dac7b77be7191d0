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
    // Where to write a file: the dialog opens on `suggested` (folder and
    // name); true and the chosen path on OK. A sink that cannot ask takes
    // the suggestion.
    virtual bool GetSaveFileName(const std::string& filter, const std::string& suggested, std::string& path)
    {
        (void)filter;
        path = suggested;
        return true;
    }
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
    // Records the suggestion; answers with a scripted save path ("" is
    // Cancel) or, with none scripted, takes the suggestion.
    bool GetSaveFileName(const std::string& filter, const std::string& suggested, std::string& path) override;
    void Answer(const std::string& path) { m_answers.push_back(path); }
    void AnswerSave(const std::string& path) { m_saveAnswers.push_back(path); }

    std::vector<std::string> filters;
    std::vector<std::string> suggestions; // of the save dialogs

private:
    std::deque<std::string> m_answers;
    std::deque<std::string> m_saveAnswers;
    FileDialogSink* m_previous;
};

class FileDialog {
public:
    static bool GetOpenFileName(const std::string& filter, std::string& path);
    // Without a sink (headless) the suggestion is taken.
    static bool GetSaveFileName(const std::string& filter, const std::string& suggested, std::string& path);
    static FileDialogSink* SetSink(FileDialogSink* sink);
};

} // namespace platform
