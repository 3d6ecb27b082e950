// Output of an existing accumulator: the fluid it delivers between two pressures.
#pragma once

#include "sizing/PrechargeDisplay.h"
#include "sizing/SizingResult.h"

namespace sizing
{
// The tool's optimum precharges, in the minimum's unit: with the minimum below
// 1000 psig both are 0.9 x the value as entered; from 1000 psig the piston
// optimum is 100 psi below the gauge minimum and the bladder one stays 0.9 x the value.
SPrechargePair OutputExistingOptimalPrecharges(const CUnitDouble& minimum);

struct SOutputExistingInput
{
    double dVolumeIn3 = 0.0; // gas volume of the accumulator
    double dMaxPsia = 0.0;
    double dMinPsia = 0.0;
    double dDischargeSec = 0.0;
    double dTempF = 70.0;
    double dPrechargePsia = 0.0;
};

struct SOutputExistingResult
{
    // Sized: the output holds a delivered volume; NotRequired: it delivers
    // nothing (the results show the "does not require" message).
    ESizingStatus eStatus = ESizingStatus::CannotCompute;
    double dOutputIn3 = 0.0; // not rounded
    double dExponent = 0.0;
    std::string strReason;
};

// 0.95 V0 (P0/P2) ((P1/P2)^(1/n) - 1) / (P1/P2): what a gas volume V0 (in3) precharged to P0
// delivers from P1 down to P2 (psia) with the discharge exponent n.
double ExistingAccumulatorOutput(double dVolumeIn3, double dP1, double dP2, double dP0, double dExponent);

// The exponent of a cubic-inch expansion of the volume from P1 to P2 over the
// discharge time, then 0.95 V0 (P0/P2) ((P1/P2)^(1/n) - 1) / (P1/P2).
SOutputExistingResult OutputOfExistingAccumulator(const SOutputExistingInput& in);
} // namespace sizing
