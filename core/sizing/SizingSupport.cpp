// Status results, exponent fallbacks and input guards shared by the application calculations.
#include "sizing/SizingSupport.h"

#include "gas/GasConstants.h"
#include "platform/StringTable.h"
#include "sizing/SizingTexts.h"

#include <cmath>

namespace sizing::detail
{
SSizingResult CannotCompute(std::string strReason)
{
    SSizingResult result;
    result.eStatus = ESizingStatus::CannotCompute;
    result.strReason = std::move(strReason);
    return result;
}

SSizingResult NotRequired()
{
    SSizingResult result;
    result.eStatus = ESizingStatus::NotRequired;
    return result;
}

double ExponentOrOne(double dExponent)
{
    return std::isnan(dExponent) || dExponent == 0.0 ? 1.0 : dExponent;
}

double ExponentOrOneIfNaN(double dExponent)
{
    return std::isnan(dExponent) ? 1.0 : dExponent;
}

bool AllFinite(std::initializer_list<double> values)
{
    for (double d : values)
        if (!std::isfinite(d))
            return false;
    return true;
}

std::optional<std::string> PressureFault(double dP1, double dP2, double dP0)
{
    if (!(dP2 > 0.0))
        return LoadString(text::kMinimumPressureNotAboveZero);
    if (dP1 == dP2)
        return LoadString(text::kPressuresEqual);
    if (!(dP1 > dP2))
        return LoadString(text::kMinimumAboveMaximum);
    if (!(dP0 > 0.0))
        return LoadString(text::kPrechargeNotAboveZero);
    return std::nullopt;
}

std::optional<std::string> GasFault(const gas::SGasSizing& run, int nTextId)
{
    if (run.eStatus != gas::EGasSizingStatus::CannotCompute)
        return std::nullopt;
    return LoadString(nTextId);
}

double ClosedFormVolume(double dVolumeIn3, double dP1, double dP2, double dP0, double dChargeExponent,
                        double dDischargeExponent)
{
    const double r = dP1 / dP2;
    return dVolumeIn3 * std::pow(r, 1.0 / dChargeExponent) /
           (gas::kDeliveryEfficiency * (dP0 / dP2) * (std::pow(r, 1.0 / dDischargeExponent) - 1.0));
}

SSizingResult FiniteVolume(double dRequiredIn3)
{
    if (!std::isfinite(dRequiredIn3))
        return CannotCompute(LoadString(text::kRequiredVolumeNotFinite));
    if (!(dRequiredIn3 > 0.0))
        return CannotCompute(LoadString(text::kRequiredVolumeNotAboveZero));
    SSizingResult result;
    result.eStatus = ESizingStatus::Sized;
    result.dRequiredIn3 = dRequiredIn3;
    return result;
}
} // namespace sizing::detail
