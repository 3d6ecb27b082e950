// The process-wide trace sink and its standard-error default.
#include "platform/Trace.h"

#include <cstdlib>
#include <iostream>
#include <mutex>

namespace
{
std::mutex g_mutex;
TraceSink g_sink;

void DefaultSink(const std::string& strText)
{
    // Looked up on every call so that a developer can switch tracing on in a debugger.
    if (std::getenv("TESMARA_TRACE") != nullptr)
        std::cerr << strText << std::flush;
}
} // namespace

void Trace(const std::string& strText)
{
    TraceSink sink;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        sink = g_sink;
    }
    // Called outside the lock so that a sink may itself trace.
    if (sink)
        sink(strText);
    else
        DefaultSink(strText);
}

TraceSink SetTraceSink(TraceSink sink)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    TraceSink previous = std::move(g_sink);
    g_sink = std::move(sink);
    return previous;
}

CTraceCapture::CTraceCapture()
    : m_previous(SetTraceSink([this](const std::string& strText) { m_texts.push_back(strText); }))
{
}

CTraceCapture::~CTraceCapture()
{
    SetTraceSink(std::move(m_previous));
}
