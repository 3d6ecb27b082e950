// tesmara: the command-line tool of Tesmara Accumulator.
#include "Commands.h"

#include <iostream>

int main(int argc, char** argv)
{
    CLI::App app{"Tesmara Accumulator: sizes hydraulic accumulators and selects them from the catalogue.",
                 "tesmara"};
    app.set_version_flag("--version", std::string("tesmara ") + TESMARA_VERSION);
    app.require_subcommand(1);

    int nExitStatus = kExitOk;
    AddConvertCommand(app, nExitStatus);
    AddUnitsCommand(app, nExitStatus);
    AddSizeCommand(app, nExitStatus);
    AddModelsCommand(app, nExitStatus);
    AddShowCommand(app, nExitStatus);
    AddToolCommands(app, nExitStatus);
    AddBatchCommand(app, nExitStatus);
    AddCatalogueCommand(app, nExitStatus);
    AddCadCommand(app, nExitStatus);
    AddOrderPadCommand(app, nExitStatus);

    try
    {
        app.parse(argc, argv);
    }
    catch (const CLI::ParseError& e)
    {
        const int nStatus = app.exit(e);
        // Usage errors are refused input; --help and --version end normally.
        return nStatus == 0 ? kExitOk : kExitRefused;
    }
    return nExitStatus;
}
