// The multiple-events cycle: event checks, the volume balance on its time grid, and the sizing.
#include "sizing/MultipleEvents.h"

#include "gas/GasConstants.h"
#include "gas/GasSizing.h"
#include "platform/StringTable.h"
#include "sizing/SizingSupport.h"
#include "sizing/SizingTexts.h"

#include <cmath>
#include <limits>

namespace sizing
{
using namespace detail;

namespace
{
struct SPreparedEvent
{
    int iActNo, iEventNo;
    double S, E, F, V;
    bool bPump;
};

// A sentence about an event, which it names by its number and its actuator's.
std::string EventText(int nTextId, const SActuatorEvent& ev)
{
    return FormatString(nTextId, {std::to_string(ev.iEventNo), std::to_string(ev.iActNo)});
}

// Flow and volume completed from each other; nullopt and a reason when the event cannot run.
std::optional<SPreparedEvent> Prepare(const SActuatorEvent& ev, double dTotalSec, std::string& strReason)
{
    if (!AllFinite({ev.dFlowIn3PerSec, ev.dVolumeIn3, ev.dStartSec, ev.dDurationSec}))
    {
        strReason = EventText(text::kEventNotFinite, ev);
        return std::nullopt;
    }
    const double S = ev.dStartSec, D = ev.dDurationSec;
    // The grid runs from 0 to the total duration: an event outside it would make it run backwards.
    if (!(D > 0.0))
        strReason = EventText(text::kEventDurationNotAboveZero, ev);
    else if (S < 0.0)
        strReason = EventText(text::kEventStartsBeforeCycle, ev);
    else if (S + D > dTotalSec)
        strReason = EventText(text::kEventEndsAfterCycle, ev);
    if (!strReason.empty())
        return std::nullopt;
    double F = ev.dFlowIn3PerSec, V = ev.dVolumeIn3;
    if (V == 0.0)
        V = F * D;
    if (F == 0.0)
        F = V / D;
    if (!(F > 0.0) || !(V > 0.0))
    {
        strReason = EventText(text::kEventNoFlowOrVolume, ev);
        return std::nullopt;
    }
    return SPreparedEvent{ev.iActNo, ev.iEventNo, S, S + D, F, V, ev.bPumpAvail};
}

SCycle Refuse(std::string strReason)
{
    SCycle cycle;
    cycle.strReason = std::move(strReason);
    return cycle;
}
} // namespace

SCycle SimulateCycle(const std::vector<SActuatorEvent>& events, double dTotalSec, double dPumpGpm)
{
    if (!AllFinite({dTotalSec, dPumpGpm}))
        return Refuse(LoadString(text::kInputNotFinite));
    if (!(dTotalSec > 0.0))
        return Refuse(LoadString(text::kCycleNotAboveZero));
    if (dPumpGpm < 0.0)
        return Refuse(LoadString(text::kPumpFlowNegative));
    if (events.empty())
        return Refuse(LoadString(text::kNoEvents));

    // A new group whenever the actuator number changes, as the list is ordered by actuator.
    std::vector<std::vector<SPreparedEvent>> groups;
    for (std::size_t i = 0; i < events.size(); ++i)
    {
        const SActuatorEvent& ev = events[i];
        if (i == 0 || ev.iActNo != events[i - 1].iActNo)
        {
            if (static_cast<int>(groups.size()) == kMaxActuators)
                return Refuse(FormatString(text::kTooManyActuators, {std::to_string(kMaxActuators)}));
            groups.emplace_back();
        }
        if (static_cast<int>(groups.back().size()) == kMaxEventsPerActuator)
            return Refuse(FormatString(text::kTooManyEvents,
                                       {std::to_string(ev.iActNo), std::to_string(kMaxEventsPerActuator)}));
        std::string strReason;
        const std::optional<SPreparedEvent> prepared = Prepare(ev, dTotalSec, strReason);
        if (!prepared)
            return Refuse(strReason);
        groups.back().push_back(*prepared);
    }

    SCycle cycle;
    cycle.bValid = true;
    const double Q = dPumpGpm;
    double dMaxVolume = 0.0;
    double dTmax = 0.0, dVtot = 0.0, dVpump = 0.0;
    cycle.dPeakFlowGpm = -std::numeric_limits<double>::infinity();
    for (const auto& group : groups)
        for (const SPreparedEvent& ev : group)
        {
            // Each event's own pump answer counts, not the last one given for its actuator.
            const double dPump = ev.bPump ? 1.0 : 0.0;
            const double dNetGpm = ev.F / gas::kCuInPerSecPerGpm - Q * dPump;
            if (dNetGpm >= cycle.dPeakFlowGpm)
                cycle.dPeakFlowGpm = dNetGpm;
            if (ev.V >= dMaxVolume)
            {
                dMaxVolume = ev.V;
                cycle.iCriticalActuator = ev.iActNo;
                cycle.iCriticalEvent = ev.iEventNo;
            }
            if (ev.E > dTmax)
                dTmax = ev.E;
            dVtot += ev.V;
            dVpump += ev.V * dPump;
        }
    const double dQp = Q * gas::kCuInPerSecPerGpm * dVpump / dVtot;

    const double dt1 = dTmax / 1000.0;
    const double dt2 = (dTotalSec - dTmax) / 200.0;
    double T = 0.0, W = 0.0, dWmax = 0.0;
    cycle.points.reserve(kCyclePoints);
    for (int i = 0; i < kCyclePoints; ++i)
    {
        const double dt = T <= dTmax ? dt1 : dt2;
        double dDemand = 0.0;
        for (const auto& group : groups)
        {
            // One event of an actuator at a time; where two touch, the later one counts.
            double dFlow = 0.0;
            for (const SPreparedEvent& ev : group)
                if (ev.S <= T && T <= ev.E)
                    dFlow = ev.F;
            dDemand += dFlow;
        }
        if (!(W > 0.0))
            W = 0.0;
        if (W >= dWmax)
        {
            dWmax = W;
            cycle.dPeakTimeSec = T;
        }
        cycle.points.push_back({T, W});
        W = W + dt * (dDemand - dQp);
        T = T + dt;
    }
    cycle.dPeakDeficitIn3 = dWmax;
    return cycle;
}

std::optional<double> MultipleEventsMinimumPumpFlow(const std::vector<SActuatorEvent>& events,
                                                    double dTotalSec)
{
    if (!(dTotalSec > 0.0))
        return std::nullopt;
    double dVtot = 0.0;
    for (const SActuatorEvent& ev : events)
        dVtot += ev.dVolumeIn3 == 0.0 ? ev.dFlowIn3PerSec * ev.dDurationSec : ev.dVolumeIn3;
    const double dFlow = 3.0 * dVtot / dTotalSec / gas::kCuInPerSecPerGpm;
    if (!std::isfinite(dFlow))
        return std::nullopt;
    return dFlow;
}

SMultipleEventsResult SizeMultipleEvents(const SMultipleEventsInput& in)
{
    SMultipleEventsResult result;
    auto refuse = [&result](const std::string& strReason)
    {
        static_cast<SSizingResult&>(result) = CannotCompute(strReason);
        return result;
    };
    if (!AllFinite({in.dTempF, in.dMaxPsia, in.dMinPsia, in.dPrechargePsia}))
        return refuse(LoadString(text::kInputNotFinite));
    SCycle cycle = SimulateCycle(in.events, in.dTotalSec, in.dPumpGpm);
    if (!cycle.bValid)
        return refuse(cycle.strReason);
    result.iCriticalActuator = cycle.iCriticalActuator;
    result.iCriticalEvent = cycle.iCriticalEvent;
    result.dPeakFlowGpm = cycle.dPeakFlowGpm;
    result.dPeakDeficitIn3 = cycle.dPeakDeficitIn3;
    result.dPeakTimeSec = cycle.dPeakTimeSec;
    result.points = std::move(cycle.points);
    if (!(result.dPeakDeficitIn3 > 0.0))
    {
        result.eStatus = ESizingStatus::NotRequired;
        return result;
    }

    const double P1 = in.dMaxPsia, P2 = in.dMinPsia;
    const double P0 = in.dPrechargePsia > gas::kNotEntered
                          ? in.dPrechargePsia
                          : gas::OptimalPrechargeMultipleEvents(P2, in.eMode);
    if (auto fault = PressureFault(P1, P2, P0))
        return refuse(*fault);

    const double dDeficit = std::ceil(result.dPeakDeficitIn3);
    const gas::SGasSizing run =
        gas::SizeMultipleEventsGas(dDeficit, in.dTempF, result.dPeakTimeSec, P1, P2, P0, in.eMode);
    if (auto fault = GasFault(run, text::kNoSizePeakDeficit))
        return refuse(*fault);
    const double n = ExponentOrOne(run.dExponent);
    const double r = run.dRatio;
    const double dVdef = run.dSizeIn3 / r;
    const SSizingResult sized = FiniteVolume(ClosedFormVolume(dVdef, P1, P2, P0, n, n));
    if (!sized.IsSized())
        return refuse(sized.strReason);
    result.eStatus = ESizingStatus::Sized;
    result.dRequiredIn3 = sized.dRequiredIn3;
    result.dExponent = n;
    result.dRatio = r;
    result.dDeficitIn3 = dDeficit;
    return result;
}
} // namespace sizing
