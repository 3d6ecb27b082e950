// Precharge and delivery of a sized accumulator at the extremes of its operating temperature range.
#include "sizing/OperatingRange.h"

#include "gas/GasConstants.h"
#include "gas/GasSizing.h"
#include "gas/Precharge.h"
#include "platform/StringTable.h"
#include "sizing/OutputExisting.h"
#include "sizing/SizingSupport.h"
#include "sizing/SizingTexts.h"

#include <cmath>

namespace sizing
{
namespace
{
SOperatingRangeResult Refused(std::string strReason)
{
    SOperatingRangeResult result;
    result.strReason = std::move(strReason);
    return result;
}

// The fluid volume the formula sizes for; the gas volume dExactIn3 that it gives is needed for the
// shock formula, whose kinetic energy is not a volume.
double RequiredVolume(const SVolumeRelation& rel, double dExactIn3, double dPrecharge, double n)
{
    switch (rel.eKind)
    {
    case ERelation::Cycle:
    case ERelation::PumpResponse:
        return rel.dVolumeIn3;
    case ERelation::Pulsation:
        return 231.0 * rel.dDisplacementGal * rel.dPulsationFactor;
    case ERelation::Shock:
        return dExactIn3 * std::pow(dPrecharge / rel.dP1, 1.0 / n) *
               (1.0 - std::pow(rel.dP1 / rel.dP2, 1.0 / n));
    }
    return std::nan("");
}

struct SContext
{
    const SOperatingRangeInput& in;
    double dRequiredIn3;
};

// An extreme from its precharge and discharge exponent: the gas volume the formula needs there.
SRangeExtreme Evaluate(const SContext& c, double dTempF, double dPrecharge, double dDischargeExponent)
{
    SRangeExtreme extreme;
    extreme.dTempF = dTempF;
    extreme.dPrechargePsia = dPrecharge;
    const double dNeeded = GasVolumeFor(c.in.relation, dPrecharge, c.in.dChargeExponent, dDischargeExponent);
    if (!std::isfinite(dNeeded) || !(dNeeded > 0.0))
        return extreme;
    extreme.deliveredIn3 = c.dRequiredIn3 * c.in.dGasIn3 / dNeeded;
    const double dRounded = std::ceil(dNeeded);
    // The shock formulas round their size up, so a size within the same cubic inch is no shortfall.
    const bool bRounds =
        c.in.relation.eKind == ERelation::Shock || c.in.relation.eKind == ERelation::Pulsation;
    // Otherwise a rounding of the last digit at the system temperature is no shortfall either.
    extreme.bShort = bRounds ? dRounded > c.in.dGasIn3 : dNeeded > c.in.dGasIn3 * (1.0 + 1e-9);
    if (extreme.bShort)
        extreme.neededIn3 = dRounded;
    return extreme;
}

std::optional<SRangeExtreme> Extreme(const SContext& c, double dTempF)
{
    const SOperatingRangeInput& in = c.in;
    if (dTempF == in.dSystemTempF)
        return Evaluate(c, dTempF, in.dPrechargePsia, in.dDischargeExponent);
    const double dPrecharge =
        gas::PrechargeAtTemperature(in.dSystemTempF, dTempF, in.dPrechargePsia, gas::kNotEntered);
    if (!std::isfinite(dPrecharge) || !(dPrecharge > 0.0))
        return std::nullopt;
    SOutputExistingInput run;
    run.dVolumeIn3 = in.dGasIn3;
    run.dMaxPsia = in.dHighPsia;
    run.dMinPsia = in.dLowPsia;
    run.dDischargeSec = in.dTimeSec;
    run.dTempF = dTempF;
    run.dPrechargePsia = dPrecharge;
    const SOutputExistingResult output = OutputOfExistingAccumulator(run);
    if (output.eStatus != ESizingStatus::Sized)
    {
        SRangeExtreme none;
        none.dTempF = dTempF;
        none.dPrechargePsia = dPrecharge;
        return none;
    }
    return Evaluate(c, dTempF, dPrecharge, output.dExponent);
}
} // namespace

SOperatingRangeResult OperatingRangeEffect(const SOperatingRangeInput& in)
{
    if (!detail::AllFinite({in.dGasIn3, in.dChargeExponent, in.dDischargeExponent, in.dHighPsia, in.dLowPsia,
                            in.dTimeSec, in.dSystemTempF, in.dPrechargePsia, in.dMinTempF, in.dMaxTempF}))
        return Refused(LoadString(text::kInputNotFinite));
    if (!(in.dGasIn3 > 0.0))
        return Refused(LoadString(text::kGasVolumeNotAboveZero));
    if (!(in.dLowPsia > 0.0) || !(in.dHighPsia > in.dLowPsia))
        return Refused(LoadString(text::kPressuresGiveNoDischarge));
    if (!(in.dTimeSec > 0.0))
        return Refused(LoadString(text::kDischargeTimeNotAboveZero));
    if (!(in.dPrechargePsia > 0.0))
        return Refused(LoadString(text::kPrechargeNotAboveZero));
    if (in.dMinTempF > in.dMaxTempF)
        return Refused(LoadString(text::kMinimumTemperatureAboveMaximum));
    for (double dTempF : {in.dSystemTempF, in.dMinTempF})
        if (!(dTempF + gas::kRankineOffset > 0.0))
            return Refused(LoadString(text::kTemperatureNotAboveAbsoluteZero));

    const double dExact =
        GasVolumeFor(in.relation, in.dPrechargePsia, in.dChargeExponent, in.dDischargeExponent);
    const double dRequired = RequiredVolume(in.relation, dExact, in.dPrechargePsia, in.dDischargeExponent);
    if (!std::isfinite(dRequired) || !(dRequired > 0.0))
        return Refused(LoadString(text::kNoVolumeAtSystemTemperature));
    const SContext c{in, dRequired};
    const std::optional<SRangeExtreme> minimum = Extreme(c, in.dMinTempF);
    const std::optional<SRangeExtreme> maximum = Extreme(c, in.dMaxTempF);
    if (!minimum || !maximum)
        return Refused(LoadString(text::kNoPrechargeAtExtreme));

    SOperatingRangeResult result;
    result.eStatus = ESizingStatus::Sized;
    result.dRequiredIn3 = dRequired;
    result.minimum = *minimum;
    result.system = Evaluate(c, in.dSystemTempF, in.dPrechargePsia, in.dDischargeExponent);
    result.maximum = *maximum;
    result.dLowPsia = in.dLowPsia;
    result.bPrechargeBelowLow = !(maximum->dPrechargePsia > in.dLowPsia);
    return result;
}
} // namespace sizing
