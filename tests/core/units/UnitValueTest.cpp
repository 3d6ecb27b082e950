// Values with units: comparisons, conversion, reading text and the stored form.
#include "RecordingPrompt.h"
#include "platform/Archive.h"
#include "units/Units.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

using Bytes = std::vector<std::uint8_t>;
using Strings = std::vector<std::string>;

namespace
{
template <typename T> Bytes Store(T value)
{
    CArchive ar;
    value.Serialize(ar);
    return ar.Bytes();
}

template <typename T> T Load(const Bytes& bytes, T value)
{
    CArchive ar(bytes);
    value.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
    return value;
}
} // namespace

TEST(UnitDouble, ComparesInItsOwnUnitWithoutTolerance)
{
    CPromptCapture capture;
    const CUnitDouble gauge(100.0, "PSIG");
    const CUnitDouble absolute(114.694386, "PSIA"); // 99.9999995... psig
    EXPECT_FALSE(gauge == absolute);
    EXPECT_TRUE(gauge != absolute);
    EXPECT_TRUE(gauge > absolute);
    EXPECT_FALSE(gauge <= absolute);
    EXPECT_TRUE(absolute < gauge);

    EXPECT_TRUE(CUnitDouble(1.0, "BAR") == CUnitDouble(100.0, "KPA"));
    EXPECT_TRUE(CUnitDouble(1.0, "BAR") >= CUnitDouble(100.0, "KPA"));
    EXPECT_FALSE(CUnitDouble(1.0, "BAR") == CUnitDouble(100000.0000001, "PA"));
    EXPECT_TRUE(CUnitDouble(1.0, "BAR") < CUnitDouble(100000.0000001, "PA"));
    // Same codes compare directly, without the table.
    EXPECT_TRUE(CUnitDouble(5.0, "FURLONG") == CUnitDouble(5.0, "FURLONG"));
    EXPECT_TRUE(capture->Texts().empty());

    // An unknown other unit is reported and compares as 0.
    EXPECT_TRUE(CUnitDouble(5.0, "BAR") > CUnitDouble(3.0, "FURLONG"));
    EXPECT_TRUE(CUnitDouble(-1.0, "BAR") < CUnitDouble(3.0, "FURLONG"));
    EXPECT_EQ(capture->Texts(), (Strings{"Unit Not Found  FURLONG", "Unit Not Found  FURLONG"}));
}

TEST(UnitDouble, IdenticalConvertToAndSetFromText)
{
    CPromptCapture capture;
    EXPECT_TRUE(CUnitDouble(1.0, "BAR").IsIdentical(CUnitDouble(1.0, "BAR")));
    EXPECT_FALSE(CUnitDouble(1.0, "BAR").IsIdentical(CUnitDouble(100.0, "KPA")));
    EXPECT_FALSE(CUnitDouble(1.0, "BAR").IsIdentical(CUnitDouble(1.0, "bar")));

    CUnitDouble value(20.0, "DEG_C");
    value.ConvertTo("DEG_F");
    EXPECT_EQ(value.GetUnit(), "DEG_F");
    EXPECT_DOUBLE_EQ(value.Value(), 68.0);
    EXPECT_DOUBLE_EQ(value.GetValue("DEG_C"), 20.0);
    EXPECT_TRUE(capture->Texts().empty());

    // Reading text keeps the unit and follows strtod: leading blanks, stop at the first stray character.
    const std::pair<const char*, double> kCases[] = {{"  12.5abc", 12.5}, {"abc", 0.0}, {"", 0.0},
                                                     {"-1e3", -1000.0},   {"+3.", 3.0}, {"1,5", 1.0}};
    for (const auto& [pszText, dExpected] : kCases)
    {
        value.SetFromText(pszText);
        EXPECT_EQ(value.Value(), dExpected) << pszText;
    }
    EXPECT_EQ(value.GetUnit(), "DEG_F");
    value.Clear();
    EXPECT_TRUE(value.IsIdentical(CUnitDouble()));
}

TEST(UnitInt, EqualityNeverConverts)
{
    CPromptCapture capture;
    EXPECT_TRUE(CUnitInt(5, "SEC") == CUnitInt(5, "SEC"));
    EXPECT_FALSE(CUnitInt(5, "SEC") == CUnitInt(5, "MIN"));
    EXPECT_TRUE(CUnitInt(60, "SEC") != CUnitInt(1, "MIN"));
    EXPECT_TRUE(capture->Texts().empty());
    EXPECT_DOUBLE_EQ(CUnitInt(60, "SEC").GetValue("MIN"), 1.0002);
}

TEST(UnitStoredForm, IsTheCountedUnitThenTheLittleEndianValue)
{
    EXPECT_EQ(Store(CUnitDouble(1.5, "BAR")), (Bytes{3, 'B', 'A', 'R', 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
    EXPECT_EQ(Store(CUnitInt(-2, "SEC")), (Bytes{3, 'S', 'E', 'C', 0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Store(CUnitString("5 \u00B0C", "")), (Bytes{0, 4, '5', ' ', 0xB0, 'C'}));
    EXPECT_EQ(Store(CUnitDouble()), (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0}));

    // Loading replaces whatever the value held, bit for bit.
    const double dNaN = std::bit_cast<double>(std::uint64_t{0x7FF8000000001234ull});
    for (const double d : {-0.0, dNaN, std::numeric_limits<double>::denorm_min(), 1e308})
    {
        const CUnitDouble loaded = Load(Store(CUnitDouble(d, "CU_IN")), CUnitDouble(9.0, "BAR"));
        EXPECT_EQ(loaded.GetUnit(), "CU_IN");
        EXPECT_EQ(std::bit_cast<std::uint64_t>(loaded.Value()), std::bit_cast<std::uint64_t>(d));
    }
    for (const std::int32_t n : {std::numeric_limits<std::int32_t>::min(), 0, 123456789})
        EXPECT_TRUE(Load(Store(CUnitInt(n, "HR")), CUnitInt(1, "MIN")) == CUnitInt(n, "HR"));
    const CUnitString text("\u20AC 12, caf\u00E9", "GAL");
    EXPECT_TRUE(Load(Store(text), CUnitString("old", "L")) == text);

    // A value cut short is refused.
    Bytes bytes = Store(CUnitDouble(1.5, "BAR"));
    bytes.pop_back();
    CUnitDouble value;
    CArchive ar(bytes);
    EXPECT_THROW(value.Serialize(ar), CArchiveError);
}

TEST(UnitStoredForm, AnUnknownLoadedCodeIsKept)
{
    CPromptCapture capture;
    CArchive out;
    out.WriteString("FURLONG");
    out.WriteDouble(3.0);
    const CUnitDouble value = Load(out.Bytes(), CUnitDouble(1.0, "BAR"));
    EXPECT_EQ(value.GetUnit(), "FURLONG");
    EXPECT_EQ(value.Format(2, false, true), "3");
    EXPECT_EQ(value.FormatIn("FURLONG", 1, true, false), "3.0");
    EXPECT_EQ(value.GetUnitString(), "");
    EXPECT_TRUE(capture->Texts().empty());

    EXPECT_EQ(value.GetValue("M"), 0.0);
    EXPECT_EQ(capture->Texts(), Strings{"Unit Not Found  FURLONG"});
}
