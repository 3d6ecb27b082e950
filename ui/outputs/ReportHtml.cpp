// The report's rich text. The document lays it out and breaks it into pages; widths are in the
// document's pixels (1/96 in), so they print at the same size on any device.
#include "outputs/ReportHtml.h"

#include <QCoreApplication>

namespace
{
const QString kBrandColour = QStringLiteral("#143a6c");
const QString kShadeColour = QStringLiteral("#eef2f7");
const QString kLabelColour = QStringLiteral("#4a5058");

// Qt lays a long run without a break out in time that grows with its square: a run longer than
// this gets a place to break after every so many characters, and a text longer than
// kMaxReportText is cut, with a note saying how much.
constexpr qsizetype kLongestRun = 40;
constexpr qsizetype kMaxReportText = 2000;

// A text as the report shows it: escaped, breakable, and cut when it is longer than any text of
// the catalogue.
QString Esc(const std::string& strText)
{
    QString strShown = QString::fromStdString(strText);
    QString strNote;
    if (strShown.size() > kMaxReportText)
    {
        strNote = QCoreApplication::translate("CReportHtml", "[%1 more characters not shown]")
                      .arg(strShown.size() - kMaxReportText);
        strShown.truncate(strShown[kMaxReportText - 1].isHighSurrogate() ? kMaxReportText - 1 : kMaxReportText);
    }
    QString strOut;
    strOut.reserve(strShown.size() + strShown.size() / kLongestRun + 16);
    qsizetype nRun = 0;
    for (const QChar c : strShown)
    {
        nRun = c.isSpace() ? 0 : nRun + 1;
        if (nRun > kLongestRun && !c.isLowSurrogate())
        {
            strOut += QChar(0x200B); // zero width space: a break, shown as nothing
            nRun = 1;
        }
        strOut += c;
    }
    strOut = strOut.toHtmlEscaped();
    return strNote.isEmpty() ? strOut : strOut + QStringLiteral(" <i>") + strNote.toHtmlEscaped() + QStringLiteral("</i>");
}

QString HeadingBar(const std::string& strHeading, int nColumns)
{
    return QStringLiteral("<tr><td colspan=\"%1\" style=\"background-color:%2; color:#ffffff; font-weight:600; "
                          "font-size:9.5pt\">%3</td></tr>")
        .arg(nColumns)
        .arg(kBrandColour, Esc(strHeading));
}

QString Section(const SReportSection& section)
{
    QString strHtml = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">") +
                      HeadingBar(section.strHeading, 2);
    bool bShade = false;
    for (const SReportRow& row : section.rows)
    {
        const QString strBackground =
            bShade ? QStringLiteral(" style=\"background-color:%1\"").arg(kShadeColour) : QString();
        strHtml += QStringLiteral("<tr%1><td width=\"46%\" style=\"color:%2\">%3</td><td>%4</td></tr>")
                       .arg(strBackground, kLabelColour, Esc(row.strLabel), Esc(row.strValue));
        bShade = !bShade;
    }
    return strHtml + QStringLiteral("</table><p style=\"margin:0; font-size:5pt\">&nbsp;</p>");
}

QString Column(const std::vector<const SReportSection*>& sections)
{
    QString strHtml;
    for (const SReportSection* pSection : sections)
        strHtml += Section(*pSection);
    return strHtml;
}

QString Header(const SReportLayout& layout, bool bBrand)
{
    const QString strLogo =
        bBrand ? QStringLiteral("<img src=\"%1\" width=\"180\">").arg(reportres::kBrand) : QString();
    QString strMeta = Esc(layout.strDateLabel) + QStringLiteral(" ") + Esc(layout.strDate);
    if (!layout.strVersion.empty())
        strMeta += QStringLiteral("<br>") + Esc(layout.strVersionLabel) + QStringLiteral(" ") + Esc(layout.strVersion);
    QString strHtml = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
                                     "<td width=\"45%\" valign=\"middle\">%1</td>"
                                     "<td align=\"right\" valign=\"middle\"><span style=\"font-size:20pt; "
                                     "font-weight:600; color:%2\">%3</span><br>"
                                     "<span style=\"color:%4\">%5</span></td></tr></table>")
                          .arg(strLogo, kBrandColour, Esc(layout.strTitle), kLabelColour, strMeta);
    // The model number under a rule in the maker's colour, the product and description beside it.
    strHtml += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
                              "<td style=\"background-color:%1; font-size:2pt\">&nbsp;</td></tr></table>")
                   .arg(kBrandColour);
    strHtml += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"6\" style=\"background-color:%1\">"
                              "<tr><td><span style=\"color:%2\">%3</span><br>"
                              "<span style=\"font-size:16pt; font-weight:600\">%4</span></td>"
                              "<td align=\"right\" valign=\"middle\"><span style=\"font-weight:600\">%5</span><br>%6</td>"
                              "</tr></table><p style=\"margin:0; font-size:6pt\">&nbsp;</p>")
                   .arg(kShadeColour, kLabelColour, Esc(layout.strModelNumberLabel), Esc(layout.strModelNumber),
                        Esc(layout.strProduct), Esc(layout.strDescription));
    return strHtml;
}

QString Dimensions(const SReportLayout& layout, bool bPicture)
{
    if (layout.dimensions.rows.empty() && !bPicture)
        return QString();
    QString strRows = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">") +
                      HeadingBar(layout.dimensions.strHeading, 2);
    bool bShade = false;
    for (const SReportRow& row : layout.dimensions.rows)
    {
        const QString strBackground =
            bShade ? QStringLiteral(" style=\"background-color:%1\"").arg(kShadeColour) : QString();
        strRows += QStringLiteral("<tr%1><td style=\"color:%2\">%3</td><td>%4</td></tr>")
                       .arg(strBackground, kLabelColour, Esc(row.strLabel), Esc(row.strValue));
        bShade = !bShade;
    }
    strRows += QStringLiteral("</table>");
    const QString strPicture =
        bPicture ? QStringLiteral("<img src=\"%1\" width=\"360\">").arg(reportres::kPicture) : QString();
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
                          "<td width=\"56%\" valign=\"top\">%1</td><td width=\"2%\"></td>"
                          "<td valign=\"top\">%2</td></tr></table><p style=\"margin:0; font-size:6pt\">&nbsp;</p>")
        .arg(strPicture, strRows);
}

QString Events(const SReportTable& events)
{
    if (events.IsEmpty())
        return QString();
    const int nColumns = static_cast<int>(events.columns.size());
    QString strHtml = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">") +
                      HeadingBar(events.strHeading, nColumns) + QStringLiteral("<tr>");
    for (const std::string& strColumn : events.columns)
        strHtml += QStringLiteral("<td align=\"center\" style=\"font-weight:600; background-color:%1\">%2</td>")
                       .arg(kShadeColour, Esc(strColumn));
    strHtml += QStringLiteral("</tr>");
    for (const std::vector<std::string>& row : events.rows)
    {
        strHtml += QStringLiteral("<tr>");
        for (const std::string& strCell : row)
            strHtml += QStringLiteral("<td align=\"center\">%1</td>").arg(Esc(strCell));
        strHtml += QStringLiteral("</tr>");
    }
    return strHtml + QStringLiteral("</table><p style=\"margin:0; font-size:6pt\">&nbsp;</p>");
}

QString Charts(const SReportCharts& charts)
{
    QString strHtml;
    for (qsizetype i = 0; i < charts.names.size(); ++i)
        strHtml += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">") +
                   HeadingBar(charts.headings.value(i).toStdString(), 1) +
                   QStringLiteral("<tr><td align=\"center\"><img src=\"%1\" width=\"640\"></td></tr></table>"
                                  "<p style=\"margin:0; font-size:6pt\">&nbsp;</p>")
                       .arg(charts.names[i]);
    return strHtml;
}

QString Warning(const SReportLayout& layout)
{
    if (layout.strWarning.empty())
        return QString();
    return QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"6\" "
                          "style=\"border-color:#b00000; border-style:solid\"><tr><td style=\"background-color:#fff6f4\">"
                          "<span style=\"color:#b00000; font-weight:600\">%1</span> %2</td></tr></table>")
        .arg(Esc(layout.strWarningLabel), Esc(layout.strWarning));
}
} // namespace

QString ReportHtml(const SReportLayout& layout, bool bBrand, bool bPicture, const SReportCharts& charts)
{
    // The selected model and its details on the left, the application and its results on the right.
    std::vector<const SReportSection*> left, right;
    for (const SReportSection& section : layout.product)
        left.push_back(&section);
    for (const SReportSection& section : layout.application)
        right.push_back(&section);
    // The model number code by code under the application, which leaves that column short; on the
    // left where there is no application.
    if (!layout.codes.rows.empty())
        (right.empty() ? left : right).push_back(&layout.codes);
    if (!layout.options.rows.empty())
        left.push_back(&layout.options);

    QString strHtml = QStringLiteral("<html><body>") + Header(layout, bBrand);
    if (right.empty())
        strHtml += Column(left);
    else
        strHtml += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
                                  "<td width=\"49%\" valign=\"top\">%1</td><td width=\"2%\"></td>"
                                  "<td width=\"49%\" valign=\"top\">%2</td></tr></table>")
                       .arg(Column(left), Column(right));
    strHtml += Dimensions(layout, bPicture);
    strHtml += Events(layout.events);
    strHtml += Charts(charts);
    strHtml += Warning(layout);
    return strHtml + QStringLiteral("</body></html>");
}
