// The transfer document read back by olefile (names, order, exact bytes), whole-or-nothing
// sending, and the order pad's order: taking documents in, quantities, removal, CSV.
#include "OleReadBack.h"
#include "outputs/OrderPad.h"
#include "outputs/OrderPadOrder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace
{
class COrderPadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("tesmara-orderpad-" + std::to_string(std::random_device()()));
        m_inbox = m_dir / "Inbox";
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

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
    fs::path m_dir;
    fs::path m_inbox;
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

TEST_F(COrderPadTest, OneLineItemWithoutASelectionIsOnePartStorage)
{
    COrderPad pad(m_inbox, nullptr);
    ASSERT_TRUE(pad.AddLineItem(m_bottles, nullptr));
    std::string strError;
    ASSERT_TRUE(pad.SendOrder(kOrderPadSenderName, strError)) << strError;
    const nlohmann::json ole = ReadOle(pad.LastSent());
    std::vector<std::string> names;
    for (const auto& entry : ole["entries"])
        if (entry[1] != "stream" || entry[0] == "Tesmara Name")
            names.push_back(entry[0]);
    EXPECT_EQ(names, (std::vector<std::string>{"Root Entry", "Part*0", "Tesmara Name"}));
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

    // The next document starts again at Part*0 and holds only its own line.
    ASSERT_TRUE(pad.AddLineItem(m_bottles, nullptr));
    ASSERT_TRUE(pad.SendOrder(kOrderPadSenderName, strError));
    std::vector<SOrderLine> lines;
    ASSERT_TRUE(ReadOrderPadFile(pad.LastSent(), lines, strError)) << strError;
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].item, m_bottles);
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
    ASSERT_TRUE(order.Load(strError));
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
    ASSERT_TRUE(reopened.Load(strError)) << strError;
    ASSERT_EQ(reopened.Lines().size(), 1u);
    EXPECT_EQ(reopened.Lines()[0].item.strQuantity, "3");
    EXPECT_EQ(reopened.ToCsv(), "\xEF\xBB\xBF" "Part Number,Quantity,Division,Description,Modification,Customer Notes\r\n"
                                "PA31-4-150-V-SG,3,Accumulator Division,\"Piston, 150 in\xC2\xB3\",,\r\n");
}
} // namespace
