// Seal classes, what each seals, the fluid compatibility search and the fields it hands back.
#include "models/SealSearch.h"

#include "catalogue/Catalogue.h"
#include "catalogue/MessageKeys.h"
#include "platform/StringTable.h"
#include "selection/AccumulatorData.h"
#include "units/UnitConvMap.h"

namespace
{
std::string Number(double dValue)
{
    return CUnitConvMap::FormatNumberString(dValue, 6, false, true);
}

std::vector<SSealClassElement> SealClasses(IQueryDef& def, IDatabase& db)
{
    IRecordset rows(db);
    rows.Open(def);
    std::vector<SSealClassElement> found;
    for (; !rows.IsEOF(); rows.MoveNext())
        found.push_back(
            {rows.GetString("Description"), rows.GetDouble("TempLow"), rows.GetString("Units"),
             rows.GetDouble("TempHigh"),
             CPartCode(rows.GetString("Code"), rows.GetInt("CodeLocation"), rows.GetString("Description"))});
    return found;
}
} // namespace

int PreselectedItem(const std::vector<CPartCode>& items, const std::string& strHeld, bool bByDescription)
{
    for (std::size_t i = 0; i < items.size(); ++i)
        if ((bByDescription ? items[i].m_strDescription : items[i].m_strCode) == strHeld)
            return static_cast<int>(i);
    return items.empty() ? -1 : 0;
}

SDetailList SealList(const std::string& strAccumType, const std::string& strSealCode, IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qDetailSeal");
    def.SetParamValue("[parAccumType]", strAccumType);
    IRecordset rows(db);
    rows.Open(def);
    SDetailList list;
    for (; !rows.IsEOF(); rows.MoveNext())
        list.items.emplace_back(rows.GetString("Code"), rows.GetInt("CodeLocation"),
                                rows.GetString("Description"));
    list.nSelected = PreselectedItem(list.items, strSealCode);
    return list;
}

std::string TemperatureRangeText(double dLow, double dHigh, const std::string& strUnit)
{
    const std::string strUnitText = UnitDisplayText(strUnit);
    return Number(dLow) + " " + strUnitText + LoadString(50029) + Number(dHigh) + " " + strUnitText;
}

SSealFluidInfo SealFluidInfo(const std::string& strAccumType, const std::string& strSealCode, IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qDetailSealFluid");
    def.SetParamValue("[parAccumType]", strAccumType);
    def.SetParamValue("[parSealCode]", strSealCode);
    IRecordset rows(db);
    rows.Open(def);
    SSealFluidInfo info;
    if (rows.IsEOF())
        return info;
    info.strTypicalFluids = rows.GetString("TypicalFluids");
    info.strInfo = rows.GetString("Info");
    info.strRange1 = TemperatureRangeText(rows.GetDouble("TempLow1"), rows.GetDouble("TempHigh1"),
                                          rows.GetString("Units1"));
    info.strRange2 = TemperatureRangeText(rows.GetDouble("TempLow2"), rows.GetDouble("TempHigh2"),
                                          rows.GetString("Units2"));
    return info;
}

std::vector<std::string> FluidNames(IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qDetailFluidCompatibilty");
    IRecordset rows(db);
    rows.Open(def);
    std::vector<std::string> names;
    for (; !rows.IsEOF(); rows.MoveNext())
        names.push_back(rows.GetString("FluidName"));
    return names;
}

SFluidSearchCheck CheckFluidSearch(const std::optional<double>& high, const std::optional<double>& low)
{
    if (!high)
        return {msg::kEnterMaxTemperature, ETemperatureEntry::High};
    if (!low)
        return {msg::kEnterMinTemperature, ETemperatureEntry::Low};
    if (!(*high > *low))
        return {msg::kMaxTempNotAboveMin, ETemperatureEntry::High};
    return {};
}

SSealSearch RunSealSearch(const std::string& strAccumType, const std::string& strFluid,
                          const std::string& strTempUnit, double dLow, double dHigh, IDatabase& db)
{
    SSealSearch search;
    {
        IQueryDef def(db);
        def.Open("qDetailFluidSealClass");
        def.SetParamValue("[parAccumType]", strAccumType);
        def.SetParamValue("[parFluid]", strFluid);
        def.SetParamValue("[parTempUnit]", strTempUnit);
        def.SetParamValue("[parTempLow]", dLow);
        def.SetParamValue("[parTempHigh]", dHigh);
        search.rows = SealClasses(def, db);
    }
    if (!search.rows.empty())
    {
        search.eOutcome = ESealSearchOutcome::Compatible;
        search.strMessageKey = msg::kSealAndTempCompatible;
        return search;
    }
    IQueryDef def(db);
    def.Open("qDetailFluidNoTempMatch");
    def.SetParamValue("[parAccumType]", strAccumType);
    def.SetParamValue("[parFluid]", strFluid);
    def.SetParamValue("[parTempUnit]", strTempUnit);
    search.rows = SealClasses(def, db);
    if (!search.rows.empty())
    {
        search.eOutcome = ESealSearchOutcome::CompatibleNotTemperature;
        search.strMessageKey = msg::kSealCompatibleTempNot;
    }
    else
    {
        search.eOutcome = ESealSearchOutcome::NotCompatible;
        search.strMessageKey = msg::kSealAndTempNotCompatible;
    }
    return search;
}

SFluidSearchResult MakeFluidSearchResult(const SSealClassElement& row, const std::string& strFluid,
                                         const CUnitDouble& maxEntered, const CUnitDouble& minEntered,
                                         const std::string& strDescription)
{
    return {row.code.m_strCode,
            strFluid,
            maxEntered,
            minEntered,
            CUnitDouble(row.dTempHigh, row.strUnits),
            CUnitDouble(row.dTempLow, row.strUnits),
            strDescription};
}

void CopyFluidCompatibility(const CAccumulatorData& from, CAccumulatorData& to)
{
    to.strTypFluid = from.strTypFluid;
    to.cudMaxEnteredTempFluidCompatibility = from.cudMaxEnteredTempFluidCompatibility;
    to.cudMinEnteredTempFluidCompatibility = from.cudMinEnteredTempFluidCompatibility;
    to.strSelectedFluid = from.strSelectedFluid;
    to.strFluidCompatDescription = from.strFluidCompatDescription;
    to.cudMaxFluidTempFluidCompatibility = from.cudMaxFluidTempFluidCompatibility;
    to.cudMinFluidTempFluidCompatibility = from.cudMinFluidTempFluidCompatibility;
}

void ApplySealAssistance(CAccumulatorData& data, const std::optional<SSealAssistance>& assistance,
                         const CAccumulatorData& former, const CAccumulatorData& cleared)
{
    const std::string& strSeal = data.cpcSealCode.m_strCode;
    CopyFluidCompatibility(strSeal == former.cpcSealCode.m_strCode ? former : cleared, data);
    if (!assistance || assistance->seal.m_strCode != strSeal)
        return;
    data.strTypFluid = assistance->strTypicalFluids;
    if (const std::optional<SFluidSearchResult>& search = assistance->search;
        search && search->strSealCode == strSeal)
    {
        data.strSelectedFluid = search->strFluid;
        data.cudMaxEnteredTempFluidCompatibility = search->maxEntered;
        data.cudMinEnteredTempFluidCompatibility = search->minEntered;
        data.cudMaxFluidTempFluidCompatibility = search->maxRange;
        data.cudMinFluidTempFluidCompatibility = search->minRange;
        data.strFluidCompatDescription = search->strDescription;
    }
}
