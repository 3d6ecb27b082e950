// The program in German: a switch at run time keeps the selection and reads the German catalogue;
// a file of the other language switches it; and no English text is left in a German dialog.
#include "CompleteSelections.h"
#include "DesktopSession.h"
#include "RecordingPrompt.h"
#include "platform/StringTable.h"
#include "products/TesmaraButton.h"

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QXmlStreamReader>

namespace
{
QString Plain(QString strText)
{
    return strText.remove(QLatin1Char('&')).trimmed();
}

// Every English text of the windows and of the string table whose German differs.
QSet<QString> EnglishTexts()
{
    QSet<QString> texts;
    QFile file(QStringLiteral(TESMARA_DE_TS));
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QString strSource;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
        {
            if (xml.name() == QLatin1String("source"))
                strSource = xml.readElementText();
            else if (xml.name() == QLatin1String("translation") && Plain(xml.readElementText()) != Plain(strSource))
                texts.insert(Plain(strSource));
        }
    const CStringTable* pGerman = CStringTable::ForLanguage("DE");
    CStringTable::English().ForEach(
        [&](int nId, const std::string& strEnglish)
        {
            if (pGerman->Get(nId) != strEnglish)
                texts.insert(Plain(QString::fromStdString(strEnglish)));
        });
    texts.remove(QString());
    return texts;
}

// The texts a user reads in a window.
QStringList ShownTexts(QWidget& window)
{
    QStringList texts = {window.windowTitle()};
    for (QWidget* pWidget : window.findChildren<QWidget*>())
    {
        if (auto* pLabel = qobject_cast<QLabel*>(pWidget))
            texts << pLabel->text();
        else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget))
            texts << pButton->text();
        else if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget))
            texts << pGroup->title();
        if (auto* pTable = qobject_cast<QTableWidget*>(pWidget))
            for (int c = 0; c < pTable->columnCount(); ++c)
                if (pTable->horizontalHeaderItem(c))
                    texts << pTable->horizontalHeaderItem(c)->text();
    }
    for (QString& strText : texts)
        strText = Plain(strText);
    return texts;
}
} // namespace

class CGermanTest : public QObject
{
    Q_OBJECT

private slots:
    void switchingKeepsTheSelectionAndReadsTheGermanCatalogue()
    {
        CDesktopSession session;
        QVERIFY(session.Start());
        CPromptCapture prompt;
        const QString strPath = session.FilePath(QStringLiteral("piston.Ac3"));
        QVERIFY(SaveCompleteSelection(strPath.toStdString(), CompletePiston()));
        QVERIFY(session.App().OpenDocumentFile(strPath));
        const std::string strModel = session.Product().GetPartNumberDisplayText();
        QCOMPARE(strModel, std::string("PA31-4-150-VS-G"));
        CMainFrame& frame = *session.App().MainFrame();
        QCOMPARE(frame.TopMenu(CMainFrame::MenuFile)->title(), QStringLiteral("&File"));

        session.Product().m_bModified = true;
        frame.Action(cmd::LanguageFirst + 1)->trigger();
        QVERIFY(prompt->Texts().empty()); // nothing to save first: the unsaved selection stays
        QVERIFY(session.Product().IsDirty());
        QVERIFY(frame.Action(cmd::LanguageFirst + 1)->isChecked());
        QCOMPARE(session.App().LanguageCode(), std::string("DE"));
        QCOMPARE(session.Product().GetPartNumberDisplayText(), strModel);
        QVERIFY(session.Product().Database()->Path().filename() == "AccDE.db");
        QCOMPARE(session.Product().ProdType(), std::string("Hydrospeicher"));
        QCOMPARE(frame.TopMenu(CMainFrame::MenuFile)->title(), QStringLiteral("&Datei"));
        QCOMPARE(frame.Action(cmd::LanguageFirst)->text(), QStringLiteral("US-Englisch"));
        QCOMPARE(session.View().Button(0)->text(), QStringLiteral("Produkt wählen"));
        // The texts the selection holds are read again in German by their codes, and back in English.
        const auto seal = [&]
        {
            return dynamic_cast<const CAccumulatorData&>(*session.Product().CurrentSelection())
                .cpcSealCode.m_strDescription;
        };
        QCOMPARE(seal(), std::string("Fluorkautschuk (FKM)"));

        // Saved now, the file is German; opened in English it switches the program back to German.
        session.Files().m_strPath = session.FilePath(QStringLiteral("german.Ac3"));
        session.App().OnCommand(cmd::FileSave);
        frame.Action(cmd::LanguageFirst)->trigger();
        QCOMPARE(frame.TopMenu(CMainFrame::MenuFile)->title(), QStringLiteral("&File"));
        QCOMPARE(seal(), std::string("Fluorocarbon (FKM)"));
        QVERIFY(session.App().OpenDocumentFile(session.Files().m_strPath));
        QCOMPARE(prompt->Texts().back(), std::string("The selection you are trying to open was created in German.  "
                                                     "Your language selection will now be switched."));
        QCOMPARE(session.App().LanguageCode(), std::string("DE"));
        QVERIFY(frame.Action(cmd::LanguageFirst + 1)->isChecked());
        QCOMPARE(session.Product().GetPartNumberDisplayText(), strModel);
    }

    void germanDialogsShowNoEnglishText()
    {
        CDesktopSession session;
        session.Settings().WriteString("Language", "DE");
        QVERIFY(session.Start());
        CPromptCapture prompt;
        const QSet<QString> english = EnglishTexts();
        QVERIFY(english.contains(QStringLiteral("Choose Product Type")));
        QStringList seen, leftovers;
        CScriptedRunner runner;
        runner.m_fnScript = [&](QDialog& dialog)
        {
            dialog.show();
            seen << dialog.windowTitle();
            for (const QString& strText : ShownTexts(dialog))
                if (english.contains(strText))
                    leftovers << dialog.windowTitle() + ": " + strText;
            dialog.hide();
            return dlg::Cancel;
        };
        for (int nCommand : {cmd::AppAbout, cmd::UnitDefaults, cmd::TipOfTheDay, cmd::UserFirst, cmd::UserFirst + 1,
                             cmd::UserFirst + 2})
            session.App().OnCommand(nCommand);
        session.Steps({kProduct});
        QVERIFY2(seen.size() >= 6, qPrintable(seen.join(QStringLiteral(", "))));
        QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join(QStringLiteral("\n"))));
    }
};

QTEST_MAIN(CGermanTest)
#include "GermanTest.moc"
