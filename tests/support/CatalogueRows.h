// The rows of a stored catalogue query, run with its parameters as the program runs it.
#pragma once

#include "catalogue/Catalogue.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

using CatalogueParams = std::vector<std::pair<std::string, CDbValue>>;

// Calls visit(rows) for each row of the query, in the query's order.
template <class F>
void ForEachRow(IDatabase& db, const std::string& strQuery, const CatalogueParams& params, F&& visit)
{
    IQueryDef def(db);
    def.Open(strQuery);
    for (const auto& [strName, value] : params)
        def.SetParamValue(strName, value);
    IRecordset rows(db);
    rows.Open(def);
    for (; !rows.IsEOF(); rows.MoveNext())
        visit(rows);
}

struct SCatalogueRow
{
    std::map<std::string, CDbValue> fields;
    std::string Text(const std::string& strField) const { return fields.at(strField).AsText(); }
};

// Every row with all of its fields.
inline std::vector<SCatalogueRow> QueryRows(IDatabase& db, const std::string& strQuery, const CatalogueParams& params)
{
    std::vector<SCatalogueRow> result;
    ForEachRow(db, strQuery, params,
               [&](IRecordset& rows)
               {
                   SCatalogueRow& row = result.emplace_back();
                   for (int i = 0; i < rows.GetFieldCount(); ++i)
                       row.fields[rows.GetFieldName(i)] = rows.GetFieldValue(i);
               });
    return result;
}
