// What every command that writes files checks before it starts: no output is an input, no file
// is named for two outputs; and the fixed date SOURCE_DATE_EPOCH may give.
#pragma once

#include "platform/Clock.h"

#include <optional>
#include <string>
#include <vector>

// True when the outputs may be written; otherwise the refusal is on standard error. Empty names
// and "-" (standard input or output) are not files and are let through.
bool CheckOutputFiles(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs);

// The moment SOURCE_DATE_EPOCH names (seconds since 1970 in UTC, for output that repeats), or
// nothing when it is not set. False, with the refusal on standard error, for a value that is
// not a whole number of seconds from 1970 to the end of 9999.
bool ReadSourceDateEpoch(std::optional<SLocalTime>& time);
