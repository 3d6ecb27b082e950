// The desktop's open and save dialogs.
#include "app/FileDialogs.h"

#include "platform/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{
// The selection files keep the key the program has always used.
const char* FolderKey(EFileKind eKind)
{
    switch (eKind)
    {
    case EFileKind::Report:
        return "ReportFolder";
    case EFileKind::Drawing:
        return "CAD/LastFolder";
    case EFileKind::Selection:
        break;
    }
    return "FileSaveOpenPath";
}
} // namespace

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

QString StartFolder(const ISettings& settings, EFileKind eKind)
{
    const QString strLast = QString::fromStdString(settings.ReadString(FolderKey(eKind)).value_or(std::string()));
    if (!strLast.isEmpty() && QFileInfo(strLast).isDir())
        return strLast;
    const QString strDocuments = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!strDocuments.isEmpty() && QFileInfo(strDocuments).isDir())
        return strDocuments;
    return QDir::homePath();
}

bool RememberFolder(ISettings& settings, EFileKind eKind, const QString& strFile)
{
    return settings.WriteString(FolderKey(eKind), QFileInfo(strFile).absolutePath().toStdString());
}

QString ProposedFileName(const std::string& strModelNumber, const QString& strFallback, const QString& strSuffix)
{
    QString strName = QString::fromStdString(strModelNumber);
    for (QChar& ch : strName)
        if (QStringLiteral("/\\:*?\"<>|").contains(ch) || ch.unicode() < 0x20)
            ch = QLatin1Char('-');
    return (strName.isEmpty() ? strFallback : strName) + QLatin1Char('.') + strSuffix;
}
