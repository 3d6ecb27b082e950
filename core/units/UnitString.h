// A text that belongs with a unit; no conversion.
#pragma once

#include "units/UnitBase.h"

class CUnitString : public CUnitBase
{
public:
    CUnitString() = default;
    CUnitString(std::string strValue, std::string strUnit)
        : CUnitBase(std::move(strUnit)), m_strValue(std::move(strValue))
    {
    }

    const std::string& Value() const { return m_strValue; }
    void SetValue(std::string strValue) { m_strValue = std::move(strValue); }
    void Clear()
    {
        m_strValue.clear();
        m_strUnit.clear();
    }
    bool operator==(const CUnitString& other) const
    {
        return m_strUnit == other.m_strUnit && m_strValue == other.m_strValue;
    }

    void Serialize(CArchive& ar) override;

private:
    std::string m_strValue;
};
