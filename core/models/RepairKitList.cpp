// Repair kit types, filters and kits, and the chosen kit written into the selection.
#include "models/RepairKitList.h"

#include "catalogue/Catalogue.h"
#include "models/NoFilter.h"
#include "selection/RepairKitBase.h"

namespace
{
struct SFilterQuery
{
    const char* pszQuery;
    const char* pszField;
};

SFilterQuery FilterQuery(EKitFilter eFilter)
{
    switch (eFilter)
    {
    case EKitFilter::Size:
        return {"qKitSizeCombo", "Size"};
    case EKitFilter::Seal:
        return {"qKitSealCombo", "Seal"};
    case EKitFilter::Construction:
        return {"qKitConstructionCombo", "Construction"};
    case EKitFilter::Service:
        return {"qKitServiceCombo", "Service"};
    case EKitFilter::Port:
        break;
    }
    return {"qKitPortCombo", "Port"};
}

// Every list of the kit dialog is asked with the same six parameters, in this order.
void SetFilters(IQueryDef& def, const SKitFilters& filters)
{
    def.SetParamValue("[parSizeCombo]", filters[EKitFilter::Size]);
    def.SetParamValue("[parSealCombo]", filters[EKitFilter::Seal]);
    def.SetParamValue("[parConstruction]", filters[EKitFilter::Construction]);
    def.SetParamValue("[parService]", filters[EKitFilter::Service]);
    def.SetParamValue("[parPort]", filters[EKitFilter::Port]);
    def.SetParamValue("[parRepairKitType]", filters.strKitType);
}
} // namespace

std::vector<std::string> RepairKitTypes(IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qRepairKit");
    IRecordset rows(db);
    rows.Open(def);
    std::vector<std::string> types;
    for (; !rows.IsEOF(); rows.MoveNext())
        types.push_back(rows.GetString("Kit Type"));
    return types;
}

SKitFilters::SKitFilters(std::string strType) : strKitType(std::move(strType))
{
    values.fill(kNoFilter);
}

std::vector<std::string> KitFilterValues(EKitFilter eFilter, const SKitFilters& filters, IDatabase& db)
{
    const SFilterQuery q = FilterQuery(eFilter);
    IQueryDef def(db);
    def.Open(q.pszQuery);
    SetFilters(def, filters);
    IRecordset rows(db);
    rows.Open(def);
    std::vector<std::string> values;
    for (; !rows.IsEOF(); rows.MoveNext())
        values.push_back(rows.GetString(q.pszField));
    return values;
}

std::vector<SRepairKit> RepairKits(const SKitFilters& filters, IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qRepKitList");
    SetFilters(def, filters);
    IRecordset rows(db);
    rows.Open(def);
    std::vector<SRepairKit> kits;
    for (; !rows.IsEOF(); rows.MoveNext())
        kits.push_back({rows.GetString("RepairKit"), rows.GetString("PartNumber")});
    return kits;
}

int PreselectedKit(const std::vector<SRepairKit>& kits, const CRepairKitBase& data)
{
    for (std::size_t i = 0; i < kits.size(); ++i)
        if (kits[i].strKit == data.strKit && kits[i].strPartNumber == data.strPartNumber)
            return static_cast<int>(i);
    return -1;
}

void ApplyRepairKit(CRepairKitBase& data, const SRepairKit& kit)
{
    data.strKit = kit.strKit;
    data.strPartNumber = kit.strPartNumber;
}
