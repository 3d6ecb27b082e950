// The report's charts as pictures, drawn without a window.
#pragma once

#include "gas/GasTrajectory.h"
#include "outputs/ReportData.h"
#include "sizing/MultipleEvents.h"

#include <QImage>

#include <vector>

// The cycle graph; a null image without points.
QImage CycleGraphPicture(const std::vector<sizing::STimeVolumePoint>& points);
// The gas state chart in the units given (the program's defaults where one is empty); a null
// image without states.
QImage GasStatePicture(const gas::SGasTrajectory& trajectory, const SReportGasUnits& units);
