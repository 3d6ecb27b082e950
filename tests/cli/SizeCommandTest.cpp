// tesmara size, models and show, as a user runs them.
#include "CliRunner.h"
#include "TempFolder.h"
#include "selection/AccumulatorData.h"
#include "selection/SelectionFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>

using nlohmann::json;

// The printed result: the results in the dialog's units, the charging exponent only where there is one.
TEST(SizeCommand, PrintsTheResultsInTheDialogsUnits)
{
    const SCliRun input = RunCli("size --input - --json", kAuxPowerJson);
    ASSERT_EQ(input.nStatus, 0) << input.strErr;
    const json b = json::parse(input.strOut);
    const std::string strReport = RunCli("size --input -", kAuxPowerJson).strOut;
    EXPECT_TRUE(Contains(strReport, "Pressures:            3000 psi to 2000 psi\n")) << strReport;
    EXPECT_TRUE(Contains(strReport, "Precharge pressure:   1900 psi  |  131.0 bar g\n")) << strReport;
    EXPECT_TRUE(Contains(strReport, "Exponent, charging:   ")) << strReport;
    const double dIn3 = b["application"]["sdRequiredAccumulatorVol"]["value"].get<double>();
    char szLine[128];
    std::snprintf(szLine, sizeof szLine, "Required capacity:    %.1f in\u00B3  |  %.2f gal (US)  |  %.2f L\n",
                  dIn3, dIn3 * 1.638706e-05 / 0.003785413, dIn3 * 1.638706e-05 / 0.001);
    EXPECT_TRUE(Contains(strReport, szLine)) << szLine << strReport;
    const std::string strHolding =
        RunCli("size holding --hold 600sec --leak 2CU_IN_MIN --max 3000psi --min 2000psi").strOut;
    EXPECT_TRUE(Contains(strHolding, "Polytropic exponent:  ")) << strHolding;
    EXPECT_FALSE(Contains(strHolding, "Exponent, charging:")) << strHolding;
}

TEST(SizeCommand, RefusesWithTheMessageAndTheField)
{
    EXPECT_TRUE(Refused(RunCli("size --input -", R"({"deSelectApp":3,"sdMaxSysPres":{"value":1}})"), "sdMaxSysPres"));
    EXPECT_TRUE(Refused(RunCli("size --input -", R"({"deSelectApp":3,"sdMaxSysPress":{"value":"high","unit":"PSIG"}})"),
                        "sdMaxSysPress.value"));
    EXPECT_TRUE(Refused(RunCli("size --input -", R"({"deSelectApp":3,"sdMaxSysPress":{"value":1,"unit":"PSI"}})"),
                        "Field sdMaxSysPress.unit: unknown unit code \"PSI\""));
    EXPECT_EQ(RunCli("size --input -",
                     R"({"deSelectApp":0,"sdRequiredAccumulatorVol":{"value":5,"unit":"GAL"},)"
                     R"("sdMaxSysPress":{"value":100,"unit":"BAR"}})")
                  .nStatus,
              0);
    EXPECT_TRUE(Refused(RunCli("size --input -", "{\"deSelectApp\":")));
    // A check of the dialogs: above the catalogue's highest rating.
    const SCliRun run = RunCli("size known-capacity --capacity 5GAL --max 9000psi");
    EXPECT_TRUE(Refused(run, "Please lower your maximum pressure below: 6000 psi"));
    EXPECT_TRUE(Contains(run.strErr, "(field: sdMaxSysPress)")) << run.strErr;
}

TEST(SizeCommand, EachFlagRefusesWhatItCannotTake)
{
    const std::string kAux = "size aux-power --actuation 2sec --dwell 8sec --max 3000psi --min 2000psi ";
    const std::string kCyl = kAux + "--bore 4IN --rod 2IN --stroke 10IN ";
    const std::string kShock = "size shock --max 150bara --flow 100LPM --length 40FT ";
    const std::pair<std::string, std::string> refusals[] = {
        {"size", "Give --input FILE (or - for standard input), or an application with its flags"},
        {"size --input - known-capacity --capacity 5GAL --max 100psi", "not both"},
        {"size pump-flow --volume 5L --actuation 2sec --dwell 8sec --max 210bara --min 140bara",
         "pump-flow needs --pump"},
        {"size holding --hold 600sec --max 3000psi --min 2000psi", "holding needs --valves"},
        {"size known-capacity --capacity 5GAL --max 5GAL", "--max: \"5GAL\" is not in a unit of Pressure"},
        {"size known-capacity --capacity 5 --max 100psi", "--capacity: \"5\" needs a unit after the number"},
        {"size known-capacity --capacity 5XYZ --max 100psi", "--capacity: Unit Not Found  XYZ"},
        {kAux + "--volume 1GAL --optimum both", "--optimum: piston or bladder, not \"both\""},
        {kCyl + "--movement sideways", "--movement: extend, retract or both, not \"sideways\""},
        {kCyl + "--cylinders 1.5", "--cylinders: expected a whole number, not \"1.5\""},
        {"size pump-response --fixed --variable --max 1000psi --flow 15GPM --response 0.05sec",
         "pump-response takes --fixed or --variable, not both"},
        {"size pump-response --fixed --max 1000psi --flow 500GPM --response 0.05sec",
         "--flow: no relief valve of the catalogue passes that flow"},
        {"size pump-response --fixed --max 1000psi --flow 15GPM --response 0.05sec --relief-valve small",
         "--relief-valve: \"small\" is not in the catalogue; choose from:\n  Direct-Acting, 1/2 in (to 20 "
         "gpm)"},
        {kShock + "--pipe 1 --fluid Honey",
         "--fluid: \"Honey\" is not in the catalogue; choose from:\n  Mineral Oil"},
        {kShock + "--pipe 1 --schedule 99",
         "--schedule: \"99\" is not in the catalogue; choose from:\n  40\n  80"},
        {kShock + "--tube 3/4", "--tube: \"3/4\" is not in the catalogue"},
        {kShock, "shock needs --pipe"},
        {"size pulsation --max 3000psi --pistons 3 --flow 10GPM", "pulsation needs --speed"},
        {"size pulsation --max 3000psi --pistons three --displacement 1CU_IN_REV",
         "--pistons: expected a whole number"},
        {"size pump-flow --volume 5L --actuation 2sec --dwell 8sec --pump 32LPM --max 210bara --min 140bara "
         "--nonsense",
         "nonsense"},
        // Shock suppression sizes at 70 deg F: it takes no temperature.
        {kShock + "--pipe 1 --temp 45DEG_C", "--temp"},
    };
    for (const auto& [strArgs, strMessage] : refusals)
    {
        const SCliRun run = RunCli(strArgs);
        EXPECT_TRUE(Refused(run, strMessage)) << strArgs;
        EXPECT_EQ(run.strOut, "") << strArgs;
    }
    // No catalogue: the tool cannot work at all.
    EXPECT_TRUE(Refused(RunCli("size known-capacity --capacity 5GAL --max 100psi --catalogue /nonexistent"),
                        "The catalogue file does not exist.", 1));
}

TEST(SizeCommand, WhatCannotBeSizedIsNeitherASuccessNorSaved)
{
    // Equal pressures pass the checks but give no volume.
    SCliRun run =
        RunCli("size aux-power --volume 1GAL --actuation 2sec --dwell 8sec --max 3000psi --min 3000psi");
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_TRUE(Contains(run.strOut, "The size cannot be computed")) << run.strOut << run.strErr;
    // A pump that covers the actuator needs no accumulator: said, status 0, but nothing to save.
    const CTempFolder dir;
    const auto file = dir / "none.Ac3";
    const std::string strCovered =
        "size pump-flow --volume 1GAL --actuation 2sec --dwell 8sec --pump 40GPM --max 3000psi --min 2000psi";
    run = RunCli(strCovered);
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_TRUE(Contains(run.strOut, "This application does not require an accumulator.")) << run.strOut;
    EXPECT_TRUE(Refused(RunCli(strCovered + " --save '" + file.string() + "'"),
                        "Nothing saved: the selection was not sized."));
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(SizeCommand, StrictAnswersTheQuestionNo)
{
    // A precharge above the piston optimum asks whether to go on.
    const std::string strArgs = "size aux-power --volume 150CU_IN --actuation 5sec --dwell 20sec --max "
                                "3000psi --min 2000psi --precharge 1950psi";
    EXPECT_EQ(RunCli(strArgs).nStatus, 0);
    EXPECT_TRUE(Refused(RunCli(strArgs + " --strict"), "(field: sdPrechargePress)"));
}

TEST(SizeCommand, SavedSelectionShowsItsFieldsAndListsModels)
{
    const CTempFolder dir;
    const auto file = dir / "size.Ac3";
    const SCliRun sized = RunCli("size --input - --json --save '" + file.string() + "'", kAuxPowerJson);
    ASSERT_EQ(sized.nStatus, 0) << sized.strErr;
    const SCliRun shown = RunCli("show --json '" + file.string() + "'");
    ASSERT_EQ(shown.nStatus, 0) << shown.strErr;
    const json saved = json::parse(shown.strOut);
    EXPECT_EQ(saved["selection"]["m_nLevel"], 1);
    EXPECT_EQ(saved["selection"]["sdRequiredAccumulatorVol"],
              json::parse(sized.strOut)["application"]["sdRequiredAccumulatorVol"]);
    EXPECT_EQ(saved["header"]["ProdType"], "Accumulators");

    const SCliRun models = RunCli("models --selection '" + file.string() + "'");
    EXPECT_EQ(models.nStatus, 0) << models.strErr;
    EXPECT_TRUE(Contains(models.strOut, "Piston, 3000 psi, 4 in Bore, ")) << models.strOut;
    EXPECT_EQ(RunCli("models --input -", sized.strOut).strOut, models.strOut);
    // Nothing held yet: the first model is the preselected one, and only it.
    std::istringstream lines(models.strOut);
    std::vector<std::string> grid;
    for (std::string strLine; std::getline(lines, strLine);)
        if (Contains(strLine, "Accumulator Type") || !grid.empty())
            grid.push_back(strLine);
    ASSERT_GT(grid.size(), 3u) << models.strOut;
    for (std::size_t i = 1; i < grid.size() && !grid[i].empty(); ++i)
        EXPECT_EQ(grid[i][0] == '*', i == 1) << grid[i];

    std::filesystem::resize_file(file, 700);
    EXPECT_EQ(RunCli("show '" + file.string() + "'").nStatus, 2);
    EXPECT_EQ(RunCli("models --selection '" + file.string() + "'").nStatus, 2);
    std::filesystem::remove(file);
    EXPECT_EQ(RunCli("show '" + file.string() + "'").nStatus, 2);
    EXPECT_EQ(RunCli("show").nStatus, 2);
    EXPECT_EQ(RunCli("size --input - --save notes.txt", kAuxPowerJson).nStatus, 1);
    EXPECT_EQ(RunCli("batch --catalogue /nonexistent", kAuxPowerJson).nStatus, 1);
}

TEST(ModelsCommand, RefusesWhatHasNoSize)
{
    EXPECT_TRUE(Refused(RunCli("models --input -", R"({"deSelectApp":3})"), "(field: sdActVolDisplacement)"));
    const SCliRun run = RunCli("models --input -",
                 R"({"deSelectApp":1,"sdActVolDisplacement":{"value":1,"unit":"GAL"},"sdActuationTime":)"
                 R"({"value":2,"unit":"SEC"},"sdDwellTime":{"value":8,"unit":"SEC"},"sdEnterPumpSize":)"
                 R"({"value":40,"unit":"GPM"},"sdMaxSysPress":{"value":3000,"unit":"PSIG"},"sdMinSysPress":)"
                 R"({"value":2000,"unit":"PSIG"}})");
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_EQ(run.strErr, "This application does not require an accumulator.\n");
    EXPECT_EQ(RunCli("models --input -", "not json").nStatus, 2);
}

TEST(ShowCommand, PrintsEachHeaderFlagAsStored)
{
    const CTempFolder dir;
    const auto file = dir / "flags.Ac3";
    for (const auto& [bPartNumber, bComplete] : {std::pair{true, false}, std::pair{false, true}})
    {
        SSelectionHeader header{"US", "U.S. English", 500, "", 0, "Accumulators", "", bPartNumber, bComplete};
        std::string strError;
        ASSERT_TRUE(SaveSelectionFile(file, header, CAccumulatorData(), strError)) << strError;
        const SCliRun run = RunCli("show --json '" + file.string() + "'");
        ASSERT_EQ(run.nStatus, 0) << run.strErr;
        const json shown = json::parse(run.strOut)["header"];
        EXPECT_EQ(shown["partNumberAvailable"], bPartNumber);
        EXPECT_EQ(shown["selectionComplete"], bComplete);
    }
}
