// A stored query of the catalogue with the values of its parameters.
#pragma once

#include "catalogue/DbValue.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class IDatabase;
struct SPreparedQuery;

class IQueryDef
{
public:
    explicit IQueryDef(IDatabase& database);
    ~IQueryDef();
    IQueryDef(const IQueryDef&) = delete;
    IQueryDef& operator=(const IQueryDef&) = delete;

    // Opens the stored query of that name (matched without regard to case). Throws
    // CCatalogueError when the catalogue is closed, has no such query or the query does not compile.
    void Open(const std::string& strName);
    bool IsOpen() const { return m_pQuery != nullptr; }
    // The name as the catalogue stores it; empty when closed.
    const std::string& Name() const { return m_strName; }

    // Sets a parameter written with its brackets, "[parPressure]", to a value; the query's
    // ":parPressure" is matched without regard to case. Throws CCatalogueError when the query
    // has no such parameter, so that a misspelt name is never silently ignored.
    void SetParamValue(const std::string& strBracketedName, const CDbValue& value);
    // Runs an action query (one that changes data and returns no rows). Throws CCatalogueError,
    // also for a query that returns rows.
    void Execute();
    void Close();

private:
    friend class IRecordset;

    // The compiled query, after checking that the catalogue was not closed since Open.
    SPreparedQuery& Prepared() const;

    IDatabase* m_pDatabase;
    SPreparedQuery* m_pQuery = nullptr; // owned by the catalogue, dangling once it closes
    std::string m_strName;              // kept here for that reason
    std::uint64_t m_nSerial = 0;
    std::vector<std::optional<CDbValue>> m_values; // one per parameter of m_pQuery
};
