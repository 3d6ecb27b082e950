// Running a stored query the way the selection dialogs do, on a generated catalogue.
#include "catalogue/Catalogue.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>

namespace
{
// A catalogue of 400 models and their messages, written once per run into the temporary folder.
class CBenchCatalogue
{
public:
    CBenchCatalogue() : m_folder(std::filesystem::temp_directory_path() / "tesmara-catalogue-bench")
    {
        std::filesystem::create_directories(m_folder);
        const auto file = m_folder / CatalogueFileName("US");
        std::filesystem::remove(file);
        sqlite3* pDb = nullptr;
        sqlite3_open(file.string().c_str(), &pDb);
        sqlite3_exec(
            pDb,
            "CREATE TABLE QueryDefs(Name TEXT PRIMARY KEY, Sql TEXT);"
            "CREATE TABLE Models(Series TEXT, Bore SMALLINT, Capacity DOUBLE, Pressure DOUBLE, Code TEXT);"
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 399) "
            "INSERT INTO Models SELECT 'P' || (i % 4), 50 + i % 8 * 25, 0.0005 * (i + 1), 2.0e7 + i * 1.0e5, "
            "'C' || i FROM n;"
            "CREATE TABLE Messages(MsgKey TEXT PRIMARY KEY, WarningText TEXT);"
            "INSERT INTO Messages VALUES('AboveMaxTempMessage', 'Too hot');"
            "INSERT INTO QueryDefs VALUES('qModelPiston', 'SELECT * FROM Models WHERE Series = :parSeries "
            "AND Capacity >= :parVolume AND Pressure >= :parPressure ORDER BY Capacity'),"
            "('qMsgStr', 'SELECT WarningText FROM Messages WHERE MsgKey = :parMsgId');",
            nullptr, nullptr, nullptr);
        sqlite3_close(pDb);
        m_db.Open(m_folder, kCatalogueBaseName, "US");
    }
    ~CBenchCatalogue()
    {
        m_db.Close();
        std::error_code error;
        std::filesystem::remove_all(m_folder, error);
    }

    IDatabase& Db() { return m_db; }

private:
    std::filesystem::path m_folder;
    IDatabase m_db;
};

CBenchCatalogue& Catalogue()
{
    static CBenchCatalogue catalogue;
    return catalogue;
}

void BM_ModelQuery(benchmark::State& state)
{
    IDatabase& db = Catalogue().Db();
    for (auto _ : state)
    {
        IQueryDef query(db);
        query.Open("qModelPiston");
        query.SetParamValue("[parSeries]", "P1");
        query.SetParamValue("[parVolume]", 0.01);
        query.SetParamValue("[parPressure]", 2.5e7);
        IRecordset rows(db);
        rows.Open(query);
        double dSum = 0.0;
        for (; !rows.IsEOF(); rows.MoveNext())
            dSum += rows.GetDouble("Capacity") + rows.GetInt("Bore") + rows.GetString("Code").size();
        benchmark::DoNotOptimize(dSum);
    }
}
BENCHMARK(BM_ModelQuery)->Unit(benchmark::kMicrosecond);

void BM_MessageLookup(benchmark::State& state)
{
    CIMsgStoredProc messages(Catalogue().Db());
    for (auto _ : state)
        benchmark::DoNotOptimize(messages.GetMessage("AboveMaxTempMessage"));
}
BENCHMARK(BM_MessageLookup)->Unit(benchmark::kMicrosecond);
} // namespace
