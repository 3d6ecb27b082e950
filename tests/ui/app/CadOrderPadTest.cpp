// The CAD and order pad commands of the desktop on opened selections, as a user runs them from
// the menu and the selection-complete panel: drawings viewed and written, preferences kept,
// selections handed to the order pad and seen there.
#include "CompleteSelections.h"
#include "DesktopSession.h"
#include "outputs/CadPreferencesDialog.h"
#include "outputs/OrderPadLink.h"
#include "outputs/OrderPadWindow.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

namespace
{
QByteArray ReadAll(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class CCadOrderPadTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_pDir;
    std::unique_ptr<CDesktopSession> m_pSession;

    CEuropeanAccumulatorApp& App() { return m_pSession->App(); }
    QString Path(const QString& strName) const { return m_pDir->filePath(strName); }
    QStringList Inbox() const { return QDir(Path("inbox")).entryList({"*.opd"}, QDir::Files); }

    // Opens a saved selection through "Open", as a user does.
    void Open(const CBaseProduct& d, const QString& strName, int nProdId = 0,
              const std::string& strProdType = "Accumulators")
    {
        QVERIFY(SaveCompleteSelection(Path(strName).toStdString(), d, true, nProdId, strProdType));
        m_pSession->Files().m_strPath = Path(strName);
        App().OnCommand(cmd::FileOpen);
        QVERIFY(m_pSession->Product().IsSelectionComplete());
    }
    bool Enabled(int nCommand) { return App().MainFrame()->Action(nCommand)->isEnabled(); }

private slots:
    void init()
    {
        m_pDir = std::make_unique<QTemporaryDir>();
        QDir().mkpath(Path("app"));
        QVERIFY(QFile::copy(TESMARA_BUILT_CAD_MAILBOX, Path("app/CadMailbox.db")));
        qputenv("TESMARA_DATA_ROOT", Path("data").toUtf8());
        m_pSession = std::make_unique<CDesktopSession>();
        ISettings& settings = m_pSession->Settings();
        // The application folder with this run's own mailbox, its own inbox, an order pad that starts.
        settings.WriteString(settingskey::LocalPath, Path("app").toStdString());
        settings.WriteString(orderpadkey::Inbox, Path("inbox").toStdString());
        settings.WriteString(orderpadkey::Program, "/bin/true");
        QVERIFY(m_pSession->Start());
    }
    void cleanup()
    {
        m_pSession.reset();
        m_pDir.reset();
    }

    void PistonDrawingIsViewedAndWrittenWithThePreferences()
    {
        CPromptCapture prompt;
        Open(CompletePiston(), "piston.Ac3");
        for (int nCommand : cmd::CadCommands)
            QVERIFY2(Enabled(nCommand), qPrintable(QString::number(nCommand)));

        // The viewer's own work is CadViewerTest's.
        CChainScript script;
        App().OnCommand(outputcmd::ViewCadDrawing);
        QCOMPARE(script.Titles(), QStringList{"CAD Drawing - PA31-4-150-VS-G"});

        // Millimetres and the user's company, kept in the settings for the files that follow.
        script["CAD Preferences"] = [](QDialog& d)
        {
            auto& p = static_cast<CCadPreferencesDialog&>(d);
            p.UnitsButton(ECadUnits::Millimetres)->setChecked(true);
            p.CompanyEdit()->setText("Hydraulik Nord GmbH");
            return PressOk(d);
        };
        App().OnCommand(cmd::CadCommands[3]);
        QCOMPARE(m_pSession->Settings().ReadString(cadkey::Units).value_or(""), std::string("1"));

        m_pSession->Files().m_strPath = Path("piston.dxf");
        App().OnCommand(outputcmd::PrintCadDxf);
        const QByteArray dxf = ReadAll(Path("piston.dxf"));
        QVERIFY(dxf.contains("\nA  454.7\n"));
        QVERIFY(dxf.contains("\nHydraulik Nord GmbH\n"));
        m_pSession->Files().m_strPath = Path("piston.plt");
        App().OnCommand(outputcmd::PrintCadHpgl);
        QVERIFY(ReadAll(Path("piston.plt")).startsWith("IN;"));
        m_pSession->Files().m_strPath = Path("piston.svg");
        App().OnCommand(outputcmd::GenerateCadFile);
        QVERIFY(ReadAll(Path("piston.svg")).contains("<svg"));
        QCOMPARE(prompt->Texts(), std::vector<std::string>());

        // A mailbox that cannot be opened: no drawing, and the reason.
        QVERIFY(QFile::remove(Path("app/CadMailbox.db")));
        App().OnCommand(outputcmd::ViewCadDrawing);
        QCOMPARE(script.Titles().size(), 2);
        QCOMPARE(prompt->Texts().size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompt->Texts()[0]).startsWith("Failed to open CAD mailbox\n\n"));
    }

    void DiaphragmAndIsolatorHaveNoDrawingButCanBeOrdered()
    {
        CPromptCapture prompt;
        CAccumulatorData diaphragm = CompletePiston();
        diaphragm.strAccumulatorType = "Diaphragm";
        Open(diaphragm, "diaphragm.Ac3");
        CSelectionCompleted panel(m_pSession->Product(), m_pSession->Settings(), CSelectionCompleted::WithCad, {});
        QVERIFY(!panel.CommandButton(outputcmd::ViewCadDrawing)->isEnabled());
        QVERIFY(panel.CommandButton(outputcmd::AddToOrderPad)->isEnabled());
        Open(CompleteIsolator(), "isolator.Ac3", prod::ReservoirIsolator, "Reservoir Isolators");
        for (int nCommand : {outputcmd::ViewCadDrawing, outputcmd::PrintCadDxf, outputcmd::PrintCadHpgl,
                             outputcmd::GenerateCadFile})
            QVERIFY(!Enabled(nCommand));
        // Its line on the order pad: CCadOrderPadCommandTest; the desktop's way there is the piston's below.
        QVERIFY(Enabled(cmd::AddToOrderPad));
        QCOMPARE(prompt->Texts(), std::vector<std::string>());
    }

    void AddToOrderPadReachesTheOrderPadWholeAndOnTheClipboard()
    {
        CPromptCapture prompt;
        CAccumulatorData piston = CompletePiston();
        piston.cpcGBPartNumber = CPartCode("GB3-20G-S1", 0, "Gas Bottle, 20 gal, SAE-16 Gas Port");
        piston.siGBQty = CUnitInt(2, "");
        Open(piston, "piston.Ac3");
        App().OnCommand(outputcmd::AddToOrderPad);
        QCOMPARE(prompt->Texts(), std::vector<std::string>());
        const QStringList documents = Inbox();
        QCOMPARE(documents.size(), 1);
        // The clipboard holds the very document, under the order pad's format.
        const QMimeData* pData = QGuiApplication::clipboard()->mimeData();
        QVERIFY(pData && pData->hasFormat(kOrderPadMimeType));
        QCOMPARE(pData->data(kOrderPadMimeType), ReadAll(Path("inbox/" + documents[0])));

        // The order pad takes it in: both lines, then the document leaves the inbox.
        COrderPadWindow orderPad(Path("inbox").toStdU16String());
        QCOMPARE(orderPad.Table()->rowCount(), 2);
        QCOMPARE(orderPad.Table()->item(0, 0)->text(), QStringLiteral("PA31-4-150-VS-G"));
        QCOMPARE(orderPad.Table()->item(1, 1)->text(), QStringLiteral("2"));
        QVERIFY(Inbox().isEmpty());

        // An inbox that cannot be made: the failure is told and nothing is left.
        QFile blocker(Path("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        m_pSession->Settings().WriteString(orderpadkey::Inbox, Path("blocker/inbox").toStdString());
        App().OnCommand(outputcmd::AddToOrderPad);
        QCOMPARE(prompt->Texts().size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompt->Texts()[0]).startsWith("Add to Order Failed!"));
        QVERIFY(Inbox().isEmpty());

        // The order pad program missing: the framework's command says so.
        prompt->Clear();
        m_pSession->Settings().WriteString(orderpadkey::Program, Path("no-such-program").toStdString());
        App().OnCommand(cmd::OrderPad);
        QCOMPARE(prompt->Texts().size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompt->Texts()[0]).startsWith("Open OrderPad Failed!\n\nThe order pad program"));
    }
};

QTEST_MAIN(CCadOrderPadTest)
#include "CadOrderPadTest.moc"
