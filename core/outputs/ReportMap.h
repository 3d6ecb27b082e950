// The report map: report key to its list of texts, filled from a selection for the report component.
#pragma once

#include <map>
#include <string>
#include <vector>

class CReportMap
{
public:
    using Texts = std::vector<std::string>;

    void Clear() { m_entries.clear(); }
    // The key with one text, replacing what it held.
    void Set(const std::string& strKey, std::string strText) { m_entries[strKey] = Texts{std::move(strText)}; }
    // The key with a list, replacing what it held; an empty list adds no key.
    void SetList(const std::string& strKey, Texts texts)
    {
        if (!texts.empty())
            m_entries[strKey] = std::move(texts);
    }
    void Append(const std::string& strKey, std::string strText) { m_entries[strKey].push_back(std::move(strText)); }

    bool Has(const std::string& strKey) const { return m_entries.count(strKey) != 0; }
    // The first text of the key, or empty text.
    std::string Text(const std::string& strKey) const
    {
        const auto it = m_entries.find(strKey);
        return it == m_entries.end() || it->second.empty() ? std::string() : it->second.front();
    }
    // Every text of the key; empty when it has none.
    const Texts& List(const std::string& strKey) const
    {
        static const Texts none;
        const auto it = m_entries.find(strKey);
        return it == m_entries.end() ? none : it->second;
    }
    const std::map<std::string, Texts>& Entries() const { return m_entries; }
    std::size_t Size() const { return m_entries.size(); }

private:
    std::map<std::string, Texts> m_entries;
};
