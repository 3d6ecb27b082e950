// The bladder, diaphragm and gas bottle details dialogs: what they preselect and show, the
// fluid port's size, the seal assistant of their type, and OK refused or ending the step.
#include "ModelsFixture.h"

#include "controls/CodeComboBox.h"
#include "models/ChooseSeals.h"
#include "models/DetailsBladder1.h"
#include "models/DetailsDiaphragm.h"
#include "models/DetailsGB1.h"
#include "models/GasBottleSearch.h"
#include "models/GasBottleSelect.h"
#include "products/DesktopStepDialogs.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

namespace
{
// Accumulators sized for 100 in³ at 3000 psi, and the first model of a type chosen.
struct SFamilyProduct : SModelProduct
{
    bool Modelled(const std::string& strType)
    {
        if (!Sized())
            return false;
        int nResult = 0;
        steps.m_fnModel = [&](CAccumulatorChooseModel& dialog)
        {
            const auto& rows = dialog.Search().rows;
            const auto it =
                std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.strType == strType; });
            if (it == rows.end())
                return dlg::Cancel;
            dialog.Grid()->selectRow(static_cast<int>(it - rows.begin()));
            dialog.OnOk();
            return nResult = dialog.result();
        };
        product.OnChooseModel();
        return nResult == dlg::Ok;
    }
};

// The two copies the product object hands to a step: details (level 3), or "Select Gas Bottle" (2).
struct SCopies
{
    explicit SCopies(const CAccumulatorData& current, int nLevel = 3) : working(current), result(current)
    {
        if (nLevel == 2)
            working.Initialize(2);
        result.Initialize(nLevel);
    }
    CAccumulatorData working;
    CAccumulatorData result;
};

QString Shown(CCodeComboBox* pBox)
{
    return pBox->GetCode(pBox->currentIndex());
}

QStringList Codes(CCodeComboBox* pBox)
{
    QStringList codes;
    for (int i = 0; i < pBox->count(); ++i)
        codes << pBox->GetCode(i);
    return codes;
}

QStringList Items(QListWidget* pList)
{
    QStringList items;
    for (int i = 0; i < pList->count(); ++i)
        items << pList->item(i)->text();
    return items;
}

// OK pressed: the dialog's result, 0 while it stays open.
int PressOkOf(QDialog& dialog)
{
    FindButton(dialog, "OK")->click();
    return dialog.result();
}
} // namespace

class CFamilyDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void BladderDetailsShowTheModelsDefaultsAndThePortSizeOfTheChosenPort()
    {
        CPromptCapture prompt;
        SFamilyProduct s;
        QVERIFY(s.Modelled("Bladder"));
        SCopies c(*s.product.AccumulatorData());
        CDetailsBladder1 dialog(s.product, c.working, c.result);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose Accumulator Details - Bladder Type"));
        QCOMPARE(Shown(dialog.SealBox()), QStringLiteral("-N"));
        // The catalogue's order, the default first.
        QCOMPARE(Codes(dialog.CertificationBox()), (QStringList{"_", "-CE", "-AS", "-DN"}));
        QCOMPARE(Shown(dialog.ConstructionBox()), QStringLiteral("S"));
        QCOMPARE(Items(dialog.HydraulicPortList()),
                 (QStringList{"SAE Straight Thread Fluid Port", "Oversize SAE Straight Thread Fluid Port"}));
        QCOMPARE(dialog.HydraulicPortList()->currentRow(), 0);
        QCOMPARE(dialog.PortSize()->text(), QStringLiteral("SAE-16 (1-5/16-12 UN)"));
        dialog.HydraulicPortList()->setCurrentRow(1);
        QCOMPARE(dialog.PortSize()->text(), QStringLiteral("SAE-24 (1-7/8-12 UN)"));
        QCOMPARE(PressOkOf(dialog), dlg::Ok);
        QCOMPARE(c.result.cpcHydPortCode.m_strCode, std::string("O"));
        QCOMPARE(c.working.cpcHydPortCode.m_strCode, std::string("O"));
        QVERIFY(prompt->Texts().empty());

    }

    void AListTheNumberNeedsLeftEmptyRefusesOkAndKeepsTheStepOpen()
    {
        CPromptCapture prompt;
        SFamilyProduct s;
        QVERIFY(s.Modelled("Bladder"));
        SCopies c(*s.product.AccumulatorData());
        c.working.cpcSeriesCode.m_strCode = "ZZ"; // a series whose constructions the catalogue lacks
        CDetailsBladder1 dialog(s.product, c.working, c.result);
        QCOMPARE(dialog.ConstructionBox()->count(), 0);
        QCOMPARE(PressOkOf(dialog), 0);
        QCOMPARE(prompt->Texts().size(), std::size_t(1));
        QVERIFY(prompt->Texts().front().find("\"Construction\"") != std::string::npos);
        QCOMPARE(c.result.cpcHydPortCode, CPartCode()); // nothing written
    }

    void DiaphragmSealAssistantOffersTheCompoundsOfItsType()
    {
        CPromptCapture prompt;
        CScriptedRunner runner;
        SFamilyProduct s;
        s.steps.m_capacity = CUnitDouble(40.0, "CU_IN");
        QVERIFY(s.Modelled("Diaphragm"));
        QStringList offered;
        runner.m_fnScript = [&](QDialog& d)
        {
            auto& seals = static_cast<CChooseSeals&>(d);
            offered = Items(seals.SealClassList());
            seals.SealClassList()->setCurrentRow(offered.indexOf("Ethylene Propylene (EPDM)"));
            seals.OnOk();
            return d.result();
        };
        SCopies c(*s.product.AccumulatorData());
        CDetailsDiaphragm dialog(s.product, c.working, c.result);
        QCOMPARE(Codes(dialog.ConstructionBox()), (QStringList{"W", "T", "X"}));
        FindButton(dialog, "Selection Assistance")->click();
        QCOMPARE(Shown(dialog.SealBox()), QStringLiteral("-E"));
        // Diaphragm compounds only: butyl and fluorocarbon are not among them.
        QCOMPARE(offered, (QStringList{"Nitrile (NBR)", "Low-Temperature Nitrile (NBR)",
                                       "Hydrogenated Nitrile (HNBR)", "Ethylene Propylene (EPDM)"}));
        QCOMPARE(PressOkOf(dialog), dlg::Ok);
        QCOMPARE(c.result.cpcSealCode.m_strCode, std::string("-E"));
        // Reopened alike: 2100, as every details dialog ends (ModelDialogsTest's piston details).
    }

    void GasBottleDetailsOfferTheSeriesPortsAndRefuseWithoutThem()
    {
        CPromptCapture prompt;
        SFamilyProduct s;
        QVERIFY(s.Sized());
        IDatabase& db = *s.product.Database();
        CAccumulatorData bottle(*s.product.AccumulatorData());
        bottle.Initialize(2);
        const std::vector<SGbList> rows = GasBottleList(2, CUnitDouble(5000.0, "PSIG"), db);
        QVERIFY(!rows.empty());
        ApplyGasBottleChoice(bottle, rows.front(), CUnitDouble(5000.0, "PSIG"), 2, "N", db);
        bottle.m_nLevel = 2;
        SCopies c(bottle);
        CDetailsGB1 dialog(s.product, c.working, c.result);
        QCOMPARE(Shown(dialog.GasPortBox()), QStringLiteral("-S"));
        QCOMPARE(Shown(dialog.ValvePortBox()), QStringLiteral("1"));
        SelectCode(dialog.ValvePortBox(), "0");
        QCOMPARE(PressOkOf(dialog), dlg::Ok);
        QCOMPARE(c.result.cpcGasValveCode, CPartCode("0", 5, "No Gas Valve (Port Plugged)"));

        c.working.cpcSeriesCode.m_strCode = "ZZ";
        CDetailsGB1 unknown(s.product, c.working, c.result);
        QCOMPARE(PressOkOf(unknown), 0);
        QVERIFY(prompt->Texts().back().find("\"Gas Port\"") != std::string::npos);
    }

    void GasBottleSelectRefusesOkUntilAPressureAndABottleAreChosen()
    {
        CPromptCapture prompt;
        SFamilyProduct s;
        QVERIFY(s.Sized());
        SCopies c(*s.product.AccumulatorData(), 2);
        CGasBottleSelect dialog(s.product, c.working, c.result);
        // A fresh selection shows every bottle; no pressure was chosen yet, so no bottle is listed.
        QVERIFY(dialog.TypeButton(3)->isChecked());
        QCOMPARE(Items(dialog.PressureList()), (QStringList{"3000 psi", "210 bar g", "5000 psi"}));
        QCOMPARE(dialog.PressureList()->currentRow(), -1);
        QCOMPARE(dialog.BottleList()->topLevelItemCount(), 0);
        QCOMPARE(PressOkOf(dialog), 0);
        QCOMPARE(prompt->Texts().back(), std::string("Please make a selection from the pressure list."));

        // The rows' cells are GasBottleSearch's.
        dialog.PressureList()->setCurrentRow(1);
        QCOMPARE(dialog.BottleList()->topLevelItem(0)->text(0), QStringLiteral("Gas Bottle, 210 bar, 10 L"));
        QCOMPARE(PressOkOf(dialog), 0);
        QCOMPARE(prompt->Texts().size(), std::size_t(2)); // the bottle list's message: not the pressure's
        QCOMPARE(c.result.cpcSeriesCode, CPartCode()); // nothing written while refused

        // A type of its own: the piston-style bottles, at their one pressure, with their bores.
        dialog.TypeButton(0)->click();
        QCOMPARE(Items(dialog.PressureList()), QStringList{"3000 psi"});
        dialog.PressureList()->setCurrentRow(0);
        QCOMPARE(dialog.BottleList()->topLevelItem(0)->text(2), QStringLiteral("7 in"));
        dialog.BottleList()->setCurrentItem(dialog.BottleList()->topLevelItem(0));
        QVERIFY(dialog.AdditionalInformation()->toPlainText().startsWith("The flow rate was not calculated"));

        // A pressure row that keeps only the focus, its selection cleared, is no choice.
        dialog.PressureList()->clearSelection();
        QCOMPARE(dialog.PressureList()->currentRow(), 0);
        QCOMPARE(PressOkOf(dialog), 0);
        QCOMPARE(prompt->Texts().back(), std::string("Please make a selection from the pressure list."));
        // Both chosen: the bottle is the step's result.
        dialog.PressureList()->setCurrentRow(0);
        dialog.BottleList()->setCurrentItem(dialog.BottleList()->topLevelItem(0));
        QCOMPARE(PressOkOf(dialog), dlg::Ok);
        QCOMPARE(c.result.cpcSeriesCode.m_strCode, std::string("PG"));
    }

    void EveryGasBottleChosenAsAProductGetsTheGasBottleDetails()
    {
        CPromptCapture prompt;
        CScriptedRunner runner;
        SFamilyProduct s;
        QVERIFY(s.product.Initialize());
        QVERIFY(s.product.SetProduct(prod::GasBottle, "Gas Bottles", std::string()));
        IDatabase& db = *s.product.Database();
        CDesktopStepDialogs dialogs;
        QStringList ports;
        runner.m_fnScript = [&](QDialog& d)
        {
            if (auto* pDetails = qobject_cast<CDetailsGB1*>(&d))
                ports << Codes(pDetails->GasPortBox()).join(",");
            return dlg::Cancel;
        };
        for (int nType : {0, 1, 2})
        {
            CAccumulatorData bottle(*s.product.AccumulatorData());
            bottle.Initialize(2);
            const CUnitDouble pressure(3000.0, "PSIG");
            ApplyGasBottleChoice(bottle, GasBottleList(nType, pressure, db).front(), pressure, nType, "N",
                                 db);
            CAccumulatorData result(bottle);
            QCOMPARE(dialogs.ChooseDetails(s.product, bottle, result), dlg::Cancel);
        }
        QCOMPARE(runner.m_titles, QStringList(3, QStringLiteral("Gas Bottle Details")));
        // Each kind of bottle offers the ports of its own series.
        QCOMPARE(ports, (QStringList{"-S,-F,-B", "-S,-F", "-S,-F,-B,-M"}));
    }
};

QTEST_MAIN(CFamilyDialogsTest)
#include "FamilyDialogsTest.moc"
