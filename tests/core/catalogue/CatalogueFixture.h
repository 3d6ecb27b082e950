// Catalogue files for the tests, written from SQL text into a temporary folder.
#pragma once

#include "TempFolder.h"
#include "catalogue/Catalogue.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>

// A small catalogue: typed columns, messages, pictures and the stored queries over them.
inline const char* const kCatalogueSql = R"sql(
CREATE TABLE QueryDefs(Name TEXT PRIMARY KEY, Sql TEXT);
CREATE TABLE Models(Series TEXT, Bore SMALLINT, Capacity double, Weight SINGLE, Stock INTEGER,
                    InStock BOOLEAN, Price CURRENCY, Released DATETIME, Code VARCHAR(8),
                    Drawing LONGBINARY, Remark MEMO);
INSERT INTO Models VALUES('PA', -3, 0.5, 2.5, 70000, 1, 12.5, 45000.25, 'A1', x'0102', NULL),
                         ('PB', 4, 1.25, NULL, NULL, 0, 3, '2023-03-15 06:00:00', 'B2', NULL, 'wide'),
                         ('PC', 9, 20.0, 1, 5, 1, 0, 0, 'C3', NULL, NULL);
CREATE TABLE Messages(MsgKey TEXT, MsgId INTEGER, WarningText TEXT);
INSERT INTO Messages VALUES('AboveMaxTempMessage', 7, 'Too hot^nCool it'), ('Blank', 8, NULL);
CREATE TABLE Images(ImageName TEXT, Image BLOB);
INSERT INTO Images VALUES('piston', x'FFD801'), ('piston', x'FFD802'), ('gone', NULL),
                         ('mixed', x'FFD803'), ('mixed', NULL), ('empty', x'');
INSERT INTO QueryDefs VALUES
  ('qModels', 'SELECT * FROM Models WHERE Series = :parSeries'),
  ('qAllModels', 'SELECT * FROM Models ORDER BY Series'),
  ('qCapacity', 'SELECT Series FROM Models WHERE Capacity >= :parMin AND Capacity < :PARMIN * 10 ORDER BY Series'),
  ('qExpr', 'SELECT 7 AS I, 2.5 AS R, ''x'' AS T, x''00'' AS B, NULL AS N'),
  ('qTypeOf', 'SELECT typeof(:parV) AS T, length(:parV) AS L'),
  ('qMsgStr', 'SELECT WarningText FROM Messages WHERE MsgKey = :parMsgId'),
  ('qMsgInt', 'SELECT MsgKey, WarningText FROM Messages WHERE MsgId = :parMsgIDInt'),
  ('qGetImage', 'SELECT Image FROM Images WHERE ImageName = :parImageName ORDER BY rowid'),
  ('qBroken', 'SELECT * FROM NoSuchTable'),
  ('qTwo', 'SELECT 1; DELETE FROM Models'),
  ('qAnonymous', 'SELECT * FROM Models WHERE Series = ?');
)sql";

// Writes an SQLite file from SQL text, creating its folder.
inline void WriteDatabase(const std::filesystem::path& file, const std::string& strSql)
{
    std::filesystem::create_directories(file.parent_path());
    sqlite3* pDb = nullptr;
    ASSERT_EQ(
        sqlite3_open_v2(file.string().c_str(), &pDb, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
        SQLITE_OK);
    char* pszError = nullptr;
    const int nRc = sqlite3_exec(pDb, strSql.c_str(), nullptr, nullptr, &pszError);
    const std::string strError = pszError != nullptr ? pszError : "";
    sqlite3_free(pszError);
    sqlite3_close(pDb);
    ASSERT_EQ(nRc, SQLITE_OK) << strError;
}

// The code of the catalogue error a call throws (and its text), or -1 when it throws none.
template <class F> int ErrorCode(F&& call, std::string* pText = nullptr)
{
    try
    {
        call();
    }
    catch (const CCatalogueError& error)
    {
        if (pText != nullptr)
            *pText = error.what();
        return error.Code();
    }
    return -1;
}

// A test with the small catalogue written as AccUS.db and opened.
class CCatalogueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WriteDatabase(m_folder.Path() / CatalogueFileName("US"), kCatalogueSql);
        ASSERT_TRUE(m_db.Open(m_folder.Path(), "Acc", "US"));
    }

    CTempFolder m_folder;
    IDatabase m_db;
};
