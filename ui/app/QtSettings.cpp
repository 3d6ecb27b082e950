// The settings of the desktop programs in three INI files.
#include "app/QtSettings.h"

#include "platform/DataFolder.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <set>

namespace
{
// Where the settings live, after the configuration folder: the product's key path.
const char* const kSettingsRoot = "Dalrow Mestlin/Tesmara/Accumulator/CurrentVersion.ini";
const char* const kDefaultsFileName = "tesmara-accumulator.ini";

QString Text(const QVariant& value)
{
    // A hand-written INI value with a comma reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// The key as stored in this scope: the exact name, else one that differs only in case.
QString FindKey(const QSettings& scope, const QString& strKey)
{
    if (scope.contains(strKey))
        return strKey;
    const QStringList keys = scope.allKeys();
    for (const QString& strStored : keys)
        if (strStored.compare(strKey, Qt::CaseInsensitive) == 0)
            return strStored;
    return QString();
}
} // namespace

CQtSettings::CQtSettings(const QString& strUserFile, const QString& strSystemFile,
                         const QString& strDefaultsFile)
    : m_strUserFile(strUserFile)
{
    for (const QString& strFile : {strUserFile, strSystemFile, strDefaultsFile})
        m_scopes.push_back(std::make_unique<QSettings>(strFile, QSettings::IniFormat));
}

CQtSettings::~CQtSettings() = default;

QString CQtSettings::DefaultsFilePath()
{
    return QString::fromStdU16String((ProgramDataFolder() / kDefaultsFileName).u16string());
}

std::unique_ptr<CQtSettings> CQtSettings::ForApplication()
{
    const QString strRoot = qEnvironmentVariable("TESMARA_SETTINGS_ROOT");
    if (!strRoot.isEmpty())
    {
        const QDir root(strRoot);
        return std::make_unique<CQtSettings>(root.filePath("user.ini"), root.filePath("system.ini"),
                                             DefaultsFilePath());
    }
    const QString strUser =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(kSettingsRoot);
    QStringList system = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    system.removeFirst(); // the user's own folder comes first
    const QString strSystem = system.isEmpty() ? QStringLiteral("/etc/xdg/%1").arg(kSettingsRoot)
                                               : QDir(system.last()).filePath(kSettingsRoot);
    return std::make_unique<CQtSettings>(strUser, strSystem, DefaultsFilePath());
}

std::optional<std::string> CQtSettings::ReadString(const std::string& strKey) const
{
    const QString strName = QString::fromStdString(strKey);
    std::optional<std::string> found;
    for (const auto& pScope : m_scopes)
    {
        const QString strStored = FindKey(*pScope, strName);
        if (strStored.isEmpty())
            continue;
        const QString strValue = Text(pScope->value(strStored));
        if (!strValue.isEmpty())
            return strValue.toStdString();
        found = std::string();
    }
    return found;
}

bool CQtSettings::WriteString(const std::string& strKey, const std::string& strValue)
{
    QSettings& user = *m_scopes.front();
    user.setValue(QString::fromStdString(strKey), QString::fromStdString(strValue));
    user.sync();
    return user.status() == QSettings::NoError && user.isWritable();
}

std::vector<std::string> CQtSettings::ChildGroups(const std::string& strGroup) const
{
    std::set<std::string> groups;
    for (const auto& pScope : m_scopes)
    {
        pScope->beginGroup(QString::fromStdString(strGroup));
        for (const QString& strChild : pScope->childGroups())
            groups.insert(strChild.toStdString());
        pScope->endGroup();
    }
    return std::vector<std::string>(groups.begin(), groups.end());
}
