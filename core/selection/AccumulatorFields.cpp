// The names of an accumulator selection's fields.
#include "selection/AccumulatorFields.h"

#define APP(name) {#name, &CAccumulatorData::name, EFieldRole::Entry}
#define RES(name) {#name, &CAccumulatorData::name, EFieldRole::Result}
#define SEL(name) {#name, &CAccumulatorData::name, EFieldRole::Filled}

const std::vector<SAccumulatorField>& AccumulatorFields()
{
    static const std::vector<SAccumulatorField> fields = {
        {"m_nLevel", static_cast<int CAccumulatorData::*>(&CBaseProduct::m_nLevel), EFieldRole::Filled},
        SEL(m_strCadNo), SEL(sdAllowedMaxAccumulatorVol), SEL(sdAllowedMaxAccumulatorPress),
        SEL(sdAllowedMaxTemperature), SEL(sdAllowedMinTemperature), SEL(strApplicationText),
        // The known capacity is an entry; the other applications compute it.
        APP(deSelectApp), APP(sdRequiredAccumulatorVol), APP(sdMaxSysPress), APP(sdMinSysPress),
        APP(sdSysTemperature), APP(sdFlowRate), APP(deSelectCalcMethod), APP(sdActVolDisplacement),
        APP(sdActuationTime), APP(sdDwellTime), RES(sdMinPumpFlow), APP(sdCylDim_BoreDia), APP(sdCylDim_RodDia),
        APP(sdCylDim_StrokeLen), APP(siCylDim_NoCylParallel), APP(enumCylAffects), APP(sdEnterPumpSize),
        APP(bIsPumpRunning), APP(sdPrechargePress), APP(bPrechargeIHaveUseCalc), APP(bPrechargePistonOrBladder),
        RES(sdVolRatio), RES(sdVolDefci), RES(sdPolyTropicExponent), RES(sdPolyTropicExponentCharging),
        APP(sdMultiEventTotalDuration), RES(iNumOfActuators), RES(iCriticalActuator), RES(iCriticalEvent),
        RES(cudFlow), APP(sdHoldTimeHold), APP(sdHoldLeakageRate), APP(bHoldLeakageRateChoice),
        APP(siHoldNoOfValves), APP(sdHoldValveSize), APP(sdShockMaxShockPress), APP(strShockFluid),
        APP(dShockFluidDensity), APP(sdShockTubeLength), APP(bShockPipeOrTube), APP(strShockNominalSize),
        APP(dShockNominalSize), APP(strShockSchedule), APP(dShockSchedule), APP(iPulsationNoOfPistInPump),
        APP(sdPulsationPumpDisp), APP(iPulsationPumpSpeed), RES(sdPulsationCalcDisplacement),
        APP(bPulsationEnterPumpDispOrCalc), APP(bPulsationSingleOrDoublePump), APP(bShockVarOrFixed),
        APP(sdShockReliefValve), APP(sdShockResponseTime),
        SEL(strOversizePorts), SEL(cpcSeriesCode), SEL(cpcCapCode), SEL(cpcPressureCode), SEL(cudMaxPressure),
        SEL(cpcNomBoreCode), SEL(cpcDesignNumber), SEL(strAccumulatorType), SEL(strAccumulatorDesc),
        SEL(cudCapacityAccEach), SEL(cudCapacityAccTotal), SEL(cudCapacityGBEach), SEL(cudCapacityGBTotal),
        SEL(siQty), SEL(siGBQty), SEL(cpcGBPartNumber), SEL(cudBoreDisplay), SEL(bGasBottle), SEL(m_strType),
        SEL(eGasBottleType), SEL(m_strDescription), SEL(cpcPortModTypeCode), SEL(cpcPortModSizeCode),
        SEL(cpcGasPortModTypeCode), SEL(cpcGasPortModSizeCode),
        SEL(m_strPartNo), SEL(cpcSealCode), SEL(cpcPortCode), SEL(strPortDescription), SEL(cpcConstCode),
        SEL(strApproval), SEL(cpcOptionCode), SEL(cpcModCode), SEL(cpcCertCode), SEL(cpcHydPortCode),
        SEL(cpcGasPortCode), SEL(cpcGasValveCode), SEL(strTypFluid), SEL(cudMaxEnteredTempFluidCompatibility),
        SEL(cudMinEnteredTempFluidCompatibility), SEL(strSelectedFluid), SEL(strFluidCompatDescription),
        SEL(cudMaxFluidTempFluidCompatibility), SEL(cudMinFluidTempFluidCompatibility),
    };
    return fields;
}
#undef APP
#undef RES
#undef SEL

const std::vector<SEventField>& EventFields()
{
    static const std::vector<SEventField> fields = {
        {"iActNo", &SEvent::iActNo},
        {"iEventNo", &SEvent::iEventNo},
        {"bPumpAvail", &SEvent::bPumpAvail},
        {"sdFlowrate", &SEvent::sdFlowrate},
        {"sdVolume", &SEvent::sdVolume},
        {"sdBoreDia", &SEvent::sdBoreDia},
        {"sdRodDia", &SEvent::sdRodDia},
        {"sdStrokeLength", &SEvent::sdStrokeLength},
        {"enumActVolForEvent", &SEvent::enumActVolForEvent},
        {"eExtendRetract", &SEvent::eExtendRetract},
        {"sdEvStartTime", &SEvent::sdEvStartTime},
        {"sdEvDuration", &SEvent::sdEvDuration},
    };
    return fields;
}
