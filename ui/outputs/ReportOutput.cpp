// PDF and print output of the report.
#include "outputs/ReportOutput.h"

#include "app/DialogRunner.h"
#include "outputs/ReportDocument.h"
#include "outputs/ReportPage.h"
#include "platform/FileReplace.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

bool WriteReportPdf(const CReportDocument& document, const QString& strPath, const QPageSize& pageSize,
                    QString& strError, int* pPages)
{
    // Drawn in memory, then written whole by the one writer: a full disk, a device or a FIFO
    // are its business, and a failure leaves an existing file as it was.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    int nPages = 0;
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(ReportPageLayout(pageSize));
        writer.setResolution(300);
        writer.setTitle(document.DocumentTitle());
        writer.setCreator(QCoreApplication::translate("CReportOutput", "Tesmara Accumulator %1")
                              .arg(QStringLiteral(TESMARA_VERSION)));
        nPages = document.Render(writer);
    }
    if (pPages)
        *pPages = nPages;
    const QString strShown = QDir::toNativeSeparators(strPath);
    std::string strReason;
    if (nPages > 0 &&
        ReplaceFileContents(std::filesystem::path(strPath.toStdU16String()),
                            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), strReason))
        return true;
    strError = strReason.empty()
                   ? QCoreApplication::translate("CReportOutput", "The report could not be saved to %1.").arg(strShown)
                   : QCoreApplication::translate("CReportOutput", "The report could not be saved to %1. %2.")
                         .arg(strShown, QString::fromStdString(strReason));
    return false;
}

bool PrintReport(const CReportDocument& document, QPrinter& printer, QWidget* pParent, QString& strError)
{
    strError.clear();
    printer.setDocName(document.DocumentTitle());
    QPrintDialog dialog(&printer, pParent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (GetDialogRunner().Run(dialog) != QDialog::Accepted)
        return false;
    // The paper is the printer's; the margins are the report's.
    printer.setPageLayout(ReportPageLayout(printer.pageLayout().pageSize()));
    if (document.Render(printer) == 0)
    {
        strError = QCoreApplication::translate("CReportOutput", "The report could not be printed on %1.")
                       .arg(printer.printerName());
        return false;
    }
    return true;
}
