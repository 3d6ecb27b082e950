// The multiple-events cycle: critical event, pump share, limits and the sizing of the peak deficit.
#include "sizing/MultipleEvents.h"

#include "platform/StringTable.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sizing;

namespace
{
constexpr double kP1 = 3014.7, kP2 = 2014.7, kP0 = 1814.7;

// Actuator, event, pump available, flow (in3/s), volume (in3), start (s), duration (s).
using E = SActuatorEvent;

SMultipleEventsResult Size(std::vector<SActuatorEvent> events, double dTotal, double dPumpGpm,
                           double dMin = kP2, double dPrecharge = kP0)
{
    return SizeMultipleEvents({.events = std::move(events),
                               .dTotalSec = dTotal,
                               .dPumpGpm = dPumpGpm,
                               .dMaxPsia = kP1,
                               .dMinPsia = dMin,
                               .dPrechargePsia = dPrecharge});
}
} // namespace

TEST(MultipleEvents, CriticalEventIsTheLargestVolumeNotThePeak)
{
    // Actuator 1 draws 600 in3 slowly; actuator 2 a short 150 in3 burst that the pump cannot follow.
    const SMultipleEventsResult r =
        Size({E{1, 1, true, 0.0, 600.0, 0.0, 12.0}, E{2, 1, true, 300.0, 0.0, 14.0, 0.5}}, 20.0, 10.0);
    ASSERT_EQ(r.eStatus, ESizingStatus::Sized) << r.strReason;
    EXPECT_EQ(r.iCriticalActuator, 1);
    EXPECT_EQ(r.iCriticalEvent, 1);
    EXPECT_GT(r.dPeakTimeSec, 14.0);
    EXPECT_LT(r.dPeakTimeSec, 14.6); // the balance rises until the step after the burst
    EXPECT_NEAR(r.dPeakFlowGpm, 300.0 / 3.85 - 10.0, 1e-9);
    EXPECT_EQ(r.dDeficitIn3, std::ceil(r.dPeakDeficitIn3));
    ASSERT_EQ(static_cast<int>(r.points.size()), kCyclePoints);
    EXPECT_NEAR(r.points.back().dTimeSec, 20.0, 0.03); // within a step of the end

    // Equal volumes: the later event is critical.
    EXPECT_EQ(
        SimulateCycle({E{1, 1, true, 0.0, 100.0, 0.0, 1.0}, E{1, 2, true, 0.0, 100.0, 2.0, 1.0}}, 4.0, 0.0)
            .iCriticalEvent,
        2);
}

TEST(MultipleEvents, PumpAboveThePeakDemandNeedsNoAccumulator)
{
    // Overlapping actuators demand at most 80 in3/s; 21 gpm is 80.85 in3/s.
    const SMultipleEventsResult r =
        Size({E{1, 1, true, 50.0, 0.0, 0.0, 4.0}, E{2, 1, true, 30.0, 0.0, 2.0, 4.0}}, 10.0, 21.0);
    EXPECT_EQ(r.eStatus, ESizingStatus::NotRequired);
    EXPECT_EQ(r.dRequiredIn3, 0.0);
    EXPECT_EQ(r.dPeakDeficitIn3, 0.0);
}

TEST(MultipleEvents, EachEventKeepsItsOwnPumpAnswer)
{
    // Event 1 runs without the pump, event 2 of the same actuator with it. Taking
    // the actuator's last answer for both would give a pump share of 38.5 in3/s
    // and a peak of about 61.5 in3 at 1 s. The events' own answers give 10 / 110
    // of the pump, 3.5 in3/s: 96.5 in3 at 1 s, 93 at 2 s, and about 99.5 at 3 s.
    const SCycle c =
        SimulateCycle({E{1, 1, false, 100.0, 0.0, 0.0, 1.0}, E{1, 2, true, 10.0, 0.0, 2.0, 1.0}}, 4.0, 10.0);
    ASSERT_TRUE(c.bValid) << c.strReason;
    EXPECT_NEAR(c.dPeakFlowGpm, 100.0 / 3.85, 1e-9);
    EXPECT_NEAR(c.dPeakDeficitIn3, 99.5, 0.5);
    EXPECT_NEAR(c.dPeakTimeSec, 3.0, 0.01);
}

TEST(MultipleEvents, OneEventOfAnActuatorAtATime)
{
    // Over the same interval two actuators add up; two events of one actuator do not.
    EXPECT_NEAR(
        SimulateCycle({E{1, 1, false, 10.0, 0.0, 0.0, 2.0}, E{2, 1, false, 30.0, 0.0, 0.0, 2.0}}, 2.0, 0.0)
            .dPeakDeficitIn3,
        80.0, 0.1);
    EXPECT_NEAR(
        SimulateCycle({E{1, 1, false, 10.0, 0.0, 0.0, 2.0}, E{1, 2, false, 30.0, 0.0, 0.0, 2.0}}, 2.0, 0.0)
            .dPeakDeficitIn3,
        60.0, 0.1);
}

TEST(MultipleEvents, TenActuatorsOfTenEventsAtMost)
{
    std::vector<SActuatorEvent> events;
    for (int a = 1; a <= kMaxActuators; ++a)
        events.push_back(E{a, 1, true, 1.0, 0.0, 0.0, 1.0});
    EXPECT_TRUE(SimulateCycle(events, 2.0, 0.0).bValid);
    events.push_back(E{11, 1, true, 1.0, 0.0, 0.0, 1.0});
    EXPECT_NE(SimulateCycle(events, 2.0, 0.0).strReason.find("actuators"), std::string::npos);

    events.clear();
    for (int e = 1; e <= kMaxEventsPerActuator; ++e)
        events.push_back(E{1, e, true, 1.0, 0.0, e - 1.0, 1.0});
    EXPECT_TRUE(SimulateCycle(events, 20.0, 0.0).bValid);
    events.push_back(E{1, 11, true, 1.0, 0.0, 10.0, 1.0});
    EXPECT_NE(SimulateCycle(events, 20.0, 0.0).strReason.find("events"), std::string::npos);
}

TEST(MultipleEvents, Refusals)
{
    const auto refused = [](SMultipleEventsResult r)
    { return r.eStatus == ESizingStatus::CannotCompute && !r.strReason.empty(); };
    EXPECT_TRUE(refused(Size({}, 10.0, 1.0)));
    EXPECT_TRUE(refused(Size({E{1, 1, true, 10.0, 0.0, 1.0, 0.0}}, 10.0, 1.0)));  // no duration
    // The event and its actuator each where the language puts them.
    EXPECT_EQ(Size({E{2, 3, true, 10.0, 0.0, 1.0, 0.0}}, 10.0, 1.0).strReason,
              "event 3 of actuator 2 has a duration not above zero");
    SetStringLanguage("DE");
    EXPECT_EQ(Size({E{2, 3, true, 10.0, 0.0, 1.0, 0.0}}, 10.0, 1.0).strReason,
              "Ereignis 3 von Verbraucher 2 hat eine Dauer, die nicht größer als null ist");
    SetStringTable(nullptr);
    EXPECT_TRUE(refused(Size({E{1, 1, true, 10.0, 0.0, 8.0, 2.5}}, 10.0, 1.0)));  // ends after the cycle
    EXPECT_TRUE(refused(Size({E{1, 1, true, 0.0, 0.0, 1.0, 1.0}}, 10.0, 1.0)));   // neither flow nor volume
    EXPECT_TRUE(refused(Size({E{1, 1, true, 10.0, 0.0, 1.0, 1.0}}, 0.0, 1.0)));   // no cycle
    EXPECT_FALSE(refused(Size({E{1, 1, true, 10.0, 0.0, 8.0, 2.0}}, 10.0, 1.0))); // ends at the end
    // Pressures the formula cannot take; the cycle's outputs stay for the graph.
    const SMultipleEventsResult equal = Size({E{1, 1, false, 100.0, 0.0, 0.0, 1.0}}, 4.0, 1.0, kP1);
    EXPECT_TRUE(refused(equal));
    EXPECT_EQ(static_cast<int>(equal.points.size()), kCyclePoints);
    EXPECT_TRUE(refused(Size({E{1, 1, false, 100.0, 0.0, 0.0, 1.0}}, 4.0, 1.0, kP2, 0.0)));
}

TEST(MultipleEvents, MinimumPumpFlowIsThreeTimesTheAverage)
{
    // 200 in3 plus 5 in3/s over 8 s, in a 12 s cycle.
    const std::vector<SActuatorEvent> events = {E{1, 1, true, 0.0, 200.0, 0.0, 1.0},
                                                E{2, 1, true, 5.0, 0.0, 1.0, 8.0}};
    EXPECT_NEAR(MultipleEventsMinimumPumpFlow(events, 12.0).value(), 3.0 * 240.0 / 12.0 / 3.85, 1e-12);
    EXPECT_FALSE(MultipleEventsMinimumPumpFlow(events, 0.0));
}
