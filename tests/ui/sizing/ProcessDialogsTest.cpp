// Holding, shock suppression, pump response and pulsation one dialog at a time: the first bad entry
// refused with the focus where it belongs, the values each shows as the entries change, the maximum
// shock pressure known without the focus ever leaving the system pressure, and what OK stores.
#include "SizingFixture.h"
#include "sizing/HoldingLeakage.h"
#include "sizing/ListCombo.h"
#include "sizing/PistonPumpPulsationDampening.h"
#include "sizing/PumpOverChoice.h"
#include "sizing/ResultDialog.h"
#include "sizing/ShockPumpOverFixed.h"
#include "sizing/ShockPumpOverVariable.h"
#include "sizing/ShockSuppress.h"

#include <QtTest>

namespace
{
// The number at the start of a shown value ("1050.00 psig" gives 1050).
double Shown(const QLabel* pLabel)
{
    return pLabel->text().section(QLatin1Char(' '), 0, 0).toDouble();
}
} // namespace

class CProcessDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void HoldingEstimatesAsTypedAndRefusesAnEstimateOfNothing()
    {
        CPromptCapture prompt;
        CChainScript script;
        SWorkingCopies c;
        c.working.deSelectApp = 4;
        CHoldingLeakage dialog(c.s.product, c.working, c.stored);
        QVERIFY(RefusedAt(dialog, *prompt, dialog.MaxPressure()));

        // One 3/4 in valve at 1000 psia leaks 0.94 + 0.14 + 7.1 = 8.18 in³/min; two 16.36.
        dialog.PressureUnit()->SelectUnit("PSIA");
        Enter(dialog.MaxPressure(), "1000");
        dialog.LeakageChoice(CHoldingLeakage::kEstimated)->click();
        QVERIFY(!dialog.LeakageRate()->isEnabled());
        QVERIFY(dialog.ValveSize()->SelectText("3/4 in (D05 / NG10)"));
        Enter(dialog.Valves(), "1");
        QCOMPARE(Shown(dialog.CalculatedRate()), 8.2);
        Enter(dialog.Valves(), "2");
        QCOMPARE(Shown(dialog.CalculatedRate()), 16.4);

        // The hold time is refused before the leakage is looked at.
        Enter(dialog.MinPressure(), "800");
        Enter(dialog.Temperature(), "70");
        dialog.PrechargeGroup()->Choice(CPrechargeGroup::kPiston)->click();
        QVERIFY(RefusedAt(dialog, *prompt, dialog.HoldTime()));
        // No valves leak nothing: refused on the valves, not "does not require an accumulator".
        Enter(dialog.HoldTime(), "60");
        Enter(dialog.Valves(), "0");
        QVERIFY(RefusedAt(dialog, *prompt, dialog.Valves()));
        QCOMPARE(dialog.HoldTime()->text(), QStringLiteral("60"));
        QCOMPARE(c.stored.sdRequiredAccumulatorVol.Value(), 0.0);
        // Accepted: the size the rate was estimated for is kept with it (a new selection has 3/4 in).
        Enter(dialog.Valves(), "2");
        QVERIFY(dialog.ValveSize()->SelectText("3/8 in (D03 / NG6)"));
        script["Results"] = PressOk;
        FindButton(dialog, "OK")->click();
        QCOMPARE(dialog.result(), dlg::Ok);
        QCOMPARE(c.stored.sdHoldValveSize.GetValue("IN"), 0.375);
        QCOMPARE(c.stored.siHoldNoOfValves.Value(), 2);
        QVERIFY(c.stored.sdRequiredAccumulatorVol.Value() > 0.0);
    }

    void ShockSuppressionKnowsItsMaximumFromTheStartAndListsTheLine()
    {
        CPromptCapture prompt;
        CChainScript script;
        SWorkingCopies c;
        c.working.deSelectApp = 5;
        {
            CShockSuppress empty(c.s.product, c.working, c.stored);
            QVERIFY(RefusedAt(empty, *prompt, empty.SystemPressure()));
        }
        // Reopened with 1000 psig: 1.05 x 1000 allowed, before any entry is left.
        c.working.sdMaxSysPress.Set(1000.0, "PSIG");
        c.working.sdShockMaxShockPress.Set(1051.0, "PSIG");
        CShockSuppress dialog(c.s.product, c.working, c.stored);
        QVERIFY(dialog.AssumedTemperature()->text().contains(QStringLiteral("taken as 70 \u00B0F")));
        QCOMPARE(dialog.ComputedMaximum()->text().section(' ', 0, 0), QStringLiteral("1050.00"));
        QVERIFY(RefusedAt(dialog, *prompt, dialog.ShockPressure()));

        // Emptied, the shock pressure is proposed when the system pressure is left (Enter as well).
        Enter(dialog.ShockPressure(), "");
        Enter(dialog.SystemPressure(), "3000");
        dialog.OnSystemPressureLeft();
        QCOMPARE(dialog.ShockPressure()->text(), QStringLiteral("3100"));
        QCOMPARE(Shown(dialog.ComputedMaximum()), 3100.0);

        // A pipe lists its schedules; a tube has none.
        dialog.LineType(1)->click();
        QVERIFY(dialog.NominalSize()->SelectText("2"));
        QVERIFY(dialog.Schedule()->SelectText("40"));
        QCOMPARE(*dialog.Schedule()->SelectedNumber(), 2.067);
        dialog.LineType(0)->click();
        QVERIFY(!dialog.Schedule()->isEnabled());
        QCOMPARE(dialog.NominalSize()->itemText(0), QStringLiteral("1/4 x 0.035 in"));

        // A tube's inside diameter is the tube's own; the results come next.
        QVERIFY(dialog.NominalSize()->SelectText("1/2 x 0.065 in"));
        QVERIFY(dialog.Fluid()->SelectText("Water"));
        dialog.FlowUnit()->SelectUnit("GPM");
        Enter(dialog.Flow(), "10");
        dialog.LengthUnit()->SelectUnit("FT");
        Enter(dialog.Length(), "20");
        prompt->Clear();
        QString strNote;
        script["Results"] = [&](QDialog& d)
        {
            strNote = static_cast<CResultDialog&>(d).CriticalEvent()->text();
            return dlg::Cancel;
        };
        FindButton(dialog, "OK")->click();
        QVERIFY(prompt->Texts().empty());
        QCOMPARE(script.Titles(), QStringList{QStringLiteral("Results")});
        // The results say what the formula took besides the entries.
        QCOMPARE(strNote, QStringLiteral("Calculated with a line inside diameter of 0.37 in, a fluid density of 0.0361 "
                                         "lb/in\u00B3 and a gas temperature of 70 \u00B0F (assumed: shock suppression "
                                         "has no temperature entry)."));
        QCOMPARE(c.working.bShockPipeOrTube, 0);
        QCOMPARE(c.working.dShockSchedule, 0.37);
        QCOMPARE(c.working.dShockFluidDensity, 0.0361);
        QVERIFY(c.working.sdRequiredAccumulatorVol.Value() > 0.0);
    }

    void FixedPumpChecksAgainstTheMaximumShownAtOpenAndNeedsAValve()
    {
        CPromptCapture prompt;
        CChainScript script;
        SWorkingCopies c;
        c.working.deSelectApp = 7;
        // 1000 psia allows 1.1 x 1000 = 1100 psia; equal passes.
        c.working.sdMaxSysPress.Set(1000.0, "PSIA");
        c.working.sdShockMaxShockPress.Set(1100.0, "PSIA");
        c.working.sdSysTemperature.Set(70.0, "DEG_F");
        CShockPumpOverFixed dialog(c.s.product, c.working, c.stored);
        QCOMPARE(Shown(dialog.ComputedMaximum()), 1100.0);
        QVERIFY(RefusedAt(dialog, *prompt, dialog.Flow()));

        dialog.FlowUnit()->SelectUnit("GPM");
        Enter(dialog.Flow(), "50");
        dialog.OnFlowLeft();
        QCOMPARE(dialog.ReliefValve()->count(), 3);
        QCOMPARE(dialog.ReliefValve()->itemText(0), QStringLiteral("Pilot-Operated, 3/4 in (to 60 gpm)"));
        Enter(dialog.ResponseTime(), "0.04");
        QVERIFY(RefusedAt(dialog, *prompt, dialog.ReliefValve()));
        dialog.ReliefValve()->setCurrentIndex(1);
        QCOMPARE(Shown(dialog.TypicalTime()), 0.06);

        Enter(dialog.ShockPressure(), "1100.5");
        QVERIFY(RefusedAt(dialog, *prompt, dialog.ShockPressure()));
        // Accepted: the chosen valve is the selection's.
        Enter(dialog.ShockPressure(), "1100");
        script["Results"] = PressOk;
        FindButton(dialog, "OK")->click();
        QCOMPARE(dialog.result(), dlg::Ok);
        QCOMPARE(c.stored.sdShockReliefValve.Value(), 0.06);
        QVERIFY(c.stored.sdShockResponseTime.IsIdentical(CUnitDouble(0.04, "SEC")));
    }

    void VariablePumpShowsTheTypicalTimeAndProposesTheGaugeRule()
    {
        CPromptCapture prompt;
        CChainScript script;
        SWorkingCopies c;
        c.working.deSelectApp = 7;
        c.working.bShockVarOrFixed = 1;
        CShockPumpOverVariable dialog(c.s.product, c.working, c.stored);
        dialog.FlowUnit()->SelectUnit("GPM");
        Enter(dialog.Flow(), "30");
        dialog.OnFlowLeft();
        QCOMPARE(Shown(dialog.TypicalTime()), 0.06);
        // 2500 psig: 2500 + 200 proposed, within the 2514.7 + 200 psia allowed.
        dialog.PressureUnit()->SelectUnit("PSIG");
        Enter(dialog.SystemPressure(), "2500");
        dialog.OnSystemPressureLeft();
        QCOMPARE(dialog.ShockPressure()->text(), QStringLiteral("2700"));
        QCOMPARE(Shown(dialog.ComputedMaximum()), 2700.0);
        Enter(dialog.SystemPressure(), "");
        QVERIFY(RefusedAt(dialog, *prompt, dialog.ShockPressure()));
    }

    void PumpTypeChangedStartsAfreshAndTheSameKeepsTheEntries()
    {
        CPromptCapture prompt;
        CChainScript script;
        SWorkingCopies c;
        c.working.deSelectApp = 7;
        c.working.bShockVarOrFixed = 0;
        c.stored.bShockVarOrFixed = 0;
        c.working.sdFlowRate.Set(40.0, "GPM");
        CPumpOverChoice choice(c.s.product, c.working, c.stored);
        QVERIFY(choice.PumpType(0)->isChecked());
        FindButton(choice, "OK")->click(); // the fixed dialog, cancelled
        QCOMPARE(c.working.sdFlowRate.Value(), 40.0);
        choice.PumpType(1)->setChecked(true);
        FindButton(choice, "OK")->click();
        QCOMPARE(c.working.sdFlowRate.Value(), 0.0);
        QCOMPARE(c.working.bShockVarOrFixed, 1);
        QCOMPARE(c.stored.bShockVarOrFixed, 0); // only an accepted sizing changes it
        QCOMPARE(script.Titles(), QStringList({"Shock Due to Fixed Displacement Pump",
                                               "Shock due to Variable Volume Pump"}));
    }

    void PulsationLimitsPistonsAndItsDefaultPassesItsOwnCheck()
    {
        CPromptCapture prompt;
        CChainScript script;
        SWorkingCopies c;
        c.working.deSelectApp = 6;
        CPistonPumpPulsationDampening dialog(c.s.product, c.working, c.stored);
        QVERIFY(RefusedAt(dialog, *prompt, dialog.SystemPressure()));

        // 12 is refused at its second digit and cleared.
        prompt->Clear();
        QTest::keyClicks(dialog.Pistons(), "12");
        QCoreApplication::processEvents();
        QCOMPARE(prompt->Texts(), std::vector<std::string>{"Maximum Number of Pistons Allowed is 6."});
        QVERIFY(dialog.Pistons()->text().isEmpty());
        QTest::keyClicks(dialog.Pistons(), "6");
        QCoreApplication::processEvents();
        QCOMPARE(dialog.Pistons()->text(), QStringLiteral("6"));

        // 12 gpm at 1200 rpm: 0.01 gal = 2.31 in³ a revolution.
        dialog.DisplacementChoice(0)->click();
        dialog.FlowUnit()->SelectUnit("GPM");
        Enter(dialog.Flow(), "12");
        Enter(dialog.Speed(), "1200");
        QCOMPARE(Shown(dialog.CalculatedDisplacement()), 2.31);

        // 1500 psig proposes 1.05 x 1500.
        dialog.PressureUnit()->SelectUnit("PSIG");
        Enter(dialog.SystemPressure(), "1500");
        dialog.OnSystemPressureLeft();
        QCOMPARE(dialog.ShockPressure()->text(), QStringLiteral("1575"));
        QCOMPARE(Shown(dialog.CalculatedPrecharge()), 900.0);
        // 150 bar is above 2000 psig: the maximum is 100 psi above it, below 1.05 x 150 bar, and the
        // proposal follows that one rule, so OK goes on to the results.
        Enter(dialog.ShockPressure(), "");
        dialog.PressureUnit()->SelectUnit("BAR");
        Enter(dialog.SystemPressure(), "150");
        dialog.OnSystemPressureLeft();
        QVERIFY(dialog.ShockPressure()->GetDouble() <= Shown(dialog.ComputedMaximum()) + 0.005); // shown rounded
        QVERIFY(dialog.ShockPressure()->GetDouble() < 157.5);
        Enter(dialog.Temperature(), "70");
        dialog.PrechargeChoice(1)->click();
        Enter(dialog.Precharge(), "80");
        prompt->Clear();
        script["Results"] = PressOk;
        FindButton(dialog, "OK")->click();
        QVERIFY(prompt->Texts().empty());
        QCOMPARE(script.Titles(), QStringList{QStringLiteral("Results")});
        // The entered precharge's choice is the selection's.
        QCOMPARE(c.stored.bPrechargeIHaveUseCalc, 1);
    }
};

QTEST_MAIN(CProcessDialogsTest)
#include "ProcessDialogsTest.moc"
