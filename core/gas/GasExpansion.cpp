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

#include "gas/GasIntegration.h"

#include <cmath>
#include <initializer_list>

namespace gas
{
namespace detail
{
namespace
{
constexpr int kExponentTrials = 100;
constexpr int kEulerSteps = 100;
constexpr double kHoldingStep = 10.0;

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
    trial.dTau = TrialTau(in, Ve, D);
    trial.dSubSteps = Stepping(in.dStep, trial.dTau, in.nSteps).dPer;
    trial.P = EndPressure(in, Ve, trial.dTau, [](long long, long long, double, double, double, double) {});
    return trial;
}
} // namespace

SExpansionRun RunGasExpansion(EExpansionForm eForm, double dSize, double dTempF, double dTime, double dP1,
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
    return SExpansionRun{in, last};
}
} // namespace detail

SExpansion SimulateGasExpansion(EExpansionForm eForm, double dSize, double dTempF, double dTime, double dP1,
                                double dP2, double dPrecharge)
{
    const detail::SExpansionRun run = detail::RunGasExpansion(eForm, dSize, dTempF, dTime, dP1, dP2, dPrecharge);
    const detail::SIntegration& in = run.in;
    const double Ve = run.last.Ve;
    const double P = run.last.P;

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
