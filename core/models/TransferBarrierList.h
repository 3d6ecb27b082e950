// The transfer barrier list without its window: the three filters, the rows they leave, what
// the list shows and preselects, and the chosen row written into the selection.
#pragma once

#include "selection/PartCode.h"
#include "units/UnitDouble.h"

#include <string>
#include <vector>

class CTransferBase;
class IDatabase;

// Each filter is kNoFilter or the code of an entry of its list.
struct STransferFilters
{
    STransferFilters();
    std::string strPressure;
    std::string strService;
    std::string strSize;
};

enum class ETransferFilter
{
    Pressure,
    Service,
    Size,
};

// One entry of a filter list: the code it filters by and the text it shows.
struct SFilterEntry
{
    std::string strCode;
    std::string strText;
};
// The entries of a filter list, run with the two other filters ("View All" is not among them).
// Pressures and capacities show 10 decimals without trailing zeros and the unit's display text.
std::vector<SFilterEntry> TransferFilterEntries(ETransferFilter eFilter, const STransferFilters& filters,
                                                IDatabase& db);

// One row of "qTransBarList".
struct STransferRow
{
    CUnitDouble capacity;
    CUnitDouble pressure;
    std::string strService;
    CPartCode capacityCode;
    CPartCode pressureCode;
    CPartCode serviceCode;
    CPartCode series;
};
std::vector<STransferRow> TransferBarrierRows(const STransferFilters& filters, IDatabase& db);
// The grid's columns "Capacity", "Pressure" and "Service".
std::vector<std::string> TransferRowCells(const STransferRow& row);
// The row of the four codes held; else the first of its capacity code and series; else the
// first row; -1 without rows.
int PreselectedTransferRow(const std::vector<STransferRow>& rows, const CTransferBase& data);
// OK: the row's values and codes, and the bladder codes of its series and pressure
// ("qBladderPartNumber") as the default code list.
void ApplyTransferBarrier(CTransferBase& data, const STransferRow& row, IDatabase& db);
