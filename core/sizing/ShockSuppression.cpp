// Shock suppression: allowed shock pressure, precharge and the closed-form volume.
#include "sizing/ShockSuppression.h"

#include "gas/GasExpansion.h"
#include "gas/Precharge.h"
#include "platform/StringTable.h"
#include "sizing/SizingSupport.h"
#include "sizing/SizingTexts.h"
#include "sizing/VolumeRelation.h"
#include "units/UnitTable.h"

#include <cmath>

namespace sizing
{
using namespace detail;

CUnitDouble MaximumAllowableShockPressure(const CUnitDouble& system)
{
    const std::string& strUnit = system.GetUnit();
    const double Pg = system.GetValue("PSIG");
    // The two rules meet at 2000 psig, so this is the lesser of them.
    if (!(Pg > 2000.0))
        return CUnitDouble(1.05 * system.Value(), strUnit);
    return CUnitDouble(CUnitDouble::Convert(Pg + 100.0, "PSIG", strUnit), strUnit);
}

CUnitDouble ShockSuppressionPrecharge(const CUnitDouble& system)
{
    // A gauge entry gives a gauge precharge in its own unit, 0.6 of the gauge value.
    if (IsGaugeUnit(system.GetUnit()))
        return CUnitDouble(gas::ShockPrecharge(system.Value()), system.GetUnit());
    return CUnitDouble(gas::ShockPrecharge(system.GetValue("PSIA")), "PSIA");
}

SVolumeRelation ShockSuppressionRelation(const SShockSuppressionInput& in)
{
    const double pi = 4.0 * std::atan(1.0);
    const double P1 = in.dSystemPsia;
    SVolumeRelation rel;
    rel.eKind = ERelation::Shock;
    rel.dP1 = P1;
    rel.dP2 = in.dMaxShockPsia > gas::kNotEntered ? in.dMaxShockPsia : gas::AllowedShockPressure(P1);
    rel.dFlowGpm = in.dFlowGpm;
    const double A = 0.25 * pi * in.dInsideDiaIn * in.dInsideDiaIn;
    rel.dVelocity = 3.85 * in.dFlowGpm / A / 12.0;
    rel.dMass = A * in.dLengthIn * in.dDensity;
    return rel;
}

namespace
{
SShockSuppressionResult WithBase(SSizingResult base)
{
    SShockSuppressionResult result;
    static_cast<SSizingResult&>(result) = std::move(base);
    return result;
}
} // namespace

SShockSuppressionResult ShockSuppressionVolume(const SShockSuppressionInput& in)
{
    if (!AllFinite({in.dSystemPsia, in.dMaxShockPsia, in.dFlowGpm, in.dTempF, in.dLengthIn, in.dInsideDiaIn,
                    in.dDensity}))
        return WithBase(CannotCompute(LoadString(text::kInputNotFinite)));
    const double P1 = in.dSystemPsia;
    if (!(P1 > 0.0))
        return WithBase(CannotCompute(LoadString(text::kSystemPressureNotAboveZero)));
    if (!(in.dInsideDiaIn > 0.0))
        return WithBase(CannotCompute(LoadString(text::kLineDiameterNotAboveZero)));
    // A fluid without mass would leave only the flow term: a volume far too small.
    if (!(in.dDensity > 0.0))
        return WithBase(CannotCompute(LoadString(text::kFluidDensityNotAboveZero)));
    const SVolumeRelation rel = ShockSuppressionRelation(in);
    const double P2 = rel.dP2;
    // Equal pressures divide by zero; a lower one gives a negative volume.
    if (!(P2 > P1))
        return WithBase(CannotCompute(LoadString(text::kAllowableShockNotAboveSystem)));

    const double P0 = gas::ShockPrecharge(P1);
    const double n = gas::ReferencePolytropicExponent(in.dTempF, P2, P1, P0, gas::kShockReferenceTime);
    const double dVolume = std::ceil(GasVolumeFor(rel, P0, n, n));

    SSizingResult base;
    if (!std::isfinite(n) || n == 0.0)
        base = CannotCompute(LoadString(text::kNoPolytropicExponent));
    else if (std::isfinite(dVolume) && !(dVolume > 0.0))
        base = NotRequired(); // no flow: no surge to absorb
    else
        base = FiniteVolume(dVolume);
    if (base.IsSized())
        base.dExponent = n;
    SShockSuppressionResult result = WithBase(std::move(base));
    result.dPrechargePsia = P0;
    result.dShockPsia = P2;
    return result;
}
} // namespace sizing
