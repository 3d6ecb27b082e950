// The rows of an opened query or table, read into memory, with typed field getters.
#pragma once

#include "catalogue/DbValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class IDatabase;
class IQueryDef;
struct sqlite3_stmt;

class IRecordset
{
public:
    explicit IRecordset(IDatabase& database);
    ~IRecordset();
    IRecordset(const IRecordset&) = delete;
    IRecordset& operator=(const IRecordset&) = delete;

    // Runs a stored query as a snapshot. Every parameter must have been set: SQLite would read
    // an unset one as NULL. Throws CCatalogueError; the recordset is then closed.
    void Open(IQueryDef& query);
    // All rows of an existing table of the catalogue. Throws CCatalogueError.
    void OpenTable(const std::string& strTable);
    bool IsOpen() const { return m_bOpen; }
    void Close();

    // With no MovePrevious, the beginning-of-file mark is only reached by an empty result.
    bool IsBOF() const { return m_nRecordCount == 0; }
    bool IsEOF() const { return m_nCurrent >= m_nRecordCount; }
    void MoveFirst() { m_nCurrent = 0; }
    // Throws CCatalogueError at the end-of-file mark.
    void MoveNext();
    void MoveLast() { m_nCurrent = m_nRecordCount > 0 ? m_nRecordCount - 1 : 0; }
    int GetRecordCount() const { return m_nRecordCount; }
    int GetFieldCount() const { return m_nFieldCount; }
    // Throws CCatalogueError for an index out of range.
    const std::string& GetFieldName(int nIndex) const;

    // The raw value of the current row. Throws CCatalogueError for a field that does not exist
    // or when there is no current row.
    const CDbValue& GetFieldValue(const std::string& strField) const;
    const CDbValue& GetFieldValue(int nIndex) const;

    // Typed getters: a field index out of range or a value of another type (null included) gives
    // the neutral value and a trace text; a field name that does not exist, or no current row,
    // throws CCatalogueError.
    std::string GetString(const std::string& strField) const;
    std::string GetString(int nIndex) const;
    std::int32_t GetInt(const std::string& strField) const;
    std::int32_t GetInt(int nIndex) const;
    std::int32_t GetLong(const std::string& strField) const;
    std::int32_t GetLong(int nIndex) const;
    double GetDouble(const std::string& strField) const;
    double GetDouble(int nIndex) const;
    float GetFloat(const std::string& strField) const;
    float GetFloat(int nIndex) const;
    bool GetBool(const std::string& strField) const;
    bool GetBool(int nIndex) const;
    CCurrency GetCurrency(const std::string& strField) const;
    CCurrency GetCurrency(int nIndex) const;
    CDateTime GetDateTime(const std::string& strField) const;
    CDateTime GetDateTime(int nIndex) const;
    // The bytes of a blob field; nothing for any other value or an index out of range.
    std::optional<CDbValue::Bytes> GetBlob(const std::string& strField) const;
    std::optional<CDbValue::Bytes> GetBlob(int nIndex) const;

    // The cells (row and field, counted from 0) whose text was not UTF-8 and was read as
    // Windows-1252, for the catalogue check.
    const std::vector<std::pair<int, int>>& TextsReadAsWindows1252() const { return m_textsReadAsWindows1252; }

    // The name of a field type code (1 "dbBoolean" ... 23 "dbTimeStamp"); empty for other codes.
    static std::string GetFieldTypeName(int nCode);

private:
    void Load(sqlite3_stmt* pStatement, const std::string& strSource);
    int IndexOf(const std::string& strField) const;
    // The field of the current row, or nullptr after tracing the index text.
    const CDbValue* Field(int nIndex, const char* pszIndexText) const;
    const CDbValue& Current(int nIndex) const;

    IDatabase* m_pDatabase;
    bool m_bOpen = false;
    std::string m_strSource; // query or table name, for messages
    std::int32_t m_nFieldCount = 0;
    int m_nRecordCount = 0;
    int m_nCurrent = 0;
    std::vector<std::string> m_fieldNames;
    std::vector<std::string> m_fieldKeys; // the names in lower case, for lookups by name
    std::vector<CDbValue> m_cells;        // row by row, m_nFieldCount per row
    std::vector<std::pair<int, int>> m_textsReadAsWindows1252;
};
