// Locale-independent number <-> text conversions with printf's rounding.
#pragma once

#include <string>

// The value printed as with "%0.<nDecimals>f" in the C locale.
std::string PrintFixed(double dValue, int nDecimals);

// A polytropic exponent as every output shows it (results, report, charts, command line): two
// decimals, printf's rounding, zeros kept, so 1.7453 reads 1.75 and 1 reads 1.00 everywhere.
std::string FormatExponent(double dExponent);

// The number at the start of the text by strtod's rules in the C locale:
// leading blanks skipped, reading stops where the number ends, no number gives 0.
double ParseLeadingNumber(const std::string& strText);
