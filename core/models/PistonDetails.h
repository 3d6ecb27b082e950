// The piston details step without its window: each list from its query with the earlier
// choice preselected, the standard ports, the option code, and writing the choices.
#pragma once

#include "models/SealSearch.h"
#include "selection/AccumulatorData.h"

#include <optional>
#include <string>
#include <vector>

class IDatabase;

// Lists of the step; the held choice comes from the selection (the working copy).
SDetailList PistonSealList(const CAccumulatorData& data, IDatabase& db);
SDetailList PistonPortList(const CAccumulatorData& data, IDatabase& db);
// Constructions carry only their text, which is also what the selection holds of them.
SDetailList PistonConstructionList(const CAccumulatorData& data, IDatabase& db);
SDetailList PistonApprovalList(const CAccumulatorData& data, const std::string& strConstruction,
                               IDatabase& db);

// The options, with those the selection already holds marked.
struct SOptionList
{
    std::vector<CPartCode> items;
    std::vector<bool> checked;
};
SOptionList PistonOptionList(const CAccumulatorData& data, IDatabase& db);

enum class EPortSide
{
    Hydraulic,
    Gas,
};
SDetailList PistonPortTypeList(const CAccumulatorData& data, EPortSide eSide, const std::string& strPortCode,
                               IDatabase& db);
SDetailList PistonPortSizeList(const CAccumulatorData& data, EPortSide eSide, const std::string& strTypeCode,
                               IDatabase& db);

// Port code "1" keeps the model's standard ports: no modification can be chosen.
bool IsStandardPortCode(const std::string& strPortCode);

// The four port modification lists for a port code: with standard ports each holds only the
// model's standard choice; otherwise the types from their queries and the sizes of the
// preselected types.
struct SPortModificationLists
{
    bool bStandard = false;
    SDetailList type;
    SDetailList size;
    SDetailList gasType;
    SDetailList gasSize;
};
SPortModificationLists PistonPortModificationLists(const CAccumulatorData& data,
                                                   const std::string& strPortCode, IDatabase& db);

// "Standard Ports: " and the catalogue's text, or empty text when it has none for the model.
std::string StandardPortCaption(const CAccumulatorData& data, IDatabase& db);

// The model's standard ports as the four port modification codes ("qPistonPartNumber", style "1").
struct SStandardPorts
{
    std::optional<CPartCode> type;
    std::optional<CPartCode> size;
    std::optional<CPartCode> gasType;
    std::optional<CPartCode> gasSize;
};
SStandardPorts PistonStandardPorts(const CAccumulatorData& data, IDatabase& db);

// The option code of the first three options ("qDetailPistonOptionPN"); later ones take no part.
CPartCode PistonOptionCode(const std::vector<CPartCode>& options, IDatabase& db);

// The choices of the step; a list without rows gives no choice, and its field keeps its value.
struct SPistonDetailChoice
{
    std::optional<CPartCode> seal;
    std::optional<CPartCode> port;
    std::optional<std::string> construction;
    std::optional<CPartCode> approval;
    std::optional<CPartCode> portType;
    std::optional<CPartCode> portSize;
    std::optional<CPartCode> gasPortType;
    std::optional<CPartCode> gasPortSize;
    std::vector<SOptionElement> options; // the checked ones, in list order
    std::optional<SSealAssistance> assistance;
};
// At most this many checked options are kept.
constexpr std::size_t kMaxPistonOptions = 9;
static_assert(kMaxPistonOptions == kMaxStoredOptions);

// Writes the choices into the working copy, then copies the step's fields into the result
// copy (reset from this step on), so both hold them alike. `former` is the product object's
// selection, whose fluid compatibility stays when its seal stays.
void ApplyPistonDetails(CAccumulatorData& working, CAccumulatorData& result,
                        const SPistonDetailChoice& choice, const CAccumulatorData& former, IDatabase& db);
