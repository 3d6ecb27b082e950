// What the results show beside a sized selection's real-gas volume: the ideal-gas sizes of the same
// entries, and the accumulator over the operating temperature range when one is given.
#pragma once

#include "sizing/CheckMessages.h"
#include "sizing/IdealGasBounds.h"
#include "sizing/OperatingRange.h"
#include "sizing/VolumeRelation.h"

#include <optional>

class CAccumulatorData;

namespace sizing
{
// An application's closed formula as its calculation used it, with the precharge it used (psia):
// the entered or optimal precharge, 60 % of the system pressure for shock and pulsation.
struct SApplicationRelation
{
    SVolumeRelation relation;
    double dPrechargePsia = 0.0;
};

// nullopt for a known capacity, and for a selection without a sized volume.
std::optional<SApplicationRelation> ApplicationRelation(const CAccumulatorData& sel);

struct SSizingComparison
{
    std::optional<SIdealGasBounds> bounds;
    // With an operating range given: its extremes (the status says whether they could be computed).
    std::optional<SOperatingRangeResult> range;
};

// Both comparisons of a sized selection; nothing for a known capacity or without a sized volume.
SSizingComparison CompareSizing(const CAccumulatorData& sel);

// The operating range's entries, checked after the application's own: both or neither given, the
// maximum not below the minimum, both within the catalogue's temperatures, and the system
// temperature inside the range. The fields are sdOperatingTempMin and sdOperatingTempMax.
CheckResult CheckOperatingTemperatures(const CAccumulatorData& sel, const CIMsgStoredProc& messages);
} // namespace sizing
