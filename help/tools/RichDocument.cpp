// Markdown to rich text, HTML help pages and PDF documents.
#include "RichDocument.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <regex>

namespace helpbuild
{
namespace
{
// Columns as wide as their longest line of text, in shares of the page; a column of short codes
// keeps room for its longest entry, long descriptions wrap.
QList<QTextLength> ColumnWidths(const QTextTable& table)
{
    QList<double> longest(table.columns(), 4.0);
    for (int nRow = 0; nRow < table.rows(); ++nRow)
        for (int nColumn = 0; nColumn < table.columns(); ++nColumn)
        {
            const QTextTableCell cell = table.cellAt(nRow, nColumn);
            QTextCursor cursor = cell.firstCursorPosition();
            cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            const double dLength = cursor.selectedText().size() * (nRow == 0 ? 0.6 : 1.0);
            longest[nColumn] = std::max(longest[nColumn], std::min(dLength, 40.0));
        }
    double dTotal = 0;
    for (double dLength : longest)
        dTotal += dLength;
    QList<QTextLength> widths;
    for (double dLength : longest)
        widths << QTextLength(QTextLength::PercentageLength, 100.0 * dLength / dTotal);
    return widths;
}

void StyleTables(QTextDocument& document)
{
    QList<QTextFrame*> frames = document.rootFrame()->childFrames();
    for (QTextFrame* pFrame : frames)
        if (auto* pTable = qobject_cast<QTextTable*>(pFrame))
        {
            QTextTableFormat format = pTable->format();
            format.setBorder(0.5);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderCollapse(true);
            format.setCellPadding(3);
            format.setCellSpacing(0);
            format.setHeaderRowCount(1);
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            format.setColumnWidthConstraints(ColumnWidths(*pTable));
            pTable->setFormat(format);
            // Tables hold many columns: their text a little smaller than the body's.
            QTextCursor cells = pTable->firstCursorPosition();
            cells.setPosition(pTable->lastCursorPosition().position(), QTextCursor::KeepAnchor);
            QTextCharFormat small;
            small.setFontPointSize(8);
            cells.mergeCharFormat(small);
            for (int nColumn = 0; nColumn < pTable->columns(); ++nColumn)
            {
                QTextTableCell cell = pTable->cellAt(0, nColumn);
                QTextCharFormat header = cell.format();
                header.setBackground(QColor(0xe4, 0xe9, 0xf0));
                header.setFontWeight(QFont::Bold);
                cell.setFormat(header);
            }
        }
}
} // namespace

std::string WithoutTopicLinks(const std::string& strMarkdown)
{
    static const std::regex kTopicLink(R"(\[([^\]]*)\]\([A-Za-z0-9-]+\.md\))");
    return std::regex_replace(strMarkdown, kTopicLink, "$1");
}

std::vector<std::string> PicturesOf(const std::string& strMarkdown)
{
    static const std::regex kPicture(R"(!\[[^\]]*\]\(([^)]+)\))");
    std::vector<std::string> names;
    for (auto it = std::sregex_iterator(strMarkdown.begin(), strMarkdown.end(), kPicture); it != std::sregex_iterator();
         ++it)
        names.push_back((*it)[1].str());
    return names;
}

std::unique_ptr<QTextDocument> RichDocument(const std::string& strMarkdown, const PictureSource& fnPicture)
{
    auto pDocument = std::make_unique<QTextDocument>();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9.5);
    pDocument->setDefaultFont(font);
    pDocument->setMarkdown(QString::fromStdString(strMarkdown), QTextDocument::MarkdownDialectGitHub);
    // After the text: setting it clears the document's resources.
    for (const std::string& strName : PicturesOf(strMarkdown))
    {
        const std::vector<unsigned char> bytes = fnPicture(strName);
        QImage image;
        if (image.loadFromData(bytes.data(), static_cast<int>(bytes.size())))
            pDocument->addResource(QTextDocument::ImageResource, QUrl(QString::fromStdString(strName)), image);
    }
    StyleTables(*pDocument);
    return pDocument;
}

QString HelpPageHtml(QTextDocument& document)
{
    QString strHtml = document.toHtml();
    static const QRegularExpression kTopicLink(QStringLiteral("href=\"([A-Za-z0-9-]+)\\.md\""));
    strHtml.replace(kTopicLink, QStringLiteral("href=\"\\1.html\""));
    return strHtml;
}

QByteArray PdfBytes(QTextDocument& document, const QString& strTitle, bool bLetter, bool bLandscape)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(strTitle);
        writer.setCreator(QStringLiteral("Tesmara Accumulator"));
        writer.setPageLayout(QPageLayout(QPageSize(bLetter ? QPageSize::Letter : QPageSize::A4), bLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        document.setMetaInformation(QTextDocument::DocumentTitle, strTitle);
        document.print(&writer);
    }
    return bytes;
}
} // namespace helpbuild
