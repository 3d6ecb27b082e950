// The composition forms of the checks' messages.
#include "sizing/CheckMessages.h"

#include "catalogue/MessageKeys.h"
#include "catalogue/MsgStoredProc.h"
#include "units/UnitConvMap.h"

#include <cmath>

namespace sizing
{
std::string MessageNumber(double dValue, int nDecimals)
{
    // Rounded first, so that a limit converted to 4999.9999999 shows as a whole 5000.
    const double dScale = std::pow(10.0, nDecimals);
    if (std::fabs(dValue * dScale) < 1e15)
        dValue = std::round(dValue * dScale) / dScale;
    return CUnitConvMap::FormatNumber(dValue, nDecimals, false, true);
}

std::string FillPlaceholders(const std::string& strFormat, const std::string& strFirst,
                             const std::string& strSecond)
{
    // Filled by hand rather than by printf: the format text comes from the catalogue.
    std::string strResult;
    const std::string* args[] = {&strFirst, &strSecond};
    std::size_t nArg = 0, nPos = 0;
    while (true)
    {
        const std::size_t nFound = strFormat.find("%s", nPos);
        if (nFound == std::string::npos || nArg == 2)
            break;
        strResult.append(strFormat, nPos, nFound - nPos);
        strResult += *args[nArg++];
        nPos = nFound + 2;
    }
    strResult.append(strFormat, nPos, std::string::npos);
    return strResult;
}

std::string ReplaceLineBreaks(std::string strText)
{
    std::string strResult;
    std::size_t nPos = 0, nFound;
    while ((nFound = strText.find("^n", nPos)) != std::string::npos)
    {
        strResult.append(strText, nPos, nFound - nPos);
        strResult += '\n';
        nPos = nFound + 2;
    }
    strResult.append(strText, nPos, std::string::npos);
    return strResult;
}

std::string CCheckMessages::Lookup(const std::string& strKey) const
{
    return m_messages.GetMessage(strKey);
}

std::string CCheckMessages::Tail(ETail eTail) const
{
    switch (eTail)
    {
    case ETail::LookedUp:
        return Lookup(msg::kTail);
    case ETail::None:
        break;
    }
    return std::string();
}

std::string CCheckMessages::Plain(const std::string& strKey, ETail eTail) const
{
    return Lookup(strKey) + "\r\n" + Tail(eTail);
}

std::string CCheckMessages::Formatted(const std::string& strKey, const std::string& strValue,
                                      const std::string& strUnit, ETail eTail) const
{
    return ReplaceLineBreaks(FillPlaceholders(Lookup(strKey), strValue, strUnit) + Tail(eTail));
}

std::string CCheckMessages::Formatted(const std::string& strKey, const CUnitDouble& value,
                                      const std::string& strUnitCode, ETail eTail, int nDecimals) const
{
    return Formatted(strKey, MessageNumber(value.GetValue(strUnitCode), nDecimals),
                     UnitDisplayText(strUnitCode), eTail);
}

std::string CCheckMessages::Joined(const std::string& strKey, ETail eTail) const
{
    return ReplaceLineBreaks(Lookup(strKey) + Tail(eTail));
}

std::string CCheckMessages::Temperature(const std::string& strKey, const CUnitDouble& limit,
                                        const std::string& strUnitCode) const
{
    return Formatted(strKey, limit, strUnitCode, ETail::None);
}
} // namespace sizing
