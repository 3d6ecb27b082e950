// tesmara size: sizes an application given as JSON or by friendly flags, as the desktop would.
#include "Commands.h"
#include "JsonInput.h"
#include "OutputChecks.h"
#include "SelectionJson.h"
#include "SelectionSave.h"
#include "SizeFlags.h"
#include "SizeRunner.h"

#include <iostream>

namespace
{
struct SSizeArgs
{
    std::string strInput;
    std::string strSave;
    std::string strCatalogue;
    bool bJson = false;
    bool bStrict = false;
};

int RunSize(const SSizeArgs& args, const SSizeFlags& flags, CCliSession& session)
{
    nlohmann::json input;
    try
    {
        if (!flags.strApplication.empty() && !args.strInput.empty())
            throw std::runtime_error("Give either --input or an application with its flags, not both.");
        if (flags.strApplication.empty() && args.strInput.empty())
            throw std::runtime_error("Give --input FILE (or - for standard input), or an application with its "
                                     "flags; tesmara size --help lists them.");
        input = flags.strApplication.empty() ? ReadJsonInput(args.strInput) : SizeFlagsToJson(flags, session);
    }
    catch (const std::exception& e)
    {
        std::cerr << e.what() << '\n';
        return kExitRefused;
    }

    const SSizeRun run = SizeFromJson(session, input, args.bStrict);
    if (!run.strNotice.empty())
        std::cerr << run.strNotice << '\n';
    if (run.refusal)
    {
        if (args.bJson)
            std::cout << JsonText(RefusalToJson(run), 2) << '\n';
        std::cerr << *run.refusal << '\n';
        if (!run.strField.empty())
            std::cerr << "(field: " << run.strField << ")\n";
        return kExitRefused;
    }
    if (args.bJson)
        std::cout << JsonText(JsonOut{{"outcome", OutcomeToJson(run)}, {"application", ApplicationToJson(run.data)}}, 2)
                  << '\n';
    else
        std::cout << SizingReport(run);
    const bool bCannotCompute = run.outcome.eStatus == sizing::ESizingStatus::CannotCompute;
    // The readable report says it already; a JSON reader is told on the error stream too.
    if (bCannotCompute && args.bJson)
        std::cerr << "The size cannot be computed: " << run.outcome.strReason << '\n';

    if (!args.strSave.empty())
    {
        if (run.outcome.eStatus != sizing::ESizingStatus::Sized)
        {
            std::cerr << "Nothing saved: the selection was not sized.\n";
            return kExitRefused;
        }
        std::string strError;
        if (!SaveSizedSelection(args.strSave, run.data, session, strError))
        {
            std::cerr << strError << '\n';
            return kExitFailure;
        }
        if (!args.bJson)
            std::cout << "Saved " << args.strSave << '\n';
    }
    return bCannotCompute ? kExitRefused : kExitOk;
}
} // namespace

void AddSizeCommand(CLI::App& app, int& nExitStatus)
{
    auto pArgs = std::make_shared<SSizeArgs>();
    auto pFlags = std::make_shared<SSizeFlags>();
    CLI::App* pCmd = app.add_subcommand(
        "size", "Size an accumulator for an application, given as JSON selection fields or by flags");
    pCmd->add_option("--input", pArgs->strInput,
                     "JSON object of selection fields (deSelectApp, sdMaxSysPress, ...), or the output of "
                     "tesmara size --json or show --json; - reads standard input");
    pCmd->footer(kInputFieldsHelp);
    pCmd->add_flag("--json", pArgs->bJson, "Print the application data and its results as JSON");
    pCmd->add_flag("--strict", pArgs->bStrict, "Answer the program's Yes/No questions with No (refuse)");
    pCmd->add_option("--save", pArgs->strSave, "Save the sized selection as a selection file (*.Ac3)");
    pCmd->add_option("--catalogue", pArgs->strCatalogue, "Folder of the catalogue (default: the installed one)");
    AddSizeFlagCommands(*pCmd, pFlags);
    pCmd->final_callback([pArgs, pFlags, &nExitStatus] {
        if (!CheckOutputFiles({pArgs->strInput}, {pArgs->strSave}))
        {
            nExitStatus = kExitRefused;
            return;
        }
        nExitStatus =
            RunOnCatalogue(pArgs->strCatalogue, [&](CCliSession& session) { return RunSize(*pArgs, *pFlags, session); });
    });
}
