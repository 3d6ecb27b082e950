// How CAD drawings are drawn and saved ("CAD Preferences"), kept in the settings.
#pragma once

#include <filesystem>
#include <string>

class ISettings;

enum class ECadUnits
{
    Inches = 0,
    Millimetres = 1,
    Both = 2 // inches, with millimetres in brackets
};

// The most characters the title block's company text may have.
inline constexpr int kMaxCadCompanyLength = 60;

struct SCadPreferences
{
    ECadUnits eUnits = ECadUnits::Both;
    std::string strCompany = "Dalrow Mestlin";  // the title block's company text
    std::filesystem::path defaultFolder;        // empty: the last drawing's folder, else the documents

    bool operator==(const SCadPreferences&) const = default;
};

namespace cadkey
{
inline constexpr const char* Units = "CAD/Units";
inline constexpr const char* Company = "CAD/Company";
inline constexpr const char* Folder = "CAD/Folder";
} // namespace cadkey

// The stored preferences; a missing or unknown value keeps its default.
SCadPreferences ReadCadPreferences(const ISettings& settings);
// False when they cannot be stored.
bool WriteCadPreferences(ISettings& settings, const SCadPreferences& preferences);

// A length as the dimensions show it: inches with two decimals, millimetres with one, or both
// ("24.50 [622.3]"); a diameter with "Ø" before it.
std::string FormatCadLength(double dMillimetres, ECadUnits eUnits, bool bDiameter = false);
// The units note of the title block: "in", "mm" or "in [mm]".
std::string CadUnitsText(ECadUnits eUnits);
