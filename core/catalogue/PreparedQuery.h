// Internal to the catalogue folder: a stored query compiled on the open catalogue, and SQLite helpers.
#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

// A query is compiled once per open catalogue and run many times; the catalogue owns it.
struct SPreparedQuery
{
    // One named parameter as the caller sets it; SQLite tells ":parA" from ":PARA", we do not,
    // so one parameter may stand for several SQLite indexes.
    struct SParam
    {
        std::string m_strName; // as first written in the SQL, without its prefix
        std::string m_strKey;  // m_strName in lower case
        std::vector<int> m_indexes;
    };

    std::string m_strName; // as stored in QueryDefs
    sqlite3_stmt* m_pStatement = nullptr;
    std::vector<SParam> m_params;

    SPreparedQuery() = default;
    SPreparedQuery(const SPreparedQuery&) = delete;
    SPreparedQuery& operator=(const SPreparedQuery&) = delete;
    ~SPreparedQuery() { sqlite3_finalize(m_pStatement); }
};

struct SStatementFinalizer
{
    void operator()(sqlite3_stmt* pStatement) const { sqlite3_finalize(pStatement); }
};
using StatementPtr = std::unique_ptr<sqlite3_stmt, SStatementFinalizer>;

// Leaves a statement ready for its next run, whatever happened to this one.
class CStatementReset
{
public:
    explicit CStatementReset(sqlite3_stmt* pStatement) : m_pStatement(pStatement) {}
    ~CStatementReset()
    {
        sqlite3_reset(m_pStatement);
        // Also drops our copies of bound texts and blobs.
        sqlite3_clear_bindings(m_pStatement);
    }
    CStatementReset(const CStatementReset&) = delete;
    CStatementReset& operator=(const CStatementReset&) = delete;

private:
    sqlite3_stmt* m_pStatement;
};

inline std::string AsciiLower(std::string strText)
{
    for (char& c : strText)
    {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return strText;
}
