// The help window: the topics with their contents, index and full-text search beside the page.
#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>

class QHelpEngine;
class QTabWidget;
class QTextBrowser;

class CHelpWindow : public QWidget
{
    Q_OBJECT

public:
    // The engine is not owned; its contents, index and search widgets become this window's.
    explicit CHelpWindow(QHelpEngine& engine, QWidget* pParent = nullptr);

    // Shows a page of the help, brought to the front, inside the modal dialog the user works in
    // (a window outside it could not be used while it is open).
    void ShowPage(const QUrl& url);
    QUrl CurrentPage() const;
    QTextBrowser* Browser() const { return m_pBrowser; }
    QTabWidget* Tabs() const { return m_pTabs; }

signals:
    // A link to a reference document ("PA_SERIES.PDF") was followed.
    void ReferenceRequested(const QString& strFile);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void OnLink(const QUrl& url);
    void HostInModalDialog();

    QHelpEngine& m_engine;
    QTabWidget* m_pTabs;
    QTextBrowser* m_pBrowser;
    QPointer<QWidget> m_pHost; // the dialog the window lives in while it is open
    bool m_bPlaced = false;
};
