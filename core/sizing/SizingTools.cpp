// The output-of-an-existing-accumulator and temperature-on-precharge tools with their checks.
#include "sizing/SizingTools.h"

#include "catalogue/MessageKeys.h"
#include "sizing/EntryLimits.h"
#include "sizing/OutputExisting.h"

namespace sizing
{
namespace
{
// Limits compared as "below" and "above": values equal to a limit pass; a value that is not a number fails.
bool Outside(double dValue, double dLow, double dHigh)
{
    return !(dValue >= dLow && dValue <= dHigh);
}

CheckResult OutputChecks(const SOutputExistingEntries& e, const CUnitDouble& precharge,
                         const CCheckMessages& m)
{
    auto refuse = [&m](const char* pszKey, const char* pszField)
    { return Failure(m.Plain(pszKey), pszField); };
    const double dMaxG = e.maximum.GetValue("PSIG");
    const double dMinG = e.minimum.GetValue("PSIG");
    if (!(dMaxG > 0.0))
        return refuse(msg::kMaxPressureNotAboveZero, "maximum");
    if (dMaxG > 5000.0)
        return refuse(msg::kToolMaxPressureAbove5000, "maximum");
    if (!(dMinG > 0.0))
        return refuse(msg::kMinPressureNotAboveZero, "minimum");
    if (dMinG > 5000.0)
        return refuse(msg::kToolMinPressureAbove5000, "minimum");
    if (e.minimum > e.maximum)
        return refuse(msg::kToolMinAboveMax, "minimum");
    if (Outside(e.temperature.GetValue("DEG_F"), -45.0, 450.0))
        return refuse(msg::kToolTemperatureOutOfRange, "temperature");
    if (precharge > e.minimum)
        return refuse(msg::kPrechargeNotBelowMin, "precharge");
    // Unchecked, these would end in "does not require an accumulator" or a failed calculation.
    // An optimum at or below zero gauge comes from a minimum barely above the atmosphere.
    if (!(precharge.GetValue("PSIG") > 0.0))
        return refuse(msg::kToolPrechargeNotAboveZero,
                      e.ePrecharge == EToolPrecharge::Entered ? "precharge" : "minimum");
    if (!(e.volume.GetValue("CU_IN") > 0.0))
        return refuse(msg::kToolVolumeNotAboveZero, "volume");
    if (!(e.dischargeTime.GetValue("SEC") > 0.0))
        return refuse(msg::kToolDischargeTimeNotAboveZero, "dischargeTime");
    if (e.dischargeTime.GetValue("SEC") > kLongestTimeSec)
        return Failure(m.Formatted(msg::kDischargeTimeTooLong, CUnitDouble(kLongestTimeSec, "SEC"),
                                   e.dischargeTime.GetUnit()),
                       "dischargeTime");
    return std::nullopt;
}
} // namespace

SOutputExistingOutcome OutputOfExistingTool(const SOutputExistingEntries& e, const CIMsgStoredProc& messages)
{
    const CCheckMessages m(messages);
    SOutputExistingOutcome outcome;
    const SPrechargePair optima = OutputExistingOptimalPrecharges(e.minimum);
    switch (e.ePrecharge)
    {
    case EToolPrecharge::Entered:
        outcome.precharge = e.enteredPrecharge;
        break;
    case EToolPrecharge::Piston:
        outcome.precharge = optima.piston;
        break;
    case EToolPrecharge::Bladder:
        outcome.precharge = optima.bladder;
        break;
    }
    if (auto failure = OutputChecks(e, outcome.precharge, m))
    {
        outcome.failure = std::move(failure);
        return outcome;
    }

    SOutputExistingInput in;
    in.dVolumeIn3 = e.volume.GetValue("CU_IN");
    in.dMaxPsia = e.maximum.GetValue("PSIA");
    in.dMinPsia = e.minimum.GetValue("PSIA");
    in.dDischargeSec = e.dischargeTime.GetValue("SEC");
    in.dTempF = e.temperature.GetValue("DEG_F");
    in.dPrechargePsia = outcome.precharge.GetValue("PSIA");
    const SOutputExistingResult result = OutputOfExistingAccumulator(in);
    outcome.eStatus = result.eStatus;
    outcome.strReason = result.strReason;
    outcome.output = CUnitDouble(result.dOutputIn3, "CU_IN");
    outcome.dExponent = result.dExponent;
    if (result.eStatus == ESizingStatus::NotRequired)
        outcome.strNotice = m.Lookup(msg::kToolNoAccumulatorRequired);
    return outcome;
}

STemperatureToolOutcome TemperaturePrechargeTool(const STemperatureToolEntries& e,
                                                 const CIMsgStoredProc& messages)
{
    const CCheckMessages m(messages);
    STemperatureToolOutcome outcome;
    outcome.beginPressure = e.beginPressure;
    outcome.finalPressure = e.finalPressure;
    const bool bBeginningKnown = e.eKnown == EKnownPressure::Beginning;
    auto refuse = [&outcome](std::string strMessage, const char* pszField)
    {
        outcome.failure = Failure(std::move(strMessage), pszField);
        return outcome;
    };
    if (e.bBeginTemperatureEmpty)
        return refuse(m.Plain(msg::kEnterBeginningTemperature), "beginTemperature");
    if (Outside(e.beginTemperature.GetValue("DEG_F"), -100.0, 2000.0))
        return refuse(m.Plain(msg::kBeginningTemperatureOutOfRange), "beginTemperature");
    // The final temperature's range comes before its emptiness: an empty entry reads as 0.
    if (Outside(e.finalTemperature.GetValue("DEG_F"), -100.0, 2000.0))
        return refuse(m.Plain(msg::kFinalTemperatureOutOfRange), "finalTemperature");
    if (e.bFinalTemperatureEmpty)
        return refuse(m.Lookup(msg::kEnterFinalTemperature), "finalTemperature");
    if (bBeginningKnown && Outside(e.beginPressure.GetValue("PSIG"), 14.7, 5000.0))
        return refuse(m.Plain(msg::kBeginningPressureOutOfRange), "beginPressure");
    if (!bBeginningKnown && Outside(e.finalPressure.GetValue("PSIG"), 14.7, 5000.0))
        return refuse(m.Plain(msg::kFinalPressureOutOfRange), "finalPressure");

    STemperaturePrechargeInput in;
    in.dBeginTempF = e.beginTemperature.GetValue("DEG_F");
    in.dFinalTempF = e.finalTemperature.GetValue("DEG_F");
    in.dKnownPsia = (bBeginningKnown ? e.beginPressure : e.finalPressure).GetValue("PSIA");
    in.eKnown = e.eKnown;
    const STemperaturePrechargeResult result = PressureAtOtherTemperature(in);
    outcome.eStatus = result.eStatus;
    outcome.strReason = result.strReason;
    if (result.eStatus != ESizingStatus::Sized)
        return outcome;
    CUnitDouble& other = bBeginningKnown ? outcome.finalPressure : outcome.beginPressure;
    other.Set(CUnitDouble::Convert(result.dPsia, "PSIA", other.GetUnit()), other.GetUnit());
    return outcome;
}
} // namespace sizing
