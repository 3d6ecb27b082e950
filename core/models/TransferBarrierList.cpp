// The transfer barrier filters, rows and choice.
#include "models/TransferBarrierList.h"

#include "catalogue/Catalogue.h"
#include "models/NoFilter.h"
#include "selection/TransferBase.h"

namespace
{
std::string ValueText(const CUnitDouble& value)
{
    return value.Format(10, false, true) + " " + value.GetUnitString();
}

// The query of a filter list and the two parameters that are the other filters.
struct SFilterQuery
{
    const char* pszQuery;
    const char* pszFirst;
    const std::string* pFirst;
    const char* pszSecond;
    const std::string* pSecond;
};

SFilterQuery FilterQuery(ETransferFilter eFilter, const STransferFilters& f)
{
    switch (eFilter)
    {
    case ETransferFilter::Pressure:
        return {"qTransferBarrierPressure", "[parSizeCombo]", &f.strSize, "[parServiceCombo]", &f.strService};
    case ETransferFilter::Service:
        return {"qTransferBarrierService", "[parSizeCombo]", &f.strSize, "[parPressureCombo]", &f.strPressure};
    case ETransferFilter::Size:
        break;
    }
    return {"qTransferBarrierSize", "[parPressureCombo]", &f.strPressure, "[parServiceCombo]", &f.strService};
}
} // namespace

STransferFilters::STransferFilters()
    : strPressure(kNoFilter), strService(kNoFilter), strSize(kNoFilter)
{
}

std::vector<SFilterEntry> TransferFilterEntries(ETransferFilter eFilter, const STransferFilters& filters,
                                                IDatabase& db)
{
    const SFilterQuery q = FilterQuery(eFilter, filters);
    IQueryDef def(db);
    def.Open(q.pszQuery);
    def.SetParamValue(q.pszFirst, *q.pFirst);
    def.SetParamValue(q.pszSecond, *q.pSecond);
    IRecordset rows(db);
    rows.Open(def);
    std::vector<SFilterEntry> entries;
    for (; !rows.IsEOF(); rows.MoveNext())
    {
        switch (eFilter)
        {
        case ETransferFilter::Pressure:
            entries.push_back({rows.GetString("PressureCode"),
                               ValueText(CUnitDouble(rows.GetDouble("Pressure"), rows.GetString("PressUnits")))});
            break;
        case ETransferFilter::Service:
            entries.push_back({rows.GetString("ServiceCode"), rows.GetString("Service")});
            break;
        case ETransferFilter::Size:
            entries.push_back({rows.GetString("CapCode"),
                               ValueText(CUnitDouble(rows.GetDouble("Cap"), rows.GetString("CapUnits")))});
            break;
        }
    }
    return entries;
}

std::vector<STransferRow> TransferBarrierRows(const STransferFilters& filters, IDatabase& db)
{
    IQueryDef def(db);
    def.Open("qTransBarList");
    def.SetParamValue("[parPressureCombo]", filters.strPressure);
    def.SetParamValue("[parServiceCombo]", filters.strService);
    def.SetParamValue("[parSizeCombo]", filters.strSize);
    IRecordset rows(db);
    rows.Open(def);
    std::vector<STransferRow> result;
    for (; !rows.IsEOF(); rows.MoveNext())
    {
        const std::string strService = rows.GetString("Service");
        result.push_back({CUnitDouble(rows.GetDouble("Cap"), rows.GetString("CapUnits")),
                          CUnitDouble(rows.GetDouble("Pressure"), rows.GetString("PressUnits")), strService,
                          CPartCode(rows.GetString("CapCode"), rows.GetInt("CapCodeLocation")),
                          CPartCode(rows.GetString("PressureCode"), rows.GetInt("PressureLocation")),
                          CPartCode(rows.GetString("ServiceCode"), rows.GetInt("ServiceLocation"), strService),
                          CPartCode(rows.GetString("Series"), rows.GetInt("SeriesLocation"))});
    }
    return result;
}

std::vector<std::string> TransferRowCells(const STransferRow& row)
{
    // The capacity's unit shows by its display text, like the pressure's, not by its code.
    return {ValueText(row.capacity), ValueText(row.pressure), row.strService};
}

int PreselectedTransferRow(const std::vector<STransferRow>& rows, const CTransferBase& data)
{
    // Capacity and series alone leave the pressure and the service open: the row that matches
    // all four codes comes first.
    const auto sameSize = [&](const STransferRow& row)
    {
        return row.capacityCode.m_strCode == data.cpcCapCode.m_strCode &&
               row.series.m_strCode == data.cpcSeriesCode.m_strCode;
    };
    int nSameSize = -1;
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
        if (!sameSize(rows[i]))
            continue;
        if (rows[i].pressureCode.m_strCode == data.cpcPressureCode.m_strCode &&
            rows[i].serviceCode.m_strCode == data.cpcServiceCode.m_strCode)
            return static_cast<int>(i);
        if (nSameSize < 0)
            nSameSize = static_cast<int>(i);
    }
    if (nSameSize >= 0)
        return nSameSize;
    return rows.empty() ? -1 : 0;
}

void ApplyTransferBarrier(CTransferBase& data, const STransferRow& row, IDatabase& db)
{
    data.cudCapacity = row.capacity;
    data.cudPressure = row.pressure;
    data.strService = row.strService;
    data.cpcCapCode = row.capacityCode;
    data.cpcPressureCode = row.pressureCode;
    data.cpcServiceCode = row.serviceCode;
    data.cpcSeriesCode = row.series;
    IQueryDef def(db);
    def.Open("qBladderPartNumber");
    def.SetParamValue("[parSeries]", row.series.m_strCode);
    def.SetParamValue("[parPressure]", row.pressureCode.m_strCode);
    IRecordset rows(db);
    rows.Open(def);
    data.m_lstDefaultCodes.clear();
    for (; !rows.IsEOF(); rows.MoveNext())
        data.m_lstDefaultCodes.emplace_back(rows.GetString("Code"), rows.GetInt("CodeLocation"), std::string(),
                                            rows.GetString("CodeType"));
}
