// The seal assistant without its windows: seal classes and what each seals, the fluid
// compatibility search with its three outcomes, and what the assistant hands back.
#pragma once

#include "selection/PartCode.h"
#include "units/UnitDouble.h"

#include <optional>
#include <string>
#include <vector>

class CAccumulatorData;
class IDatabase;

// One list of a details step: the catalogue's rows in query order, and the row to select.
struct SDetailList
{
    std::vector<CPartCode> items; // code, location and the text shown
    int nSelected = -1;           // -1 only for an empty list

    const CPartCode* Selected() const { return nSelected >= 0 ? &items[nSelected] : nullptr; }
};

// The row whose code (or, with bByDescription, whose text) equals the one held, else the
// catalogue's first row.
int PreselectedItem(const std::vector<CPartCode>& items, const std::string& strHeld,
                    bool bByDescription = false);

// The seal compounds of an accumulator type ("qDetailSeal"), the held code preselected.
SDetailList SealList(const std::string& strAccumType, const std::string& strSealCode, IDatabase& db);

// What a seal compound is for ("qDetailSealFluid"), with its two temperature ranges as text.
struct SSealFluidInfo
{
    std::string strTypicalFluids;
    std::string strInfo;
    std::string strRange1;
    std::string strRange2;
};
SSealFluidInfo SealFluidInfo(const std::string& strAccumType, const std::string& strSealCode, IDatabase& db);
// "low unit to high unit", numbers without trailing zeros.
std::string TemperatureRangeText(double dLow, double dHigh, const std::string& strUnit);

// The fluids the catalogue knows ("qDetailFluidCompatibilty").
std::vector<std::string> FluidNames(IDatabase& db);

// The checks before a search, in order; the key of the first that fails and the entry it concerns.
enum class ETemperatureEntry
{
    None,
    High,
    Low,
};
struct SFluidSearchCheck
{
    std::string strMessageKey; // empty when the search may run
    ETemperatureEntry eEntry = ETemperatureEntry::None;
};
// An entry left empty is std::nullopt.
SFluidSearchCheck CheckFluidSearch(const std::optional<double>& high, const std::optional<double>& low);

// One seal class a search found, temperatures in the unit asked for.
struct SSealClassElement
{
    std::string strDescription;
    double dTempLow = 0.0;
    std::string strUnits;
    double dTempHigh = 0.0;
    CPartCode code;
};
enum class ESealSearchOutcome
{
    Compatible,               // seals that suit the fluid over the whole range
    CompatibleNotTemperature, // seals that suit the fluid, but none over the range
    NotCompatible,            // no seal suits the fluid
};
struct SSealSearch
{
    ESealSearchOutcome eOutcome = ESealSearchOutcome::NotCompatible;
    std::string strMessageKey;
    std::vector<SSealClassElement> rows;
};
SSealSearch RunSealSearch(const std::string& strAccumType, const std::string& strFluid,
                          const std::string& strTempUnit, double dLow, double dHigh, IDatabase& db);

// An accepted fluid search: the fluid, the range asked for, the chosen seal's range and the outcome's text.
struct SFluidSearchResult
{
    std::string strSealCode; // the seal the search chose
    std::string strFluid;
    CUnitDouble maxEntered;
    CUnitDouble minEntered;
    CUnitDouble maxRange;
    CUnitDouble minRange;
    std::string strDescription;
};
SFluidSearchResult MakeFluidSearchResult(const SSealClassElement& row, const std::string& strFluid,
                                         const CUnitDouble& maxEntered, const CUnitDouble& minEntered,
                                         const std::string& strDescription);

// What the seal assistant hands back to a details step.
struct SSealAssistance
{
    CPartCode seal;
    std::string strTypicalFluids;
    // Only a search that chose this very seal describes it.
    std::optional<SFluidSearchResult> search;
};

// Writes the fluid-compatibility fields for the seal finally chosen (already in data): an
// assistance for that seal gives them; otherwise they are the former selection's when its seal
// is the one chosen, and the values of `cleared` when it is not. The former selection is the
// product object's own, since copies of a selection leave the compatibility description behind.
void ApplySealAssistance(CAccumulatorData& data, const std::optional<SSealAssistance>& assistance,
                         const CAccumulatorData& former, const CAccumulatorData& cleared);
// Copies the fluid-compatibility fields, the description included.
void CopyFluidCompatibility(const CAccumulatorData& from, CAccumulatorData& to);
