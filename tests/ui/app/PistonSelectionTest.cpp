// A whole piston selection in the desktop application, as a user makes it: product, application,
// model and details through the step panel, saved, a new selection, the file opened again.
#include "../sizing/SizingFixture.h"
#include "app/CommandIds.h"
#include "app/EuropeanAccumulatorApp.h"
#include "app/QtSettings.h"
#include "catalogue/MessageKeys.h"
#include "controls/CodeComboBox.h"
#include "models/AccumulatorChooseModel.h"
#include "models/ChooseSeals.h"
#include "models/DetailsPiston1.h"
#include "models/FluidCompatability.h"
#include "products/ChooseProduct.h"
#include "products/TesmaraButton.h"
#include "products/TesmaraView.h"
#include "sizing/ReqAccCapSize.h"

#include <QCheckBox>
#include <QListWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

namespace
{
class CScriptedFiles : public IFileDialogs
{
public:
    QString GetOpenFileName(QWidget*, const QString&, const QString&) override { return m_strPath; }
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&) override
    {
        return m_strPath;
    }
    QString m_strPath;
};

enum EStep
{
    kProduct = 100,
    kApplication = 101,
    kModel = 102,
    kDetails = 103,
};

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

bool SelectCode(CCodeComboBox* pBox, const QString& strCode)
{
    const int nIndex = pBox->FindCode(strCode);
    pBox->setCurrentIndex(nIndex);
    return nIndex >= 0;
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
    QTemporaryDir m_dir;
    std::unique_ptr<CQtSettings> m_pSettings;
    std::unique_ptr<CEuropeanAccumulatorApp> m_pApp;
    CScriptedFiles m_files;

    CEuropeanAccumulatorView& View() { return *m_pApp->View(); }
    CAccumulatorObject& Product() { return m_pApp->Product(); }
    QStringList PanelTexts() { return View().DisplayTexts(); }

    // The four steps through the panel's buttons.
    void SelectPiston(CChainScript& script)
    {
        script["Choose Product"] = [](QDialog& d) { return ChooseProductType(d, "Accumulators"); };
        ScriptPumpFlow(script, 0, "1500");
        script["Choose Accumulator"] = ChoosePiston;
        ScriptDetails(script);
        for (int nStep : {kProduct, kApplication, kModel, kDetails})
            View().OnStepButton(nStep);
    }

private slots:
    void init()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        m_pSettings = std::make_unique<CQtSettings>(m_dir.filePath("user.ini"), m_dir.filePath("system.ini"),
                                                    TESMARA_BUILT_DEFAULTS_INI);
        m_pApp = std::make_unique<CEuropeanAccumulatorApp>(*m_pSettings, QStringList{"--no-splash"});
        m_pApp->SetFileDialogs(&m_files);
        QVERIFY(m_pApp->InitInstance());
    }
    void cleanup()
    {
        m_pApp.reset();
        m_pSettings.reset();
    }

    void PistonSelectionIsSavedAndOpenedWithEverythingRestored()
    {
        CPromptCapture prompt;
        CChainScript script;
        SelectPiston(script);

        // Every dialog of the chain was answered, and the completed selection was offered its outputs.
        QVERIFY(script.Titles().contains("Fluid Compatibility"));
        QCOMPARE(script.Titles().back(), QStringLiteral("Selection Complete"));
        QVERIFY(Product().IsSelectionComplete());
        QCOMPARE(Product().AccumulatorData()->cpcSealCode.m_strCode, std::string("-V"));
        // The seal assistant's search, its entries and outcome, reached the selection.
        const CAccumulatorData& held = *Product().AccumulatorData();
        QCOMPARE(held.strSelectedFluid, std::string("Fire-Resistant Polyol Ester (HFD-U)"));
        QCOMPARE(held.cudMaxEnteredTempFluidCompatibility, CUnitDouble(200.0, "DEG_F"));
        QCOMPARE(held.cudMaxFluidTempFluidCompatibility, CUnitDouble(400.0, "DEG_F"));
        QCOMPARE(held.strFluidCompatDescription,
                 Product().Messages().GetMessage(msg::kSealAndTempCompatible));
        QVERIFY(!held.strTypFluid.empty());
        const std::string strModel = Product().GetPartNumberDisplayText();
        // Copied once the model number has filled the selection's code list.
        const CAccumulatorData data(*Product().AccumulatorData());
        // Inch piston with alternate ports, the fluorocarbon seal, metric fluid and gas ports, valve guard.
        const QString strShown = QString::fromStdString(strModel);
        QVERIFY2(strShown.startsWith("PA32-") && strShown.contains("-V-M") && strShown.endsWith("-G"),
                 strModel.c_str());
        QCOMPARE(View().PartNumberText(), "Part Number:  " + QString::fromStdString(strModel));
        const QStringList panel = PanelTexts();
        QCOMPARE(panel[0], QStringLiteral("Accumulators"));
        QVERIFY(panel[1].contains("Supplementing Pump Flow"));
        for (int i = 0; i < 4; ++i)
            QVERIFY2(!panel[i].isEmpty(), qPrintable(QString::number(i)));

        // Saved; a new selection empties the panel; the file brings all of it back.
        m_files.m_strPath = m_dir.filePath("piston.Ac3");
        m_pApp->OnCommand(cmd::FileSave);
        QVERIFY(QFileInfo::exists(m_files.m_strPath));
        QVERIFY(!Product().m_bModified);
        m_pApp->OnCommand(cmd::FileNew);
        QVERIFY(View().PartNumberText().isEmpty());
        QVERIFY(PanelTexts()[0].isEmpty());
        m_pApp->OnCommand(cmd::FileOpen);
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
    }

    void NewApplicationAfterTheDetailsClearsTheLaterSteps()
    {
        CPromptCapture prompt;
        CChainScript script;
        SelectPiston(script);
        QVERIFY(!View().PartNumberText().isEmpty());

        // A known capacity instead: the user is asked, says Yes, and model and details are gone.
        script["Describe Application"] = [](QDialog& d)
        {
            static_cast<CDescribeApplication&>(d).ApplicationButton(0)->setChecked(true);
            return PressOk(d);
        };
        script["Required Accumulator Capacity / Size"] = [](QDialog& d)
        {
            auto& c = static_cast<CReqAccCapSize&>(d);
            Enter(c.Capacity(), "250");
            Enter(c.Pressure(), "3000");
            return PressOk(d);
        };
        prompt->Clear();
        View().OnStepButton(kApplication);
        QCOMPARE(prompt->Texts().size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompt->Texts().front())
                    .startsWith("You are changing a previous selection"));
        QVERIFY(PanelTexts()[1].contains("I know the required accumulator capacity"));
        QVERIFY(PanelTexts()[2].isEmpty());
        QVERIFY(PanelTexts()[3].isEmpty());
        QVERIFY(View().PartNumberText().isEmpty());
        QVERIFY(!Product().IsSelectionComplete());
        QVERIFY(View().Button(2)->isEnabled());
        QVERIFY(!View().Button(3)->isEnabled());
    }
};

QTEST_MAIN(CPistonSelectionTest)
#include "PistonSelectionTest.moc"
