// The application shell on temporary settings: scopes, start-up order, menus, file guards, recent files.
#include "CompleteSelections.h"
#include "DesktopSession.h"
#include "app/MainFrame.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <fstream>

namespace
{
// Ends the dialogs opened through the runner in turn as their buttons would, after the test's own
// action on each; once the answers run out, they are rejected.
void Answer(CScriptedRunner& runner, std::deque<int> answers, std::function<void(QDialog&)> fnBefore = {})
{
    runner.m_fnScript = [answers, fnBefore](QDialog& dialog) mutable
    {
        if (fnBefore)
            fnBefore(dialog);
        const int nResult = answers.empty() ? QDialog::Rejected : answers.front();
        if (!answers.empty())
            answers.pop_front();
        nResult == QDialog::Accepted ? dialog.accept() : dialog.reject();
        return nResult;
    };
}

// Counts the key presses that reach a widget.
class CKeySpy : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        m_nKeys += pEvent->type() == QEvent::KeyPress;
        return false;
    }
    int m_nKeys = 0;
};

const std::string kSaveQuestion = "Save your current selection?";
} // namespace

class CAppShellTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CQtSettings> m_pSettings;

    QString UserFile() const { return m_dir.filePath("user.ini"); }
    QString SystemFile() const { return m_dir.filePath("system.ini"); }
    std::unique_ptr<CEuropeanAccumulatorApp> Start(const QStringList& args = {"--no-splash"})
    {
        auto pApp = std::make_unique<CEuropeanAccumulatorApp>(*m_pSettings, args);
        if (!pApp->InitInstance())
            return nullptr;
        // A chosen product, so that there is a selection to save.
        pApp->Product().SetProduct(prod::Accumulator, "Piston", "Piston accumulator");
        return pApp;
    }
    static void Modify(CEuropeanAccumulatorApp& app)
    {
        app.Product().SetProduct(prod::Accumulator, "Piston", "Piston accumulator");
        app.Product().m_bModified = true;
    }
    QString Saved(CEuropeanAccumulatorApp& app, CScriptedFiles& files, const QString& strName)
    {
        files.m_paths.push_back(m_dir.filePath(strName));
        app.OnCommand(cmd::FileSave);
        return m_dir.filePath(strName);
    }

private slots:
    void init()
    {
        QFile::remove(UserFile());
        QFile::remove(SystemFile());
        QApplication::setQuitOnLastWindowClosed(false);
        m_pSettings = std::make_unique<CQtSettings>(UserFile(), SystemFile(), TESMARA_BUILT_DEFAULTS_INI);
    }

    void settingsReadUserThenSystemThenDefaultsAndWriteOnlyTheUsers()
    {
        {
            QSettings user(UserFile(), QSettings::IniFormat);
            user.setValue("Language", "");
            QSettings system(SystemFile(), QSettings::IniFormat);
            system.setValue("Language", "DE");
            system.setValue("Language/German/Code", "de");
            system.setValue("Language/German/ID", "503");
        }
        CPromptCapture prompt;
        CTesmaraAppSettings app;
        app.Read(*m_pSettings, "");
        QCOMPARE(app.GetLanguageCode(), std::string("DE"));
        QCOMPARE(app.GetLanguageName(), std::string("German"));
        // The built defaults still answer what neither scope holds.
        QCOMPARE(m_pSettings->ReadString("selectionreportformat"), std::optional<std::string>("1"));

        QVERIFY(m_pSettings->WriteString("Language", "FR"));
        QCOMPARE(QSettings(UserFile(), QSettings::IniFormat).value("Language").toString(), QString("FR"));
        QCOMPARE(QSettings(SystemFile(), QSettings::IniFormat).value("Language").toString(), QString("DE"));

        // By hand: a value with a comma reads whole, a key left empty is set; a file that cannot be
        // written says so.
        std::ofstream(UserFile().toStdString(), std::ios::app) << "Folders=a,b\nEmpty=\n";
        const CQtSettings edited(UserFile(), SystemFile(), m_dir.filePath("none.ini"));
        QCOMPARE(edited.ReadString("Folders"), std::optional<std::string>("a,b"));
        QCOMPARE(edited.ReadString("Empty"), std::optional<std::string>(""));
        std::ofstream(m_dir.filePath("plain").toStdString()) << "a file, not a folder";
        CQtSettings unwritable(m_dir.filePath("plain/user.ini"), SystemFile(), SystemFile());
        QVERIFY(!unwritable.WriteString("Language", "US"));
    }

    void builtDefaultsGiveTheLanguageAndThePresets()
    {
        CPromptCapture prompt;
        CTesmaraAppSettings app;
        app.Read(*m_pSettings, "");
        QVERIFY(prompt->Texts().empty());
        QCOMPARE(app.GetLanguageCode(), std::string("US"));
        QCOMPARE(app.GetLanguageNameId(), 500);
        QVERIFY(app.m_metricUnits == CDefaultUnits::Metric());
        QVERIFY(app.m_standardUnits == CDefaultUnits::Standard());
        QVERIFY(app.m_defaultUnits == CDefaultUnits::Standard());
    }

    void brokenSettingsAndMissingCatalogueStillStart()
    {
        CQtSettings broken(UserFile(), SystemFile(), m_dir.filePath("none.ini"));
        std::ofstream(UserFile().toStdString()) << "\x01\x02[[[garbage\n=\n";
        CPromptCapture prompt;
        CEuropeanAccumulatorApp app(broken, {"--no-splash"});
        QVERIFY(app.InitInstance());
        QVERIFY(app.MainFrame()->isVisible());
        QVERIFY(prompt->Texts().size() >= 2); // no language table, no catalogue
        QCOMPARE(prompt->Texts()[0], std::string("Failed to get language info from registry"));
        QCOMPARE(app.Product().GetButtonState(0), 1);
    }

    void splashInputClosesItAndTheDisclaimerDeclinedEndsTheProgram()
    {
        CScriptedRunner runner;
        Answer(runner, {QDialog::Rejected});
        CPromptCapture prompt;
        auto pApp = Start({});
        QVERIFY(pApp);
        QVERIFY(pApp->Splash());
        CKeySpy spy;
        pApp->MainFrame()->installEventFilter(&spy);
        QTest::keyClick(pApp->MainFrame(), Qt::Key_Space);
        QCOMPARE(spy.m_nKeys, 0); // the key only closed the splash
        QTRY_VERIFY(!pApp->Splash());
        QTRY_COMPARE(runner.m_titles, QStringList{"Tesmara Accumulator Disclaimer"});
        QTRY_VERIFY(!pApp->MainFrame()->isVisible());
    }

    void disclaimerAcceptedThenTipOfTheDay()
    {
        CScriptedRunner runner;
        Answer(runner, {QDialog::Accepted, QDialog::Accepted});
        CPromptCapture prompt;
        auto pApp = Start({});
        QVERIFY(pApp);
        QSignalSpy finished(pApp.get(), &CEuropeanAccumulatorApp::StartupFinished);
        QTest::mouseClick(pApp->MainFrame(), Qt::LeftButton);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(runner.m_titles, (QStringList{"Tesmara Accumulator Disclaimer", "Tip of the Day"}));
        QVERIFY(pApp->MainFrame()->isVisible());

        // Tips switched off: the next start shows the disclaimer only.
        m_pSettings->WriteInt("Tip/StartUp", 1);
        runner.m_titles.clear();
        Answer(runner, {QDialog::Accepted});
        auto pNext = Start({});
        QTest::keyClick(pNext->MainFrame(), Qt::Key_A);
        QTRY_COMPARE(runner.m_titles, QStringList{"Tesmara Accumulator Disclaimer"});
    }

    void missingTipsFileIsToldAndStartUpGoesOn()
    {
        m_pSettings->WriteString("LocalPath", m_dir.path().toStdString());
        CScriptedRunner runner;
        Answer(runner, {QDialog::Accepted});
        CPromptCapture prompt;
        auto pApp = Start({});
        QSignalSpy finished(pApp.get(), &CEuropeanAccumulatorApp::StartupFinished);
        QTest::keyClick(pApp->MainFrame(), Qt::Key_Escape);
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(runner.m_titles, QStringList{"Tesmara Accumulator Disclaimer"});
        QCOMPARE(prompt->Texts(),
                 std::vector<std::string>{"Tips file does not exist in the prescribed directory"});
        QVERIFY(pApp->MainFrame()->isVisible());
    }

    void unitDefaultsAreStoredAndInForceAtOnce()
    {
        auto pApp = Start();
        CScriptedRunner runner;
        Answer(runner, {QDialog::Accepted},
               [](QDialog& dialog) { FindButton(dialog, "Reset to Metric Defaults")->click(); });
        pApp->OnCommand(cmd::UnitDefaults);
        QCOMPARE(runner.m_titles.size(), 1);
        // Stored, and in force at once; reading the stored table back is the settings' own test.
        QSettings user(UserFile(), QSettings::IniFormat);
        QCOMPARE(user.value("DefaultUnits/UnitType").toInt(), CDefaultUnits::kMetric);
        // Gauge bar: pressures as a gauge shows them.
        QCOMPARE(user.value("DefaultUnits/21081").toString(), QString("BARG"));
        QCOMPARE(pApp->DefaultUnit(21081), std::string("BARG"));
    }

    void noSplashNoDisclaimerNoTipAndTheMenusAfterTheStartUpAdjustments()
    {
        CScriptedRunner runner;
        auto pApp = Start();
        QVERIFY(pApp);
        QVERIFY(!pApp->Splash());
        QTest::qWait(50);
        QVERIFY(runner.m_titles.isEmpty());
        QCOMPARE(pApp->MainFrame()->windowTitle(), QString("New Selection - Untitled"));

        QMenu* pTools = pApp->MainFrame()->TopMenu(CMainFrame::MenuTools);
        const QList<QAction*> tools = pTools->actions();
        QCOMPARE(tools.size(), 5);
        QCOMPARE(tools[2]->text(), QString("Existing Accumulator &Output"));
        QCOMPARE(tools[3]->text(), QString("&Effects Of Temperature On Precharge"));
        QCOMPARE(tools[4]->text(), QString("&Unit Conversion"));
        QCOMPARE(CMainFrame::CommandId(tools[2]), 33100);
        QCOMPARE(CMainFrame::CommandId(tools[4]), 33102);
        // The two tools open from it without touching the selection (their work is ToolDialogsTest's).
        tools[2]->trigger();
        tools[3]->trigger();
        QCOMPARE(runner.m_titles, (QStringList{"Calculate the Output of Existing Accumulator",
                                               "Effects of Temperature on Pre-charge"}));
        QVERIFY(!pApp->Product().IsDirty());
        QVERIFY(!pApp->MainFrame()->Action(cmd::ToolOptions));
        QAction* pCatalog = pApp->MainFrame()->TopMenu(CMainFrame::MenuHelp)->actions().first();
        QCOMPARE(pCatalog->text(), QString("Catalog"));
        QCOMPARE(CMainFrame::CommandId(pCatalog), cmd::ReferenceContents);
        QCOMPARE(pApp->MainFrame()->TopMenu(CMainFrame::MenuLanguage)->actions().first()->text(),
                 QString("U.S. English"));
        // Outputs that do not exist yet cannot be chosen.
        for (int nId :
             {cmd::ViewSelectionReport, cmd::PrintSelectionReport, cmd::AddToOrderPad, cmd::CadCommands[0]})
            QVERIFY(!pApp->MainFrame()->Action(nId)->isEnabled());
    }

    void displaySelectionCompleteOptionsTogglesTheSetting()
    {
        auto pApp = Start();
        QAction* pShow = pApp->MainFrame()->Action(cmd::DisplaySelectionCompleteOptions);
        QVERIFY(pShow->isChecked());
        pApp->OnCommand(cmd::DisplaySelectionCompleteOptions);
        QCOMPARE(m_pSettings->ReadInt("SelectionCompleted/Show", 1), 0);
        QVERIFY(!pShow->isChecked());
        pApp->OnCommand(cmd::DisplaySelectionCompleteOptions);
        QCOMPARE(m_pSettings->ReadInt("SelectionCompleted/Show", 0), 1);
    }

    void wrongExtensionIsRefusedBeforeAnything()
    {
        auto pApp = Start();
        pApp->Product().m_bModified = true;
        CPromptCapture prompt;
        QVERIFY(!pApp->OpenDocumentFile(m_dir.filePath("x.ac3")));
        QCOMPARE(prompt->Texts(), std::vector<std::string>{m_dir.filePath("x.ac3").toStdString() +
                                                           " is not a valid Accumulator selection file."});
        QVERIFY(pApp->Product().IsDirty());
    }

    void modifiedSelectionIsOfferedForSavingBeforeItIsDropped()
    {
        auto pApp = Start();
        CScriptedFiles files;
        pApp->SetFileDialogs(&files);

        // New: Cancel changes nothing, No drops the work, Yes saves it first.
        Modify(*pApp);
        {
            CPromptCapture prompt;
            prompt->Script({EPromptAnswer::Cancel, EPromptAnswer::No});
            pApp->OnCommand(cmd::FileNew);
            QVERIFY(pApp->Product().IsDirty());
            pApp->OnCommand(cmd::FileNew);
            QCOMPARE(prompt->Texts(), std::vector<std::string>(2, kSaveQuestion));
            QCOMPARE(prompt->CancelOffered(), std::vector<bool>(2, true));
            QVERIFY(!pApp->Product().IsDirty());
        }
        Modify(*pApp);
        {
            CPromptCapture prompt;
            prompt->Script({EPromptAnswer::Yes});
            files.m_paths = {m_dir.filePath("kept.ac3")};
            pApp->OnCommand(cmd::FileNew);
            // Saved under the extension that opens again.
            QVERIFY(QFile::exists(m_dir.filePath("kept.Ac3")));
            QCOMPARE(m_pSettings->ReadString("FileSaveOpenPath"), m_dir.path().toStdString());
        }
        // Yes with the save dialog cancelled keeps the work and stays.
        Modify(*pApp);
        {
            CPromptCapture prompt;
            prompt->Script({EPromptAnswer::Yes});
            pApp->OnCommand(cmd::FileNew);
            QVERIFY(pApp->Product().IsDirty());
        }
        // Open asks (with Cancel) before its dialog, which starts in the folder used last.
        {
            CPromptCapture prompt;
            prompt->Script({EPromptAnswer::Cancel});
            pApp->OnCommand(cmd::FileOpen);
            QVERIFY(pApp->Product().IsDirty());
            QCOMPARE(prompt->CancelOffered(), std::vector<bool>{true});
            prompt->Clear();
            prompt->Script({EPromptAnswer::No});
            files.m_paths = {m_dir.filePath("kept.Ac3")};
            pApp->OnCommand(cmd::FileOpen);
            QCOMPARE(prompt->Texts(), std::vector<std::string>{kSaveQuestion});
            QCOMPARE(files.m_strFolder, m_dir.path());
            QVERIFY(!pApp->Product().IsDirty());
            QCOMPARE(pApp->MainFrame()->windowTitle(), QString("kept   Selection"));
        }
        // Exit: Cancel keeps the program, No leaves it.
        Modify(*pApp);
        {
            CPromptCapture prompt;
            prompt->Script({EPromptAnswer::Cancel, EPromptAnswer::No});
            pApp->OnCommand(cmd::AppExit);
            QVERIFY(pApp->MainFrame()->isVisible());
            pApp->OnCommand(cmd::AppExit);
            QVERIFY(!pApp->MainFrame()->isVisible());
            QCOMPARE(prompt->Texts().size(), std::size_t(2));
            QCOMPARE(m_pSettings->ReadString("Language"), std::string("US"));
        }
    }

    void recentFilesFollowOpenAndSaveAndDropMissingFiles()
    {
        auto pApp = Start();
        CScriptedFiles files;
        pApp->SetFileDialogs(&files);
        const QString strFirst = Saved(*pApp, files, "first.Ac3");
        const QString strSecond = Saved(*pApp, files, "second.Ac3");
        QCOMPARE(pApp->RecentFiles().Files().front(), strSecond.toStdString());
        QVERIFY(pApp->MainFrame()->Action(cmd::FileMruFirst + 1)->isVisible());

        CPromptCapture prompt;
        pApp->OnCommand(cmd::FileMruFirst + 1);
        QVERIFY(prompt->Texts().empty());
        QCOMPARE(pApp->RecentFiles().Files().front(), strFirst.toStdString());

        QFile::remove(strSecond);
        pApp->OnCommand(cmd::FileMruFirst + 1);
        QCOMPARE(prompt->Texts().size(), std::size_t(1));
        QCOMPARE(pApp->RecentFiles().Files().size(), std::size_t(1));
        QVERIFY(!pApp->MainFrame()->Action(cmd::FileMruFirst + 1)->isVisible());

        // The list outlives the program.
        auto pNext = Start();
        QCOMPARE(pNext->RecentFiles().Files(), pApp->RecentFiles().Files());
    }

    void fileFromALanguageNotInstalledIsRefused()
    {
        // U.S. English and German are installed; French is not.
        auto pApp = Start();
        CScriptedFiles files;
        pApp->SetFileDialogs(&files);
        const QString strPath = Saved(*pApp, files, "other.Ac3");
        {
            std::fstream file(strPath.toStdString(), std::ios::in | std::ios::out | std::ios::binary);
            file.write("FR", 3);
            file.seekp(112);
            file.write("\xF6\x01\0\0", 4); // 502, the name of French
        }
        CPromptCapture prompt;
        QVERIFY(!pApp->OpenDocumentFile(strPath));
        QCOMPARE(prompt->Texts().back(),
                 std::string("The selection you are trying to open was created in French, "
                             "which you do not have installed.  You cannot open this selection."));
        QCOMPARE(pApp->LanguageCode(), std::string("US"));
        // A file of an installed language switches the program to it: GermanTest.
    }

    void helpMenuOpensTheMakersPagesAndEveryCommandTellsTheStatusBar()
    {
        auto pApp = Start();
        QList<QUrl> opened;
        bool bBrowser = true;
        pApp->SetUrlOpener([&](const QUrl& url) { opened << url; return bBrowser; });
        CPromptCapture prompt;
        pApp->OnCommand(cmd::WebPages[1]);
        QCOMPARE(opened, QList<QUrl>{QUrl("https://www.dalrow-mestlin.example/accumulators/products/")});
        QVERIFY(prompt->Texts().empty());
        bBrowser = false;
        pApp->MainFrame()->Action(cmd::WebPages[2])->trigger();
        QCOMPARE(prompt->Texts().back(), std::string("No web browser could be started to open "
                                                     "https://www.dalrow-mestlin.example/accumulators/support/.\n"
                                                     "Open the address in your browser yourself."));
        m_pSettings->WriteString("Web/HomePage", "home.html");
        pApp->OnCommand(cmd::WebPages[0]);
        QCOMPARE(opened.size(), 2);
        QCOMPARE(prompt->Texts().back(), std::string("No web address is set up for this page (setting Web/HomePage)."));

        // Every command of every menu, also those added at start-up, tells the status bar what it does.
        QList<QMenu*> menus;
        for (int i = CMainFrame::MenuFile; i <= CMainFrame::MenuHelp; ++i)
            menus << pApp->MainFrame()->TopMenu(i);
        for (int i = 0; i < menus.size(); ++i)
            for (QAction* pAction : menus[i]->actions())
            {
                if (pAction->menu())
                    menus << pAction->menu();
                if (!pAction->isSeparator() && pAction->isVisible())
                    QVERIFY2(!pAction->statusTip().isEmpty(), qPrintable(pAction->text()));
            }
        QAction* pAdd = pApp->MainFrame()->Action(cmd::AddToOrderPad);
        QCOMPARE(pAdd->statusTip(), QString("Adds the Current Selection to the Order Pad"));
        QCOMPARE(pAdd->toolTip(), QString("Add the Current Selection to the OrderPad"));
        QCOMPARE(pApp->MainFrame()->Action(cmd::OrderPad)->statusTip(), QString("Opens the Order Pad Utility"));
        QCOMPARE(pApp->MainFrame()->Action(cmd::RapidSelection)->statusTip(), QString("Rapid selection of part number"));
    }

    void printFromTheCommandLineShowsNoWindow()
    {
        // No printer here, whatever the machine has: the report is refused with the reason.
        qputenv("CUPS_SERVER", "localhost:1");
        const QString strComplete = m_dir.filePath("complete.Ac3"), strOpen = m_dir.filePath("open.Ac3");
        QVERIFY(SaveCompleteSelection(strComplete.toStdString(), CompletePiston()));
        QVERIFY(SaveCompleteSelection(strOpen.toStdString(), CompletePiston(), false));
        CPromptCapture prompt;
        CEuropeanAccumulatorApp printing(*m_pSettings, {"/p", strComplete});
        QVERIFY(printing.InitInstance());
        QVERIFY(!printing.Printed());
        QVERIFY(!printing.MainFrame()->isVisible());
        QVERIFY(!printing.Splash());
        QCOMPARE(prompt->Texts().back(), std::string("No printer is installed: the selection report was not printed."));

        CEuropeanAccumulatorApp incomplete(*m_pSettings, {"/p", strOpen});
        QVERIFY(incomplete.InitInstance());
        QVERIFY(!incomplete.Printed());
        QVERIFY(QString::fromStdString(prompt->Texts().back()).endsWith("has no model number yet: there is no report to print."));
    }
};

QTEST_MAIN(CAppShellTest)
#include "AppShellTest.moc"
