// Cylinder volumes and the minimum pump flow of a single actuator.
#include "sizing/CylinderVolume.h"

#include "gas/Precharge.h"

#include <cmath>

namespace sizing
{
double CylinderVolume(double dBoreIn, double dRodIn, double dStrokeIn, int nCylinders,
                      ECylinderStroke eStroke)
{
    const double pi = 4.0 * std::atan(1.0);
    const double N = nCylinders;
    const double dExtend = 0.25 * pi * dBoreIn * dBoreIn * dStrokeIn * N;
    const double dRetract = 0.25 * pi * (dBoreIn * dBoreIn - dRodIn * dRodIn) * dStrokeIn * N;
    switch (eStroke)
    {
    case ECylinderStroke::Extend:
        return dExtend;
    case ECylinderStroke::Retract:
        return dRetract;
    case ECylinderStroke::Both:
        return dExtend + dRetract;
    }
    return 0.0;
}

std::optional<double> MinimumPumpFlow(double dVolumeIn3, double dActuationSec, double dDwellSec)
{
    const double dFlow = gas::MinimumPumpFlow(dVolumeIn3, dActuationSec, dDwellSec);
    if (!(dActuationSec + dDwellSec > 0.0) || !std::isfinite(dFlow))
        return std::nullopt;
    return dFlow;
}
} // namespace sizing
