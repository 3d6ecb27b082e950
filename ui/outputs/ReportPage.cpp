// The report's paper by locale or by name.
#include "outputs/ReportPage.h"

#include <QLocale>

QPageSize ReportPageSize(const QLocale& locale)
{
    // Letter is the paper of North America and of a few countries that took its printers.
    switch (locale.territory())
    {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Philippines:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::PuertoRico:
        return QPageSize(QPageSize::Letter);
    default:
        return QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                 : QPageSize::A4);
    }
}

QPageLayout ReportPageLayout(const QPageSize& pageSize)
{
    return QPageLayout(pageSize, QPageLayout::Portrait, QMarginsF(15.0, 12.0, 15.0, 12.0), QPageLayout::Millimeter);
}

QPageSize ReportPageSizeByName(const QString& strName)
{
    if (strName.compare(QStringLiteral("a4"), Qt::CaseInsensitive) == 0)
        return QPageSize(QPageSize::A4);
    if (strName.compare(QStringLiteral("letter"), Qt::CaseInsensitive) == 0)
        return QPageSize(QPageSize::Letter);
    return QPageSize();
}
