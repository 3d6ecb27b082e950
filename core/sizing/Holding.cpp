// Leakage estimate and the holding calculation.
#include "sizing/Holding.h"

#include "gas/GasSizing.h"
#include "platform/StringTable.h"
#include "sizing/SizingSupport.h"
#include "sizing/SizingTexts.h"
#include "units/UnitConvMap.h"

namespace sizing
{
using namespace detail;

std::optional<double> EstimateLeakageRate(double dMaxPsia, int nValves, double dValveSize)
{
    const double P = dMaxPsia;
    double dPerValve;
    // The sizes are catalogue values compared exactly.
    if (dValveSize == 0.375)
        dPerValve = 0.00198 * P + 0.03 + 4e-07 * P * P;
    else if (dValveSize == 0.75)
        dPerValve = 0.00094 * P + 0.14 + 7.1e-06 * P * P;
    else if (dValveSize == 1.25)
        dPerValve = 0.013675 * P - 1.075 + 9.125e-06 * P * P;
    else
        return std::nullopt;
    return nValves * dPerValve;
}

SSizingResult SizeHolding(const SHoldingInput& in)
{
    if (!AllFinite({in.dMaxPsia, in.dMinPsia, in.dTempF, in.dHoldSec, in.dLeakIn3PerMin, in.dPrechargePsia}))
        return CannotCompute(LoadString(text::kInputNotFinite));
    if (!(in.dHoldSec > 0.0))
        return CannotCompute(LoadString(text::kHoldTimeNotAboveZero));
    if (!(in.dLeakIn3PerMin > 0.0))
        return NotRequired();

    const double P1 = in.dMaxPsia, P2 = in.dMinPsia, P0 = in.dPrechargePsia;
    if (auto fault = PressureFault(P1, P2, P0))
        return CannotCompute(*fault);

    const gas::SGasSizing run = gas::SizeHoldingGas(in.dLeakIn3PerMin, in.dTempF, in.dHoldSec, P1, P2, P0,
                                                    gas::EPrechargeMode::Piston);
    if (auto fault = GasFault(run, text::kNoSizeHolding))
        return CannotCompute(*fault);
    const double n = ExponentOrOne(run.dExponent);

    // Minutes through the unit table, as the leakage rate's unit is per minute.
    const double V = in.dLeakIn3PerMin * CUnitConvMap::Convert(in.dHoldSec, "SEC", "MIN");
    // The charging exponent is fixed at 1.0 here.
    SSizingResult result = FiniteVolume(ClosedFormVolume(V, P1, P2, P0, 1.0, n));
    if (result.IsSized())
        result.dExponent = n;
    return result;
}
} // namespace sizing
