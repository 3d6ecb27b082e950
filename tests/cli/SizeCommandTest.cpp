// tesmara size, models, show, batch and the tools, as a user runs them.
#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

using nlohmann::json;

namespace
{
const std::string kAuxPower =
    R"({"deSelectApp":3,"sdActVolDisplacement":{"value":150,"unit":"CU_IN"},"sdActuationTime":{"value":5,"unit":"SEC"},)"
    R"("sdDwellTime":{"value":20,"unit":"SEC"},"sdMaxSysPress":{"value":3000,"unit":"PSIG"},)"
    R"("sdMinSysPress":{"value":2000,"unit":"PSIG"}})";

bool Has(const std::string& strText, const std::string& strPart)
{
    return strText.find(strPart) != std::string::npos;
}
} // namespace

TEST(SizeCommand, FlagsAndJsonInputSizeAlike)
{
    const SCliRun flags = RunCli("size aux-power --volume 150CU_IN --actuation 5sec --dwell 20sec --max 3000psi "
                                 "--min '2000 psi' --json");
    ASSERT_EQ(flags.nStatus, 0) << flags.strErr;
    const SCliRun input = RunCli("size --input - --json", kAuxPower);
    ASSERT_EQ(input.nStatus, 0) << input.strErr;
    const json a = json::parse(flags.strOut), b = json::parse(input.strOut);
    EXPECT_EQ(a["outcome"]["status"], "sized");
    EXPECT_EQ(a["application"]["sdRequiredAccumulatorVol"], b["application"]["sdRequiredAccumulatorVol"]);
    EXPECT_EQ(b["application"]["sdRequiredAccumulatorVol"]["unit"], "CU_IN");
    EXPECT_GT(b["application"]["sdRequiredAccumulatorVol"]["value"].get<double>(), 150.0);
    EXPECT_TRUE(Has(RunCli("size --input -", kAuxPower).strOut, "Required capacity:"));
}

TEST(SizeCommand, RefusesWithTheMessageAndTheField)
{
    SCliRun run = RunCli("size --input -", R"({"deSelectApp":3,"sdMaxSysPres":{"value":1}})");
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_TRUE(Has(run.strErr, "sdMaxSysPres")) << run.strErr;
    run = RunCli("size --input -", R"({"deSelectApp":3,"sdMaxSysPress":{"value":"high","unit":"PSIG"}})");
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_TRUE(Has(run.strErr, "sdMaxSysPress.value")) << run.strErr;
    EXPECT_EQ(RunCli("size --input -", "{\"deSelectApp\":").nStatus, 2);
    // A check of the dialogs: above the catalogue's highest rating.
    run = RunCli("size known-capacity --capacity 5GAL --max 9000psi");
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_TRUE(Has(run.strErr, "Please lower your maximum pressure below: 6000 psi")) << run.strErr;
    EXPECT_TRUE(Has(run.strErr, "(field: sdMaxSysPress)")) << run.strErr;
    EXPECT_EQ(RunCli("size aux-power --volume 150 --actuation 5sec --dwell 20sec --max 3000psi --min 2000psi").nStatus, 2);
}

TEST(SizeCommand, StrictAnswersTheQuestionNo)
{
    // A precharge above the piston optimum asks whether to go on.
    const std::string strArgs =
        "size aux-power --volume 150CU_IN --actuation 5sec --dwell 20sec --max 3000psi --min 2000psi --precharge 1950psi";
    EXPECT_EQ(RunCli(strArgs).nStatus, 0);
    const SCliRun strict = RunCli(strArgs + " --strict");
    EXPECT_EQ(strict.nStatus, 2);
    EXPECT_TRUE(Has(strict.strErr, "(field: sdPrechargePress)")) << strict.strErr;
}

TEST(SizeCommand, SavedSelectionShowsItsFieldsAndListsModels)
{
    const auto file = std::filesystem::temp_directory_path() / ("tesmara_size_" + std::to_string(::getpid()) + ".Ac3");
    const SCliRun sized = RunCli("size --input - --json --save '" + file.string() + "'", kAuxPower);
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
    EXPECT_TRUE(Has(models.strOut, "Piston, 4 in Bore")) << models.strOut;
    EXPECT_EQ(RunCli("models --input -", sized.strOut).strOut, models.strOut);

    std::filesystem::resize_file(file, 700);
    EXPECT_EQ(RunCli("show '" + file.string() + "'").nStatus, 2);
    std::filesystem::remove(file);
    EXPECT_EQ(RunCli("size --input - --save notes.txt", kAuxPower).nStatus, 1);
}

TEST(BatchCommand, OneResultPerLineInOrder)
{
    const SCliRun run = RunCli("batch --jobs 2", kAuxPower + "\nnot json\n" + R"({"deSelectApp":9})" + "\n" + kAuxPower + "\n");
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    std::istringstream lines(run.strOut);
    std::vector<json> results;
    for (std::string strLine; std::getline(lines, strLine);)
        results.push_back(json::parse(strLine));
    ASSERT_EQ(results.size(), 4u);
    for (std::size_t i = 0; i < results.size(); ++i)
        EXPECT_EQ(results[i]["line"], i + 1);
    EXPECT_EQ(results[0]["outcome"]["status"], "sized");
    EXPECT_TRUE(results[1].contains("error"));
    EXPECT_EQ(results[2]["field"], "deSelectApp");
    EXPECT_EQ(results[3]["application"], results[0]["application"]);
}

TEST(ToolCommands, ComputeOrRefuseAsTheDialogsDo)
{
    SCliRun run = RunCli("tool output-existing --max 3000psi --min 2000psi --time 5sec --volume 1GAL --temp 70DEG_F");
    EXPECT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_TRUE(Has(run.strOut, "Accumulator discharge:")) << run.strOut;
    run = RunCli("tool output-existing --max 6000psi --min 2000psi --time 5sec --volume 1GAL --temp 70DEG_F");
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_TRUE(Has(run.strErr, "Your Maximum Pressure must be lower than 5,000 psi")) << run.strErr;
    run = RunCli("tool temperature-precharge --begin-temp 70DEG_F --final-temp 150DEG_F --begin-pressure 1500psi --json");
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    EXPECT_GT(json::parse(run.strOut)["finalPressure"]["value"].get<double>(), 1500.0);
}
