// The bladder details step without its window: the lists of a bladder model with the earlier
// choices preselected, the fluid port's size, and writing the choices.
#pragma once

#include "models/SealSearch.h"

#include <optional>
#include <string>
#include <vector>

class CAccumulatorData;
class IDatabase;

// Lists of the step; the held choice comes from the selection (the working copy).
SDetailList BladderSealList(const CAccumulatorData& data, IDatabase& db);
// Constructions are preselected by their text, the others by their code.
SDetailList BladderConstructionList(const CAccumulatorData& data, IDatabase& db);
SDetailList BladderModificationList(const CAccumulatorData& data, IDatabase& db);
SDetailList BladderCertificationList(const CAccumulatorData& data, IDatabase& db);

// The fluid ports for the flow the model step found: only the oversize ones when it asked for them.
struct SHydraulicPortList
{
    SDetailList list;
    std::vector<std::string> sizes; // the port size of each row

    // The size of a row, or empty text.
    std::string SizeOf(int nRow) const;
};
SHydraulicPortList BladderHydraulicPortList(const CAccumulatorData& data, IDatabase& db);

// The choices of the step; a list without rows gives no choice.
struct SBladderDetailChoice
{
    std::optional<CPartCode> seal;
    std::optional<CPartCode> construction;
    std::optional<CPartCode> modification;
    std::optional<CPartCode> certification;
    std::optional<CPartCode> hydraulicPort;
    std::optional<SSealAssistance> assistance;
};

// Why OK is refused (the compound, the construction and the fluid port complete the model
// number), or empty text.
std::string CheckBladderDetails(const SBladderDetailChoice& choice);

// Writes the choices into the working copy, then copies the step's fields into the result copy
// (reset from this step on), so both hold them alike. A modification or certification list
// without rows clears its code. `former` is the product object's selection.
void ApplyBladderDetails(CAccumulatorData& working, CAccumulatorData& result,
                         const SBladderDetailChoice& choice, const CAccumulatorData& former);
