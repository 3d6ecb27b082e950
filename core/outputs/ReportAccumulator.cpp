// The report of an accumulator or gas bottle selection: dimensions, picture, model number,
// every value key of the catalogue, options and the events of a multiple-events cycle.
#include "outputs/ReportFillers.h"
#include "outputs/ReportFormat.h"
#include "outputs/ReportKeys.h"

#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"
#include "platform/StringTable.h"
#include "selection/AccumulatorData.h"
#include "sizing/GasStateRun.h"
#include "sizing/SizeApplication.h"
#include "sizing/SizingComparison.h"
#include "units/NumberFormat.h"

#include <functional>
#include <unordered_map>

namespace
{
constexpr int kStringApplicationBase = 51003; // + deSelectApp
constexpr int kStringBrandPicture = 52113;
constexpr int kStringYes = 62450;
constexpr int kStringNo = 62451;
constexpr int kStringPumpOn = 50039;
constexpr int kStringPumpOff = 50067;
constexpr int kStringPrechargeRuleMet = 53100;
constexpr int kStringPrechargeRuleNotMet = 53101;
constexpr int kStringFallsShort = 53102;

struct SSource
{
    const CAccumulatorData& d;
    const SReportContext& context;
    const std::string& strModelNumber;
    const sizing::SSizingComparison& comparison;
};

using Fill = std::string (*)(const SSource&);

// A volume of the comparisons (in3) in the unit of the required capacity, as that is shown.
std::string Volume(const SSource& s, double dIn3)
{
    const std::string& strUnit = s.d.sdRequiredAccumulatorVol.GetUnit();
    return report::ValueUnit(CUnitDouble(CUnitDouble::Convert(dIn3, "CU_IN", strUnit), strUnit), 2);
}

// A bound, or nothing without one.
std::string Bound(const SSource& s, double sizing::SIdealGasBounds::*pBound)
{
    return s.comparison.bounds ? Volume(s, *s.comparison.bounds.*pBound) : std::string();
}

// The range's results, when it was given and could be computed.
const sizing::SOperatingRangeResult* Range(const SSource& s)
{
    const auto& range = s.comparison.range;
    return range && range->eStatus == sizing::ESizingStatus::Sized ? &*range : nullptr;
}

// A range entry as it was given, when the range has results.
std::string Entered(const SSource& s, const CUnitDouble& value)
{
    return Range(s) ? report::ValueUnit(value, 10) : std::string();
}

// The precharge at an extreme, in the unit the precharge is shown in.
std::string PrechargeAt(const SSource& s, sizing::SRangeExtreme sizing::SOperatingRangeResult::*pExtreme)
{
    const sizing::SOperatingRangeResult* pRange = Range(s);
    if (!pRange)
        return std::string();
    const std::string& strUnit = s.d.sdPrechargePress.GetUnit();
    const double dPsia = (pRange->*pExtreme).dPrechargePsia;
    return report::ValueUnit(CUnitDouble(CUnitDouble::Convert(dPsia, "PSIA", strUnit), strUnit), 2);
}

std::string DeliveredAt(const SSource& s, sizing::SRangeExtreme sizing::SOperatingRangeResult::*pExtreme)
{
    const sizing::SOperatingRangeResult* pRange = Range(s);
    if (!pRange || !(pRange->*pExtreme).deliveredIn3)
        return std::string();
    return Volume(s, *(pRange->*pExtreme).deliveredIn3);
}

std::string PrechargeRule(const SSource& s)
{
    const sizing::SOperatingRangeResult* pRange = Range(s);
    if (!pRange)
        return std::string();
    return LoadString(pRange->bPrechargeBelowLow ? kStringPrechargeRuleMet : kStringPrechargeRuleNotMet);
}

// One sentence for each extreme where the accumulator falls short, with the size it would need.
std::string Shortfalls(const SSource& s)
{
    const sizing::SOperatingRangeResult* pRange = Range(s);
    if (!pRange)
        return std::string();
    const std::string& strTempUnit = s.d.m_operatingTemperatures.sdOperatingTempMin.GetUnit();
    std::string strText;
    for (const sizing::SRangeExtreme* pExtreme : {&pRange->minimum, &pRange->maximum})
    {
        if (!pExtreme->neededIn3)
            continue;
        const CUnitDouble temperature(CUnitDouble::Convert(pExtreme->dTempF, "DEG_F", strTempUnit), strTempUnit);
        strText += (strText.empty() ? "" : " ") +
                   FormatString(kStringFallsShort,
                                {report::ValueUnitOneBlank(temperature, 1), Volume(s, *pExtreme->neededIn3)});
    }
    return strText;
}

std::string YesNo(int bFlag)
{
    return LoadString(bFlag != 0 ? kStringYes : kStringNo);
}

// "Extend", "Retract", "Both"; nothing for another value.
std::string CylinderAffects(int nValue)
{
    return nValue >= 0 && nValue <= 2 ? LoadString(50062 + nValue) : std::string();
}

std::string Int(int n)
{
    return std::to_string(n);
}

// The series code with its description, from the catalogue where the code has none.
std::string SeriesText(const SSource& s)
{
    CPartCode series = s.d.cpcSeriesCode;
    if (series.m_strDescription.empty() && s.context.pDatabase != nullptr)
        series.m_strDescription = report::SeriesDescription(*s.context.pDatabase, series.m_strCode);
    return report::CodeDescription(series);
}

bool SameCode(const CPartCode& a, const CPartCode& b)
{
    return a.m_strCode == b.m_strCode && a.m_nLocation == b.m_nLocation;
}

// The catalogue's name of a piston body's port style (its design number), which a gas bottle
// chosen by itself takes from the model row without a description.
std::string PortStyleDescription(const CAccumulatorData& d, IDatabase& db)
{
    IQueryDef query(db);
    query.Open("qDetailPistonPort");
    query.SetParamValue("[parAccumType]", d.strAccumulatorType);
    query.SetParamValue("[parBoreSize]", d.cpcNomBoreCode.m_strCode);
    query.SetParamValue("[parCapacity]", d.cpcCapCode.m_strCode);
    query.SetParamValue("[parPressure]", d.cpcPressureCode.m_strCode);
    query.SetParamValue("[parDesignNumber]", d.cpcDesignNumber.m_strCode);
    IRecordset rows(db);
    for (rows.Open(query); !rows.IsEOF(); rows.MoveNext())
        if (rows.GetString("Code") == d.cpcDesignNumber.m_strCode)
            return rows.GetString("Description");
    return std::string();
}

// The options one code of the number stands for, as the catalogue lists them in its dimensions.
std::string OptionNames(const CAccumulatorData& d)
{
    std::string strNames;
    for (const SOptionElement& option : d.m_caSelectedOptionArray)
        strNames += (strNames.empty() ? "" : ", ") + option.code.m_strDescription;
    return strNames;
}

// What a code of the model number stands for where the model lists gave it no description: the
// series, the rating, the capacity, the bore, the port style or the options that the selection
// holds beside it.
std::string DescribeModelCode(const CAccumulatorData& d, IDatabase& db, const CPartCode& code)
{
    const auto shown = [](const CUnitDouble& value)
    { return value.Value() > 0.0 ? report::ValueUnitOneBlank(value, 10) : std::string(); };
    if (SameCode(code, d.cpcSeriesCode))
        return report::SeriesDescription(db, code.m_strCode);
    if (SameCode(code, d.cpcPressureCode))
        return shown(d.cudMaxPressure);
    if (SameCode(code, d.cpcCapCode))
        return shown(d.cudCapacityAccEach);
    if (SameCode(code, d.cpcNomBoreCode))
        return shown(d.cudBoreDisplay);
    if (SameCode(code, d.cpcOptionCode))
        return OptionNames(d);
    if (SameCode(code, d.cpcDesignNumber) && d.strAccumulatorType == "Piston")
        return PortStyleDescription(d, db);
    return std::string();
}

using report::CodeDescription;
using report::Flag;
using report::Unit;
using report::Value;
using report::ValueUnit;
using report::ValueUnitOneBlank;

// Each value key and how its text is made.
const std::unordered_map<std::string, Fill>& ValueTable()
{
    static const std::unordered_map<std::string, Fill> table = {
        {"AccumSeriesVAL", [](const SSource& s) { return s.d.cpcSeriesCode.m_strCode; }},
        {"AccQtyVAL", [](const SSource& s) { return s.d.siQty.Format(); }},
        {"GBQtyVAL", [](const SSource& s) { return s.d.siGBQty.Format(); }},
        // Other products print their own description, and the catalogue's where they have none.
        {"AccumTypeVAL",
         [](const SSource& s) { return s.context.nProdId == 0 ? s.d.strAccumulatorDesc : s.d.GetPartDescription(); }},
        {"AccumulatorType", [](const SSource& s) { return s.d.strAccumulatorType; }},
        {"AccumWGasBottle", [](const SSource& s) { return Flag(s.d.bGasBottle == 1); }},
        {"PumpRunningVAL", [](const SSource& s) { return YesNo(s.d.bIsPumpRunning); }},
        {"ApplicationNum", [](const SSource& s) { return Int(s.d.deSelectApp); }},
        {"ApplicationVAL", [](const SSource& s) { return LoadString(kStringApplicationBase + s.d.deSelectApp); }},
        {"ApprovalVAL", [](const SSource& s) { return s.d.strApproval; }},
        {"BoreSizeVAL", [](const SSource& s) { return ValueUnit(s.d.cudBoreDisplay, 10); }},
        {"CalcMethodNum", [](const SSource& s) { return Int(s.d.deSelectCalcMethod); }},
        {"CalcMethodVAL",
         [](const SSource& s)
         {
             return s.d.deSelectCalcMethod == 0 || s.d.deSelectCalcMethod == 1
                        ? LoadString(51017 + s.d.deSelectCalcMethod)
                        : std::string();
         }},
        {"CapacityRequiredVAL", [](const SSource& s) { return ValueUnit(s.d.sdRequiredAccumulatorVol, 2); }},
        {"CapacityVAL", [](const SSource& s) { return ValueUnit(s.d.cudCapacityAccEach, 10); }},
        {"CertificationVAL", [](const SSource& s) { return CodeDescription(s.d.cpcCertCode); }},
        {"SealClassVAL", [](const SSource& s) { return s.d.cpcSealCode.m_strDescription; }},
        {"ConstructionVAL", [](const SSource& s) { return CodeDescription(s.d.cpcConstCode); }},
        {"CylinderBoreVAL", [](const SSource& s) { return ValueUnit(s.d.sdCylDim_BoreDia, 10); }},
        {"CylinderNumberVAL", [](const SSource& s) { return s.d.siCylDim_NoCylParallel.Format(); }},
        {"CylinderStrokeVAL", [](const SSource& s) { return ValueUnit(s.d.sdCylDim_StrokeLen, 10); }},
        {"EstimatedLeakageVAL", [](const SSource& s) { return ValueUnit(s.d.sdHoldLeakageRate, 10); }},
        {"FlowRatePriorVAL", [](const SSource& s) { return ValueUnit(s.d.sdEnterPumpSize, 10); }},
        {"FlowRateRequiredVAL", [](const SSource& s) { return Value(s.d.sdFlowRate, 2); }},
        {"FlowRateUnitVAL", [](const SSource& s) { return Unit(s.d.sdFlowRate); }},
        {"FlowRateVAL", [](const SSource& s) { return ValueUnit(s.d.cudFlow, 2); }},
        {"FluidVAL", [](const SSource& s) { return s.d.strShockFluid; }},
        {"GasBottlePartNumberVAL", [](const SSource& s) { return s.d.cpcGBPartNumber.m_strCode; }},
        {"MaxShockPressureVAL", [](const SSource& s) { return ValueUnit(s.d.sdShockMaxShockPress, 10); }},
        {"MinimumPumpRequiredVAL", [](const SSource& s) { return ValueUnit(s.d.sdMinPumpFlow, 2); }},
        {"MinPressureVAL", [](const SSource& s) { return ValueUnit(s.d.sdMinSysPress, 10); }},
        {"MODELNUMBERVAL", [](const SSource& s) { return s.strModelNumber; }},
        {"NumberPistonsVAL", [](const SSource& s) { return Int(s.d.iPulsationNoOfPistInPump); }},
        {"NumberValvesVAL", [](const SSource& s) { return Int(s.d.siHoldNoOfValves.Value()); }},
        {"PipeLengthVAL", [](const SSource& s) { return ValueUnit(s.d.sdShockTubeLength, 10); }},
        {"PipeScheduleVAL", [](const SSource& s) { return s.d.strShockSchedule; }},
        {"PipeSelection", [](const SSource& s) { return Flag(s.d.bShockPipeOrTube == 1); }},
        {"PipeTubeSizeVAL", [](const SSource& s) { return s.d.strShockNominalSize; }},
        // The exponents as the results dialog shows them, with no unit.
        {"PolytropicExponentVAL", [](const SSource& s) { return FormatExponent(s.d.sdPolyTropicExponent.Value()); }},
        {"PolytropicExponentChargingVAL",
         [](const SSource& s) { return FormatExponent(s.d.sdPolyTropicExponentCharging.Value()); }},
        {"PortTypeVAL",
         [](const SSource& s)
         {
             return s.d.strAccumulatorType == "Bladder" ? s.d.cpcHydPortCode.m_strDescription
                                                        : CodeDescription(s.d.cpcPortCode);
         }},
        {"PrechargePressureVAL", [](const SSource& s) { return ValueUnit(s.d.sdPrechargePress, 2); }},
        {"PressureRatingVAL", [](const SSource& s) { return ValueUnit(s.d.cudMaxPressure, 10); }},
        {"PressureRequiredVAL", [](const SSource& s) { return ValueUnit(s.d.sdMaxSysPress, 10); }},
        {"ProdIll", [](const SSource& s) { return s.context.strProdDescription; }},
        {"ProductName", [](const SSource& s) { return Int(s.context.nProdId); }},
        {"ProductTypeVAL", [](const SSource& s) { return s.context.strProdType; }},
        {"PumpDisplacementVAL", [](const SSource& s) { return ValueUnit(s.d.sdPulsationPumpDisp, 10); }},
        {"PumpFlowMethod", [](const SSource& s) { return Flag(s.d.bPulsationEnterPumpDispOrCalc != 0); }},
        {"PumpFlowRateVAL", [](const SSource& s) { return ValueUnit(s.d.sdEnterPumpSize, 10); }},
        {"PumpSizeVAL", [](const SSource& s) { return ValueUnit(s.d.sdEnterPumpSize, 10); }},
        {"PumpType", [](const SSource& s) { return Flag(s.d.bShockVarOrFixed == 0); }},
        {"PumpTypeVAL", [](const SSource& s) { return LoadString(s.d.bShockVarOrFixed != 0 ? 51013 : 51014); }},
        {"ResponseTimeVAL", [](const SSource& s) { return ValueUnit(s.d.sdShockResponseTime, 10); }},
        {"Series", [](const SSource& s) { return SeriesText(s); }},
        {"SystemTempVAL", [](const SSource& s) { return ValueUnit(s.d.sdSysTemperature, 10); }},
        // What shock suppression used besides its entries, in the units of its formula.
        {"LineInsideDiameterVAL", [](const SSource& s) { return ValueUnit(CUnitDouble(s.d.dShockSchedule, "IN"), 3); }},
        {"FluidDensityVAL",
         [](const SSource& s) { return ValueUnit(CUnitDouble(s.d.dShockFluidDensity, "LB_CU_IN"), 4); }},
        {"AssumedTempVAL", [](const SSource& s) { return ValueUnit(s.d.sdSysTemperature, 1); }},
        {"TimeToHoldVAL", [](const SSource& s) { return ValueUnit(s.d.sdHoldTimeHold, 10); }},
        {"TimeUnitVAL", [](const SSource& s) { return Unit(s.d.sdHoldTimeHold); }},
        {"ValveSelection", [](const SSource& s) { return Flag(s.d.bHoldLeakageRateChoice == 0); }},
        {"ValveSizeVAL", [](const SSource& s) { return ValueUnit(s.d.sdHoldValveSize, 10); }},
        {"StringTestVAL", [](const SSource& s) { return s.d.m_strDump; }},
        {"TotalDurationVAL", [](const SSource& s) { return ValueUnit(s.d.sdMultiEventTotalDuration, 10); }},
        {"ActuationTimeVAL", [](const SSource& s) { return ValueUnit(s.d.sdActuationTime, 10); }},
        {"ActuatorVolumeVAL",
         [](const SSource& s)
         {
             const CUnitDouble& v = s.d.sdActVolDisplacement;
             return v.FormatRelative(v.GetUnit(), 2) + "  " + Unit(v);
         }},
        {"GasPortTypeVAL", [](const SSource& s) { return s.d.cpcGasPortModTypeCode.m_strDescription; }},
        {"GasPortSizeVAL", [](const SSource& s) { return s.d.cpcGasPortModSizeCode.m_strDescription; }},
        {"HydraulicPortTypeVAL", [](const SSource& s) { return s.d.cpcPortModTypeCode.m_strDescription; }},
        {"HydraulicPortSizeVAL", [](const SSource& s) { return s.d.cpcPortModSizeCode.m_strDescription; }},
        {"GasValvePortVAL", [](const SSource& s) { return s.d.cpcGasValveCode.m_strDescription; }},
        {"GasPortVAL", [](const SSource& s) { return s.d.cpcGasPortCode.m_strDescription; }},
        {"PortSizeVAL", [](const SSource& s) { return s.d.cpcHydPortCode.m_strCodeType; }},
        {"CylinderRodVAL", [](const SSource& s) { return ValueUnitOneBlank(s.d.sdCylDim_RodDia, 10); }},
        {"DwellTimeVAL", [](const SSource& s) { return ValueUnitOneBlank(s.d.sdDwellTime, 10); }},
        {"MaxPressureVAL", [](const SSource& s) { return ValueUnitOneBlank(s.d.cudMaxPressure, 10); }},
        {"PumpSpeedVAL", [](const SSource& s) { return Int(s.d.iPulsationPumpSpeed); }},
        {"CylinderAffectsVAL", [](const SSource& s) { return CylinderAffects(s.d.enumCylAffects); }},
        {"IsothermalVolumeVAL", [](const SSource& s) { return Bound(s, &sizing::SIdealGasBounds::dIsothermalIn3); }},
        {"AdiabaticVolumeVAL", [](const SSource& s) { return Bound(s, &sizing::SIdealGasBounds::dAdiabaticIn3); }},
        {"OperatingTempMinVAL",
         [](const SSource& s) { return Entered(s, s.d.m_operatingTemperatures.sdOperatingTempMin); }},
        {"OperatingTempMaxVAL",
         [](const SSource& s) { return Entered(s, s.d.m_operatingTemperatures.sdOperatingTempMax); }},
        {"PrechargeAtMinTempVAL",
         [](const SSource& s) { return PrechargeAt(s, &sizing::SOperatingRangeResult::minimum); }},
        {"PrechargeAtMaxTempVAL",
         [](const SSource& s) { return PrechargeAt(s, &sizing::SOperatingRangeResult::maximum); }},
        {"DeliveredAtMinTempVAL",
         [](const SSource& s) { return DeliveredAt(s, &sizing::SOperatingRangeResult::minimum); }},
        {"DeliveredAtSystemTempVAL",
         [](const SSource& s) { return DeliveredAt(s, &sizing::SOperatingRangeResult::system); }},
        {"DeliveredAtMaxTempVAL",
         [](const SSource& s) { return DeliveredAt(s, &sizing::SOperatingRangeResult::maximum); }},
        {"PrechargeRuleVAL", PrechargeRule},
        {"TemperatureWarningVAL", Shortfalls},
    };
    return table;
}

using EventFill = std::function<std::string(const SEvent&)>;

// The event columns, each with its text per event.
const std::vector<std::pair<const char*, EventFill>>& EventColumns()
{
    static const std::vector<std::pair<const char*, EventFill>> columns = {
        {"ActuatorNumberVAL", [](const SEvent& e) { return Int(e.iActNo); }},
        {"EventNumberVAL", [](const SEvent& e) { return Int(e.iEventNo); }},
        {"PumpRunningVAL", [](const SEvent& e) { return YesNo(e.bPumpAvail); }},
        {"FlowRateVAL", [](const SEvent& e) { return Value(e.sdFlowrate, 2); }},
        {"FlowRateUnitVAL", [](const SEvent& e) { return Unit(e.sdFlowrate); }},
        {"VolumeVAL", [](const SEvent& e) { return Value(e.sdVolume, 10); }},
        {"VolumeUnitVAL", [](const SEvent& e) { return Unit(e.sdVolume); }},
        {"CylinderBoreVAL", [](const SEvent& e) { return Value(e.sdBoreDia, 10); }},
        {"CylinderRodVAL", [](const SEvent& e) { return Value(e.sdRodDia, 10); }},
        {"CylinderStrokeVAL", [](const SEvent& e) { return Value(e.sdStrokeLength, 10); }},
        {"CylinderUnitVAL", [](const SEvent& e) { return Unit(e.sdBoreDia); }},
        {"CylinderAffectsVAL", [](const SEvent& e) { return CylinderAffects(e.eExtendRetract); }},
        {"StartTimeVAL", [](const SEvent& e) { return Value(e.sdEvStartTime, 10); }},
        {"DurationVAL", [](const SEvent& e) { return Value(e.sdEvDuration, 10); }},
        {"TimeUnitVAL", [](const SEvent& e) { return Unit(e.sdEvStartTime); }},
        {"PumpActionVAL", [](const SEvent& e) { return LoadString(e.bPumpAvail != 0 ? kStringPumpOn : kStringPumpOff); }},
    };
    return columns;
}

void AddDimensions(CReportMap& map, const CAccumulatorData& d, int nProdId, IDatabase& db)
{
    const std::string& strType = d.strAccumulatorType;
    const std::string& strSeries = d.cpcSeriesCode.m_strCode;
    // A gas bottle chosen as a product is measured as a gas bottle, whatever its body: its ends
    // are the gas port and the valve chosen, not a fluid port.
    if (nProdId == 1 && (strType == "Piston" || strType == "Bladder"))
        report::AddDimensionRows(map, db, "qGBBodyDimensions",
                                 {{"[parSeries]", strSeries},
                                  {"[parPressure]", d.cpcPressureCode.m_strCode},
                                  {"[parCapacity]", d.cpcCapCode.m_strCode},
                                  {"[parBore]", d.cpcNomBoreCode.m_strCode},
                                  {"[parGasPort]", d.cpcGasPortCode.m_strCode},
                                  {"[parValvePort]", d.cpcGasValveCode.m_strCode}});
    else if (strType == "Piston")
        report::AddDimensionRows(map, db, "qPistDimensions",
                                 {{"[parOptions]", d.cpcOptionCode.m_strCode},
                                  {"[parSeries]", strSeries},
                                  {"[parPressure]", d.cpcPressureCode.m_strCode},
                                  {"[parBore]", d.cpcNomBoreCode.m_strCode},
                                  {"[parDesCode]", d.cpcDesignNumber.m_strCode},
                                  {"[parCapacity]", d.cpcCapCode.m_strCode},
                                  {"[parPortTypeCode]", d.cpcPortModTypeCode.m_strCode},
                                  {"[parPortSizeCode]", d.cpcPortModSizeCode.m_strCode},
                                  {"[parGasPortTypeCode]", d.cpcGasPortModTypeCode.m_strCode},
                                  {"[parGasPortSizeCode]", d.cpcGasPortModSizeCode.m_strCode}});
    else if (strType == "Bladder")
        report::AddDimensionRows(map, db, "qBladderDimensions",
                                 {{"[parSeries]", strSeries},
                                  {"[parConstruction]", d.cpcConstCode.m_strCode},
                                  {"[parPressure]", d.cpcPressureCode.m_strCode},
                                  {"[parCapacity]", d.cpcCapCode.m_strCode},
                                  {"[parPortType]", d.cpcHydPortCode.m_strCode}});
    else if (strType == "Diaphragm" && nProdId == 0)
        report::AddDimensionRows(map, db, "qDiaphragmDimensions",
                                 {{"[parSeries]", strSeries},
                                  {"[parPressure]", d.cpcPressureCode.m_strCode},
                                  {"[parCapacity]", d.cpcCapCode.m_strCode}});
    else if (strType == "GB" && nProdId != 0)
        report::AddDimensionRows(map, db, "qGBDimensions",
                                 {{"[parSeries]", strSeries},
                                  {"[parSize]", d.cpcCapCode.m_strCode},
                                  {"[parGasPort]", d.cpcGasPortCode.m_strCode}});
}
} // namespace

SSelectionReport ProductReport(const CAccumulatorData& selection, const SReportContext& context)
{
    SSelectionReport report;
    if (context.pDatabase == nullptr)
        return report;
    IDatabase& db = *context.pDatabase;
    AddDimensions(report.map, selection, context.nProdId, db);
    report::LoadPictures(report, db,
                         {{"[parSeries]", selection.cpcSeriesCode.m_strCode},
                          {"[parGasPort]", selection.cpcGasPortModTypeCode.m_strCode},
                          {"[parConstruction]", selection.cpcConstCode.m_strCode},
                          {"[parUserFlow]", selection.strOversizePorts}},
                         LoadString(kStringBrandPicture));

    // The model number is assembled on a copy: making a report changes nothing in the selection.
    CAccumulatorData copy(selection);
    const std::string strModelNumber = copy.BuildPartNumber();
    // The comparisons run the gas model: once for every key that shows them.
    const sizing::SSizingComparison comparison =
        context.nProdId == 0 ? sizing::CompareSizing(selection) : sizing::SSizingComparison{};
    const SSource source{selection, context, strModelNumber, comparison};
    report::AddLabelAndValueKeys(report.map, context, db,
                                 [&](const std::string& strKey)
                                 {
                                     const auto it = ValueTable().find(strKey);
                                     return it == ValueTable().end() ? std::string() : it->second(source);
                                 });

    report::AddModelCodes(report.map, copy.m_lstCodes,
                          [&](const CPartCode& code) { return DescribeModelCode(selection, db, code); });

    CReportMap::Texts codes, descriptions;
    for (const SOptionElement& option : selection.m_caSelectedOptionArray)
    {
        codes.push_back(option.code.m_strCode);
        descriptions.push_back(option.code.m_strDescription);
    }
    report.map.SetList(reportkey::kOptionsSelected, std::move(codes));
    report.map.SetList(reportkey::kOptionsDescription, std::move(descriptions));

    // Event columns have keys of their own, so the single values of the same names stay.
    for (const auto& [pszKey, fill] : EventColumns())
    {
        CReportMap::Texts texts;
        for (const SEvent& event : selection.m_lstEvents)
            texts.push_back(fill(event));
        report.map.SetList(reportkey::EventKey(pszKey), std::move(texts));
    }

    // The charts: the cycle with the pump as entered, and the sized accumulator's gas.
    if (selection.deSelectApp == 2 && !selection.m_lstEvents.empty())
        report.cycle = sizing::SimulateCycle(sizing::CycleEvents(selection.m_lstEvents),
                                             selection.sdMultiEventTotalDuration.GetValue("SEC"),
                                             selection.sdEnterPumpSize.GetValue("GPM"))
                           .points;
    if (context.nProdId == 0)
    {
        report.gasStates = sizing::GasStates(selection);
        report.gasUnits = {selection.sdMaxSysPress.GetUnit(), selection.sdSysTemperature.GetUnit(),
                           selection.sdRequiredAccumulatorVol.GetUnit()};
    }
    return report;
}
