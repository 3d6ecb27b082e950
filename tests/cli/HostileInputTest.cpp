// Input that used to be taken wrongly, hang or abort: each is refused with status 2, the field
// named, and nothing written; output that cannot be written is a failure.
#include "CliRunner.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

using nlohmann::json;

namespace
{
std::string Pressure(double dValue, const std::string& strUnit)
{
    return json{{"value", dValue}, {"unit", strUnit}}.dump();
}

// Auxiliary power with one entry replaced.
std::string AuxPower(const std::string& strField, const std::string& strValue)
{
    json j = json::parse(kAuxPowerJson);
    j[strField] = json::parse(strValue);
    return j.dump();
}

// Multiple events with a total duration and a list of events.
std::string MultipleEvents(const std::string& strMin, double dCycleSec, const std::string& strEvents)
{
    return R"({"deSelectApp":2,"sdMaxSysPress":{"value":3000,"unit":"PSIG"},"sdMinSysPress":)" + strMin +
           R"(,"sdMultiEventTotalDuration":{"value":)" + json(dCycleSec).dump() +
           R"(,"unit":"SEC"},"sdEnterPumpSize":{"value":100,"unit":"GPM"},"m_lstEvents":)" + strEvents + "}";
}

const std::string kOneEvent = R"([{"iActNo":1,"iEventNo":1,"enumActVolForEvent":1,)"
                              R"("sdVolume":{"value":100,"unit":"CU_IN"},"sdEvDuration":{"value":2,"unit":"SEC"}}])";

} // namespace

TEST(HostileInput, EachIsRefusedWithItsFieldNamed)
{
    std::string strManyEvents = "[";
    for (int i = 0; i < 50000; ++i)
        strManyEvents.append(i == 0 ? "" : ",").append(R"({"iActNo":1})");
    const std::string kOutput = "tool output-existing --max 3000psi --min 2000psi --volume 1GAL --temp 70DEG_F ";
    const struct
    {
        std::string strArgs, strInput, strField, strMessage;
    } refusals[] = {
        // A unit must be of the field's kind: seconds for a pressure, an empty unit, a pressure for a
        // tube length, an event's flow in PSIG; a plain number's unit is NONE, and only NONE.
        {"size --input -", AuxPower("sdMinSysPress", Pressure(2000, "SEC")), "sdMinSysPress.unit",
         "Field sdMinSysPress.unit: \"SEC\" is not a unit of Pressure"},
        {"size --input -", AuxPower("sdMinSysPress", Pressure(2000, "")), "sdMinSysPress.unit", "unknown unit code \"\""},
        {"size --input -", R"({"deSelectApp":5,"sdShockTubeLength":{"value":40,"unit":"SEC"}})", "sdShockTubeLength.unit",
         "\"SEC\" is not a unit of Distance"},
        {"size --input -", MultipleEvents(Pressure(2000, "PSIG"), 10, R"([{"sdFlowrate":{"value":5,"unit":"PSIG"}}])"),
         "m_lstEvents[0].sdFlowrate.unit", "\"PSIG\" is not a unit of Flow Rate"},
        {"size --input -", AuxPower("siCylDim_NoCylParallel", Pressure(2, "GAL")), "siCylDim_NoCylParallel.unit",
         "\"GAL\" is not NONE"},
        // A pressure or a start below zero; a minimum of -5 psi used to size with a vacuum.
        {kOutput + "--time 5sec --precharge -5psi", "", "precharge", "Your Precharge Pressure must be larger than 0 psig."},
        {"size --input -", MultipleEvents(Pressure(-5, "PSIG"), 10, kOneEvent), "sdMinSysPress",
         "Your Minimum pressure must be larger than 0\nor contact your Dalrow Representative."},
        {"size --input -",
         MultipleEvents(Pressure(2000, "PSIG"), 10,
                        R"([{"enumActVolForEvent":1,"sdVolume":{"value":1,"unit":"CU_IN"},)"
                        R"("sdEvStartTime":{"value":-1,"unit":"SEC"},"sdEvDuration":{"value":2,"unit":"SEC"}}])"),
         "m_lstEvents[0].sdEvStartTime", "Your Event Start Time must not be negative."},
        // Entries that used to run for minutes or for ever.
        {"size holding --hold 1e12sec --leak 1CU_IN_MIN --max 3000psi --min 2000psi", "", "sdHoldTimeHold",
         "The Time to Hold Pressure must not be longer than 259200 sec."},
        {"size aux-power --volume 150CU_IN --actuation 1e12sec --dwell 20sec --max 3000psi --min 2000psi", "",
         "sdActuationTime", "Your Actuation Time must not be longer than 86400 sec."},
        {"size pump-response --max 3000psi --flow 10GPM --response 1e12sec", "", "sdShockResponseTime",
         "The Response Time must not be longer than 86400 sec."},
        {kOutput + "--time 25hr", "", "dischargeTime", "Your Discharge Time must not be longer than 24 hr."},
        {"size --input -", MultipleEvents(Pressure(2000, "PSIG"), 1e9, kOneEvent), "sdMultiEventTotalDuration",
         "Your Total Duration of Cycle must not be longer than 86400 sec."},
        {"size --input -", MultipleEvents(Pressure(2000, "PSIG"), 10, strManyEvents + "]"), "m_lstEvents",
         "An actuator can have at most 10 events."},
        // What the program fills itself cannot raise the catalogue's limits to size 50,000 psi.
        {"size --input -",
         R"({"deSelectApp":0,"sdRequiredAccumulatorVol":{"value":300,"unit":"CU_IN"},)"
         R"("sdMaxSysPress":{"value":50000,"unit":"PSIG"},"sdAllowedMaxAccumulatorPress":{"value":60000,"unit":"PSIG"},)"
         R"("sdPolyTropicExponent":{"value":9,"unit":"NONE"},"m_lstCodes":[]})",
         "sdMaxSysPress",
         "Ignored what the program fills itself (results, catalogue limits, model and details): m_lstCodes "
         "sdAllowedMaxAccumulatorPress sdPolyTropicExponent"},
    };
    for (const auto& refusal : refusals)
    {
        const SCliRun run = RunCli(refusal.strArgs, refusal.strInput);
        EXPECT_TRUE(Refused(run, "(field: " + refusal.strField + ")")) << refusal.strArgs;
        EXPECT_TRUE(Contains(run.strErr, refusal.strMessage)) << refusal.strMessage << "\n" << run.strErr;
        EXPECT_FALSE(Contains(run.strErr, "\r")) << "a terminal line break is a plain line feed";
    }
    EXPECT_TRUE(Contains(RunCli("size --help").strOut, "the catalogue limits (sdAllowedMaxAccumulatorVol"));
    // Input that never ends is refused once it is larger than any selection.
    const SCliRun endless = RunCli("size --input /dev/zero");
    EXPECT_EQ(endless.nStatus, 2);
    EXPECT_EQ(endless.strErr, "/dev/zero is larger than 1024 KiB, more than any selection input.\n");
}

TEST(HostileInput, NumbersFilesAndFormsAreReadAsTheySay)
{
    // 2^64 - 1 used to wrap round to -1.
    EXPECT_TRUE(Refused(RunCli("size --input -", AuxPower("siCylDim_NoCylParallel", R"({"value":18446744073709551615})")),
                        "Field siCylDim_NoCylParallel.value: the number is out of range"));
    SCliRun run = RunCli("size --input -", R"({"deSelectApp":3,"sdMaxSysPress":{"value":1e400}})");
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_EQ(run.strErr, "The standard input holds a number that is out of range: 1e400\n");
    const auto dir = std::filesystem::temp_directory_path();
    run = RunCli("size --input '" + dir.string() + "'");
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_EQ(run.strErr, dir.string() + " is a folder, not a file.\n");

    // show --json is size's input format, as its help says: a saved selection sizes again alike.
    const CTempFolder folder;
    const auto file = folder / "hostile.Ac3";
    const SCliRun saved = RunCli("size --json --input - --save '" + file.string() + "'",
                                 AuxPower("sdDwellTime", R"({"value":20,"unit":"SEC"})"));
    ASSERT_EQ(saved.nStatus, 0) << saved.strErr;
    const SCliRun again = RunCli("size --json --input -", RunCli("show --json '" + file.string() + "'").strOut);
    ASSERT_EQ(again.nStatus, 0) << again.strErr;
    EXPECT_EQ(again.strErr, ""); // the program's own output is not a hand-written input to warn about
    EXPECT_EQ(json::parse(again.strOut)["application"]["sdRequiredAccumulatorVol"],
              json::parse(saved.strOut)["application"]["sdRequiredAccumulatorVol"]);

    // What cannot be computed says why, also when the result goes out as JSON.
    EXPECT_TRUE(Refused(RunCli("size --json aux-power --volume 1GAL --actuation 2sec --dwell 8sec --max 3000psi "
                               "--min 3000psi"),
                        "The size cannot be computed: "));
}

TEST(HostileInput, OutputThatCannotBeWrittenIsAFailure)
{
    const char* pszCli = std::getenv("TESMARA_CLI") ? std::getenv("TESMARA_CLI") : TESMARA_BUILT_CLI;
    for (const char* pszArgs : {"convert 3000 PSIG BAR", "size known-capacity --capacity 5GAL --max 3000psi --json",
                                "units Pressure"})
    {
        std::ostringstream command;
        command << '\'' << pszCli << "' " << pszArgs << " >/dev/full 2>/dev/null";
        const int nRaw = std::system(command.str().c_str());
        EXPECT_TRUE(WIFEXITED(nRaw) && WEXITSTATUS(nRaw) == 1) << pszArgs;
    }
}
