// Archive encoding and bounds-checked decoding.
#include "platform/Archive.h"

#include "platform/StringTable.h"
#include "platform/Windows1252.h"

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "the stored layout is written on little-endian hosts");

namespace
{
// Why stored bytes cannot be read.
constexpr int kStringEndsUnexpectedly = 59153, kStringCountTooLarge = 59164;
} // namespace

void CArchive::WriteUInt16(std::uint16_t n)
{
    WriteByte(static_cast<std::uint8_t>(n));
    WriteByte(static_cast<std::uint8_t>(n >> 8));
}

void CArchive::WriteUInt32(std::uint32_t n)
{
    for (int i = 0; i < 4; ++i)
        WriteByte(static_cast<std::uint8_t>(n >> (8 * i)));
}

void CArchive::WriteDouble(double d)
{
    WriteBytes(&d, sizeof d);
}

void CArchive::WriteBytes(const void* pData, std::size_t nSize)
{
    const auto* p = static_cast<const std::uint8_t*>(pData);
    m_bytes.insert(m_bytes.end(), p, p + nSize);
}

void CArchive::WriteString(const std::string& strUtf8)
{
    if (!m_firstUnfitText && !FitsWindows1252(strUtf8))
        m_firstUnfitText = strUtf8;
    const std::string strBytes = Utf8ToWindows1252(strUtf8);
    const std::size_t n = strBytes.size();
    if (n < 0xFF)
        WriteByte(static_cast<std::uint8_t>(n));
    else if (n < 0xFFFE)
    {
        WriteByte(0xFF);
        WriteUInt16(static_cast<std::uint16_t>(n));
    }
    else
    {
        // 0xFFFE and longer take the 32-bit form, so that no 16-bit length
        // can be mistaken for a marker by another reader of the same layout.
        WriteByte(0xFF);
        WriteUInt16(0xFFFF);
        WriteUInt32(static_cast<std::uint32_t>(n));
    }
    WriteBytes(strBytes.data(), n);
}

void CArchive::WriteCount(std::size_t nCount)
{
    if (nCount < 0xFFFF)
        WriteUInt16(static_cast<std::uint16_t>(nCount));
    else
    {
        WriteUInt16(0xFFFF);
        WriteUInt32(static_cast<std::uint32_t>(nCount));
    }
}

void CArchive::Require(std::size_t nSize) const
{
    if (m_bStoring)
        throw CArchiveError("The archive is not open for reading.");
    if (nSize > Remaining())
        throw CArchiveError(LoadString(kStringEndsUnexpectedly));
}

std::uint8_t CArchive::ReadByte()
{
    Require(1);
    return m_bytes[m_nPos++];
}

std::uint16_t CArchive::ReadUInt16()
{
    Require(2);
    const std::uint16_t n = static_cast<std::uint16_t>(m_bytes[m_nPos] | (m_bytes[m_nPos + 1] << 8));
    m_nPos += 2;
    return n;
}

std::uint32_t CArchive::ReadUInt32()
{
    Require(4);
    std::uint32_t n = 0;
    for (int i = 3; i >= 0; --i)
        n = (n << 8) | m_bytes[m_nPos + i];
    m_nPos += 4;
    return n;
}

double CArchive::ReadDouble()
{
    Require(sizeof(double));
    double d;
    std::memcpy(&d, m_bytes.data() + m_nPos, sizeof d);
    m_nPos += sizeof d;
    return d;
}

std::vector<std::uint8_t> CArchive::ReadBytes(std::size_t nSize)
{
    Require(nSize);
    std::vector<std::uint8_t> out(m_bytes.begin() + m_nPos, m_bytes.begin() + m_nPos + nSize);
    m_nPos += nSize;
    return out;
}

std::string CArchive::ReadString()
{
    std::size_t n = ReadByte();
    if (n == 0xFF)
    {
        n = ReadUInt16();
        if (n == 0xFFFF)
            n = ReadUInt32();
    }
    Require(n);
    std::string strBytes(reinterpret_cast<const char*>(m_bytes.data() + m_nPos), n);
    m_nPos += n;
    return Windows1252ToUtf8(strBytes);
}

std::size_t CArchive::ReadCount(std::size_t nMinElementSize)
{
    std::size_t n = ReadUInt16();
    if (n == 0xFFFF)
        n = ReadUInt32();
    // Every stored element takes at least one byte, so even a caller that
    // names no size cannot be handed a count the file could never hold.
    const std::size_t nMin = nMinElementSize > 0 ? nMinElementSize : 1;
    if (n > Remaining() / nMin)
        throw CArchiveError(LoadString(kStringCountTooLarge));
    return n;
}
