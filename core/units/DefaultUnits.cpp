// The default-unit table and its two presets.
#include "units/DefaultUnits.h"

#include "units/UnitTable.h"

const std::array<int, CDefaultUnits::kCategoryCount>& CDefaultUnits::CategoryIds()
{
    using namespace UnitCategory;
    static const std::array<int, kCategoryCount> kIds = {
        Temperature, Pressure, Vacuum,       Volume,  FlowRate,           Displacement,
        Distance,    Mass,     Time,         Power,   Velocity,           Acceleration,
        Force,       Torque,   MassFlowRate, Density, KinematicViscosity, AbsoluteViscosity};
    return kIds;
}

CDefaultUnits::CDefaultUnits()
{
    for (std::size_t i = 0; i < kCategoryCount; ++i)
        m_pairs[i].nCategoryId = CategoryIds()[i];
}

CDefaultUnits::CDefaultUnits(const std::array<const char*, kCategoryCount>& units, int nUnitType)
    : CDefaultUnits()
{
    for (std::size_t i = 0; i < kCategoryCount; ++i)
        m_pairs[i].strUnit = units[i];
    m_nUnitType = nUnitType;
}

const CDefaultUnits& CDefaultUnits::Standard()
{
    static const CDefaultUnits kStandardUnits({"DEG_F", "PSIG", "IN_HG", "CU_IN", "GPM", "CU_IN_REV", "IN",
                                               "LB", "SEC", "HP", "FT_SEC", "FT_SEC2", "LBF", "LB_IN",
                                               "LB_MIN", "LB_CU_IN", "CENTI_STOKE", "CENTI_POISE"},
                                              kStandard);
    return kStandardUnits;
}

const CDefaultUnits& CDefaultUnits::Metric()
{
    // Vacuum has no metric unit in the table, so both presets share inches of mercury. Pressures
    // are gauge in both, as engineers read a pressure gauge.
    static const CDefaultUnits kMetricUnits({"DEG_C", "BARG", "IN_HG", "L", "LPM", "CC_REV", "MM", "KG", "SEC",
                                             "KW", "M_SEC", "M_SEC2", "N", "NM", "KG_MIN", "KG_CU_M",
                                             "CENTI_STOKE", "CENTI_POISE"},
                                            kMetric);
    return kMetricUnits;
}

std::string CDefaultUnits::GetDefaultUnit(int nCategoryId) const
{
    for (const SDefaultUnit& pair : m_pairs)
        if (pair.nCategoryId == nCategoryId)
            return pair.strUnit;
    return std::string();
}

bool CDefaultUnits::SetDefaultUnit(int nCategoryId, const std::string& strUnit)
{
    for (SDefaultUnit& pair : m_pairs)
        if (pair.nCategoryId == nCategoryId)
        {
            pair.strUnit = strUnit;
            return true;
        }
    return false;
}
