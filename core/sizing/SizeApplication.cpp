// The application dialog chains: checks, computed values, calculation and the results they write.
#include "sizing/SizeApplication.h"

#include "catalogue/MessageKeys.h"
#include "catalogue/MsgStoredProc.h"
#include "platform/StringTable.h"
#include "sizing/ApplicationChecks.h"
#include "sizing/ApplicationInputs.h"
#include "sizing/AuxiliaryPower.h"
#include "sizing/CylinderVolume.h"
#include "sizing/EventPlacement.h"
#include "sizing/Holding.h"
#include "sizing/Pulsation.h"
#include "sizing/PumpResponse.h"
#include "sizing/ShockSuppression.h"
#include "sizing/SizingComparison.h"
#include "sizing/SizingSupport.h"
#include "sizing/SizingTexts.h"
#include "sizing/SupplementingPumpFlow.h"

#include <cmath>

namespace sizing
{
namespace
{
// A value the dialog computes is written only when it is a finite number; the
// checks or the calculation then refuse the entry it came from.
void StoreFinite(CUnitDouble& field, const CUnitDouble& value)
{
    if (std::isfinite(value.Value()))
        field = value;
}

std::optional<ECylinderStroke> Stroke(int nChoice)
{
    switch (nChoice)
    {
    case 0:
        return ECylinderStroke::Extend;
    case 1:
        return ECylinderStroke::Retract;
    case 2:
        return ECylinderStroke::Both;
    }
    return std::nullopt;
}

// A result with a value that is not finite becomes CannotCompute, whose values are all 0.
template <typename TResult> TResult Finite(TResult result)
{
    if (detail::AllFinite({result.dRequiredIn3, result.dExponent, result.dExponentCharging, result.dRatio,
                           result.dDeficitIn3}))
        return result;
    TResult refused;
    static_cast<SSizingResult&>(refused) = detail::CannotCompute(LoadString(text::kResultNotFinite));
    return refused;
}

SApplicationOutcome Refuse(SCheckFailure failure)
{
    SApplicationOutcome outcome;
    outcome.failure = std::move(failure);
    return outcome;
}

SApplicationOutcome Unable(std::string strReason)
{
    SApplicationOutcome outcome;
    outcome.strReason = std::move(strReason);
    return outcome;
}

// After the calculation: the results dialog's capacity check, and its notice.
SApplicationOutcome Finish(const CAccumulatorData& w, const SSizingResult& result,
                           const CIMsgStoredProc& messages)
{
    SApplicationOutcome outcome;
    outcome.eStatus = result.eStatus;
    outcome.strReason = result.strReason;
    if (result.eStatus == ESizingStatus::CannotCompute)
        return outcome;
    if (auto failure = CheckResultVolume(w, messages))
        return Refuse(std::move(*failure));
    if (result.eStatus == ESizingStatus::NotRequired)
        outcome.strNotice = messages.GetMessage(msg::kNoAccumulatorRequired);
    return outcome;
}

// The actuator volume dialogs: displacement and times, or cylinder dimensions.
std::optional<SApplicationOutcome> ActuatorVolume(CAccumulatorData& w, const CIMsgStoredProc& messages,
                                                  bool bMinimumPumpFlow)
{
    if (w.deSelectCalcMethod == 1)
    {
        if (auto failure = CheckCylinderDimensions(w, messages))
            return Refuse(std::move(*failure));
        const std::optional<ECylinderStroke> eStroke = Stroke(w.enumCylAffects);
        if (!eStroke)
            return Unable(LoadString(text::kStrokeChoiceUnknown));
        const double dVolume =
            CylinderVolume(w.sdCylDim_BoreDia.GetValue("IN"), w.sdCylDim_RodDia.GetValue("IN"),
                           w.sdCylDim_StrokeLen.GetValue("IN"), w.siCylDim_NoCylParallel.Value(), *eStroke);
        if (!std::isfinite(dVolume))
            return Unable(LoadString(text::kCylinderVolumeNotFinite));
        w.sdActVolDisplacement.Set(dVolume, "CU_IN");
    }
    else if (auto failure = CheckActuatorDisplacement(w, messages))
        return Refuse(std::move(*failure));
    if (bMinimumPumpFlow)
    {
        const std::optional<double> flow =
            MinimumPumpFlow(w.sdActVolDisplacement.GetValue("CU_IN"), w.sdActuationTime.GetValue("SEC"),
                            w.sdDwellTime.GetValue("SEC"));
        if (!flow)
            return Unable(LoadString(text::kMinimumPumpFlowNotFinite));
        w.sdMinPumpFlow.Set(*flow, "GPM");
    }
    return std::nullopt;
}

SApplicationOutcome KnownCapacity(CAccumulatorData& w, const CIMsgStoredProc& messages)
{
    if (auto failure = CheckKnownCapacity(w, messages))
        return Refuse(std::move(*failure));
    SApplicationOutcome outcome;
    outcome.eStatus = ESizingStatus::Sized;
    return outcome;
}

SApplicationOutcome SupplementingPumpFlow(CAccumulatorData& w, const CIMsgStoredProc& messages, bool bAccept)
{
    if (auto stop = ActuatorVolume(w, messages, true))
        return std::move(*stop);
    const SPrechargePair optima = OptimalPrechargesFromGauge(w.sdMinSysPress);
    ApplyPrechargeChoice(w, optima);
    if (auto failure = CheckSupplementingPumpFlow(w, optima, messages, bAccept))
        return Refuse(std::move(*failure));
    return Finish(w, CalculateSupplementingPumpFlow(w), messages);
}

SCheckFailure ForEvent(SCheckFailure failure, std::size_t nIndex)
{
    failure.strField = "m_lstEvents[" + std::to_string(nIndex) + "]." + failure.strField;
    return failure;
}

SApplicationOutcome MultipleEvents(CAccumulatorData& w, const CIMsgStoredProc& messages, bool bAccept)
{
    // Adding an event checks the list's entries first; a list longer than the cycle holds is
    // refused before any event is placed.
    if (auto failure = CheckEventListEntries(w, messages))
        return Refuse(std::move(*failure));
    if (auto failure = CheckEventCount(w.m_lstEvents, messages))
        return Refuse(std::move(*failure));
    // Each event through the editor: completed, checked and placed.
    std::vector<SEvent> placed;
    for (std::size_t i = 0; i < w.m_lstEvents.size(); ++i)
    {
        const std::optional<SEvent> ev = CompleteEvent(w.m_lstEvents[i]);
        if (!ev)
            return Unable(FormatString(text::kEventChoiceUnknown, {std::to_string(i + 1)}));
        if (auto failure = CheckEvent(*ev, w.sdMultiEventTotalDuration, messages))
            return Refuse(ForEvent(std::move(*failure), i));
        if (auto failure = PlaceEvent(placed, *ev, messages))
            return Refuse(ForEvent(std::move(*failure), i));
    }
    w.m_lstEvents = std::move(placed);
    w.iNumOfActuators = CountActuators(w.m_lstEvents);
    if (auto failure = CheckEventList(w, messages))
        return Refuse(std::move(*failure));
    const std::optional<double> flow = MultipleEventsMinimumPumpFlow(
        CycleEvents(w.m_lstEvents), w.sdMultiEventTotalDuration.GetValue("SEC"));
    if (!flow)
        return Unable(LoadString(text::kMinimumPumpFlowNotFinite));
    w.sdMinPumpFlow.Set(*flow, "GPM");

    const SPrechargePair optima = OptimalPrechargesFromGauge(w.sdMinSysPress);
    ApplyPrechargeChoice(w, optima);
    if (auto failure = CheckMultipleEventsPump(w, optima, messages, bAccept))
        return Refuse(std::move(*failure));
    return Finish(w, CalculateMultipleEvents(w), messages);
}

SApplicationOutcome AuxiliaryPower(CAccumulatorData& w, const CIMsgStoredProc& messages, bool bAccept)
{
    // The auxiliary-power volume dialogs do not compute a minimum pump flow.
    if (auto stop = ActuatorVolume(w, messages, false))
        return std::move(*stop);
    const SPrechargePair optima = OptimalPrechargesForMinimum(w.sdMinSysPress);
    ApplyPrechargeChoice(w, optima);
    if (auto failure = CheckAuxiliaryPower(w, optima, messages, bAccept))
        return Refuse(std::move(*failure));
    return Finish(w, CalculateAuxiliaryPower(w), messages);
}

SApplicationOutcome Holding(CAccumulatorData& w, const CIMsgStoredProc& messages, bool bAccept)
{
    // Without a formula for the valve size there is no rate to check or to size with.
    if (std::optional<std::string> reason = ApplyLeakageEstimate(w))
        return Unable(std::move(*reason));
    const SPrechargePair optima = OptimalPrechargesForMinimum(w.sdMinSysPress);
    ApplyPrechargeChoice(w, optima);
    if (auto failure = CheckHolding(w, optima, messages, bAccept))
        return Refuse(std::move(*failure));
    return Finish(w, CalculateHolding(w), messages);
}

SApplicationOutcome ShockSuppression(CAccumulatorData& w, const CIMsgStoredProc& messages)
{
    if (auto failure = CheckShockSuppression(w, MaximumAllowableShockPressure(w.sdMaxSysPress), messages))
        return Refuse(std::move(*failure));
    return Finish(w, CalculateShockSuppression(w), messages);
}

SApplicationOutcome PumpResponse(CAccumulatorData& w, const CIMsgStoredProc& messages)
{
    const EPumpType eType = w.bShockVarOrFixed == 0 ? EPumpType::Fixed : EPumpType::Variable;
    StoreFinite(w.sdPrechargePress, PumpResponsePrecharge(w.sdMaxSysPress));
    w.bPrechargeIHaveUseCalc = 0;
    // The selection keeps the chosen valve only as its typical response time.
    const SPumpResponseValues values{PumpResponseMaximumShock(w.sdMaxSysPress),
                                     w.sdShockReliefValve.Value() > 0.0};
    if (auto failure = CheckPumpResponse(w, eType, values, messages))
        return Refuse(std::move(*failure));
    return Finish(w, CalculatePumpResponse(w), messages);
}

SApplicationOutcome Pulsation(CAccumulatorData& w, const CIMsgStoredProc& messages, bool bAccept)
{
    StoreFinite(w.sdPulsationCalcDisplacement,
                CalculatedDisplacement(w.sdFlowRate, w.iPulsationPumpSpeed, w.sdPulsationCalcDisplacement));
    const SPulsationValues values{PulsationPrecharge(w.sdMaxSysPress),
                                  MaximumAllowableShockPressure(w.sdMaxSysPress)};
    if (w.bPrechargeIHaveUseCalc == 0)
        StoreFinite(w.sdPrechargePress, values.calculatedPrecharge);
    if (auto failure = CheckPulsation(w, values, messages, bAccept))
        return Refuse(std::move(*failure));
    return Finish(w, CalculatePulsation(w), messages);
}
} // namespace

void ApplyPrechargeChoice(SApplicationData& data, const SPrechargePair& optima)
{
    if (data.bPrechargeIHaveUseCalc != 0)
        return;
    StoreFinite(data.sdPrechargePress, data.bPrechargePistonOrBladder != 0 ? optima.piston : optima.bladder);
}

std::optional<SEvent> CompleteEvent(const SEvent& ev)
{
    if (ev.enumActVolForEvent == 0 || ev.enumActVolForEvent == 1)
        return ev;
    if (ev.enumActVolForEvent != 2)
        return std::nullopt;
    const std::optional<ECylinderStroke> eStroke = Stroke(ev.eExtendRetract);
    if (!eStroke)
        return std::nullopt;
    SEvent done = ev;
    StoreFinite(done.sdVolume,
                CUnitDouble(CylinderVolume(ev.sdBoreDia.GetValue("IN"), ev.sdRodDia.GetValue("IN"),
                                           ev.sdStrokeLength.GetValue("IN"), 1, *eStroke),
                            "CU_IN"));
    return done;
}

std::vector<SActuatorEvent> CycleEvents(const std::vector<SEvent>& events)
{
    std::vector<SActuatorEvent> cycle;
    cycle.reserve(events.size());
    for (const SEvent& ev : events)
    {
        SActuatorEvent event;
        event.iActNo = ev.iActNo;
        event.iEventNo = ev.iEventNo;
        event.bPumpAvail = ev.bPumpAvail != 0;
        // A value left in a field the choice does not use must not count.
        if (ev.enumActVolForEvent == 0)
            event.dFlowIn3PerSec = ev.sdFlowrate.GetValue("CU_IN_SEC");
        else
            event.dVolumeIn3 = ev.sdVolume.GetValue("CU_IN");
        event.dStartSec = ev.sdEvStartTime.GetValue("SEC");
        event.dDurationSec = ev.sdEvDuration.GetValue("SEC");
        cycle.push_back(event);
    }
    return cycle;
}

std::optional<std::string> ApplyLeakageEstimate(SApplicationData& data)
{
    if (data.bHoldLeakageRateChoice != 0)
        return std::nullopt;
    const std::optional<CUnitDouble> estimate = EstimatedLeakageRate(data);
    if (!estimate || !std::isfinite(estimate->Value()))
        return FormatString(text::kLeakageNotEstimated, {std::to_string(data.siHoldNoOfValves.Value()),
                                                         MessageNumber(data.sdHoldValveSize.Value(), 3)});
    data.sdHoldLeakageRate = *estimate;
    return std::nullopt;
}

std::optional<CUnitDouble> EstimatedLeakageRate(const SApplicationData& data)
{
    const int nValves = data.siHoldNoOfValves.Value();
    if (nValves < 0)
        return std::nullopt;
    const std::optional<double> rate =
        EstimateLeakageRate(data.sdMaxSysPress.GetValue("PSIA"), nValves, data.sdHoldValveSize.Value());
    if (!rate)
        return std::nullopt;
    return CUnitDouble(*rate, "CU_IN_MIN");
}

SSizingResult CalculateSupplementingPumpFlow(CAccumulatorData& w)
{
    SSupplementingPumpFlowInput in;
    in.dActuatorVolumeIn3 = w.sdActVolDisplacement.GetValue("CU_IN");
    in.dActuationSec = w.sdActuationTime.GetValue("SEC");
    in.dDwellSec = w.sdDwellTime.GetValue("SEC");
    in.dPumpGpm = w.sdEnterPumpSize.GetValue("GPM");
    in.bPumpRunning = w.bIsPumpRunning != 0;
    in.dMaxPsia = w.sdMaxSysPress.GetValue("PSIA");
    in.dMinPsia = w.sdMinSysPress.GetValue("PSIA");
    in.dTempF = w.sdSysTemperature.GetValue("DEG_F");
    in.dPrechargePsia = w.sdPrechargePress.GetValue("PSIA");
    const SSizingResult r = Finite(SizeSupplementingPumpFlow(in));
    w.sdRequiredAccumulatorVol.Set(r.dRequiredIn3, "CU_IN");
    w.sdVolRatio.SetValue(r.dRatio);
    // Not required: the deficit says by how much the pump covers the actuator (not above 0).
    w.sdVolDefci.Set(r.dDeficitIn3, "CU_IN");
    w.sdPolyTropicExponent.Set(r.dExponent, "NONE");
    w.sdPolyTropicExponentCharging.Set(r.dExponentCharging, "NONE");
    return r;
}

SMultipleEventsResult CalculateMultipleEvents(CAccumulatorData& w)
{
    SMultipleEventsInput in;
    in.events = CycleEvents(w.m_lstEvents);
    in.dTotalSec = w.sdMultiEventTotalDuration.GetValue("SEC");
    in.dPumpGpm = w.sdEnterPumpSize.GetValue("GPM");
    in.dTempF = w.sdSysTemperature.GetValue("DEG_F");
    in.dMaxPsia = w.sdMaxSysPress.GetValue("PSIA");
    in.dMinPsia = w.sdMinSysPress.GetValue("PSIA");
    in.dPrechargePsia = w.sdPrechargePress.GetValue("PSIA");
    in.eMode = w.bPrechargePistonOrBladder != 0 ? gas::EPrechargeMode::Piston
                                                : gas::EPrechargeMode::BladderOrDiaphragm;
    SMultipleEventsResult r = Finite(SizeMultipleEvents(in));
    if (!std::isfinite(r.dPeakFlowGpm))
    {
        r = SMultipleEventsResult{};
        r.strReason = LoadString(text::kResultNotFinite);
    }
    w.sdRequiredAccumulatorVol.Set(r.dRequiredIn3, "CU_IN");
    w.sdPolyTropicExponent.Set(r.dExponent, "NONE");
    w.sdVolRatio.SetValue(r.dRatio);
    w.iCriticalActuator = r.iCriticalActuator;
    w.iCriticalEvent = r.iCriticalEvent;
    w.cudFlow.Set(r.dPeakFlowGpm, "GPM");
    return r;
}

SSizingResult CalculateAuxiliaryPower(CAccumulatorData& w)
{
    SAuxiliaryPowerInput in;
    in.dActuatorVolumeIn3 = w.sdActVolDisplacement.GetValue("CU_IN");
    in.dActuationSec = w.sdActuationTime.GetValue("SEC");
    in.dDwellSec = w.sdDwellTime.GetValue("SEC");
    in.dMaxPsia = w.sdMaxSysPress.GetValue("PSIA");
    in.dMinPsia = w.sdMinSysPress.GetValue("PSIA");
    in.dTempF = w.sdSysTemperature.GetValue("DEG_F");
    in.dPrechargePsia = w.sdPrechargePress.GetValue("PSIA");
    const SSizingResult r = Finite(SizeAuxiliaryPower(in));
    w.sdRequiredAccumulatorVol.Set(r.dRequiredIn3, "CU_IN");
    w.sdVolRatio.SetValue(r.dRatio);
    // The dialog only gives the deficit its unit; its value stays.
    w.sdVolDefci.Set(w.sdVolDefci.Value(), "CU_IN");
    w.sdPolyTropicExponent.Set(r.dExponent, "NONE");
    w.sdPolyTropicExponentCharging.Set(r.dExponentCharging, "NONE");
    return r;
}

SSizingResult CalculateHolding(CAccumulatorData& w)
{
    SHoldingInput in;
    in.dMaxPsia = w.sdMaxSysPress.GetValue("PSIA");
    in.dMinPsia = w.sdMinSysPress.GetValue("PSIA");
    in.dTempF = w.sdSysTemperature.GetValue("DEG_F");
    in.dHoldSec = w.sdHoldTimeHold.GetValue("SEC");
    in.dLeakIn3PerMin = w.sdHoldLeakageRate.GetValue("CU_IN_MIN");
    in.dPrechargePsia = w.sdPrechargePress.GetValue("PSIA");
    const SSizingResult r = Finite(SizeHolding(in));
    w.sdRequiredAccumulatorVol.Set(r.dRequiredIn3, "CU_IN");
    w.sdPolyTropicExponent.Set(r.dExponent, "NONE");
    return r;
}

SSizingResult CalculateShockSuppression(CAccumulatorData& w)
{
    // The assumed temperature, kept in the selection's temperature unit so that the results and
    // the report show what was used (70 in a metric selection's unit would be 70 deg C).
    const std::string strTempUnit = w.sdSysTemperature.GetUnit().empty() ? "DEG_F" : w.sdSysTemperature.GetUnit();
    w.sdSysTemperature.Set(CUnitDouble::Convert(kShockAssumedTempF, "DEG_F", strTempUnit), strTempUnit);
    StoreFinite(w.sdPrechargePress, ShockSuppressionPrecharge(w.sdMaxSysPress));
    w.bPrechargeIHaveUseCalc = 0;
    const SShockSuppressionInput in = ShockSuppressionInputOf(w);
    const SSizingResult r = Finite(static_cast<SSizingResult>(ShockSuppressionVolume(in)));
    w.sdPolyTropicExponent.Set(r.dExponent, "NONE");
    w.sdRequiredAccumulatorVol.Set(r.dRequiredIn3, "CU_IN");
    return r;
}

SSizingResult CalculatePumpResponse(CAccumulatorData& w)
{
    const SSizingResult r = Finite(SizePumpResponse(PumpResponseInputOf(w)));
    w.sdRequiredAccumulatorVol.Set(r.dRequiredIn3, "CU_IN");
    w.sdPolyTropicExponent.Set(r.dExponent, "NONE");
    return r;
}

SSizingResult CalculatePulsation(CAccumulatorData& w)
{
    const SSizingResult r = Finite(PulsationVolume(PulsationInputOf(w)));
    w.sdRequiredAccumulatorVol.Set(r.dRequiredIn3, "CU_IN");
    w.sdPolyTropicExponent.Set(r.dExponent, "NONE");
    // The volume always uses 60 % of the system pressure, whatever precharge was entered:
    // the results and the selection show that one.
    if (r.eStatus != ESizingStatus::CannotCompute)
        StoreFinite(w.sdPrechargePress, PulsationPrecharge(w.sdMaxSysPress));
    return r;
}

namespace
{
SApplicationOutcome Dispatch(CAccumulatorData& working, const CIMsgStoredProc& messages,
                             bool bAcceptQuestions)
{
    switch (working.deSelectApp)
    {
    case app::KnownCapacity:
        return KnownCapacity(working, messages);
    case app::SupplementingPumpFlow:
        return SupplementingPumpFlow(working, messages, bAcceptQuestions);
    case app::MultipleEvents:
        return MultipleEvents(working, messages, bAcceptQuestions);
    case app::AuxiliaryPower:
        return AuxiliaryPower(working, messages, bAcceptQuestions);
    case app::Holding:
        return Holding(working, messages, bAcceptQuestions);
    case app::ShockSuppression:
        return ShockSuppression(working, messages);
    case app::Pulsation:
        return Pulsation(working, messages, bAcceptQuestions);
    case app::PumpResponse:
        return PumpResponse(working, messages);
    }
    return Unable(LoadString(text::kNoApplication));
}

// A refused calculation leaves no earlier result behind that could pass for this entry's.
void ClearResults(SApplicationData& data)
{
    data.sdRequiredAccumulatorVol.Set(0.0, "CU_IN");
    data.sdPolyTropicExponent.Set(0.0, "NONE");
    data.sdPolyTropicExponentCharging.Set(0.0, "NONE");
    data.sdVolRatio.SetValue(0.0);
}
} // namespace

SApplicationOutcome SizeApplication(CAccumulatorData& working, const CIMsgStoredProc& messages,
                                    bool bAcceptQuestions)
{
    SApplicationOutcome outcome = Dispatch(working, messages, bAcceptQuestions);
    if (!outcome.Refused() && outcome.eStatus == ESizingStatus::CannotCompute)
        ClearResults(working);
    // The range is entered below the application's entries and checked after them.
    if (!outcome.Refused() && working.deSelectApp != app::KnownCapacity)
        if (auto failure = CheckOperatingTemperatures(working, messages))
            return Refuse(std::move(*failure));
    return outcome;
}
} // namespace sizing
