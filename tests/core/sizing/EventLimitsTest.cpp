// The cycle's 10 actuators of 10 events, held to in the event editor and before the chain does any work.
#include "ApplicationFixture.h"

using namespace sizing;

namespace
{
const std::string kTooMany = "You can define at most 10 actuators with at most 10 events each.";

SEvent Event(int a, int e)
{
    SEvent ev;
    ev.iActNo = a;
    ev.iEventNo = e;
    ev.enumActVolForEvent = 1;
    ev.sdVolume.Set(1.0, "CU_IN");
    // One second each, one after another: no two events of an actuator overlap.
    ev.sdEvStartTime.Set(e - 1.0, "SEC");
    ev.sdEvDuration.Set(1.0, "SEC");
    return ev;
}

class CEventLimitsTest : public CApplicationTest
{
};
} // namespace

TEST_F(CEventLimitsTest, TheEditorPlacesTenOfTenAndNoMore)
{
    std::vector<SEvent> events;
    for (int a = 1; a <= 10; ++a)
        for (int e = 1; e <= 10; ++e)
            ASSERT_EQ(PlaceEvent(events, Event(a, e), M()), std::nullopt) << a << "." << e;
    // An eleventh event, or an eleventh actuator, is refused and the list stays as it was.
    for (const SEvent& ev : {Event(3, 11), Event(11, 1)})
    {
        const CheckResult r = PlaceEvent(events, ev, M());
        ASSERT_TRUE(r);
        EXPECT_EQ(r->strMessage, kTooMany);
        EXPECT_EQ(r->strField, "iEventNo");
        EXPECT_EQ(events.size(), 100u);
    }
    // Editing an event of a full list replaces it.
    SEvent edited = Event(10, 10);
    edited.sdVolume.Set(2.0, "CU_IN");
    EXPECT_EQ(PlaceEvent(events, edited, M()), std::nullopt);
    EXPECT_EQ(events.back().sdVolume.Value(), 2.0);
}

TEST_F(CEventLimitsTest, TheChainRefusesALongerListBeforePlacingAny)
{
    s.sdMaxSysPress.Set(3000.0, "PSIG");
    s.sdMinSysPress.Set(2000.0, "PSIG");
    s.sdMultiEventTotalDuration.Set(20.0, "SEC");
    s.sdEnterPumpSize.Set(100.0, "GPM");
    // 50,000 events used to be placed one by one, each against all before it, for over a minute.
    s.m_lstEvents.assign(50000, Event(1, 1));
    const SApplicationOutcome outcome = Run(app::MultipleEvents);
    ASSERT_TRUE(outcome.Refused());
    EXPECT_EQ(outcome.failure->strMessage, kTooMany);
    EXPECT_EQ(outcome.failure->strField, "m_lstEvents");
    EXPECT_EQ(s.m_lstEvents.size(), 50000u); // refused as given, nothing placed
}
