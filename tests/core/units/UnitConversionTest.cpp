// Conversion failures, decimal shift and the unit codes of a value.
#include "RecordingPrompt.h"
#include "units/Units.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

using Strings = std::vector<std::string>;

TEST(UnitConvert, UnknownAndIncompatibleCodesAreReportedAndGiveZero)
{
    CPromptCapture capture;
    EXPECT_EQ(CUnitConvMap::Convert(5.0, "BAR", "GPM"), 0.0);
    EXPECT_EQ(CUnitConvMap::Convert(5.0, "bar", "PSIA"), 0.0);
    EXPECT_EQ(CUnitConvMap::Convert(5.0, "PSIA", "psia"), 0.0);
    // Only the first unknown code is reported.
    EXPECT_EQ(CUnitConvMap::Convert(5.0, "X", "Y"), 0.0);
    EXPECT_EQ(capture->Texts(), (Strings{"These units are incompatible BAR GPM", "Unit Not Found  bar",
                                         "Unit Not Found  psia", "Unit Not Found  X"}));
}

TEST(UnitConvert, EqualCodesReturnTheValueBitForBit)
{
    CPromptCapture capture;
    const double dNaN = std::bit_cast<double>(std::uint64_t{0x7FF800000000ABCDull});
    for (const double d : {dNaN, -0.0, 1.0 / 3.0, std::numeric_limits<double>::infinity()})
        for (const char* pszCode : {"BAR", "NOT_A_UNIT", ""})
            EXPECT_EQ(std::bit_cast<std::uint64_t>(CUnitConvMap::Convert(d, pszCode, pszCode)),
                      std::bit_cast<std::uint64_t>(d));
    EXPECT_TRUE(capture->Texts().empty());
}

TEST(UnitDecimalShift, CountsTheIntegerDigitsOfTheFactorRatio)
{
    CPromptCapture capture;
    // Ratios just below and at each power of ten, both ways; offsets play no part.
    const std::tuple<const char*, const char*, int> cases[] = {
        {"BAR", "PSIG", 1},       {"PSIG", "BAR", -1}, {"DEG_C", "DEG_F", 0}, {"PSIA", "PSIG", 0},
        {"IN", "CM", 0},          {"CM", "MM", 1},     {"MM", "CM", -1},      {"MIN", "SEC", 1},
        {"GAL_RPM", "CC_REV", 3}, {"CU_FT", "L", 1},   {"DAY", "MIN", 3},     {"M", "MM", 3},
        {"MPA", "PA", 6},         {"L", "CU_M", -3},   {"ATM", "BAR", 0},     {"GAL", "L", 0}};
    for (const auto& [pszFrom, pszTo, nShift] : cases)
        EXPECT_EQ(CUnitConvMap::GetDecimalShift(pszFrom, pszTo), nShift) << pszFrom << " to " << pszTo;
    EXPECT_TRUE(capture->Texts().empty());

    EXPECT_EQ(CUnitConvMap::GetDecimalShift("BAR", "bar"), 0);
    EXPECT_EQ(CUnitConvMap::GetDecimalShift("X", "PSIG"), 0);
    EXPECT_EQ(capture->Texts(), (Strings{"Unit not found.", "Unit not found."}));
}

TEST(UnitCode, SetUnitTakesOnlyKnownCodes)
{
    CPromptCapture capture;
    CUnitDouble value(1.0, "BAR");
    value.SetUnit("PSIG");
    EXPECT_EQ(value.GetUnit(), "PSIG");
    value.SetUnit("psig");
    EXPECT_EQ(value.GetUnit(), "PSIG");
    EXPECT_EQ(capture->Texts(), Strings{"Unknown Unit String: psig"});

    capture->Clear();
    EXPECT_TRUE(value.SetUnitByStringID(21098));
    EXPECT_EQ(value.GetUnit(), "CU_FT_MIN");
    // 21076 and 21077 are texts that belong to no unit.
    EXPECT_FALSE(value.SetUnitByStringID(21076));
    EXPECT_EQ(value.GetUnit(), "CU_FT_MIN");
    EXPECT_EQ(capture->Texts(), Strings{"Unit iStringID Not Found"});
}

TEST(UnitTable, ManyValuesDoNotGrowIt)
{
    CPromptCapture capture;
    for (int i = 0; i < 1000; ++i)
        CUnitDouble(i, "CODE_" + std::to_string(i)).SetUnit("ALSO_" + std::to_string(i));
    EXPECT_EQ(UnitTableEntries().size(), 81u);
    EXPECT_EQ(FindUnit("CODE_1"), nullptr);
}
