// The ideal-gas sizes beside a real-gas result: the same formula with an isothermal and an adiabatic gas.
#pragma once

#include "sizing/VolumeRelation.h"

#include <optional>

namespace sizing
{
// Poisson's exponent of a diatomic ideal gas.
constexpr double kAdiabaticExponent = 1.4;

// Gas volumes (in3, not rounded) that the application's formula gives for an ideal gas.
struct SIdealGasBounds
{
    double dIsothermalIn3 = 0.0; // Boyle: every exponent 1
    double dAdiabaticIn3 = 0.0;  // Poisson: every exponent the gas model supplies is 1.4
};

// The application's formula with the same precharge and pressures, the real-gas exponents
// replaced; the holding formula's charging exponent stays 1. nullopt when either size is not a
// finite number above zero.
std::optional<SIdealGasBounds> IdealGasBounds(const SVolumeRelation& rel, double dPrechargePsia);
} // namespace sizing
