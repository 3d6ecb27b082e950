// The operating temperature range of a sizing: kept with the selection while the program runs,
// never written to the selection file.
#pragma once

#include "units/UnitDouble.h"

struct SOperatingTemperatures
{
    // An entry left empty is not given; a range needs both.
    bool bMinGiven = false;
    bool bMaxGiven = false;
    CUnitDouble sdOperatingTempMin;
    CUnitDouble sdOperatingTempMax;

    bool IsGiven() const { return bMinGiven && bMaxGiven; }
    bool IsEmpty() const { return !bMinGiven && !bMaxGiven; }
    bool operator==(const SOperatingTemperatures&) const = default;
};
