// The auxiliary-power calculation: discharge and charging runs and the closed volume formula.
#include "sizing/AuxiliaryPower.h"

#include "gas/GasSizing.h"
#include "platform/StringTable.h"
#include "sizing/SizingSupport.h"
#include "sizing/SizingTexts.h"

namespace sizing
{
using namespace detail;

SSizingResult SizeAuxiliaryPower(const SAuxiliaryPowerInput& in)
{
    if (!AllFinite({in.dActuatorVolumeIn3, in.dActuationSec, in.dDwellSec, in.dMaxPsia, in.dMinPsia,
                    in.dTempF, in.dPrechargePsia}))
        return CannotCompute(LoadString(text::kInputNotFinite));
    if (!(in.dActuationSec > 0.0))
        return CannotCompute(LoadString(text::kActuationTimeNotAboveZero));
    if (!(in.dDwellSec > 0.0))
        return CannotCompute(LoadString(text::kDwellTimeNotAboveZero));
    if (!(in.dActuatorVolumeIn3 > 0.0))
        return NotRequired();

    const double P1 = in.dMaxPsia, P2 = in.dMinPsia, P0 = in.dPrechargePsia;
    if (auto fault = PressureFault(P1, P2, P0))
        return CannotCompute(*fault);

    const double V = in.dActuatorVolumeIn3;
    const gas::SGasSizing discharge =
        gas::SizeAuxiliaryPowerGas(V, in.dTempF, in.dActuationSec, P1, P2, P0, gas::EPrechargeMode::Piston);
    if (auto fault = GasFault(discharge, text::kNoSizeDischarge))
        return CannotCompute(*fault);
    const gas::SGasSizing charging =
        gas::SizeAuxiliaryPowerGas(V, in.dTempF, in.dDwellSec, P1, P2, P0, gas::EPrechargeMode::Piston);
    if (auto fault = GasFault(charging, text::kNoSizeCharging))
        return CannotCompute(*fault);

    const double nC = ExponentOrOne(charging.dExponent);
    const double nD = ExponentOrOneIfNaN(discharge.dExponent);
    SSizingResult result = FiniteVolume(ClosedFormVolume(V, P1, P2, P0, nC, nD));
    if (!result.IsSized())
        return result;
    result.dExponent = nD;
    result.dExponentCharging = nC;
    result.dRatio = charging.dRatio;
    return result;
}
} // namespace sizing
