// The report's charts drawn as pictures: the cycle graph of a multiple-events application and the
// gas state chart of the sized accumulator, made by the same chart builders as the dialogs.
#include "outputs/ReportCharts.h"

#include "sizing/CycleGraphChart.h"
#include "sizing/GasStateChart.h"

#include <QChart>
#include <QGraphicsScene>
#include <QPainter>

namespace
{
// The chart's size as the report shows it, drawn at three times the pixels to print sharply.
constexpr int kWidth = 640;
constexpr int kHeight = 320;
constexpr int kScale = 3;

// Draws the chart off screen; the scene takes the chart over and deletes it.
QImage Draw(QChart* pChart)
{
    QGraphicsScene scene;
    scene.addItem(pChart);
    pChart->setAnimationOptions(QChart::NoAnimation);
    pChart->resize(kWidth, kHeight);
    scene.setSceneRect(0, 0, kWidth, kHeight);
    QImage image(kWidth * kScale, kHeight * kScale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(image.rect()), scene.sceneRect());
    return image;
}
} // namespace

QImage CycleGraphPicture(const std::vector<sizing::STimeVolumePoint>& points)
{
    return points.empty() ? QImage() : Draw(CreateCycleGraphChart(points));
}

QImage GasStatePicture(const gas::SGasTrajectory& trajectory, const SReportGasUnits& units)
{
    if (trajectory.states.empty())
        return QImage();
    SGasStateUnits shown;
    for (auto [pUnit, strUnit] : {std::pair{&shown.strPressure, units.strPressure},
                                  {&shown.strTemperature, units.strTemperature},
                                  {&shown.strVolume, units.strVolume}})
        if (!strUnit.empty())
            *pUnit = strUnit;
    return Draw(CreateGasStateChart(trajectory, shown));
}
