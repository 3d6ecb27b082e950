// The report component: pages of a long report in the viewer, page navigation and zoom, "Save as
// PDF..." and printing read back with pdftotext, the paper by locale, and a picture that cannot be
// shown told once while the report is shown all the same.
#include "../products/ProductFixture.h"
#include "app/FileDialogs.h"
#include "outputs/ReportDocument.h"
#include "outputs/ReportKeys.h"
#include "outputs/ReportOutput.h"
#include "outputs/ReportPage.h"
#include "outputs/ReportPresenter.h"
#include "outputs/ReportViewer.h"
#include "platform/Settings.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
class CPathDialogs : public IFileDialogs
{
public:
    QString GetOpenFileName(QWidget*, const QString&, const QString&) override { return QString(); }
    QString GetSaveFileName(QWidget*, const QString& strFolder, const QString& strName, const QString&,
                            const QString&) override
    {
        m_strFolder = strFolder;
        m_strOffered = strName;
        return m_strPath;
    }
    QString m_strPath;
    QString m_strFolder;
    QString m_strOffered;
};

std::vector<std::uint8_t> Jpeg(int nWidth, int nHeight)
{
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return {bytes.begin(), bytes.end()};
}

// A report of a multiple-events cycle with many events: more than one page.
SSelectionReport LongReport(int nEvents)
{
    SSelectionReport report;
    CReportMap& m = report.map;
    m.Set("ReportTitleLBL", "Selection Report");
    m.Set("MODELNUMBERLBL", "Model Number:");
    m.Set("MODELNUMBERVAL", "PA31-4/2.5G-NS");
    m.Set("ModelHeadingLBL", "Selected Model");
    m.Set("ProductTypeVAL", "Accumulators");
    m.Set("ProductTypeLBL", "Product Type:");
    m.Set("EventsHeadingLBL", "Actuator Events");
    m.Set("PageLBL", "Page %1 of %2");
    for (int i = 1; i <= nEvents; ++i)
    {
        m.Append(reportkey::EventKey("ActuatorNumberVAL"), std::to_string(i));
        m.Append(reportkey::EventKey("EventNumberVAL"), "1");
        m.Append(reportkey::EventKey("StartTimeVAL"), std::to_string(i));
        m.Append(reportkey::EventKey("PumpActionVAL"), "Pump On");
    }
    report.brand = {"Dalrow.jpg", Jpeg(240, 80)};
    report.picture = {"DimPiston.jpg", Jpeg(480, 360)};
    return report;
}

QString PdfText(const QString& strPath, int nPage = 0)
{
    QStringList args{QStringLiteral("-layout"), strPath, QStringLiteral("-")};
    if (nPage > 0)
        args << QStringLiteral("-f") << QString::number(nPage) << QStringLiteral("-l") << QString::number(nPage);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), args);
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}
// The page of the PDF's last picture, by pdfimages' list (two lines of heading, then one line per
// picture with its page first).
int LastPicturePage(const QString& strPath)
{
    QProcess pdfimages;
    pdfimages.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), strPath});
    pdfimages.waitForFinished();
    const QStringList lines = QString::fromUtf8(pdfimages.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    return lines.size() > 2 ? lines.back().simplified().section(' ', 0, 0).toInt() : 0;
}
} // namespace

class CReportViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void PagesAreNavigatedAndZoomed()
    {
        const CReportDocument document(LongReport(90));
        CPathDialogs files;
        CReportViewer viewer(document, QStringLiteral("Selection Report Viewer"), QPageSize(QPageSize::A4), files,
                             nullptr);
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Selection Report Viewer"));
        const int nPages = viewer.PageCount();
        QVERIFY2(nPages >= 2, qPrintable(QString::number(nPages)));
        QCOMPARE(viewer.PageText(), QStringLiteral("Page 1 of %1").arg(nPages));
        viewer.Action(QStringLiteral("Next Page"))->trigger();
        QCOMPARE(viewer.CurrentPage(), 2);
        viewer.Action(QStringLiteral("Last Page"))->trigger();
        QCOMPARE(viewer.PageText(), QStringLiteral("Page %1 of %1").arg(nPages));
        viewer.Action(QStringLiteral("Next Page"))->trigger();
        QCOMPARE(viewer.CurrentPage(), nPages);
        viewer.Action(QStringLiteral("First Page"))->trigger();
        QCOMPARE(viewer.CurrentPage(), 1);
        const qreal dZoom = viewer.Preview()->zoomFactor();
        viewer.Action(QStringLiteral("Zoom In"))->trigger();
        QVERIFY(viewer.Preview()->zoomFactor() > dZoom);
        viewer.Action(QStringLiteral("Zoom Out"))->trigger();
        viewer.Action(QStringLiteral("Zoom Out"))->trigger();
        QVERIFY(viewer.Preview()->zoomFactor() < dZoom);
    }

    void SavedAsPdfOrNotAtAll()
    {
        CPromptCapture prompt;
        QTemporaryDir dir;
        const CReportDocument document(LongReport(90));
        CPathDialogs files;
        CMemorySettings folders;
        CReportViewer viewer(document, QStringLiteral("Selection Report Viewer"), QPageSize(QPageSize::A4), files,
                             &folders);
        files.m_strPath = dir.filePath(QStringLiteral("report.pdf"));
        viewer.Action(QStringLiteral("Save as PDF"))->trigger();
        // The model number names the file offered, without the characters a file name cannot hold.
        QCOMPARE(files.m_strOffered, QStringLiteral("PA31-4-2.5G-NS.pdf"));
        QVERIFY(prompt->Texts().empty());
        const QString strText = PdfText(files.m_strPath);
        QVERIFY2(strText.contains(QStringLiteral("Model Number: PA31-4/2.5G-NS")), qPrintable(strText));
        QVERIFY(strText.contains(QStringLiteral("Page %1 of %1").arg(viewer.PageCount())));
        QVERIFY(strText.contains(QStringLiteral("Actuator Events")));

        files.m_strPath = dir.filePath(QStringLiteral("no/folder.pdf"));
        viewer.Action(QStringLiteral("Save as PDF"))->trigger();
        QCOMPARE(prompt->Texts().size(), std::size_t(1));
        QVERIFY(QString::fromStdString(prompt->Texts().front())
                    .startsWith(QStringLiteral("The report could not be saved to ") + files.m_strPath));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("report.pdf")});

        // The next report's dialog starts where the last PDF went, not where the failed one would have.
        CReportViewer next(document, QStringLiteral("Selection Report Viewer"), QPageSize(QPageSize::A4), files,
                           &folders);
        files.m_strPath.clear();
        next.Action(QStringLiteral("Save as PDF"))->trigger();
        QCOMPARE(files.m_strFolder, dir.path());

        // A text far longer than any of the catalogue is cut, with a note, rather than laid out for minutes.
        SSelectionReport longText = LongReport(1);
        longText.map.Set("ProductTypeVAL", std::string(100000, 'W'));
        files.m_strPath = dir.filePath(QStringLiteral("long.pdf"));
        CReportViewer(CReportDocument(longText), QString(), QPageSize(QPageSize::A4), files, &folders)
            .Action(QStringLiteral("Save as PDF"))
            ->trigger();
        QVERIFY(PdfText(files.m_strPath).contains(QStringLiteral("[98000 more characters not shown]")));
    }

    void ChartsComeUnderTheirHeadingsOnOnePage()
    {
        // Event tables of growing length push the gas chart across the first page's end; the cycle graph
        // is drawn only where there is a cycle (the first report's).
        QTemporaryDir dir;
        const QString strHeading = QStringLiteral("Gas State of the Sized Accumulator");
        for (int nEvents = 6; nEvents <= 30; nEvents += 3)
        {
            SSelectionReport report = LongReport(nEvents);
            report.map.Set("CycleGraphHeadingLBL", "Cycle Graph");
            report.map.Set("GasStateHeadingLBL", strHeading.toStdString());
            if (nEvents == 6)
                report.cycle = {{0.0, 0.0}, {2.0, 40.0}, {5.0, 10.0}};
            report.gasStates.states = {{0.0, 3014.7, 70.0, 300.0}, {2.0, 2014.7, 40.0, 410.0}};
            report.gasUnits = {"PSIG", "DEG_F", "CU_IN"};
            const QString strPath = dir.filePath(QStringLiteral("chart%1.pdf").arg(nEvents));
            QString strError;
            int nPages = 0;
            QVERIFY(WriteReportPdf(CReportDocument(report), strPath, QPageSize(QPageSize::A4), strError, &nPages));
            QCOMPARE(PdfText(strPath).contains(QStringLiteral("Cycle Graph")), nEvents == 6);
            int nHeadingPage = 0;
            for (int nPage = 1; nPage <= nPages; ++nPage)
                if (PdfText(strPath, nPage).contains(strHeading))
                    nHeadingPage = nPage;
            QVERIFY2(nHeadingPage > 0, qPrintable(QString::number(nEvents)));
            QVERIFY2(LastPicturePage(strPath) == nHeadingPage,
                     qPrintable(QStringLiteral("%1 events: heading on page %2, chart on page %3")
                                    .arg(nEvents)
                                    .arg(nHeadingPage)
                                    .arg(LastPicturePage(strPath))));
        }
    }

    void PrintedOnTheChosenPrinter()
    {
        QTemporaryDir dir;
        const QString strPdf = dir.filePath(QStringLiteral("printed.pdf"));
        CScriptedRunner runner;
        runner.m_fnScript = [&](QDialog& d)
        {
            auto& print = static_cast<QPrintDialog&>(d);
            print.printer()->setOutputFormat(QPrinter::PdfFormat);
            print.printer()->setOutputFileName(strPdf);
            print.printer()->setPageSize(QPageSize(QPageSize::Letter));
            return int(QDialog::Accepted);
        };
        QVERIFY(PrintReportWithDialog(LongReport(3), nullptr));
        QCOMPARE(runner.m_titles.size(), 1);
        QVERIFY(PdfText(strPdf).contains(QStringLiteral("PA31-4/2.5G-NS")));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {strPdf});
        info.waitForFinished();
        QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("(letter)")));

        // Cancelled: nothing is printed.
        runner.m_fnScript = [](QDialog&) { return int(QDialog::Rejected); };
        QVERIFY(!PrintReportWithDialog(LongReport(3), nullptr));
    }

    void APictureThatCannotBeShownIsToldOnce()
    {
        CPromptCapture prompt;
        SSelectionReport report = LongReport(1);
        report.picture = {"DimPiston.jpg", {0xFF, 0xD8, 0x00, 0x01}};
        report.problems = {"The picture \"Dalrow.jpg\" could not be read from the catalogue."};
        report.brand = SReportPicture();
        const CReportDocument document(report);
        QCOMPARE(document.Problems(),
                 (QStringList{QStringLiteral("The picture \"Dalrow.jpg\" could not be read from the catalogue."),
                              QStringLiteral("The picture \"DimPiston.jpg\" is not a picture that can be shown.")}));
        CScriptedRunner runner;
        int nPages = 0;
        runner.m_fnScript = [&](QDialog& d)
        {
            nPages = static_cast<CReportViewer&>(d).PageCount();
            return int(QDialog::Accepted);
        };
        CPathDialogs files;
        QVERIFY(ShowReportViewer(report, QStringLiteral("Selection Report Viewer"), files, nullptr, nullptr));
        QCOMPARE(runner.m_titles, QStringList{QStringLiteral("Selection Report Viewer")});
        QCOMPARE(nPages, 1);
        QCOMPARE(prompt->Texts(), std::vector<std::string>{document.Problems().join('\n').toStdString() +
                                                           "\nThe report is shown without them."});
    }

    void PaperFollowsTheLocale()
    {
        QCOMPARE(ReportPageSize(QLocale(QLocale::English, QLocale::UnitedStates)).id(), QPageSize::Letter);
        QCOMPARE(ReportPageSize(QLocale(QLocale::English, QLocale::Canada)).id(), QPageSize::Letter);
        QCOMPARE(ReportPageSize(QLocale(QLocale::German, QLocale::Germany)).id(), QPageSize::A4);
        QCOMPARE(ReportPageSize(QLocale(QLocale::English, QLocale::UnitedKingdom)).id(), QPageSize::A4);
        QCOMPARE(ReportPageSizeByName(QStringLiteral("Letter")).id(), QPageSize::Letter);
        QVERIFY(!ReportPageSizeByName(QStringLiteral("b5")).isValid());
    }
};

QTEST_MAIN(CReportViewerTest)
#include "ReportViewerTest.moc"
