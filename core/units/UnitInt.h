// A whole number with the code of its unit.
#pragma once

#include "units/UnitBase.h"

#include <cstdint>

class CUnitInt : public CUnitBase
{
public:
    CUnitInt() = default;
    CUnitInt(std::int32_t nValue, std::string strUnit) : CUnitBase(std::move(strUnit)), m_nValue(nValue) {}

    std::int32_t Value() const { return m_nValue; }
    void Set(std::int32_t nValue, const std::string& strUnit)
    {
        m_nValue = nValue;
        m_strUnit = strUnit;
    }
    void SetValue(std::int32_t nValue) { m_nValue = nValue; }

    // Equal only with the same unit code and the same number; no conversion.
    bool operator==(const CUnitInt& other) const
    {
        return m_strUnit == other.m_strUnit && m_nValue == other.m_nValue;
    }
    bool operator!=(const CUnitInt& other) const { return !(*this == other); }

    double GetValue(const std::string& strUnit) const { return Convert(m_nValue, m_strUnit, strUnit); }
    std::string Format() const { return FormatNumberString(m_nValue, 0, false, true); }

    void Serialize(CArchive& ar) override;

private:
    std::int32_t m_nValue = 0;
};
