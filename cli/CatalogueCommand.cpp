// tesmara catalogue check [FILE]: checks a catalogue file against what the program asks of it.
#include "CatalogueLocation.h"
#include "Commands.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueCheck.h"

#include <iostream>
#include <memory>

namespace
{
int RunCheck(const std::string& strFile)
{
    const std::filesystem::path path =
        strFile.empty() ? DefaultCatalogueFolder() / CatalogueFileName(CliLanguage()) : std::filesystem::path(strFile);
    if (path.extension() != ".db")
    {
        std::cerr << "A catalogue file ends in .db: " << path.string() << '\n';
        return kExitRefused;
    }
    IDatabase db;
    std::string strError;
    if (!OpenCatalogueQuietly(db, path.parent_path().empty() ? "." : path.parent_path(), path.stem().string(), "",
                              strError))
    {
        std::cerr << strError << '\n';
        return kExitRefused;
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
