// "Select Repair Kit": the kits of the chosen kind, narrowed by size, seal, construction, service
// and port.
#pragma once

#include "models/RepairKitList.h"
#include "products/ProductDialog.h"

#include <vector>

class CRefillComboBox;
class CRepairKitBase;
class QTreeWidget;

class CRepairKitSelect : public CProductDialog
{
    Q_OBJECT

public:
    CRepairKitSelect(CAccumulatorObject& product, CRepairKitBase& working, QWidget* pParent = nullptr);

    CRefillComboBox* FilterBox(EKitFilter eFilter) const { return m_pBoxes[static_cast<std::size_t>(eFilter)]; }
    QTreeWidget* KitList() const { return m_pList; }
    const std::vector<SRepairKit>& Kits() const { return m_kits; }
    const SKitFilters& Filters() const { return m_filters; }

protected:
    // The chosen kit into the working copy; a kit must be chosen.
    void OnOk() override;

private:
    // Refills a filter list with all the current filters, keeping its own value selected.
    void FillFilter(EKitFilter eFilter);
    void OnFilterChosen(EKitFilter eFilter);
    void FillKits();

    CRepairKitBase& m_working;
    SKitFilters m_filters;
    CRefillComboBox* m_pBoxes[kKitFilters];
    std::vector<SRepairKit> m_kits;
    QTreeWidget* m_pList;
};
