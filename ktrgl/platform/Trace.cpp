#include "Trace.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {
TraceSink* g_trace = nullptr;
} // namespace

TraceRecorder::TraceRecorder() : m_previous(SetTraceSink(this)) {}
TraceRecorder::~TraceRecorder() { SetTraceSink(m_previous); }

void Trace(const std::string& text)
{
    if (g_trace) {
        g_trace->Write(text);
        return;
    }
    if (const char* on = std::getenv("KESTRA_TRACE"); on && *on && *on != '0')
        std::fputs(text.c_str(), stderr);
}

TraceSink* SetTraceSink(TraceSink* sink)
{
    TraceSink* previous = g_trace;
    g_trace = sink;
    return previous;
}

} // namespace platform
