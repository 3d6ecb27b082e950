// Unit and number arguments.
#include "UnitArgument.h"

#include "units/Units.h"

#include <charconv>
#include <cmath>

std::optional<std::string> ParseUnitArgument(const std::string& strText)
{
    if (FindUnit(strText))
        return strText;
    for (const auto& entry : UnitTableEntries())
        if (entry.unit.m_iStringID != 0 && UnitDisplayText(entry.strCode) == strText)
            return entry.strCode;
    return std::nullopt;
}

std::optional<double> ParseNumberArgument(const std::string& strText)
{
    const char* pBegin = strText.data();
    const char* pEnd = pBegin + strText.size();
    if (pBegin != pEnd && *pBegin == '+')
        ++pBegin;
    double d = 0.0;
    auto result = std::from_chars(pBegin, pEnd, d);
    if (result.ec != std::errc() || result.ptr != pEnd || !std::isfinite(d))
        return std::nullopt;
    return d;
}
