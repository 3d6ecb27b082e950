// The list of the most recently used selection files, kept in the settings.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class ISettings;

class CRecentFileList
{
public:
    explicit CRecentFileList(std::size_t nSize = 4) : m_nSize(nSize) {}

    // "Recent File List/File1" ... up to the list's size; empty values are skipped.
    void Read(const ISettings& settings);
    bool Write(ISettings& settings) const;

    // Puts a file first; an entry for the same file moves up rather than repeating.
    void Add(const std::string& strPath);
    void Remove(std::size_t nIndex);

    const std::vector<std::string>& Files() const { return m_files; }

private:
    std::size_t m_nSize;
    std::vector<std::string> m_files;
};
