// From entries to a report on the command line: a sized selection, a model chosen with its
// details, the report written as a PDF and read back with pdftotext, the selection as XML
// checked by xmllint; and every refusal with its exit status.
#include "CliRunner.h"
#include "CompleteSelections.h"
#include "FullDisk.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <regex>

namespace fs = std::filesystem;
using nlohmann::json;

namespace
{
bool Has(const std::string& strText, const std::string& strPart)
{
    return strText.find(strPart) != std::string::npos;
}

// The output of a program run through the shell, with every run of blanks made one.
std::string Shell(const std::string& strCommand)
{
    std::string strOut;
    if (FILE* pPipe = ::popen((strCommand + " 2>&1").c_str(), "r"))
    {
        char szBuffer[4096];
        for (std::size_t n; (n = std::fread(szBuffer, 1, sizeof szBuffer, pPipe)) > 0;)
            strOut.append(szBuffer, n);
        ::pclose(pPipe);
    }
    strOut = std::regex_replace(strOut, std::regex("[ \t]+"), " ");
    while (!strOut.empty() && std::isspace(static_cast<unsigned char>(strOut.back())))
        strOut.pop_back();
    return strOut;
}

class CReportCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("tesmara_report_cli_" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    // Quoted for the shell (built piece by piece: GCC 12 misreads "'" + string temporaries).
    std::string Path(const std::string& strName) const
    {
        std::string strPath(1, '\'');
        strPath += (m_dir / strName).string();
        strPath += '\'';
        return strPath;
    }

    // 500 in3 at 3000 psi, sized, then the 4 in piston of 2.5 gal chosen from the list.
    std::string Sized()
    {
        const SCliRun sized = RunCli("size known-capacity --capacity 500CU_IN --max 3000psi --save " + Path("k.Ac3"));
        EXPECT_EQ(sized.nStatus, 0) << sized.strErr;
        return Path("k.Ac3");
    }
    int PistonRow(const std::string& strSelection)
    {
        const SCliRun listed = RunCli("models --json --selection " + strSelection);
        EXPECT_EQ(listed.nStatus, 0) << listed.strErr;
        const json list = json::parse(listed.strOut);
        for (const json& model : list["models"])
            if (model["description"] == "Piston, 3000 psi, 4 in Bore, 2.5 gal" &&
                model["pressureRating"]["value"] == 3000.0 &&
                model["capacityCode"] == "-2.5G")
                return model["row"].get<int>();
        ADD_FAILURE() << "the 4 in piston is not listed";
        return 0;
    }

    fs::path m_dir;
};
} // namespace

TEST_F(CReportCommandTest, AChosenModelsReportAsPdf)
{
    const std::string strSized = Sized();
    const int nRow = PistonRow(strSized);
    const SCliRun chosen = RunCli("models --selection " + strSized + " --choose " + std::to_string(nRow) +
                                  " --save " + Path("c.Ac3") + " --detail seal=-V");
    ASSERT_EQ(chosen.nStatus, 0) << chosen.strErr;
    // Series, pressure, port style, bore, capacity, the chosen seal and the preselected construction.
    EXPECT_TRUE(Has(chosen.strOut, "PA31-4-2.5G-VS (Piston, 3000 psi, 4 in Bore, 2.5 gal)")) << chosen.strOut;
    const json saved = json::parse(RunCli("show --json " + Path("c.Ac3")).strOut);
    EXPECT_EQ(saved["selection"]["m_nLevel"], 3);
    EXPECT_EQ(saved["selection"]["cpcSealCode"]["code"], "-V");
    EXPECT_EQ(saved["header"]["selectionComplete"], true);

    // 986479629 s after 1970 is 5 April 2001, 14:07:09 UTC.
    const SCliRun report =
        RunCli("report " + Path("c.Ac3") + " --pdf " + Path("c.pdf") + " --paper letter");
    ASSERT_EQ(report.nStatus, 0) << report.strErr;
    EXPECT_TRUE(report.strErr.empty()) << report.strErr;
    const std::string strText = Shell("SOURCE_DATE_EPOCH=986479629 '" TESMARA_BUILT_CLI "' report " + Path("c.Ac3") +
                                    " --pdf " + Path("dated.pdf") + " >/dev/null && pdftotext -layout " +
                                    Path("dated.pdf") + " -");
    EXPECT_TRUE(Has(strText, "Model Number: PA31-4-2.5G-VS")) << strText;
    EXPECT_TRUE(Has(strText, "Required Capacity: 500 in\u00B3")) << strText;
    EXPECT_TRUE(Has(strText, "A - Overall Length 52 in")) << strText;
    EXPECT_TRUE(Has(strText, "B - Outside Diameter 4.5 in")) << strText;
    EXPECT_TRUE(Has(strText, "Seal Class: Fluorocarbon (FKM)")) << strText;
    EXPECT_TRUE(Has(strText, "Date: April 5 2001 - 14:07:09")) << strText;
    EXPECT_TRUE(Has(strText, "Page 1 of 1")) << strText;
    EXPECT_TRUE(Has(Shell("pdfinfo " + Path("c.pdf")), "Page size: 612 x 792 pts (letter)"));
    EXPECT_TRUE(Has(Shell("pdfinfo " + Path("dated.pdf")), "Title: Selection Report PA31-4-2.5G-VS"));

    // The same selection as XML: valid against the schema, with the model number and the seal.
    const SCliRun xml = RunCli("show --xml " + Path("c.Ac3"));
    ASSERT_EQ(xml.nStatus, 0) << xml.strErr;
    std::ofstream(m_dir / "c.xml") << xml.strOut;
    EXPECT_TRUE(Has(Shell("xmllint --noout --schema '" TESMARA_SCHEMA_DIR "/tesmara-selection.xsd' " + Path("c.xml")),
                    "c.xml validates"));
    EXPECT_EQ(Shell("xmllint --xpath \"string(//*[local-name()='modelNumber'])\" " + Path("c.xml")), "PA31-4-2.5G-VS");
    EXPECT_EQ(Shell("xmllint --xpath \"string(//*[@name='cpcSealCode'])\" " + Path("c.xml")), "-V");
    EXPECT_EQ(Shell("xmllint --xpath \"string(//*[@name='sdRequiredAccumulatorVol']/@unit)\" " + Path("c.xml")),
              "CU_IN");
}

// The same walk in German: the same model number, a German report and a file marked German.
TEST_F(CReportCommandTest, InGermanTheSameModelAndAGermanReport)
{
    const SCliRun sized =
        RunCli("--language DE size known-capacity --capacity 500CU_IN --max 3000psi --save " + Path("k.Ac3"));
    ASSERT_EQ(sized.nStatus, 0) << sized.strErr;
    const json list = json::parse(RunCli("--language DE models --json --selection " + Path("k.Ac3")).strOut);
    int nRow = 0;
    for (const json& model : list["models"])
        if (model["description"] == "Kolben, 3000 psi, Bohrung 4 in, 2,5 gal" &&
            model["pressureRating"]["value"] == 3000.0 &&
            model["capacityCode"] == "-2.5G")
            nRow = model["row"].get<int>();
    ASSERT_GT(nRow, 0) << list.dump();
    const SCliRun chosen = RunCli("--language DE models --selection " + Path("k.Ac3") + " --choose " +
                                  std::to_string(nRow) + " --save " + Path("c.Ac3") + " --detail seal=-V");
    ASSERT_EQ(chosen.nStatus, 0) << chosen.strErr;
    EXPECT_TRUE(Has(chosen.strOut, "PA31-4-2.5G-VS (Kolben, 3000 psi, Bohrung 4 in, 2,5 gal)")) << chosen.strOut;
    EXPECT_EQ(json::parse(RunCli("show --json " + Path("c.Ac3")).strOut)["header"]["language"], "DE");

    // 984060429 s after 1970 is 8 March 2001, 14:07:09 UTC.
    const std::string strText = Shell("SOURCE_DATE_EPOCH=984060429 '" TESMARA_BUILT_CLI "' --language DE report " +
                                      Path("c.Ac3") + " --pdf " + Path("de.pdf") + " >/dev/null && pdftotext -layout " +
                                      Path("de.pdf") + " -");
    for (const char* pszLine : {"Auswahlbericht", "Modellnummer: PA31-4-2.5G-VS", "Benötigtes Volumen: 500 in\u00B3",
                                "A - Gesamtlänge 52 in", "B - Außendurchmesser 4,5 in",
                                "Dichtungsklasse: Fluorkautschuk (FKM)", "Datum: 8. März 2001 - 14:07:09", "Seite 1 von 1"})
        EXPECT_TRUE(Has(strText, pszLine)) << pszLine << " in\n" << strText;
    EXPECT_FALSE(Has(strText, "Model Number")) << strText;
    // Reported in English, the German file's texts are read again in English by their codes.
    const std::string strEnglish =
        Shell("SOURCE_DATE_EPOCH=984060429 '" TESMARA_BUILT_CLI "' report " + Path("c.Ac3") + " --pdf " +
              Path("en.pdf") + " >/dev/null && pdftotext -layout " + Path("en.pdf") + " -");
    for (const char* pszLine :
         {"Model Number: PA31-4-2.5G-VS", "Piston, 3000 psi, 4 in Bore", "Seal Class: Fluorocarbon (FKM)"})
        EXPECT_TRUE(Has(strEnglish, pszLine)) << pszLine << " in\n" << strEnglish;
    EXPECT_FALSE(Has(strEnglish, "Kolben")) << strEnglish;

    EXPECT_TRUE(Refused(RunCli("--language FR units"), "\"FR\" is not an installed language (US, DE)"));
}

TEST_F(CReportCommandTest, RefusalsAndFailures)
{
    const std::string strSized = Sized();
    // A selection without its model and details has no report.
    EXPECT_TRUE(Refused(RunCli("report " + strSized + " --pdf " + Path("r.pdf")), "the selection is not complete"));
    std::ofstream(m_dir / "junk.Ac3") << "not a selection";
    EXPECT_TRUE(Refused(RunCli("report " + Path("junk.Ac3") + " --pdf " + Path("r.pdf"))));
    EXPECT_TRUE(Refused(RunCli("report " + Path("none.Ac3") + " --pdf " + Path("r.pdf"))));
    EXPECT_FALSE(fs::exists(m_dir / "r.pdf"));

    // The model and detail choices refuse what the lists do not offer, and save nothing.
    const std::string strModels = "models --selection " + strSized + " --save " + Path("x.Ac3");
    for (const auto& [strArgs, strMessage] :
         {std::pair<std::string, std::string>{" --choose 999", "There is no model in row 999: the list has rows 1 to "},
          {" --choose 1 --detail seal=XX", "The seal list offers no \"XX\"; it offers "},
          {" --choose 1 --detail valve=V", "has no \"valve\" list"},
          {" --choose 0", "There is no model in row 0: the list has rows 1 to "},
          {" --choose 1 --detail seal", ""}})
        EXPECT_TRUE(Refused(RunCli(strModels + strArgs), strMessage)) << strArgs;
    EXPECT_TRUE(Refused(RunCli("models --selection " + strSized + " --choose 1")));
    EXPECT_FALSE(fs::exists(m_dir / "x.Ac3"));

    // A complete selection, and the PDF that cannot be written or a paper that is not known.
    ASSERT_EQ(RunCli("models --selection " + strSized + " --choose 1 --save " + Path("c.Ac3")).nStatus, 0);
    EXPECT_TRUE(Refused(RunCli("report " + Path("c.Ac3") + " --pdf " + Path("no/such/folder.pdf")),
                        "The report could not be saved to ", 1));
    EXPECT_TRUE(Refused(RunCli("report " + Path("c.Ac3") + " --pdf " + Path("r.pdf") + " --paper b5")));
    EXPECT_TRUE(Refused(RunCli("report " + Path("c.Ac3") + " --pdf " + Path("r.pdf") + " --catalogue /nonexistent"), "", 1));
    EXPECT_TRUE(Has(Shell("SOURCE_DATE_EPOCH=1e9 '" TESMARA_BUILT_CLI "' report " + Path("c.Ac3") + " --pdf " +
                          Path("r.pdf")),
                    "SOURCE_DATE_EPOCH \"1e9\" is not a date"));
    EXPECT_FALSE(fs::exists(m_dir / "r.pdf"));

    // An output that is the input, under another spelling or through a link, is refused.
    fs::create_symlink(m_dir / "c.Ac3", m_dir / "link.Ac3");
    const std::string strSelection = FileBytes(m_dir / "c.Ac3");
    for (const std::string& strCommand :
         {"report " + Path("c.Ac3") + " --pdf " + Path("link.Ac3"), "models --selection " + Path("c.Ac3") +
          " --choose 1 --save " + Path("./c.Ac3"), "cad " + Path("c.Ac3") + " --svg " + Path("link.Ac3")})
    {
        EXPECT_TRUE(Refused(RunCli(strCommand), ".Ac3 is the file being read; choose another file to write."))
            << strCommand;
    }
    EXPECT_EQ(FileBytes(m_dir / "c.Ac3"), strSelection);

    // On a full disk, a failed write is a failure, and the file it would replace is kept whole.
    CFullDisk disk;
    TESMARA_REQUIRE_FULL_DISK(disk);
    const std::string strFull = "'" + disk.Folder().string() + "/";
    for (const char* pszName : {"r.pdf", "m.Ac3"})
        std::ofstream(disk.Folder() / pszName) << "old";
    disk.Fill();
    for (const std::string& strCommand :
         {"report " + Path("c.Ac3") + " --pdf " + strFull + "r.pdf'",
          "models --selection " + strSized + " --choose 1 --save " + strFull + "m.Ac3'",
          "orderpad --inbox " + strFull + "inbox' add " + Path("c.Ac3")})
    {
        EXPECT_TRUE(Refused(RunCli(strCommand), "No space left on device", 1)) << strCommand;
    }
    for (const char* pszName : {"r.pdf", "m.Ac3"})
        EXPECT_EQ(FileBytes(disk.Folder() / pszName), "old");
}

// Each application sized on the command line, a model chosen, and its entries on the report.
TEST_F(CReportCommandTest, EachApplicationsEntriesOnItsReport)
{
    struct SCase
    {
        const char* pszSize;
        std::vector<std::string> lines;
    };
    const SCase cases[] = {
        {"holding --hold 600sec --valves 2 --valve-size 0.375IN --max 3000psi --min 2500psi",
         {"Time to Hold Pressure: 600 sec", "Number of Valves: 2", "Valve Size: 0.375 in"}},
        {"shock --max 150bara --flow 100LPM --pipe 1 --length 40FT --fluid Water",
         {"Application: Shock Suppression", "Fluid: Water", "Pipe/Tube Length: 40 ft", "Pipe/Tube Size: 1",
          "Temperature (assumed): 70 \u00B0F", "Line Inside Diameter: 1.049 in"}},
        {"pulsation --pistons 5 --double --displacement 40CC_REV --max 3000psi --temp 150DEG_F",
         {"Number of Pistons: 5", "Pump Displacement: 40 cm\u00B3/rev"}},
        {"pump-response --fixed --max 3000psi --flow 30GPM --response 0.05sec",
         {"Pump Type: Fixed Displacement Pump", "Flow Rate: 30 gpm (US)", "Response Time: 0.05 sec"}},
    };
    int nCase = 0;
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(c.pszSize);
        const std::string strName = std::to_string(++nCase);
        const SCliRun sized = RunCli(std::string("size ") + c.pszSize + " --save " + Path(strName + ".Ac3"));
        ASSERT_EQ(sized.nStatus, 0) << sized.strErr;
        const SCliRun chosen = RunCli("models --selection " + Path(strName + ".Ac3") + " --choose 1 --save " +
                                      Path(strName + "c.Ac3"));
        ASSERT_EQ(chosen.nStatus, 0) << chosen.strErr;
        const std::string strText = Shell("'" TESMARA_BUILT_CLI "' report " + Path(strName + "c.Ac3") + " --pdf " +
                                          Path(strName + ".pdf") + " >/dev/null && pdftotext -layout " +
                                          Path(strName + ".pdf") + " -");
        for (const std::string& strLine : c.lines)
            EXPECT_TRUE(Has(strText, strLine)) << strLine << "\n" << strText;
        EXPECT_TRUE(Has(strText, "Required Capacity: ")) << strText;
        EXPECT_TRUE(Has(strText, "Precharge Pressure: ")) << strText;
        // The speed counts only where the flow is calculated from it.
        EXPECT_FALSE(Has(strText, "Pump Speed")) << strText;
    }
}

// A reservoir isolator saved as the desktop saves it, its report as a PDF and its XML; a transfer
// barrier whose model is not confirmed is refused.
TEST_F(CReportCommandTest, AnotherProductsReportAndXml)
{
    SSelectionHeader header;
    header.strLanguageCode = "US";
    header.strLanguageName = "U.S. English";
    header.nProdId = 2;
    header.strProdType = "Reservoir Isolators";
    header.strProdDescription = "Bladder isolators for hydraulic reservoirs.";
    header.bPartNumberAvailable = true;
    header.bSelectionComplete = true;
    std::string strError;
    ASSERT_TRUE(SaveSelectionFile(m_dir / "ov.Ac3", header, IsolatorByCapacities(), strError)) << strError;

    const SCliRun report = RunCli("report " + Path("ov.Ac3") + " --pdf " + Path("ov.pdf") + " --paper a4");
    ASSERT_EQ(report.nStatus, 0) << report.strErr;
    EXPECT_TRUE(report.strErr.empty()) << report.strErr;
    EXPECT_TRUE(Has(report.strOut, "the selection report of OV-20-S-N-1F, 1 page, A4")) << report.strOut;
    const std::string strText = Shell("pdftotext -layout " + Path("ov.pdf") + " -");
    for (const char* pszPart : {"Model Number: OV-20-S-N-1F", "Ovrisol Reservoir Isolators", "Series: OV",
                                "Cylinder Capacity: 10 gal (US)", "Required Capacity: 18 gal (US)",
                                "Seal Class: Nitrile (NBR)", "A - Overall Length 35.5 in",
                                "B - Shell Diameter 16 in", "Weight (approx.) 78 lb", "Page 1 of 1"})
        EXPECT_TRUE(Has(strText, pszPart)) << pszPart << "\n" << strText;
    // The isolator line's brand and the dimension drawing are in it.
    EXPECT_EQ(Shell("pdfimages -list " + Path("ov.pdf") + " | tail -n +3 | wc -l"), "2");

    const SCliRun xml = RunCli("show --xml " + Path("ov.Ac3"));
    ASSERT_EQ(xml.nStatus, 0) << xml.strErr;
    std::ofstream(m_dir / "ov.xml") << xml.strOut;
    EXPECT_TRUE(Has(Shell("xmllint --noout --schema '" TESMARA_SCHEMA_DIR "/tesmara-selection.xsd' " + Path("ov.xml")),
                    "ov.xml validates"));
    EXPECT_EQ(Shell("xmllint --xpath \"string(//*[local-name()='modelNumber'])\" " + Path("ov.xml")), "OV-20-S-N-1F");
    EXPECT_EQ(Shell("xmllint --xpath \"string(//*[local-name()='fields']/@class)\" " + Path("ov.xml")), "COvrisolBase");
    EXPECT_EQ(Shell("xmllint --xpath \"string(//*[@name='cudCombinedCapacity']/@unit)\" " + Path("ov.xml")), "GAL");

    CTransferBase tb;
    tb.m_nLevel = 1;
    tb.cpcSeriesCode = CPartCode("TB", 1, "Transfer Barrier");
    header.nProdId = 5;
    header.strProdType = "Transfer Barriers";
    ASSERT_TRUE(SaveSelectionFile(m_dir / "tb.Ac3", header, tb, strError)) << strError;
    EXPECT_TRUE(Refused(RunCli("report " + Path("tb.Ac3") + " --pdf " + Path("tb.pdf")), "the selection is not complete"));
    EXPECT_FALSE(fs::exists(m_dir / "tb.pdf"));
}
