// Front door of the outputs subsystem: the selection report and the XML export of a selection.
#pragma once

#include "outputs/ReportData.h"
#include "outputs/ReportKeys.h"
#include "outputs/ReportLayout.h"
#include "outputs/ReportMap.h"
#include "outputs/XmlExport.h"
