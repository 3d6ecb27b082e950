// The chart of a multiple-events cycle: the volume the pump has not yet made up, over the cycle.
#pragma once

#include "sizing/MultipleEvents.h"

#include <vector>

class QChart;

// Builds the chart of the cycle's time-volume points (seconds, cubic inches): one line,
// the x axis labelled "sec", the y axis "in³" (the program's unit texts). The caller
// owns the chart (a chart view or a report page takes it over).
QChart* CreateCycleGraphChart(const std::vector<sizing::STimeVolumePoint>& points);
