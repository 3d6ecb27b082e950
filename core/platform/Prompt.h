// Message boxes as a seam: one prompt per thread, replaceable by the desktop, a command or a test.
#pragma once

#include <string>

// Answers carry the message-box result codes the dialogs compare with.
enum class EPromptAnswer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

class IPrompt
{
public:
    virtual ~IPrompt() = default;
    // An informational box with an OK button.
    virtual void Message(const std::string& strText) = 0;
    // A question answered with Yes or No.
    virtual EPromptAnswer YesNo(const std::string& strText) = 0;
    // A question answered with Yes, No or Cancel.
    virtual EPromptAnswer YesNoCancel(const std::string& strText) = 0;
};

// The calling thread's prompt. Until one is installed on the thread, messages go to
// standard error and questions are answered Yes. Per thread, so that workers sizing at
// once (the command line's batch) never show through one another's prompts.
IPrompt& GetPrompt();

// Installs a prompt for the calling thread (not owned; nullptr restores the default) and
// returns the thread's previous one.
IPrompt* SetPrompt(IPrompt* pPrompt);

// Installs a prompt on the calling thread for the lifetime of a scope.
class CScopedPrompt
{
public:
    explicit CScopedPrompt(IPrompt& prompt) : m_pPrevious(SetPrompt(&prompt)) {}
    ~CScopedPrompt() { SetPrompt(m_pPrevious); }
    CScopedPrompt(const CScopedPrompt&) = delete;
    CScopedPrompt& operator=(const CScopedPrompt&) = delete;

private:
    IPrompt* m_pPrevious;
};
