// Shock suppression: the accumulator that absorbs the surge of a valve closing on a moving column.
#pragma once

#include "sizing/SizingResult.h"
#include "sizing/VolumeRelation.h"
#include "units/UnitDouble.h"

namespace sizing
{
// Shock suppression asks for no temperature: its gas is taken at 70 deg F, whatever the units.
inline constexpr double kShockAssumedTempF = 70.0;

// The maximum allowable shock pressure for a system pressure, in the system
// pressure's unit: 1.05 x the value as entered while the gauge pressure is not
// above 2000 psig, else the gauge pressure + 100 psi. Shock suppression also
// puts it into an empty shock field; pulsation dampening shows it.
CUnitDouble MaximumAllowableShockPressure(const CUnitDouble& system);

// 60 % of the system pressure: of the gauge value, in the entry's unit, when
// entered in a gauge unit (PSIG, BARG), else of the absolute pressure in PSIA.
CUnitDouble ShockSuppressionPrecharge(const CUnitDouble& system);

struct SShockSuppressionInput
{
    double dSystemPsia = 0.0;
    double dMaxShockPsia = -1.0; // not above -1: the allowed shock pressure of the system pressure
    double dFlowGpm = 0.0;       // flow before shut-off
    double dTempF = 70.0;
    double dLengthIn = 0.0;    // pipe or tube length
    double dInsideDiaIn = 0.0; // inside diameter of the line
    double dDensity = 0.0;     // fluid density, in the catalogue's unit
};

struct SShockSuppressionResult : SSizingResult
{
    double dPrechargePsia = 0.0; // 0.6 x the system pressure
    double dShockPsia = 0.0;     // the shock pressure the volume was computed for
};

// The shock formula's line and pressures: the column's mass and velocity, the shock
// pressure (the allowed one when not entered).
SVolumeRelation ShockSuppressionRelation(const SShockSuppressionInput& in);

// The closed-form shock volume in whole cubic inches (rounded up), with the
// reference exponent of an expansion from the shock pressure to the system
// pressure over 0.1 s. Only dRequiredIn3 and dExponent of the base are set.
SShockSuppressionResult ShockSuppressionVolume(const SShockSuppressionInput& in);
} // namespace sizing
