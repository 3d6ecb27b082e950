// The gas state chart: three lines over a shared time axis, each with an axis of its own unit.
#include "sizing/GasStateChart.h"

#include "platform/StringTable.h"
#include "units/UnitConvMap.h"

#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <functional>
#include <limits>

namespace
{
constexpr int kSecondsText = 21035;

struct SQuantity
{
    QString strName;
    std::string strUnit;
    std::function<double(const gas::SGasState&)> fnValue; // in the model's unit
    std::string strModelUnit;
    QColor color;
    Qt::Alignment eSide;
};

// A little room around a line, so that a nearly flat one is not drawn along the frame.
void Range(QValueAxis* pAxis, double dLow, double dHigh)
{
    const double dPad = std::max((dHigh - dLow) * 0.05, std::max(std::abs(dHigh), 1.0) * 1e-3);
    pAxis->setRange(dLow - dPad, dHigh + dPad);
}
} // namespace

QChart* CreateGasStateChart(const gas::SGasTrajectory& trajectory, const SGasStateUnits& units)
{
    auto* pChart = new QChart;
    auto* pTime = new QValueAxis;
    pTime->setTitleText(QString::fromStdString(LoadString(kSecondsText)));
    pTime->setLabelFormat(QStringLiteral("%g"));
    pChart->addAxis(pTime, Qt::AlignBottom);
    const double dEnd = trajectory.states.empty() ? 1.0 : trajectory.states.back().dTimeSec;
    pTime->setRange(0.0, dEnd > 0.0 ? dEnd : 1.0);

    const SQuantity quantities[] = {
        {QCoreApplication::translate("CGasStateChart", "Gas Pressure"), units.strPressure,
         [](const gas::SGasState& s) { return s.dPressurePsia; }, "PSIA", QColor(0x1f, 0x5f, 0xbf),
         Qt::AlignLeft},
        {QCoreApplication::translate("CGasStateChart", "Gas Temperature"), units.strTemperature,
         [](const gas::SGasState& s) { return s.dTempF; }, "DEG_F", QColor(0xc0, 0x39, 0x2b), Qt::AlignRight},
        {QCoreApplication::translate("CGasStateChart", "Gas Volume"), units.strVolume,
         [](const gas::SGasState& s) { return s.dVolumeIn3; }, "CU_IN", QColor(0x2e, 0x8b, 0x57),
         Qt::AlignRight},
    };
    for (const SQuantity& q : quantities)
    {
        auto* pSeries = new QLineSeries;
        const QString strUnit = QString::fromStdString(UnitDisplayText(q.strUnit));
        pSeries->setName(q.strName + QStringLiteral(" (") + strUnit + QLatin1Char(')'));
        pSeries->setPen(QPen(q.color, 2.0));
        QList<QPointF> data;
        double dLow = std::numeric_limits<double>::infinity();
        double dHigh = -dLow;
        for (const gas::SGasState& s : trajectory.states)
        {
            const double d = CUnitConvMap::Convert(q.fnValue(s), q.strModelUnit, q.strUnit);
            data.append(QPointF(s.dTimeSec, d));
            dLow = std::min(dLow, d);
            dHigh = std::max(dHigh, d);
        }
        pSeries->replace(data);
        pChart->addSeries(pSeries);

        auto* pAxis = new QValueAxis;
        pAxis->setTitleText(q.strName + QStringLiteral(" (") + strUnit + QLatin1Char(')'));
        pAxis->setLabelFormat(QStringLiteral("%g"));
        pAxis->setLinePenColor(q.color);
        pAxis->setLabelsColor(q.color);
        pAxis->setTitleBrush(q.color);
        if (data.isEmpty())
            pAxis->setRange(0.0, 1.0);
        else
            Range(pAxis, dLow, dHigh);
        pAxis->applyNiceNumbers();
        pChart->addAxis(pAxis, q.eSide);
        pSeries->attachAxis(pTime);
        pSeries->attachAxis(pAxis);
    }
    pTime->applyNiceNumbers();
    pChart->legend()->setAlignment(Qt::AlignBottom);
    return pChart;
}
