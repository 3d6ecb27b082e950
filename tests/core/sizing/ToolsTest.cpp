// The two tools' calculations at their edges (their known values and checks are in KnownValues and
// CheckBoundaries).
#include "sizing/OutputExisting.h"
#include "sizing/TemperaturePrecharge.h"

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

TEST(TemperaturePrecharge, EitherPressureKnownGivesTheOtherBack)
{
    STemperaturePrechargeInput in{.dBeginTempF = 70.0, .dFinalTempF = 150.0, .dKnownPsia = 1014.7};
    const STemperaturePrechargeResult warm = PressureAtOtherTemperature(in);
    ASSERT_EQ(warm.eStatus, ESizingStatus::Sized) << warm.strReason;
    // Near the ideal gas at constant volume: 1014.7 psia x 610 R / 530 R.
    EXPECT_NEAR(warm.dPsia, 1014.7 * 610.0 / 530.0, 0.03 * 1014.7);
    in.eKnown = EKnownPressure::Final;
    in.dKnownPsia = warm.dPsia;
    EXPECT_NEAR(PressureAtOtherTemperature(in).dPsia, 1014.7, 0.01);

    for (const double dKnown : {0.0, -5.0})
    {
        in.dKnownPsia = dKnown;
        EXPECT_EQ(PressureAtOtherTemperature(in).eStatus, ESizingStatus::CannotCompute);
    }
    in.dKnownPsia = 1000.0;
    in.dBeginTempF = -460.0; // absolute zero
    EXPECT_EQ(PressureAtOtherTemperature(in).eStatus, ESizingStatus::CannotCompute);
}
