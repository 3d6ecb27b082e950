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
              kStringNoSuchList = 59231, kStringNoSuchListOf = 59232, kStringNoDetailsStep = 59233,
              kStringOfferedTwice = 71040;

// A refusal of the caller's choices, carried out of the list being read.
struct SRefusal : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

std::string Join(const std::vector<std::string>& names, const char* pszBetween = ", ")
{
    std::string strText;
    for (const std::string& strName : names)
        strText += (strText.empty() ? "" : pszBetween) + strName;
    return strText;
}

// An item as a refusal lists it and a choice may name it: "code: description", or the one of
// the two it has.
std::string Shown(const CPartCode& item)
{
    if (item.m_strCode.empty() || item.m_strDescription.empty())
        return item.m_strCode + item.m_strDescription;
    return item.m_strCode + ": " + item.m_strDescription;
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
    // The item named by its code, by its description, or by both as the refusal lists them
    // ("-S: SAE"). A code that several items share must be told apart by its description.
    static CPartCode Find(const std::vector<CPartCode>& items, const std::string& strName, const std::string& strCode)
    {
        std::vector<const CPartCode*> byCode;
        for (const CPartCode& item : items)
        {
            if (Shown(item) == strCode)
                return item;
            if (item.m_strCode == strCode)
                byCode.push_back(&item);
        }
        if (byCode.size() == 1)
            return *byCode.front();
        if (byCode.empty())
            for (const CPartCode& item : items)
                if (item.m_strDescription == strCode)
                    return item;
        std::vector<std::string> offered;
        for (const CPartCode& item : items)
            offered.push_back(Shown(item));
        if (offered.empty())
            throw SRefusal(FormatString(kStringEmptyList, {strName, strCode}));
        throw SRefusal(FormatString(byCode.empty() ? kStringNotOffered : kStringOfferedTwice,
                                    {strName, strCode, Join(offered, "; ")}));
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
    // The construction is a material; its codes are those of its approvals ("S": carbon steel,
    // no approval), so a code names the construction and its approval together.
    const SDetailList constructions = PistonConstructionList(working, db);
    const std::vector<std::string> named = picker.Named("construction");
    std::optional<CPartCode> approvalByCode;
    for (const CPartCode& construction : constructions.items)
        for (const CPartCode& approval : named.empty() ? std::vector<CPartCode>()
                                                        : PistonApprovalList(working, construction.m_strDescription, db).items)
            if (approval.m_strCode == named.back() && !approvalByCode)
                choice.construction = construction.m_strDescription, approvalByCode = approval;
    if (!approvalByCode)
        if (const auto construction = picker.Pick(constructions, "construction"))
            choice.construction = construction->m_strDescription;
    if (choice.construction)
        choice.approval = approvalByCode && picker.Named("approval").empty()
                              ? approvalByCode
                              : picker.Pick(PistonApprovalList(working, *choice.construction, db), "approval");
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
