// The command-line tool's subcommands; each registers itself on the app.
#pragma once

#include <CLI/CLI.hpp>

// Exit statuses shared by all commands.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1; // the tool could not do its work (no catalogue, a file not written)
constexpr int kExitRefused = 2; // bad input: the message says why

void AddConvertCommand(CLI::App& app, int& nExitStatus);
void AddUnitsCommand(CLI::App& app, int& nExitStatus);
void AddCatalogueCommand(CLI::App& app, int& nExitStatus);
void AddSizeCommand(CLI::App& app, int& nExitStatus);
void AddToolCommands(CLI::App& app, int& nExitStatus);
void AddShowCommand(CLI::App& app, int& nExitStatus);
void AddModelsCommand(CLI::App& app, int& nExitStatus);
void AddBatchCommand(CLI::App& app, int& nExitStatus);
void AddCadCommand(CLI::App& app, int& nExitStatus);
void AddOrderPadCommand(CLI::App& app, int& nExitStatus);
void AddReportCommand(CLI::App& app, int& nExitStatus);
void AddHelpCommand(CLI::App& app, int& nExitStatus);
void AddRapidCommand(CLI::App& app, int& nExitStatus);
