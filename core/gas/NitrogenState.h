// The real-gas state of nitrogen: pressure, specific volume, heat capacity, temperature rate.
#pragma once

namespace gas
{
// Pressure (atm) at T (K) and molar volume V (L/mol), Benedict-Webb-Rubin.
double NitrogenBwrPressure(double dTk, double dVmol);
// Pressure (psia) at T (deg R) and specific volume v (cu ft/lb).
double GasPressure(double dTr, double dVspec);
// Specific volume (cu ft/lb) at T (deg R) and P (psia): a 40-step signed halving
// search of the molar volume against the pressure in atm.
double GasSpecificVolume(double dTr, double dPsia);
// The same search made directly on the specific volume against the pressure in psia.
double GasSpecificVolumePsia(double dTr, double dPsia);
// Heat capacity at constant volume (L atm / (mol K)) at T (deg R) and v (cu ft/lb).
double GasHeatCapacity(double dTr, double dVspec);
// dT/dt (deg R/s) of gas expanding at dv/dt with heat exchange to a wall at Tw through tau.
double GasTemperatureRate(double dTr, double dVspec, double dCv, double dVspecRate, double dTwallR,
                          double dTau);
// Thermal time constant (s) of the gas space: Pe (psia), Ve, Vs (cu ft), T0 (deg R), D (ft).
double ThermalTimeConstant(double dPe, double dVe, double dT0, double dVs, double dDiameter);
} // namespace gas
