// The two tools: output of an existing accumulator and the effect of temperature on precharge.
#include "sizing/OutputExisting.h"
#include "sizing/TemperaturePrecharge.h"

#include "gas/Gas.h"

#include <gtest/gtest.h>

using namespace sizing;

namespace
{
// A 5-gallon accumulator, 3000 / 2000 psig, precharge 1800 psig, over 5 s.
const SOutputExistingInput kOutput{.dVolumeIn3 = 1155.0,
                                   .dMaxPsia = 3014.7,
                                   .dMinPsia = 2014.7,
                                   .dDischargeSec = 5.0,
                                   .dPrechargePsia = 1814.7};
} // namespace

TEST(OutputExisting, OptimumPair)
{
    SPrechargePair pair = OutputExistingOptimalPrecharges(CUnitDouble(1200.0, "PSIG"));
    EXPECT_NEAR(pair.piston.Value(), 1100.0, 1e-9);
    EXPECT_NEAR(pair.bladder.Value(), 1080.0, 1e-9);
    pair = OutputExistingOptimalPrecharges(CUnitDouble(900.0, "PSIG"));
    EXPECT_NEAR(pair.piston.Value(), 810.0, 1e-9);
    EXPECT_NEAR(pair.bladder.Value(), 810.0, 1e-9);
}

TEST(OutputExisting, DeliveredVolume)
{
    const SOutputExistingResult r = OutputOfExistingAccumulator(kOutput);
    ASSERT_EQ(r.eStatus, ESizingStatus::Sized) << r.strReason;
    const gas::SExpansion expansion =
        gas::SimulateGasExpansion(gas::EExpansionForm::CubicInch, 1155.0, 70.0, 5.0, 3014.7, 2014.7, 1814.7);
    EXPECT_EQ(r.dExponent, expansion.dExponent);
    // The closed form and the simulation agree on roughly what 5 gallons give.
    EXPECT_NEAR(r.dOutputIn3, expansion.dDelivered, 0.1 * expansion.dDelivered);
}

TEST(OutputExisting, NothingDeliveredAndRefusals)
{
    SOutputExistingInput in = kOutput;
    in.dMinPsia = in.dMaxPsia;
    const SOutputExistingResult same = OutputOfExistingAccumulator(in);
    EXPECT_EQ(same.eStatus, ESizingStatus::NotRequired);
    EXPECT_EQ(same.dOutputIn3, 0.0);
    for (auto change : {+[](SOutputExistingInput& in) { in.dDischargeSec = 0.0; },
                        +[](SOutputExistingInput& in) { in.dVolumeIn3 = 0.0; },
                        +[](SOutputExistingInput& in) { in.dPrechargePsia = 0.0; }})
    {
        in = kOutput;
        change(in);
        const SOutputExistingResult r = OutputOfExistingAccumulator(in);
        EXPECT_EQ(r.eStatus, ESizingStatus::CannotCompute);
        EXPECT_FALSE(r.strReason.empty());
    }
}

TEST(TemperaturePrecharge, EitherPressureKnown)
{
    STemperaturePrechargeInput in{.dBeginTempF = 70.0, .dFinalTempF = 150.0, .dKnownPsia = 1014.7};
    const STemperaturePrechargeResult warm = PressureAtOtherTemperature(in);
    ASSERT_EQ(warm.eStatus, ESizingStatus::Sized) << warm.strReason;
    EXPECT_GT(warm.dPsia, 1014.7);
    EXPECT_EQ(warm.dPsia, gas::PrechargeAtTemperature(70.0, 150.0, 1014.7, -1.0));
    // Knowing the final pressure gives the beginning one back.
    in.eKnown = EKnownPressure::Final;
    in.dKnownPsia = warm.dPsia;
    EXPECT_NEAR(PressureAtOtherTemperature(in).dPsia, 1014.7, 0.01);

    in.dKnownPsia = 0.0;
    EXPECT_EQ(PressureAtOtherTemperature(in).eStatus, ESizingStatus::CannotCompute);
}
