// Simulated discharge of an accumulator's nitrogen charge with heat exchange to the wall.
#pragma once

namespace gas
{
enum class EExpansionForm
{
    Gallon,    // size and delivered volume in US gallons, 100 Euler steps
    CubicInch, // size and delivered volume in cubic inches, 100 Euler steps
    Holding,   // gallons; 10 s Euler steps once the process time reaches 1000 s
};

struct SExpansion
{
    double dDelivered; // fluid delivered between P1 and P2, in the form's volume unit
    double dExponent;  // effective polytropic exponent of the simulated expansion
};

// Expands the gas of an accumulator of dSize, precharged to dPrecharge (psia) at
// dTempF (deg F), from dP1 to dP2 (psia) over dTime (s). The polytropic exponent
// is searched so that the simulated end pressure meets dP2.
SExpansion SimulateGasExpansion(EExpansionForm eForm, double dSize, double dTempF, double dTime, double dP1,
                                double dP2, double dPrecharge);

// Process times of the reference exponent.
constexpr double kShockReferenceTime = 0.1;
constexpr double kPulsationReferenceTime = 0.01;

// The exponent of a 5-gallon accumulator expanding from dP1 to dP2 in dTime.
double ReferencePolytropicExponent(double dTempF, double dP1, double dP2, double dPrecharge, double dTime);
} // namespace gas
