// The selection report on the default printer.
#include "app/CommandLinePrint.h"

#include "outputs/ReportDocument.h"
#include "outputs/ReportPage.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>

bool PrintReportOnDefaultPrinter(const SSelectionReport& report, QString& strError)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
    {
        strError = QCoreApplication::translate("CommandLinePrint",
                                               "No printer is installed: the selection report was not printed.");
        return false;
    }
    const CReportDocument document(report);
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(document.DocumentTitle());
    // The paper is the printer's; the margins are the report's.
    printer.setPageLayout(ReportPageLayout(printer.pageLayout().pageSize()));
    if (document.Render(printer) == 0)
    {
        strError = QCoreApplication::translate("CommandLinePrint", "The report could not be printed on %1.")
                       .arg(info.printerName());
        return false;
    }
    return true;
}
