// libFuzzer target: a damaged catalogue. Each input damages a copy of the built catalogue,
// either as SQL (a table, row or value changed, dropped or replaced) or as raw bytes of the
// file, and the program then opens it, checks it and sizes on it.
#include "CliSession.h"
#include "FuzzSupport.h"
#include "SizeRunner.h"
#include "catalogue/CatalogueCheck.h"
#include "catalogue/CatalogueContract.h"
#include "catalogue/CatalogueError.h"
#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"

#include <sqlite3.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace
{
const char* const kFileName = "AccUS.db";

fs::path BuiltFolder()
{
    const char* pszFolder = std::getenv("TESMARA_CATALOGUE_DIR");
    return pszFolder ? pszFolder : TESMARA_BUILT_CATALOGUE_DIR;
}

struct STable
{
    std::string strName;
    std::vector<std::string> columns;
};

// The pristine catalogue: its bytes and its tables with their columns.
struct SPristine
{
    std::vector<char> bytes;
    std::vector<STable> tables;
};

const SPristine& Pristine()
{
    static const SPristine pristine = [] {
        SPristine p;
        std::ifstream in(BuiltFolder() / kFileName, std::ios::binary);
        p.bytes.assign(std::istreambuf_iterator<char>(in), {});
        if (p.bytes.empty())
            throw std::runtime_error("the fuzzer needs the built catalogue");
        sqlite3* pDb = nullptr;
        sqlite3_open_v2((BuiltFolder() / kFileName).c_str(), &pDb, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* pTables = nullptr;
        sqlite3_prepare_v2(pDb, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", -1, &pTables,
                           nullptr);
        while (sqlite3_step(pTables) == SQLITE_ROW)
            p.tables.push_back({reinterpret_cast<const char*>(sqlite3_column_text(pTables, 0)), {}});
        sqlite3_finalize(pTables);
        for (STable& table : p.tables)
        {
            sqlite3_stmt* pColumns = nullptr;
            sqlite3_prepare_v2(pDb, ("PRAGMA table_info(\"" + table.strName + "\")").c_str(), -1, &pColumns, nullptr);
            while (sqlite3_step(pColumns) == SQLITE_ROW)
                table.columns.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(pColumns, 1)));
            sqlite3_finalize(pColumns);
        }
        sqlite3_close(pDb);
        return p;
    }();
    return pristine;
}

// A folder of this process for the damaged copy, removed when the fuzzer ends.
const fs::path& WorkFolder()
{
    struct SFolder
    {
        fs::path path = fs::temp_directory_path() / ("tesmara_catalogue_fuzz_" + std::to_string(::getpid()));
        SFolder() { fs::create_directories(path); }
        ~SFolder()
        {
            std::error_code ec;
            fs::remove_all(path, ec);
        }
    };
    static const SFolder folder;
    return folder.path;
}

// Reads the input as a sequence of small numbers.
class CInput
{
public:
    CInput(const std::uint8_t* pData, std::size_t nSize) : m_pData(pData), m_nSize(nSize) {}
    bool More() const { return m_nPos < m_nSize; }
    unsigned Byte() { return m_nPos < m_nSize ? m_pData[m_nPos++] : 0; }
    unsigned Pick(std::size_t nCount) { return nCount == 0 ? 0 : (Byte() << 8 | Byte()) % nCount; }

private:
    const std::uint8_t* m_pData;
    std::size_t m_nSize;
    std::size_t m_nPos = 0;
};

// Values that a catalogue should not hold but a damaged or hand-edited one may.
const char* const kValues[] = {"NULL", "''", "0", "-1", "1e300", "-1e300", "'x'", "X'FF80C0'", "'9999999999999'",
                               "X''", "'\xC3'", "2147483648", "0.5"};

std::string Quoted(const std::string& strName)
{
    return "\"" + strName + "\"";
}

// One damage in SQL, chosen by the input.
std::string DamageSql(CInput& in)
{
    const auto& tables = Pristine().tables;
    const STable& table = tables[in.Pick(tables.size())];
    const std::string strColumn = table.columns.empty() ? "rowid" : table.columns[in.Pick(table.columns.size())];
    const std::string strWhere = " WHERE rowid % " + std::to_string(1 + in.Byte() % 8) + " = 0";
    switch (in.Byte() % 5)
    {
    case 0:
        return "DROP TABLE " + Quoted(table.strName);
    case 1:
        return "DELETE FROM " + Quoted(table.strName) + strWhere;
    case 2:
        return "DELETE FROM " + Quoted(table.strName);
    default:
        return "UPDATE " + Quoted(table.strName) + " SET " + Quoted(strColumn) + " = " +
               kValues[in.Pick(std::size(kValues))] + strWhere;
    }
}

// Writes the damaged copy: SQL damage on an in-memory copy, then raw byte damage on its file.
bool WriteDamagedCopy(CInput& in)
{
    const SPristine& pristine = Pristine();
    sqlite3* pDb = nullptr;
    sqlite3_open(":memory:", &pDb);
    auto* pCopy = static_cast<unsigned char*>(sqlite3_malloc64(pristine.bytes.size()));
    std::memcpy(pCopy, pristine.bytes.data(), pristine.bytes.size());
    sqlite3_deserialize(pDb, "main", pCopy, pristine.bytes.size(), pristine.bytes.size(),
                        SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
    const unsigned nSqlDamages = in.Byte() % 4;
    for (unsigned n = 0; n < nSqlDamages && in.More(); ++n)
        sqlite3_exec(pDb, DamageSql(in).c_str(), nullptr, nullptr, nullptr);
    sqlite3_int64 nSize = 0;
    unsigned char* pBytes = sqlite3_serialize(pDb, "main", &nSize, 0);
    std::vector<char> bytes(pBytes, pBytes + nSize);
    sqlite3_free(pBytes);
    sqlite3_close(pDb);
    if (bytes.empty())
        return false;
    // The rest of the input: bytes of the file overwritten, three bytes of place and one of value.
    while (in.More())
    {
        const std::size_t nAt = (in.Byte() << 16 | in.Byte() << 8 | in.Byte()) % bytes.size();
        bytes[nAt] = static_cast<char>(in.Byte());
    }
    std::ofstream(WorkFolder() / kFileName, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
    return true;
}

// A field read with the getter the program reads it with.
template <class TKey> void ReadAs(const IRecordset& rows, const TKey& key, EReadAs eReadAs)
{
    switch (eReadAs)
    {
    case EReadAs::Text:
        (void)rows.GetString(key);
        break;
    case EReadAs::Whole:
        (void)rows.GetInt(key);
        break;
    case EReadAs::Number:
        (void)rows.GetDouble(key);
        break;
    case EReadAs::Flag:
        (void)rows.GetBool(key);
        break;
    case EReadAs::Bytes:
        (void)rows.GetBlob(key);
        break;
    }
}

void ReadField(const IRecordset& rows, const SContractField& field)
{
    if (field.strName.empty())
        ReadAs(rows, 0, field.eReadAs);
    else
        ReadAs(rows, field.strName, field.eReadAs);
}

// Every stored query of the contract run and every field read, as the program does.
void RunContract(IDatabase& db)
{
    for (const SContractQuery& query : CatalogueContract())
    {
        try
        {
            IQueryDef def(db);
            def.Open(query.strName);
            for (const SContractParam& param : query.params)
                def.SetParamValue(param.strName, param.sample);
            IRecordset rows(db);
            rows.Open(def);
            for (int nRow = 0; !rows.IsEOF() && nRow < 50; rows.MoveNext(), ++nRow)
                for (const SContractField& field : query.fields)
                    ReadField(rows, field);
        }
        catch (const CCatalogueError&)
        {
            // The program's answer to a damaged catalogue: the data-access message.
        }
    }
}
} // namespace

// With TESMARA_FUZZ_SEEDS set to a folder, writes the seed corpus there and ends: one damage
// of each kind to each table, and one overwritten byte.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const std::size_t nTables = Pristine().tables.size();
    WriteSeedsIfAsked([nTables](const fs::path& folder) {
        for (std::size_t t = 0; t < nTables; ++t)
            for (unsigned char nKind = 0; nKind < 5; ++nKind)
            {
                const unsigned char seed[] = {1, static_cast<unsigned char>(t >> 8), static_cast<unsigned char>(t),
                                              0, static_cast<unsigned char>(t), 1, nKind, 0, nKind};
                WriteSeed(folder / ("t" + std::to_string(t) + "k" + std::to_string(nKind)), seed, sizeof seed);
            }
        const unsigned char bytes[] = {0, 0, 0x10, 0x00, 0xFF};
        WriteSeed(folder / "byte", bytes, sizeof bytes);
    });
    return 0;
}

// The contract: a damaged catalogue ends in the data-access message (CCatalogueError) or in
// results, never in another exception, a crash or a hang; and a catalogue that the check
// passes sizes every application without a catalogue error.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    KeepQuiet();
    CInput in(pData, nSize);
    if (!WriteDamagedCopy(in))
        return 0;
    CCliSession session;
    std::string strError;
    if (!session.Open(WorkFolder(), strError))
    {
        if (strError.empty())
            __builtin_trap();
        return 0;
    }
    const SCatalogueCheck check = CheckCatalogue(session.Catalogue());
    RunContract(session.Catalogue());

    const nlohmann::json input = nlohmann::json::parse(
        R"({"deSelectApp":3,"sdActVolDisplacement":{"value":150,"unit":"CU_IN"},"sdActuationTime":{"value":5,"unit":"SEC"},)"
        R"("sdDwellTime":{"value":20,"unit":"SEC"},"sdMaxSysPress":{"value":3000,"unit":"PSIG"},)"
        R"("sdMinSysPress":{"value":2000,"unit":"PSIG"}})");
    try
    {
        const SSizeRun run = SizeFromJson(session, input, false);
        (void)JsonText(JsonOut{{"outcome", OutcomeToJson(run.outcome)}, {"application", ApplicationToJson(run.data)}});
    }
    catch (const CCatalogueError&)
    {
        if (check.problems.empty())
            __builtin_trap(); // the check passed a catalogue that the program cannot size on
    }
    return 0;
}
