// The output-of-an-existing-accumulator tool: optimum precharges and the delivered volume.
#include "sizing/OutputExisting.h"

#include "gas/GasConstants.h"
#include "gas/GasExpansion.h"
#include "platform/StringTable.h"
#include "sizing/SizingSupport.h"
#include "sizing/SizingTexts.h"

#include <cmath>

namespace sizing
{
using namespace detail;

SPrechargePair OutputExistingOptimalPrecharges(const CUnitDouble& minimum)
{
    const std::string& strUnit = minimum.GetUnit();
    const double m = minimum.GetValue("PSIG");
    const CUnitDouble bladder(0.9 * minimum.Value(), strUnit);
    if (m < 1000.0)
        return {bladder, bladder};
    return {CUnitDouble(CUnitDouble::Convert(m - 100.0, "PSIG", strUnit), strUnit), bladder};
}

namespace
{
SOutputExistingResult Refused(const std::string& strReason)
{
    SOutputExistingResult result;
    result.strReason = strReason;
    return result;
}
} // namespace

double ExistingAccumulatorOutput(double dVolumeIn3, double dP1, double dP2, double dP0, double dExponent)
{
    const double r = dP1 / dP2;
    return gas::kDeliveryEfficiency * dVolumeIn3 * (dP0 / dP2) * (std::pow(r, 1.0 / dExponent) - 1.0) / r;
}

SOutputExistingResult OutputOfExistingAccumulator(const SOutputExistingInput& in)
{
    if (!AllFinite({in.dVolumeIn3, in.dMaxPsia, in.dMinPsia, in.dDischargeSec, in.dTempF, in.dPrechargePsia}))
        return Refused(LoadString(text::kInputNotFinite));
    // The tool does not check these; the gas model would divide by them.
    if (!(in.dVolumeIn3 > 0.0))
        return Refused(LoadString(text::kAccumulatorVolumeNotAboveZero));
    if (!(in.dDischargeSec > 0.0))
        return Refused(LoadString(text::kDischargeTimeNotAboveZero));
    const double P1 = in.dMaxPsia, P2 = in.dMinPsia, P0 = in.dPrechargePsia;
    if (!(P2 > 0.0))
        return Refused(LoadString(text::kMinimumPressureNotAboveZero));
    if (!(P0 > 0.0))
        return Refused(LoadString(text::kPrechargeNotAboveZero));

    SOutputExistingResult result;
    // Equal pressures deliver nothing; the expansion would only yield 0/0 for the exponent.
    double n = 1.0;
    if (P1 != P2)
        n = ExponentOrOne(gas::SimulateGasExpansion(gas::EExpansionForm::CubicInch, in.dVolumeIn3, in.dTempF,
                                                    in.dDischargeSec, P1, P2, P0)
                              .dExponent);
    const double dOutput = ExistingAccumulatorOutput(in.dVolumeIn3, P1, P2, P0, n);
    if (!std::isfinite(dOutput))
        return Refused(LoadString(text::kDeliveredVolumeNotFinite));
    if (!(dOutput > 0.0))
    {
        result.eStatus = ESizingStatus::NotRequired;
        return result;
    }
    result.eStatus = ESizingStatus::Sized;
    result.dOutputIn3 = dOutput;
    result.dExponent = n;
    return result;
}
} // namespace sizing
