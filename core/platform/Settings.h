// Settings as a seam: named values looked up in the user's settings, then the
// system's, then the defaults shipped beside the program.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

class ISettings
{
public:
    virtual ~ISettings() = default;
    // Keys are paths with "/" between groups, e.g. "Language" or "DefaultUnits/21080",
    // relative to the program's settings root.
    virtual std::optional<std::string> ReadString(const std::string& strKey) const = 0;
    // Written to the user's settings. False when they cannot be written.
    virtual bool WriteString(const std::string& strKey, const std::string& strValue) = 0;
    // The child groups of a group, from every scope, without repeats.
    virtual std::vector<std::string> ChildGroups(const std::string& strGroup) const = 0;

    // A whole number, or the fallback when the value is missing or not a number.
    int ReadInt(const std::string& strKey, int nFallback) const;
    bool WriteInt(const std::string& strKey, int nValue) { return WriteString(strKey, std::to_string(nValue)); }
};

// Settings kept in memory: for tests and for programs without stored settings.
class CMemorySettings : public ISettings
{
public:
    std::optional<std::string> ReadString(const std::string& strKey) const override;
    bool WriteString(const std::string& strKey, const std::string& strValue) override;
    std::vector<std::string> ChildGroups(const std::string& strGroup) const override;

private:
    std::map<std::string, std::string> m_values;
};
