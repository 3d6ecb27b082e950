// The per-thread prompt and its console default.
#include "platform/Prompt.h"

#include "platform/ControlText.h"

#include <iostream>
#include <mutex>

namespace
{
class CConsolePrompt final : public IPrompt
{
public:
    void Message(const std::string& strText) override { Write(strText); }
    EPromptAnswer YesNo(const std::string& strText) override
    {
        Write(strText);
        return EPromptAnswer::Yes;
    }
    EPromptAnswer YesNoCancel(const std::string& strText) override
    {
        Write(strText);
        return EPromptAnswer::Yes;
    }

private:
    void Write(const std::string& strText)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::cerr << TerminalMessage(strText) << '\n';
    }
    std::mutex m_mutex;
};

CConsolePrompt& ConsolePrompt()
{
    static CConsolePrompt prompt;
    return prompt;
}

thread_local IPrompt* t_pPrompt = nullptr;
} // namespace

IPrompt& GetPrompt()
{
    return t_pPrompt ? *t_pPrompt : ConsolePrompt();
}

IPrompt* SetPrompt(IPrompt* pPrompt)
{
    IPrompt* pPrevious = t_pPrompt;
    t_pPrompt = pPrompt;
    return pPrevious;
}
