// tesmara catalogue check [FILE]: checks a catalogue file against what the program asks of it.
#include "CatalogueLocation.h"
#include "Commands.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueCheck.h"
#include "platform/Prompt.h"

#include <iostream>
#include <memory>

namespace
{
// Collects the open failure's message instead of printing it as a prompt.
class CCollectPrompt final : public IPrompt
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

int RunCheck(const std::string& strFile)
{
    const std::filesystem::path path =
        strFile.empty() ? DefaultCatalogueFolder() / CatalogueFileName("US") : std::filesystem::path(strFile);
    if (path.extension() != ".db")
    {
        std::cerr << "A catalogue file ends in .db: " << path.string() << '\n';
        return kExitRefused;
    }
    IDatabase db;
    CCollectPrompt prompt;
    {
        CScopedPrompt scope(prompt);
        if (!db.Open(path.parent_path().empty() ? "." : path.parent_path(), path.stem().string(), ""))
        {
            std::cerr << prompt.m_strText << '\n';
            return kExitRefused;
        }
    }
    const SCatalogueCheck check = CheckCatalogue(db);
    for (const std::string& strProblem : check.problems)
        std::cout << "problem: " << strProblem << '\n';
    for (const std::string& strNote : check.notes)
        std::cout << "note: " << strNote << '\n';
    std::cout << path.string() << ": " << check.nQueries << " queries checked, " << check.problems.size()
              << (check.problems.size() == 1 ? " problem" : " problems") << '\n';
    return check.problems.empty() ? kExitOk : kExitRefused;
}
} // namespace

void AddCatalogueCommand(CLI::App& app, int& nExitStatus)
{
    CLI::App* pCatalogue = app.add_subcommand("catalogue", "Work with catalogue files");
    pCatalogue->require_subcommand(1);
    auto strFile = std::make_shared<std::string>();
    CLI::App* pCheck = pCatalogue->add_subcommand(
        "check", "Check a catalogue file against what the program asks of it (default: the installed catalogue)");
    pCheck->add_option("file", *strFile, "The catalogue file (Acc<language>.db)");
    pCheck->callback([strFile, &nExitStatus] { nExitStatus = RunCheck(*strFile); });
}
