// Opening the catalogue file and compiling its stored queries.
#include "catalogue/Database.h"

#include "catalogue/Catalogue.h"
#include "catalogue/CatalogueError.h"
#include "catalogue/PreparedQuery.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"

#include <sqlite3.h>

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
constexpr int kStringNotSqlite = 59200, kStringDamaged = 59201, kStringCannotRead = 59202,
              kStringNoQueryTable = 59203, kStringQueryTableColumns = 59204, kStringNotPlainName = 59205;

// Why a file cannot be opened, in the words for what it is: does not exist, not a file, empty,
// cannot be opened (with SQLite's reason).
struct SFileTexts
{
    int nMissing, nNotFile, nEmpty, nCannotOpen;
};
SFileTexts FileTexts(const std::string& strWhat)
{
    return strWhat == "mailbox" ? SFileTexts{59210, 59211, 59212, 59213}
                                : SFileTexts{59206, 59207, 59208, 59209};
}

struct SOpenFailure
{
    int m_nCode = SQLITE_OK;
    std::string m_strDescription;
};

SOpenFailure Describe(int nCode, sqlite3* pDb)
{
    switch (nCode)
    {
    case SQLITE_NOTADB:
        return {nCode, LoadString(kStringNotSqlite)};
    case SQLITE_CORRUPT:
        return {nCode, LoadString(kStringDamaged)};
    default:
        return {nCode, FormatString(kStringCannotRead, {sqlite3_errmsg(pDb)})};
    }
}

// Runs a query of one integer result; nResult is 0 when there is no row.
int QueryCount(sqlite3* pDb, const char* pszSql, sqlite3_int64& nResult)
{
    sqlite3_stmt* pRaw = nullptr;
    int nRc = sqlite3_prepare_v2(pDb, pszSql, -1, &pRaw, nullptr);
    const StatementPtr pStatement(pRaw);
    if (nRc != SQLITE_OK)
        return nRc;
    nRc = sqlite3_step(pStatement.get());
    nResult = nRc == SQLITE_ROW ? sqlite3_column_int64(pStatement.get(), 0) : 0;
    return nRc == SQLITE_ROW || nRc == SQLITE_DONE ? SQLITE_OK : nRc;
}

// A readable SQLite file is not yet a catalogue (or mailbox): it must hold the stored queries.
SOpenFailure CheckCatalogue(sqlite3* pDb)
{
    sqlite3_int64 nTables = 0;
    // The first read of the schema is where SQLite notices a foreign or truncated file.
    int nRc = QueryCount(
        pDb, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'QueryDefs' COLLATE NOCASE",
        nTables);
    if (nRc != SQLITE_OK)
        return Describe(nRc, pDb);
    if (nTables == 0)
        return {CCatalogueError::NotCatalogue, LoadString(kStringNoQueryTable)};
    // Reads every row, so that a damaged query table is found now rather than mid-selection.
    sqlite3_int64 nQueries = 0;
    nRc = QueryCount(pDb, "SELECT count(Name) + count(Sql) FROM QueryDefs", nQueries);
    if (nRc == SQLITE_ERROR)
        return {CCatalogueError::NotCatalogue, LoadString(kStringQueryTableColumns)};
    if (nRc != SQLITE_OK)
        return Describe(nRc, pDb);
    return {};
}

// Whether the text after a compiled statement holds another statement (only blanks and
// comments may follow: SQLite would silently ignore the rest).
bool HasMoreStatements(sqlite3* pDb, const char* pszTail)
{
    while (pszTail != nullptr && *pszTail != '\0')
    {
        sqlite3_stmt* pRaw = nullptr;
        const char* pszNext = nullptr;
        const int nRc = sqlite3_prepare_v2(pDb, pszTail, -1, &pRaw, &pszNext);
        const StatementPtr pStatement(pRaw);
        if (nRc != SQLITE_OK || pStatement)
            return true;
        pszTail = pszNext;
    }
    return false;
}
} // namespace

std::string PathText(const fs::path& path)
{
    const std::u8string strText = path.u8string();
    return std::string(strText.begin(), strText.end());
}

IDatabase::IDatabase() = default;

IDatabase::~IDatabase()
{
    Close();
}

bool IDatabase::Open(const fs::path& folder, const std::string& strBaseName,
                     const std::string& strLanguageCode)
{
    Close();
    const std::string strFile = CatalogueFileName(strLanguageCode, strBaseName);
    const fs::path path = folder / strFile;
    const std::string strSource = PathText(path);
    auto fail = [&](int nCode, const std::string& strDescription)
    {
        GetPrompt().Message(DataAccessMessage(nCode, strSource, strDescription));
        return false;
    };

    // The language code comes from the command line: it must not lead out of the folder.
    if (strFile.find_first_of("/\\") != std::string::npos)
        return fail(SQLITE_CANTOPEN, LoadString(kStringNotPlainName));
    int nCode = SQLITE_OK;
    std::string strDescription;
    if (!OpenFile(path, SQLITE_OPEN_READONLY, "catalogue", nCode, strDescription))
        return fail(nCode, strDescription);
    // Exclusive use: the read lock is kept, so each query skips the file locking and the check
    // for changes by other writers, the larger part of a short query's time.
    sqlite3_exec(m_pDb, "PRAGMA locking_mode = EXCLUSIVE", nullptr, nullptr, nullptr);
    m_strLanguage = strLanguageCode;
    return true;
}

bool IDatabase::OpenFile(const fs::path& path, int nFlags, const std::string& strWhat, int& nCode,
                         std::string& strDescription)
{
    Close();
    const SFileTexts texts = FileTexts(strWhat);
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    nCode = SQLITE_CANTOPEN;
    if (!fs::exists(status))
        return strDescription = LoadString(texts.nMissing), false;
    if (!fs::is_regular_file(status))
        return strDescription = LoadString(texts.nNotFile), false;
    // SQLite would take an empty file for an empty database.
    if (fs::file_size(path, error) == 0 && !error)
        return nCode = CCatalogueError::EmptyFile, strDescription = LoadString(texts.nEmpty), false;

    const std::string strSource = PathText(path);
    sqlite3* pDb = nullptr;
    const int nRc = sqlite3_open_v2(strSource.c_str(), &pDb, nFlags, nullptr);
    if (nRc != SQLITE_OK)
    {
        strDescription =
            FormatString(texts.nCannotOpen, {pDb != nullptr ? sqlite3_errmsg(pDb) : sqlite3_errstr(nRc)});
        sqlite3_close(pDb);
        return nCode = nRc, false;
    }
    // The catalogue build, or another program writing the mailbox, may briefly hold a lock.
    sqlite3_busy_timeout(pDb, 2000);
    const SOpenFailure failure = CheckCatalogue(pDb);
    if (failure.m_nCode != SQLITE_OK)
    {
        sqlite3_close(pDb);
        nCode = failure.m_nCode;
        strDescription = failure.m_strDescription;
        return false;
    }
    m_pDb = pDb;
    m_path = path;
    ++m_nSerial;
    return true;
}

void IDatabase::Close()
{
    // Statements first: a connection with live statements does not close.
    m_queries.clear();
    if (m_pDb != nullptr)
        sqlite3_close(m_pDb);
    m_pDb = nullptr;
    m_path.clear();
    m_strLanguage.clear();
}

std::vector<std::string> IDatabase::TableNames() const
{
    RequireOpen("its tables cannot be listed.");
    std::vector<std::string> names;
    sqlite3_stmt* pRaw = nullptr;
    if (sqlite3_prepare_v2(m_pDb, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", -1, &pRaw,
                           nullptr) != SQLITE_OK)
        throw CCatalogueError(sqlite3_errcode(m_pDb), std::string("The tables cannot be listed: ") +
                                                          sqlite3_errmsg(m_pDb));
    const StatementPtr pList(pRaw);
    while (sqlite3_step(pList.get()) == SQLITE_ROW)
        names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(pList.get(), 0)));
    return names;
}

void IDatabase::RequireOpen(const std::string& strWhat) const
{
    if (!IsOpen())
        throw CCatalogueError(CCatalogueError::NotOpen, "The catalogue is not open: " + strWhat);
}

SPreparedQuery& IDatabase::Prepare(const std::string& strName)
{
    RequireOpen("query '" + strName + "' cannot run.");
    const std::string strKey = AsciiLower(strName);
    if (const auto it = m_queries.find(strKey); it != m_queries.end())
        return *it->second;

    // The name is bound, never pasted into SQL. An exact match wins over one that differs in case.
    sqlite3_stmt* pRaw = nullptr;
    int nRc = sqlite3_prepare_v2(m_pDb,
                                 "SELECT Name, Sql FROM QueryDefs WHERE Name = ?1 COLLATE NOCASE "
                                 "ORDER BY Name = ?1 DESC LIMIT 1",
                                 -1, &pRaw, nullptr);
    const StatementPtr pLookup(pRaw);
    if (nRc == SQLITE_OK)
        nRc = sqlite3_bind_text(pLookup.get(), 1, strName.data(), static_cast<int>(strName.size()),
                                SQLITE_TRANSIENT);
    if (nRc == SQLITE_OK)
        nRc = sqlite3_step(pLookup.get());
    if (nRc == SQLITE_DONE)
        throw CCatalogueError(CCatalogueError::QueryNotFound,
                              "The catalogue has no query '" + strName + "'.");
    if (nRc != SQLITE_ROW)
        throw CCatalogueError(nRc, "Query '" + strName + "' cannot be read: " + sqlite3_errmsg(m_pDb));

    auto pQuery = std::make_unique<SPreparedQuery>();
    pQuery->m_strName = reinterpret_cast<const char*>(sqlite3_column_text(pLookup.get(), 0));
    const unsigned char* pszSql = sqlite3_column_text(pLookup.get(), 1);
    const std::string strSql = pszSql != nullptr ? reinterpret_cast<const char*>(pszSql) : "";

    const char* pszTail = nullptr;
    nRc = sqlite3_prepare_v3(m_pDb, strSql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &pQuery->m_pStatement,
                             &pszTail);
    if (nRc != SQLITE_OK)
        throw CCatalogueError(nRc, "Query '" + strName + "' does not compile: " + sqlite3_errmsg(m_pDb));
    if (pQuery->m_pStatement == nullptr)
        throw CCatalogueError(CCatalogueError::BadQuery, "Query '" + strName + "' holds no statement.");
    if (HasMoreStatements(m_pDb, pszTail))
        throw CCatalogueError(CCatalogueError::BadQuery,
                              "Query '" + strName + "' holds more than one statement.");

    const int nCount = sqlite3_bind_parameter_count(pQuery->m_pStatement);
    for (int nIndex = 1; nIndex <= nCount; ++nIndex)
    {
        const char* pszParam = sqlite3_bind_parameter_name(pQuery->m_pStatement, nIndex);
        // "?" and "?NNN" cannot be set by name, so the query could never run correctly.
        if (pszParam == nullptr || pszParam[0] == '?')
            throw CCatalogueError(CCatalogueError::BadQuery,
                                  "Query '" + strName +
                                      "' has a parameter without a name; write it as :parName.");
        const std::string strParam = pszParam + 1; // after ':', '@' or '$'
        const std::string strParamKey = AsciiLower(strParam);
        auto& params = pQuery->m_params;
        auto it = std::find_if(params.begin(), params.end(),
                               [&](const SPreparedQuery::SParam& p) { return p.m_strKey == strParamKey; });
        if (it == params.end())
            it = params.insert(params.end(), SPreparedQuery::SParam{strParam, strParamKey, {}});
        it->m_indexes.push_back(nIndex);
    }
    return *m_queries.emplace(strKey, std::move(pQuery)).first->second;
}
