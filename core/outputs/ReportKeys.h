// Report keys that the program makes itself (the others come from the catalogue).
#pragma once

#include <string>

namespace reportkey
{
// One entry per dimension row: its caption and its value.
inline constexpr const char* kDimLabel = "DimLabelVAL";
inline constexpr const char* kDimValue = "DimValueVAL";
// One entry per chosen option: its code, and its description.
inline constexpr const char* kOptionsSelected = "OptionsSelectedVAL";
inline constexpr const char* kOptionsDescription = "OptionsDescriptionVAL";
// One entry per code of the model number, in position order: the code, and what it stands for.
inline constexpr const char* kModelCode = "ModelCodeVAL";
inline constexpr const char* kModelCodeDescription = "ModelCodeDescriptionVAL";

// The key of an event column: kept apart from the single value of the same name
// ("FlowRateVAL" holds the required flow, "Events.FlowRateVAL" each event's flow).
inline std::string EventKey(const std::string& strColumn)
{
    return "Events." + strColumn;
}

// The caption key of a value key: "CapacityVAL" -> "CapacityLBL", "Series" -> "SeriesLBL";
// an event column takes the caption of its column.
std::string LabelKey(const std::string& strValueKey);
} // namespace reportkey
