// Laying the report out on pages and drawing them.
#include "outputs/ReportDocument.h"

#include "outputs/ReportCharts.h"
#include "outputs/ReportHtml.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>

#include <cmath>

namespace
{
// The footer's height in points: a rule and one line.
constexpr double kFooterPoints = 22.0;

QImage Decode(const SReportPicture& picture, QStringList& problems)
{
    if (picture.IsEmpty())
        return QImage();
    QImage image;
    if (!image.loadFromData(picture.bytes.data(), static_cast<int>(picture.bytes.size())))
        problems << QCoreApplication::translate("CReportDocument",
                                                "The picture \"%1\" is not a picture that can be shown.")
                        .arg(QString::fromStdString(picture.strName));
    return image;
}

// A block (the columns, the dimensions, a chart, the warning) that fits on a page but would
// straddle a page's end starts a new page instead: Qt would otherwise leave a heading bar at the
// foot of one page, stretched down to it, and its chart on the next.
void KeepBlocksWhole(QTextDocument& document, double dPageHeight)
{
    QAbstractTextDocumentLayout* pLayout = document.documentLayout();
    for (QTextFrame* pFrame : document.rootFrame()->childFrames())
    {
        const QRectF box = pLayout->frameBoundingRect(pFrame);
        const double dTopOnPage = std::fmod(box.top(), dPageHeight);
        if (box.height() < dPageHeight && dTopOnPage + box.height() > dPageHeight)
        {
            QTextFrameFormat format = pFrame->frameFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            pFrame->setFrameFormat(format);
        }
    }
}

QFont ReportFont(double dPoints, bool bBold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(dPoints);
    font.setBold(bBold);
    return font;
}
} // namespace

CReportDocument::CReportDocument(const SSelectionReport& report) : m_layout(ReportLayout(report.map))
{
    for (const std::string& strProblem : report.problems)
        m_problems << QString::fromStdString(strProblem);
    m_brand = Decode(report.brand, m_problems);
    m_picture = Decode(report.picture, m_problems);
    m_strPageFormat = QString::fromStdString(report.map.Text("PageLBL"));
    if (m_strPageFormat.isEmpty())
        m_strPageFormat = QStringLiteral("%1 / %2");
    m_strPreparedWith = QString::fromStdString(report.map.Text("PreparedWithLBL"));
    const auto addChart = [&](const char* pszName, const char* pszHeadingKey, QImage image)
    {
        if (!image.isNull())
            m_charts.push_back({QString::fromLatin1(pszName), QString::fromStdString(report.map.Text(pszHeadingKey)),
                                std::move(image)});
    };
    addChart("report:cycle", "CycleGraphHeadingLBL", CycleGraphPicture(report.cycle));
    addChart("report:gas", "GasStateHeadingLBL", GasStatePicture(report.gasStates, report.gasUnits));
}

QString CReportDocument::DocumentTitle() const
{
    return QString::fromStdString(m_layout.strTitle) + QStringLiteral(" ") +
           QString::fromStdString(m_layout.strModelNumber);
}

void CReportDocument::Prepare(QTextDocument& document, QPagedPaintDevice& device) const
{
    // Laid out in the device's own resolution, so that text and pictures keep their printed size.
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(ReportFont(8.5));
    document.setDocumentMargin(0);
    if (!m_brand.isNull())
        document.addResource(QTextDocument::ImageResource, QUrl(reportres::kBrand), m_brand);
    if (!m_picture.isNull())
        document.addResource(QTextDocument::ImageResource, QUrl(reportres::kPicture), m_picture);
    SReportCharts charts;
    for (const SChart& chart : m_charts)
    {
        document.addResource(QTextDocument::ImageResource, QUrl(chart.strName), chart.image);
        charts.names << chart.strName;
        charts.headings << chart.strHeading;
    }
    document.setHtml(ReportHtml(m_layout, !m_brand.isNull(), !m_picture.isNull(), charts));
}

void CReportDocument::Footer(QPainter& painter, const QRectF& area, int nPage, int nPages) const
{
    painter.save();
    painter.setPen(QPen(QColor(0x14, 0x3a, 0x6c), area.height() / 40.0));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.setPen(QColor(0x4a, 0x50, 0x58));
    painter.setFont(ReportFont(7.5));
    const QRectF text = area.adjusted(0, area.height() * 0.25, 0, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(m_layout.strModelNumberLabel + " " + m_layout.strModelNumber));
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignVCenter, m_strPreparedWith);
    painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, m_strPageFormat.arg(nPage).arg(nPages));
    painter.restore();
}

int CReportDocument::Render(QPagedPaintDevice& device) const
{
    QTextDocument document;
    Prepare(document, device);
    const QRectF paint = device.pageLayout().paintRectPixels(device.logicalDpiY());
    const double dFooter = kFooterPoints * device.logicalDpiY() / 72.0;
    const QSizeF body(paint.width(), paint.height() - dFooter);
    document.setPageSize(body);
    KeepBlocksWhole(document, body.height());
    const int nPages = document.pageCount();

    QPainter painter(&device);
    if (!painter.isActive())
        return 0;
    for (int nPage = 0; nPage < nPages; ++nPage)
    {
        if (nPage > 0)
            device.newPage();
        painter.save();
        painter.translate(0, -nPage * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, nPage * body.height(), body.width(), body.height());
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        Footer(painter, QRectF(0, body.height(), body.width(), dFooter), nPage + 1, nPages);
    }
    return nPages;
}
