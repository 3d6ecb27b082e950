// The accumulator gas size that delivers a required volume: the size loop and its caller forms.
#pragma once

#include "gas/GasExpansion.h"
#include "gas/Precharge.h"

namespace gas
{
enum class EGasSizingStatus
{
    Sized,         // the size, ratio and exponent hold results
    NotRequired,   // the required volume is not above zero: no accumulator is needed
    CannotCompute, // the loop met a non-finite value or did not converge
};

struct SGasSizing
{
    EGasSizingStatus eStatus = EGasSizingStatus::CannotCompute;
    // Gas size in whole cubic inches (rounded up); -1.0 unless sized.
    double dSizeIn3 = -1.0;
    // Size over required volume; 0 unless sized.
    double dRatio = 0.0;
    // Effective polytropic exponent of the last simulation; 0 unless sized.
    double dExponent = 0.0;
    // Required volume (in3) the loop was asked for, also when it is not above zero.
    double dRequiredIn3 = 0.0;
};

// A precharge or pressure argument not above -1.0 means "not entered": the form's rule supplies it.
constexpr double kNotEntered = -1.0;

// The shared loop: starting from 5 gallons, scales the size until the simulated
// delivery meets dRequiredGal within 0.01 %; the ratio is the last size (gal)
// over dRequiredGal. Stops with CannotCompute on a non-finite or non-positive
// delivery, or after 100 rounds without convergence.
SGasSizing SizeAccumulatorGas(EExpansionForm eForm, double dRequiredGal, double dTempF, double dTime,
                              double dP1, double dP2, double dPrecharge);

// Auxiliary power: volume V (in3) delivered from max to min over dTime.
SGasSizing SizeAuxiliaryPowerGas(double dVolumeIn3, double dTempF, double dTime, double dMaxPsia, double dMinPsia,
                                 double dPrecharge, EPrechargeMode eMode);

// Holding: leakage (in3/min) over the hold time (s), in the holding form.
SGasSizing SizeHoldingGas(double dLeakIn3PerMin, double dTempF, double dHoldSec, double dMaxPsia,
                          double dMinPsia, double dPrecharge, EPrechargeMode eMode);

// Supplementing pump flow: actuator volume (in3) less the pump's delivery over
// dTime; a pump flow of -1 takes the minimum pump flow over dTime and dDwellSec.
// The precharge rule is the piston one. dRequiredIn3 holds the deficit.
SGasSizing SizeSupplementingPumpFlowGas(double dVolumeIn3, double dTempF, double dTime, double dPumpGpm,
                                        double dDwellSec, double dMaxPsia, double dMinPsia, double dPrecharge);

// Multiple events: the peak cycle deficit (in3, already rounded up) over the time
// at which it peaks; the ratio is the sized volume (in3) over that deficit.
SGasSizing SizeMultipleEventsGas(double dDeficitIn3, double dTempF, double dTime, double dMaxPsia,
                                 double dMinPsia, double dPrecharge, EPrechargeMode eMode);

// Pump response: 0.67 of the flow (gpm) delivered over the response time, expanding
// from the allowed peak (not entered: the smaller of 1.1 P and P + 200) down to
// the system pressure; precharge not entered: 60 % of the system pressure.
SGasSizing SizePumpResponseGas(double dFlowGpm, double dTempF, double dResponseSec, double dPeakPsia,
                               double dSystemPsia, double dPrecharge);
} // namespace gas
