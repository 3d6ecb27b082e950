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

std::string LoadString(int nId, std::initializer_list<std::string> args)
{
    const std::string strFormat = LoadString(nId);
    std::string strOut;
    auto it = args.begin();
    for (std::size_t i = 0; i < strFormat.size(); ++i)
    {
        if (strFormat.compare(i, 2, "%s") == 0 && it != args.end())
            strOut += *it++, ++i;
        else
            strOut += strFormat[i];
    }
    return strOut;
}
