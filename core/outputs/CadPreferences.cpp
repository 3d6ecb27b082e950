// CAD preferences in the settings, and dimension texts in the chosen units.
#include "outputs/CadPreferences.h"

#include "platform/Settings.h"

#include <cstdio>

SCadPreferences ReadCadPreferences(const ISettings& settings)
{
    SCadPreferences preferences;
    const int nUnits = settings.ReadInt(cadkey::Units, static_cast<int>(preferences.eUnits));
    if (nUnits >= 0 && nUnits <= 2)
        preferences.eUnits = static_cast<ECadUnits>(nUnits);
    if (const auto strCompany = settings.ReadString(cadkey::Company))
        preferences.strCompany = *strCompany;
    if (const auto strFolder = settings.ReadString(cadkey::Folder))
        preferences.defaultFolder = std::filesystem::u8path(*strFolder);
    return preferences;
}

bool WriteCadPreferences(ISettings& settings, const SCadPreferences& preferences)
{
    const std::u8string strFolder = preferences.defaultFolder.u8string();
    return settings.WriteInt(cadkey::Units, static_cast<int>(preferences.eUnits)) &&
           settings.WriteString(cadkey::Company, preferences.strCompany) &&
           settings.WriteString(cadkey::Folder, std::string(strFolder.begin(), strFolder.end()));
}

std::string FormatCadLength(double dMillimetres, ECadUnits eUnits, bool bDiameter)
{
    char szInches[32];
    char szMillimetres[32];
    std::snprintf(szInches, sizeof szInches, "%.2f", dMillimetres / 25.4);
    std::snprintf(szMillimetres, sizeof szMillimetres, "%.1f", dMillimetres);
    std::string strText = bDiameter ? "\xC3\x98" : ""; // Ø
    switch (eUnits)
    {
    case ECadUnits::Inches:
        return strText + szInches;
    case ECadUnits::Millimetres:
        return strText + szMillimetres;
    case ECadUnits::Both:
        break;
    }
    return strText + szInches + " [" + szMillimetres + "]";
}

std::string CadUnitsText(ECadUnits eUnits)
{
    switch (eUnits)
    {
    case ECadUnits::Inches:
        return "in";
    case ECadUnits::Millimetres:
        return "mm";
    case ECadUnits::Both:
        break;
    }
    return "in [mm]";
}
