// The selection report as the engine makes it: the report map, the pictures it shows and what
// could not be read, from any product's selection.
#pragma once

#include "gas/GasTrajectory.h"
#include "outputs/ReportMap.h"
#include "platform/Clock.h"
#include "sizing/MultipleEvents.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class CBaseProduct;
class CPartCode;
class IDatabase;

// What the report takes from the product object and the program.
struct SReportContext
{
    IDatabase* pDatabase = nullptr; // the open catalogue; a report needs it
    int nProdId = 0;
    std::string strProdType;        // "Accumulators", ... as "Choose Product" shows it
    std::string strProdDescription; // the product's description from that step
    std::filesystem::path applicationFolder;
    SLocalTime now;
};

// A picture of the report: its catalogue name and its JPEG bytes, kept in memory.
struct SReportPicture
{
    std::string strName;
    std::vector<std::uint8_t> bytes;

    bool IsEmpty() const { return bytes.empty(); }
};

// The unit codes the selection shows its gas pressure, temperature and volume in.
struct SReportGasUnits
{
    std::string strPressure;
    std::string strTemperature;
    std::string strVolume;
};

struct SSelectionReport
{
    CReportMap map;
    SReportPicture picture; // the dimension drawing
    SReportPicture brand;   // the maker's logo
    // The cycle of a multiple-events application, as its graph draws it; empty for any other.
    std::vector<sizing::STimeVolumePoint> cycle;
    // The gas states of the sized accumulator's discharge; empty where the application has no
    // discharge run (a known capacity, the other products).
    gas::SGasTrajectory gasStates;
    SReportGasUnits gasUnits;
    // Pictures the catalogue names but could not give, one line each, to be told once.
    std::vector<std::string> problems;
};

// Whether the report knows the selection's class.
bool HasSelectionReport(const CBaseProduct& selection);

// The report of a complete selection of any product. Nothing is written to disk: the pictures
// travel with the report. A catalogue error (CCatalogueError) is left to the caller.
SSelectionReport PrintSelectionReport(const CBaseProduct& selection, const SReportContext& context);

// The keys every report shares; the product's own fillers call them.
namespace report
{
// The catalogue message key of a product's report warning: each product has its own.
const char* ReportWarningKey(int nProdId);
// The label keys: every MapKey of "qSelRepLabels" with a non-empty FieldLabel.
void AddLabelKeys(CReportMap& map, IDatabase& db);
// The value keys of "qGetSelectionReportLabels", in the catalogue's order.
std::vector<std::string> ValueKeys(IDatabase& db);
// The texts of the keys that mean the same in every report (date, version, warning, paths); false
// for any other key.
bool CommonValue(const std::string& strKey, const SReportContext& context, IDatabase& db, std::string& strText);
// The label keys, then every value key: the common text, else the product's own (ownText), which
// leaves a key the product does not have empty.
void AddLabelAndValueKeys(CReportMap& map, const SReportContext& context, IDatabase& db,
                          const std::function<std::string(const std::string&)>& ownText);
// Appends the rows of a dimension query to "DimLabelVAL" and "DimValueVAL".
void AddDimensionRows(CReportMap& map, IDatabase& db, const char* pszQuery,
                      const std::vector<std::pair<std::string, std::string>>& params);
// The codes of a model number in position order ("ModelCodeVAL"), each with its description, or the
// text fnDescribe gives for a code that has none ("ModelCodeDescriptionVAL"). Codes that add nothing
// to the number ("_", empty, or out of its positions) are left out.
void AddModelCodes(CReportMap& map, std::vector<CPartCode> codes,
                   const std::function<std::string(const CPartCode&)>& fnDescribe);
// The catalogue's description of a series; the model lists give series codes without one.
std::string SeriesDescription(IDatabase& db, const std::string& strSeries);
// The brand picture alone, for a report without a drawing.
void LoadBrand(SSelectionReport& report, IDatabase& db, const std::string& strBrandName);
// The dimension drawing named by "qSelRepPicture" (last row) and the brand picture, from "qGetImage".
void LoadPictures(SSelectionReport& report, IDatabase& db,
                  const std::vector<std::pair<std::string, std::string>>& pictureParams,
                  const std::string& strBrandName);
} // namespace report
