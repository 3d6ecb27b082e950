// Expected results of the application calculations, computed apart from the program: the unit
// definitions written out, each application's formula transcribed, and the literal gas model
// (GasOracle) for the nitrogen part. Tests compare the program's stored results with these.
#pragma once

#include "GasOracle.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ref
{
// Unit definitions: a value in the category's base unit is value x factor + offset.
constexpr double kPaPerPsi = 6894.757, kGaugePa = 101314.224;
constexpr double kM3PerIn3 = 1.638706e-05, kM3PerGal = 0.003785413, kM3PerLitre = 0.001;
constexpr double kM3MinPerGpm = 0.003785412, kM3MinPerIn3Sec = 0.0009832237;
constexpr double kMinPerSec = 0.01667;

// clang-format off
inline double PsiaFromBar(double d) { return d * 100000.0 / kPaPerPsi; }
inline double PsiaFromMpa(double d) { return d * 1000000.0 / kPaPerPsi; }
inline double PsiaFromPsig(double d) { return (d * kPaPerPsi + kGaugePa) / kPaPerPsi; }
inline double PsigFromBar(double d) { return (d * 100000.0 - kGaugePa) / kPaPerPsi; }
inline double BarFromPsig(double d) { return (d * kPaPerPsi + kGaugePa) / 100000.0; }
inline double FFromC(double d) { return d * 1.8 + 32.0; }
inline double FFromK(double d) { return d * 1.8 - 459.67; }
inline double In3FromLitre(double d) { return d * kM3PerLitre / kM3PerIn3; }
inline double In3FromGal(double d) { return d * kM3PerGal / kM3PerIn3; }
inline double InFromMm(double d) { return d * 0.001 / 0.0254; }
inline double InFromFt(double d) { return d * 0.3048 / 0.0254; }
inline double InFromCm(double d) { return d * 0.01 / 0.0254; }
inline double GpmFromLpm(double d) { return d * 0.001 / kM3MinPerGpm; }
inline double In3SecFromLpm(double d) { return d * 0.001 / kM3MinPerIn3Sec; }
inline double In3MinFromGpm(double d) { return d * kM3MinPerGpm / kM3PerIn3; }
inline double SecFromMin(double d) { return d / kMinPerSec; }
inline double GalPerRevFromCcRev(double d) { return d * 0.06102 / 231.0; }
// clang-format on

const double kPi = 4.0 * std::atan(1.0);

inline double CylinderIn3(double B, double R, double S, int N, int nStroke /* 0 extend, 1 retract, 2 both */)
{
    const double extend = 0.25 * kPi * B * B * S * N, retract = 0.25 * kPi * (B * B - R * R) * S * N;
    return nStroke == 0 ? extend : nStroke == 1 ? retract : extend + retract;
}

// The closed volume formula of the pump and holding applications.
inline double ClosedForm(double V, double P1, double P2, double P0, double nC, double nD)
{
    const double r = P1 / P2;
    return V * std::pow(r, 1.0 / nC) / (0.95 * (P0 / P2) * (std::pow(r, 1.0 / nD) - 1.0));
}

struct SExpected
{
    double dRequiredIn3 = 0.0;
    double dExponent = 0.0;
    double dCharging = 0.0;
    double dRatio = 0.0;
    double dDeficitIn3 = 0.0;
};

// The exponent of one size-loop run; 1 where the run needs no accumulator.
inline double LoopExponent(oracle::EForm eForm, double dGal, double TF, double t, double P1, double P2,
                           double P0, double* pSizeGal = nullptr)
{
    double dSize = 0.0, n = 0.0;
    if (oracle::SizeLoop(eForm, dGal, TF, t, P1, P2, P0, dSize, n) < 0.0)
        return 1.0;
    if (pSizeGal)
        *pSizeGal = dSize;
    return n;
}

inline SExpected SupplementingPumpFlow(double V, double ta, double td, double Q, double P1, double P2,
                                       double P0, double TF)
{
    SExpected e;
    double dSize = 0.0;
    const double dDischargeGal = V / 231.0 - Q * ta / 60.0;
    e.dCharging = LoopExponent(oracle::EForm::Gallon, V / 231.0 - Q * td / 60.0, TF, td, P1, P2, P0);
    e.dExponent = LoopExponent(oracle::EForm::Gallon, dDischargeGal, TF, ta, P1, P2, P0, &dSize);
    e.dRatio = dSize / dDischargeGal;
    e.dDeficitIn3 = dDischargeGal * 231.0;
    e.dRequiredIn3 = ClosedForm(e.dDeficitIn3, P1, P2, P0, e.dCharging, e.dExponent);
    return e;
}

inline SExpected AuxiliaryPower(double V, double ta, double td, double P1, double P2, double P0, double TF)
{
    SExpected e;
    double dSize = 0.0;
    e.dExponent = LoopExponent(oracle::EForm::Gallon, V / 231.0, TF, ta, P1, P2, P0);
    e.dCharging = LoopExponent(oracle::EForm::Gallon, V / 231.0, TF, td, P1, P2, P0, &dSize);
    e.dRatio = dSize / (V / 231.0);
    e.dRequiredIn3 = ClosedForm(V, P1, P2, P0, e.dCharging, e.dExponent);
    return e;
}

// L in in3/min, the hold time in seconds.
inline SExpected Holding(double L, double th, double P1, double P2, double P0, double TF)
{
    SExpected e;
    e.dExponent = LoopExponent(oracle::EForm::Holding, L * th / 60.0 / 231.0, TF, th, P1, P2, P0);
    e.dRequiredIn3 = ClosedForm(L * th * kMinPerSec, P1, P2, P0, 1.0, e.dExponent);
    return e;
}

inline double ReferenceExponent(double TF, double t, double P1, double P2, double P0)
{
    double n = 0.0;
    oracle::SimulateGasExpansion(oracle::EForm::Gallon, 5.0, TF, t, P2, P1, P0, n);
    return n;
}

// P2 the maximum allowable shock pressure; L and d in inches.
inline SExpected ShockSuppression(double P1, double P2, double Q, double TF, double L, double d, double rho)
{
    SExpected e;
    const double A = 0.25 * kPi * d * d, v = 3.85 * Q / A / 12.0, m = A * L * rho, P0 = 0.6 * P1;
    const double n = ReferenceExponent(TF, 0.1, P1, P2, P0);
    const double X = std::pow(P1 / P0, 1.0 / n) * 12.0 * m * v * v * (n - 1.0);
    const double Y = 14876.4 * P1 * (std::pow(P2 / P1, (n - 1.0) / n) - 1.0);
    e.dExponent = n;
    e.dRequiredIn3 = std::ceil(X / Y * 231.0 + 1.155 * Q);
    return e;
}

inline double PulsationFactor(int x, bool bSingle)
{
    const double d = x;
    return bSingle ? 1.3905 - 1.09792 * d + 0.35667 * d * d - 0.05208 * d * d * d + 0.00283 * d * d * d * d
                   : 0.32767 - 0.03624 * d - 0.05681 * d * d + 0.01759 * d * d * d - 0.00142 * d * d * d * d;
}

// D in gallons per revolution.
inline SExpected Pulsation(double P1, double P2, double TF, double D, int nPistons, bool bSingle)
{
    SExpected e;
    const double P0 = 0.6 * P1;
    const double n = ReferenceExponent(TF, 0.01, P1, P2, P0);
    e.dExponent = n;
    e.dRequiredIn3 = std::ceil(231.0 * D * PulsationFactor(nPistons, bSingle) * std::pow(P1 / P0, 1.0 / n) /
                               (1.0 - std::pow(P1 / P2, 1.0 / n)));
    return e;
}

// P1 the system pressure, P2 the maximum shock pressure, Q in gpm, t in seconds.
inline SExpected PumpResponse(double P1, double P2, double Q, double TF, double t, double P0)
{
    SExpected e;
    const double n = LoopExponent(oracle::EForm::Gallon, 0.67 * Q * t / 60.0, TF, t, P2, P1, P0);
    const double Vd = In3MinFromGpm(Q) * t * kMinPerSec, a = std::pow(P2 / P1, 1.0 / n);
    e.dExponent = n;
    e.dRequiredIn3 = Vd * a / ((P0 / P1) * (a - 1.0));
    return e;
}

// One event of the multiple-events cycle in in3, in3/s and seconds.
struct SEventIn
{
    int a, e;
    bool bPump;
    double F, V, S, D;
};

struct SCycleOut
{
    double dPeak = 0.0, dPeakTime = 0.0, dEndTime = 0.0;
    int nActuator = 0, nEvent = 0;
};

// The volume balance on its grid of 1000 steps to the last event's end and 200 to the cycle's end.
inline SCycleOut Cycle(std::vector<SEventIn> events, double dTotal, double Q)
{
    SCycleOut out;
    double dTmax = 0.0, dVtot = 0.0, dVpump = 0.0, dLargest = 0.0;
    for (SEventIn& ev : events)
    {
        if (ev.V == 0.0)
            ev.V = ev.F * ev.D;
        if (ev.F == 0.0)
            ev.F = ev.V / ev.D;
        dTmax = std::max(dTmax, ev.S + ev.D);
        dVtot += ev.V;
        dVpump += ev.bPump ? ev.V : 0.0;
        if (ev.V >= dLargest)
            dLargest = ev.V, out.nActuator = ev.a, out.nEvent = ev.e;
    }
    const double Qp = Q * 3.85 * dVpump / dVtot, dt1 = dTmax / 1000.0, dt2 = (dTotal - dTmax) / 200.0;
    double T = 0.0, W = 0.0;
    for (int i = 0; i < 1201; ++i)
    {
        const double dt = T <= dTmax ? dt1 : dt2;
        double dDemand = 0.0;
        for (std::size_t j = 0; j < events.size(); ++j)
        {
            if (j > 0 && events[j - 1].a == events[j].a)
                continue; // one flow per actuator: the last of its events that runs at T
            double dFlow = 0.0;
            for (std::size_t k = j; k < events.size() && events[k].a == events[j].a; ++k)
                if (events[k].S <= T && T <= events[k].S + events[k].D)
                    dFlow = events[k].F;
            dDemand += dFlow;
        }
        W = std::max(W, 0.0);
        if (W >= out.dPeak)
            out.dPeak = W, out.dPeakTime = T;
        out.dEndTime = T;
        W += dt * (dDemand - Qp);
        T += dt;
    }
    return out;
}

inline SExpected MultipleEvents(const SCycleOut& cycle, double P1, double P2, double P0, double TF)
{
    SExpected e;
    e.dDeficitIn3 = std::ceil(cycle.dPeak);
    double dSize = 0.0;
    e.dExponent =
        LoopExponent(oracle::EForm::Gallon, e.dDeficitIn3 / 231.0, TF, cycle.dPeakTime, P1, P2, P0, &dSize);
    e.dRatio = std::ceil(dSize * 231.0) / e.dDeficitIn3;
    e.dRequiredIn3 = ClosedForm(std::ceil(dSize * 231.0) / e.dRatio, P1, P2, P0, e.dExponent, e.dExponent);
    return e;
}
} // namespace ref
