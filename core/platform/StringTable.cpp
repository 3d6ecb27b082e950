// String table lookup, the tables of the other languages and the active-table switch.
#include "platform/StringTable.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <sstream>

void AddEnglishStrings(CStringTable& table); // EnglishStrings.cpp

// The translation tables built into the program: language code and the text of its strings/<CODE>.tsv.
struct SBuiltInStrings
{
    const char* pszCode;
    const char* pszTsv;
};
extern const SBuiltInStrings kBuiltInStrings[]; // LanguageStrings.cpp, generated
extern const std::size_t kBuiltInStringsCount;

namespace
{
std::atomic<const CStringTable*> g_pActive{nullptr};

// "\n" in a table is a line break, "\r" a carriage return, "\t" a tab and "\\" a backslash.
std::string Unescaped(const std::string& strText)
{
    std::string strOut;
    for (std::size_t i = 0; i < strText.size(); ++i)
    {
        if (strText[i] == '\\' && i + 1 < strText.size())
        {
            const char c = strText[++i];
            strOut += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        }
        else
            strOut += strText[i];
    }
    return strOut;
}
} // namespace

const CStringTable& CStringTable::English()
{
    static const CStringTable table = [] {
        CStringTable t;
        AddEnglishStrings(t);
        return t;
    }();
    return table;
}

CStringTable CStringTable::FromTsv(const std::string& strTsv)
{
    CStringTable table;
    table.m_bFallBackToEnglish = true;
    std::istringstream in(strTsv);
    std::string strLine;
    while (std::getline(in, strLine))
    {
        if (strLine.empty() || strLine[0] == '#')
            continue;
        const std::size_t nFirst = strLine.find('\t');
        const std::size_t nSecond = nFirst == std::string::npos ? nFirst : strLine.find('\t', nFirst + 1);
        if (nSecond == std::string::npos)
            continue;
        try
        {
            table.Set(std::stoi(strLine.substr(0, nFirst)), Unescaped(strLine.substr(nSecond + 1)));
        }
        catch (const std::exception&)
        {
            // Not a line of a string: the tests check the tables line by line.
        }
    }
    return table;
}

const CStringTable* CStringTable::ForLanguage(const std::string& strCode)
{
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<CStringTable>> tables;
    const std::lock_guard<std::mutex> lock(mutex);
    if (auto it = tables.find(strCode); it != tables.end())
        return it->second.get();
    for (std::size_t i = 0; i < kBuiltInStringsCount; ++i)
        if (strCode == kBuiltInStrings[i].pszCode)
            return (tables[strCode] = std::make_unique<CStringTable>(FromTsv(kBuiltInStrings[i].pszTsv))).get();
    return nullptr;
}

std::vector<std::string> CStringTable::TranslatedLanguages()
{
    std::vector<std::string> codes;
    for (std::size_t i = 0; i < kBuiltInStringsCount; ++i)
        codes.emplace_back(kBuiltInStrings[i].pszCode);
    return codes;
}

std::string CStringTable::Get(int nId) const
{
    auto it = m_mapTexts.find(nId);
    if (it != m_mapTexts.end())
        return it->second;
    return m_bFallBackToEnglish ? English().Get(nId) : std::string();
}

void CStringTable::ForEach(const std::function<void(int, const std::string&)>& fn) const
{
    for (const auto& [nId, strText] : m_mapTexts)
        fn(nId, strText);
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

void SetStringLanguage(const std::string& strCode)
{
    SetStringTable(CStringTable::ForLanguage(strCode));
}

std::string LoadString(int nId)
{
    return GetStringTable().Get(nId);
}

std::string FormatText(const std::string& strText, const std::vector<std::string>& args)
{
    std::string strOut;
    for (std::size_t i = 0; i < strText.size(); ++i)
    {
        // %1 to %9; a % before anything else stays as it is.
        if (strText[i] == '%' && i + 1 < strText.size() && strText[i + 1] >= '1' && strText[i + 1] <= '9')
        {
            const std::size_t nArg = static_cast<std::size_t>(strText[i + 1] - '1');
            strOut += nArg < args.size() ? args[nArg] : std::string();
            ++i;
        }
        else
            strOut += strText[i];
    }
    return strOut;
}

std::string FormatString(int nId, const std::vector<std::string>& args)
{
    return FormatText(LoadString(nId), args);
}
