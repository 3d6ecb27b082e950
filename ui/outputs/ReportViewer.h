// The report viewer: the pages as they will print, with zoom, page navigation, printing and
// "Save as PDF...".
#pragma once

#include <QDialog>
#include <QPageSize>
#include <QPrinter>

class CReportDocument;
class IFileDialogs;
class ISettings;
class QLabel;
class QPrintPreviewWidget;
class QToolBar;

class CReportViewer : public QDialog
{
    Q_OBJECT

public:
    // pFolders: where "Save as PDF..." starts and keeps the folder chosen (nullptr: the documents
    // folder, nothing kept). The document, the file dialogs and the settings are not owned.
    CReportViewer(const CReportDocument& document, const QString& strTitle, const QPageSize& pageSize,
                  IFileDialogs& files, ISettings* pFolders, QWidget* pParent = nullptr);

    QPrintPreviewWidget* Preview() const { return m_pPreview; }
    QAction* Action(const QString& strName) const;
    int PageCount() const;
    int CurrentPage() const;
    QString PageText() const;

    void OnSaveAsPdf();
    void OnPrint();

private:
    QAction* AddAction(QToolBar* pBar, const QString& strText, const QKeySequence& shortcut,
                       void (CReportViewer::*pfnSlot)());
    void UpdatePage();
    void FirstPage();
    void PreviousPage();
    void NextPage();
    void LastPage();
    void ZoomIn();
    void ZoomOut();
    void FitWidth();
    void WholePage();

    const CReportDocument& m_document;
    IFileDialogs& m_files;
    ISettings* m_pFolders;
    QString m_strFolder;
    QPageSize m_pageSize;
    QPrinter m_printer;
    QPrintPreviewWidget* m_pPreview = nullptr;
    QLabel* m_pPage = nullptr;
};
