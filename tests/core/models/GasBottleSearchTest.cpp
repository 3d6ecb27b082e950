// The gas bottle selection on the built catalogue: pressures and bottles of each type, what
// reopening preselects (pressures compared in one unit), and the bottle written as the model.
#include "BuiltCatalogue.h"

#include "models/GasBottleSearch.h"
#include "selection/AccumulatorData.h"

#include <gtest/gtest.h>

namespace
{
constexpr int kPiston = 0;
constexpr int kGB = 2;

std::vector<std::string> Texts(const std::vector<CUnitDouble>& pressures)
{
    std::vector<std::string> texts;
    for (const CUnitDouble& p : pressures)
        texts.push_back(GasBottlePressureText(p));
    return texts;
}

const SGbList& Find(const std::vector<SGbList>& rows, const std::string& strCap)
{
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const SGbList& r) { return r.capacityCode.m_strCode == strCap; });
    EXPECT_NE(it, rows.end()) << strCap;
    return it == rows.end() ? rows.front() : *it;
}
} // namespace

TEST(GasBottleSearch, TypesAndTheTypeCheckedOnOpening)
{
    EXPECT_EQ((std::vector<std::string>{GasBottleTypeText(0), GasBottleTypeText(1), GasBottleTypeText(2),
                                        GasBottleTypeText(3)}),
              (std::vector<std::string>{"Piston", "Bladder", "GB", "View All"}));
    CAccumulatorData data;
    data.Initialize(0);
    EXPECT_EQ(HeldGasBottleType(data), 3); // a fresh selection shows every bottle
    data.eGasBottleType = 1;
    EXPECT_EQ(HeldGasBottleType(data), 1);
    // Out of range (a damaged file): the type of the bottle held.
    data.eGasBottleType = 9;
    data.strAccumulatorType = "GB";
    EXPECT_EQ(HeldGasBottleType(data), 2);
    data.strAccumulatorType = "Diaphragm";
    EXPECT_EQ(HeldGasBottleType(data), 3);
}

TEST(GasBottleSearch, PressuresOfEachTypeAndThePreselectedOneInAnyUnit)
{
    auto pDb = OpenBuiltCatalogue();
    ASSERT_TRUE(pDb);
    const std::vector<CUnitDouble> all = GasBottlePressures(3, *pDb);
    // Lowest first: 3000 psig is 206.8 bar gauge, below 210 bar gauge.
    EXPECT_EQ(Texts(all), (std::vector<std::string>{"3000 psi", "210 bar g", "5000 psi"}));
    EXPECT_EQ(Texts(GasBottlePressures(kPiston, *pDb)), std::vector<std::string>{"3000 psi"});

    EXPECT_EQ(PreselectedPressure(all, CUnitDouble(210.0, "BARG")), 1);
    // The same pressure held in another unit is found: 3000 psig in pascals.
    EXPECT_EQ(PreselectedPressure(all, CUnitDouble(3000.0 * 6894.757 + 101314.224, "PA")), 0);
    // A number equal to an item's, but in another unit, is another pressure.
    EXPECT_EQ(PreselectedPressure(all, CUnitDouble(210.0, "PSIG")), -1);
    EXPECT_EQ(PreselectedPressure(all, CUnitDouble(0.0, "PSIG")), -1);
    EXPECT_EQ(GasBottlePressureText(CUnitDouble(207.5, "BAR")), "207.5 bar a");
}

TEST(GasBottleSearch, BottleRowsShowTheBoreOfPistonStyleBottlesOnly)
{
    auto pDb = OpenBuiltCatalogue();
    ASSERT_TRUE(pDb);
    const std::vector<SGbList> pistons = GasBottleList(kPiston, CUnitDouble(3000.0, "PSIG"), *pDb);
    ASSERT_EQ(pistons.size(), 7u);
    const SGbList& piston = Find(pistons, "-10G");
    EXPECT_EQ(GasBottleCells(piston),
              (std::vector<std::string>{"Piston-Style Gas Bottle, 3000 psi, 9 in Bore, 10 gal", "10 gal (US)",
                                        "9 in"}));
    const std::vector<SGbList> metric = GasBottleList(kGB, CUnitDouble(210.0, "BARG"), *pDb);
    ASSERT_EQ(metric.size(), 4u);
    EXPECT_EQ(GasBottleCells(Find(metric, "-50L")),
              (std::vector<std::string>{"Gas Bottle, 210 bar, 50 L", "50 L", ""}));
    // 210 bar holds no piston-style bottle.
    EXPECT_TRUE(GasBottleList(kPiston, CUnitDouble(210.0, "BARG"), *pDb).empty());
}

TEST(GasBottleSearch, TheChosenBottleIsTheModelWithItsTypesDefaultsAndIsFoundAgain)
{
    auto pDb = OpenBuiltCatalogue();
    ASSERT_TRUE(pDb);
    const CUnitDouble pressure(210.0, "BARG");
    const std::vector<SGbList> rows = GasBottleList(3, pressure, *pDb);
    const SGbList& bottle = Find(rows, "-20L");
    CAccumulatorData data;
    data.Initialize(0);
    data.Initialize(2); // as the model step's copies are; the seal defaults to a piston's
    ApplyGasBottleChoice(data, bottle, pressure, 3, "N", *pDb);
    EXPECT_EQ(data.strAccumulatorType, "GB");
    EXPECT_EQ(data.cpcSeriesCode, CPartCode("GB", 1));
    EXPECT_EQ(data.cpcPressureCode, CPartCode("K", 2));
    EXPECT_EQ(data.cpcCapCode, CPartCode("-20L", 3));
    EXPECT_TRUE(data.cudMaxPressure.IsIdentical(pressure));
    EXPECT_TRUE(data.cudCapacityAccEach.IsIdentical(CUnitDouble(20.0, "L")));
    EXPECT_EQ(data.siQty.Value(), 1);
    EXPECT_EQ(data.cpcGasPortCode.m_strCode, "-S");
    EXPECT_EQ(data.cpcGasValveCode.m_strCode, "1");
    EXPECT_EQ(data.cpcSealCode, CPartCode());
    EXPECT_EQ(data.eGasBottleType, 3);
    EXPECT_EQ(data.m_strType, "View All");
    data.m_nLevel = 2;
    EXPECT_EQ(PreselectedBottle(rows, data), static_cast<int>(&bottle - rows.data()));
    EXPECT_TRUE(IsHeldBottle(bottle, CUnitDouble(pressure.GetValue("PA"), "PA"), data));
    EXPECT_FALSE(IsHeldBottle(rows.front(), pressure, data));

    // A piston-style bottle takes a piston's seal and construction, but no approval text.
    const std::vector<SGbList> pistons = GasBottleList(kPiston, CUnitDouble(3000.0, "PSIG"), *pDb);
    ApplyGasBottleChoice(data, Find(pistons, "-20G"), CUnitDouble(3000.0, "PSIG"), kPiston, "N", *pDb);
    EXPECT_EQ(data.strAccumulatorType, "Piston");
    EXPECT_EQ(data.cpcSealCode.m_strCode, "-N");
    EXPECT_EQ(data.cpcConstCode.m_strCode, "S");
    EXPECT_EQ(data.strApproval, "");
    EXPECT_FALSE(data.cpcNomBoreCode.m_strCode.empty());

    // Back to a standard bottle: the piston's seal does not stay on it.
    ApplyGasBottleChoice(data, bottle, pressure, 3, "N", *pDb);
    EXPECT_EQ(data.cpcSealCode, CPartCode());
}
