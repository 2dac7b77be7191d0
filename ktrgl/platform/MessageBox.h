// Message boxes through a replaceable sink. The library calls
// platform::MessageBox(text, caption, buttons) wherever a box is shown; the
// host installs a Qt sink, the command line keeps the console sink and tests
// install a MessageRecorder.
#pragma once
#include <deque>
#include <string>
#include <vector>

namespace platform {

// Button sets and answers, with the values the original toolkit used.
enum MessageButtons : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum MessageAnswer : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual int Show(const std::string& text, const std::string& caption, unsigned buttons) = 0;
};

// Writes "caption: text" to stderr and answers with the default button
// (OK, or Yes for Yes/No boxes).
class ConsoleMessageSink : public MessageSink {
public:
    int Show(const std::string& text, const std::string& caption, unsigned buttons) override;
};

// Records every box and answers from a script (then with the default
// answer). Installs itself for its lifetime and restores the previous sink.
class MessageRecorder : public MessageSink {
public:
    struct Message {
        std::string text;
        std::string caption;
        unsigned buttons;
    };
    MessageRecorder();
    ~MessageRecorder() override;
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    int Show(const std::string& text, const std::string& caption, unsigned buttons) override;
    void Answer(int answer) { m_answers.push_back(answer); }
    void Clear() { messages.clear(); }

    std::vector<Message> messages;
    int defaultAnswer = IDOK;

private:
    std::deque<int> m_answers;
    MessageSink* m_previous;
};

int MessageBox(const std::string& text, const std::string& caption = "", unsigned buttons = MB_OK);

// Returns the sink that was installed before; nullptr restores the console.
MessageSink* SetMessageSink(MessageSink* sink);
MessageSink* CurrentMessageSink();

} // namespace platform
