// The reports of the products chosen besides accumulators: reservoir isolators, transfer barriers,
// accessories and repair kits. Each fills the keys its product has; the other keys stay empty.
#include "outputs/ReportFillers.h"
#include "outputs/ReportFormat.h"

#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"
#include "platform/StringTable.h"
#include "selection/AccessoryBase.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/TransferBase.h"

#include <map>

namespace
{
// The isolator and barrier line has a brand of its own; accessories and kits carry the maker's.
constexpr const char* kIsolatorLineBrand = "Ostrel.jpg";
constexpr int kStringMakerBrand = 52113;

using Texts = std::map<std::string, std::string>;

// The model number on a copy: making a report changes nothing in the selection.
template <class T> std::string ModelNumber(const T& selection)
{
    T copy(selection);
    return copy.BuildPartNumber();
}

// The model number, and its codes one by one with what each stands for: the catalogue's text, or
// for the series, size and rating, which the model lists give without one, the catalogue's series
// name and the selection's values.
template <class T>
std::string ModelNumberByCode(const T& selection, CReportMap& map, IDatabase& db,
                              const std::vector<std::pair<const CPartCode*, const CUnitDouble*>>& values,
                              const std::vector<CPartCode>& described = {})
{
    T copy(selection);
    const std::string strNumber = copy.BuildPartNumber();
    report::AddModelCodes(map, copy.m_lstCodes,
                          [&](const CPartCode& code)
                          {
                              if (code.m_strCode == selection.cpcSeriesCode.m_strCode &&
                                  code.m_nLocation == selection.cpcSeriesCode.m_nLocation)
                                  return report::SeriesDescription(db, code.m_strCode);
                              for (const auto& [pCode, pValue] : values)
                                  if (code.m_strCode == pCode->m_strCode && code.m_nLocation == pCode->m_nLocation)
                                      return report::ValueUnitOneBlank(*pValue, 10);
                              for (const CPartCode& other : described)
                                  if (code.m_strCode == other.m_strCode && code.m_nLocation == other.m_nLocation)
                                      return other.m_strDescription;
                              return std::string();
                          });
    return strNumber;
}

void FillValues(SSelectionReport& report, const SReportContext& context, const Texts& own)
{
    report::AddLabelAndValueKeys(report.map, context, *context.pDatabase,
                                 [&](const std::string& strKey)
                                 {
                                     const auto it = own.find(strKey);
                                     return it == own.end() ? std::string() : it->second;
                                 });
}

// The codes every model of a series carries, with the catalogue's texts in its language (the
// selection keeps the codes alone).
std::vector<CPartCode> SeriesCodes(IDatabase& db, const char* pszQuery,
                                   const std::vector<std::pair<std::string, std::string>>& params)
{
    IQueryDef def(db);
    def.Open(pszQuery);
    for (const auto& [strName, strValue] : params)
        def.SetParamValue(strName, strValue);
    IRecordset rows(db);
    std::vector<CPartCode> codes;
    for (rows.Open(def); !rows.IsEOF(); rows.MoveNext())
        codes.emplace_back(rows.GetString("Code"), rows.GetInt("CodeLocation"), rows.GetString("Description"));
    return codes;
}

std::string ProductId(const SReportContext& context)
{
    return std::to_string(context.nProdId);
}

// The number with its decimals, two blanks and the unit.
std::string Measure(const CUnitDouble& value)
{
    return report::ValueUnit(value, 10);
}
} // namespace

SSelectionReport ProductReport(const COvrisolBase& selection, const SReportContext& context)
{
    SSelectionReport report;
    if (context.pDatabase == nullptr)
        return report;
    IDatabase& db = *context.pDatabase;
    const std::string& strSeries = selection.cpcSeriesCode.m_strCode;
    const std::string& strConstruction = selection.cpcConstructionCode.m_strCode;
    report::AddDimensionRows(report.map, db, "qOVDimensions",
                             {{"[parSeries]", strSeries},
                              {"[parCapacity]", selection.cpcSizeCode.m_strCode},
                              {"[parConstruction]", strConstruction}});
    report::LoadPictures(report, db,
                         {{"[parSeries]", strSeries},
                          {"[parConstruction]", strConstruction},
                          {"[parUserFlow]", std::string()},
                          {"[parGasPort]", std::string()}},
                         kIsolatorLineBrand);
    const bool bCapacities = selection.iSizeMethod == COvrisolBase::kCapacities;
    FillValues(report, context,
               {{"MODELNUMBERVAL", ModelNumberByCode(selection, report.map, db,
                                                     {{&selection.cpcSizeCode, &selection.cudCapacityDisplay}},
                                                     SeriesCodes(db, "qOvrisolPartNumber", {{"[parSeries]", strSeries}}))},
                {"ProdIll", context.strProdDescription},
                {"ProductName", ProductId(context)},
                {"ProductTypeVAL", context.strProdType},
                {"DescriptionVAL", selection.GetPartDescription()},
                {"ApplicationVAL", selection.strSizeMethodText},
                {"AccumTypeVAL", selection.strAccumulatorType},
                {"AccumSeriesVAL", "OV"},
                {"CapacityVAL", report::ValueUnitOneBlank(selection.cudCapacityDisplay, 10)},
                {"ConstructionVAL", selection.strConstruction},
                {"ReservoirLengthVAL", Measure(selection.cudReservoirLength)},
                {"ReservoirLevelHighVAL", Measure(selection.cudHighFluidLevel)},
                {"ReservoirLevelLowVAL", Measure(selection.cudLowFluidLevel)},
                {"ReservoirWidthVAL", Measure(selection.cudReservoirWidth)},
                {"SumAccCapVAL", Measure(selection.cudAccumulatorCapacity)},
                {"SumCylinderCapVAL", Measure(selection.cudCylinderCapacity)},
                {"CalcMethodNum", report::Flag(bCapacities)},
                // Two decimals, as an accumulator's: a volume between fluid levels has many.
                {"CapacityRequiredVAL",
                 report::ValueUnit(bCapacities ? selection.cudCombinedCapacity : selection.cudReservoirCapacity, 2)},
                {"SealClassVAL", selection.cpcBladderCode.m_strDescription}});
    return report;
}

SSelectionReport ProductReport(const CTransferBase& selection, const SReportContext& context)
{
    SSelectionReport report;
    if (context.pDatabase == nullptr)
        return report;
    IDatabase& db = *context.pDatabase;
    const std::string& strSeries = selection.cpcSeriesCode.m_strCode;
    report::AddDimensionRows(report.map, db, "qTBDimensions",
                             {{"[parSeries]", strSeries},
                              {"[parPressure]", selection.cpcPressureCode.m_strCode},
                              {"[parCapacity]", selection.cpcCapCode.m_strCode}});
    report::LoadPictures(report, db,
                         {{"[parSeries]", strSeries},
                          {"[parConstruction]", std::string()},
                          {"[parUserFlow]", std::string()},
                          {"[parGasPort]", std::string()}},
                         kIsolatorLineBrand);
    // The product's type stands as its description; the model's own keys are its capacity,
    // rating and service.
    FillValues(report, context,
               {{"MODELNUMBERVAL", ModelNumberByCode(selection, report.map, db,
                                                     {{&selection.cpcCapCode, &selection.cudCapacity},
                                                      {&selection.cpcPressureCode, &selection.cudPressure}},
                                                     SeriesCodes(db, "qBladderPartNumber",
                                                                 {{"[parSeries]", strSeries},
                                                                  {"[parPressure]", selection.cpcPressureCode.m_strCode}}))},
                {"ProdIll", context.strProdDescription},
                {"ProductName", ProductId(context)},
                {"DescriptionVAL", context.strProdType},
                {"CapacityVAL", Measure(selection.cudCapacity)},
                {"PressureRatingVAL", Measure(selection.cudPressure)},
                {"ServiceVAL", selection.strService}});
    return report;
}

SSelectionReport ProductReport(const CAccessoryBase& selection, const SReportContext& context)
{
    SSelectionReport report;
    if (context.pDatabase == nullptr)
        return report;
    // No drawing; the maker's logo still heads the report.
    report::LoadBrand(report, *context.pDatabase, LoadString(kStringMakerBrand));
    FillValues(report, context,
               {{"MODELNUMBERVAL", ModelNumber(selection)},
                {"ProdIll", context.strProdDescription},
                {"ProductName", ProductId(context)},
                {"DescriptionVAL", selection.strAccessoryText},
                {"AccumTypeVAL", selection.strAccumulatorType},
                {"CapacityVAL", report::ValueUnitOneBlank(selection.cudCapacity, 10)},
                {"BoreSizeVAL", report::ValueUnitOneBlank(selection.cudBore, 10)},
                {"AccumulatorType", selection.strTypeName}});
    return report;
}

SSelectionReport ProductReport(const CRepairKitBase& selection, const SReportContext& context)
{
    SSelectionReport report;
    if (context.pDatabase == nullptr)
        return report;
    report::LoadBrand(report, *context.pDatabase, LoadString(kStringMakerBrand));
    FillValues(report, context,
               {{"MODELNUMBERVAL", ModelNumber(selection)},
                {"ProductName", ProductId(context)},
                {"ProductTypeVAL", context.strProdType},
                {"DescriptionVAL", selection.strKit}});
    return report;
}
