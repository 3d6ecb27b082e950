// The report viewer window over Qt's print preview.
#include "outputs/ReportViewer.h"

#include "app/FileDialogs.h"
#include "outputs/ReportDocument.h"
#include "outputs/ReportOutput.h"
#include "outputs/ReportPage.h"
#include "platform/Prompt.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>


CReportViewer::CReportViewer(const CReportDocument& document, const QString& strTitle, const QPageSize& pageSize,
                             IFileDialogs& files, ISettings* pFolders, QWidget* pParent)
    : QDialog(pParent), m_document(document), m_files(files), m_pFolders(pFolders),
      m_pageSize(pageSize),
      m_printer(QPrinter::HighResolution)
{
    m_strFolder = pFolders ? StartFolder(*pFolders, EFileKind::Report) : StartFolder(CMemorySettings(), EFileKind::Report);
    setWindowTitle(strTitle);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    m_printer.setPageLayout(ReportPageLayout(pageSize));

    auto* pBar = new QToolBar(this);
    pBar->setAccessibleName(QCoreApplication::translate("CReportViewer", "Report Tools"));
    pBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    AddAction(pBar, QCoreApplication::translate("CReportViewer", "&Print..."), QKeySequence::Print,
              &CReportViewer::OnPrint);
    AddAction(pBar, QCoreApplication::translate("CReportViewer", "Save as P&DF..."), QKeySequence::Save,
              &CReportViewer::OnSaveAsPdf);
    pBar->addSeparator();
    AddAction(pBar, QCoreApplication::translate("CReportViewer", "&First Page"),
              QKeySequence(Qt::CTRL | Qt::Key_Home), &CReportViewer::FirstPage)
        ->setIconText(QCoreApplication::translate("CReportViewer", "First"));
    AddAction(pBar, QCoreApplication::translate("CReportViewer", "Pre&vious Page"),
              QKeySequence(Qt::Key_PageUp), &CReportViewer::PreviousPage)
        ->setIconText(QCoreApplication::translate("CReportViewer", "Previous"));
    m_pPage = new QLabel(this);
    m_pPage->setAccessibleName(QCoreApplication::translate("CReportViewer", "Page"));
    m_pPage->setMinimumWidth(
        fontMetrics().horizontalAdvance(QCoreApplication::translate("CReportViewer", "  Page 888 of 888  ")));
    m_pPage->setAlignment(Qt::AlignCenter);
    pBar->addWidget(m_pPage);
    AddAction(pBar, QCoreApplication::translate("CReportViewer", "&Next Page"),
              QKeySequence(Qt::Key_PageDown), &CReportViewer::NextPage)
        ->setIconText(QCoreApplication::translate("CReportViewer", "Next"));
    AddAction(pBar, QCoreApplication::translate("CReportViewer", "&Last Page"),
              QKeySequence(Qt::CTRL | Qt::Key_End), &CReportViewer::LastPage)
        ->setIconText(QCoreApplication::translate("CReportViewer", "Last"));
    pBar->addSeparator();
    AddAction(pBar, QCoreApplication::translate("CReportViewer", "Zoom &In"), QKeySequence::ZoomIn,
              &CReportViewer::ZoomIn);
    AddAction(pBar, QCoreApplication::translate("CReportViewer", "Zoom &Out"), QKeySequence::ZoomOut,
              &CReportViewer::ZoomOut);
    AddAction(pBar, QCoreApplication::translate("CReportViewer", "Fit &Width"), QKeySequence(),
              &CReportViewer::FitWidth);
    AddAction(pBar, QCoreApplication::translate("CReportViewer", "&Whole Page"), QKeySequence(),
              &CReportViewer::WholePage);

    m_pPreview = new QPrintPreviewWidget(&m_printer, this);
    m_pPreview->setAccessibleName(QCoreApplication::translate("CReportViewer", "Report Pages"));
    connect(m_pPreview, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* pPrinter) { m_document.Render(*pPrinter); });
    connect(m_pPreview, &QPrintPreviewWidget::previewChanged, this, &CReportViewer::UpdatePage);

    auto* pClose = new QPushButton(QCoreApplication::translate("CReportViewer", "&Close"), this);
    pClose->setAccessibleName(QCoreApplication::translate("CReportViewer", "Close"));
    connect(pClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* pBottom = new QHBoxLayout;
    pBottom->addStretch();
    pBottom->addWidget(pClose);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pBar);
    pLayout->addWidget(m_pPreview, 1);
    pLayout->addLayout(pBottom);
    // A page's width at a readable size, as much of its height as the screen gives.
    const QRect available = screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(std::min(900, available.width() - 40), std::min(1050, available.height() - 60));
    m_pPreview->updatePreview();
    m_pPreview->fitToWidth();
    UpdatePage();
}

QAction* CReportViewer::AddAction(QToolBar* pBar, const QString& strText, const QKeySequence& shortcut,
                                  void (CReportViewer::*pfnSlot)())
{
    QAction* pAction = pBar->addAction(strText);
    const QString strName = QString(strText).remove(QLatin1Char('&')).remove(QStringLiteral("..."));
    pAction->setObjectName(strName);
    pAction->setToolTip(strName);
    if (!shortcut.isEmpty())
        pAction->setShortcut(shortcut);
    connect(pAction, &QAction::triggered, this, pfnSlot);
    return pAction;
}

QAction* CReportViewer::Action(const QString& strName) const
{
    return findChild<QAction*>(strName);
}

int CReportViewer::PageCount() const
{
    return m_pPreview->pageCount();
}

int CReportViewer::CurrentPage() const
{
    return m_pPreview->currentPage();
}

QString CReportViewer::PageText() const
{
    return m_pPage->text();
}

void CReportViewer::UpdatePage()
{
    m_pPage->setText(QCoreApplication::translate("CReportViewer", "Page %1 of %2")
                         .arg(m_pPreview->currentPage())
                         .arg(m_pPreview->pageCount()));
}

void CReportViewer::FirstPage()
{
    m_pPreview->setCurrentPage(1);
    UpdatePage();
}

void CReportViewer::PreviousPage()
{
    m_pPreview->setCurrentPage(m_pPreview->currentPage() - 1);
    UpdatePage();
}

void CReportViewer::NextPage()
{
    m_pPreview->setCurrentPage(m_pPreview->currentPage() + 1);
    UpdatePage();
}

void CReportViewer::LastPage()
{
    m_pPreview->setCurrentPage(m_pPreview->pageCount());
    UpdatePage();
}

void CReportViewer::ZoomIn()
{
    m_pPreview->zoomIn();
}

void CReportViewer::ZoomOut()
{
    m_pPreview->zoomOut();
}

void CReportViewer::FitWidth()
{
    m_pPreview->fitToWidth();
}

void CReportViewer::WholePage()
{
    m_pPreview->fitInView();
}

void CReportViewer::OnSaveAsPdf()
{
    const QString strPath = m_files.GetSaveFileName(
        this, m_strFolder,
        ProposedFileName(m_document.Layout().strModelNumber,
                         QCoreApplication::translate("CReportViewer", "Selection Report"), QStringLiteral("pdf")),
        QCoreApplication::translate("CReportViewer", "PDF Files (*.pdf)"), QStringLiteral("pdf"));
    if (strPath.isEmpty())
        return;
    QString strError;
    if (!WriteReportPdf(m_document, strPath, m_pageSize, strError))
        GetPrompt().Message(strError.toStdString());
    else
    {
        m_strFolder = QFileInfo(strPath).absolutePath();
        if (m_pFolders)
            RememberFolder(*m_pFolders, EFileKind::Report, strPath); // only a convenience if it fails
    }
}

void CReportViewer::OnPrint()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReportPageLayout(m_pageSize));
    QString strError;
    if (!PrintReport(m_document, printer, this, strError) && !strError.isEmpty())
        GetPrompt().Message(strError.toStdString());
}
