// Reading the installation settings, the language table and the default units.
#include "app/AppSettings.h"

#include "platform/Prompt.h"
#include "platform/Settings.h"
#include "platform/StringTable.h"
#include "selection/SelectionFile.h"
#include "units/UnitTable.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace
{
std::string Upper(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
    return s;
}

std::string ReadText(const ISettings& settings, const std::string& strKey)
{
    return settings.ReadString(strKey).value_or(std::string());
}

// A unit table from a settings group; a missing or unknown code keeps the fallback's unit.
CDefaultUnits ReadUnits(const ISettings& settings, const std::string& strGroup, const CDefaultUnits& fallback)
{
    CDefaultUnits units = fallback;
    for (int nCategory : CDefaultUnits::CategoryIds())
    {
        const std::string strUnit = ReadText(settings, strGroup + "/" + std::to_string(nCategory));
        if (IsUnitOfCategory(strUnit, nCategory))
            units.SetDefaultUnit(nCategory, strUnit);
    }
    return units;
}
} // namespace

void CTesmaraAppSettings::Read(const ISettings& settings, const std::string& strLanguageOverride)
{
    NetPath = ReadText(settings, settingskey::NetPath);
    LocalPath = ReadText(settings, settingskey::LocalPath);
    TesmaraRootPath = ReadText(settings, settingskey::TesmaraRootPath);

    // The settings give the user's value first and the system's when the user has none.
    std::string strCode = ReadText(settings, settingskey::Language);

    m_languages.clear();
    m_nActiveLanguage = 0;
    const std::vector<std::string> entries = settings.ChildGroups(settingskey::LanguageGroup);
    if (entries.empty())
        GetPrompt().Message("Failed to get language info from registry");
    for (const std::string& strEntry : entries)
    {
        const std::string strKey = std::string(settingskey::LanguageGroup) + "/" + strEntry + "/";
        SLanguage language;
        language.Code = Upper(ReadText(settings, strKey + "Code"));
        language.DLL = ReadText(settings, strKey + "DLL");
        language.ReferenceDir = ReadText(settings, strKey + "Reference Dir");
        language.ID = ReadText(settings, strKey + "ID");
        language.DxfFileViewer = ReadText(settings, strKey + "DxfFileViewer");
        language.CADObjectDLL = ReadText(settings, strKey + "CADObjectDLL");
        language.CADObjectHelpFile = ReadText(settings, strKey + "CADObjectHelpFile");
        m_languages.push_back(language);
    }

    if (!strLanguageOverride.empty())
        strCode = strLanguageOverride;
    strCode = Upper(strCode);
    for (std::size_t i = 0; i < m_languages.size(); ++i)
        if (m_languages[i].Code == strCode)
        {
            m_nActiveLanguage = static_cast<int>(i);
            break;
        }

    m_metricUnits = ReadUnits(settings, settingskey::MetricUnits, CDefaultUnits::Metric());
    m_standardUnits = ReadUnits(settings, settingskey::StandardUnits, CDefaultUnits::Standard());
    int nUnitType = settings.ReadInt(settingskey::UnitType, CDefaultUnits::kStandard);
    if (nUnitType < CDefaultUnits::kMetric || nUnitType > CDefaultUnits::kCustom)
        nUnitType = CDefaultUnits::kStandard;
    // Units missing from the current table come from the preset in force.
    m_defaultUnits = ReadUnits(settings, settingskey::DefaultUnits,
                               nUnitType == CDefaultUnits::kMetric ? m_metricUnits : m_standardUnits);
    m_defaultUnits.SetUnitType(nUnitType);
}

bool CTesmaraAppSettings::WriteDefaultUnits(ISettings& settings) const
{
    bool bOk = settings.WriteInt(settingskey::UnitType, m_defaultUnits.UnitType());
    for (const SDefaultUnit& pair : m_defaultUnits.Pairs())
        bOk = settings.WriteString(std::string(settingskey::DefaultUnits) + "/" +
                                       std::to_string(pair.nCategoryId),
                                   pair.strUnit) &&
              bOk;
    return bOk;
}

std::string CTesmaraAppSettings::GetLanguageCode() const
{
    return m_languages.empty() ? std::string() : m_languages[m_nActiveLanguage].Code;
}

std::string CTesmaraAppSettings::GetLanguageName() const
{
    return m_languages.empty() ? std::string() : LanguageName(m_nActiveLanguage);
}

int CTesmaraAppSettings::GetLanguageNameId() const
{
    if (m_languages.empty())
        return 500;
    const std::string& strId = m_languages[m_nActiveLanguage].ID;
    int nId = 0;
    const auto result = std::from_chars(strId.data(), strId.data() + strId.size(), nId);
    return result.ec == std::errc() ? nId : 0;
}

std::string CTesmaraAppSettings::LanguageName(std::size_t nIndex) const
{
    if (nIndex >= m_languages.size())
        return std::string();
    const SLanguage& language = m_languages[nIndex];
    int nId = 0;
    std::from_chars(language.ID.data(), language.ID.data() + language.ID.size(), nId);
    const std::string strName = LoadString(nId);
    return strName.empty() ? language.Code : strName;
}

std::vector<SInstalledLanguage> CTesmaraAppSettings::InstalledLanguages() const
{
    std::vector<SInstalledLanguage> languages;
    for (const SLanguage& language : m_languages)
    {
        SInstalledLanguage installed;
        installed.strCode = language.Code;
        std::from_chars(language.ID.data(), language.ID.data() + language.ID.size(), installed.nNameId);
        languages.push_back(installed);
    }
    return languages;
}
