// Reading unit codes and numbers typed on the command line.
#pragma once

#include <optional>
#include <string>

// The unit code for a code or a unit's display text, both exact ("PSIG", "psi", "bar").
std::optional<std::string> ParseUnitArgument(const std::string& strText);

// The whole text as a number; nothing else may follow it.
std::optional<double> ParseNumberArgument(const std::string& strText);
