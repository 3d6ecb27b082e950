// Character filter and reading rules of the numeric entry fields.
#include "units/NumericEntry.h"

#include "units/NumberFormat.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace
{
bool Contains(const std::string& strText, char ch)
{
    return strText.find(ch) != std::string::npos;
}
} // namespace

char AcceptNumericChar(const SNumericEntryRules& rules, char ch, const std::string& strOutside)
{
    if (ch >= '0' && ch <= '9')
        return ch;
    if (ch == '-')
        return rules.bAllowMinus && !Contains(strOutside, '-') ? ch : '\0';
    if (rules.bLocaleDecimal && (ch == '.' || ch == ','))
        // One decimal separator, whichever way an earlier one was written.
        return Contains(strOutside, '.') || Contains(strOutside, ',') ? '\0' : '.';
    if (ch == '.')
        return rules.bAllowPoint && !Contains(strOutside, '.') ? ch : '\0';
    if (ch == ',')
        return rules.bAllowComma && !Contains(strOutside, ',') ? ch : '\0';
    return '\0';
}

std::optional<std::string> AcceptNumericText(const SNumericEntryRules& rules, const std::string& strTyped,
                                             const std::string& strOutside)
{
    static const char* const kBlanks = " \t\r\n";
    const auto nFirst = strTyped.find_first_not_of(kBlanks);
    if (nFirst == std::string::npos)
        return std::nullopt;
    const auto nLast = strTyped.find_last_not_of(kBlanks);

    std::string strSeen = strOutside;
    std::string strAccepted;
    for (auto i = nFirst; i <= nLast; ++i)
    {
        const char ch = AcceptNumericChar(rules, strTyped[i], strSeen);
        if (ch == '\0')
            return std::nullopt;
        strAccepted += ch;
        strSeen += ch;
    }
    return strAccepted;
}

std::string NumericFieldText(std::string strText, bool bLocaleDecimal, bool bLeadingZero)
{
    if (strText.empty())
        return strText;
    if (bLocaleDecimal)
        std::replace(strText.begin(), strText.end(), ',', '.');
    if (bLeadingZero)
    {
        auto isSeparator = [](char ch) { return ch == '.' || ch == ','; };
        if (isSeparator(strText[0]))
            strText = "0" + strText;
        else if (strText.size() >= 2 && strText[0] == '-' && isSeparator(strText[1]))
            strText = "-0" + strText.substr(1);
    }
    return strText;
}

double NumericFieldValue(std::string strText)
{
    if (strText.empty())
        return 0.0;
    std::replace(strText.begin(), strText.end(), ',', '.');
    return ParseLeadingNumber(strText);
}

int NumericFieldInt(const std::string& strText)
{
    const double dValue = std::trunc(NumericFieldValue(strText));
    if (std::isnan(dValue))
        return 0;
    return static_cast<int>(std::clamp(dValue, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}
