// Default catalogue folder of the command-line tool, and opening a catalogue without the console prompt.
#include "CatalogueLocation.h"

#include "catalogue/Catalogue.h"
#include "platform/DataFolder.h"
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

std::filesystem::path DefaultCatalogueFolder()
{
    return ProgramCatalogueFolder();
}

bool OpenCatalogueQuietly(IDatabase& db, const std::filesystem::path& folder, const std::string& strBaseName,
                          const std::string& strLanguage, std::string& strError)
{
    CKeepPrompt prompt;
    CScopedPrompt scope(prompt);
    if (db.Open(folder, strBaseName, strLanguage))
        return true;
    strError = prompt.m_strText;
    return false;
}
