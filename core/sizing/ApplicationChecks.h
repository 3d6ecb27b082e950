// The ordered entry checks of each application dialog, as pure functions of the working selection.
#pragma once

#include "selection/AccumulatorData.h"
#include "sizing/CheckMessages.h"
#include "sizing/PrechargeDisplay.h"
#include "sizing/PumpResponse.h"

#include <vector>

// Each function returns the first check that fails, or nothing. A function with
// bAcceptQuestions counts a "Precharge Too High" question as answered Yes and
// goes on; without it the question is returned as the failure (bQuestion set).
// "Above" checks let equal values pass; values in different units are compared
// after conversion. Beyond the dialogs' own checks, times are refused above their
// longest (EntryLimits.h), with the limit in the entry's unit.
namespace sizing
{
// Known required capacity: capacity, then maximum pressure against the catalogue and 0.
CheckResult CheckKnownCapacity(const CAccumulatorData& sel, const CIMsgStoredProc& messages);

// The results dialog's OK: the required volume against the catalogue's largest capacity.
CheckResult CheckResultVolume(const CAccumulatorData& sel, const CIMsgStoredProc& messages);

// Actuator volumetric displacement and times (supplementing pump flow and auxiliary power).
CheckResult CheckActuatorDisplacement(const CAccumulatorData& sel, const CIMsgStoredProc& messages);

// Cylinder dimensions, number of cylinders, actuation and (when the dialog has it) dwell time.
CheckResult CheckCylinderDimensions(const CAccumulatorData& sel, const CIMsgStoredProc& messages,
                                    bool bHasDwell = true);

// Supplementing pump flow: the pump size first, then the common checks with
// this dialog's wording; its precharge-below-minimum check follows the
// precharge-above-zero one. optima: the dialog's piston and bladder optimum.
CheckResult CheckSupplementingPumpFlow(const CAccumulatorData& sel, const SPrechargePair& optima,
                                       const CIMsgStoredProc& messages, bool bAcceptQuestions);

// The event editor's checks of one event against the cycle's total duration.
// The fields named are those of SEvent.
CheckResult CheckEvent(const SEvent& ev, const CUnitDouble& totalDuration, const CIMsgStoredProc& messages);

// The event list's entries (pressures and cycle duration), which both adding
// an event and OK check.
CheckResult CheckEventListEntries(const CAccumulatorData& sel, const CIMsgStoredProc& messages);
// The event list's OK: the entries, then at least one event and no more than the cycle holds.
CheckResult CheckEventList(const CAccumulatorData& sel, const CIMsgStoredProc& messages);

// The pump dialog of multiple events.
CheckResult CheckMultipleEventsPump(const CAccumulatorData& sel, const SPrechargePair& optima,
                                    const CIMsgStoredProc& messages, bool bAcceptQuestions);

// Auxiliary power source: the common checks with its two-part wording of checks 4 and 7.
CheckResult CheckAuxiliaryPower(const CAccumulatorData& sel, const SPrechargePair& optima,
                                const CIMsgStoredProc& messages, bool bAcceptQuestions);

// Holding: the common checks, with the hold time and entered leakage rate
// checked before "Precharge Too High".
CheckResult CheckHolding(const CAccumulatorData& sel, const SPrechargePair& optima,
                         const CIMsgStoredProc& messages, bool bAcceptQuestions);

// Shock suppression; computedMaxShock: the maximum allowable shock pressure the dialog computed.
CheckResult CheckShockSuppression(const CAccumulatorData& sel, const CUnitDouble& computedMaxShock,
                                  const CIMsgStoredProc& messages);

// What a pump-response dialog holds besides the selection.
struct SPumpResponseValues
{
    CUnitDouble computedMaxShock;     // kept in PSIA
    bool bReliefValveSelected = true; // fixed displacement pump only
};

CheckResult CheckPumpResponse(const CAccumulatorData& sel, EPumpType eType, const SPumpResponseValues& values,
                              const CIMsgStoredProc& messages);

// What the pulsation dialog holds besides the selection.
struct SPulsationValues
{
    CUnitDouble calculatedPrecharge; // 60 % of the system pressure
    CUnitDouble computedMaxShock;
};

// The piston limit: 7 or more pistons cannot be entered.
CheckResult CheckPulsationPistonLimit(int nPistons, const CIMsgStoredProc& messages);

// Pulsation dampening: the piston limit, then the dialog's thirteen checks.
CheckResult CheckPulsation(const CAccumulatorData& sel, const SPulsationValues& values,
                           const CIMsgStoredProc& messages, bool bAcceptQuestions);
} // namespace sizing
