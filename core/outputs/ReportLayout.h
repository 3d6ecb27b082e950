// What the selection report shows, section by section, taken from a filled report map: which
// value keys each product and application prints, with their captions from the catalogue.
#pragma once

#include "outputs/ReportMap.h"

#include <string>
#include <vector>

struct SReportRow
{
    std::string strLabel;
    std::string strValue;
};

struct SReportSection
{
    std::string strHeading;
    std::vector<SReportRow> rows;
};

// A table: column captions, then one line of texts per row.
struct SReportTable
{
    std::string strHeading;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;

    bool IsEmpty() const { return rows.empty(); }
};

struct SReportLayout
{
    std::string strTitle;
    std::string strDateLabel, strDate;
    std::string strVersionLabel, strVersion;
    std::string strModelNumberLabel, strModelNumber;
    std::string strProduct;            // the product type, "Accumulators"
    std::string strDescription;        // the model's description
    std::vector<SReportSection> product;     // the selected model and its details
    std::vector<SReportSection> application; // the application and its results
    SReportSection codes;                 // code and description per position of the model number
    SReportSection options;               // code and description per option
    SReportSection dimensions;            // caption and value per dimension row
    SReportTable events;                  // one row per event of a multiple-events cycle
    std::string strWarningLabel, strWarning;
};

// The layout of a report map. A row whose value is empty, or only blanks, is left out, and so is
// a section without rows; a caption the catalogue lacks shows as the key itself.
SReportLayout ReportLayout(const CReportMap& map);
