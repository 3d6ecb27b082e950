// The report component: a two-page report laid out and shown in the viewer, and written as PDF.
#include "../ReportSelection.h"
#include "app/FileDialogs.h"
#include "outputs/ReportDocument.h"
#include "outputs/ReportOutput.h"
#include "outputs/ReportViewer.h"

#include <QApplication>
#include <QDir>
#include <benchmark/benchmark.h>

namespace
{
class CNoFiles : public IFileDialogs
{
public:
    QString GetOpenFileName(QWidget*, const QString&, const QString&) override { return QString(); }
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&) override
    {
        return QString();
    }
};

// From the selection to the viewer on the screen: the map, the document and the two pages drawn.
void BM_ReportPreviewShown(benchmark::State& state)
{
    SReportBenchSelection s(40);
    CNoFiles files;
    for (auto _ : state)
    {
        const CReportDocument document(PrintSelectionReport(s.data, s.context));
        CReportViewer viewer(document, QStringLiteral("Selection Report Viewer"), QPageSize(QPageSize::A4), files,
                             nullptr);
        viewer.show();
        QApplication::processEvents();
        if (viewer.PageCount() < 2)
            state.SkipWithError("the report is shorter than two pages");
        state.counters["pages"] = viewer.PageCount();
        viewer.hide();
    }
}
BENCHMARK(BM_ReportPreviewShown)->Unit(benchmark::kMillisecond);

// With a description of state.range(0) KiB without a break in it, as a hostile file may hold:
// cut and broken, it is laid out in about the time of a normal one.
void BM_ReportPdfWritten(benchmark::State& state)
{
    SReportBenchSelection s(40);
    s.data.strAccumulatorDesc += std::string(static_cast<std::size_t>(state.range(0)) * 1024, 'W');
    const QString strPath = QDir::temp().filePath(QStringLiteral("tesmara_bench_report.pdf"));
    for (auto _ : state)
    {
        const CReportDocument document(PrintSelectionReport(s.data, s.context));
        QString strError;
        if (!WriteReportPdf(document, strPath, QPageSize(QPageSize::A4), strError))
            state.SkipWithError(strError.toStdString().c_str());
    }
    QFile::remove(strPath);
}
BENCHMARK(BM_ReportPdfWritten)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
} // namespace
