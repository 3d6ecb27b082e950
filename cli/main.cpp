// tesmara: the command-line tool of Tesmara Accumulator.
#include "CatalogueLocation.h"
#include "Commands.h"
#include "platform/StringTable.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>

namespace
{
// Results that never reached their reader (a full disk, a closed pipe) are a failure, not success.
int CheckOutputWritten(int nExitStatus)
{
    errno = 0;
    std::cout.flush();
    const bool bFailed = !std::cout || std::fflush(stdout) != 0 || std::ferror(stdout);
    if (!bFailed)
        return nExitStatus;
    std::cerr << "tesmara: the output could not be written" << (errno != 0 ? std::string(": ") + std::strerror(errno) : "")
              << '\n';
    return kExitFailure;
}
} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Tesmara Accumulator: sizes hydraulic accumulators and selects them from the catalogue.",
                 "tesmara"};
    app.set_version_flag("--version", std::string("tesmara ") + TESMARA_VERSION);
    app.require_subcommand(1);
    // Before the command: its catalogue, its messages and the texts it prints in that language.
    app.add_option_function<std::string>(
           "--language",
           [](const std::string& strCode)
           {
               if (SetCliLanguage(strCode))
                   return;
               std::string strInstalled = "US";
               for (const std::string& strOther : CStringTable::TranslatedLanguages())
                   strInstalled += ", " + strOther;
               throw CLI::ValidationError("--language",
                                          "\"" + strCode + "\" is not an installed language (" + strInstalled + ")");
           },
           "Language of the catalogue and the texts: US (default) or DE")
        ->type_name("XX")
        ->trigger_on_parse(); // in force before the command runs

    int nExitStatus = kExitOk;
    AddConvertCommand(app, nExitStatus);
    AddUnitsCommand(app, nExitStatus);
    AddSizeCommand(app, nExitStatus);
    AddModelsCommand(app, nExitStatus);
    AddRapidCommand(app, nExitStatus);
    AddShowCommand(app, nExitStatus);
    AddToolCommands(app, nExitStatus);
    AddBatchCommand(app, nExitStatus);
    AddCatalogueCommand(app, nExitStatus);
    AddCadCommand(app, nExitStatus);
    AddOrderPadCommand(app, nExitStatus);
    AddReportCommand(app, nExitStatus);
    AddHelpCommand(app, nExitStatus);

    try
    {
        app.parse(argc, argv);
    }
    catch (const CLI::ParseError& e)
    {
        const int nStatus = app.exit(e);
        // Usage errors are refused input; --help and --version end normally.
        return CheckOutputWritten(nStatus == 0 ? kExitOk : kExitRefused);
    }
    catch (const std::exception& e)
    {
        // A failure no command foresaw (memory, a library) still ends with a message, never an abort.
        std::cerr << "tesmara: " << e.what() << '\n';
        return kExitFailure;
    }
    return CheckOutputWritten(nExitStatus);
}
