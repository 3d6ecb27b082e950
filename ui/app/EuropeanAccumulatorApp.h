// The application object: start-up, the product object and its host, and the application's commands.
#pragma once

#include "app/AppSettings.h"
#include "app/CommandLine.h"
#include "app/FileDialogs.h"
#include "app/MainFrame.h"
#include "app/RecentFiles.h"
#include "app/SplashWnd.h"
#include "app/Translators.h"
#include "outputs/OrderPadLink.h"
#include "product/ProductHost.h"
#include "products/DesktopStepDialogs.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CAccumulatorObject;
class CHelpSystem;
class CEuropeanAccumulatorView;
class ISettings;
class QUrl;

// A menu item the application adds at start-up.
struct CUserMenuItem
{
    int nMenu;
    int nPosition;
    QString strText;
    int nCommandId;
};

class CEuropeanAccumulatorApp : public QObject, public IProductHost
{
    Q_OBJECT

public:
    // args: the command line after the program's name. The settings are not owned.
    CEuropeanAccumulatorApp(ISettings& settings, const QStringList& args, QObject* pParent = nullptr);
    ~CEuropeanAccumulatorApp() override;

    // The start-up sequence up to the main window being shown; false ends the program. With
    // "/p FILE" it opens the file, prints its report and shows no window: see Printed().
    bool InitInstance();
    // After InitInstance with "/p FILE": whether the report was printed.
    bool Printed() const { return m_bPrinted; }

    // IProductHost.
    std::filesystem::path CatalogueFolder() const override { return m_settings.NetPath; }
    std::filesystem::path ApplicationFolder() const override;
    std::string LanguageCode() const override { return m_settings.GetLanguageCode(); }
    std::string LanguageName() const override { return m_settings.GetLanguageName(); }
    int LanguageNameId() const override { return m_settings.GetLanguageNameId(); }
    std::string DefaultUnit(int nCategoryId) const override { return m_settings.GetDefaultUnit(nCategoryId); }
    bool OpenDocument(const std::filesystem::path& path, std::string& strError) override;
    std::vector<std::filesystem::path> ReferenceFolders() const override;
    bool ShowHelp(const std::string& strDialog) override;
    void SetTitle(const std::string& strTitle) override;
    void RefreshPanel() override;
    bool ShowSelectionReport(const SSelectionReport& report, const std::string& strTitle) override;
    bool PrintSelectionReport(const SSelectionReport& report, const std::string& strTitle) override;
    std::unique_ptr<ICadObject> CreateCadObject() override;
    IOrderPadLink* OrderPadLink() override { return &m_orderPadLink; }
    ISettings* UserSettings() override { return &m_store; }
    // Tools > Rapid Selection (and "Choose Product"): its dialogs run on a rapid-selection product
    // object of their own, made current meanwhile; a completed one's selection then replaces the
    // current selection, after the question about unsaved work.
    int RunRapidSelection() override;
    std::filesystem::path OrderPadInbox() const override { return OrderPadInboxFrom(m_store); }

    // Every menu command by its id.
    void OnCommand(int nCommandId);
    // Brings the enabled and checked states of the commands up to date.
    void UpdateCommands();

    void OnFileNew();
    void OnFileOpen();
    // Save and Save As: both ask for the file. False when nothing was saved.
    bool OnFileSave();
    // Checks and opens a selection file; bSaveAsked when the user was already asked about
    // unsaved work. False when the file was not opened.
    bool OpenDocumentFile(const QString& strPath, bool bSaveAsked = false);
    void OnOpenRecentFile(int nIndex);
    // File > Export XML: asks for the file (the dialog asks before replacing one) and writes it.
    void OnExportXml();
    // Makes a language active at once: its catalogue is reopened for the same selection and
    // every window speaks it. False (its catalogue is not installed) leaves everything as it was.
    bool SwitchLanguage(int nIndex);
    void OnLanguage(int nIndex);
    void OnUnitDefaults();
    // Help menu: one of the maker's web pages (0 home page, 1 product information, 2 technical
    // support) in the browser, at the address the settings hold.
    void OnWebPage(int nPage);
    // Replaces how a web address is opened (the desktop's browser), for tests.
    void SetUrlOpener(std::function<bool(const QUrl&)> fnOpen) { m_fnOpenUrl = std::move(fnOpen); }
    void OnAppAbout();
    // After the splash: the disclaimer, then the tip of the day.
    void OnShowDisclaimer();
    void ShowTipAtStartup();
    void OnTipOfTheDay();
    // "Save your current selection?" (Yes, No, Cancel) when the selection is modified; Yes saves.
    // False when the user cancelled or the save did not happen: whatever asked must not go on.
    bool SaveModified();
    // Leaves the program: closes the main window, which asks about unsaved work.
    void OnAppExit();
    // What the program stores when it ends.
    void ExitInstance();

    // The help at the page of the first class name that has one (F1 in a dialog); false, with a
    // message, when no help is installed.
    bool ShowHelpFor(const QStringList& classNames);
    // The help of the active language, made on first use; nullptr when none is installed.
    CHelpSystem* HelpSystem();

    CMainFrame* MainFrame() const { return m_pMainFrame.data(); }
    CEuropeanAccumulatorView* View() const { return m_pView; }
    CAccumulatorObject& Product() const { return *m_pProduct; }
    const CTesmaraAppSettings& AppSettings() const { return m_settings; }
    const CCmdLineInfo& CommandLine() const { return m_cmdInfo; }
    const CRecentFileList& RecentFiles() const { return m_recentFiles; }
    const std::vector<CUserMenuItem>& UserMenuItems() const { return m_userMenuItems; }
    CSplashWnd* Splash() const { return m_pSplash.data(); }
    // Replaces the file dialogs (not owned), for tests.
    void SetFileDialogs(IFileDialogs* pDialogs)
    {
        m_pFileDialogs = pDialogs ? pDialogs : &m_desktopFileDialogs;
    }

signals:
    // The main window is shown and the start-up dialogs (if any) are done.
    void StartupFinished();

private:
    // A new accumulator product object on the active language's catalogue; the view follows it.
    void CreateProductObject();
    // Start-up steps 9 and 11.
    void AddUserMenuItem(int nMenu, int nPosition, const QString& strText);
    void AdjustMenus();
    void OnSplashClosed();
    // The folder the selection file dialogs start in, and storing the one chosen.
    QString FileDialogFolder() const;
    void StoreFileDialogFolder(const QString& strFile);
    // The file name a save dialog proposes, with the suffix given.
    QString ProposedName(const QString& strSuffix);
    void AddRecentFile(const QString& strPath);
    void RefreshLanguageMenu();
    // "/p FILE": the open selection's report on the default printer.
    bool PrintFromCommandLine();
    // The program's texts and Qt's in the active language.
    void ApplyLanguage();
    // "New Selection - Untitled", or the open file's title.
    void ShowTitle();

    ISettings& m_store;
    QStringList m_args;
    CCmdLineInfo m_cmdInfo;
    CTesmaraAppSettings m_settings;
    CTranslators m_translators;
    CRecentFileList m_recentFiles;
    CDesktopStepDialogs m_stepDialogs;
    CDesktopFileDialogs m_desktopFileDialogs;
    IFileDialogs* m_pFileDialogs = &m_desktopFileDialogs;
    CDesktopOrderPadLink m_orderPadLink{m_store};
    std::unique_ptr<CAccumulatorObject> m_pProduct;
    std::unique_ptr<CHelpSystem> m_pHelp;
    QPointer<CMainFrame> m_pMainFrame;
    CEuropeanAccumulatorView* m_pView = nullptr; // owned by the main window
    QPointer<CSplashWnd> m_pSplash;
    std::vector<CUserMenuItem> m_userMenuItems;
    std::vector<int> m_toolCommandIds;
    int m_nNextUserCommand;
    QString m_strCurrentFile;
    std::function<bool(const QUrl&)> m_fnOpenUrl;
    // "/p FILE": the report goes to the default printer without a dialog.
    bool m_bPrintToDefault = false;
    bool m_bPrinted = false;
    // Kept for the report print component, which chooses by it.
    int m_nSelectionReportFormat = 1;
};
