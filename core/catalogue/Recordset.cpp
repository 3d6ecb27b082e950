// Running a query or reading a table into memory, and the typed field getters.
#include "catalogue/Recordset.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/Database.h"
#include "catalogue/PreparedQuery.h"
#include "catalogue/QueryDef.h"
#include "platform/Trace.h"
#include "platform/Windows1252.h"

#include <sqlite3.h>

#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>

namespace
{
// The field type a column's declared type stands for; nothing when the type is missing or
// unknown, and the storage class of each value decides.
std::optional<EDbType> DeclaredType(const char* pszDeclared)
{
    if (pszDeclared == nullptr)
        return std::nullopt;
    std::string strType;
    for (const char* p = pszDeclared; *p != '\0' && *p != '('; ++p)
    {
        const char c = *p;
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r')
        {
            if (!strType.empty() && strType.back() != ' ')
                strType += ' ';
        }
        else
            strType += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    while (!strType.empty() && strType.back() == ' ')
        strType.pop_back();

    static const struct
    {
        const char* m_pszName;
        EDbType m_eType;
    } kTypes[] = {
        {"SMALLINT", EDbType::Int16},
        {"INTEGER", EDbType::Int32},
        {"INT", EDbType::Int32},
        {"LONG", EDbType::Int32},
        {"SINGLE", EDbType::Float},
        {"DOUBLE", EDbType::Double},
        {"DOUBLE PRECISION", EDbType::Double},
        {"REAL", EDbType::Double},
        {"FLOAT", EDbType::Double},
        {"BOOLEAN", EDbType::Bool},
        {"BIT", EDbType::Bool},
        {"CURRENCY", EDbType::Currency},
        {"MONEY", EDbType::Currency},
        {"DATETIME", EDbType::DateTime},
        {"DATE", EDbType::DateTime},
        {"TEXT", EDbType::Text},
        {"VARCHAR", EDbType::Text},
        {"CHAR", EDbType::Text},
        {"MEMO", EDbType::Text},
        {"BLOB", EDbType::Blob},
        {"LONGBINARY", EDbType::Blob},
    };
    for (const auto& type : kTypes)
    {
        if (strType == type.m_pszName)
            return type.m_eType;
    }
    return std::nullopt;
}

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t nYear, unsigned nMonth, unsigned nDay)
{
    nYear -= nMonth <= 2;
    const std::int64_t nEra = (nYear >= 0 ? nYear : nYear - 399) / 400;
    const auto nYearOfEra = static_cast<unsigned>(nYear - nEra * 400);
    const unsigned nDayOfYear = (153 * (nMonth + (nMonth > 2 ? -3 : 9)) + 2) / 5 + nDay - 1;
    const unsigned nDayOfEra = nYearOfEra * 365 + nYearOfEra / 4 - nYearOfEra / 100 + nDayOfYear;
    return nEra * 146097 + static_cast<std::int64_t>(nDayOfEra) - 719468;
}

// "YYYY-MM-DD", optionally followed by " HH:MM[:SS[.fff]]" or "THH:MM[:SS[.fff]]", as days since
// 1899-12-30 with the time of day as the fraction's magnitude (negative dates count backwards).
std::optional<double> ParseIsoDate(const std::string& strText)
{
    const char* p = strText.data();
    const char* const pEnd = p + strText.size();
    auto number = [&](int nDigits, int& nValue)
    {
        if (pEnd - p < nDigits)
            return false;
        const auto [pNext, error] = std::from_chars(p, p + nDigits, nValue);
        if (error != std::errc() || pNext != p + nDigits)
            return false;
        p = pNext;
        return true;
    };
    auto literal = [&](char c)
    {
        if (p == pEnd || *p != c)
            return false;
        ++p;
        return true;
    };
    int nYear = 0, nMonth = 0, nDay = 0, nHour = 0, nMinute = 0, nSecond = 0;
    double dFraction = 0.0;
    if (!number(4, nYear) || !literal('-') || !number(2, nMonth) || !literal('-') || !number(2, nDay))
        return std::nullopt;
    if (p != pEnd)
    {
        if (!(literal(' ') || literal('T')) || !number(2, nHour) || !literal(':') || !number(2, nMinute))
            return std::nullopt;
        if (p != pEnd && (!literal(':') || !number(2, nSecond)))
            return std::nullopt;
        if (p != pEnd)
        {
            if (!literal('.') || p == pEnd)
                return std::nullopt;
            double dScale = 0.1;
            for (; p != pEnd && *p >= '0' && *p <= '9'; ++p, dScale /= 10)
                dFraction += (*p - '0') * dScale;
            if (p != pEnd)
                return std::nullopt;
        }
    }
    static const int kDaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bLeap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
    if (nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > kDaysInMonth[nMonth - 1] ||
        (nMonth == 2 && nDay == 29 && !bLeap) || nHour > 23 || nMinute > 59 || nSecond > 59)
        return std::nullopt;
    const double dDays = static_cast<double>(
        DaysFromCivil(nYear, static_cast<unsigned>(nMonth), static_cast<unsigned>(nDay)) + 25569);
    const double dTime = (nHour * 3600 + nMinute * 60 + nSecond + dFraction) / 86400.0;
    return dDays >= 0 ? dDays + dTime : dDays - dTime;
}

// An integral number stored as integer or as a real without fraction.
std::optional<std::int64_t> IntegralValue(sqlite3_stmt* pStatement, int nColumn)
{
    switch (sqlite3_column_type(pStatement, nColumn))
    {
    case SQLITE_INTEGER:
        return sqlite3_column_int64(pStatement, nColumn);
    case SQLITE_FLOAT:
    {
        const double dValue = sqlite3_column_double(pStatement, nColumn);
        if (std::trunc(dValue) == dValue && std::fabs(dValue) < 9.0e18)
            return static_cast<std::int64_t>(dValue);
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<double> NumericValue(sqlite3_stmt* pStatement, int nColumn)
{
    const int nStorage = sqlite3_column_type(pStatement, nColumn);
    if (nStorage == SQLITE_INTEGER || nStorage == SQLITE_FLOAT)
        return sqlite3_column_double(pStatement, nColumn);
    return std::nullopt;
}

template <class T> std::optional<CDbValue> IntegerOf(std::optional<std::int64_t> nValue)
{
    if (!nValue || *nValue < std::numeric_limits<T>::min() || *nValue > std::numeric_limits<T>::max())
        return std::nullopt;
    return CDbValue(static_cast<T>(*nValue));
}

std::string TextOf(sqlite3_stmt* pStatement, int nColumn)
{
    // Text first, then its length: the order SQLite asks for.
    const auto* pszText = reinterpret_cast<const char*>(sqlite3_column_text(pStatement, nColumn));
    const int nBytes = sqlite3_column_bytes(pStatement, nColumn);
    return pszText != nullptr ? std::string(pszText, static_cast<std::size_t>(nBytes)) : std::string();
}

// The value of a cell in the field type of its column. Nothing when the stored value cannot
// be held exactly in that type: the catalogue then breaks its own column types.
std::optional<CDbValue> ReadCell(sqlite3_stmt* pStatement, int nColumn, std::optional<EDbType> eDeclared)
{
    const int nStorage = sqlite3_column_type(pStatement, nColumn);
    if (nStorage == SQLITE_NULL)
        return CDbValue();
    EDbType eType = EDbType::Null;
    if (eDeclared)
        eType = *eDeclared;
    else if (nStorage == SQLITE_INTEGER)
        eType = EDbType::Int32;
    else if (nStorage == SQLITE_FLOAT)
        eType = EDbType::Double;
    else if (nStorage == SQLITE_TEXT)
        eType = EDbType::Text;
    else
        eType = EDbType::Blob;

    switch (eType)
    {
    case EDbType::Bool:
    {
        const std::optional<double> dValue = NumericValue(pStatement, nColumn);
        return dValue ? std::optional<CDbValue>(CDbValue(*dValue != 0.0)) : std::nullopt;
    }
    case EDbType::Int16:
        return IntegerOf<std::int16_t>(IntegralValue(pStatement, nColumn));
    case EDbType::Int32:
        return IntegerOf<std::int32_t>(IntegralValue(pStatement, nColumn));
    case EDbType::Float:
    {
        const std::optional<double> dValue = NumericValue(pStatement, nColumn);
        if (!dValue || (std::isfinite(*dValue) && !std::isfinite(static_cast<float>(*dValue))))
            return std::nullopt;
        return CDbValue(static_cast<float>(*dValue));
    }
    case EDbType::Double:
    {
        const std::optional<double> dValue = NumericValue(pStatement, nColumn);
        return dValue ? std::optional<CDbValue>(CDbValue(*dValue)) : std::nullopt;
    }
    case EDbType::Currency:
    {
        // Stored as an amount of the unit; held in ten-thousandths.
        constexpr std::int64_t kScale = 10000;
        if (nStorage == SQLITE_INTEGER)
        {
            const sqlite3_int64 nValue = sqlite3_column_int64(pStatement, nColumn);
            if (nValue > std::numeric_limits<std::int64_t>::max() / kScale ||
                nValue < std::numeric_limits<std::int64_t>::min() / kScale)
                return std::nullopt;
            return CDbValue(CCurrency{nValue * kScale});
        }
        const std::optional<double> dValue = NumericValue(pStatement, nColumn);
        if (!dValue || !(std::fabs(*dValue * kScale) < 9.0e18))
            return std::nullopt;
        return CDbValue(CCurrency{std::llround(*dValue * kScale)});
    }
    case EDbType::DateTime:
    {
        std::optional<double> dDays = NumericValue(pStatement, nColumn);
        if (!dDays && nStorage == SQLITE_TEXT)
            dDays = ParseIsoDate(TextOf(pStatement, nColumn));
        return dDays ? std::optional<CDbValue>(CDbValue(CDateTime{*dDays})) : std::nullopt;
    }
    case EDbType::Text:
        if (nStorage == SQLITE_BLOB)
            return std::nullopt;
        return CDbValue(TextOf(pStatement, nColumn));
    case EDbType::Blob:
    {
        if (nStorage != SQLITE_BLOB)
            return std::nullopt;
        // A zero-length blob comes back as a null pointer.
        const auto* pBytes = static_cast<const std::uint8_t*>(sqlite3_column_blob(pStatement, nColumn));
        const int nBytes = sqlite3_column_bytes(pStatement, nColumn);
        return CDbValue(pBytes != nullptr ? CDbValue::Bytes(pBytes, pBytes + nBytes) : CDbValue::Bytes());
    }
    case EDbType::Null:
        break;
    }
    return CDbValue();
}

int Bind(sqlite3_stmt* pStatement, int nIndex, const CDbValue& value)
{
    switch (value.Type())
    {
    case EDbType::Null:
        return sqlite3_bind_null(pStatement, nIndex);
    case EDbType::Bool:
        return sqlite3_bind_int(pStatement, nIndex, value.AsBool() ? 1 : 0);
    case EDbType::Int16:
        return sqlite3_bind_int(pStatement, nIndex, value.AsInt16());
    case EDbType::Int32:
        return sqlite3_bind_int(pStatement, nIndex, value.AsInt32());
    case EDbType::Float:
        return sqlite3_bind_double(pStatement, nIndex, value.AsFloat());
    case EDbType::Double:
        return sqlite3_bind_double(pStatement, nIndex, value.AsDouble());
    case EDbType::Currency:
        return sqlite3_bind_double(pStatement, nIndex,
                                   static_cast<double>(value.AsCurrency().m_nUnits) / 10000.0);
    case EDbType::DateTime:
        return sqlite3_bind_double(pStatement, nIndex, value.AsDateTime().m_dDays);
    case EDbType::Text:
        return sqlite3_bind_text64(pStatement, nIndex, value.AsText().data(), value.AsText().size(),
                                   SQLITE_TRANSIENT, SQLITE_UTF8);
    case EDbType::Blob:
        // sqlite3_bind_blob with no bytes would bind NULL instead of an empty blob.
        if (value.AsBlob().empty())
            return sqlite3_bind_zeroblob(pStatement, nIndex, 0);
        return sqlite3_bind_blob64(pStatement, nIndex, value.AsBlob().data(), value.AsBlob().size(),
                                   SQLITE_TRANSIENT);
    }
    return SQLITE_MISUSE;
}

void TraceText(const char* pszText)
{
    Trace(std::string(pszText) + "\r\n");
}

std::optional<std::int32_t> IntegerField(const CDbValue& value)
{
    if (value.Type() == EDbType::Int16)
        return value.AsInt16();
    if (value.Type() == EDbType::Int32)
        return value.AsInt32();
    return std::nullopt;
}

std::optional<double> NumericField(const CDbValue& value)
{
    switch (value.Type())
    {
    case EDbType::Int16:
        return value.AsInt16();
    case EDbType::Int32:
        return value.AsInt32();
    case EDbType::Float:
        return value.AsFloat();
    case EDbType::Double:
        return value.AsDouble();
    default:
        return std::nullopt;
    }
}
} // namespace

IRecordset::IRecordset(IDatabase& database) : m_pDatabase(&database) {}

IRecordset::~IRecordset()
{
    Close();
}

void IRecordset::Open(IQueryDef& query)
{
    Close();
    if (query.m_pDatabase != m_pDatabase)
        throw CCatalogueError(CCatalogueError::NotOpen,
                              "Query '" + query.Name() + "' belongs to another catalogue connection.");
    SPreparedQuery& prepared = query.Prepared();

    std::string strUnset;
    for (std::size_t n = 0; n < prepared.m_params.size(); ++n)
    {
        if (!query.m_values[n])
            strUnset += (strUnset.empty() ? "[" : ", [") + prepared.m_params[n].m_strName + "]";
    }
    if (!strUnset.empty())
        throw CCatalogueError(CCatalogueError::ParameterNotSet, "Query '" + prepared.m_strName +
                                                                    "' was run without a value for " +
                                                                    strUnset + ".");

    const CStatementReset reset(prepared.m_pStatement);
    for (std::size_t n = 0; n < prepared.m_params.size(); ++n)
    {
        for (const int nIndex : prepared.m_params[n].m_indexes)
        {
            const int nRc = Bind(prepared.m_pStatement, nIndex, *query.m_values[n]);
            if (nRc != SQLITE_OK)
                throw CCatalogueError(nRc, "Parameter [" + prepared.m_params[n].m_strName + "] of query '" +
                                               prepared.m_strName +
                                               "' cannot be set: " + sqlite3_errstr(nRc));
        }
    }
    Load(prepared.m_pStatement, prepared.m_strName);
}

void IRecordset::OpenTable(const std::string& strTable)
{
    Close();
    m_pDatabase->RequireOpen("table '" + strTable + "' cannot be read.");
    sqlite3* pDb = m_pDatabase->Handle();

    // Only a name the schema knows is put into SQL, quoted.
    sqlite3_stmt* pRaw = nullptr;
    int nRc = sqlite3_prepare_v2(
        pDb, "SELECT name FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE", -1, &pRaw,
        nullptr);
    const StatementPtr pLookup(pRaw);
    if (nRc == SQLITE_OK)
        nRc = sqlite3_bind_text(pLookup.get(), 1, strTable.data(), static_cast<int>(strTable.size()),
                                SQLITE_TRANSIENT);
    if (nRc == SQLITE_OK)
        nRc = sqlite3_step(pLookup.get());
    if (nRc == SQLITE_DONE)
        throw CCatalogueError(CCatalogueError::TableNotFound,
                              "The catalogue has no table '" + strTable + "'.");
    if (nRc != SQLITE_ROW)
        throw CCatalogueError(nRc, "Table '" + strTable + "' cannot be read: " + sqlite3_errmsg(pDb));

    const std::string strName = TextOf(pLookup.get(), 0);
    std::string strSql = "SELECT * FROM \"";
    for (const char c : strName)
        strSql += c == '"' ? std::string("\"\"") : std::string(1, c);
    strSql += '"';
    pRaw = nullptr;
    nRc = sqlite3_prepare_v2(pDb, strSql.c_str(), -1, &pRaw, nullptr);
    const StatementPtr pStatement(pRaw);
    if (nRc != SQLITE_OK)
        throw CCatalogueError(nRc, "Table '" + strName + "' cannot be read: " + sqlite3_errmsg(pDb));
    Load(pStatement.get(), strName);
}

void IRecordset::Load(sqlite3_stmt* pStatement, const std::string& strSource)
{
    try
    {
        m_strSource = strSource;
        m_nFieldCount = sqlite3_column_count(pStatement);
        std::vector<std::optional<EDbType>> declared;
        for (int nColumn = 0; nColumn < m_nFieldCount; ++nColumn)
        {
            const char* pszName = sqlite3_column_name(pStatement, nColumn);
            m_fieldNames.emplace_back(pszName != nullptr ? pszName : "");
            m_fieldKeys.push_back(AsciiLower(m_fieldNames.back()));
            declared.push_back(DeclaredType(sqlite3_column_decltype(pStatement, nColumn)));
        }
        int nRc = SQLITE_OK;
        while ((nRc = sqlite3_step(pStatement)) == SQLITE_ROW)
        {
            for (int nColumn = 0; nColumn < m_nFieldCount; ++nColumn)
            {
                std::optional<CDbValue> value = ReadCell(pStatement, nColumn, declared[nColumn]);
                if (!value)
                {
                    const char* pszDeclared = sqlite3_column_decltype(pStatement, nColumn);
                    throw CCatalogueError(CCatalogueError::TypeMismatch,
                                          "Field '" + m_fieldNames[nColumn] + "' of row " +
                                              std::to_string(m_nRecordCount + 1) + " of '" + strSource +
                                              "' holds a value that does not fit its type " +
                                              (pszDeclared != nullptr ? pszDeclared : "INTEGER") + ".");
                }
                // Catalogue texts are UTF-8 or Windows-1252: every text leaves here as UTF-8.
                if (value->Type() == EDbType::Text && !IsValidUtf8(value->AsText()))
                {
                    value = CDbValue(Windows1252ToUtf8(value->AsText()));
                    m_textsReadAsWindows1252.emplace_back(m_nRecordCount, nColumn);
                }
                m_cells.push_back(std::move(*value));
            }
            ++m_nRecordCount;
        }
        if (nRc != SQLITE_DONE)
            throw CCatalogueError(
                nRc, "'" + strSource + "' cannot be read: " + sqlite3_errmsg(sqlite3_db_handle(pStatement)));
        m_nCurrent = 0;
        m_bOpen = true;
    }
    catch (...)
    {
        // Never leave half a result behind.
        Close();
        throw;
    }
}

void IRecordset::Close()
{
    m_bOpen = false;
    m_strSource.clear();
    m_nFieldCount = 0;
    m_nRecordCount = 0;
    m_nCurrent = 0;
    m_fieldNames.clear();
    m_fieldKeys.clear();
    m_cells.clear();
    m_textsReadAsWindows1252.clear();
}

void IRecordset::MoveNext()
{
    if (IsEOF())
        throw CCatalogueError(CCatalogueError::NoCurrentRecord,
                              "MoveNext past the last row of '" + m_strSource + "'.");
    ++m_nCurrent;
}

const std::string& IRecordset::GetFieldName(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nFieldCount)
        throw CCatalogueError(CCatalogueError::FieldNotFound,
                              "'" + m_strSource + "' has no field " + std::to_string(nIndex) + ".");
    return m_fieldNames[static_cast<std::size_t>(nIndex)];
}

int IRecordset::IndexOf(const std::string& strField) const
{
    // Field names are matched without regard to case, as stored query names are.
    const std::string strKey = AsciiLower(strField);
    for (int nIndex = 0; nIndex < m_nFieldCount; ++nIndex)
    {
        if (m_fieldKeys[static_cast<std::size_t>(nIndex)] == strKey)
            return nIndex;
    }
    throw CCatalogueError(CCatalogueError::FieldNotFound, "Item not found in this collection: field '" +
                                                              strField + "' of '" + m_strSource + "'.");
}

const CDbValue& IRecordset::Current(int nIndex) const
{
    if (IsEOF())
        throw CCatalogueError(CCatalogueError::NoCurrentRecord,
                              "No current record in '" + m_strSource + "'.");
    return m_cells[static_cast<std::size_t>(m_nCurrent) * static_cast<std::size_t>(m_nFieldCount) +
                   static_cast<std::size_t>(nIndex)];
}

const CDbValue* IRecordset::Field(int nIndex, const char* pszIndexText) const
{
    if (nIndex < 0 || nIndex > m_nFieldCount - 1)
    {
        TraceText(pszIndexText);
        return nullptr;
    }
    return &Current(nIndex);
}

const CDbValue& IRecordset::GetFieldValue(const std::string& strField) const
{
    return Current(IndexOf(strField));
}

const CDbValue& IRecordset::GetFieldValue(int nIndex) const
{
    GetFieldName(nIndex); // throws for an index out of range
    return Current(nIndex);
}

std::string IRecordset::GetString(int nIndex) const
{
    const CDbValue* pValue = Field(nIndex, "IRecordset::GetString : Index out of range");
    if (pValue == nullptr)
        return {};
    if (pValue->Type() == EDbType::Text)
        return pValue->AsText();
    TraceText("IRecordset::GetString : Not String Type");
    return {};
}

std::int32_t IRecordset::GetInt(int nIndex) const
{
    const CDbValue* pValue = Field(nIndex, "IRecordset::GetInt : Index out of range");
    if (pValue == nullptr)
        return 0;
    if (const auto nValue = IntegerField(*pValue))
        return *nValue;
    TraceText("IRecordset::GetInt : Not Integer Type");
    return 0;
}

std::int32_t IRecordset::GetLong(int nIndex) const
{
    const CDbValue* pValue = Field(nIndex, "IRecordset::GetLong : Index out of range");
    if (pValue == nullptr)
        return 0;
    if (const auto nValue = IntegerField(*pValue))
        return *nValue;
    TraceText("IRecordset::GetLong : Not Integer Type");
    return 0;
}

double IRecordset::GetDouble(int nIndex) const
{
    const CDbValue* pValue = Field(nIndex, "IRecordset::GetDouble : Index out of range");
    if (pValue == nullptr)
        return 0.0;
    if (const auto dValue = NumericField(*pValue))
        return *dValue;
    TraceText("IRecordset::GetDouble : Not Numeric Type");
    return 0.0;
}

float IRecordset::GetFloat(int nIndex) const
{
    const CDbValue* pValue = Field(nIndex, "IRecordset::GetFloat : Index out of range");
    if (pValue == nullptr)
        return 0.0f;
    if (const auto dValue = NumericField(*pValue))
        return static_cast<float>(*dValue);
    TraceText("IRecordset::GetFloat : Not Numeric Type");
    return 0.0f;
}

bool IRecordset::GetBool(int nIndex) const
{
    const CDbValue* pValue = Field(nIndex, "IRecordset::GetBool : Index out of range");
    if (pValue == nullptr)
        return false;
    if (pValue->Type() == EDbType::Bool)
        return pValue->AsBool();
    TraceText("IRecordset::GetBool : Not Logical Type");
    return false;
}

CCurrency IRecordset::GetCurrency(int nIndex) const
{
    const CDbValue* pValue = Field(nIndex, "IRecordset::GetCurrency : Index out of range");
    if (pValue == nullptr)
        return {};
    if (pValue->Type() == EDbType::Currency)
        return pValue->AsCurrency();
    TraceText("IRecordset::GetCurrency : Not Currency Type");
    return {};
}

CDateTime IRecordset::GetDateTime(int nIndex) const
{
    const CDbValue* pValue = Field(nIndex, "IRecordset::GetDateTime : Index out of range");
    if (pValue == nullptr)
        return {};
    if (pValue->Type() == EDbType::DateTime)
        return pValue->AsDateTime();
    TraceText("IRecordset::GetDateTime: Not Date Type");
    return {};
}

std::optional<CDbValue::Bytes> IRecordset::GetBlob(int nIndex) const
{
    if (nIndex < 0 || nIndex > m_nFieldCount - 1)
        return std::nullopt;
    const CDbValue& value = Current(nIndex);
    if (value.Type() != EDbType::Blob)
        return std::nullopt;
    return value.AsBlob();
}

std::string IRecordset::GetString(const std::string& strField) const
{
    return GetString(IndexOf(strField));
}
std::int32_t IRecordset::GetInt(const std::string& strField) const
{
    return GetInt(IndexOf(strField));
}
std::int32_t IRecordset::GetLong(const std::string& strField) const
{
    return GetLong(IndexOf(strField));
}
double IRecordset::GetDouble(const std::string& strField) const
{
    return GetDouble(IndexOf(strField));
}
float IRecordset::GetFloat(const std::string& strField) const
{
    return GetFloat(IndexOf(strField));
}
bool IRecordset::GetBool(const std::string& strField) const
{
    return GetBool(IndexOf(strField));
}
CCurrency IRecordset::GetCurrency(const std::string& strField) const
{
    return GetCurrency(IndexOf(strField));
}
CDateTime IRecordset::GetDateTime(const std::string& strField) const
{
    return GetDateTime(IndexOf(strField));
}
std::optional<CDbValue::Bytes> IRecordset::GetBlob(const std::string& strField) const
{
    return GetBlob(IndexOf(strField));
}

std::string IRecordset::GetFieldTypeName(int nCode)
{
    static const char* const kNames[] = {
        "",         "dbBoolean", "dbByte",    "dbInteger", "dbLong",   "dbCurrency",
        "dbSingle", "dbDouble",  "dbDate",    "dbBinary",  "dbText",   "dbLongBinary",
        "dbMemo",   "",          "",          "dbGUID",    "dbBigInt", "dbVarBinary",
        "dbChar",   "dbNumeric", "dbDecimal", "dbFloat",   "dbTime",   "dbTimeStamp",
    };
    if (nCode < 0 || nCode >= static_cast<int>(std::size(kNames)))
        return {};
    return kNames[nCode];
}
