// The open and save file dialogs as a seam, so a test can choose the file without a window.
#pragma once

#include <QString>

#include <string>

class ISettings;
class QWidget;

class IFileDialogs
{
public:
    virtual ~IFileDialogs() = default;
    // The chosen file, or empty text when the dialog was cancelled. strFilter is in Qt's form
    // ("Accumulator Files (*.Ac3)"); the save dialog adds strSuffix to a name typed without it.
    virtual QString GetOpenFileName(QWidget* pParent, const QString& strFolder, const QString& strFilter) = 0;
    virtual QString GetSaveFileName(QWidget* pParent, const QString& strFolder, const QString& strName,
                                    const QString& strFilter, const QString& strSuffix) = 0;
};

// The desktop's file dialogs.
class CDesktopFileDialogs : public IFileDialogs
{
public:
    QString GetOpenFileName(QWidget* pParent, const QString& strFolder, const QString& strFilter) override;
    QString GetSaveFileName(QWidget* pParent, const QString& strFolder, const QString& strName,
                            const QString& strFilter, const QString& strSuffix) override;
};

// "Accumulator Files (*.Ac3)|*.Ac3||" as Qt's filter "Accumulator Files (*.Ac3)".
QString QtFileFilter(const std::string& strFilter);

// The kinds of file whose dialogs each remember their own folder.
enum class EFileKind
{
    Selection, // selection files and their XML export
    Report,    // the report saved as PDF
    Drawing,   // CAD drawings
};

// Where a dialog for a kind of file starts: the folder last used for that kind while it still
// exists, else the user's documents folder (the home folder where there is none).
QString StartFolder(const ISettings& settings, EFileKind eKind);
// Keeps the folder of a chosen file for the next dialog of its kind. False when the settings
// cannot be written.
bool RememberFolder(ISettings& settings, EFileKind eKind, const QString& strFile);

// A file name proposed from a model number ("PA31-4-150-VS-G.pdf"): characters that no file name
// may hold become "-"; strFallback stands in for an empty model number.
QString ProposedFileName(const std::string& strModelNumber, const QString& strFallback, const QString& strSuffix);
