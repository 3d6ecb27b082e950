// Control characters replaced or escaped.
#include "platform/ControlText.h"

#include "platform/Windows1252.h"

#include <cstdio>

namespace
{
// The marks that reorder a line on the screen (embeddings, overrides, isolates).
bool IsDirectionMark(char32_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

std::string Escape(const char* pszFormat, unsigned nValue)
{
    char szText[16];
    std::snprintf(szText, sizeof szText, pszFormat, nValue);
    return szText;
}

// A message keeps its own line breaks and backslashes; a value escapes them too.
std::string Escaped(const std::string& strUtf8, bool bMessage)
{
    std::string strOut;
    strOut.reserve(strUtf8.size());
    for (std::size_t i = 0; i < strUtf8.size();)
    {
        char32_t c = 0;
        const std::size_t nLength = DecodeUtf8(strUtf8, i, c);
        if (nLength == 0)
            strOut += Escape("\\x%02x", static_cast<unsigned char>(strUtf8[i]));
        else if (bMessage && (c == '\n' || c == '\\'))
            strOut += static_cast<char>(c);
        else if (c == '\\')
            strOut += "\\\\";
        else if (c == '\n')
            strOut += "\\n";
        else if (c == '\t')
            strOut += "\\t";
        else if (c == '\r')
            strOut += "\\r";
        else if (c < 0x80 && IsControlCharacter(c))
            strOut += Escape("\\x%02x", static_cast<unsigned>(c));
        else if (IsControlCharacter(c) || IsDirectionMark(c))
            strOut += Escape("\\u%04x", static_cast<unsigned>(c));
        else
            strOut.append(strUtf8, i, nLength);
        i += nLength == 0 ? 1 : nLength;
    }
    return strOut;
}
} // namespace

bool IsControlCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

std::string OneLineText(const std::string& strUtf8)
{
    std::string strOut;
    strOut.reserve(strUtf8.size());
    for (std::size_t i = 0; i < strUtf8.size();)
    {
        char32_t c = 0;
        const std::size_t nLength = DecodeUtf8(strUtf8, i, c);
        if (nLength == 0 || IsControlCharacter(c))
            strOut += ' ';
        else
            strOut.append(strUtf8, i, nLength);
        i += nLength == 0 ? 1 : nLength;
    }
    return strOut;
}

std::string TerminalText(const std::string& strUtf8)
{
    return Escaped(strUtf8, false);
}

std::string TerminalMessage(const std::string& strUtf8)
{
    return Escaped(strUtf8, true);
}
