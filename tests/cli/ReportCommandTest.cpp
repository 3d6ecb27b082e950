// From a sized selection to a report on the command line: a model chosen by its row with a detail,
// what the report's flags change (paper, date, language) and every refusal with its exit status.
// What a report and the XML hold is pinned by the outputs' own tests.
#include "CliRunner.h"
#include "CompleteSelections.h"
#include "FullDisk.h"
#include "ReadBack.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <regex>

namespace fs = std::filesystem;
using nlohmann::json;

namespace
{
class CReportCommandTest : public ::testing::Test
{
protected:
    // Quoted for the shell (built piece by piece: GCC 12 misreads "'" + string temporaries).
    std::string Path(const std::string& strName) const
    {
        std::string strPath(1, '\'');
        strPath += (m_dir / strName).string();
        strPath += '\'';
        return strPath;
    }
    // The report's text as pdftotext lays it out, blanks made one, dated by SOURCE_DATE_EPOCH.
    std::string ReportText(const std::string& strArgs, const std::string& strPdf, const char* pszEpoch = "986479629")
    {
        const std::string strText = CommandOutput(std::string("SOURCE_DATE_EPOCH=") + pszEpoch + " '" TESMARA_BUILT_CLI
                                                  "' " + strArgs + " --pdf " + Path(strPdf) +
                                                  " >/dev/null && pdftotext -layout " + Path(strPdf) + " -");
        return std::regex_replace(strText, std::regex("[ \t]+"), " ");
    }

    // 500 in3 at 3000 psi, sized, then the 4 in piston of 2.5 gal chosen by its row with the seal -V.
    SCliRun Chosen(const std::string& strLanguage, const std::string& strDescription)
    {
        EXPECT_EQ(RunCli(strLanguage + "size known-capacity --capacity 500CU_IN --max 3000psi --save " + Path("k.Ac3"))
                      .nStatus,
                  0);
        const SCliRun listed = RunCli(strLanguage + "models --json --selection " + Path("k.Ac3"));
        EXPECT_EQ(listed.nStatus, 0) << listed.strErr;
        int nRow = 0;
        const json list = json::parse(listed.strOut);
        for (const json& model : list["models"])
            if (model["description"] == strDescription && model["capacityCode"] == "-2.5G")
                nRow = model["row"].get<int>();
        EXPECT_GT(nRow, 0) << listed.strOut;
        return RunCli(strLanguage + "models --selection " + Path("k.Ac3") + " --choose " + std::to_string(nRow) +
                      " --save " + Path("c.Ac3") + " --detail seal=-V");
    }

    CTempFolder m_dir{"tesmara-report-cli"};
};
} // namespace

TEST_F(CReportCommandTest, AChosenModelsReportOnItsPaperWithItsDate)
{
    const SCliRun chosen = Chosen("", "Piston, 3000 psi, 4 in Bore, 2.5 gal");
    ASSERT_EQ(chosen.nStatus, 0) << chosen.strErr;
    EXPECT_TRUE(Contains(chosen.strOut, "PA31-4-2.5G-VS (Piston, 3000 psi, 4 in Bore, 2.5 gal)")) << chosen.strOut;
    const json saved = json::parse(RunCli("show --json " + Path("c.Ac3")).strOut);
    EXPECT_EQ(saved["selection"]["m_nLevel"], 3);
    EXPECT_EQ(saved["header"]["selectionComplete"], true);

    const SCliRun report = RunCli("report " + Path("c.Ac3") + " --pdf " + Path("c.pdf") + " --paper letter");
    ASSERT_EQ(report.nStatus, 0) << report.strErr;
    EXPECT_EQ(report.strErr, "");
    EXPECT_TRUE(Contains(CommandOutput("pdfinfo " + Path("c.pdf")), "612 x 792 pts (letter)"));
    // 986479629 s after 1970 is 5 April 2001, 14:07:09 UTC.
    const std::string strText = ReportText("report " + Path("c.Ac3"), "dated.pdf");
    EXPECT_TRUE(Contains(strText, "Model Number: PA31-4-2.5G-VS")) << strText;
    EXPECT_TRUE(Contains(strText, "Date: April 5 2001 - 14:07:09")) << strText;

    const SCliRun xml = RunCli("show --xml " + Path("c.Ac3"));
    ASSERT_EQ(xml.nStatus, 0) << xml.strErr;
    EXPECT_TRUE(Contains(xml.strOut, "PA31-4-2.5G-VS</")) << xml.strOut;
}

// In German the list, the chosen model, the file and the report are German; the same file reported
// in English is read again in English by its codes.
TEST_F(CReportCommandTest, InGermanTheSameModelAndAGermanReport)
{
    const SCliRun chosen = Chosen("--language DE ", "Kolben, 3000 psi, Bohrung 4 in, 2,5 gal");
    ASSERT_EQ(chosen.nStatus, 0) << chosen.strErr;
    EXPECT_TRUE(Contains(chosen.strOut, "PA31-4-2.5G-VS (Kolben, 3000 psi, Bohrung 4 in, 2,5 gal)")) << chosen.strOut;
    EXPECT_EQ(json::parse(RunCli("show --json " + Path("c.Ac3")).strOut)["header"]["language"], "DE");

    // 984060429 s after 1970 is 8 March 2001, 14:07:09 UTC.
    const std::string strText = ReportText("--language DE report " + Path("c.Ac3"), "de.pdf", "984060429");
    for (const char* pszLine : {"Modellnummer: PA31-4-2.5G-VS", "Dichtungsklasse: Fluorkautschuk (FKM)",
                                "Datum: 8. März 2001 - 14:07:09"})
        EXPECT_TRUE(Contains(strText, pszLine)) << pszLine << " in\n" << strText;
    const std::string strEnglish = ReportText("report " + Path("c.Ac3"), "en.pdf");
    EXPECT_TRUE(Contains(strEnglish, "Seal Class: Fluorocarbon (FKM)")) << strEnglish;
    EXPECT_FALSE(Contains(strEnglish, "Kolben")) << strEnglish;
}

TEST_F(CReportCommandTest, RefusalsAndFailures)
{
    ASSERT_EQ(RunCli("size known-capacity --capacity 500CU_IN --max 3000psi --save " + Path("k.Ac3")).nStatus, 0);
    ASSERT_EQ(RunCli("models --selection " + Path("k.Ac3") + " --choose 1 --save " + Path("c.Ac3")).nStatus, 0);
    ASSERT_TRUE(SaveCompleteSelection(m_dir / "ov.Ac3", IsolatorByCapacities(), true, 2, "Reservoir Isolators"));
    CTransferBase tb = CompleteTransferBarrier(); // its header says complete; its model is not confirmed
    tb.m_nLevel = 1;
    ASSERT_TRUE(SaveCompleteSelection(m_dir / "tb.Ac3", tb, true, 5, "Transfer Barriers"));
    std::ofstream(m_dir / "junk.Ac3") << "not a selection";
    fs::create_symlink(m_dir / "c.Ac3", m_dir / "link.Ac3");
    const std::string strSelection = FileBytes(m_dir / "c.Ac3");
    const std::string strModels = "models --selection " + Path("k.Ac3") + " --save " + Path("x.Ac3");
    const std::string strReport = " --pdf " + Path("r.pdf");
    const std::string kIsInput = ".Ac3 is the file being read; choose another file to write.";
    const struct
    {
        std::string strArgs, strMessage;
        int nStatus = 2;
    } refusals[] = {
        // A selection without its model and details has no report; nor has what is no selection.
        {"report " + Path("k.Ac3") + strReport, "the selection is not complete"},
        {"report " + Path("tb.Ac3") + strReport, "the selection is not complete"},
        {"report " + Path("junk.Ac3") + strReport, ""},
        {"report " + Path("none.Ac3") + strReport, ""},
        // The model and detail choices refuse what the lists do not offer, and save nothing.
        {strModels + " --choose 999", "There is no model in row 999: the list has rows 1 to "},
        {strModels + " --choose 0", "There is no model in row 0: the list has rows 1 to "},
        {strModels + " --choose 1 --detail seal=XX", "The seal list offers no \"XX\"; it offers "},
        {strModels + " --choose 1 --detail valve=V", "has no \"valve\" list"},
        {strModels + " --choose 1 --detail seal", ""},
        {"models --selection " + Path("k.Ac3") + " --choose 1", ""},
        // The PDF that cannot be written, a paper that is not known, no catalogue.
        {"report " + Path("c.Ac3") + " --pdf " + Path("no/such/folder.pdf"), "The report could not be saved to ", 1},
        {"report " + Path("c.Ac3") + strReport + " --paper b5", "\"b5\" is not a paper this tool knows"},
        {"report " + Path("c.Ac3") + strReport + " --catalogue /nonexistent", "", 1},
        // An output that is the input, under another spelling or through a link.
        {"report " + Path("c.Ac3") + " --pdf " + Path("link.Ac3"), kIsInput},
        {"models --selection " + Path("c.Ac3") + " --choose 1 --save " + Path("./c.Ac3"), kIsInput},
        {"cad " + Path("c.Ac3") + " --svg " + Path("link.Ac3"), kIsInput},
    };
    for (const auto& refusal : refusals)
        EXPECT_TRUE(Refused(RunCli(refusal.strArgs), refusal.strMessage, refusal.nStatus)) << refusal.strArgs;
    ::setenv("SOURCE_DATE_EPOCH", "1e9", 1);
    EXPECT_TRUE(Refused(RunCli("report " + Path("c.Ac3") + strReport), "SOURCE_DATE_EPOCH \"1e9\" is not a date"));
    ::unsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(FolderNames(m_dir.Path()),
              (std::vector<std::string>{"c.Ac3", "junk.Ac3", "k.Ac3", "link.Ac3", "ov.Ac3", "tb.Ac3"}));
    EXPECT_EQ(FileBytes(m_dir / "c.Ac3"), strSelection);

    // Another product's report goes on the paper asked for.
    const SCliRun report = RunCli("report " + Path("ov.Ac3") + " --pdf " + Path("ov.pdf") + " --paper a4");
    ASSERT_EQ(report.nStatus, 0) << report.strErr;
    EXPECT_TRUE(Contains(report.strOut, "the selection report of OV-20-S-N-1F, 1 page, A4")) << report.strOut;

    // On a full disk, a failed write is a failure, and the file it would replace is kept whole.
    CFullDisk disk;
    TESMARA_REQUIRE_FULL_DISK(disk);
    const std::string strFull = "'" + disk.Folder().string() + "/";
    for (const char* pszName : {"r.pdf", "m.Ac3"})
        std::ofstream(disk.Folder() / pszName) << "old";
    disk.Fill();
    for (const std::string& strCommand :
         {"report " + Path("c.Ac3") + " --pdf " + strFull + "r.pdf'",
          "models --selection " + Path("k.Ac3") + " --choose 1 --save " + strFull + "m.Ac3'",
          "orderpad --inbox " + strFull + "inbox' add " + Path("c.Ac3")})
    {
        EXPECT_TRUE(Refused(RunCli(strCommand), "No space left on device", 1)) << strCommand;
    }
    for (const char* pszName : {"r.pdf", "m.Ac3"})
        EXPECT_EQ(FileBytes(disk.Folder() / pszName), "old");
}
