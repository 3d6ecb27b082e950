// Sizing many JSON inputs at once, on every core, with the results in input order.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct SBatchResults
{
    std::vector<std::string> lines;
    bool bCatalogueFailed = false; // a line met a catalogue error: the batch did not do its work
};

// One JSON result per input line, in input order: {"line", "outcome", "application"}
// for a sized line, {"line", "error", "field"} for a refused or malformed one (a catalogue
// error gives the data-access message). Each worker opens its own catalogue connection.
// nJobs 0 uses every core. Throws std::runtime_error when the catalogue cannot be opened.
SBatchResults RunBatch(const std::vector<std::string>& lines, unsigned nJobs, bool bStrict,
                       const std::filesystem::path& catalogueFolder);
