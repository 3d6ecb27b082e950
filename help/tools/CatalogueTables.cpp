// Tables of the catalogue for the help and the reference documents, read through stored queries.
#include "CatalogueTables.h"

#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"
#include "selection/BaseProduct.h"
#include "units/UnitConvMap.h"
#include "units/UnitDouble.h"

#include <functional>
#include <stdexcept>

namespace helpbuild
{
namespace
{
using Params = std::vector<std::pair<std::string, std::string>>;

void ForEachRow(IDatabase& db, const char* pszQuery, const Params& params,
                const std::function<void(const IRecordset&)>& fnRow)
{
    IQueryDef def(db);
    def.Open(pszQuery);
    for (const auto& [strName, strValue] : params)
        def.SetParamValue(strName, strValue);
    IRecordset rows(db);
    rows.Open(def);
    while (!rows.IsEOF())
    {
        fnRow(rows);
        rows.MoveNext();
    }
}

void RequireLabels(const std::vector<std::string>& labels, std::size_t nCount, const std::string& strWhat)
{
    if (labels.size() != nCount)
        throw std::runtime_error(strWhat + " takes " + std::to_string(nCount) + " labels after '|', not " +
                                 std::to_string(labels.size()));
}

std::string Cell(std::string strText)
{
    for (std::size_t n = strText.find('|'); n != std::string::npos; n = strText.find('|', n + 2))
        strText.replace(n, 1, "\\|");
    return strText;
}

// A section of a data sheet: its heading (the first label), then the table; nothing without rows.
std::string Section(const std::vector<std::string>& labels, const std::vector<std::vector<std::string>>& rows)
{
    if (rows.empty())
        return std::string();
    return "## " + labels.front() + "\n\n" +
           MarkdownTable(std::vector<std::string>(labels.begin() + 1, labels.end()), rows);
}

std::string Range(double dLowF, double dHighF)
{
    const CUnitDouble low(dLowF, "DEG_F"), high(dHighF, "DEG_F");
    return ShownNumber(dLowF, std::string(), 0) + " … " + ShownNumber(dHighF, "DEG_F", 0) + " (" +
           ShownNumber(low.GetValue("DEG_C"), std::string(), 0) + " … " +
           ShownNumber(high.GetValue("DEG_C"), "DEG_C", 0) + ")";
}
} // namespace

std::string MarkdownTable(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows)
{
    std::string strTable = "|";
    for (const std::string& strLabel : header)
        strTable += " " + Cell(strLabel) + " |";
    strTable += "\n|";
    for (std::size_t n = 0; n < header.size(); ++n)
        strTable += "---|";
    strTable += "\n";
    for (const auto& row : rows)
    {
        strTable += "|";
        for (const std::string& strCell : row)
            strTable += " " + (strCell.empty() ? std::string("–") : Cell(strCell)) + " |";
        strTable += "\n";
    }
    return strTable + "\n";
}

std::string ShownNumber(double dValue, const std::string& strUnit, int nDecimals)
{
    std::string strText = CUnitConvMap::FormatNumber(dValue, nDecimals, false, true);
    if (strText == "-0")
        strText = "0";
    return strUnit.empty() ? strText : strText + " " + UnitDisplayText(strUnit);
}

std::string CCatalogueTables::Catalogue(const std::vector<std::string>& args, const std::vector<std::string>& labels)
{
    if (args.size() == 2 && args[0] == "seals")
        return Seals(args[1], labels);
    if (args.size() == 2 && args[0] == "fluids")
        return Fluids(args[1], labels);
    if (args.size() == 1 && args[0] == "series")
        return SeriesList(labels);
    throw std::runtime_error("unknown catalogue table");
}

std::string CCatalogueTables::Series(const std::string& strSeries, const std::vector<std::string>& args,
                                     const std::vector<std::string>& labels)
{
    if (args.size() != 1)
        throw std::runtime_error("series takes one field or section");
    const std::string& strWhat = args[0];
    if (strWhat == "ratings")
        return Ratings(strSeries, labels);
    if (strWhat == "models")
        return Models(strSeries, labels);
    if (strWhat == "isolators")
        return Isolators(strSeries, labels);
    if (strWhat == "barriers")
        return Barriers(strSeries, labels);
    if (strWhat == "codes")
        return Codes(strSeries, labels);
    if (strWhat == "seals" || strWhat == "fluids")
    {
        RequireLabels(labels, strWhat == "seals" ? 5 : 3, "series " + strWhat);
        const std::vector<std::string> columns(labels.begin() + 1, labels.end());
        const std::string strTable =
            strWhat == "seals" ? Seals(SeriesType(strSeries), columns) : Fluids(SeriesType(strSeries), columns);
        return strTable.empty() ? strTable : "## " + labels.front() + "\n\n" + strTable;
    }
    std::string strCode, strDescription, strImage;
    ForEachRow(m_db, "qSheetSeries", {{"[parSeries]", strSeries}},
               [&](const IRecordset& row)
               {
                   strCode = row.GetString("SeriesCode");
                   strDescription = row.GetString("Description");
                   strImage = row.GetString("Image");
               });
    if (strCode.empty())
        throw std::runtime_error("the catalogue has no series " + strSeries);
    if (strWhat == "code")
        return strCode;
    if (strWhat == "description")
        return strDescription;
    if (strWhat == "picture")
    {
        m_pictures.insert(strImage);
        return "![" + strDescription + "](" + strImage + ")";
    }
    throw std::runtime_error("unknown series field " + strWhat);
}

std::vector<std::string> CCatalogueTables::SheetSeries()
{
    std::vector<std::string> series;
    ForEachRow(m_db, "qRefDocuments", {},
               [&](const IRecordset& row)
               {
                   const std::string strSeries = row.GetString("SeriesName");
                   if (row.GetInt("IsTopic") != 0 && row.GetString("Dialog") == "ALL" && strSeries != "ALL" &&
                       strSeries != "Contents")
                       series.push_back(strSeries);
               });
    return series;
}

std::string CCatalogueTables::SeriesType(const std::string& strSeries)
{
    std::string strType;
    ForEachRow(m_db, "qSheetSeries", {{"[parSeries]", strSeries}},
               [&](const IRecordset& row) { strType = row.GetString("AccumulatorType"); });
    return strType == "Transfer" ? "Bladder" : strType;
}

std::vector<unsigned char> CCatalogueTables::PictureBytes(const std::string& strName)
{
    std::vector<unsigned char> bytes;
    ForEachRow(m_db, "qGetImage", {{"[parImageName]", strName}},
               [&](const IRecordset& row)
               {
                   if (auto blob = row.GetBlob("Image"))
                       bytes.assign(blob->begin(), blob->end());
               });
    return bytes;
}

std::string CCatalogueTables::Seals(const std::string& strType, const std::vector<std::string>& labels)
{
    RequireLabels(labels, 4, "seals");
    std::vector<std::vector<std::string>> rows;
    ForEachRow(m_db, "qSheetSeals", {{"[parAccumType]", strType}},
               [&](const IRecordset& row)
               {
                   rows.push_back({row.GetString("Code"), row.GetString("Description"),
                                   Range(row.GetDouble("TempLowF"), row.GetDouble("TempHighF")),
                                   row.GetString("TypicalFluids")});
               });
    return rows.empty() ? std::string() : MarkdownTable(labels, rows);
}

std::string CCatalogueTables::Fluids(const std::string& strType, const std::vector<std::string>& labels)
{
    RequireLabels(labels, 2, "fluids");
    std::vector<std::vector<std::string>> rows;
    ForEachRow(m_db, "qSheetFluids", {{"[parAccumType]", strType}},
               [&](const IRecordset& row) { rows.push_back({row.GetString("FluidName"), row.GetString("SealCodes")}); });
    return rows.empty() ? std::string() : MarkdownTable(labels, rows);
}

std::string CCatalogueTables::SeriesList(const std::vector<std::string>& labels)
{
    RequireLabels(labels, 3, "series");
    std::vector<std::vector<std::string>> rows;
    for (const std::string& strSeries : SheetSeries())
        ForEachRow(m_db, "qSheetSeries", {{"[parSeries]", strSeries}},
                   [&](const IRecordset& row)
                   { rows.push_back({strSeries, row.GetString("Description"), strSeries + "_SERIES.PDF"}); });
    return MarkdownTable(labels, rows);
}

std::string CCatalogueTables::Ratings(const std::string& strSeries, const std::vector<std::string>& labels)
{
    RequireLabels(labels, 3, "series ratings");
    std::vector<std::vector<std::string>> rows;
    ForEachRow(m_db, "qSheetRatings", {{"[parSeries]", strSeries}},
               [&](const IRecordset& row)
               {
                   rows.push_back({row.GetString("PressureCode"),
                                   ShownNumber(row.GetDouble("PressureRating"), row.GetString("PressUnits"))});
               });
    return Section(labels, rows);
}

std::string CCatalogueTables::Models(const std::string& strSeries, const std::vector<std::string>& labels)
{
    RequireLabels(labels, 10, "series models");
    std::vector<std::vector<std::string>> rows;
    ForEachRow(m_db, "qSheetModels", {{"[parSeries]", strSeries}},
               [&](const IRecordset& row)
               {
                   const std::vector<CPartCode> body = {
                       {row.GetString("SeriesCode"), row.GetInt("SeriesLocation")},
                       {row.GetString("PressureCode"), row.GetInt("PressureLocation")},
                       {row.GetString("DesignNumber"), row.GetInt("DesignLocation")},
                       {row.GetString("BoreCode"), row.GetInt("BoreLocation")},
                       {row.GetString("CapCode"), row.GetInt("CapLocation")}};
                   const std::string strLength = row.GetString("LengthUnits");
                   const std::string strFlow = row.GetString("FlowUnits");
                   rows.push_back(
                       {CBaseProduct::AssemblePartNumber(body),
                        row.GetInt("BoreLocation") > 0 ? ShownNumber(row.GetDouble("BoreDisplay"), row.GetString("BoreUnits"))
                                                       : std::string(),
                        ShownNumber(row.GetDouble("Capacity"), row.GetString("CapacityUnits")),
                        ShownNumber(row.GetDouble("PressureRating"), row.GetString("PressUnits")),
                        ShownNumber(row.GetDouble("OverallLength"), strLength),
                        ShownNumber(row.GetDouble("OutsideDiameter"), strLength),
                        ShownNumber(row.GetDouble("Weight"), row.GetString("WeightUnits")),
                        ShownNumber(row.GetDouble("StdFlow"), strFlow), ShownNumber(row.GetDouble("MaxFlow"), strFlow)});
               });
    return Section(labels, rows);
}

std::string CCatalogueTables::Isolators(const std::string& strSeries, const std::vector<std::string>& labels)
{
    RequireLabels(labels, 8, "series isolators");
    std::vector<std::vector<std::string>> rows;
    ForEachRow(m_db, "qSheetIsolators", {{"[parSeries]", strSeries}},
               [&](const IRecordset& row)
               {
                   const std::string strLength = row.GetString("LengthUnits");
                   rows.push_back({row.GetString("SizeCode"),
                                   ShownNumber(row.GetDouble("CapDisplay"), row.GetString("CapDisplayUnits")),
                                   ShownNumber(row.GetDouble("OverallLength"), strLength),
                                   ShownNumber(row.GetDouble("ShellDiameter"), strLength),
                                   row.GetString("MountingFlange"), row.GetString("Breather"),
                                   ShownNumber(row.GetDouble("Weight"), row.GetString("WeightUnits"))});
               });
    return Section(labels, rows);
}

std::string CCatalogueTables::Barriers(const std::string& strSeries, const std::vector<std::string>& labels)
{
    RequireLabels(labels, 8, "series barriers");
    std::vector<std::vector<std::string>> rows;
    ForEachRow(m_db, "qSheetBarriers", {{"[parSeries]", strSeries}},
               [&](const IRecordset& row)
               {
                   const std::vector<CPartCode> body = {{strSeries, 1},
                                                        {row.GetString("PressureCode"), row.GetInt("PressureLocation")},
                                                        {row.GetString("CapCode"), row.GetInt("CapCodeLocation")},
                                                        {row.GetString("ServiceCode"), row.GetInt("ServiceLocation")}};
                   const std::string strLength = row.GetString("LengthUnits");
                   rows.push_back({CBaseProduct::AssemblePartNumber(body),
                                   ShownNumber(row.GetDouble("Cap"), row.GetString("CapUnits")),
                                   ShownNumber(row.GetDouble("PressureRating"), row.GetString("PressUnits")),
                                   row.GetString("Service"), ShownNumber(row.GetDouble("OverallLength"), strLength),
                                   ShownNumber(row.GetDouble("OutsideDiameter"), strLength),
                                   ShownNumber(row.GetDouble("Weight"), row.GetString("WeightUnits"))});
               });
    return Section(labels, rows);
}

std::string CCatalogueTables::Codes(const std::string& strSeries, const std::vector<std::string>& labels)
{
    RequireLabels(labels, 5, "series codes");
    std::vector<std::vector<std::string>> rows;
    ForEachRow(m_db, "qSheetCodes", {{"[parSeries]", strSeries}},
               [&](const IRecordset& row)
               {
                   const std::string strUnits = row.GetString("Units");
                   rows.push_back({std::to_string(row.GetInt("CodeLocation")), row.GetString("CodeType"),
                                   row.GetString("Code") == "_" ? std::string() : row.GetString("Code"),
                                   strUnits.empty() ? row.GetString("Description")
                                                    : ShownNumber(row.GetDouble("Value"), strUnits)});
               });
    return Section(labels, rows);
}
} // namespace helpbuild
