// The accumulator product's whole chain in the desktop application, as a user makes it: product,
// application, model and details of a piston through the step panel, its report from the panel, saved,
// a new selection, the file opened again, and its XML from the menu.
#include "DesktopSession.h"
#include "models/AccumulatorChooseModel.h"
#include "models/ChooseSeals.h"
#include "models/DetailsPiston1.h"
#include "models/FluidCompatability.h"
#include "outputs/ReportViewer.h"
#include "products/ChooseProduct.h"
#include "products/TesmaraButton.h"

#include <QCheckBox>
#include <QListWidget>
#include <QProcess>
#include <QTableWidget>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <QtTest>

namespace
{
// The first piston in the grid.
int ChoosePiston(QDialog& d)
{
    auto& c = static_cast<CAccumulatorChooseModel&>(d);
    const auto& rows = c.Search().rows;
    const auto it =
        std::find_if(rows.begin(), rows.end(), [](const auto& row) { return row.strType == "Piston"; });
    if (it == rows.end())
        return dlg::Cancel;
    c.Grid()->selectRow(static_cast<int>(it - rows.begin()));
    c.OnOk();
    return d.result();
}

// The seal found for a polyol ester at 0 to 200 deg F, alternate ports, the gas valve guard.
void ScriptDetails(CChainScript& script)
{
    script["Fluid Compatibility"] = [](QDialog& d)
    {
        auto& f = static_cast<CFluidCompatability&>(d);
        f.FluidBox()->setCurrentText("Fire-Resistant Polyol Ester (HFD-U)");
        Enter(f.HighTemp(), "200");
        Enter(f.LowTemp(), "0");
        f.OnSearch();
        const auto found = f.ResultList()->findItems("Fluorocarbon (FKM)", Qt::MatchExactly);
        if (found.size() != 1)
            return dlg::Cancel;
        f.ResultList()->setCurrentItem(found.front());
        f.OnOk();
        return d.result();
    };
    script["Choose Seals"] = [](QDialog& d)
    {
        auto& s = static_cast<CChooseSeals&>(d);
        s.OnFluidCompatibility();
        s.OnOk();
        return d.result();
    };
    script["Choose Accumulator Details - Piston Type"] = [](QDialog& d)
    {
        auto& p = static_cast<CDetailsPiston1&>(d);
        FindButton(p, "Selection Assistance")->click();
        if (!SelectCode(p.PortBox(), "2") || !SelectCode(p.PortTypeBox(), "-M") ||
            !SelectCode(p.GasPortTypeBox(), "M") || p.OptionBoxes().isEmpty())
            return dlg::Cancel;
        p.OptionBoxes().front()->setChecked(true); // the gas valve guard
        p.OnOk();
        return d.result();
    };
}
} // namespace

class CPistonSelectionTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CDesktopSession> m_pSession;

    CEuropeanAccumulatorView& View() { return m_pSession->View(); }
    CAccumulatorObject& Product() { return m_pSession->Product(); }
    QStringList PanelTexts() { return m_pSession->PanelTexts(); }

    // Accumulators, pump flow, the first piston and its details, through the panel's four step buttons.
    void SelectPiston(CChainScript& script)
    {
        ScriptPumpFlow(script, 0, "1500");
        script["Choose Product"] = [](QDialog& d) { return ChooseProductType(d, "Accumulators"); };
        script["Choose Accumulator"] = ChoosePiston;
        ScriptDetails(script);
        m_pSession->Steps({kProduct, kApplication, kModel, kDetails});
    }

private slots:
    void init()
    {
        m_pSession = std::make_unique<CDesktopSession>();
        QVERIFY(m_pSession->Start());
    }
    void cleanup() { m_pSession.reset(); }

    void PistonSelectionIsReportedSavedOpenedAndExported()
    {
        CPromptCapture prompt;
        CChainScript script;
        int nPages = 0;
        // "View Selection Report" of the panel opens the viewer; its "Save as PDF..." writes the report.
        script["Selection Complete"] = [](QDialog& d)
        {
            auto& panel = static_cast<CSelectionCompleted&>(d);
            if (!panel.CommandButton(outputcmd::PrintSelectionReport)->isEnabled())
                return dlg::Cancel;
            panel.CommandButton(outputcmd::ViewSelectionReport)->click();
            return int(QDialog::Accepted);
        };
        script["Selection Report Viewer"] = [&](QDialog& d)
        {
            auto& viewer = static_cast<CReportViewer&>(d);
            nPages = viewer.PageCount();
            m_pSession->Files().m_strPath = m_pSession->FilePath("report.pdf");
            viewer.Action("Save as PDF")->trigger();
            return int(QDialog::Accepted);
        };
        SelectPiston(script);

        // Every dialog of the chain was answered, and the completed selection was offered its outputs.
        QVERIFY(script.Titles().contains("Fluid Compatibility"));
        QCOMPARE(script.Titles().mid(script.Titles().size() - 2),
                 QStringList({"Selection Complete", "Selection Report Viewer"}));
        QVERIFY(Product().IsSelectionComplete());
        QCOMPARE(Product().AccumulatorData()->cpcSealCode.m_strCode, std::string("-V"));
        // The seal assistant's search, its entries and outcome, reached the selection.
        const CAccumulatorData& held = *Product().AccumulatorData();
        QCOMPARE(held.strSelectedFluid, std::string("Fire-Resistant Polyol Ester (HFD-U)"));
        QCOMPARE(held.cudMaxEnteredTempFluidCompatibility, CUnitDouble(200.0, "DEG_F"));
        const std::string strModel = Product().GetPartNumberDisplayText();
        // Copied once the model number has filled the selection's code list.
        const CAccumulatorData data(*Product().AccumulatorData());
        // Inch piston with alternate ports, the fluorocarbon seal, metric fluid and gas ports, valve guard.
        const QString strShown = QString::fromStdString(strModel);
        QVERIFY2(strShown.startsWith("PA32-") && strShown.contains("-V-M") && strShown.endsWith("-G"),
                 strModel.c_str());
        QCOMPARE(nPages, 2); // the gas state chart of the sized accumulator on the second
        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", m_pSession->FilePath("report.pdf"), "-"});
        pdftotext.waitForFinished();
        const QString strText = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        // The report of this selection (its rows are the core's report tests).
        QVERIFY2(strText.contains("Model Number: " + strShown), qPrintable(strText));
        QCOMPARE(View().PartNumberText(), "Part Number:  " + QString::fromStdString(strModel));
        // Painted, and told to a screen reader.
        QCOMPARE(View().accessibleDescription(), View().PartNumberText());
        const QStringList panel = PanelTexts();
        QCOMPARE(panel[0], QStringLiteral("Accumulators"));
        QVERIFY(panel[1].contains("Supplementing Pump Flow"));
        for (int i = 0; i < 4; ++i)
            QVERIFY2(!panel[i].isEmpty(), qPrintable(QString::number(i)));

        // Saved; a new selection empties the panel; the file brings all of it back.
        m_pSession->Files().m_strPath = m_pSession->FilePath("piston.Ac3");
        m_pSession->App().OnCommand(cmd::FileSave);
        QVERIFY(QFileInfo::exists(m_pSession->Files().m_strPath));
        QVERIFY(!Product().m_bModified);
        m_pSession->App().OnCommand(cmd::FileNew);
        QVERIFY(View().PartNumberText().isEmpty());
        QVERIFY(PanelTexts()[0].isEmpty());
        m_pSession->App().OnCommand(cmd::FileOpen);
        QCOMPARE(Product().GetPartNumberDisplayText(), strModel);
        QCOMPARE(View().PartNumberText(), "Part Number:  " + QString::fromStdString(strModel));
        QCOMPARE(PanelTexts(), panel);
        QVERIFY(Product().AccumulatorData()->IsEqual(data));
        // The only message was the fluid search's outcome.
        QCOMPARE(prompt->Texts().size(), std::size_t(1));

        // Reopened, the model step preselects the piston that was chosen.
        int nPreselected = -1;
        script["Choose Accumulator"] = [&](QDialog& d)
        {
            nPreselected = static_cast<CAccumulatorChooseModel&>(d).ChosenRow();
            return dlg::Cancel;
        };
        View().OnStepButton(kModel);
        QVERIFY(nPreselected >= 0);
        QCOMPARE(Product().GetPartNumberDisplayText(), strModel);

        // File > Export XML writes the selection with the model number the panel shows.
        m_pSession->Files().m_strPath = m_pSession->FilePath("piston.xml");
        m_pSession->App().OnCommand(cmd::ExportXml);
        QFile file(m_pSession->Files().m_strPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString strExported;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("modelNumber"))
                strExported = xml.readElementText();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(strExported, strShown);
    }
};

QTEST_MAIN(CPistonSelectionTest)
#include "PistonSelectionTest.moc"
