// The rapid selection's cascade over the catalogue, and the selection its choices make.
#include "models/RapidSelection.h"

#include "catalogue/Catalogue.h"
#include "models/GasBottleSearch.h"
#include "models/ModelSearch.h"
#include "selection/AccumulatorData.h"
#include "selection/OvrisolBase.h"
#include "selection/SelectionOwner.h"
#include "units/UnitConvMap.h"

#include <optional>

namespace
{
using F = ERapidField;

// The code of the model's series, size, pressure or bore, as the model step stores it.
CPartCode Key(const SRapidItem& item)
{
    return CPartCode(item.code.m_strCode, item.code.m_nLocation);
}

// The model that the chosen series, pressure, capacity and bore name ("qDpnsModel").
std::optional<SAccumulatorList> FindModel(const CAccumulatorData& d, IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qDpnsModel");
    def.SetParamValue("[parSeries]", d.cpcSeriesCode.m_strCode);
    def.SetParamValue("[parPressure]", d.cpcPressureCode.m_strCode);
    def.SetParamValue("[parCapacity]", d.cpcCapCode.m_strCode);
    def.SetParamValue("[parBore]", d.cpcNomBoreCode.m_strCode);
    IRecordset rows(db);
    rows.Open(def);
    if (rows.IsEOF())
        return std::nullopt;
    SAccumulatorList row;
    row.series = CPartCode(rows.GetString("SeriesCode"), rows.GetInt("SeriesLocation"));
    row.capacity = CPartCode(rows.GetString("CapCode"), rows.GetInt("CapLocation"));
    row.pressure = CPartCode(rows.GetString("PressureCode"), rows.GetInt("PressureLocation"));
    row.pressureRating = CUnitDouble(rows.GetDouble("PressureRating"), rows.GetString("PressUnits"));
    row.bore = CPartCode(rows.GetString("BoreCode"), rows.GetInt("BoreLocation"));
    row.design = CPartCode(rows.GetString("DesignNumber"), rows.GetInt("DesignLocation"));
    row.strDescription = rows.GetString("AccumulatorDesc");
    row.strType = rows.GetString("AccumulatorType");
    row.capacityEach = CUnitDouble(rows.GetDouble("Capacity"), rows.GetString("CapacityUnits"));
    row.capacityTotal = row.capacityEach;
    row.qty = CUnitInt(1, "NONE");
    row.gbQty = CUnitInt(0, "NONE");
    row.boreDisplay = CUnitDouble(rows.GetDouble("BoreDisplay"), rows.GetString("BoreUnits"));
    row.gbCapacity = CUnitDouble(0.0, "CU_IN");
    return row;
}

// The model's facts and default details, as "Choose Model" (or "Select Gas Bottle") writes them.
void ApplyModel(CAccumulatorData& d, const SAccumulatorList& row, IDatabase& db)
{
    if (row.strType != "GB")
    {
        ApplyModelChoice(d, row, SModelSearch(), "N", db);
        return;
    }
    SGbList bottle;
    bottle.strDescription = row.strDescription;
    bottle.strType = row.strType;
    bottle.capacity = row.capacityEach;
    bottle.capacityCode = row.capacity;
    bottle.series = row.series;
    bottle.bore = row.bore;
    bottle.design = row.design;
    bottle.boreDisplay = row.boreDisplay;
    bottle.pressure = row.pressure;
    constexpr int kGbSeriesBottles = 2; // the "GB Series Gas Bottle" type of "Select Gas Bottle"
    ApplyGasBottleChoice(d, bottle, row.pressureRating, kGbSeriesBottles, "N", db);
}

// The number of option items before this one that are options (not the "_" of none).
int OptionKey(const SRapidListState& list)
{
    int nKey = 0;
    for (int i = 0; i < list.nSelected; ++i)
        nKey += list.items[static_cast<std::size_t>(i)].code.m_strCode == "_" ? 0 : 1;
    return nKey;
}

void WriteModelKey(CAccumulatorData& d, F eField, const SRapidItem& item)
{
    switch (eField)
    {
    case F::Series:
        d.cpcSeriesCode = Key(item);
        break;
    case F::Bore:
        d.cpcNomBoreCode = Key(item);
        d.cudBoreDisplay = item.value;
        break;
    case F::Capacity:
        d.cpcCapCode = Key(item);
        d.cudCapacityAccEach = d.cudCapacityAccTotal = item.value;
        break;
    case F::Pressure:
        d.cpcPressureCode = Key(item);
        d.cudMaxPressure = item.value;
        break;
    default:
        break;
    }
}

void WriteDetail(CAccumulatorData& d, F eField, const SRapidItem& item, const SRapidListState& list)
{
    switch (eField)
    {
    case F::Design:
        d.cpcDesignNumber = item.code;
        break;
    case F::Seal:
        d.cpcSealCode = item.code;
        break;
    case F::Construction:
        if (d.strAccumulatorType != "Piston")
        {
            d.cpcConstCode = item.code;
            break;
        }
        // A piston's construction code comes with its approval, as the details step keeps them.
        d.cpcConstCode.m_strCode = item.code.m_strCode;
        d.cpcConstCode.m_nLocation = item.code.m_nLocation;
        d.cpcConstCode.m_strDescription = item.code.m_strDescription;
        d.strApproval = item.strExtra;
        break;
    case F::Options:
        d.cpcOptionCode = Key(item);
        d.m_caSelectedOptionArray = {{OptionKey(list), CPartCode(item.strExtra, 0, item.strText)}};
        break;
    case F::PortType:
        d.cpcPortModTypeCode = item.code;
        break;
    case F::PortSize:
        d.cpcPortModSizeCode = item.code;
        break;
    case F::GasPortType:
        d.cpcGasPortModTypeCode = item.code;
        break;
    case F::GasPortSize:
        d.cpcGasPortModSizeCode = item.code;
        break;
    case F::HydPort:
        // The port carries its size as the code's third text, where the report reads it.
        d.cpcHydPortCode = item.code;
        d.cpcHydPortCode.m_strCodeType = item.strExtra;
        break;
    case F::Modification:
        d.cpcModCode = item.code;
        break;
    case F::Certification:
        d.cpcCertCode = item.code;
        break;
    case F::GasPort:
        d.cpcGasPortCode = item.code;
        break;
    case F::GasValve:
        d.cpcGasValveCode = item.code;
        break;
    default:
        break;
    }
}

void WriteIsolator(COvrisolBase& d, F eField, const SRapidItem& item)
{
    switch (eField)
    {
    case F::Series:
        d.cpcSeriesCode = Key(item);
        break;
    case F::Size:
        d.cpcSizeCode = Key(item);
        d.cudCapacityDisplay = item.value;
        break;
    case F::Construction:
        d.cpcConstructionCode = item.code;
        d.strConstruction = item.code.m_strDescription;
        break;
    case F::Bladder:
        d.cpcBladderCode = item.code;
        break;
    case F::Fixed:
        d.m_lstDefaultCodes.push_back(Key(item));
        break;
    default:
        break;
    }
}
} // namespace

CRapidSelection::CRapidSelection(const SRapidType& type, IDatabase& db)
    : m_type(type), m_db(db), m_lists(type.lists.size())
{
    Fill(0);
    m_lists[0].bEnabled = true;
}

void CRapidSelection::Fill(int nList)
{
    SRapidListState& list = m_lists[static_cast<std::size_t>(nList)];
    list = SRapidListState();
    const SRapidList& def = m_type.lists[static_cast<std::size_t>(nList)];
    std::vector<std::pair<std::string, std::string>> params;
    for (const SRapidParam& param : def.params)
    {
        if (param.nSource == kFromType)
            params.emplace_back(param.pszName, m_type.pszType);
        else if (param.nSource == kConstant)
            params.emplace_back(param.pszName, param.pszConstant);
        else if (const SRapidItem* pSource = m_lists[static_cast<std::size_t>(param.nSource)].Selected())
            params.emplace_back(param.pszName, pSource->code.m_strCode);
        else
            return; // a parameter without a value is not run: the list has nothing to offer
    }
    IQueryDef query(m_db);
    query.Open(def.pszQuery);
    for (const auto& [strName, strValue] : params)
        query.SetParamValue(strName, strValue);
    IRecordset rows(m_db);
    rows.Open(query);
    for (; !rows.IsEOF(); rows.MoveNext())
    {
        SRapidItem item;
        if (def.pszUnits)
        {
            item.value = CUnitDouble(rows.GetDouble(def.pszText), rows.GetString(def.pszUnits));
            item.strText = CUnitConvMap::FormatNumber(item.value.Value(), 10, false, true) + " " +
                           UnitDisplayText(item.value.GetUnit());
        }
        else
            item.strText = rows.GetString(def.pszText);
        item.code = CPartCode(rows.GetString(def.pszCode), rows.GetInt("CodeLocation"),
                              def.pszStored ? rows.GetString(def.pszStored) : item.strText);
        if (def.pszExtra)
            item.strExtra = rows.GetString(def.pszExtra);
        list.items.push_back(std::move(item));
    }
}

void CRapidSelection::Advance(int nFrom)
{
    for (int k = nFrom; k < static_cast<int>(m_lists.size()); ++k)
    {
        Fill(k);
        SRapidListState& list = m_lists[static_cast<std::size_t>(k)];
        list.bEnabled = !list.items.empty();
        if (list.items.size() == 1)
            list.nSelected = 0; // an only choice is taken at once
        else if (!list.items.empty())
        {
            m_nWaiting = k;
            return;
        }
    }
    m_nWaiting = -1;
}

void CRapidSelection::Select(int nList, int nItem)
{
    if (nList < 0 || nList >= static_cast<int>(m_lists.size()) || !m_lists[static_cast<std::size_t>(nList)].bEnabled)
        return;
    SRapidListState& list = m_lists[static_cast<std::size_t>(nList)];
    list.nSelected = nItem >= 0 && nItem < static_cast<int>(list.items.size()) ? nItem : -1;
    for (std::size_t k = static_cast<std::size_t>(nList) + 1; k < m_lists.size(); ++k)
        m_lists[k] = SRapidListState();
    if (list.nSelected < 0)
        m_nWaiting = nList;
    else
        Advance(nList + 1);
}

bool CRapidSelection::SelectCode(int nList, const std::string& strCode)
{
    if (nList < 0 || nList >= static_cast<int>(m_lists.size()))
        return false;
    const SRapidListState& list = m_lists[static_cast<std::size_t>(nList)];
    for (std::size_t i = 0; i < list.items.size(); ++i)
        if (list.bEnabled && list.items[i].code.m_strCode == strCode)
        {
            Select(nList, static_cast<int>(i));
            return true;
        }
    return false;
}

std::unique_ptr<CBaseProduct> CRapidSelection::MakeSelection(ISelectionOwner& owner) const
{
    const auto chosen = [&](auto&& write)
    {
        for (std::size_t k = 0; k < m_lists.size(); ++k)
            if (const SRapidItem* pItem = m_lists[k].Selected(); pItem && pItem->code.m_strCode != "_")
                write(m_type.lists[k].eField, *pItem, m_lists[k]);
    };
    if (m_type.nProdId == 2)
    {
        auto pIsolator = std::make_unique<COvrisolBase>();
        pIsolator->m_pOwner = &owner;
        pIsolator->Initialize(0);
        chosen([&](F eField, const SRapidItem& item, const SRapidListState&) { WriteIsolator(*pIsolator, eField, item); });
        pIsolator->m_nLevel = 2;
        pIsolator->BuildPartNumber();
        return pIsolator;
    }
    auto pData = std::make_unique<CAccumulatorData>();
    CAccumulatorData& d = *pData;
    d.m_pOwner = &owner;
    d.strAccumulatorType = m_type.pszType;
    d.Initialize(0);
    d.strAccumulatorType = m_type.pszType;
    if (d.strAccumulatorType == "GB")
        d.cpcSealCode.Reset(); // a GB series bottle has no seal
    chosen([&](F eField, const SRapidItem& item, const SRapidListState&) { WriteModelKey(d, eField, item); });
    if (IsComplete())
        if (const std::optional<SAccumulatorList> row = FindModel(d, m_db))
            ApplyModel(d, *row, m_db);
    chosen([&](F eField, const SRapidItem& item, const SRapidListState& list) { WriteDetail(d, eField, item, list); });
    d.m_nLevel = 3;
    d.BuildPartNumber();
    return pData;
}
