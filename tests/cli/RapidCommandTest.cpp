// tesmara rapid: the series, a type's lists with the choices taken in list order, the refusals
// that name what was wrong, and the completed selection saved as the desktop saves it.
#include "CliRunner.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;

TEST(RapidCommand, ListsTheSeriesThenBuildsAModelNumberFromChoicesInAnyOrder)
{
    const SCliRun series = RunCli("rapid");
    ASSERT_EQ(series.nStatus, 0) << series.strErr;
    EXPECT_TRUE(Contains(series.strOut, "\nOV    OV         Ovrisol Reservoir Isolator\n"));

    const SCliRun piston = RunCli("rapid PA --json --set seal=-V --set design=1 --set bore=-4 --set construction=S "
                                  "--set pressure=3 --set options=-G --set capacity=-150");
    ASSERT_EQ(piston.nStatus, 0) << piston.strErr;
    EXPECT_EQ(json::parse(piston.strOut)["modelNumber"], "PA31-4-150-VS-G");

    const SCliRun text = RunCli("rapid OV --set size=-40 --set bladder=-N");
    ASSERT_EQ(text.nStatus, 0) << text.strErr;
    EXPECT_TRUE(Contains(text.strOut, "bladder (Bladder)\n  * -N  Nitrile (NBR)\n    -L  "));
    EXPECT_TRUE(Contains(text.strOut, "\nCompleted Model Number: OV-40-S-N-1F\n"));
}

TEST(RapidCommand, RefusesWhatTheListsDoNotHoldAndSavesOnlyAComplete)
{
    const CTempFolder dir;
    const std::string strFile = (dir / "rapid.Ac3").string();
    const std::pair<std::string, std::string> refused[] = {
        {"XX", "Unknown series \"XX\": rapid selection knows PA, PM, BA, BH, DA, GB, OV."},
        {"GB --set colour=red", "Unknown list \"colour\" in --set colour=red: the lists of GB are series, size, "
                                "construction, pressure, gas-port, valve-port, variation, design-code."},
        {"GB --set size=-40G --set pressure=5", "\"5\" is not in the list \"pressure\" (Pressure): its codes are 3."},
        {"PA --set seal=-V", "\"-V\" is not in the list \"seal\" (Seal Type): it offers nothing until \"bore\" is chosen."},
        {"GB --set size=-20L --save " + strFile,
         "Nothing saved: the model number is not complete; choose in \"gas-port\"."},
    };
    for (const auto& [strArgs, strMessage] : refused)
    {
        const SCliRun run = RunCli("rapid " + strArgs);
        EXPECT_EQ(run.nStatus, 2) << strArgs;
        EXPECT_EQ(run.strErr, strMessage + "\n");
    }
    EXPECT_FALSE(std::filesystem::exists(strFile));

    const SCliRun saved = RunCli("rapid GB --set size=-20L --set gas-port=-M --set valve-port=0 --save " + strFile);
    ASSERT_EQ(saved.nStatus, 0) << saved.strErr;
    const json shown = json::parse(RunCli("show --json " + strFile).strOut);
    EXPECT_EQ(shown["header"]["ProdId"], 1);
    EXPECT_EQ(shown["header"]["ProdType"], "Gas Bottles");
    EXPECT_EQ(shown["header"]["selectionComplete"], true);
    EXPECT_EQ(shown["selection"]["m_strPartNo"], "GBK-20L-M0");
    EXPECT_EQ(shown["selection"]["strAccumulatorDesc"], "Gas Bottle, 210 bar, 20 L");
}
