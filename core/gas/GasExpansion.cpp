// The expansion simulation: exponent search around an explicit Euler integration.
//
// Results are bit-identical to evaluating the model literally (every step
// calling GasHeatCapacity, GasTemperatureRate and GasPressure, all 100 exponent
// trials); the speed comes only from not repeating work:
// - terms that depend only on the molar volume or only on the temperature are
//   evaluated once per step and shared by the heat capacity and the rate;
// - the pressure is needed only after the last step, so it is computed once;
// - once the halved increment no longer moves the exponent, every later trial
//   repeats the same state, so the search stops there; a trial whose end volume
//   equals the previous trial's would also repeat it, so it is not integrated again;
// - a trial whose end pressure lies within 0.1 % of P2 leaves the search step as
//   it is, and the exponent then moves by at most the remaining halved increments.
//   When the end pressure cannot leave that band over the exponent's remaining
//   range (bounded with ten times the observed slope), the later trials cannot
//   change the search, and only the final exponent is integrated.
#include "gas/GasExpansion.h"

#include "gas/GasConstants.h"
#include "gas/NitrogenState.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace gas
{
namespace
{
constexpr int kExponentTrials = 100;
constexpr int kEulerSteps = 100;
constexpr double kHoldingStep = 10.0;
// Sub-steps a trial may add in all (100 steps of 64): without a bound the work grows with the
// process time over the thermal time constant, and a long time would never finish.
constexpr double kSubStepBudget = 6400.0;

struct SIntegration
{
    double dVs;     // start volume, cu ft
    double dMass;   // gas mass, lb
    double dT0;     // start and wall temperature, deg R
    double dTime;   // process time, s
    double dStep;   // Euler step, s
    long long nSteps;
};

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

SStepping Stepping(double dStep, double dTau, long long nSteps)
{
    if (!(dTau > 0.0) || !std::isfinite(dTau) || !(dStep >= 2.0 * dTau))
        return {};
    const double dNeeded = std::ceil(dStep / dTau);
    const double dAllowed = std::max(1.0, std::floor(kSubStepBudget / static_cast<double>(nSteps)));
    return dNeeded <= dAllowed ? SStepping{dNeeded, false} : SStepping{dAllowed, true};
}

// Integrates one exponent trial from Vs to Ve and returns the end pressure (psia).
double EndPressure(const SIntegration& in, double dVe, double dTau)
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
};

double TrialTau(const SIntegration& in, double Ve, double D)
{
    const double ve = Ve / in.dMass;
    const double Pe = GasPressure(in.dT0, ve);
    return ThermalTimeConstant(Pe, Ve, in.dT0, in.dVs, D);
}

STrial Integrate(const SIntegration& in, double n, double Ve, double D)
{
    STrial trial;
    trial.n = n;
    trial.Ve = Ve;
    const double tau = TrialTau(in, Ve, D);
    trial.dSubSteps = Stepping(in.dStep, tau, in.nSteps).dPer;
    trial.P = EndPressure(in, Ve, tau);
    return trial;
}
} // namespace

SExpansion SimulateGasExpansion(EExpansionForm eForm, double dSize, double dTempF, double dTime, double dP1,
                                double dP2, double dPrecharge)
{
    const double pi = 4.0 * std::atan(1.0);
    double D;
    double dVtot;
    if (eForm == EExpansionForm::CubicInch)
    {
        D = std::pow(4.0 * dSize / 10.0 / pi, 1.0 / 3.0) / 12.0;
        dVtot = dSize / kCuInPerCuFt;
    }
    else
    {
        D = std::pow(4.0 * dSize * kCuInPerGallon / 10.0 / pi, 1.0 / 3.0) / 12.0;
        dVtot = dSize / kGallonsPerCuFt;
    }

    SIntegration in;
    in.dT0 = dTempF + kRankineOffset;
    in.dTime = dTime;
    in.dStep = dTime / kEulerSteps;
    in.nSteps = kEulerSteps;
    if (eForm == EExpansionForm::Holding && dTime / kEulerSteps >= kHoldingStep)
    {
        in.dStep = kHoldingStep;
        const double dCount = dTime / kHoldingStep;
        in.nSteps = dCount < 9.0e15 ? static_cast<long long>(dCount) : 0;
    }
    const double r = dP1 / dP2;
    // The whole size filled at the precharge, then compressed to P1, both at T0.
    in.dMass = dVtot / GasSpecificVolume(in.dT0, dPrecharge);
    in.dVs = in.dMass * GasSpecificVolume(in.dT0, dP1);

    double n = 1.5;
    double dSearchStep = 0.0;
    STrial last;   // the last integrated trial
    STrial before; // the one integrated before it
    int nIntegrated = 0;
    // Whether the later trials can no longer change the search (see the top of this file).
    auto bandHolds = [&](int k) {
        const double dBand = 0.1 * dP2 / 100.0;
        const double dOff = std::fabs(last.P - dP2);
        const double dRun = std::fabs(last.n - before.n);
        if (nIntegrated < 2 || !(dOff < dBand) || !(dRun > 0.0 && dRun <= 0.01))
            return false;
        const double dSlope = std::fabs(last.P - before.P) / dRun;
        const double dRemaining = std::fabs(dSearchStep) / std::ldexp(1.0, k - 1);
        const double dReach = std::fabs(n - last.n) + dRemaining;
        if (!(dOff + 10.0 * dSlope * dReach < 0.999 * dBand))
            return false;
        // The integration must keep its step division over the whole remaining range.
        const double nLimit = n + (dSearchStep > 0.0 ? dRemaining : -dRemaining);
        for (double nEnd : {n, nLimit})
            if (Stepping(in.dStep, TrialTau(in, in.dVs * std::pow(r, 1.0 / nEnd), D), in.nSteps).dPer !=
                last.dSubSteps)
                return false;
        return true;
    };

    int k = 1;
    bool bSettled = false;
    for (; k <= kExponentTrials; ++k)
    {
        const double nNext = n + dSearchStep / std::ldexp(1.0, k - 1);
        if (k > 1 && nNext == n)
            break;
        n = nNext;
        const double Ve = in.dVs * std::pow(r, 1.0 / n);
        if (!(nIntegrated > 0 && Ve == last.Ve))
        {
            if (bandHolds(k))
            {
                bSettled = true;
                break;
            }
            before = last;
            last = Integrate(in, n, Ve, D);
            ++nIntegrated;
        }
        const double diff = last.P - dP2;
        const double err = std::fabs(diff) / dP2 * 100.0;
        if (err > 0.1)
            dSearchStep = diff < 0.0 ? 1.5 : -1.5;
    }
    if (bSettled)
    {
        // The step stays as it is: follow the exponent to where it stops moving,
        // and integrate that final trial.
        for (++k; k <= kExponentTrials; ++k)
        {
            const double nNext = n + dSearchStep / std::ldexp(1.0, k - 1);
            if (nNext == n)
                break;
            n = nNext;
        }
        const double Ve = in.dVs * std::pow(r, 1.0 / n);
        if (Ve != last.Ve)
            last = Integrate(in, n, Ve, D);
    }
    const double Ve = last.Ve;
    const double P = last.P;

    SExpansion result;
    const double dPerCuFt = eForm == EExpansionForm::CubicInch ? kCuInPerCuFt : kGallonsPerCuFt;
    result.dDelivered = (Ve - in.dVs) * dPerCuFt * kDeliveryEfficiency;
    result.dExponent = std::log(dP1 / P) / std::log(Ve / in.dVs);
    return result;
}

double ReferencePolytropicExponent(double dTempF, double dP1, double dP2, double dPrecharge, double dTime)
{
    return SimulateGasExpansion(EExpansionForm::Gallon, 5.0, dTempF, dTime, dP1, dP2, dPrecharge).dExponent;
}
} // namespace gas
