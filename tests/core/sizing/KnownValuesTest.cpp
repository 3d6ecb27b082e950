// Each application chain sized from entries in mixed units, against results computed apart from
// the program (SizingReference.h: the unit definitions written out, the formulas transcribed, the
// literal gas model). Stored values must agree to 1e-6 relative: the reference repeats the exact
// arithmetic of the definitions, so only a different formula or unit moves them further. The cases
// are those of the command line's known-value test (SizingCases.h).
#include "ApplicationFixture.h"
#include "SizingCases.h"

using namespace sizing;
using namespace ref;

namespace
{
constexpr double kRel = 1e-6;
} // namespace

TEST_F(CApplicationTest, EachCaseOfTheTableSizesAsTheReference)
{
    const CAccumulatorData base = s;
    for (const SSizingCase& c : SizingCases())
    {
        if (!c.enter)
            continue;
        SCOPED_TRACE(c.strArgs);
        s = base;
        c.enter(s);
        Sized(c.nApp);
        const SExpected& e = c.expected;
        EXPECT_REL(s.sdRequiredAccumulatorVol.Value(), e.dRequiredIn3, kRel);
        EXPECT_REL(s.sdPolyTropicExponent.Value(), e.dExponent, kRel);
        // Only the chains with a charging run, a volume ratio or a deficit compute them.
        EXPECT_REL(s.sdPolyTropicExponentCharging.Value(), e.dCharging, kRel);
        if (e.dRatio != 0.0)
        {
            EXPECT_REL(s.sdVolRatio.Value(), e.dRatio, kRel);
        }
        if (e.dDeficitIn3 != 0.0)
        {
            EXPECT_REL(s.sdVolDefci.GetValue("CU_IN"), e.dDeficitIn3, kRel);
        }
        if (c.more)
            c.more(s);
    }
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
