// A unit code with conversion through the unit table and the number-to-text rules.
#pragma once

#include <string>

class CArchive;

class CUnitConvMap
{
public:
    CUnitConvMap() = default;
    explicit CUnitConvMap(std::string strUnit) : m_strUnit(std::move(strUnit)) {}
    virtual ~CUnitConvMap() = default;
    CUnitConvMap(const CUnitConvMap&) = default;
    CUnitConvMap& operator=(const CUnitConvMap&) = default;

    // The value converted between two codes through their category's base unit.
    // Unknown or incompatible codes are reported through the prompt and give 0.
    static double Convert(double dValue, const std::string& strFrom, const std::string& strTo);

    // The value as fixed-point text with nDecimals; without bKeepZeros trailing
    // zeros go (one stays after the point) and, with bIntNoPoint, an integral
    // value loses its point.
    static std::string FormatNumber(double dValue, int nDecimals, bool bKeepZeros, bool bIntNoPoint);
    static std::string FormatNumberString(double dValue, int nDecimals, bool bKeepZeros, bool bIntNoPoint)
    {
        return FormatNumber(dValue, nDecimals, bKeepZeros, bIntNoPoint);
    }

    // How many fewer decimals a value needs in strTo than in strFrom (negative: more).
    static int GetDecimalShift(const std::string& strFrom, const std::string& strTo);

    // The code of the unit whose display text has this string id, or empty text.
    static std::string GetCodeByStringID(int iStringID);
    static std::string IntToString(int n) { return std::to_string(n); }

    // The display text of this object's unit; empty for no unit, NONE or an unknown code.
    std::string GetUnitString() const;
    // Takes the code when the table has it; otherwise reports it and keeps the old one.
    void SetUnit(const std::string& strCode);
    // Takes the unit whose display text has this string id; false (and a report) when none has.
    bool SetUnitByStringID(int iStringID);
    const std::string& GetUnit() const { return m_strUnit; }

    // Stores or loads the unit code.
    virtual void Serialize(CArchive& ar);

protected:
    std::string m_strUnit;
};

// The display text of any code (empty for NONE or an unknown code).
std::string UnitDisplayText(const std::string& strCode);
