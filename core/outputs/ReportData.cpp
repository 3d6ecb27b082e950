// The selection report's common parts: labels, value keys, dimensions, pictures, and the choice
// of the product's report.
#include "outputs/ReportData.h"

#include "catalogue/LoadJpeg.h"
#include "catalogue/MessageKeys.h"
#include "catalogue/MsgStoredProc.h"
#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"
#include "outputs/ReportFillers.h"
#include "outputs/ReportKeys.h"
#include "selection/BaseProduct.h"
#include "platform/StringTable.h"
#include "selection/SelectionClass.h"

namespace
{
constexpr int kStringSoftwareVersion = 50068;
constexpr int kStringPictureUnreadable = 59240; // the picture's name

using Params = std::vector<std::pair<std::string, std::string>>;

// Runs a stored query with text parameters.
void Run(IRecordset& rows, IDatabase& db, const char* pszQuery, const Params& params)
{
    IQueryDef query(db);
    query.Open(pszQuery);
    for (const auto& [strName, strValue] : params)
        query.SetParamValue(strName, strValue);
    rows.Open(query);
}

// One picture by name; a name the catalogue cannot give is a problem to tell, not a silent gap.
SReportPicture LoadPicture(const std::string& strName, IDatabase& db, std::vector<std::string>& problems)
{
    SReportPicture picture{strName, {}};
    if (strName.empty())
        return picture;
    if (auto bytes = CLoadJpeg::Load(strName, db))
        picture.bytes = std::move(*bytes);
    else
        problems.push_back(FormatString(kStringPictureUnreadable, {strName}));
    return picture;
}
} // namespace

bool HasSelectionReport(const CBaseProduct& selection)
{
    return VisitSelectionClass(selection, [](const char*, const auto&) {});
}

SSelectionReport PrintSelectionReport(const CBaseProduct& selection, const SReportContext& context)
{
    SSelectionReport report;
    VisitSelectionClass(selection, [&](const char*, const auto& typed) { report = ProductReport(typed, context); });
    return report;
}

namespace report
{
const char* ReportWarningKey(int nProdId)
{
    // By the product ids of "Choose Product"; accumulators chosen by application keep the first.
    switch (nProdId)
    {
    case 1:
        return msg::kGasBottleReportWarning;
    case 2:
        return msg::kIsolatorReportWarning;
    case 3:
        return msg::kAccessoryReportWarning;
    case 4:
        return msg::kRepairKitReportWarning;
    case 5:
        return msg::kTransferBarrierReportWarning;
    default:
        return msg::kSelectionReportWarning;
    }
}

void AddLabelKeys(CReportMap& map, IDatabase& db)
{
    IRecordset rows(db);
    Run(rows, db, "qSelRepLabels", {});
    for (; !rows.IsEOF(); rows.MoveNext())
    {
        std::string strLabel = rows.GetString("FieldLabel");
        if (!strLabel.empty())
            map.Set(rows.GetString("MapKey"), std::move(strLabel));
    }
}

std::vector<std::string> ValueKeys(IDatabase& db)
{
    IRecordset rows(db);
    Run(rows, db, "qGetSelectionReportLabels", {});
    std::vector<std::string> keys;
    for (; !rows.IsEOF(); rows.MoveNext())
        keys.push_back(rows.GetString("MapKey"));
    return keys;
}

bool CommonValue(const std::string& strKey, const SReportContext& context, IDatabase& db, std::string& strText)
{
    if (strKey == "GRAPHICSPATH")
        strText = context.applicationFolder.generic_string() + "/graphics/";
    else if (strKey == "DimPicture")
        strText = "image.jpg";
    else if (strKey == "LastChangeVAL")
        strText.clear();
    else if (strKey == "ReportDateVAL")
        strText = FormatReportDate(context.now);
    else if (strKey == "SoftwareVersionVAL")
        strText = LoadString(kStringSoftwareVersion);
    else if (strKey == "WarningVAL")
        strText = CIMsgStoredProc(db).GetMessage(ReportWarningKey(context.nProdId));
    else
        return false;
    return true;
}

void AddLabelAndValueKeys(CReportMap& map, const SReportContext& context, IDatabase& db,
                          const std::function<std::string(const std::string&)>& ownText)
{
    AddLabelKeys(map, db);
    for (const std::string& strKey : ValueKeys(db))
    {
        std::string strText;
        if (!CommonValue(strKey, context, db, strText))
            strText = ownText(strKey);
        map.Set(strKey, std::move(strText));
    }
}

std::string SeriesDescription(IDatabase& db, const std::string& strSeries)
{
    IQueryDef query(db);
    query.Open("qSeriesDescription");
    query.SetParamValue("[parSeries]", strSeries);
    IRecordset rows(db);
    rows.Open(query);
    return rows.IsEOF() ? std::string() : rows.GetString("Description");
}

void AddModelCodes(CReportMap& map, std::vector<CPartCode> codes,
                   const std::function<std::string(const CPartCode&)>& fnDescribe)
{
    std::stable_sort(codes.begin(), codes.end(),
                     [](const CPartCode& a, const CPartCode& b) { return a.m_nLocation < b.m_nLocation; });
    CReportMap::Texts texts, descriptions;
    for (const CPartCode& code : codes)
    {
        if (code.m_strCode.empty() || code.m_strCode == "_" || code.m_nLocation <= 0 ||
            code.m_nLocation >= CBaseProduct::kFirstUnusedLocation)
            continue;
        texts.push_back(code.m_strCode);
        descriptions.push_back(code.m_strDescription.empty() ? fnDescribe(code) : code.m_strDescription);
    }
    map.SetList(reportkey::kModelCode, std::move(texts));
    map.SetList(reportkey::kModelCodeDescription, std::move(descriptions));
}

void AddDimensionRows(CReportMap& map, IDatabase& db, const char* pszQuery, const Params& params)
{
    IRecordset rows(db);
    Run(rows, db, pszQuery, params);
    for (; !rows.IsEOF(); rows.MoveNext())
    {
        map.Append("DimLabelVAL", rows.GetString("Dim"));
        map.Append("DimValueVAL", rows.GetString("Value"));
    }
}

void LoadPictures(SSelectionReport& report, IDatabase& db, const Params& pictureParams,
                  const std::string& strBrandName)
{
    IRecordset rows(db);
    Run(rows, db, "qSelRepPicture", pictureParams);
    std::string strName;
    if (!rows.IsBOF())
    {
        rows.MoveLast();
        strName = rows.GetString("Image");
    }
    report.picture = LoadPicture(strName, db, report.problems);
    LoadBrand(report, db, strBrandName);
}

void LoadBrand(SSelectionReport& report, IDatabase& db, const std::string& strBrandName)
{
    report.brand = LoadPicture(strBrandName, db, report.problems);
}
} // namespace report
