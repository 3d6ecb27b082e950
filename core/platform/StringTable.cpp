// String table lookup and the active-table switch.
#include "platform/StringTable.h"

#include <atomic>

void AddEnglishStrings(CStringTable& table); // EnglishStrings.cpp

namespace
{
std::atomic<const CStringTable*> g_pActive{nullptr};
}

const CStringTable& CStringTable::English()
{
    static const CStringTable table = [] {
        CStringTable t;
        AddEnglishStrings(t);
        return t;
    }();
    return table;
}

std::string CStringTable::Get(int nId) const
{
    auto it = m_mapTexts.find(nId);
    return it == m_mapTexts.end() ? std::string() : it->second;
}

const CStringTable& GetStringTable()
{
    const CStringTable* pTable = g_pActive.load();
    return pTable ? *pTable : CStringTable::English();
}

const CStringTable* SetStringTable(const CStringTable* pTable)
{
    return g_pActive.exchange(pTable);
}

std::string LoadString(int nId)
{
    return GetStringTable().Get(nId);
}
