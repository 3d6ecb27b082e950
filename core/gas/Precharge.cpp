// Precharge rules and constant-volume temperature effect.
#include "gas/Precharge.h"

#include "gas/GasConstants.h"
#include "gas/NitrogenState.h"

#include <algorithm>
#include <limits>

namespace gas
{
namespace
{
double PistonRule(double P)
{
    return P > 1000.0 ? P - 100.0 : 0.9 * P;
}
} // namespace

double OptimalPrecharge(double dMinPsia, EPrechargeMode eMode)
{
    return eMode == EPrechargeMode::Piston ? PistonRule(dMinPsia) : 0.9 * dMinPsia;
}

double OptimalPrechargeMultipleEvents(double dMinPsia, EPrechargeMode eMode)
{
    return eMode == EPrechargeMode::Piston ? PistonRule(dMinPsia) : 0.8 * dMinPsia;
}

double ShockPrecharge(double dPsia)
{
    return 0.6 * dPsia;
}

double AllowedShockPressure(double dPsia)
{
    return std::min(1.05 * dPsia, dPsia + 100.0);
}

double AllowedPumpResponsePressure(double dPsia)
{
    return std::min(1.1 * dPsia, dPsia + 200.0);
}

double PrechargeAtTemperature(double dTaF, double dTbF, double dPa, double dPb)
{
    // Constant mass and volume: the specific volume found at the known state
    // gives the pressure at the other temperature.
    if (dPb < dPa)
        return GasPressure(dTbF + kRankineOffset, GasSpecificVolumePsia(dTaF + kRankineOffset, dPa));
    if (dPa < dPb)
        return GasPressure(dTaF + kRankineOffset, GasSpecificVolumePsia(dTbF + kRankineOffset, dPb));
    return std::numeric_limits<double>::quiet_NaN();
}

double MinimumPumpFlow(double dVolumeIn3, double dActuationSec, double dDwellSec)
{
    return dVolumeIn3 / (dActuationSec + dDwellSec) / kCuInPerSecPerGpm;
}
} // namespace gas
