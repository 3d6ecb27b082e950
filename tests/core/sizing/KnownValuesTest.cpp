// Each application chain sized from entries in mixed units, against results computed apart from
// the program (SizingReference.h: the unit definitions written out, the formulas transcribed, the
// literal gas model). Stored values must agree to 1e-6 relative: the reference repeats the exact
// arithmetic of the definitions, so only a different formula or unit moves them further.
#include "ApplicationFixture.h"
#include "SizingReference.h"

using namespace sizing;
using namespace ref;

namespace
{
constexpr double kRel = 1e-6;
} // namespace

TEST_F(CApplicationTest, SupplementingPumpFlowFromDisplacementInLitresBarAndCelsius)
{
    s.deSelectCalcMethod = 0;
    s.sdActVolDisplacement.Set(5.0, "L");
    s.sdActuationTime.Set(2.0, "SEC");
    s.sdDwellTime.Set(8.0, "SEC");
    s.sdEnterPumpSize.Set(32.0, "LPM");
    s.sdMaxSysPress.Set(210.0, "BAR");
    s.sdMinSysPress.Set(140.0, "BAR");
    s.sdSysTemperature.Set(50.0, "DEG_C");
    Sized(app::SupplementingPumpFlow);

    const double V = In3FromLitre(5.0);
    EXPECT_EQ(s.sdMinPumpFlow.GetUnit(), "GPM");
    EXPECT_REL(s.sdMinPumpFlow.Value(), V / 10.0 / 3.85, kRel);
    // The piston optimum of the gauge minimum (above 1000 psi: 100 psi below), kept in bar.
    EXPECT_EQ(s.sdPrechargePress.GetUnit(), "BAR");
    const double dPrechargeBar = BarFromPsig(PsigFromBar(140.0) - 100.0);
    EXPECT_REL(s.sdPrechargePress.Value(), dPrechargeBar, 1e-9);

    const SExpected e = SupplementingPumpFlow(V, 2.0, 8.0, GpmFromLpm(32.0), PsiaFromBar(210.0),
                                              PsiaFromBar(140.0), PsiaFromBar(dPrechargeBar), FFromC(50.0));
    EXPECT_REL(s.sdRequiredAccumulatorVol.Value(), e.dRequiredIn3, kRel);
    EXPECT_REL(s.sdPolyTropicExponent.Value(), e.dExponent, kRel);
    EXPECT_REL(s.sdPolyTropicExponentCharging.Value(), e.dCharging, kRel);
    EXPECT_REL(s.sdVolRatio.Value(), e.dRatio, kRel);
    EXPECT_EQ(s.sdVolDefci.GetUnit(), "CU_IN");
    EXPECT_REL(s.sdVolDefci.Value(), e.dDeficitIn3, kRel);

    // With the pump stopped during the actuation the whole volume is the deficit.
    s.bIsPumpRunning = 0;
    Sized(app::SupplementingPumpFlow);
    const SExpected stopped = SupplementingPumpFlow(V, 2.0, 8.0, 0.0, PsiaFromBar(210.0), PsiaFromBar(140.0),
                                                    PsiaFromBar(dPrechargeBar), FFromC(50.0));
    EXPECT_REL(s.sdVolDefci.Value(), V, kRel);
    EXPECT_REL(s.sdRequiredAccumulatorVol.Value(), stopped.dRequiredIn3, kRel);
}

TEST_F(CApplicationTest, SupplementingPumpFlowFromCylindersInMillimetresAndCentimetres)
{
    s.deSelectCalcMethod = 1;
    s.sdCylDim_BoreDia.Set(80.0, "MM");
    s.sdCylDim_RodDia.Set(45.0, "MM");
    s.sdCylDim_StrokeLen.Set(30.0, "CM");
    s.siCylDim_NoCylParallel.SetValue(2);
    s.enumCylAffects = 1;                // retract
    s.sdActuationTime.Set(0.025, "MIN"); // 1.4997 s in the table's minutes
    s.sdDwellTime.Set(6.0, "SEC");
    s.sdEnterPumpSize.Set(5.0, "GPM");
    s.sdMaxSysPress.Set(3000.0, "PSIG");
    s.sdMinSysPress.Set(2000.0, "PSIG");
    s.sdSysTemperature.Set(120.0, "DEG_F");
    s.bPrechargeIHaveUseCalc = 1;
    s.sdPrechargePress.Set(1500.0, "PSIG");
    Sized(app::SupplementingPumpFlow);

    const double V = CylinderIn3(InFromMm(80.0), InFromMm(45.0), InFromCm(30.0), 2, 1);
    EXPECT_EQ(s.sdActVolDisplacement.GetUnit(), "CU_IN");
    EXPECT_REL(s.sdActVolDisplacement.Value(), V, 1e-12);
    EXPECT_REL(s.sdMinPumpFlow.Value(), V / (SecFromMin(0.025) + 6.0) / 3.85, kRel);
    EXPECT_EQ(s.sdPrechargePress.Value(), 1500.0); // entered: kept as it is
    const SExpected e = SupplementingPumpFlow(V, SecFromMin(0.025), 6.0, 5.0, PsiaFromPsig(3000.0),
                                              PsiaFromPsig(2000.0), PsiaFromPsig(1500.0), 120.0);
    EXPECT_REL(s.sdRequiredAccumulatorVol.Value(), e.dRequiredIn3, kRel);
    EXPECT_REL(s.sdPolyTropicExponentCharging.Value(), e.dCharging, kRel);
}

TEST_F(CApplicationTest, AuxiliaryPowerInGallonsMegapascalsAndKelvin)
{
    s.sdActVolDisplacement.Set(1.5, "GAL");
    s.sdActuationTime.Set(3.0, "SEC");
    s.sdDwellTime.Set(0.5, "MIN");
    s.sdMaxSysPress.Set(20.0, "MPA");
    s.sdMinSysPress.Set(13.0, "MPA");
    s.sdSysTemperature.Set(300.0, "DEG_K");
    s.bPrechargePistonOrBladder = 0; // the bladder optimum: 0.9 of the absolute minimum, in MPa
    s.sdVolDefci.Set(7.0, "GAL");
    Sized(app::AuxiliaryPower);

    EXPECT_EQ(s.sdPrechargePress.GetUnit(), "MPA");
    EXPECT_REL(s.sdPrechargePress.Value(), 0.9 * 13.0, 1e-9);
    const SExpected e = AuxiliaryPower(In3FromGal(1.5), 3.0, SecFromMin(0.5), PsiaFromMpa(20.0),
                                       PsiaFromMpa(13.0), 0.9 * PsiaFromMpa(13.0), FFromK(300.0));
    EXPECT_REL(s.sdRequiredAccumulatorVol.Value(), e.dRequiredIn3, kRel);
    EXPECT_REL(s.sdPolyTropicExponent.Value(), e.dExponent, kRel);
    EXPECT_REL(s.sdPolyTropicExponentCharging.Value(), e.dCharging, kRel);
    EXPECT_REL(s.sdVolRatio.Value(), e.dRatio, kRel);
    EXPECT_TRUE(s.sdVolDefci.IsIdentical(CUnitDouble(7.0, "CU_IN"))); // the unit given, the value kept
    EXPECT_EQ(s.sdMinPumpFlow.Value(), 0.0);                          // this chain computes no pump flow
}

TEST_F(CApplicationTest, AuxiliaryPowerFromOneCylinderWithTheRodInInches)
{
    s.deSelectCalcMethod = 1;
    s.sdCylDim_BoreDia.Set(100.0, "MM");
    s.sdCylDim_RodDia.Set(2.0, "IN");
    s.sdCylDim_StrokeLen.Set(1.0, "FT");
    s.siCylDim_NoCylParallel.SetValue(1);
    s.enumCylAffects = 2; // both
    s.sdActuationTime.Set(4.0, "SEC");
    s.sdDwellTime.Set(30.0, "SEC");
    s.sdMaxSysPress.Set(2500.0, "PSIG");
    s.sdMinSysPress.Set(800.0, "PSIG"); // below 1000 psi the piston optimum is 0.9 P
    s.sdSysTemperature.Set(80.0, "DEG_F");
    Sized(app::AuxiliaryPower);

    const double V = CylinderIn3(InFromMm(100.0), 2.0, InFromFt(1.0), 1, 2);
    EXPECT_REL(s.sdActVolDisplacement.Value(), V, 1e-12);
    EXPECT_REL(s.sdPrechargePress.Value(), 720.0, 1e-12);
    const SExpected e =
        AuxiliaryPower(V, 4.0, 30.0, PsiaFromPsig(2500.0), PsiaFromPsig(800.0), PsiaFromPsig(720.0), 80.0);
    EXPECT_REL(s.sdRequiredAccumulatorVol.Value(), e.dRequiredIn3, kRel);
}

TEST_F(CApplicationTest, HoldingWithAnEnteredRateInLitresPerMinuteOverHalfAnHour)
{
    s.bHoldLeakageRateChoice = 1;
    s.sdHoldLeakageRate.Set(0.05, "LPM");
    s.sdHoldTimeHold.Set(30.0, "MIN"); // 1799.6 s: steps of 10 s in the gas model
    s.sdMaxSysPress.Set(200.0, "BAR");
    s.sdMinSysPress.Set(180.0, "BAR");
    s.sdSysTemperature.Set(40.0, "DEG_C");
    s.bPrechargeIHaveUseCalc = 1;
    s.sdPrechargePress.Set(150.0, "BAR");
    Sized(app::Holding);

    const double L = 0.05 * kM3PerLitre / kM3PerIn3; // in3/min
    const SExpected e = Holding(L, SecFromMin(30.0), PsiaFromBar(200.0), PsiaFromBar(180.0),
                                PsiaFromBar(150.0), FFromC(40.0));
    EXPECT_REL(s.sdRequiredAccumulatorVol.Value(), e.dRequiredIn3, kRel);
    EXPECT_REL(s.sdPolyTropicExponent.Value(), e.dExponent, kRel);
    EXPECT_EQ(s.sdPolyTropicExponentCharging.Value(), 0.0);
}

TEST_F(CApplicationTest, HoldingWithTheLeakageEstimatedFromTwoSmallValves)
{
    s.bHoldLeakageRateChoice = 0;
    s.siHoldNoOfValves.SetValue(2);
    s.sdHoldValveSize.Set(0.375, "IN");
    s.sdHoldTimeHold.Set(600.0, "SEC");
    s.sdMaxSysPress.Set(3000.0, "PSIG");
    s.sdMinSysPress.Set(2500.0, "PSIG");
    s.sdSysTemperature.Set(70.0, "DEG_F");
    Sized(app::Holding);

    const double P = PsiaFromPsig(3000.0);
    const double L = 2.0 * (0.00198 * P + 0.03 + 4e-07 * P * P);
    EXPECT_EQ(s.sdHoldLeakageRate.GetUnit(), "CU_IN_MIN");
    EXPECT_REL(s.sdHoldLeakageRate.Value(), L, 1e-12);
    EXPECT_REL(s.sdPrechargePress.Value(), 2400.0, 1e-12); // the gauge piston rule for a psi entry
    const SExpected e = Holding(L, 600.0, P, PsiaFromPsig(2500.0), PsiaFromPsig(2400.0), 70.0);
    EXPECT_REL(s.sdRequiredAccumulatorVol.Value(), e.dRequiredIn3, kRel);
}

TEST_F(CApplicationTest, MultipleEventsOfFlowVolumeAndCylinderEventsInMixedUnits)
{
    SEvent flow, volume, cylinder;
    flow.iActNo = 1, flow.iEventNo = 1, flow.bPumpAvail = 1, flow.enumActVolForEvent = 0;
    flow.sdFlowrate.Set(30.0, "LPM");
    flow.sdVolume.Set(99.0, "GAL"); // not this event's choice: must not count
    flow.sdEvStartTime.Set(0.0, "SEC"), flow.sdEvDuration.Set(2.0, "SEC");
    volume.iActNo = 1, volume.iEventNo = 2, volume.bPumpAvail = 0, volume.enumActVolForEvent = 1;
    volume.sdVolume.Set(0.5, "GAL");
    volume.sdEvStartTime.Set(3.0, "SEC"), volume.sdEvDuration.Set(0.025, "MIN");
    cylinder.iActNo = 2, cylinder.iEventNo = 1, cylinder.bPumpAvail = 1, cylinder.enumActVolForEvent = 2;
    cylinder.eExtendRetract = 2;
    cylinder.sdBoreDia.Set(50.0, "MM"), cylinder.sdRodDia.Set(25.0, "MM"),
        cylinder.sdStrokeLength.Set(20.0, "CM");
    cylinder.sdEvStartTime.Set(1.0, "SEC"), cylinder.sdEvDuration.Set(2.0, "SEC");
    s.m_lstEvents = {cylinder, volume, flow}; // placed by actuator and event number
    s.sdMultiEventTotalDuration.Set(0.2, "MIN");
    s.sdEnterPumpSize.Set(15.0, "GPM");
    s.sdMaxSysPress.Set(207.0, "BAR");
    s.sdMinSysPress.Set(150.0, "BAR");
    s.sdSysTemperature.Set(60.0, "DEG_C");
    Sized(app::MultipleEvents);

    ASSERT_EQ(s.m_lstEvents.size(), 3u);
    EXPECT_EQ(s.m_lstEvents[0].iEventNo, 1);
    EXPECT_EQ(s.m_lstEvents[1].iEventNo, 2);
    EXPECT_EQ(s.m_lstEvents[2].iActNo, 2);
    EXPECT_EQ(s.iNumOfActuators, 2);
    const double dCylinder = CylinderIn3(InFromMm(50.0), InFromMm(25.0), InFromCm(20.0), 1, 2);
    EXPECT_REL(s.m_lstEvents[2].sdVolume.GetValue("CU_IN"), dCylinder, 1e-12);
    const double F = In3SecFromLpm(30.0), dTotal = SecFromMin(0.2);
    const std::vector<SEventIn> events = {{1, 1, true, F, 0.0, 0.0, 2.0},
                                          {1, 2, false, 0.0, In3FromGal(0.5), 3.0, SecFromMin(0.025)},
                                          {2, 1, true, 0.0, dCylinder, 1.0, 2.0}};
    EXPECT_REL(s.sdMinPumpFlow.Value(), 3.0 * (F * 2.0 + In3FromGal(0.5) + dCylinder) / dTotal / 3.85, kRel);

    const SCycleOut cycle = Cycle(events, dTotal, 15.0);
    const double dPrechargeBar = BarFromPsig(PsigFromBar(150.0) - 100.0);
    EXPECT_REL(s.sdPrechargePress.Value(), dPrechargeBar, 1e-9);
    const SExpected e = MultipleEvents(cycle, PsiaFromBar(207.0), PsiaFromBar(150.0),
                                       PsiaFromBar(dPrechargeBar), FFromC(60.0));
    EXPECT_REL(s.sdRequiredAccumulatorVol.Value(), e.dRequiredIn3, kRel);
    EXPECT_REL(s.sdPolyTropicExponent.Value(), e.dExponent, kRel);
    EXPECT_REL(s.sdVolRatio.Value(), e.dRatio, kRel);
    EXPECT_EQ(s.iCriticalActuator, cycle.nActuator);
    EXPECT_EQ(s.iCriticalEvent, cycle.nEvent);
    // The largest net demand: the volume event, which runs without the pump.
    EXPECT_EQ(s.cudFlow.GetUnit(), "GPM");
    EXPECT_REL(s.cudFlow.Value(), In3FromGal(0.5) / SecFromMin(0.025) / 3.85, kRel);
}

TEST_F(CApplicationTest, ShockSuppressionInBarLitresPerMinuteAndMetres)
{
    s.sdMaxSysPress.Set(140.0, "BAR");
    s.sdShockMaxShockPress.Set(145.0, "BAR");
    s.sdEnterPumpSize.Set(120.0, "LPM");
    s.sdShockTubeLength.Set(15.0, "M");
    s.dShockSchedule = 1.049;
    s.dShockFluidDensity = 0.0314;
    // Left over from another application (the dialog has no temperature entry): not used.
    s.sdSysTemperature.Set(45.0, "DEG_C");
    Sized(app::ShockSuppression);

    // Not entered in psi: 60 % of the absolute pressure, in psia.
    EXPECT_EQ(s.sdPrechargePress.GetUnit(), "PSIA");
    EXPECT_REL(s.sdPrechargePress.Value(), 0.6 * PsiaFromBar(140.0), 1e-12);
    // Sized at the assumed 70 deg F, which the selection keeps in its own unit: 21.1 deg C.
    EXPECT_EQ(s.sdSysTemperature.GetUnit(), "DEG_C");
    EXPECT_NEAR(s.sdSysTemperature.Value(), (70.0 - 32.0) / 1.8, 1e-9);
    const SExpected e = ShockSuppression(PsiaFromBar(140.0), PsiaFromBar(145.0), GpmFromLpm(120.0),
                                         70.0, 15.0 / 0.0254, 1.049, 0.0314);
    EXPECT_EQ(s.sdRequiredAccumulatorVol.Value(), e.dRequiredIn3);
    EXPECT_REL(s.sdPolyTropicExponent.Value(), e.dExponent, kRel);

    // In psi: 60 % of the gauge value, in psi.
    s.sdMaxSysPress.Set(2000.0, "PSIG");
    s.sdShockMaxShockPress.Set(2100.0, "PSIG");
    Sized(app::ShockSuppression);
    EXPECT_TRUE(s.sdPrechargePress.IsIdentical(CUnitDouble(1200.0, "PSIG")));
}

TEST_F(CApplicationTest, PulsationWithAnEnteredDisplacementInCubicCentimetres)
{
    s.iPulsationNoOfPistInPump = 5;
    s.bPulsationSingleOrDoublePump = 0; // double acting
    s.bPulsationEnterPumpDispOrCalc = 1;
    s.sdPulsationPumpDisp.Set(40.0, "CC_REV");
    s.sdMaxSysPress.Set(3000.0, "PSIG");
    s.sdShockMaxShockPress.Set(3100.0, "PSIG"); // the computed maximum: equal passes
    s.sdSysTemperature.Set(150.0, "DEG_F");
    Sized(app::Pulsation);

    EXPECT_TRUE(s.sdPrechargePress.IsIdentical(CUnitDouble(1800.0, "PSIG")));
    const SExpected e =
        Pulsation(PsiaFromPsig(3000.0), PsiaFromPsig(3100.0), 150.0, GalPerRevFromCcRev(40.0), 5, false);
    EXPECT_EQ(s.sdRequiredAccumulatorVol.Value(), e.dRequiredIn3);
    EXPECT_REL(s.sdPolyTropicExponent.Value(), e.dExponent, kRel);
}

TEST_F(CApplicationTest, PulsationWithTheDisplacementFromFlowAndSpeed)
{
    s.iPulsationNoOfPistInPump = 3;
    s.bPulsationSingleOrDoublePump = 1;
    s.bPulsationEnterPumpDispOrCalc = 0;
    s.sdFlowRate.Set(50.0, "LPM");
    s.iPulsationPumpSpeed = 1450;
    s.sdMaxSysPress.Set(250.0, "BAR");
    s.sdShockMaxShockPress.Set(255.0, "BAR");
    s.sdSysTemperature.Set(50.0, "DEG_C");
    Sized(app::Pulsation);

    const double D = GpmFromLpm(50.0) / 1450.0;
    EXPECT_EQ(s.sdPulsationCalcDisplacement.GetUnit(), "CU_IN_REV");
    EXPECT_REL(s.sdPulsationCalcDisplacement.Value(), D * kM3PerGal / kM3PerIn3, 1e-12);
    // 60 % of the absolute pressure, given back in bar.
    EXPECT_REL(s.sdPrechargePress.GetValue("PSIA"), 0.6 * PsiaFromBar(250.0), 1e-12);
    EXPECT_EQ(s.sdPrechargePress.GetUnit(), "BAR");
    const SExpected e = Pulsation(PsiaFromBar(250.0), PsiaFromBar(255.0), FFromC(50.0), D, 3, true);
    EXPECT_EQ(s.sdRequiredAccumulatorVol.Value(), e.dRequiredIn3);
}

TEST_F(CApplicationTest, PumpResponseOfBothPumpTypesInBarAndLitresPerMinute)
{
    s.sdMaxSysPress.Set(170.0, "BAR");
    s.sdShockMaxShockPress.Set(180.0, "BAR");
    s.sdFlowRate.Set(90.0, "LPM");
    s.sdShockResponseTime.Set(0.0015, "MIN");
    s.sdSysTemperature.Set(50.0, "DEG_C");
    for (int nVariable : {1, 0})
    {
        s.bShockVarOrFixed = nVariable;
        s.sdShockReliefValve.SetValue(0.05); // the chosen valve; the entered time counts
        Sized(app::PumpResponse);
        EXPECT_TRUE(s.sdPrechargePress.IsIdentical(CUnitDouble(0.85 * 170.0, "BAR")));
        const SExpected e = PumpResponse(PsiaFromBar(170.0), PsiaFromBar(180.0), GpmFromLpm(90.0),
                                         FFromC(50.0), SecFromMin(0.0015), PsiaFromBar(0.85 * 170.0));
        EXPECT_REL(s.sdRequiredAccumulatorVol.Value(), e.dRequiredIn3, kRel);
        EXPECT_REL(s.sdPolyTropicExponent.Value(), e.dExponent, kRel);
    }
}

TEST_F(CApplicationTest, OutputOfAnExistingTenLitreAccumulatorInBar)
{
    const SOutputExistingEntries entries{.maximum = {200.0, "BAR"},
                                         .minimum = {120.0, "BAR"},
                                         .dischargeTime = {4.0, "SEC"},
                                         .volume = {10.0, "L"},
                                         .temperature = {30.0, "DEG_C"},
                                         .enteredPrecharge = {},
                                         .ePrecharge = EToolPrecharge::Bladder};
    const SOutputExistingOutcome o = OutputOfExistingTool(entries, M());
    ASSERT_EQ(o.eStatus, ESizingStatus::Sized) << o.strReason;
    EXPECT_TRUE(o.precharge.IsIdentical(CUnitDouble(0.9 * 120.0, "BAR")));
    const double V0 = In3FromLitre(10.0), P1 = PsiaFromBar(200.0), P2 = PsiaFromBar(120.0),
                 P0 = PsiaFromBar(0.9 * 120.0);
    double n = 0.0;
    oracle::SimulateGasExpansion(oracle::EForm::CubicInch, V0, FFromC(30.0), 4.0, P1, P2, P0, n);
    EXPECT_REL(o.dExponent, n, kRel);
    EXPECT_EQ(o.output.GetUnit(), "CU_IN");
    EXPECT_REL(o.output.Value(), 0.95 * V0 * (P0 / P2) * (std::pow(P1 / P2, 1.0 / n) - 1.0) / (P1 / P2),
               kRel);
}

TEST_F(CApplicationTest, TemperatureEffectOnAPrechargeInCelsiusAndBar)
{
    STemperatureToolEntries entries{.beginTemperature = {20.0, "DEG_C"},
                                    .finalTemperature = {80.0, "DEG_C"},
                                    .beginPressure = {100.0, "BAR"},
                                    .finalPressure = {0.0, "BAR"},
                                    .eKnown = EKnownPressure::Beginning};
    const STemperatureToolOutcome warm = TemperaturePrechargeTool(entries, M());
    ASSERT_EQ(warm.eStatus, ESizingStatus::Sized) << warm.strReason;
    const double dPsia = oracle::PrechargeAtTemperature(FFromC(20.0), FFromC(80.0), PsiaFromBar(100.0), -1.0);
    EXPECT_EQ(warm.finalPressure.GetUnit(), "BAR");
    EXPECT_REL(warm.finalPressure.Value(), dPsia * kPaPerPsi / 100000.0, 1e-9);
    EXPECT_GT(warm.finalPressure.Value(),
              100.0 * (80.0 + 273.15) / (20.0 + 273.15) * 0.98); // near the ideal gas

    // The final pressure known: the beginning one is computed, in its own unit.
    entries.eKnown = EKnownPressure::Final;
    entries.finalPressure.Set(1500.0, "PSIG");
    entries.beginPressure.Set(0.0, "MPA");
    const STemperatureToolOutcome back = TemperaturePrechargeTool(entries, M());
    ASSERT_EQ(back.eStatus, ESizingStatus::Sized) << back.strReason;
    EXPECT_EQ(back.beginPressure.GetUnit(), "MPA");
    EXPECT_REL(back.beginPressure.Value(),
               oracle::PrechargeAtTemperature(FFromC(20.0), FFromC(80.0), -1.0, PsiaFromPsig(1500.0)) *
                   kPaPerPsi / 1e6,
               1e-9);
}
