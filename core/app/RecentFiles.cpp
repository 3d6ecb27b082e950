// The most recently used files.
#include "app/RecentFiles.h"

#include "app/AppSettings.h"
#include "platform/Settings.h"

#include <algorithm>
#include <filesystem>

namespace
{
std::string Key(std::size_t nIndex)
{
    return std::string(settingskey::RecentFileList) + "/File" + std::to_string(nIndex + 1);
}

// One spelling per file, so "a/../x.Ac3" and "x.Ac3" are one entry.
std::string Normal(const std::string& strPath)
{
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(strPath, ec);
    return (ec ? std::filesystem::path(strPath) : absolute).lexically_normal().string();
}
} // namespace

void CRecentFileList::Read(const ISettings& settings)
{
    m_files.clear();
    for (std::size_t i = 0; i < m_nSize; ++i)
    {
        const auto strPath = settings.ReadString(Key(i));
        if (strPath && !strPath->empty() &&
            std::find(m_files.begin(), m_files.end(), *strPath) == m_files.end())
            m_files.push_back(*strPath);
    }
}

bool CRecentFileList::Write(ISettings& settings) const
{
    bool bOk = true;
    for (std::size_t i = 0; i < m_nSize; ++i)
        bOk = settings.WriteString(Key(i), i < m_files.size() ? m_files[i] : std::string()) && bOk;
    return bOk;
}

void CRecentFileList::Add(const std::string& strPath)
{
    const std::string strNormal = Normal(strPath);
    m_files.erase(std::remove(m_files.begin(), m_files.end(), strNormal), m_files.end());
    m_files.insert(m_files.begin(), strNormal);
    if (m_files.size() > m_nSize)
        m_files.resize(m_nSize);
}

void CRecentFileList::Remove(std::size_t nIndex)
{
    if (nIndex < m_files.size())
        m_files.erase(m_files.begin() + static_cast<std::ptrdiff_t>(nIndex));
}
