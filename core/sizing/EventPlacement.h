// The multiple-events list: where an edited event goes, what it may not overlap, and its limits.
#pragma once

#include "selection/AccumulatorData.h"
#include "sizing/CheckMessages.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sizing
{
// Places an event in the list ordered by actuator and event number. An event with
// the same numbers as a listed one replaces it. Refused, with the list left as it
// was: numbers below 1, an interval that overlaps any other event of its actuator
// (touching ends do not), an 11th event of one actuator, an 11th actuator. nEdited names the
// listed event the editor was opened for: it gives way to the edited one, also
// when the numbers were changed.
CheckResult PlaceEvent(std::vector<SEvent>& events, const SEvent& ev, const CIMsgStoredProc& messages,
                       std::optional<std::size_t> nEdited = std::nullopt);

// No more events than the cycle holds (10 actuators of 10 events), checked before any is placed:
// placing each against all before it would take long for a list far longer.
CheckResult CheckEventCount(const std::vector<SEvent>& events, const CIMsgStoredProc& messages);

// The number of actuators: a new one whenever the actuator number changes down the list.
int CountActuators(const std::vector<SEvent>& events);

// The texts of an event's row in the list: actuator, event, "yes" or "no" for the pump,
// start and duration in seconds, flow in gpm and volume in in3 (each also when found from
// the other and the duration), bore, rod and stroke in inches (only for cylinder dimensions).
std::vector<std::string> EventRowTexts(const SEvent& ev);

// Numbers for the editor's new events: one past the highest actuator, or one past
// the highest event of an actuator.
int NextActuatorNumber(const std::vector<SEvent>& events);
int NextEventNumber(const std::vector<SEvent>& events, int iActNo);
} // namespace sizing
