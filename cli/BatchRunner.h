// Sizing many JSON inputs at once, on every core, with the results in input order.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <istream>
#include <string>

struct SBatchSummary
{
    std::size_t nLines = 0;        // lines answered
    bool bCatalogueFailed = false; // a line met a catalogue error: the batch did not do its work
    bool bOutputFailed = false;    // a result could not be written; the batch stopped there
};

// Receives each result line, in input order; false when it could not be written.
using BatchSink = std::function<bool(const std::string&)>;

// The workers for a requested count: 0 means every core, and no more than the cores are used.
unsigned BatchJobs(unsigned nRequested);

// One JSON result per input line, in input order: {"line", "outcome", "application"} for a
// sized line, {"line", "error", "field"} for a refused, malformed or over-long one (a catalogue
// error gives the data-access message). Lines are read while the batch runs and each result
// goes to the sink as soon as those before it are out, so memory stays flat however long the
// input. Each worker opens its own catalogue connection. Throws std::runtime_error when the
// catalogue cannot be opened, before any line is read.
SBatchSummary RunBatch(std::istream& in, const BatchSink& sink, unsigned nJobs, bool bStrict,
                       const std::filesystem::path& catalogueFolder);
