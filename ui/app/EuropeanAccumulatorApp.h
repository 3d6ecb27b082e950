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

#include <memory>
#include <vector>

class CAccumulatorObject;
class CEuropeanAccumulatorView;
class ISettings;

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

    // The start-up sequence up to the main window being shown; false ends the program.
    bool InitInstance();

    // IProductHost.
    std::filesystem::path CatalogueFolder() const override { return m_settings.NetPath; }
    std::filesystem::path ApplicationFolder() const override;
    std::string LanguageCode() const override { return m_settings.GetLanguageCode(); }
    std::string LanguageName() const override { return m_settings.GetLanguageName(); }
    int LanguageNameId() const override { return m_settings.GetLanguageNameId(); }
    std::string DefaultUnit(int nCategoryId) const override { return m_settings.GetDefaultUnit(nCategoryId); }
    bool OpenDocument(const std::filesystem::path& path, std::string& strError) override;
    void SetTitle(const std::string& strTitle) override;
    void RefreshPanel() override;
    bool ShowSelectionReport(const SSelectionReport& report, const std::string& strTitle) override;
    bool PrintSelectionReport(const SSelectionReport& report, const std::string& strTitle) override;
    std::unique_ptr<ICadObject> CreateCadObject() override;
    IOrderPadLink* OrderPadLink() override { return &m_orderPadLink; }
    ISettings* UserSettings() override { return &m_store; }
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
    void OnAppAbout();
    // After the splash: the disclaimer, then the tip of the day.
    void OnShowDisclaimer();
    void ShowTipAtStartup();
    void OnTipOfTheDay();
    // "Save your current selection?" when the selection is modified; Yes saves. With
    // bCancel a Cancel button is offered. False when the work would be lost or the user cancelled.
    bool SaveModified(bool bCancel);
    // Leaves the program: closes the main window, which asks about unsaved work.
    void OnAppExit();
    // What the program stores when it ends.
    void ExitInstance();

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
    // The folder the file dialogs start in, and storing the one chosen.
    QString FileDialogFolder() const;
    void StoreFileDialogFolder(const QString& strFile);
    void AddRecentFile(const QString& strPath);
    void RefreshLanguageMenu();
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
    QPointer<CMainFrame> m_pMainFrame;
    CEuropeanAccumulatorView* m_pView = nullptr; // owned by the main window
    QPointer<CSplashWnd> m_pSplash;
    std::vector<CUserMenuItem> m_userMenuItems;
    std::vector<int> m_toolCommandIds;
    int m_nNextUserCommand;
    QString m_strCurrentFile;
    // Kept for the report print component, which chooses by it.
    int m_nSelectionReportFormat = 1;
};
