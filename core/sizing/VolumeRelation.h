// Each application's closed volume formula with the precharge and the polytropic exponents as parameters.
#pragma once

namespace sizing
{
// The four closed formulas the applications size with.
enum class ERelation
{
    // Supplementing pump flow, multiple events, auxiliary power, holding: the fluid volume V
    // delivered from P1 down to P2: V (P1/P2)^(1/nC) / (0.95 (P0/P2) ((P1/P2)^(1/nD) - 1)).
    Cycle,
    // Pump response: the volume Vd taken in from the system pressure P1 up to the peak P2:
    // Vd a / ((P0/P1) (a - 1)) with a = (P2/P1)^(1/n).
    PumpResponse,
    // Pulsation dampening: 231 D f (P1/P0)^(1/n) / (1 - (P1/P2)^(1/n)).
    Pulsation,
    // Shock suppression: the kinetic energy of the line's column absorbed from P1 up to P2,
    // 231 X / Y + 1.155 Q with X = (P1/P0)^(1/n) 12 m v^2 (n - 1) and
    // Y = 14876.4 P1 ((P2/P1)^((n-1)/n) - 1).
    Shock,
};

// What a formula needs besides the precharge and the exponents, in the calculation units
// (psia, in3, gpm). P1 and P2 are the maximum and minimum pressures of a cycle, and the
// system and peak pressures of the three shock applications.
struct SVolumeRelation
{
    ERelation eKind = ERelation::Cycle;
    double dP1 = 0.0;
    double dP2 = 0.0;
    double dVolumeIn3 = 0.0;        // Cycle: V; PumpResponse: Vd
    bool bIsothermalCharge = false; // Cycle: the charging exponent is 1 whatever is passed (holding)
    double dDisplacementGal = 0.0;  // Pulsation: D, gallons per revolution
    double dPulsationFactor = 0.0;  // Pulsation: f
    double dMass = 0.0;             // Shock: m, the fluid column (catalogue density x in3)
    double dVelocity = 0.0;         // Shock: v, ft/s
    double dFlowGpm = 0.0;          // Shock: Q
};

// The gas volume (in3, not rounded) the formula gives for precharge P0 (psia), charging
// exponent nC and discharge exponent nD; the formulas with one exponent use nD. An exponent
// of exactly 1 in the shock formula takes its limit, 231 (P1/P0) 12 m v^2 / (14876.4 P1
// ln(P2/P1)) + 1.155 Q: the isothermal compression.
double GasVolumeFor(const SVolumeRelation& rel, double dPrechargePsia, double dChargeExponent,
                    double dDischargeExponent);
} // namespace sizing
