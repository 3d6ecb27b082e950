// Pump response: computed and default shock pressures, precharge and the closed-form volume.
#include "sizing/PumpResponse.h"

#include "gas/GasSizing.h"
#include "gas/Precharge.h"
#include "platform/StringTable.h"
#include "sizing/SizingSupport.h"
#include "sizing/SizingTexts.h"
#include "units/UnitConvMap.h"

#include <cmath>

namespace sizing
{
using namespace detail;

namespace
{
// 1.1 P up to 2000, else P + 200; both give 2200 at 2000.
double ResponseRule(double P)
{
    return P > 2000.0 ? P + 200.0 : 1.1 * P;
}
} // namespace

CUnitDouble PumpResponseMaximumShock(const CUnitDouble& system)
{
    return CUnitDouble(ResponseRule(system.GetValue("PSIA")), "PSIA");
}

CUnitDouble PumpResponseDefaultShock(const CUnitDouble& system, EPumpType eType)
{
    const std::string& strUnit = system.GetUnit();
    if (eType == EPumpType::Fixed)
        return CUnitDouble(PumpResponseMaximumShock(system).GetValue(strUnit), strUnit);
    return CUnitDouble(CUnitDouble::Convert(ResponseRule(system.GetValue("PSIG")), "PSIG", strUnit), strUnit);
}

CUnitDouble PumpResponsePrecharge(const CUnitDouble& system)
{
    return CUnitDouble(0.85 * system.Value(), system.GetUnit());
}

SVolumeRelation PumpResponseRelation(const SPumpResponseInput& in)
{
    SVolumeRelation rel;
    rel.eKind = ERelation::PumpResponse;
    rel.dP1 = in.dSystemPsia;
    rel.dP2 =
        in.dMaxShockPsia > gas::kNotEntered ? in.dMaxShockPsia : gas::AllowedPumpResponsePressure(in.dSystemPsia);
    rel.dVolumeIn3 = CUnitConvMap::Convert(in.dFlowGpm, "GPM", "CU_IN_MIN") *
                     CUnitConvMap::Convert(in.dResponseSec, "SEC", "MIN");
    return rel;
}

SSizingResult SizePumpResponse(const SPumpResponseInput& in)
{
    if (!AllFinite(
            {in.dSystemPsia, in.dMaxShockPsia, in.dFlowGpm, in.dTempF, in.dResponseSec, in.dPrechargePsia}))
        return CannotCompute(LoadString(text::kInputNotFinite));
    if (!(in.dResponseSec > 0.0))
        return CannotCompute(LoadString(text::kResponseTimeNotAboveZero));
    if (!(in.dFlowGpm > 0.0))
        return NotRequired();
    const double P1 = in.dSystemPsia;
    if (!(P1 > 0.0))
        return CannotCompute(LoadString(text::kSystemPressureNotAboveZero));
    const SVolumeRelation rel = PumpResponseRelation(in);
    const double P2 = rel.dP2;
    // Equal pressures divide by zero; a lower shock pressure gives a negative volume.
    if (!(P2 > P1))
        return CannotCompute(LoadString(text::kShockNotAboveSystem));
    const double P0 = in.dPrechargePsia;
    if (!(P0 > 0.0))
        return CannotCompute(LoadString(text::kPrechargeNotAboveZero));

    // Only the exponent of this run is used; the volume has its own formula.
    const gas::SGasSizing run = gas::SizePumpResponseGas(in.dFlowGpm, in.dTempF, in.dResponseSec, P2, P1, P0);
    if (auto fault = GasFault(run, text::kNoSizePumpResponse))
        return CannotCompute(*fault);
    const double n = ExponentOrOne(run.dExponent);

    SSizingResult result = FiniteVolume(GasVolumeFor(rel, P0, n, n));
    if (result.IsSized())
        result.dExponent = n;
    return result;
}
} // namespace sizing
