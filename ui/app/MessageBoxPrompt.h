// The desktop's prompt: message boxes titled "Tesmara Accumulator" over the active window.
#pragma once

#include "platform/Prompt.h"

class CMessageBoxPrompt : public IPrompt
{
public:
    void Message(const std::string& strText) override;
    // Yes and No with the question icon.
    EPromptAnswer YesNo(const std::string& strText) override;
    // Yes, No and Cancel with the exclamation icon.
    EPromptAnswer YesNoCancel(const std::string& strText) override;
};
