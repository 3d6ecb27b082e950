// "Choose Accumulator", piston details, seals and fluid compatibility: the grid, preselection, OK's copies
// and chain results; the ports rule, options and the option code, and the fluid search's outcomes.
#include "ModelsFixture.h"

#include "controls/CodeComboBox.h"
#include "controls/EditNumeric.h"
#include "models/FluidCompatability.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtTest>

namespace
{
QPoint RowCentre(QTableWidget& grid, int nRow)
{
    return grid.visualItemRect(grid.item(nRow, 1)).center();
}

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

class CModelDialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void GridShowsTheModelsAndKeepsOneRowSelected()
    {
        CPromptCapture prompt;
        SModelProduct s;
        QVERIFY(s.Sized());
        CAccumulatorData working(*s.product.AccumulatorData()), result(working);
        CAccumulatorChooseModel dialog(s.product, working, result);
        QTableWidget& grid = *dialog.Grid();
        QCOMPARE(grid.columnCount(), 11);
        QCOMPARE(grid.horizontalHeaderItem(1)->text(), QStringLiteral("Accumulator Type"));
        QCOMPARE(grid.horizontalHeaderItem(7)->text(), QStringLiteral("Gas Bottle\nPart Number"));
        // Pistons have bores; no row has gas bottles.
        QCOMPARE(grid.isColumnHidden(6), false);
        for (int c : {7, 8, 9, 10})
            QVERIFY2(grid.isColumnHidden(c), qPrintable(QString::number(c)));
        QVERIFY(grid.columnWidth(1) >= grid.fontMetrics().horizontalAdvance(grid.item(0, 1)->text()));
        QVERIFY(grid.rowCount() > 10);
        QCOMPARE(dialog.RequiredCapacity()->text(), QStringLiteral("100 in\u00B3"));
        QVERIFY(!dialog.RequiredFlow()->isEnabled());
        // Nothing held yet: the first row; no flow: the note says so.
        QCOMPARE(dialog.ChosenRow(), 0);
        QVERIFY(dialog.AdditionalInformation()->toPlainText().startsWith("The flow rate was not calculated"));

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, RowCentre(grid, 1));
        for (int r = 2; r <= 4; ++r)
            QTest::mouseMove(grid.viewport(), RowCentre(grid, r));
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, RowCentre(grid, 4));
        QCOMPARE(grid.selectionModel()->selectedRows().size(), 1);
        // Ctrl+click on the chosen row does not leave the grid without a choice.
        const int nChosen = dialog.ChosenRow();
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(grid, nChosen));
        QCOMPARE(dialog.ChosenRow(), nChosen);
        QVERIFY(prompt->Texts().empty());

        // A capacity with a fraction keeps it in the heading.
        working.sdRequiredAccumulatorVol.Set(2.5, "GAL");
        const CAccumulatorChooseModel half(s.product, working, result);
        QCOMPARE(half.RequiredCapacity()->text(), QStringLiteral("2.5 gal (US)"));
    }

    void OkWritesTheModelAndNothingChangedEndsWith2100()
    {
        CPromptCapture prompt;
        SModelProduct s;
        QVERIFY(s.Sized());
        QCOMPARE(s.ChooseModelRow(1), dlg::Ok);
        const CAccumulatorData& held = *s.product.AccumulatorData();
        QCOMPARE(held.m_nLevel, 2);
        QCOMPARE(held.cpcNomBoreCode.m_strCode, std::string("-3"));
        QVERIFY(prompt->Texts().empty());

        // Reopened: the held model is preselected; OK changes nothing.
        const CAccumulatorData before(held);
        int nPreselected = -1;
        s.steps.m_fnModel = [&](CAccumulatorChooseModel& dialog)
        {
            nPreselected = dialog.ChosenRow();
            dialog.OnOk();
            return dialog.result();
        };
        QCOMPARE(s.product.OnChooseModel(), dlg::CloseChain);
        QCOMPARE(nPreselected, 1);
        QVERIFY(s.product.AccumulatorData()->IsEqual(before));

        // Details with another port style: the same model is still the one preselected,
        // and choosing it again neither asks nor throws the details away.
        QCOMPARE(s.ChooseDetails([](CDetailsPiston1& d)
                                 { d.PortBox()->setCurrentIndex(d.PortBox()->FindCode("2")); }),
                 dlg::Ok);
        QCOMPARE(s.product.AccumulatorData()->cpcDesignNumber.m_strCode, std::string("2"));
        QCOMPARE(s.product.OnChooseModel(), dlg::CloseChain);
        QCOMPARE(nPreselected, 1);
        QCOMPARE(s.product.AccumulatorData()->m_nLevel, 3);
        QVERIFY(prompt->Texts().empty());

        // Another model with details chosen asks first: Cancel stays, No cancels.
        prompt->Script({EPromptAnswer::Cancel, EPromptAnswer::No});
        int nFirst = -1;
        s.steps.m_fnModel = [&](CAccumulatorChooseModel& dialog)
        {
            dialog.Grid()->selectRow(2);
            dialog.OnOk();
            nFirst = dialog.result();
            dialog.OnOk();
            return dialog.result();
        };
        QCOMPARE(s.product.OnChooseModel(), dlg::Cancel);
        QCOMPARE(nFirst, 0);
        QCOMPARE(prompt->Texts().size(), std::size_t(2));
        QCOMPARE(s.product.AccumulatorData()->cpcNomBoreCode.m_strCode, std::string("-3"));
        prompt->Script({EPromptAnswer::Yes});
        QCOMPARE(s.ChooseModelRow(2), dlg::Ok);
        QCOMPARE(s.product.AccumulatorData()->cpcNomBoreCode.m_strCode, std::string("-4"));
        QCOMPARE(s.product.AccumulatorData()->m_nLevel, 2);
    }

    void NoModelLeavesAnEmptyGridWithANote()
    {
        CPromptCapture prompt;
        SModelProduct s;
        s.steps.m_capacity = CUnitDouble(1.0e6, "GAL");
        QVERIFY(s.Sized());
        CAccumulatorData working(*s.product.AccumulatorData()), result(working);
        CAccumulatorChooseModel dialog(s.product, working, result);
        QCOMPARE(dialog.Grid()->rowCount(), 0);
        QVERIFY(!dialog.AdditionalInformation()->toPlainText().isEmpty());
        QVERIFY(prompt->Texts().empty());
        dialog.OnOk();
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(prompt->Texts(), std::vector<std::string>{"Please select an item from the list."});
    }

    void HelpAndReferenceSayWhenTheDocumentIsMissing()
    {
        CPromptCapture prompt;
        SModelProduct s;
        QVERIFY(s.Sized());
        CAccumulatorData working(*s.product.AccumulatorData()), result(working);
        CAccumulatorChooseModel dialog(s.product, working, result);
        FindButton(dialog, QStringLiteral("Help"))->click();
        FindButton(dialog, QStringLiteral("Reference"))->click();
        QCOMPARE(prompt->Texts().size(), std::size_t(2));
        QCOMPARE(prompt->Texts()[0], std::string("The help is not installed."));
        QCOMPARE(s.host.m_helpAsked, std::vector<std::string>{"CAccumulatorChooseModel"});
        QVERIFY(QString::fromStdString(prompt->Texts()[1]).contains(QStringLiteral("PA_SERIES.PDF")));
    }

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
        QCOMPARE(dialog.PortSizeBox()->currentText(), QStringLiteral("SAE-12 (1-1/16-12 UN)"));
        QVERIFY(dialog.StandardPorts()->text().startsWith(QStringLiteral("Standard Ports: SAE-12")));

        dialog.PortBox()->setCurrentIndex(dialog.PortBox()->FindCode("3"));
        QVERIFY(dialog.PortTypeBox()->isEnabled());
        // A type of its own brings its own sizes, in order of their numbers.
        dialog.PortTypeBox()->setCurrentIndex(dialog.PortTypeBox()->FindCode("-S"));
        QStringList sizes;
        for (int i = 0; i < dialog.PortSizeBox()->count(); ++i)
            sizes << dialog.PortSizeBox()->itemText(i).section(QLatin1Char(' '), 0, 0);
        QCOMPARE(sizes, (QStringList{"SAE-6", "SAE-8", "SAE-12", "SAE-16"}));
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

    // The outcomes, their messages and the check order are SealSearch's; here what the dialog does with them.
    void FluidSearchListsTheSealsAndOkNeedsASearchAndARow()
    {
        CPromptCapture prompt;
        SDetailsProduct s;
        QVERIFY(s.Modelled());
        CFluidCompatability dialog(s.product, "Piston", std::nullopt);
        dialog.OnOk();
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(prompt->Texts().back(),
                 std::string("You must push the search button first, then select from the seal list."));

        Search(dialog, QStringLiteral("Gasoline"), QStringLiteral("50"), QStringLiteral("50"));
        QCOMPARE(dialog.focusWidget(), dialog.HighTemp());
        QCOMPARE(dialog.ResultList()->topLevelItemCount(), 0);
        Search(dialog, QStringLiteral("Gasoline"), QStringLiteral("0"), QStringLiteral("-40"));
        QCOMPARE(dialog.ResultList()->topLevelItemCount(), 1);
        QCOMPARE(dialog.ResultList()->topLevelItem(0)->text(1), QStringLiteral("-5"));
        Search(dialog, QStringLiteral("Liquid Sunshine"), QStringLiteral("100"), QStringLiteral("0"));
        QCOMPARE(dialog.ResultList()->topLevelItemCount(), 0);
        QCOMPARE(prompt->Texts().size(), std::size_t(4)); // each search's outcome is told
        dialog.OnOk();
        QCOMPARE(prompt->Texts().back(), std::string("Please make a selection from the list."));
        QCOMPARE(dialog.result(), 0);
    }
};

QTEST_MAIN(CModelDialogsTest)
#include "ModelDialogsTest.moc"
