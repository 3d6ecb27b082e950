// The dialog chain of each application, from the entries in the working selection to its results.
#pragma once

#include "selection/AccumulatorData.h"
#include "sizing/CheckMessages.h"
#include "sizing/MultipleEvents.h"
#include "sizing/PrechargeDisplay.h"
#include "sizing/SizingResult.h"

#include <optional>
#include <string>
#include <vector>

namespace sizing
{
struct SApplicationOutcome
{
    CheckResult failure; // the first check that refused the entries; the rest is then unset
    ESizingStatus eStatus = ESizingStatus::CannotCompute;
    std::string strReason; // why, when CannotCompute
    std::string strNotice; // the results' notice when no accumulator is required (looked up)

    bool Refused() const { return failure.has_value(); }
};

// Runs, for working.deSelectApp (with deSelectCalcMethod and bShockVarOrFixed),
// what the dialog chain does once the entries are in the working selection:
// every dialog's checks in chain order, the values the dialogs compute, the
// calculation, the results written as the dialogs write them, and the results
// dialog's capacity check. Known capacity (0) runs its own checks only. Stops
// at the first failed check; with bAcceptQuestions "Precharge Too High" is
// answered Yes; the operating range's checks come last. NotRequired stores a required volume of 0;
// nothing that is not a finite number is ever written, and CannotCompute clears the results to 0.
// A failure of a listed event names its field as "m_lstEvents[i].<field>", i
// counting from 0 in the list as given.
SApplicationOutcome SizeApplication(CAccumulatorData& working, const CIMsgStoredProc& messages,
                                    bool bAcceptQuestions);

// The precharge choice of a precharge group: unless the user gave the
// precharge, the piston or bladder optimum (bPrechargePistonOrBladder) is copied in.
void ApplyPrechargeChoice(SApplicationData& data, const SPrechargePair& optima);

// An event as the editor stores it: for cylinder dimensions, the volume of one
// cylinder's chosen stroke in "CU_IN". nullopt for an unknown volume or stroke choice.
std::optional<SEvent> CompleteEvent(const SEvent& ev);

// The events in calculation units, each with only the quantity its choice names.
std::vector<SActuatorEvent> CycleEvents(const std::vector<SEvent>& events);

// The holding dialog's estimated leakage rate ("CU_IN_MIN") from the number and
// size of valves at the maximum pressure; nullopt for a size without a formula
// or a negative number of valves.
std::optional<CUnitDouble> EstimatedLeakageRate(const SApplicationData& data);

// With the leakage estimated from the valves, puts the estimate into sdHoldLeakageRate;
// the reason when the valve size has no formula (nothing is changed then). An entered
// rate is left as it is.
std::optional<std::string> ApplyLeakageEstimate(SApplicationData& data);

// The calculation step of each application dialog, after its checks: runs the
// calculation and writes the results into the selection as the dialog does
// (CannotCompute clears them to 0). The values computed before the checks
// (precharge choice, minimum pump flow, ...) are expected to be in place.
SSizingResult CalculateSupplementingPumpFlow(CAccumulatorData& working);
SMultipleEventsResult CalculateMultipleEvents(CAccumulatorData& working);
SSizingResult CalculateAuxiliaryPower(CAccumulatorData& working);
SSizingResult CalculateHolding(CAccumulatorData& working);
SSizingResult CalculateShockSuppression(CAccumulatorData& working);
SSizingResult CalculatePumpResponse(CAccumulatorData& working);
SSizingResult CalculatePulsation(CAccumulatorData& working);
} // namespace sizing
