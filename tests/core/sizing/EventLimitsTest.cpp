// The cycle's 10 actuators of 10 events, held to before the chain does any work.
#include "ApplicationFixture.h"

using namespace sizing;

namespace
{
const std::string kTooMany = "An actuator can have at most 10 events. Please change one of its events instead.\r\n";

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
