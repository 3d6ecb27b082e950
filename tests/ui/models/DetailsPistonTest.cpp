// Piston details, seals and fluid compatibility: the ports rule, options and the option code,
// reopening, the first OK, the seal assistant, and the search's outcomes and refusals.
#include "ModelsFixture.h"

#include "catalogue/MessageKeys.h"
#include "controls/CodeComboBox.h"
#include "controls/EditNumeric.h"
#include "models/ChooseSeals.h"
#include "models/FluidCompatability.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <QtTest>

namespace
{
QCheckBox* OptionBox(CDetailsPiston1& dialog, const QString& strStart)
{
    for (QCheckBox* pBox : dialog.OptionBoxes())
        if (pBox->text().startsWith(strStart))
            return pBox;
    return nullptr;
}

// Fills in "Fluid Compatibility" and searches.
void Search(CFluidCompatability& dialog, const QString& strFluid, const QString& strHigh,
            const QString& strLow)
{
    dialog.FluidBox()->setEditText(strFluid);
    dialog.HighTemp()->setText(strHigh);
    dialog.LowTemp()->setText(strLow);
    dialog.OnSearch();
}

struct SDetailsProduct : SModelProduct
{
    // The 3 in bore, 100 in³ piston chosen.
    bool Modelled() { return Sized() && ChooseModelRow(1) == dlg::Ok; }
};
} // namespace

class CDetailsPistonTest : public QObject
{
    Q_OBJECT

private slots:
    void StandardPortsShowTheModelsPortsAndCannotBeChanged()
    {
        CPromptCapture prompt;
        SDetailsProduct s;
        QVERIFY(s.Modelled());
        CAccumulatorData working(*s.product.AccumulatorData()), result(working);
        CDetailsPiston1 dialog(s.product, working, result);
        QCOMPARE(dialog.PortBox()->GetCode(dialog.PortBox()->currentIndex()), QStringLiteral("1"));
        QVERIFY(!dialog.PortTypeBox()->isEnabled());
        QVERIFY(!dialog.GasPortSizeBox()->isEnabled());
        QCOMPARE(dialog.PortTypeBox()->count(), 1);
        QCOMPARE(dialog.PortSizeBox()->currentText(), QStringLiteral("SAE-12 (1-1/16-12 UN)"));
        QVERIFY(dialog.StandardPorts()->text().startsWith(QStringLiteral("Standard Ports: SAE-12")));

        dialog.PortBox()->setCurrentIndex(dialog.PortBox()->FindCode("3"));
        QVERIFY(dialog.PortTypeBox()->isEnabled());
        QVERIFY(dialog.PortTypeBox()->count() > 2);
        // A type of its own brings its own sizes, in order of their numbers.
        dialog.PortTypeBox()->setCurrentIndex(dialog.PortTypeBox()->FindCode("-S"));
        QStringList sizes;
        for (int i = 0; i < dialog.PortSizeBox()->count(); ++i)
            sizes << dialog.PortSizeBox()->itemText(i).section(QLatin1Char(' '), 0, 0);
        QCOMPARE(sizes, (QStringList{"SAE-6", "SAE-8", "SAE-12", "SAE-16"}));
        dialog.PortTypeBox()->setCurrentIndex(dialog.PortTypeBox()->FindCode("-B"));
        QVERIFY(dialog.PortSizeBox()->currentText().startsWith(QStringLiteral("G ")));
        // Another construction brings its own approvals.
        dialog.ConstructionBox()->setCurrentText(QStringLiteral("Stainless Steel"));
        QCOMPARE(dialog.ApprovalBox()->FindCode("A"), -1);
        QVERIFY(dialog.ApprovalBox()->FindCode("Y") >= 0);
        QVERIFY(prompt->Texts().empty());
    }

    void OptionsAndChoicesAreWrittenAndPreselectedOnReopening()
    {
        CPromptCapture prompt;
        SDetailsProduct s;
        QVERIFY(s.Modelled());
        // The first OK completes the step even with every default kept.
        QCOMPARE(s.ChooseDetails(), dlg::Ok);
        QCOMPARE(s.product.AccumulatorData()->m_nLevel, 3);

        QCOMPARE(s.ChooseDetails(
                     [](CDetailsPiston1& d)
                     {
                         d.SealBox()->setCurrentIndex(d.SealBox()->FindCode("-V"));
                         for (const QString& strOption :
                              {"Cushioned", "Magnetic", "Gas Valve", "Position Indicator"})
                             OptionBox(d, strOption)->setChecked(true);
                     }),
                 dlg::Ok);
        const CAccumulatorData& held = *s.product.AccumulatorData();
        QCOMPARE(held.cpcSealCode.m_strCode, std::string("-V"));
        QCOMPARE(held.m_caSelectedOptionArray.size(), std::size_t(4));
        QCOMPARE(held.cpcOptionCode.m_strCode, std::string("-GMR")); // the first three in list order
        QVERIFY(QString::fromStdString(s.product.GetButtonSelectionDisplayText(3))
                    .contains(QStringLiteral("-GMR")));

        int nChecked = 0;
        QString strSeal;
        QCOMPARE(s.ChooseDetails(
                     [&](CDetailsPiston1& d)
                     {
                         for (QCheckBox* pBox : d.OptionBoxes())
                             nChecked += pBox->isChecked() ? 1 : 0;
                         strSeal = d.SealBox()->GetCode(d.SealBox()->currentIndex());
                     }),
                 dlg::CloseChain);
        QCOMPARE(nChecked, 4);
        QCOMPARE(strSeal, QStringLiteral("-V"));
    }

    void SelectionAssistanceBringsBackTheSealAndTheSearch()
    {
        CPromptCapture prompt;
        SDetailsProduct s;
        QVERIFY(s.Modelled());
        CScriptedRunner runner;
        runner.m_fnScript = [&](QDialog& dialog)
        {
            if (auto* pFluid = qobject_cast<CFluidCompatability*>(&dialog))
            {
                Search(*pFluid, QStringLiteral("Gasoline"), QStringLiteral("300"), QStringLiteral("100"));
                pFluid->ResultList()->setCurrentItem(pFluid->ResultList()->topLevelItem(0));
                pFluid->OnOk();
                return pFluid->result();
            }
            auto* pSeals = qobject_cast<CChooseSeals*>(&dialog);
            if (!pSeals)
                return int(dlg::Cancel);
            pSeals->OnFluidCompatibility();
            pSeals->OnOk();
            return pSeals->result();
        };
        QString strSeal;
        QCOMPARE(s.ChooseDetails(
                     [&](CDetailsPiston1& d)
                     {
                         FindButton(d, QStringLiteral("Selection Assistance"))->click();
                         strSeal = d.SealBox()->GetCode(d.SealBox()->currentIndex());
                     }),
                 dlg::Ok);
        QCOMPARE(runner.m_titles, (QStringList{"Choose Seals", "Fluid Compatibility"}));
        QCOMPARE(strSeal, QStringLiteral("-V"));
        const CAccumulatorData& held = *s.product.AccumulatorData();
        QCOMPARE(held.cpcSealCode.m_strCode, std::string("-V"));
        QCOMPARE(held.strSelectedFluid, std::string("Gasoline"));
        QCOMPARE(held.cudMaxEnteredTempFluidCompatibility, CUnitDouble(300.0, "DEG_F"));
        QCOMPARE(held.cudMaxFluidTempFluidCompatibility, CUnitDouble(400.0, "DEG_F"));
        QCOMPARE(held.strFluidCompatDescription, s.Message(msg::kSealAndTempCompatible));
        QVERIFY(!held.strTypFluid.empty());
    }

    void FluidSearchOutcomesAndRefusals()
    {
        CPromptCapture prompt;
        SDetailsProduct s;
        QVERIFY(s.Modelled());
        CFluidCompatability dialog(s.product, "Piston", std::nullopt);
        dialog.OnOk();
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(prompt->Texts().back(), s.Message(msg::kSearchFirst));

        Search(dialog, QStringLiteral("Gasoline"), QStringLiteral("50"), QStringLiteral("50"));
        QCOMPARE(prompt->Texts().back(), s.Message(msg::kMaxTempNotAboveMin));
        QCOMPARE(dialog.focusWidget(), dialog.HighTemp());
        QCOMPARE(dialog.ResultList()->topLevelItemCount(), 0);

        Search(dialog, QStringLiteral("Gasoline"), QStringLiteral("0"), QStringLiteral("-40"));
        QCOMPARE(prompt->Texts().back(), s.Message(msg::kSealCompatibleTempNot));
        QCOMPARE(dialog.ResultList()->topLevelItemCount(), 1);
        QCOMPARE(dialog.ResultList()->topLevelItem(0)->text(1), QStringLiteral("-5"));

        Search(dialog, QStringLiteral("Liquid Sunshine"), QStringLiteral("100"), QStringLiteral("0"));
        QCOMPARE(prompt->Texts().back(), s.Message(msg::kSealAndTempNotCompatible));
        QCOMPARE(dialog.ResultList()->topLevelItemCount(), 0);
        dialog.OnOk();
        QCOMPARE(prompt->Texts().back(), s.Message(msg::kSelectFromList));
        QCOMPARE(dialog.result(), 0);
    }
};

QTEST_MAIN(CDetailsPistonTest)
#include "DetailsPistonTest.moc"
