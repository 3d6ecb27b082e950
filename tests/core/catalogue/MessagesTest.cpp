// Message texts and pictures read from the catalogue.
#include "CatalogueFixture.h"
#include "RecordingPrompt.h"

TEST_F(CCatalogueTest, MessagesByTextAndByNumber)
{
    CIMsgStoredProc messages(m_db);
    EXPECT_EQ(messages.GetMessage("AboveMaxTempMessage"), "Too hot^nCool it");
    EXPECT_EQ(messages.GetMessage(7), "Too hot^nCool it");
    EXPECT_EQ(messages.GetMessage("BelowMinTempMessage"), "Message not found: BelowMinTempMessage");
    EXPECT_EQ(messages.GetMessage(-12), "Message not found: -12");
    // A row whose text is null is found, with empty text.
    EXPECT_EQ(messages.GetMessage(8), "");
}

TEST(CCatalogueMessages, CatalogueWithoutMessageQueriesThrows)
{
    CTempFolder folder;
    WriteDatabase(folder.Path() / "AccUS.db", "CREATE TABLE QueryDefs(Name TEXT PRIMARY KEY, Sql TEXT);");
    IDatabase db;
    ASSERT_TRUE(db.Open(folder.Path(), "Acc", "US"));
    CIMsgStoredProc messages(db);
    EXPECT_THROW(messages.GetMessage("AboveMaxTempMessage"), CCatalogueError);
    EXPECT_THROW(messages.GetMessage(7), CCatalogueError);
}

TEST_F(CCatalogueTest, PicturesFoundMissingOrNotABlob)
{
    CPromptCapture prompt;
    // The last row wins.
    EXPECT_EQ(CLoadJpeg::Load("piston", m_db), (std::vector<std::uint8_t>{0xFF, 0xD8, 0x02}));
    EXPECT_EQ(CLoadJpeg::Load("no such picture", m_db), std::nullopt);
    EXPECT_EQ(CLoadJpeg::Load("gone", m_db), std::nullopt);
    EXPECT_EQ(CLoadJpeg::Load("mixed", m_db), std::nullopt);
    EXPECT_EQ(CLoadJpeg::Load("empty", m_db), std::nullopt);
    // A missing picture shows nothing.
    EXPECT_TRUE(prompt->Texts().empty());
}
