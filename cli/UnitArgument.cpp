// Unit and number arguments.
#include "UnitArgument.h"

#include "platform/StringTable.h"
#include "units/Units.h"

#include <charconv>
#include <cmath>

namespace
{
constexpr int kStringUnitNotFound = 59167; // "Unit Not Found  %1"

// The units whose display text has the text as its first word: "kPa" names "kPa a" alone, "bar"
// both "bar a" and "bar g".
std::vector<std::string> UnitsFirstNamed(const std::string& strText)
{
    std::vector<std::string> codes;
    for (const auto& entry : UnitTableEntries())
        if (entry.unit.m_iStringID != 0 && UnitDisplayText(entry.strCode).rfind(strText + " ", 0) == 0)
            codes.push_back(entry.strCode);
    return codes;
}
} // namespace

std::string UnknownUnitMessage(const std::string& strText)
{
    // The engine's own message, in the language of --language; the hint stays the tool's.
    std::string strMessage = FormatString(kStringUnitNotFound, {strText});
    const std::vector<std::string> codes = UnitsFirstNamed(strText);
    for (std::size_t i = 0; i < codes.size(); ++i)
        strMessage += (i == 0 ? " (say which: " : i + 1 == codes.size() ? " or " : ", ") + UnitDisplayText(codes[i]) +
                      " = " + codes[i];
    return codes.empty() ? strMessage : strMessage + ")";
}

std::optional<std::string> ParseUnitArgument(const std::string& strText)
{
    if (FindUnit(strText))
        return strText;
    const auto withoutBlanks = [](std::string strShown)
    {
        std::erase(strShown, ' ');
        return strShown;
    };
    for (const auto& entry : UnitTableEntries())
        if (entry.unit.m_iStringID != 0 && UnitDisplayText(entry.strCode) == strText)
            return entry.strCode;
    for (const auto& entry : UnitTableEntries())
        if (entry.unit.m_iStringID != 0 && withoutBlanks(UnitDisplayText(entry.strCode)) == strText)
            return entry.strCode;
    // "kPa" for "kPa a": a first word that names one unit only. "bar" names two, and is no unit.
    if (const std::vector<std::string> codes = UnitsFirstNamed(strText); codes.size() == 1)
        return codes.front();
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

std::optional<CUnitDouble> ParseValueWithUnit(const std::string& strText, int nCategoryId, std::string& strError)
{
    const char* pBegin = strText.data();
    const char* pEnd = pBegin + strText.size();
    if (pBegin != pEnd && *pBegin == '+')
        ++pBegin;
    double d = 0.0;
    const auto result = std::from_chars(pBegin, pEnd, d);
    if (result.ec != std::errc() || !std::isfinite(d))
    {
        strError = "\"" + strText + "\" does not start with a number";
        return std::nullopt;
    }
    std::string strUnit(result.ptr, pEnd);
    while (!strUnit.empty() && strUnit.front() == ' ')
        strUnit.erase(strUnit.begin());
    if (strUnit.empty())
    {
        strError = "\"" + strText + "\" needs a unit after the number (a unit code or its display text)";
        return std::nullopt;
    }
    const auto code = ParseUnitArgument(strUnit);
    if (!code)
    {
        strError = UnknownUnitMessage(strUnit);
        return std::nullopt;
    }
    if (nCategoryId != 0 && FindUnit(*code)->m_iCategoryID != nCategoryId)
    {
        strError = "\"" + strText + "\" is not in a unit of " + LoadString(nCategoryId);
        return std::nullopt;
    }
    return CUnitDouble(d, *code);
}
