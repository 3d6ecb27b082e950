// The effect-of-temperature tool's calculation.
#include "sizing/TemperaturePrecharge.h"

#include "gas/GasConstants.h"
#include "gas/Precharge.h"
#include "sizing/SizingSupport.h"

#include <cmath>

namespace sizing
{
STemperaturePrechargeResult PressureAtOtherTemperature(const STemperaturePrechargeInput& in)
{
    STemperaturePrechargeResult result;
    if (!detail::AllFinite({in.dBeginTempF, in.dFinalTempF, in.dKnownPsia}))
    {
        result.strReason = "an input is not a finite number";
        return result;
    }
    if (!(in.dKnownPsia > 0.0))
    {
        result.strReason = "the known pressure is not above zero";
        return result;
    }
    if (!(in.dBeginTempF + gas::kRankineOffset > 0.0) || !(in.dFinalTempF + gas::kRankineOffset > 0.0))
    {
        result.strReason = "a temperature is not above absolute zero";
        return result;
    }
    const bool bBeginning = in.eKnown == EKnownPressure::Beginning;
    const double dPa = bBeginning ? in.dKnownPsia : gas::kNotEntered;
    const double dPb = bBeginning ? gas::kNotEntered : in.dKnownPsia;
    const double P = gas::PrechargeAtTemperature(in.dBeginTempF, in.dFinalTempF, dPa, dPb);
    if (!std::isfinite(P) || !(P > 0.0))
    {
        result.strReason = "the gas model gave no pressure at the other temperature";
        return result;
    }
    result.eStatus = ESizingStatus::Sized;
    result.dPsia = P;
    return result;
}
} // namespace sizing
