// Actuator volume from cylinder dimensions, and the pump flow that refills it.
#pragma once

#include <optional>

namespace sizing
{
// Which strokes draw fluid from the circuit.
enum class ECylinderStroke
{
    Extend = 1,
    Retract = 2,
    Both = 3,
};

// Volume (in3) of nCylinders cylinders in parallel with bore, rod and stroke in
// inches: extend 0.25 pi B^2 S N, retract 0.25 pi (B^2 - R^2) S N, both their sum.
double CylinderVolume(double dBoreIn, double dRodIn, double dStrokeIn, int nCylinders,
                      ECylinderStroke eStroke);

// The pump flow (gpm) that refills dVolumeIn3 over an actuation and a dwell (s);
// nullopt when the cycle time is not above zero.
std::optional<double> MinimumPumpFlow(double dVolumeIn3, double dActuationSec, double dDwellSec);
} // namespace sizing
