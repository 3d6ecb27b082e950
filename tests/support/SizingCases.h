// The known-value cases of the applications, read by the engine's tests and the command line's alike.
// A row gives the entries twice, as `tesmara size` takes them (flags, or JSON input) and as the engine
// takes them (enter), and the results computed apart from the program by SizingReference.h. The
// command line checks the fields its flags must set and the required capacity; the engine checks
// the capacity, the exponents, the volume ratio, the deficit and the row's own checks (more). A row
// without flags is the engine's alone, one without enter the command line's alone (its defaults).
#pragma once

#include "ExpectRel.h"
#include "SizingReference.h"

#include "selection/ApplicationData.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace ref
{
struct SField
{
    const char* pszName;
    double dValue;
    const char* pszUnit = nullptr; // none: a plain number
};

struct SSizingCase
{
    std::string strArgs; // after "tesmara size"
    std::vector<SField> fields;
    SExpected expected = SExpected(); // dRequiredIn3 0: the capacity was entered, not computed
    std::string strInput = std::string();
    int nApp = 0;
    std::function<void(SApplicationData&)> enter = nullptr;
    std::function<void(const SApplicationData&)> more = nullptr;
};

// Multiple events has no flags: its events come as JSON, each with its own units.
inline const char* kTwoEventsJson =
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

// The actuator given as cylinders: their bore, rod and stroke, how many move in parallel, and which
// movement counts (0 extend, 1 retract, 2 both).
inline void EnterCylinders(SApplicationData& s, const CUnitDouble& bore, const CUnitDouble& rod,
                           const CUnitDouble& stroke, int nCylinders, int nMovement)
{
    s.deSelectCalcMethod = 1;
    s.sdCylDim_BoreDia = bore, s.sdCylDim_RodDia = rod, s.sdCylDim_StrokeLen = stroke;
    s.siCylDim_NoCylParallel.SetValue(nCylinders);
    s.enumCylAffects = nMovement;
}

inline std::vector<SSizingCase> SizingCases()
{
    using D = SApplicationData;
    // Precharges: the piston optimum (100 psi below a gauge minimum above 1000 psi), kept in bar.
    const double dPump = BarFromPsig(PsigFromBar(140.0) - 100.0), dEvents = BarFromPsig(PsigFromBar(150.0) - 100.0);
    // Maximum shock pressures not given: 100 (shock, pulsation) or 200 psi (variable pump) above the
    // gauge system pressure above 2000 psi, 10 % above the absolute one at 1000 psi (fixed pump).
    const double dShock = PsigFromBar(150.0) + 100.0, dPulse = PsigFromBar(250.0) + 100.0,
                 dVariable = PsigFromBar(170.0) + 200.0, dFixedPsia = 1.1 * PsiaFromPsig(1000.0);
    const double dCylinders = CylinderIn3(InFromMm(80.0), InFromMm(45.0), InFromCm(30.0), 2, 1),
                 dOneCylinder = CylinderIn3(4.0, 2.0, 10.0, 1, 0), dBoth = CylinderIn3(InFromMm(100.0), 2.0, 12.0, 1, 2);
    const double P = PsiaFromPsig(3000.0), dValvesLeak = 2.0 * (0.00198 * P + 0.03 + 4e-07 * P * P);
    const double dDisplacement = GpmFromLpm(50.0) / 1450.0; // gal/rev
    const SCycleOut cycle = Cycle({{1, 1, false, In3SecFromLpm(40.0), 0.0, 0.0, 3.0},
                                   {2, 1, true, 0.0, CylinderIn3(2.0, 1.0, 8.0, 1, 0), 1.0, 2.0}},
                                  12.0, GpmFromLpm(60.0));
    return {
        {"known-capacity --capacity 40L --max 210bara",
         {{"deSelectApp", 0}, {"sdRequiredAccumulatorVol", 40.0, "L"}, {"sdMaxSysPress", 210.0, "BAR"}}},
        {"pump-flow --volume 5L --actuation 2sec --dwell 8sec --pump 32LPM --max 210bara --min 140bara "
         "--temp '50 \u00B0C'",
         {{"deSelectApp", 1}, {"deSelectCalcMethod", 0}, {"bIsPumpRunning", 1}, {"sdPrechargePress", dPump, "BAR"}},
         SupplementingPumpFlow(In3FromLitre(5.0), 2.0, 8.0, GpmFromLpm(32.0), PsiaFromBar(210.0), PsiaFromBar(140.0),
                               PsiaFromBar(dPump), FFromC(50.0)),
         "", app::SupplementingPumpFlow,
         [](D& s)
         {
             s.deSelectCalcMethod = 0;
             s.sdActVolDisplacement.Set(5.0, "L");
             s.sdActuationTime.Set(2.0, "SEC"), s.sdDwellTime.Set(8.0, "SEC");
             s.sdEnterPumpSize.Set(32.0, "LPM");
             s.sdMaxSysPress.Set(210.0, "BAR"), s.sdMinSysPress.Set(140.0, "BAR");
             s.sdSysTemperature.Set(50.0, "DEG_C");
         },
         [=](const D& s)
         {
             EXPECT_EQ(s.sdMinPumpFlow.GetUnit(), "GPM");
             EXPECT_REL(s.sdMinPumpFlow.Value(), In3FromLitre(5.0) / 10.0 / 3.85, 1e-6);
             EXPECT_EQ(s.sdPrechargePress.GetUnit(), "BAR");
             EXPECT_REL(s.sdPrechargePress.Value(), dPump, 1e-9);
             EXPECT_EQ(s.sdVolDefci.GetUnit(), "CU_IN");
         }},
        // The pump stopped during the actuation: the whole volume is the deficit.
        {"pump-flow --bore 80mm --rod 45mm --stroke 30cm --cylinders 2 --movement retract --actuation 0.025MIN "
         "--dwell 6sec --pump 5GPM --pump-stopped --max 3000psi --min 2000psi --temp 120DEG_F --precharge 1500psi",
         {{"deSelectCalcMethod", 1},
          {"enumCylAffects", 1},
          {"bIsPumpRunning", 0},
          {"bPrechargeIHaveUseCalc", 1},
          {"sdVolDefci", dCylinders, "CU_IN"}},
         SupplementingPumpFlow(dCylinders, SecFromMin(0.025), 6.0, 0.0, PsiaFromPsig(3000.0), PsiaFromPsig(2000.0),
                               PsiaFromPsig(1500.0), 120.0),
         "", app::SupplementingPumpFlow,
         [](D& s)
         {
             EnterCylinders(s, {80.0, "MM"}, {45.0, "MM"}, {30.0, "CM"}, 2, 1); // retract
             s.sdActuationTime.Set(0.025, "MIN"); // 1.4997 s in the table's minutes
             s.sdDwellTime.Set(6.0, "SEC");
             s.sdEnterPumpSize.Set(5.0, "GPM"), s.bIsPumpRunning = 0;
             s.sdMaxSysPress.Set(3000.0, "PSIG"), s.sdMinSysPress.Set(2000.0, "PSIG");
             s.sdSysTemperature.Set(120.0, "DEG_F");
             s.bPrechargeIHaveUseCalc = 1, s.sdPrechargePress.Set(1500.0, "PSIG");
         },
         [=](const D& s)
         {
             EXPECT_EQ(s.sdActVolDisplacement.GetUnit(), "CU_IN");
             EXPECT_REL(s.sdActVolDisplacement.Value(), dCylinders, 1e-12);
             EXPECT_REL(s.sdMinPumpFlow.Value(), dCylinders / (SecFromMin(0.025) + 6.0) / 3.85, 1e-6);
             EXPECT_EQ(s.sdPrechargePress.Value(), 1500.0); // entered: kept as it is
         }},
        {"aux-power --volume 1.5GAL --actuation 3sec --dwell 0.5MIN --max 20MPa --min 13MPa --temp 300K "
         "--optimum bladder",
         {{"deSelectApp", 3}, {"bPrechargePistonOrBladder", 0}},
         AuxiliaryPower(In3FromGal(1.5), 3.0, SecFromMin(0.5), PsiaFromMpa(20.0), PsiaFromMpa(13.0),
                        0.9 * PsiaFromMpa(13.0), FFromK(300.0)),
         "", app::AuxiliaryPower,
         [](D& s)
         {
             s.sdActVolDisplacement.Set(1.5, "GAL");
             s.sdActuationTime.Set(3.0, "SEC"), s.sdDwellTime.Set(0.5, "MIN");
             s.sdMaxSysPress.Set(20.0, "MPA"), s.sdMinSysPress.Set(13.0, "MPA");
             s.sdSysTemperature.Set(300.0, "DEG_K");
             s.bPrechargePistonOrBladder = 0; // the bladder optimum: 0.9 of the absolute minimum, in MPa
             s.sdVolDefci.Set(7.0, "GAL");    // no flag: a deficit left from another application
         },
         [](const D& s)
         {
             EXPECT_EQ(s.sdPrechargePress.GetUnit(), "MPA");
             EXPECT_REL(s.sdPrechargePress.Value(), 0.9 * 13.0, 1e-9);
             EXPECT_TRUE(s.sdVolDefci.IsIdentical(CUnitDouble(7.0, "CU_IN"))); // the unit given, the value kept
             EXPECT_EQ(s.sdMinPumpFlow.Value(), 0.0);                          // this chain computes no pump flow
         }},
        // One cylinder and its extension when not said otherwise.
        {"aux-power --bore 4IN --rod 2IN --stroke 10IN --actuation 2sec --dwell 10sec --max 3000psi --min 1500psi",
         {{"siCylDim_NoCylParallel", 1, "NONE"}, {"enumCylAffects", 0}, {"sdActVolDisplacement", dOneCylinder, "CU_IN"}},
         AuxiliaryPower(dOneCylinder, 2.0, 10.0, PsiaFromPsig(3000.0), PsiaFromPsig(1500.0), PsiaFromPsig(1400.0), 70.0)},
        // Both movements; below 1000 psi the piston optimum is 0.9 P.
        {"aux-power --bore 100mm --rod 2IN --stroke 1FT --movement both --actuation 4sec --dwell 30sec --max 2500psi "
         "--min 800psi --temp 80DEG_F",
         {{"enumCylAffects", 2}, {"sdPrechargePress", 720.0, "PSIG"}},
         AuxiliaryPower(dBoth, 4.0, 30.0, PsiaFromPsig(2500.0), PsiaFromPsig(800.0), PsiaFromPsig(720.0), 80.0),
         "", app::AuxiliaryPower,
         [](D& s)
         {
             EnterCylinders(s, {100.0, "MM"}, {2.0, "IN"}, {1.0, "FT"}, 1, 2); // both
             s.sdActuationTime.Set(4.0, "SEC"), s.sdDwellTime.Set(30.0, "SEC");
             s.sdMaxSysPress.Set(2500.0, "PSIG"), s.sdMinSysPress.Set(800.0, "PSIG");
             s.sdSysTemperature.Set(80.0, "DEG_F");
         },
         [=](const D& s)
         {
             EXPECT_REL(s.sdActVolDisplacement.Value(), dBoth, 1e-12);
             EXPECT_REL(s.sdPrechargePress.Value(), 720.0, 1e-12);
         }},
        {"holding --hold 30MIN --leak 0.05LPM --max 200bara --min 180bara --temp 40DEG_C --precharge 150bara",
         {{"deSelectApp", 4}, {"bHoldLeakageRateChoice", 1}},
         Holding(0.05 * kM3PerLitre / kM3PerIn3, SecFromMin(30.0), PsiaFromBar(200.0), PsiaFromBar(180.0),
                 PsiaFromBar(150.0), FFromC(40.0)),
         "", app::Holding,
         [](D& s)
         {
             s.bHoldLeakageRateChoice = 1, s.sdHoldLeakageRate.Set(0.05, "LPM");
             s.sdHoldTimeHold.Set(30.0, "MIN"); // 1799.6 s: steps of 10 s in the gas model
             s.sdMaxSysPress.Set(200.0, "BAR"), s.sdMinSysPress.Set(180.0, "BAR");
             s.sdSysTemperature.Set(40.0, "DEG_C");
             s.bPrechargeIHaveUseCalc = 1, s.sdPrechargePress.Set(150.0, "BAR");
         }},
        {"holding --hold 600sec --valves 2 --valve-size 0.375IN --max 3000psi --min 2500psi",
         {{"bHoldLeakageRateChoice", 0}, {"sdHoldLeakageRate", dValvesLeak, "CU_IN_MIN"}},
         Holding(dValvesLeak, 600.0, P, PsiaFromPsig(2500.0), PsiaFromPsig(2400.0), 70.0), "", app::Holding,
         [](D& s)
         {
             s.bHoldLeakageRateChoice = 0;
             s.siHoldNoOfValves.SetValue(2), s.sdHoldValveSize.Set(0.375, "IN");
             s.sdHoldTimeHold.Set(600.0, "SEC");
             s.sdMaxSysPress.Set(3000.0, "PSIG"), s.sdMinSysPress.Set(2500.0, "PSIG");
             s.sdSysTemperature.Set(70.0, "DEG_F");
         },
         [=](const D& s)
         {
             EXPECT_EQ(s.sdHoldLeakageRate.GetUnit(), "CU_IN_MIN");
             EXPECT_REL(s.sdHoldLeakageRate.Value(), dValvesLeak, 1e-12);
             EXPECT_REL(s.sdPrechargePress.Value(), 2400.0, 1e-12); // the gauge piston rule for a psi entry
         }},
        {"shock --max 150bara --flow 100LPM --pipe 1 --length 40FT --fluid Water",
         {{"deSelectApp", 5},
          {"bShockPipeOrTube", 1},
          {"dShockSchedule", 1.049}, // schedule 40 unless told
          {"dShockFluidDensity", 0.0361},
          {"sdShockMaxShockPress", BarFromPsig(dShock), "BAR"}},
         ShockSuppression(PsiaFromBar(150.0), PsiaFromPsig(dShock), GpmFromLpm(100.0), 70.0, InFromFt(40.0), 1.049,
                          0.0361)},
        {"shock --max 140bara --shock 145bara --flow 120LPM --pipe 1 --length 15m",
         {{"sdShockMaxShockPress", 145.0, "BAR"}},
         ShockSuppression(PsiaFromBar(140.0), PsiaFromBar(145.0), GpmFromLpm(120.0), 70.0, 15.0 / 0.0254, 1.049, 0.0314),
         "", app::ShockSuppression,
         [](D& s)
         {
             s.sdMaxSysPress.Set(140.0, "BAR"), s.sdShockMaxShockPress.Set(145.0, "BAR");
             s.sdEnterPumpSize.Set(120.0, "LPM");
             s.sdShockTubeLength.Set(15.0, "M");
             s.dShockSchedule = 1.049, s.dShockFluidDensity = 0.0314;
             // Left over from another application (the dialog has no temperature entry): not used.
             s.sdSysTemperature.Set(45.0, "DEG_C");
         },
         [](const D& s)
         {
             // Not entered in psi: 60 % of the absolute pressure, in psia.
             EXPECT_EQ(s.sdPrechargePress.GetUnit(), "PSIA");
             EXPECT_REL(s.sdPrechargePress.Value(), 0.6 * PsiaFromBar(140.0), 1e-12);
             // Sized at the assumed 70 deg F, which the selection keeps in its own unit: 21.1 deg C.
             EXPECT_EQ(s.sdSysTemperature.GetUnit(), "DEG_C");
             EXPECT_NEAR(s.sdSysTemperature.Value(), (70.0 - 32.0) / 1.8, 1e-9);
         }},
        {"shock --tube '3/4 x 0.095 in' --max 2000psi --shock 2050psi --flow 30GPM --length 5m",
         {{"bShockPipeOrTube", 0}, {"dShockSchedule", 0.56}},
         ShockSuppression(PsiaFromPsig(2000.0), PsiaFromPsig(2050.0), 30.0, 70.0, 5.0 / 0.0254, 0.56, 0.0314), "",
         app::ShockSuppression,
         [](D& s)
         {
             s.bShockPipeOrTube = 0, s.dShockSchedule = 0.56, s.dShockFluidDensity = 0.0314;
             s.sdMaxSysPress.Set(2000.0, "PSIG"), s.sdShockMaxShockPress.Set(2050.0, "PSIG");
             s.sdEnterPumpSize.Set(30.0, "GPM"), s.sdShockTubeLength.Set(5.0, "M");
         },
         // In psi: 60 % of the gauge value, in psi.
         [](const D& s) { EXPECT_TRUE(s.sdPrechargePress.IsIdentical(CUnitDouble(1200.0, "PSIG"))); }},
        {"pulsation --pistons 5 --double --displacement 40CC_REV --max 3000psi --temp 150DEG_F",
         {{"deSelectApp", 6},
          {"bPulsationSingleOrDoublePump", 0},
          {"bPulsationEnterPumpDispOrCalc", 1},
          {"sdShockMaxShockPress", 3100.0, "PSIG"}},
         Pulsation(PsiaFromPsig(3000.0), PsiaFromPsig(3100.0), 150.0, GalPerRevFromCcRev(40.0), 5, false), "",
         app::Pulsation,
         [](D& s)
         {
             s.iPulsationNoOfPistInPump = 5, s.bPulsationSingleOrDoublePump = 0; // double acting
             s.bPulsationEnterPumpDispOrCalc = 1, s.sdPulsationPumpDisp.Set(40.0, "CC_REV");
             s.sdMaxSysPress.Set(3000.0, "PSIG");
             s.sdShockMaxShockPress.Set(3100.0, "PSIG"); // the computed maximum: equal passes
             s.sdSysTemperature.Set(150.0, "DEG_F");
         },
         [](const D& s) { EXPECT_TRUE(s.sdPrechargePress.IsIdentical(CUnitDouble(1800.0, "PSIG"))); }},
        // In bar the maximum not given is 100 psi above, not 5 % of the number shown.
        {"pulsation --pistons 3 --flow 50LPM --speed 1450 --max 250bara --temp 50DEG_C",
         {{"bPulsationSingleOrDoublePump", 1}, {"iPulsationPumpSpeed", 1450}, {"sdShockMaxShockPress", BarFromPsig(dPulse), "BAR"}},
         Pulsation(PsiaFromBar(250.0), PsiaFromPsig(dPulse), FFromC(50.0), dDisplacement, 3, true), "", app::Pulsation,
         [=](D& s)
         {
             s.iPulsationNoOfPistInPump = 3, s.bPulsationSingleOrDoublePump = 1;
             s.bPulsationEnterPumpDispOrCalc = 0;
             s.sdFlowRate.Set(50.0, "LPM"), s.iPulsationPumpSpeed = 1450;
             s.sdMaxSysPress.Set(250.0, "BAR"), s.sdShockMaxShockPress.Set(BarFromPsig(dPulse), "BAR");
             s.sdSysTemperature.Set(50.0, "DEG_C");
         },
         [=](const D& s)
         {
             EXPECT_EQ(s.sdPulsationCalcDisplacement.GetUnit(), "CU_IN_REV");
             EXPECT_REL(s.sdPulsationCalcDisplacement.Value(), dDisplacement * kM3PerGal / kM3PerIn3, 1e-12);
             // 60 % of the absolute pressure, given back in bar.
             EXPECT_REL(s.sdPrechargePress.GetValue("PSIA"), 0.6 * PsiaFromBar(250.0), 1e-12);
             EXPECT_EQ(s.sdPrechargePress.GetUnit(), "BAR");
         }},
        {"pump-response --max 170bara --flow 90LPM --response 0.0015MIN --temp 50DEG_C",
         {{"deSelectApp", 7}, {"bShockVarOrFixed", 1}, {"sdShockMaxShockPress", BarFromPsig(dVariable), "BAR"}},
         PumpResponse(PsiaFromBar(170.0), PsiaFromPsig(dVariable), GpmFromLpm(90.0), FFromC(50.0), SecFromMin(0.0015),
                      PsiaFromBar(0.85 * 170.0)),
         "", app::PumpResponse,
         [=](D& s)
         {
             s.bShockVarOrFixed = 1;
             s.sdMaxSysPress.Set(170.0, "BAR"), s.sdShockMaxShockPress.Set(BarFromPsig(dVariable), "BAR");
             s.sdFlowRate.Set(90.0, "LPM");
             s.sdShockResponseTime.Set(0.0015, "MIN");
             s.sdSysTemperature.Set(50.0, "DEG_C");
         },
         [](const D& s) { EXPECT_TRUE(s.sdPrechargePress.IsIdentical(CUnitDouble(0.85 * 170.0, "BAR"))); }},
        // Fixed: the first relief valve that passes the flow unless one is named; the pump's own
        // response time counts, not the valve's.
        {"pump-response --fixed --max 1000psi --flow 15GPM --response 0.05sec",
         {{"bShockVarOrFixed", 0},
          {"sdShockReliefValve", 0.015, "SEC"},
          {"sdShockMaxShockPress", dFixedPsia - kGaugePa / kPaPerPsi, "PSIG"}},
         PumpResponse(PsiaFromPsig(1000.0), dFixedPsia, 15.0, 70.0, 0.05, PsiaFromPsig(850.0)), "", app::PumpResponse,
         [=](D& s)
         {
             s.bShockVarOrFixed = 0, s.sdShockReliefValve.Set(0.015, "SEC");
             s.sdMaxSysPress.Set(1000.0, "PSIG"), s.sdShockMaxShockPress.Set(dFixedPsia - kGaugePa / kPaPerPsi, "PSIG");
             s.sdFlowRate.Set(15.0, "GPM"), s.sdShockResponseTime.Set(0.05, "SEC");
             s.sdSysTemperature.Set(70.0, "DEG_F");
         },
         [](const D& s) { EXPECT_TRUE(s.sdPrechargePress.IsIdentical(CUnitDouble(850.0, "PSIG"))); }},
        {"pump-response --fixed --max 1000psi --flow 15GPM --response 0.05sec "
         "--relief-valve 'Pilot-Operated, 3/4 in (to 60 gpm)'",
         {{"sdShockReliefValve", 0.04, "SEC"}}},
        {"--input -",
         {{"sdPrechargePress", dEvents, "BAR"}, {"iCriticalActuator", double(cycle.nActuator)}, {"iNumOfActuators", 2}},
         MultipleEvents(cycle, PsiaFromBar(207.0), PsiaFromBar(150.0), PsiaFromBar(dEvents), FFromC(60.0)),
         kTwoEventsJson},
    };
}
} // namespace ref
