// Opening the catalogue file, stored queries and the binding of their parameters.
#include "CatalogueFixture.h"
#include "RecordingPrompt.h"

#include <fstream>

TEST(CDatabaseOpen, BadFilesGiveOneMessageAndLeaveTheCatalogueClosed)
{
    CTempFolder folder;
    const auto dir = [&](const char* pszName) { return folder.Path() / pszName; };
    WriteDatabase(dir("good") / "AccUS.db", kCatalogueSql);
    // Bulky enough to span many pages, then cut in half.
    const auto truncated = dir("truncated") / "AccUS.db";
    WriteDatabase(truncated, std::string(kCatalogueSql) +
                                 "CREATE TABLE Filler(B); INSERT INTO Filler VALUES(zeroblob(200000));");
    std::filesystem::resize_file(truncated, std::filesystem::file_size(truncated) / 2);
    WriteDatabase(dir("plain") / "AccUS.db", "CREATE TABLE Models(Series TEXT);");
    WriteDatabase(dir("columns") / "AccUS.db", "CREATE TABLE QueryDefs(Name TEXT);");
    std::filesystem::create_directories(dir("text"));
    std::ofstream(dir("text") / "AccUS.db") << std::string(3000, 'x') << "\nnot a catalogue at all\n";
    std::filesystem::create_directories(dir("empty"));
    std::ofstream(dir("empty") / "AccUS.db").flush();

    const std::pair<const char*, const char*> kCases[] = {
        {"missing", "does not exist"},      {"truncated", "damaged or truncated"},
        {"text", "not an SQLite database"}, {"plain", "not a catalogue"},
        {"columns", "not a catalogue"},     {"empty", "empty"},
    };
    IDatabase db;
    for (const auto& [pszFolder, pszDescription] : kCases)
    {
        CPromptCapture prompt;
        EXPECT_FALSE(db.Open(dir(pszFolder), "Acc", "US")) << pszFolder;
        EXPECT_FALSE(db.IsOpen());
        EXPECT_TRUE(db.Path().empty());
        ASSERT_EQ(prompt->Texts().size(), 1u) << pszFolder;
        const std::string& strText = prompt->Texts()[0];
        EXPECT_EQ(strText.rfind("DAO error ", 0), 0u) << strText;
        EXPECT_NE(strText.find(", SOURCE = " + PathText(dir(pszFolder) / "AccUS.db") + ", DESCR = "),
                  std::string::npos)
            << strText;
        EXPECT_NE(strText.find(pszDescription), std::string::npos) << strText;
        // Queries on the closed catalogue fail loudly, not with an empty result.
        IQueryDef query(db);
        EXPECT_EQ(ErrorCode([&] { query.Open("qAllModels"); }), CCatalogueError::NotOpen);
    }

    // The same object opens a good file afterwards, silently; the folder's trailing separator
    // gets no second one.
    CPromptCapture prompt;
    ASSERT_TRUE(db.Open(dir("good").string() + "/", "Acc", "US"));
    EXPECT_EQ(db.Path(), dir("good") / "AccUS.db");
    EXPECT_EQ(db.LanguageCode(), "US");
    EXPECT_TRUE(prompt->Texts().empty());
    EXPECT_EQ(CatalogueFileName("DE"), "AccDE.db");

    // A language code must not lead out of the folder.
    EXPECT_FALSE(db.Open(dir("good") / "sub", "Acc", "/../AccUS"));
    EXPECT_EQ(prompt->Texts().size(), 1u);
}

TEST_F(CCatalogueTest, MissingAndFaultyQueriesThrowNamingThem)
{
    IQueryDef query(m_db);
    std::string strText;
    EXPECT_EQ(ErrorCode([&] { query.Open("qNoSuchQuery"); }, &strText), CCatalogueError::QueryNotFound);
    EXPECT_NE(strText.find("qNoSuchQuery"), std::string::npos) << strText;
    EXPECT_EQ(ErrorCode([&] { query.Open("qBroken"); }, &strText), SQLITE_ERROR);
    EXPECT_NE(strText.find("no such table: NoSuchTable"), std::string::npos) << strText;
    // SQLite would run the first statement and ignore the rest.
    EXPECT_EQ(ErrorCode([&] { query.Open("qTwo"); }), CCatalogueError::BadQuery);
    // "?" cannot be set by name, so the query could never be run properly.
    EXPECT_EQ(ErrorCode([&] { query.Open("qAnonymous"); }), CCatalogueError::BadQuery);
    EXPECT_FALSE(query.IsOpen());

    query.Open("QMODELS"); // names are matched without regard to case
    EXPECT_EQ(query.Name(), "qModels");
}

TEST_F(CCatalogueTest, ParametersMustMatchAndAllBeSet)
{
    IQueryDef query(m_db);
    query.Open("qModels");
    std::string strText;
    EXPECT_EQ(ErrorCode([&] { query.SetParamValue("[parSerie]", "PA"); }, &strText),
              CCatalogueError::ParameterNotFound);
    EXPECT_NE(strText.find("[parSerie]"), std::string::npos) << strText;

    IRecordset rows(m_db);
    EXPECT_EQ(ErrorCode([&] { rows.Open(query); }, &strText), CCatalogueError::ParameterNotSet);
    EXPECT_NE(strText.find("[parSeries]"), std::string::npos) << strText;
    EXPECT_FALSE(rows.IsOpen());

    // Case does not matter, and the same query runs again with other values.
    query.SetParamValue("[PARSERIES]", "PB");
    rows.Open(query);
    EXPECT_EQ(rows.GetInt("Bore"), 4);
    query.SetParamValue("[parSeries]", std::string("PA"));
    rows.Open(query);
    EXPECT_EQ(rows.GetInt("Bore"), -3);

    // One name set once binds ":parMin" and ":PARMIN" alike.
    IQueryDef capacity(m_db);
    capacity.Open("qCapacity");
    capacity.SetParamValue("[parmin]", 1.0);
    rows.Open(capacity);
    EXPECT_EQ(rows.GetRecordCount(), 1);
    EXPECT_EQ(rows.GetString(0), "PB");

    // Reopening a query forgets its values.
    query.Open("qModels");
    EXPECT_EQ(ErrorCode([&] { rows.Open(query); }), CCatalogueError::ParameterNotSet);
}

TEST_F(CCatalogueTest, ValuesAreBoundWithTheirTypes)
{
    IQueryDef query(m_db);
    query.Open("qTypeOf");
    IRecordset rows(m_db);
    const std::pair<CDbValue, const char*> kCases[] = {
        {CDbValue(), "null"},
        {true, "integer"},
        {std::int16_t{2}, "integer"},
        {70000, "integer"},
        {2.0e7, "real"},
        {2.5f, "real"},
        {"PA", "text"},
        // An empty blob is still a blob, not a null.
        {CDbValue::Bytes{}, "blob"},
    };
    for (const auto& [value, pszType] : kCases)
    {
        query.SetParamValue("[parV]", value);
        rows.Open(query);
        EXPECT_EQ(rows.GetString("T"), pszType);
    }
}

TEST_F(CCatalogueTest, QueriesOfAClosedCatalogueFailInsteadOfUsingFreedStatements)
{
    IQueryDef query(m_db);
    query.Open("qModels");
    query.SetParamValue("[parSeries]", "PA");
    m_db.Close();
    IRecordset rows(m_db);
    EXPECT_EQ(ErrorCode([&] { rows.Open(query); }), CCatalogueError::NotOpen);
    EXPECT_EQ(ErrorCode([&] { query.SetParamValue("[parSeries]", "PA"); }), CCatalogueError::NotOpen);

    // Reopened, the old query still refuses; a new one runs.
    ASSERT_TRUE(m_db.Open(m_folder.Path(), "Acc", "US"));
    EXPECT_EQ(ErrorCode([&] { rows.Open(query); }), CCatalogueError::NotOpen);
    query.Open("qModels");
    query.SetParamValue("[parSeries]", "PA");
    rows.Open(query);
    EXPECT_EQ(rows.GetRecordCount(), 1);
}
