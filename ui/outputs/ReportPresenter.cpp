// The report viewer and the print command of the desktop.
#include "outputs/ReportPresenter.h"

#include "app/DialogRunner.h"
#include "outputs/ReportDocument.h"
#include "outputs/ReportOutput.h"
#include "outputs/ReportPage.h"
#include "outputs/ReportViewer.h"
#include "platform/Prompt.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPrinter>

namespace
{
// Tells once what the report cannot show; it is shown all the same.
void TellProblems(const CReportDocument& document)
{
    const QString strMessage = PictureProblemsMessage(document.Problems());
    if (!strMessage.isEmpty())
        GetPrompt().Message(strMessage.toStdString());
}
} // namespace

QString PictureProblemsMessage(const QStringList& problems)
{
    if (problems.isEmpty())
        return QString();
    return problems.join(QLatin1Char('\n')) +
           QCoreApplication::translate("CReportPresenter", "\nThe report is shown without ") +
           (problems.size() == 1 ? QStringLiteral("it.") : QStringLiteral("them."));
}

bool ShowReportViewer(const SSelectionReport& report, const QString& strTitle, IFileDialogs& files,
                      ISettings* pFolders, QWidget* pParent)
{
    const CReportDocument document(report);
    TellProblems(document);
    CReportViewer viewer(document, strTitle, ReportPageSize(QLocale::system()), files, pFolders, pParent);
    GetDialogRunner().Run(viewer);
    return true;
}

bool PrintReportWithDialog(const SSelectionReport& report, QWidget* pParent)
{
    const CReportDocument document(report);
    TellProblems(document);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReportPageLayout(ReportPageSize(QLocale::system())));
    QString strError;
    const bool bPrinted = PrintReport(document, printer, pParent, strError);
    if (!strError.isEmpty())
        GetPrompt().Message(strError.toStdString());
    return bPrinted;
}
