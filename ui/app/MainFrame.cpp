// The main window's menus as built, before the application adjusts them at start-up.
#include "app/MainFrame.h"

#include "app/CommandIds.h"
#include "app/CommandTips.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

namespace
{
QAction* FindIn(QMenu* pMenu, int nCommandId)
{
    for (QAction* pAction : pMenu->actions())
    {
        if (pAction->menu())
        {
            if (QAction* pFound = FindIn(pAction->menu(), nCommandId))
                return pFound;
        }
        else if (CMainFrame::CommandId(pAction) == nCommandId)
            return pAction;
    }
    return nullptr;
}
} // namespace

CMainFrame::CMainFrame(QWidget* pParent) : QMainWindow(pParent)
{
    setObjectName(QStringLiteral("CMainFrame"));
    CreateMenus();
    CreateToolBar();
    SetCommandTips(*this);
    statusBar()->showMessage(QStringLiteral("Ready"));
    resize(820, 600);
}

int CMainFrame::CommandId(const QAction* pAction)
{
    bool bOk = false;
    const int nId = pAction->data().toInt(&bOk);
    return bOk ? nId : 0;
}

QMenu* CMainFrame::TopMenu(int nIndex) const
{
    return nIndex >= 0 && nIndex < static_cast<int>(m_menus.size()) ? m_menus[nIndex] : nullptr;
}

QAction* CMainFrame::Action(int nCommandId) const
{
    for (QMenu* pMenu : m_menus)
        if (QAction* pAction = FindIn(pMenu, nCommandId))
            return pAction;
    return nullptr;
}

QAction* CMainFrame::AddCommand(QMenu* pMenu, const QString& strText, int nCommandId,
                                const QKeySequence& shortcut)
{
    QAction* pAction = pMenu->addAction(strText);
    pAction->setData(nCommandId);
    pAction->setShortcut(shortcut);
    connect(pAction, &QAction::triggered, this, [this, nCommandId] { emit Command(nCommandId); });
    return pAction;
}

QAction* CMainFrame::InsertMenuItem(int nMenu, int nPosition, const QString& strText, int nCommandId)
{
    QMenu* pMenu = TopMenu(nMenu);
    if (!pMenu)
        return nullptr;
    auto* pAction = new QAction(strText, pMenu);
    pAction->setData(nCommandId);
    connect(pAction, &QAction::triggered, this, [this, nCommandId] { emit Command(nCommandId); });
    const QList<QAction*> actions = pMenu->actions();
    pMenu->insertAction(nPosition >= 0 && nPosition < actions.size() ? actions[nPosition] : nullptr, pAction);
    return pAction;
}

bool CMainFrame::RemoveMenuCommand(int nMenu, int nCommandId)
{
    QMenu* pMenu = TopMenu(nMenu);
    if (!pMenu)
        return false;
    for (QAction* pAction : pMenu->actions())
        if (!pAction->menu() && CommandId(pAction) == nCommandId)
        {
            pMenu->removeAction(pAction);
            pAction->deleteLater();
            return true;
        }
    return false;
}

void CMainFrame::CreateMenus()
{
    QMenu* pFile = menuBar()->addMenu(QStringLiteral("&File"));
    QMenu* pView = menuBar()->addMenu(QStringLiteral("&View"));
    QMenu* pTools = menuBar()->addMenu(QStringLiteral("&Tools"));
    QMenu* pLanguage = menuBar()->addMenu(QStringLiteral("&Language"));
    QMenu* pHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    m_menus = {pFile, pView, pTools, pLanguage, pHelp};
    for (QMenu* pMenu : m_menus)
        connect(pMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);

    AddCommand(pFile, QStringLiteral("&New Selection"), cmd::FileNew, QKeySequence::New);
    AddCommand(pFile, QStringLiteral("&Open..."), cmd::FileOpen, QKeySequence::Open);
    AddCommand(pFile, QStringLiteral("&Save"), cmd::FileSave, QKeySequence::Save);
    AddCommand(pFile, QStringLiteral("Save &As..."), cmd::FileSaveAs);
    AddCommand(pFile, QStringLiteral("Export &XML..."), cmd::ExportXml);
    pFile->addSeparator();
    AddCommand(pFile, QStringLiteral("Print Selection &Report..."), cmd::PrintSelectionReport,
               QKeySequence::Print);
    AddCommand(pFile, QStringLiteral("Add &Selection to OrderPad"), cmd::AddToOrderPad);
    AddCommand(pFile, QStringLiteral("&OrderPad"), cmd::OrderPad);
    QMenu* pCad = pFile->addMenu(QStringLiteral("&CAD"));
    // The submenu is only worth opening while one of its commands can run.
    connect(pFile, &QMenu::aboutToShow, pCad,
            [pCad]
            {
                const QList<QAction*> actions = pCad->actions();
                pCad->menuAction()->setEnabled(std::any_of(actions.begin(), actions.end(),
                                                           [](const QAction* p) { return p->isEnabled(); }));
            });
    AddCommand(pCad, QStringLiteral("&View CAD Drawing"), cmd::CadCommands[0]);
    AddCommand(pCad, QStringLiteral("&Print CAD - DXF"), cmd::CadCommands[1]);
    AddCommand(pCad, QStringLiteral("Print CAD - &HPGL"), cmd::CadCommands[2]);
    AddCommand(pCad, QStringLiteral("CAD &Preferences..."), cmd::CadCommands[3]);
    AddCommand(pCad, QStringLiteral("&Generate CAD File"), cmd::CadCommands[4]);
    m_pRecentSeparator = pFile->addSeparator();
    for (int i = 0; i < 4; ++i)
    {
        m_recentFiles.push_back(AddCommand(pFile, QString(), cmd::FileMruFirst + i));
        m_recentFiles.back()->setVisible(false);
    }
    m_pRecentSeparator->setVisible(false);
    pFile->addSeparator();
    AddCommand(pFile, QStringLiteral("E&xit"), cmd::AppExit, QKeySequence::Quit);

    QAction* pToolbar = AddCommand(pView, QStringLiteral("&Toolbar"), cmd::ViewToolbar);
    pToolbar->setCheckable(true);
    pToolbar->setChecked(true);
    QAction* pStatus = AddCommand(pView, QStringLiteral("&Status Bar"), cmd::ViewStatusBar);
    pStatus->setCheckable(true);
    pStatus->setChecked(true);
    pView->addSeparator();
    AddCommand(pView, QStringLiteral("Display Selection Complete Options"),
               cmd::DisplaySelectionCompleteOptions)
        ->setCheckable(true);
    AddCommand(pView, QStringLiteral("View &Selection Report"), cmd::ViewSelectionReport);

    AddCommand(pTools, QStringLiteral("&Rapid Selection..."), cmd::RapidSelection);
    AddCommand(pTools, QStringLiteral("Unit &Defaults..."), cmd::UnitDefaults);
    AddCommand(pTools, QStringLiteral("&Options"), cmd::ToolOptions);

    (void)pLanguage; // filled with the installed languages

    AddCommand(pHelp, QStringLiteral("&Help"), cmd::ReferenceFirst + 3, QKeySequence::HelpContents);
    AddCommand(pHelp, QStringLiteral("Product &Support"), cmd::ReferenceFirst + 4);
    AddCommand(pHelp, QStringLiteral("&Contents"), cmd::ReferenceContents);
    pHelp->addSeparator();
    AddCommand(pHelp, QStringLiteral("Contacting &Dalrow"), cmd::ReferenceFirst + 0);
    AddCommand(pHelp, QStringLiteral("Dalrow &Locations"), cmd::ReferenceFirst + 1);
    AddCommand(pHelp, QStringLiteral("&Offer of Sale"), cmd::ReferenceFirst + 5);
    AddCommand(pHelp, QStringLiteral("&License Agreement"), cmd::ReferenceFirst + 2);
    AddCommand(pHelp, QStringLiteral("O&ther Products"), cmd::ReferenceFirst + 6);
    AddCommand(pHelp, QStringLiteral("&Related Products"), cmd::ReferenceFirst + 7);
    pHelp->addSeparator();
    AddCommand(pHelp, QStringLiteral("Dalrow on the &Web"), cmd::WebPages[0]);
    AddCommand(pHelp, QStringLiteral("Product &Information"), cmd::WebPages[1]);
    AddCommand(pHelp, QStringLiteral("Technical Su&pport"), cmd::WebPages[2]);
    pHelp->addSeparator();
    AddCommand(pHelp, QStringLiteral("&Tip of the Day..."), cmd::TipOfTheDay);
    AddCommand(pHelp, QStringLiteral("&About Tesmara Accumulator..."), cmd::AppAbout);
}

void CMainFrame::CreateToolBar()
{
    QToolBar* pBar = addToolBar(QStringLiteral("Standard"));
    pBar->setObjectName(QStringLiteral("Standard"));
    pBar->setAccessibleName(QStringLiteral("Standard"));
    pBar->setMovable(false);
    const struct
    {
        int nId;
        QStyle::StandardPixmap eIcon;
    } kButtons[] = {{cmd::FileNew, QStyle::SP_FileIcon},
                    {cmd::FileOpen, QStyle::SP_DialogOpenButton},
                    {cmd::FileSave, QStyle::SP_DialogSaveButton},
                    {0, QStyle::SP_CustomBase},
                    {cmd::AppAbout, QStyle::SP_MessageBoxQuestion}};
    for (const auto& button : kButtons)
    {
        if (button.nId == 0)
        {
            pBar->addSeparator();
            continue;
        }
        QAction* pAction = Action(button.nId);
        pAction->setIcon(style()->standardIcon(button.eIcon));
        pBar->addAction(pAction);
    }
    connect(Action(cmd::ViewToolbar), &QAction::toggled, pBar, &QToolBar::setVisible);
    connect(Action(cmd::ViewStatusBar), &QAction::toggled, statusBar(), &QStatusBar::setVisible);
}

void CMainFrame::SetRecentFiles(const std::vector<std::string>& files)
{
    for (std::size_t i = 0; i < m_recentFiles.size(); ++i)
    {
        QAction* pAction = m_recentFiles[i];
        pAction->setVisible(i < files.size());
        if (i >= files.size())
            continue;
        const QString strPath = QString::fromStdString(files[i]);
        // The folder tells apart files of one name; a long one is shortened in the middle.
        QString strShown = QDir::toNativeSeparators(strPath);
        if (strShown.size() > 60)
            strShown = strShown.left(20) + QStringLiteral("...") + strShown.right(37);
        strShown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        pAction->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(strShown));
        pAction->setStatusTip(QDir::toNativeSeparators(strPath));
    }
    m_pRecentSeparator->setVisible(!files.empty());
}

void CMainFrame::SetLanguages(const QStringList& names, int nActive)
{
    QMenu* pMenu = TopMenu(MenuLanguage);
    pMenu->clear();
    auto* pGroup = new QActionGroup(pMenu);
    for (int i = 0; i < names.size() && cmd::LanguageFirst + i <= cmd::LanguageLast; ++i)
    {
        QAction* pAction = AddCommand(pMenu, names[i], cmd::LanguageFirst + i);
        pAction->setCheckable(true);
        pAction->setChecked(i == nActive);
        SetLanguageTip(*pAction);
        pGroup->addAction(pAction);
    }
    pMenu->setEnabled(!names.isEmpty());
}

void CMainFrame::SetActiveLanguage(int nActive)
{
    const QList<QAction*> actions = TopMenu(MenuLanguage)->actions();
    for (int i = 0; i < actions.size(); ++i)
        actions[i]->setChecked(i == nActive);
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    if (m_fnCanClose && !m_fnCanClose())
    {
        pEvent->ignore();
        return;
    }
    QMainWindow::closeEvent(pEvent);
}
