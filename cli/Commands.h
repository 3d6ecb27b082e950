// The command-line tool's subcommands; each registers itself on the app.
#pragma once

#include <CLI/CLI.hpp>

// Exit statuses shared by all commands.
constexpr int kExitOk = 0;
constexpr int kExitRefused = 2; // bad input: the message says why

void AddConvertCommand(CLI::App& app, int& nExitStatus);
void AddUnitsCommand(CLI::App& app, int& nExitStatus);
void AddCatalogueCommand(CLI::App& app, int& nExitStatus);
