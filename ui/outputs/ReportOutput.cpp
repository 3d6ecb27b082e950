// PDF and print output of the report.
#include "outputs/ReportOutput.h"

#include "app/DialogRunner.h"
#include "outputs/ReportDocument.h"
#include "outputs/ReportPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

bool WriteReportPdf(const CReportDocument& document, const QString& strPath, const QPageSize& pageSize,
                    QString& strError, int* pPages)
{
    const QString strShown = QDir::toNativeSeparators(strPath);
    QSaveFile file(strPath);
    if (!file.open(QIODevice::WriteOnly))
    {
        strError = QCoreApplication::translate("CReportOutput", "The report could not be saved to %1. %2.")
                       .arg(strShown, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(ReportPageLayout(pageSize));
        writer.setResolution(300);
        writer.setTitle(document.DocumentTitle());
        writer.setCreator(QCoreApplication::translate("CReportOutput", "Tesmara Accumulator %1")
                              .arg(QStringLiteral(TESMARA_VERSION)));
        const int nPages = document.Render(writer);
        if (pPages)
            *pPages = nPages;
        if (nPages == 0)
        {
            file.cancelWriting();
            strError = QCoreApplication::translate("CReportOutput", "The report could not be saved to %1.")
                           .arg(strShown);
            return false;
        }
    }
    if (!file.commit())
    {
        strError = QCoreApplication::translate("CReportOutput", "The report could not be saved to %1. %2.")
                       .arg(strShown, file.errorString());
        return false;
    }
    return true;
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
