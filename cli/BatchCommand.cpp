// tesmara batch: one JSON input per line on standard input, one JSON result per line.
#include "BatchRunner.h"
#include "CatalogueLocation.h"
#include "Commands.h"
#include "SelectionJson.h"

#include <iostream>

namespace
{
struct SBatchArgs
{
    unsigned nJobs = 0;
    bool bStrict = false;
    std::string strCatalogue;
};

int RunBatchCommand(const SBatchArgs& args)
{
    // Each result is flushed as it comes, so a reader sees it while later lines still run.
    const BatchSink sink = [](const std::string& strResult)
    { return static_cast<bool>(std::cout << strResult << '\n' << std::flush); };
    try
    {
        const SBatchSummary summary =
            RunBatch(std::cin, sink, args.nJobs, args.bStrict,
                     args.strCatalogue.empty() ? DefaultCatalogueFolder() : std::filesystem::path(args.strCatalogue));
        if (summary.bCatalogueFailed || summary.bOutputFailed)
            return kExitFailure;
    }
    catch (const std::exception& e)
    {
        std::cerr << e.what() << '\n';
        return kExitFailure;
    }
    return kExitOk;
}
} // namespace

void AddBatchCommand(CLI::App& app, int& nExitStatus)
{
    auto pArgs = std::make_shared<SBatchArgs>();
    CLI::App* pCmd = app.add_subcommand(
        "batch", "Size one JSON input per line of standard input; one JSON result per line, in input order");
    pCmd->footer(kInputFieldsHelp);
    pCmd->add_option("--jobs", pArgs->nJobs, "Worker threads, at most one per core (default: every core)");
    pCmd->add_flag("--strict", pArgs->bStrict, "Answer the program's Yes/No questions with No (refuse)");
    pCmd->add_option("--catalogue", pArgs->strCatalogue, "Folder of the catalogue (default: the installed one)");
    pCmd->callback([pArgs, &nExitStatus] { nExitStatus = RunBatchCommand(*pArgs); });
}
