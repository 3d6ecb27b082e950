// tesmara catalogue check on the built catalogue and on damaged copies of it.
#include "CatalogueCopy.h"
#include "CliRunner.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

TEST(CatalogueCommand, TheBuiltCatalogueMeetsTheContract)
{
    const SCliRun run = RunCli("catalogue check '" + (fs::path(TESMARA_BUILT_CATALOGUE_DIR) / "AccUS.db").string() + "'");
    EXPECT_EQ(run.nStatus, 0) << run.strOut;
    EXPECT_NE(run.strOut.find("queries checked, 0 problems"), std::string::npos) << run.strOut;
}

TEST(CatalogueCommand, RefusesAFileThatIsNoCatalogue)
{
    const fs::path copy = CopyOfCatalogue("AccYY.db");
    fs::resize_file(copy, 3000);
    EXPECT_TRUE(Refused(RunCli("catalogue check '" + copy.string() + "'"), "DAO error"));
    EXPECT_TRUE(Refused(RunCli("catalogue check '" + (copy.parent_path() / "AccZZ.db").string() + "'")));
    EXPECT_TRUE(Refused(RunCli("catalogue check notes.txt")));
    fs::remove_all(copy.parent_path());
}
