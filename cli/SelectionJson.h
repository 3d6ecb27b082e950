// A selection as JSON: every stored field by its name; unit values as {"value", "unit"}.
#pragma once

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>
#include <vector>

class CAccumulatorData;
class CBaseProduct;

// Input that names an unknown field, or gives a field a value of the wrong kind.
class CJsonFieldError : public std::runtime_error
{
public:
    CJsonFieldError(std::string strField, const std::string& strWhat)
        : std::runtime_error(strWhat), m_strField(std::move(strField))
    {
    }
    const std::string& Field() const { return m_strField; }

private:
    std::string m_strField;
};

// What the help says of the fields that input cannot set.
inline constexpr const char* kInputFieldsHelp =
    "Input gives the application's entries. Fields that the program fills itself are ignored with a notice: "
    "the results (sdMinPumpFlow, sdVolRatio, sdVolDefci, sdPolyTropicExponent, sdPolyTropicExponentCharging, "
    "iNumOfActuators, iCriticalActuator, iCriticalEvent, cudFlow, sdPulsationCalcDisplacement), the catalogue "
    "limits (sdAllowedMaxAccumulatorVol, sdAllowedMaxAccumulatorPress, sdAllowedMaxTemperature, "
    "sdAllowedMinTemperature), m_nLevel, strApplicationText, and the model and details fields. A unit must be "
    "one of the field's kind (tesmara units lists them). An operating temperature range (sdOperatingTempMin and "
    "sdOperatingTempMax, both or neither) shows the results at its extremes; a selection file does not keep it.";

struct SJsonRead
{
    std::vector<std::string> ignored; // fields the program fills itself, which were not read
    bool bProgramOutput = false;       // the input was the output of tesmara size --json or show --json
};

// Sets the entries the object names; the others keep their values. The object may also be
// the output of tesmara size --json (its "application") or show --json (its "selection").
// Fields that the program fills itself (results, catalogue limits, the level, the model and
// details) are not read but named. Throws CJsonFieldError for an unknown field, a value of
// the wrong kind, or a unit that is not of the field's category.
SJsonRead ReadSelectionJson(const nlohmann::json& input, CAccumulatorData& data);

// Output keeps the order of the data model.
using JsonOut = nlohmann::ordered_json;

// A JSON document as output text. Text that is not UTF-8 is replaced rather than ending the
// program: every text should already be UTF-8, but output must never abort on one that is not.
template <class TJson> std::string JsonText(const TJson& j, int nIndent = -1)
{
    return j.dump(nIndent, ' ', false, TJson::error_handler_t::replace);
}

// Every stored field of the selection, in the order of the data model.
JsonOut SelectionToJson(const CAccumulatorData& data);

// Every stored field of a selection of any product, in its stored order, the common part first.
JsonOut SelectionToJson(const CBaseProduct& data);

// The application description with its results: what "tesmara size" reports.
JsonOut ApplicationToJson(const CAccumulatorData& data);
