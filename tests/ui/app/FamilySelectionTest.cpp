// A gas bottle chosen as a product of its own in the desktop application, through the step panel,
// saved and opened again. (The other accumulator types' dialogs are the model dialogs' tests; the
// accumulator product's whole chain is PistonSelectionTest's.)
#include "DesktopSession.h"
#include "models/DetailsGB1.h"
#include "models/GasBottleSelect.h"
#include "products/TesmaraButton.h"

#include <QListWidget>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

class CFamilySelectionTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CDesktopSession> m_pSession;

    CAccumulatorObject& Product() { return m_pSession->Product(); }
    std::string ModelNumber() { return Product().GetPartNumberDisplayText(); }

private slots:
    void init()
    {
        m_pSession = std::make_unique<CDesktopSession>();
        QVERIFY(m_pSession->Start());
    }
    void cleanup() { m_pSession.reset(); }

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
};

QTEST_MAIN(CFamilySelectionTest)
#include "FamilySelectionTest.moc"
