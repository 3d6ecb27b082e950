// The size loop and the required volume and precharge rule of each caller.
#include "gas/GasSizing.h"

#include "gas/GasConstants.h"

#include <cmath>

namespace gas
{
namespace
{
constexpr int kMaxSizeRounds = 100;
constexpr double kToleranceFraction = 0.01; // per cent

bool NotEntered(double d)
{
    return !(d > kNotEntered);
}
} // namespace

SGasSizing SizeAccumulatorGas(EExpansionForm eForm, double dRequiredGal, double dTempF, double dTime,
                              double dP1, double dP2, double dPrecharge)
{
    SGasSizing result;
    result.dRequiredIn3 = dRequiredGal * kCuInPerGallon;
    if (!(dRequiredGal > 0.0))
    {
        // Not above zero, or not a number: nothing to deliver.
        result.eStatus = std::isnan(dRequiredGal) ? EGasSizingStatus::CannotCompute : EGasSizingStatus::NotRequired;
        return result;
    }
    double dSize = 5.0;
    double dErr;
    double dExponent;
    int nRounds = 0;
    do
    {
        const SExpansion expansion = SimulateGasExpansion(eForm, dSize, dTempF, dTime, dP1, dP2, dPrecharge);
        dExponent = expansion.dExponent;
        dSize = dSize * dRequiredGal / expansion.dDelivered;
        dErr = std::fabs(dRequiredGal - expansion.dDelivered) * 100.0 / dRequiredGal;
        // A NaN error would end the loop as if it had converged.
        if (!std::isfinite(expansion.dDelivered) || !(expansion.dDelivered > 0.0) || !std::isfinite(dSize) ||
            !std::isfinite(dErr) || ++nRounds > kMaxSizeRounds)
            return result;
    } while (dErr > kToleranceFraction);
    // The delivery depends only on the end volume: a run whose pressures failed
    // (a zero process time, say) still "converges", but with no exponent.
    if (!std::isfinite(dExponent))
        return result;

    result.eStatus = EGasSizingStatus::Sized;
    result.dSizeIn3 = std::ceil(dSize * kCuInPerGallon);
    result.dRatio = dSize / dRequiredGal;
    result.dExponent = dExponent;
    return result;
}

SGasSizing SizeAuxiliaryPowerGas(double dVolumeIn3, double dTempF, double dTime, double dMaxPsia, double dMinPsia,
                                 double dPrecharge, EPrechargeMode eMode)
{
    if (NotEntered(dPrecharge))
        dPrecharge = OptimalPrecharge(dMinPsia, eMode);
    return SizeAccumulatorGas(EExpansionForm::Gallon, dVolumeIn3 / kCuInPerGallon, dTempF, dTime, dMaxPsia,
                              dMinPsia, dPrecharge);
}

SGasSizing SizeHoldingGas(double dLeakIn3PerMin, double dTempF, double dHoldSec, double dMaxPsia,
                          double dMinPsia, double dPrecharge, EPrechargeMode eMode)
{
    if (NotEntered(dPrecharge))
        dPrecharge = OptimalPrecharge(dMinPsia, eMode);
    const double dRequiredGal = dLeakIn3PerMin * dHoldSec / 60.0 / kCuInPerGallon;
    return SizeAccumulatorGas(EExpansionForm::Holding, dRequiredGal, dTempF, dHoldSec, dMaxPsia, dMinPsia,
                              dPrecharge);
}

SGasSizing SizeSupplementingPumpFlowGas(double dVolumeIn3, double dTempF, double dTime, double dPumpGpm,
                                        double dDwellSec, double dMaxPsia, double dMinPsia, double dPrecharge)
{
    if (NotEntered(dPumpGpm))
        dPumpGpm = MinimumPumpFlow(dVolumeIn3, dTime, dDwellSec);
    if (NotEntered(dPrecharge))
        dPrecharge = OptimalPrecharge(dMinPsia, EPrechargeMode::Piston);
    const double dRequiredGal = dVolumeIn3 / kCuInPerGallon - dPumpGpm * dTime / 60.0;
    return SizeAccumulatorGas(EExpansionForm::Gallon, dRequiredGal, dTempF, dTime, dMaxPsia, dMinPsia,
                              dPrecharge);
}

SGasSizing SizeMultipleEventsGas(double dDeficitIn3, double dTempF, double dTime, double dMaxPsia,
                                 double dMinPsia, double dPrecharge, EPrechargeMode eMode)
{
    if (NotEntered(dPrecharge))
        dPrecharge = OptimalPrechargeMultipleEvents(dMinPsia, eMode);
    SGasSizing result = SizeAccumulatorGas(EExpansionForm::Gallon, dDeficitIn3 / kCuInPerGallon, dTempF, dTime,
                                           dMaxPsia, dMinPsia, dPrecharge);
    if (result.eStatus == EGasSizingStatus::Sized)
        result.dRatio = result.dSizeIn3 / dDeficitIn3;
    return result;
}

SGasSizing SizePumpResponseGas(double dFlowGpm, double dTempF, double dResponseSec, double dPeakPsia,
                               double dSystemPsia, double dPrecharge)
{
    if (NotEntered(dPrecharge))
        dPrecharge = ShockPrecharge(dSystemPsia);
    if (NotEntered(dPeakPsia))
        dPeakPsia = AllowedPumpResponsePressure(dSystemPsia);
    const double dRequiredGal = 0.67 * dFlowGpm * dResponseSec / 60.0;
    return SizeAccumulatorGas(EExpansionForm::Gallon, dRequiredGal, dTempF, dResponseSec, dPeakPsia, dSystemPsia,
                              dPrecharge);
}
} // namespace gas
