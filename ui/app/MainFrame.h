// The main window: menus, toolbar, status bar and the step panel; every menu item sends its command id.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <string>
#include <vector>

class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // The top-level menus in order: File, View, Tools, Language, Help.
    enum EMenu
    {
        MenuFile,
        MenuView,
        MenuTools,
        MenuLanguage,
        MenuHelp
    };

    explicit CMainFrame(QWidget* pParent = nullptr);

    QMenu* TopMenu(int nIndex) const;
    // The first action with the command id in any menu, or nullptr.
    QAction* Action(int nCommandId) const;
    static int CommandId(const QAction* pAction);

    // Inserts an item at a position of a top-level menu (positions count separators).
    QAction* InsertMenuItem(int nMenu, int nPosition, const QString& strText, int nCommandId);
    // Removes the item of a command id from a top-level menu; false when it has none.
    bool RemoveMenuCommand(int nMenu, int nCommandId);

    // The recent files shown in the File menu, most recent first.
    void SetRecentFiles(const std::vector<std::string>& files);
    // One item per language, the active one checked.
    void SetLanguages(const QStringList& names, int nActive);
    // Checks the active language's item only (the items stay: one may be running its command).
    void SetActiveLanguage(int nActive);

    // Asked before the window closes; false keeps it open.
    void SetCloseGuard(std::function<bool()> fnCanClose) { m_fnCanClose = std::move(fnCanClose); }

signals:
    // A menu, toolbar or shortcut command.
    void Command(int nCommandId);
    // A menu is about to open: the commands' states are to be brought up to date.
    void UpdateCommands();

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    // A change of language: every text the window made is shown anew in it.
    void changeEvent(QEvent* pEvent) override;

private:
    // A command whose text is translated from pszSource (marked with QT_TR_NOOP).
    QAction* AddCommand(QMenu* pMenu, const char* pszSource, int nCommandId,
                        const QKeySequence& shortcut = QKeySequence());
    template <class TParent> QMenu* AddMenu(TParent* pParent, const char* pszSource);
    void Retranslate();
    void CreateMenus();
    void CreateToolBar();

    std::vector<QMenu*> m_menus;
    std::vector<QAction*> m_recentFiles;
    QAction* m_pRecentSeparator = nullptr;
    std::function<bool()> m_fnCanClose;
    // Each translated text and its source; an item the application removed is gone from here.
    std::vector<std::pair<QPointer<QAction>, const char*>> m_translated;
    QToolBar* m_pToolBar = nullptr;
};
