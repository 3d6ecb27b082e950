// Shock suppression, pump response and pulsation dampening: their pressure rules, factors and refusals.
#include "sizing/Pulsation.h"
#include "sizing/PumpResponse.h"
#include "sizing/ShockSuppression.h"

#include "StatusCases.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sizing;

namespace
{
constexpr double kP = 2014.7; // 2000 psig

const SShockSuppressionInput kShock{
    .dSystemPsia = kP, .dFlowGpm = 50.0, .dLengthIn = 600.0, .dInsideDiaIn = 1.049, .dDensity = 0.0314};
const SPumpResponseInput kResponse{.dSystemPsia = kP,
                                   .dMaxShockPsia = kP + 200.0,
                                   .dFlowGpm = 20.0,
                                   .dResponseSec = 0.05,
                                   .dPrechargePsia = 0.85 * kP};
const SPulsationInput kPulsation{.dSystemPsia = kP, .dFlowGpm = 10.0, .nSpeedRpm = 1200, .nPistons = 3};
} // namespace

TEST(ShockRules, SuppressionMaximumAndPrecharge)
{
    EXPECT_NEAR(MaximumAllowableShockPressure(CUnitDouble(1000.0, "PSIG")).Value(), 1050.0, 1e-9);
    // Above 2000 psig in another unit: 100 psi on the gauge value, in that unit.
    const CUnitDouble bar(300.0, "BAR");
    EXPECT_EQ(MaximumAllowableShockPressure(bar).GetUnit(), "BAR");
    EXPECT_NEAR(MaximumAllowableShockPressure(bar).GetValue("PSIG"), bar.GetValue("PSIG") + 100.0, 1e-6);

    // 60 % of the gauge value only when entered in PSIG.
    EXPECT_TRUE(
        ShockSuppressionPrecharge(CUnitDouble(1000.0, "PSIG")).IsIdentical(CUnitDouble(600.0, "PSIG")));
    const CUnitDouble absolute = ShockSuppressionPrecharge(CUnitDouble(100.0, "BAR"));
    EXPECT_EQ(absolute.GetUnit(), "PSIA");
    EXPECT_NEAR(absolute.Value(), 0.6 * CUnitDouble(100.0, "BAR").GetValue("PSIA"), 1e-9);
}

TEST(ShockRules, PumpResponsePressures)
{
    EXPECT_NEAR(PumpResponseMaximumShock(CUnitDouble(1000.0, "PSIA")).Value(), 1100.0, 1e-9);
    EXPECT_EQ(PumpResponseMaximumShock(CUnitDouble(1000.0, "PSIG")).GetUnit(), "PSIA");
    // The fixed default is the absolute rule, the variable one the gauge rule.
    const CUnitDouble system(1000.0, "PSIG");
    const CUnitDouble fixed = PumpResponseDefaultShock(system, EPumpType::Fixed);
    EXPECT_EQ(fixed.GetUnit(), "PSIG");
    EXPECT_NEAR(fixed.GetValue("PSIA"), 1.1 * system.GetValue("PSIA"), 1e-6);
    EXPECT_NEAR(PumpResponseDefaultShock(system, EPumpType::Variable).Value(), 1100.0, 1e-6);
    EXPECT_TRUE(PumpResponsePrecharge(system).IsIdentical(CUnitDouble(850.0, "PSIG")));
}

TEST(ShockSuppression, WholeCubicInchesDefaultShockAndRefusals)
{
    const SShockSuppressionResult r = ShockSuppressionVolume(kShock);
    ASSERT_EQ(r.eStatus, ESizingStatus::Sized) << r.strReason;
    EXPECT_EQ(r.dRequiredIn3, std::ceil(r.dRequiredIn3));
    EXPECT_NEAR(r.dShockPsia, kP + 100.0, 1e-9); // not entered: the lesser of 1.05 P and P + 100
    EXPECT_NEAR(r.dPrechargePsia, 0.6 * kP, 1e-9);

    using In = SShockSuppressionInput;
    ExpectStatuses<In>(kShock,
                       {{[](In& in) { in.dFlowGpm = 0.0; }, ESizingStatus::NotRequired},
                        {[](In& in) { in.dInsideDiaIn = 0.0; }, ESizingStatus::CannotCompute},
                        {[](In& in) { in.dMaxShockPsia = kP; }, ESizingStatus::CannotCompute},
                        {[](In& in) { in.dSystemPsia = 0.0; }, ESizingStatus::CannotCompute}},
                       ShockSuppressionVolume);
}

TEST(PumpResponse, Refusals)
{
    using In = SPumpResponseInput;
    ExpectStatuses<In>(kResponse,
                       {{[](In& in) { in.dFlowGpm = 0.0; }, ESizingStatus::NotRequired},
                        {[](In& in) { in.dMaxShockPsia = kP; }, ESizingStatus::CannotCompute},
                        {[](In& in) { in.dPrechargePsia = 0.0; }, ESizingStatus::CannotCompute},
                        {[](In& in) { in.dResponseSec = 0.0; }, ESizingStatus::CannotCompute}},
                       SizePumpResponse);
}

TEST(Pulsation, Factors)
{
    EXPECT_NEAR(PulsationFactor(1, EPumpAction::SingleActing).value(), 0.6, 5e-6);
    EXPECT_NEAR(PulsationFactor(1, EPumpAction::DoubleActing).value(), 0.25079, 5e-6);
    for (int x = 1; x <= kMaxPistons; ++x)
    {
        EXPECT_GT(PulsationFactor(x, EPumpAction::SingleActing).value(), 0.0) << x;
        EXPECT_GT(PulsationFactor(x, EPumpAction::DoubleActing).value(), 0.0) << x;
    }
    EXPECT_FALSE(PulsationFactor(0, EPumpAction::SingleActing));
    EXPECT_FALSE(PulsationFactor(7, EPumpAction::DoubleActing));
    EXPECT_FALSE(PulsationFactor(1, static_cast<EPumpAction>(3)));
}

TEST(Pulsation, DialogValues)
{
    const CUnitDouble previous(5.0, "CU_IN_REV");
    const CUnitDouble disp = CalculatedDisplacement(CUnitDouble(10.0, "GPM"), 1200, previous);
    EXPECT_EQ(disp.GetUnit(), "CU_IN_REV");
    EXPECT_NEAR(disp.Value(), 1.925, 1e-5);
    EXPECT_TRUE(CalculatedDisplacement(CUnitDouble(10.0, "GPM"), 0, previous).IsIdentical(previous));
    // The default works on the number as displayed, whatever the unit.
    EXPECT_NEAR(PulsationDefaultShock(CUnitDouble(2500.0, "BAR")).Value(), 2600.0, 1e-9);
    EXPECT_NEAR(PulsationDefaultShock(CUnitDouble(1500.0, "PSIA")).Value(), 1575.0, 1e-9);
    // The precharge ends in the system pressure's unit.
    const CUnitDouble system(200.0, "BAR");
    EXPECT_EQ(PulsationPrecharge(system).GetUnit(), "BAR");
    EXPECT_NEAR(PulsationPrecharge(system).GetValue("PSIA"), 0.6 * system.GetValue("PSIA"), 1e-6);
    EXPECT_NEAR(PulsationPrecharge(CUnitDouble(1000.0, "PSIG")).Value(), 600.0, 1e-9);
}

TEST(Pulsation, VolumeAndRefusals)
{
    // An entered displacement of flow / speed needs no speed and gives the same volume.
    SPulsationInput in = kPulsation;
    in.dDisplacementGalPerRev = 10.0 / 1200.0;
    in.nSpeedRpm = 0;
    EXPECT_EQ(PulsationVolume(in).dRequiredIn3, PulsationVolume(kPulsation).dRequiredIn3);

    using In = SPulsationInput;
    ExpectStatuses<In>(kPulsation,
                       {{[](In& in) { in.dFlowGpm = 0.0; }, ESizingStatus::NotRequired},
                        {[](In& in) { in.nSpeedRpm = 0; }, ESizingStatus::CannotCompute},
                        {[](In& in) { in.dMaxShockPsia = kP; }, ESizingStatus::CannotCompute},
                        {[](In& in) { in.nPistons = 7; }, ESizingStatus::CannotCompute}},
                       PulsationVolume);
}
