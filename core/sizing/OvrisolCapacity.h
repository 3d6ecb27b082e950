// The required capacity of a reservoir isolator: the two ways of stating it, their ordered
// checks against the catalogue's largest size, and what the size query is asked with.
#pragma once

#include "sizing/CheckMessages.h"
#include "units/UnitDouble.h"

class CIMsgStoredProc;
class COvrisolBase;
class IDatabase;

namespace ovrisol
{
// 1.2 x (accumulator capacity in the cylinder capacity's unit + cylinder capacity), in that unit.
CUnitDouble CombinedCapacity(const CUnitDouble& cylinder, const CUnitDouble& accumulator);
// (high - low) x width x length, each in inches, in CU_IN.
CUnitDouble ReservoirCapacity(const CUnitDouble& high, const CUnitDouble& low, const CUnitDouble& width,
                              const CUnitDouble& length);

// The catalogue's largest reservoir isolator ("qmaxOVSize") in CU_M. A catalogue without one
// cannot size anything: CCatalogueError.
CUnitDouble MaxCapacity(IDatabase& db);

// The capacities entered (into data, with the combined capacity worked out): not above 0, or
// above the largest size. Both are said in one message; the focus goes to the cylinder capacity.
sizing::CheckResult CheckCapacities(const COvrisolBase& data, const CUnitDouble& maxCapacity,
                                    const CIMsgStoredProc& messages);
// The fluid levels and reservoir dimensions entered (bLowEntered: the low level's entry is not
// empty), in order; then the reservoir capacity against the largest size, without a focus.
sizing::CheckResult CheckFluidLevels(const COvrisolBase& data, bool bLowEntered, const CUnitDouble& maxCapacity,
                                     const CIMsgStoredProc& messages);

// The six numbers of "qOvrisolSize" in CU_M and M. Only the chosen method's entries count: the
// other method's fields may hold values a user typed and then left, and pass as zeros.
struct SSizeQuery
{
    double dCylinder = 0.0;
    double dAccumulator = 0.0;
    double dHighLevel = 0.0;
    double dLowLevel = 0.0;
    double dLength = 0.0;
    double dWidth = 0.0;
};
SSizeQuery SizeQuery(const COvrisolBase& data);
} // namespace ovrisol
