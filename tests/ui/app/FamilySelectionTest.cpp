// Whole selections of the other accumulator types in the desktop application, as a user makes
// them through the step panel: a bladder saved and opened again, a gas bottle as a
// product of its own; and the two tools from the Tools menu.
#include "DesktopSession.h"
#include "app/MainFrame.h"
#include "models/AccumulatorChooseModel.h"
#include "models/ChooseSeals.h"
#include "models/DetailsBladder1.h"
#include "models/DetailsGB1.h"
#include "models/GasBottleSelect.h"
#include "products/TesmaraButton.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

namespace
{
// The first model of a type in the grid, with OK.
CChainScript::FnStep ChooseFirst(const std::string& strType)
{
    return [strType](QDialog& d)
    {
        auto& c = static_cast<CAccumulatorChooseModel&>(d);
        const auto& rows = c.Search().rows;
        const auto it =
            std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.strType == strType; });
        if (it == rows.end())
            return dlg::Cancel;
        c.Grid()->selectRow(static_cast<int>(it - rows.begin()));
        c.OnOk();
        return d.result();
    };
}

const QString kBladderDetails = QStringLiteral("Choose Accumulator Details - Bladder Type");
} // namespace

class CFamilySelectionTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CDesktopSession> m_pSession;

    CAccumulatorObject& Product() { return m_pSession->Product(); }
    const CAccumulatorData& Held() { return *Product().AccumulatorData(); }
    std::string ModelNumber() { return Product().GetPartNumberDisplayText(); }

private slots:
    void init()
    {
        m_pSession = std::make_unique<CDesktopSession>();
        QVERIFY(m_pSession->Start());
    }
    void cleanup() { m_pSession.reset(); }

    void BladderSelectionWithTheSealAssistantAndEveryList()
    {
        CPromptCapture prompt;
        CChainScript script;
        script["Choose Product"] = [](QDialog& d) { return ChooseProductType(d, "Accumulators"); };
        ScriptPumpFlow(script, 0, "1500");
        script["Choose Accumulator"] = ChooseFirst("Bladder");
        // Butyl, a bladder compound that pistons do not offer, chosen in the assistant.
        script["Choose Seals"] = [](QDialog& d)
        {
            auto& s = static_cast<CChooseSeals&>(d);
            const auto found = s.SealClassList()->findItems("Butyl (IIR)", Qt::MatchExactly);
            if (found.size() != 1)
                return dlg::Cancel;
            s.SealClassList()->setCurrentItem(found.front());
            s.OnOk();
            return d.result();
        };
        QString strPortSize;
        script[kBladderDetails] = [&](QDialog& d)
        {
            auto& b = static_cast<CDetailsBladder1&>(d);
            FindButton(b, "Selection Assistance")->click();
            const auto ports =
                b.HydraulicPortList()->findItems("SAE 4-Bolt Flange Fluid Port", Qt::MatchExactly);
            if (ports.size() != 1 || !SelectCode(b.ConstructionBox(), "B") ||
                !SelectCode(b.ModificationBox(), "-T") || !SelectCode(b.CertificationBox(), "-CE"))
                return dlg::Cancel;
            b.HydraulicPortList()->setCurrentItem(ports.front());
            strPortSize = b.PortSize()->text();
            b.OnOk();
            return d.result();
        };
        m_pSession->Steps({kProduct, kApplication, kModel, kDetails});

        QCOMPARE(script.Titles().back(), QStringLiteral("Selection Complete"));
        QVERIFY(Product().IsSelectionComplete());
        QCOMPARE(Held().strAccumulatorType, std::string("Bladder"));
        QCOMPARE(strPortSize, QStringLiteral("1-1/2 in Flange, Code 61"));
        // Series, pressure, design, capacity; butyl, flange port, bottom repairable; CE; low-temperature
        // valve.
        const QString strModel = QString::fromStdString(ModelNumber());
        QVERIFY2(QRegularExpression("^BA31-[0-9.]+[QG]-BFB-CE-T$").match(strModel).hasMatch(),
                 qPrintable(strModel));
        QCOMPARE(m_pSession->PanelTexts()[3], strModel);

        // Saved and opened again: the same number, and the details step shows every choice made
        // (the construction found again by its text).
        m_pSession->SaveNewAndOpen("bladder.Ac3");
        QCOMPARE(QString::fromStdString(ModelNumber()), strModel);
        QStringList shown;
        script[kBladderDetails] = [&](QDialog& d)
        {
            auto& b = static_cast<CDetailsBladder1&>(d);
            for (CCodeComboBox* pBox : {b.SealBox(), b.ConstructionBox(), b.ModificationBox(), b.CertificationBox()})
                shown << pBox->GetCode(pBox->currentIndex());
            shown << b.HydraulicPortList()->currentItem()->text() << b.PortSize()->text();
            return dlg::Cancel;
        };
        m_pSession->Steps({kDetails});
        QCOMPARE(shown, (QStringList{"-B", "B", "-T", "-CE", "SAE 4-Bolt Flange Fluid Port", strPortSize}));
        QCOMPARE(QString::fromStdString(ModelNumber()), strModel);
        QCOMPARE(prompt->Texts(), std::vector<std::string>());
    }

    void GasBottleChosenAsAProductIsSavedAndOpenedAsOne()
    {
        CPromptCapture prompt;
        CChainScript script;
        script["Choose Product"] = [](QDialog& d) { return ChooseProductType(d, "Gas Bottles"); };
        m_pSession->Steps({kProduct});
        QCOMPARE(Product().ProdId(), prod::GasBottle);
        // No application to describe: the bottle is chosen at once.
        QVERIFY(!m_pSession->View().Button(1)->isEnabled());
        QVERIFY(m_pSession->View().Button(2)->isEnabled());

        script["Select Gas Bottle"] = [](QDialog& d)
        {
            auto& g = static_cast<CGasBottleSelect&>(d);
            g.TypeButton(2)->click();
            const auto pressures = g.PressureList()->findItems("210 bar g", Qt::MatchExactly);
            if (pressures.size() != 1)
                return dlg::Cancel;
            g.PressureList()->setCurrentItem(pressures.front());
            const auto bottles = g.BottleList()->findItems("Gas Bottle, 210 bar, 50 L", Qt::MatchExactly);
            if (bottles.size() != 1)
                return dlg::Cancel;
            // A double click: the press makes the row current, the second click acts as OK.
            g.BottleList()->setCurrentItem(bottles.front());
            emit g.BottleList()->itemDoubleClicked(bottles.front(), 0);
            return d.result();
        };
        script["Gas Bottle Details"] = [](QDialog& d)
        {
            auto& g = static_cast<CDetailsGB1&>(d);
            if (!SelectCode(g.GasPortBox(), "-B") || !SelectCode(g.ValvePortBox(), "2"))
                return dlg::Cancel;
            g.OnOk();
            return d.result();
        };
        m_pSession->Steps({kModel, kDetails});
        QVERIFY(Product().IsSelectionComplete());
        // Series, pressure class, capacity, gas port, valve port: no seal, no application.
        QCOMPARE(ModelNumber(), std::string("GBK-50L-B2"));
        const QStringList panel = m_pSession->PanelTexts();
        QCOMPARE(panel[0], QStringLiteral("Gas Bottles"));
        QCOMPARE(panel[1], QString());
        QCOMPARE(panel[2], QStringLiteral("Gas Bottle, 210 bar, 50 L"));

        m_pSession->SaveNewAndOpen("bottle.Ac3");
        QCOMPARE(Product().ProdId(), prod::GasBottle);
        QCOMPARE(m_pSession->PanelTexts(), panel);
        QCOMPARE(ModelNumber(), std::string("GBK-50L-B2"));
        QVERIFY(!m_pSession->View().Button(1)->isEnabled());

        // Reopened, the step shows the type, pressure and bottle chosen; the same bottle again changes
        // nothing.
        QStringList shown;
        script["Select Gas Bottle"] = [&](QDialog& d)
        {
            auto& g = static_cast<CGasBottleSelect&>(d);
            shown << g.TypeButton(2)->text() + (g.TypeButton(2)->isChecked() ? "" : " unchecked")
                  << g.PressureList()->currentItem()->text() << g.BottleList()->currentItem()->text(0);
            g.OnOk();
            return d.result();
        };
        m_pSession->Steps({kModel});
        QCOMPARE(shown, (QStringList{"GB Series Gas Bottle", "210 bar g", "Gas Bottle, 210 bar, 50 L"}));
        QCOMPARE(ModelNumber(), std::string("GBK-50L-B2"));
        QVERIFY(Product().IsSelectionComplete());
        QCOMPARE(prompt->Texts(), std::vector<std::string>());
    }

    void BothToolsFromTheToolsMenuOpenWithoutTouchingTheSelection()
    {
        CPromptCapture prompt;
        CChainScript script;
        // Their entries, checks and results are ToolDialogsTest's; here only the menu's wiring.
        m_pSession->App().MainFrame()->Action(cmd::UserFirst)->trigger();
        m_pSession->App().MainFrame()->Action(cmd::UserFirst + 1)->trigger();
        QCOMPARE(script.Titles(), (QStringList{"Calculate the Output of Existing Accumulator",
                                               "Effects of Temperature on Pre-charge"}));
        QCOMPARE(Product().ProdId(), prod::NoneChosen);
        QVERIFY(!Product().IsDirty());
        QVERIFY(prompt->Texts().empty());
    }
};

QTEST_MAIN(CFamilySelectionTest)
#include "FamilySelectionTest.moc"
