// Pulsation factor, the unit-aware values of the pulsation dialog and the closed-form volume.
#include "sizing/Pulsation.h"

#include "gas/GasExpansion.h"
#include "gas/GasSizing.h"
#include "gas/Precharge.h"
#include "platform/StringTable.h"
#include "sizing/ShockSuppression.h"
#include "sizing/SizingSupport.h"
#include "units/UnitTable.h"
#include "sizing/SizingTexts.h"

#include <cmath>

namespace sizing
{
using namespace detail;

std::optional<double> PulsationFactor(int nPistons, EPumpAction eAction)
{
    if (nPistons < 1 || nPistons > kMaxPistons)
        return std::nullopt;
    const double x = nPistons;
    const double x2 = x * x, x3 = x2 * x, x4 = x3 * x;
    switch (eAction)
    {
    case EPumpAction::SingleActing:
        return 1.3905 - 1.09792 * x + 0.35667 * x2 - 0.05208 * x3 + 0.00283 * x4;
    case EPumpAction::DoubleActing:
        return 0.32767 - 0.03624 * x - 0.05681 * x2 + 0.01759 * x3 - 0.00142 * x4;
    }
    return std::nullopt;
}

CUnitDouble PulsationPrecharge(const CUnitDouble& system)
{
    const std::string& strUnit = system.GetUnit();
    if (IsGaugeUnit(strUnit))
        return CUnitDouble(gas::ShockPrecharge(system.Value()), strUnit);
    return CUnitDouble(CUnitDouble::Convert(gas::ShockPrecharge(system.GetValue("PSIA")), "PSIA", strUnit),
                       strUnit);
}

CUnitDouble PulsationDefaultShock(const CUnitDouble& system)
{
    return MaximumAllowableShockPressure(system);
}

CUnitDouble CalculatedDisplacement(const CUnitDouble& flow, int nSpeedRpm, const CUnitDouble& previous)
{
    if (nSpeedRpm <= 0)
        return previous;
    const double dGalPerRev = flow.GetValue("GPM") / nSpeedRpm;
    return CUnitDouble(CUnitDouble::Convert(dGalPerRev, "GAL", "CU_IN"), "CU_IN_REV");
}

SVolumeRelation PulsationRelation(const SPulsationInput& in)
{
    SVolumeRelation rel;
    rel.eKind = ERelation::Pulsation;
    rel.dP1 = in.dSystemPsia;
    rel.dP2 = in.dMaxShockPsia > gas::kNotEntered ? in.dMaxShockPsia : gas::AllowedShockPressure(in.dSystemPsia);
    rel.dPulsationFactor = PulsationFactor(in.nPistons, in.eAction).value_or(std::nan(""));
    rel.dDisplacementGal = in.dDisplacementGalPerRev;
    if (!(rel.dDisplacementGal > gas::kNotEntered))
        rel.dDisplacementGal = in.nSpeedRpm > 0 ? in.dFlowGpm / in.nSpeedRpm : std::nan("");
    return rel;
}

SSizingResult PulsationVolume(const SPulsationInput& in)
{
    if (!AllFinite({in.dSystemPsia, in.dMaxShockPsia, in.dTempF, in.dDisplacementGalPerRev, in.dFlowGpm}))
        return CannotCompute(LoadString(text::kInputNotFinite));
    const SVolumeRelation rel = PulsationRelation(in);
    if (std::isnan(rel.dPulsationFactor))
        return CannotCompute(LoadString(text::kNoPulsationFactor));
    const double P1 = rel.dP1, P2 = rel.dP2;
    if (!(P1 > 0.0))
        return CannotCompute(LoadString(text::kSystemPressureNotAboveZero));
    // Equal pressures divide by zero; a lower one gives a negative volume.
    if (!(P2 > P1))
        return CannotCompute(LoadString(text::kAllowableShockNotAboveSystem));
    if (std::isnan(rel.dDisplacementGal))
        return CannotCompute(LoadString(text::kPumpSpeedNotAboveZero));
    if (!(rel.dDisplacementGal > 0.0))
        return NotRequired();

    const double P0 = gas::ShockPrecharge(P1);
    const double n = gas::ReferencePolytropicExponent(in.dTempF, P2, P1, P0, gas::kPulsationReferenceTime);
    if (!std::isfinite(n) || n == 0.0)
        return CannotCompute(LoadString(text::kNoPolytropicExponent));
    SSizingResult result = FiniteVolume(std::ceil(GasVolumeFor(rel, P0, n, n)));
    if (result.IsSized())
        result.dExponent = n;
    return result;
}
} // namespace sizing
