// The dialogs of the other applications one by one: each refuses its first bad entry with the focus on
// its field, and what each adds beyond the checks (event list and editor, volume graph, gas state chart,
// the message for results that cannot be computed, the operating range), and what its OK stores.
#include "SizingFixture.h"
#include "app/OperatingRangeSetting.h"
#include "sizing/AuxPowActVolDispTime.h"
#include "sizing/AuxPowerSource.h"
#include "sizing/GasStateDialog.h"
#include "sizing/ResultDialog.h"
#include "sizing/SizingComparisonPanel.h"
#include "sizing/SuppMultiGraph.h"
#include "sizing/SuppPumpMultiAct.h"
#include "sizing/SuppPumpMultiActPump.h"
#include "sizing/SupPumpMultiEvent.h"

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QTableWidget>
#include <QtTest>

namespace
{
QStringList AxisTitles(QChartView* pView)
{
    QStringList titles;
    for (QAbstractAxis* pAxis : pView->chart()->axes())
        titles << pAxis->titleText();
    return titles;
}

// A cycle of 10 s at 3000 / 2000 psig with one listed event: 1 gal in 2 s from the start.
struct SMultiCopies : SWorkingCopies
{
    SMultiCopies()
    {
        working.deSelectApp = 2;
        working.sdMaxSysPress.Set(3000.0, "PSIG");
        working.sdMinSysPress.Set(2000.0, "PSIG");
        working.sdMultiEventTotalDuration.Set(10.0, "SEC");
        SEvent ev;
        ev.iActNo = 1;
        ev.iEventNo = 1;
        ev.bPumpAvail = 1;
        ev.enumActVolForEvent = 1;
        ev.sdVolume.Set(1.0, "GAL");
        ev.sdEvStartTime.Set(0.0, "SEC");
        ev.sdEvDuration.Set(2.0, "SEC");
        working.m_lstEvents = {ev};
        // Three times the average demand: 3 x 231 in³ / 10 s / 3.85 = 18 gpm.
        working.sdMinPumpFlow.Set(18.0, "GPM");
    }
};
} // namespace

class CApplicationDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void EventListChecksBeforeAddingAndEditsTheList()
    {
        CPromptCapture prompt;
        CChainScript script;
        SMultiCopies c;
        c.working.m_lstEvents.clear();
        c.working.sdMaxSysPress.Set(0.0, "PSIG");
        CSuppPumpMultiAct dialog(c.s.product, c.working, c.stored);
        // The list's own checks come first: no editor opens for an empty maximum pressure.
        dialog.OnAddActuator();
        QCOMPARE(prompt->Texts().size(), std::size_t(1));
        QVERIFY(FocusedAndSelected(dialog, dialog.MaxPressure()));
        QVERIFY(script.Titles().isEmpty());

        Enter(dialog.MaxPressure(), "3000");
        script["Actuator Event Information"] = [](QDialog& d)
        {
            auto& e = static_cast<CSupPumpMultiEvent&>(d);
            Enter(e.Duration(), "2");
            e.VolumeChoice(1)->click();
            Enter(e.Volume(), "1"); // a new event's volume is in gallons
            return PressOk(d);
        };
        dialog.OnAddActuator();
        dialog.OnAddEvent(); // of the highlighted actuator 1, from where its first event ended
        QCOMPARE(dialog.Grid()->rowCount(), 2);
        QStringList second;
        for (int nColumn = 0; nColumn < 7; ++nColumn)
            second << dialog.Grid()->item(1, nColumn)->text();
        QCOMPARE(second, QStringList({"1", "2", "yes", "2", "2", "30", "231"}));

        // Deleting with no highlighted row does nothing; with one, that event goes.
        dialog.Grid()->clearSelection();
        dialog.OnDeleteEvent();
        QCOMPARE(c.working.m_lstEvents.size(), std::size_t(2));
        dialog.Grid()->selectRow(1);
        dialog.OnDeleteEvent();
        QCOMPARE(dialog.Grid()->rowCount(), 1);
        QCOMPARE(c.working.m_lstEvents.front().iEventNo, 1);
        dialog.Grid()->selectRow(0);
        dialog.OnDeleteEvent();
        QCOMPARE(prompt->Texts().size(), std::size_t(1));
        FindButton(dialog, "OK")->click();
        QCOMPARE(prompt->Texts().size(), std::size_t(2));
        QCOMPARE(dialog.result(), 0);
        QVERIFY(c.stored.m_lstEvents.empty());
        // Accepted through the pump dialog: the list is the selection's.
        dialog.OnAddActuator();
        script["Supplementing Pump Flow"] = [](QDialog&) { return int(dlg::Ok); };
        FindButton(dialog, "OK")->click();
        QCOMPARE(dialog.result(), dlg::Ok);
        QCOMPARE(c.stored.m_lstEvents.size(), std::size_t(1));
    }

    void EventEditorRefusesWithTheFocusAndLeavesTheListAlone()
    {
        CPromptCapture prompt;
        SMultiCopies c;
        SEvent ev = c.working.m_lstEvents.front();
        ev.iEventNo = 2;
        CSupPumpMultiEvent dialog(c.s.product, c.working, c.stored, ev, std::nullopt);
        Enter(dialog.Start(), "11");
        QVERIFY(RefusedAt(dialog, *prompt, dialog.Start()));
        // 1.5 s into event 1.1 (0 to 2 s): the overlap is refused, the list unchanged.
        Enter(dialog.Start(), "1.5");
        QVERIFY(RefusedAt(dialog, *prompt, dialog.Start()));
        QCOMPARE(c.working.m_lstEvents.size(), std::size_t(1));
        // Cylinder dimensions: the volume of one 2 in bore's 10 in extension, 31.4 in³.
        Enter(dialog.Start(), "2");
        dialog.VolumeChoice(2)->click();
        dialog.DistanceUnit()->SelectUnit("IN");
        Enter(dialog.Bore(), "2");
        Enter(dialog.Rod(), "1");
        Enter(dialog.Stroke(), "10");
        FindButton(dialog, "OK")->click();
        QCOMPARE(dialog.result(), dlg::Ok);
        QCOMPARE(c.working.m_lstEvents.size(), std::size_t(2));
        QVERIFY(std::fabs(c.working.m_lstEvents[1].sdVolume.GetValue("CU_IN") - 31.4159) < 1e-4);
    }

    void PumpDialogRefusesASmallPumpAndShowsTheGraph()
    {
        CPromptCapture prompt;
        CChainScript script;
        SMultiCopies c;
        CSuppPumpMultiActPump dialog(c.s.product, c.working, c.stored);
        QCOMPARE(dialog.MinimumPump()->text(), QStringLiteral("18.00 gpm (US)"));
        QCOMPARE(dialog.PrechargeGroup()->PistonOptimum()->text(), QStringLiteral("1900.00 psi"));
        Enter(dialog.PumpSize(), "17.9");
        QVERIFY(RefusedAt(dialog, *prompt, dialog.PumpSize()));

        QStringList titles;
        QString strMinimum;
        int nPoints = 0;
        script["Volume Graph"] = [&](QDialog& d)
        {
            auto& g = static_cast<CSuppMultiGraph&>(d);
            titles = AxisTitles(g.ChartView());
            strMinimum = g.MinimumPump()->text();
            nPoints = static_cast<int>(
                static_cast<QLineSeries*>(g.ChartView()->chart()->series().front())->count());
            return dlg::Ok;
        };
        Enter(dialog.PumpSize(), "20");
        dialog.OnViewGraph();
        QCOMPARE(titles, QStringList({"sec", "in³"}));
        QCOMPARE(strMinimum, QStringLiteral("18.00 gpm (US)"));
        QCOMPARE(nPoints, 1201);
    }

    void AuxiliaryPowerRefusesAnEmptyMaximumAndReportsWhatCannotBeComputed()
    {
        CPromptCapture prompt;
        CChainScript script;
        SWorkingCopies c;
        c.working.deSelectApp = 3;
        // The displacement dialog of auxiliary power finds no minimum pump flow and opens its own dialog.
        c.working.sdMinPumpFlow.Set(0.0, "GPM");
        {
            CAuxPow_CSupPumpActVolDispTime volume(c.s.product, c.working, c.stored);
            Enter(volume.Volume(), "100");
            Enter(volume.ActuationTime(), "1");
            Enter(volume.DwellTime(), "10");
            FindButton(volume, "OK")->click();
            QCOMPARE(script.Titles(), QStringList{QStringLiteral("Auxiliary Power Source")});
            QCOMPARE(c.working.sdMinPumpFlow.Value(), 0.0);
        }
        CAuxPowerSource dialog(c.s.product, c.working, c.stored);
        QVERIFY(RefusedAt(dialog, *prompt, dialog.MaxPressure()));
        // Equal pressures pass the checks but give no finite volume: one message, the entries kept.
        dialog.PressureUnit()->SelectUnit("PSIG");
        Enter(dialog.MaxPressure(), "2000");
        Enter(dialog.MinPressure(), "2000");
        Enter(dialog.Temperature(), "70");
        prompt->Clear();
        FindButton(dialog, "OK")->click();
        QCOMPARE(prompt->Texts(), std::vector<std::string>{"The accumulator cannot be sized with these entries: the "
                                                           "maximum and minimum pressures are equal.\nPlease change "
                                                           "the entries of the application."});
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(dialog.MinPressure()->text(), QStringLiteral("2000"));
        QCOMPARE(script.Titles().size(), 1); // no results
    }

    void OperatingRangeIsCheckedShownKeptAndOfferedAgain()
    {
        CPromptCapture prompt;
        CChainScript script;
        SWorkingCopies c;
        CAccumulatorData& w = c.working;
        w.deSelectApp = 3;
        w.sdActVolDisplacement.Set(100.0, "CU_IN");
        w.sdActuationTime.Set(2.0, "SEC");
        w.sdDwellTime.Set(20.0, "SEC");
        QString strWarnings;
        bool bBounds = false;
        script["Results"] = [&](QDialog& d)
        {
            const CSizingComparisonPanel* pPanel = static_cast<CResultDialog&>(d).Comparison();
            bBounds = pPanel->Bounds() != nullptr;
            strWarnings = pPanel->Range() ? pPanel->Warnings()->text() : QString();
            return dlg::Ok;
        };
        CAuxPowerSource dialog(c.s.product, w, c.stored);
        dialog.PressureUnit()->SelectUnit("PSIG");
        Enter(dialog.MaxPressure(), "3000");
        Enter(dialog.MinPressure(), "2000");
        Enter(dialog.Temperature(), "70");
        auto* pMin = static_cast<CEditNumeric*>(dialog.FieldControl("sdOperatingTempMin"));
        auto* pMax = static_cast<CEditNumeric*>(dialog.FieldControl("sdOperatingTempMax"));
        QVERIFY(pMin->text().isEmpty() && pMax->text().isEmpty());
        Enter(pMin, "-20");
        QVERIFY(RefusedAt(dialog, *prompt, pMax));
        QVERIFY(script.Titles().isEmpty());
        Enter(pMax, "140");
        FindButton(dialog, "OK")->click();
        QCOMPARE(dialog.result(), dlg::Ok);
        QVERIFY(bBounds);
        QVERIFY2(strWarnings.startsWith("Warning: at -20 °F the accumulator falls short of the required volume; "
                                        "it would need "),
                 qPrintable(strWarnings));
        // Kept with the accepted selection and as the range last used, which a new sizing is offered.
        const SOperatingTemperatures entered{true, true, CUnitDouble(-20.0, "DEG_F"), CUnitDouble(140.0, "DEG_F")};
        QVERIFY(c.stored.m_operatingTemperatures == entered);
        QVERIFY(ReadLastOperatingRange(c.s.host.m_settings) == entered);
        SWorkingCopies fresh;
        fresh.s.host.m_settings = c.s.host.m_settings;
        fresh.working.deSelectApp = 3;
        CAuxPowerSource next(fresh.s.product, fresh.working, fresh.stored);
        QCOMPARE(static_cast<CEditNumeric*>(next.FieldControl("sdOperatingTempMax"))->text(), QStringLiteral("140"));
        // Without a range the results show the bounds alone.
        w.m_operatingTemperatures = {};
        CResultDialog results(c.s.product, w, c.stored);
        QVERIFY(results.Comparison()->Bounds() && !results.Comparison()->Range());
    }

    void ResultsOpenTheGasStateChartOfASizedAccumulator()
    {
        CPromptCapture prompt;
        CChainScript script;
        SWorkingCopies c;
        CAccumulatorData& w = c.working;
        w.deSelectApp = 3;
        w.sdRequiredAccumulatorVol.Set(500.0, "CU_IN");
        w.sdMaxSysPress.Set(200.0, "BAR");
        w.sdMinSysPress.Set(140.0, "BAR");
        w.sdPrechargePress.Set(125.0, "BAR");
        w.sdSysTemperature.Set(20.0, "DEG_C");
        w.sdActuationTime.Set(2.0, "SEC");
        w.sdPolyTropicExponent.Set(1.4, "NONE");
        QStringList titles;
        int nSeries = 0;
        script["Gas State"] = [&](QDialog& d)
        {
            auto& g = static_cast<CGasStateDialog&>(d);
            titles = AxisTitles(g.ChartView());
            nSeries = static_cast<int>(g.ChartView()->chart()->series().size());
            return dlg::Ok;
        };
        {
            CResultDialog results(c.s.product, w, c.stored);
            QVERIFY(results.GasStateButton()->isEnabled());
            results.GasStateButton()->click();
        }
        // Pressure and temperature in the units entered, the volume in the user's default (in³ for the U.S.).
        QCOMPARE(titles, QStringList({"sec", "Gas Pressure (bar a)", "Gas Temperature (°C)", "Gas Volume (in³)"}));
        QCOMPARE(nSeries, 3);

        w.sdRequiredAccumulatorVol.Set(0.0, "CU_IN");
        CResultDialog none(c.s.product, w, c.stored);
        QVERIFY(!none.GasStateButton()->isEnabled());
    }
};

QTEST_MAIN(CApplicationDialogsTest)
#include "ApplicationDialogsTest.moc"
