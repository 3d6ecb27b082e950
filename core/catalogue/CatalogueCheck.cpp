// The catalogue contract check.
#include "catalogue/CatalogueCheck.h"

#include "catalogue/CatalogueContract.h"
#include "catalogue/CatalogueError.h"
#include "catalogue/Database.h"
#include "catalogue/LoadJpeg.h"
#include "catalogue/MessageKeys.h"
#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"
#include "units/UnitTable.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>
#include <sstream>

namespace
{
// Limits that any real accumulator catalogue lies within: 10 m\u00B3, 2,000 bar, the range of the gas model.
constexpr double kLargestCapacityCuM = 10.0;
constexpr double kAtmospherePa = 101325.0;
constexpr double kHighestPressurePa = 2.0e8;
constexpr double kColdestF = -100.0;
constexpr double kHottestF = 2000.0;

std::string Number(double d)
{
    std::ostringstream out;
    out << d;
    return out.str();
}

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool Accepts(EReadAs eReadAs, EDbType eType)
{
    switch (eReadAs)
    {
    case EReadAs::Text:
        return eType == EDbType::Text;
    case EReadAs::Whole:
        return eType == EDbType::Int16 || eType == EDbType::Int32;
    case EReadAs::Number:
        return eType == EDbType::Int16 || eType == EDbType::Int32 || eType == EDbType::Float ||
               eType == EDbType::Double;
    case EReadAs::Flag:
        return eType == EDbType::Bool;
    case EReadAs::Bytes:
        return eType == EDbType::Blob;
    }
    return false;
}

const char* ReadAsText(EReadAs eReadAs)
{
    switch (eReadAs)
    {
    case EReadAs::Text:
        return "text";
    case EReadAs::Whole:
        return "a whole number";
    case EReadAs::Number:
        return "a number";
    case EReadAs::Flag:
        return "a yes/no value";
    case EReadAs::Bytes:
        return "bytes";
    }
    return "";
}

// Fields and columns named like "PressUnits", "Units1" or "Units" hold unit codes.
bool HoldsUnitCodes(const std::string& strName)
{
    const std::string s = Lower(strName);
    return EndsWith(s, "units") || s == "units1" || s == "units2";
}

class CChecker
{
public:
    explicit CChecker(IDatabase& database) : m_db(database) {}

    void Query(const SContractQuery& query)
    {
        ++m_report.nQueries;
        const std::string& strName = query.strName;
        try
        {
            IQueryDef def(m_db);
            def.Open(strName);
            for (const SContractParam& param : query.params)
                def.SetParamValue(param.strName, param.sample);
            IRecordset rows(m_db);
            rows.Open(def);
            Fields(query, rows);
        }
        catch (const CCatalogueError& e)
        {
            Problem(strName + ": " + e.what());
        }
    }

    void Messages()
    {
        for (const std::string& strKey : msg::AllMessageKeys())
            if (!HasRow("qMsgStr", "[parMsgId]", strKey))
                Problem("message key without a text: \"" + strKey + "\"");
        for (const std::int32_t nKey : msg::AllIntegerMessageKeys())
            if (!HasRow("qMsgInt", "[parMsgIDInt]", nKey))
                Problem("integer message key without a text: " + std::to_string(nKey));
    }

    // Every table, each on its own: one that cannot be read is reported and the scan goes on.
    void Tables()
    {
        std::vector<std::string> tables;
        try
        {
            tables = m_db.TableNames();
        }
        catch (const CCatalogueError& e)
        {
            Problem(std::string("the list of tables cannot be read: ") + e.what());
        }
        for (const std::string& strTable : tables)
        {
            try
            {
                Table(strTable);
            }
            catch (const CCatalogueError& e)
            {
                Problem(strTable + ": " + e.what());
            }
        }
    }

    // The catalogue's limits: without them, or with values no accumulator has, every sizing is refused.
    void Limits()
    {
        Limit("qMaxCapacity", "MaxCapacity", "m\u00B3", 0.0, kLargestCapacityCuM, false);
        Limit("qMaxPressure", "MaxPressure", "Pa", kAtmospherePa, kHighestPressurePa, false);
        const std::optional<double> dHigh = Limit("qMaxTemperature", "MaxTemp", "\u00B0F", kColdestF, kHottestF, true);
        const std::optional<double> dLow = Limit("qMinTemperature", "MinTemp", "\u00B0F", kColdestF, kHottestF, true);
        if (dHigh && dLow && !(*dLow < *dHigh))
            Problem("qMinTemperature: the lowest temperature " + Number(*dLow) + " \u00B0F is not below the highest, " +
                    Number(*dHigh) + " \u00B0F");
    }

    SCatalogueCheck Report() { return std::move(m_report); }

private:
    void Table(const std::string& strTable)
    {
        IRecordset rows(m_db);
        rows.OpenTable(strTable);
        for (int nField = 0; nField < rows.GetFieldCount(); ++nField)
        {
            const std::string& strField = rows.GetFieldName(nField);
            for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
            {
                const CDbValue& value = rows.GetFieldValue(nField);
                if (value.Type() != EDbType::Text)
                    continue;
                if (HoldsUnitCodes(strField))
                    UnitCode(strTable + "." + strField, value.AsText());
                else if (Lower(strField) == "image")
                    Picture(strTable + "." + strField, value.AsText());
            }
        }
        TextsNotUtf8(strTable, rows);
        if (Lower(strTable) == "units")
            UnitFactors(rows);
    }

    // Texts are UTF-8 by contract; others are read as Windows-1252, which is rarely what was meant.
    void TextsNotUtf8(const std::string& strTable, const IRecordset& rows)
    {
        constexpr std::size_t kShown = 5;
        const auto& cells = rows.TextsReadAsWindows1252();
        for (std::size_t i = 0; i < cells.size() && i < kShown; ++i)
            Problem(strTable + "." + rows.GetFieldName(cells[i].second) + " in row " + std::to_string(cells[i].first + 1) +
                    ": the text is not UTF-8 (read as Windows-1252)");
        if (cells.size() > kShown)
            Problem(strTable + ": " + std::to_string(cells.size() - kShown) + " more texts are not UTF-8");
    }

    // The limit of the first row, when it lies in (dLow, dHigh] (or [dLow, dHigh] with bLowIncluded).
    std::optional<double> Limit(const char* pszQuery, const char* pszField, const char* pszUnit, double dLow,
                                double dHigh, bool bLowIncluded)
    {
        try
        {
            IQueryDef def(m_db);
            def.Open(pszQuery);
            IRecordset rows(m_db);
            rows.Open(def);
            if (rows.IsBOF())
            {
                Problem(std::string(pszQuery) + ": no row, so every sizing is refused");
                return std::nullopt;
            }
            // Read as the program reads it (a field of another type is reported with the contract).
            const double d = rows.GetDouble(pszField);
            if (!(bLowIncluded ? d >= dLow : d > dLow) || !(d <= dHigh))
            {
                Problem(std::string(pszQuery) + ": " + pszField + " " + Number(d) + " " + pszUnit + " lies outside " +
                        (bLowIncluded ? "[" : "(") + Number(dLow) + ", " + Number(dHigh) + "] " + pszUnit +
                        ", so the program cannot size with it");
                return std::nullopt;
            }
            return d;
        }
        catch (const CCatalogueError&)
        {
            return std::nullopt; // the query itself is reported with the contract
        }
    }
    void Fields(const SContractQuery& query, IRecordset& rows)
    {
        std::set<std::string> names;
        for (int i = 0; i < rows.GetFieldCount(); ++i)
            names.insert(Lower(rows.GetFieldName(i)));
        for (const SContractField& field : query.fields)
        {
            const bool bFirst = field.strName.empty();
            if (bFirst ? rows.GetFieldCount() == 0 : names.count(Lower(field.strName)) == 0)
            {
                Problem(query.strName + ": has no field " + (bFirst ? std::string("at all") : field.strName));
                continue;
            }
            const std::string strShown = bFirst ? "its first field" : "field " + field.strName;
            int nRow = 1;
            for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext(), ++nRow)
            {
                const CDbValue& value = bFirst ? rows.GetFieldValue(0) : rows.GetFieldValue(field.strName);
                if (!Accepts(field.eReadAs, value.Type()))
                {
                    Problem(query.strName + ": " + strShown + " is " + DbTypeName(value.Type()) + " in row " +
                            std::to_string(nRow) + "; the program reads it as " + ReadAsText(field.eReadAs));
                    break;
                }
                if (!bFirst && HoldsUnitCodes(field.strName))
                    UnitCode(query.strName + "." + field.strName, value.AsText());
            }
        }
        if (rows.IsBOF())
            m_report.notes.push_back(query.strName +
                                     ": no rows for the sample parameters, so its field types were not checked");
    }

    bool HasRow(const std::string& strQuery, const std::string& strParam, const CDbValue& key)
    {
        try
        {
            IQueryDef def(m_db);
            def.Open(strQuery);
            def.SetParamValue(strParam, key);
            IRecordset rows(m_db);
            rows.Open(def);
            return !rows.IsBOF();
        }
        catch (const CCatalogueError&)
        {
            return false; // the query itself is reported with the contract
        }
    }

    void UnitCode(const std::string& strWhere, const std::string& strCode)
    {
        if (!FindUnit(strCode) && m_reported.insert(strWhere + "|" + strCode).second)
            Problem(strWhere + ": unknown unit code \"" + strCode + "\"");
    }

    void Picture(const std::string& strWhere, const std::string& strName)
    {
        if (!m_pictures.insert(strName).second)
            return;
        try
        {
            if (!CLoadJpeg::Load(strName, m_db))
                Problem(strWhere + ": no picture named \"" + strName + "\"");
        }
        catch (const CCatalogueError&)
        {
            // qGetImage itself is reported with the contract.
        }
    }

    // A table of unit factors must agree with the program's conversions.
    void UnitFactors(IRecordset& rows)
    {
        for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
        {
            const std::string strCode = rows.GetString("Code");
            const CUnitObject* pUnit = FindUnit(strCode);
            if (pUnit && (rows.GetDouble("Factor") != pUnit->m_dFactor || rows.GetDouble("Offset") != pUnit->m_dOffset))
                Problem("Units: the factors of " + strCode + " differ from the program's");
        }
    }

    void Problem(std::string strText) { m_report.problems.push_back(std::move(strText)); }

    IDatabase& m_db;
    SCatalogueCheck m_report;
    std::set<std::string> m_reported;
    std::set<std::string> m_pictures;
};
} // namespace

SCatalogueCheck CheckCatalogue(IDatabase& database)
{
    CChecker checker(database);
    for (const SContractQuery& query : CatalogueContract())
        checker.Query(query);
    checker.Messages();
    checker.Limits();
    checker.Tables();
    return checker.Report();
}
