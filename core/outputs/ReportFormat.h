// How the report writes values, units and model-number codes.
#pragma once

#include <string>

class CUnitDouble;
class CPartCode;

namespace report
{
// The number with d decimals, trailing zeros trimmed, whole numbers without a point.
std::string Value(const CUnitDouble& value, int nDecimals);
// The display text of the value's unit (empty for none).
std::string Unit(const CUnitDouble& value);
// The number, two blanks and the unit.
std::string ValueUnit(const CUnitDouble& value, int nDecimals);
// The number, one blank and the unit.
std::string ValueUnitOneBlank(const CUnitDouble& value, int nDecimals);
// The code, one blank and the description; the description alone for the "_" code.
std::string CodeDescription(const CPartCode& code);
// One text or another by a flag: "1" / "0" style report flags.
inline std::string Flag(bool bSet)
{
    return bSet ? "1" : "0";
}
} // namespace report
