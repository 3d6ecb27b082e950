// The selection report as a paged document: laid out from the report map and drawn page by page,
// with the model number and page numbers at the foot of each, on a printer, a PDF or the preview.
#pragma once

#include "outputs/ReportData.h"
#include "outputs/ReportLayout.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;

class CReportDocument
{
public:
    explicit CReportDocument(const SSelectionReport& report);

    // Every picture that the report should show and cannot: those the catalogue could not give
    // and those that are not pictures Qt can read. Shown once; the report goes on without them.
    const QStringList& Problems() const { return m_problems; }
    const SReportLayout& Layout() const { return m_layout; }
    // The title a PDF or print job carries: the report's title and the model number.
    QString DocumentTitle() const;

    // Draws every page on the device in its own page size and margins; the number of pages.
    int Render(QPagedPaintDevice& device) const;

private:
    struct SChart
    {
        QString strName;
        QString strHeading;
        QImage image;
    };

    void Footer(QPainter& painter, const QRectF& area, int nPage, int nPages) const;
    void Prepare(QTextDocument& document, QPagedPaintDevice& device) const;

    SReportLayout m_layout;
    QImage m_brand;
    QImage m_picture;
    std::vector<SChart> m_charts;
    QString m_strPageFormat; // "Page %1 of %2"
    QString m_strPreparedWith;
    QStringList m_problems;
};
