// The diagnostic trace: texts for developers, never shown to the user.
#pragma once

#include <functional>
#include <string>
#include <vector>

using TraceSink = std::function<void(const std::string&)>;

// Writes a text to the installed sink as it is (callers add their own line ends).
// The default sink writes to standard error, and only when TESMARA_TRACE is set.
void Trace(const std::string& strText);

// Installs a sink (an empty one restores the default) and returns the previous one.
TraceSink SetTraceSink(TraceSink sink);

// Collects every trace text written during its lifetime, for tests.
class CTraceCapture
{
public:
    CTraceCapture();
    ~CTraceCapture();
    CTraceCapture(const CTraceCapture&) = delete;
    CTraceCapture& operator=(const CTraceCapture&) = delete;

    const std::vector<std::string>& Texts() const { return m_texts; }
    void Clear() { m_texts.clear(); }

private:
    std::vector<std::string> m_texts;
    TraceSink m_previous;
};
