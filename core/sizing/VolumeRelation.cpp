// The applications' closed volume formulas, written once for the real-gas sizing and its comparisons.
#include "sizing/VolumeRelation.h"

#include "sizing/SizingSupport.h"

#include <cmath>

namespace sizing
{
double GasVolumeFor(const SVolumeRelation& rel, double dPrechargePsia, double dChargeExponent,
                    double dDischargeExponent)
{
    const double P1 = rel.dP1, P2 = rel.dP2, P0 = dPrechargePsia, n = dDischargeExponent;
    switch (rel.eKind)
    {
    case ERelation::Cycle:
        return detail::ClosedFormVolume(rel.dVolumeIn3, P1, P2, P0,
                                        rel.bIsothermalCharge ? 1.0 : dChargeExponent, n);
    case ERelation::PumpResponse:
    {
        const double a = std::pow(P2 / P1, 1.0 / n);
        return rel.dVolumeIn3 * a / ((P0 / P1) * (a - 1.0));
    }
    case ERelation::Pulsation:
        return 231.0 * rel.dDisplacementGal * rel.dPulsationFactor * std::pow(P1 / P0, 1.0 / n) /
               (1.0 - std::pow(P1 / P2, 1.0 / n));
    case ERelation::Shock:
    {
        const double m = rel.dMass, v = rel.dVelocity;
        // (n - 1) / ((P2/P1)^((n-1)/n) - 1) tends to 1 / ln(P2/P1) as n tends to 1.
        const double dXOverY = n == 1.0 ? (P1 / P0) * 12.0 * m * v * v / (14876.4 * P1 * std::log(P2 / P1))
                                        : std::pow(P1 / P0, 1.0 / n) * 12.0 * m * v * v * (n - 1.0) /
                                              (14876.4 * P1 * (std::pow(P2 / P1, (n - 1.0) / n) - 1.0));
        return dXOverY * 231.0 + 1.155 * rel.dFlowGpm;
    }
    }
    return std::nan("");
}
} // namespace sizing
