// The sizing dialogs one by one (preselection, check order with the focus, the precharge question, results),
// and what their chains store on OK, Cancel and 2100.
#include "SizingFixture.h"
#include "sizing/ReqAccCapSize.h"
#include "sizing/ResultDialog.h"
#include "sizing/AuxPowActVolDispTime.h"
#include "sizing/AuxPowCylDimensions.h"
#include "sizing/AuxPowSelCalcMeth.h"
#include "sizing/AuxPowerSource.h"
#include "sizing/SuppPumpMultiAct.h"
#include "sizing/SuppPumpMultiActPump.h"
#include "sizing/SupPumpCylDimensions.h"
#include "sizing/SupPumpMultiEvent.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

#include <memory>

namespace
{
// What the actuator dialog leaves for the pump dialog: 385 in3 over 5 s and 5 s, 10 gpm.
struct SCopies : SWorkingCopies
{
    SCopies()
    {
        working.deSelectApp = 1;
        working.sdActVolDisplacement.Set(385.0, "CU_IN");
        working.sdActuationTime.Set(5.0, "SEC");
        working.sdDwellTime.Set(5.0, "SEC");
        working.sdMinPumpFlow.Set(10.0, "GPM");
    }
};

void Pass(CSupPumpFlow& f)
{
    Enter(f.PumpSize(), "20");
    Enter(f.MaxPressure(), "3000");
    Enter(f.MinPressure(), "2000");
    Enter(f.Temperature(), "70");
    f.PrechargeChoice(CSupPumpFlow::kIHave)->click();
    Enter(f.Precharge(), "1800");
}

const QString kDescribe = QStringLiteral("Describe Application");
const QString kCapacity = QStringLiteral("Required Accumulator Capacity / Size");
const QString kCylinders = QStringLiteral("Cylinder Dimensions");
const QString kPumpFlow = QStringLiteral("Supplementing Pump Flow");
const QString kResults = QStringLiteral("Results");

// Retract strokes of two 4 x 2 x 10 in cylinders.
int Cylinders(QDialog& d)
{
    auto& c = static_cast<CSupPumpCylDimensions&>(d);
    for (auto [pEdit, pszText] : {std::pair{c.Bore(), "4"},
                                  {c.Rod(), "2"},
                                  {c.Stroke(), "10"},
                                  {c.Cylinders(), "2"},
                                  {c.ActuationTime(), "2"},
                                  {c.DwellTime(), "8"}})
        Enter(pEdit, pszText);
    c.StrokeButton(1)->setChecked(true);
    return PressOk(d);
}
} // namespace

class CSizingDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void DescribePreselectsAndOpensEachApplicationsFirstDialog()
    {
        CPromptCapture prompt;
        CChainScript script;
        SCopies c;
        for (const auto& [nStored, nChecked] : {std::pair{8, 0}, {5, 5}, {42, 0}, {-1, 0}})
        {
            c.working.deSelectApp = nStored;
            CDescribeApplication dialog(c.s.product, c.working, c.stored);
            QCOMPARE(dialog.CheckedApplication(), nChecked);
        }
        // Each application opens the first dialog of its chain (cancelled here: this one stays open).
        c.working.deSelectApp = 1;
        c.working.sdMaxSysPress.Set(1234.0, "PSIG");
        CDescribeApplication dialog(c.s.product, c.working, c.stored);
        dialog.ApplicationButton(1)->click();
        FindButton(dialog, "OK")->click();
        QCOMPARE(c.working.sdMaxSysPress.Value(), 1234.0); // the same application keeps its entries
        for (int nApp : {2, 3, 4, 5, 6, 7, 0})
        {
            dialog.ApplicationButton(nApp)->click();
            FindButton(dialog, "OK")->click();
            QCOMPARE(dialog.result(), 0);
            QCOMPARE(c.working.deSelectApp, nApp);
        }
        QCOMPARE(script.Titles(), QStringList({"Select a Calculation Method",
                                               "Supplementing Pump Flow - Multiple Events",
                                               "Select a Calculation Method", "Holding / Leakage Compensation",
                                               "Shock Suppression", "Piston Pump Pulsation Dampening",
                                               "Select Pump Type", "Required Accumulator Capacity / Size"}));
        // Another application started afresh; nothing reached the stored selection.
        QCOMPARE(c.working.sdMaxSysPress.Value(), 0.0);
        QCOMPARE(c.stored.strApplicationText, std::string());
        QVERIFY(prompt->Texts().empty());
    }

    void KnownCapacityChecksInOrderWithTheFocusOnTheField()
    {
        CPromptCapture prompt;
        SCopies c;
        CReqAccCapSize dialog(c.s.product, c.working, c.stored);
        auto refuses = [&](const char* pszCapacity, const char* pszPressure, QLineEdit* pField)
        {
            Enter(dialog.Capacity(), pszCapacity);
            Enter(dialog.Pressure(), pszPressure);
            return RefusedAt(dialog, *prompt, pField);
        };
        QVERIFY(refuses("70000", "0", dialog.Capacity()));
        QVERIFY(refuses("100", "", dialog.Pressure()));
        QVERIFY(c.stored.sdRequiredAccumulatorVol.Value() == 0.0); // nothing copied while refused
    }

    void PumpFlowShowsOptimaAndChecksInOrderWithTheFocusOnTheField()
    {
        CPromptCapture prompt;
        CChainScript script;
        SCopies c;
        CSupPumpFlow dialog(c.s.product, c.working, c.stored);
        QCOMPARE(dialog.MinimumPump()->text(), QStringLiteral("10.00 gpm (US)"));
        QVERIFY(dialog.PistonOptimum()->text().isEmpty() && !dialog.Precharge()->isEnabled());
        Enter(dialog.MinPressure(), "500");
        QCOMPARE(dialog.PistonOptimum()->text(), QStringLiteral("450.00 psi"));
        QCOMPARE(dialog.BladderOptimum()->text(), QStringLiteral("450.00 psi"));
        dialog.PressureUnit()->SelectUnit("BAR"); // 500 bar is 7237 psig: 100 psi less, back in bar
        QCOMPARE(dialog.PistonOptimum()->text(), QStringLiteral("493.11 bar a"));
        QVERIFY(dialog.PistonOptimum()->accessibleName().endsWith("493.11 bar a"));
        dialog.PressureUnit()->SelectUnit("PSIG");
        // Passing entries with the first field made wrong, and a later one too (which must wait).
        auto refuses = [&](CEditNumeric* pFirst, const char* pszFirst, CEditNumeric* pLater, const char* pszLater)
        {
            Pass(dialog);
            Enter(pLater, pszLater);
            Enter(pFirst, pszFirst);
            return RefusedAt(dialog, *prompt, pFirst);
        };
        CSupPumpFlow& f = dialog;
        f.PumpRunning(false)->click(); // the pump is checked even when it does not run during actuation
        // One refusal per field (the limits are pinned in the core tables).
        QVERIFY(refuses(f.PumpSize(), "9.99", f.MaxPressure(), ""));
        QVERIFY(refuses(f.MaxPressure(), "", f.MinPressure(), ""));
        QVERIFY(refuses(f.MinPressure(), "3000.5", f.Temperature(), "401"));
        QVERIFY(refuses(f.Temperature(), "401", f.Precharge(), ""));
        QVERIFY(refuses(f.Precharge(), "2000.5", f.Precharge(), ""));
        QVERIFY(script.Titles().isEmpty());
    }

    void PrechargeTooHighNoReturnsToThePrechargeYesGoesOn()
    {
        CPromptCapture prompt;
        CChainScript script;
        SCopies c;
        CSupPumpFlow dialog(c.s.product, c.working, c.stored);
        Pass(dialog);
        dialog.PumpRunning(false)->click();
        Enter(dialog.MinPressure(), "2950");
        Enter(dialog.Precharge(), "2950"); // equal to the minimum: passes, but above the optimum 2850
        prompt->Script({EPromptAnswer::No});
        FindButton(dialog, "OK")->click();
        QVERIFY(Says(*prompt, "2850"));
        QVERIFY(FocusedAndSelected(dialog, dialog.Precharge()));
        QVERIFY(script.Titles().isEmpty());

        prompt->Script({EPromptAnswer::Yes});
        script[QStringLiteral("Results")] = [](QDialog& d)
        {
            d.reject();
            return d.result();
        };
        FindButton(dialog, "OK")->click();
        QCOMPARE(script.Titles(), QStringList{QStringLiteral("Results")});
        QCOMPARE(c.working.sdPrechargePress.Value(), 2950.0);
        QCOMPARE(c.working.bIsPumpRunning, 0); // the answer No, as given
        QCOMPARE(dialog.result(), 0); // results cancelled: back in this dialog
    }

    void ResultsShowFiguresOrZerosAndConfirmAChange()
    {
        CPromptCapture prompt;
        SCopies c;
        c.working.sdRequiredAccumulatorVol.Set(231.0, "CU_IN");
        c.working.sdPrechargePress.Set(1800.0, "PSIG");
        c.working.sdPolyTropicExponent.Set(1.4567, "NONE");
        c.working.iCriticalActuator = 2;
        c.working.iCriticalEvent = 3;
        {
            CResultDialog dialog(c.s.product, c.working, c.stored);
            QStringList figures;
            for (int i = 0; i < 6; ++i)
                figures << dialog.Figure(i)->text();
            QCOMPARE(figures,
                     QStringList({"231.0 in³", "1.00 gal (US)", "3.79 L", "1800 psi", "124.1 bar g", "1.46"}));
            QVERIFY(dialog.Figure(6)->isHidden() && dialog.ChargingCaption()->isHidden());
            QVERIFY(dialog.CriticalEvent()->text().startsWith(
                "The critical event occurs at Actuator 2 Event 3."));
            QVERIFY(prompt->Texts().empty());
            // A change asks first; No ends as Cancel, never as OK.
            prompt->Script({EPromptAnswer::No});
            c.s.Current().m_nLevel = 2;
            c.s.Current().strAccumulatorDesc = "Piston accumulator";
            FindButton(dialog, "OK")->click();
            QCOMPARE(dialog.result(), dlg::Cancel);
        }
        c.working.sdRequiredAccumulatorVol.Set(-1.0, "CU_IN");
        c.working.sdPolyTropicExponentCharging.Set(1.3, "NONE");
        prompt->Clear();
        CResultDialog dialog(c.s.product, c.working, c.stored, true);
        QCOMPARE(dialog.Figure(0)->text(), QStringLiteral("0.0 in³"));
        QCOMPARE(dialog.Figure(5)->text(), QStringLiteral("0.00"));
        QVERIFY(!dialog.Figure(6)->isHidden());
        QVERIFY(dialog.CriticalEvent()->isHidden());
        QCOMPARE(prompt->Texts().size(), std::size_t(1)); // no accumulator required
        FindButton(dialog, "OK")->click();
        QCOMPARE(dialog.result(), dlg::Ok); // display only: no question
    }

    void EveryDialogNamesItsControlsAndAnswersHelpAndReference()
    {
        CPromptCapture prompt;
        SCopies c;
        c.working.sdRequiredAccumulatorVol.Set(100.0, "CU_IN");
        std::vector<std::pair<std::unique_ptr<QDialog>, const char*>> dialogs;
        dialogs.emplace_back(new CDescribeApplication(c.s.product, c.working, c.stored), "APPLICATIONS.PDF");
        dialogs.emplace_back(new CSupPumpSelCalcMethod(c.s.product, c.working, c.stored), "APPLICATIONS.PDF");
        dialogs.emplace_back(new CReqAccCapSize(c.s.product, c.working, c.stored), "SIZING.PDF");
        dialogs.emplace_back(new CResultDialog(c.s.product, c.working, c.stored), "SIZING.PDF");
        dialogs.emplace_back(new CSuppPumpActVolDispTime(c.s.product, c.working, c.stored), "SIZING.PDF");
        dialogs.emplace_back(new CSupPumpCylDimensions(c.s.product, c.working, c.stored), "SIZING.PDF");
        dialogs.emplace_back(new CSupPumpFlow(c.s.product, c.working, c.stored), "SIZING.PDF");
        dialogs.emplace_back(new CSuppPumpMultiAct(c.s.product, c.working, c.stored), "SIZING.PDF");
        dialogs.emplace_back(new CSupPumpMultiEvent(c.s.product, c.working, c.stored, SEvent(), std::nullopt),
                             "SIZING.PDF");
        dialogs.emplace_back(new CSuppPumpMultiActPump(c.s.product, c.working, c.stored), "SIZING.PDF");
        dialogs.emplace_back(new CAuxPow_SelCalcMeth(c.s.product, c.working, c.stored), "APPLICATIONS.PDF");
        dialogs.emplace_back(new CAuxPow_CSupPumpActVolDispTime(c.s.product, c.working, c.stored), "SIZING.PDF");
        dialogs.emplace_back(new CAuxPow_CSupPumpCylDimensions(c.s.product, c.working, c.stored), "SIZING.PDF");
        dialogs.emplace_back(new CAuxPowerSource(c.s.product, c.working, c.stored), "SIZING.PDF");
        for (auto& [pDialog, pszTopic] : dialogs)
        {
            for (QWidget* pWidget : pDialog->findChildren<QWidget*>())
                // A grid's corner button is part of the grid, which is named.
                if ((qobject_cast<QAbstractButton*>(pWidget) &&
                     !qobject_cast<QAbstractItemView*>(pWidget->parentWidget())) ||
                    qobject_cast<QLineEdit*>(pWidget) || qobject_cast<QComboBox*>(pWidget) ||
                    qobject_cast<QLabel*>(pWidget))
                    QVERIFY2(!pWidget->accessibleName().isEmpty() || pWidget->isHidden(),
                             qPrintable(pDialog->windowTitle() + ": " + pWidget->metaObject()->className()));
            prompt->Clear();
            FindButton(*pDialog, "Reference")->click();
            FindButton(*pDialog, "Help")->click();
            QCOMPARE(prompt->Texts().size(), std::size_t(2));
            QVERIFY(prompt->Texts()[0].find(pszTopic) != std::string::npos);
            // Help asks for the dialog's own topic, by the class F1 finds it by.
            QCOMPARE(prompt->Texts()[1], std::string("The help is not installed."));
            QCOMPARE(QString::fromStdString(c.s.host.m_helpAsked.back()), QString(pDialog->metaObject()->className()));
            // Escape ends with Cancel.
            QTest::keyClick(pDialog.get(), Qt::Key_Escape);
            QCOMPARE(pDialog->result(), dlg::Cancel);
        }
    }

    void KnownCapacityIsAcceptedAskedAboutAndAnUnchangedRerunEnds2100()
    {
        CPromptCapture prompt;
        SAccumulators s;
        CChainScript script;
        script[kDescribe] = PressOk; // the first application is preselected
        script[kCapacity] = [](QDialog& d)
        {
            auto& c = static_cast<CReqAccCapSize&>(d);
            Enter(c.Capacity(), "250");
            c.CapacityUnit()->SelectUnit("L");
            Enter(c.Pressure(), "3000");
            return PressOk(d);
        };
        QCOMPARE(s.product.OnDescribeApplication(), dlg::Ok);
        QCOMPARE(s.Current().strApplicationText, std::string("I know the required accumulator capacity"));
        QCOMPARE(s.Current().deSelectApp, 0);
        QVERIFY(s.Current().sdRequiredAccumulatorVol.IsIdentical(CUnitDouble(250.0, "L")));
        QVERIFY(s.Current().sdMaxSysPress.IsIdentical(CUnitDouble(3000.0, "PSIG")));
        QCOMPARE(s.Current().m_nLevel, 1);
        QVERIFY(prompt->Texts().empty());

        // Reopened, the entries are there; OK on them changes nothing.
        script[kCapacity] = [](QDialog& d)
        {
            auto& c = static_cast<CReqAccCapSize&>(d);
            const bool bShown =
                c.Capacity()->text() == "250" && c.CapacityUnit()->GetSelectedUnitCode() == "L";
            return bShown ? PressOk(d) : dlg::Cancel;
        };
        QCOMPARE(s.product.OnDescribeApplication(), dlg::CloseChain);

        // A chosen model would be lost: Cancel keeps the dialog open, No ends it (Yes: PistonSelectionTest).
        s.Current().m_nLevel = 2;
        s.Current().strAccumulatorDesc = "Piston accumulator";
        script[kCapacity] = [](QDialog& d)
        {
            Enter(static_cast<CReqAccCapSize&>(d).Capacity(), "100");
            FindButton(d, "OK")->click();
            return d.result() == 0 ? PressOk(d) : dlg::Cancel;
        };
        prompt->Script({EPromptAnswer::Cancel, EPromptAnswer::No});
        QCOMPARE(s.product.OnDescribeApplication(), dlg::Cancel);
        QCOMPARE(prompt->Texts().size(), std::size_t(2));
        QCOMPARE(s.Current().m_nLevel, 2);
    }

    void CylinderChainStoresWhatEachDialogAcceptedAndReopensWithIt()
    {
        CPromptCapture prompt;
        SAccumulators s;
        CChainScript script;
        ScriptPumpFlow(script, 1, "2000");
        script[kCylinders] = Cylinders;
        // Results cancelled: each dialog stays open until the user leaves it; nothing is kept.
        script[kResults] = [](QDialog& d)
        {
            d.reject();
            return d.result();
        };
        const CAccumulatorData before(s.Current());
        QCOMPARE(s.product.OnDescribeApplication(), dlg::Cancel);
        QVERIFY(s.Current().IsEqual(before));

        script[kResults] = PressOk;
        QCOMPARE(s.product.OnDescribeApplication(), dlg::Ok);
        QVERIFY(prompt->Texts().empty());
        // What the dialogs accepted, in the units typed: two retract strokes of pi/4 (16 - 4) 10 in³, and
        // a minimum pump of that volume over the 10 s cycle (3.85 in³/s per gpm).
        const CAccumulatorData& held = s.Current();
        QCOMPARE(held.deSelectCalcMethod, 1);
        QVERIFY(held.sdDwellTime.IsIdentical(CUnitDouble(8.0, "SEC")));
        QVERIFY(std::fabs(held.sdActVolDisplacement.GetValue("CU_IN") - 188.4956) < 1e-4);
        QVERIFY(std::fabs(held.sdMinPumpFlow.GetValue("GPM") - 188.4956 / 10.0 / 3.85) < 1e-4);

        // Reopened: every dialog shows the accepted entries; OK through them changes nothing.
        QStringList shown;
        script[kCylinders] = [&](QDialog& d)
        {
            auto& c = static_cast<CSupPumpCylDimensions&>(d);
            for (CEditNumeric* pEdit :
                 {c.Bore(), c.Rod(), c.Stroke(), c.Cylinders(), c.ActuationTime(), c.DwellTime()})
                shown << pEdit->text();
            return c.StrokeButton(1)->isChecked() ? PressOk(d) : dlg::Cancel;
        };
        script[kPumpFlow] = [&](QDialog& d)
        {
            auto& f = static_cast<CSupPumpFlow&>(d);
            for (CEditNumeric* pEdit : {f.PumpSize(), f.MaxPressure(), f.MinPressure(), f.Temperature()})
                shown << pEdit->text();
            return PressOk(d);
        };
        QCOMPARE(s.product.OnDescribeApplication(), dlg::CloseChain);
        QCOMPARE(shown, QStringList({"4", "2", "10", "2", "2", "8", "10", "3000", "2000", "70"}));
    }
};

QTEST_MAIN(CSizingDialogsTest)
#include "SizingDialogsTest.moc"
