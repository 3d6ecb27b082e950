// The desktop application on the built catalogue, with file dialogs that answer a set path,
// for whole selections made through the step panel and the menus as a user makes them.
#pragma once

#include "../sizing/SizingFixture.h"
#include "app/CommandIds.h"
#include "app/EuropeanAccumulatorApp.h"
#include "app/QtSettings.h"
#include "products/TesmaraView.h"

#include <QTemporaryDir>

#include <deque>

// Answers the file dialogs with the queued paths in turn, then with m_strPath; keeps the folder offered.
class CScriptedFiles : public IFileDialogs
{
public:
    QString GetOpenFileName(QWidget*, const QString& strFolder, const QString&) override { return Next(strFolder); }
    QString GetSaveFileName(QWidget*, const QString& strFolder, const QString&, const QString&, const QString&) override
    {
        return Next(strFolder);
    }
    QString m_strPath;
    std::deque<QString> m_paths;
    QString m_strFolder;

private:
    QString Next(const QString& strFolder)
    {
        m_strFolder = strFolder;
        if (m_paths.empty())
            return m_strPath;
        const QString strPath = m_paths.front();
        m_paths.pop_front();
        return strPath;
    }
};

// The step buttons of the panel.
enum EStep
{
    kProduct = 100,
    kApplication = 101,
    kModel = 102,
    kDetails = 103,
};

// One run of the program with its own settings folder; started by each test afresh.
class CDesktopSession
{
public:
    CDesktopSession()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        m_pSettings = std::make_unique<CQtSettings>(m_dir.filePath("user.ini"), m_dir.filePath("system.ini"),
                                                    TESMARA_BUILT_DEFAULTS_INI);
        m_pApp = std::make_unique<CEuropeanAccumulatorApp>(*m_pSettings, QStringList{"--no-splash"});
        m_pApp->SetFileDialogs(&m_files);
    }

    bool Start() { return m_pApp->InitInstance(); }
    CEuropeanAccumulatorApp& App() { return *m_pApp; }
    CEuropeanAccumulatorView& View() { return *m_pApp->View(); }
    CAccumulatorObject& Product() { return m_pApp->Product(); }
    QStringList PanelTexts() { return View().DisplayTexts(); }
    // Presses the step buttons in turn.
    void Steps(std::initializer_list<int> steps)
    {
        for (int nStep : steps)
            View().OnStepButton(nStep);
    }
    // "Save" into the session's folder under the name, then "New Selection", then "Open" of that file.
    void SaveNewAndOpen(const QString& strName)
    {
        m_files.m_strPath = m_dir.filePath(strName);
        m_pApp->OnCommand(cmd::FileSave);
        m_pApp->OnCommand(cmd::FileNew);
        m_pApp->OnCommand(cmd::FileOpen);
    }
    QString FilePath(const QString& strName) const { return m_dir.filePath(strName); }
    // The user's settings of this run, to set before Start.
    ISettings& Settings() { return *m_pSettings; }
    CScriptedFiles& Files() { return m_files; }

private:
    QTemporaryDir m_dir;
    CScriptedFiles m_files;
    std::unique_ptr<CQtSettings> m_pSettings;
    std::unique_ptr<CEuropeanAccumulatorApp> m_pApp;
};
