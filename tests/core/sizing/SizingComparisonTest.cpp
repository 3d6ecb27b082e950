// The ideal-gas sizes beside a result, the sized accumulator over an operating range, and that range's
// checks.
#include "ApplicationFixture.h"
#include "GasOracle.h"

#include "selection/SelectionFile.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace sizing;

// Expected sizes worked by hand from Boyle's (p V = const) and Poisson's (p V^1.4 = const) laws.
TEST(IdealGasBounds, EachFormulaWithAnIsothermalAndAnAdiabaticGas)
{
    SVolumeRelation cycle{.dP1 = 3000.0, .dP2 = 2000.0, .dVolumeIn3 = 100.0};
    SVolumeRelation holding = cycle;
    holding.bIsothermalCharge = true;
    const SVolumeRelation pump{
        .eKind = ERelation::PumpResponse, .dP1 = 2000.0, .dP2 = 2200.0, .dVolumeIn3 = 10.0};
    const SVolumeRelation pulsation{.eKind = ERelation::Pulsation,
                                    .dP1 = 2000.0,
                                    .dP2 = 2100.0,
                                    .dDisplacementGal = 0.01,
                                    .dPulsationFactor = 0.6};
    const SVolumeRelation shock{.eKind = ERelation::Shock,
                                .dP1 = 2000.0,
                                .dP2 = 2100.0,
                                .dMass = 1000.0,
                                .dVelocity = 5.0,
                                .dFlowGpm = 20.0};
    const struct
    {
        const char* pszName;
        SVolumeRelation rel;
        double dPrecharge, dIsothermal, dAdiabatic;
    } rows[] = {
        // 100 / (0.95 (0.9 - 0.6)); 100 (2000/1800) / (0.95 (1 - (2/3)^(1/1.4))), the gas back at P2 cold.
        {"cycle", cycle, 1800.0, 350.877192982, 465.137544155},
        // The holding charge stays isothermal: 100 (3000/1800) / (0.95 ((3/2)^(1/1.4) - 1)).
        {"holding", holding, 1800.0, 350.877192982, 522.267719742},
        // 10 a / ((1700/2000) (a - 1)), a = 1.1 and 1.1^(1/1.4).
        {"pump response", pump, 1700.0, 129.411764706, 178.759469988},
        // 231 x 0.01 x 0.6 (2000/1200)^(1/n) / (1 - (2000/2100)^(1/n)).
        {"pulsation", pulsation, 1200.0, 48.51, 58.286504157},
        // The isothermal limit 231 (P1/P0) 12 m v^2 / (14876.4 P1 ln(P2/P1)) + 1.155 Q.
        {"shock", shock, 1200.0, 102.664962400, 118.694736708},
    };
    for (const auto& row : rows)
    {
        const std::optional<SIdealGasBounds> bounds = IdealGasBounds(row.rel, row.dPrecharge);
        ASSERT_TRUE(bounds) << row.pszName;
        EXPECT_NEAR(bounds->dIsothermalIn3, row.dIsothermal, 1e-6) << row.pszName;
        EXPECT_NEAR(bounds->dAdiabaticIn3, row.dAdiabatic, 1e-6) << row.pszName;
    }
    // Equal pressures give no finite size: no comparison rather than an infinite one.
    cycle.dP2 = cycle.dP1;
    EXPECT_FALSE(IdealGasBounds(cycle, 1800.0));
}

class SizingComparisonTest : public CApplicationTest
{
protected:
    // Auxiliary power, 100 in3 between 3000 and 2000 psia with an entered 1800 psia precharge.
    void AuxiliaryPower()
    {
        s.deSelectCalcMethod = 0;
        s.sdActVolDisplacement.Set(100.0, "CU_IN");
        s.sdActuationTime.Set(2.0, "SEC");
        s.sdDwellTime.Set(20.0, "SEC");
        s.sdMaxSysPress.Set(3000.0, "PSIA");
        s.sdMinSysPress.Set(2000.0, "PSIA");
        s.sdSysTemperature.Set(70.0, "DEG_F");
        s.bPrechargeIHaveUseCalc = 1;
        s.sdPrechargePress.Set(1800.0, "PSIA");
    }
    void Range(double dMin, double dMax, const char* pszUnit = "DEG_F")
    {
        s.m_operatingTemperatures = {true, true, CUnitDouble(dMin, pszUnit), CUnitDouble(dMax, pszUnit)};
    }
};

// The selection's entries reach the formula as the calculation read them.
TEST_F(SizingComparisonTest, BoundsOfASizedSelectionUseItsOwnEntries)
{
    AuxiliaryPower();
    Sized(app::AuxiliaryPower, true);
    std::optional<SIdealGasBounds> bounds = CompareSizing(s).bounds;
    ASSERT_TRUE(bounds);
    EXPECT_NEAR(bounds->dIsothermalIn3, 350.877192982, 1e-6);
    EXPECT_NEAR(bounds->dAdiabaticIn3, 465.137544155, 1e-6);
    // 10 in3/min held for 600 s, 10.002 min by the unit table's minute: 100.02 in3, the charge isothermal.
    s.bHoldLeakageRateChoice = 1;
    s.sdHoldLeakageRate.Set(10.0, "CU_IN_MIN");
    s.sdHoldTimeHold.Set(600.0, "SEC");
    Sized(app::Holding, true);
    bounds = CompareSizing(s).bounds;
    ASSERT_TRUE(bounds);
    EXPECT_NEAR(bounds->dAdiabaticIn3, 522.267719742 * 1.0002, 1e-6);
    EXPECT_FALSE(CompareSizing(s).range);
}

// Precharge, exponent and delivery at each extreme, from the literal gas model (GasOracle) and the
// closed formula written out: 100 in3 from 3000 to 2000 psig over 2 s, precharged to 1800 psig at 70 deg F.
TEST(OperatingRange, PrechargeDeliveryAndShortfallAtBothExtremes)
{
    const double P1 = 3014.7, P2 = 2014.7, P0 = 1814.7, t = 2.0, nC = 1.2, nD = 1.87;
    const auto needed = [&](double dPrecharge, double n)
    {
        return 100.0 * std::pow(P1 / P2, 1.0 / nC) /
               (0.95 * (dPrecharge / P2) * (std::pow(P1 / P2, 1.0 / n) - 1.0));
    };
    const double V0 = needed(P0, nD);
    SOperatingRangeInput in{
        {.dP1 = P1, .dP2 = P2, .dVolumeIn3 = 100.0}, V0, nC, nD, P1, P2, t, 70.0, P0, -40.0};
    for (const double dMaxF : {250.0, 100.0})
    {
        in.dMaxTempF = dMaxF;
        const SOperatingRangeResult r = OperatingRangeEffect(in);
        ASSERT_EQ(r.eStatus, ESizingStatus::Sized) << r.strReason;
        EXPECT_EQ(r.dRequiredIn3, 100.0);
        EXPECT_NEAR(*r.system.deliveredIn3, 100.0, 1e-9);
        for (const SRangeExtreme* pExtreme : {&r.minimum, &r.maximum})
        {
            const double dPrecharge = oracle::PrechargeAtTemperature(70.0, pExtreme->dTempF, P0, -1.0);
            double n = 0.0;
            oracle::SimulateGasExpansion(oracle::EForm::CubicInch, V0, pExtreme->dTempF, t, P1, P2,
                                         dPrecharge, n);
            EXPECT_NEAR(pExtreme->dPrechargePsia, dPrecharge, 1e-9 * dPrecharge);
            ASSERT_TRUE(pExtreme->deliveredIn3);
            EXPECT_NEAR(*pExtreme->deliveredIn3, 100.0 * V0 / needed(dPrecharge, n), 1e-7);
            // Cold, less gas and a stiffer expansion: short, with the size the formula needs there.
            EXPECT_EQ(pExtreme->bShort, pExtreme == &r.minimum);
            EXPECT_EQ(pExtreme->neededIn3,
                      pExtreme->bShort ? std::optional(std::ceil(needed(dPrecharge, n))) : std::nullopt);
        }
        // 1814.7 psia at 70 deg F passes the 2014.7 psia minimum before 120 deg F (2033 psia), not by 100.
        EXPECT_EQ(r.bPrechargeBelowLow, dMaxF == 100.0) << r.maximum.dPrechargePsia;
    }
    // An extreme at the system temperature repeats the sizing without a gas run.
    in.dMinTempF = in.dMaxTempF = 70.0;
    const SOperatingRangeResult same = OperatingRangeEffect(in);
    EXPECT_NEAR(*same.minimum.deliveredIn3, 100.0, 1e-9);
    EXPECT_FALSE(same.minimum.bShort || same.maximum.bShort);
    in.dMinTempF = 90.0;
    EXPECT_EQ(OperatingRangeEffect(in).eStatus, ESizingStatus::CannotCompute);
}

TEST_F(SizingComparisonTest, RangeChecksInOrderWithTheFieldToCorrect)
{
    AuxiliaryPower();
    const auto refused = [this](SOperatingTemperatures range) -> std::pair<std::string, std::string>
    {
        s.m_operatingTemperatures = range;
        const sizing::SApplicationOutcome o = Run(app::AuxiliaryPower, true);
        return o.Refused() ? std::pair{o.failure->strMessage, o.failure->strField}
                           : std::pair{std::string(), std::string()};
    };
    const CUnitDouble cold(-20.0, "DEG_F"), hot(140.0, "DEG_F");
    EXPECT_EQ(refused({true, false, cold, {}}),
              std::pair("Please enter both the Minimum and the Maximum Operating Temperature, or leave both "
                        "empty.\r\n" + kTail,
                        std::string("sdOperatingTempMax")));
    EXPECT_EQ(refused({true, true, hot, cold}).second, "sdOperatingTempMax");
    // The catalogue's -40 and 250 deg F, in the range's unit; equal limits pass.
    EXPECT_EQ(
        refused({true, true, CUnitDouble(-41.0, "DEG_C"), hot}),
        std::pair(
            std::string("Your Minimum Operating Temperature is below the lowest temperature of the products "
                        "in Tesmara.\nPlease raise it to -40 \u00B0C or more."),
            std::string("sdOperatingTempMin")));
    EXPECT_EQ(refused({true, true, cold, CUnitDouble(251.0, "DEG_F")}).second, "sdOperatingTempMax");
    EXPECT_EQ(
        refused({true, true, CUnitDouble(80.0, "DEG_F"), hot}),
        std::pair(
            std::string("Your System Temperature lies outside the Operating Temperature Range.\nPlease widen "
                        "the range to include 70 \u00B0F."),
            std::string("sdOperatingTempMin")));
    EXPECT_EQ(refused({true, true, cold, CUnitDouble(60.0, "DEG_F")}).second, "sdOperatingTempMax"); // 70 above it
    EXPECT_EQ(refused({true, true, CUnitDouble(-40.0, "DEG_F"), CUnitDouble(250.0, "DEG_F")}).first, "");
    EXPECT_EQ(refused({}).first, "");
}

// The range changes no result, and the selection file never holds it.
TEST_F(SizingComparisonTest, WithoutARangeResultsAndFileAreAsBefore)
{
    AuxiliaryPower();
    Sized(app::AuxiliaryPower, true);
    const CAccumulatorData without = s;
    Range(-20.0, 140.0);
    Sized(app::AuxiliaryPower, true);
    EXPECT_TRUE(s.IsEqual(without));
    const SSelectionHeader header;
    EXPECT_EQ(WriteSelectionBytes(header, s), WriteSelectionBytes(header, without));
    ASSERT_TRUE(CompareSizing(s).range);
    EXPECT_EQ(CompareSizing(s).range->eStatus, ESizingStatus::Sized);
}
