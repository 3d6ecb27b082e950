// The CAD mailbox: one request, one row with every field; refusals that change nothing; the
// per-user copy of a read-only installation.
#include "CadMailboxFixture.h"
#include "FullDisk.h"
#include "catalogue/Recordset.h"
#include "outputs/CadMailboxFile.h"
#include "outputs/CadObject.h"

#include <sqlite3.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace
{
using Fields = std::vector<std::pair<std::string, std::string>>;

// Each drawable type's row, field by field, in its own table; asked twice, the second request
// replaces the first.
TEST_F(CCadMailboxFixture, EachRequestWritesExactlyItsRowFieldByField)
{
    struct SCase
    {
        CBaseProduct* pSelection;
        const char* pszTable;
        const char* pszOther;
        Fields expected;
    };
    CAccumulatorData piston = Piston(), bladder = Bladder();
    CTransferBase barrier = CompleteTransferBarrier();
    ASSERT_EQ(barrier.m_strPartNo, "TB31-10G-NSSP-O");
    const SCase cases[] = {
        // Ports not modified: the standard ports of the 4 in bore.
        {&piston, "PA_Mailbox", "BA_Mailbox",
         {{"FileName", "Preview"},  {"Company", "D"},         {"ModelNumber", "PA31-4-150-VS-G"},
          {"Series", "PA"},         {"Bore_Size", "4"},       {"Construction", "S"},
          {"Options", "-G"},        {"Capacity", "150"},      {"DesignPressure", "3000 psi"},
          {"DesignNumber", "1"},    {"SealCompound", "-V"},   {"HydPortMod", "-S16"},
          {"GasPortMod", "V04"},    {"AddnlMountInfo", ""},   {"AddnlMountInfo2", ""}}},
        // The bladder's seal goes into SealCmpd.
        {&bladder, "BA_Mailbox", "PA_Mailbox",
         {{"FileName", "Preview"}, {"Company", "D"},       {"ModelNumber", "BA31-2.5G-NFSV-T"},
          {"Series", "BA"},        {"Size", "2.5G"},       {"Construction", "S"},
          {"Pressure", "3000 psi"}, {"Port", "F"},         {"SealCmpd", "-N"},
          {"DesMod", "-T"},        {"DesCode", "1"},       {"AddedNote1", ""},
          {"AddedNote2", ""}}},
        // The standard bottom port, the series' shell and the default bladder, as the catalogue
        // offers a transfer barrier; the service where a bladder's modification goes.
        {&barrier, "BA_Mailbox", "PA_Mailbox",
         {{"FileName", "Preview"},  {"Company", "D"},  {"ModelNumber", "TB31-10G-NSSP-O"},
          {"Series", "TB"},         {"Size", "10G"},   {"Construction", "S"},
          {"Pressure", "3000 psi"}, {"Port", "S"},     {"SealCmpd", "-N"},
          {"DesMod", "Oil to Oil (Separates Two Hydraulic Circuits)"},
          {"DesCode", "1"},         {"AddedNote1", ""}, {"AddedNote2", ""}}},
    };
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(c.expected[2].second);
        std::string strError;
        m_mailbox.Database().Close(); // a fresh copy for each
        fs::copy_file(TESMARA_BUILT_CAD_MAILBOX, m_file, fs::copy_options::overwrite_existing);
        ASSERT_TRUE(m_mailbox.Open(m_file, strError)) << strError;
        SCadMailboxRow written, stored;
        ASSERT_TRUE(m_mailbox.RequestCadDrawing(c.pSelection->GetCadConversion(), written, strError)) << strError;
        ASSERT_TRUE(m_mailbox.RequestCadDrawing(c.pSelection->GetCadConversion(), written, strError)) << strError;
        ASSERT_TRUE(m_mailbox.ReadRow(c.pszTable, stored, strError)) << strError;
        EXPECT_EQ(stored.fields, c.expected);
        EXPECT_EQ(written, stored);
        EXPECT_EQ(RowCount(c.pszTable), 1);
        EXPECT_EQ(RowCount(c.pszOther), 0);
    }

    // The request's list names the mailbox file and the table the row is in, and the model.
    SCadRequest request;
    std::string strMessage;
    ASSERT_TRUE(MakeCadRequest(barrier, m_file, barrier.m_strPartNo, request, strMessage)) << strMessage;
    EXPECT_EQ(request.m_lstInfo, (std::vector<std::string>{"CadMailbox.db", "BA_Mailbox", "BladderCad.exe", "PREVIEW",
                                                           "D", "TB31-10G-NSSP-O"}));

    // A size the catalogue has no transfer barrier of (a quart shell) is refused, the row kept.
    CTransferBase quart = barrier;
    quart.cpcCapCode.m_strCode = "-1Q";
    SCadMailboxRow row;
    EXPECT_FALSE(m_mailbox.RequestCadDrawing(quart.GetCadConversion(), row, strMessage));
    ASSERT_TRUE(m_mailbox.ReadRow("BA_Mailbox", row, strMessage)) << strMessage;
    EXPECT_EQ(row.Get("ModelNumber"), "TB31-10G-NSSP-O");
}

TEST_F(CCadMailboxFixture, ModifiedPortsGoIntoTheRowAsTypeThenSize)
{
    CAccumulatorData d = Piston();
    d.cpcDesignNumber.m_strCode = "2";
    d.cpcPortModTypeCode.m_strCode = "-M";
    d.cpcPortModSizeCode.m_strCode = "33";
    d.cpcGasPortModTypeCode.m_strCode = "S";
    d.cpcGasPortModSizeCode.m_strCode = "08";
    std::string strError;
    SCadMailboxRow row;
    ASSERT_TRUE(m_mailbox.RequestCadDrawing(d.GetCadConversion(), row, strError)) << strError;
    EXPECT_EQ(row.Get("HydPortMod"), "-M33");
    EXPECT_EQ(row.Get("GasPortMod"), "S08");
    EXPECT_EQ(row.Get("DesignNumber"), "2");
}

TEST_F(CCadMailboxFixture, AModelTheCadDataLacksWritesNothingAndKeepsTheEarlierRequest)
{
    std::string strError;
    SCadMailboxRow row;
    ASSERT_TRUE(m_mailbox.RequestCadDrawing(Piston().GetCadConversion(), row, strError)) << strError;

    CAccumulatorData unknown = Piston();
    unknown.cpcNomBoreCode.m_strCode = "-12"; // no 12 in bore holds 150 in³
    unknown.m_strPartNo = "PA31-12-150";
    EXPECT_FALSE(m_mailbox.RequestCadDrawing(unknown.GetCadConversion(), row, strError));
    EXPECT_EQ(strError, "The CAD data has no drawing of this model.");
    // Neither an empty row nor a cleared table: the request never happened.
    ASSERT_EQ(RowCount("PA_Mailbox"), 1);
    SCadMailboxRow stored;
    ASSERT_TRUE(m_mailbox.ReadRow("PA_Mailbox", stored, strError));
    EXPECT_EQ(stored.Get("ModelNumber"), "PA31-4-150-VS-G");

    // An unknown fluid port is refused the same way.
    CAccumulatorData badPort = Bladder();
    badPort.cpcHydPortCode.m_strCode = "Q";
    EXPECT_FALSE(m_mailbox.RequestCadDrawing(badPort.GetCadConversion(), row, strError));
    EXPECT_EQ(RowCount("BA_Mailbox"), 0);
}

TEST_F(CCadMailboxFixture, TypesWithoutDrawingsAreRefused)
{
    for (const char* pszType : {"Diaphragm", "GB"})
    {
        CAccumulatorData d = Piston();
        d.strAccumulatorType = pszType;
        EXPECT_FALSE(d.GetCadConversion().HasDrawing()) << pszType;
        std::string strError;
        SCadMailboxRow row;
        EXPECT_FALSE(m_mailbox.RequestCadDrawing(d.GetCadConversion(), row, strError));
        EXPECT_EQ(strError, "This selection has no CAD drawing.");
    }
    std::string strError;
    SCadMailboxRow row;
    EXPECT_FALSE(m_mailbox.ReadRow("PA_Mailbox", row, strError));
    EXPECT_EQ(strError, "The CAD mailbox holds no drawing request.");
}

TEST_F(CCadMailboxFixture, AMailboxThatCannotBeOpenedSaysWhy)
{
    CCadMailbox mailbox;
    std::string strError;
    EXPECT_FALSE(mailbox.Open(m_dir / "missing.db", strError));
    EXPECT_EQ(strError, "The mailbox file does not exist.");
    std::ofstream(m_dir / "foreign.db") << "not a database at all, just some text of some length";
    EXPECT_FALSE(mailbox.Open(m_dir / "foreign.db", strError));
    EXPECT_EQ(strError, "The file is not an SQLite database.");
}

TEST_F(CCadMailboxFixture, AReadOnlyInstallationIsUsedThroughTheUsersCopy)
{
    const fs::path user = m_dir / "user";
    const auto readOnly = [](const fs::path&) { return false; };
    std::string strError;
    // Written in place only in a build tree's data folder; an installed one, even where root may write it, never.
    std::ofstream(m_dir / ".build-tree") << "";
    EXPECT_EQ(ResolveCadMailbox(m_file, user, strError), m_file);
    fs::remove(m_dir / ".build-tree");
    EXPECT_FALSE(fs::exists(user));

    const fs::path copy = ResolveCadMailbox(m_file, user, strError);
    ASSERT_EQ(copy, user / "CadMailbox.db") << strError;
    EXPECT_EQ(fs::file_size(copy), fs::file_size(m_file));
    // A request in the copy stays there, and the copy is used again.
    CCadMailbox mailbox;
    ASSERT_TRUE(mailbox.Open(copy, strError)) << strError;
    SCadMailboxRow row;
    ASSERT_TRUE(mailbox.RequestCadDrawing(Piston().GetCadConversion(), row, strError)) << strError;
    mailbox.Database().Close();
    EXPECT_EQ(ResolveCadMailbox(m_file, user, strError, readOnly), copy);
    ASSERT_TRUE(mailbox.Open(copy, strError));
    EXPECT_TRUE(mailbox.ReadRow("PA_Mailbox", row, strError)) << strError;
    mailbox.Database().Close();

    // An updated installation replaces the copy.
    fs::last_write_time(m_file, fs::last_write_time(copy) + std::chrono::hours(1));
    EXPECT_EQ(ResolveCadMailbox(m_file, user, strError, readOnly), copy);
    ASSERT_TRUE(mailbox.Open(copy, strError));
    EXPECT_FALSE(mailbox.ReadRow("PA_Mailbox", row, strError));

    EXPECT_TRUE(ResolveCadMailbox(m_dir / "none.db", user, strError, readOnly).empty());
    EXPECT_NE(strError.find("is not installed"), std::string::npos);
}

// A request's drawing reads its own row: another program's request, made in between, waits.
TEST_F(CCadMailboxFixture, AConcurrentRequestWaitsUntilTheFirstIsDrawn)
{
    CAccumulatorData first = Piston(), second = Piston();
    second.m_strPartNo = "PA31-4-150-VS-G-SECOND";
    SCadRequest request;
    std::string strMessage;
    ASSERT_TRUE(MakeCadRequest(first, m_file, first.m_strPartNo, request, strMessage)) << strMessage;
    SCadRequest other;
    std::string strOther;
    bool bOther = false;
    std::thread program([&] { bOther = MakeCadRequest(second, m_file, second.m_strPartNo, other, strOther); });
    std::this_thread::sleep_for(std::chrono::milliseconds(300)); // time enough to replace the row
    CCadDrawing drawing;
    ASSERT_TRUE(DrawCadRequest(request, SCadPreferences(), "2026-11-02", drawing, strMessage)) << strMessage;
    EXPECT_EQ(drawing.m_strTitle, "PA31-4-150-VS-G");
    program.join();
    ASSERT_TRUE(bOther) << strOther;
    ASSERT_TRUE(DrawCadRequest(other, SCadPreferences(), "2026-11-02", drawing, strMessage)) << strMessage;
    EXPECT_EQ(drawing.m_strTitle, "PA31-4-150-VS-G-SECOND");
}

// Should the conversion return several rows, the last is the request.
TEST_F(CCadMailboxFixture, TheLastRowOfTheConversionIsTheRequest)
{
    m_mailbox.Database().Close();
    sqlite3* pDb = nullptr;
    ASSERT_EQ(sqlite3_open(m_file.c_str(), &pDb), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(pDb,
                           "UPDATE QueryDefs SET Sql = Sql || ' UNION ALL SELECT ''F'', ''C'', ''LAST'', ''PA'', ''4'', "
                           "''S'', '''', ''150'', ''3000 psi'', ''1'', ''-V'', ''-S16'', ''V04'', '''', ''''' "
                           "WHERE Name = 'qPistonCAD'",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(pDb);
    std::string strError;
    ASSERT_TRUE(m_mailbox.Open(m_file, strError)) << strError;
    SCadMailboxRow row;
    ASSERT_TRUE(m_mailbox.RequestCadDrawing(Piston().GetCadConversion(), row, strError)) << strError;
    EXPECT_EQ(row.Get("ModelNumber"), "LAST");
}

// A damaged per-user copy is made again from the installation, not used for ever after.
TEST_F(CCadMailboxFixture, ADamagedUsersCopyIsMadeAgain)
{
    const fs::path copy = m_dir / "user" / "CadMailbox.db";
    fs::create_directories(copy.parent_path());
    std::ofstream(copy) << "cut short";
    fs::last_write_time(copy, fs::last_write_time(m_file) + std::chrono::hours(1));
    std::string strError;
    EXPECT_EQ(ResolveCadMailbox(m_file, copy.parent_path(), strError, [](const fs::path&) { return false; }), copy);
    EXPECT_EQ(fs::file_size(copy), fs::file_size(m_file));

    // One that opens but has a damaged page, which only a drawing would meet: made again too.
    const std::string strPage(4096, '\xFF');
    std::fstream(copy, std::ios::in | std::ios::out | std::ios::binary).seekp(40960).write(strPage.data(), 4096);
    fs::last_write_time(copy, fs::last_write_time(m_file) + std::chrono::hours(1));
    EXPECT_EQ(ResolveCadMailbox(m_file, copy.parent_path(), strError, [](const fs::path&) { return false; }), copy);
    EXPECT_EQ(FileBytes(copy), FileBytes(m_file));
}
} // namespace
