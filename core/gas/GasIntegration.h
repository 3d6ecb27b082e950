// Inside the gas model: the Euler integration of one exponent trial and the searched run, shared by
// the expansion's results and the trajectory that shows its states.
#pragma once

#include "gas/GasConstants.h"
#include "gas/GasExpansion.h"
#include "gas/NitrogenState.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gas::detail
{
struct SIntegration
{
    double dVs;     // start volume, cu ft
    double dMass;   // gas mass, lb
    double dT0;     // start and wall temperature, deg R
    double dTime;   // process time, s
    double dStep;   // Euler step, s
    long long nSteps;
};

// Sub-steps a trial may add in all (100 steps of 64): without a bound the work grows with the
// process time over the thermal time constant, and a long time would never finish.
constexpr double kSubStepBudget = 6400.0;

// A step of at least twice the thermal time constant makes the explicit Euler
// temperature error grow every step (the temperatures run away); such a trial
// is integrated with equal sub-steps no longer than the time constant. When that
// would take more sub-steps than the budget allows, the sub-steps stay longer than
// the time constant and each relaxes the temperature exactly towards the state it
// settles at (bRelax): stable for any step, and the gas is then near the wall's
// temperature anyway.
struct SStepping
{
    double dPer = 1.0;   // sub-steps of each step (1: the literal steps)
    bool bRelax = false; // sub-steps longer than the time constant
};

inline SStepping Stepping(double dStep, double dTau, long long nSteps)
{
    if (!(dTau > 0.0) || !std::isfinite(dTau) || !(dStep >= 2.0 * dTau))
        return {};
    const double dNeeded = std::ceil(dStep / dTau);
    const double dAllowed = std::max(1.0, std::floor(kSubStepBudget / static_cast<double>(nSteps)));
    return dNeeded <= dAllowed ? SStepping{dNeeded, false} : SStepping{dAllowed, true};
}

// Integrates one exponent trial from Vs to Ve and returns the end pressure (psia).
// fnStep(i, nSteps, h, T, V, v) sees each step's temperature (deg R), volume (cu ft)
// and specific volume (cu ft/lb) after step i of nSteps of h seconds; the search passes a
// no-op, so what it observes never changes a result.
template <class FnStep> double EndPressure(const SIntegration& in, double dVe, double dTau, FnStep&& fnStep)
{
    const double dVdt = (dVe - in.dVs) / in.dTime;
    const double dvdt = dVdt / in.dMass;
    const double dVmolRate = dvdt / kCuFtPerLbPerLitrePerMol;
    const double Twk = in.dT0 / kRankinePerKelvin;

    const SStepping stepping = Stepping(in.dStep, dTau, in.nSteps);
    const double dPer = stepping.dPer;
    const double h = dPer == 1.0 ? in.dStep : in.dStep / dPer;
    const long long nSteps = in.nSteps * static_cast<long long>(dPer);
    const double dRelax = stepping.bRelax ? std::exp(-h / dTau) : 0.0;

    double T = in.dT0;
    double V = in.dVs;
    double v = V / in.dMass;
    for (long long i = 0; i < nSteps; ++i)
    {
        V = V + dVdt * h;
        v = V / in.dMass;
        // Terms of the molar volume alone.
        const double Vm = v / kCuFtPerLbPerLitrePerMol;
        const double V2 = Vm * Vm;
        const double V3 = V2 * Vm;
        const double g2 = kGamma / V2;
        const double expg = std::exp(-g2);
        // Terms of the temperature alone.
        const double Tk = T / kRankinePerKelvin;
        const double Tk2 = Tk * Tk;
        const double Tk3 = Tk2 * Tk;
        const double x = kN9 / Tk;
        const double ex = std::exp(x);
        // GasHeatCapacity(T, v).
        const double cv0 = kR * (kN1 / Tk3 + kN2 / Tk2 + kN3 / Tk + (kN4 - 1.0) + kN5 * Tk + kN6 * Tk2 +
                                 kN7 * Tk3 + kN8 * (x * x) * ex / ((ex - 1.0) * (ex - 1.0)));
        const double cv = cv0 + 6.0 / Tk3 * (kC0 / Vm - kc / kGamma) + 3.0 * kc / Tk3 * (2.0 / kGamma + 1.0 / V2) * expg;
        // GasTemperatureRate(T, v, cv, dv/dt, T0, tau).
        const double S = kR * Tk * (kb / V2 + 1.0) / Vm + (kB0 * kR * Tk + 2.0 * kC0 / Tk2) / V2 -
                         2.0 * kc * (g2 + 1.0) * expg / (V3 * Tk2);
        if (stepping.bRelax)
        {
            const double Tsettled = Twk - dTau * S * dVmolRate / cv;
            T = kRankinePerKelvin * (Tsettled + (Tk - Tsettled) * dRelax);
        }
        else
            T = T + kRankinePerKelvin * ((Twk - Tk) / dTau - S * dVmolRate / cv) * h;
        fnStep(i, nSteps, h, T, V, v);
    }
    return GasPressure(T, v);
}

// One exponent trial: the end volume of exponent n and the pressure reached there.
struct STrial
{
    double n = std::numeric_limits<double>::quiet_NaN();
    double Ve = std::numeric_limits<double>::quiet_NaN();
    double P = std::numeric_limits<double>::quiet_NaN();
    double dSubSteps = 0.0;
    double dTau = std::numeric_limits<double>::quiet_NaN();
};

// The expansion as the search left it: its integration and the trial whose
// exponent it settled on (the trial the results come from).
struct SExpansionRun
{
    SIntegration in;
    STrial last;
};

SExpansionRun RunGasExpansion(EExpansionForm eForm, double dSize, double dTempF, double dTime, double dP1,
                              double dP2, double dPrecharge);
} // namespace gas::detail
