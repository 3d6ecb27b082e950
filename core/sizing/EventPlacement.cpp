// Event placement in the multiple-events list, with the overlap and count limits.
#include "sizing/EventPlacement.h"

#include "catalogue/MessageKeys.h"
#include "sizing/MultipleEvents.h"

#include <algorithm>
#include <set>

namespace sizing
{
namespace
{
bool Overlap(const SEvent& a, const SEvent& b)
{
    const double dStartA = a.sdEvStartTime.GetValue("SEC");
    const double dStartB = b.sdEvStartTime.GetValue("SEC");
    const double dEndA = dStartA + a.sdEvDuration.GetValue("SEC");
    const double dEndB = dStartB + b.sdEvDuration.GetValue("SEC");
    // Touching ends do not overlap.
    return dStartA < dEndB && dStartB < dEndA;
}

SCheckFailure Refused(const CIMsgStoredProc& messages, const char* pszKey, const char* pszField)
{
    return Failure(CCheckMessages(messages).Lookup(pszKey) + "\r\n", pszField);
}
} // namespace

CheckResult PlaceEvent(std::vector<SEvent>& events, const SEvent& ev, const CIMsgStoredProc& messages,
                       std::optional<std::size_t> nEdited)
{
    std::vector<SEvent> others;
    others.reserve(events.size());
    for (std::size_t i = 0; i < events.size(); ++i)
        if (i != nEdited && !(events[i].iActNo == ev.iActNo && events[i].iEventNo == ev.iEventNo))
            others.push_back(events[i]);

    int nSameActuator = 0;
    std::set<int> actuators{ev.iActNo};
    for (const SEvent& other : others)
    {
        actuators.insert(other.iActNo);
        if (other.iActNo != ev.iActNo)
            continue;
        ++nSameActuator;
        // Every other event of the actuator, whichever its number: one actuator does one thing at a time.
        if (Overlap(other, ev))
            return Refused(messages, msg::kEventOverlaps, "sdEvStartTime");
    }
    if (nSameActuator >= kMaxEventsPerActuator)
        return Refused(messages, msg::kTooManyEvents, "iEventNo");
    if (static_cast<int>(actuators.size()) > kMaxActuators)
        return Refused(messages, msg::kTooManyActuators, "iActNo");

    // Before the first event of a higher actuator, or of the same actuator with a higher number.
    const auto it = std::find_if(others.begin(), others.end(),
                                 [&ev](const SEvent& x)
                                 {
                                     return x.iActNo > ev.iActNo ||
                                            (x.iActNo == ev.iActNo && x.iEventNo > ev.iEventNo);
                                 });
    others.insert(it, ev);
    events = std::move(others);
    return std::nullopt;
}

int CountActuators(const std::vector<SEvent>& events)
{
    int nCount = 0;
    for (std::size_t i = 0; i < events.size(); ++i)
        if (i == 0 || events[i].iActNo != events[i - 1].iActNo)
            ++nCount;
    return nCount;
}

int NextActuatorNumber(const std::vector<SEvent>& events)
{
    int nHighest = 0;
    for (const SEvent& ev : events)
        nHighest = std::max(nHighest, ev.iActNo);
    return nHighest + 1;
}

int NextEventNumber(const std::vector<SEvent>& events, int iActNo)
{
    int nHighest = 0;
    for (const SEvent& ev : events)
        if (ev.iActNo == iActNo)
            nHighest = std::max(nHighest, ev.iEventNo);
    return nHighest + 1;
}
} // namespace sizing
