// Settings over QSettings: the user's file, then the system's, then the defaults of the data folder.
#pragma once

#include "platform/Settings.h"

#include <QString>

#include <memory>
#include <vector>

class QSettings;

class CQtSettings : public ISettings
{
public:
    // Three INI files read in this order; writes go to the first. A file that does not exist
    // reads as empty.
    CQtSettings(const QString& strUserFile, const QString& strSystemFile, const QString& strDefaultsFile);
    ~CQtSettings() override;

    // The program's own settings: TESMARA_SETTINGS_ROOT/user.ini and system.ini when that variable
    // is set (tests and scripts), else the user's and the system's configuration folders under
    // "Dalrow Mestlin/Tesmara/Accumulator/CurrentVersion"; the defaults file always in the data folder.
    static std::unique_ptr<CQtSettings> ForApplication();
    // The defaults file shipped in the program's data folder.
    static QString DefaultsFilePath();

    // A value that is empty in one scope counts as missing there, so the next scope answers.
    // Names are matched without regard to case when no exact match exists.
    std::optional<std::string> ReadString(const std::string& strKey) const override;
    bool WriteString(const std::string& strKey, const std::string& strValue) override;
    std::vector<std::string> ChildGroups(const std::string& strGroup) const override;

    const QString& UserFile() const { return m_strUserFile; }

private:
    QString m_strUserFile;
    std::vector<std::unique_ptr<QSettings>> m_scopes; // user, system, defaults
};
