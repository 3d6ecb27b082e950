// The calculated optimal precharges that the precharge groups show, in the unit the user entered.
#pragma once

#include "units/UnitDouble.h"

namespace sizing
{
struct SPrechargePair
{
    CUnitDouble piston;  // "For a Piston Accumulator:"
    CUnitDouble bladder; // "For a Bladder / Diaphragm Accumulator:"
};

// Auxiliary power and holding: the optimal-precharge rule applied to the gauge
// value when the minimum was entered in a gauge unit, else to the absolute pressure and
// converted back. Both results carry the minimum's unit.
SPrechargePair OptimalPrechargesForMinimum(const CUnitDouble& minimum);

// Supplementing pump flow (one actuator or multiple events): the rule always
// applied to the minimum in PSIG, the result converted back to the minimum's unit.
SPrechargePair OptimalPrechargesFromGauge(const CUnitDouble& minimum);
} // namespace sizing
