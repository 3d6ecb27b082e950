// The help and the reference documents as the build made them, read back independently: every
// document the catalogue names exists, a data sheet's numbers are the catalogue's (through
// pdftotext), the limits the help states are the catalogue's, and every worked example is what
// the program computes.
#include "CliRunner.h"
#include "Example.h"
#include "ReadBack.h"
#include "units/UnitDouble.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
const fs::path kApp = TESMARA_BUILT_APP_DIR;
const fs::path kReference = kApp / "reference" / "US";

// Rows of plain SQL on the built catalogue, each as its column texts: not the program's queries.
std::vector<std::vector<std::string>> Sql(const std::string& strSql)
{
    sqlite3* pDb = nullptr;
    std::vector<std::vector<std::string>> rows;
    const std::string strFile = std::string(TESMARA_BUILT_CATALOGUE_DIR) + "/AccUS.db";
    if (sqlite3_open_v2(strFile.c_str(), &pDb, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        return rows;
    sqlite3_stmt* pStatement = nullptr;
    sqlite3_prepare_v2(pDb, strSql.c_str(), -1, &pStatement, nullptr);
    while (pStatement && sqlite3_step(pStatement) == SQLITE_ROW)
    {
        rows.emplace_back();
        for (int n = 0; n < sqlite3_column_count(pStatement); ++n)
        {
            const unsigned char* pszText = sqlite3_column_text(pStatement, n);
            rows.back().push_back(pszText ? reinterpret_cast<const char*>(pszText) : "");
        }
    }
    sqlite3_finalize(pStatement);
    sqlite3_close(pDb);
    return rows;
}

std::string PdfText(const fs::path& file)
{
    return CommandOutput("pdftotext -layout '" + file.string() + "' - 2>&1");
}

// The line of a text that holds every part, or empty text.
std::string LineWith(const std::string& strText, const std::vector<std::string>& parts)
{
    std::istringstream lines(strText);
    for (std::string strLine; std::getline(lines, strLine);)
    {
        bool bAll = true;
        for (const std::string& strPart : parts)
            bAll = bAll && (" " + strLine + " ").find(" " + strPart + " ") != std::string::npos;
        if (bAll)
            return strLine;
    }
    return std::string();
}
} // namespace

TEST(HelpDocuments, EveryDocumentTheCatalogueNamesIsBuilt)
{
    // A category's file opens as named; a topic's upper-cased, ".PDF" added when it has none.
    const auto rows = Sql("SELECT FileName FROM RefHelpNames UNION SELECT upper(RefJump) || "
                          "CASE WHEN instr(upper(RefJump), '.PDF') > 0 THEN '' ELSE '.PDF' END FROM RefJumps");
    ASSERT_GE(rows.size(), 30u);
    for (const auto& row : rows)
    {
        std::ifstream file(kReference / row[0], std::ios::binary);
        char szMagic[5] = {};
        file.read(szMagic, 4);
        EXPECT_EQ(std::string(szMagic), "%PDF") << row[0] << " is missing";
    }
}

TEST(HelpDocuments, DataSheetsShowTheCatalogueBodies)
{
    // Each body's number, capacity and weight on one line of its series' sheet, numbers as %g.
    struct SSheet
    {
        const char* pszFile;
        const char* pszSql;
    } const kSheets[] = {
        {"PA_SERIES.PDF", "SELECT SeriesCode || PressureCode || DesignNumber || BoreCode || CapCode, printf('%g', Capacity),"
                          " printf('%g', Weight) FROM Models WHERE SeriesCode = 'PA'"},
        {"DA_SERIES.PDF", "SELECT SeriesCode || PressureCode || DesignNumber || CapCode, printf('%g', Capacity),"
                          " printf('%g', Weight) FROM Models WHERE SeriesCode = 'DA'"},
        {"OV_SERIES.PDF", "SELECT SizeCode, printf('%g', CapDisplay), printf('%g', Weight) FROM OvrisolSizes"},
        {"TB_SERIES.PDF", "SELECT SeriesCode || PressureCode || CapCode || ServiceCode, printf('%g', Cap),"
                          " printf('%g', Weight) FROM TransferBarriers"},
    };
    for (const SSheet& sheet : kSheets)
    {
        const std::string strText = PdfText(kReference / sheet.pszFile);
        const auto rows = Sql(sheet.pszSql);
        ASSERT_FALSE(rows.empty()) << sheet.pszFile;
        for (const auto& row : rows)
            EXPECT_FALSE(LineWith(strText, row).empty())
                << sheet.pszFile << ": no line with " << row[0] << ", " << row[1] << " and " << row[2];
    }
}

TEST(HelpDocuments, TopicsStateTheLimitsTheChecksApply)
{
    const std::string strText = FileText(kApp / "help" / "US" / "text" / "describe-application.txt");
    // The highest rating of the catalogue's bodies, in psig, by the catalogue's own unit table.
    const auto rows = Sql("SELECT printf('%.0f', MAX(m.PressureRating * u.Factor + u.Offset - 101314.224) / 6894.757)"
                          " FROM Models m JOIN Units u ON u.Code = m.PressUnits");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_FALSE(LineWith(strText, {"Highest", "maximum", "pressure", rows[0][0], "psi"}).empty()) << strText;
    EXPECT_FALSE(LineWith(strText, {"86400", "sec", "(24", "hr)"}).empty()) << strText;
}

TEST(HelpDocuments, EveryDialogWithAReferenceButtonHasAHelpTopic)
{
    std::string strTopics = FileText(kApp / "help" / "US" / "text" / "topics.txt");
    std::replace(strTopics.begin(), strTopics.end(), '\t', ' ');
    for (const auto& row : Sql("SELECT DISTINCT Dialog FROM RefJumps WHERE Dialog <> 'ALL' AND Dialog NOT LIKE 'CDpns%'"))
        EXPECT_NE(strTopics.find(" " + row[0]), std::string::npos) << row[0] << " has no help topic";
}

TEST(HelpDocuments, WorkedExamplesAreWhatTheProgramComputes)
{
    int nExamples = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(TESMARA_HELP_SOURCE_DIR) / "US"))
        for (const helpbuild::SExample& example : helpbuild::FindExamples(FileText(entry.path())))
        {
            ++nExamples;
            std::string strArgs;
            for (const std::string& strWord : example.command)
                strArgs += " '" + strWord + "'";
            if (strArgs.find("--json") == std::string::npos)
                strArgs += " --json";
            const SCliRun run = RunCli(strArgs, example.strInput);
            ASSERT_EQ(run.nStatus, 0) << entry.path() << strArgs << "\n" << run.strErr;
            const nlohmann::json out = nlohmann::json::parse(run.strOut);
            for (const helpbuild::SStatedResult& stated : example.results)
            {
                const nlohmann::json& field =
                    out.contains(stated.strName) ? out[stated.strName] : out["application"][stated.strName];
                ASSERT_FALSE(field.is_null()) << entry.path() << ": no result " << stated.strName;
                const double dValue = field.is_object() ? field["value"].get<double>() : field.get<double>();
                const double dActual = stated.strUnit.empty()
                                           ? dValue
                                           : CUnitDouble(dValue, field["unit"].get<std::string>()).GetValue(stated.strUnit);
                // As precise as the text claims: its decimals.
                const std::size_t nPoint = stated.strNumber.find('.');
                const int nDecimals =
                    nPoint == std::string::npos ? 0 : static_cast<int>(stated.strNumber.size() - nPoint - 1);
                EXPECT_NEAR(dActual, std::stod(stated.strNumber), 0.5 * std::pow(10.0, -nDecimals) + 1e-9)
                    << entry.path().filename() << ": " << stated.strName;
            }
        }
    EXPECT_GE(nExamples, 9);
}
