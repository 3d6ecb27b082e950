// Writing a chosen model row into a selection, with the model's default detail codes.
#include "models/ModelSearch.h"

#include "catalogue/Catalogue.h"
#include "selection/AccumulatorData.h"

#include <cstdint>

namespace
{
// Runs the part-number query of the row's type.
void OpenPartNumbers(const SAccumulatorList& row, IQueryDef& def)
{
    if (row.strType == "GB")
    {
        def.Open("qGasBottlePartNumber");
        def.SetParamValue("[parAccumType]", row.strType);
    }
    else if (row.strType == "Piston")
    {
        def.Open("qPistonPartNumber");
        def.SetParamValue("[parAccumType]", row.strType);
        def.SetParamValue("[parGasBottle]", static_cast<std::int16_t>(row.bGasBottle ? 1 : 0));
        def.SetParamValue("[parBore]", row.bore.m_strCode);
        def.SetParamValue("[parDesNumber]", row.design.m_strCode);
        def.SetParamValue("[parPressure]", row.pressure.m_strCode);
    }
    else if (row.strType == "Bladder")
    {
        def.Open("qBladderPartNumber");
        def.SetParamValue("[parSeries]", row.series.m_strCode);
        def.SetParamValue("[parPressure]", row.pressure.m_strCode);
    }
    else
    {
        def.Open("qDiaphragmPartNumber");
        def.SetParamValue("[parSeries]", row.series.m_strCode);
    }
}

// The field of the selection a default code fills, by the row's type and the code's type.
CPartCode* Target(CAccumulatorData& data, const std::string& strType, const std::string& strCodeType)
{
    struct SPlace
    {
        const char* pszType;
        const char* pszCodeType;
        CPartCode CAccumulatorData::*pField;
    };
    static const SPlace kPlaces[] = {
        {"GB", "Gas Port", &CAccumulatorData::cpcGasPortCode},
        {"GB", "Gas Valve Port", &CAccumulatorData::cpcGasValveCode},
        {"Piston", "Seals", &CAccumulatorData::cpcSealCode},
        {"Piston", "Hydraulic Type", &CAccumulatorData::cpcPortModTypeCode},
        {"Piston", "Gas Type", &CAccumulatorData::cpcGasPortModTypeCode},
        {"Piston", "Hydraulic Size", &CAccumulatorData::cpcPortModSizeCode},
        {"Piston", "Gas Size", &CAccumulatorData::cpcGasPortModSizeCode},
        {"Piston", "Construction", &CAccumulatorData::cpcConstCode},
        {"Bladder", "Seal", &CAccumulatorData::cpcSealCode},
        {"Bladder", "Hydraulic Port", &CAccumulatorData::cpcHydPortCode},
        {"Bladder", "Construction", &CAccumulatorData::cpcConstCode},
        {"Bladder", "Gas Type", &CAccumulatorData::cpcGasPortModTypeCode},
        {"Bladder", "Certification", &CAccumulatorData::cpcCertCode},
        {"Bladder", "Design Code", &CAccumulatorData::cpcDesignNumber},
        {"Bladder", "Modification", &CAccumulatorData::cpcModCode},
        {"Diaphragm", "Construction", &CAccumulatorData::cpcConstCode},
        {"Diaphragm", "Certification", &CAccumulatorData::cpcCertCode},
        {"Diaphragm", "Port", &CAccumulatorData::cpcDesignNumber},
        {"Diaphragm", "Diaphragm", &CAccumulatorData::cpcSealCode},
    };
    for (const SPlace& place : kPlaces)
        if (strType == place.pszType && strCodeType == place.pszCodeType)
            return &(data.*place.pField);
    return nullptr;
}
} // namespace

void ApplyModelChoice(CAccumulatorData& data, const SAccumulatorList& row, const SModelSearch& search,
                      const std::string& strOversize, IDatabase& db, bool bApproval)
{
    if (data.deSelectApp == app::SupplementingPumpFlow || data.deSelectApp == app::AuxiliaryPower)
        data.cudFlow = search.requiredFlow;
    data.cpcSeriesCode = row.series;
    data.cpcCapCode = row.capacity;
    data.cpcPressureCode = row.pressure;
    data.cudMaxPressure = row.pressureRating;
    data.cpcNomBoreCode = row.bore;
    data.cpcDesignNumber = row.design;
    data.strAccumulatorDesc = row.strDescription;
    data.strAccumulatorType = row.strType;
    data.cudCapacityAccEach = row.capacityEach;
    data.cudCapacityAccTotal = row.capacityTotal;
    data.siQty = row.qty;
    data.siGBQty = row.gbQty;
    data.strOversizePorts = strOversize;
    if (row.strType == "Piston")
    {
        data.cpcGBPartNumber = row.gbPartNumber;
        data.cudCapacityGBEach = row.gbCapacity;
        data.cudBoreDisplay = row.boreDisplay;
        // Kept too, so that the details step and the report know the bottles are there.
        data.bGasBottle = row.bGasBottle ? 1 : 0;
        data.cudCapacityGBTotal = CUnitDouble(row.gbCapacity.Value() * row.gbQty.Value(), row.gbCapacity.GetUnit());
    }

    IQueryDef def(db);
    OpenPartNumbers(row, def);
    IRecordset rows(db);
    rows.Open(def);
    // The defaults of the model chosen before give way to this model's.
    data.m_lstDefaultCodes.clear();
    for (; !rows.IsEOF(); rows.MoveNext())
    {
        const CPartCode code(rows.GetString("Code"), rows.GetInt("CodeLocation"), rows.GetString("Description"),
                             rows.GetString("CodeType"));
        if (row.strType == "Piston" && code.m_strCodeType == "Approval")
        {
            if (bApproval)
                data.strApproval = code.m_strDescription;
        }
        else if (CPartCode* pField = Target(data, row.strType, code.m_strCodeType))
            *pField = code;
        else if (row.strType == "GB")
            data.m_lstDefaultCodes.push_back(code);
    }
}
