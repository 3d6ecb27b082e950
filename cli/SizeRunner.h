// Sizing a selection given as JSON, as the application's dialogs would: the core of
// "tesmara size", "tesmara models" and "tesmara batch".
#pragma once

#include "CliSession.h"
#include "SelectionJson.h"
#include "sizing/SizeApplication.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

struct SSizeRun
{
    // Set when the input is refused: the message and the field it concerns.
    std::optional<std::string> refusal;
    std::string strField;
    sizing::SApplicationOutcome outcome;
    CAccumulatorData data;
    // Set when the input named fields that the program fills itself, which were ignored.
    std::string strNotice;
};

// A message of the dialogs as a terminal shows it: "\r\n" becomes a plain line feed.
std::string TerminalLines(std::string strText);

// Reads the fields over a new selection (absent fields keep their starting values),
// runs the application's checks and calculation, and leaves the sized selection at
// level 1. The input may also be the output of tesmara size --json or show --json. With
// bStrict a Yes/No question counts as answered No, so it refuses.
SSizeRun SizeFromJson(CCliSession& session, const nlohmann::json& input, bool bStrict);

// The outcome as JSON: status ("sized", "not required", "cannot compute"), reason, notice; for a
// sized application also "comparison": the ideal-gas sizes and, with a range, its extremes.
JsonOut OutcomeToJson(const SSizeRun& run);

// The refusal as JSON: {"error": message, "field": field}.
JsonOut RefusalToJson(const SSizeRun& run);

// A readable report of a sized selection: the application, what was entered, and the results.
std::string SizingReport(const SSizeRun& run);
