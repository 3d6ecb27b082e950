// The trajectory of the settled exponent trial, integrated once more with each step recorded.
#include "gas/GasTrajectory.h"

#include "gas/GasIntegration.h"

#include <cmath>

namespace gas
{
namespace
{
SGasState State(double dTime, double dTr, double dVolume, double dVspec)
{
    return {dTime, GasPressure(dTr, dVspec), dTr - kRankineOffset, dVolume * kCuInPerCuFt};
}
} // namespace

SGasTrajectory TraceGasExpansion(EExpansionForm eForm, double dSize, double dTempF, double dTime, double dP1,
                                 double dP2, double dPrecharge)
{
    SGasTrajectory trajectory;
    const detail::SExpansionRun run = detail::RunGasExpansion(eForm, dSize, dTempF, dTime, dP1, dP2, dPrecharge);
    const detail::SIntegration& in = run.in;
    if (!std::isfinite(run.last.Ve) || !std::isfinite(run.last.dTau) || !(in.dMass > 0.0))
        return trajectory;

    std::vector<SGasState>& states = trajectory.states;
    states.push_back(State(0.0, in.dT0, in.dVs, in.dVs / in.dMass));
    long long nEvery = 0;
    const double P = detail::EndPressure(
        in, run.last.Ve, run.last.dTau,
        [&](long long i, long long nSteps, double h, double T, double V, double v)
        {
            if (nEvery == 0)
            {
                nEvery = (nSteps + kMaxGasStates - 2) / (kMaxGasStates - 1);
                states.reserve(static_cast<std::size_t>(nSteps / nEvery + 2));
            }
            if ((i + 1) % nEvery == 0 || i + 1 == nSteps)
                states.push_back(State(static_cast<double>(i + 1) * h, T, V, v));
        });
    trajectory.dTrialExponent = run.last.n;
    trajectory.dExponent = std::log(dP1 / P) / std::log(run.last.Ve / in.dVs);
    for (const SGasState& s : states)
        if (!std::isfinite(s.dPressurePsia) || !std::isfinite(s.dTempF) || !std::isfinite(s.dVolumeIn3))
        {
            states.clear();
            break;
        }
    return trajectory;
}
} // namespace gas
