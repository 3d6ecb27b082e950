// Constants of the nitrogen model: real-gas equation of state, ideal heat capacity, heat transfer.
#pragma once

namespace gas
{
// Equation of state in atm, L/mol and K.
constexpr double kR = 0.0820544;
constexpr double kA0 = 1.053642;
constexpr double kB0 = 0.0407426;
constexpr double kC0 = 8059.0;
constexpr double ka = 0.025102;
constexpr double kb = 0.0023277;
constexpr double kc = 728.41;
constexpr double kAlpha = 0.0001272;
constexpr double kGamma = 0.0053;

// Ideal-gas heat capacity cp0/R as a function of T in K.
constexpr double kN1 = -735.21;
constexpr double kN2 = 34.224;
constexpr double kN3 = -0.557648;
constexpr double kN4 = 3.504;
constexpr double kN5 = -1.7339e-05;
constexpr double kN6 = 1.7465e-08;
constexpr double kN7 = -3.5689e-12;
constexpr double kN8 = 1.0054;
constexpr double kN9 = 3353.4061;

// Unit bridges between the interfaces (psia, deg R, cu ft/lb) and the equation of state.
constexpr double kAtmPsia = 14.7;
constexpr double kRankinePerKelvin = 1.8;
constexpr double kCuFtPerLbPerLitrePerMol = 0.5718142;
constexpr double kRankineOffset = 460.0;
constexpr double kGallonsPerCuFt = 7.48052;
constexpr double kCuInPerGallon = 231.0;
constexpr double kCuInPerCuFt = 1728.0;
constexpr double kCuInPerSecPerGpm = 3.85;

// The share of the gas volume change that reaches the fluid side.
constexpr double kDeliveryEfficiency = 0.95;
} // namespace gas
