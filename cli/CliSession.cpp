// Opening the catalogue for a command-line job.
#include "CliSession.h"

#include "platform/Prompt.h"

namespace
{
// Keeps a failed open's message for the caller instead of printing it.
class CKeepPrompt final : public IPrompt
{
public:
    void Message(const std::string& strText) override { m_strText += strText; }
    EPromptAnswer YesNo(const std::string& strText) override { return Message(strText), EPromptAnswer::No; }
    EPromptAnswer YesNoCancel(const std::string& strText) override
    {
        return Message(strText), EPromptAnswer::Cancel;
    }
    std::string m_strText;
};
} // namespace

bool CCliSession::Open(const std::filesystem::path& folder, std::string& strError)
{
    CKeepPrompt prompt;
    bool bOpen;
    {
        CScopedPrompt scope(prompt);
        bOpen = m_db.Open(folder, kCatalogueBaseName, "US");
    }
    if (!bOpen)
    {
        strError = prompt.m_strText;
        return false;
    }
    m_pMessages = std::make_unique<CIMsgStoredProc>(m_db);
    return true;
}

CAccumulatorData CCliSession::NewSelection()
{
    CAccumulatorData data;
    data.m_pOwner = this;
    data.Initialize(0);
    return data;
}
