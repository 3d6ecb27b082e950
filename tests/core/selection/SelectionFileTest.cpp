// The selection file: its exact layout, a full round trip, the open command's checks, and
// the refusal of every file that is not a whole, sound selection.
#include "../catalogue/CatalogueFixture.h"
#include "RecordingPrompt.h"
#include "SelectionSupport.h"

#include "selection/SelectionFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>


using Bytes = std::vector<std::uint8_t>;

namespace
{
constexpr std::size_t kProductBlock = kHeaderASize + kHeaderBSize;
constexpr std::size_t kSelectionStart = kProductBlock + 4 + 1 + 2 + 4;

SSelectionHeader Header(int nProdId = 0)
{
    return {"US",          "U.S. English", 500,  "European Accumulators", nProdId, "Accumulators",
            "Pist\u00F3n", true,           false};
}

Bytes ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::int32_t IntAt(const Bytes& b, std::size_t n)
{
    return static_cast<std::int32_t>(b[n] | b[n + 1] << 8 | b[n + 2] << 16 | std::uint32_t(b[n + 3]) << 24);
}

std::string TextAt(const Bytes& bytes, std::size_t nOffset, std::size_t nSize)
{
    return std::string(bytes.begin() + nOffset, bytes.begin() + nOffset + nSize);
}

std::string Refusal(const Bytes& bytes)
{
    std::string strError;
    EXPECT_FALSE(ReadSelectionBytes(bytes, strError).has_value());
    EXPECT_FALSE(strError.empty());
    return strError;
}

std::size_t Entries(const std::filesystem::path& folder)
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}
} // namespace

TEST(SelectionFile, HeadersAndProductBlockHaveTheirExactBytes)
{
    SSelectionHeader h = Header(1);
    h.strProdDescription = std::string(400, 'x');
    const Bytes bytes = WriteSelectionBytes(h, CAccumulatorData());
    EXPECT_EQ(TextAt(bytes, 0, 53), std::string("US\0U.S. English", 15) + std::string(38, '\0'));
    EXPECT_EQ(TextAt(bytes, 53, 51), "European Accumulators" + std::string(30, '\0'));
    EXPECT_EQ(IntAt(bytes, 104), 3);
    EXPECT_EQ(IntAt(bytes, 108), 0);
    EXPECT_EQ(IntAt(bytes, 112), 500);
    EXPECT_EQ(TextAt(bytes, 116, 252), std::string(252, '\0'));
    EXPECT_EQ(IntAt(bytes, 368), 1);
    EXPECT_EQ(TextAt(bytes, 372, 50), "Accumulators" + std::string(38, '\0'));
    // Too long for its field: cut so that the terminator still fits.
    EXPECT_EQ(TextAt(bytes, 422, 306), std::string(305, 'x') + '\0');
    EXPECT_EQ(IntAt(bytes, kProductBlock), 1);
    EXPECT_EQ(TextAt(bytes, kProductBlock + 4, 3), std::string("\0\1\0", 3)) << "modified, two status flags";
    EXPECT_EQ(IntAt(bytes, kProductBlock + 7), 3);
    EXPECT_EQ(TextAt(WriteSelectionBytes(Header(), CAccumulatorData()), 422, 7),
              std::string("Pist\xF3n\0", 7));
}

TEST(SelectionFile, EachStatusFlagHasItsOwnByteAndComesBack)
{
    for (const auto& [bPartNumber, bComplete] : {std::pair{true, false}, std::pair{false, true}})
    {
        SSelectionHeader h = Header();
        h.bPartNumberAvailable = bPartNumber;
        h.bSelectionComplete = bComplete;
        const Bytes bytes = WriteSelectionBytes(h, CAccumulatorData());
        EXPECT_EQ(bytes[kProductBlock + 4], 0) << "a saved selection is never marked modified";
        EXPECT_EQ(bytes[kProductBlock + 5], bPartNumber ? 1 : 0);
        EXPECT_EQ(bytes[kProductBlock + 6], bComplete ? 1 : 0);
        std::string strError;
        const auto loaded = ReadSelectionBytes(bytes, strError);
        ASSERT_TRUE(loaded) << strError;
        EXPECT_EQ(loaded->header.bPartNumberAvailable, bPartNumber);
        EXPECT_EQ(loaded->header.bSelectionComplete, bComplete);
    }
}

TEST(SelectionFile, EveryFieldIsStoredInOrderAndComesBackExactly)
{
    CTempFolder folder;
    CAccumulatorData d;
    const CArchive expected = CSelectionFiller(d).Fill();
    const Bytes bytes = WriteSelectionBytes(Header(), d);
    ASSERT_EQ(Bytes(bytes.begin() + kSelectionStart, bytes.end()), expected.Bytes());

    std::string strError;
    const auto path = folder.Path() / "full.Ac3";
    ASSERT_TRUE(SaveSelectionFile(path, Header(), d, strError)) << strError;
    EXPECT_EQ(ReadAll(path), bytes);
    const auto loaded = LoadSelectionFile(path, strError);
    ASSERT_TRUE(loaded) << strError;
    EXPECT_EQ(loaded->header, Header());
    const auto& back = dynamic_cast<const CAccumulatorData&>(*loaded->pSelection);
    // The same bytes again: every stored field, with its exact unit, events and options in order.
    EXPECT_EQ(WriteSelectionBytes(Header(), back), bytes);
    EXPECT_TRUE(back.IsEqual(d));
    EXPECT_EQ(back.m_strDump, "");
    EXPECT_EQ(back.m_pOwner, nullptr);
}

TEST(SelectionFile, TheSecondPumpRunningCopyWins)
{
    CAccumulatorData d;
    d.bIsPumpRunning = 0;
    const Bytes off = WriteSelectionBytes(Header(), d);
    d.bIsPumpRunning = 1;
    Bytes mixed = WriteSelectionBytes(Header(), d);
    std::vector<std::size_t> diffs;
    for (std::size_t i = 0; i < mixed.size(); ++i)
        if (mixed[i] != off[i])
            diffs.push_back(i);
    ASSERT_EQ(diffs.size(), 2u);
    std::string strError;
    for (int nSecond : {0, 1})
    {
        mixed[diffs[0]] = static_cast<std::uint8_t>(1 - nSecond);
        mixed[diffs[1]] = static_cast<std::uint8_t>(nSecond);
        const auto loaded = ReadSelectionBytes(mixed, strError);
        ASSERT_TRUE(loaded) << strError;
        EXPECT_EQ(static_cast<const CAccumulatorData&>(*loaded->pSelection).bIsPumpRunning, nSecond);
    }
}

TEST(SelectionFile, TruncatedTrailingAndMismatchedFilesAreRefused)
{
    CAccumulatorData d;
    CSelectionFiller(d).Fill();
    const Bytes bytes = WriteSelectionBytes(Header(), d);
    for (std::size_t n = 0; n < bytes.size(); ++n)
        ASSERT_NE(Refusal(Bytes(bytes.begin(), bytes.begin() + n))
                      .find("is not a valid Accumulator selection file."),
                  std::string::npos)
            << n;
    Bytes longer = bytes;
    longer.push_back(0);
    EXPECT_NE(Refusal(longer).find("More data follows"), std::string::npos);
    Bytes mismatched = bytes;
    mismatched[kProductBlock] = 1; // header B still says 0
    EXPECT_NE(Refusal(mismatched).find("different products"), std::string::npos);

    for (int nProdId : {-1, 6, 7, 1 << 30})
    {
        Bytes other = bytes;
        for (int i = 0; i < 4; ++i)
            other[kHeaderASize + i] = static_cast<std::uint8_t>(nProdId >> (8 * i));
        EXPECT_NE(Refusal(other).find("belongs to no product"), std::string::npos) << nProdId;
    }
    // An accumulator's bytes under the header of another product do not read as that product.
    for (int nProdId : {2, 3, 4, 5})
        Refusal(WriteSelectionBytes(Header(nProdId), d));
}

TEST(SelectionFile, HostileCountsLengthsAndSizesAreRefusedBeforeAnyAllocation)
{
    // A fresh selection: two empty code lists, the level, four values with empty units, the events.
    const Bytes bytes = WriteSelectionBytes(Header(), CAccumulatorData());
    const std::size_t nEvents = kSelectionStart + 2 + 2 + 4 + 4 * 9;
    const Bytes kHuge = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}; // a 32-bit count or length near 2^31
    for (std::size_t nAt : {kSelectionStart, kSelectionStart + 2, nEvents, nEvents - 9})
    {
        Bytes hostile = bytes;
        hostile.erase(hostile.begin() + nAt, hostile.begin() + nAt + (nAt == nEvents - 9 ? 1 : 2));
        hostile.insert(hostile.begin() + nAt, kHuge.begin(), kHuge.end());
        hostile.resize(hostile.size() + 4096);
        Refusal(hostile);
    }
    // Few enough for one-byte elements, too many for whole events.
    Bytes events = bytes;
    events[nEvents] = 0x40;
    EXPECT_NE(Refusal(events).find("count larger than its contents"), std::string::npos);
    // Room enough for them, but more events than ten actuators of ten events each.
    events[nEvents] = 101;
    events.resize(events.size() + 101 * 83);
    EXPECT_NE(Refusal(events).find("holds 101 entries of a list that has at most 100"), std::string::npos);

    CTempFolder folder;
    const auto path = folder.Path() / "huge.Ac3";
    WriteAll(path, bytes);
    std::filesystem::resize_file(path, kMaxSelectionFileSize + 1);
    std::string strError;
    EXPECT_FALSE(LoadSelectionFile(path, strError));
    EXPECT_NE(strError.find("larger than any selection"), std::string::npos);
}

TEST(SelectionFile, WhatCouldNotBeKeptOrOpenedAgainIsNotSaved)
{
    CTempFolder folder;
    const auto path = folder.Path() / "kept.Ac3";
    CAccumulatorData d;
    CSelectionFiller(d).Fill();
    std::string strError;
    ASSERT_TRUE(SaveSelectionFile(path, Header(), d, strError)) << strError;
    const Bytes old = ReadAll(path);

    // No product chosen yet: a file that could not be opened again is not written.
    CAccumulatorData changed(d);
    EXPECT_FALSE(SaveSelectionFile(path, Header(6), changed, strError));
    EXPECT_FALSE(strError.empty());
    // A text the reader would refuse as larger than any selection.
    changed.strApplicationText = std::string(kMaxSelectionFileSize, 'y');
    EXPECT_FALSE(SaveSelectionFile(path, Header(), changed, strError));
    EXPECT_NE(strError.find("larger than any selection file"), std::string::npos) << strError;
    // A check mark and a Greek letter would read back as "?".
    changed.strApplicationText = "Lift ✓ α";
    EXPECT_FALSE(SaveSelectionFile(path, Header(), changed, strError));
    EXPECT_NE(strError.find("The text \"Lift ? ?\" holds characters that a selection file cannot hold"),
              std::string::npos)
        << strError;
    EXPECT_EQ(ReadAll(path), old);

    // A file its owner made read-only stays as it is.
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    changed.strApplicationText = "Lift";
    EXPECT_FALSE(SaveSelectionFile(path, Header(), changed, strError));
    EXPECT_NE(strError.find("The file is read-only."), std::string::npos) << strError;
    EXPECT_EQ(ReadAll(path), old);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(Entries(folder.Path()), 1u) << "no temporary file is left behind";
    ASSERT_TRUE(SaveSelectionFile(path, Header(), changed, strError)) << strError;
    EXPECT_EQ(ReadAll(path), WriteSelectionBytes(Header(), changed));
    // A folder in the file's place, or a folder that does not exist.
    std::filesystem::create_directory(folder.Path() / "dir.Ac3");
    EXPECT_FALSE(SaveSelectionFile(folder.Path() / "dir.Ac3", Header(), d, strError));
    EXPECT_EQ(Entries(folder.Path()), 2u);
    EXPECT_FALSE(SaveSelectionFile(folder.Path() / "none" / "x.Ac3", Header(), d, strError));

    // A link, also one whose target does not exist yet, is saved through and stays a link.
    const auto link = folder.Path() / "link.Ac3";
    std::filesystem::create_symlink("target.Ac3", link);
    ASSERT_TRUE(SaveSelectionFile(link, Header(), changed, strError)) << strError;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadAll(folder.Path() / "target.Ac3"), WriteSelectionBytes(Header(), changed));

    // The longest name a folder allows leaves no room for a long temporary name beside it.
    const auto longest = folder.Path() / (std::string(251, 'n') + ".Ac3");
    ASSERT_TRUE(SaveSelectionFile(longest, Header(), changed, strError)) << strError;
    EXPECT_TRUE(LoadSelectionFile(longest, strError)) << strError;
}

TEST(SelectionFile, OpenCheckFollowsExtensionAndLanguage)
{
    CTempFolder folder;
    const std::vector<SInstalledLanguage> languages = {{"US", 500}, {"fr", 502}};
    auto check = [&](const std::string& strName, const std::string& strCode, int nNameId)
    {
        SSelectionHeader h = Header();
        h.strLanguageCode = strCode;
        h.nLanguageNameId = nNameId;
        WriteAll(folder.Path() / strName, WriteSelectionBytes(h, CAccumulatorData()));
        return CheckSelectionFileForOpen(folder.Path() / strName, "US", languages);
    };
    for (const char* pszName : {"x.txt", "x.ac3", "x.AC3"})
    {
        const SOpenCheck result = check(pszName, "US", 500);
        EXPECT_EQ(result.eOutcome, EOpenCheck::WrongExtension) << pszName;
        EXPECT_EQ(result.strMessage,
                  PathText(folder.Path() / pszName) + " is not a valid Accumulator selection file.");
    }
    EXPECT_EQ(check("us.Ac3", "US", 500).eOutcome, EOpenCheck::Open);
    const SOpenCheck french = check("fr.Ac3", "FR", 502);
    EXPECT_EQ(french.eOutcome, EOpenCheck::SwitchLanguage);
    EXPECT_EQ(french.nLanguageIndex, 1);
    EXPECT_EQ(
        french.strMessage,
        "The selection you are trying to open was created in French.  Your language selection will now be "
        "switched.");
    const SOpenCheck german = check("de.Ac3", "DE", 503);
    EXPECT_EQ(german.eOutcome, EOpenCheck::LanguageNotInstalled);
    EXPECT_EQ(german.strMessage,
              "The selection you are trying to open was created in German, which you do not "
              "have installed.  You cannot open this selection.");
    EXPECT_NE(check("odd.Ac3", "XX", 99999).strMessage.find("in XX,"), std::string::npos)
        << "unknown id: the code";

    WriteAll(folder.Path() / "short.Ac3", Bytes(100, 0));
    EXPECT_EQ(CheckSelectionFileForOpen(folder.Path() / "short.Ac3", "US", languages).eOutcome,
              EOpenCheck::Unreadable);
    EXPECT_EQ(SelectionFileTitle(folder.Path() / "pump.Ac3"), "pump   Selection");
}

TEST(SelectionFile, KeptFuzzFindingsAreRefusedCleanly)
{
    std::size_t nFiles = 0;
    CPromptCapture prompt;
    for (const auto& entry : std::filesystem::directory_iterator(TESMARA_FUZZ_REGRESSIONS_DIR))
    {
        if (entry.path().extension() == ".md")
            continue;
        ++nFiles;
        std::string strError;
        EXPECT_FALSE(LoadSelectionFile(entry.path(), strError)) << entry.path();
        EXPECT_FALSE(strError.empty()) << entry.path();
    }
    EXPECT_GT(nFiles, 0u);
}
