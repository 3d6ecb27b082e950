// The report's outputs: a PDF file written with Qt, and printing through the platform's dialog.
#pragma once

#include <QPageSize>
#include <QString>

class CReportDocument;
class QPrinter;
class QWidget;

// Writes the report as a PDF of the page size through a temporary file that replaces the target
// only when complete. False with a message in strError; an existing file then stays as it was.
// pPages, when given, receives the number of pages written.
bool WriteReportPdf(const CReportDocument& document, const QString& strPath, const QPageSize& pageSize,
                    QString& strError, int* pPages = nullptr);

// Asks for the printer with the platform's print dialog (through the dialog runner) and prints.
// False when the user cancelled or nothing could be printed (strError says why, empty on cancel).
bool PrintReport(const CReportDocument& document, QPrinter& printer, QWidget* pParent, QString& strError);
