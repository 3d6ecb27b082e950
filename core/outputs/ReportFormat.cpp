// The report's value formatting, on the unit layer's number rules.
#include "outputs/ReportFormat.h"

#include "selection/PartCode.h"
#include "units/UnitDouble.h"

namespace report
{
std::string Value(const CUnitDouble& value, int nDecimals)
{
    return value.Format(nDecimals, false, true);
}

std::string Unit(const CUnitDouble& value)
{
    return value.GetUnitString();
}

std::string ValueUnit(const CUnitDouble& value, int nDecimals)
{
    return Value(value, nDecimals) + "  " + Unit(value);
}

std::string ValueUnitOneBlank(const CUnitDouble& value, int nDecimals)
{
    return Value(value, nDecimals) + " " + Unit(value);
}

std::string CodeDescription(const CPartCode& code)
{
    // "_" only holds its position open: nothing of it is in the model number to show.
    if (code.m_strCode == "_")
        return code.m_strDescription;
    return code.m_strCode + " " + code.m_strDescription;
}
} // namespace report
