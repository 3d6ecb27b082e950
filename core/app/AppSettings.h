// Installation paths, the language table and the default units, as read from the settings at start-up.
#pragma once

#include "units/DefaultUnits.h"
#include "units/UnitTable.h" // IsUnitOfCategory, which the settings check units with

#include <filesystem>
#include <string>
#include <vector>

class ISettings;
struct SInstalledLanguage;

// The names of the settings, relative to the program's settings root.
namespace settingskey
{
inline constexpr const char* NetPath = "NetPath";
inline constexpr const char* LocalPath = "LocalPath";
inline constexpr const char* TesmaraRootPath = "TesmaraRootPath";
inline constexpr const char* Language = "Language";
inline constexpr const char* LanguageGroup = "Language";
inline constexpr const char* DefaultUnits = "DefaultUnits";
inline constexpr const char* UnitType = "DefaultUnits/UnitType";
inline constexpr const char* MetricUnits = "DefaultUnits/Metric";
inline constexpr const char* StandardUnits = "DefaultUnits/Standard";
inline constexpr const char* FileSaveOpenPath = "FileSaveOpenPath";
inline constexpr const char* SelectionReportFormat = "SelectionReportFormat";
inline constexpr const char* SelectionCompletedShow = "SelectionCompleted/Show";
inline constexpr const char* TipStartUp = "Tip/StartUp";
inline constexpr const char* TipFilePos = "Tip/FilePos";
inline constexpr const char* TipTimeStamp = "Tip/TimeStamp";
inline constexpr const char* RecentFileList = "Recent File List";
// The maker's web pages of the Help menu: installation data.
inline constexpr const char* WebHomePage = "Web/HomePage";
inline constexpr const char* WebProductInformation = "Web/ProductInformation";
inline constexpr const char* WebTechnicalSupport = "Web/TechnicalSupport";
} // namespace settingskey

// One installed language; every field is text, as stored.
struct SLanguage
{
    std::string Code; // upper case
    std::string DLL;
    std::string ReferenceDir;
    std::string ID; // decimal string id of the display name, 500 to 506
    std::string ThousandSeparator;
    std::string DecimalSeparator;
    std::string DxfFileViewer;
    std::string CADObjectDLL;
    std::string CADObjectHelpFile;
};

class CTesmaraAppSettings
{
public:
    // Reads paths, languages and default units. A language code given on the command line
    // (strLanguageOverride, may be empty) wins over the stored one. A missing language table
    // is reported through the prompt; everything else that is missing stays empty.
    void Read(const ISettings& settings, const std::string& strLanguageOverride);

    // Stores the current default units and UnitType in the user's settings.
    bool WriteDefaultUnits(ISettings& settings) const;

    // The active language; all empty (and 500 for the name) when no language is installed.
    std::string GetLanguageCode() const;
    std::string GetLanguageName() const;
    int GetLanguageNameId() const;
    std::string GetDefaultUnit(int nCategoryId) const { return m_defaultUnits.GetDefaultUnit(nCategoryId); }
    // The table as the open command's language check wants it.
    std::vector<SInstalledLanguage> InstalledLanguages() const;
    // The display name of an entry: the text of its string ID, else its code.
    std::string LanguageName(std::size_t nIndex) const;

    std::filesystem::path NetPath;
    std::filesystem::path LocalPath;
    std::filesystem::path TesmaraRootPath;
    std::vector<SLanguage> m_languages;
    int m_nActiveLanguage = 0;
    CDefaultUnits m_defaultUnits = CDefaultUnits::Standard();
    CDefaultUnits m_metricUnits = CDefaultUnits::Metric();
    CDefaultUnits m_standardUnits = CDefaultUnits::Standard();
};

