// Every model of the catalogue assembles into a complete model number: each code
// has its own position, and every detail choice sits where its default does.
#include "BuiltCatalogue.h"
#include "CatalogueRows.h"
#include "catalogue/Catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace
{
struct SCode
{
    std::string strCode;
    int nLocation;
    std::string strType;
};

using Params = CatalogueParams;

std::vector<SCode> Codes(IDatabase& db, const std::string& strQuery, const Params& params,
                         const std::string& strLocation = "CodeLocation", const std::string& strCode = "Code")
{
    std::vector<SCode> codes;
    ForEachRow(db, strQuery, params,
               [&](IRecordset& rows)
               {
                   std::string strType;
                   for (int i = 0; i < rows.GetFieldCount(); ++i)
                       if (rows.GetFieldName(i) == "CodeType")
                           strType = rows.GetString(i);
                   codes.push_back({rows.GetString(strCode), rows.GetInt(strLocation), strType});
               });
    return codes;
}

std::vector<std::string> Texts(IDatabase& db, const std::string& strQuery, const Params& params,
                               const std::string& strField)
{
    std::vector<std::string> texts;
    ForEachRow(db, strQuery, params, [&](IRecordset& rows) { texts.push_back(rows.GetString(strField)); });
    return texts;
}

// The model number of codes in ascending position; "_" leaves its position empty.
std::string Assemble(const std::map<int, std::string>& codes)
{
    std::string strNumber;
    for (const auto& [nLocation, strCode] : codes)
        if (strCode != "_")
            strNumber += strCode;
    return strNumber;
}

struct SModel
{
    std::string strSeries, strPressure, strBore, strCap, strDesign, strType;
    int nSeriesLoc, nPressureLoc, nBoreLoc, nCapLoc, nDesignLoc;
};

std::vector<SModel> AllModels(IDatabase& db)
{
    IRecordset rows(db);
    rows.OpenTable("Models");
    std::vector<SModel> models;
    for (; !rows.IsEOF(); rows.MoveNext())
        models.push_back({rows.GetString("SeriesCode"), rows.GetString("PressureCode"), rows.GetString("BoreCode"),
                          rows.GetString("CapCode"), rows.GetString("DesignNumber"), rows.GetString("AccumulatorType"),
                          rows.GetInt("SeriesLocation"), rows.GetInt("PressureLocation"), rows.GetInt("BoreLocation"),
                          rows.GetInt("CapLocation"), rows.GetInt("DesignLocation")});
    return models;
}

std::vector<SCode> Defaults(IDatabase& db, const SModel& m)
{
    if (m.strType == "Piston")
        return Codes(db, "qPistonPartNumber",
                     {{"[parAccumType]", m.strType}, {"[parGasBottle]", std::int16_t{0}}, {"[parBore]", m.strBore},
                      {"[parDesNumber]", m.strDesign}, {"[parPressure]", m.strPressure}});
    if (m.strType == "Bladder")
        return Codes(db, "qBladderPartNumber", {{"[parSeries]", m.strSeries}, {"[parPressure]", m.strPressure}});
    if (m.strType == "Diaphragm")
        return Codes(db, "qDiaphragmPartNumber", {{"[parSeries]", m.strSeries}});
    return Codes(db, "qGasBottlePartNumber", {{"[parAccumType]", m.strType}});
}

// The detail choices of a model, each with the code type of the default it replaces.
std::vector<SCode> Choices(IDatabase& db, const SModel& m)
{
    std::vector<SCode> all;
    auto add = [&](const std::vector<SCode>& codes, const char* pszType) {
        for (SCode c : codes)
            all.push_back({c.strCode, c.nLocation, pszType});
    };
    // A list of the bladder, diaphragm and gas bottle details steps that offers nothing.
    auto listed = [&](const std::vector<SCode>& codes, const char* pszType) {
        EXPECT_FALSE(codes.empty()) << m.strSeries << m.strPressure << m.strCap << " offers no " << pszType;
        add(codes, pszType);
    };
    if (m.strType == "Piston")
    {
        add(Codes(db, "qDetailSeal", {{"[parAccumType]", m.strType}}), "Seals");
        for (const std::string& strConstruction :
             Texts(db, "qDetailPistonConstr", {{"[parAccumType]", m.strType}, {"[parBoreSize]", m.strBore}},
                   "Construction"))
            add(Codes(db, "qDetailPistonApproval",
                      {{"[parAccumType]", m.strType}, {"[parConstruction]", strConstruction}, {"[parBoreSize]", m.strBore}}),
                "Construction");
        for (const SCode& style : Codes(db, "qDetailPistonPort",
                                        {{"[parAccumType]", m.strType}, {"[parBoreSize]", m.strBore},
                                         {"[parCapacity]", m.strCap}, {"[parPressure]", m.strPressure},
                                         {"[parDesignNumber]", m.strDesign}}))
        {
            EXPECT_EQ(style.nLocation, m.nDesignLoc) << m.strSeries << m.strBore;
            for (const auto& [pszTypeQuery, pszSizeQuery, pszLoc, pszSizeLoc, pszType, pszSize] :
                 {std::tuple{"qDetailPistonPortType", "qDetailPistonPortSize", "HydLocation", "HydSzLocation",
                             "Hydraulic Type", "Hydraulic Size"},
                  std::tuple{"qDetailPistonGasPortType", "qDetailPistonGasPortSize", "GasLocation", "GasSzLocation",
                             "Gas Type", "Gas Size"}})
            {
                const Params where = {{"[parAccumType]", m.strType}, {"[parPortCode]", style.strCode},
                                      {"[parBoreSize]", m.strBore}, {"[parPressure]", m.strPressure}};
                const auto types = Codes(db, pszTypeQuery, where, pszLoc, "TypeCode");
                EXPECT_FALSE(types.empty()) << m.strSeries << m.strBore << m.strCap << " style " << style.strCode;
                add(types, pszType);
                for (const SCode& type : types)
                    add(Codes(db, pszSizeQuery,
                              {{"[parAccumType]", m.strType}, {"[parBoreSize]", m.strBore},
                               {"[parPressure]", m.strPressure}, {"[parTypeCode]", type.strCode}},
                              pszSizeLoc, "SizeCode"),
                        pszSize);
            }
        }
    }
    else if (m.strType == "Bladder")
    {
        listed(Codes(db, "qDetailSeal", {{"[parAccumType]", m.strType}}), "Seal");
        listed(Codes(db, "qDetailBladderConstr", {{"[parSeries]", m.strSeries}, {"[parSize]", m.strCap}}), "Construction");
        listed(Codes(db, "qDetailBladderMod",
                     {{"[parSeries]", m.strSeries}, {"[parSize]", m.strCap}, {"[parPressure]", m.strPressure}}),
               "Modification");
        listed(Codes(db, "qDetailBladderCertif",
                     {{"[parPressure]", m.strPressure}, {"[parSize]", m.strCap}, {"[parAccumType]", m.strType}}),
               "Certification");
        for (const char* pszFlow : {"N", "Y"})
        {
            const auto ports = Codes(db, "qDetailBladderHydraulicPort",
                                     {{"[parPressure]", m.strPressure}, {"[parSizeCode]", m.strCap},
                                      {"[parUserflow]", pszFlow}});
            listed(ports, "Hydraulic Port");
        }
    }
    else if (m.strType == "Diaphragm")
    {
        listed(Codes(db, "qDetailSeal", {{"[parAccumType]", m.strType}}), "Diaphragm");
        listed(Codes(db, "qDetailDiaphramConstr", {{"[parSeries]", m.strSeries}}), "Construction");
        listed(Codes(db, "qDetailDiaphramCertif", {{"[parSeries]", m.strSeries}}), "Certification");
    }
    else
    {
        listed(Codes(db, "qDetailGasBottlePort", {{"[parSeries]", m.strSeries}}, "PortLocation"), "Gas Port");
        listed(Codes(db, "qDetailGasBottleValvePort", {{"[parSeries]", m.strSeries}}, "ValveLocation"), "Gas Valve Port");
    }
    return all;
}
} // namespace

TEST(CatalogueModelNumbers, EveryModelAssemblesWithoutCollisions)
{
    auto pDb = OpenBuiltCatalogue();
    ASSERT_TRUE(pDb);
    const auto models = AllModels(*pDb);
    ASSERT_GT(models.size(), 100u);
    std::set<std::string> numbers;
    for (const SModel& m : models)
    {
        std::map<int, std::string> positions;
        std::map<std::string, int> typeLocations;
        auto place = [&](const std::string& strCode, int nLocation, const std::string& strWhat) {
            EXPECT_FALSE(strCode.empty()) << m.strSeries << m.strCap << " " << strWhat;
            EXPECT_TRUE(nLocation >= 1 && nLocation <= 29) << m.strSeries << m.strCap << " " << strWhat;
            EXPECT_TRUE(positions.emplace(nLocation, strCode).second)
                << m.strSeries << m.strCap << ": " << strWhat << " collides at position " << nLocation;
        };
        place(m.strSeries, m.nSeriesLoc, "series");
        place(m.strPressure, m.nPressureLoc, "pressure");
        place(m.strCap, m.nCapLoc, "capacity");
        if (!m.strBore.empty())
            place(m.strBore, m.nBoreLoc, "bore");
        if (!m.strDesign.empty())
            place(m.strDesign, m.nDesignLoc, "design");
        const auto defaults = Defaults(*pDb, m);
        ASSERT_FALSE(defaults.empty()) << m.strSeries << m.strPressure << m.strBore << m.strCap;
        for (const SCode& c : defaults)
        {
            typeLocations[c.strType] = c.nLocation;
            if (c.strType == "Design Code" || c.strType == "Port")
            {
                // These defaults fill the design number field itself.
                EXPECT_EQ(c.nLocation, m.nDesignLoc) << m.strSeries << m.strCap << " " << c.strType;
                positions[c.nLocation] = c.strCode;
            }
            else if (c.strType != "Approval") // the approval stamp names the construction code's text
                place(c.strCode, c.nLocation, c.strType);
        }
        for (const SCode& c : Choices(*pDb, m))
        {
            ASSERT_TRUE(typeLocations.count(c.strType)) << m.strSeries << " has no default " << c.strType;
            EXPECT_EQ(c.nLocation, typeLocations[c.strType]) << m.strSeries << m.strCap << " " << c.strType << " "
                                                            << c.strCode;
        }
        // Bottles of the piston and bladder kinds take their gas and valve ports in the gas bottle
        // details, after the codes of their body.
        if (m.strSeries == "PG" || m.strSeries == "BG")
            for (const auto& [pszQuery, pszLocation] :
                 {std::pair{"qDetailGasBottlePort", "PortLocation"}, {"qDetailGasBottleValvePort", "ValveLocation"}})
            {
                const auto ports = Codes(*pDb, pszQuery, {{"[parSeries]", m.strSeries}}, pszLocation);
                ASSERT_FALSE(ports.empty()) << m.strSeries << " " << pszQuery;
                for (const SCode& port : ports)
                    EXPECT_EQ(port.nLocation, ports.front().nLocation) << m.strSeries << " " << port.strCode;
                place(ports.front().strCode, ports.front().nLocation, pszQuery);
            }
        // Standard ports stay out of the model number unless a port style asks for them.
        std::map<int, std::string> shown = positions;
        if (m.strType == "Piston")
            for (int nPort = 7; nPort <= 10; ++nPort)
                shown.erase(nPort);
        EXPECT_TRUE(numbers.insert(Assemble(shown)).second) << "two models share " << Assemble(shown);
    }
}
