// Every command on a damaged catalogue: the data-access message and exit 1, never an abort.
#include "CatalogueCopy.h"
#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

namespace fs = std::filesystem;

namespace
{
const std::string kSizeArgs =
    "size aux-power --volume 150CU_IN --actuation 5sec --dwell 20sec --max 3000psi --min 2000psi";
const std::string kKnownCapacity =
    R"({"deSelectApp":0,"sdRequiredAccumulatorVol":{"value":300,"unit":"CU_IN"},"sdMaxSysPress":{"value":3000,"unit":"PSIG"}})";

// A catalogue error ends the command with the data-access message and status 1.
void ExpectDataAccessFailure(const SCliRun& run, const std::string& strWhat)
{
    EXPECT_EQ(run.nStatus, 1) << strWhat << "\n" << run.strErr;
    EXPECT_EQ(run.strErr.rfind("DAO error ", 0), 0u) << strWhat << "\n" << run.strErr;
    EXPECT_FALSE(Contains(run.strErr, "terminate called")) << strWhat;
}
} // namespace

TEST(DamagedCatalogue, EveryCommandEndsWithTheDataAccessMessage)
{
    // Each damage, with the commands it stops: a sizing, a save, a model search, a refused tool entry.
    const struct
    {
        const char* pszSql;
        bool bSize, bSave, bModels, bTool;
    } kDamages[] = {
        {"DELETE FROM QueryDefs WHERE Name = 'qMaxPressure'", true, true, true, false},
        {"DELETE FROM QueryDefs WHERE Name = 'qSealInitialization'", true, true, true, false},
        {"DELETE FROM QueryDefs WHERE Name = 'qProduct'", false, true, false, false},
        {"DROP TABLE Models", true, true, true, false},
        {"DROP TABLE Units", true, true, true, false},
        {"DROP TABLE Messages", false, false, true, true},
        {"UPDATE QueryDefs SET Sql = 'SELEC Msg' WHERE Name = 'qMsgStr'", false, false, true, true},
        {"UPDATE QueryDefs SET Sql = '' WHERE Name = 'qMsgStr'", false, false, true, true},
        {"UPDATE QueryDefs SET Sql = 'SELECT 1 AS Other' WHERE Name = 'qMaxCapacity'", true, true, true, false},
    };
    for (const auto& damage : kDamages)
    {
        const fs::path copy = CopyOfCatalogue("AccUS.db");
        Exec(copy, damage.pszSql);
        const std::string strCatalogue = " --catalogue '" + copy.parent_path().string() + "'";
        const fs::path saved = copy.parent_path() / "damaged.Ac3";
        const SCliRun runs[] = {
            RunCli(kSizeArgs + strCatalogue),
            RunCli(kSizeArgs + strCatalogue + " --save '" + saved.string() + "'"),
            RunCli("models --input -" + strCatalogue, kKnownCapacity),
            // A refused entry looks up its message.
            RunCli("tool output-existing --max 6000psi --min 2000psi --time 5sec --volume 1GAL --temp 70DEG_F" +
                   strCatalogue),
        };
        const bool bStops[] = {damage.bSize, damage.bSave, damage.bModels, damage.bTool};
        for (int i = 0; i < 4; ++i)
        {
            const std::string strWhat = std::string(damage.pszSql) + ", command " + std::to_string(i);
            if (bStops[i])
                ExpectDataAccessFailure(runs[i], strWhat);
            else
                EXPECT_NE(runs[i].nStatus, 1) << strWhat << "\n" << runs[i].strErr;
        }
        EXPECT_EQ(fs::exists(saved), !damage.bSave) << damage.pszSql;
        fs::remove_all(copy.parent_path());
    }
}

TEST(DamagedCatalogue, AZeroedPageIsAFailureNotACrash)
{
    const fs::path copy = CopyOfCatalogue("AccUS.db");
    {
        // The first page of the model data (page 13 of 4 KiB in the built file): every sizing reads it.
        std::fstream file(copy, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(12 * 4096);
        const std::string zeros(4096, '\0');
        file.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
    }
    ExpectDataAccessFailure(RunCli(kSizeArgs + " --catalogue '" + copy.parent_path().string() + "'"), "zeroed page");
    fs::remove_all(copy.parent_path());
}

TEST(DamagedCatalogue, BatchReportsEveryLineAndFails)
{
    const fs::path copy = CopyOfCatalogue("AccUS.db");
    Exec(copy, "DELETE FROM QueryDefs WHERE Name = 'qMaxPressure'");
    const SCliRun run = RunCli("batch --jobs 2 --catalogue '" + copy.parent_path().string() + "'",
                               kKnownCapacity + "\n" + kKnownCapacity + "\n");
    EXPECT_EQ(run.nStatus, 1) << run.strErr;
    std::istringstream lines(run.strOut);
    int nLines = 0;
    for (std::string strLine; std::getline(lines, strLine); ++nLines)
        EXPECT_TRUE(Contains(nlohmann::json::parse(strLine)["error"].get<std::string>(),
                        "DAO error 1001, SOURCE = " + copy.string() + ", DESCR = The catalogue has no query 'qMaxPressure'."))
            << strLine;
    EXPECT_EQ(nLines, 2);
    fs::remove_all(copy.parent_path());
}

TEST(DamagedCatalogue, TextsThatAreNotUtf8AreReadAsWindows1252AndReported)
{
    const fs::path copy = CopyOfCatalogue("AccUS.db");
    // 0xE9 is "e acute" in Windows-1252 and never valid UTF-8 on its own.
    Exec(copy, "UPDATE Messages SET MsgText = CAST(X'4D6178696D756D20E9' AS TEXT) "
               "WHERE MsgKey = 'Your Maximum pressure must be larger than 0'");
    const std::string strCatalogue = " --catalogue '" + copy.parent_path().string() + "'";
    const SCliRun refused =
        RunCli("size --json --input -" + strCatalogue, R"({"deSelectApp":0,"sdRequiredAccumulatorVol":{"value":300,"unit":"CU_IN"}})");
    EXPECT_EQ(refused.nStatus, 2) << refused.strErr;
    EXPECT_EQ(nlohmann::json::parse(refused.strOut)["error"].get<std::string>().substr(0, 10), "Maximum \u00E9");

    const SCliRun check = RunCli("catalogue check '" + copy.string() + "'");
    EXPECT_EQ(check.nStatus, 2);
    EXPECT_TRUE(Contains(check.strOut, "problem: Messages.MsgText in row ")) << check.strOut;
    EXPECT_TRUE(Contains(check.strOut, ": the text is not UTF-8 (read as Windows-1252)")) << check.strOut;
    fs::remove_all(copy.parent_path());
}

TEST(DamagedCatalogue, CheckReportsWhatItLacksUnusableLimitsAndScansEveryTable)
{
    const fs::path copy = CopyOfCatalogue("AccUS.db");
    Exec(copy, "DELETE FROM QueryDefs WHERE Name = 'qMsgInt';"
               "UPDATE Models SET PressUnits = 'PSIX' WHERE SeriesCode = 'BA';"
               "DELETE FROM Messages WHERE MsgKey = 'Precharge Too High';"
               "UPDATE QueryDefs SET Sql = 'SELECT ProdType, Description, Image FROM Products' WHERE Name = 'qProduct';"
               "UPDATE QueryDefs SET Sql = 'SELECT -1.0 AS MaxCapacity' WHERE Name = 'qMaxCapacity';"
               "UPDATE QueryDefs SET Sql = 'SELECT 1e300 AS MaxPressure' WHERE Name = 'qMaxPressure';"
               "UPDATE QueryDefs SET Sql = 'SELECT 1.0 AS MaxTemp WHERE 0' WHERE Name = 'qMaxTemperature';"
               // One value that does not fit its column, in a table scanned before another damaged one.
               "UPDATE Bores SET BoreIn = 'wide' WHERE rowid = 1;"
               "UPDATE PressureClasses SET PressUnits = 'PSI' WHERE rowid = 1;");
    const SCliRun check = RunCli("catalogue check '" + copy.string() + "'");
    EXPECT_EQ(check.nStatus, 2);
    for (const char* pszExpected :
         {"problem: qMsgInt:", "unknown unit code \"PSIX\"", "\"Precharge Too High\"", "qProduct: has no field ProdId",
          "problem: qMaxCapacity: MaxCapacity -1 m\u00B3 lies outside (0, 10] m\u00B3",
          "problem: qMaxPressure: MaxPressure 1e+300 Pa lies outside (101325, 2e+08] Pa",
          "problem: qMaxTemperature: no row, so every sizing is refused",
          "problem: Bores: Field 'BoreIn' of row 1 of 'Bores' holds a value that does not fit its type DOUBLE.",
          "problem: PressureClasses.PressUnits: unknown unit code \"PSI\""})
        EXPECT_TRUE(Contains(check.strOut, pszExpected)) << pszExpected << "\n" << check.strOut;
    fs::remove_all(copy.parent_path());
}
