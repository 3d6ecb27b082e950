// The application's start-up sequence and its commands.
#include "app/EuropeanAccumulatorApp.h"

#include "app/AboutDlg.h"
#include "app/CommandIds.h"
#include "app/CommandLinePrint.h"
#include "app/CommandTips.h"
#include "app/DialogRunner.h"
#include "app/DisclaimerDialog.h"
#include "app/MainFrame.h"
#include "app/SplashWnd.h"
#include "app/TipDialog.h"
#include "catalogue/Catalogue.h"
#include "help/ContextHelp.h"
#include "help/HelpSystem.h"
#include "outputs/CadComponent.h"
#include "platform/DataFolder.h"
#include "platform/Prompt.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "models/DpnsSelection.h"
#include "product/AccumulatorObject.h"
#include "product/AccumulatorObjectDPNS.h"
#include "product/StepDialogs.h"
#include "outputs/ReportPresenter.h"
#include "products/TesmaraView.h"
#include "selection/SelectionFile.h"
#include "units/SelectDefaultUnits.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QTimer>
#include <QUrl>

#include <iterator>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace
{
// The texts of the three tool items the application adds to the Tools menu.
constexpr int kToolMenuStrings[] = {61447, 61448, 830};

std::filesystem::path ToPath(const QString& strPath)
{
    return std::filesystem::path(strPath.toStdU16String());
}

// The extension must be "Ac3" exactly for the file to open again: "x.ac3" becomes "x.Ac3".
QString WithSelectionExtension(const QString& strPath)
{
    const QString strExtension = QStringLiteral(".") + QString::fromLatin1(kSelectionFileExtension);
    if (strPath.endsWith(strExtension))
        return strPath;
    if (strPath.endsWith(strExtension, Qt::CaseInsensitive))
        return strPath.left(strPath.size() - strExtension.size()) + strExtension;
    return strPath + strExtension;
}
} // namespace

CEuropeanAccumulatorApp::CEuropeanAccumulatorApp(ISettings& settings, const QStringList& args,
                                                 QObject* pParent)
    : QObject(pParent), m_store(settings), m_args(args), m_recentFiles(4), m_nNextUserCommand(cmd::UserFirst)
{
}

CEuropeanAccumulatorApp::~CEuropeanAccumulatorApp()
{
    // The view borrows the product object: the window goes first.
    delete m_pSplash.data();
    delete m_pMainFrame.data();
    // The process speaks its first language again (the translators go with this object).
    SetStringTable(nullptr);
    m_pHelp.reset();
}

bool CEuropeanAccumulatorApp::InitInstance()
{
    // The command line first: its language wins over the stored one.
    std::vector<std::string> args;
    for (const QString& strArg : m_args)
        args.push_back(strArg.toStdString());
    std::string strError;
    if (!m_cmdInfo.Parse(args, strError))
    {
        const std::string strUsage = CCmdLineInfo::Usage();
        // Also on standard error, for whoever started the program from a script.
        std::fprintf(stderr, "%s\n%s\n", strError.c_str(), strUsage.c_str());
        GetPrompt().Message(strError + "\n\n" + strUsage);
        return false;
    }

    // Settings, languages with the user's separators, default units, recent files.
    m_settings.Read(m_store, m_cmdInfo.m_strLanguage);
    // Folders the settings leave out are those of the installation (or build) the program is in.
    if (m_settings.NetPath.empty())
        m_settings.NetPath = ProgramCatalogueFolder();
    if (m_settings.LocalPath.empty())
        m_settings.LocalPath = ProgramDataFolder();
    if (m_settings.TesmaraRootPath.empty())
        m_settings.TesmaraRootPath = m_settings.LocalPath;
    const QLocale locale = QLocale::system();
    for (SLanguage& language : m_settings.m_languages)
    {
        language.ThousandSeparator = locale.groupSeparator().left(4).toStdString();
        language.DecimalSeparator = locale.decimalPoint().left(4).toStdString();
    }
    ApplyLanguage();
    m_recentFiles.Read(m_store);
    m_nSelectionReportFormat = m_store.ReadInt(settingskey::SelectionReportFormat, 1);

    // The main window with the step panel over the product object.
    m_pMainFrame = new CMainFrame;
    m_stepDialogs.SetParentWindow(m_pMainFrame);
    CreateProductObject();
    m_pView = new CEuropeanAccumulatorView(
        *m_pProduct, m_store, QString::fromStdU16String(ApplicationFolder().u16string()), m_pMainFrame);
    m_pView->setAccessibleName(QCoreApplication::translate("CEuropeanAccumulatorApp", "Steps"));
    m_pView->SetCommandHandler([this](int nCommandId) { OnCommand(nCommandId); });
    m_pMainFrame->setCentralWidget(m_pView);
    connect(m_pMainFrame, &CMainFrame::Command, this, &CEuropeanAccumulatorApp::OnCommand);
    connect(m_pMainFrame, &CMainFrame::UpdateCommands, this, &CEuropeanAccumulatorApp::UpdateCommands);
    m_pMainFrame->SetCloseGuard(
        [this]
        {
            if (!SaveModified())
                return false;
            ExitInstance();
            if (m_pSplash)
                m_pSplash->close(); // closed early: nothing follows the splash any more
            return true;
        });
    ShowTitle();
    m_pMainFrame->SetRecentFiles(m_recentFiles.Files());
    RefreshLanguageMenu();
    m_pView->Refresh();

    // A file named on the command line; a file that cannot be opened ends the program.
    if (!m_cmdInfo.m_strFileName.empty() &&
        !OpenDocumentFile(QString::fromStdString(m_cmdInfo.m_strFileName)))
        return false;
    // Printing from the command line shows no window: the report is printed and the program ends.
    if (m_cmdInfo.m_bPrint)
    {
        m_bPrinted = PrintFromCommandLine();
        return true;
    }

    // The three tools go into the third menu at positions 2 to 4.
    for (int i = 0; i < 3; ++i)
        AddUserMenuItem(CMainFrame::MenuTools, 2 + i, QString::fromStdString(LoadString(kToolMenuStrings[i])));

    // F1 in a dialog opens the help at the dialog's topic (the main window has it as a shortcut).
    qApp->installEventFilter(new CContextHelpKey([this](const QStringList& names) { ShowHelpFor(names); }, this));

    m_pMainFrame->show();
    AdjustMenus();
    UpdateCommands();

    if (m_cmdInfo.m_bShowSplash)
    {
        m_pSplash = new CSplashWnd(m_pMainFrame);
        connect(m_pSplash, &CSplashWnd::Closed, this, &CEuropeanAccumulatorApp::OnSplashClosed);
        m_pSplash->show();
    }
    else
        QTimer::singleShot(0, this, &CEuropeanAccumulatorApp::StartupFinished);
    return true;
}

void CEuropeanAccumulatorApp::CreateProductObject()
{
    auto pProduct = std::make_unique<CAccumulatorObject>(*this, m_stepDialogs);
    // A missing or broken catalogue has shown its message; the program goes on without it.
    pProduct->Initialize();
    if (m_pView)
        m_pView->SetProductObject(*pProduct);
    m_pProduct = std::move(pProduct);
}

void CEuropeanAccumulatorApp::AddUserMenuItem(int nMenu, int nPosition, const QString& strText)
{
    const int nCommandId = m_nNextUserCommand++;
    m_pMainFrame->InsertMenuItem(nMenu, nPosition, strText, nCommandId);
    m_userMenuItems.push_back({nMenu, nPosition, strText, nCommandId});
    m_toolCommandIds.push_back(nCommandId);
}

void CEuropeanAccumulatorApp::AdjustMenus()
{
    // This program has no options of its own, and its catalogue leads the Help menu.
    m_pMainFrame->RemoveMenuCommand(CMainFrame::MenuTools, cmd::ToolOptions);
    if (m_pMainFrame->RemoveMenuCommand(CMainFrame::MenuHelp, cmd::ReferenceContents))
        m_pMainFrame->InsertMenuItem(CMainFrame::MenuHelp, 0, QString::fromStdString(LoadString(62452)),
                                     cmd::ReferenceContents);
    SetCommandTips(*m_pMainFrame); // the item inserted again is a new one
}

void CEuropeanAccumulatorApp::OnSplashClosed()
{
    if (!m_pMainFrame || !m_pMainFrame->isVisible())
        return;
    m_pMainFrame->update();
    // As the splash's command to the main window: after the splash has gone.
    QTimer::singleShot(0, this, [this] { OnCommand(cmd::ShowDisclaimer); });
}

std::filesystem::path CEuropeanAccumulatorApp::ApplicationFolder() const
{
    return m_settings.LocalPath;
}

bool CEuropeanAccumulatorApp::OpenDocument(const std::filesystem::path& path, std::string& strError)
{
    const QString strPath = QString::fromStdU16String(path.u16string());
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(strPath)))
        return true;
    strError = "No program could be started to open " + QDir::toNativeSeparators(strPath).toStdString() + ".";
    return false;
}

std::vector<std::filesystem::path> CEuropeanAccumulatorApp::ReferenceFolders() const
{
    // The active language's documents, then those of the first language, which has them all.
    std::vector<std::filesystem::path> folders;
    const auto add = [&](std::size_t nIndex)
    {
        if (nIndex < m_settings.m_languages.size())
            folders.push_back(ApplicationFolder() / m_settings.m_languages[nIndex].ReferenceDir);
    };
    add(static_cast<std::size_t>(m_settings.m_nActiveLanguage));
    add(0);
    if (folders.empty())
        folders.push_back(ApplicationFolder());
    return folders;
}

CHelpSystem* CEuropeanAccumulatorApp::HelpSystem()
{
    if (!m_pHelp)
    {
        const QString strFolder = QString::fromStdU16String(ApplicationFolder().u16string());
        QStringList languages{QString::fromStdString(LanguageCode())};
        if (!m_settings.m_languages.empty())
            languages << QString::fromStdString(m_settings.m_languages.front().Code);
        const QString strHelpFile = FindHelpFile(strFolder, languages);
        const QString strCollection = QString::fromStdU16String(
            (UserDataFolder() / "help" / (QFileInfo(strHelpFile).dir().dirName().toStdString() + ".qhc")).u16string());
        m_pHelp = std::make_unique<CHelpSystem>(strHelpFile, strCollection);
        connect(m_pHelp.get(), &CHelpSystem::ReferenceRequested, this,
                [this](const QString& strFile) { m_pProduct->OpenReferenceDocument(strFile.toStdString()); });
    }
    return m_pHelp->IsReady() ? m_pHelp.get() : nullptr;
}

bool CEuropeanAccumulatorApp::ShowHelp(const std::string& strDialog)
{
    CHelpSystem* pHelp = HelpSystem();
    return pHelp && pHelp->Show(strDialog.empty() ? QStringList() : QStringList{QString::fromStdString(strDialog)});
}

bool CEuropeanAccumulatorApp::ShowHelpFor(const QStringList& classNames)
{
    CHelpSystem* pHelp = HelpSystem();
    if (pHelp && pHelp->Show(classNames))
        return true;
    GetPrompt().Message(LoadString(52301));
    return false;
}

void CEuropeanAccumulatorApp::SetTitle(const std::string& strTitle)
{
    if (m_pMainFrame)
        m_pMainFrame->setWindowTitle(QString::fromStdString(strTitle));
}

void CEuropeanAccumulatorApp::RefreshPanel()
{
    if (m_pView)
        m_pView->Refresh();
}

bool CEuropeanAccumulatorApp::ShowSelectionReport(const SSelectionReport& report, const std::string& strTitle)
{
    return ShowReportViewer(report, QString::fromStdString(strTitle), *m_pFileDialogs, &m_store, m_pMainFrame);
}

bool CEuropeanAccumulatorApp::PrintSelectionReport(const SSelectionReport& report, const std::string&)
{
    if (!m_bPrintToDefault)
        return PrintReportWithDialog(report, m_pMainFrame);
    QString strError;
    m_bPrinted = PrintReportOnDefaultPrinter(report, strError);
    if (!m_bPrinted)
    {
        // Also on standard error, for whoever printed from a script.
        std::fprintf(stderr, "%s\n", strError.toLocal8Bit().constData());
        GetPrompt().Message(strError.toStdString());
    }
    return m_bPrinted;
}

bool CEuropeanAccumulatorApp::PrintFromCommandLine()
{
    if (!m_pProduct->IsViewSelectionReportEnabled())
    {
        const QString strMessage = tr("The selection in %1 has no model number yet: there is no report to print.")
                                       .arg(QDir::toNativeSeparators(QString::fromStdString(m_cmdInfo.m_strFileName)));
        std::fprintf(stderr, "%s\n", strMessage.toLocal8Bit().constData());
        GetPrompt().Message(strMessage.toStdString());
        return false;
    }
    m_bPrintToDefault = true;
    m_bPrinted = false;
    m_pProduct->OnFilePrintSelection(0);
    m_bPrintToDefault = false;
    return m_bPrinted;
}

std::unique_ptr<ICadObject> CEuropeanAccumulatorApp::CreateCadObject()
{
    // The file dialogs in force when a file is asked for (a test may replace them).
    return std::make_unique<CCadComponent>(
        m_store, [this]() -> IFileDialogs& { return *m_pFileDialogs; }, m_pMainFrame);
}

void CEuropeanAccumulatorApp::OnCommand(int nCommandId)
{
    const auto cadBegin = std::begin(cmd::CadCommands);
    const auto cadEnd = std::end(cmd::CadCommands);
    if (nCommandId >= cmd::FileMruFirst && nCommandId < cmd::FileMruFirst + 4)
        OnOpenRecentFile(nCommandId - cmd::FileMruFirst);
    else if (nCommandId >= cmd::LanguageFirst && nCommandId <= cmd::LanguageLast)
        OnLanguage(nCommandId - cmd::LanguageFirst);
    else if (nCommandId >= cmd::UserFirst && nCommandId <= cmd::UserLast)
    {
        // The product object's tool handler knows the tools by the order of the kept ids.
        const auto it = std::find(m_toolCommandIds.begin(), m_toolCommandIds.end(), nCommandId);
        if (it != m_toolCommandIds.end())
            m_pProduct->OnToolCommand(static_cast<int>(it - m_toolCommandIds.begin()));
    }
    else if (std::find(std::begin(cmd::WebPages), std::end(cmd::WebPages), nCommandId) != std::end(cmd::WebPages))
        OnWebPage(static_cast<int>(std::find(std::begin(cmd::WebPages), std::end(cmd::WebPages), nCommandId) -
                                   std::begin(cmd::WebPages)));
    else if (nCommandId >= cmd::ReferenceFirst && nCommandId < cmd::ReferenceFirst + 8)
        m_pProduct->OnReferenceCommand(nCommandId - cmd::ReferenceFirst);
    else if (std::find(cadBegin, cadEnd, nCommandId) != cadEnd)
        m_pProduct->OnCadCommand(static_cast<int>(std::find(cadBegin, cadEnd, nCommandId) - cadBegin));
    else
        switch (nCommandId)
        {
        case cmd::FileNew:
            OnFileNew();
            break;
        case cmd::FileOpen:
            OnFileOpen();
            break;
        case cmd::FileSave:
        case cmd::FileSaveAs:
            OnFileSave();
            break;
        case cmd::ExportXml:
            OnExportXml();
            break;
        case cmd::AppExit:
            OnAppExit();
            break;
        case cmd::AppAbout:
            OnAppAbout();
            break;
        case cmd::ReferenceContents:
            m_pProduct->OnReferenceCommand(8);
            break;
        case cmd::DisplaySelectionCompleteOptions:
            m_store.WriteInt(settingskey::SelectionCompletedShow,
                             m_store.ReadInt(settingskey::SelectionCompletedShow, 1) == 0 ? 1 : 0);
            break;
        case cmd::UnitDefaults:
            OnUnitDefaults();
            break;
        case cmd::TipOfTheDay:
            OnTipOfTheDay();
            break;
        case cmd::ShowDisclaimer:
            OnShowDisclaimer();
            break;
        case cmd::ViewSelectionReport:
            if (m_pProduct->IsViewSelectionReportEnabled())
                m_pProduct->OnViewSelectionReport();
            break;
        case cmd::PrintSelectionReport:
            if (m_pProduct->IsViewSelectionReportEnabled())
                m_pProduct->OnFilePrintSelection(0);
            break;
        case cmd::AddToOrderPad:
            if (m_pProduct->IsOrderPadEnabled())
                m_pProduct->OnAddToOrderPad();
            break;
        case cmd::OrderPad:
            m_pProduct->OnOpenOrderPad();
            break;
        case cmd::RapidSelection:
            RunRapidSelection();
            break;
        default:
            break;
        }
    UpdateCommands();
}

void CEuropeanAccumulatorApp::UpdateCommands()
{
    if (!m_pMainFrame)
        return;
    const auto enable = [this](int nCommandId, bool bEnabled)
    {
        if (QAction* pAction = m_pMainFrame->Action(nCommandId))
            pAction->setEnabled(bEnabled);
    };
    // Outputs that this version does not have yet stay disabled until the product object offers them.
    enable(cmd::ViewSelectionReport, m_pProduct->IsViewSelectionReportEnabled());
    enable(cmd::PrintSelectionReport, m_pProduct->IsViewSelectionReportEnabled());
    enable(cmd::AddToOrderPad, m_pProduct->IsOrderPadEnabled());
    enable(cmd::ExportXml, m_pProduct->IsExportXmlEnabled());
    enable(cmd::OrderPad, true);
    enable(cmd::RapidSelection, m_pProduct->Database() != nullptr);
    for (int i = 0; i < 5; ++i)
        enable(cmd::CadCommands[i], m_pProduct->IsCadCommandEnabled(i));
    for (int i = 0; i < 8; ++i)
        enable(cmd::ReferenceFirst + i, m_pProduct->IsReferenceCommandEnabled(i));
    enable(cmd::ReferenceContents, m_pProduct->IsReferenceCommandEnabled(8));
    if (QAction* pShow = m_pMainFrame->Action(cmd::DisplaySelectionCompleteOptions))
        pShow->setChecked(m_store.ReadInt(settingskey::SelectionCompletedShow, 1) != 0);
}

bool CEuropeanAccumulatorApp::SaveModified()
{
    if (!m_pProduct->IsDirty())
        return true;
    // Always with Cancel: a click meant to go back must not be taken for "No, drop my work".
    const EPromptAnswer eAnswer = GetPrompt().YesNoCancel(LoadString(507));
    if (eAnswer == EPromptAnswer::No)
        return true;
    if (eAnswer != EPromptAnswer::Yes)
        return false;
    // A save that was cancelled or failed keeps the work, and what would have dropped it does not go on.
    return OnFileSave();
}

int CEuropeanAccumulatorApp::RunRapidSelection()
{
    if (!m_pProduct->Database() || !SaveModified())
        return dlg::Cancel;
    auto pRapid = std::make_unique<CAccumulatorObjectDPNS>(*this, m_stepDialogs);
    CAccumulatorObjectDPNS& rapid = *pRapid;
    rapid.Initialize();
    // The outputs of the selection-complete panel reach the current product object.
    std::unique_ptr<CAccumulatorObject> pPrevious = std::exchange(m_pProduct, std::move(pRapid));
    m_pView->SetProductObject(*m_pProduct);
    CDpnsSelection dialog(rapid, [this] { return m_pView->ShowSelectionCompleted(); }, m_pMainFrame);
    const int nResult = GetDialogRunner().Run(dialog);
    const std::unique_ptr<CAccumulatorObject> pDone = std::exchange(m_pProduct, std::move(pPrevious));
    m_pView->SetProductObject(*m_pProduct);
    if (nResult == dlg::Ok)
    {
        m_pProduct->TakeSelection(rapid);
        m_strCurrentFile.clear();
        SetTitle(LoadString(59001));
    }
    UpdateCommands();
    return nResult;
}

void CEuropeanAccumulatorApp::OnFileNew()
{
    if (!SaveModified())
        return;
    CreateProductObject();
    m_strCurrentFile.clear();
    ShowTitle();
    RefreshPanel();
}

void CEuropeanAccumulatorApp::ShowTitle()
{
    SetTitle(m_strCurrentFile.isEmpty() ? LoadString(59001) : SelectionFileTitle(ToPath(m_strCurrentFile)));
}

QString CEuropeanAccumulatorApp::FileDialogFolder() const
{
    return StartFolder(m_store, EFileKind::Selection);
}

void CEuropeanAccumulatorApp::StoreFileDialogFolder(const QString& strFile)
{
    if (!RememberFolder(m_store, EFileKind::Selection, strFile))
        GetPrompt().Message(LoadString(645));
}

QString CEuropeanAccumulatorApp::ProposedName(const QString& strSuffix)
{
    // The file it came from, else the model number of a complete selection, else no proposal.
    if (!m_strCurrentFile.isEmpty())
        return QFileInfo(m_strCurrentFile).completeBaseName() + QLatin1Char('.') + strSuffix;
    const std::string strModelNumber = m_pProduct->GetPartNumberDisplayText();
    return strModelNumber.empty() ? QString() : ProposedFileName(strModelNumber, QString(), strSuffix);
}

void CEuropeanAccumulatorApp::AddRecentFile(const QString& strPath)
{
    m_recentFiles.Add(strPath.toStdString());
    m_recentFiles.Write(m_store);
    if (m_pMainFrame)
        m_pMainFrame->SetRecentFiles(m_recentFiles.Files());
}

void CEuropeanAccumulatorApp::OnFileOpen()
{
    if (!SaveModified())
        return;
    const QString strPath = m_pFileDialogs->GetOpenFileName(m_pMainFrame, FileDialogFolder(),
                                                            QtFileFilter(m_pProduct->GetFileFilter()));
    if (strPath.isEmpty())
        return;
    StoreFileDialogFolder(strPath);
    OpenDocumentFile(strPath, true);
}

bool CEuropeanAccumulatorApp::OnFileSave()
{
    const QString strSuffix = QString::fromStdString(m_pProduct->GetDefaultExtension());
    QString strPath = m_pFileDialogs->GetSaveFileName(m_pMainFrame, FileDialogFolder(), ProposedName(strSuffix),
                                                      QtFileFilter(m_pProduct->GetFileFilter()), strSuffix);
    if (strPath.isEmpty())
        return false;
    strPath = WithSelectionExtension(strPath);
    if (!m_pProduct->SaveData(ToPath(strPath)))
        return false;
    m_strCurrentFile = strPath;
    StoreFileDialogFolder(strPath);
    AddRecentFile(strPath);
    return true;
}

bool CEuropeanAccumulatorApp::OpenDocumentFile(const QString& strPath, bool bSaveAsked)
{
    const std::filesystem::path path = ToPath(strPath);
    SOpenCheck check = CheckSelectionFileForOpen(path, LanguageCode(), m_settings.InstalledLanguages());
    if (check.eOutcome == EOpenCheck::WrongExtension || check.eOutcome == EOpenCheck::Unreadable)
    {
        GetPrompt().Message(check.strMessage);
        return false;
    }
    if (!bSaveAsked)
    {
        if (!SaveModified())
            return false;
        // Saving may have written the very file to open.
        check = CheckSelectionFileForOpen(path, LanguageCode(), m_settings.InstalledLanguages());
    }
    switch (check.eOutcome)
    {
    case EOpenCheck::Open:
        break;
    case EOpenCheck::SwitchLanguage:
        GetPrompt().Message(check.strMessage);
        if (!SwitchLanguage(check.nLanguageIndex))
            return false;
        break;
    default:
        GetPrompt().Message(check.strMessage);
        return false;
    }
    if (!m_pProduct->LoadData(path))
        return false;
    m_strCurrentFile = QFileInfo(strPath).absoluteFilePath();
    AddRecentFile(m_strCurrentFile);
    UpdateCommands();
    return true;
}

void CEuropeanAccumulatorApp::OnExportXml()
{
    if (!m_pProduct->IsExportXmlEnabled())
        return;
    const QString strPath = m_pFileDialogs->GetSaveFileName(
        m_pMainFrame, FileDialogFolder(), ProposedName(QStringLiteral("xml")),
        QCoreApplication::translate("CEuropeanAccumulatorApp", "XML Files (*.xml)"), QStringLiteral("xml"));
    if (strPath.isEmpty())
        return;
    StoreFileDialogFolder(strPath);
    m_pProduct->ExportXml(ToPath(strPath));
}

void CEuropeanAccumulatorApp::OnOpenRecentFile(int nIndex)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(m_recentFiles.Files().size()))
        return;
    const QString strPath = QString::fromStdString(m_recentFiles.Files()[nIndex]);
    if (!QFileInfo::exists(strPath))
    {
        // A file that has gone leaves the list.
        GetPrompt().Message(QDir::toNativeSeparators(strPath).toStdString() + " could not be found.");
        m_recentFiles.Remove(nIndex);
        m_recentFiles.Write(m_store);
        m_pMainFrame->SetRecentFiles(m_recentFiles.Files());
        return;
    }
    OpenDocumentFile(strPath);
}

bool CEuropeanAccumulatorApp::SwitchLanguage(int nIndex)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(m_settings.m_languages.size()))
        return false;
    if (nIndex == m_settings.m_nActiveLanguage)
        return true;
    const std::filesystem::path catalogue =
        m_settings.NetPath / CatalogueFileName(m_settings.m_languages[nIndex].Code, LoadString(52112));
    std::error_code ec;
    if (!std::filesystem::is_regular_file(catalogue, ec))
    {
        GetPrompt().Message(QCoreApplication::translate("CEuropeanAccumulatorApp",
                                                        "The catalogue for %1 is not installed (%2).")
                                .arg(QString::fromStdString(m_settings.LanguageName(nIndex)),
                                     QString::fromStdString(catalogue.string()))
                                .toStdString());
        return false;
    }
    const int nFormer = m_settings.m_nActiveLanguage;
    m_settings.m_nActiveLanguage = nIndex;
    m_pHelp.reset(); // the help follows the language
    // The selection stays: only the catalogue it is read from changes language.
    if (!m_pProduct->ReopenCatalogue())
    {
        m_settings.m_nActiveLanguage = nFormer;
        GetPrompt().Message(QCoreApplication::translate("CEuropeanAccumulatorApp",
                                                        "The catalogue for %1 could not be opened (%2).")
                                .arg(QString::fromStdString(m_settings.LanguageName(nIndex)),
                                     QString::fromStdString(catalogue.string()))
                                .toStdString());
        return false;
    }
    ApplyLanguage();
    // Stored at once, so that the order pad program started from now on speaks it too.
    m_store.WriteString(settingskey::Language, m_settings.GetLanguageCode());
    RefreshLanguageMenu();
    ShowTitle();
    RefreshPanel();
    UpdateCommands();
    return true;
}

void CEuropeanAccumulatorApp::ApplyLanguage()
{
    SetStringLanguage(m_settings.GetLanguageCode());
    m_translators.Install(QString::fromStdString(m_settings.GetLanguageCode()));
    // Every window shows the new language before the switch returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    // The texts the application put into the menus from the string table.
    if (m_pMainFrame)
    {
        for (std::size_t i = 0; i < m_userMenuItems.size() && i < 3; ++i)
            if (QAction* pAction = m_pMainFrame->Action(m_userMenuItems[i].nCommandId))
                pAction->setText(QString::fromStdString(LoadString(kToolMenuStrings[i])));
        if (QAction* pAction = m_pMainFrame->Action(cmd::ReferenceContents))
            pAction->setText(QString::fromStdString(LoadString(62452)));
    }
}

void CEuropeanAccumulatorApp::OnLanguage(int nIndex)
{
    // The selection is kept: nothing to save first.
    if (nIndex != m_settings.m_nActiveLanguage)
        SwitchLanguage(nIndex);
    // The menu checks the language in force, also when the switch did not happen.
    RefreshLanguageMenu();
}

void CEuropeanAccumulatorApp::RefreshLanguageMenu()
{
    // Each language by its name in the language in force.
    QStringList languages;
    for (std::size_t i = 0; i < m_settings.m_languages.size(); ++i)
        languages << QString::fromStdString(m_settings.LanguageName(i));
    m_pMainFrame->SetLanguages(languages, m_settings.m_nActiveLanguage);
}

void CEuropeanAccumulatorApp::OnUnitDefaults()
{
    CSelectDefaultUnits dialog(m_settings.m_defaultUnits, m_settings.m_metricUnits,
                               m_settings.m_standardUnits, m_pMainFrame);
    if (GetDialogRunner().Run(dialog) != QDialog::Accepted)
        return;
    if (!m_settings.WriteDefaultUnits(m_store))
        GetPrompt().Message(
            QCoreApplication::translate("CEuropeanAccumulatorApp",
                                        "The default units could not be stored; they apply until "
                                        "the program ends.")
                .toStdString());
}

void CEuropeanAccumulatorApp::OnWebPage(int nPage)
{
    static const char* const kKeys[] = {settingskey::WebHomePage, settingskey::WebProductInformation,
                                        settingskey::WebTechnicalSupport};
    if (nPage < 0 || nPage >= static_cast<int>(std::size(kKeys)))
        return;
    const QString strAddress = QString::fromStdString(m_store.ReadString(kKeys[nPage]).value_or(std::string()));
    const QUrl url(strAddress, QUrl::StrictMode);
    if (strAddress.isEmpty() || !url.isValid() || url.isRelative())
    {
        GetPrompt().Message(tr("No web address is set up for this page (setting %1).")
                                .arg(QString::fromLatin1(kKeys[nPage]))
                                .toStdString());
        return;
    }
    const bool bOpened = m_fnOpenUrl ? m_fnOpenUrl(url) : QDesktopServices::openUrl(url);
    if (!bOpened)
        GetPrompt().Message(tr("No web browser could be started to open %1.\nOpen the address in your browser "
                               "yourself.")
                                .arg(url.toString())
                                .toStdString());
}

void CEuropeanAccumulatorApp::OnAppAbout()
{
    CAboutDlg dialog(m_pMainFrame);
    GetDialogRunner().Run(dialog);
}

void CEuropeanAccumulatorApp::OnShowDisclaimer()
{
    CDisclaimerDialog dialog(m_pMainFrame);
    if (GetDialogRunner().Run(dialog) != QDialog::Accepted)
    {
        // Declined, Escape or the close box: the program ends.
        QTimer::singleShot(0, this, &CEuropeanAccumulatorApp::OnAppExit);
        return;
    }
    ShowTipAtStartup();
    emit StartupFinished();
}

void CEuropeanAccumulatorApp::ShowTipAtStartup()
{
    if (m_store.ReadInt(settingskey::TipStartUp, 0) == 0)
        OnTipOfTheDay();
}

void CEuropeanAccumulatorApp::OnTipOfTheDay()
{
    CTipDlg dialog(m_store, m_pProduct->GetTipsFileName(ApplicationFolder()), m_pMainFrame);
    if (dialog.IsUsable())
        GetDialogRunner().Run(dialog);
}

void CEuropeanAccumulatorApp::OnAppExit()
{
    if (m_pMainFrame)
        m_pMainFrame->close();
}

void CEuropeanAccumulatorApp::ExitInstance()
{
    m_store.WriteInt(settingskey::SelectionReportFormat, m_nSelectionReportFormat);
    if (!m_settings.m_languages.empty())
        m_store.WriteString(settingskey::Language, m_settings.GetLanguageCode());
}
