// The states an accumulator's gas passes through in a simulated expansion: pressure, temperature
// and volume over the process time.
#pragma once

#include "gas/GasExpansion.h"

#include <vector>

namespace gas
{
struct SGasState
{
    double dTimeSec;
    double dPressurePsia;
    double dTempF;
    double dVolumeIn3; // volume of the gas space
};

struct SGasTrajectory
{
    // The start (P1 at the charge temperature), then the Euler steps of the run, thinned
    // out evenly to at most kMaxGasStates with the last step always kept. Empty when the
    // run gave no finite states.
    std::vector<SGasState> states;
    // The exponent the search settled on; the effective exponent of the run.
    double dTrialExponent = 0.0;
    double dExponent = 0.0;
};

constexpr int kMaxGasStates = 401;

// The run of SimulateGasExpansion with the same arguments, step by step: its last state
// is the one the expansion's results come from, and its exponent is theirs, bit for bit.
SGasTrajectory TraceGasExpansion(EExpansionForm eForm, double dSize, double dTempF, double dTime, double dP1,
                                 double dP2, double dPrecharge);
} // namespace gas
