// The operating temperature range last used in a sizing, kept in the user's settings.
#pragma once

#include "selection/OperatingTemperatures.h"

class ISettings;

namespace settingskey
{
inline constexpr const char* OperatingTempMin = "OperatingTemperatures/Minimum";
inline constexpr const char* OperatingTempMax = "OperatingTemperatures/Maximum";
inline constexpr const char* OperatingTempUnit = "OperatingTemperatures/Unit";
} // namespace settingskey

// The range as last written; not given when nothing (or not a number, or not a temperature unit)
// is stored.
SOperatingTemperatures ReadLastOperatingRange(const ISettings& settings);
// A range that is not given is written as empty entries. False when the settings cannot be written.
bool WriteLastOperatingRange(ISettings& settings, const SOperatingTemperatures& range);
