// The production gas model against the literal transcription: bit for bit, every form.
#include "gas/Gas.h"

#include "GasOracle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

namespace
{
bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

struct SCase
{
    double dSize, dTempF, dTime, dP1, dP2, dPre;
};

// Realistic process data: sizes from under a cubic inch to 100 gallons, -40 to
// 400 deg F, milliseconds to hours, 50 to 6000 psia, precharges below P2.
std::vector<SCase> Spread(int nCount, unsigned nSeed, double dMinSize, double dMaxSize, double dMaxTime)
{
    std::mt19937_64 gen(nSeed);
    std::uniform_real_distribution<double> u(0.0, 1.0);
    auto logUniform = [&](double lo, double hi) { return std::exp(std::log(lo) + u(gen) * std::log(hi / lo)); };
    std::vector<SCase> cases;
    for (int i = 0; i < nCount; ++i)
    {
        SCase c;
        c.dSize = logUniform(dMinSize, dMaxSize);
        c.dTempF = -40.0 + 440.0 * u(gen);
        c.dTime = logUniform(0.005, dMaxTime);
        c.dP1 = 50.0 + 5950.0 * u(gen);
        c.dP2 = c.dP1 * (0.3 + 0.69 * u(gen));
        c.dPre = c.dP2 * (0.2 + 0.79 * u(gen));
        cases.push_back(c);
    }
    return cases;
}

void ExpectSameExpansion(gas::EExpansionForm eForm, oracle::EForm eOracle, const std::vector<SCase>& cases)
{
    for (const SCase& c : cases)
    {
        const gas::SExpansion fast = gas::SimulateGasExpansion(eForm, c.dSize, c.dTempF, c.dTime, c.dP1, c.dP2, c.dPre);
        double n;
        const double d = oracle::SimulateGasExpansion(eOracle, c.dSize, c.dTempF, c.dTime, c.dP1, c.dP2, c.dPre, n);
        EXPECT_TRUE(SameBits(fast.dDelivered, d) && SameBits(fast.dExponent, n))
            << "size " << c.dSize << " T " << c.dTempF << " t " << c.dTime << " P1 " << c.dP1 << " P2 " << c.dP2
            << " pre " << c.dPre << ": " << fast.dDelivered << "/" << fast.dExponent << " vs " << d << "/" << n;
    }
}

// Returns whether the case was sized, so that a test can see it is not vacuous.
bool ExpectSameSizing(const gas::SGasSizing& fast, double dOracleSize, double dOracleExponent)
{
    if (std::isnan(dOracleSize))
    {
        EXPECT_EQ(fast.eStatus, gas::EGasSizingStatus::CannotCompute);
        return false;
    }
    EXPECT_EQ(fast.eStatus, dOracleSize < 0 ? gas::EGasSizingStatus::NotRequired : gas::EGasSizingStatus::Sized);
    EXPECT_TRUE(SameBits(fast.dSizeIn3, dOracleSize)) << fast.dSizeIn3 << " vs " << dOracleSize;
    if (dOracleSize > 0)
    {
        EXPECT_TRUE(SameBits(fast.dExponent, dOracleExponent)) << fast.dExponent << " vs " << dOracleExponent;
    }
    return dOracleSize > 0;
}
} // namespace

TEST(GasOracleAgreement, ExpansionFormsMatchBitForBit)
{
    ExpectSameExpansion(gas::EExpansionForm::Gallon, oracle::EForm::Gallon, Spread(60, 1, 0.005, 100.0, 3000.0));
    ExpectSameExpansion(gas::EExpansionForm::CubicInch, oracle::EForm::CubicInch, Spread(60, 2, 0.5, 20000.0, 3000.0));
    ExpectSameExpansion(gas::EExpansionForm::Holding, oracle::EForm::Holding, Spread(60, 3, 0.005, 100.0, 20000.0));
}

TEST(GasOracleAgreement, SizeLoopCallerFormsMatchBitForBit)
{
    using gas::EPrechargeMode;
    int nSized = 0;
    for (const SCase& c : Spread(8, 5, 20.0, 2000.0, 60.0))
    {
        const double dVolume = c.dSize; // in3
        double size, n;

        double r = oracle::SizeLoop(oracle::EForm::Gallon, dVolume / 231.0, c.dTempF, c.dTime, c.dP1, c.dP2,
                                    c.dPre, size, n);
        nSized += ExpectSameSizing(gas::SizeAuxiliaryPowerGas(dVolume, c.dTempF, c.dTime, c.dP1, c.dP2, c.dPre,
                                                    EPrechargeMode::Piston),
                         r, n);

        const double dLeak = dVolume / 20.0; // in3/min
        const double dHold = c.dTime * 40.0;
        r = oracle::SizeLoop(oracle::EForm::Holding, dLeak * dHold / 60.0 / 231.0, c.dTempF, dHold, c.dP1, c.dP2,
                             c.dPre, size, n);
        nSized += ExpectSameSizing(gas::SizeHoldingGas(dLeak, c.dTempF, dHold, c.dP1, c.dP2, c.dPre, EPrechargeMode::Piston),
                         r, n);

        const double dPump = 0.2 * dVolume / c.dTime / 3.85; // gpm covering a fifth of the demand
        r = oracle::SizeLoop(oracle::EForm::Gallon, dVolume / 231.0 - dPump * c.dTime / 60.0, c.dTempF, c.dTime,
                             c.dP1, c.dP2, c.dPre, size, n);
        nSized += ExpectSameSizing(
            gas::SizeSupplementingPumpFlowGas(dVolume, c.dTempF, c.dTime, dPump, 1.0, c.dP1, c.dP2, c.dPre), r, n);

        // Precharges left to the rules.
        const double dBladder = 0.8 * c.dP2;
        r = oracle::SizeLoop(oracle::EForm::Gallon, std::ceil(dVolume) / 231.0, c.dTempF, c.dTime, c.dP1, c.dP2,
                             dBladder, size, n);
        nSized += ExpectSameSizing(gas::SizeMultipleEventsGas(std::ceil(dVolume), c.dTempF, c.dTime, c.dP1, c.dP2, -1.0,
                                                    EPrechargeMode::BladderOrDiaphragm),
                         r, n);

        const double dFlow = dVolume / 10.0;
        const double dPeak = std::min(1.1 * c.dP2, c.dP2 + 200.0);
        r = oracle::SizeLoop(oracle::EForm::Gallon, 0.67 * dFlow * 0.05 / 60.0, c.dTempF, 0.05, dPeak, c.dP2,
                             0.6 * c.dP2, size, n);
        nSized += ExpectSameSizing(gas::SizePumpResponseGas(dFlow, c.dTempF, 0.05, -1.0, c.dP2, -1.0), r, n);
    }
    EXPECT_GE(nSized, 35); // of 40
}
