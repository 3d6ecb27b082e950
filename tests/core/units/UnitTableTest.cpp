// The 81 unit codes against their definitions: factor and offset to the base unit, display text,
// text id and category, each written out here; and the conversions that follow from them.
#include "RecordingPrompt.h"
#include "platform/StringTable.h"
#include "units/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace
{
struct SDefinition
{
    const char* pszCode;
    const char* pszText;
    int nTextId;
    const char* pszCategory;
    int nCategoryId;
    double dFactor;
    double dOffset;
};

// In the order the table is filled. The viscosity factors not given elsewhere follow from
// 1 cSt = 0.01 St, 1 m2/s = 1e4 St, 1 ft2/s = 0.3048^2 m2/s, 1 cP = 0.01 P and
// 1 lbf s/ft2 = 4.4482216152605 N s / 0.3048^2 m2 = 47.880259 Pa s.
const std::vector<SDefinition> kTable = {
    {"NONE", "", 0, "", 0, 1.0, 0.0},
    {"DEG_F", "\u00B0F", 21001, "Temperature", 21080, 1.0, 0.0},
    {"DEG_C", "\u00B0C", 21000, "Temperature", 21080, 1.8, 32.0},
    {"DEG_K", "K", 21002, "Temperature", 21080, 1.8, -459.67},
    {"DEG_R", "\u00B0R", 21003, "Temperature", 21080, 1.0, -459.67},
    {"PA", "Pa a", 21004, "Pressure", 21081, 1.0, 0.0},
    {"ATM", "atm", 21005, "Pressure", 21081, 101325.0, 0.0},
    {"BAR", "bar a", 21006, "Pressure", 21081, 100000.0, 0.0},
    {"KPA", "kPa a", 21007, "Pressure", 21081, 1000.0, 0.0},
    {"MPA", "MPa a", 21008, "Pressure", 21081, 1000000.0, 0.0},
    {"PSIA", "psia", 21009, "Pressure", 21081, 6894.757, 0.0},
    {"PSIG", "psi", 21071, "Pressure", 21081, 6894.757, 101314.224},
    {"BARG", "bar g", 21099, "Pressure", 21081, 100000.0, 101314.224},
    {"IN_HG", "in of Hg", 21075, "Vacuum", 21097, 1.0, 0.0},
    {"L", "L", 21010, "Volume", 21082, 0.001, 0.0},
    {"CU_M", "m\u00B3", 21011, "Volume", 21082, 1.0, 0.0},
    {"CU_CM", "cm\u00B3", 21012, "Volume", 21082, 1e-06, 0.0},
    {"CU_IN", "in\u00B3", 21013, "Volume", 21082, 1.638706e-05, 0.0},
    {"CU_FT", "ft\u00B3", 21014, "Volume", 21082, 0.02831658, 0.0},
    {"GAL", "gal (US)", 21015, "Volume", 21082, 0.003785413, 0.0},
    {"QT", "qt", 21016, "Volume", 21082, 0.0009463531, 0.0},
    {"PT", "pint", 21017, "Volume", 21082, 0.00047317655, 0.0},
    {"GAL_UK", "gal (UK)", 21078, "Volume", 21082, 0.004546092, 0.0},
    {"LPM", "lpm", 21018, "Flow Rate", 21083, 0.001, 0.0},
    {"GPM", "gpm (US)", 21019, "Flow Rate", 21083, 0.003785412, 0.0},
    {"CC_SEC", "cc/sec", 21020, "Flow Rate", 21083, 6e-05, 0.0},
    {"CU_M_SEC", "m\u00B3/sec", 21021, "Flow Rate", 21083, 60.0, 0.0},
    {"CU_M_MIN", "m\u00B3/min", 21022, "Flow Rate", 21083, 1.0, 0.0},
    {"SCFM", "scfm", 21023, "Flow Rate", 21083, 0.02831685, 0.0},
    {"CU_FT_MIN", "ft\u00B3/min", 21098, "Flow Rate", 21083, 0.02831685, 0.0},
    {"CU_IN_SEC", "in\u00B3/sec", 21072, "Flow Rate", 21083, 0.0009832237, 0.0},
    {"CU_IN_MIN", "in\u00B3/min", 21073, "Flow Rate", 21083, 1.638706e-05, 0.0},
    {"CU_IN_REV", "in\u00B3/rev", 21024, "Displacement", 21084, 1.0, 0.0},
    {"CC_REV", "cm\u00B3/rev", 21025, "Displacement", 21084, 0.06102, 0.0},
    {"GAL_RPM", "gal (US)/1000 RPM", 21026, "Displacement", 21084, 231.0, 0.0},
    {"M", "m", 21027, "Distance", 21085, 1.0, 0.0},
    {"CM", "cm", 21028, "Distance", 21085, 0.01, 0.0},
    {"MM", "mm", 21029, "Distance", 21085, 0.001, 0.0},
    {"IN", "in", 21030, "Distance", 21085, 0.0254, 0.0},
    {"FT", "ft", 21031, "Distance", 21085, 0.3048, 0.0},
    {"LB", "lb", 21032, "Mass", 21086, 0.45359, 0.0},
    {"G", "g", 21033, "Mass", 21086, 0.001, 0.0},
    {"KG", "kg", 21034, "Mass", 21086, 1.0, 0.0},
    {"SEC", "sec", 21035, "Time", 21087, 0.01667, 0.0},
    {"HR", "hr", 21036, "Time", 21087, 60.0, 0.0},
    {"MIN", "min", 21037, "Time", 21087, 1.0, 0.0},
    {"DAY", "day", 21038, "Time", 21087, 1440.0, 0.0},
    {"W", "W", 21039, "Power", 21088, 1.0, 0.0},
    {"HP", "hp", 21040, "Power", 21088, 746.0, 0.0},
    {"KW", "kW", 21041, "Power", 21088, 1000.0, 0.0},
    {"BTU_HR", "Btu/hr", 21042, "Power", 21088, 0.2930711, 0.0},
    {"M_SEC", "m/sec", 21043, "Velocity", 21089, 1.0, 0.0},
    {"KPH", "kph", 21044, "Velocity", 21089, 0.2778, 0.0},
    {"MPH", "mph", 21045, "Velocity", 21089, 0.447, 0.0},
    {"FT_SEC", "ft/sec", 21046, "Velocity", 21089, 0.3048, 0.0},
    {"IN_SEC", "in/sec", 21074, "Velocity", 21089, 0.0254, 0.0},
    {"M_SEC2", "m/sec\u00B2", 21047, "Acceleration", 21090, 1.0, 0.0},
    {"FT_SEC2", "ft/sec\u00B2", 21048, "Acceleration", 21090, 0.3048, 0.0},
    {"N", "N", 21049, "Force", 21091, 1.0, 0.0},
    {"KN", "KN", 21079, "Force", 21091, 1000.0, 0.0},
    {"LBF", "lbf", 21050, "Force", 21091, 4.448, 0.0},
    {"NM", "N-m", 21051, "Torque", 21092, 1.0, 0.0},
    {"LB_IN", "lb-in", 21052, "Torque", 21092, 0.11298, 0.0},
    {"LB_SEC", "lb/sec", 21053, "Mass Flow Rate", 21093, 0.4536, 0.0},
    {"LB_MIN", "lb/min", 21054, "Mass Flow Rate", 21093, 0.0075598, 0.0},
    {"LB_HR", "lb/hr", 21055, "Mass Flow Rate", 21093, 0.000126, 0.0},
    {"KG_SEC", "kg/sec", 21056, "Mass Flow Rate", 21093, 1.0, 0.0},
    {"KG_MIN", "kg/min", 21057, "Mass Flow Rate", 21093, 0.016667, 0.0},
    {"KG_HR", "kg/hr", 21058, "Mass Flow Rate", 21093, 0.0002778, 0.0},
    {"LB_CU_FT", "lb/ft\u00B3", 21059, "Density", 21094, 1.0, 0.0},
    {"LB_CU_IN", "lb/in\u00B3", 21060, "Density", 21094, 1728.0, 0.0},
    {"KG_CU_M", "kg/m\u00B3", 21061, "Density", 21094, 0.062428, 0.0},
    {"G_CU_CM", "g/cm\u00B3", 21062, "Density", 21094, 62.42796, 0.0},
    {"STOKE", "Stoke", 21063, "Kinematic Viscosity", 21095, 1.0, 0.0},
    {"CENTI_STOKE", "Centistoke", 21064, "Kinematic Viscosity", 21095, 0.01, 0.0},
    {"SQ_M_SEC", "m\u00B2/sec", 21065, "Kinematic Viscosity", 21095, 1e4, 0.0},
    {"SQ_FT_SEC", "ft\u00B2/sec", 21066, "Kinematic Viscosity", 21095, 0.3048 * 0.3048 * 1e4, 0.0},
    {"POISE", "Poise", 21067, "Absolute Viscosity", 21096, 1.0, 0.0},
    {"CENTI_POISE", "Centipoise", 21068, "Absolute Viscosity", 21096, 0.01, 0.0},
    {"PA_SEC", "Pa*sec", 21069, "Absolute Viscosity", 21096, 10.0, 0.0},
    {"LBF_SEC_SQ_FT", "lbf*sec/ft\u00B2", 21070, "Absolute Viscosity", 21096,
     4.4482216152605 / (0.3048 * 0.3048) * 10.0, 0.0},
};

// The definitions that the table does not give to every digit, to this relative precision.
bool Derived(const std::string& strCode)
{
    return strCode == "SQ_FT_SEC" || strCode == "LBF_SEC_SQ_FT";
}
} // namespace

TEST(UnitTable, EveryCodeMatchesItsDefinition)
{
    CPromptCapture capture;
    const auto& entries = UnitTableEntries();
    ASSERT_EQ(entries.size(), kTable.size());
    std::set<int> categories;
    for (std::size_t i = 0; i < kTable.size(); ++i)
    {
        const SDefinition& def = kTable[i];
        const SUnitEntry& entry = entries[i];
        SCOPED_TRACE(def.pszCode);
        EXPECT_EQ(entry.strCode, def.pszCode);
        EXPECT_EQ(entry.unit.m_iStringID, def.nTextId);
        EXPECT_EQ(entry.unit.m_iCategoryID, def.nCategoryId);
        EXPECT_EQ(UnitDisplayText(def.pszCode), def.pszText);
        if (def.nCategoryId != 0)
        {
            EXPECT_EQ(LoadString(def.nCategoryId), def.pszCategory);
            categories.insert(def.nCategoryId);
        }
        if (Derived(def.pszCode))
            EXPECT_NEAR(entry.unit.m_dFactor, def.dFactor, def.dFactor * 1e-8);
        else
            EXPECT_EQ(entry.unit.m_dFactor, def.dFactor);
        EXPECT_EQ(entry.unit.m_dOffset, def.dOffset);
        EXPECT_EQ(FindUnit(def.pszCode), &entry.unit);
        EXPECT_EQ(CUnitConvMap::GetCodeByStringID(def.nTextId), def.nTextId == 0 ? "NONE" : def.pszCode);
    }
    EXPECT_EQ(categories.size(), 18u);
    EXPECT_TRUE(capture->Texts().empty());
}

TEST(UnitTable, ConversionsGoThroughTheBaseUnit)
{
    CPromptCapture capture;
    // 3 of every unit into every other unit of its category: (3 f1 + o1 - o2) / f2.
    int nPairs = 0;
    for (const SDefinition& from : kTable)
        for (const SDefinition& to : kTable)
        {
            if (from.nCategoryId != to.nCategoryId || from.nCategoryId == 0 || from.pszCode == to.pszCode)
                continue;
            const double dExpected = (3.0 * from.dFactor + from.dOffset - to.dOffset) / to.dFactor;
            EXPECT_NEAR(CUnitConvMap::Convert(3.0, from.pszCode, to.pszCode), dExpected,
                        std::fabs(dExpected) * 1e-8)
                << from.pszCode << " to " << to.pszCode;
            ++nPairs;
        }
    EXPECT_EQ(nPairs, 364);
    EXPECT_TRUE(capture->Texts().empty());
}
