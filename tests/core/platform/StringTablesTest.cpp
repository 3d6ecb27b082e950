// The string table of every language: each English text translated, none stale, placeholders
// kept, unit texts that still tell the units of a category apart; and placeholders by number.
#include "platform/StringTable.h"
#include "units/UnitLists.h"
#include "units/UnitConvMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <regex>
#include <set>

namespace
{
// The placeholders of a text in order: %s, %d, %i, %1 ...
std::vector<std::string> Placeholders(const std::string& strText)
{
    static const std::regex kPlaceholder("%[sdi1-9]");
    std::vector<std::string> found;
    std::vector<std::string> numbered;
    for (auto it = std::sregex_iterator(strText.begin(), strText.end(), kPlaceholder); it != std::sregex_iterator(); ++it)
        (std::isdigit(static_cast<unsigned char>(it->str()[1])) ? numbered : found).push_back(it->str());
    // %s and %d are filled in order; %1, %2 wherever a translation puts them.
    std::sort(numbered.begin(), numbered.end());
    found.insert(found.end(), numbered.begin(), numbered.end());
    return found;
}

// The English column of strings/<CODE>.tsv, by id, with "\n" as written.
std::map<int, std::string> EnglishColumn(const std::string& strCode)
{
    std::ifstream in(std::string(TESMARA_STRINGS_DIR) + "/" + strCode + ".tsv");
    std::map<int, std::string> texts;
    std::string strLine;
    while (std::getline(in, strLine))
    {
        if (strLine.empty() || strLine[0] == '#')
            continue;
        const std::size_t nFirst = strLine.find('\t'), nSecond = strLine.find('\t', nFirst + 1);
        EXPECT_NE(nSecond, std::string::npos) << strCode << ": " << strLine;
        if (nSecond != std::string::npos)
            texts[std::stoi(strLine.substr(0, nFirst))] = strLine.substr(nFirst + 1, nSecond - nFirst - 1);
    }
    return texts;
}

std::string Escaped(std::string strText)
{
    for (const auto& [cBreak, pszEscape] : {std::pair{'\n', "\\n"}, std::pair{'\r', "\\r"}})
        for (std::size_t n = 0; (n = strText.find(cBreak, n)) != std::string::npos;)
            strText.replace(n, 1, pszEscape);
    return strText;
}
} // namespace

TEST(StringTables, EveryEnglishTextIsTranslatedFromItsCurrentWordingWithItsPlaceholders)
{
    ASSERT_EQ(CStringTable::TranslatedLanguages(), std::vector<std::string>{"DE"});
    for (const std::string& strCode : CStringTable::TranslatedLanguages())
    {
        const CStringTable* pTable = CStringTable::ForLanguage(strCode);
        ASSERT_TRUE(pTable);
        const std::map<int, std::string> english = EnglishColumn(strCode);
        CStringTable::English().ForEach(
            [&](int nId, const std::string& strEnglish)
            {
                if (nId == 50068) // the program's version
                    return;
                ASSERT_TRUE(pTable->Has(nId)) << strCode << " lacks string " << nId << " \"" << strEnglish << "\"";
                EXPECT_EQ(english.count(nId) ? english.at(nId) : "", Escaped(strEnglish))
                    << strCode << " translates an older wording of string " << nId;
                EXPECT_EQ(Placeholders(pTable->Get(nId)), Placeholders(strEnglish)) << strCode << " string " << nId;
            });
        EXPECT_EQ(pTable->Get(50015), "Nenn-\ndruck"); // a line break of a grid header
        EXPECT_NE(pTable->Get(59220).find("werden.\r\nBitte"), std::string::npos); // and of a message
    }
    EXPECT_EQ(CStringTable::ForLanguage("US"), nullptr);
    EXPECT_EQ(CStringTable::ForLanguage("FR"), nullptr);
}

TEST(StringTables, UnitTextsTellTheUnitsOfACategoryApartInEveryLanguage)
{
    for (const std::string& strCode : CStringTable::TranslatedLanguages())
    {
        SetStringLanguage(strCode);
        for (int nCategory : UnitCategoryIds())
        {
            std::set<std::string> texts;
            for (const std::string& strUnit : UnitCodesOfCategory(nCategory))
                EXPECT_TRUE(texts.insert(UnitDisplayText(strUnit)).second)
                    << strCode << ": " << UnitDisplayText(strUnit) << " twice in category " << nCategory;
        }
        EXPECT_EQ(UnitDisplayText("LPM"), "l/min");
        EXPECT_EQ(UnitDisplayText("PSIG"), "psi"); // a code no translation touches shows its own text
        SetStringTable(nullptr);
    }
    EXPECT_EQ(UnitDisplayText("LPM"), "lpm");
}

TEST(StringTables, NumberedPlaceholdersGoWhereTheTranslationPutsThem)
{
    EXPECT_EQ(FormatText("%2 von %1", {"A", "B"}), "B von A");
    EXPECT_EQ(FormatText("100% of %1, %3", {"x"}), "100% of x, ");
}
