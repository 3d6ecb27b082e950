// The report's body as rich text for the document: sections, dimensions beside the drawing,
// events, charts and the warning. Pictures are referred to by the resource names below.
#pragma once

#include "outputs/ReportLayout.h"

#include <QString>
#include <QStringList>

namespace reportres
{
inline const QString kBrand = QStringLiteral("report:brand");
inline const QString kPicture = QStringLiteral("report:picture");
} // namespace reportres

struct SReportCharts
{
    // Resource names and headings of the charts the report shows, in order.
    QStringList names;
    QStringList headings;
};

// The body; bBrand and bPicture say whether those pictures can be shown.
QString ReportHtml(const SReportLayout& layout, bool bBrand, bool bPicture, const SReportCharts& charts);
