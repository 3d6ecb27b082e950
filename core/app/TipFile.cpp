// Reading tips from the tips file.
#include "app/TipFile.h"

#include <fstream>
#include <sstream>

CTipFile::EState CTipFile::Open(const std::filesystem::path& path, std::int64_t nFilePos,
                                const std::string& strTimeStamp)
{
    m_tips.clear();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return EState::Missing;
    const auto time = std::filesystem::last_write_time(path, ec);
    std::ifstream in(path, std::ios::binary);
    if (ec || !std::filesystem::is_regular_file(path, ec) || !in)
        return EState::Unreadable;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return EState::Unreadable;
    const std::string strText = content.str();

    std::size_t nStart = 0;
    while (nStart < strText.size())
    {
        std::size_t nEnd = strText.find('\n', nStart);
        const std::size_t nNext = nEnd == std::string::npos ? strText.size() : nEnd + 1;
        if (nEnd == std::string::npos)
            nEnd = strText.size();
        std::string strLine = strText.substr(nStart, nEnd - nStart);
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        if (!strLine.empty() && strLine[0] != ';' && strLine.find_first_not_of(" \t") != std::string::npos)
            m_tips.push_back({static_cast<std::int64_t>(nStart), static_cast<std::int64_t>(nNext), strLine});
        nStart = nNext;
    }
    if (m_tips.empty())
        return EState::Unreadable;

    m_strTimeStamp = std::to_string(time.time_since_epoch().count());
    m_nFilePos = strTimeStamp == m_strTimeStamp ? nFilePos : 0;
    return EState::Ok;
}

std::string CTipFile::NextTip()
{
    if (m_tips.empty())
        return std::string();
    const STip* pTip = &m_tips.front();
    for (const STip& tip : m_tips)
        if (tip.nStart >= m_nFilePos)
        {
            pTip = &tip;
            break;
        }
    m_nFilePos = pTip->nEnd;
    return pTip->strText;
}
