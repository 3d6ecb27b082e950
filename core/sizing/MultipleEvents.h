// Supplementing pump flow with multiple events: the volume balance of a timed machine cycle.
#pragma once

#include "gas/Precharge.h"
#include "sizing/SizingResult.h"

#include <optional>
#include <string>
#include <vector>

namespace sizing
{
// The cycle tables hold this many actuators, and this many events for each.
constexpr int kMaxActuators = 10;
constexpr int kMaxEventsPerActuator = 10;
// Points of the cycle's time grid: the start, then steps of a thousandth of the
// last event's end up to it, and steps of a 200th of the rest of the cycle.
constexpr int kCyclePoints = 1201;

struct SActuatorEvent
{
    int iActNo = 1;
    int iEventNo = 1;
    bool bPumpAvail = true;      // the pump delivers during this event
    double dFlowIn3PerSec = 0.0; // 0: the volume over the duration
    double dVolumeIn3 = 0.0;     // 0: the flow times the duration
    double dStartSec = 0.0;      // from the beginning of the cycle
    double dDurationSec = 0.0;
};

struct STimeVolumePoint
{
    double dTimeSec;
    double dVolumeIn3; // fluid the pump has not yet made up, never below 0
};

// The volume balance of a cycle, without the gas model (also what the graph shows).
struct SCycle
{
    bool bValid = false;
    std::string strReason;     // why the events were refused, when not valid
    int iCriticalActuator = 1; // the event with the largest volume (a later one wins ties)
    int iCriticalEvent = 1;
    double dPeakFlowGpm = 0.0;    // the largest net flow demand of one event
    double dPeakDeficitIn3 = 0.0; // the largest volume of the grid
    double dPeakTimeSec = 0.0;    // the last time at which it occurs
    std::vector<STimeVolumePoint> points;
};

// Runs the events (in list order, a group per run of equal actuator numbers)
// over the time grid, with the pump (gpm) shared in proportion to the volume
// of the events during which it is available. Refuses more than 10 actuators,
// more than 10 events for one, an event without a positive duration, flow and
// volume, or one outside the cycle.
SCycle SimulateCycle(const std::vector<SActuatorEvent>& events, double dTotalSec, double dPumpGpm);

// Three times the cycle's average demand (gpm); nullopt when the total duration is not above 0.
std::optional<double> MultipleEventsMinimumPumpFlow(const std::vector<SActuatorEvent>& events,
                                                    double dTotalSec);

struct SMultipleEventsInput
{
    std::vector<SActuatorEvent> events;
    double dTotalSec = 0.0;
    double dPumpGpm = 0.0;
    double dTempF = 70.0;
    double dMaxPsia = 0.0;
    double dMinPsia = 0.0;
    double dPrechargePsia = 0.0; // not above -1: the multiple-events optimum of eMode
    gas::EPrechargeMode eMode = gas::EPrechargeMode::Piston;
};

// The base's dDeficitIn3 is the peak deficit rounded up to a whole cubic inch,
// which the gas model sizes over the time of the peak; the required volume is
// Vdef (P1/P2)^(1/n) / (0.95 (P0/P2) ((P1/P2)^(1/n) - 1)) with Vdef the size
// over the ratio, not rounded. The cycle's outputs are filled whenever the
// events were accepted, also when no accumulator is required.
struct SMultipleEventsResult : SSizingResult
{
    int iCriticalActuator = 0;
    int iCriticalEvent = 0;
    double dPeakFlowGpm = 0.0;
    double dPeakDeficitIn3 = 0.0;
    double dPeakTimeSec = 0.0;
    std::vector<STimeVolumePoint> points;
};

SMultipleEventsResult SizeMultipleEvents(const SMultipleEventsInput& in);
} // namespace sizing
