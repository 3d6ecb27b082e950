// Leakage estimate, precharge display pairs and what the actuator calculations refuse.
#include "sizing/Sizing.h"

#include "StatusCases.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sizing;

namespace
{
// 3000 / 2000 psig with 1800 psig precharge, in psia.
constexpr double kP1 = 3014.7, kP2 = 2014.7, kP0 = 1814.7;

const SSupplementingPumpFlowInput kPumpFlow{.dActuatorVolumeIn3 = 300.0,
                                            .dActuationSec = 2.0,
                                            .dDwellSec = 8.0,
                                            .dPumpGpm = 5.0,
                                            .dMaxPsia = kP1,
                                            .dMinPsia = kP2,
                                            .dPrechargePsia = kP0};
const SAuxiliaryPowerInput kAux{.dActuatorVolumeIn3 = 150.0,
                                .dActuationSec = 5.0,
                                .dDwellSec = 20.0,
                                .dMaxPsia = kP1,
                                .dMinPsia = kP2,
                                .dPrechargePsia = kP0};
const SHoldingInput kHolding{
    .dMaxPsia = kP1, .dMinPsia = kP2, .dHoldSec = 600.0, .dLeakIn3PerMin = 8.18, .dPrechargePsia = kP0};
} // namespace

TEST(SupplementingPumpFlow, NotRequiredAndRefusals)
{
    using In = SSupplementingPumpFlowInput;
    // 40 gpm over 2 s covers the actuator, whatever the pressures.
    In covered = kPumpFlow;
    covered.dPumpGpm = 40.0;
    ExpectStatuses<In>(covered,
                       {{[](In&) {}, ESizingStatus::NotRequired},
                        {[](In& in) { in.dMinPsia = kP1; }, ESizingStatus::NotRequired}},
                       SizeSupplementingPumpFlow);
    ExpectStatuses<In>(kPumpFlow,
                       {{[](In& in) { in.dMinPsia = kP1; }, ESizingStatus::CannotCompute},
                        {[](In& in) { in.dPrechargePsia = 0.0; }, ESizingStatus::CannotCompute},
                        {[](In& in) { in.dActuationSec = 0.0; }, ESizingStatus::CannotCompute},
                        {[](In& in) { in.dDwellSec = 0.0; }, ESizingStatus::CannotCompute},
                        {[](In& in) { in.dMaxPsia = NAN; }, ESizingStatus::CannotCompute}},
                       SizeSupplementingPumpFlow);
}

TEST(AuxiliaryPower, Refusals)
{
    using In = SAuxiliaryPowerInput;
    ExpectStatuses<In>(kAux,
                       {{[](In& in) { in.dActuatorVolumeIn3 = 0.0; }, ESizingStatus::NotRequired},
                        {[](In& in) { in.dMinPsia = kP1; }, ESizingStatus::CannotCompute},
                        {[](In& in) { in.dMinPsia = kP1 + 100.0; }, ESizingStatus::CannotCompute},
                        {[](In& in) { in.dPrechargePsia = 0.0; }, ESizingStatus::CannotCompute}},
                       SizeAuxiliaryPower);
}

TEST(Holding, EstimatedLeakageRate)
{
    EXPECT_NEAR(EstimateLeakageRate(1000.0, 1, 0.75).value(), 8.18, 1e-9);
    EXPECT_NEAR(EstimateLeakageRate(1000.0, 2, 0.75).value(), 16.36, 1e-9);
    EXPECT_NEAR(EstimateLeakageRate(1000.0, 1, 0.375).value(), 2.41, 1e-9);
    EXPECT_NEAR(EstimateLeakageRate(1000.0, 1, 1.25).value(), 21.725, 1e-9);
    EXPECT_FALSE(EstimateLeakageRate(1000.0, 1, 0.5));
}

TEST(Holding, Refusals)
{
    using In = SHoldingInput;
    ExpectStatuses<In>(kHolding,
                       {{[](In& in) { in.dLeakIn3PerMin = 0.0; }, ESizingStatus::NotRequired},
                        {[](In& in) { in.dMinPsia = kP1; }, ESizingStatus::CannotCompute},
                        {[](In& in) { in.dHoldSec = 0.0; }, ESizingStatus::CannotCompute}},
                       SizeHolding);
}

TEST(PrechargeDisplay, EnteredScaleVersusGauge)
{
    // Auxiliary power and holding: gauge rule for PSIG, absolute rule otherwise.
    SPrechargePair pair = OptimalPrechargesForMinimum(CUnitDouble(2000.0, "PSIG"));
    EXPECT_EQ(pair.piston.GetUnit(), "PSIG");
    EXPECT_NEAR(pair.piston.Value(), 1900.0, 1e-9);
    EXPECT_NEAR(pair.bladder.Value(), 1800.0, 1e-9);

    // Supplementing pump flow: the gauge rule even for 1000 psia (985.3 psig).
    const CUnitDouble absolute(1000.0, "PSIA");
    pair = OptimalPrechargesFromGauge(absolute);
    EXPECT_EQ(pair.piston.GetUnit(), "PSIA");
    EXPECT_NEAR(pair.piston.GetValue("PSIG"), 0.9 * absolute.GetValue("PSIG"), 1e-6);
    EXPECT_NEAR(OptimalPrechargesForMinimum(absolute).piston.Value(), 900.0, 1e-9);

    // Gauge bar is a gauge entry like psi: 0.9 of 100 bar g, where 100 bar absolute gives 0.9 of it.
    pair = OptimalPrechargesForMinimum(CUnitDouble(100.0, "BARG"));
    EXPECT_EQ(pair.bladder.GetUnit(), "BARG");
    EXPECT_NEAR(pair.bladder.Value(), 90.0, 1e-9);
    // Shock suppression's 60 %: of the gauge value in its unit, else of the absolute one in psia.
    const CUnitDouble shockGauge = ShockSuppressionPrecharge(CUnitDouble(100.0, "BARG"));
    EXPECT_EQ(shockGauge.GetUnit(), "BARG");
    EXPECT_NEAR(shockGauge.Value(), 60.0, 1e-9);
    EXPECT_NEAR(ShockSuppressionPrecharge(CUnitDouble(100.0, "BAR")).GetValue("BAR"), 60.0, 1e-9);
}
