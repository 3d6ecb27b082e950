// The gas states of a simulated expansion: the run behind the model's results, step by step.
#include "gas/Gas.h"

#include "GasOracle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace
{
bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The literal Euler steps of the oracle for one exponent: the temperature (deg F) and
// pressure (psia) after each of the 100 steps of a gallon-form run.
struct SLiteral
{
    std::vector<double> T, P, V;
};

SLiteral LiteralRun(double size, double TF, double t, double P1, double P2, double Ppre, double n)
{
    const double pi = 4.0 * std::atan(1.0);
    const double D = std::pow(4.0 * size * 231.0 / 10.0 / pi, 1.0 / 3.0) / 12.0;
    const double T0 = TF + 460.0;
    const double m = size / 7.48052 / oracle::GasSpecificVolume(T0, Ppre);
    const double Vs = m * oracle::GasSpecificVolume(T0, P1);
    const double Ve = Vs * std::pow(P1 / P2, 1.0 / n);
    const double tau = oracle::ThermalTimeConstant(oracle::GasPressure(T0, Ve / m), Ve, T0, Vs, D);
    const double dt = t / 100.0;
    const double dVdt = (Ve - Vs) / t;
    SLiteral run;
    double T = T0, V = Vs;
    for (int i = 0; i < 100; ++i)
    {
        V = V + dVdt * dt;
        const double v = V / m;
        T = T + oracle::GasTemperatureRate(T, v, oracle::GasHeatCapacity(T, v), dVdt / m, T0, tau) * dt;
        run.T.push_back(T - 460.0);
        run.P.push_back(oracle::GasPressure(T, v));
        run.V.push_back(V * 1728.0);
    }
    return run;
}
} // namespace

TEST(GasTrajectory, EveryStepIsTheLiteralModelAndTheLastGivesTheResults)
{
    // 5 gallons at 70 deg F, 3000 down to 2000 psia in 2 s, precharged to 1800 psia.
    const gas::SGasTrajectory traj =
        gas::TraceGasExpansion(gas::EExpansionForm::Gallon, 5.0, 70.0, 2.0, 3000.0, 2000.0, 1800.0);
    ASSERT_EQ(traj.states.size(), 101u);
    const gas::SExpansion result =
        gas::SimulateGasExpansion(gas::EExpansionForm::Gallon, 5.0, 70.0, 2.0, 3000.0, 2000.0, 1800.0);
    EXPECT_TRUE(SameBits(traj.dExponent, result.dExponent));

    // The start: the charge at P1 and 70 deg F, 5 gal of gas at 1800 psia squeezed to 3000.
    const gas::SGasState& start = traj.states.front();
    EXPECT_EQ(start.dTimeSec, 0.0);
    EXPECT_EQ(start.dTempF, 70.0);
    EXPECT_NEAR(start.dPressurePsia, 3000.0, 0.01);
    EXPECT_LT(start.dVolumeIn3, 5.0 * 231.0 * 1800.0 / 3000.0 * 1.05);
    EXPECT_GT(start.dVolumeIn3, 5.0 * 231.0 * 1800.0 / 3000.0 * 0.95);

    const SLiteral literal = LiteralRun(5.0, 70.0, 2.0, 3000.0, 2000.0, 1800.0, traj.dTrialExponent);
    for (std::size_t i = 0; i < 100; ++i)
    {
        const gas::SGasState& s = traj.states[i + 1];
        EXPECT_NEAR(s.dTimeSec, 0.02 * static_cast<double>(i + 1), 1e-12);
        EXPECT_TRUE(SameBits(s.dTempF, literal.T[i]) && SameBits(s.dPressurePsia, literal.P[i]) &&
                    SameBits(s.dVolumeIn3, literal.V[i]))
            << "step " << i + 1 << ": " << s.dTempF << " " << s.dPressurePsia << " vs " << literal.T[i] << " "
            << literal.P[i];
    }
    // The search ends within 0.1 % of the minimum pressure.
    EXPECT_NEAR(traj.states.back().dPressurePsia, 2000.0, 2.0);
}

TEST(GasTrajectory, LongHoldsAreThinnedOutAndKeepTheLastStep)
{
    // 20000 s in 10 s steps: 2000 steps shown as at most 401 states.
    const gas::SGasTrajectory traj =
        gas::TraceGasExpansion(gas::EExpansionForm::Holding, 2.0, 70.0, 20000.0, 3000.0, 2500.0, 2000.0);
    ASSERT_FALSE(traj.states.empty());
    EXPECT_LE(traj.states.size(), static_cast<std::size_t>(gas::kMaxGasStates));
    EXPECT_GT(traj.states.size(), 300u);
    EXPECT_EQ(traj.states.back().dTimeSec, 20000.0);
    for (std::size_t i = 1; i < traj.states.size(); ++i)
        ASSERT_GT(traj.states[i].dTimeSec, traj.states[i - 1].dTimeSec);
    double n;
    oracle::SimulateGasExpansion(oracle::EForm::Holding, 2.0, 70.0, 20000.0, 3000.0, 2500.0, 2000.0, n);
    EXPECT_TRUE(SameBits(traj.dExponent, n));

    // 2001 steps shown every 6th: the last step is not one of them, and is kept all the same.
    const gas::SGasTrajectory odd =
        gas::TraceGasExpansion(gas::EExpansionForm::Holding, 2.0, 70.0, 20010.0, 3000.0, 2500.0, 2000.0);
    ASSERT_FALSE(odd.states.empty());
    EXPECT_EQ(odd.states.back().dTimeSec, 20010.0);
}

TEST(GasTrajectory, ARunWithoutFiniteStatesHasNone)
{
    EXPECT_TRUE(gas::TraceGasExpansion(gas::EExpansionForm::Gallon, 5.0, 70.0, 0.0, 3000.0, 2000.0, 1800.0)
                    .states.empty());
    EXPECT_TRUE(gas::TraceGasExpansion(gas::EExpansionForm::Gallon, 5.0, std::nan(""), 1.0, 3000.0, 2000.0, 1800.0)
                    .states.empty());
}
