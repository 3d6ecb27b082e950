// A prompt for tests: records every text and answers questions from a script.
#pragma once

#include "platform/Prompt.h"

#include <deque>
#include <string>
#include <vector>

class CRecordingPrompt : public IPrompt
{
public:
    void Message(const std::string& strText) override { m_texts.push_back(strText); }
    EPromptAnswer YesNo(const std::string& strText) override
    {
        m_cancelOffered.push_back(false);
        return Answer(strText, EPromptAnswer::Yes);
    }
    EPromptAnswer YesNoCancel(const std::string& strText) override
    {
        m_cancelOffered.push_back(true);
        return Answer(strText, EPromptAnswer::Yes);
    }

    // Answers given to the next questions, in order; Yes when the script runs out.
    void Script(std::initializer_list<EPromptAnswer> answers) { m_answers.insert(m_answers.end(), answers); }

    const std::vector<std::string>& Texts() const { return m_texts; }
    // Per question asked, in order: whether it offered Cancel.
    const std::vector<bool>& CancelOffered() const { return m_cancelOffered; }
    void Clear() { m_texts.clear(); }

private:
    EPromptAnswer Answer(const std::string& strText, EPromptAnswer eDefault)
    {
        m_texts.push_back(strText);
        if (m_answers.empty())
            return eDefault;
        const EPromptAnswer eAnswer = m_answers.front();
        m_answers.pop_front();
        return eAnswer;
    }

    std::vector<std::string> m_texts;
    std::deque<EPromptAnswer> m_answers;
    std::vector<bool> m_cancelOffered;
};

// Installs a recording prompt for the lifetime of a test.
class CPromptCapture
{
public:
    CPromptCapture() : m_scope(m_prompt) {}
    CRecordingPrompt& operator*() { return m_prompt; }
    CRecordingPrompt* operator->() { return &m_prompt; }

private:
    CRecordingPrompt m_prompt;
    CScopedPrompt m_scope;
};
