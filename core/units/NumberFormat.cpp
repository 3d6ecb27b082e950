// Fixed-point printing and leading-number parsing, independent of the user's locale.
#include "units/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <locale.h>

std::string PrintFixed(double dValue, int nDecimals)
{
    nDecimals = std::clamp(nDecimals, 0, 100);
    // Digits before the point (at most 309) plus sign, point and decimals.
    char buffer[320 + 100];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, dValue, std::chars_format::fixed, nDecimals);
    return std::string(buffer, result.ptr);
}

std::string FormatExponent(double dExponent)
{
    return PrintFixed(dExponent, 2);
}

double ParseLeadingNumber(const std::string& strText)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(strText.c_str(), nullptr, cLocale);
}
