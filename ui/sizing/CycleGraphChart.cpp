// The cycle graph: one line of the deficit volume over time, both axes from zero.
#include "sizing/CycleGraphChart.h"

#include "platform/StringTable.h"

#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace
{
constexpr int kSecondsText = 21035;
constexpr int kCubicInchText = 21013;
} // namespace

QChart* CreateCycleGraphChart(const std::vector<sizing::STimeVolumePoint>& points)
{
    auto* pChart = new QChart;
    auto* pSeries = new QLineSeries;
    pSeries->setName(QCoreApplication::translate("CCycleGraphChart", "Volume"));
    QList<QPointF> data;
    data.reserve(static_cast<qsizetype>(points.size()));
    double dMaxTime = 0.0, dMaxVolume = 0.0;
    for (const sizing::STimeVolumePoint& p : points)
    {
        data.append(QPointF(p.dTimeSec, p.dVolumeIn3));
        dMaxTime = std::max(dMaxTime, p.dTimeSec);
        dMaxVolume = std::max(dMaxVolume, p.dVolumeIn3);
    }
    pSeries->replace(data);
    pChart->addSeries(pSeries);
    pChart->legend()->hide();

    auto* pTime = new QValueAxis;
    pTime->setTitleText(QString::fromStdString(LoadString(kSecondsText)));
    pTime->setRange(0.0, dMaxTime > 0.0 ? dMaxTime : 1.0);
    pTime->setLabelFormat(QStringLiteral("%g"));
    auto* pVolume = new QValueAxis;
    pVolume->setTitleText(QString::fromStdString(LoadString(kCubicInchText)));
    // A cycle the pump covers has a flat line at 0: give it some room above.
    pVolume->setRange(0.0, dMaxVolume > 0.0 ? dMaxVolume * 1.05 : 1.0);
    pVolume->setLabelFormat(QStringLiteral("%g"));
    pChart->addAxis(pTime, Qt::AlignBottom);
    pChart->addAxis(pVolume, Qt::AlignLeft);
    pSeries->attachAxis(pTime);
    pSeries->attachAxis(pVolume);
    pTime->applyNiceNumbers();
    pVolume->applyNiceNumbers();
    return pChart;
}
