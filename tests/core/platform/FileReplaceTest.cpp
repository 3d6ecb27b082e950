// The one writer on what is not a plain file (FIFOs, devices, folders, links to them), and
// texts from files kept from acting on a terminal.
#include "FullDisk.h"
#include "TempFolder.h"
#include "platform/ControlText.h"
#include "platform/FileReplace.h"

#include <thread>

#include <sys/stat.h>

namespace fs = std::filesystem;

TEST(FileReplace, DevicesAndFifosAreWrittenThroughNeverReplaced)
{
    const CTempFolder folder;
    const fs::path& dir = folder.Path();
    std::string strReason;
    // A FIFO that nobody reads is refused at once rather than waited for, and stays a FIFO.
    const fs::path fifo = dir / "out.pdf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReplaceFileContents(fifo, "bytes", strReason));
    EXPECT_EQ(strReason, "No program reads from it");
    // With a reader, the bytes go through it; a link to it is followed.
    fs::create_symlink(fifo, dir / "link.pdf");
    std::string strRead;
    std::thread reader([&] { strRead = FileBytes(fifo); });
    bool bWritten = false;
    for (int n = 0; n < 5000 && !bWritten; ++n) // until the reader has opened its end
        if (!(bWritten = ReplaceFileContents(dir / "link.pdf", "through the pipe", strReason)))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (!bWritten)
        std::ofstream(fifo) << "";
    reader.join();
    EXPECT_EQ(strRead, "through the pipe");
    EXPECT_TRUE(fs::is_fifo(fifo) && fs::is_symlink(dir / "link.pdf"));

    // A device is written through (as root, a rename would have replaced /dev/null).
    fs::create_symlink("/dev/null", dir / "null.dxf");
    EXPECT_TRUE(ReplaceFileContents(dir / "null.dxf", "gone", strReason)) << strReason;
    EXPECT_TRUE(fs::is_character_file("/dev/null") && fs::is_symlink(dir / "null.dxf"));
    EXPECT_FALSE(ReplaceFileContents("/dev/full", "no room", strReason));
    EXPECT_EQ(strReason, "No space left on device");
    EXPECT_FALSE(ReplaceFileContents(dir, "a folder", strReason));
    EXPECT_EQ(strReason, "It is a folder");
    EXPECT_EQ(FolderNames(dir), (std::vector<std::string>{"link.pdf", "null.dxf", "out.pdf"}));
}

TEST(ControlText, NothingFromAFileActsOnATerminalOrBreaksALine)
{
    const std::string strHostile = "A\x1b[2J\n\\B\t\xC2\x9B" "C\xE2\x80\xAE" "D\xFF\x7F";
    EXPECT_EQ(TerminalText(strHostile), "A\\x1b[2J\\n\\\\B\\t\\u009bC\\u202eD\\xff\\x7f");
    // A message keeps its own line breaks and backslashes.
    EXPECT_EQ(TerminalMessage(strHostile), "A\\x1b[2J\n\\B\\t\\u009bC\\u202eD\\xff\\x7f");
    EXPECT_EQ(OneLineText(strHostile), "A [2J \\B  C\xE2\x80\xAE" "D  ");
}
