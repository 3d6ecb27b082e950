// The diaphragm details step without its window: diaphragm compound, construction and
// certification of a diaphragm model, preselected and written.
#pragma once

#include "models/SealSearch.h"

#include <optional>
#include <string>

class CAccumulatorData;
class IDatabase;

SDetailList DiaphragmSealList(const CAccumulatorData& data, IDatabase& db);
SDetailList DiaphragmConstructionList(const CAccumulatorData& data, IDatabase& db);
SDetailList DiaphragmCertificationList(const CAccumulatorData& data, IDatabase& db);

struct SDiaphragmDetailChoice
{
    std::optional<CPartCode> seal; // the diaphragm compound
    std::optional<CPartCode> construction;
    std::optional<CPartCode> certification;
    std::optional<SSealAssistance> assistance;
};

// Why OK is refused (the compound and the construction complete the model number), or empty text.
std::string CheckDiaphragmDetails(const SDiaphragmDetailChoice& choice);

// As the bladder's: both copies alike; a certification list without rows clears its code.
void ApplyDiaphragmDetails(CAccumulatorData& working, CAccumulatorData& result,
                           const SDiaphragmDetailChoice& choice, const CAccumulatorData& former);
