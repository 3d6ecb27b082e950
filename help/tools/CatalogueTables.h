// The tables the help and the reference documents take from the catalogue, as Markdown: the
// seal compounds and fluids of a type, the series, and the sections of a series' data sheet.
#pragma once

#include <set>
#include <string>
#include <vector>

class IDatabase;

namespace helpbuild
{
// A Markdown table; a cell's '|' is escaped.
std::string MarkdownTable(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);

// A number as the documents show it: up to three decimals, no trailing zeros; with a unit code,
// the unit's display text follows.
std::string ShownNumber(double dValue, const std::string& strUnit = std::string(), int nDecimals = 3);

class CCatalogueTables
{
public:
    explicit CCatalogueTables(IDatabase& db) : m_db(db) {}

    // {{catalogue seals TYPE | ...}}, {{catalogue fluids TYPE | ...}}, {{catalogue series | ...}}.
    std::string Catalogue(const std::vector<std::string>& args, const std::vector<std::string>& labels);
    // {{series FIELD}} and {{series SECTION | ...}} of a series' data sheet.
    std::string Series(const std::string& strSeries, const std::vector<std::string>& args,
                       const std::vector<std::string>& labels);
    // The series that have a data sheet: the catalogue names a document for them.
    std::vector<std::string> SheetSeries();
    // The accumulator type whose detail tables serve a series ("Piston", ..., "OV").
    std::string SeriesType(const std::string& strSeries);
    // The catalogue pictures the tables asked for, and the bytes of one (empty when missing).
    const std::set<std::string>& Pictures() const { return m_pictures; }
    std::vector<unsigned char> PictureBytes(const std::string& strName);

private:
    std::string Seals(const std::string& strType, const std::vector<std::string>& labels);
    std::string Fluids(const std::string& strType, const std::vector<std::string>& labels);
    std::string SeriesList(const std::vector<std::string>& labels);
    std::string Ratings(const std::string& strSeries, const std::vector<std::string>& labels);
    std::string Models(const std::string& strSeries, const std::vector<std::string>& labels);
    std::string Isolators(const std::string& strSeries, const std::vector<std::string>& labels);
    std::string Barriers(const std::string& strSeries, const std::vector<std::string>& labels);
    std::string Codes(const std::string& strSeries, const std::vector<std::string>& labels);

    IDatabase& m_db;
    std::set<std::string> m_pictures;
};
} // namespace helpbuild
