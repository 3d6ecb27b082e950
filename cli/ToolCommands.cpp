// tesmara tool output-existing and tesmara tool temperature-precharge: the two stand-alone tools.
#include "CliSession.h"
#include "Commands.h"
#include "SizeRunner.h"
#include "UnitArgument.h"
#include "sizing/SizingTools.h"
#include "units/NumberFormat.h"
#include "units/UnitConvMap.h"
#include "units/UnitTable.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <map>

namespace
{
using Values = std::map<std::string, std::string>;

struct SToolArgs
{
    Values values;
    std::string strCatalogue;
    bool bJson = false;
};

CUnitDouble Value(const Values& values, const char* pszFlag, int nCategory)
{
    const auto it = values.find(pszFlag);
    if (it == values.end())
        throw std::runtime_error(std::string("needs --") + pszFlag);
    std::string strError;
    const auto value = ParseValueWithUnit(it->second, nCategory, strError);
    if (!value)
        throw std::runtime_error("--" + std::string(pszFlag) + ": " + strError);
    return *value;
}

std::string Shown(const CUnitDouble& value, const char* pszUnit, int nDecimals, bool bKeepZeros = false)
{
    return CUnitConvMap::FormatNumber(value.GetValue(pszUnit), nDecimals, bKeepZeros, !bKeepZeros) + " " +
           UnitDisplayText(pszUnit);
}

int Refused(const sizing::SCheckFailure& failure)
{
    std::cerr << TerminalLines(failure.strMessage) << "\n(field: " << failure.strField << ")\n";
    return kExitRefused;
}

int RunOutputExisting(const SToolArgs& args, CCliSession& session)
{
    sizing::SOutputExistingEntries entries;
    try
    {
        entries.maximum = Value(args.values, "max", UnitCategory::Pressure);
        entries.minimum = Value(args.values, "min", UnitCategory::Pressure);
        entries.dischargeTime = Value(args.values, "time", UnitCategory::Time);
        entries.volume = Value(args.values, "volume", UnitCategory::Volume);
        entries.temperature = Value(args.values, "temp", UnitCategory::Temperature);
        if (args.values.count("precharge"))
        {
            entries.ePrecharge = sizing::EToolPrecharge::Entered;
            entries.enteredPrecharge = Value(args.values, "precharge", UnitCategory::Pressure);
        }
        else if (args.values.count("optimum"))
        {
            const std::string& strWhich = args.values.at("optimum");
            if (strWhich != "piston" && strWhich != "bladder")
                throw std::runtime_error("--optimum: piston or bladder, not \"" + strWhich + "\"");
            entries.ePrecharge = strWhich == "piston" ? sizing::EToolPrecharge::Piston : sizing::EToolPrecharge::Bladder;
        }
    }
    catch (const std::exception& e)
    {
        std::cerr << "output-existing " << e.what() << '\n';
        return kExitRefused;
    }
    const sizing::SOutputExistingOutcome outcome = sizing::OutputOfExistingTool(entries, session.Messages());
    if (outcome.failure)
        return Refused(*outcome.failure);
    if (outcome.eStatus == sizing::ESizingStatus::CannotCompute)
    {
        std::cerr << "The output cannot be computed: " << outcome.strReason << '\n';
        return kExitRefused;
    }
    if (args.bJson)
    {
        nlohmann::json j = {{"output", {{"value", outcome.output.Value()}, {"unit", outcome.output.GetUnit()}}},
                            {"precharge", {{"value", outcome.precharge.Value()}, {"unit", outcome.precharge.GetUnit()}}},
                            {"exponent", outcome.dExponent}};
        if (outcome.eStatus == sizing::ESizingStatus::NotRequired)
            j["notice"] = outcome.strNotice;
        std::cout << JsonText(j, 2) << '\n';
        return kExitOk;
    }
    if (outcome.eStatus == sizing::ESizingStatus::NotRequired)
        std::cout << outcome.strNotice << '\n';
    std::cout << "Accumulator discharge: " << Shown(outcome.output, "CU_IN", 1) << "  |  "
              << Shown(outcome.output, "GAL", 2) << "  |  " << Shown(outcome.output, "L", 2) << '\n'
              << "Precharge pressure:    " << Shown(outcome.precharge, "PSIG", 0) << "  |  "
              << Shown(outcome.precharge, "BARG", 1) << '\n'
              << "Polytropic exponent:   " << FormatExponent(outcome.dExponent) << '\n';
    return kExitOk;
}

int RunTemperaturePrecharge(const SToolArgs& args, CCliSession& session)
{
    sizing::STemperatureToolEntries entries;
    try
    {
        entries.beginTemperature = Value(args.values, "begin-temp", UnitCategory::Temperature);
        entries.finalTemperature = Value(args.values, "final-temp", UnitCategory::Temperature);
        const bool bBegin = args.values.count("begin-pressure") != 0;
        const bool bFinal = args.values.count("final-pressure") != 0;
        if (bBegin == bFinal)
            throw std::runtime_error("needs one of --begin-pressure and --final-pressure");
        entries.eKnown = bBegin ? sizing::EKnownPressure::Beginning : sizing::EKnownPressure::Final;
        // The other pressure starts empty, in the known one's unit.
        const CUnitDouble known = Value(args.values, bBegin ? "begin-pressure" : "final-pressure", UnitCategory::Pressure);
        (bBegin ? entries.beginPressure : entries.finalPressure) = known;
        (bBegin ? entries.finalPressure : entries.beginPressure) = CUnitDouble(0.0, known.GetUnit());
    }
    catch (const std::exception& e)
    {
        std::cerr << "temperature-precharge " << e.what() << '\n';
        return kExitRefused;
    }
    const sizing::STemperatureToolOutcome outcome = sizing::TemperaturePrechargeTool(entries, session.Messages());
    if (outcome.failure)
        return Refused(*outcome.failure);
    if (outcome.eStatus == sizing::ESizingStatus::CannotCompute)
    {
        std::cerr << "The pressure cannot be computed: " << outcome.strReason << '\n';
        return kExitRefused;
    }
    auto own = [](const CUnitDouble& value) {
        return CUnitConvMap::FormatNumber(value.Value(), 2, true, false) + " " + value.GetUnitString();
    };
    if (args.bJson)
    {
        auto unit = [](const CUnitDouble& v) { return nlohmann::json{{"value", v.Value()}, {"unit", v.GetUnit()}}; };
        std::cout << JsonText(nlohmann::json{{"beginTemperature", unit(entries.beginTemperature)},
                                             {"finalTemperature", unit(entries.finalTemperature)},
                                             {"beginPressure", unit(outcome.beginPressure)},
                                             {"finalPressure", unit(outcome.finalPressure)}},
                              2)
                  << '\n';
        return kExitOk;
    }
    std::cout << "Beginning temperature: " << own(entries.beginTemperature) << '\n'
              << "Final temperature:     " << own(entries.finalTemperature) << '\n'
              << "Beginning pressure:    " << own(outcome.beginPressure) << '\n'
              << "Final pressure:        " << own(outcome.finalPressure) << '\n';
    return kExitOk;
}

void AddValueOptions(CLI::App* pCmd, std::shared_ptr<SToolArgs> pArgs,
                     std::initializer_list<std::pair<const char*, const char*>> options)
{
    for (const auto& [pszName, pszHelp] : options)
    {
        const std::string strName = pszName;
        pCmd->add_option_function<std::string>(
            "--" + strName, [pArgs, strName](const std::string& strValue) { pArgs->values[strName] = strValue; },
            pszHelp);
    }
    pCmd->add_flag("--json", pArgs->bJson, "Print the results as JSON");
    pCmd->add_option("--catalogue", pArgs->strCatalogue, "Folder of the catalogue (default: the installed one)");
}
} // namespace

void AddToolCommands(CLI::App& app, int& nExitStatus)
{
    CLI::App* pTool = app.add_subcommand("tool", "The stand-alone tools");
    pTool->require_subcommand(1);

    auto pOutput = std::make_shared<SToolArgs>();
    CLI::App* pExisting = pTool->add_subcommand("output-existing", "Calculate the output of an existing accumulator");
    AddValueOptions(pExisting, pOutput,
                    {{"max", "maximum system pressure, e.g. 3000psi"},
                     {"min", "minimum system pressure"},
                     {"time", "discharge time, e.g. 5sec"},
                     {"volume", "accumulator (gas) volume, e.g. 1GAL"},
                     {"temp", "estimated system temperature, e.g. 70DEG_F"},
                     {"precharge", "your precharge pressure (default: the piston optimum)"},
                     {"optimum", "which calculated optimum: piston (default) or bladder"}});
    pExisting->callback([pOutput, &nExitStatus] {
        nExitStatus = RunOnCatalogue(pOutput->strCatalogue,
                                     [&](CCliSession& session) { return RunOutputExisting(*pOutput, session); });
    });

    auto pTemperature = std::make_shared<SToolArgs>();
    CLI::App* pPrecharge =
        pTool->add_subcommand("temperature-precharge", "Effect of temperature on a precharge at constant volume");
    AddValueOptions(pPrecharge, pTemperature,
                    {{"begin-temp", "beginning temperature, e.g. 70DEG_F"},
                     {"final-temp", "final temperature"},
                     {"begin-pressure", "beginning pressure (the final one is computed)"},
                     {"final-pressure", "final pressure (the beginning one is computed)"}});
    pPrecharge->callback([pTemperature, &nExitStatus] {
        nExitStatus = RunOnCatalogue(pTemperature->strCatalogue,
                                     [&](CCliSession& session) { return RunTemperaturePrecharge(*pTemperature, session); });
    });
}
