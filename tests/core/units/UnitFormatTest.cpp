// Number-to-text rules of values with units, and their independence of the process locale.
#include "RecordingPrompt.h"
#include "units/Units.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

namespace
{
std::string Fmt(double d, int nDecimals, bool bKeepZeros, bool bIntNoPoint)
{
    return CUnitConvMap::FormatNumber(d, nDecimals, bKeepZeros, bIntNoPoint);
}
} // namespace

TEST(UnitFormat, FormatNumberTrimsButKeepsOneZeroAfterThePoint)
{
    EXPECT_EQ(Fmt(2.5, 3, false, true), "2.5");
    EXPECT_EQ(Fmt(2.0, 3, false, true), "2");
    EXPECT_EQ(Fmt(2.0, 3, false, false), "2.0");
    EXPECT_EQ(Fmt(2.5, 3, true, false), "2.500");
    EXPECT_EQ(Fmt(12.5, 3, false, false), "12.5");
    EXPECT_EQ(Fmt(-2.0, 2, false, true), "-2");
    // Only an integral value loses its point, not one that merely prints as integral.
    EXPECT_EQ(Fmt(2.0004, 3, false, true), "2.0");
    // Keeping zeros also keeps the point of an integral value.
    EXPECT_EQ(Fmt(3.0, 2, true, true), "3.00");
    // Text without a point is never trimmed.
    EXPECT_EQ(Fmt(100.0, 0, false, true), "100");
    EXPECT_EQ(Fmt(1234.56, 0, false, false), "1235");
    // printf rounding: the exact binary value decides, ties go to even.
    EXPECT_EQ(Fmt(2.675, 2, true, false), "2.67");
    EXPECT_EQ(Fmt(0.125, 2, true, false), "0.12");
    // The widest value with the most decimals still fits.
    EXPECT_EQ(Fmt(-std::numeric_limits<double>::max(), 100, true, false).size(), 1u + 309 + 1 + 100);
    EXPECT_EQ(CUnitInt(-42, "SEC").Format(), "-42");
}

TEST(UnitFormat, SamePrecisionShiftsTheDecimalsByTheUnitRatio)
{
    CPromptCapture capture;
    EXPECT_EQ(CUnitDouble(10.5, "BAR").FormatInSamePrecision("PSIG"), "138");
    EXPECT_EQ(CUnitDouble(152, "PSIG").FormatInSamePrecision("BAR"), "11.5");
    EXPECT_EQ(CUnitDouble(0, "BAR").FormatInSamePrecision("PSIG"), "-15");
    EXPECT_EQ(CUnitDouble(1.25, "BAR").FormatInSamePrecision("BAR"), "1.25");
    EXPECT_EQ(CUnitDouble(1.5, "M").FormatInSamePrecision("MM"), "1500");
    EXPECT_EQ(CUnitDouble(1525, "MM").FormatInSamePrecision("M"), "1.525");
    // Six decimals at most of its own; trailing zeros of the result are not kept.
    EXPECT_EQ(CUnitDouble(1.2345678, "BAR").FormatInSamePrecision("PSIA"), "17.90589");
    EXPECT_EQ(CUnitDouble(2.0, "IN").FormatInSamePrecision("MM"), "51"); // no decimals to shift away
    EXPECT_EQ(CUnitDouble(25.0, "DEG_C").FormatInSamePrecision("DEG_F"), "77");
    EXPECT_TRUE(capture->Texts().empty());
}

TEST(UnitFormat, RelativePrecisionFormatsTheOwnNumber)
{
    CPromptCapture capture;
    EXPECT_EQ(CUnitDouble(0.5, "GAL").FormatRelative("L", 2), "0.500");
    EXPECT_EQ(CUnitDouble(0.05, "CU_FT").FormatRelative("L", 2), "0.05");
    EXPECT_EQ(CUnitDouble(2.26, "CU_FT").FormatRelative("L", 2), "2.3");
    EXPECT_EQ(CUnitDouble(1.0, "CU_FT").FormatRelative("L", 2), "1.000");
    EXPECT_EQ(CUnitDouble(0.005, "CU_FT").FormatRelative("L", 2), "0.005");
    EXPECT_EQ(CUnitDouble(-3.0, "CU_FT").FormatRelative("L", 2), "-3.000");
    // A negative shift gives no decimals above 1.
    EXPECT_EQ(CUnitDouble(5.25, "L").FormatRelative("CU_FT", 2), "5");
    EXPECT_EQ(CUnitDouble(2.5, "L").FormatRelative("L", 2), "2.50");
    // The edges of each band, against a reference one decimal finer (ft3 against L).
    const std::pair<double, const char*> bands[] = {{1.0001, "1.0"},  {1.0, "1.000"},  {0.1, "0.1"},
                                                    {0.0999, "0.10"}, {0.01, "0.01"},  {0.00999, "0.010"},
                                                    {0.0, "0.000"},   {-0.5, "-0.500"}};
    for (const auto& [dValue, pszText] : bands)
        EXPECT_EQ(CUnitDouble(dValue, "CU_FT").FormatRelative("L", 2), pszText) << dValue;
    // Without a finer reference only values above 1 lose decimals.
    EXPECT_EQ(CUnitDouble(0.1, "GAL").FormatRelative("L", 2), "0.100");
    EXPECT_EQ(CUnitDouble(2.0, "GAL").FormatRelative("L", 2), "2");
    EXPECT_TRUE(capture->Texts().empty());
}

TEST(UnitFormat, PrecisionFromTextDropsTrailingZerosAndPoint)
{
    EXPECT_EQ(CUnitDouble(2.5, "BAR").FormatPrecision("3"), "2.5");
    EXPECT_EQ(CUnitDouble(4.0, "BAR").FormatPrecision("3"), "4");
    EXPECT_EQ(CUnitDouble(10.0, "BAR").FormatPrecision("0"), "10");
    EXPECT_EQ(CUnitDouble(7.6, "BAR").FormatPrecision("0"), "8");
    EXPECT_EQ(CUnitDouble(100.0, "BAR").FormatPrecision("0"), "100");
    // The digits never reach a format string: no digits means none, and huge counts are capped.
    EXPECT_EQ(CUnitDouble(7.6, "BAR").FormatPrecision("%s%n"), "8");
    EXPECT_EQ(CUnitDouble(7.6, "BAR").FormatPrecision(""), "8");
    EXPECT_EQ(CUnitDouble(0.5, "BAR").FormatPrecision("99999999999999999999"), "0.5");
}

TEST(UnitFormat, TextDoesNotDependOnTheProcessLocale)
{
    const std::string strOld = std::setlocale(LC_NUMERIC, nullptr);
    bool bComma = false;
    for (const char* pszName : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"})
        if (!bComma && std::setlocale(LC_NUMERIC, pszName))
            bComma = *std::localeconv()->decimal_point == ',';
    if (!bComma)
    {
        std::setlocale(LC_NUMERIC, strOld.c_str());
        GTEST_SKIP() << "no comma-decimal locale is installed";
    }
    CUnitDouble value(0, "BAR");
    value.SetFromText("1.5");
    const double dDot = value.Value();
    value.SetFromText("1,5");
    const double dComma = value.Value();
    const std::string strTexts[] = {Fmt(2.5, 3, false, true),
                                    CUnitDouble(3.14159, "BAR").FormatPrecision("2"),
                                    CUnitDouble(10.5, "BAR").FormatInSamePrecision("BAR")};
    std::setlocale(LC_NUMERIC, strOld.c_str());

    EXPECT_EQ(dDot, 1.5);
    EXPECT_EQ(dComma, 1.0);
    EXPECT_EQ(strTexts[0], "2.5");
    EXPECT_EQ(strTexts[1], "3.14");
    EXPECT_EQ(strTexts[2], "10.5");
}
