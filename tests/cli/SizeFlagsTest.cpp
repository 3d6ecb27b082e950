// tesmara size with each application's flags in mixed units: the fields the flags set, and the
// required volume against the independent calculation of SizingReference.h (1e-6 relative).
#include "CliRunner.h"
#include "SizingReference.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;
using namespace ref;

namespace
{
constexpr double kRel = 1e-6;

// The application fields after "tesmara size ARGS --json", which must size.
json Sized(const std::string& strArgs)
{
    const SCliRun run = RunCli("size " + strArgs + " --json");
    EXPECT_EQ(run.nStatus, 0) << strArgs << "\n" << run.strErr;
    if (run.nStatus != 0)
        return json::object();
    const json out = json::parse(run.strOut);
    EXPECT_EQ(out["outcome"]["status"], "sized") << strArgs;
    return out["application"];
}

// A unit value of the output, in the unit it must have.
double In(const json& app, const char* pszField, const char* pszUnit)
{
    EXPECT_EQ(app[pszField]["unit"], pszUnit) << pszField;
    return app[pszField]["value"].get<double>();
}

double Required(const json& app)
{
    return In(app, "sdRequiredAccumulatorVol", "CU_IN");
}
} // namespace

#define EXPECT_REL(actual, expected) EXPECT_NEAR((actual), (expected), std::fabs(expected) * kRel)

TEST(SizeFlags, KnownCapacityTakesItsTwoEntriesAsGiven)
{
    const json app = Sized("known-capacity --capacity 40L --max 210bara");
    EXPECT_EQ(app["deSelectApp"], 0);
    EXPECT_EQ(In(app, "sdRequiredAccumulatorVol", "L"), 40.0);
    EXPECT_EQ(In(app, "sdMaxSysPress", "BAR"), 210.0);
}

TEST(SizeFlags, PumpFlowFromADisplacementOrFromCylinders)
{
    json app =
        Sized("pump-flow --volume 5L --actuation 2sec --dwell 8sec --pump 32LPM --max 210bara --min 140bara "
              "--temp '50 \u00B0C'");
    EXPECT_EQ(app["deSelectApp"], 1);
    EXPECT_EQ(app["deSelectCalcMethod"], 0);
    EXPECT_EQ(app["bIsPumpRunning"], 1);
    const double dPrecharge = BarFromPsig(PsigFromBar(140.0) - 100.0); // the piston optimum
    EXPECT_REL(In(app, "sdPrechargePress", "BAR"), dPrecharge);
    EXPECT_REL(Required(app),
               SupplementingPumpFlow(In3FromLitre(5.0), 2.0, 8.0, GpmFromLpm(32.0), PsiaFromBar(210.0),
                                     PsiaFromBar(140.0), PsiaFromBar(dPrecharge), FFromC(50.0))
                   .dRequiredIn3);

    app = Sized("pump-flow --bore 80mm --rod 45mm --stroke 30cm --cylinders 2 --movement retract --actuation "
                "0.025MIN "
                "--dwell 6sec --pump 5GPM --pump-stopped --max 3000psi --min 2000psi --temp 120DEG_F "
                "--precharge 1500psi");
    EXPECT_EQ(app["deSelectCalcMethod"], 1);
    EXPECT_EQ(app["enumCylAffects"], 1);
    EXPECT_EQ(app["bIsPumpRunning"], 0);
    EXPECT_EQ(app["bPrechargeIHaveUseCalc"], 1);
    const double V = CylinderIn3(InFromMm(80.0), InFromMm(45.0), InFromCm(30.0), 2, 1);
    EXPECT_REL(In(app, "sdVolDefci", "CU_IN"), V); // the pump stopped: the whole volume
    EXPECT_REL(Required(app), SupplementingPumpFlow(V, SecFromMin(0.025), 6.0, 0.0, PsiaFromPsig(3000.0),
                                                    PsiaFromPsig(2000.0), PsiaFromPsig(1500.0), 120.0)
                                  .dRequiredIn3);
}

TEST(SizeFlags, AuxiliaryPowerWithTheBladderOptimumOrOneCylinderExtending)
{
    json app =
        Sized("aux-power --volume 1.5GAL --actuation 3sec --dwell 0.5MIN --max 20MPa --min 13MPa --temp 300K "
              "--optimum bladder");
    EXPECT_EQ(app["deSelectApp"], 3);
    EXPECT_EQ(app["bPrechargePistonOrBladder"], 0);
    EXPECT_REL(Required(app), AuxiliaryPower(In3FromGal(1.5), 3.0, SecFromMin(0.5), PsiaFromMpa(20.0),
                                             PsiaFromMpa(13.0), 0.9 * PsiaFromMpa(13.0), FFromK(300.0))
                                  .dRequiredIn3);

    // One cylinder and its extension when not said otherwise.
    app = Sized("aux-power --bore 4IN --rod 2IN --stroke 10IN --actuation 2sec --dwell 10sec --max 3000psi "
                "--min 1500psi");
    EXPECT_EQ(In(app, "siCylDim_NoCylParallel", "NONE"), 1.0);
    EXPECT_EQ(app["enumCylAffects"], 0);
    EXPECT_REL(In(app, "sdActVolDisplacement", "CU_IN"), CylinderIn3(4.0, 2.0, 10.0, 1, 0));
    EXPECT_REL(Required(app),
               AuxiliaryPower(CylinderIn3(4.0, 2.0, 10.0, 1, 0), 2.0, 10.0, PsiaFromPsig(3000.0),
                              PsiaFromPsig(1500.0), PsiaFromPsig(1400.0), 70.0)
                   .dRequiredIn3);
}

TEST(SizeFlags, HoldingWithAnEnteredOrAnEstimatedLeakage)
{
    json app = Sized("holding --hold 30MIN --leak 0.05LPM --max 200bara --min 180bara --temp 40DEG_C "
                     "--precharge 150bara");
    EXPECT_EQ(app["deSelectApp"], 4);
    EXPECT_EQ(app["bHoldLeakageRateChoice"], 1);
    EXPECT_REL(Required(app), Holding(0.05 * kM3PerLitre / kM3PerIn3, SecFromMin(30.0), PsiaFromBar(200.0),
                                      PsiaFromBar(180.0), PsiaFromBar(150.0), FFromC(40.0))
                                  .dRequiredIn3);

    app = Sized("holding --hold 600sec --valves 2 --valve-size 0.375IN --max 3000psi --min 2500psi");
    EXPECT_EQ(app["bHoldLeakageRateChoice"], 0);
    const double P = PsiaFromPsig(3000.0), L = 2.0 * (0.00198 * P + 0.03 + 4e-07 * P * P);
    EXPECT_REL(In(app, "sdHoldLeakageRate", "CU_IN_MIN"), L);
    EXPECT_REL(Required(app),
               Holding(L, 600.0, P, PsiaFromPsig(2500.0), PsiaFromPsig(2400.0), 70.0).dRequiredIn3);
}

TEST(SizeFlags, ShockOnAPipeOrATubeWithTheCataloguesDiametersAndFluids)
{
    // No temperature to give: shock suppression sizes at 70 deg F.
    EXPECT_NE(RunCli("size shock --max 150bara --flow 100LPM --pipe 1 --length 40FT --temp 45DEG_C").nStatus, 0);
    json app = Sized("shock --max 150bara --flow 100LPM --pipe 1 --length 40FT --fluid Water");
    EXPECT_EQ(app["deSelectApp"], 5);
    EXPECT_EQ(app["bShockPipeOrTube"], 1);
    EXPECT_EQ(app["strShockSchedule"], "40");
    EXPECT_EQ(app["dShockSchedule"], 1.049);
    EXPECT_EQ(app["dShockFluidDensity"], 0.0361);
    // Not given: 100 psi above the system pressure (above 2000 psi), in bar.
    const double dShockPsig = PsigFromBar(150.0) + 100.0;
    EXPECT_REL(In(app, "sdShockMaxShockPress", "BAR"), BarFromPsig(dShockPsig));
    EXPECT_EQ(Required(app), ShockSuppression(PsiaFromBar(150.0), PsiaFromPsig(dShockPsig), GpmFromLpm(100.0),
                                              70.0, InFromFt(40.0), 1.049, 0.0361)
                                 .dRequiredIn3);

    app = Sized("shock --tube '3/4 x 0.095 in' --max 2000psi --shock 2050psi --flow 30GPM --length 5m");
    EXPECT_EQ(app["bShockPipeOrTube"], 0);
    EXPECT_EQ(app["strShockNominalSize"], "3/4 x 0.095 in");
    EXPECT_EQ(app["dShockSchedule"], 0.56);
    EXPECT_EQ(Required(app), ShockSuppression(PsiaFromPsig(2000.0), PsiaFromPsig(2050.0), 30.0, 70.0,
                                              5.0 / 0.0254, 0.56, 0.0314)
                                 .dRequiredIn3);
}

TEST(SizeFlags, PulsationWithADisplacementOrFlowAndSpeed)
{
    json app = Sized("pulsation --pistons 5 --double --displacement 40CC_REV --max 3000psi --temp 150DEG_F");
    EXPECT_EQ(app["deSelectApp"], 6);
    EXPECT_EQ(app["bPulsationSingleOrDoublePump"], 0);
    EXPECT_EQ(app["bPulsationEnterPumpDispOrCalc"], 1);
    EXPECT_EQ(In(app, "sdShockMaxShockPress", "PSIG"), 3100.0);
    EXPECT_EQ(Required(app),
              Pulsation(PsiaFromPsig(3000.0), PsiaFromPsig(3100.0), 150.0, GalPerRevFromCcRev(40.0), 5, false)
                  .dRequiredIn3);

    // In bar the maximum allowable pressure not given is 100 psi above, not 5 % of the number shown.
    app = Sized("pulsation --pistons 3 --flow 50LPM --speed 1450 --max 250bara --temp 50DEG_C");
    EXPECT_EQ(app["bPulsationSingleOrDoublePump"], 1);
    EXPECT_EQ(app["iPulsationPumpSpeed"], 1450);
    const double dShockPsig = PsigFromBar(250.0) + 100.0;
    EXPECT_REL(In(app, "sdShockMaxShockPress", "BAR"), BarFromPsig(dShockPsig));
    EXPECT_EQ(Required(app), Pulsation(PsiaFromBar(250.0), PsiaFromPsig(dShockPsig), FFromC(50.0),
                                       GpmFromLpm(50.0) / 1450.0, 3, true)
                                 .dRequiredIn3);
}

TEST(SizeFlags, PumpResponseOfAVariableOrAFixedPump)
{
    json app = Sized("pump-response --max 170bara --flow 90LPM --response 0.0015MIN --temp 50DEG_C");
    EXPECT_EQ(app["deSelectApp"], 7);
    EXPECT_EQ(app["bShockVarOrFixed"], 1);
    // Not given: 200 psi above the gauge system pressure (above 2000 psi), in bar.
    const double dShockPsig = PsigFromBar(170.0) + 200.0;
    EXPECT_REL(In(app, "sdShockMaxShockPress", "BAR"), BarFromPsig(dShockPsig));
    EXPECT_REL(Required(app), PumpResponse(PsiaFromBar(170.0), PsiaFromPsig(dShockPsig), GpmFromLpm(90.0),
                                           FFromC(50.0), SecFromMin(0.0015), PsiaFromBar(0.85 * 170.0))
                                  .dRequiredIn3);

    // Fixed: the first relief valve that passes the flow unless one is named; 10 % above at 1000 psi.
    app = Sized("pump-response --fixed --max 1000psi --flow 15GPM --response 0.05sec");
    EXPECT_EQ(app["bShockVarOrFixed"], 0);
    EXPECT_EQ(In(app, "sdShockReliefValve", "SEC"), 0.015);
    const double dShockPsia = 1.1 * PsiaFromPsig(1000.0);
    EXPECT_REL(In(app, "sdShockMaxShockPress", "PSIG") + kGaugePa / kPaPerPsi, dShockPsia);
    EXPECT_REL(
        Required(app),
        PumpResponse(PsiaFromPsig(1000.0), dShockPsia, 15.0, 70.0, 0.05, PsiaFromPsig(850.0)).dRequiredIn3);
    app = Sized("pump-response --fixed --max 1000psi --flow 15GPM --response 0.05sec "
                "--relief-valve 'Pilot-Operated, 3/4 in (to 60 gpm)'");
    EXPECT_EQ(In(app, "sdShockReliefValve", "SEC"), 0.04);
}

TEST(SizeFlags, MultipleEventsTakeTheirEventsAsJson)
{
    // Multiple events has no flags: its events come as JSON, each with its own units.
    const std::string strInput =
        R"({"deSelectApp":2,"sdMultiEventTotalDuration":{"value":12,"unit":"SEC"},)"
        R"("sdEnterPumpSize":{"value":60,"unit":"LPM"},"sdMaxSysPress":{"value":207,"unit":"BAR"},)"
        R"("sdMinSysPress":{"value":150,"unit":"BAR"},"sdSysTemperature":{"value":60,"unit":"DEG_C"},)"
        R"("m_lstEvents":[)"
        R"({"iActNo":2,"iEventNo":1,"bPumpAvail":1,"enumActVolForEvent":2,"eExtendRetract":0,)"
        R"("sdBoreDia":{"value":2,"unit":"IN"},"sdRodDia":{"value":1,"unit":"IN"},)"
        R"("sdStrokeLength":{"value":8,"unit":"IN"},"sdEvStartTime":{"value":1,"unit":"SEC"},)"
        R"("sdEvDuration":{"value":2,"unit":"SEC"}},)"
        R"({"iActNo":1,"iEventNo":1,"bPumpAvail":0,"enumActVolForEvent":0,)"
        R"("sdFlowrate":{"value":40,"unit":"LPM"},"sdEvStartTime":{"value":0,"unit":"SEC"},)"
        R"("sdEvDuration":{"value":3,"unit":"SEC"}}]})";
    const SCliRun run = RunCli("size --input - --json", strInput);
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    const json app = json::parse(run.strOut)["application"];
    const double F = In3SecFromLpm(40.0), dCylinder = CylinderIn3(2.0, 1.0, 8.0, 1, 0);
    const SCycleOut cycle = Cycle({{1, 1, false, F, 0.0, 0.0, 3.0}, {2, 1, true, 0.0, dCylinder, 1.0, 2.0}},
                                  12.0, GpmFromLpm(60.0));
    const double dPrecharge = BarFromPsig(PsigFromBar(150.0) - 100.0);
    EXPECT_REL(In(app, "sdPrechargePress", "BAR"), dPrecharge);
    EXPECT_REL(Required(app), MultipleEvents(cycle, PsiaFromBar(207.0), PsiaFromBar(150.0),
                                             PsiaFromBar(dPrecharge), FFromC(60.0))
                                  .dRequiredIn3);
    EXPECT_EQ(app["iCriticalActuator"], cycle.nActuator);
    EXPECT_EQ(app["iNumOfActuators"], 2);
}

// The range goes into the JSON beside the fields, comes back in as input, and needs both ends.
TEST(SizeFlags, OperatingRangeInAndOutOfTheJson)
{
    const std::string strAux = "aux-power --volume 100CU_IN --actuation 2sec --dwell 20sec --max 3000psi --min "
                               "2000psi --temp 70DEG_F --precharge 1800psi";
    SCliRun run = RunCli("size " + strAux + " --json");
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    json out = json::parse(run.strOut);
    EXPECT_FALSE(out["application"].contains("sdOperatingTempMin"));
    EXPECT_FALSE(out["outcome"]["comparison"].contains("operatingRange"));
    // Boyle with the same entries, worked by hand: 100 / (0.95 P0 (1/P2 - 1/P1)) in psia.
    const double P0 = PsiaFromPsig(1800.0), P1 = PsiaFromPsig(3000.0), P2 = PsiaFromPsig(2000.0);
    EXPECT_REL(out["outcome"]["comparison"]["idealGas"]["isothermal"]["value"].get<double>(),
               100.0 / (0.95 * P0 * (1.0 / P2 - 1.0 / P1)));

    run = RunCli("size " + strAux + " --temp-min -20DEG_F --temp-max 60DEG_C --json");
    ASSERT_EQ(run.nStatus, 0) << run.strErr;
    out = json::parse(run.strOut);
    EXPECT_EQ(out["application"]["sdOperatingTempMax"], json::parse(R"({"value": 60.0, "unit": "DEG_C"})"));
    const json& range = out["outcome"]["comparison"]["operatingRange"];
    EXPECT_EQ(range["minimum"]["short"], true);
    EXPECT_EQ(range["maximum"]["temperature"]["value"].get<double>(), 140.0);
    EXPECT_TRUE(Contains(RunCli("size " + strAux + " --temp-min -20DEG_F --temp-max 60DEG_C").strOut,
                         "Warning: at -20 \u00B0F the accumulator falls short of the required volume"));
    // The output read back as input keeps the range.
    const SCliRun again = RunCli("size --input - --json", run.strOut);
    ASSERT_EQ(again.nStatus, 0) << again.strErr;
    EXPECT_EQ(json::parse(again.strOut)["outcome"], out["outcome"]);

    run = RunCli("size " + strAux + " --temp-min -20DEG_F");
    EXPECT_NE(run.nStatus, 0);
    EXPECT_TRUE(Contains(run.strErr, "(field: sdOperatingTempMax)")) << run.strErr;
}
