// Writing to a database of stored queries (the CAD mailbox): opening it for writing,
// transactions and appending a row.
#include "catalogue/CatalogueError.h"
#include "catalogue/Database.h"
#include "catalogue/PreparedQuery.h"
#include "platform/StringTable.h"

#include <sqlite3.h>

namespace
{
// What could not be done, before SQLite's reason.
constexpr int kStringCannotChange = 59215, kStringCannotStore = 59216;
} // namespace

bool IDatabase::OpenForWriting(const std::filesystem::path& file, std::string& strError)
{
    int nCode = SQLITE_OK;
    strError.clear();
    return OpenFile(file, SQLITE_OPEN_READWRITE, "mailbox", nCode, strError);
}

void IDatabase::ExecuteSql(const char* pszSql, const std::string& strWhat)
{
    RequireOpen(strWhat);
    char* pszError = nullptr;
    const int nRc = sqlite3_exec(m_pDb, pszSql, nullptr, nullptr, &pszError);
    if (nRc != SQLITE_OK)
    {
        const std::string strError = pszError != nullptr ? pszError : sqlite3_errstr(nRc);
        sqlite3_free(pszError);
        throw CCatalogueError(nRc, strWhat + ": " + strError);
    }
}

void IDatabase::BeginTransaction()
{
    ExecuteSql("BEGIN IMMEDIATE", LoadString(kStringCannotChange));
}

void IDatabase::CommitTransaction()
{
    ExecuteSql("COMMIT", LoadString(kStringCannotStore));
}

void IDatabase::RollbackTransaction() noexcept
{
    if (m_pDb != nullptr && sqlite3_get_autocommit(m_pDb) == 0)
        sqlite3_exec(m_pDb, "ROLLBACK", nullptr, nullptr, nullptr);
}

void IDatabase::AppendRow(const std::string& strTable, const std::vector<std::pair<std::string, std::string>>& fields)
{
    RequireOpen("no row can be added to '" + strTable + "'.");
    // Names are quoted identifiers; SQLite refuses any that the table does not have.
    const auto quoted = [](const std::string& strName)
    {
        std::string strQuoted = "\"";
        for (const char c : strName)
            strQuoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        return strQuoted + "\"";
    };
    std::string strSql = "INSERT INTO " + quoted(strTable) + " (";
    std::string strValues;
    for (std::size_t n = 0; n < fields.size(); ++n)
    {
        strSql += (n == 0 ? "" : ", ") + quoted(fields[n].first);
        strValues += n == 0 ? "?" : ", ?";
    }
    strSql += ") VALUES (" + strValues + ")";

    sqlite3_stmt* pRaw = nullptr;
    int nRc = sqlite3_prepare_v2(m_pDb, strSql.c_str(), -1, &pRaw, nullptr);
    const StatementPtr pInsert(pRaw);
    if (nRc != SQLITE_OK)
        throw CCatalogueError(CCatalogueError::TableNotFound,
                              "No row can be added to '" + strTable + "': " + sqlite3_errmsg(m_pDb));
    for (std::size_t n = 0; n < fields.size() && nRc == SQLITE_OK; ++n)
        nRc = sqlite3_bind_text64(pInsert.get(), static_cast<int>(n + 1), fields[n].second.data(),
                                  fields[n].second.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    if (nRc == SQLITE_OK)
        nRc = sqlite3_step(pInsert.get());
    if (nRc != SQLITE_DONE)
        throw CCatalogueError(nRc, "No row can be added to '" + strTable + "': " + sqlite3_errmsg(m_pDb));
}
