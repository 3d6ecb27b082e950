// The gas state chart: pressure, temperature and volume of the accumulator's gas over the process time.
#pragma once

#include "gas/GasTrajectory.h"

#include <string>

class QChart;

// The units the three quantities are shown in (unit codes).
struct SGasStateUnits
{
    std::string strPressure = "PSIA";
    std::string strTemperature = "DEG_F";
    std::string strVolume = "CU_IN";
};

// Builds the chart of a gas trajectory: pressure on the left axis, temperature and gas
// volume on the right, each axis titled with its quantity and unit, time in seconds
// below. The caller owns the chart.
QChart* CreateGasStateChart(const gas::SGasTrajectory& trajectory, const SGasStateUnits& units);
