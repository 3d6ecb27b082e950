// The gas bottle selection without its window: the types, the pressures and bottles of a type,
// what is preselected on reopening, and the chosen bottle written into the selection as a model.
#pragma once

#include "models/ModelSearch.h"
#include "selection/PartCode.h"
#include "units/UnitDouble.h"

#include <string>
#include <vector>

class CAccumulatorData;
class IDatabase;

// The choices of "Gas Bottle Type" in order; the index of the checked one is kept in eGasBottleType.
constexpr int kGasBottleTypes = 4;
constexpr int kViewAllGasBottles = 3;
// "Piston", "Bladder", "GB" or kNoFilter: what the catalogue's queries are asked with.
const char* GasBottleTypeKey(int nType);
// What the selection keeps as its type filter: the type's key, or "View All" (string 50001).
std::string GasBottleTypeText(int nType);
// The type checked on opening: the one checked when the bottle was chosen (a fresh selection
// has "View All"); a value out of range gives the type of the bottle held, else "View All".
int HeldGasBottleType(const CAccumulatorData& data);

// The pressure ratings of the bottles of a type ("qGbPressureAll"), lowest first.
std::vector<CUnitDouble> GasBottlePressures(int nType, IDatabase& db);
// "3000 psig": up to ten decimals, trailing zeros trimmed, whole numbers without a point.
std::string GasBottlePressureText(const CUnitDouble& pressure);
// The pressure equal to the one held, both compared in one unit; -1 when none is.
int PreselectedPressure(const std::vector<CUnitDouble>& pressures, const CUnitDouble& held);

// One bottle of the list ("qGbList").
struct SGbList
{
    std::string strDescription;
    std::string strType; // "Piston", "Bladder" or "GB"
    CUnitDouble capacity;
    CPartCode capacityCode;
    CPartCode series;
    CPartCode bore; // piston-style bottles only
    CPartCode design;
    CUnitDouble boreDisplay;
    CPartCode pressure;
};
// The bottles of a type rated at a pressure.
std::vector<SGbList> GasBottleList(int nType, const CUnitDouble& pressure, IDatabase& db);
// The columns "Type", "Capacity" and "Bore Size" (empty but for piston-style bottles).
std::vector<std::string> GasBottleCells(const SGbList& row);
// The row whose codes are those of the bottle held; -1 when none is.
int PreselectedBottle(const std::vector<SGbList>& rows, const CAccumulatorData& data);

// The bottle as a row of the model step: one unit, rated at the chosen pressure.
SAccumulatorList AsModelRow(const SGbList& row, const CUnitDouble& pressure);
// Whether the selection already holds this bottle at this pressure (whichever type shows it).
bool IsHeldBottle(const SGbList& row, const CUnitDouble& pressure, const CAccumulatorData& data);
// OK: the bottle written as the chosen model with the default codes of its type, and the
// type kept for reopening. A GB series bottle has no seal.
void ApplyGasBottleChoice(CAccumulatorData& data, const SGbList& row, const CUnitDouble& pressure, int nType,
                          const std::string& strOversize, IDatabase& db);
