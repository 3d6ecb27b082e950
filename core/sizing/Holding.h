// Holding and leakage compensation: the accumulator that holds pressure while fluid leaks away.
#pragma once

#include "sizing/SizingResult.h"

#include <optional>

namespace sizing
{
// The estimated leakage (in3/min) of nValves valves of size dValveSize at the
// maximum pressure (psia). Only sizes 0.375, 0.75 and 1.25 have a leakage
// formula; any other size cannot be estimated and gives nullopt.
std::optional<double> EstimateLeakageRate(double dMaxPsia, int nValves, double dValveSize);

struct SHoldingInput
{
    double dMaxPsia = 0.0;
    double dMinPsia = 0.0;
    double dTempF = 70.0;
    double dHoldSec = 0.0;
    double dLeakIn3PerMin = 0.0;
    double dPrechargePsia = 0.0;
};

// The holding run gives n; the leaked volume V = rate x hold time in minutes;
// the required volume is V (P1/P2) / (0.95 (P0/P2) ((P1/P2)^(1/n) - 1)), not
// rounded. No charging exponent. NotRequired when nothing leaks.
SSizingResult SizeHolding(const SHoldingInput& in);
} // namespace sizing
