// The known-value cases of each application as the command line enters them: the flags (or a JSON
// input), the fields they must set, and the required capacity computed apart from the program by
// SizingReference.h. Most entries are those of the engine's own known-value tests; rows that differ mostly
// leave entries out, so that the defaults the command line fills are checked too.
#pragma once

#include "SizingReference.h"

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
    double dRequiredIn3 = 0.0; // 0: the capacity was entered, not computed
    std::string strInput = std::string();
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

inline std::vector<SSizingCase> SizingCases()
{
    // Precharges: the piston optimum (100 psi below a gauge minimum above 1000 psi), kept in bar.
    const double dPump = BarFromPsig(PsigFromBar(140.0) - 100.0), dEvents = BarFromPsig(PsigFromBar(150.0) - 100.0);
    // Maximum shock pressures not given: 100 (shock, pulsation) or 200 psi (variable pump) above the
    // gauge system pressure above 2000 psi, 10 % above the absolute one at 1000 psi (fixed pump).
    const double dShock = PsigFromBar(150.0) + 100.0, dPulse = PsigFromBar(250.0) + 100.0,
                 dVariable = PsigFromBar(170.0) + 200.0, dFixedPsia = 1.1 * PsiaFromPsig(1000.0);
    const double dCylinders = CylinderIn3(InFromMm(80.0), InFromMm(45.0), InFromCm(30.0), 2, 1),
                 dOneCylinder = CylinderIn3(4.0, 2.0, 10.0, 1, 0);
    const double P = PsiaFromPsig(3000.0), dValvesLeak = 2.0 * (0.00198 * P + 0.03 + 4e-07 * P * P);
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
                               PsiaFromBar(dPump), FFromC(50.0))
             .dRequiredIn3},
        {"pump-flow --bore 80mm --rod 45mm --stroke 30cm --cylinders 2 --movement retract --actuation 0.025MIN "
         "--dwell 6sec --pump 5GPM --pump-stopped --max 3000psi --min 2000psi --temp 120DEG_F --precharge 1500psi",
         {{"deSelectCalcMethod", 1},
          {"enumCylAffects", 1},
          {"bIsPumpRunning", 0},
          {"bPrechargeIHaveUseCalc", 1},
          {"sdVolDefci", dCylinders, "CU_IN"}}, // the pump stopped: the whole volume
         SupplementingPumpFlow(dCylinders, SecFromMin(0.025), 6.0, 0.0, PsiaFromPsig(3000.0), PsiaFromPsig(2000.0),
                               PsiaFromPsig(1500.0), 120.0)
             .dRequiredIn3},
        {"aux-power --volume 1.5GAL --actuation 3sec --dwell 0.5MIN --max 20MPa --min 13MPa --temp 300K "
         "--optimum bladder",
         {{"deSelectApp", 3}, {"bPrechargePistonOrBladder", 0}},
         AuxiliaryPower(In3FromGal(1.5), 3.0, SecFromMin(0.5), PsiaFromMpa(20.0), PsiaFromMpa(13.0),
                        0.9 * PsiaFromMpa(13.0), FFromK(300.0))
             .dRequiredIn3},
        // One cylinder and its extension when not said otherwise.
        {"aux-power --bore 4IN --rod 2IN --stroke 10IN --actuation 2sec --dwell 10sec --max 3000psi --min 1500psi",
         {{"siCylDim_NoCylParallel", 1, "NONE"}, {"enumCylAffects", 0}, {"sdActVolDisplacement", dOneCylinder, "CU_IN"}},
         AuxiliaryPower(dOneCylinder, 2.0, 10.0, PsiaFromPsig(3000.0), PsiaFromPsig(1500.0), PsiaFromPsig(1400.0), 70.0)
             .dRequiredIn3},
        {"holding --hold 30MIN --leak 0.05LPM --max 200bara --min 180bara --temp 40DEG_C --precharge 150bara",
         {{"deSelectApp", 4}, {"bHoldLeakageRateChoice", 1}},
         Holding(0.05 * kM3PerLitre / kM3PerIn3, SecFromMin(30.0), PsiaFromBar(200.0), PsiaFromBar(180.0),
                 PsiaFromBar(150.0), FFromC(40.0))
             .dRequiredIn3},
        {"holding --hold 600sec --valves 2 --valve-size 0.375IN --max 3000psi --min 2500psi",
         {{"bHoldLeakageRateChoice", 0}, {"sdHoldLeakageRate", dValvesLeak, "CU_IN_MIN"}},
         Holding(dValvesLeak, 600.0, P, PsiaFromPsig(2500.0), PsiaFromPsig(2400.0), 70.0).dRequiredIn3},
        {"shock --max 150bara --flow 100LPM --pipe 1 --length 40FT --fluid Water",
         {{"deSelectApp", 5},
          {"bShockPipeOrTube", 1},
          {"dShockSchedule", 1.049}, // schedule 40 unless told
          {"dShockFluidDensity", 0.0361},
          {"sdShockMaxShockPress", BarFromPsig(dShock), "BAR"}},
         ShockSuppression(PsiaFromBar(150.0), PsiaFromPsig(dShock), GpmFromLpm(100.0), 70.0, InFromFt(40.0), 1.049,
                          0.0361)
             .dRequiredIn3},
        {"shock --tube '3/4 x 0.095 in' --max 2000psi --shock 2050psi --flow 30GPM --length 5m",
         {{"bShockPipeOrTube", 0}, {"dShockSchedule", 0.56}},
         ShockSuppression(PsiaFromPsig(2000.0), PsiaFromPsig(2050.0), 30.0, 70.0, 5.0 / 0.0254, 0.56, 0.0314)
             .dRequiredIn3},
        {"pulsation --pistons 5 --double --displacement 40CC_REV --max 3000psi --temp 150DEG_F",
         {{"deSelectApp", 6},
          {"bPulsationSingleOrDoublePump", 0},
          {"bPulsationEnterPumpDispOrCalc", 1},
          {"sdShockMaxShockPress", 3100.0, "PSIG"}},
         Pulsation(PsiaFromPsig(3000.0), PsiaFromPsig(3100.0), 150.0, GalPerRevFromCcRev(40.0), 5, false)
             .dRequiredIn3},
        // In bar the maximum not given is 100 psi above, not 5 % of the number shown.
        {"pulsation --pistons 3 --flow 50LPM --speed 1450 --max 250bara --temp 50DEG_C",
         {{"bPulsationSingleOrDoublePump", 1}, {"iPulsationPumpSpeed", 1450}, {"sdShockMaxShockPress", BarFromPsig(dPulse), "BAR"}},
         Pulsation(PsiaFromBar(250.0), PsiaFromPsig(dPulse), FFromC(50.0), GpmFromLpm(50.0) / 1450.0, 3, true)
             .dRequiredIn3},
        {"pump-response --max 170bara --flow 90LPM --response 0.0015MIN --temp 50DEG_C",
         {{"deSelectApp", 7}, {"bShockVarOrFixed", 1}, {"sdShockMaxShockPress", BarFromPsig(dVariable), "BAR"}},
         PumpResponse(PsiaFromBar(170.0), PsiaFromPsig(dVariable), GpmFromLpm(90.0), FFromC(50.0), SecFromMin(0.0015),
                      PsiaFromBar(0.85 * 170.0))
             .dRequiredIn3},
        // Fixed: the first relief valve that passes the flow unless one is named.
        {"pump-response --fixed --max 1000psi --flow 15GPM --response 0.05sec",
         {{"bShockVarOrFixed", 0},
          {"sdShockReliefValve", 0.015, "SEC"},
          {"sdShockMaxShockPress", dFixedPsia - kGaugePa / kPaPerPsi, "PSIG"}},
         PumpResponse(PsiaFromPsig(1000.0), dFixedPsia, 15.0, 70.0, 0.05, PsiaFromPsig(850.0)).dRequiredIn3},
        {"pump-response --fixed --max 1000psi --flow 15GPM --response 0.05sec "
         "--relief-valve 'Pilot-Operated, 3/4 in (to 60 gpm)'",
         {{"sdShockReliefValve", 0.04, "SEC"}}},
        {"--input -",
         {{"sdPrechargePress", dEvents, "BAR"}, {"iCriticalActuator", double(cycle.nActuator)}, {"iNumOfActuators", 2}},
         MultipleEvents(cycle, PsiaFromBar(207.0), PsiaFromBar(150.0), PsiaFromBar(dEvents), FFromC(60.0)).dRequiredIn3,
         kTwoEventsJson},
    };
}
} // namespace ref
