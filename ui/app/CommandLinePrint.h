// Printing a selection's report from the command line (tesmara-accumulator /p FILE): on the
// default printer, without a dialog.
#pragma once

#include <QString>

struct SSelectionReport;

// Prints the report on the default printer; false with the reason in strError when there is no
// printer or the report could not be drawn on it.
bool PrintReportOnDefaultPrinter(const SSelectionReport& report, QString& strError);
