// The program's own texts by id, one table per language; the active one is process-wide.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

class CStringTable
{
public:
    CStringTable() = default;

    // The U.S. English texts that are built into the program.
    static const CStringTable& English();
    // The table of a language code ("DE"), built from strings/<CODE>.tsv; nullptr for U.S.
    // English and for a language without a table. An id the table lacks reads in English.
    static const CStringTable* ForLanguage(const std::string& strCode);
    // The codes of the languages that have a table of their own, e.g. {"DE"}.
    static std::vector<std::string> TranslatedLanguages();
    // A table from lines "id<TAB>English<TAB>translation" ('#' starts a comment line; "\n" is a
    // line break).
    static CStringTable FromTsv(const std::string& strTsv);

    // The text of an id (in English when this table lacks it), or empty text.
    std::string Get(int nId) const;
    bool Has(int nId) const { return m_mapTexts.count(nId) != 0; }
    void Set(int nId, std::string strText) { m_mapTexts[nId] = std::move(strText); }
    std::size_t Size() const { return m_mapTexts.size(); }
    void ForEach(const std::function<void(int, const std::string&)>& fn) const;

private:
    std::map<int, std::string> m_mapTexts;
    bool m_bFallBackToEnglish = false;
};

// The active table (U.S. English until another is installed).
const CStringTable& GetStringTable();
// Installs a table (not owned; nullptr restores English) and returns the previous one.
const CStringTable* SetStringTable(const CStringTable* pTable);
// Installs the table of a language code (U.S. English for a code without one).
void SetStringLanguage(const std::string& strCode);

// Shorthand for GetStringTable().Get(nId).
std::string LoadString(int nId);
// A text with its placeholders %1, %2, ... replaced by the arguments in order, so that a
// translation can put them where its language wants them.
std::string FormatString(int nId, const std::vector<std::string>& args);
std::string FormatText(const std::string& strText, const std::vector<std::string>& args);
