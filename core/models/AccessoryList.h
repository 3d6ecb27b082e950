// The accessory dialogs without their windows: the accumulator types and sizes accessories are
// offered for, the accessories of a size, and the choices written into the selection.
#pragma once

#include "selection/PartCode.h"
#include "units/UnitDouble.h"

#include <string>
#include <vector>

class CAccessoryBase;
class IDatabase;

// "Piston": the only type whose sizes differ by bore as well as by capacity.
bool IsPistonType(const std::string& strType);

// An accumulator type accessories are offered for: the key the queries and the selection take
// ("Piston", ...), and the name shown.
struct SAccessoryType
{
    std::string strKey;
    std::string strName;
    bool operator==(const SAccessoryType&) const = default;
};
// The types ("qAccessAvailAccum"), in the catalogue's order.
std::vector<SAccessoryType> AccessoryTypes(IDatabase& db);

// One size of a type ("qAccessoryAccumSize").
struct SAccessorySize
{
    CUnitDouble capacity;
    std::string strCapCode;
    CPartCode boreCode; // NomBore, without a position
    CUnitDouble bore;   // BoreDisplay with BoreUnits
};
std::vector<SAccessorySize> AccessorySizes(const std::string& strType, IDatabase& db);
// The grid's columns: the capacity, and for a piston the bore; 10 decimals, zeros trimmed, unit text.
std::vector<std::string> AccessorySizeCells(const SAccessorySize& size, bool bPiston);
// The size whose capacity equals the one held (across units) and, for a piston, whose bore code
// does too; else the first; -1 without sizes.
int PreselectedAccessorySize(const std::vector<SAccessorySize>& sizes, const CAccessoryBase& data, bool bPiston);
// OK of the size: the type and the size. A type other than "Piston" has no bore: an earlier
// piston's bore code is not kept.
void ApplyAccessorySize(CAccessoryBase& data, const std::string& strType, const SAccessorySize& size);

// One accessory of a size ("qAccessorySelect").
struct SAccessory
{
    std::string strText;
    int nOrder = 0;
    std::string strPartNumber;
    std::string strDescription;
    std::string strImage;
};
// The accessories for the type, capacity code and bore code held.
std::vector<SAccessory> AccessoriesFor(const CAccessoryBase& data, IDatabase& db);
// The accessory held, by part number, else the first; -1 without accessories.
int PreselectedAccessory(const std::vector<SAccessory>& accessories, const CAccessoryBase& data);
void ApplyAccessory(CAccessoryBase& data, const SAccessory& accessory);
