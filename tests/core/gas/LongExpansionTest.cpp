// Expansions far longer than the gas's thermal time constant: bounded work, the literal model's answer.
#include "GasOracle.h"
#include "gas/Gas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
constexpr double kP1 = 3014.7, kP2 = 2014.7, kPre = 1814.7; // 3000 / 2000 / 1800 psig
} // namespace

TEST(LongExpansion, AgreesWithEveryLiteralSubStepWhereItTakesFewer)
{
    // A gallon over hours: the literal model needs hundreds of sub-steps a step; the
    // integration takes at most 64 and relaxes the temperature over each.
    for (double dTime : {2.0e4, 1.0e5})
    {
        double nOracle = 0.0;
        const double dOracle =
            oracle::SimulateGasExpansion(oracle::EForm::Gallon, 1.0, 70.0, dTime, kP1, kP2, kPre, nOracle);
        const gas::SExpansion e = gas::SimulateGasExpansion(gas::EExpansionForm::Gallon, 1.0, 70.0, dTime, kP1, kP2, kPre);
        EXPECT_NEAR(e.dExponent, nOracle, 1e-5) << dTime;
        EXPECT_NEAR(e.dDelivered, dOracle, 1e-6) << dTime;
    }
}

TEST(LongExpansion, AnEndlessExpansionIsIsothermal)
{
    // 1e12 s used to run for ever. So slow an expansion follows the isotherm of the start
    // temperature: its exponent is ln(P1/P2) over the log of the real gas's volume ratio there.
    const double dT0 = 70.0 + 459.67;
    const double nIsothermal =
        std::log(kP1 / kP2) / std::log(gas::GasSpecificVolume(dT0, kP2) / gas::GasSpecificVolume(dT0, kP1));
    for (const auto eForm : {gas::EExpansionForm::Gallon, gas::EExpansionForm::CubicInch})
    {
        const gas::SExpansion e = gas::SimulateGasExpansion(eForm, 1.0, 70.0, 1.0e12, kP1, kP2, kPre);
        EXPECT_NEAR(e.dExponent, nIsothermal, 2e-4);
    }
    // The longest hold the checks accept, on a small charge whose time constant is short.
    const gas::SExpansion hold =
        gas::SimulateGasExpansion(gas::EExpansionForm::Holding, 10.0 / 231.0, 70.0, 259200.0, kP1, kP2, kPre);
    EXPECT_NEAR(hold.dExponent, nIsothermal, 2e-4);
}
