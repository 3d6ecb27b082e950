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
    SCliRun run = RunCli("convert 5 BAR GPM");
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_EQ(run.strOut, "");
    EXPECT_NE(run.strErr.find("These units are incompatible BAR GPM"), std::string::npos);
    // The engine's messages in the language of --language.
    EXPECT_NE(RunCli("--language DE convert 5 BAR GPM").strErr.find("Diese Einheiten passen nicht zusammen BAR GPM"),
              std::string::npos);
    EXPECT_NE(RunCli("--language DE convert 5 Bar PSIA").strErr.find("Einheit nicht gefunden  Bar"), std::string::npos);

    run = RunCli("convert 5 Bar PSIA");
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_NE(run.strErr.find("Unit Not Found  Bar"), std::string::npos);
    // "bar" alone could be gauge or absolute: refused, with the two it could be.
    run = RunCli("convert 5 bar psi");
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_NE(run.strErr.find("Unit Not Found  bar (say which: bar a = BAR or bar g = BARG)"), std::string::npos)
        << run.strErr;

    for (const char* pszValue : {"abc", "12abc", "nan", "''"})
    {
        run = RunCli(std::string("convert ") + pszValue + " BAR PSIA");
        EXPECT_EQ(run.nStatus, 2) << pszValue;
    }
    EXPECT_EQ(RunCli("convert 5 BAR").nStatus, 2);
    EXPECT_EQ(RunCli("").nStatus, 2);
}

TEST(UnitsCommand, ListsOneCategoryOrRefusesAnUnknownOne)
{
    SCliRun run = RunCli("units Time");
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strOut, "SEC\tsec\tTime\nHR\thr\tTime\nMIN\tmin\tTime\nDAY\tday\tTime\n");
    EXPECT_EQ(RunCli("units Colour").nStatus, 2);
}
