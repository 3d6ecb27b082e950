// Gas bottle types, pressures and bottles from the catalogue, preselection, and the chosen bottle.
#include "models/GasBottleSearch.h"

#include "catalogue/Catalogue.h"
#include "models/NoFilter.h"
#include "platform/StringTable.h"
#include "selection/AccumulatorData.h"
#include "units/UnitConvMap.h"

#include <algorithm>
#include <cmath>

namespace
{
const char* const kTypes[kGasBottleTypes] = {"Piston", "Bladder", "GB", kNoFilter};

std::string Number(double dValue)
{
    return CUnitConvMap::FormatNumber(dValue, 10, false, true);
}

std::string NumberWithUnit(const CUnitDouble& value)
{
    return Number(value.Value()) + " " + UnitDisplayText(value.GetUnit());
}

// Ratings come from the catalogue in several units; a relative tolerance absorbs the conversion.
bool SamePressure(const CUnitDouble& a, const CUnitDouble& b)
{
    const double dA = a.GetValue("PA");
    const double dB = b.GetValue("PA");
    return std::fabs(dA - dB) <= 1e-9 * std::max(std::fabs(dA), std::fabs(dB));
}

bool SameCodes(const SGbList& row, const CAccumulatorData& data)
{
    return row.series.m_strCode == data.cpcSeriesCode.m_strCode &&
           row.capacityCode.m_strCode == data.cpcCapCode.m_strCode &&
           row.pressure.m_strCode == data.cpcPressureCode.m_strCode &&
           row.bore.m_strCode == data.cpcNomBoreCode.m_strCode &&
           row.design.m_strCode == data.cpcDesignNumber.m_strCode;
}
} // namespace

const char* GasBottleTypeKey(int nType)
{
    return nType >= 0 && nType < kGasBottleTypes ? kTypes[nType] : kTypes[kViewAllGasBottles];
}

std::string GasBottleTypeText(int nType)
{
    return nType >= 0 && nType < kViewAllGasBottles ? kTypes[nType] : LoadString(50001);
}

int HeldGasBottleType(const CAccumulatorData& data)
{
    if (data.eGasBottleType >= 0 && data.eGasBottleType < kGasBottleTypes)
        return data.eGasBottleType;
    for (int nType = 0; nType < kViewAllGasBottles; ++nType)
        if (data.strAccumulatorType == kTypes[nType])
            return nType;
    return kViewAllGasBottles;
}

std::vector<CUnitDouble> GasBottlePressures(int nType, IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qGbPressureAll");
    def.SetParamValue("[parType]", std::string(GasBottleTypeKey(nType)));
    IRecordset rows(db);
    rows.Open(def);
    std::vector<CUnitDouble> pressures;
    for (; !rows.IsEOF(); rows.MoveNext())
        pressures.emplace_back(rows.GetDouble("Pressure"), rows.GetString("PressUnits"));
    return pressures;
}

std::string GasBottlePressureText(const CUnitDouble& pressure)
{
    return NumberWithUnit(pressure);
}

int PreselectedPressure(const std::vector<CUnitDouble>& pressures, const CUnitDouble& held)
{
    if (!(held.Value() > 0.0))
        return -1;
    for (std::size_t i = 0; i < pressures.size(); ++i)
        if (SamePressure(pressures[i], held))
            return static_cast<int>(i);
    return -1;
}

std::vector<SGbList> GasBottleList(int nType, const CUnitDouble& pressure, IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qGbList");
    def.SetParamValue("[parType]", std::string(GasBottleTypeKey(nType)));
    def.SetParamValue("[parPressure]", pressure.GetValue("PA"));
    IRecordset rows(db);
    rows.Open(def);
    std::vector<SGbList> bottles;
    for (; !rows.IsEOF(); rows.MoveNext())
    {
        SGbList row;
        row.strDescription = rows.GetString("Description");
        row.strType = rows.GetString("AccumulatorType");
        row.capacity = CUnitDouble(rows.GetDouble("Capacity"), rows.GetString("CapUnits"));
        row.capacityCode = CPartCode(rows.GetString("CapCode"), rows.GetInt("CapCodeLocation"));
        row.series = CPartCode(rows.GetString("SeriesCode"), rows.GetInt("SeriesLoc"));
        row.bore = CPartCode(rows.GetString("NomBoreCode"), rows.GetInt("BoreLocation"));
        row.design = CPartCode(rows.GetString("DesignCode"), rows.GetInt("DesignLoc"));
        row.boreDisplay = CUnitDouble(rows.GetDouble("BoreDisplay"), rows.GetString("BoreUnits"));
        row.pressure = CPartCode(rows.GetString("PressureCode"), rows.GetInt("PressureLocation"));
        bottles.push_back(row);
    }
    return bottles;
}

std::vector<std::string> GasBottleCells(const SGbList& row)
{
    return {row.strDescription, NumberWithUnit(row.capacity),
            row.strType == "Piston" ? NumberWithUnit(row.boreDisplay) : std::string()};
}

int PreselectedBottle(const std::vector<SGbList>& rows, const CAccumulatorData& data)
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (SameCodes(rows[i], data))
            return static_cast<int>(i);
    return -1;
}

SAccumulatorList AsModelRow(const SGbList& bottle, const CUnitDouble& pressure)
{
    SAccumulatorList row;
    row.series = bottle.series;
    row.capacity = bottle.capacityCode;
    row.pressure = bottle.pressure;
    row.pressureRating = pressure;
    row.bore = bottle.bore;
    row.design = bottle.design;
    row.strDescription = bottle.strDescription;
    row.strType = bottle.strType;
    row.capacityEach = bottle.capacity;
    row.capacityTotal = bottle.capacity;
    row.gbQty = CUnitInt(0, "NONE");
    row.qty = CUnitInt(1, "NONE");
    row.boreDisplay = bottle.boreDisplay;
    row.gbCapacity = CUnitDouble(0.0, "CU_IN");
    return row;
}

bool IsHeldBottle(const SGbList& row, const CUnitDouble& pressure, const CAccumulatorData& data)
{
    return data.m_nLevel >= 2 && SameCodes(row, data) && data.strAccumulatorType == row.strType &&
           SamePressure(data.cudMaxPressure, pressure);
}

void ApplyGasBottleChoice(CAccumulatorData& data, const SGbList& row, const CUnitDouble& pressure, int nType,
                          const std::string& strOversize, IDatabase& db)
{
    ApplyModelChoice(data, AsModelRow(row, pressure), SModelSearch(), strOversize, db, false);
    data.eGasBottleType = nType;
    data.m_strType = GasBottleTypeText(nType);
    if (row.strType == "GB")
        data.cpcSealCode.Reset();
}
