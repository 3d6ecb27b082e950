// The reservoir isolator's model step without its window: the sizes that take the required
// capacity, the bladders of the series, and the choice written into the selection.
#pragma once

#include "models/SealSearch.h"
#include "selection/PartCode.h"
#include "units/UnitDouble.h"

#include <optional>
#include <string>
#include <vector>

class COvrisolBase;
class IDatabase;

// One size of the list ("qOvrisolSize"): a size in one construction.
struct SOvrisolSize
{
    CUnitDouble capacity; // CapDisplay with CapDisplayUnits
    std::string strConstruction;
    CPartCode series;
    CPartCode size;
    CPartCode construction;
};

// The sizes for the selection's required capacity, in the catalogue's order.
std::vector<SOvrisolSize> OvrisolSizes(const COvrisolBase& data, IDatabase& db);
// "10 gal (US)" and, after a tab, the construction.
std::string OvrisolSizeText(const SOvrisolSize& size);
// The size and construction held, else the first; -1 without sizes.
int PreselectedOvrisolSize(const std::vector<SOvrisolSize>& sizes, const COvrisolBase& data);

// The bladders of a series ("qOvrisolBladder"), the held code preselected, else the first.
SDetailList OvrisolBladders(const std::string& strSeries, const std::string& strHeld, IDatabase& db);

// What the seal assistant found for the bladder it chose: the bladder code and the fluid
// compatibility. A search that chose another bladder leaves the entered range and fluid empty.
void ApplyOvrisolSealAssistance(COvrisolBase& data, const SSealAssistance& assistance);

// OK: the size with its construction and series, the bladder, and the series' fixed codes
// ("qOvrisolPartNumber") as the default code list. The fluid compatibility found for the bladder
// chosen before stays when that bladder stays (from `former`); otherwise it starts afresh.
void ApplyOvrisolModel(COvrisolBase& stored, const SOvrisolSize& size, const CPartCode& bladder,
                       const COvrisolBase& former, IDatabase& db);
