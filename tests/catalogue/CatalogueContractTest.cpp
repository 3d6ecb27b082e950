// The built catalogue against the program's contract, and model searches on real data.
#include "BuiltCatalogue.h"
#include "CatalogueRows.h"
#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueCheck.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace
{
constexpr double kPaPerPsi = 6894.757;
constexpr double kGaugeOffset = 101314.224;
constexpr double kCuMPerCuIn = 1.638706e-05;
constexpr double kCuMPerGal = 0.003785413;

using SRow = SCatalogueRow;

std::vector<SRow> Search(IDatabase& db, const std::string& strQuery, double dPsig, double dCapacityM3,
                         double dFluidM3 = 0.0, double dFlowM3Min = 0.0)
{
    return QueryRows(db, strQuery,
                     {{"[parPressure]", dPsig * kPaPerPsi + kGaugeOffset},
                      {"[parCapacity]", dCapacityM3},
                      {"[parFluidVolume]", dFluidM3},
                      {"[parFlowRate]", dFlowM3Min}});
}

double InCuM(const SRow& row, const std::string& strValue, const std::string& strUnits)
{
    const double d = row.fields.at(strValue).AsDouble();
    const std::string strUnit = row.Text(strUnits);
    return strUnit == "CU_IN" ? d * kCuMPerCuIn : strUnit == "GAL" ? d * kCuMPerGal : d * 0.001;
}
} // namespace

TEST(CatalogueContract, BuiltCatalogueMeetsIt)
{
    auto pDb = OpenBuiltCatalogue();
    ASSERT_TRUE(pDb) << "the built catalogue did not open";
    const SCatalogueCheck check = CheckCatalogue(*pDb);
    EXPECT_GE(check.nQueries, 60);
    for (const std::string& strProblem : check.problems)
        ADD_FAILURE() << strProblem;
    // Every sample requirement finds rows, so every field type was checked.
    for (const std::string& strNote : check.notes)
        ADD_FAILURE() << strNote;
}

TEST(CatalogueModels, EveryRowDoesTheJobWithAtMostFourUnits)
{
    auto pDb = OpenBuiltCatalogue();
    ASSERT_TRUE(pDb);
    const double dRequired = 300.0 * kCuMPerCuIn;
    for (const char* pszQuery : {"qModelPiston", "qModelMetricPiston", "qModelBladder", "qModelDiaphragm"})
    {
        const auto rows = Search(*pDb, pszQuery, 3000.0, dRequired);
        EXPECT_FALSE(rows.empty()) << pszQuery;
        for (const SRow& row : rows)
        {
            EXPECT_GE(InCuM(row, "TotalCapacity", "TotCapUnits"), dRequired * (1.0 - 1e-12)) << pszQuery;
            const int nQty = row.fields.at("Qty").AsInt32();
            EXPECT_TRUE(nQty >= 1 && nQty <= 4) << pszQuery;
            // One unit fewer would not hold the volume.
            EXPECT_LT(InCuM(row, "Capacity", "CapacityUnits") * (nQty - 1), dRequired) << pszQuery;
        }
    }
}

TEST(CatalogueModels, NothingAboveTheRatingsAndFlowAddsUnits)
{
    auto pDb = OpenBuiltCatalogue();
    ASSERT_TRUE(pDb);
    for (const char* pszQuery : {"qModelPiston", "qModelMetricPiston", "qModelBladder", "qModelDiaphragm",
                                 "qModelApp22Bladder", "qModelPistonGB", "qModelMetricPistonGB"})
        EXPECT_TRUE(Search(*pDb, pszQuery, 7000.0, 100.0 * kCuMPerCuIn).empty()) << pszQuery;
    // 600 gpm through one 5-gallon bladder is more than its largest port passes.
    const auto rows = Search(*pDb, "qModelBladder", 3000.0, 4.0 * kCuMPerGal, 0.0, 600.0 * 0.003785412);
    ASSERT_FALSE(rows.empty());
    for (const SRow& row : rows)
        EXPECT_GE(row.fields.at("Qty").AsInt32(), 2);
}

TEST(CatalogueModels, HighFlowCheckSaysWhenPortsAreTooSmall)
{
    auto pDb = OpenBuiltCatalogue();
    ASSERT_TRUE(pDb);
    auto check =
        [&](double dGpm, std::int16_t nQty, const char* pszType = "Bladder", const char* pszCap = "-5G")
    {
        return QueryRows(*pDb, "qHighFlowCheck",
                         {{"[parFlowRate]", dGpm * 0.003785412},
                          {"[parAccumType]", pszType},
                          {"[parCapacity]", pszCap},
                          {"[parPressure]", "3"},
                          {"[parQty]", nQty}})
            .at(0)
            .Text("Result");
    };
    EXPECT_EQ(check(100.0, 1), "N");
    EXPECT_EQ(check(250.0, 1), "Y");
    EXPECT_EQ(check(250.0, 2), "N"); // shared by two units
    // A 10-gallon piston comes in bores whose ports pass 90, 150 and 250 gpm: the smallest decides.
    EXPECT_EQ(check(200.0, 1, "Piston", "-10G"), "Y");
}
