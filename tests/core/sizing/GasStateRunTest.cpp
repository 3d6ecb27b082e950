// The discharge run behind each application's gas state chart.
#include "ApplicationFixture.h"

#include <cmath>

using namespace sizing;

namespace
{
double Psia(double dPsig)
{
    return CUnitDouble(dPsig, "PSIG").GetValue("PSIA");
}

CAccumulatorData Sized(int nApp)
{
    CAccumulatorData s;
    s.deSelectApp = nApp;
    s.sdRequiredAccumulatorVol.Set(10.0, "L"); // 610.24 in3, 2.642 gal
    s.sdMaxSysPress.Set(3000.0, "PSIG");
    s.sdMinSysPress.Set(2000.0, "PSIG");
    s.sdPrechargePress.Set(1800.0, "PSIG");
    s.sdSysTemperature.Set(20.0, "DEG_C");
    s.sdActuationTime.Set(2.0, "SEC");
    s.sdHoldTimeHold.Set(1800.0, "SEC");
    s.sdShockMaxShockPress.Set(3100.0, "PSIG");
    s.sdShockResponseTime.Set(0.05, "SEC");
    return s;
}
} // namespace

TEST(GasStateRun, EachApplicationRunsItsOwnDischarge)
{
    const double dGal = 10.0 / 3.785411784;
    auto run = [](int nApp) { return DischargeRun(Sized(nApp)).value(); };

    const SDischargeRun pump = run(app::SupplementingPumpFlow);
    EXPECT_NEAR(pump.dSizeGal, dGal, 1e-5);
    EXPECT_NEAR(pump.dTempF, 68.0, 1e-9);
    EXPECT_EQ(pump.dTimeSec, 2.0);
    EXPECT_NEAR(pump.dFromPsia, Psia(3000.0), 1e-9);
    EXPECT_NEAR(pump.dToPsia, Psia(2000.0), 1e-9);
    EXPECT_NEAR(pump.dPrechargePsia, Psia(1800.0), 1e-9);
    EXPECT_EQ(run(app::AuxiliaryPower).dTimeSec, 2.0);

    const SDischargeRun hold = run(app::Holding);
    EXPECT_EQ(hold.eForm, gas::EExpansionForm::Holding);
    EXPECT_NEAR(hold.dTimeSec, 1800.0, 1e-9);

    // The shock runs go from the shock pressure back to the system pressure; shock and pulsation
    // with 60 % of the absolute system pressure, pump response with the stored precharge.
    const SDischargeRun shock = run(app::ShockSuppression);
    EXPECT_EQ(shock.dTimeSec, 0.1);
    EXPECT_NEAR(shock.dFromPsia, Psia(3100.0), 1e-9);
    EXPECT_NEAR(shock.dToPsia, Psia(3000.0), 1e-9);
    EXPECT_NEAR(shock.dPrechargePsia, 0.6 * Psia(3000.0), 1e-9);
    EXPECT_EQ(run(app::Pulsation).dTimeSec, 0.01);
    const SDischargeRun response = run(app::PumpResponse);
    EXPECT_EQ(response.dTimeSec, 0.05);
    EXPECT_NEAR(response.dPrechargePsia, Psia(1800.0), 1e-9);

    // Nothing sized, or no run: no chart.
    EXPECT_FALSE(DischargeRun(Sized(app::KnownCapacity)));
    CAccumulatorData none = Sized(app::Holding);
    none.sdRequiredAccumulatorVol.Set(0.0, "CU_IN");
    EXPECT_FALSE(DischargeRun(none));
    EXPECT_TRUE(GasStates(none).states.empty());
}

TEST(GasStateRun, MultipleEventsDischargeUntilTheLargestDeficit)
{
    CAccumulatorData s = Sized(app::MultipleEvents);
    s.sdMultiEventTotalDuration.Set(10.0, "SEC");
    s.sdEnterPumpSize.Set(5.0, "GPM"); // 19.25 in3/s against the event's 33.3
    s.m_lstEvents = {Event(1, 1, 1.0, 3.0, 100.0)};
    s.m_lstEvents[0].bPumpAvail = 1;
    // The deficit grows until the event ends at 4 s and the pump makes it up after; the grid steps
    // 4 ms up to there.
    EXPECT_NEAR(DischargeRun(s)->dTimeSec, 4.0, 0.004 + 1e-9);

    const gas::SGasTrajectory states = GasStates(s);
    ASSERT_EQ(states.states.size(), 101u);
    EXPECT_NEAR(states.states.front().dPressurePsia, Psia(3000.0), 0.05);
    EXPECT_NEAR(states.states.back().dPressurePsia, Psia(2000.0), 0.001 * Psia(2000.0));
    EXPECT_NEAR(states.states.back().dTimeSec, DischargeRun(s)->dTimeSec, 1e-9);
}
