// What the application chains do besides sizing: message forms, refused events, and the outcomes
// that size nothing (no accumulator required, refused results, entries that cannot be computed).
#include "../catalogue/CatalogueFixture.h"
#include "CatalogueCopy.h"
#include "ApplicationFixture.h"

using namespace sizing;

namespace
{
std::string Text(const CheckResult& r)
{
    return r ? r->strMessage : "(passed)";
}

class CChainTest : public CApplicationTest
{
protected:
    void SetUp() override
    {
        CApplicationTest::SetUp();
        s.sdMaxSysPress.Set(3000.0, "PSIG");
        s.sdMinSysPress.Set(2000.0, "PSIG");
        s.sdActVolDisplacement.Set(300.0, "CU_IN");
        s.sdActuationTime.Set(2.0, "SEC");
        s.sdDwellTime.Set(8.0, "SEC");
        s.sdEnterPumpSize.Set(8.0, "GPM");
    }
};
} // namespace

TEST(CheckMessageForms, PlaceholdersLineBreaksAndNumbers)
{
    EXPECT_EQ(FillPlaceholders("%i of %s %s %s", "1", "bar"), "%i of 1 bar %s");
    EXPECT_EQ(ReplaceLineBreaks("a^n^nb r^n"), "a\n\nb r\n");
    // A limit that comes back from another unit a hair below a whole number shows as whole.
    EXPECT_EQ(MessageNumber(4999.9999999), "5000");
    EXPECT_EQ(MessageNumber(345.754), "345.75");
    EXPECT_EQ(MessageNumber(345.756), "345.76");
    EXPECT_EQ(MessageNumber(2.5), "2.5");
    EXPECT_EQ(MessageNumber(600.6, 10), "600.6");
    // The critical-event note: two numbers, other "%" left alone.
    EXPECT_EQ(FillIntegers("A %i, E %i, 5 % and %i %s", 12, 3), "A 12, E 3, 5 % and %i %s");
    EXPECT_EQ(FillIntegers("%i", 7, 8), "7");
}

TEST_F(CChainTest, RefusedEventsAreNamedByTheirPlaceInTheList)
{
    // An event that starts exactly at the end of the cycle passes the start check but not the sum.
    EXPECT_EQ(CheckEvent(Event(1, 1, 10.0, 1.0), CUnitDouble(10.0, "SEC"), M())->strField, "sdEvDuration");

    // In the chain, a refused event names its place in the list as given.
    s.sdMultiEventTotalDuration.Set(10.0, "SEC");
    s.sdEnterPumpSize.Set(50.0, "GPM");
    s.m_lstEvents = {Event(1, 1, 0.0, 3.0), Event(2, 1, 0.0, 1.0), Event(1, 2, 2.0, 1.0)};
    EXPECT_EQ(Run(app::MultipleEvents).failure->strField, "m_lstEvents[2].sdEvStartTime");
    s.m_lstEvents[2].sdEvDuration.Set(0.0, "SEC");
    EXPECT_EQ(Run(app::MultipleEvents).failure->strField, "m_lstEvents[2].sdEvDuration");
}

TEST_F(CChainTest, NoAccumulatorRequiredStoresZeroWithTheNotice)
{
    // A pump that covers the actuator.
    s.sdEnterPumpSize.Set(100.0, "GPM");
    const SApplicationOutcome none = Run(app::SupplementingPumpFlow);
    EXPECT_EQ(none.eStatus, ESizingStatus::NotRequired);
    EXPECT_EQ(none.strNotice, "This application does not require an accumulator.");
    EXPECT_TRUE(s.sdRequiredAccumulatorVol.IsIdentical(CUnitDouble(0.0, "CU_IN")));
    // The deficit says by how much the pump covers the actuator.
    EXPECT_NEAR(s.sdVolDefci.Value(), 300.0 - 100.0 * 2.0 / 60.0 * 231.0, 1e-9);

    // A multiple-events cycle that the pump follows.
    SEvent ev = Event(1, 1, 0.0, 2.0, 40.0);
    ev.bPumpAvail = 1;
    s.m_lstEvents = {ev};
    s.sdMultiEventTotalDuration.Set(10.0, "SEC");
    EXPECT_EQ(Run(app::MultipleEvents).eStatus, ESizingStatus::NotRequired);
    EXPECT_EQ(s.sdRequiredAccumulatorVol.Value(), 0.0);
}

TEST_F(CChainTest, ResultsAboveTheCatalogueAreRefusedAndNothingIsComputedForImpossibleEntries)
{
    s.sdAllowedMaxAccumulatorVol.Set(1.0, "CU_IN");
    const SApplicationOutcome big = Run(app::AuxiliaryPower);
    ASSERT_TRUE(big.Refused());
    EXPECT_EQ(big.failure->strField, "sdRequiredAccumulatorVol");
    EXPECT_EQ(big.failure->strMessage,
              "Please lower your required volume below: 1 in\u00B3\nor contact your Dalrow Representative.");
    s.sdAllowedMaxAccumulatorVol.Set(1.0, "CU_M");

    // Equal pressures pass the checks but have no finite volume: reported, results cleared to 0.
    s.sdRequiredAccumulatorVol.Set(99.0, "CU_IN");
    s.sdPolyTropicExponent.Set(1.5, "NONE");
    s.sdMinSysPress.Set(3000.0, "PSIG");
    const SApplicationOutcome equal = Run(app::AuxiliaryPower);
    EXPECT_FALSE(equal.Refused());
    EXPECT_EQ(equal.eStatus, ESizingStatus::CannotCompute);
    EXPECT_FALSE(equal.strReason.empty());
    EXPECT_TRUE(s.sdRequiredAccumulatorVol.IsIdentical(CUnitDouble(0.0, "CU_IN")));
    EXPECT_EQ(s.sdPolyTropicExponent.Value(), 0.0);

    // A valve size without a leakage formula cannot be estimated, rather than leaking nothing.
    s.sdMinSysPress.Set(2500.0, "PSIG");
    s.bHoldLeakageRateChoice = 0;
    s.siHoldNoOfValves.SetValue(2);
    s.sdHoldValveSize.Set(0.5, "IN");
    s.sdHoldTimeHold.Set(60.0, "SEC");
    EXPECT_EQ(Run(app::Holding).eStatus, ESizingStatus::CannotCompute);

    // A line without an inside diameter.
    s.sdShockMaxShockPress.Set(3050.0, "PSIG");
    s.sdShockTubeLength.Set(100.0, "IN");
    s.dShockSchedule = 0.0;
    EXPECT_EQ(Run(app::ShockSuppression).eStatus, ESizingStatus::CannotCompute);
    EXPECT_EQ(Run(app::NoneChosen).eStatus, ESizingStatus::CannotCompute);
}

TEST_F(CChainTest, QuestionsAreAnsweredAndKnownCapacityOnlyChecks)
{
    s.bPrechargeIHaveUseCalc = 1;
    s.sdPrechargePress.Set(1950.0, "PSIG");
    const SApplicationOutcome asked = Run(app::AuxiliaryPower);
    ASSERT_TRUE(asked.Refused());
    EXPECT_TRUE(asked.failure->bQuestion);
    EXPECT_EQ(Run(app::AuxiliaryPower, true).eStatus, ESizingStatus::Sized);

    // Known capacity: checked, sized, and nothing written.
    s.sdRequiredAccumulatorVol.Set(40.0, "L");
    const CAccumulatorData before = s;
    EXPECT_EQ(Run(app::KnownCapacity).eStatus, ESizingStatus::Sized);
    s.deSelectApp = before.deSelectApp;
    EXPECT_TRUE(s.IsEqual(before));
    s.sdRequiredAccumulatorVol.Set(0.0, "L");
    EXPECT_EQ(Run(app::KnownCapacity).failure->strField, "sdRequiredAccumulatorVol");

    // A fixed pump without a relief valve is refused at the valve.
    s.sdShockMaxShockPress.Set(3100.0, "PSIG");
    s.sdFlowRate.Set(20.0, "GPM");
    s.sdShockResponseTime.Set(0.1, "SEC");
    s.bShockVarOrFixed = 0;
    EXPECT_EQ(Run(app::PumpResponse).failure->strField, "sdShockReliefValve");
}

TEST_F(CChainTest, EveryTailAndTheCannotSizeSentenceComeFromATranslatedCatalogue)
{
    CTempFolder folder;
    const auto copy = CopyOfCatalogue(folder.Path(), "AccUS.db");
    const std::string strTail = "oder Ihre Dalrow-Vertretung.";
    WriteDatabase(copy, "UPDATE Messages SET MsgText = '" + strTail +
                            "' WHERE MsgKey = 'or contact your Dalrow Representative.';"
                            "UPDATE Messages SET MsgText = 'Nicht auszulegen: %s.' "
                            "WHERE MsgKey = 'The accumulator cannot be sized with these entries: %s.'");
    IDatabase db;
    ASSERT_TRUE(db.Open(folder.Path(), "Acc", "US"));
    const CIMsgStoredProc messages(db);
    // Pump response of either pump, pulsation's own checks and the output tool: all looked up.
    s.sdShockMaxShockPress.Set(3100.0, "PSIG");
    s.sdFlowRate.Set(0.0, "GPM");
    s.sdShockResponseTime.Set(0.1, "SEC");
    const SPumpResponseValues values{PumpResponseMaximumShock(s.sdMaxSysPress), true};
    for (EPumpType eType : {EPumpType::Fixed, EPumpType::Variable})
        EXPECT_EQ(Text(CheckPumpResponse(s, eType, values, messages)),
                  "The Flow Rate must be larger than 0\r\n" + strTail);
    const SPulsationValues pulsation{PulsationPrecharge(s.sdMaxSysPress),
                                     MaximumAllowableShockPressure(s.sdMaxSysPress)};
    s.bPrechargeIHaveUseCalc = 1;
    s.sdPrechargePress.Set(0.0, "PSIG");
    s.sdShockMaxShockPress.Set(3050.0, "PSIG");
    EXPECT_EQ(Text(CheckPulsation(s, pulsation, messages, false)),
              "Your Entered Precharge Pressure must be larger than 0.\r\n" + strTail);
    s.sdMaxSysPress.Set(0.0, "PSIG");
    s.sdShockMaxShockPress.Set(-1.0, "PSIG");
    EXPECT_EQ(Text(CheckPulsation(s, pulsation, messages, false)),
              "Your Maximum pressure must be larger than 0 \r\n" + strTail);
    SOutputExistingEntries out{.maximum = {6000.0, "PSIG"},
                               .minimum = {1200.0, "PSIG"},
                               .dischargeTime = {5.0, "SEC"},
                               .volume = {5.0, "GAL"},
                               .temperature = {70.0, "DEG_F"},
                               .enteredPrecharge = {1000.0, "PSIG"}};
    EXPECT_EQ(Text(OutputOfExistingTool(out, messages).failure),
              "Your Maximum Pressure must be lower than 5,000 psi\r\n" + strTail);
    EXPECT_EQ(CannotSizeMessage("the maximum and minimum pressures are equal", messages),
              "Nicht auszulegen: the maximum and minimum pressures are equal.");
}

TEST_F(CChainTest, PulsationKeepsThePrechargeItsVolumeWasComputedWith)
{
    // 1000 psig against a shock of 1050 psig, three single-acting pistons, 10 gpm at 1200 rpm.
    s.sdMaxSysPress.Set(1000.0, "PSIG");
    s.sdShockMaxShockPress.Set(1050.0, "PSIG");
    s.iPulsationNoOfPistInPump = 3;
    s.bPulsationEnterPumpDispOrCalc = 0;
    s.sdFlowRate.Set(10.0, "GPM");
    s.iPulsationPumpSpeed = 1200;
    // An entered precharge is checked, but the volume uses 60 % of the system pressure: that one is kept.
    s.bPrechargeIHaveUseCalc = 1;
    s.sdPrechargePress.Set(37.0, "BAR");
    Sized(app::Pulsation);
    EXPECT_TRUE(s.sdPrechargePress.IsIdentical(CUnitDouble(600.0, "PSIG")));
    EXPECT_EQ(s.bPrechargeIHaveUseCalc, 1);
}
