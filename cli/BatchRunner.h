// Sizing many JSON inputs at once, on every core, with the results in input order.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// One JSON result per input line, in input order: {"line", "outcome", "application"}
// for a sized line, {"line", "error", "field"} for a refused or malformed one. Each
// worker opens its own catalogue connection. nJobs 0 uses every core.
// Throws std::runtime_error when the catalogue cannot be opened.
std::vector<std::string> RunBatch(const std::vector<std::string>& lines, unsigned nJobs, bool bStrict,
                                  const std::filesystem::path& catalogueFolder);
