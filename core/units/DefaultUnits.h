// The user's default unit per unit category, with the U.S. standard and metric presets.
#pragma once

#include <array>
#include <string>

// One pair of the table: a unit category (its string id, 21080 to 21097) and a unit code.
struct SDefaultUnit
{
    int nCategoryId = 0;
    std::string strUnit;

    bool operator==(const SDefaultUnit&) const = default;
};

class CDefaultUnits
{
public:
    // UnitType: which preset is in force.
    static constexpr int kMetric = 0;
    static constexpr int kStandard = 1;
    static constexpr int kCustom = 2;

    static constexpr std::size_t kCategoryCount = 18;
    // The categories in table order: 21080 Temperature, 21081 Pressure, 21097 Vacuum, 21082 Volume, ...
    static const std::array<int, kCategoryCount>& CategoryIds();

    // Every category present, no unit chosen, UnitType custom.
    CDefaultUnits();

    static const CDefaultUnits& Standard();
    static const CDefaultUnits& Metric();

    // The unit code of a category; empty text for an id outside the table.
    std::string GetDefaultUnit(int nCategoryId) const;
    // Sets the unit of a category; false (and nothing changes) for an id outside the table.
    bool SetDefaultUnit(int nCategoryId, const std::string& strUnit);

    int UnitType() const { return m_nUnitType; }
    void SetUnitType(int nUnitType) { m_nUnitType = nUnitType; }

    const std::array<SDefaultUnit, kCategoryCount>& Pairs() const { return m_pairs; }

    bool operator==(const CDefaultUnits&) const = default;

private:
    CDefaultUnits(const std::array<const char*, kCategoryCount>& units, int nUnitType);

    std::array<SDefaultUnit, kCategoryCount> m_pairs;
    int m_nUnitType = kCustom;
};
