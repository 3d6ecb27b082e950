// Rapid selection in the desktop application as a user goes through it, from the menu and from
// "Choose Product", for an accumulator, a gas bottle and an isolator (each type's model number is the
// core's rapid tests'): the series, the lists, Done and the selection-complete panel, then the
// selection saved and opened again.
#include "DesktopSession.h"
#include "models/DpnsAccumBase.h"
#include "models/DpnsSelection.h"

#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest>

class CRapidSelectionTest : public QObject
{
    Q_OBJECT

private slots:
    void OneSelectionOfEachType_data()
    {
        QTest::addColumn<QString>("series");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("choices"); // list number and code, in turn
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("prodId");
        QTest::addColumn<bool>("drawing");
        QTest::addColumn<bool>("fromChooseProduct");
        QTest::newRow("piston") << "PM" << "Rapid Selection - Piston Type Accumulator"
                                << QStringList{"1", "-80", "2", "S", "3", "_", "4", "-2L", "5", "K", "6", "1", "7", "-N"}
                                << "PMK1-80-2L-NS" << 0 << true << false;
        QTest::newRow("gas bottle") << "GB" << "Rapid Selection - GB Type Gas Bottle"
                                    << QStringList{"1", "-10G", "3", "5", "4", "-F", "5", "2"} << "GB5-10G-F2" << 1
                                    << false << false;
        QTest::newRow("isolator") << "OV" << "Rapid Selection - Ovrisol" << QStringList{"1", "-2.5", "2", "-X", "5", "-H"}
                                  << "OV-2.5-X-H-1F" << 2 << false << true;
    }

    void OneSelectionOfEachType()
    {
        QFETCH(QString, series);
        QFETCH(QString, title);
        QFETCH(QStringList, choices);
        QFETCH(QString, model);
        QFETCH(int, prodId);
        QFETCH(bool, drawing);
        QFETCH(bool, fromChooseProduct);
        CDesktopSession session;
        QVERIFY(session.Start());
        CPromptCapture prompt;
        CChainScript script;

        // Cancelled in the type dialog: nothing has changed.
        script["Rapid Selection"] = [&](QDialog& d)
        {
            auto& s = static_cast<CDpnsSelection&>(d);
            const auto found = s.SeriesList()->findItems(series, Qt::MatchExactly);
            if (found.size() != 1)
                return dlg::Cancel;
            s.SeriesList()->setCurrentItem(found.front());
            s.OnOk();
            return d.result();
        };
        session.App().OnCommand(cmd::RapidSelection);
        QCOMPARE(script.Titles(), (QStringList{"Rapid Selection", title}));
        QCOMPARE(session.Product().ProdId(), prod::NoneChosen);

        QStringList shown; // Done and the model number before the last choice, then after it
        script[title] = [&](QDialog& d)
        {
            auto& t = static_cast<CDpnsAccumBase&>(d);
            if (t.List(0)->currentText().left(2) != series)
                return dlg::Cancel; // the series chosen before is preselected
            for (int i = 0; i + 1 < choices.size(); i += 2)
            {
                if (i + 2 == choices.size())
                    shown << QString::number(t.DoneButton()->isEnabled()) << t.ModelNumber()->text();
                if (!SelectCode(t.List(choices[i].toInt()), choices[i + 1]))
                    return dlg::Cancel;
            }
            shown << QString::number(t.DoneButton()->isEnabled()) << t.ModelNumber()->text();
            t.DoneButton()->click();
            return d.result();
        };
        std::vector<bool> drawingButtons;
        script["Selection Complete"] = [&](QDialog& d)
        {
            auto& p = static_cast<CSelectionCompleted&>(d);
            drawingButtons.push_back(p.CommandButton(outputcmd::ViewCadDrawing)->isEnabled());
            for (int nCommand : {outputcmd::AddToOrderPad, outputcmd::ViewSelectionReport})
                if (!p.CommandButton(nCommand)->isEnabled())
                    return dlg::Cancel;
            FindButton(p, "Close")->click();
            return d.result();
        };
        script["Choose Product"] = [](QDialog& d)
        {
            FindButton(d, "Rapid Selection...")->click();
            return d.result();
        };
        if (fromChooseProduct)
            session.Steps({kProduct});
        else
            session.App().MainFrame()->Action(cmd::RapidSelection)->trigger();

        QCOMPARE(shown, (QStringList{"0", "", "1", model}));
        // The panel from Done, and from the step after it, each with the drawing commands by the type.
        QCOMPARE(drawingButtons, std::vector<bool>(fromChooseProduct ? 2 : 1, drawing));
        QCOMPARE(session.Product().ProdId(), prodId);
        QCOMPARE(QString::fromStdString(session.Product().GetPartNumberDisplayText()), model);
        QVERIFY(session.Product().IsDirty());
        const QStringList panel = session.PanelTexts();
        QCOMPARE(session.View().PartNumberText(), "Part Number:  " + model);

        session.SaveNewAndOpen("rapid.Ac3");
        QCOMPARE(session.Product().ProdId(), prodId);
        QCOMPARE(QString::fromStdString(session.Product().GetPartNumberDisplayText()), model);
        QCOMPARE(session.PanelTexts(), panel);
        QCOMPARE(session.View().PartNumberText(), "Part Number:  " + model);
        QCOMPARE(prompt->Texts(), std::vector<std::string>());
    }
};

QTEST_MAIN(CRapidSelectionTest)
#include "RapidSelectionTest.moc"
