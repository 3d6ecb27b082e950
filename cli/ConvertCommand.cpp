// tesmara convert VALUE FROM TO, and tesmara units: the unit table from the command line.
#include "Commands.h"
#include "UnitArgument.h"

#include "platform/StringTable.h"
#include "units/Units.h"

#include <iostream>
#include <memory>

namespace
{
constexpr int kStringIncompatible = 59168; // "These units are incompatible %1 %2"

struct SConvertArgs
{
    std::string strValue;
    std::string strFrom;
    std::string strTo;
    int nDecimals = 2;
};

int RunConvert(const SConvertArgs& args)
{
    const auto value = ParseNumberArgument(args.strValue);
    if (!value)
    {
        std::cerr << "Not a number: " << args.strValue << '\n';
        return kExitRefused;
    }
    for (const std::string* pUnit : {&args.strFrom, &args.strTo})
        if (!ParseUnitArgument(*pUnit))
        {
            std::cerr << UnknownUnitMessage(*pUnit) << "\n(tesmara units lists the unit codes)\n";
            return kExitRefused;
        }
    const std::string strFrom = *ParseUnitArgument(args.strFrom);
    const std::string strTo = *ParseUnitArgument(args.strTo);
    if (FindUnit(strFrom)->m_iCategoryID != FindUnit(strTo)->m_iCategoryID)
    {
        std::cerr << FormatString(kStringIncompatible, {strFrom, strTo}) << '\n';
        return kExitRefused;
    }
    const CUnitDouble input(*value, strFrom);
    const double dResult = input.GetValue(strTo);
    std::cout << CUnitConvMap::FormatNumber(*value, 10, false, true) << ' ' << UnitDisplayText(strFrom) << " = "
              << CUnitConvMap::FormatNumber(dResult, args.nDecimals, false, true) << ' ' << UnitDisplayText(strTo)
              << '\n';
    return kExitOk;
}

int RunUnits(const std::string& strCategory)
{
    bool bAny = false;
    for (const auto& entry : UnitTableEntries())
    {
        if (entry.unit.m_iCategoryID == 0)
            continue;
        const std::string strName = LoadString(entry.unit.m_iCategoryID);
        if (!strCategory.empty() && strName != strCategory)
            continue;
        bAny = true;
        std::cout << entry.strCode << '\t' << UnitDisplayText(entry.strCode) << '\t' << strName << '\n';
    }
    if (!bAny)
    {
        std::cerr << "No unit category named " << strCategory << '\n';
        return kExitRefused;
    }
    return kExitOk;
}
} // namespace

void AddConvertCommand(CLI::App& app, int& nExitStatus)
{
    auto args = std::make_shared<SConvertArgs>();
    CLI::App* pCmd = app.add_subcommand("convert", "Convert a value between two units of one category");
    pCmd->add_option("value", args->strValue, "The number to convert")->required();
    pCmd->add_option("from", args->strFrom, "Unit code or display text of the value (e.g. PSIG or psi)")->required();
    pCmd->add_option("to", args->strTo, "Unit code or display text to convert into")->required();
    pCmd->add_option("-d,--decimals", args->nDecimals, "Decimals of the result, trailing zeros removed")
        ->check(CLI::Range(0, 15))
        ->capture_default_str();
    pCmd->callback([args, &nExitStatus] { nExitStatus = RunConvert(*args); });
}

void AddUnitsCommand(CLI::App& app, int& nExitStatus)
{
    auto strCategory = std::make_shared<std::string>();
    CLI::App* pCmd = app.add_subcommand("units", "List the unit codes, their display texts and categories");
    pCmd->add_option("category", *strCategory, "Only this category (e.g. Pressure)");
    pCmd->callback([strCategory, &nExitStatus] { nExitStatus = RunUnits(*strCategory); });
}
