// JSON in, checks and calculation, results out.
#include "SizeRunner.h"

#include "SelectionJson.h"
#include "platform/StringTable.h"
#include "units/NumberFormat.h"
#include "sizing/SizingComparison.h"
#include "units/UnitConvMap.h"

#include <sstream>

using nlohmann::json;

std::string TerminalLines(std::string strText)
{
    // The dialogs' messages break lines as message boxes do; a terminal wants a plain line feed.
    for (std::size_t nPos; (nPos = strText.find("\r\n")) != std::string::npos;)
        strText.erase(nPos, 1);
    return strText;
}

SSizeRun SizeFromJson(CCliSession& session, const json& input, bool bStrict)
{
    SSizeRun run{std::nullopt, std::string(), {}, session.NewSelection(), std::string()};
    CAccumulatorData& data = run.data;
    try
    {
        const SJsonRead read = ReadSelectionJson(input, data);
        // The program's own output carries its results and choices; only a hand-written input is told.
        if (!read.ignored.empty() && !read.bProgramOutput)
        {
            run.strNotice = "Ignored what the program fills itself (results, catalogue limits, model and details):";
            for (const std::string& strField : read.ignored)
                run.strNotice += " " + strField;
        }
    }
    catch (const CJsonFieldError& e)
    {
        run.refusal = e.what();
        run.strField = e.Field();
        return run;
    }
    if (data.deSelectApp < app::KnownCapacity || data.deSelectApp > app::PumpResponse)
    {
        run.refusal = "Field deSelectApp: choose an application, 0 to 7 (0 known capacity, 1 supplementing pump "
                      "flow, 2 multiple events, 3 auxiliary power, 4 holding, 5 shock suppression, 6 pulsation "
                      "dampening, 7 pump response)";
        run.strField = "deSelectApp";
        return run;
    }
    // The caption "Describe Application" stores for the chosen application.
    data.strApplicationText = LoadString(51003 + data.deSelectApp);

    run.outcome = sizing::SizeApplication(data, session.Messages(), !bStrict);
    if (run.outcome.failure)
    {
        run.refusal = TerminalLines(run.outcome.failure->strMessage);
        run.strField = run.outcome.failure->strField;
        return run;
    }
    data.m_nLevel = 1;
    return run;
}

namespace
{
JsonOut UnitJson(double dValue, const char* pszUnit)
{
    return {{"value", dValue}, {"unit", pszUnit}};
}

JsonOut ExtremeToJson(const sizing::SRangeExtreme& extreme)
{
    JsonOut j = {{"temperature", UnitJson(extreme.dTempF, "DEG_F")},
                 {"precharge", UnitJson(extreme.dPrechargePsia, "PSIA")}};
    if (extreme.deliveredIn3)
        j["deliveredVolume"] = UnitJson(*extreme.deliveredIn3, "CU_IN");
    j["short"] = extreme.bShort;
    if (extreme.neededIn3)
        j["neededVolume"] = UnitJson(*extreme.neededIn3, "CU_IN");
    return j;
}

JsonOut ComparisonToJson(const sizing::SSizingComparison& comparison)
{
    JsonOut j = JsonOut::object();
    if (comparison.bounds)
        j["idealGas"] = {{"isothermal", UnitJson(comparison.bounds->dIsothermalIn3, "CU_IN")},
                         {"adiabatic", UnitJson(comparison.bounds->dAdiabaticIn3, "CU_IN")}};
    if (comparison.range)
    {
        const sizing::SOperatingRangeResult& range = *comparison.range;
        if (range.eStatus != sizing::ESizingStatus::Sized)
            j["operatingRange"] = {{"computed", false}, {"reason", range.strReason}};
        else
            j["operatingRange"] = {{"computed", true},
                                   {"minimum", ExtremeToJson(range.minimum)},
                                   {"system", ExtremeToJson(range.system)},
                                   {"maximum", ExtremeToJson(range.maximum)},
                                   {"prechargeBelowMinimumPressure", range.bPrechargeBelowLow}};
    }
    return j;
}
} // namespace

JsonOut OutcomeToJson(const SSizeRun& run)
{
    const sizing::SApplicationOutcome& outcome = run.outcome;
    JsonOut j;
    switch (outcome.eStatus)
    {
    case sizing::ESizingStatus::Sized:
        j["status"] = "sized";
        break;
    case sizing::ESizingStatus::NotRequired:
        j["status"] = "not required";
        j["notice"] = outcome.strNotice;
        break;
    case sizing::ESizingStatus::CannotCompute:
        j["status"] = "cannot compute";
        j["reason"] = outcome.strReason;
        break;
    }
    if (outcome.eStatus == sizing::ESizingStatus::Sized)
    {
        const JsonOut comparison = ComparisonToJson(sizing::CompareSizing(run.data));
        if (!comparison.empty())
            j["comparison"] = comparison;
    }
    return j;
}

JsonOut RefusalToJson(const SSizeRun& run)
{
    return {{"error", run.refusal.value_or("")}, {"field", run.strField}};
}

namespace
{
std::string In(const CUnitDouble& value, const char* pszUnit, int nDecimals)
{
    return CUnitConvMap::FormatNumber(value.GetValue(pszUnit), nDecimals, false, true) + " " +
           UnitDisplayText(pszUnit);
}

std::string Own(const CUnitDouble& value)
{
    return CUnitConvMap::FormatNumber(value.Value(), 4, false, true) + " " + value.GetUnitString();
}

std::string Volume(double dIn3)
{
    const CUnitDouble volume(dIn3, "CU_IN");
    return In(volume, "CU_IN", 1) + "  |  " + In(volume, "L", 2);
}

void ComparisonReport(std::ostream& out, const CAccumulatorData& d, const sizing::SSizingComparison& comparison)
{
    if (comparison.bounds)
    {
        out << "\nFor comparison, an ideal gas with the same entries:\n";
        out << "  isothermal (n = 1.0): " << Volume(comparison.bounds->dIsothermalIn3) << '\n';
        out << "  adiabatic (n = 1.4):  " << Volume(comparison.bounds->dAdiabaticIn3) << '\n';
    }
    if (!comparison.range)
        return;
    const sizing::SOperatingRangeResult& range = *comparison.range;
    const std::string& strUnit = d.m_operatingTemperatures.sdOperatingTempMin.GetUnit();
    const auto temperature = [&](double dTempF) { return In(CUnitDouble(dTempF, "DEG_F"), strUnit.c_str(), 1); };
    out << "\nOperating temperature range:\n";
    if (range.eStatus != sizing::ESizingStatus::Sized)
    {
        out << "  The accumulator cannot be shown over the range: " << range.strReason << '\n';
        return;
    }
    const std::pair<const char*, const sizing::SRangeExtreme*> rows[] = {
        {"minimum", &range.minimum}, {"system", &range.system}, {"maximum", &range.maximum}};
    for (const auto& [pszRole, pRow] : rows)
    {
        out << "  at " << temperature(pRow->dTempF) << " (" << pszRole << "): precharge "
            << In(CUnitDouble(pRow->dPrechargePsia, "PSIA"), "PSIG", 0) << ", delivers "
            << (pRow->deliveredIn3 ? Volume(*pRow->deliveredIn3) : std::string("nothing computed")) << '\n';
    }
    out << "  precharge at the maximum temperature: "
        << (range.bPrechargeBelowLow ? "stays below the minimum system pressure (the precharge rule is met)"
                                     : "above the minimum system pressure: the precharge rule is not met")
        << '\n';
    for (const sizing::SRangeExtreme* pExtreme : {&range.minimum, &range.maximum})
        if (pExtreme->neededIn3)
            out << "  Warning: at " << temperature(pExtreme->dTempF)
                << " the accumulator falls short of the required volume; it would need "
                << Volume(*pExtreme->neededIn3) << " there.\n";
}
} // namespace

std::string SizingReport(const SSizeRun& run)
{
    const CAccumulatorData& d = run.data;
    std::ostringstream out;
    out << "Application:          " << d.strApplicationText << '\n';
    if (d.deSelectApp != app::KnownCapacity && d.deSelectApp != app::ShockSuppression &&
        d.deSelectApp != app::Pulsation && d.deSelectApp != app::PumpResponse)
        out << "Pressures:            " << Own(d.sdMaxSysPress) << " to " << Own(d.sdMinSysPress) << '\n';
    else
        out << "System pressure:      " << Own(d.sdMaxSysPress) << '\n';
    if (d.sdShockMaxShockPress.Value() != 0.0)
        out << "Shock pressure:       " << Own(d.sdShockMaxShockPress) << '\n';
    out << "System temperature:   " << Own(d.sdSysTemperature) << '\n';
    if (d.sdMinPumpFlow.Value() != 0.0)
        out << "Minimum pump flow:    " << In(d.sdMinPumpFlow, "GPM", 2) << '\n';
    if (d.deSelectApp == app::MultipleEvents && d.iCriticalActuator != 0)
        out << "Critical event:       actuator " << d.iCriticalActuator << ", event " << d.iCriticalEvent << '\n';
    out << '\n';
    switch (run.outcome.eStatus)
    {
    case sizing::ESizingStatus::NotRequired:
        out << run.outcome.strNotice << '\n';
        return out.str();
    case sizing::ESizingStatus::CannotCompute:
        out << "The size cannot be computed: " << run.outcome.strReason << '\n';
        return out.str();
    case sizing::ESizingStatus::Sized:
        break;
    }
    out << "Required capacity:    " << In(d.sdRequiredAccumulatorVol, "CU_IN", 1) << "  |  "
        << In(d.sdRequiredAccumulatorVol, "GAL", 2) << "  |  " << In(d.sdRequiredAccumulatorVol, "L", 2) << '\n';
    out << "Precharge pressure:   " << In(d.sdPrechargePress, "PSIG", 0) << "  |  " << In(d.sdPrechargePress, "BARG", 1)
        << '\n';
    if (d.deSelectApp != app::KnownCapacity)
        out << "Polytropic exponent:  " << FormatExponent(d.sdPolyTropicExponent.Value())
            << '\n';
    if (d.sdPolyTropicExponentCharging.Value() != 0.0)
        out << "Exponent, charging:   "
            << FormatExponent(d.sdPolyTropicExponentCharging.Value()) << '\n';
    ComparisonReport(out, d, sizing::CompareSizing(d));
    return out.str();
}
