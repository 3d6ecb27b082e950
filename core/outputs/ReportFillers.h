// The report of each product's selection class; PrintSelectionReport picks one.
#pragma once

#include "outputs/ReportData.h"

class CAccumulatorData;

SSelectionReport AccumulatorReport(const CAccumulatorData& selection, const SReportContext& context);
