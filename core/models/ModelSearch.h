// The model search of the "Choose Model" step: which catalogue queries run for a
// sized selection, the rows they return, how the grid shows them, which row is
// preselected, and the high-flow check of a row.
#pragma once

#include "selection/PartCode.h"
#include "units/UnitDouble.h"
#include "units/UnitInt.h"

#include <set>
#include <string>
#include <vector>

class CAccumulatorData;
class IDatabase;
class CIMsgStoredProc;

// One model row of the grid.
struct SAccumulatorList
{
    CPartCode series;
    CPartCode capacity;
    CPartCode pressure;
    CUnitDouble pressureRating;
    CPartCode bore; // piston queries only
    CPartCode design;
    std::string strDescription;
    std::string strType; // "Piston", "Bladder", "Diaphragm" or "GB"
    CUnitDouble capacityEach;
    CUnitDouble capacityTotal;
    CUnitInt gbQty; // piston queries only
    CUnitInt qty;
    CUnitDouble boreDisplay; // piston queries only
    bool bGasBottle = false;
    CPartCode gbPartNumber; // code and description; piston-with-gas-bottle queries only
    CUnitDouble gbCapacity;
};

struct SModelSearch
{
    CUnitDouble searchPressure;           // the shock pressure for applications 5 to 7, else the maximum
    CUnitDouble requiredFlow;             // GPM where the application gives one, else 0
    bool bFlowShown = false;              // the application gives a required flow
    std::vector<std::string> queries;     // the model queries run, in order
    std::vector<SAccumulatorList> rows;   // in query order, then row order
};

// Runs the model queries for a sized selection. Data-access errors propagate.
SModelSearch RunModelSearch(const CAccumulatorData& data, IDatabase& db);

// Grid columns 1 to 9 (column 0 is the row header).
constexpr int kGridColumns = 9;
std::vector<std::string> GridHeaders();
std::vector<std::string> GridCells(const SAccumulatorList& row);
// Columns (6 to 9) that no row has anything for.
std::set<int> HiddenColumns(const std::vector<SAccumulatorList>& rows);
// Whether the row is the model the selection holds: series, capacity, pressure code and rating,
// design number, bore, gas bottle part and number, and quantity. A piston's design number is the port style
// that its details step chose, so there the bore tells the models apart instead.
bool IsHeldModel(const SAccumulatorList& row, const CAccumulatorData& data);
// The row of the model the selection already holds, else 0; -1 without rows.
int PreselectedRow(const std::vector<SAccumulatorList>& rows, const CAccumulatorData& data);

struct SHighFlowNote
{
    std::string strMessageKey; // the catalogue message to show under the grid
    std::string strOversize;   // "Y" or "N"; the previous value when the flow is not calculated
};
// "Y" when the row's ports are too small for the flow (the last row of qHighFlowCheck counts).
std::string HighFlowResult(const SAccumulatorList& row, const CUnitDouble& flow, IDatabase& db);
SHighFlowNote HighFlowNote(const SAccumulatorList& row, const CUnitDouble& flow, const std::string& strPrevious,
                           IDatabase& db);

// Writes the chosen row into a selection, as OK of the step does: the model fields,
// cudFlow for applications 1 and 3, the high-flow result, and the default detail
// codes from the part-number query of the row's type. A piston's approval text is taken
// unless bApproval is false (the gas bottle selection has no use for it).
void ApplyModelChoice(CAccumulatorData& data, const SAccumulatorList& row, const SModelSearch& search,
                      const std::string& strOversize, IDatabase& db, bool bApproval = true);
