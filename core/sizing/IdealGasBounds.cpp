// The isothermal and adiabatic ideal-gas sizes.
#include "sizing/IdealGasBounds.h"

#include <cmath>

namespace sizing
{
std::optional<SIdealGasBounds> IdealGasBounds(const SVolumeRelation& rel, double dPrechargePsia)
{
    const SIdealGasBounds bounds{GasVolumeFor(rel, dPrechargePsia, 1.0, 1.0),
                                 GasVolumeFor(rel, dPrechargePsia, kAdiabaticExponent, kAdiabaticExponent)};
    for (double d : {bounds.dIsothermalIn3, bounds.dAdiabaticIn3})
        if (!std::isfinite(d) || !(d > 0.0))
            return std::nullopt;
    return bounds;
}
} // namespace sizing
