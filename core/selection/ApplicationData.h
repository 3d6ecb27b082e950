// The application description of an accumulator selection: what it is for, every
// calculation input and every result.
#pragma once

#include "units/UnitDouble.h"
#include "units/UnitInt.h"

#include <string>

// Applications (deSelectApp).
namespace app
{
constexpr int KnownCapacity = 0;
constexpr int SupplementingPumpFlow = 1;
constexpr int MultipleEvents = 2;
constexpr int AuxiliaryPower = 3;
constexpr int Holding = 4;
constexpr int ShockSuppression = 5;
constexpr int Pulsation = 6;
constexpr int PumpResponse = 7;
constexpr int NoneChosen = 8;
} // namespace app

struct SApplicationData
{
    int deSelectApp = 0;
    CUnitDouble sdRequiredAccumulatorVol;
    CUnitDouble sdMaxSysPress;
    CUnitDouble sdMinSysPress;
    CUnitDouble sdSysTemperature;
    CUnitDouble sdFlowRate;
    int deSelectCalcMethod = 0; // 0 actuator volumetric displacement, 1 cylinder dimensions
    CUnitDouble sdActVolDisplacement;
    CUnitDouble sdActuationTime;
    CUnitDouble sdDwellTime;
    CUnitDouble sdMinPumpFlow;
    CUnitDouble sdCylDim_BoreDia;
    CUnitDouble sdCylDim_RodDia;
    CUnitDouble sdCylDim_StrokeLen;
    CUnitInt siCylDim_NoCylParallel;
    int enumCylAffects = 0; // 0 extend, 1 retract, 2 both
    CUnitDouble sdEnterPumpSize;
    int bIsPumpRunning = 1;
    CUnitDouble sdPrechargePress;
    int bPrechargeIHaveUseCalc = 0;    // 1: the user gave the precharge
    int bPrechargePistonOrBladder = 1; // which calculated optimum: 1 piston, 0 bladder/diaphragm
    CUnitDouble sdVolRatio;
    CUnitDouble sdVolDefci;
    CUnitDouble sdPolyTropicExponent;
    CUnitDouble sdPolyTropicExponentCharging;
    CUnitDouble sdMultiEventTotalDuration;
    int iNumOfActuators = 0;
    int iCriticalActuator = 0;
    int iCriticalEvent = 0;
    CUnitDouble cudFlow;
    CUnitDouble sdHoldTimeHold;
    CUnitDouble sdHoldLeakageRate;
    int bHoldLeakageRateChoice = 1; // 1 entered, 0 estimated from the valves
    CUnitInt siHoldNoOfValves;
    CUnitDouble sdHoldValveSize;
    CUnitDouble sdShockMaxShockPress;
    std::string strShockFluid;
    double dShockFluidDensity = 0.0; // lb/in3
    CUnitDouble sdShockTubeLength;
    int bShockPipeOrTube = 1; // 1 pipe, 0 tube
    std::string strShockNominalSize;
    double dShockNominalSize = 0.0;
    std::string strShockSchedule;
    double dShockSchedule = 0.0; // inside diameter of the line, in
    int iPulsationNoOfPistInPump = 0;
    CUnitDouble sdPulsationPumpDisp;
    int iPulsationPumpSpeed = 0;
    CUnitDouble sdPulsationCalcDisplacement;
    int bPulsationEnterPumpDispOrCalc = 1; // 1 entered, 0 calculated
    int bPulsationSingleOrDoublePump = 1;  // 1 single acting, 0 double acting
    int bShockVarOrFixed = 1;              // 1 variable volume pump, 0 fixed displacement
    CUnitDouble sdShockReliefValve;
    CUnitDouble sdShockResponseTime;

    bool operator==(const SApplicationData&) const;
};
