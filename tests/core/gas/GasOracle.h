// A direct, literal transcription of the nitrogen model: the reference that the
// production model must match bit for bit. Slow on purpose: every Euler step
// evaluates the heat capacity, the temperature rate and the pressure in full,
// and every exponent search runs all 100 trials.
#pragma once

namespace oracle
{
enum class EForm
{
    Gallon,
    CubicInch,
    Holding
};

double NitrogenBwrPressure(double T, double V);
double GasPressure(double T, double v);
double GasSpecificVolume(double T, double P);
double GasSpecificVolumePsia(double T, double P);
double GasHeatCapacity(double T, double v);
double GasTemperatureRate(double T, double v, double cv, double dvdt, double Tw, double tau);
double ThermalTimeConstant(double Pe, double Ve, double T0, double Vs, double D);

// Returns the delivered volume; n receives the effective exponent.
// bStableSubSteps false integrates every trial with the literal steps, even
// where they run away (kept to show what the sub-steps mend).
double SimulateGasExpansion(EForm eForm, double size, double TF, double t, double P1, double P2, double Ppre,
                            double& n, bool bStableSubSteps = true);

// The outer size loop: size in whole cubic inches, -1.0 when no accumulator is
// required (outputs unwritten), NaN when the loop cannot compute a size.
double SizeLoop(EForm eForm, double Vreq, double TF, double t, double P1, double P2, double Ppre,
                double& sizeGallons, double& n);

double PrechargeAtTemperature(double Ta, double Tb, double Pa, double Pb);
} // namespace oracle
