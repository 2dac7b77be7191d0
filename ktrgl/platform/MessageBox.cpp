#include "MessageBox.h"

#include <cstdio>

namespace platform {
namespace {
ConsoleMessageSink g_console;
MessageSink* g_sink = nullptr;
} // namespace

int ConsoleMessageSink::Show(const std::string& text, const std::string& caption, unsigned buttons)
{
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return (buttons & 0xF) == MB_YESNO || (buttons & 0xF) == MB_YESNOCANCEL ? IDYES : IDOK;
}

MessageRecorder::MessageRecorder() : m_previous(SetMessageSink(this)) {}

MessageRecorder::~MessageRecorder() { SetMessageSink(m_previous); }

int MessageRecorder::Show(const std::string& text, const std::string& caption, unsigned buttons)
{
    messages.push_back({text, caption, buttons});
    if (m_answers.empty())
        return defaultAnswer;
    int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

int MessageBox(const std::string& text, const std::string& caption, unsigned buttons)
{
    return CurrentMessageSink()->Show(text, caption, buttons);
}

MessageSink* SetMessageSink(MessageSink* sink)
{
    MessageSink* previous = g_sink;
    g_sink = sink;
    return previous;
}

MessageSink* CurrentMessageSink() { return g_sink ? g_sink : &g_console; }

} // namespace platform
