// The seal assistant: the search's checks and three outcomes, the ranges' text, and which
// fluid-compatibility fields reach the selection.
#include "BuiltCatalogue.h"

#include "catalogue/Catalogue.h"
#include "catalogue/MessageKeys.h"
#include "models/SealSearch.h"
#include "selection/AccumulatorData.h"

#include <gtest/gtest.h>

namespace
{
std::vector<std::string> Codes(const SSealSearch& search)
{
    std::vector<std::string> codes;
    for (const SSealClassElement& row : search.rows)
        codes.push_back(row.code.m_strCode);
    return codes;
}
} // namespace

TEST(SealSearch, ChecksComeInOrderAndRefuseAMaximumThatIsNotAboveTheMinimum)
{
    EXPECT_EQ(CheckFluidSearch(std::nullopt, std::nullopt).strMessageKey, msg::kEnterMaxTemperature);
    EXPECT_EQ(CheckFluidSearch(std::nullopt, 10.0).eEntry, ETemperatureEntry::High);
    const SFluidSearchCheck noLow = CheckFluidSearch(100.0, std::nullopt);
    EXPECT_EQ(noLow.strMessageKey, msg::kEnterMinTemperature);
    EXPECT_EQ(noLow.eEntry, ETemperatureEntry::Low);
    const SFluidSearchCheck equal = CheckFluidSearch(50.0, 50.0);
    EXPECT_EQ(equal.strMessageKey, msg::kMaxTempNotAboveMin);
    EXPECT_EQ(equal.eEntry, ETemperatureEntry::High);
    EXPECT_EQ(CheckFluidSearch(40.0, 50.0).strMessageKey, msg::kMaxTempNotAboveMin);
    // Zero is a temperature like any other, not a missing one.
    EXPECT_TRUE(CheckFluidSearch(0.0, -10.0).strMessageKey.empty());
}

TEST(SealSearch, ThreeOutcomes)
{
    auto pDb = OpenBuiltCatalogue();
    ASSERT_TRUE(pDb);
    const SSealSearch compatible =
        RunSealSearch("Piston", "mineral oil (hm / hl)", "DEG_F", 0.0, 150.0, *pDb);
    EXPECT_EQ(compatible.eOutcome, ESealSearchOutcome::Compatible);
    EXPECT_EQ(compatible.strMessageKey, msg::kSealAndTempCompatible);
    EXPECT_EQ(Codes(compatible), (std::vector<std::string>{"-N", "-L", "-H", "-V"}));

    // Gasoline suits only fluorocarbon, which stops at -5 °F: known, but not at -40 °F.
    const SSealSearch cold = RunSealSearch("Piston", "Gasoline", "DEG_F", -40.0, 0.0, *pDb);
    EXPECT_EQ(cold.eOutcome, ESealSearchOutcome::CompatibleNotTemperature);
    EXPECT_EQ(cold.strMessageKey, msg::kSealCompatibleTempNot);
    ASSERT_EQ(Codes(cold), (std::vector<std::string>{"-V"}));
    EXPECT_EQ(cold.rows[0].dTempLow, -5.0);
    EXPECT_EQ(cold.rows[0].dTempHigh, 400.0);
    // Chosen, the row keeps its range the right way round in the selection.
    const SFluidSearchResult chosen = MakeFluidSearchResult(
        cold.rows[0], "Gasoline", CUnitDouble(0.0, "DEG_F"), CUnitDouble(-40.0, "DEG_F"), "");
    EXPECT_EQ(chosen.minRange, CUnitDouble(-5.0, "DEG_F"));
    EXPECT_EQ(chosen.maxRange, CUnitDouble(400.0, "DEG_F"));

    const SSealSearch unknown = RunSealSearch("Piston", "Liquid Sunshine", "DEG_F", 0.0, 100.0, *pDb);
    EXPECT_EQ(unknown.eOutcome, ESealSearchOutcome::NotCompatible);
    EXPECT_EQ(unknown.strMessageKey, msg::kSealAndTempNotCompatible);
    EXPECT_TRUE(unknown.rows.empty());

    // The range is asked and answered in the chosen unit.
    const SSealSearch celsius = RunSealSearch("Piston", "Gasoline", "DEG_C", 0.0, 100.0, *pDb);
    ASSERT_EQ(Codes(celsius), (std::vector<std::string>{"-V"}));
    EXPECT_EQ(celsius.rows[0].strUnits, "DEG_C");
    EXPECT_NEAR(celsius.rows[0].dTempHigh, 204.4, 0.05);
}

TEST(SealSearch, SealInfoShowsBothRangesWithoutTrailingZeros)
{
    auto pDb = OpenBuiltCatalogue();
    ASSERT_TRUE(pDb);
    const SSealFluidInfo info = SealFluidInfo("Piston", "-N", *pDb);
    EXPECT_EQ(info.strRange1, "-20 \u00B0F to 165 \u00B0F");
    EXPECT_EQ(info.strRange2, "-29 \u00B0C to 74 \u00B0C");
    EXPECT_NE(info.strTypicalFluids.find("Petroleum"), std::string::npos);
    EXPECT_EQ(TemperatureRangeText(-12.5, 80.25, "DEG_C"), "-12.5 \u00B0C to 80.25 \u00B0C");
}

TEST(SealSearch, CompatibilityReachesTheSelectionOnlyForTheSealItDescribes)
{
    CAccumulatorData cleared;
    cleared.Initialize(3);
    CAccumulatorData former(cleared);
    former.cpcSealCode.m_strCode = "-N";
    former.strSelectedFluid = "Water";
    former.strTypFluid = "Water and oils";
    former.strFluidCompatDescription = "compatible";

    const SFluidSearchResult search{"-V",
                                    "Gasoline",
                                    CUnitDouble(300.0, "DEG_F"),
                                    CUnitDouble(100.0, "DEG_F"),
                                    CUnitDouble(400.0, "DEG_F"),
                                    CUnitDouble(-5.0, "DEG_F"),
                                    "fine"};
    const SSealAssistance assistance{CPartCode("-V", 6), "Hot oils", search};

    // The assistant's seal chosen: its search and typical fluids.
    CAccumulatorData data(former);
    data.cpcSealCode.m_strCode = "-V";
    ApplySealAssistance(data, assistance, former, cleared);
    EXPECT_EQ(data.strSelectedFluid, "Gasoline");
    EXPECT_EQ(data.strTypFluid, "Hot oils");
    EXPECT_EQ(data.cudMinFluidTempFluidCompatibility, CUnitDouble(-5.0, "DEG_F"));
    EXPECT_EQ(data.strFluidCompatDescription, "fine");

    // The user went back to the former seal: the former fields, description included.
    data = former; // a copy leaves the description behind
    ApplySealAssistance(data, assistance, former, cleared);
    EXPECT_EQ(data.strSelectedFluid, "Water");
    EXPECT_EQ(data.strFluidCompatDescription, "compatible");

    // A third seal: nothing describes it any more.
    data.cpcSealCode.m_strCode = "-H";
    ApplySealAssistance(data, assistance, former, cleared);
    EXPECT_TRUE(data.strSelectedFluid.empty());
    EXPECT_TRUE(data.strTypFluid.empty());
    EXPECT_EQ(data.cudMaxFluidTempFluidCompatibility, cleared.cudMaxFluidTempFluidCompatibility);

    // The assistant's seal, with a search made for another seal: its typical fluids, not that search.
    ApplySealAssistance(data, SSealAssistance{CPartCode("-H", 6), "Cold oils", search}, former, cleared);
    EXPECT_EQ(data.strTypFluid, "Cold oils");
    EXPECT_TRUE(data.strSelectedFluid.empty());
}
