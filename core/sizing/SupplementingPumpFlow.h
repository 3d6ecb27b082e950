// Supplementing pump flow: the accumulator that delivers what the pump cannot during one actuation.
#pragma once

#include "sizing/SizingResult.h"

namespace sizing
{
struct SSupplementingPumpFlowInput
{
    double dActuatorVolumeIn3 = 0.0;
    double dActuationSec = 0.0;
    double dDwellSec = 0.0;
    double dPumpGpm = 0.0;
    bool bPumpRunning = true; // the pump delivers during the actuation
    double dMaxPsia = 0.0;
    double dMinPsia = 0.0;
    double dTempF = 70.0;
    double dPrechargePsia = 0.0;
};

// A charging run over the dwell time gives nC, a discharge run over the
// actuation time gives nD, the ratio and the deficit; the required volume is
// deficit (P1/P2)^(1/nC) / (0.95 (P0/P2) ((P1/P2)^(1/nD) - 1)), not rounded.
// NotRequired when the pump covers the actuator volume.
SSizingResult SizeSupplementingPumpFlow(const SSupplementingPumpFlowInput& in);
} // namespace sizing
