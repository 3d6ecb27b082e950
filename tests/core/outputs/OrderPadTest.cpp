// The transfer document read back by olefile (names, order, exact bytes), whole-or-nothing
// sending, and the order pad's order: taking documents in, quantities, removal, CSV.
#include "FullDisk.h"
#include "OleReadBack.h"
#include "TempFolder.h"
#include "outputs/OrderPad.h"
#include "outputs/OrderPadOrder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>

namespace fs = std::filesystem;

namespace
{
class COrderPadTest : public ::testing::Test
{
protected:
    std::vector<fs::path> InboxFiles() const
    {
        std::vector<fs::path> files;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(m_inbox, ec))
            files.push_back(entry.path());
        return files;
    }

    const SOrderLineItem m_piston{"PA31-4-150-V-SG", "1", "Accumulator Division", "Piston, 150 in\xC2\xB3", "", ""};
    const SOrderLineItem m_bottles{"GB3-20G-S1", "2", "Accumulator Division", "Gas Bottle, 20 gal, SAE-16 Gas Port",
                                   "", ""};
    const CTempFolder m_folder;
    const fs::path m_dir = m_folder.Path();
    const fs::path m_inbox = m_dir / "Inbox";
};

TEST_F(COrderPadTest, TwoLineItemsAreWrittenAsTheDocumentLaysThemOut)
{
    COrderPad pad(m_inbox, nullptr);
    const std::vector<std::uint8_t> selection = {0, 0, 0, 0, 0, 1, 1, 3, 0, 0, 0, 0xFF};
    ASSERT_TRUE(pad.AddLineItem(m_piston, &selection));
    ASSERT_TRUE(pad.AddLineItem(m_bottles, nullptr));
    EXPECT_EQ(pad.LineCount(), 2);
    std::string strError;
    ASSERT_TRUE(pad.SendOrder("Accumulator.exe", strError)) << strError;
    EXPECT_EQ(pad.LineCount(), 0);
    // Exactly the document: no temporary file is left beside it.
    ASSERT_EQ(InboxFiles(), std::vector<fs::path>{pad.LastSent()});
    EXPECT_EQ(pad.LastSent().extension(), ".opd");

    const nlohmann::json ole = ReadOle(pad.LastSent());
    const nlohmann::json expected = nlohmann::json::parse(R"([
        ["Root Entry", "root", 0],
        ["Selection Object", "stream", 12],
        ["Part*0", "storage", 0], ["Part Number", "stream", 15], ["Quantity", "stream", 1],
        ["Division", "stream", 20], ["Description", "stream", 15], ["Modification", "stream", 0],
        ["Customer Notes", "stream", 0],
        ["Part*1", "storage", 0], ["Part Number", "stream", 10], ["Quantity", "stream", 1],
        ["Division", "stream", 20], ["Description", "stream", 35], ["Modification", "stream", 0],
        ["Customer Notes", "stream", 0],
        ["Tesmara Name", "stream", 15]])");
    nlohmann::json entries = ole["entries"];
    entries[0][2] = 0; // the root's size is the mini stream's, libgsf's business
    EXPECT_EQ(entries, expected);
    const auto& streams = ole["streams"];
    EXPECT_EQ(streams["Selection Object"], "0000000000010103000000ff");
    EXPECT_EQ(streams["Part*0/Part Number"], Hex("PA31-4-150-V-SG"));
    // Windows-1252: the cube sign is one byte, 0xB3, and nothing ends the text.
    EXPECT_EQ(streams["Part*0/Description"], Hex("Piston, 150 in\xB3"));
    EXPECT_EQ(streams["Part*0/Modification"], "");
    EXPECT_EQ(streams["Part*1/Quantity"], Hex("2"));
    EXPECT_EQ(streams["Tesmara Name"], Hex("Accumulator.exe"));
}

TEST_F(COrderPadTest, AFailedAddOrSendLeavesNothingAndTheNextStartsAfresh)
{
    COrderPad pad(m_inbox, nullptr);
    ASSERT_TRUE(pad.AddLineItem(m_piston, nullptr));
    EXPECT_FALSE(pad.AddLineItem(SOrderLineItem{}, nullptr)); // no part number
    pad.Discard();
    std::string strError;
    EXPECT_FALSE(pad.SendOrder(kOrderPadSenderName, strError));
    EXPECT_EQ(strError, "There is no line item to send.");
    EXPECT_TRUE(InboxFiles().empty());

    // An inbox that cannot be made: nothing is written, and the document is gone.
    std::ofstream(m_dir / "file") << "x";
    COrderPad blocked(m_dir / "file" / "Inbox", nullptr);
    ASSERT_TRUE(blocked.AddLineItem(m_piston, nullptr));
    EXPECT_FALSE(blocked.SendOrder(kOrderPadSenderName, strError));
    EXPECT_NE(strError.find("cannot be created"), std::string::npos) << strError;
    EXPECT_EQ(blocked.LineCount(), 0);

    // The next document starts again at Part*0 and holds only its own line, in one part storage.
    ASSERT_TRUE(pad.AddLineItem(m_bottles, nullptr));
    ASSERT_TRUE(pad.SendOrder(kOrderPadSenderName, strError));
    std::vector<SOrderLine> lines;
    ASSERT_TRUE(ReadOrderPadFile(pad.LastSent(), lines, strError)) << strError;
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].item, m_bottles);
    const nlohmann::json ole = ReadOle(pad.LastSent());
    std::vector<std::string> names;
    for (const auto& entry : ole["entries"])
        if (entry[1] != "stream" || entry[0] == "Tesmara Name")
            names.push_back(entry[0]);
    EXPECT_EQ(names, (std::vector<std::string>{"Root Entry", "Part*0", "Tesmara Name"}));
}

TEST_F(COrderPadTest, TheOrderTakesDocumentsInKeepsEditsAndExportsCsv)
{
    COrderPad pad(m_inbox, nullptr);
    std::string strError;
    ASSERT_TRUE(pad.AddLineItem(m_piston, nullptr) && pad.AddLineItem(m_bottles, nullptr));
    ASSERT_TRUE(pad.SendOrder(kOrderPadSenderName, strError));
    std::ofstream(m_inbox / "Zz-broken.opd") << "not a compound file";
    std::ofstream(m_inbox / ".Order-half.opd") << "being written";

    COrderPadOrder order(m_inbox);
    ASSERT_EQ(order.Load(strError), EOrderLoad::Loaded);
    std::vector<std::string> problems;
    EXPECT_EQ(order.ImportWaiting(problems), 2);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "Zz-broken.opd: It is not a transfer document (no compound file).");
    EXPECT_TRUE(fs::exists(m_inbox / "Rejected" / "Zz-broken.opd"));
    EXPECT_FALSE(fs::exists(pad.LastSent()));
    EXPECT_TRUE(fs::exists(m_inbox / ".Order-half.opd")); // not ours to touch
    ASSERT_EQ(order.Lines().size(), 2u);
    EXPECT_EQ(order.Lines()[0].item, m_piston);

    EXPECT_FALSE(order.SetQuantity(0, "0"));
    EXPECT_FALSE(order.SetQuantity(0, "2.5"));
    EXPECT_FALSE(order.SetQuantity(0, "100000"));
    EXPECT_TRUE(order.SetQuantity(0, "3"));
    EXPECT_TRUE(order.RemoveLine(1));
    EXPECT_FALSE(order.RemoveLine(1));
    ASSERT_TRUE(order.Save(strError)) << strError;

    COrderPadOrder reopened(m_inbox);
    ASSERT_EQ(reopened.Load(strError), EOrderLoad::Loaded) << strError;
    ASSERT_EQ(reopened.Lines().size(), 1u);
    EXPECT_EQ(reopened.Lines()[0].item.strQuantity, "3");
    EXPECT_EQ(reopened.ToCsv(), "\xEF\xBB\xBF" "Part Number,Quantity,Division,Description,Modification,Customer Notes\r\n"
                                "PA31-4-150-V-SG,3,Accumulator Division,\"Piston, 150 in\xC2\xB3\",,\r\n");
}

// A saved order that cannot be read is kept aside, never overwritten by the next import.
TEST_F(COrderPadTest, ADamagedOrderIsKeptAsideAndANewOneStarted)
{
    for (const char* pszDamaged : {R"({"lines": [{"Part Number": "PA)", R"({"lines": [{"Quantity": "1"}]})"})
    {
        fs::remove_all(m_inbox);
        fs::create_directories(m_inbox);
        std::ofstream(m_inbox / "Order.json") << pszDamaged;
        COrderPadOrder order(m_inbox);
        std::string strError, strKept;
        ASSERT_EQ(order.Load(strError), EOrderLoad::Damaged);
        EXPECT_EQ(strError.rfind("The saved order " + (m_inbox / "Order.json").string() + " cannot be read: ", 0), 0u);
        EXPECT_FALSE(order.Save(strError)) << "saved over the damaged order";
        ASSERT_TRUE(order.KeepDamagedAside(strKept));
        const std::vector<fs::path> files = InboxFiles();
        ASSERT_EQ(files.size(), 1u);
        EXPECT_EQ(strKept, "It was kept as \"" + files[0].filename().string() + "\" beside it, and a new order was started.");
        EXPECT_EQ(files[0].filename().string().rfind("Order (damaged ", 0), 0u);
        EXPECT_EQ(FileBytes(files[0]), pszDamaged);
        COrderPad pad(m_inbox, nullptr);
        ASSERT_TRUE(pad.AddLineItem(m_piston, nullptr) && pad.SendOrder(kOrderPadSenderName, strError));
        std::vector<std::string> problems;
        EXPECT_EQ(order.ImportWaiting(problems), 1);
        EXPECT_EQ(FileBytes(files[0]), pszDamaged);
    }
}

// What the order pad's own editing refuses is refused in a document too, with the reason kept
// beside the document in Rejected and every reason of one import told.
TEST_F(COrderPadTest, DocumentsTheOrderCannotHoldAreRejectedWithTheirReasons)
{
    const auto send = [&](const std::string& strName, std::vector<SOrderLineItem> items)
    {
        COrderPadDocumentWriter writer;
        for (std::size_t n = 0; n < items.size(); ++n)
            writer.AddLineItem("Part*" + std::to_string(n), items[n]);
        fs::create_directories(m_inbox);
        std::ofstream(m_inbox / (strName + ".opd"), std::ios::binary) << *writer.Finish(kOrderPadSenderName);
    };
    SOrderLineItem noQuantity = m_piston, zero = m_piston, letters = m_piston, blank = m_piston;
    noQuantity.strQuantity = "", zero.strQuantity = "0", letters.strQuantity = "x", blank.strPartNumber = " ";
    send("a", {});
    send("b", {m_piston, noQuantity});
    send("c", {zero});
    send("d", {letters});
    send("e", {blank});
    // Four documents of 15 KiB each fill an order of at most 64 KiB; a fifth would pass it.
    SOrderLineItem large = m_piston;
    large.strCustomerNotes.assign(15u << 10, 'n');
    for (const char* pszName : {"f", "g", "h", "i", "j"})
        send(pszName, {large});
    COrderPadOrder order(m_inbox, 64u << 10);
    std::vector<std::string> problems;
    EXPECT_EQ(order.ImportWaiting(problems), 4);
    const std::vector<std::string> expected = {
        "a.opd: It holds no line item.",
        "b.opd: Its line item Part*1 has the quantity \"\"; a quantity is a whole number from 1 to 99999.",
        "c.opd: Its line item Part*0 has the quantity \"0\"; a quantity is a whole number from 1 to 99999.",
        "d.opd: Its line item Part*0 has the quantity \"x\"; a quantity is a whole number from 1 to 99999.",
        "e.opd: Its line item Part*0 has no part number."};
    ASSERT_EQ(problems.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(problems.begin(), problems.begin() + 5), expected);
    EXPECT_EQ(problems[5].rfind("j.opd: The order would be larger than ", 0), 0u) << problems[5];
    EXPECT_EQ(FileBytes(m_inbox / "Rejected" / "b.opd.txt"), expected[1].substr(7) + "\n");
    EXPECT_EQ(FolderNames(m_inbox / "Rejected").size(), 12u);
    std::string strError;
    COrderPadOrder reopened(m_inbox, 64u << 10);
    EXPECT_EQ(reopened.Load(strError), EOrderLoad::Loaded) << strError;
    EXPECT_EQ(reopened.Lines().size(), 4u);
}

// Cells a spreadsheet would run as formulas start with an apostrophe; control bytes show as U+FFFD.
TEST(OrderPadCsv, NoCellIsAFormula)
{
    const CTempFolder folder;
    const fs::path& inbox = folder.Path();
    std::ofstream(inbox / "Order.json") << R"json({"lines": [{"Part Number": "=HYPERLINK(\"x\")", "Quantity": "1",
        "Division": "+1", "Description": "-2+3", "Modification": "@SUM(A1)", "Customer Notes": "\tA\u0001\r\nB"}]})json";
    COrderPadOrder order(inbox);
    std::string strError;
    ASSERT_EQ(order.Load(strError), EOrderLoad::Loaded) << strError;
    EXPECT_EQ(order.ToCsv().substr(order.ToCsv().find("\r\n") + 2),
              "\"'=HYPERLINK(\"\"x\"\")\",1,'+1,'-2+3,'@SUM(A1),\"'\tA\xEF\xBF\xBD\r\nB\"\r\n");
}
} // namespace
