// The supplementing-pump-flow calculation: charging and discharge runs and the closed volume formula.
#include "sizing/SupplementingPumpFlow.h"

#include "gas/GasConstants.h"
#include "gas/GasSizing.h"
#include "platform/StringTable.h"
#include "sizing/SizingSupport.h"
#include "sizing/SizingTexts.h"

namespace sizing
{
using namespace detail;

SSizingResult SizeSupplementingPumpFlow(const SSupplementingPumpFlowInput& in)
{
    if (!AllFinite({in.dActuatorVolumeIn3, in.dActuationSec, in.dDwellSec, in.dPumpGpm, in.dMaxPsia,
                    in.dMinPsia, in.dTempF, in.dPrechargePsia}))
        return CannotCompute(LoadString(text::kInputNotFinite));
    if (!(in.dActuationSec > 0.0))
        return CannotCompute(LoadString(text::kActuationTimeNotAboveZero));
    if (!(in.dDwellSec > 0.0))
        return CannotCompute(LoadString(text::kDwellTimeNotAboveZero));
    // The gas model reads a negative flow as "not entered" and would put the minimum pump flow in.
    if (in.dPumpGpm < 0.0)
        return CannotCompute(LoadString(text::kPumpFlowNegative));

    const double Q = in.bPumpRunning ? in.dPumpGpm : 0.0;
    // The deficit exactly as the discharge run forms it, so that a covered
    // actuator is reported as such whatever the pressures are.
    const double dDeficitGal = in.dActuatorVolumeIn3 / gas::kCuInPerGallon - Q * in.dActuationSec / 60.0;
    if (!(dDeficitGal > 0.0))
    {
        SSizingResult result = NotRequired();
        result.dDeficitIn3 = dDeficitGal * gas::kCuInPerGallon;
        return result;
    }

    const double P1 = in.dMaxPsia, P2 = in.dMinPsia, P0 = in.dPrechargePsia;
    if (auto fault = PressureFault(P1, P2, P0))
        return CannotCompute(*fault);

    const gas::SGasSizing charging = gas::SizeSupplementingPumpFlowGas(
        in.dActuatorVolumeIn3, in.dTempF, in.dDwellSec, Q, in.dDwellSec, P1, P2, P0);
    if (auto fault = GasFault(charging, text::kNoSizeCharging))
        return CannotCompute(*fault);
    const gas::SGasSizing discharge = gas::SizeSupplementingPumpFlowGas(
        in.dActuatorVolumeIn3, in.dTempF, in.dActuationSec, Q, in.dDwellSec, P1, P2, P0);
    if (auto fault = GasFault(discharge, text::kNoSizeDischarge))
        return CannotCompute(*fault);

    const double nC = ExponentOrOne(charging.dExponent);
    const double nD = ExponentOrOneIfNaN(discharge.dExponent);
    SSizingResult result = FiniteVolume(ClosedFormVolume(discharge.dRequiredIn3, P1, P2, P0, nC, nD));
    if (!result.IsSized())
        return result;
    result.dExponent = nD;
    result.dExponentCharging = nC;
    result.dRatio = discharge.dRatio;
    result.dDeficitIn3 = discharge.dRequiredIn3;
    return result;
}
} // namespace sizing
