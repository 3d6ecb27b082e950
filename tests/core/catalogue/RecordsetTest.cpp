// Field types, the typed getters' rules and neutral results, navigation and table reads.
#include "CatalogueFixture.h"
#include "RecordingPrompt.h"
#include "platform/Trace.h"

#include <functional>
#include <set>

namespace
{
class CRecordsetTest : public CCatalogueTest
{
protected:
    // The rows of qModels for one series, positioned on the first.
    void OpenSeries(const std::string& strSeries)
    {
        m_query.Open("qModels");
        m_query.SetParamValue("[parSeries]", strSeries);
        m_rows.Open(m_query);
        ASSERT_FALSE(m_rows.IsEOF()) << strSeries;
    }

    IQueryDef m_query{m_db};
    IRecordset m_rows{m_db};
};
} // namespace

TEST_F(CRecordsetTest, FieldTypeComesFromDeclaredTypeElseFromStorage)
{
    OpenSeries("PA");
    const std::pair<const char*, EDbType> kDeclared[] = {
        {"Series", EDbType::Text},    {"Bore", EDbType::Int16},        {"Capacity", EDbType::Double},
        {"Weight", EDbType::Float},   {"Stock", EDbType::Int32},       {"InStock", EDbType::Bool},
        {"Price", EDbType::Currency}, {"Released", EDbType::DateTime}, {"Code", EDbType::Text},
        {"Drawing", EDbType::Blob},   {"Remark", EDbType::Null},
    };
    ASSERT_EQ(m_rows.GetFieldCount(), 11);
    for (const auto& [pszField, eType] : kDeclared)
        EXPECT_EQ(m_rows.GetFieldValue(pszField).Type(), eType) << pszField;

    IQueryDef expr(m_db);
    expr.Open("qExpr");
    m_rows.Open(expr);
    const EDbType kStorage[] = {EDbType::Int32, EDbType::Double, EDbType::Text, EDbType::Blob, EDbType::Null};
    for (int n = 0; n < 5; ++n)
        EXPECT_EQ(m_rows.GetFieldValue(n).Type(), kStorage[n]) << n;
}

TEST_F(CRecordsetTest, GettersAcceptExactlyTheirTypesAndTraceTheRest)
{
    OpenSeries("PA");
    struct SGetter
    {
        const char* m_pszName;
        const char* m_pszTypeText;
        std::set<std::string> m_accepted;
        std::function<bool(int)> m_isNeutral; // reads by index, true when the result is neutral
    };
    const IRecordset& r = m_rows;
    const SGetter kGetters[] = {
        {"GetString", "Not String Type", {"Series", "Code"}, [&](int n) { return r.GetString(n).empty(); }},
        {"GetInt", "Not Integer Type", {"Bore", "Stock"}, [&](int n) { return r.GetInt(n) == 0; }},
        {"GetLong", "Not Integer Type", {"Bore", "Stock"}, [&](int n) { return r.GetLong(n) == 0; }},
        {"GetDouble",
         "Not Numeric Type",
         {"Bore", "Capacity", "Weight", "Stock"},
         [&](int n) { return r.GetDouble(n) == 0.0; }},
        {"GetFloat",
         "Not Numeric Type",
         {"Bore", "Capacity", "Weight", "Stock"},
         [&](int n) { return r.GetFloat(n) == 0.0f; }},
        {"GetBool", "Not Logical Type", {"InStock"}, [&](int n) { return !r.GetBool(n); }},
        {"GetCurrency",
         "Not Currency Type",
         {"Price"},
         [&](int n) { return r.GetCurrency(n) == CCurrency{}; }},
        {"GetDateTime",
         "Not Date Type",
         {"Released"},
         [&](int n) { return r.GetDateTime(n) == CDateTime{}; }},
    };
    CPromptCapture prompt;
    for (const SGetter& getter : kGetters)
    {
        // GetDateTime's type text has no blank before its colon.
        const std::string strPrefix = std::string("IRecordset::") + getter.m_pszName;
        const std::string strTypeText = strPrefix +
                                        (getter.m_pszName == std::string("GetDateTime") ? ": " : " : ") +
                                        getter.m_pszTypeText + "\r\n";
        for (int n = 0; n < r.GetFieldCount(); ++n)
        {
            const bool bAccepted = getter.m_accepted.count(r.GetFieldName(n)) != 0;
            CTraceCapture trace;
            const bool bNeutral = getter.m_isNeutral(n);
            EXPECT_EQ(bNeutral, !bAccepted) << getter.m_pszName << " " << r.GetFieldName(n);
            EXPECT_EQ(trace.Texts(),
                      bAccepted ? std::vector<std::string>{} : std::vector<std::string>{strTypeText})
                << getter.m_pszName << " " << r.GetFieldName(n);
        }
        for (const int nIndex : {-1, r.GetFieldCount()})
        {
            CTraceCapture trace;
            EXPECT_TRUE(getter.m_isNeutral(nIndex)) << getter.m_pszName << " " << nIndex;
            EXPECT_EQ(trace.Texts(), std::vector<std::string>{strPrefix + " : Index out of range\r\n"});
        }
    }
    // Trace only: nothing reaches the user.
    EXPECT_TRUE(prompt->Texts().empty());
}

TEST_F(CRecordsetTest, GetterValues)
{
    OpenSeries("PA");
    EXPECT_EQ(m_rows.GetString("series"), "PA"); // names are matched without regard to case
    EXPECT_EQ(m_rows.GetString(8), "A1");
    EXPECT_EQ(m_rows.GetInt("Bore"), -3);
    EXPECT_EQ(m_rows.GetDouble("Bore"), -3.0);
    EXPECT_EQ(m_rows.GetLong("Stock"), 70000);
    EXPECT_EQ(m_rows.GetDouble("Capacity"), 0.5);
    EXPECT_EQ(m_rows.GetFloat("Weight"), 2.5f);
    EXPECT_TRUE(m_rows.GetBool("InStock"));
    EXPECT_EQ(m_rows.GetCurrency("Price").m_nUnits, 125000);
    EXPECT_EQ(m_rows.GetDateTime("Released").m_dDays, 45000.25);
    EXPECT_EQ(m_rows.GetBlob("Drawing"), (CDbValue::Bytes{0x01, 0x02}));
    EXPECT_EQ(m_rows.GetBlob("Code"), std::nullopt);
    EXPECT_EQ(m_rows.GetBlob(99), std::nullopt);

    // Whole numbers stored in currency and single columns; a date written as text.
    OpenSeries("PB");
    EXPECT_EQ(m_rows.GetCurrency("Price").m_nUnits, 30000);
    EXPECT_EQ(m_rows.GetDateTime("Released").m_dDays, 45000.25);
    EXPECT_FALSE(m_rows.GetBool("InStock"));
    EXPECT_EQ(m_rows.GetString("Remark"), "wide");
    OpenSeries("PC");
    EXPECT_EQ(m_rows.GetFieldValue("Weight"), CDbValue(1.0f));
}

TEST_F(CRecordsetTest, Navigation)
{
    IQueryDef all(m_db);
    all.Open("qAllModels");
    m_rows.Open(all);
    EXPECT_FALSE(m_rows.IsBOF());
    EXPECT_EQ(m_rows.GetRecordCount(), 3);
    std::string strSeries;
    for (; !m_rows.IsEOF(); m_rows.MoveNext())
        strSeries += m_rows.GetString("Series");
    EXPECT_EQ(strSeries, "PAPBPC");
    m_rows.MoveLast();
    EXPECT_EQ(m_rows.GetString("Series"), "PC");
    m_rows.MoveFirst();
    EXPECT_EQ(m_rows.GetString("Series"), "PA");
    EXPECT_EQ(ErrorCode([&] { m_rows.GetString("NoSuchField"); }), CCatalogueError::FieldNotFound);
    EXPECT_EQ(ErrorCode([&] { m_rows.GetFieldValue(11); }), CCatalogueError::FieldNotFound);
    // Reading or moving past the last row is a fault of the caller, not a neutral value.
    m_rows.MoveLast();
    m_rows.MoveNext();
    EXPECT_EQ(ErrorCode([&] { m_rows.GetString(0); }), CCatalogueError::NoCurrentRecord);
    EXPECT_EQ(ErrorCode([&] { m_rows.MoveNext(); }), CCatalogueError::NoCurrentRecord);

    // No row: both marks at once, and moving to either end is harmless.
    OpenSeries("PA");
    m_query.SetParamValue("[parSeries]", "none");
    m_rows.Open(m_query);
    EXPECT_TRUE(m_rows.IsBOF());
    EXPECT_TRUE(m_rows.IsEOF());
    EXPECT_EQ(m_rows.GetRecordCount(), 0);
    EXPECT_EQ(m_rows.GetFieldCount(), 11); // known without a row
    m_rows.MoveFirst();
    m_rows.MoveLast();
    EXPECT_TRUE(m_rows.IsEOF());

    m_rows.Close();
    EXPECT_FALSE(m_rows.IsOpen());
    EXPECT_EQ(m_rows.GetFieldCount(), 0);
}

TEST_F(CRecordsetTest, OpenTableOnlyOpensExistingTables)
{
    m_rows.OpenTable("messages");
    EXPECT_EQ(m_rows.GetRecordCount(), 2);
    EXPECT_EQ(m_rows.GetFieldName(2), "WarningText");
    EXPECT_EQ(m_rows.GetInt("MsgId"), 7);

    for (const char* pszName : {"NoSuchTable", "Models; DROP TABLE Models", "Models\" --"})
    {
        EXPECT_EQ(ErrorCode([&] { m_rows.OpenTable(pszName); }), CCatalogueError::TableNotFound) << pszName;
        EXPECT_FALSE(m_rows.IsOpen());
    }
}

TEST(CRecordsetValues, ValueThatBreaksItsColumnTypeIsACatalogueError)
{
    CTempFolder folder;
    WriteDatabase(folder.Path() / "AccUS.db",
                  "CREATE TABLE QueryDefs(Name TEXT PRIMARY KEY, Sql TEXT);"
                  "CREATE TABLE Small(Bore SMALLINT); INSERT INTO Small VALUES(1), (40000);"
                  "CREATE TABLE Word(Count INTEGER); INSERT INTO Word VALUES('many');"
                  "CREATE TABLE Big(X INTEGER); INSERT INTO Big VALUES(3000000000);"
                  "CREATE TABLE Frac(Bore SMALLINT); INSERT INTO Frac VALUES(2.5);"
                  "CREATE TABLE Day(D DATETIME); INSERT INTO Day VALUES('2023-02-30');"
                  "CREATE TABLE Leap(D DATETIME); INSERT INTO Leap VALUES('2023-02-29');"
                  "CREATE TABLE Bytes(Remark TEXT); INSERT INTO Bytes VALUES(x'41');");
    IDatabase db;
    ASSERT_TRUE(db.Open(folder.Path(), "Acc", "US"));
    IRecordset rows(db);
    for (const char* pszTable : {"Small", "Word", "Big", "Frac", "Day", "Leap", "Bytes"})
    {
        EXPECT_EQ(ErrorCode([&] { rows.OpenTable(pszTable); }), CCatalogueError::TypeMismatch) << pszTable;
        EXPECT_TRUE(!rows.IsOpen() && rows.IsBOF()) << pszTable; // no half result, not even its first rows
    }
}
