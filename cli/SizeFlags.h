// The friendly flags of "tesmara size <application>": each flag sets selection fields,
// so that the flags end up as the same JSON input as --input.
#pragma once

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <map>
#include <memory>
#include <set>
#include <string>

class CCliSession;

// A flag's value as the user typed it, and the field work that turns it into JSON.
struct SSizeFlags
{
    std::string strApplication; // the subcommand that was given
    std::map<std::string, std::string> values; // flag name -> text
    std::set<std::string> switches;            // flags given without a value
};

// Adds one subcommand per application to "size"; the chosen one fills flags.
void AddSizeFlagCommands(CLI::App& size, std::shared_ptr<SSizeFlags> pFlags);

// The JSON input for the flags; catalogue lookups (fluid densities, pipe and tube
// sizes, relief valves) use the session. Throws std::runtime_error with a clear message.
nlohmann::json SizeFlagsToJson(const SSizeFlags& flags, CCliSession& session);
