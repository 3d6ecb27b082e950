// Message boxes as a seam: one prompt per process, replaceable by the desktop or a test.
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

// The process's prompt. Until one is installed, messages go to standard error
// and questions are answered Yes.
IPrompt& GetPrompt();

// Installs a prompt (not owned; nullptr restores the default) and returns the previous one.
IPrompt* SetPrompt(IPrompt* pPrompt);

// Installs a prompt for the lifetime of a scope.
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
