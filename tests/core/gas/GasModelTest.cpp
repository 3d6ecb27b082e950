// The nitrogen model's states, expansions, precharge rules and size loop against known values.
#include "gas/Gas.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace gas;

namespace
{
constexpr double kP1 = 3014.7, kP2 = 2014.7, kPre = 1814.7; // 3000 / 2000 / 1800 psig
} // namespace

TEST(NitrogenState, MatchesKnownStatesOfNitrogen)
{
    // Near atmospheric pressure nitrogen is almost ideal: cv close to 2.5 R.
    EXPECT_NEAR(GasSpecificVolume(530.0, 14.7), 13.81, 0.01);
    EXPECT_NEAR(GasHeatCapacity(530.0, GasSpecificVolume(530.0, 14.7)), 0.2052, 0.0005);
    EXPECT_NEAR(GasSpecificVolume(530.0, 3014.7), 0.0711, 0.0005);
    // The specific-volume search inverts the pressure to within its resolution.
    for (double P : {14.7, 514.7, 3014.7, 5014.7})
        EXPECT_NEAR(GasPressure(530.0, GasSpecificVolume(530.0, P)), P, 0.001) << P;
    // The psia search inverts as well, over the temperature range of the tools.
    for (double T : {360.0, 530.0, 910.0})
        EXPECT_NEAR(GasPressure(T, GasSpecificVolumePsia(T, 1514.7)), 1514.7, 0.001) << T;
}

TEST(GasExpansion, SlowDischargeDeliversMoreWithALowerExponent)
{
    const SExpansion fast = SimulateGasExpansion(EExpansionForm::Gallon, 5.0, 70.0, 5.0, kP1, kP2, kPre);
    EXPECT_NEAR(fast.dDelivered, 0.735, 0.001);
    EXPECT_NEAR(fast.dExponent, 1.84, 0.005);
    const SExpansion slow = SimulateGasExpansion(EExpansionForm::Gallon, 5.0, 70.0, 60.0, kP1, kP2, kPre);
    EXPECT_NEAR(slow.dDelivered, 0.924, 0.001);
    EXPECT_NEAR(slow.dExponent, 1.49, 0.005);
}

TEST(GasExpansion, LongHoldOfASmallAccumulatorStaysFinite)
{
    // 10 in3 over 1000 s and more: 10 s Euler steps are longer than twice the
    // thermal time constant, which would make the temperatures run away.
    for (double t : {1000.0, 5000.0, 86400.0})
    {
        const SExpansion e =
            SimulateGasExpansion(EExpansionForm::Holding, 10.0 / 231.0, 70.0, t, kP1, kP2, kPre);
        EXPECT_TRUE(std::isfinite(e.dDelivered)) << t;
        // A slow hold is close to isothermal.
        EXPECT_GT(e.dExponent, 1.0) << t;
        EXPECT_LT(e.dExponent, 1.2) << t;
    }
}

TEST(Precharge, RulesAndLimits)
{
    EXPECT_EQ(OptimalPrecharge(1000.0, EPrechargeMode::Piston), 900.0);
    EXPECT_EQ(OptimalPrecharge(1500.0, EPrechargeMode::Piston), 1400.0);
    EXPECT_EQ(OptimalPrecharge(1500.0, EPrechargeMode::BladderOrDiaphragm), 1350.0);
    EXPECT_EQ(OptimalPrechargeMultipleEvents(1500.0, EPrechargeMode::BladderOrDiaphragm), 1200.0);
    EXPECT_EQ(OptimalPrechargeMultipleEvents(1500.0, EPrechargeMode::Piston), 1400.0);
    EXPECT_EQ(AllowedShockPressure(1000.0), 1050.0);
    EXPECT_EQ(AllowedShockPressure(3000.0), 3100.0);
    EXPECT_NEAR(AllowedPumpResponsePressure(1000.0), 1100.0, 1e-9);
    EXPECT_EQ(AllowedPumpResponsePressure(2500.0), 2700.0);
    EXPECT_EQ(ShockPrecharge(1000.0), 600.0);
}

TEST(Precharge, TemperatureChangesAClosedCharge)
{
    const double dWarm = PrechargeAtTemperature(70.0, 150.0, 1514.7, -1.0);
    EXPECT_GT(dWarm, 1514.7);
    EXPECT_LT(PrechargeAtTemperature(70.0, -20.0, 1514.7, -1.0), 1514.7);
    // Known final pressure: the beginning pressure comes back.
    EXPECT_NEAR(PrechargeAtTemperature(70.0, 150.0, -1.0, dWarm), 1514.7, 0.01);
    EXPECT_TRUE(std::isnan(PrechargeAtTemperature(70.0, 150.0, -1.0, -1.0)));
}

TEST(GasSizing, SizesInWholeCubicInchesAndAppliesTheRules)
{
    const SGasSizing sized = SizeAuxiliaryPowerGas(150.0, 70.0, 5.0, kP1, kP2, kPre, EPrechargeMode::Piston);
    ASSERT_EQ(sized.eStatus, EGasSizingStatus::Sized);
    EXPECT_EQ(sized.dSizeIn3, std::ceil(sized.dSizeIn3));
    EXPECT_GT(sized.dSizeIn3, 150.0);
    EXPECT_NEAR(sized.dSizeIn3, sized.dRatio * 150.0, 1.0);
    EXPECT_GT(sized.dExponent, 1.0);

    // A precharge of -1 takes the rule; anything above -1 is used as given.
    const SGasSizing byRule = SizeAuxiliaryPowerGas(150.0, 70.0, 5.0, kP1, kP2, -1.0, EPrechargeMode::Piston);
    const SGasSizing explicitRule = SizeAuxiliaryPowerGas(
        150.0, 70.0, 5.0, kP1, kP2, OptimalPrecharge(kP2, EPrechargeMode::Piston), EPrechargeMode::Piston);
    EXPECT_EQ(byRule.dSizeIn3, explicitRule.dSizeIn3);
    EXPECT_EQ(byRule.dExponent, explicitRule.dExponent);
    EXPECT_NE(SizeAuxiliaryPowerGas(150.0, 70.0, 5.0, kP1, kP2, 1000.0, EPrechargeMode::Piston).dSizeIn3,
              byRule.dSizeIn3);
}

TEST(GasSizing, NothingToDeliverNeedsNoAccumulator)
{
    // Checked before any simulation: the unusable pressures never matter.
    const SGasSizing none = SizeAuxiliaryPowerGas(0.0, 70.0, 5.0, NAN, NAN, kPre, EPrechargeMode::Piston);
    EXPECT_EQ(none.eStatus, EGasSizingStatus::NotRequired);
    EXPECT_EQ(none.dSizeIn3, -1.0);
    EXPECT_EQ(none.dExponent, 0.0);
    // A pump that delivers more than the actuator takes leaves a negative deficit.
    const SGasSizing covered = SizeSupplementingPumpFlowGas(100.0, 70.0, 5.0, 10.0, 5.0, kP1, kP2, kPre);
    EXPECT_EQ(covered.eStatus, EGasSizingStatus::NotRequired);
    EXPECT_NEAR(covered.dRequiredIn3, 100.0 - 10.0 * 5.0 / 60.0 * 231.0, 1e-9);
}

TEST(GasSizing, UnusableInputEndsTheLoopInsteadOfReturningNaN)
{
    // Equal pressures deliver nothing; a zero time divides by zero; NaN input.
    EXPECT_EQ(SizeAuxiliaryPowerGas(150.0, 70.0, 5.0, kP2, kP2, kPre, EPrechargeMode::Piston).eStatus,
              EGasSizingStatus::CannotCompute);
    EXPECT_EQ(SizeAuxiliaryPowerGas(150.0, 70.0, 0.0, kP1, kP2, kPre, EPrechargeMode::Piston).eStatus,
              EGasSizingStatus::CannotCompute);
    EXPECT_EQ(SizeAuxiliaryPowerGas(NAN, 70.0, 5.0, kP1, kP2, kPre, EPrechargeMode::Piston).eStatus,
              EGasSizingStatus::CannotCompute);
    const SGasSizing failed = SizeHoldingGas(1.0, 70.0, 1000.0, kP1, kP1, kPre, EPrechargeMode::Piston);
    EXPECT_EQ(failed.eStatus, EGasSizingStatus::CannotCompute);
    EXPECT_EQ(failed.dSizeIn3, -1.0);
}

TEST(GasSizing, LongHoldsOfSmallLeaksAreSized)
{
    // 0.6 in3/min over 1000 s: a 10 in3 leak whose trials need the stable sub-steps.
    const SGasSizing s = SizeHoldingGas(0.6, 70.0, 1000.0, kP1, kP2, kPre, EPrechargeMode::Piston);
    ASSERT_EQ(s.eStatus, EGasSizingStatus::Sized);
    EXPECT_GT(s.dSizeIn3, 10.0);
    EXPECT_LT(s.dSizeIn3, 100.0);
}
