// Conversion, formatting and stored form of a real value with unit.
#include "units/UnitDouble.h"

#include "platform/Archive.h"
#include "units/NumberFormat.h"

#include <cctype>

void CUnitDouble::ConvertTo(const std::string& strUnit)
{
    m_dValue = GetValue(strUnit);
    m_strUnit = strUnit;
}

void CUnitDouble::SetFromText(const std::string& strText)
{
    m_dValue = ParseLeadingNumber(strText);
}

std::string CUnitDouble::FormatInSamePrecision(const std::string& strUnit) const
{
    std::string strOwn = PrintFixed(m_dValue, 6);
    while (!strOwn.empty() && strOwn.back() == '0')
        strOwn.pop_back();
    const auto nPoint = strOwn.find('.');
    const int nOwnDecimals = nPoint == std::string::npos ? 0 : static_cast<int>(strOwn.size() - nPoint - 1);
    int nDecimals = nOwnDecimals - GetDecimalShift(m_strUnit, strUnit);
    if (nDecimals < 0)
        nDecimals = 0;
    return FormatNumberString(GetValue(strUnit), nDecimals, false, false);
}

std::string CUnitDouble::FormatRelative(const std::string& strReferenceUnit, int nDecimals) const
{
    if (m_strUnit == strReferenceUnit)
        return FormatNumberString(m_dValue, nDecimals, true, false);
    const int nShift = GetDecimalShift(m_strUnit, strReferenceUnit);
    int nUse = 3;
    if (m_dValue > 1.0)
        nUse = nShift > 0 ? nShift : 0;
    else if (m_dValue >= 0.1 && m_dValue < 1.0 && nShift > 0)
        nUse = 1;
    else if (m_dValue >= 0.01 && m_dValue < 0.1 && nShift > 0)
        nUse = 2;
    return FormatNumberString(m_dValue, nUse, true, false);
}

std::string CUnitDouble::FormatPrecision(const std::string& strDigits) const
{
    // The digits come as text; only its leading decimal digits count, so no
    // text can reach a format string ("%.f" with no digits means 0 decimals).
    int nDigits = 0;
    for (char ch : strDigits)
    {
        if (!std::isdigit(static_cast<unsigned char>(ch)) || nDigits > 100)
            break;
        nDigits = nDigits * 10 + (ch - '0');
    }
    std::string strText = PrintFixed(m_dValue, nDigits);
    while (!strText.empty() && strText.back() == ' ')
        strText.pop_back();
    if (strText.find('.') != std::string::npos)
    {
        while (!strText.empty() && strText.back() == '0')
            strText.pop_back();
        if (!strText.empty() && strText.back() == '.')
            strText.pop_back();
    }
    return strText;
}

void CUnitDouble::Serialize(CArchive& ar)
{
    CUnitBase::Serialize(ar);
    if (ar.IsStoring())
        ar.WriteDouble(m_dValue);
    else
        m_dValue = ar.ReadDouble();
}
