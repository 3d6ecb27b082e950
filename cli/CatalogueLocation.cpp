// Default catalogue folder of the command-line tool, and opening a catalogue without the console prompt.
#include "CatalogueLocation.h"

#include "catalogue/Catalogue.h"
#include "platform/DataFolder.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"

#include <cctype>

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

namespace
{
std::string g_strLanguage = "US"; // set once, before any command runs
} // namespace

const std::string& CliLanguage()
{
    return g_strLanguage;
}

bool SetCliLanguage(const std::string& strCode)
{
    std::string strUpper;
    for (const char c : strCode)
        strUpper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (strUpper != "US" && !CStringTable::ForLanguage(strUpper))
        return false;
    g_strLanguage = strUpper;
    SetStringLanguage(strUpper);
    return true;
}

int LanguageNameId(const std::string& strCode)
{
    static const char* const kCodes[] = {"US", "UK", "FR", "DE", "IT", "ES", "PT"};
    for (int i = 0; i < 7; ++i)
        if (strCode == kCodes[i])
            return 500 + i;
    return 500;
}

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
