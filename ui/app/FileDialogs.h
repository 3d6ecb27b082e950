// The open and save file dialogs as a seam, so a test can choose the file without a window.
#pragma once

#include <QString>

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
