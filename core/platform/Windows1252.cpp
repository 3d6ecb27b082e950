// Windows-1252 <-> UTF-8.
#include "platform/Windows1252.h"

#include <cstdint>

namespace
{
// Code points of the bytes 0x80 to 0x9F; 0 marks the five undefined bytes,
// which travel as the C1 controls of the same number so that they survive a
// load and a save unchanged.
constexpr char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& strOut, char32_t c)
{
    if (c < 0x80)
        strOut += static_cast<char>(c);
    else if (c < 0x800)
    {
        strOut += static_cast<char>(0xC0 | (c >> 6));
        strOut += static_cast<char>(0x80 | (c & 0x3F));
    }
    else
    {
        strOut += static_cast<char>(0xE0 | (c >> 12));
        strOut += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        strOut += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char ToByte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    if (c < 0xA0)
        return kHigh[c - 0x80] == 0 ? static_cast<char>(c) : '?';
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] != 0 && kHigh[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}
} // namespace

std::size_t DecodeUtf8(const std::string& strText, std::size_t i, char32_t& c)
{
    const auto* p = reinterpret_cast<const unsigned char*>(strText.data());
    const std::size_t n = strText.size();
    const unsigned char b = p[i];
    int nExtra = 0;
    if (b < 0x80)
        return c = b, 1;
    if ((b & 0xE0) == 0xC0)
        nExtra = 1, c = b & 0x1F;
    else if ((b & 0xF0) == 0xE0)
        nExtra = 2, c = b & 0x0F;
    else if ((b & 0xF8) == 0xF0)
        nExtra = 3, c = b & 0x07;
    else
        return 0;
    if (i + static_cast<std::size_t>(nExtra) >= n)
        return 0;
    for (int k = 1; k <= nExtra; ++k)
    {
        const unsigned char cont = p[i + k];
        if ((cont & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (cont & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are malformed too;
    // an overlong form would otherwise smuggle in a '/' or a zero byte.
    static constexpr char32_t kMinimum[4] = {0, 0x80, 0x800, 0x10000};
    if (c < kMinimum[nExtra] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return 0;
    return static_cast<std::size_t>(1 + nExtra);
}

std::string Utf8ToWindows1252(const std::string& strUtf8)
{
    std::string strOut;
    strOut.reserve(strUtf8.size());
    for (std::size_t i = 0; i < strUtf8.size();)
    {
        char32_t c = 0;
        const std::size_t nLength = DecodeUtf8(strUtf8, i, c);
        strOut += nLength == 0 ? '?' : ToByte(c);
        i += nLength == 0 ? 1 : nLength;
    }
    return strOut;
}

bool IsValidUtf8(const std::string& strText)
{
    char32_t c = 0;
    for (std::size_t i = 0, nLength = 0; i < strText.size(); i += nLength)
        if ((nLength = DecodeUtf8(strText, i, c)) == 0)
            return false;
    return true;
}

bool FitsWindows1252(const std::string& strUtf8)
{
    char32_t c = 0;
    for (std::size_t i = 0, nLength = 0; i < strUtf8.size(); i += nLength)
        if ((nLength = DecodeUtf8(strUtf8, i, c)) == 0 || (ToByte(c) == '?' && c != U'?'))
            return false;
    return true;
}

std::string Utf8OrWindows1252ToUtf8(const std::string& strText)
{
    return IsValidUtf8(strText) ? strText : Windows1252ToUtf8(strText);
}

std::string Windows1252ToUtf8(const std::string& strBytes)
{
    std::string strOut;
    strOut.reserve(strBytes.size());
    for (char ch : strBytes)
    {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            strOut += ch;
        else if (b < 0xA0)
            AppendUtf8(strOut, kHigh[b - 0x80] ? kHigh[b - 0x80] : char32_t(b));
        else
            AppendUtf8(strOut, b);
    }
    return strOut;
}
