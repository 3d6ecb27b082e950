// The reservoir isolator's sizes, bladders and model choice.
#include "models/OvrisolModel.h"

#include "catalogue/Catalogue.h"
#include "models/DetailLists.h"
#include "selection/OvrisolBase.h"
#include "sizing/OvrisolCapacity.h"

namespace
{
void CopyFluidCompatibility(const COvrisolBase& from, COvrisolBase& to)
{
    to.cudMaxEnteredTempFluidCompatibility = from.cudMaxEnteredTempFluidCompatibility;
    to.cudMinEnteredTempFluidCompatibility = from.cudMinEnteredTempFluidCompatibility;
    to.strSelectedFluid = from.strSelectedFluid;
    to.cudMaxFluidTempFluidCompatibility = from.cudMaxFluidTempFluidCompatibility;
    to.cudMinFluidTempFluidCompatibility = from.cudMinFluidTempFluidCompatibility;
}

// No fluid search for the bladder: the values a new selection starts with, in the unit held.
void ResetFluidCompatibility(COvrisolBase& data)
{
    const std::string strUnit = data.cudMaxFluidTempFluidCompatibility.GetUnit();
    data.cudMaxEnteredTempFluidCompatibility.Set(0.0, strUnit);
    data.cudMinEnteredTempFluidCompatibility.Set(0.0, strUnit);
    data.strSelectedFluid.clear();
    data.cudMaxFluidTempFluidCompatibility.Set(110.0, strUnit);
    data.cudMinFluidTempFluidCompatibility.Set(60.0, strUnit);
}
} // namespace

std::vector<SOvrisolSize> OvrisolSizes(const COvrisolBase& data, IDatabase& db)
{
    const ovrisol::SSizeQuery query = ovrisol::SizeQuery(data);
    IQueryDef def(db);
    def.Open("qOvrisolSize");
    def.SetParamValue("[parVcylinder]", query.dCylinder);
    def.SetParamValue("[parVaccumulator]", query.dAccumulator);
    def.SetParamValue("[parHighfluid]", query.dHighLevel);
    def.SetParamValue("[parLowfluid]", query.dLowLevel);
    def.SetParamValue("[parLength]", query.dLength);
    def.SetParamValue("[parWidth]", query.dWidth);
    IRecordset rows(db);
    rows.Open(def);
    std::vector<SOvrisolSize> sizes;
    for (; !rows.IsEOF(); rows.MoveNext())
        sizes.push_back({CUnitDouble(rows.GetDouble("CapDisplay"), rows.GetString("CapDisplayUnits")),
                         rows.GetString("Construction"),
                         CPartCode(rows.GetString("Series"), rows.GetInt("SeriesLocation")),
                         CPartCode(rows.GetString("SizeCode"), rows.GetInt("SizeLocation")),
                         CPartCode(rows.GetString("ConstructionCode"), rows.GetInt("ConstructionLocation"),
                                   rows.GetString("Construction"))});
    return sizes;
}

std::string OvrisolSizeText(const SOvrisolSize& size)
{
    return size.capacity.Format(10, false, true) + " " + size.capacity.GetUnitString() + "\t" + size.strConstruction;
}

int PreselectedOvrisolSize(const std::vector<SOvrisolSize>& sizes, const COvrisolBase& data)
{
    for (std::size_t i = 0; i < sizes.size(); ++i)
        if (sizes[i].size.m_strCode == data.cpcSizeCode.m_strCode &&
            sizes[i].construction.m_strCode == data.cpcConstructionCode.m_strCode)
            return static_cast<int>(i);
    return sizes.empty() ? -1 : 0;
}

SDetailList OvrisolBladders(const std::string& strSeries, const std::string& strHeld, IDatabase& db)
{
    return DetailList(DetailRows(db, "qOvrisolBladder", {{"[parSeries]", strSeries}}, "Code", "CodeLocation",
                                 "Description"),
                      strHeld);
}

void ApplyOvrisolSealAssistance(COvrisolBase& data, const SSealAssistance& assistance)
{
    const bool bSameBladder = data.cpcBladderCode.m_strCode == assistance.seal.m_strCode;
    data.cpcBladderCode = assistance.seal;
    if (assistance.search)
    {
        const SFluidSearchResult& search = *assistance.search;
        data.cudMaxEnteredTempFluidCompatibility = search.maxEntered;
        data.cudMinEnteredTempFluidCompatibility = search.minEntered;
        data.strSelectedFluid = search.strFluid;
        data.cudMaxFluidTempFluidCompatibility = search.maxRange;
        data.cudMinFluidTempFluidCompatibility = search.minRange;
    }
    else if (!bSameBladder)
        ResetFluidCompatibility(data); // what was found before described another bladder
}

void ApplyOvrisolModel(COvrisolBase& stored, const SOvrisolSize& size, const CPartCode& bladder,
                       const COvrisolBase& former, IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qOvrisolPartNumber");
    def.SetParamValue("[parSeries]", size.series.m_strCode);
    IRecordset rows(db);
    rows.Open(def);
    stored.m_lstDefaultCodes.clear();
    for (; !rows.IsEOF(); rows.MoveNext())
        stored.m_lstDefaultCodes.emplace_back(rows.GetString("Code"), rows.GetInt("CodeLocation"));
    if (former.cpcBladderCode.m_strCode == bladder.m_strCode)
        CopyFluidCompatibility(former, stored);
    else
        ResetFluidCompatibility(stored);
    stored.cpcBladderCode = bladder;
    stored.cudCapacityDisplay = size.capacity;
    stored.strConstruction = size.strConstruction;
    stored.cpcSeriesCode = size.series;
    stored.cpcSizeCode = size.size;
    stored.cpcConstructionCode = size.construction;
}
