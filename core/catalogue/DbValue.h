// A field or parameter value of the catalogue: a small variant over the types a field can hold.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

enum class EDbType
{
    Null,
    Bool,
    Int16,
    Int32,
    Float,
    Double,
    Currency,
    DateTime,
    Text,
    Blob
};

// An amount of money in 1/10000 of the unit, so that sums stay exact.
struct CCurrency
{
    std::int64_t m_nUnits = 0;
    bool operator==(const CCurrency&) const = default;
};

// Days since 1899-12-30; the fraction is the time of day.
struct CDateTime
{
    double m_dDays = 0.0;
    bool operator==(const CDateTime&) const = default;
};

class CDbValue
{
public:
    using Bytes = std::vector<std::uint8_t>;

    CDbValue() = default;
    CDbValue(bool bValue) : m_value(bValue) {}
    CDbValue(std::int16_t nValue) : m_value(nValue) {}
    CDbValue(std::int32_t nValue) : m_value(nValue) {}
    CDbValue(float fValue) : m_value(fValue) {}
    CDbValue(double dValue) : m_value(dValue) {}
    CDbValue(CCurrency value) : m_value(value) {}
    CDbValue(CDateTime value) : m_value(value) {}
    CDbValue(std::string strValue) : m_value(std::move(strValue)) {}
    CDbValue(const char* pszValue) : m_value(std::string(pszValue)) {}
    CDbValue(Bytes bytes) : m_value(std::move(bytes)) {}
    // Any other pointer would otherwise become a bool without a word.
    template <class T> CDbValue(T*) = delete;

    EDbType Type() const { return static_cast<EDbType>(m_value.index()); }
    bool IsNull() const { return Type() == EDbType::Null; }

    // The held value; the type must match (std::bad_variant_access otherwise).
    bool AsBool() const { return std::get<bool>(m_value); }
    std::int16_t AsInt16() const { return std::get<std::int16_t>(m_value); }
    std::int32_t AsInt32() const { return std::get<std::int32_t>(m_value); }
    float AsFloat() const { return std::get<float>(m_value); }
    double AsDouble() const { return std::get<double>(m_value); }
    CCurrency AsCurrency() const { return std::get<CCurrency>(m_value); }
    CDateTime AsDateTime() const { return std::get<CDateTime>(m_value); }
    const std::string& AsText() const { return std::get<std::string>(m_value); }
    const Bytes& AsBlob() const { return std::get<Bytes>(m_value); }

    bool operator==(const CDbValue&) const = default;

private:
    // Alternatives in the order of EDbType.
    std::variant<std::monostate, bool, std::int16_t, std::int32_t, float, double, CCurrency, CDateTime,
                 std::string, Bytes>
        m_value;
};

// The name of a type, for messages ("SMALLINT" style names of the catalogue's columns).
const char* DbTypeName(EDbType eType);
