// Which gas run a sized application stands on: the sized accumulator's discharge, for the gas state chart.
#pragma once

#include "gas/GasExpansion.h"
#include "gas/GasTrajectory.h"

#include <optional>

class CAccumulatorData;

namespace sizing
{
// An expansion of the sized accumulator's gas, in the model's units.
struct SDischargeRun
{
    gas::EExpansionForm eForm = gas::EExpansionForm::Gallon;
    double dSizeGal = 0.0;
    double dTempF = 0.0;
    double dTimeSec = 0.0;
    double dFromPsia = 0.0; // where the discharge starts
    double dToPsia = 0.0;   // where it ends
    double dPrechargePsia = 0.0;
};

// The discharge the application's calculation ran, with the required volume as the
// size: from the maximum to the minimum pressure over the actuation time (supplementing
// pump flow, auxiliary power), over the time of the largest deficit (multiple events),
// over the hold time (holding); from the shock pressure down to the system pressure
// over 0.1 s (shock suppression), 0.01 s (pulsation) or the response time (pump
// response). nullopt without a sized volume or for a known capacity.
std::optional<SDischargeRun> DischargeRun(const CAccumulatorData& sel);

// The gas states of that run; empty states when there is none or it gave no finite states.
gas::SGasTrajectory GasStates(const CAccumulatorData& sel);
} // namespace sizing
