// Start-up logic without a window: language choice, default units, command line, tips, recent files.
#include "RecordingPrompt.h"
#include "TempFolder.h"
#include "app/App.h"
#include "app/OperatingRangeSetting.h"
#include "platform/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace
{
CMemorySettings ThreeLanguages()
{
    CMemorySettings settings;
    const char* const kEntries[][3] = {
        {"English", "us", "500"}, {"French", "FR", "502"}, {"German", "De", "503"}};
    for (const auto& entry : kEntries)
    {
        settings.WriteString(std::string("Language/") + entry[0] + "/Code", entry[1]);
        settings.WriteString(std::string("Language/") + entry[0] + "/ID", entry[2]);
    }
    return settings;
}

std::string ActiveCode(const CMemorySettings& settings, const std::string& strOverride = std::string())
{
    CTesmaraAppSettings app;
    app.Read(settings, strOverride);
    return app.GetLanguageCode();
}
} // namespace

TEST(LanguageChoice, StoredCodeMatchesWithoutCaseCommandLineWinsUnknownTakesTheFirst)
{
    const char* const kCases[][3] = {// stored, command line, active
                                     {"de", "", "DE"},
                                     {"de", "FR", "FR"},
                                     {"XX", "", "US"},
                                     {"XX", "IT", "US"},
                                     {nullptr, "", "US"}};
    for (const auto& c : kCases)
    {
        CMemorySettings settings = ThreeLanguages();
        if (c[0])
            settings.WriteString("Language", c[0]);
        EXPECT_EQ(ActiveCode(settings, c[1]), c[2]) << (c[0] ? c[0] : "none") << " " << c[1];
    }

    CMemorySettings settings = ThreeLanguages();
    settings.WriteString("Language", "de");
    CTesmaraAppSettings app;
    app.Read(settings, "");
    EXPECT_EQ(app.GetLanguageName(), "German");
    EXPECT_EQ(app.GetLanguageNameId(), 503);
}

TEST(LanguageChoice, NoLanguageTableIsReportedAndLeavesItEmpty)
{
    CPromptCapture prompt;
    CMemorySettings settings;
    settings.WriteString("Language", "US");
    CTesmaraAppSettings app;
    app.Read(settings, "");
    ASSERT_EQ(prompt->Texts().size(), 1u);
    EXPECT_EQ(prompt->Texts()[0], "Failed to get language info from registry");
    EXPECT_TRUE(app.m_languages.empty());
    EXPECT_EQ(app.GetLanguageCode(), "");
    EXPECT_TRUE(app.NetPath.empty());
}

TEST(DefaultUnitsFromSettings, UnknownOrForeignCodesFallBackToThePresetInForce)
{
    CMemorySettings settings = ThreeLanguages();
    settings.WriteString("DefaultUnits/UnitType", "0");
    settings.WriteString("DefaultUnits/21081", "FURLONG"); // no such unit
    settings.WriteString("DefaultUnits/21080", "BAR");     // a pressure unit for temperature
    settings.WriteString("DefaultUnits/21082", "GAL");
    settings.WriteString("DefaultUnits/Metric/21085", "CM");
    CTesmaraAppSettings app;
    app.Read(settings, "");
    EXPECT_EQ(app.GetDefaultUnit(21081), "BARG");
    EXPECT_EQ(app.GetDefaultUnit(21080), "DEG_C");
    EXPECT_EQ(app.GetDefaultUnit(21082), "GAL");
    EXPECT_EQ(app.GetDefaultUnit(21085), "CM"); // missing: from the stored metric preset
    EXPECT_EQ(app.GetDefaultUnit(21098), "");
    EXPECT_EQ(app.m_defaultUnits.UnitType(), CDefaultUnits::kMetric);
    EXPECT_EQ(app.m_standardUnits, CDefaultUnits::Standard());
}

TEST(DefaultUnitsFromSettings, StoredTableReadsBackInAllEighteenCategories)
{
    CMemorySettings settings = ThreeLanguages();
    CTesmaraAppSettings app;
    app.Read(settings, "");
    EXPECT_EQ(app.m_defaultUnits.UnitType(), CDefaultUnits::kStandard);
    app.m_defaultUnits = CDefaultUnits::Metric();
    app.m_defaultUnits.SetDefaultUnit(21081, "PSIG");
    app.m_defaultUnits.SetUnitType(CDefaultUnits::kCustom);
    ASSERT_TRUE(app.WriteDefaultUnits(settings));

    CTesmaraAppSettings again;
    again.Read(settings, "");
    EXPECT_EQ(again.m_defaultUnits, app.m_defaultUnits);
}

TEST(CommandLine, LanguageIsExactlySlashAndTwoLetters)
{
    CCmdLineInfo info;
    std::string strError;
    ASSERT_TRUE(info.Parse({"/fr", "/home/user/pump.Ac3"}, strError));
    EXPECT_EQ(info.m_strLanguage, "FR");
    EXPECT_EQ(info.m_strFileName, "/home/user/pump.Ac3");
    EXPECT_TRUE(info.m_bShowSplash);

    for (const char* pszPath : {"/tmp/x.Ac3", "/F1", "/abc", "a/de"})
        EXPECT_FALSE(CCmdLineInfo::IsLanguageArgument(pszPath)) << pszPath;

    CCmdLineInfo spelled;
    ASSERT_TRUE(spelled.Parse({"--no-splash", "--language", "de"}, strError));
    EXPECT_EQ(spelled.m_strLanguage, "DE");
    EXPECT_FALSE(spelled.m_bShowSplash);

    // Printing takes the file after "/p" and never shows the splash.
    CCmdLineInfo print;
    ASSERT_TRUE(print.Parse({"/p", "/home/user/pump.Ac3"}, strError));
    EXPECT_TRUE(print.m_bPrint);
    EXPECT_EQ(print.m_strFileName, "/home/user/pump.Ac3");
    EXPECT_FALSE(print.m_bShowSplash);
}

TEST(CommandLine, BadArgumentsAreRefusedWithAReason)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--language"}, {"--language", "deu"}, {"--langauge=DE"}, {"-x"}, {"a.Ac3", "b.Ac3"},
        {"/p"}, {"a.Ac3", "/p", "b.Ac3"}, {"/p", "a.Ac3", "/p", "b.Ac3"}};
    for (const auto& args : bad)
    {
        CCmdLineInfo info;
        std::string strError;
        EXPECT_FALSE(info.Parse(args, strError)) << args[0];
        EXPECT_FALSE(strError.empty());
    }
}

class TipFileTest : public ::testing::Test
{
protected:
    void SetUp() override { Write("; comment\nFirst tip\n\nSecond tip\r\n; another\nThird tip"); }
    void Write(const std::string& strText) { std::ofstream(m_path, std::ios::binary) << strText; }

    const CTempFolder m_folder;
    const fs::path m_path = m_folder / "tips.txt";
};

TEST_F(TipFileTest, TipsSkipCommentsGoRoundAndResumeOnlyForTheSameTimeStamp)
{
    CTipFile first;
    ASSERT_EQ(first.Open(m_path, 0, ""), CTipFile::EState::Ok);
    EXPECT_EQ(first.NextTip(), "First tip");
    const std::int64_t nAfterFirst = first.FilePos();
    EXPECT_EQ(first.NextTip(), "Second tip");
    EXPECT_EQ(first.NextTip(), "Third tip");
    EXPECT_EQ(first.NextTip(), "First tip");

    CTipFile next;
    ASSERT_EQ(next.Open(m_path, nAfterFirst, first.TimeStamp()), CTipFile::EState::Ok);
    EXPECT_EQ(next.NextTip(), "Second tip");
    CTipFile edited;
    ASSERT_EQ(edited.Open(m_path, nAfterFirst, first.TimeStamp() + "1"), CTipFile::EState::Ok);
    EXPECT_EQ(edited.NextTip(), "First tip");
    // A position past the end, as after the file was shortened, starts again too.
    CTipFile beyond;
    ASSERT_EQ(beyond.Open(m_path, 1 << 20, first.TimeStamp()), CTipFile::EState::Ok);
    EXPECT_EQ(beyond.NextTip(), "First tip");
}

TEST_F(TipFileTest, MissingFileAndFileWithoutTipsAreTold)
{
    CTipFile file;
    EXPECT_EQ(file.Open(m_path.string() + ".none", 0, ""), CTipFile::EState::Missing);
    Write("; only a comment\n\n");
    EXPECT_EQ(file.Open(m_path, 0, ""), CTipFile::EState::Unreadable);
    EXPECT_EQ(file.Open(m_folder.Path(), 0, ""), CTipFile::EState::Unreadable);
}

TEST(RecentFiles, NewestFirstWithoutRepeatsAndAtMostFour)
{
    CRecentFileList list;
    for (const char* pszName : {"/s/a.Ac3", "/s/b.Ac3", "/s/c.Ac3", "/s/d.Ac3", "/s/e.Ac3", "/s/x/../c.Ac3"})
        list.Add(pszName);
    EXPECT_EQ(list.Files(), (std::vector<std::string>{"/s/c.Ac3", "/s/e.Ac3", "/s/d.Ac3", "/s/b.Ac3"}));

    CMemorySettings settings;
    ASSERT_TRUE(list.Write(settings));
    EXPECT_EQ(settings.ReadString("Recent File List/File1"), "/s/c.Ac3");
    list.Remove(0);
    list.Remove(9);
    list.Write(settings);
    CRecentFileList again;
    again.Read(settings);
    EXPECT_EQ(again.Files(), (std::vector<std::string>{"/s/e.Ac3", "/s/d.Ac3", "/s/b.Ac3"}));
}

TEST(OperatingRange, StoredInTheMinimumsUnitAndReadBackOnlyWhole)
{
    CMemorySettings settings;
    ASSERT_TRUE(WriteLastOperatingRange(settings, {true, true, CUnitDouble(-40.0, "DEG_C"), CUnitDouble(212.0, "DEG_F")}));
    EXPECT_EQ(settings.ReadString("OperatingTemperatures/Unit"), "DEG_C");
    const SOperatingTemperatures back = ReadLastOperatingRange(settings);
    ASSERT_TRUE(back.IsGiven());
    EXPECT_EQ(back.sdOperatingTempMax.GetUnit(), "DEG_C");
    EXPECT_NEAR(back.sdOperatingTempMax.Value(), 100.0, 1e-9); // 212 °F
    EXPECT_EQ(back.sdOperatingTempMin.Value(), -40.0);
    // A damaged number stored by hand: no range, rather than half of one.
    ASSERT_TRUE(settings.WriteString("OperatingTemperatures/Maximum", "1e999"));
    EXPECT_FALSE(ReadLastOperatingRange(settings).IsGiven());
}
