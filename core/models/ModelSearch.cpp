// Model queries, grid texts, preselection and the high-flow check of the "Choose Model" step.
#include "models/ModelSearch.h"

#include "catalogue/Catalogue.h"
#include "catalogue/MessageKeys.h"
#include "platform/StringTable.h"
#include "selection/AccumulatorData.h"

#include <algorithm>
#include <cstdlib>

namespace
{
enum class EQueryKind
{
    Piston,
    PistonWithGasBottles,
    Other,
};

CUnitDouble UnitValue(const IRecordset& rows, const char* pszValue, const char* pszUnits)
{
    return CUnitDouble(rows.GetDouble(pszValue), rows.GetString(pszUnits));
}

CPartCode Code(const IRecordset& rows, const char* pszCode, const char* pszLocation)
{
    return CPartCode(rows.GetString(pszCode), rows.GetInt(pszLocation));
}

void RunQuery(const std::string& strName, EQueryKind eKind, const CAccumulatorData& data, SModelSearch& search,
              IDatabase& db)
{
    IQueryDef def(db);
    def.Open(strName);
    def.SetParamValue("[parPressure]", search.searchPressure.GetValue("PA"));
    def.SetParamValue("[parCapacity]", data.sdRequiredAccumulatorVol.GetValue("CU_M"));
    def.SetParamValue("[parFluidVolume]", data.sdActVolDisplacement.GetValue("CU_M"));
    def.SetParamValue("[parFlowRate]", search.requiredFlow.GetValue("CU_M_MIN"));
    IRecordset rows(db);
    rows.Open(def);
    search.queries.push_back(strName);
    for (; !rows.IsEOF(); rows.MoveNext())
    {
        SAccumulatorList row;
        row.series = Code(rows, "SeriesCode", "SeriesLocation");
        row.capacity = Code(rows, "CapCode", "CapLocation");
        row.pressure = Code(rows, "PressureCode", "PressureLocation");
        row.pressureRating = UnitValue(rows, "PressureRating", "PressUnits");
        row.design = Code(rows, "DesignNumber", "DesignLocation");
        row.strDescription = rows.GetString("AccumulatorDesc");
        row.strType = rows.GetString("AccumulatorType");
        row.capacityEach = UnitValue(rows, "Capacity", "CapacityUnits");
        row.capacityTotal = UnitValue(rows, "TotalCapacity", "TotCapUnits");
        row.qty = CUnitInt(rows.GetInt("Qty"), "NONE");
        row.gbQty = CUnitInt(0, "NONE");
        if (eKind != EQueryKind::Other)
        {
            row.bore = Code(rows, "BoreCode", "BoreLocation");
            // The number of gas bottles comes as text.
            row.gbQty = CUnitInt(std::atoi(rows.GetString("GBQty").c_str()), "NONE");
            row.boreDisplay = UnitValue(rows, "BoreDisplay", "BoreUnits");
            row.bGasBottle = rows.GetInt("GasBottle") != 0;
        }
        row.gbCapacity = CUnitDouble(0.0, "CU_IN");
        if (eKind == EQueryKind::PistonWithGasBottles)
        {
            row.gbPartNumber = CPartCode(rows.GetString("GBPartNumber"), 0, rows.GetString("GasBottleDesc"));
            row.gbCapacity = UnitValue(rows, "GBCapacity", "GBCapacityUnits");
        }
        search.rows.push_back(row);
    }
}

std::string WithUnit(const std::string& strNumber, const CUnitDouble& value)
{
    return strNumber + " " + value.GetUnitString();
}
} // namespace

SModelSearch RunModelSearch(const CAccumulatorData& data, IDatabase& db)
{
    SModelSearch search;
    search.requiredFlow = CUnitDouble(0.0, "GPM");
    switch (data.deSelectApp)
    {
    case app::SupplementingPumpFlow:
    case app::AuxiliaryPower:
    {
        // What the pump cannot deliver during actuation; a pump that covers it all leaves
        // nothing for the accumulator, not a negative flow.
        const double dActuatorGpm =
            data.sdActVolDisplacement.GetValue("GAL") / data.sdActuationTime.GetValue("MIN");
        const double dShortfall = dActuatorGpm - data.sdEnterPumpSize.GetValue("GPM");
        search.requiredFlow = CUnitDouble(std::max(dShortfall, 0.0), "GPM");
        search.bFlowShown = true;
        break;
    }
    case app::MultipleEvents:
        search.requiredFlow = data.cudFlow;
        search.bFlowShown = true;
        break;
    case app::PumpResponse:
        search.requiredFlow = data.sdFlowRate;
        search.bFlowShown = true;
        break;
    default:
        break;
    }
    const bool bShockPressure = data.deSelectApp == app::ShockSuppression || data.deSelectApp == app::Pulsation ||
                                data.deSelectApp == app::PumpResponse;
    search.searchPressure = bShockPressure ? data.sdShockMaxShockPress : data.sdMaxSysPress;
    const double dPsig = search.searchPressure.GetValue("PSIG");

    if (data.sdPulsationPumpDisp.Value() == 0.0)
    {
        RunQuery("qModelPiston", EQueryKind::Piston, data, search, db);
        RunQuery("qModelMetricPiston", EQueryKind::Piston, data, search, db);
    }
    RunQuery("qModelBladder", EQueryKind::Other, data, search, db);
    const bool bPumpApplication = data.deSelectApp == app::SupplementingPumpFlow ||
                                  data.deSelectApp == app::MultipleEvents || data.deSelectApp == app::AuxiliaryPower;
    if (dPsig <= 3000.0 && bPumpApplication && data.sdRequiredAccumulatorVol.GetValue("GAL") > 30.0)
    {
        RunQuery("qModelPistonGB", EQueryKind::PistonWithGasBottles, data, search, db);
        RunQuery("qModelMetricPistonGB", EQueryKind::PistonWithGasBottles, data, search, db);
    }
    RunQuery("qModelDiaphragm", EQueryKind::Other, data, search, db);
    if ((dPsig > 3000.0 && dPsig < 4000.0) || dPsig > 5000.0)
        RunQuery("qModelApp22Bladder", EQueryKind::Other, data, search, db);
    return search;
}

std::vector<std::string> GridHeaders()
{
    std::vector<std::string> headers;
    for (int nId : {50014, 50015, 50017, 50018, 50019, 50020, 50058, 106, 50059})
        headers.push_back(LoadString(nId));
    return headers;
}

std::vector<std::string> GridCells(const SAccumulatorList& row)
{
    return {
        row.strDescription,
        WithUnit(row.pressureRating.Format(0, false, true), row.pressureRating),
        WithUnit(row.capacityTotal.FormatRelative("CU_IN", 0), row.capacityTotal),
        row.qty.Format(),
        WithUnit(row.capacityEach.FormatPrecision("2"), row.capacityEach),
        // Only pistons have a bore; the other rows leave the column blank rather than show 0.
        row.bore.m_strCode.empty() ? std::string()
                                   : WithUnit(row.boreDisplay.Format(2, false, true), row.boreDisplay),
        row.gbPartNumber.m_strCode,
        row.bGasBottle ? row.gbQty.Format() : std::string(),
        // Blank, like the count, for a row without gas bottles rather than "0".
        row.bGasBottle || row.gbCapacity.Value() != 0.0
            ? WithUnit(row.gbCapacity.FormatPrecision("2"), row.gbCapacity)
            : std::string(),
    };
}

std::set<int> HiddenColumns(const std::vector<SAccumulatorList>& rows)
{
    bool bBore = false, bPart = false, bBottles = false, bCapacity = false;
    for (const SAccumulatorList& row : rows)
    {
        bBore = bBore || row.boreDisplay.Value() != 0.0;
        bPart = bPart || !row.gbPartNumber.m_strCode.empty();
        bBottles = bBottles || row.bGasBottle;
        bCapacity = bCapacity || row.gbCapacity.Value() != 0.0;
    }
    std::set<int> hidden;
    if (!bBore)
        hidden.insert(6);
    if (!bPart)
        hidden.insert(7);
    if (!bBottles)
        hidden.insert(8);
    if (!bCapacity)
        hidden.insert(9);
    return hidden;
}

bool IsHeldModel(const SAccumulatorList& row, const CAccumulatorData& data)
{
    return row.series.m_strCode == data.cpcSeriesCode.m_strCode &&
           row.capacity.m_strCode == data.cpcCapCode.m_strCode &&
           row.pressure.m_strCode == data.cpcPressureCode.m_strCode &&
           row.pressureRating == data.cudMaxPressure &&
           (row.strType == "Piston" || row.design.m_strCode == data.cpcDesignNumber.m_strCode) &&
           row.strType == data.strAccumulatorType && row.bore.m_strCode == data.cpcNomBoreCode.m_strCode &&
           row.gbPartNumber.m_strCode == data.cpcGBPartNumber.m_strCode &&
           row.gbQty.Value() == data.siGBQty.Value() && row.qty.Value() == data.siQty.Value();
}

int PreselectedRow(const std::vector<SAccumulatorList>& rows, const CAccumulatorData& data)
{
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (IsHeldModel(rows[i], data))
            return static_cast<int>(i);
    return rows.empty() ? -1 : 0;
}

std::string HighFlowResult(const SAccumulatorList& row, const CUnitDouble& flow, IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qHighFlowCheck");
    def.SetParamValue("[parFlowRate]", flow.GetValue("CU_M_MIN"));
    def.SetParamValue("[parAccumType]", row.strType);
    def.SetParamValue("[parCapacity]", row.capacity.m_strCode);
    def.SetParamValue("[parPressure]", row.pressure.m_strCode);
    def.SetParamValue("[parQty]", static_cast<std::int16_t>(row.qty.Value()));
    IRecordset rows(db);
    rows.Open(def);
    std::string strResult;
    for (; !rows.IsEOF(); rows.MoveNext())
        strResult = rows.GetString("Result");
    return strResult;
}

SHighFlowNote HighFlowNote(const SAccumulatorList& row, const CUnitDouble& flow, const std::string& strPrevious,
                           IDatabase& db)
{
    const std::string strResult = HighFlowResult(row, flow, db);
    if (!(flow.Value() > 0.0))
        return {msg::kFlowNotCalculated, strPrevious};
    if (strResult == "Y")
        return {msg::kFlowNeedsOversizePorts, "Y"};
    return {msg::kFlowStandardPortsAcceptable, "N"};
}
