// tesmara help: a topic by its name, title, dialog class or number; the list; an unknown topic.
#include "CliRunner.h"

#include <gtest/gtest.h>

TEST(HelpCommand, ATopicByAnyOfItsNamesAndTheList)
{
    for (const char* pszTopic : {"shock", "262", "CShockSuppress", "\"shock suppression\""})
    {
        const SCliRun run = RunCli(std::string("help ") + pszTopic);
        EXPECT_EQ(run.nStatus, 0) << pszTopic << run.strErr;
        EXPECT_EQ(run.strOut.rfind("Shock Suppression\n=================\n", 0), 0u) << pszTopic << run.strOut;
        // Text for a terminal: no Markdown left, tables in columns.
        EXPECT_FALSE(Contains(run.strOut, "**") || Contains(run.strOut, "{{") || Contains(run.strOut, "| ---"));
    }
    const SCliRun list = RunCli("help");
    EXPECT_EQ(list.nStatus, 0);
    EXPECT_TRUE(Contains(list.strOut, "\n    Shock Suppression  (shock)\n")) << list.strOut;

    const SCliRun unknown = RunCli("help no-such-topic");
    EXPECT_EQ(unknown.nStatus, 2);
    EXPECT_EQ(unknown.strErr, "There is no help topic \"no-such-topic\"; tesmara help lists them.\n");
}
