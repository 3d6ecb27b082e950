// Effect of temperature on precharge: the pressure of a closed gas volume at another temperature.
#pragma once

#include "sizing/SizingResult.h"

#include <string>

namespace sizing
{
enum class EKnownPressure
{
    Beginning, // the beginning pressure is known; the final one is computed
    Final,     // the final pressure is known; the beginning one is computed
};

struct STemperaturePrechargeInput
{
    double dBeginTempF = 70.0;
    double dFinalTempF = 70.0;
    double dKnownPsia = 0.0;
    EKnownPressure eKnown = EKnownPressure::Beginning;
};

struct STemperaturePrechargeResult
{
    ESizingStatus eStatus = ESizingStatus::CannotCompute; // never NotRequired
    double dPsia = 0.0;                                   // the other pressure
    std::string strReason;
};

// The real-gas pressure at constant mass and volume; only the known pressure
// is passed, the unknown one as -1.
STemperaturePrechargeResult PressureAtOtherTemperature(const STemperaturePrechargeInput& in);
} // namespace sizing
