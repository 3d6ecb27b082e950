// Shock, pulsation and pump-response inputs from the application data.
#include "sizing/ApplicationInputs.h"

#include "gas/GasSizing.h"

namespace sizing
{
SShockSuppressionInput ShockSuppressionInputOf(const SApplicationData& w)
{
    SShockSuppressionInput in;
    in.dSystemPsia = w.sdMaxSysPress.GetValue("PSIA");
    in.dMaxShockPsia = w.sdShockMaxShockPress.GetValue("PSIA");
    in.dFlowGpm = w.sdEnterPumpSize.GetValue("GPM");
    in.dTempF = w.sdSysTemperature.GetValue("DEG_F");
    in.dLengthIn = w.sdShockTubeLength.GetValue("IN");
    in.dInsideDiaIn = w.dShockSchedule;
    in.dDensity = w.dShockFluidDensity;
    return in;
}

SPulsationInput PulsationInputOf(const SApplicationData& w)
{
    SPulsationInput in;
    in.dSystemPsia = w.sdMaxSysPress.GetValue("PSIA");
    in.dMaxShockPsia = w.sdShockMaxShockPress.GetValue("PSIA");
    in.dTempF = w.sdSysTemperature.GetValue("DEG_F");
    in.dDisplacementGalPerRev =
        w.bPulsationEnterPumpDispOrCalc != 0 ? w.sdPulsationPumpDisp.GetValue("GAL_RPM") : gas::kNotEntered;
    in.dFlowGpm = w.sdFlowRate.GetValue("GPM");
    in.nSpeedRpm = w.iPulsationPumpSpeed;
    in.eAction = w.bPulsationSingleOrDoublePump != 0 ? EPumpAction::SingleActing : EPumpAction::DoubleActing;
    in.nPistons = w.iPulsationNoOfPistInPump;
    return in;
}

SPumpResponseInput PumpResponseInputOf(const SApplicationData& w)
{
    SPumpResponseInput in;
    in.dSystemPsia = w.sdMaxSysPress.GetValue("PSIA");
    in.dMaxShockPsia = w.sdShockMaxShockPress.GetValue("PSIA");
    in.dFlowGpm = w.sdFlowRate.GetValue("GPM");
    in.dTempF = w.sdSysTemperature.GetValue("DEG_F");
    in.dResponseSec = w.sdShockResponseTime.GetValue("SEC");
    in.dPrechargePsia = w.sdPrechargePress.GetValue("PSIA");
    return in;
}
} // namespace sizing
