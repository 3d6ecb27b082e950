// tesmara cad and tesmara orderpad, as a user runs them on saved selections.
#include "CliRunner.h"
#include "CompleteSelections.h"
#include "FullDisk.h"
#include "OleReadBack.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>

namespace fs = std::filesystem;

namespace
{
class CCadOrderPadCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("tesmara-cli-cad-" + std::to_string(std::random_device()()));
        fs::create_directories(m_dir / "app");
        // A mailbox of this test's own, so that no other test's request comes between.
        fs::copy_file(TESMARA_BUILT_CAD_MAILBOX, m_dir / "app" / "CadMailbox.db");
        ::setenv("TESMARA_APP_DIR", (m_dir / "app").c_str(), 1);
        ::setenv("TESMARA_DATA_ROOT", (m_dir / "data").c_str(), 1);
        m_strInbox = "'" + (m_dir / "inbox").string() + "'";
    }
    void TearDown() override
    {
        // The next test of this program finds its own folders again, not this one's removed.
        ::unsetenv("TESMARA_APP_DIR");
        ::unsetenv("TESMARA_DATA_ROOT");
        fs::remove_all(m_dir);
    }

    std::string Save(const std::string& strName, const CBaseProduct& d, bool bComplete = true, int nProdId = 0,
                     const std::string& strProdType = "Accumulators")
    {
        const fs::path path = m_dir / strName;
        EXPECT_TRUE(SaveCompleteSelection(path, d, bComplete, nProdId, strProdType));
        // Built piece by piece: GCC 12 misreads "'" + string temporaries (-Wrestrict).
        std::string strQuoted(1, '\'');
        strQuoted += path.string();
        return strQuoted += '\'';
    }
    static std::string Head(const fs::path& file, std::size_t nBytes)
    {
        std::string strHead(nBytes, '\0');
        std::ifstream(file, std::ios::binary).read(strHead.data(), static_cast<std::streamsize>(nBytes));
        return strHead;
    }

    fs::path m_dir;
    std::string m_strInbox;
};

TEST_F(CCadOrderPadCommandTest, CadWritesEachFileOfAPistonSelection)
{
    const std::string strFile = Save("piston.Ac3", CompletePiston());
    const fs::path dxf = m_dir / "out.dxf", plt = m_dir / "out.plt", svg = m_dir / "out.svg";
    const SCliRun run = RunCli("cad " + strFile + " --dxf '" + dxf.string() + "' --hpgl '" + plt.string() +
                               "' --svg '" + svg.string() + "' --units mm");
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(Head(dxf, 19), "  0\nSECTION\n  2\nHEA");
    EXPECT_EQ(Head(plt, 3), "IN;");
    EXPECT_EQ(Head(svg, 5), "<?xml");
    EXPECT_TRUE(Contains(FileBytes(dxf), "\nA  454.7\n")); // 17.9 in, in millimetres
}

TEST_F(CCadOrderPadCommandTest, InGermanTheDrawingsLabelsAreGermanAndALongNoteGoesOnOverTwoLines)
{
    fs::copy_file(fs::path(TESMARA_BUILT_CAD_MAILBOX).parent_path() / "CadMailboxDE.db",
                  m_dir / "app" / "CadMailboxDE.db");
    CAccumulatorData d = CompletePiston();
    d.cpcConstCode = CPartCode("Q", 11); // nickel plated, CE
    const fs::path svg = m_dir / "de.svg";
    const SCliRun run =
        RunCli("--language DE cad " + Save("piston.Ac3", d) + " --svg '" + svg.string() + "'");
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    const std::string strSvg = FileBytes(svg);
    for (const char* pszText :
         {">D  Gasventil: Gasfüllventil (7/8-14 UNF)<", ">Optionen: Gasventilschutz<",
          ">Ausführung: Kohlenstoffstahl, vernickelt, CE (DGRL 2014/68/EU);  Dichtung:<",
          ">   Fluorkautschuk (FKM)<"})
        EXPECT_TRUE(Contains(strSvg, pszText)) << pszText;
    EXPECT_FALSE(Contains(strSvg, "..."));
}

TEST_F(CCadOrderPadCommandTest, CadRefusesSelectionsWithoutADrawing)
{
    CAccumulatorData diaphragm = CompletePiston(), open = CompletePiston();
    diaphragm.strAccumulatorType = "Diaphragm";
    open.m_nLevel = 2;
    const std::string strDxf = " --dxf '" + (m_dir / "out.dxf").string() + "'";
    const std::pair<std::string, std::string> refusals[] = {
        {"cad " + Save("diaphragm.Ac3", diaphragm) + strDxf,
         "There is no CAD drawing of a diaphragm accumulator: only piston and bladder accumulators and transfer "
         "barriers have one."},
        {"cad " + Save("isolator.Ac3", CompleteIsolator(), true, 2, "Reservoir Isolators") + strDxf,
         "There is no CAD drawing of a selection of Reservoir Isolators: only piston"},
        {"cad " + Save("open.Ac3", open, false) + strDxf, "The selection is not complete"},
        {"cad " + Save("piston.Ac3", CompletePiston()), "Name at least one file to write: --dxf, --hpgl or --svg.\n"},
    };
    for (const auto& [strArgs, strMessage] : refusals)
        EXPECT_TRUE(Refused(RunCli(strArgs), strMessage)) << strArgs;
    EXPECT_FALSE(fs::exists(m_dir / "out.dxf"));
}

TEST_F(CCadOrderPadCommandTest, OrderPadAddHandsOverTheSelectionAndItsBottles)
{
    CAccumulatorData piston = CompletePiston();
    piston.cpcGBPartNumber = CPartCode("GB3-20G-S1", 0, "Gas Bottle, 20 gal, SAE-16 Gas Port");
    piston.siGBQty = CUnitInt(2, "");
    SCliRun run = RunCli("orderpad --inbox " + m_strInbox + " add " + Save("piston.Ac3", piston));
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    // The document waits in the inbox: no order pad window to fail to bring up.
    EXPECT_EQ(run.strErr, "");
    run = RunCli("orderpad --inbox " + m_strInbox + " list");
    EXPECT_EQ(run.strOut, "1 x PA31-4-150-VS-G  Piston, 4 in Bore  (Accumulator Division)\n"
                          "2 x GB3-20G-S1  Gas Bottle, 20 gal, SAE-16 Gas Port  (Accumulator Division)\n");
    run = RunCli("orderpad --inbox " + m_strInbox + " list --json");
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    const nlohmann::json lines = nlohmann::json::parse(run.strOut);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1]["Part Number"], "GB3-20G-S1");
    EXPECT_EQ(lines[1]["Quantity"], "2");
    EXPECT_EQ(lines[0]["Document"], lines[1]["Document"]);

    // An incomplete selection is refused and adds nothing.
    CAccumulatorData open = CompletePiston();
    open.m_nLevel = 2;
    EXPECT_TRUE(Refused(RunCli("orderpad --inbox " + m_strInbox + " add " + Save("open.Ac3", open, false))));
    EXPECT_EQ(nlohmann::json::parse(RunCli("orderpad --inbox " + m_strInbox + " list --json").strOut).size(), 2u);
}

// Each product besides the accumulators reaches the order pad as one line item of its own
// model number and description, its selection's bytes beside it.
TEST_F(CCadOrderPadCommandTest, EveryOtherProductIsHandedOverAsOneLineItem)
{
    const CAccumulatorData bottle = CompleteGasBottle();
    const COvrisolBase isolator = CompleteIsolator();
    const CAccessoryBase accessory = CompleteAccessory();
    const CRepairKitBase kit = CompleteRepairKit();
    const CTransferBase barrier = CompleteTransferBarrier();
    const struct
    {
        int nProdId;
        const char* pszProdType;
        const CBaseProduct& selection;
        const char* pszLine;
    } products[] = {
        {1, "Gas Bottles", bottle, "GB3-10G-S1  Gas Bottle, 10 gal"},
        {2, "Reservoir Isolators", isolator, "OV-30-G-E-1F  Ovrisol Reservoir Isolators"},
        {3, "Accessories", accessory, "CK-3000  Charging and Gauging Assembly, 0-3000 psi"},
        {4, "Repair Kits", kit, "RK-PA1-N  Piston Seal Kits"},
        {5, "Transfer Barriers", barrier, "TB31-10G-NSSP-O  Transfer Barrier"},
    };
    for (const auto& product : products)
    {
        SCOPED_TRACE(product.pszProdType);
        const std::string strInbox = "'" + (m_dir / ("inbox-" + std::to_string(product.nProdId))).string() + "'";
        const std::string strName = "product-" + std::to_string(product.nProdId) + ".Ac3";
        const SCliRun run = RunCli("orderpad --inbox " + strInbox + " add " +
                                   Save(strName, product.selection, true, product.nProdId, product.pszProdType));
        ASSERT_EQ(run.nStatus, 0) << run.strErr;
        EXPECT_EQ(RunCli("orderpad --inbox " + strInbox + " list").strOut,
                  std::string("1 x ") + product.pszLine + "  (Accumulator Division)\n");
        // The selection as its file holds it after the two fixed headers (368 and 360 bytes).
        const fs::path inbox = m_dir / ("inbox-" + std::to_string(product.nProdId));
        const std::string strFile = FileBytes(m_dir / strName);
        ASSERT_GT(strFile.size(), 728u);
        EXPECT_EQ(ReadOle(fs::directory_iterator(inbox)->path())["streams"]["Selection Object"],
                  Hex(strFile.substr(728)));
    }
}
} // namespace

namespace
{
TEST_F(CCadOrderPadCommandTest, CadWritesEachFileInItsOptionsFormatAllOrNone)
{
    const std::string strFile = Save("piston.Ac3", CompletePiston());
    const fs::path svg = m_dir / "drawing.svg", dxf = m_dir / "drawing.dxf";
    SCliRun run = RunCli("cad " + strFile + " --dxf '" + svg.string() + "'");
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_EQ(Head(svg, 11), "  0\nSECTION");
    // A file that cannot be written takes the others with it.
    fs::remove(svg);
    EXPECT_TRUE(Refused(RunCli("cad " + strFile + " --dxf '" + dxf.string() + "' --svg '" +
                               (m_dir / "no" / "x.svg").string() + "'"),
                        "x.svg could not be written. No such file or directory.", 1));
    // (data/ holds the per-user CAD mailbox: the application folder here is no build tree's.)
    EXPECT_EQ(FolderNames(m_dir), (std::vector<std::string>{"app", "data", "piston.Ac3"}));
    // The title block's company is one line of at most 60 characters, as the desktop takes it.
    for (const std::string& strCompany : {std::string("Line one\nLine two"), std::string(61, 'c')})
        EXPECT_TRUE(Refused(RunCli("cad " + strFile + " --dxf '" + dxf.string() + "' --company '" + strCompany + "'"),
                            "--company: the title block"));
    EXPECT_TRUE(Refused(RunCli("cad " + strFile + " --dxf '" + dxf.string() + "' --svg '" +
                               (m_dir / "." / "drawing.dxf").string() + "'")));
    EXPECT_FALSE(fs::exists(dxf));
}

// What a file holds is printed escaped: no terminal control, no forged line; what the order pad
// would refuse, or could not read, is a failure.
TEST_F(CCadOrderPadCommandTest, TextsFromFilesAreEscapedAndFailuresSaySo)
{
    CAccumulatorData piston = CompletePiston();
    piston.strAccumulatorDesc = "Piston\x1b[2J\nAdded PA-FORGED";
    const std::string strFile = Save("piston.Ac3", piston);
    SCliRun run = RunCli("orderpad --inbox " + m_strInbox + " add " + strFile);
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    std::ofstream(m_dir / "inbox" / "Zz.opd") << "damaged";
    run = RunCli("orderpad --inbox " + m_strInbox + " list");
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strOut, "1 x PA31-4-150-VS-G  Piston\\x1b[2J\\nAdded PA-FORGED  (Accumulator Division)\n");
    EXPECT_EQ(run.strErr, "Zz.opd: It is not a transfer document (no compound file).\n");
    EXPECT_NE(RunCli("show " + strFile).strOut.find("\"Piston\\x1b[2J\\nAdded PA-FORGED\""), std::string::npos);
    EXPECT_EQ(RunCli("orderpad --inbox '" + (m_dir / "piston.Ac3").string() + "' list").nStatus, 1);

    piston.cpcGBPartNumber = CPartCode("GB3-20G-S1", 0, "Gas Bottle, 20 gal");
    piston.siGBQty = CUnitInt(0, "");
    EXPECT_TRUE(Refused(RunCli("orderpad --inbox '" + (m_dir / "other").string() + "' add " + Save("none.Ac3", piston)),
                        "Add to Order Failed!\n\nIts line item Part*1 has the quantity \"0\"", 1));
    EXPECT_FALSE(fs::exists(m_dir / "other"));
}
} // namespace
