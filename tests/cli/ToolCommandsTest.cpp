// tesmara tool output-existing and temperature-precharge: known values and refusals.
#include "CliRunner.h"
#include "SizingReference.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;
using namespace ref;

namespace
{
json Computed(const std::string& strArgs)
{
    const SCliRun run = RunCli("tool " + strArgs + " --json");
    EXPECT_EQ(run.nStatus, 0) << strArgs << "\n" << run.strErr;
    return run.nStatus == 0 ? json::parse(run.strOut) : json::object();
}
} // namespace

TEST(ToolCommands, OutputOfAnExistingAccumulatorInBarAndLitres)
{
    const json j =
        Computed("output-existing --max 200bara --min 120bara --time 4sec --volume 10L --temp 30DEG_C "
                 "--optimum bladder");
    EXPECT_EQ(j["precharge"]["unit"], "BAR");
    EXPECT_NEAR(j["precharge"]["value"].get<double>(), 108.0, 1e-12);
    const double V0 = In3FromLitre(10.0), P1 = PsiaFromBar(200.0), P2 = PsiaFromBar(120.0),
                 P0 = PsiaFromBar(108.0);
    double n = 0.0;
    oracle::SimulateGasExpansion(oracle::EForm::CubicInch, V0, FFromC(30.0), 4.0, P1, P2, P0, n);
    const double dOutput = 0.95 * V0 * (P0 / P2) * (std::pow(P1 / P2, 1.0 / n) - 1.0) / (P1 / P2);
    EXPECT_EQ(j["output"]["unit"], "CU_IN");
    EXPECT_NEAR(j["output"]["value"].get<double>(), dOutput, dOutput * 1e-6);
    EXPECT_NEAR(j["exponent"].get<double>(), n, n * 1e-6);

    // The piston optimum by default: 100 psi below a minimum of 1000 psi and more.
    const SCliRun text = RunCli("tool output-existing --max 3000psi --min 2000psi --time 5sec --volume 1GAL "
                                "--temp 70DEG_F");
    EXPECT_EQ(text.nStatus, 0) << text.strErr;
    EXPECT_TRUE(Contains(text.strOut, "Precharge pressure:    1900 psi  |  131.0 bar g\n")) << text.strOut;
    EXPECT_TRUE(Contains(text.strOut, " gal (US)  |  ")) << text.strOut;
}

TEST(ToolCommands, TemperatureOnPrechargeEitherWay)
{
    json j =
        Computed("temperature-precharge --begin-temp 20DEG_C --final-temp 80DEG_C --begin-pressure 100bara");
    EXPECT_EQ(j["finalPressure"]["unit"], "BAR");
    const double dFinal =
        oracle::PrechargeAtTemperature(FFromC(20.0), FFromC(80.0), PsiaFromBar(100.0), -1.0);
    EXPECT_NEAR(j["finalPressure"]["value"].get<double>(), dFinal * kPaPerPsi / 1e5, 1e-9);
    j = Computed("temperature-precharge --begin-temp 20DEG_C --final-temp 80DEG_C --final-pressure 1500psi");
    EXPECT_EQ(j["beginPressure"]["unit"], "PSIG");
    const double dBegin =
        oracle::PrechargeAtTemperature(FFromC(20.0), FFromC(80.0), -1.0, PsiaFromPsig(1500.0));
    EXPECT_NEAR(j["beginPressure"]["value"].get<double>(), dBegin - kGaugePa / kPaPerPsi, 1e-6);
}

TEST(ToolCommands, RefusalsAndTheirStatus)
{
    const std::string kOutput = "tool output-existing --min 2000psi --time 5sec --temp 70DEG_F ";
    const std::string kTemperature = "tool temperature-precharge --begin-temp 70DEG_F --final-temp 150DEG_F ";
    const std::pair<std::string, std::string> refusals[] = {
        {"tool", "A subcommand is required"},
        {kOutput + "--max 3000psi", "output-existing needs --volume"},
        {kOutput + "--max 3000psi --volume 1GAL --optimum x",
         "output-existing --optimum: piston or bladder, not \"x\""},
        {kOutput + "--volume 1L --max 6000psi",
         "Your Maximum Pressure must be lower than 5,000 psi\nor contact your Dalrow Representative.\n"
         "(field: maximum)"},
        {"tool output-existing --max 3000psi --min 2000psi --time 0sec --volume 1GAL --temp 70DEG_F",
         "Your Discharge Time must be larger than 0 seconds.\nor contact your Dalrow Representative.\n"
         "(field: dischargeTime)"},
        {kTemperature, "temperature-precharge needs one of --begin-pressure and --final-pressure"},
        {kTemperature + "--begin-pressure 1000psi --final-pressure 900psi", "needs one of"},
        {"tool temperature-precharge --begin-temp -200DEG_F --final-temp 150DEG_F --begin-pressure 1000psi",
         "(field: beginTemperature)"},
        {kTemperature + "--final-pressure 14.6psi", "(field: finalPressure)"},
    };
    for (const auto& [strArgs, strMessage] : refusals)
        EXPECT_TRUE(Refused(RunCli(strArgs), strMessage)) << strArgs;
    EXPECT_EQ(RunCli(kOutput + "--max 3000psi --volume 1GAL --catalogue /nonexistent").nStatus, 1);
}
