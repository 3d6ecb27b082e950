// The discharge run of each application's sized accumulator.
#include "sizing/GasStateRun.h"

#include "gas/GasConstants.h"
#include "gas/Precharge.h"
#include "selection/AccumulatorData.h"
#include "sizing/MultipleEvents.h"
#include "sizing/SizeApplication.h"

#include <cmath>

namespace sizing
{
std::optional<SDischargeRun> DischargeRun(const CAccumulatorData& sel)
{
    const double dSizeIn3 = sel.sdRequiredAccumulatorVol.GetValue("CU_IN");
    if (!(dSizeIn3 > 0.0) || !std::isfinite(dSizeIn3))
        return std::nullopt;
    SDischargeRun run;
    run.dSizeGal = dSizeIn3 / gas::kCuInPerGallon;
    run.dTempF = sel.sdSysTemperature.GetValue("DEG_F");
    run.dFromPsia = sel.sdMaxSysPress.GetValue("PSIA");
    run.dToPsia = sel.sdMinSysPress.GetValue("PSIA");
    run.dPrechargePsia = sel.sdPrechargePress.GetValue("PSIA");
    // The shock applications expand from the shock pressure back down to the system pressure.
    const double dShockPsia = sel.sdShockMaxShockPress.GetValue("PSIA");
    switch (sel.deSelectApp)
    {
    case app::SupplementingPumpFlow:
    case app::AuxiliaryPower:
        run.dTimeSec = sel.sdActuationTime.GetValue("SEC");
        break;
    case app::MultipleEvents:
        run.dTimeSec = SimulateCycle(CycleEvents(sel.m_lstEvents), sel.sdMultiEventTotalDuration.GetValue("SEC"),
                                     sel.sdEnterPumpSize.GetValue("GPM"))
                           .dPeakTimeSec;
        break;
    case app::Holding:
        run.eForm = gas::EExpansionForm::Holding;
        run.dTimeSec = sel.sdHoldTimeHold.GetValue("SEC");
        break;
    case app::ShockSuppression:
    case app::Pulsation:
        run.dTimeSec = sel.deSelectApp == app::Pulsation ? gas::kPulsationReferenceTime : gas::kShockReferenceTime;
        run.dToPsia = run.dFromPsia;
        run.dFromPsia = dShockPsia;
        // The volume formulas use 60 % of the absolute system pressure.
        run.dPrechargePsia = gas::ShockPrecharge(run.dToPsia);
        break;
    case app::PumpResponse:
        run.dTimeSec = sel.sdShockResponseTime.GetValue("SEC");
        run.dToPsia = run.dFromPsia;
        run.dFromPsia = dShockPsia;
        break;
    default:
        return std::nullopt;
    }
    if (!(run.dTimeSec > 0.0) || !std::isfinite(run.dTimeSec))
        return std::nullopt;
    return run;
}

gas::SGasTrajectory GasStates(const CAccumulatorData& sel)
{
    const std::optional<SDischargeRun> run = DischargeRun(sel);
    if (!run)
        return {};
    return gas::TraceGasExpansion(run->eForm, run->dSizeGal, run->dTempF, run->dTimeSec, run->dFromPsia,
                                  run->dToPsia, run->dPrechargePsia);
}
} // namespace sizing
