// The gas bottle details step without its window: the gas port and the gas valve port of a
// gas bottle of any kind (GB series, piston-style, bladder-style), preselected and written.
#pragma once

#include "models/SealSearch.h"

#include <optional>
#include <string>

class CAccumulatorData;
class IDatabase;

SDetailList GasBottlePortList(const CAccumulatorData& data, IDatabase& db);
SDetailList GasBottleValvePortList(const CAccumulatorData& data, IDatabase& db);

struct SGasBottleDetailChoice
{
    std::optional<CPartCode> gasPort;
    std::optional<CPartCode> valvePort;
};

// Why OK is refused (both ports complete the model number), or empty text.
std::string CheckGasBottleDetails(const SGasBottleDetailChoice& choice);

// Writes both ports into the working copy and the result copy alike. The result copy also keeps
// the codes the bottle's body took in the model step (a piston-style bottle's seal and
// construction, a bladder-style bottle's shell): this step offers no choice of them.
void ApplyGasBottleDetails(CAccumulatorData& working, CAccumulatorData& result,
                           const SGasBottleDetailChoice& choice);
