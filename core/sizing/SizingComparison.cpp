// The comparisons of a sized selection, and the checks of its operating range.
#include "sizing/SizingComparison.h"

#include "catalogue/MessageKeys.h"
#include "gas/Precharge.h"
#include "selection/AccumulatorData.h"
#include "sizing/ApplicationInputs.h"
#include "sizing/GasStateRun.h"
#include "sizing/MultipleEvents.h"
#include "sizing/SizeApplication.h"
#include "units/UnitConvMap.h"

#include <cmath>

namespace sizing
{
namespace
{
SVolumeRelation Cycle(const CAccumulatorData& sel, double dVolumeIn3)
{
    SVolumeRelation rel;
    rel.dP1 = sel.sdMaxSysPress.GetValue("PSIA");
    rel.dP2 = sel.sdMinSysPress.GetValue("PSIA");
    rel.dVolumeIn3 = dVolumeIn3;
    return rel;
}
} // namespace

std::optional<SApplicationRelation> ApplicationRelation(const CAccumulatorData& sel)
{
    const double dSizedIn3 = sel.sdRequiredAccumulatorVol.GetValue("CU_IN");
    if (!(dSizedIn3 > 0.0) || !std::isfinite(dSizedIn3))
        return std::nullopt;
    SApplicationRelation out;
    out.dPrechargePsia = sel.sdPrechargePress.GetValue("PSIA");
    switch (sel.deSelectApp)
    {
    case app::SupplementingPumpFlow:
        out.relation = Cycle(sel, sel.sdVolDefci.GetValue("CU_IN"));
        break;
    case app::MultipleEvents:
        // The peak deficit the calculation sized for, rounded up as it was.
        out.relation = Cycle(sel, std::ceil(SimulateCycle(CycleEvents(sel.m_lstEvents),
                                                          sel.sdMultiEventTotalDuration.GetValue("SEC"),
                                                          sel.sdEnterPumpSize.GetValue("GPM"))
                                                .dPeakDeficitIn3));
        break;
    case app::AuxiliaryPower:
        out.relation = Cycle(sel, sel.sdActVolDisplacement.GetValue("CU_IN"));
        break;
    case app::Holding:
        out.relation =
            Cycle(sel, sel.sdHoldLeakageRate.GetValue("CU_IN_MIN") *
                           CUnitConvMap::Convert(sel.sdHoldTimeHold.GetValue("SEC"), "SEC", "MIN"));
        out.relation.bIsothermalCharge = true;
        break;
    case app::ShockSuppression:
        out.relation = ShockSuppressionRelation(ShockSuppressionInputOf(sel));
        out.dPrechargePsia = gas::ShockPrecharge(out.relation.dP1);
        break;
    case app::Pulsation:
        out.relation = PulsationRelation(PulsationInputOf(sel));
        out.dPrechargePsia = gas::ShockPrecharge(out.relation.dP1);
        break;
    case app::PumpResponse:
        out.relation = PumpResponseRelation(PumpResponseInputOf(sel));
        break;
    default:
        return std::nullopt;
    }
    return out;
}

SSizingComparison CompareSizing(const CAccumulatorData& sel)
{
    SSizingComparison comparison;
    const std::optional<SApplicationRelation> applied = ApplicationRelation(sel);
    if (!applied)
        return comparison;
    comparison.bounds = IdealGasBounds(applied->relation, applied->dPrechargePsia);

    const SOperatingTemperatures& range = sel.m_operatingTemperatures;
    if (!range.IsGiven())
        return comparison;
    SOperatingRangeInput in;
    in.relation = applied->relation;
    in.dGasIn3 = sel.sdRequiredAccumulatorVol.GetValue("CU_IN");
    in.dDischargeExponent = sel.sdPolyTropicExponent.Value();
    // Multiple events charge and discharge with the one exponent; a formula without a charging
    // exponent ignores it.
    in.dChargeExponent = sel.deSelectApp == app::MultipleEvents ? in.dDischargeExponent
                                                                : sel.sdPolyTropicExponentCharging.Value();
    if (in.dChargeExponent == 0.0)
        in.dChargeExponent = 1.0;
    in.dPrechargePsia = applied->dPrechargePsia;
    in.dSystemTempF = sel.sdSysTemperature.GetValue("DEG_F");
    in.dMinTempF = range.sdOperatingTempMin.GetValue("DEG_F");
    in.dMaxTempF = range.sdOperatingTempMax.GetValue("DEG_F");
    if (const std::optional<SDischargeRun> run = DischargeRun(sel))
    {
        in.dHighPsia = run->dFromPsia;
        in.dLowPsia = run->dToPsia;
        in.dTimeSec = run->dTimeSec;
    }
    comparison.range = OperatingRangeEffect(in);
    return comparison;
}

CheckResult CheckOperatingTemperatures(const CAccumulatorData& sel, const CIMsgStoredProc& messages)
{
    const SOperatingTemperatures& range = sel.m_operatingTemperatures;
    if (range.IsEmpty())
        return std::nullopt;
    const CCheckMessages m(messages);
    if (!range.bMinGiven || !range.bMaxGiven)
        return Failure(m.Plain(msg::kOperatingRangeIncomplete),
                       range.bMinGiven ? "sdOperatingTempMax" : "sdOperatingTempMin");
    const CUnitDouble& minimum = range.sdOperatingTempMin;
    const CUnitDouble& maximum = range.sdOperatingTempMax;
    if (maximum < minimum)
        return Failure(m.Plain(msg::kOperatingRangeReversed), "sdOperatingTempMax");
    if (minimum < sel.sdAllowedMinTemperature)
        return Failure(
            m.Temperature(msg::kOperatingMinBelowCatalogue, sel.sdAllowedMinTemperature, minimum.GetUnit()),
            "sdOperatingTempMin");
    if (maximum > sel.sdAllowedMaxTemperature)
        return Failure(
            m.Temperature(msg::kOperatingMaxAboveCatalogue, sel.sdAllowedMaxTemperature, maximum.GetUnit()),
            "sdOperatingTempMax");
    const CUnitDouble& system = sel.sdSysTemperature;
    if (system < minimum || system > maximum)
        return Failure(m.Temperature(msg::kSystemTempOutsideOperating, system, minimum.GetUnit()),
                       system < minimum ? "sdOperatingTempMin" : "sdOperatingTempMax");
    return std::nullopt;
}
} // namespace sizing
