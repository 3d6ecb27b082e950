// The archive's byte layout and its refusal of truncated or hostile input.
#include "platform/Archive.h"
#include "platform/Windows1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

TEST(Archive, CountedStringLengthForms)
{
    const struct
    {
        std::size_t nLength;
        Bytes prefix;
    } kCases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        // 0xFFFE and up take the 32-bit form.
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0x10000, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
    };
    for (const auto& c : kCases)
    {
        const std::string strText(c.nLength, 'x');
        CArchive out;
        out.WriteString(strText);
        ASSERT_EQ(out.Bytes().size(), c.prefix.size() + c.nLength) << c.nLength;
        EXPECT_TRUE(std::equal(c.prefix.begin(), c.prefix.end(), out.Bytes().begin())) << c.nLength;
        CArchive in(out.Bytes());
        EXPECT_EQ(in.ReadString(), strText);
        EXPECT_EQ(in.Remaining(), 0u);
    }
}

TEST(Archive, CountFormsAndLittleEndianNumbers)
{
    CArchive out;
    out.WriteCount(0xFFFE);
    out.WriteCount(0xFFFF);
    out.WriteCount(0x12345);
    out.WriteInt32(-2);
    out.WriteUInt16(0x1234);
    out.WriteDouble(1.5);
    const Bytes expected{0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x45, 0x23, 0x01, 0x00,
                         0xFE, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 0,    0,    0,    0,    0,    0,    0xF8, 0x3F};
    EXPECT_EQ(out.Bytes(), expected);

    // Counts are read back when enough elements could follow.
    Bytes bytes = expected;
    bytes.resize(bytes.size() + 0x12345);
    CArchive in(bytes);
    EXPECT_EQ(in.ReadCount(1), 0xFFFEu);
    EXPECT_EQ(in.ReadCount(1), 0xFFFFu);
    EXPECT_EQ(in.ReadCount(1), 0x12345u);
    EXPECT_EQ(in.ReadInt32(), -2);
    EXPECT_EQ(in.ReadUInt16(), 0x1234u);
    EXPECT_EQ(in.ReadDouble(), 1.5);
}

TEST(Archive, TextTravelsAsWindows1252)
{
    const std::string strText = "\u00B0C m\u00B3 \u20AC caf\u00E9 \u201Cx\u201D";
    CArchive out;
    out.WriteString(strText);
    EXPECT_EQ(out.Bytes(), (Bytes{16, 0xB0, 'C', ' ', 'm', 0xB3, ' ', 0x80, ' ', 'c', 'a', 'f', 0xE9, ' ',
                                  0x93, 'x', 0x94}));
    CArchive in(out.Bytes());
    EXPECT_EQ(in.ReadString(), strText);

    // What the code page cannot hold, and malformed UTF-8, become '?'.
    EXPECT_EQ(Utf8ToWindows1252("\u03A9\u2192\U0001F600"), "???");
    EXPECT_EQ(Utf8ToWindows1252("a\xC3"), "a?");
    EXPECT_EQ(Utf8ToWindows1252("\xFF\x80"), "??");
    // Overlong forms must not decode to '/' or a zero byte.
    EXPECT_EQ(Utf8ToWindows1252("\xC0\xAF"), "??");
    EXPECT_EQ(Utf8ToWindows1252(std::string("\xE0\x80\x80", 3)), "???");
    EXPECT_EQ(Utf8ToWindows1252("\xED\xA0\x80"), "???"); // a surrogate

    // Every byte, the five undefined ones too, survives a load and a save.
    std::string strAll;
    for (int b = 1; b < 256; ++b)
        strAll += static_cast<char>(b);
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(strAll)), strAll);
}

TEST(Archive, RefusesTruncatedAndHostileInput)
{
    const auto Throws = [](Bytes bytes, auto read)
    {
        CArchive in(std::move(bytes));
        EXPECT_THROW(read(in), CArchiveError);
    };
    Throws({}, [](CArchive& in) { in.ReadByte(); });
    Throws({1, 2, 3, 4, 5, 6, 7}, [](CArchive& in) { in.ReadDouble(); });
    Throws({1, 2, 3}, [](CArchive& in) { in.ReadUInt32(); });
    Throws({1, 2, 3}, [](CArchive& in) { in.ReadBytes(4); });
    // Strings whose length runs past the end, in each length form, or whose length is cut off.
    Throws({200, 'a', 'b'}, [](CArchive& in) { in.ReadString(); });
    Throws({0xFF, 0x00, 0x10, 'a'}, [](CArchive& in) { in.ReadString(); });
    Throws({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}, [](CArchive& in) { in.ReadString(); });
    Throws({0xFF, 0xFF}, [](CArchive& in) { in.ReadString(); });
    Throws({0xFF, 0xFF, 0xFF, 0x01}, [](CArchive& in) { in.ReadString(); });
    // Counts larger than the remaining bytes could hold, whatever element size the caller names.
    Throws({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}, [](CArchive& in) { in.ReadCount(1); });
    Throws({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0}, [](CArchive& in) { in.ReadCount(0); });
    Throws({0xFF}, [](CArchive& in) { in.ReadCount(1); });
    Bytes tenOfFour{10, 0};
    tenOfFour.resize(2 + 39);
    Throws(tenOfFour, [](CArchive& in) { in.ReadCount(4); });
    tenOfFour.push_back(0);
    CArchive in(tenOfFour);
    EXPECT_EQ(in.ReadCount(4), 10u);

    // A storing archive is not read from.
    CArchive out;
    out.WriteByte(1);
    EXPECT_THROW(out.ReadByte(), CArchiveError);
}
