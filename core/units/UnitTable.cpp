// The unit table's contents and its lookup index.
#include "units/UnitTable.h"

#include <unordered_map>

namespace
{
using namespace UnitCategory;

// Viscosity factors follow from the unit definitions: 1 cSt = 0.01 St,
// 1 m2/s = 1e4 St, 1 ft2/s = 0.09290304 m2/s = 929.0304 St;
// 1 cP = 0.01 P, 1 lbf s/ft2 = 4.4482216152605 N / 0.09290304 m2 = 47.880259 Pa s = 478.80259 P.
const std::vector<SUnitEntry>& Entries()
{
    // Function-local, so that no other static initialiser can see it unbuilt.
    static const std::vector<SUnitEntry> kEntries = {
    {"NONE", {1.0, 0.0, 0, 0}},
    {"DEG_F", {1.0, 0.0, 21001, Temperature}},
    {"DEG_C", {1.8, 32.0, 21000, Temperature}},
    {"DEG_K", {1.8, -459.67, 21002, Temperature}},
    {"DEG_R", {1.0, -459.67, 21003, Temperature}},
    {"PA", {1.0, 0.0, 21004, Pressure}},
    {"ATM", {101325.0, 0.0, 21005, Pressure}},
    {"BAR", {100000.0, 0.0, 21006, Pressure}},
    {"KPA", {1000.0, 0.0, 21007, Pressure}},
    {"MPA", {1000000.0, 0.0, 21008, Pressure}},
    {"PSIA", {6894.757, 0.0, 21009, Pressure}},
    {"PSIG", {6894.757, kGaugeOffsetPa, 21071, Pressure}},
    // Gauge bar, with the gauge offset of PSIG: 0 bar g and 0 psi are the same pressure.
    {"BARG", {100000.0, kGaugeOffsetPa, 21099, Pressure}},
    {"IN_HG", {1.0, 0.0, 21075, Vacuum}},
    {"L", {0.001, 0.0, 21010, Volume}},
    {"CU_M", {1.0, 0.0, 21011, Volume}},
    {"CU_CM", {1e-06, 0.0, 21012, Volume}},
    {"CU_IN", {1.638706e-05, 0.0, 21013, Volume}},
    {"CU_FT", {0.02831658, 0.0, 21014, Volume}},
    {"GAL", {0.003785413, 0.0, 21015, Volume}},
    {"QT", {0.0009463531, 0.0, 21016, Volume}},
    {"PT", {0.00047317655, 0.0, 21017, Volume}},
    {"GAL_UK", {0.004546092, 0.0, 21078, Volume}},
    {"LPM", {0.001, 0.0, 21018, FlowRate}},
    {"GPM", {0.003785412, 0.0, 21019, FlowRate}},
    {"CC_SEC", {6e-05, 0.0, 21020, FlowRate}},
    {"CU_M_SEC", {60.0, 0.0, 21021, FlowRate}},
    {"CU_M_MIN", {1.0, 0.0, 21022, FlowRate}},
    {"SCFM", {0.02831685, 0.0, 21023, FlowRate}},
    {"CU_FT_MIN", {0.02831685, 0.0, 21098, FlowRate}},
    {"CU_IN_SEC", {0.0009832237, 0.0, 21072, FlowRate}},
    {"CU_IN_MIN", {1.638706e-05, 0.0, 21073, FlowRate}},
    {"CU_IN_REV", {1.0, 0.0, 21024, Displacement}},
    {"CC_REV", {0.06102, 0.0, 21025, Displacement}},
    {"GAL_RPM", {231.0, 0.0, 21026, Displacement}},
    {"M", {1.0, 0.0, 21027, Distance}},
    {"CM", {0.01, 0.0, 21028, Distance}},
    {"MM", {0.001, 0.0, 21029, Distance}},
    {"IN", {0.0254, 0.0, 21030, Distance}},
    {"FT", {0.3048, 0.0, 21031, Distance}},
    {"LB", {0.45359, 0.0, 21032, Mass}},
    {"G", {0.001, 0.0, 21033, Mass}},
    {"KG", {1.0, 0.0, 21034, Mass}},
    {"SEC", {0.01667, 0.0, 21035, Time}},
    {"HR", {60.0, 0.0, 21036, Time}},
    {"MIN", {1.0, 0.0, 21037, Time}},
    {"DAY", {1440.0, 0.0, 21038, Time}},
    {"W", {1.0, 0.0, 21039, Power}},
    {"HP", {746.0, 0.0, 21040, Power}},
    {"KW", {1000.0, 0.0, 21041, Power}},
    {"BTU_HR", {0.2930711, 0.0, 21042, Power}},
    {"M_SEC", {1.0, 0.0, 21043, Velocity}},
    {"KPH", {0.2778, 0.0, 21044, Velocity}},
    {"MPH", {0.447, 0.0, 21045, Velocity}},
    {"FT_SEC", {0.3048, 0.0, 21046, Velocity}},
    {"IN_SEC", {0.0254, 0.0, 21074, Velocity}},
    {"M_SEC2", {1.0, 0.0, 21047, Acceleration}},
    {"FT_SEC2", {0.3048, 0.0, 21048, Acceleration}},
    {"N", {1.0, 0.0, 21049, Force}},
    {"KN", {1000.0, 0.0, 21079, Force}},
    {"LBF", {4.448, 0.0, 21050, Force}},
    {"NM", {1.0, 0.0, 21051, Torque}},
    {"LB_IN", {0.11298, 0.0, 21052, Torque}},
    {"LB_SEC", {0.4536, 0.0, 21053, MassFlowRate}},
    {"LB_MIN", {0.0075598, 0.0, 21054, MassFlowRate}},
    {"LB_HR", {0.000126, 0.0, 21055, MassFlowRate}},
    {"KG_SEC", {1.0, 0.0, 21056, MassFlowRate}},
    {"KG_MIN", {0.016667, 0.0, 21057, MassFlowRate}},
    {"KG_HR", {0.0002778, 0.0, 21058, MassFlowRate}},
    {"LB_CU_FT", {1.0, 0.0, 21059, Density}},
    {"LB_CU_IN", {1728.0, 0.0, 21060, Density}},
    {"KG_CU_M", {0.062428, 0.0, 21061, Density}},
    {"G_CU_CM", {62.42796, 0.0, 21062, Density}},
    {"STOKE", {1.0, 0.0, 21063, KinematicViscosity}},
    {"CENTI_STOKE", {0.01, 0.0, 21064, KinematicViscosity}},
    {"SQ_M_SEC", {10000.0, 0.0, 21065, KinematicViscosity}},
    {"SQ_FT_SEC", {929.0304, 0.0, 21066, KinematicViscosity}},
    {"POISE", {1.0, 0.0, 21067, AbsoluteViscosity}},
    {"CENTI_POISE", {0.01, 0.0, 21068, AbsoluteViscosity}},
    {"PA_SEC", {10.0, 0.0, 21069, AbsoluteViscosity}},
    {"LBF_SEC_SQ_FT", {478.80259, 0.0, 21070, AbsoluteViscosity}},
    };
    return kEntries;
}

const std::unordered_map<std::string, const CUnitObject*>& Index()
{
    static const auto index = [] {
        std::unordered_map<std::string, const CUnitObject*> map;
        for (const auto& entry : Entries())
            map.emplace(entry.strCode, &entry.unit);
        return map;
    }();
    return index;
}
} // namespace

const std::vector<SUnitEntry>& UnitTableEntries()
{
    return Entries();
}

const CUnitObject* FindUnit(const std::string& strCode)
{
    const auto& index = Index();
    auto it = index.find(strCode);
    return it == index.end() ? nullptr : it->second;
}

bool IsGaugeUnit(const std::string& strUnit)
{
    const CUnitObject* pUnit = FindUnit(strUnit);
    return pUnit && pUnit->m_iCategoryID == UnitCategory::Pressure && pUnit->m_dOffset == kGaugeOffsetPa;
}

bool IsUnitOfCategory(const std::string& strUnit, int nCategoryId)
{
    const CUnitObject* pUnit = FindUnit(strUnit);
    return pUnit && pUnit->m_iCategoryID == nCategoryId;
}
