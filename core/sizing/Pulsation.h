// Piston pump pulsation dampening: the accumulator that smooths a piston pump's pulses.
#pragma once

#include "sizing/SizingResult.h"
#include "sizing/VolumeRelation.h"
#include "units/UnitDouble.h"

#include <optional>

namespace sizing
{
enum class EPumpAction
{
    SingleActing = 1,
    DoubleActing = 2,
};

constexpr int kMaxPistons = 6;

// The pulsation factor, a polynomial in the number of pistons (1 to 6); nullopt
// for any other number of pistons or action.
std::optional<double> PulsationFactor(int nPistons, EPumpAction eAction);

// 60 % of the system pressure (of the gauge value when entered in a gauge unit, else of
// the absolute pressure), in the system pressure's unit.
CUnitDouble PulsationPrecharge(const CUnitDouble& system);

// The value put into an empty shock field: the computed maximum allowable shock
// pressure itself, so that the program's own default passes the check against it
// in every unit (a rule on the number as displayed would put 2600 bar beside a
// maximum of 2506.9 bar for 2500 bar).
CUnitDouble PulsationDefaultShock(const CUnitDouble& system);

// The displacement (CU_IN_REV) of a pump delivering flow at nSpeedRpm; the
// previous value when the speed is not above 0.
CUnitDouble CalculatedDisplacement(const CUnitDouble& flow, int nSpeedRpm, const CUnitDouble& previous);

struct SPulsationInput
{
    double dSystemPsia = 0.0;
    double dMaxShockPsia = -1.0; // not above -1: the allowed shock pressure of the system pressure
    double dTempF = 70.0;
    double dDisplacementGalPerRev = -1.0; // not above -1: flow / speed
    double dFlowGpm = 0.0;
    int nSpeedRpm = 0;
    EPumpAction eAction = EPumpAction::SingleActing;
    int nPistons = 1;
};

// The pulsation formula's pressures, factor and displacement (flow / speed when not
// entered); NaN for a factor the pistons and action have none of, and for a displacement
// that needs a speed not above 0.
SVolumeRelation PulsationRelation(const SPulsationInput& in);

// ceil(231 D f (P1/P0)^(1/n) / (1 - (P1/P2)^(1/n))) cubic inches, with P0 = 0.6
// P1 whatever precharge was entered and n the reference exponent of an
// expansion from P2 to P1 over 0.01 s. NotRequired when the displacement is 0.
SSizingResult PulsationVolume(const SPulsationInput& in);
} // namespace sizing
