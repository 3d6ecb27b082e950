// tesmara report FILE.Ac3 --pdf OUT.pdf: the selection report of a complete selection as a PDF,
// drawn by the desktop's report component on Qt's offscreen platform, so no display is needed.
#include "CliSession.h"
#include "Commands.h"
#include "OutputChecks.h"
#include "models/CatalogueTexts.h"
#include "outputs/ReportData.h"
#include "outputs/ReportDocument.h"
#include "outputs/ReportOutput.h"
#include "outputs/ReportPage.h"
#include "outputs/ReportPresenter.h"
#include "platform/ControlText.h"
#include "platform/DataFolder.h"
#include "selection/SelectionFile.h"

#include <QApplication>
#include <QLocale>

#include <iostream>

namespace
{
struct SReportArgs
{
    std::string strFile;
    std::string strPdf;
    std::string strPaper;
    std::string strCatalogue;
};

void QuietQtMessages(QtMsgType eType, const QMessageLogContext&, const QString& strMessage)
{
    if (eType == QtCriticalMsg || eType == QtFatalMsg)
        std::cerr << strMessage.toStdString() << '\n';
}

// The report drawn and written; a catalogue error on the way is RunOnCatalogue's to tell.
int WriteReport(const SReportArgs& args, SLoadedSelection& loaded, QPageSize pageSize, const SLocalTime& now,
                CCliSession& session)
{
    CBaseProduct& selection = *loaded.pSelection;
    session.SetProdId(loaded.header.nProdId);
    selection.m_pOwner = &session;
    ReadLoadedTextsAgain(loaded, session.Catalogue(), kCatalogueBaseName);

    // Drawn without a display, whatever the environment says; Qt's own notes (a missing runtime
    // folder, fonts it substitutes) are no business of the user's, its failures are.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietQtMessages);
    static int argc = 1;
    static char szName[] = "tesmara";
    static char* argv[] = {szName, nullptr};
    QApplication application(argc, argv);

    SReportContext context;
    context.pDatabase = session.Database();
    context.nProdId = loaded.header.nProdId;
    context.strProdType = loaded.header.strProdType;
    context.strProdDescription = loaded.header.strProdDescription;
    context.applicationFolder = ProgramDataFolder();
    context.now = now;
    const SSelectionReport report = PrintSelectionReport(selection, context);

    const CReportDocument document(report);
    const QString strProblems = PictureProblemsMessage(document.Problems());
    if (!strProblems.isEmpty())
        std::cerr << "warning: " << TerminalText(strProblems.toStdString()) << '\n';
    if (!pageSize.isValid())
        pageSize = ReportPageSize(QLocale::system());
    int nPages = 0;
    QString strWriteError;
    if (!WriteReportPdf(document, QString::fromStdString(args.strPdf), pageSize, strWriteError, &nPages))
    {
        std::cerr << TerminalText(strWriteError.toStdString()) << '\n';
        return kExitFailure;
    }
    std::cout << TerminalText(args.strPdf) << ": the selection report of "
              << TerminalText(document.Layout().strModelNumber) << ", " << nPages
              << (nPages == 1 ? " page" : " pages") << ", " << pageSize.name().toStdString() << ".\n";
    return kExitOk;
}

int RunReport(const SReportArgs& args)
{
    std::optional<SLocalTime> fixedTime;
    if (!CheckOutputFiles({args.strFile}, {args.strPdf}) || !ReadSourceDateEpoch(fixedTime))
        return kExitRefused;
    std::string strError;
    auto loaded = LoadSelectionFile(args.strFile, strError);
    if (!loaded)
    {
        std::cerr << TerminalText(strError) << '\n';
        return kExitRefused;
    }
    CBaseProduct& selection = *loaded->pSelection;
    if (!HasSelectionReport(selection))
    {
        std::cerr << TerminalText(args.strFile) << ": this version has no report for "
                  << TerminalText(loaded->header.strProdType) << ".\n";
        return kExitRefused;
    }
    if (!selection.IsComplete())
    {
        std::cerr << TerminalText(args.strFile)
                  << ": the selection is not complete; choose its model and details first "
                     "(tesmara models --selection FILE --choose N --save OUT.Ac3).\n";
        return kExitRefused;
    }
    QPageSize pageSize;
    if (!args.strPaper.empty())
    {
        pageSize = ReportPageSizeByName(QString::fromStdString(args.strPaper));
        if (!pageSize.isValid())
        {
            std::cerr << "--paper: \"" << TerminalText(args.strPaper) << "\" is not a paper this tool knows; use a4 or letter.\n";
            return kExitRefused;
        }
    }

    const SLocalTime now = fixedTime ? *fixedTime : SystemClock().Now();
    return RunOnCatalogue(args.strCatalogue,
                          [&](CCliSession& session) { return WriteReport(args, *loaded, pageSize, now, session); });
}
} // namespace

void AddReportCommand(CLI::App& app, int& nExitStatus)
{
    auto pArgs = std::make_shared<SReportArgs>();
    CLI::App* pCmd = app.add_subcommand("report", "Write the selection report of a complete selection file as a PDF");
    pCmd->add_option("file", pArgs->strFile, "The selection file (*.Ac3)")->required();
    pCmd->add_option("--pdf", pArgs->strPdf, "The PDF file to write")->required();
    pCmd->add_option("--paper", pArgs->strPaper, "a4 or letter (default: the paper of the locale)");
    pCmd->add_option("--catalogue", pArgs->strCatalogue, "Folder of the catalogue (default: the installed one)");
    pCmd->footer("Exit status: 0 written, 1 the PDF or the catalogue could not be used, 2 a file that is refused "
                 "or a selection that is not complete. SOURCE_DATE_EPOCH, when set, gives the report's date.");
    pCmd->callback([pArgs, &nExitStatus] { nExitStatus = RunReport(*pArgs); });
}
