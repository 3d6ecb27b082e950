// The tip of the day's file: one tip a line, ";" starts a comment line; the place to go on from.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class CTipFile
{
public:
    enum class EState
    {
        Ok,
        Missing,   // string 127
        Unreadable // string 130: cannot be read, or holds no tip
    };

    // Reads the file. The stored position is kept only while the file's time stamp is the
    // stored one: an edited file starts again at its first tip.
    EState Open(const std::filesystem::path& path, std::int64_t nFilePos, const std::string& strTimeStamp);

    // The tip at the position, going round to the first after the last; the position moves on.
    std::string NextTip();

    std::int64_t FilePos() const { return m_nFilePos; }
    const std::string& TimeStamp() const { return m_strTimeStamp; }

private:
    struct STip
    {
        std::int64_t nStart; // byte offset of the line
        std::int64_t nEnd;   // byte offset after the line's end
        std::string strText;
    };

    std::vector<STip> m_tips;
    std::int64_t m_nFilePos = 0;
    std::string m_strTimeStamp;
};
