// Debug trace: the lines the library writes for a debugger. By default they
// go to stderr only when KESTRA_TRACE is set; a TraceRecorder captures them.
#pragma once
#include <string>

namespace platform {

class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual void Write(const std::string& text) = 0;
};

// Collects the trace text for the lifetime of the object.
class TraceRecorder : public TraceSink {
public:
    TraceRecorder();
    ~TraceRecorder() override;
    TraceRecorder(const TraceRecorder&) = delete;
    TraceRecorder& operator=(const TraceRecorder&) = delete;
    void Write(const std::string& text) override { text_ += text; }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    TraceSink* m_previous;
};

void Trace(const std::string& text);
TraceSink* SetTraceSink(TraceSink* sink);

} // namespace platform
