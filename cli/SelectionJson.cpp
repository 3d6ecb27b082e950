// Field-by-field JSON reading and writing of an accumulator selection.
#include "SelectionJson.h"

#include "selection/AccessoryBase.h"
#include "selection/AccumulatorData.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/TransferBase.h"
#include "units/UnitTable.h"

#include <variant>
#include <vector>

using nlohmann::json;

namespace
{
using Data = CAccumulatorData;
using Member = std::variant<int Data::*, double Data::*, std::string Data::*, CUnitDouble Data::*,
                            CUnitInt Data::*, CPartCode Data::*>;

struct SField
{
    const char* pszName;
    Member member;
    bool bApplication; // part of the application description and its results
};

#define APP(name) {#name, &Data::name, true}
#define SEL(name) {#name, &Data::name, false}

// Every scalar field, in the order of the data model (lists are handled apart).
const std::vector<SField>& Fields()
{
    static const std::vector<SField> fields = {
        {"m_nLevel", static_cast<int Data::*>(&CBaseProduct::m_nLevel), false},
        SEL(m_strCadNo), SEL(sdAllowedMaxAccumulatorVol), SEL(sdAllowedMaxAccumulatorPress),
        SEL(sdAllowedMaxTemperature), SEL(sdAllowedMinTemperature), SEL(strApplicationText),
        APP(deSelectApp), APP(sdRequiredAccumulatorVol), APP(sdMaxSysPress), APP(sdMinSysPress),
        APP(sdSysTemperature), APP(sdFlowRate), APP(deSelectCalcMethod), APP(sdActVolDisplacement),
        APP(sdActuationTime), APP(sdDwellTime), APP(sdMinPumpFlow), APP(sdCylDim_BoreDia), APP(sdCylDim_RodDia),
        APP(sdCylDim_StrokeLen), APP(siCylDim_NoCylParallel), APP(enumCylAffects), APP(sdEnterPumpSize),
        APP(bIsPumpRunning), APP(sdPrechargePress), APP(bPrechargeIHaveUseCalc), APP(bPrechargePistonOrBladder),
        APP(sdVolRatio), APP(sdVolDefci), APP(sdPolyTropicExponent), APP(sdPolyTropicExponentCharging),
        APP(sdMultiEventTotalDuration), APP(iNumOfActuators), APP(iCriticalActuator), APP(iCriticalEvent),
        APP(cudFlow), APP(sdHoldTimeHold), APP(sdHoldLeakageRate), APP(bHoldLeakageRateChoice),
        APP(siHoldNoOfValves), APP(sdHoldValveSize), APP(sdShockMaxShockPress), APP(strShockFluid),
        APP(dShockFluidDensity), APP(sdShockTubeLength), APP(bShockPipeOrTube), APP(strShockNominalSize),
        APP(dShockNominalSize), APP(strShockSchedule), APP(dShockSchedule), APP(iPulsationNoOfPistInPump),
        APP(sdPulsationPumpDisp), APP(iPulsationPumpSpeed), APP(sdPulsationCalcDisplacement),
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
#undef SEL

JsonOut UnitToJson(const CUnitDouble& value)
{
    return {{"value", value.Value()}, {"unit", value.GetUnit()}};
}

JsonOut UnitToJson(const CUnitInt& value)
{
    return {{"value", value.Value()}, {"unit", value.GetUnit()}};
}

JsonOut CodeToJson(const CPartCode& code)
{
    return {{"code", code.m_strCode},
            {"location", code.m_nLocation},
            {"codeType", code.m_strCodeType},
            {"description", code.m_strDescription},
            {"tag", code.m_nTag}};
}

[[noreturn]] void Wrong(const std::string& strField, const std::string& strWhat)
{
    throw CJsonFieldError(strField, "Field " + strField + ": " + strWhat);
}

int ReadInt(const json& j, const std::string& strField)
{
    if (!j.is_number_integer())
        Wrong(strField, "expected a whole number");
    const auto n = j.get<long long>();
    if (n < INT32_MIN || n > INT32_MAX)
        Wrong(strField, "the number is out of range");
    return static_cast<int>(n);
}

double ReadDouble(const json& j, const std::string& strField)
{
    if (!j.is_number())
        Wrong(strField, "expected a number");
    return j.get<double>();
}

std::string ReadText(const json& j, const std::string& strField)
{
    if (!j.is_string())
        Wrong(strField, "expected a text");
    return j.get<std::string>();
}

void CheckKeys(const json& j, const std::string& strField, std::initializer_list<const char*> allowed)
{
    if (!j.is_object())
        Wrong(strField, "expected an object");
    for (const auto& [strKey, value] : j.items())
    {
        bool bKnown = false;
        for (const char* pszAllowed : allowed)
            bKnown = bKnown || strKey == pszAllowed;
        if (!bKnown)
            Wrong(strField + "." + strKey, "unknown field");
    }
}

// {"value": number, "unit": "CODE"}; a missing unit keeps the field's unit.
template <class TUnit> void ReadUnit(const json& j, const std::string& strField, TUnit& value, bool bWhole)
{
    CheckKeys(j, strField, {"value", "unit"});
    if (!j.contains("value"))
        Wrong(strField, "a unit value needs \"value\"");
    std::string strUnit = value.GetUnit();
    if (j.contains("unit"))
    {
        strUnit = ReadText(j.at("unit"), strField + ".unit");
        // An empty code is a plain number, as values start out.
        if (!strUnit.empty() && !FindUnit(strUnit))
            Wrong(strField + ".unit", "unknown unit code \"" + strUnit + "\"");
    }
    if constexpr (std::is_same_v<TUnit, CUnitInt>)
        value.Set(ReadInt(j.at("value"), strField + ".value"), strUnit);
    else
    {
        (void)bWhole;
        value.Set(ReadDouble(j.at("value"), strField + ".value"), strUnit);
    }
}

CPartCode ReadCode(const json& j, const std::string& strField)
{
    CheckKeys(j, strField, {"code", "location", "codeType", "description", "tag"});
    CPartCode code;
    if (j.contains("code"))
        code.m_strCode = ReadText(j.at("code"), strField + ".code");
    if (j.contains("location"))
        code.m_nLocation = ReadInt(j.at("location"), strField + ".location");
    if (j.contains("codeType"))
        code.m_strCodeType = ReadText(j.at("codeType"), strField + ".codeType");
    if (j.contains("description"))
        code.m_strDescription = ReadText(j.at("description"), strField + ".description");
    if (j.contains("tag"))
        code.m_nTag = ReadInt(j.at("tag"), strField + ".tag");
    return code;
}

// The fields of one event, by their names.
struct SEventField
{
    const char* pszName;
    std::variant<int SEvent::*, CUnitDouble SEvent::*> member;
};
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

JsonOut EventToJson(const SEvent& ev)
{
    JsonOut j = JsonOut::object();
    for (const SEventField& f : EventFields())
        std::visit([&](auto pMember) {
            if constexpr (std::is_same_v<decltype(pMember), int SEvent::*>)
                j[f.pszName] = ev.*pMember;
            else
                j[f.pszName] = UnitToJson(ev.*pMember);
        }, f.member);
    return j;
}

// An event starts from the units of a new event: times in seconds, the rest in
// the given template's units.
SEvent ReadEvent(const json& j, const std::string& strField, const SEvent& start)
{
    if (!j.is_object())
        Wrong(strField, "expected an object");
    SEvent ev = start;
    for (const auto& [strKey, value] : j.items())
    {
        const std::string strName = strField + "." + strKey;
        bool bKnown = false;
        for (const SEventField& f : EventFields())
        {
            if (strKey != f.pszName)
                continue;
            bKnown = true;
            std::visit([&](auto pMember) {
                if constexpr (std::is_same_v<decltype(pMember), int SEvent::*>)
                    ev.*pMember = ReadInt(value, strName);
                else
                    ReadUnit(value, strName, ev.*pMember, false);
            }, f.member);
        }
        if (!bKnown)
            Wrong(strName, "unknown field");
    }
    return ev;
}

std::vector<CPartCode> ReadCodes(const json& j, const std::string& strField)
{
    if (!j.is_array())
        Wrong(strField, "expected an array");
    std::vector<CPartCode> codes;
    for (std::size_t i = 0; i < j.size(); ++i)
        codes.push_back(ReadCode(j[i], strField + "[" + std::to_string(i) + "]"));
    return codes;
}

JsonOut CodesToJson(const std::vector<CPartCode>& codes)
{
    JsonOut j = JsonOut::array();
    for (const CPartCode& code : codes)
        j.push_back(CodeToJson(code));
    return j;
}

JsonOut ValueToJson(const CUnitDouble& value)
{
    return UnitToJson(value);
}

JsonOut ValueToJson(const CPartCode& code)
{
    return CodeToJson(code);
}

template <class T> JsonOut ValueToJson(const T& value)
{
    return value;
}

// A selection whose class names its fields through WalkFields: the common part, then its own.
template <class C> JsonOut WalkedToJson(const C& data)
{
    JsonOut j = JsonOut::object();
    j["m_nLevel"] = data.m_nLevel;
    j["m_lstCodes"] = CodesToJson(data.m_lstCodes);
    j["m_lstDefaultCodes"] = CodesToJson(data.m_lstDefaultCodes);
    C::WalkFields([&](const char* pszName, auto pMember) { j[pszName] = ValueToJson(data.*pMember); });
    return j;
}

JsonOut FieldsToJson(const Data& data, bool bApplicationOnly)
{
    JsonOut j = JsonOut::object();
    for (const SField& f : Fields())
    {
        if (bApplicationOnly && !f.bApplication)
            continue;
        std::visit([&](auto pMember) {
            using T = std::decay_t<decltype(data.*pMember)>;
            if constexpr (std::is_same_v<T, CUnitDouble> || std::is_same_v<T, CUnitInt>)
                j[f.pszName] = UnitToJson(data.*pMember);
            else if constexpr (std::is_same_v<T, CPartCode>)
                j[f.pszName] = CodeToJson(data.*pMember);
            else
                j[f.pszName] = data.*pMember;
        }, f.member);
    }
    return j;
}
} // namespace

void ReadSelectionJson(const json& input, CAccumulatorData& data)
{
    if (!input.is_object())
        throw CJsonFieldError("", "The input must be a JSON object of selection fields.");
    for (const auto& [strKey, value] : input.items())
    {
        if (strKey == "m_lstEvents")
        {
            if (!value.is_array())
                Wrong(strKey, "expected an array of events");
            SEvent start;
            start.sdFlowrate.Set(0.0, "GPM");
            start.sdVolume.Set(0.0, "CU_IN");
            for (CUnitDouble* pLength : {&start.sdBoreDia, &start.sdRodDia, &start.sdStrokeLength})
                pLength->Set(0.0, "IN");
            start.sdEvStartTime.Set(0.0, "SEC");
            start.sdEvDuration.Set(0.0, "SEC");
            std::vector<SEvent> events;
            for (std::size_t i = 0; i < value.size(); ++i)
                events.push_back(ReadEvent(value[i], strKey + "[" + std::to_string(i) + "]", start));
            data.m_lstEvents = std::move(events);
            continue;
        }
        if (strKey == "m_caSelectedOptionArray")
        {
            if (!value.is_array())
                Wrong(strKey, "expected an array of options");
            std::vector<SOptionElement> options;
            for (std::size_t i = 0; i < value.size(); ++i)
            {
                const std::string strName = strKey + "[" + std::to_string(i) + "]";
                CheckKeys(value[i], strName, {"key", "code"});
                SOptionElement option;
                if (value[i].contains("key"))
                    option.nKey = ReadInt(value[i].at("key"), strName + ".key");
                if (value[i].contains("code"))
                    option.code = ReadCode(value[i].at("code"), strName + ".code");
                options.push_back(option);
            }
            data.m_caSelectedOptionArray = std::move(options);
            continue;
        }
        if (strKey == "m_lstCodes" || strKey == "m_lstDefaultCodes")
        {
            (strKey == "m_lstCodes" ? data.m_lstCodes : data.m_lstDefaultCodes) = ReadCodes(value, strKey);
            continue;
        }
        bool bKnown = false;
        for (const SField& f : Fields())
        {
            if (strKey != f.pszName)
                continue;
            bKnown = true;
            std::visit([&](auto pMember) {
                auto& target = data.*pMember;
                using T = std::decay_t<decltype(target)>;
                if constexpr (std::is_same_v<T, int>)
                    target = ReadInt(value, strKey);
                else if constexpr (std::is_same_v<T, double>)
                    target = ReadDouble(value, strKey);
                else if constexpr (std::is_same_v<T, std::string>)
                    target = ReadText(value, strKey);
                else if constexpr (std::is_same_v<T, CPartCode>)
                    target = ReadCode(value, strKey);
                else
                    ReadUnit(value, strKey, target, std::is_same_v<T, CUnitInt>);
            }, f.member);
        }
        if (!bKnown)
            Wrong(strKey, "unknown field");
    }
}

JsonOut SelectionToJson(const CAccumulatorData& data)
{
    JsonOut j = FieldsToJson(data, false);
    j["m_lstCodes"] = CodesToJson(data.m_lstCodes);
    j["m_lstDefaultCodes"] = CodesToJson(data.m_lstDefaultCodes);
    JsonOut events = JsonOut::array();
    for (const SEvent& ev : data.m_lstEvents)
        events.push_back(EventToJson(ev));
    j["m_lstEvents"] = events;
    JsonOut options = JsonOut::array();
    for (const SOptionElement& option : data.m_caSelectedOptionArray)
        options.push_back({{"key", option.nKey}, {"code", CodeToJson(option.code)}});
    j["m_caSelectedOptionArray"] = options;
    return j;
}

JsonOut SelectionToJson(const CBaseProduct& data)
{
    if (const auto* p = dynamic_cast<const CAccumulatorData*>(&data))
        return SelectionToJson(*p);
    if (const auto* p = dynamic_cast<const COvrisolBase*>(&data))
        return WalkedToJson(*p);
    if (const auto* p = dynamic_cast<const CAccessoryBase*>(&data))
        return WalkedToJson(*p);
    if (const auto* p = dynamic_cast<const CRepairKitBase*>(&data))
        return WalkedToJson(*p);
    if (const auto* p = dynamic_cast<const CTransferBase*>(&data))
        return WalkedToJson(*p);
    return JsonOut::object();
}

JsonOut ApplicationToJson(const CAccumulatorData& data)
{
    JsonOut j = FieldsToJson(data, true);
    JsonOut events = JsonOut::array();
    for (const SEvent& ev : data.m_lstEvents)
        events.push_back(EventToJson(ev));
    j["m_lstEvents"] = events;
    return j;
}
