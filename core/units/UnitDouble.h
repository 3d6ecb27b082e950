// A real number with the code of its unit.
#pragma once

#include "units/UnitBase.h"

class CUnitDouble : public CUnitBase
{
public:
    CUnitDouble() = default;
    CUnitDouble(double dValue, std::string strUnit) : CUnitBase(std::move(strUnit)), m_dValue(dValue) {}

    void Set(double dValue, const std::string& strUnit)
    {
        m_dValue = dValue;
        m_strUnit = strUnit;
    }
    void Clear() { Set(0.0, std::string()); }

    // The number as stored, in its own unit.
    double Value() const { return m_dValue; }
    void SetValue(double dValue) { m_dValue = dValue; }
    // The number converted into another unit (unchanged when the codes are equal).
    double GetValue(const std::string& strUnit) const { return Convert(m_dValue, m_strUnit, strUnit); }
    // Converts the value into another unit and takes that unit.
    void ConvertTo(const std::string& strUnit);
    // The number at the start of the text (strtod rules); the unit stays.
    void SetFromText(const std::string& strText);

    // Same unit and same number, without conversion.
    bool IsIdentical(const CUnitDouble& other) const
    {
        return m_strUnit == other.m_strUnit && m_dValue == other.m_dValue;
    }

    // Unit-aware comparisons: the other value is converted into this value's unit.
    bool operator==(const CUnitDouble& other) const { return m_dValue == Other(other); }
    bool operator!=(const CUnitDouble& other) const { return !(*this == other); }
    bool operator<(const CUnitDouble& other) const { return m_dValue < Other(other); }
    bool operator<=(const CUnitDouble& other) const { return m_dValue <= Other(other); }
    bool operator>(const CUnitDouble& other) const { return m_dValue > Other(other); }
    bool operator>=(const CUnitDouble& other) const { return m_dValue >= Other(other); }

    std::string Format(int nDecimals, bool bKeepZeros, bool bIntNoPoint) const
    {
        return FormatNumberString(m_dValue, nDecimals, bKeepZeros, bIntNoPoint);
    }
    std::string FormatIn(const std::string& strUnit, int nDecimals, bool bKeepZeros, bool bIntNoPoint) const
    {
        return FormatNumberString(GetValue(strUnit), nDecimals, bKeepZeros, bIntNoPoint);
    }
    // The value in another unit with as many decimals as it has here, shifted by the units' ratio.
    std::string FormatInSamePrecision(const std::string& strUnit) const;
    // The value's own number with decimals chosen against a reference unit.
    std::string FormatRelative(const std::string& strReferenceUnit, int nDecimals) const;
    // The value with the decimals given as text, trailing zeros and point removed.
    std::string FormatPrecision(const std::string& strDigits) const;

    void Serialize(CArchive& ar) override;

private:
    double Other(const CUnitDouble& other) const
    {
        return m_strUnit == other.m_strUnit ? other.m_dValue : other.GetValue(m_strUnit);
    }

    double m_dValue = 0.0;
};
