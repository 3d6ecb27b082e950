// Whole-number reading and the in-memory settings.
#include "platform/Settings.h"

#include <charconv>
#include <set>

int ISettings::ReadInt(const std::string& strKey, int nFallback) const
{
    const auto text = ReadString(strKey);
    if (!text)
        return nFallback;
    int n = 0;
    const auto result = std::from_chars(text->data(), text->data() + text->size(), n);
    return result.ec == std::errc() && result.ptr == text->data() + text->size() ? n : nFallback;
}

std::optional<std::string> CMemorySettings::ReadString(const std::string& strKey) const
{
    const auto it = m_values.find(strKey);
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

bool CMemorySettings::WriteString(const std::string& strKey, const std::string& strValue)
{
    m_values[strKey] = strValue;
    return true;
}

std::vector<std::string> CMemorySettings::ChildGroups(const std::string& strGroup) const
{
    const std::string strPrefix = strGroup.empty() ? std::string() : strGroup + "/";
    std::set<std::string> groups;
    for (const auto& [strKey, strValue] : m_values)
    {
        if (strKey.compare(0, strPrefix.size(), strPrefix) != 0)
            continue;
        const std::string strRest = strKey.substr(strPrefix.size());
        const auto nSlash = strRest.find('/');
        if (nSlash != std::string::npos)
            groups.insert(strRest.substr(0, nSlash));
    }
    return std::vector<std::string>(groups.begin(), groups.end());
}
