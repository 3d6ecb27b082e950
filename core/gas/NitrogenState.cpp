// Nitrogen equation of state, heat capacity and heat exchange.
//
// Powers are written as products, associated from the left; the expansion
// loop (GasExpansion.cpp) evaluates the same products from cached terms and
// must stay bit-identical to these functions.
#include "gas/NitrogenState.h"

#include "gas/GasConstants.h"

#include <cmath>

namespace gas
{
double NitrogenBwrPressure(double T, double V)
{
    const double V2 = V * V;
    const double V3 = V2 * V;
    const double V6 = V3 * V * V * V;
    const double T2 = T * T;
    return kR * T / V + (kB0 * kR * T - kA0 - kC0 / T2) / V2 + (kb * kR * T - ka) / V3 + ka * kAlpha / V6 +
           kc * (1.0 + kGamma / V2) * std::exp(-kGamma / V2) / (V3 * T2);
}

double GasPressure(double dTr, double dVspec)
{
    return kAtmPsia * NitrogenBwrPressure(dTr / kRankinePerKelvin, dVspec / kCuFtPerLbPerLitrePerMol);
}

double GasSpecificVolume(double dTr, double dPsia)
{
    const double dTk = dTr / kRankinePerKelvin;
    const double dTarget = dPsia / kAtmPsia;
    double V = 1000.0;
    double dStep = 0.0;
    for (int k = 1; k <= 40; ++k)
    {
        V = V + dStep / std::ldexp(1.0, k);
        const double f = dTarget - NitrogenBwrPressure(dTk, V);
        if (f < 0.0)
            dStep = 2000.0;
        else if (f > 0.0)
            dStep = -2000.0;
    }
    return kCuFtPerLbPerLitrePerMol * V;
}

double GasSpecificVolumePsia(double dTr, double dPsia)
{
    double v = 1000.0;
    double dStep = 0.0;
    for (int k = 1; k <= 40; ++k)
    {
        v = v + dStep / std::ldexp(1.0, k);
        const double f = dPsia - GasPressure(dTr, v);
        if (f < 0.0)
            dStep = 2000.0;
        else if (f > 0.0)
            dStep = -2000.0;
    }
    return v;
}

double GasHeatCapacity(double dTr, double dVspec)
{
    const double Tk = dTr / kRankinePerKelvin;
    const double V = dVspec / kCuFtPerLbPerLitrePerMol;
    const double x = kN9 / Tk;
    const double Tk2 = Tk * Tk;
    const double Tk3 = Tk2 * Tk;
    const double ex = std::exp(x);
    const double cv0 = kR * (kN1 / Tk3 + kN2 / Tk2 + kN3 / Tk + (kN4 - 1.0) + kN5 * Tk + kN6 * Tk2 + kN7 * Tk3 +
                             kN8 * (x * x) * ex / ((ex - 1.0) * (ex - 1.0)));
    const double V2 = V * V;
    return cv0 + 6.0 / Tk3 * (kC0 / V - kc / kGamma) +
           3.0 * kc / Tk3 * (2.0 / kGamma + 1.0 / V2) * std::exp(-kGamma / V2);
}

double GasTemperatureRate(double dTr, double dVspec, double dCv, double dVspecRate, double dTwallR, double dTau)
{
    const double Tk = dTr / kRankinePerKelvin;
    const double V = dVspec / kCuFtPerLbPerLitrePerMol;
    const double dV = dVspecRate / kCuFtPerLbPerLitrePerMol;
    const double Twk = dTwallR / kRankinePerKelvin;
    const double V2 = V * V;
    const double V3 = V2 * V;
    const double Tk2 = Tk * Tk;
    // Tk times the partial derivative of pressure by temperature at constant volume.
    const double S = kR * Tk * (kb / V2 + 1.0) / V + (kB0 * kR * Tk + 2.0 * kC0 / Tk2) / V2 -
                     2.0 * kc * (kGamma / V2 + 1.0) * std::exp(-kGamma / V2) / (V3 * Tk2);
    return kRankinePerKelvin * ((Twk - Tk) / dTau - S * dV / dCv);
}

double ThermalTimeConstant(double dPe, double dVe, double dT0, double dVs, double D)
{
    const double pi = 4.0 * std::atan(1.0);
    const double dArea = pi * D * D / 4.0;
    const double L = dVe / dArea;
    const double dShape = (L / D) / (4.0 * L / D + 2.0);
    // Hot state: the gas compressed back from Ve to Vs.
    const double dPh = dPe * std::pow(dVe / dVs, 1.7);
    const double dTh = dT0 * std::pow(dVe / dVs, 0.7);
    // Kinematic viscosity in ft2/s (the reference value is converted with 0.3058 ft/m).
    const double nu = 1.56e-05 / (0.3058 * 0.3058) * 14.7 / dPh;
    const double X = std::pow(dPh / dPe, 0.7);
    const double dGrashof = 2.0 * 32.176 * (L * L * L) * (X - 1.0) / ((X + 1.0) * (nu * nu));
    const double dRayleigh = 0.71 * dGrashof;
    return 0.045 * (L * L) * std::pow(dRayleigh, -0.26) * (D / L) * std::pow(dShape, -1.156) *
           std::pow(dT0 / dTh, 1.17) * 0.71 / nu;
}
} // namespace gas
