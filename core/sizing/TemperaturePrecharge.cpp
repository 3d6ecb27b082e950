// The effect-of-temperature tool's calculation.
#include "sizing/TemperaturePrecharge.h"

#include "gas/GasConstants.h"
#include "gas/Precharge.h"
#include "platform/StringTable.h"
#include "sizing/SizingSupport.h"
#include "sizing/SizingTexts.h"

#include <cmath>

namespace sizing
{
STemperaturePrechargeResult PressureAtOtherTemperature(const STemperaturePrechargeInput& in)
{
    STemperaturePrechargeResult result;
    if (!detail::AllFinite({in.dBeginTempF, in.dFinalTempF, in.dKnownPsia}))
    {
        result.strReason = LoadString(text::kInputNotFinite);
        return result;
    }
    if (!(in.dKnownPsia > 0.0))
    {
        result.strReason = LoadString(text::kKnownPressureNotAboveZero);
        return result;
    }
    if (!(in.dBeginTempF + gas::kRankineOffset > 0.0) || !(in.dFinalTempF + gas::kRankineOffset > 0.0))
    {
        result.strReason = LoadString(text::kTemperatureNotAboveAbsoluteZero);
        return result;
    }
    const bool bBeginning = in.eKnown == EKnownPressure::Beginning;
    const double dPa = bBeginning ? in.dKnownPsia : gas::kNotEntered;
    const double dPb = bBeginning ? gas::kNotEntered : in.dKnownPsia;
    const double P = gas::PrechargeAtTemperature(in.dBeginTempF, in.dFinalTempF, dPa, dPb);
    if (!std::isfinite(P) || !(P > 0.0))
    {
        result.strReason = LoadString(text::kNoPressureAtOtherTemperature);
        return result;
    }
    result.eStatus = ESizingStatus::Sized;
    result.dPsia = P;
    return result;
}
} // namespace sizing
