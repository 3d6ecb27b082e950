// Unit conversion, decimal shift and number formatting.
#include "units/UnitConvMap.h"

#include "platform/Archive.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "units/NumberFormat.h"
#include "units/UnitTable.h"

#include <cmath>

namespace
{
// A unit code or string id that the unit table lacks, or units of two categories.
constexpr int kStringUnitNotFoundCode = 59167, kStringIncompatible = 59168, kStringUnitNotFound = 59169,
              kStringUnknownUnit = 59170, kStringNoUnitOfId = 59171;
} // namespace

double CUnitConvMap::Convert(double dValue, const std::string& strFrom, const std::string& strTo)
{
    if (strFrom == strTo)
        return dValue;
    const CUnitObject* pFrom = FindUnit(strFrom);
    if (!pFrom)
    {
        GetPrompt().Message(FormatString(kStringUnitNotFoundCode, {strFrom}));
        return 0.0;
    }
    const CUnitObject* pTo = FindUnit(strTo);
    if (!pTo)
    {
        GetPrompt().Message(FormatString(kStringUnitNotFoundCode, {strTo}));
        return 0.0;
    }
    if (pFrom->m_iCategoryID != pTo->m_iCategoryID)
    {
        GetPrompt().Message(FormatString(kStringIncompatible, {strFrom, strTo}));
        return 0.0;
    }
    const double dBase = dValue * pFrom->m_dFactor + pFrom->m_dOffset;
    return (dBase - pTo->m_dOffset) / pTo->m_dFactor;
}

std::string CUnitConvMap::FormatNumber(double dValue, int nDecimals, bool bKeepZeros, bool bIntNoPoint)
{
    std::string strText = PrintFixed(dValue, nDecimals);
    const auto nPoint = strText.find('.');
    if (bKeepZeros || nPoint == std::string::npos)
        return strText;
    while (strText.size() > nPoint + 2 && strText.back() == '0')
        strText.pop_back();
    if (bIntNoPoint && std::floor(dValue) == dValue)
        strText.erase(nPoint);
    return strText;
}

namespace
{
int IntegerDigits(double dRatio)
{
    // The integer part printed with %d; ratios of table factors stay far below INT_MAX.
    const double dInt = std::floor(std::fmin(dRatio, 2147483647.0));
    return static_cast<int>(std::to_string(static_cast<long long>(dInt)).size());
}
} // namespace

int CUnitConvMap::GetDecimalShift(const std::string& strFrom, const std::string& strTo)
{
    const CUnitObject* pTo = FindUnit(strTo);
    const CUnitObject* pFrom = pTo ? FindUnit(strFrom) : nullptr;
    if (!pTo || !pFrom)
    {
        GetPrompt().Message(LoadString(kStringUnitNotFound));
        return 0;
    }
    if (pFrom->m_dFactor > pTo->m_dFactor)
        return IntegerDigits(pFrom->m_dFactor / pTo->m_dFactor) - 1;
    return -(IntegerDigits(pTo->m_dFactor / pFrom->m_dFactor) - 1);
}

std::string CUnitConvMap::GetCodeByStringID(int iStringID)
{
    for (const auto& entry : UnitTableEntries())
        if (entry.unit.m_iStringID == iStringID)
            return entry.strCode;
    return std::string();
}

std::string UnitDisplayText(const std::string& strCode)
{
    const CUnitObject* pUnit = FindUnit(strCode);
    if (!pUnit || pUnit->m_iStringID == 0)
        return std::string();
    return LoadString(pUnit->m_iStringID);
}

std::string CUnitConvMap::GetUnitString() const
{
    return UnitDisplayText(m_strUnit);
}

void CUnitConvMap::SetUnit(const std::string& strCode)
{
    if (FindUnit(strCode))
        m_strUnit = strCode;
    else
        GetPrompt().Message(FormatString(kStringUnknownUnit, {strCode}));
}

bool CUnitConvMap::SetUnitByStringID(int iStringID)
{
    const std::string strCode = GetCodeByStringID(iStringID);
    if (strCode.empty())
    {
        GetPrompt().Message(LoadString(kStringNoUnitOfId));
        return false;
    }
    m_strUnit = strCode;
    return true;
}

void CUnitConvMap::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar.WriteString(m_strUnit);
    else
        m_strUnit = ar.ReadString();
}
