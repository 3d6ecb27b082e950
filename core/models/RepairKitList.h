// The repair kit dialogs without their windows: the kinds of kit, the five filters, the kits
// they leave, and the chosen kit written into the selection.
#pragma once

#include <array>
#include <string>
#include <vector>

class CRepairKitBase;
class IDatabase;

// The kinds of kit ("qRepairKit", field "Kit Type"), in the catalogue's order.
std::vector<std::string> RepairKitTypes(IDatabase& db);

enum class EKitFilter
{
    Size,
    Seal,
    Construction,
    Service,
    Port,
};
constexpr std::size_t kKitFilters = 5;

// The kit type and the five filters, each kNoFilter or a value of its list.
struct SKitFilters
{
    explicit SKitFilters(std::string strKitType);
    std::string strKitType;
    std::array<std::string, kKitFilters> values;

    std::string& operator[](EKitFilter eFilter) { return values[static_cast<std::size_t>(eFilter)]; }
    const std::string& operator[](EKitFilter eFilter) const { return values[static_cast<std::size_t>(eFilter)]; }
};

// The values of a filter list ("View All" is not among them).
std::vector<std::string> KitFilterValues(EKitFilter eFilter, const SKitFilters& filters, IDatabase& db);

struct SRepairKit
{
    std::string strKit;
    std::string strPartNumber;
};
// The kits the filters leave ("qRepKitList").
std::vector<SRepairKit> RepairKits(const SKitFilters& filters, IDatabase& db);
// The kit whose text and part number are both those held; -1 when none is.
int PreselectedKit(const std::vector<SRepairKit>& kits, const CRepairKitBase& data);
void ApplyRepairKit(CRepairKitBase& data, const SRepairKit& kit);
