// The main window's menus as built, before the application adjusts them at start-up.
#include "app/MainFrame.h"

#include "app/CommandIds.h"
#include "app/CommandTips.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QEvent>
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
    statusBar()->showMessage(tr("Ready"));
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

QAction* CMainFrame::AddCommand(QMenu* pMenu, const char* pszSource, int nCommandId,
                                const QKeySequence& shortcut)
{
    // Without a source the caller sets the text (file names, language names).
    QAction* pAction = pMenu->addAction(pszSource ? tr(pszSource) : QString());
    if (pszSource)
        m_translated.push_back({pAction, pszSource});
    pAction->setData(nCommandId);
    pAction->setShortcut(shortcut);
    connect(pAction, &QAction::triggered, this, [this, nCommandId] { emit Command(nCommandId); });
    return pAction;
}

template <class TParent> QMenu* CMainFrame::AddMenu(TParent* pParent, const char* pszSource)
{
    QMenu* pMenu = pParent->addMenu(tr(pszSource));
    m_translated.push_back({pMenu->menuAction(), pszSource});
    return pMenu;
}

void CMainFrame::Retranslate()
{
    for (const auto& [pAction, pszSource] : m_translated)
        if (pAction)
            pAction->setText(tr(pszSource));
    SetCommandTips(*this);
    statusBar()->showMessage(tr("Ready"));
    if (m_pToolBar)
    {
        m_pToolBar->setWindowTitle(tr("Standard"));
        m_pToolBar->setAccessibleName(tr("Standard"));
    }
}

void CMainFrame::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::LanguageChange)
        Retranslate();
    QMainWindow::changeEvent(pEvent);
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
    QMenu* pFile = AddMenu(menuBar(), QT_TR_NOOP("&File"));
    QMenu* pView = AddMenu(menuBar(), QT_TR_NOOP("&View"));
    QMenu* pTools = AddMenu(menuBar(), QT_TR_NOOP("&Tools"));
    QMenu* pLanguage = AddMenu(menuBar(), QT_TR_NOOP("&Language"));
    QMenu* pHelp = AddMenu(menuBar(), QT_TR_NOOP("&Help"));
    m_menus = {pFile, pView, pTools, pLanguage, pHelp};
    for (QMenu* pMenu : m_menus)
        connect(pMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);

    AddCommand(pFile, QT_TR_NOOP("&New Selection"), cmd::FileNew, QKeySequence::New);
    AddCommand(pFile, QT_TR_NOOP("&Open..."), cmd::FileOpen, QKeySequence::Open);
    AddCommand(pFile, QT_TR_NOOP("&Save"), cmd::FileSave, QKeySequence::Save);
    AddCommand(pFile, QT_TR_NOOP("Save &As..."), cmd::FileSaveAs);
    AddCommand(pFile, QT_TR_NOOP("Export &XML..."), cmd::ExportXml);
    pFile->addSeparator();
    AddCommand(pFile, QT_TR_NOOP("Print Selection &Report..."), cmd::PrintSelectionReport,
               QKeySequence::Print);
    AddCommand(pFile, QT_TR_NOOP("Add &Selection to OrderPad"), cmd::AddToOrderPad);
    AddCommand(pFile, QT_TR_NOOP("&OrderPad"), cmd::OrderPad);
    QMenu* pCad = AddMenu(pFile, QT_TR_NOOP("&CAD"));
    // The submenu is only worth opening while one of its commands can run.
    connect(pFile, &QMenu::aboutToShow, pCad,
            [pCad]
            {
                const QList<QAction*> actions = pCad->actions();
                pCad->menuAction()->setEnabled(std::any_of(actions.begin(), actions.end(),
                                                           [](const QAction* p) { return p->isEnabled(); }));
            });
    AddCommand(pCad, QT_TR_NOOP("&View CAD Drawing"), cmd::CadCommands[0]);
    AddCommand(pCad, QT_TR_NOOP("&Print CAD - DXF"), cmd::CadCommands[1]);
    AddCommand(pCad, QT_TR_NOOP("Print CAD - &HPGL"), cmd::CadCommands[2]);
    AddCommand(pCad, QT_TR_NOOP("CAD &Preferences..."), cmd::CadCommands[3]);
    AddCommand(pCad, QT_TR_NOOP("&Generate CAD File"), cmd::CadCommands[4]);
    m_pRecentSeparator = pFile->addSeparator();
    for (int i = 0; i < 4; ++i)
    {
        m_recentFiles.push_back(AddCommand(pFile, nullptr, cmd::FileMruFirst + i));
        m_recentFiles.back()->setVisible(false);
    }
    m_pRecentSeparator->setVisible(false);
    pFile->addSeparator();
    AddCommand(pFile, QT_TR_NOOP("E&xit"), cmd::AppExit, QKeySequence::Quit);

    QAction* pToolbar = AddCommand(pView, QT_TR_NOOP("&Toolbar"), cmd::ViewToolbar);
    pToolbar->setCheckable(true);
    pToolbar->setChecked(true);
    QAction* pStatus = AddCommand(pView, QT_TR_NOOP("&Status Bar"), cmd::ViewStatusBar);
    pStatus->setCheckable(true);
    pStatus->setChecked(true);
    pView->addSeparator();
    AddCommand(pView, QT_TR_NOOP("Display Selection Complete Options"),
               cmd::DisplaySelectionCompleteOptions)
        ->setCheckable(true);
    AddCommand(pView, QT_TR_NOOP("View &Selection Report"), cmd::ViewSelectionReport);

    AddCommand(pTools, QT_TR_NOOP("&Rapid Selection..."), cmd::RapidSelection);
    AddCommand(pTools, QT_TR_NOOP("Unit &Defaults..."), cmd::UnitDefaults);
    AddCommand(pTools, QT_TR_NOOP("&Options"), cmd::ToolOptions);

    (void)pLanguage; // filled with the installed languages

    AddCommand(pHelp, QT_TR_NOOP("&Help"), cmd::ReferenceFirst + 3, QKeySequence::HelpContents);
    AddCommand(pHelp, QT_TR_NOOP("Product &Support"), cmd::ReferenceFirst + 4);
    AddCommand(pHelp, QT_TR_NOOP("&Contents"), cmd::ReferenceContents);
    pHelp->addSeparator();
    AddCommand(pHelp, QT_TR_NOOP("Contacting &Dalrow"), cmd::ReferenceFirst + 0);
    AddCommand(pHelp, QT_TR_NOOP("Dalrow &Locations"), cmd::ReferenceFirst + 1);
    AddCommand(pHelp, QT_TR_NOOP("&Offer of Sale"), cmd::ReferenceFirst + 5);
    AddCommand(pHelp, QT_TR_NOOP("&License Agreement"), cmd::ReferenceFirst + 2);
    AddCommand(pHelp, QT_TR_NOOP("O&ther Products"), cmd::ReferenceFirst + 6);
    AddCommand(pHelp, QT_TR_NOOP("&Related Products"), cmd::ReferenceFirst + 7);
    pHelp->addSeparator();
    AddCommand(pHelp, QT_TR_NOOP("Dalrow on the &Web"), cmd::WebPages[0]);
    AddCommand(pHelp, QT_TR_NOOP("Product &Information"), cmd::WebPages[1]);
    AddCommand(pHelp, QT_TR_NOOP("Technical Su&pport"), cmd::WebPages[2]);
    pHelp->addSeparator();
    AddCommand(pHelp, QT_TR_NOOP("&Tip of the Day..."), cmd::TipOfTheDay);
    AddCommand(pHelp, QT_TR_NOOP("&About Tesmara Accumulator..."), cmd::AppAbout);
}

void CMainFrame::CreateToolBar()
{
    QToolBar* pBar = addToolBar(tr("Standard"));
    m_pToolBar = pBar;
    pBar->setObjectName(QStringLiteral("Standard"));
    pBar->setAccessibleName(tr("Standard"));
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
    // The same languages (named anew after a switch): the items stay, as one of them may be
    // running its command.
    const QList<QAction*> actions = pMenu->actions();
    if (actions.size() == names.size())
    {
        for (int i = 0; i < names.size(); ++i)
            actions[i]->setText(names[i]);
        SetActiveLanguage(nActive);
        return;
    }
    pMenu->clear();
    auto* pGroup = new QActionGroup(pMenu);
    for (int i = 0; i < names.size() && cmd::LanguageFirst + i <= cmd::LanguageLast; ++i)
    {
        QAction* pAction = AddCommand(pMenu, nullptr, cmd::LanguageFirst + i);
        pAction->setText(names[i]);
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
