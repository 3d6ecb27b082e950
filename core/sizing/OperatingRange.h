// A sized accumulator over its operating temperature range: precharge and delivered volume at each extreme.
#pragma once

#include "sizing/SizingResult.h"
#include "sizing/VolumeRelation.h"

#include <optional>
#include <string>

namespace sizing
{
struct SOperatingRangeInput
{
    SVolumeRelation relation;     // the application's formula
    double dGasIn3 = 0.0;         // the sized gas volume
    double dChargeExponent = 1.0; // the sizing's exponents, at the system temperature
    double dDischargeExponent = 1.0;
    double dHighPsia = 0.0;      // the discharge the gas model runs: from the maximum (or shock)
    double dLowPsia = 0.0;       // pressure down to the minimum (or system) pressure
    double dTimeSec = 0.0;       // over the application's time
    double dSystemTempF = 70.0;  // the temperature the sizing and its precharge hold at
    double dPrechargePsia = 0.0; // at the system temperature
    double dMinTempF = 70.0;
    double dMaxTempF = 70.0;
};

struct SRangeExtreme
{
    double dTempF = 0.0;
    double dPrechargePsia = 0.0;        // the same gas, in the same volume, at this temperature
    std::optional<double> deliveredIn3; // nullopt where the gas model gives no expansion
    bool bShort = false;                // delivers less than the required volume here
    std::optional<double> neededIn3;    // set exactly where short: the gas volume needed here
};

struct SOperatingRangeResult
{
    ESizingStatus eStatus = ESizingStatus::CannotCompute; // Sized or CannotCompute
    std::string strReason;
    double dRequiredIn3 = 0.0; // the fluid volume the application asks of the accumulator
    SRangeExtreme minimum;
    SRangeExtreme system; // at the system temperature: what the sizing gives
    SRangeExtreme maximum;
    double dLowPsia = 0.0; // the pressure the precharge must not exceed
    // The precharge at the maximum temperature is not above the low pressure.
    bool bPrechargeBelowLow = false;
};

// At each extreme the precharge follows the temperature at constant gas mass and volume (the
// effect-of-temperature tool's operation), and the discharge exponent there is the one of the
// output-of-an-existing-accumulator tool's gas run with that precharge and temperature. The
// application's formula with both gives the gas volume it needs there (rounded up to a whole
// cubic inch); the accumulator falls short where that is above the sized volume, and delivers
// the required volume scaled by the sized over the needed volume. For the holding formula that
// delivery is the tool's own output. The required volume of a cycle is its fluid volume; of pump
// response the volume delivered during the response; of pulsation 231 D f; of shock suppression
// the volume the exactly sized gas takes in from the system pressure up to the shock pressure.
SOperatingRangeResult OperatingRangeEffect(const SOperatingRangeInput& in);
} // namespace sizing
