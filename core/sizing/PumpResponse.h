// Shock due to pump response time: the accumulator that takes what the pump delivers before it reacts.
#pragma once

#include "sizing/SizingResult.h"
#include "sizing/VolumeRelation.h"
#include "units/UnitDouble.h"

namespace sizing
{
enum class EPumpType
{
    Fixed,    // fixed displacement pump behind a relief valve
    Variable, // variable volume pump with a compensator
};

// The computed maximum shock pressure, kept in PSIA: 1.1 Pa while the absolute
// system pressure Pa is not above 2000 psia, else Pa + 200.
CUnitDouble PumpResponseMaximumShock(const CUnitDouble& system);

// The value put into an empty shock field, in the system pressure's unit.
// Fixed: the computed maximum. Variable: the same rule on the gauge pressure
// (1.1 Pg up to 2000 psig, else Pg + 200).
CUnitDouble PumpResponseDefaultShock(const CUnitDouble& system, EPumpType eType);

// 85 % of the system pressure's value, in its own unit (of the gauge value when entered in PSIG).
CUnitDouble PumpResponsePrecharge(const CUnitDouble& system);

struct SPumpResponseInput
{
    double dSystemPsia = 0.0;
    double dMaxShockPsia = -1.0; // not above -1: the lesser of 1.1 P and P + 200
    double dFlowGpm = 0.0;
    double dTempF = 70.0;
    double dResponseSec = 0.0;
    double dPrechargePsia = 0.0;
};

// The pump-response formula's pressures (the peak the lesser of 1.1 P and P + 200 when not
// entered) and the volume delivered over the response time.
SVolumeRelation PumpResponseRelation(const SPumpResponseInput& in);

// The pump-response gas run gives n; the delivered volume Vd = flow (in3/min) x
// response time (min); with a = (P2/P1)^(1/n) the required volume is
// Vd a / ((P0/P1) (a - 1)), not rounded. NotRequired when the flow is not above 0.
SSizingResult SizePumpResponse(const SPumpResponseInput& in);
} // namespace sizing
