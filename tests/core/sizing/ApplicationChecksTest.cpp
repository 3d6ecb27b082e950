// The application dialogs' checks and chains: check order, exact messages from the built catalogue, results
// written.
#include "sizing/Sizing.h"

#include "BuiltCatalogue.h"
#include "catalogue/MsgStoredProc.h"
#include "gas/Precharge.h"
#include "selection/ApplicationFields.h"
#include "sizing/ResultNotes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <type_traits>

using namespace sizing;

namespace
{
const std::string kTail = "or contact your Dalrow Representative.";

double Psia(double dPsig)
{
    return CUnitDouble(dPsig, "PSIG").GetValue("PSIA");
}

std::string Text(const CheckResult& r)
{
    return r ? r->strMessage : "(passed)";
}

SEvent Event(int a, int e, double dStart, double dDuration, double dVolumeIn3 = 5.0)
{
    SEvent ev;
    ev.iActNo = a;
    ev.iEventNo = e;
    ev.enumActVolForEvent = 1;
    ev.sdVolume.Set(dVolumeIn3, "CU_IN");
    ev.sdEvStartTime.Set(dStart, "SEC");
    ev.sdEvDuration.Set(dDuration, "SEC");
    return ev;
}

class CChecksTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pDb = OpenBuiltCatalogue();
        ASSERT_TRUE(m_pDb) << "the built catalogue is missing";
        m_pMessages = std::make_unique<CIMsgStoredProc>(*m_pDb);
        s.ResetApplication(s);
        s.sdAllowedMaxAccumulatorPress.Set(5000.0 * 6894.757 + 101314.224, "PA"); // 5000 psig
        s.sdAllowedMaxAccumulatorVol.Set(10000.0 * 1.638706e-05, "CU_M");         // 10000 in3
        s.sdAllowedMaxTemperature.Set(250.0, "DEG_F");
        s.sdAllowedMinTemperature.Set(-40.0, "DEG_F");
        // Entries that pass every check of the pressure dialogs.
        s.sdMaxSysPress.Set(3000.0, "PSIG");
        s.sdMinSysPress.Set(2000.0, "PSIG");
        s.sdSysTemperature.Set(70.0, "DEG_F");
        s.sdPrechargePress.Set(1800.0, "PSIG");
        s.sdActVolDisplacement.Set(300.0, "CU_IN");
        s.sdActuationTime.Set(2.0, "SEC");
        s.sdDwellTime.Set(8.0, "SEC");
        s.sdEnterPumpSize.Set(8.0, "GPM");
        s.sdMinPumpFlow.Set(5.0, "GPM");
        s.sdHoldTimeHold.Set(600.0, "SEC");
        s.sdHoldLeakageRate.Set(5.0, "CU_IN_MIN");
    }

    const CIMsgStoredProc& M() const { return *m_pMessages; }
    SPrechargePair Optima() const { return OptimalPrechargesForMinimum(s.sdMinSysPress); } // 1900 / 1800 psig

    // The chain for an application; nothing it leaves may be other than a finite number.
    SApplicationOutcome Run(int nApp, bool bAccept = false)
    {
        s.deSelectApp = nApp;
        SApplicationOutcome outcome = SizeApplication(s, M(), bAccept);
        WalkApplicationFields(
            [this](auto member)
            {
                using T = std::remove_cvref_t<decltype(s.*member)>;
                if constexpr (std::is_same_v<T, CUnitDouble>)
                {
                    EXPECT_TRUE(std::isfinite((s.*member).Value()));
                }
            });
        return outcome;
    }

    static void ExpectSized(const SApplicationOutcome& o)
    {
        EXPECT_FALSE(o.Refused()) << o.failure->strMessage;
        EXPECT_EQ(o.eStatus, ESizingStatus::Sized) << o.strReason;
    }

    void ExpectRequired(double dIn3) const
    {
        EXPECT_TRUE(s.sdRequiredAccumulatorVol.IsIdentical(CUnitDouble(dIn3, "CU_IN")));
        EXPECT_EQ(s.sdPolyTropicExponent.GetUnit(), "NONE");
    }

    std::unique_ptr<IDatabase> m_pDb;
    std::unique_ptr<CIMsgStoredProc> m_pMessages;
    CAccumulatorData s;
};
} // namespace

TEST(CheckMessageForms, PlaceholdersLineBreaksAndNumbers)
{
    EXPECT_EQ(FillPlaceholders("%i of %s %s %s", "1", "bar"), "%i of 1 bar %s");
    EXPECT_EQ(ReplaceLineBreaks("a^n^nb r^n"), "a\n\nb r\n");
    // A limit that comes back from another unit a hair below a whole number shows as whole.
    EXPECT_EQ(MessageNumber(4999.9999999), "5000");
    EXPECT_EQ(MessageNumber(600.6, 10), "600.6");
    // The critical-event note: two numbers, other "%" left alone.
    EXPECT_EQ(FillIntegers("A %i, E %i, 5 % and %i %s", 12, 3), "A 12, E 3, 5 % and %i %s");
    EXPECT_EQ(FillIntegers("%i", 7, 8), "7");
}

TEST_F(CChecksTest, SupplementingPumpFlowOrderAndWording)
{
    s.bPrechargeIHaveUseCalc = 1;
    const SPrechargePair optima = OptimalPrechargesFromGauge(s.sdMinSysPress);
    auto check = [&] { return CheckSupplementingPumpFlow(s, optima, M(), false); };
    EXPECT_EQ(check(), std::nullopt);
    // The pump size comes first, whether or not the pump runs.
    s.bIsPumpRunning = 0;
    s.sdEnterPumpSize.Set(4.0, "GPM");
    s.sdMaxSysPress.Set(0.0, "PSIG");
    EXPECT_EQ(Text(check()), "Your pump size must be larger than the minimum pump size\r\n" + kTail);
    s.sdEnterPumpSize.Set(5.0, "GPM"); // equal passes
    s.sdMaxSysPress.Set(400.0, "BAR");
    EXPECT_EQ(Text(check()),
              "Your Maximum Pressure exceeds the products in Tesmara. Please reduce your Maximum "
              "Pressure below: 345.75 bar\n" +
                  kTail);
    s.sdMaxSysPress.Set(3000.0, "PSIG");
    s.sdMinSysPress.Set(0.0, "PSIG");
    EXPECT_EQ(Text(check()), "Please enter a minimum pressure.\n" + kTail);
    s.sdMinSysPress.Set(3500.0, "PSIG");
    EXPECT_EQ(Text(check()), "Your Minimum Pressure exceeds the Maximum Pressure. Please reduce your Minimum "
                             "Pressure below: 3000 psi\n" +
                                 kTail);
    s.sdMinSysPress.Set(3000.0, "PSIG"); // equal passes
    s.sdPrechargePress.Set(3100.0, "PSIG");
    EXPECT_EQ(Text(check()), "Your Precharge Pressure must be less than the Minimum Pressure\r\n" + kTail);
    s.bPrechargeIHaveUseCalc = 0; // the calculated optimum is not checked
    EXPECT_EQ(check(), std::nullopt);
}

TEST_F(CChecksTest, AuxiliaryPowerWordingTemperaturesAndTheQuestion)
{
    s.bPrechargeIHaveUseCalc = 1;
    s.sdMinSysPress.Set(3500.0, "PSIG");
    EXPECT_EQ(
        Text(CheckAuxiliaryPower(s, Optima(), M(), false)),
        "Your Minimum Pressure exceeds the Maximum Pressure. Please reduce your Minimum Pressure below 3000 "
        "psi\r\n" +
            kTail);
    s.sdMinSysPress.Set(2000.0, "PSIG");
    s.sdSysTemperature.Set(130.0, "DEG_C"); // no tail, the limit in the entry's unit
    EXPECT_EQ(Text(CheckAuxiliaryPower(s, Optima(), M(), false)),
              "Your System Temperature is above the highest temperature of the products in Tesmara.\nPlease "
              "lower your System Temperature to 121.11 \u00B0C or less.");
    s.sdSysTemperature.Set(250.0, "DEG_F"); // equal passes
    s.sdPrechargePress.Set(2100.0, "PSIG");
    EXPECT_EQ(
        Text(CheckAuxiliaryPower(s, Optima(), M(), false)),
        "Your Precharge Pressure must be lower than your minimum pressure. Please reduce your Precharge "
        "Pressure below 2000 psi\r\n" +
            kTail);
    // Equal to the minimum passes, but is above the piston optimum of 1900 psig.
    s.sdPrechargePress.Set(2000.0, "PSIG");
    const CheckResult question = CheckAuxiliaryPower(s, Optima(), M(), false);
    ASSERT_TRUE(question && question->bQuestion);
    EXPECT_EQ(question->strMessage,
              "Your Precharge Pressure is higher than the calculated optimal Precharge "
              "Pressure of 1900 psi.\nDo you want to continue with the Precharge Pressure "
              "you entered?\n" +
                  kTail);
    EXPECT_EQ(CheckAuxiliaryPower(s, Optima(), M(), true), std::nullopt);
}

TEST_F(CChecksTest, HoldingChecksHoldTimeAndEnteredRateBeforeTheQuestion)
{
    s.bPrechargeIHaveUseCalc = 1;
    s.sdPrechargePress.Set(2100.0, "PSIG");
    EXPECT_EQ(
        Text(CheckHolding(s, Optima(), M(), false)),
        "Your Precharge Pressure must be lower than your minimum pressure. Please reduce your Precharge "
        "Pressure below: 2000 psi\n" +
            kTail);
    s.sdPrechargePress.Set(1950.0, "PSIG"); // would ask the question
    s.sdHoldTimeHold.Set(0.0, "SEC");
    s.sdHoldLeakageRate.Set(0.0, "CU_IN_MIN");
    EXPECT_EQ(Text(CheckHolding(s, Optima(), M(), false)),
              "The Time to Hold Pressure must be larger than 0.\r\n" + kTail);
    s.sdHoldTimeHold.Set(60.0, "SEC");
    EXPECT_EQ(CheckHolding(s, Optima(), M(), false)->strField, "sdHoldLeakageRate");
    // An estimate of 0 (no valves) is refused too, with the focus on the number of valves.
    s.bHoldLeakageRateChoice = 0;
    EXPECT_EQ(Text(CheckHolding(s, Optima(), M(), false)),
              "The Estimated Leakage Rate must be larger than 0.\r\n" + kTail);
    EXPECT_EQ(CheckHolding(s, Optima(), M(), false)->strField, "siHoldNoOfValves");
    s.sdHoldLeakageRate.Set(8.18, "CU_IN_MIN");
    EXPECT_TRUE(CheckHolding(s, Optima(), M(), false)->bQuestion);
}

TEST_F(CChecksTest, KnownCapacityComparesLimitsBeforeZero)
{
    s.sdRequiredAccumulatorVol.Set(0.0, "L");
    EXPECT_EQ(Text(CheckKnownCapacity(s, M())),
              "Please increase your required capacity to be larger than 0\r\n" + kTail);
    s.sdRequiredAccumulatorVol.Set(200.0, "L");
    EXPECT_EQ(Text(CheckKnownCapacity(s, M())),
              "Please lower your required volume below: 163.87 L\n" + kTail);
    s.sdRequiredAccumulatorVol.Set(100.0, "L");
    s.sdMaxSysPress.Set(6000.0, "PSIG");
    EXPECT_EQ(Text(CheckKnownCapacity(s, M())),
              "Please lower your maximum pressure below: 5000 psi\n" + kTail);
    s.sdMaxSysPress.Set(0.0, "PSIG");
    EXPECT_EQ(Text(CheckKnownCapacity(s, M())), "Your Maximum pressure must be larger than 0 " + kTail);
    s.sdMaxSysPress.Set(3000.0, "PSIG");
    ExpectSized(Run(app::KnownCapacity));
}

TEST_F(CChecksTest, EventEditorAndList)
{
    const CUnitDouble total(10.0, "SEC");
    SEvent ev = Event(1, 1, 11.0, 1.0);
    EXPECT_EQ(Text(CheckEvent(ev, total, M())),
              "Your Event Start Time must be less than your Total Duration of Cycle.\r\n" + kTail);
    ev.sdEvStartTime.Set(10.0, "SEC"); // passes the first check, fails the sum
    EXPECT_EQ(Text(CheckEvent(ev, total, M())),
              "Your Event Start Time + your Event Duration must be less than "
              "the Total Duration of Cycle of: 10 sec\n" +
                  kTail);
    ev.sdEvStartTime.Set(9.0, "SEC"); // ends exactly at the end
    EXPECT_EQ(CheckEvent(ev, total, M()), std::nullopt);

    // The list has no minimum-pressure check, but needs an event.
    s.sdMultiEventTotalDuration.Set(10.0, "SEC");
    s.sdMinSysPress.Set(0.0, "PSIG");
    EXPECT_EQ(Text(CheckEventList(s, M())),
              "You have not defined any actuator events. Please add at least one actuator event.");
}

TEST_F(CChecksTest, ShockPumpResponseAndPulsationOrders)
{
    s.sdMaxSysPress.Set(1000.0, "PSIG");
    s.sdEnterPumpSize.Set(50.0, "GPM");
    s.sdShockTubeLength.Set(100.0, "IN");
    const CUnitDouble computed = MaximumAllowableShockPressure(s.sdMaxSysPress); // 1050 psig
    s.sdShockMaxShockPress.Set(6000.0, "PSIG"); // the catalogue before the computed maximum
    EXPECT_EQ(
        Text(CheckShockSuppression(s, computed, M())),
        "Your Maximum Pressure exceeds the products in Tesmara. Please reduce your Maximum Pressure below: "
        "5000 psi\n" +
            kTail);
    s.sdShockMaxShockPress.Set(1050.01, "PSIG");
    EXPECT_EQ(Text(CheckShockSuppression(s, computed, M())),
              "Your Entered Shock Pressure must be less than the Maximum Allowable Shock Pressure\r\n" +
                  kTail);

    // Pump response compares with the computed maximum before the system pressure.
    s.sdMaxSysPress.Set(0.0, "PSIG");
    s.sdShockMaxShockPress.Set(10.0, "PSIG");
    const SPumpResponseValues values{PumpResponseMaximumShock(s.sdMaxSysPress), false};
    EXPECT_EQ(CheckPumpResponse(s, EPumpType::Variable, values, M())->strField, "sdShockMaxShockPress");

    s.sdMaxSysPress.Set(1001.0, "PSIG");
    s.iPulsationNoOfPistInPump = 7;
    s.sdPulsationPumpDisp.Set(1.0, "CU_IN_REV");
    s.bPrechargeIHaveUseCalc = 1;
    const SPulsationValues pulsation{PulsationPrecharge(s.sdMaxSysPress),
                                     MaximumAllowableShockPressure(s.sdMaxSysPress)};
    s.sdShockMaxShockPress = pulsation.computedMaxShock;
    EXPECT_EQ(Text(CheckPulsation(s, pulsation, M(), false)), "Maximum Number of Pistons Allowed is 6.");
    s.iPulsationNoOfPistInPump = 6;
    s.sdPrechargePress.Set(71.0, "BAR");
    EXPECT_EQ(
        Text(CheckPulsation(s, pulsation, M(), false)),
        "Your Precharge Pressure must be lower than your System Pressure.\nPlease reduce your Precharge "
        "Pressure below 70.03 bar\n" +
            kTail);
    s.sdPrechargePress.Set(650.0, "PSIG");
    EXPECT_NE(Text(CheckPulsation(s, pulsation, M(), false)).find("Pressure of 600.6 psi."),
              std::string::npos);
}

TEST_F(CChecksTest, ToolChecksAndResults)
{
    SOutputExistingEntries out{.maximum = {5000.0, "PSIG"}, // the limit passes
                               .minimum = {1200.0, "PSIG"},
                               .dischargeTime = {5.0, "SEC"},
                               .volume = {5.0, "GAL"},
                               .temperature = {-45.0, "DEG_F"},
                               .enteredPrecharge = {1300.0, "PSIG"}};
    const SOutputExistingOutcome piston = OutputOfExistingTool(out, M());
    ASSERT_EQ(piston.eStatus, ESizingStatus::Sized) << piston.strReason;
    EXPECT_TRUE(piston.precharge.IsIdentical(CUnitDouble(1100.0, "PSIG")));
    const SOutputExistingResult r = OutputOfExistingAccumulator(
        {CUnitDouble(5.0, "GAL").GetValue("CU_IN"), Psia(5000.0), Psia(1200.0), 5.0, -45.0, Psia(1100.0)});
    EXPECT_TRUE(piston.output.IsIdentical(CUnitDouble(r.dOutputIn3, "CU_IN")));
    out.ePrecharge = EToolPrecharge::Entered;
    EXPECT_EQ(Text(OutputOfExistingTool(out, M()).failure),
              "Your Precharge Pressure must be lower than your minimum pressure. \r\n" + kTail);
    out.maximum.Set(5000.1, "PSIG");
    EXPECT_EQ(Text(OutputOfExistingTool(out, M()).failure),
              "Your Maximum Pressure must be lower than 5,000 psi\r\n" + kTail);

    STemperatureToolEntries temp{.beginTemperature = {70.0, "DEG_F"},
                                 .finalTemperature = {0.0, "DEG_F"},
                                 .bFinalTemperatureEmpty = true,
                                 .beginPressure = {99.0, "BAR"},
                                 .finalPressure = {1000.0, "PSIG"},
                                 .eKnown = EKnownPressure::Final};
    // An empty final temperature in deg F is in range; its own check has no tail.
    EXPECT_EQ(Text(TemperaturePrechargeTool(temp, M()).failure), "Please enter your Final Temperature.");
    temp.finalTemperature.Set(0.0, "DEG_K"); // below the range: the range check reports it
    EXPECT_NE(Text(TemperaturePrechargeTool(temp, M()).failure).find("-100 degrees F"), std::string::npos);
    temp.finalTemperature.Set(150.0, "DEG_F");
    temp.bFinalTemperatureEmpty = false;
    const STemperatureToolOutcome warm = TemperaturePrechargeTool(temp, M());
    ASSERT_EQ(warm.eStatus, ESizingStatus::Sized) << warm.strReason;
    EXPECT_EQ(warm.beginPressure.GetUnit(), "BAR");
    EXPECT_NEAR(warm.beginPressure.GetValue("PSIA"),
                gas::PrechargeAtTemperature(70.0, 150.0, -1.0, Psia(1000.0)), 1e-9);
    temp.finalPressure.Set(14.6, "PSIG");
    EXPECT_EQ(TemperaturePrechargeTool(temp, M()).failure->strField, "finalPressure");
}

TEST_F(CChecksTest, SupplementingPumpFlowChainWritesWhatTheDialogsWrite)
{
    ExpectSized(Run(app::SupplementingPumpFlow));
    EXPECT_TRUE(s.sdMinPumpFlow.IsIdentical(CUnitDouble(*MinimumPumpFlow(300.0, 2.0, 8.0), "GPM")));
    // The calculated piston optimum of 2000 psig is copied in, in the minimum's unit.
    EXPECT_TRUE(s.sdPrechargePress.IsIdentical(CUnitDouble(1900.0, "PSIG")));
    const SSizingResult r = SizeSupplementingPumpFlow(
        {300.0, 2.0, 8.0, 8.0, true, Psia(3000.0), Psia(2000.0), 70.0, s.sdPrechargePress.GetValue("PSIA")});
    ExpectRequired(r.dRequiredIn3);
    EXPECT_TRUE(s.sdPolyTropicExponentCharging.IsIdentical(CUnitDouble(r.dExponentCharging, "NONE")));
    EXPECT_TRUE(s.sdVolDefci.IsIdentical(CUnitDouble(r.dDeficitIn3, "CU_IN")));
    EXPECT_EQ(s.sdVolRatio.Value(), r.dRatio);

    // Cylinder dimensions: both strokes of two cylinders; the bladder optimum.
    s.deSelectCalcMethod = 1;
    s.sdCylDim_BoreDia.Set(2.0, "IN");
    s.sdCylDim_RodDia.Set(25.4, "MM");
    s.sdCylDim_StrokeLen.Set(10.0, "IN");
    s.siCylDim_NoCylParallel.SetValue(2);
    s.enumCylAffects = 2;
    s.bPrechargePistonOrBladder = 0;
    s.sdEnterPumpSize.Set(3.0, "GPM");
    ExpectSized(Run(app::SupplementingPumpFlow));
    EXPECT_NEAR(s.sdActVolDisplacement.GetValue("CU_IN"),
                CylinderVolume(2.0, 1.0, 10.0, 2, ECylinderStroke::Both), 1e-9);
    EXPECT_EQ(s.sdPrechargePress.Value(), 1800.0);

    // A pump that covers the actuator: no accumulator, a stored 0 and the notice.
    s.sdEnterPumpSize.Set(100.0, "GPM");
    const SApplicationOutcome none = Run(app::SupplementingPumpFlow);
    EXPECT_EQ(none.eStatus, ESizingStatus::NotRequired);
    EXPECT_EQ(none.strNotice, "This application does not require an accumulator.");
    ExpectRequired(0.0);

    // The results refuse a volume above the catalogue's largest.
    s.sdEnterPumpSize.Set(3.0, "GPM");
    s.sdAllowedMaxAccumulatorVol.Set(1.0, "CU_IN");
    EXPECT_EQ(Run(app::SupplementingPumpFlow).failure->strField, "sdRequiredAccumulatorVol");
}

TEST_F(CChecksTest, AuxiliaryPowerChainQuestionAndEqualPressures)
{
    s.bPrechargeIHaveUseCalc = 1;
    s.sdPrechargePress.Set(1950.0, "PSIG");
    s.sdVolDefci.Set(7.0, "GAL");
    EXPECT_TRUE(Run(app::AuxiliaryPower).failure->bQuestion);
    ExpectSized(Run(app::AuxiliaryPower, true));
    const SSizingResult r =
        SizeAuxiliaryPower({300.0, 2.0, 8.0, Psia(3000.0), Psia(2000.0), 70.0, Psia(1950.0)});
    ExpectRequired(r.dRequiredIn3);
    EXPECT_TRUE(s.sdVolDefci.IsIdentical(CUnitDouble(7.0, "CU_IN"))); // the unit given, the value kept

    // Equal pressures pass the checks but have no finite volume: reported, nothing infinite stored.
    s.sdMinSysPress.Set(3000.0, "PSIG");
    const SApplicationOutcome o = Run(app::AuxiliaryPower, true);
    EXPECT_FALSE(o.Refused());
    EXPECT_EQ(o.eStatus, ESizingStatus::CannotCompute);
    ExpectRequired(0.0);
}

TEST_F(CChecksTest, MultipleEventsChainPlacesEventsAndStoresTheCycle)
{
    s.sdMultiEventTotalDuration.Set(10.0, "SEC");
    SEvent flow = Event(2, 1, 0.0, 2.0, 999.0); // the volume is not this event's choice
    flow.enumActVolForEvent = 0;
    flow.sdFlowrate.Set(20.0, "CU_IN_SEC");
    SEvent cylinder = Event(1, 1, 1.0, 2.0);
    cylinder.enumActVolForEvent = 2;
    cylinder.sdBoreDia.Set(2.0, "IN");
    cylinder.sdRodDia.Set(1.0, "IN");
    cylinder.sdStrokeLength.Set(16.0, "IN");
    s.m_lstEvents = {flow, cylinder};
    ExpectSized(Run(app::MultipleEvents));
    ASSERT_EQ(s.m_lstEvents.size(), 2u);
    EXPECT_EQ(s.m_lstEvents[0].iActNo, 1);
    EXPECT_EQ(s.iNumOfActuators, 2);
    const double dCylinder = CylinderVolume(2.0, 1.0, 16.0, 1, ECylinderStroke::Extend);
    EXPECT_TRUE(s.m_lstEvents[0].sdVolume.IsIdentical(CUnitDouble(dCylinder, "CU_IN")));
    EXPECT_DOUBLE_EQ(s.sdMinPumpFlow.Value(), 3.0 * (40.0 + dCylinder) / 10.0 / 3.85);
    SMultipleEventsInput in{CycleEvents(s.m_lstEvents), 10.0, 8.0, 70.0, Psia(3000.0), Psia(2000.0)};
    in.dPrechargePsia = s.sdPrechargePress.GetValue("PSIA");
    const SMultipleEventsResult r = SizeMultipleEvents(in);
    ExpectRequired(r.dRequiredIn3);
    EXPECT_EQ(s.iCriticalActuator, 1); // the largest volume, 50.3 in3 against 40
    EXPECT_TRUE(s.cudFlow.IsIdentical(CUnitDouble(r.dPeakFlowGpm, "GPM")));

    s.m_lstEvents.push_back(Event(1, 2, 2.0, 1.0)); // overlaps event 1.1
    EXPECT_EQ(Run(app::MultipleEvents).failure->strField, "m_lstEvents[2].sdEvStartTime");
}

TEST_F(CChecksTest, HoldingChainEstimatesTheLeakage)
{
    s.sdMaxSysPress.Set(1000.0, "PSIA");
    s.sdMinSysPress.Set(800.0, "PSIA");
    s.bHoldLeakageRateChoice = 0;
    s.siHoldNoOfValves.SetValue(2);
    ExpectSized(Run(app::Holding));
    EXPECT_EQ(s.sdHoldLeakageRate.GetUnit(), "CU_IN_MIN");
    EXPECT_NEAR(s.sdHoldLeakageRate.Value(), 16.36, 1e-9);
    EXPECT_GT(s.sdRequiredAccumulatorVol.Value(), 0.0);
    // A size without a formula cannot be estimated, rather than leaking nothing.
    s.sdHoldValveSize.Set(0.5, "IN");
    EXPECT_EQ(Run(app::Holding).eStatus, ESizingStatus::CannotCompute);
    ExpectRequired(0.0);
}

TEST_F(CChecksTest, ShockPumpResponseAndPulsationChains)
{
    s.sdMaxSysPress.Set(1000.0, "PSIG");
    s.sdShockMaxShockPress.Set(1050.0, "PSIG");
    s.sdEnterPumpSize.Set(50.0, "GPM");
    s.sdShockTubeLength.Set(120.0, "IN");
    s.dShockSchedule = 1.049;
    ExpectSized(Run(app::ShockSuppression));
    EXPECT_TRUE(s.sdPrechargePress.IsIdentical(CUnitDouble(600.0, "PSIG")));
    ExpectRequired(
        ShockSuppressionVolume({Psia(1000.0), Psia(1050.0), 50.0, 70.0, 120.0, 1.049, 0.0314}).dRequiredIn3);
    s.dShockSchedule = 0.0; // no inside diameter
    EXPECT_EQ(Run(app::ShockSuppression).eStatus, ESizingStatus::CannotCompute);

    s.bShockVarOrFixed = 0;
    s.sdShockMaxShockPress.Set(1100.0, "PSIG");
    s.sdFlowRate.Set(20.0, "GPM");
    s.sdShockResponseTime.Set(0.1, "SEC");
    EXPECT_EQ(Run(app::PumpResponse).failure->strField, "sdShockReliefValve");
    s.sdShockReliefValve.SetValue(0.03);
    ExpectSized(Run(app::PumpResponse));
    EXPECT_TRUE(s.sdPrechargePress.IsIdentical(CUnitDouble(850.0, "PSIG")));
    ExpectRequired(SizePumpResponse({Psia(1000.0), Psia(1100.0), 20.0, 70.0, 0.1, Psia(850.0)}).dRequiredIn3);

    s.sdShockMaxShockPress.Set(1050.0, "PSIG");
    s.iPulsationNoOfPistInPump = 3;
    s.bPulsationEnterPumpDispOrCalc = 0;
    s.sdFlowRate.Set(10.0, "GPM");
    s.iPulsationPumpSpeed = 1200;
    ExpectSized(Run(app::Pulsation));
    EXPECT_EQ(s.sdPulsationCalcDisplacement.GetUnit(), "CU_IN_REV");
    EXPECT_NEAR(s.sdPulsationCalcDisplacement.Value(), 1.925, 1e-5); // through the unit table
    EXPECT_TRUE(s.sdPrechargePress.IsIdentical(CUnitDouble(600.0, "PSIG")));
    SPulsationInput in{Psia(1000.0), Psia(1050.0), 70.0, -1.0, 10.0, 1200};
    in.nPistons = 3;
    ExpectRequired(PulsationVolume(in).dRequiredIn3);
    // An entered precharge is checked, but the volume uses 60 %: that is the precharge kept.
    s.bPrechargeIHaveUseCalc = 1;
    s.sdPrechargePress.Set(37.0, "BAR");
    ExpectSized(Run(app::Pulsation));
    EXPECT_TRUE(s.sdPrechargePress.IsIdentical(CUnitDouble(600.0, "PSIG")));
    ExpectRequired(PulsationVolume(in).dRequiredIn3);
    EXPECT_EQ(Run(app::NoneChosen).eStatus, ESizingStatus::CannotCompute);
}
