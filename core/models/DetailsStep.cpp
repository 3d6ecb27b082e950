// The details step of each accumulator type with its preselections, for scripts.
#include "models/DetailsStep.h"

#include "models/BladderDetails.h"
#include "models/DiaphragmDetails.h"
#include "models/GasBottleDetails.h"
#include "models/PistonDetails.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace
{
// A choice the lists do not offer: list, choice (and what it offers); the options; a list the
// type lacks: type, list (and its lists); a type without the step.
constexpr int kStringEmptyList = 59228, kStringNotOffered = 59229, kStringTooManyOptions = 59230,
              kStringNoSuchList = 59231, kStringNoSuchListOf = 59232, kStringNoDetailsStep = 59233;

// A refusal of the caller's choices, carried out of the list being read.
struct SRefusal : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

std::string Join(const std::vector<std::string>& names)
{
    std::string strText;
    for (const std::string& strName : names)
        strText += (strText.empty() ? "" : ", ") + strName;
    return strText;
}

class CPicker
{
public:
    explicit CPicker(const DetailChoices& choices) : m_choices(choices) {}

    // The named code of the list (by code, else by the shown text), else its preselected row.
    std::optional<CPartCode> Pick(const SDetailList& list, const std::string& strName) const
    {
        const std::vector<std::string> named = Named(strName);
        if (named.empty())
            return list.Selected() ? std::optional<CPartCode>(*list.Selected()) : std::nullopt;
        return Find(list.items, strName, named.back());
    }
    std::vector<std::string> Named(const std::string& strName) const
    {
        std::vector<std::string> codes;
        for (const auto& [strList, strCode] : m_choices)
            if (strList == strName)
                codes.push_back(strCode);
        return codes;
    }
    static CPartCode Find(const std::vector<CPartCode>& items, const std::string& strName, const std::string& strCode)
    {
        for (std::string CPartCode::*pMatch : {&CPartCode::m_strCode, &CPartCode::m_strDescription})
        {
            const auto it = std::find_if(items.begin(), items.end(),
                                         [&](const CPartCode& item) { return item.*pMatch == strCode; });
            if (it != items.end())
                return *it;
        }
        std::vector<std::string> offered;
        for (const CPartCode& item : items)
            offered.push_back(item.m_strCode.empty() ? item.m_strDescription : item.m_strCode);
        throw SRefusal(offered.empty() ? FormatString(kStringEmptyList, {strName, strCode})
                                       : FormatString(kStringNotOffered, {strName, strCode, Join(offered)}));
    }

private:
    const DetailChoices& m_choices;
};

void Piston(CAccumulatorData& working, CAccumulatorData& result, const CAccumulatorData& former,
            const CPicker& picker, IDatabase& db)
{
    SPistonDetailChoice choice;
    choice.seal = picker.Pick(PistonSealList(working, db), "seal");
    choice.port = picker.Pick(PistonPortList(working, db), "port");
    if (const auto construction = picker.Pick(PistonConstructionList(working, db), "construction"))
        choice.construction = construction->m_strDescription;
    if (choice.construction)
        choice.approval = picker.Pick(PistonApprovalList(working, *choice.construction, db), "approval");
    const std::string strPort = choice.port ? choice.port->m_strCode : working.cpcDesignNumber.m_strCode;
    const SPortModificationLists ports = PistonPortModificationLists(working, strPort, db);
    choice.portType = picker.Pick(ports.type, "porttype");
    choice.gasPortType = picker.Pick(ports.gasType, "gasporttype");
    // The sizes follow the chosen type, as the step refills them when a type changes.
    const auto sizes = [&](EPortSide eSide, const std::optional<CPartCode>& type, const SDetailList& standard)
    { return ports.bStandard || !type ? standard : PistonPortSizeList(working, eSide, type->m_strCode, db); };
    choice.portSize = picker.Pick(sizes(EPortSide::Hydraulic, choice.portType, ports.size), "portsize");
    choice.gasPortSize = picker.Pick(sizes(EPortSide::Gas, choice.gasPortType, ports.gasSize), "gasportsize");

    const SOptionList options = PistonOptionList(working, db);
    std::vector<bool> checked = options.checked;
    if (const std::vector<std::string> named = picker.Named("option"); !named.empty())
    {
        checked.assign(options.items.size(), false);
        for (const std::string& strCode : named)
        {
            const CPartCode option = CPicker::Find(options.items, "option", strCode);
            checked[static_cast<std::size_t>(std::find(options.items.begin(), options.items.end(), option) -
                                             options.items.begin())] = true;
        }
    }
    for (std::size_t i = 0; i < options.items.size(); ++i)
        if (checked[i])
            choice.options.push_back({static_cast<std::int32_t>(i), options.items[i]});
    if (choice.options.size() > kMaxPistonOptions)
        throw SRefusal(FormatString(kStringTooManyOptions, {std::to_string(kMaxPistonOptions)}));
    ApplyPistonDetails(working, result, choice, former, db);
}

std::string Bladder(CAccumulatorData& working, CAccumulatorData& result, const CAccumulatorData& former,
                    const CPicker& picker, IDatabase& db)
{
    SBladderDetailChoice choice;
    choice.seal = picker.Pick(BladderSealList(working, db), "seal");
    choice.construction = picker.Pick(BladderConstructionList(working, db), "construction");
    choice.modification = picker.Pick(BladderModificationList(working, db), "modification");
    choice.certification = picker.Pick(BladderCertificationList(working, db), "certification");
    choice.hydraulicPort = picker.Pick(BladderHydraulicPortList(working, db).list, "hydraulicport");
    const std::string strRefusal = CheckBladderDetails(choice);
    if (strRefusal.empty())
        ApplyBladderDetails(working, result, choice, former);
    return strRefusal;
}

std::string Diaphragm(CAccumulatorData& working, CAccumulatorData& result, const CAccumulatorData& former,
                      const CPicker& picker, IDatabase& db)
{
    SDiaphragmDetailChoice choice;
    choice.seal = picker.Pick(DiaphragmSealList(working, db), "seal");
    choice.construction = picker.Pick(DiaphragmConstructionList(working, db), "construction");
    choice.certification = picker.Pick(DiaphragmCertificationList(working, db), "certification");
    const std::string strRefusal = CheckDiaphragmDetails(choice);
    if (strRefusal.empty())
        ApplyDiaphragmDetails(working, result, choice, former);
    return strRefusal;
}

std::string GasBottle(CAccumulatorData& working, CAccumulatorData& result, const CPicker& picker, IDatabase& db)
{
    SGasBottleDetailChoice choice;
    choice.gasPort = picker.Pick(GasBottlePortList(working, db), "gasport");
    choice.valvePort = picker.Pick(GasBottleValvePortList(working, db), "valveport");
    const std::string strRefusal = CheckGasBottleDetails(choice);
    if (strRefusal.empty())
        ApplyGasBottleDetails(working, result, choice);
    return strRefusal;
}
} // namespace

std::vector<std::string> DetailListNames(const std::string& strType)
{
    if (strType == "Piston")
        return {"seal", "port", "construction", "approval", "porttype", "portsize", "gasporttype", "gasportsize",
                "option"};
    if (strType == "Bladder")
        return {"seal", "construction", "modification", "certification", "hydraulicport"};
    if (strType == "Diaphragm")
        return {"seal", "construction", "certification"};
    if (strType == "GB")
        return {"gasport", "valveport"};
    return {};
}

bool ApplyDetailsStep(CAccumulatorData& working, CAccumulatorData& result, const CAccumulatorData& former,
                      const DetailChoices& choices, IDatabase& db, std::string& strError)
{
    strError.clear();
    const std::string& strType = working.strAccumulatorType;
    const std::vector<std::string> names = DetailListNames(strType);
    for (const auto& [strList, strCode] : choices)
        if (std::find(names.begin(), names.end(), strList) == names.end())
        {
            strError = names.empty() ? FormatString(kStringNoSuchList, {strType, strList})
                                     : FormatString(kStringNoSuchListOf, {strType, strList, Join(names)});
            return false;
        }
    const CPicker picker(choices);
    try
    {
        if (strType == "Piston")
            Piston(working, result, former, picker, db);
        else if (strType == "Bladder")
            strError = Bladder(working, result, former, picker, db);
        else if (strType == "Diaphragm")
            strError = Diaphragm(working, result, former, picker, db);
        else if (strType == "GB")
            strError = GasBottle(working, result, picker, db);
        else
            strError = FormatString(kStringNoDetailsStep, {strType});
    }
    catch (const SRefusal& refusal)
    {
        strError = refusal.what();
    }
    return strError.empty();
}
