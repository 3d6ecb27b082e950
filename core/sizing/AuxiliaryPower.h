// Auxiliary power source: the accumulator alone drives the actuator and recharges during the dwell.
#pragma once

#include "sizing/SizingResult.h"

namespace sizing
{
struct SAuxiliaryPowerInput
{
    double dActuatorVolumeIn3 = 0.0;
    double dActuationSec = 0.0;
    double dDwellSec = 0.0;
    double dMaxPsia = 0.0;
    double dMinPsia = 0.0;
    double dTempF = 70.0;
    double dPrechargePsia = 0.0;
};

// A discharge run over the actuation time gives nD, a charging run over the
// dwell time gives nC and the ratio; the required volume is
// V (P1/P2)^(1/nC) / (0.95 (P0/P2) ((P1/P2)^(1/nD) - 1)), not rounded.
// There is no deficit: dDeficitIn3 stays 0.
SSizingResult SizeAuxiliaryPower(const SAuxiliaryPowerInput& in);
} // namespace sizing
