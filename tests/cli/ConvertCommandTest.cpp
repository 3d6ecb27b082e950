// tesmara convert and tesmara units as a user runs them.
#include "CliRunner.h"

#include <gtest/gtest.h>

TEST(ConvertCommand, ConvertsWithDisplayTexts)
{
    SCliRun run = RunCli("convert 3000 PSIG BAR");
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strOut, "3000 psi = 207.86 bar a\n");
    // Display texts are accepted in place of codes, also without their blanks; decimals are the user's.
    run = RunCli("convert 1 bara psia --decimals 4");
    EXPECT_EQ(run.strOut, "1 bar a = 14.5038 psia\n");
    run = RunCli("convert 3000 psi 'bar g'");
    EXPECT_EQ(run.strOut, "3000 psi = 206.84 bar g\n");
    run = RunCli("convert -40 DEG_C DEG_F");
    EXPECT_EQ(run.strOut, "-40 \u00B0C = -40 \u00B0F\n");
}

TEST(ConvertCommand, RefusesBadInputWithStatusTwo)
{
    const SCliRun run = RunCli("convert 5 BAR GPM");
    EXPECT_TRUE(Refused(run, "These units are incompatible BAR GPM"));
    EXPECT_EQ(run.strOut, "");
    EXPECT_TRUE(Refused(RunCli("convert 5 Bar PSIA"), "Unit Not Found  Bar"));
    // The engine's messages in the language of --language.
    EXPECT_TRUE(Refused(RunCli("--language DE convert 5 BAR GPM"), "Diese Einheiten passen nicht zusammen BAR GPM"));
    EXPECT_TRUE(Refused(RunCli("--language DE convert 5 Bar PSIA"), "Einheit nicht gefunden  Bar"));
    // "bar" alone could be gauge or absolute: refused, with the two it could be.
    EXPECT_TRUE(Refused(RunCli("convert 5 bar psi"), "Unit Not Found  bar (say which: bar a = BAR or bar g = BARG)"));
    for (const char* pszArgs : {"abc BAR PSIA", "12abc BAR PSIA", "nan BAR PSIA", "'' BAR PSIA", "5 BAR"})
        EXPECT_TRUE(Refused(RunCli(std::string("convert ") + pszArgs))) << pszArgs;
    EXPECT_TRUE(Refused(RunCli("")));
}

TEST(UnitsCommand, ListsOneCategoryOrRefusesAnUnknownOne)
{
    SCliRun run = RunCli("units Time");
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strOut, "SEC\tsec\tTime\nHR\thr\tTime\nMIN\tmin\tTime\nDAY\tday\tTime\n");
    EXPECT_EQ(RunCli("units Colour").nStatus, 2);
}
