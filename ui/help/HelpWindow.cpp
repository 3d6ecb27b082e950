// The help window over Qt's help engine.
#include "help/HelpWindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace
{
// A page browser that reads the help's pages and pictures from the engine.
class CHelpBrowser : public QTextBrowser
{
public:
    CHelpBrowser(QHelpEngine& engine, QWidget* pParent) : QTextBrowser(pParent), m_engine(engine) {}

    QVariant loadResource(int nType, const QUrl& url) override
    {
        if (url.scheme() == QLatin1String("qthelp"))
        {
            const QByteArray data = m_engine.fileData(url);
            return nType == QTextDocument::HtmlResource ? QVariant(QString::fromUtf8(data)) : QVariant(data);
        }
        return QTextBrowser::loadResource(nType, url);
    }

private:
    QHelpEngine& m_engine;
};
} // namespace

CHelpWindow::CHelpWindow(QHelpEngine& engine, QWidget* pParent) : QWidget(pParent, Qt::Window), m_engine(engine)
{
    setWindowTitle(tr("Tesmara Accumulator Help"));
    setAccessibleName(windowTitle());
    resize(920, 640);

    m_pBrowser = new CHelpBrowser(engine, this);
    m_pBrowser->setAccessibleName(tr("Help topic"));
    m_pBrowser->setOpenLinks(false);
    connect(m_pBrowser, &QTextBrowser::anchorClicked, this, &CHelpWindow::OnLink);

    m_pTabs = new QTabWidget(this);
    m_pTabs->setAccessibleName(tr("Help navigation"));
    QHelpContentWidget* pContents = engine.contentWidget();
    pContents->setAccessibleName(tr("Contents"));
    m_pTabs->addTab(pContents, tr("&Contents"));
    connect(pContents, &QHelpContentWidget::linkActivated, this, [this](const QUrl& url) { ShowPage(url); });
    // The contents open at their first level, and follow the page shown.
    connect(engine.contentModel(), &QHelpContentModel::contentsCreated, this,
            [this, pContents]
            {
                pContents->expandToDepth(0);
                const QModelIndex index = pContents->indexOf(m_pBrowser->source());
                if (index.isValid())
                    pContents->setCurrentIndex(index);
            });
    pContents->expandToDepth(0);

    auto* pIndexPage = new QWidget;
    auto* pIndexLayout = new QVBoxLayout(pIndexPage);
    auto* pLookFor = new QLineEdit;
    pLookFor->setAccessibleName(tr("Look for"));
    pLookFor->setPlaceholderText(tr("Look for"));
    QHelpIndexWidget* pIndex = engine.indexWidget();
    pIndex->setAccessibleName(tr("Index"));
    pIndexLayout->addWidget(pLookFor);
    pIndexLayout->addWidget(pIndex);
    m_pTabs->addTab(pIndexPage, tr("&Index"));
    connect(pLookFor, &QLineEdit::textChanged, pIndex, [pIndex](const QString& s) { pIndex->filterIndices(s); });
    connect(pLookFor, &QLineEdit::returnPressed, pIndex, &QHelpIndexWidget::activateCurrentItem);
    connect(pIndex, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link, const QString&) { ShowPage(link.url); });
    connect(pIndex, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& links, const QString&)
            {
                if (!links.isEmpty())
                    ShowPage(links.first().url);
            });

    auto* pSearchPage = new QWidget;
    auto* pSearchLayout = new QVBoxLayout(pSearchPage);
    QHelpSearchEngine* pSearch = engine.searchEngine();
    pSearch->queryWidget()->setAccessibleName(tr("Search for"));
    pSearch->resultWidget()->setAccessibleName(tr("Topics found"));
    pSearchLayout->addWidget(pSearch->queryWidget());
    pSearchLayout->addWidget(pSearch->resultWidget(), 1);
    m_pTabs->addTab(pSearchPage, tr("&Search"));
    connect(pSearch->queryWidget(), &QHelpSearchQueryWidget::search, pSearch,
            [pSearch] { pSearch->search(pSearch->queryWidget()->searchInput()); });
    connect(pSearch->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this,
            [this](const QUrl& url) { ShowPage(url); });

    auto* pTools = new QToolBar(this);
    pTools->setAccessibleName(tr("Help tools"));
    QAction* pBack = pTools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    QAction* pForward = pTools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    QAction* pHome = pTools->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("First page"));
    connect(pBack, &QAction::triggered, m_pBrowser, &QTextBrowser::backward);
    connect(pForward, &QAction::triggered, m_pBrowser, &QTextBrowser::forward);
    connect(pHome, &QAction::triggered, m_pBrowser, &QTextBrowser::home);
    pBack->setEnabled(false);
    pForward->setEnabled(false);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, pBack, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, pForward, &QAction::setEnabled);

    auto* pSplitter = new QSplitter(this);
    pSplitter->addWidget(m_pTabs);
    pSplitter->addWidget(m_pBrowser);
    pSplitter->setStretchFactor(1, 3);
    pSplitter->setSizes({260, 660});
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(4, 4, 4, 4);
    pLayout->addWidget(pTools);
    pLayout->addWidget(pSplitter, 1);

    // The full-text index is made once per user, in the background, the first time help opens.
    pSearch->scheduleIndexDocumentation();
}

QUrl CHelpWindow::CurrentPage() const
{
    return m_pBrowser->source();
}

void CHelpWindow::ShowPage(const QUrl& url)
{
    HostInModalDialog();
    if (url.isValid() && url != m_pBrowser->source())
        m_pBrowser->setSource(url);
    if (m_engine.contentWidget())
    {
        const QModelIndex index = m_engine.contentWidget()->indexOf(url);
        if (index.isValid())
            m_engine.contentWidget()->setCurrentIndex(index);
    }
    if (!m_bPlaced)
    {
        // The first time: beside what the user works in, within the screen.
        m_bPlaced = true;
        const QWidget* pNear = QApplication::activeWindow();
        const QRect screen = (pNear ? pNear->screen() : QGuiApplication::primaryScreen())->availableGeometry();
        resize(std::min(920, screen.width() * 9 / 10), std::min(640, screen.height() * 9 / 10));
        move(screen.center() - rect().center());
    }
    show();
    raise();
    activateWindow();
}

void CHelpWindow::OnLink(const QUrl& url)
{
    const QString strPath = url.path();
    if (url.scheme() == QLatin1String("qthelp") && strPath.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        emit ReferenceRequested(strPath.section(QLatin1Char('/'), -1));
    else if (url.scheme() == QLatin1String("qthelp"))
        ShowPage(url);
    else
        QDesktopServices::openUrl(url);
}

void CHelpWindow::HostInModalDialog()
{
    QWidget* pWanted = QApplication::activeModalWidget();
    if (pWanted == this || parentWidget() == pWanted)
        return;
    const QRect geometry = this->geometry();
    const bool bWasVisible = isVisible();
    if (m_pHost)
        m_pHost->removeEventFilter(this);
    setParent(pWanted, Qt::Window);
    m_pHost = pWanted;
    if (m_pHost)
        m_pHost->installEventFilter(this);
    if (bWasVisible)
        setGeometry(geometry);
}

bool CHelpWindow::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // The dialog is closing: the window leaves it before the dialog takes it down with itself.
    if (pWatched == m_pHost && pEvent->type() == QEvent::Hide)
    {
        m_pHost->removeEventFilter(this);
        m_pHost = nullptr;
        const QRect geometry = this->geometry();
        setParent(nullptr, Qt::Window);
        setGeometry(geometry);
        hide();
    }
    return QWidget::eventFilter(pWatched, pEvent);
}
