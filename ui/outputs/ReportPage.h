// The report's paper: A4, or Letter where the locale measures in U.S. units, with its margins.
#pragma once

#include <QPageLayout>
#include <QPageSize>

class QLocale;

// Letter for the U.S. and the countries that use its paper (Canada, Mexico, ...), A4 elsewhere.
QPageSize ReportPageSize(const QLocale& locale);
// The size with the report's margins, upright.
QPageLayout ReportPageLayout(const QPageSize& pageSize);
// "a4" or "letter" (any case) as a page size; an invalid size for anything else.
QPageSize ReportPageSizeByName(const QString& strName);
