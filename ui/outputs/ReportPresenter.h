// What the desktop does with a selection report: the viewer, or the print dialog, each after one
// message about any picture that cannot be shown.
#pragma once

#include <QString>
#include <QStringList>

struct SSelectionReport;
class IFileDialogs;
class ISettings;
class QWidget;

// Runs the report viewer (through the dialog runner); false when there was nothing to show.
// pFolders keeps the folder of the PDFs saved (nullptr: none kept).
bool ShowReportViewer(const SSelectionReport& report, const QString& strTitle, IFileDialogs& files,
                      ISettings* pFolders, QWidget* pParent);
// Prints the report on the printer the user chooses; false when cancelled or not printed.
bool PrintReportWithDialog(const SSelectionReport& report, QWidget* pParent);
// One text for every picture problem of a report, or empty text when there is none.
QString PictureProblemsMessage(const QStringList& problems);
