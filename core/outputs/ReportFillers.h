// The report of each product's selection class; PrintSelectionReport picks one.
#pragma once

#include "outputs/ReportData.h"

class CAccessoryBase;
class CAccumulatorData;
class COvrisolBase;
class CRepairKitBase;
class CTransferBase;

SSelectionReport ProductReport(const CAccumulatorData& selection, const SReportContext& context);
SSelectionReport ProductReport(const COvrisolBase& selection, const SReportContext& context);
SSelectionReport ProductReport(const CTransferBase& selection, const SReportContext& context);
SSelectionReport ProductReport(const CAccessoryBase& selection, const SReportContext& context);
SSelectionReport ProductReport(const CRepairKitBase& selection, const SReportContext& context);
