// The built help in the help window: a dialog's page by its class, number or bases; F1 in a
// dialog; the window inside the modal dialog and out again when the dialog closes.
#include "help/ContextHelp.h"
#include "help/HelpSystem.h"
#include "help/HelpWindow.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

class CHelpWindowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString HelpFile() const { return FindHelpFile(TESMARA_BUILT_APP_DIR, {"XX", "US"}); }

private slots:
    void aDialogFindsItsPageByClassNumberOrBase()
    {
        QVERIFY(HelpFile().endsWith("help/US/tesmara.qch"));
        CHelpSystem help(HelpFile(), m_dir.filePath("US.qhc"));
        QVERIFY(help.IsReady());
        const struct
        {
            QStringList names;
            const char* pszPage;
        } kRows[] = {{{"CShockSuppress"}, "/shock.html"},
                     {{"262"}, "/shock.html"},
                     {{"CAuxPow_CSupPumpCylDimensions", "CSupPumpCylDimensions"}, "/aux-power.html"},
                     {{"CDetailsPiston1", "CDetailsDialog", "QDialog"}, "/details.html"},
                     {{"CNoSuchDialog", "CShockSuppress"}, "/shock.html"},
                     {{"CNoSuchDialog", "QDialog"}, "/overview.html"},
                     {{}, "/overview.html"}};
        for (const auto& row : kRows)
            QVERIFY2(help.PageFor(row.names).path().endsWith(row.pszPage), qPrintable(row.names.join(',')));

        QVERIFY(help.Show({"CShockSuppress"}));
        QVERIFY(help.Window()->isVisible());
        const QString strPage = help.Window()->Browser()->toPlainText();
        QVERIFY(strPage.startsWith("Shock Suppression"));
        QVERIFY(strPage.contains("Maximum Allowable Shock Pressure"));
        // A second start finds the help registered already.
        QVERIFY(CHelpSystem(HelpFile(), m_dir.filePath("US.qhc")).IsReady());
        QVERIFY(!CHelpSystem(m_dir.filePath("none.qch"), m_dir.filePath("none.qhc")).IsReady());
    }

    void f1InADialogAsksForItsClassAndItsBases()
    {
        QStringList asked;
        CContextHelpKey key([&](const QStringList& names) { asked = names; });
        qApp->installEventFilter(&key);
        QFileDialog dialog(nullptr, "Files");
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.show();
        QTest::keyClick(dialog.findChild<QLineEdit*>(), Qt::Key_F1);
        QCOMPARE(asked.mid(0, 2), (QStringList{"QFileDialog", "QDialog"}));
        // The main window keeps F1 for its Help command.
        asked.clear();
        QMainWindow window;
        auto* pEdit = new QLineEdit(&window);
        window.setCentralWidget(pEdit);
        window.show();
        QTest::keyClick(pEdit, Qt::Key_F1);
        QVERIFY(asked.isEmpty());
        qApp->removeEventFilter(&key);
    }

    void theWindowLivesInTheModalDialogAndOutlivesIt()
    {
        CHelpSystem help(HelpFile(), m_dir.filePath("US.qhc"));
        QWidget* pParentWhileOpen = nullptr;
        {
            QDialog dialog;
            QTimer::singleShot(0, &dialog,
                               [&]
                               {
                                   if (help.Show({"CShockSuppress"}))
                                       pParentWhileOpen = help.Window()->parentWidget();
                                   dialog.accept();
                               });
            dialog.exec();
            QCOMPARE(pParentWhileOpen, &dialog);
        }
        // The dialog is gone; the window, and the help's contents and index in it, are not.
        QVERIFY(help.Window());
        QVERIFY(!help.Window()->parentWidget());
        QVERIFY(help.Show({"CHoldingLeakage"}));
        QVERIFY(help.Window()->Browser()->toPlainText().startsWith("Holding / Leakage Compensation"));
    }
};

QTEST_MAIN(CHelpWindowTest)
#include "HelpWindowTest.moc"
