// Field-by-field JSON reading and writing of an accumulator selection.
#include "SelectionJson.h"

#include "platform/StringTable.h"
#include "selection/AccessoryBase.h"
#include "selection/AccumulatorData.h"
#include "selection/AccumulatorFields.h"
#include "selection/OvrisolBase.h"
#include "selection/RepairKitBase.h"
#include "selection/TransferBase.h"
#include "selection/UnitFields.h"
#include "units/UnitTable.h"

#include <algorithm>
#include <variant>
#include <vector>

using nlohmann::json;

namespace
{
using Data = CAccumulatorData;
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
    // Read unsigned first: a number above the signed range would wrap round to a negative one.
    if (j.is_number_unsigned() ? j.get<std::uint64_t>() > static_cast<std::uint64_t>(INT32_MAX)
                               : (j.get<std::int64_t>() < INT32_MIN || j.get<std::int64_t>() > INT32_MAX))
        Wrong(strField, "the number is out of range (" + std::to_string(INT32_MIN) + " to " +
                            std::to_string(INT32_MAX) + ")");
    return j.get<int>();
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

// {"value": number, "unit": "CODE"}; a missing unit keeps the field's unit. A given unit must
// be a unit of the field's category: one of another kind would be converted to 0.
// The program's own output shows an empty code for a value never given a unit; it keeps the field's.
template <class TUnit>
void ReadUnit(const json& j, const std::string& strField, TUnit& value, int nCategory, bool bProgramOutput)
{
    CheckKeys(j, strField, {"value", "unit"});
    if (!j.contains("value"))
        Wrong(strField, "a unit value needs \"value\"");
    std::string strUnit = value.GetUnit();
    if (j.contains("unit") && !(bProgramOutput && j.at("unit") == ""))
    {
        strUnit = ReadText(j.at("unit"), strField + ".unit");
        if (!FindUnit(strUnit))
            Wrong(strField + ".unit", "unknown unit code \"" + strUnit + "\" (tesmara units lists them)");
        if (!IsUnitOfCategory(strUnit, nCategory))
            Wrong(strField + ".unit", "\"" + strUnit + "\" is not " +
                                          (nCategory != 0 ? "a unit of " + LoadString(nCategory) : std::string("NONE")));
    }
    if constexpr (std::is_same_v<TUnit, CUnitInt>)
        value.Set(ReadInt(j.at("value"), strField + ".value"), strUnit);
    else
        value.Set(ReadDouble(j.at("value"), strField + ".value"), strUnit);
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
SEvent ReadEvent(const json& j, const std::string& strField, const SEvent& start, bool bProgramOutput)
{
    if (!j.is_object())
        Wrong(strField, "expected an object");
    SEvent ev = start;
    for (const auto& item : j.items())
    {
        // Named, not bound: lambdas below use them, which clang before 16 cannot capture.
        const std::string& strKey = item.key();
        const json& value = item.value();
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
                    ReadUnit(value, strName, ev.*pMember, *EventUnitCategory(strKey), bProgramOutput);
            }, f.member);
        }
        if (!bKnown)
            Wrong(strName, "unknown field");
    }
    return ev;
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
    for (const SAccumulatorField& f : AccumulatorFields())
    {
        if (bApplicationOnly && !f.IsApplication())
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
// The selection fields of an input: the object itself, the "application" of the output of
// tesmara size --json, or the "selection" of the output of tesmara show --json.
const json& SelectionFieldsOf(const json& input, bool& bProgramOutput)
{
    bProgramOutput = false;
    if (!input.is_object() || input.size() != 2)
        return input;
    for (const auto& [pszOuter, pszFields] : {std::pair{"outcome", "application"}, std::pair{"header", "selection"}})
        if (input.contains(pszOuter) && input.contains(pszFields))
        {
            bProgramOutput = true;
            return input.at(pszFields);
        }
    return input;
}
} // namespace

SJsonRead ReadSelectionJson(const json& input, CAccumulatorData& data)
{
    SJsonRead read;
    const json& fields = SelectionFieldsOf(input, read.bProgramOutput);
    if (!fields.is_object())
        throw CJsonFieldError("", "The input must be a JSON object of selection fields.");
    for (const auto& item : fields.items())
    {
        // Named, not bound: lambdas below use them, which clang before 16 cannot capture.
        const std::string& strKey = item.key();
        const json& value = item.value();
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
                events.push_back(ReadEvent(value[i], strKey + "[" + std::to_string(i) + "]", start, read.bProgramOutput));
            data.m_lstEvents = std::move(events);
            continue;
        }
        // The operating range is kept beside the stored fields, each entry given or not.
        if (strKey == "sdOperatingTempMin" || strKey == "sdOperatingTempMax")
        {
            const bool bMin = strKey == "sdOperatingTempMin";
            SOperatingTemperatures& range = data.m_operatingTemperatures;
            CUnitDouble& entry = bMin ? range.sdOperatingTempMin : range.sdOperatingTempMax;
            entry.Set(0.0, "DEG_F");
            ReadUnit(value, strKey, entry, UnitCategory::Temperature, read.bProgramOutput);
            (bMin ? range.bMinGiven : range.bMaxGiven) = true;
            continue;
        }
        // The model and details choices: the later steps fill them from the catalogue.
        if (strKey == "m_caSelectedOptionArray" || strKey == "m_lstCodes" || strKey == "m_lstDefaultCodes")
        {
            read.ignored.push_back(strKey);
            continue;
        }
        const auto it = std::find_if(AccumulatorFields().begin(), AccumulatorFields().end(),
                                     [&](const SAccumulatorField& f) { return strKey == f.pszName; });
        if (it == AccumulatorFields().end())
            Wrong(strKey, "unknown field");
        if (it->eRole != EFieldRole::Entry)
        {
            read.ignored.push_back(strKey);
            continue;
        }
        std::visit([&](auto pMember) {
            auto& target = data.*pMember;
            using T = std::decay_t<decltype(target)>;
            if constexpr (std::is_same_v<T, int>)
                target = ReadInt(value, strKey);
            else if constexpr (std::is_same_v<T, double>)
                target = ReadDouble(value, strKey);
            else if constexpr (std::is_same_v<T, std::string>)
                target = ReadText(value, strKey);
            else if constexpr (std::is_same_v<T, CUnitDouble> || std::is_same_v<T, CUnitInt>)
                ReadUnit(value, strKey, target, *SelectionUnitCategory(strKey), read.bProgramOutput);
        }, it->member);
    }
    return read;
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
    const SOperatingTemperatures& range = data.m_operatingTemperatures;
    if (range.bMinGiven)
        j["sdOperatingTempMin"] = UnitToJson(range.sdOperatingTempMin);
    if (range.bMaxGiven)
        j["sdOperatingTempMax"] = UnitToJson(range.sdOperatingTempMax);
    JsonOut events = JsonOut::array();
    for (const SEvent& ev : data.m_lstEvents)
        events.push_back(EventToJson(ev));
    j["m_lstEvents"] = events;
    return j;
}
