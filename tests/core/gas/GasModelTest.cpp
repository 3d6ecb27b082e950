// What only the gas model's own functions show: the heat capacity, and the size loop's refusals of input
// no calculation above it passes on. Its results are compared with the literal model (GasOracleAgreement)
// and the reference states (GasModelAccuracy).
#include "gas/Gas.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace gas;

namespace
{
constexpr double kP1 = 3014.7, kP2 = 2014.7, kPre = 1814.7; // 3000 / 2000 / 1800 psig
} // namespace

TEST(NitrogenState, HeatCapacityNearAtmosphericPressureIsAlmostThatOfAnIdealGas)
{
    // Near atmospheric pressure nitrogen is almost ideal: cv close to 2.5 R.
    EXPECT_NEAR(GasHeatCapacity(530.0, GasSpecificVolume(530.0, 14.7)), 0.2052, 0.0005);
}

TEST(GasSizing, UnusableInputEndsTheLoopInsteadOfReturningNaN)
{
    // Equal pressures deliver nothing; a zero time divides by zero; NaN input.
    EXPECT_EQ(SizeAuxiliaryPowerGas(150.0, 70.0, 5.0, kP2, kP2, kPre, EPrechargeMode::Piston).eStatus,
              EGasSizingStatus::CannotCompute);
    EXPECT_EQ(SizeAuxiliaryPowerGas(150.0, 70.0, 0.0, kP1, kP2, kPre, EPrechargeMode::Piston).eStatus,
              EGasSizingStatus::CannotCompute);
    EXPECT_EQ(SizeAuxiliaryPowerGas(NAN, 70.0, 5.0, kP1, kP2, kPre, EPrechargeMode::Piston).eStatus,
              EGasSizingStatus::CannotCompute);
    const SGasSizing failed = SizeHoldingGas(1.0, 70.0, 1000.0, kP1, kP1, kPre, EPrechargeMode::Piston);
    EXPECT_EQ(failed.eStatus, EGasSizingStatus::CannotCompute);
    EXPECT_EQ(failed.dSizeIn3, -1.0);
}
