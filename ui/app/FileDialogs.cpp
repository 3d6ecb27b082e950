// The desktop's open and save dialogs.
#include "app/FileDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

QString CDesktopFileDialogs::GetOpenFileName(QWidget* pParent, const QString& strFolder,
                                             const QString& strFilter)
{
    return QFileDialog::getOpenFileName(pParent, QCoreApplication::translate("CFileDialogs", "Open"),
                                        strFolder, strFilter);
}

QString CDesktopFileDialogs::GetSaveFileName(QWidget* pParent, const QString& strFolder,
                                             const QString& strName, const QString& strFilter,
                                             const QString& strSuffix)
{
    QFileDialog dialog(pParent, QCoreApplication::translate("CFileDialogs", "Save As"), strFolder, strFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(strSuffix);
    if (!strName.isEmpty())
        dialog.selectFile(QDir(strFolder).filePath(strName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtFileFilter(const std::string& strFilter)
{
    // Pairs of description and pattern separated by "|", ended by "||".
    const QStringList parts = QString::fromStdString(strFilter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i];
    return filters.join(QStringLiteral(";;"));
}
