// The program's own texts by id, one table per language; the active one is process-wide.
#pragma once

#include <initializer_list>
#include <map>
#include <string>

class CStringTable
{
public:
    CStringTable() = default;

    // The U.S. English texts that are built into the program.
    static const CStringTable& English();

    // The text of an id, or empty text when the table has none.
    std::string Get(int nId) const;
    bool Has(int nId) const { return m_mapTexts.count(nId) != 0; }
    void Set(int nId, std::string strText) { m_mapTexts[nId] = std::move(strText); }
    std::size_t Size() const { return m_mapTexts.size(); }

private:
    std::map<int, std::string> m_mapTexts;
};

// The active table (U.S. English until another is installed).
const CStringTable& GetStringTable();
// Installs a table (not owned; nullptr restores English) and returns the previous one.
const CStringTable* SetStringTable(const CStringTable* pTable);

// Shorthand for GetStringTable().Get(nId).
std::string LoadString(int nId);
// The text of an id with each "%s" replaced by the next argument in turn; an argument is never
// read as a format.
std::string LoadString(int nId, std::initializer_list<std::string> args);
