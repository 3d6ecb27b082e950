// The gas bottle lists of the built catalogue: each type's pressures and bottles, and all of them ("*").
#include "BuiltCatalogue.h"
#include "CatalogueRows.h"
#include "catalogue/Catalogue.h"
#include "units/UnitDouble.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

namespace
{
using Bottle =
    std::tuple<std::string, std::string, std::string, std::string>; // series, pressure, bore, capacity

// Every bottle the lists of one type offer, over all of its pressures.
std::multiset<Bottle> Listed(IDatabase& db, const std::string& strType)
{
    std::multiset<Bottle> bottles;
    double dPreviousPa = 0.0;
    ForEachRow(db, "qGbPressureAll", {{"[parType]", strType}},
               [&](IRecordset& pressureRows)
               {
                   const CUnitDouble pressure(pressureRows.GetDouble("Pressure"), pressureRows.GetString("PressUnits"));
                   const double dPa = pressure.GetValue("PA");
                   EXPECT_GT(dPa, dPreviousPa) << strType << ": pressures ascend, each once";
                   dPreviousPa = dPa;
                   const std::size_t nBefore = bottles.size();
                   ForEachRow(db, "qGbList", {{"[parType]", strType}, {"[parPressure]", dPa}},
                              [&](IRecordset& rows)
                              {
                                  if (strType != "*")
                                      EXPECT_EQ(rows.GetString("AccumulatorType"), strType);
                                  bottles.insert({rows.GetString("SeriesCode"), rows.GetString("PressureCode"),
                                                  rows.GetString("NomBoreCode"), rows.GetString("CapCode")});
                              });
                   EXPECT_GT(bottles.size(), nBefore)
                       << strType << " at " << pressure.Format(0, false, true) << " lists no bottle";
               });
    return bottles;
}
} // namespace

TEST(CatalogueGasBottles, ViewAllListsEveryBottleOnceAndEachTypeItsOwnSeries)
{
    auto pDb = OpenBuiltCatalogue();
    ASSERT_TRUE(pDb);
    // The gas bottles of the catalogue: piston-style, bladder-style and the GB series.
    const std::map<std::string, std::string> kTypeOfSeries = {
        {"PG", "Piston"}, {"BG", "Bladder"}, {"GB", "GB"}};
    std::multiset<Bottle> every;
    std::map<std::string, std::multiset<Bottle>> byType;
    IRecordset models(*pDb);
    models.OpenTable("Models");
    for (; !models.IsEOF(); models.MoveNext())
    {
        const auto it = kTypeOfSeries.find(models.GetString("SeriesCode"));
        if (it == kTypeOfSeries.end())
            continue;
        const Bottle bottle{models.GetString("SeriesCode"), models.GetString("PressureCode"),
                            models.GetString("BoreCode"), models.GetString("CapCode")};
        every.insert(bottle);
        byType[it->second].insert(bottle);
    }
    ASSERT_EQ(byType.size(), 3u);
    EXPECT_EQ(Listed(*pDb, "*"), every);
    for (const auto& [strType, bottles] : byType)
        EXPECT_EQ(Listed(*pDb, strType), bottles) << strType;
}
