// One code of a model number: its text, its position and what it describes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

class CArchive;

class CPartCode
{
public:
    CPartCode() = default;
    CPartCode(std::string strCode, std::int32_t nLocation, std::string strDescription = std::string(),
              std::string strCodeType = std::string())
        : m_strCode(std::move(strCode)), m_nLocation(nLocation), m_strCodeType(std::move(strCodeType)),
          m_strDescription(std::move(strDescription))
    {
    }

    // Empty texts, position 0: a code that never enters a model number.
    void Reset() { *this = CPartCode(); }
    bool operator==(const CPartCode&) const = default;

    // Code, location, code type, description, tag.
    void Serialize(CArchive& ar);
    // The fewest bytes one stored code takes: three empty strings and two ints.
    static constexpr std::size_t kMinStoredSize = 3 * 1 + 2 * 4;

    std::int32_t m_nTag = 0; // carried along with the code; nothing reads it
    std::string m_strCode;   // "_" keeps its position empty
    std::int32_t m_nLocation = 0;
    std::string m_strCodeType; // the catalogue's kind of the code, where it came from a part-number query
    std::string m_strDescription;
};
