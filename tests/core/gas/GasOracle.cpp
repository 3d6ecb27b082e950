// Literal transcription of the nitrogen model, used as the reference in tests and benchmarks.
#include "GasOracle.h"

#include <cmath>
#include <limits>

namespace oracle
{
namespace
{
const double R = 0.0820544, A0 = 1.053642, B0 = 0.0407426, C0 = 8059.0, a = 0.025102, b = 0.0023277,
             c = 728.41, alpha = 0.0001272, gamma = 0.0053;
const double N1 = -735.21, N2 = 34.224, N3 = -0.557648, N4 = 3.504, N5 = -1.7339e-05, N6 = 1.7465e-08,
             N7 = -3.5689e-12, N8 = 1.0054, N9 = 3353.4061;
} // namespace

double NitrogenBwrPressure(double T, double V)
{
    return R * T / V + (B0 * R * T - A0 - C0 / (T * T)) / (V * V) + (b * R * T - a) / (V * V * V) +
           a * alpha / (V * V * V * V * V * V) +
           c * (1.0 + gamma / (V * V)) * exp(-gamma / (V * V)) / (V * V * V * (T * T));
}

double GasPressure(double T, double v)
{
    return 14.7 * NitrogenBwrPressure(T / 1.8, v / 0.5718142);
}

double GasSpecificVolume(double T, double P)
{
    double V = 1000.0;
    double step = 0.0;
    for (int k = 1; k <= 40; k++)
    {
        V = V + step / pow(2.0, k);
        double f = P / 14.7 - NitrogenBwrPressure(T / 1.8, V);
        if (f < 0)
            step = 2000.0;
        if (f > 0)
            step = -2000.0;
    }
    return 0.5718142 * V;
}

double GasSpecificVolumePsia(double T, double P)
{
    double v = 1000.0;
    double step = 0.0;
    for (int k = 1; k <= 40; k++)
    {
        v = v + step / pow(2.0, k);
        double f = P - GasPressure(T, v);
        if (f < 0)
            step = 2000.0;
        if (f > 0)
            step = -2000.0;
    }
    return v;
}

double GasHeatCapacity(double T, double v)
{
    double Tk = T / 1.8;
    double V = v / 0.5718142;
    double x = N9 / Tk;
    double cv0 = R * (N1 / (Tk * Tk * Tk) + N2 / (Tk * Tk) + N3 / Tk + (N4 - 1.0) + N5 * Tk + N6 * (Tk * Tk) +
                      N7 * (Tk * Tk * Tk) + N8 * (x * x) * exp(x) / ((exp(x) - 1.0) * (exp(x) - 1.0)));
    return cv0 + 6.0 / (Tk * Tk * Tk) * (C0 / V - c / gamma) +
           3.0 * c / (Tk * Tk * Tk) * (2.0 / gamma + 1.0 / (V * V)) * exp(-gamma / (V * V));
}

double GasTemperatureRate(double T, double v, double cv, double dvdt, double Tw, double tau)
{
    double Tk = T / 1.8;
    double V = v / 0.5718142;
    double dV = dvdt / 0.5718142;
    double Twk = Tw / 1.8;
    double S = R * Tk * (b / (V * V) + 1.0) / V + (B0 * R * Tk + 2.0 * C0 / (Tk * Tk)) / (V * V) -
               2.0 * c * (gamma / (V * V) + 1.0) * exp(-gamma / (V * V)) / (V * V * V * (Tk * Tk));
    return 1.8 * ((Twk - Tk) / tau - S * dV / cv);
}

double ThermalTimeConstant(double Pe, double Ve, double T0, double Vs, double D)
{
    double pi = 4.0 * atan(1.0);
    double Area = pi * D * D / 4.0;
    double L = Ve / Area;
    double shape = (L / D) / (4.0 * L / D + 2.0);
    double Ph = Pe * pow(Ve / Vs, 1.7);
    double Th = T0 * pow(Ve / Vs, 0.7);
    double nu = 1.56e-05 / (0.3058 * 0.3058) * 14.7 / Ph;
    double X = pow(Ph / Pe, 0.7);
    double Gr = 2.0 * 32.176 * (L * L * L) * (X - 1.0) / ((X + 1.0) * (nu * nu));
    double Ra = 0.71 * Gr;
    return 0.045 * (L * L) * pow(Ra, -0.26) * (D / L) * pow(shape, -1.156) * pow(T0 / Th, 1.17) * 0.71 / nu;
}

double SimulateGasExpansion(EForm eForm, double size, double TF, double t, double P1, double P2, double Ppre,
                            double& nEff, bool bStableSubSteps)
{
    double pi = 4.0 * atan(1.0);
    double D, Vtot;
    if (eForm == EForm::CubicInch)
    {
        D = pow(4.0 * size / 10.0 / pi, 1.0 / 3.0) / 12.0;
        Vtot = size / 1728.0;
    }
    else
    {
        D = pow(4.0 * size * 231.0 / 10.0 / pi, 1.0 / 3.0) / 12.0;
        Vtot = size / 7.48052;
    }
    double T0 = TF + 460.0;
    double r = P1 / P2;
    double dt = t / 100.0;
    long long steps = 100;
    if (eForm == EForm::Holding && t / 100.0 >= 10.0)
    {
        dt = 10.0;
        steps = (long long)(t / 10.0);
    }
    double m = Vtot / GasSpecificVolume(T0, Ppre);
    double Vs = m * GasSpecificVolume(T0, P1);

    double n = 1.5, step = 0.0, Ve = 0.0, P = 0.0;
    for (int k = 1; k <= 100; k++)
    {
        n = n + step / pow(2.0, k - 1);
        Ve = Vs * pow(r, 1.0 / n);
        double ve = Ve / m;
        double Pe = GasPressure(T0, ve);
        double tau = ThermalTimeConstant(Pe, Ve, T0, Vs, D);
        double dVdt = (Ve - Vs) / t;
        double dvdt = dVdt / m;
        double T = T0, V = Vs, Tw = T0;
        // A step of two time constants or more is cut into equal sub-steps of at most one.
        double h = dt;
        long long count = steps;
        if (bStableSubSteps && tau > 0.0 && std::isfinite(tau) && dt >= 2.0 * tau)
        {
            double per = ceil(dt / tau);
            h = dt / per;
            count = steps * (long long)per;
        }
        for (long long i = 0; i < count; i++)
        {
            V = V + dVdt * h;
            double v = V / m;
            double cv = GasHeatCapacity(T, v);
            T = T + GasTemperatureRate(T, v, cv, dvdt, Tw, tau) * h;
            P = GasPressure(T, v);
        }
        double diff = P - P2;
        double err = fabs(diff) / P2 * 100.0;
        if (err > 0.1)
        {
            if (diff < 0)
                step = 1.5;
            if (diff > 0)
                step = -1.5;
        }
    }
    nEff = log(P1 / P) / log(Ve / Vs);
    if (eForm == EForm::CubicInch)
        return (Ve - Vs) * 1728.0 * 0.95;
    return (Ve - Vs) * 7.48052 * 0.95;
}

double SizeLoop(EForm eForm, double Vreq, double TF, double t, double P1, double P2, double Ppre,
                double& sizeGallons, double& n)
{
    if (Vreq <= 0)
        return -1.0;
    double size = 5.0;
    double err;
    int iterations = 0;
    do
    {
        double delivered = SimulateGasExpansion(eForm, size, TF, t, P1, P2, Ppre, n);
        size = size * Vreq / delivered;
        err = fabs(Vreq - delivered) * 100.0 / Vreq;
        iterations++;
        if (!std::isfinite(delivered) || !(delivered > 0) || !std::isfinite(size) || !std::isfinite(err) ||
            iterations > 100)
            return std::numeric_limits<double>::quiet_NaN();
    } while (err > 0.01);
    if (!std::isfinite(n))
        return std::numeric_limits<double>::quiet_NaN();
    sizeGallons = size;
    return ceil(size * 231.0);
}

double PrechargeAtTemperature(double Ta, double Tb, double Pa, double Pb)
{
    if (Pb < Pa)
        return GasPressure(Tb + 460.0, GasSpecificVolumePsia(Ta + 460.0, Pa));
    if (Pa < Pb)
        return GasPressure(Ta + 460.0, GasSpecificVolumePsia(Tb + 460.0, Pb));
    return std::numeric_limits<double>::quiet_NaN();
}
} // namespace oracle
