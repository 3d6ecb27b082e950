// Event placement in the multiple-events list, with the overlap and count limits.
#include "sizing/EventPlacement.h"

#include "catalogue/MessageKeys.h"
#include "sizing/MultipleEvents.h"
#include "units/UnitConvMap.h"

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
    // Actuator 0 would read as "no critical event" in the results.
    if (ev.iActNo < 1)
        return Refused(messages, msg::kEventNumbersFromOne, "iActNo");
    if (ev.iEventNo < 1)
        return Refused(messages, msg::kEventNumbersFromOne, "iEventNo");
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

// A selection file holds as many events as the program makes, and no more.
static_assert(static_cast<std::size_t>(kMaxActuators) * kMaxEventsPerActuator == kMaxStoredEvents);

CheckResult CheckEventCount(const std::vector<SEvent>& events, const CIMsgStoredProc& messages)
{
    if (events.size() <= static_cast<std::size_t>(kMaxActuators) * kMaxEventsPerActuator)
        return std::nullopt;
    return CountActuators(events) > kMaxActuators ? Refused(messages, msg::kTooManyActuators, "m_lstEvents")
                                                  : Refused(messages, msg::kTooManyEvents, "m_lstEvents");
}

std::vector<std::string> EventRowTexts(const SEvent& ev)
{
    auto number = [](double d) { return MessageNumber(d, 3); };
    const double dDuration = ev.sdEvDuration.GetValue("SEC");
    const bool bFlowGiven = ev.enumActVolForEvent == 0;
    const double dFlowGpm = bFlowGiven ? ev.sdFlowrate.GetValue("GPM")
                                       : CUnitConvMap::Convert(ev.sdVolume.GetValue("CU_IN") / dDuration,
                                                               "CU_IN_SEC", "GPM");
    const double dVolumeIn3 =
        bFlowGiven ? ev.sdFlowrate.GetValue("CU_IN_SEC") * dDuration : ev.sdVolume.GetValue("CU_IN");
    std::vector<std::string> cells = {std::to_string(ev.iActNo),
                                      std::to_string(ev.iEventNo),
                                      ev.bPumpAvail != 0 ? "yes" : "no",
                                      number(ev.sdEvStartTime.GetValue("SEC")),
                                      number(dDuration),
                                      dDuration > 0.0 ? number(dFlowGpm) : std::string(),
                                      number(dVolumeIn3)};
    for (const CUnitDouble* pSize : {&ev.sdBoreDia, &ev.sdRodDia, &ev.sdStrokeLength})
        cells.push_back(ev.enumActVolForEvent == 2 ? number(pSize->GetValue("IN")) : std::string());
    return cells;
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
