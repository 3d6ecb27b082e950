// The multiple-events list: order, replacement, the overlap refusal against every other event of the
// actuator, the limits of 10 actuators and 10 events, and the numbers of new events.
#include "ApplicationFixture.h"

using namespace sizing;

namespace
{
std::string Order(const std::vector<SEvent>& events)
{
    std::string str;
    for (const SEvent& e : events)
        str += std::to_string(e.iActNo) + "." + std::to_string(e.iEventNo) + " ";
    return str;
}

const std::string kOverlap = "The event time and duration that you have entered overlap another event of the "
                             "same actuator. Please change the start time or the duration.\r\n";

class CEventPlacementTest : public CApplicationTest
{
protected:
    // The message of a refusal, or "(placed)".
    std::string Place(std::vector<SEvent>& events, const SEvent& ev,
                      std::optional<std::size_t> nEdited = std::nullopt)
    {
        const CheckResult r = PlaceEvent(events, ev, M(), nEdited);
        return r ? r->strMessage : "(placed)";
    }
};
} // namespace

TEST_F(CEventPlacementTest, KeepsTheListInOrderAndReplacesSameNumbers)
{
    std::vector<SEvent> events;
    for (const SEvent& e : {Event(2, 1, 0, 1), Event(1, 3, 5, 1), Event(1, 1, 0, 2)})
        ASSERT_EQ(Place(events, e), "(placed)");
    EXPECT_EQ(Order(events), "1.1 1.3 2.1 ");
    EXPECT_EQ(Place(events, Event(1, 2, 2, 3.0)), "(placed)"); // touches 1.1 and 1.3: no overlap
    EXPECT_EQ(Order(events), "1.1 1.2 1.3 2.1 ");
    EXPECT_EQ(Place(events, Event(1, 3, 7, 1)), "(placed)"); // replaces, not beside its old interval
    EXPECT_EQ(Order(events), "1.1 1.2 1.3 2.1 ");
    EXPECT_EQ(events[2].sdEvStartTime.Value(), 7.0);
    // Another actuator may run at the same time.
    EXPECT_EQ(Place(events, Event(3, 1, 0, 10)), "(placed)");
    EXPECT_EQ(Order(events), "1.1 1.2 1.3 2.1 3.1 ");
}

TEST_F(CEventPlacementTest, RefusesAnOverlapWithAnyOtherEventOfTheActuator)
{
    std::vector<SEvent> events;
    for (const SEvent& e : {Event(1, 1, 0, 2), Event(1, 3, 5, 2)})
        ASSERT_EQ(Place(events, e), "(placed)");
    const std::vector<SEvent> before = events;
    // A lower-numbered event: overlapping 1.3 that comes after it in the list.
    EXPECT_EQ(Place(events, Event(1, 2, 6, 0.5)), kOverlap);
    // Inserted before a higher number, overlapping a lower one.
    EXPECT_EQ(Place(events, Event(1, 2, 1.5, 1)), kOverlap);
    // Replacing 1.1 with times that run into 1.3.
    EXPECT_EQ(Place(events, Event(1, 1, 4, 2)), kOverlap);
    // In another unit: 0.1 min is 6 s, inside 1.3.
    SEvent minutes = Event(1, 2, 0, 0);
    minutes.sdEvStartTime.Set(0.1, "MIN");
    minutes.sdEvDuration.Set(0.5, "SEC");
    EXPECT_EQ(Place(events, minutes), kOverlap);
    EXPECT_TRUE(events == before);
    // Replacing an event with its own times is no overlap with itself.
    EXPECT_EQ(Place(events, Event(1, 3, 5.5, 1)), "(placed)");
}

TEST_F(CEventPlacementTest, AnEditedEventMovesToItsNewNumbers)
{
    std::vector<SEvent> events;
    for (const SEvent& e : {Event(1, 1, 0, 2), Event(1, 2, 3, 2), Event(2, 1, 0, 2)})
        ASSERT_EQ(Place(events, e), "(placed)");
    // 1.2 renumbered 1.5 with the same times: it does not overlap its old self, and leaves no copy.
    EXPECT_EQ(Place(events, Event(1, 5, 3, 2), 1), "(placed)");
    EXPECT_EQ(Order(events), "1.1 1.5 2.1 ");
    // Moved to actuator 2 where it overlaps 2.1: refused, nothing moved.
    EXPECT_EQ(Place(events, Event(2, 2, 1, 2), 1), kOverlap);
    EXPECT_EQ(Order(events), "1.1 1.5 2.1 ");
}

TEST_F(CEventPlacementTest, RefusesAnEleventhEventOrActuator)
{
    std::vector<SEvent> events;
    for (int e = 1; e <= 10; ++e)
        ASSERT_EQ(Place(events, Event(1, e, e - 1, 1)), "(placed)");
    EXPECT_EQ(Place(events, Event(1, 11, 10, 1)),
              "An actuator can have at most 10 events. Please change one of its events instead.\r\n");
    EXPECT_EQ(events.size(), 10u);
    // Replacing one of the ten is still possible.
    EXPECT_EQ(Place(events, Event(1, 10, 9, 0.5)), "(placed)");
    for (int a = 2; a <= 10; ++a)
        ASSERT_EQ(Place(events, Event(a, 1, 0, 1)), "(placed)");
    EXPECT_EQ(CountActuators(events), 10);
    EXPECT_EQ(Place(events, Event(11, 1, 0, 1)),
              "A cycle can have at most 10 actuators. Please add the event to one of the actuators listed.\r\n");
    EXPECT_EQ(Place(events, Event(10, 2, 1, 1)), "(placed)"); // more events of a listed one are fine
    EXPECT_EQ(events.size(), 20u);
}

TEST(EventNumbers, NewEventsTakeTheNextFreeNumbers)
{
    std::vector<SEvent> events{Event(1, 1, 0, 1), Event(1, 4, 2, 1), Event(3, 2, 0, 1)};
    EXPECT_EQ(NextActuatorNumber(events), 4);
    EXPECT_EQ(NextEventNumber(events, 1), 5);
    EXPECT_EQ(NextEventNumber(events, 2), 1);
    EXPECT_EQ(CountActuators(events), 2);
    EXPECT_EQ(NextActuatorNumber({}), 1);
    EXPECT_EQ(CountActuators({}), 0);
}

TEST_F(CEventPlacementTest, RefusesNumbersBelowOne)
{
    std::vector<SEvent> events;
    EXPECT_EQ(Place(events, Event(0, 1, 0, 1)), "Actuator and event numbers must be 1 or more.\r\n");
    EXPECT_EQ(PlaceEvent(events, Event(1, 0, 0, 1), M())->strField, "iEventNo");
    EXPECT_TRUE(events.empty());
}

TEST(EventRows, ShowFlowAndVolumeWhicheverWasGiven)
{
    // 385 in3 over 5 s: 77 in3/s, 20 gpm (3.85 in3/s per gpm).
    SEvent volume = Event(2, 3, 1.5, 5);
    volume.sdVolume.Set(385.0, "CU_IN");
    volume.bPumpAvail = 1;
    EXPECT_EQ(EventRowTexts(volume),
              (std::vector<std::string>{"2", "3", "yes", "1.5", "5", "20", "385", "", "", ""}));
    // 10 gpm over 2 s: 77 in3.
    SEvent flow = Event(1, 1, 0, 2);
    flow.enumActVolForEvent = 0;
    flow.sdFlowrate.Set(10.0, "GPM");
    EXPECT_EQ(EventRowTexts(flow), (std::vector<std::string>{"1", "1", "no", "0", "2", "10", "77", "", "", ""}));
    // Cylinder dimensions in millimetres, shown in inches.
    SEvent cylinder = Event(1, 2, 0, 2);
    cylinder.enumActVolForEvent = 2;
    cylinder.sdBoreDia.Set(101.6, "MM");
    cylinder.sdRodDia.Set(50.8, "MM");
    cylinder.sdStrokeLength.Set(254.0, "MM");
    const std::vector<std::string> row = EventRowTexts(cylinder);
    EXPECT_EQ(std::vector<std::string>(row.end() - 3, row.end()), (std::vector<std::string>{"4", "2", "10"}));
}
