// Precharge rules, shock pressure limits and the precharge at another temperature.
#pragma once

namespace gas
{
enum class EPrechargeMode
{
    Piston = 1,
    BladderOrDiaphragm = 2,
};

// The optimal precharge (psia) for a minimum pressure P (psia): a piston
// accumulator P - 100 above 1000 psia, else 0.9 P; bladder or diaphragm 0.9 P.
double OptimalPrecharge(double dMinPsia, EPrechargeMode eMode);
// The multiple-events rule: as OptimalPrecharge, with 0.8 P for bladder or diaphragm.
double OptimalPrechargeMultipleEvents(double dMinPsia, EPrechargeMode eMode);

// 60 % of the system pressure.
double ShockPrecharge(double dPsia);
// The smaller of 1.05 P and P + 100 (shock suppression, pulsation dampening).
double AllowedShockPressure(double dPsia);
// The smaller of 1.1 P and P + 200 (shock due to pump response time).
double AllowedPumpResponsePressure(double dPsia);

// The pressure (psia) of a closed gas volume at the other temperature (deg F):
// the known pressure is the larger of Pa and Pb, the unknown one is passed as -1.
// Returns NaN when neither is known, or both are equal.
double PrechargeAtTemperature(double dTaF, double dTbF, double dPa, double dPb);

// The pump flow (gpm) that refills volume V (in3) over actuation and dwell (s).
double MinimumPumpFlow(double dVolumeIn3, double dActuationSec, double dDwellSec);
} // namespace gas
