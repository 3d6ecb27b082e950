// The display texts of one catalogue language: _('text') and _num(x) in the SQL files and queries.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>

struct sqlite3;

class CTranslations
{
public:
    // The source language: every text as written, decimal points.
    CTranslations();
    // "English<TAB>translation" per line; '#' starts a comment line. Decimal commas.
    static CTranslations Read(const std::filesystem::path& file);
    // Every text visibly altered, decimal commas: no display text of it equals the source's.
    static CTranslations Altered();

    // The text to store for a display text; throws naming the text when it has no translation.
    std::string Translate(const std::string& strText) const;
    // A number as printf's %g writes it, with the language's decimal separator.
    std::string Number(double dValue) const;

    // The SQL functions _(text) and _num(x), for the SQL files.
    void Register(sqlite3* pDb) const;
    // A stored query with its _('text') turned into the translated literal and _num(x) into
    // the expression that formats x: the program runs the query without these functions.
    std::string Expand(const std::string& strSql, const std::string& strWhere) const;

    // Translations that no text asked for (a source text changed or gone): a warning only.
    void ReportUnused(std::ostream& out) const;

private:
    enum class EMode
    {
        Source,
        Table,
        Altered
    };
    EMode m_eMode = EMode::Source;
    std::filesystem::path m_file;
    std::map<std::string, std::string> m_texts;
    std::shared_ptr<std::set<std::string>> m_pUsed = std::make_shared<std::set<std::string>>();
};
