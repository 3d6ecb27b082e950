// The ordered entry checks of the application dialogs.
#include "sizing/ApplicationChecks.h"

#include "catalogue/MessageKeys.h"
#include "sizing/EntryLimits.h"
#include "sizing/EventPlacement.h"

#include <cmath>

namespace sizing
{
namespace
{
bool NotAboveZero(const CUnitDouble& value)
{
    return !(value.Value() > 0.0); // a NaN entry is refused too
}

// A time above its longest, with the limit shown in the time's own unit.
CheckResult TooLong(const CUnitDouble& time, double dLongestSec, const char* pszKey, const char* pszField,
                    const CCheckMessages& m)
{
    if (time.GetValue("SEC") > dLongestSec)
        return Failure(m.Formatted(pszKey, CUnitDouble(dLongestSec, "SEC"), time.GetUnit()), pszField);
    return std::nullopt;
}

// The actuation time and, when the dialog has one, the dwell time: above 0 and not above a day.
CheckResult ActuationAndDwell(const CAccumulatorData& sel, bool bHasDwell, const CCheckMessages& m)
{
    if (NotAboveZero(sel.sdActuationTime))
        return Failure(m.Plain(msg::kActuationTimeNotAboveZero), "sdActuationTime");
    if (auto failure = TooLong(sel.sdActuationTime, kLongestTimeSec, msg::kActuationTimeTooLong, "sdActuationTime", m))
        return failure;
    if (!bHasDwell)
        return std::nullopt;
    if (NotAboveZero(sel.sdDwellTime))
        return Failure(m.Plain(msg::kDwellTimeNotAboveZero), "sdDwellTime");
    return TooLong(sel.sdDwellTime, kLongestTimeSec, msg::kDwellTimeTooLong, "sdDwellTime", m);
}

bool EnteredPrecharge(const CAccumulatorData& sel)
{
    return sel.bPrechargeIHaveUseCalc != 0;
}

// Common check 1.
CheckResult MaxAboveZero(const CAccumulatorData& sel, const CCheckMessages& m)
{
    if (NotAboveZero(sel.sdMaxSysPress))
        return Failure(m.Plain(msg::kMaxPressureNotAboveZero), "sdMaxSysPress");
    return std::nullopt;
}

// Common check 2, and its use for the shock pressure: the limit shown in the system pressure's unit.
CheckResult WithinCataloguePressure(const CAccumulatorData& sel, const CUnitDouble& value,
                                    const char* pszField, const CCheckMessages& m)
{
    if (value > sel.sdAllowedMaxAccumulatorPress)
        return Failure(m.Formatted(msg::kMaxPressureAboveCatalogue, sel.sdAllowedMaxAccumulatorPress,
                                   sel.sdMaxSysPress.GetUnit()),
                       pszField);
    return std::nullopt;
}

// Common checks 5 and 6, the limit shown in the temperature's unit.
CheckResult Temperatures(const CAccumulatorData& sel, const CCheckMessages& m)
{
    const std::string& strUnit = sel.sdSysTemperature.GetUnit();
    if (sel.sdSysTemperature > sel.sdAllowedMaxTemperature)
        return Failure(m.Temperature(msg::kAboveMaxTemp, sel.sdAllowedMaxTemperature, strUnit),
                       "sdSysTemperature");
    if (sel.sdSysTemperature < sel.sdAllowedMinTemperature)
        return Failure(m.Temperature(msg::kBelowMinTemp, sel.sdAllowedMinTemperature, strUnit),
                       "sdSysTemperature");
    return std::nullopt;
}

// Common check 8.
CheckResult EnteredPrechargeAboveZero(const CAccumulatorData& sel, const CCheckMessages& m)
{
    if (EnteredPrecharge(sel) && NotAboveZero(sel.sdPrechargePress))
        return Failure(m.Plain(msg::kEnteredPrechargeNotAboveZero), "sdPrechargePress");
    return std::nullopt;
}

// Common check 9 and the pulsation dialog's question: the limit shown in its own unit.
CheckResult PrechargeTooHigh(const CAccumulatorData& sel, const CUnitDouble& limit, int nDecimals,
                             const CCheckMessages& m, bool bAcceptQuestions)
{
    if (bAcceptQuestions || !EnteredPrecharge(sel) || !(sel.sdPrechargePress > limit))
        return std::nullopt;
    return Failure(m.Formatted(msg::kPrechargeTooHigh, limit, limit.GetUnit(), ETail::LookedUp, nDecimals),
                   "sdPrechargePress", true);
}

// The holding and supplementing-pump-flow wording of common check 4: the maximum in the minimum's unit.
CheckResult MinNotAboveMax(const CAccumulatorData& sel, const char* pszKey, const CCheckMessages& m)
{
    if (sel.sdMinSysPress > sel.sdMaxSysPress)
        return Failure(m.Formatted(pszKey, sel.sdMaxSysPress, sel.sdMinSysPress.GetUnit()), "sdMinSysPress");
    return std::nullopt;
}

// The auxiliary-power wording of checks 4 and 7: two looked-up parts, the value and its unit.
std::string TwoPart(const CCheckMessages& m, const char* pszFirst, const char* pszSecond,
                    const CUnitDouble& value, const std::string& strUnit)
{
    return m.Lookup(pszFirst) + m.Lookup(pszSecond) + MessageNumber(value.GetValue(strUnit)) + " " +
           UnitDisplayText(strUnit) + "\r\n" + m.Lookup(msg::kTail);
}
} // namespace

CheckResult CheckKnownCapacity(const CAccumulatorData& sel, const CIMsgStoredProc& messages)
{
    const CCheckMessages m(messages);
    const CUnitDouble& capacity = sel.sdRequiredAccumulatorVol;
    if (NotAboveZero(capacity))
        return Failure(m.Plain(msg::kRequiredCapacityNotAboveZero), "sdRequiredAccumulatorVol");
    if (capacity > sel.sdAllowedMaxAccumulatorVol)
        return Failure(m.Formatted(msg::kRequiredVolumeAboveCatalogue, sel.sdAllowedMaxAccumulatorVol,
                                   capacity.GetUnit()),
                       "sdRequiredAccumulatorVol");
    // Here the catalogue limit comes before the check against 0.
    if (sel.sdMaxSysPress > sel.sdAllowedMaxAccumulatorPress)
        return Failure(m.Formatted(msg::kMaxPressureAboveCatalogueLower, sel.sdAllowedMaxAccumulatorPress,
                                   sel.sdMaxSysPress.GetUnit()),
                       "sdMaxSysPress");
    if (NotAboveZero(sel.sdMaxSysPress))
        return Failure(m.Joined(msg::kMaxPressureNotAboveZero), "sdMaxSysPress");
    return std::nullopt;
}

CheckResult CheckResultVolume(const CAccumulatorData& sel, const CIMsgStoredProc& messages)
{
    const CCheckMessages m(messages);
    if (sel.sdRequiredAccumulatorVol > sel.sdAllowedMaxAccumulatorVol)
        return Failure(m.Formatted(msg::kRequiredVolumeAboveCatalogue, sel.sdAllowedMaxAccumulatorVol,
                                   sel.sdRequiredAccumulatorVol.GetUnit()),
                       "sdRequiredAccumulatorVol");
    return std::nullopt;
}

CheckResult CheckActuatorDisplacement(const CAccumulatorData& sel, const CIMsgStoredProc& messages)
{
    const CCheckMessages m(messages);
    if (NotAboveZero(sel.sdActVolDisplacement))
        return Failure(m.Plain(msg::kActuatorVolumeNotAboveZero), "sdActVolDisplacement");
    return ActuationAndDwell(sel, true, m);
}

CheckResult CheckCylinderDimensions(const CAccumulatorData& sel, const CIMsgStoredProc& messages,
                                    bool bHasDwell)
{
    const CCheckMessages m(messages);
    if (NotAboveZero(sel.sdCylDim_BoreDia))
        return Failure(m.Plain(msg::kBoreNotAboveZero), "sdCylDim_BoreDia");
    if (NotAboveZero(sel.sdCylDim_RodDia))
        return Failure(m.Plain(msg::kRodNotAboveZero), "sdCylDim_RodDia");
    if (sel.sdCylDim_RodDia > sel.sdCylDim_BoreDia)
        return Failure(m.Formatted(msg::kRodAboveBore, sel.sdCylDim_BoreDia, sel.sdCylDim_RodDia.GetUnit()),
                       "sdCylDim_RodDia");
    if (NotAboveZero(sel.sdCylDim_StrokeLen))
        return Failure(m.Plain(msg::kStrokeNotAboveZero), "sdCylDim_StrokeLen");
    if (!(sel.siCylDim_NoCylParallel.Value() > 0))
        return Failure(m.Plain(msg::kCylindersNotAboveZero), "siCylDim_NoCylParallel");
    return ActuationAndDwell(sel, bHasDwell, m);
}

CheckResult CheckSupplementingPumpFlow(const CAccumulatorData& sel, const SPrechargePair& optima,
                                       const CIMsgStoredProc& messages, bool bAcceptQuestions)
{
    const CCheckMessages m(messages);
    // Refused even when the pump does not run during the actuation.
    if (sel.sdEnterPumpSize < sel.sdMinPumpFlow)
        return Failure(m.Plain(msg::kPumpBelowMinimum), "sdEnterPumpSize");
    if (auto failure = MaxAboveZero(sel, m))
        return failure;
    if (auto failure = WithinCataloguePressure(sel, sel.sdMaxSysPress, "sdMaxSysPress", m))
        return failure;
    if (NotAboveZero(sel.sdMinSysPress))
        return Failure(m.Joined(msg::kEnterMinPressure), "sdMinSysPress");
    if (auto failure = MinNotAboveMax(sel, msg::kMinPressureExceedsMaxFmt, m))
        return failure;
    if (auto failure = Temperatures(sel, m))
        return failure;
    if (auto failure = EnteredPrechargeAboveZero(sel, m))
        return failure;
    if (EnteredPrecharge(sel) && sel.sdPrechargePress > sel.sdMinSysPress)
        return Failure(m.Plain(msg::kPrechargeNotLessThanMin), "sdPrechargePress");
    return PrechargeTooHigh(sel, optima.piston, 2, m, bAcceptQuestions);
}

CheckResult CheckEvent(const SEvent& ev, const CUnitDouble& totalDuration, const CIMsgStoredProc& messages)
{
    const CCheckMessages m(messages);
    // The cycle starts at 0: an event before it would make the time grid run backwards.
    if (ev.sdEvStartTime.Value() < 0.0 || std::isnan(ev.sdEvStartTime.Value()))
        return Failure(m.Plain(msg::kEventStartNegative), "sdEvStartTime");
    if (ev.sdEvStartTime > totalDuration)
        return Failure(m.Plain(msg::kEventStartAfterCycle), "sdEvStartTime");
    if (NotAboveZero(ev.sdEvDuration))
        return Failure(m.Plain(msg::kEventDurationNotAboveZero), "sdEvDuration");
    if (ev.sdEvStartTime.GetValue("SEC") + ev.sdEvDuration.GetValue("SEC") > totalDuration.GetValue("SEC"))
        return Failure(m.Formatted(msg::kEventEndAfterCycle, totalDuration, totalDuration.GetUnit()),
                       "sdEvDuration");
    switch (ev.enumActVolForEvent)
    {
    case 0:
        if (NotAboveZero(ev.sdFlowrate))
            return Failure(m.Plain(msg::kEventFlowNotAboveZero), "sdFlowrate");
        break;
    case 1:
        if (NotAboveZero(ev.sdVolume))
            return Failure(m.Plain(msg::kEventVolumeNotAboveZero), "sdVolume");
        break;
    case 2:
        if (NotAboveZero(ev.sdBoreDia))
            return Failure(m.Plain(msg::kEventBoreNotAboveZero), "sdBoreDia");
        if (NotAboveZero(ev.sdRodDia))
            return Failure(m.Plain(msg::kEventRodNotAboveZero), "sdRodDia");
        if (ev.sdRodDia > ev.sdBoreDia)
            return Failure(m.Formatted(msg::kRodAboveBore, ev.sdBoreDia, ev.sdRodDia.GetUnit()), "sdRodDia");
        if (NotAboveZero(ev.sdStrokeLength))
            return Failure(m.Plain(msg::kEventStrokeNotAboveZero), "sdStrokeLength");
        break;
    }
    return std::nullopt;
}

CheckResult CheckEventListEntries(const CAccumulatorData& sel, const CIMsgStoredProc& messages)
{
    const CCheckMessages m(messages);
    if (auto failure = MaxAboveZero(sel, m))
        return failure;
    if (auto failure = WithinCataloguePressure(sel, sel.sdMaxSysPress, "sdMaxSysPress", m))
        return failure;
    // The common check 3 that this dialog lacked: a minimum of 0 or below would size with a vacuum.
    if (NotAboveZero(sel.sdMinSysPress))
        return Failure(m.Plain(msg::kMinPressureNotAboveZero), "sdMinSysPress");
    if (auto failure = MinNotAboveMax(sel, msg::kMultiMinPressureExceedsMax, m))
        return failure;
    if (NotAboveZero(sel.sdMultiEventTotalDuration))
        return Failure(m.Plain(msg::kCycleDurationNotAboveZero), "sdMultiEventTotalDuration");
    return TooLong(sel.sdMultiEventTotalDuration, kLongestTimeSec, msg::kCycleDurationTooLong,
                   "sdMultiEventTotalDuration", m);
}

CheckResult CheckEventList(const CAccumulatorData& sel, const CIMsgStoredProc& messages)
{
    if (auto failure = CheckEventListEntries(sel, messages))
        return failure;
    if (sel.m_lstEvents.empty())
        return Failure(CCheckMessages(messages).Lookup(msg::kNoActuatorEvents), "m_lstEvents");
    return CheckEventCount(sel.m_lstEvents, messages);
}

CheckResult CheckMultipleEventsPump(const CAccumulatorData& sel, const SPrechargePair& optima,
                                    const CIMsgStoredProc& messages, bool bAcceptQuestions)
{
    const CCheckMessages m(messages);
    if (sel.sdEnterPumpSize < sel.sdMinPumpFlow)
        return Failure(m.Plain(msg::kMultiPumpBelowMinimum), "sdEnterPumpSize");
    if (auto failure = Temperatures(sel, m))
        return failure;
    if (auto failure = EnteredPrechargeAboveZero(sel, m))
        return failure;
    if (EnteredPrecharge(sel) && sel.sdPrechargePress > sel.sdMinSysPress)
        return Failure(m.Plain(msg::kPrechargeNotBelowMin), "sdPrechargePress");
    return PrechargeTooHigh(sel, optima.piston, 2, m, bAcceptQuestions);
}

CheckResult CheckAuxiliaryPower(const CAccumulatorData& sel, const SPrechargePair& optima,
                                const CIMsgStoredProc& messages, bool bAcceptQuestions)
{
    const CCheckMessages m(messages);
    if (auto failure = MaxAboveZero(sel, m))
        return failure;
    if (auto failure = WithinCataloguePressure(sel, sel.sdMaxSysPress, "sdMaxSysPress", m))
        return failure;
    if (NotAboveZero(sel.sdMinSysPress))
        return Failure(m.Plain(msg::kMinPressureNotAboveZero), "sdMinSysPress");
    const std::string& strMinUnit = sel.sdMinSysPress.GetUnit();
    if (sel.sdMinSysPress > sel.sdMaxSysPress)
        return Failure(TwoPart(m, msg::kMinPressureExceedsMax, msg::kReduceMinPressureBelow,
                               sel.sdMaxSysPress, strMinUnit),
                       "sdMinSysPress");
    if (auto failure = Temperatures(sel, m))
        return failure;
    if (EnteredPrecharge(sel) && sel.sdPrechargePress > sel.sdMinSysPress)
        return Failure(
            TwoPart(m, msg::kPrechargeNotBelowMin, msg::kReducePrechargeBelow, sel.sdMinSysPress, strMinUnit),
            "sdPrechargePress");
    if (auto failure = EnteredPrechargeAboveZero(sel, m))
        return failure;
    return PrechargeTooHigh(sel, optima.piston, 2, m, bAcceptQuestions);
}

CheckResult CheckHolding(const CAccumulatorData& sel, const SPrechargePair& optima,
                         const CIMsgStoredProc& messages, bool bAcceptQuestions)
{
    const CCheckMessages m(messages);
    if (auto failure = MaxAboveZero(sel, m))
        return failure;
    if (auto failure = WithinCataloguePressure(sel, sel.sdMaxSysPress, "sdMaxSysPress", m))
        return failure;
    if (NotAboveZero(sel.sdMinSysPress))
        return Failure(m.Plain(msg::kMinPressureNotAboveZero), "sdMinSysPress");
    if (auto failure = MinNotAboveMax(sel, msg::kMinPressureExceedsMaxFmt, m))
        return failure;
    if (auto failure = Temperatures(sel, m))
        return failure;
    if (EnteredPrecharge(sel) && sel.sdPrechargePress > sel.sdMinSysPress)
        return Failure(
            m.Formatted(msg::kPrechargeNotBelowMinFmt, sel.sdMinSysPress, sel.sdMinSysPress.GetUnit()),
            "sdPrechargePress");
    if (auto failure = EnteredPrechargeAboveZero(sel, m))
        return failure;
    if (NotAboveZero(sel.sdHoldTimeHold))
        return Failure(m.Plain(msg::kHoldTimeNotAboveZero), "sdHoldTimeHold");
    if (auto failure = TooLong(sel.sdHoldTimeHold, kLongestHoldSec, msg::kHoldTimeTooLong, "sdHoldTimeHold", m))
        return failure;
    // An estimated rate of 0 or less (no valves, or a small valve at a low pressure) is refused
    // as well: nothing would leak, and "does not require an accumulator" would mislead.
    if (NotAboveZero(sel.sdHoldLeakageRate))
        return Failure(m.Plain(msg::kLeakageRateNotAboveZero),
                       sel.bHoldLeakageRateChoice != 0 ? "sdHoldLeakageRate" : "siHoldNoOfValves");
    return PrechargeTooHigh(sel, optima.piston, 2, m, bAcceptQuestions);
}

CheckResult CheckShockSuppression(const CAccumulatorData& sel, const CUnitDouble& computedMaxShock,
                                  const CIMsgStoredProc& messages)
{
    const CCheckMessages m(messages);
    const CUnitDouble& shock = sel.sdShockMaxShockPress;
    if (auto failure = MaxAboveZero(sel, m))
        return failure;
    if (auto failure = WithinCataloguePressure(sel, shock, "sdShockMaxShockPress", m))
        return failure;
    if (shock > computedMaxShock)
        return Failure(m.Plain(msg::kShockAboveAllowed), "sdShockMaxShockPress");
    if (NotAboveZero(shock))
        return Failure(m.Plain(msg::kShockPressureNotAboveZero), "sdShockMaxShockPress");
    if (NotAboveZero(sel.sdEnterPumpSize))
        return Failure(m.Plain(msg::kFlowRateNotAboveZero), "sdEnterPumpSize");
    if (NotAboveZero(sel.sdShockTubeLength))
        return Failure(m.Plain(msg::kPipeLengthNotAboveZero), "sdShockTubeLength");
    // The fluid and the line come from the catalogue's lists; a value not from a list is refused.
    if (!(sel.dShockFluidDensity > 0.0) || !std::isfinite(sel.dShockFluidDensity))
        return Failure(m.Lookup(msg::kSelectItemFromList), "dShockFluidDensity");
    if (!(sel.dShockSchedule > 0.0) || !std::isfinite(sel.dShockSchedule))
        return Failure(m.Lookup(msg::kSelectItemFromList), "dShockSchedule");
    // The gas model needs a temperature it can work with, as every other application checks.
    return Temperatures(sel, m);
}

CheckResult CheckPumpResponse(const CAccumulatorData& sel, EPumpType eType, const SPumpResponseValues& values,
                              const CIMsgStoredProc& messages)
{
    const CCheckMessages m(messages);
    const CUnitDouble& shock = sel.sdShockMaxShockPress;
    const bool bFixed = eType == EPumpType::Fixed;
    if (shock > values.computedMaxShock)
        return Failure(m.Plain(msg::kShockAboveAllowed), "sdShockMaxShockPress");
    if (auto failure = MaxAboveZero(sel, m))
        return failure;
    if (NotAboveZero(shock))
        return Failure(m.Plain(msg::kShockPressureNotAboveZero), "sdShockMaxShockPress");
    if (auto failure = WithinCataloguePressure(sel, shock, "sdShockMaxShockPress", m))
        return failure;
    if (auto failure = Temperatures(sel, m))
        return failure;
    if (NotAboveZero(sel.sdFlowRate))
        return Failure(m.Plain(msg::kFlowRateNotAboveZero), "sdFlowRate");
    if (NotAboveZero(sel.sdShockResponseTime))
        return Failure(m.Plain(msg::kResponseTimeNotAboveZero), "sdShockResponseTime");
    if (auto failure =
            TooLong(sel.sdShockResponseTime, kLongestTimeSec, msg::kResponseTimeTooLong, "sdShockResponseTime", m))
        return failure;
    if (bFixed && !values.bReliefValveSelected)
        return Failure(m.Plain(msg::kSelectReliefValve), "sdShockReliefValve");
    return std::nullopt;
}

CheckResult CheckPulsationPistonLimit(int nPistons, const CIMsgStoredProc& messages)
{
    if (nPistons > kMostPumpPistons)
        return Failure(CCheckMessages(messages).Lookup(msg::kMaxPistons), "iPulsationNoOfPistInPump");
    return std::nullopt;
}

CheckResult CheckPulsation(const CAccumulatorData& sel, const SPulsationValues& values,
                           const CIMsgStoredProc& messages, bool bAcceptQuestions)
{
    const CCheckMessages m(messages);
    const CUnitDouble& shock = sel.sdShockMaxShockPress;
    const CUnitDouble& precharge = sel.sdPrechargePress;
    const bool bEntered = EnteredPrecharge(sel);
    if (auto failure = CheckPulsationPistonLimit(sel.iPulsationNoOfPistInPump, messages))
        return failure;
    if (shock > values.computedMaxShock)
        return Failure(m.Plain(msg::kShockAboveAllowed), "sdShockMaxShockPress");
    if (auto failure = MaxAboveZero(sel, m))
        return failure;
    if (NotAboveZero(shock))
        return Failure(m.Plain(msg::kShockPressureNotAboveZero), "sdShockMaxShockPress");
    if (auto failure = WithinCataloguePressure(sel, shock, "sdShockMaxShockPress", m))
        return failure;
    if (bEntered && precharge > sel.sdMaxSysPress)
        return Failure(
            m.Formatted(msg::kPrechargeAboveSystem, sel.sdMaxSysPress, precharge.GetUnit()),
            "sdPrechargePress");
    if (bEntered && NotAboveZero(precharge))
        return Failure(m.Plain(msg::kEnteredPrechargeNotAboveZero), "sdPrechargePress");
    if (auto failure = PrechargeTooHigh(sel, values.calculatedPrecharge, 10, m, bAcceptQuestions))
        return failure;
    if (!(sel.iPulsationNoOfPistInPump > 0))
        return Failure(m.Plain(msg::kPistonsNotAboveZero), "iPulsationNoOfPistInPump");
    if (sel.bPulsationEnterPumpDispOrCalc != 0)
    {
        if (NotAboveZero(sel.sdPulsationPumpDisp))
            return Failure(m.Plain(msg::kPumpDisplacementNotAboveZero), "sdPulsationPumpDisp");
    }
    else
    {
        if (NotAboveZero(sel.sdFlowRate))
            return Failure(m.Plain(msg::kFlowRateNotAboveZero), "sdFlowRate");
        if (sel.iPulsationPumpSpeed < 1)
            return Failure(m.Plain(msg::kPumpSpeedNotAboveZero), "iPulsationPumpSpeed");
    }
    return Temperatures(sel, m);
}
} // namespace sizing
