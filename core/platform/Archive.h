// The stored byte layout shared by all persistent objects: counted strings,
// element counts, little-endian integers and doubles, text as Windows-1252.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// A read past the end, or a count or length larger than the bytes that remain.
class CArchiveError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class CArchive
{
public:
    // An archive that stores into an empty buffer.
    CArchive() : m_bStoring(true) {}
    // An archive that loads from the given bytes.
    explicit CArchive(std::vector<std::uint8_t> bytes) : m_bStoring(false), m_bytes(std::move(bytes)) {}

    bool IsStoring() const { return m_bStoring; }
    bool IsLoading() const { return !m_bStoring; }

    // Storing.
    void WriteByte(std::uint8_t n) { m_bytes.push_back(n); }
    void WriteUInt16(std::uint16_t n);
    void WriteUInt32(std::uint32_t n);
    void WriteInt32(std::int32_t n) { WriteUInt32(static_cast<std::uint32_t>(n)); }
    void WriteDouble(double d);
    void WriteBytes(const void* pData, std::size_t nSize);
    // UTF-8 text, stored as a counted Windows-1252 string.
    void WriteString(const std::string& strUtf8);
    void WriteCount(std::size_t nCount);
    // The first text written that Windows-1252 cannot hold (it was stored with '?'), if any.
    const std::optional<std::string>& FirstUnfitText() const { return m_firstUnfitText; }

    // Loading; every read throws CArchiveError when the bytes run out.
    std::uint8_t ReadByte();
    std::uint16_t ReadUInt16();
    std::uint32_t ReadUInt32();
    std::int32_t ReadInt32() { return static_cast<std::int32_t>(ReadUInt32()); }
    double ReadDouble();
    std::vector<std::uint8_t> ReadBytes(std::size_t nSize);
    // A counted Windows-1252 string, returned as UTF-8.
    std::string ReadString();
    // An element count; refused when the remaining bytes cannot hold that many
    // elements of at least nMinElementSize bytes each (at least one byte each).
    std::size_t ReadCount(std::size_t nMinElementSize);

    std::size_t Remaining() const { return m_bytes.size() - m_nPos; }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

private:
    void Require(std::size_t nSize) const;

    bool m_bStoring;
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_nPos = 0;
    std::optional<std::string> m_firstUnfitText;
};
