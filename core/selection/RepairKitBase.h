// A repair kit selection: the kind of kit and the chosen kit with its part number.
#pragma once

#include "selection/CatalogueProduct.h"

#include <string>

class CRepairKitBase : public CCatalogueProduct
{
public:
    std::unique_ptr<CBaseProduct> Clone() const override;
    bool IsEqual(const CRepairKitBase& other) const;

    // The kit's part number, as the catalogue gives it.
    std::string BuildPartNumber() override;
    // Step 2, once a kit is chosen: "Description " and the kit.
    std::string GetSelectionDisplayText(int nStep) const override;
    std::string GetPartDescription() const override;
    void Serialize(CArchive& ar) override;

    // Calls v(name, member) for each field after the common part, in the stored order.
    template <class V> static void WalkFields(V&& v)
    {
        using C = CRepairKitBase;
        v("strKitType", &C::strKitType);
        v("strKit", &C::strKit);
        v("strPartNumber", &C::strPartNumber);
        v("strText4", &C::strText4);
    }

    std::string strKitType;
    std::string strKit; // the catalogue's RepairKit text
    std::string strPartNumber;
    std::string strText4; // stored only
};
