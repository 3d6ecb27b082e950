// Every writer of the engine on a full file system: it says so, and the file it would have
// replaced is left whole, with no temporary file beside it.
#include "CompleteSelections.h"
#include "FullDisk.h"
#include "outputs/CadDrawing.h"
#include "outputs/CadFiles.h"
#include "outputs/OrderPad.h"
#include "outputs/OrderPadOrder.h"
#include "outputs/XmlExport.h"

#include <functional>

namespace
{
namespace fs = std::filesystem;

const SOrderLineItem kLine{"PA31-4-150-VS-G", "1", "Accumulator Division", "Piston", "", ""};

struct SWriter
{
    const char* pszName;
    const char* pszFile; // the file it writes, there with old bytes beforehand
    std::function<void(const fs::path& folder)> fnBefore;
    std::function<bool(const fs::path& folder, std::string& strError)> fnWrite;
};

TEST(FullDisk, EveryWriterSaysSoAndLeavesTheOldFileWhole)
{
    const SSelectionHeader header = UsHeader();
    const CAccumulatorData piston = CompletePiston();
    const CCadDrawing drawing;
    const auto sendOne = [](const fs::path& inbox, std::string& strError)
    {
        COrderPad pad(inbox, nullptr);
        return pad.AddLineItem(kLine, nullptr) && pad.SendOrder(kOrderPadSenderName, strError);
    };
    const std::vector<SWriter> writers = {
        {"selection", "s.Ac3", nullptr,
         [&](const fs::path& f, std::string& e) { return SaveSelectionFile(f / "s.Ac3", header, piston, e); }},
        {"XML export", "s.xml", nullptr,
         [&](const fs::path& f, std::string& e) { return ExportSelectionXml(f / "s.xml", header, piston, e); }},
        {"CAD files", "d.dxf", nullptr,
         [&](const fs::path& f, std::string& e) {
             return WriteCadFiles(drawing, {{f / "d.dxf", ECadFormat::Dxf}, {f / "d.svg", ECadFormat::Svg}}, e);
         }},
        {"transfer document", "Order.json", nullptr, sendOne},
        {"order and its import", "Order.json", [&](const fs::path& f) { std::string e; ASSERT_TRUE(sendOne(f, e)) << e; },
         [&](const fs::path& f, std::string& e) {
             COrderPadOrder order(f);
             std::vector<std::string> problems;
             const int nAdded = order.ImportWaiting(problems);
             e = problems.empty() ? std::string() : problems.front();
             return nAdded > 0 || problems.empty();
         }},
        {"CSV export", "o.csv", nullptr,
         [&](const fs::path& f, std::string& e) { return WriteFileWhole(f / "o.csv", "a,b\r\n", e); }},
    };
    for (const SWriter& writer : writers)
    {
        SCOPED_TRACE(writer.pszName);
        CFullDisk disk;
        TESMARA_REQUIRE_FULL_DISK(disk);
        std::ofstream(disk.Folder() / writer.pszFile) << "old";
        if (writer.fnBefore)
            writer.fnBefore(disk.Folder());
        disk.Fill();
        const std::vector<std::string> before = FolderNames(disk.Folder());
        std::string strError;
        EXPECT_FALSE(writer.fnWrite(disk.Folder(), strError));
        EXPECT_NE(strError.find("No space left on device"), std::string::npos) << strError;
        EXPECT_EQ(FileBytes(disk.Folder() / writer.pszFile), "old");
        EXPECT_EQ(FolderNames(disk.Folder()), before);
    }
}
} // namespace
