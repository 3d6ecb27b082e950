// The open catalogue file, and the stored queries compiled on it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;
struct SPreparedQuery;

class IDatabase
{
public:
    IDatabase();
    ~IDatabase();
    IDatabase(const IDatabase&) = delete;
    IDatabase& operator=(const IDatabase&) = delete;

    // Opens folder / (base name + language code + ".db") read-only and checks that it is a
    // catalogue. On failure shows "DAO error ..." through the prompt and returns false; the
    // object is then closed and may be opened again. An open catalogue is closed first.
    bool Open(const std::filesystem::path& folder, const std::string& strBaseName,
              const std::string& strLanguageCode);
    // Opens a file of stored queries for reading and writing, as the CAD mailbox is. False with
    // the reason in strError (nothing is shown); the object is then closed.
    bool OpenForWriting(const std::filesystem::path& file, std::string& strError);
    bool IsOpen() const { return m_pDb != nullptr; }
    // The file that is open; empty when closed.
    const std::filesystem::path& Path() const { return m_path; }
    const std::string& LanguageCode() const { return m_strLanguage; }
    // Finalizes every compiled query; queries opened before can no longer run.
    void Close();

    // The names of the catalogue's tables, for checks that look at all its data.
    std::vector<std::string> TableNames() const;

    // A write transaction: BEGIN IMMEDIATE, so that another writer is waited for (or refused)
    // before anything is changed. Throws CCatalogueError.
    void BeginTransaction();
    void CommitTransaction();
    // Undoes the open transaction, if any; never throws.
    void RollbackTransaction() noexcept;
    // Adds one row to a table the file holds, setting the named fields to texts. Throws
    // CCatalogueError for a table or field that does not exist.
    void AppendRow(const std::string& strTable, const std::vector<std::pair<std::string, std::string>>& fields);

private:
    friend class IQueryDef;
    friend class IRecordset;

    // The compiled form of a stored query, kept until Close. Throws CCatalogueError.
    SPreparedQuery& Prepare(const std::string& strName);
    sqlite3* Handle() const { return m_pDb; }
    // Changes on every successful Open, so that a query can tell that its catalogue was reopened.
    std::uint64_t Serial() const { return m_nSerial; }
    // Throws CCatalogueError when closed.
    void RequireOpen(const std::string& strWhat) const;
    // Opens a file with the SQLite flags and checks that it holds stored queries; strWhat names
    // the file in the reasons ("catalogue").
    bool OpenFile(const std::filesystem::path& path, int nFlags, const std::string& strWhat, int& nCode,
                  std::string& strDescription);
    // Runs SQL of our own that takes no values. Throws CCatalogueError.
    void ExecuteSql(const char* pszSql, const std::string& strWhat);

    std::string m_strLanguage;
    std::filesystem::path m_path;
    sqlite3* m_pDb = nullptr;
    std::uint64_t m_nSerial = 0;
    // Keyed by the name in lower case: stored query names are matched without regard to case.
    std::map<std::string, std::unique_ptr<SPreparedQuery>> m_queries;
};

// The path as UTF-8 text, for SQLite and for messages.
std::string PathText(const std::filesystem::path& path);
