// The application fields in the order the selection file stores them, for one walk that
// serves storing, copying and comparing alike.
#pragma once

#include "selection/ApplicationData.h"

// Calls v with a pointer to each application field, in stored order. bIsPumpRunning is
// stored twice and so visited twice; a second visit repeats the first for copying and comparing.
template <class V> void WalkApplicationFields(V&& v)
{
    using A = SApplicationData;
    v(&A::deSelectApp);
    v(&A::sdRequiredAccumulatorVol);
    v(&A::sdMaxSysPress);
    v(&A::sdMinSysPress);
    v(&A::sdSysTemperature);
    v(&A::sdFlowRate);
    v(&A::deSelectCalcMethod);
    v(&A::sdActVolDisplacement);
    v(&A::sdActuationTime);
    v(&A::sdDwellTime);
    v(&A::sdMinPumpFlow);
    v(&A::sdCylDim_BoreDia);
    v(&A::sdCylDim_RodDia);
    v(&A::sdCylDim_StrokeLen);
    v(&A::siCylDim_NoCylParallel);
    v(&A::enumCylAffects);
    v(&A::sdEnterPumpSize);
    v(&A::bIsPumpRunning);
    v(&A::sdPrechargePress);
    v(&A::bIsPumpRunning); // the copy read last is the one kept
    v(&A::bPrechargeIHaveUseCalc);
    v(&A::bPrechargePistonOrBladder);
    v(&A::sdVolRatio);
    v(&A::sdVolDefci);
    v(&A::sdPolyTropicExponent);
    v(&A::sdPolyTropicExponentCharging);
    v(&A::sdMultiEventTotalDuration);
    v(&A::iNumOfActuators);
    v(&A::iCriticalActuator);
    v(&A::iCriticalEvent);
    v(&A::cudFlow);
    v(&A::sdHoldTimeHold);
    v(&A::sdHoldLeakageRate);
    v(&A::bHoldLeakageRateChoice);
    v(&A::siHoldNoOfValves);
    v(&A::sdHoldValveSize);
    v(&A::sdShockMaxShockPress);
    v(&A::strShockFluid);
    v(&A::dShockFluidDensity);
    v(&A::sdShockTubeLength);
    v(&A::bShockPipeOrTube);
    v(&A::strShockNominalSize);
    v(&A::dShockNominalSize);
    v(&A::strShockSchedule);
    v(&A::dShockSchedule);
    v(&A::iPulsationNoOfPistInPump);
    v(&A::sdPulsationPumpDisp);
    v(&A::iPulsationPumpSpeed);
    v(&A::sdPulsationCalcDisplacement);
    v(&A::bPulsationEnterPumpDispOrCalc);
    v(&A::bPulsationSingleOrDoublePump);
    v(&A::bShockVarOrFixed);
    v(&A::sdShockReliefValve);
    v(&A::sdShockResponseTime);
}
