// An accessory selection: the accumulator type and size it is for, and the chosen accessory.
#pragma once

#include "selection/CatalogueProduct.h"
#include "units/UnitDouble.h"

#include <string>

class CAccessoryBase : public CCatalogueProduct
{
public:
    // Capacity 0 in CU_IN, type "Bladder", every other text empty, the bore code reset.
    CAccessoryBase();

    std::unique_ptr<CBaseProduct> Clone() const override;
    bool IsEqual(const CAccessoryBase& other) const;

    // The accessory's part number, as the catalogue gives it.
    std::string BuildPartNumber() override;
    // Step 2, once an accessory is chosen: "Description " and the accessory's text.
    std::string GetSelectionDisplayText(int nStep) const override;
    std::string GetPartDescription() const override;
    void Serialize(CArchive& ar) override;

    // Calls v(name, member) for each field after the common part, in the stored order.
    template <class V> static void WalkFields(V&& v)
    {
        using C = CAccessoryBase;
        v("cudCapacity", &C::cudCapacity);
        v("cpcBoreCode", &C::cpcBoreCode);
        v("cudBore", &C::cudBore);
        v("strTypeName", &C::strTypeName);
        v("strAccumulatorType", &C::strAccumulatorType);
        v("strCapCode", &C::strCapCode);
        v("strAccessoryPartNumber", &C::strAccessoryPartNumber);
        v("strText5", &C::strText5);
        v("strAccessoryText", &C::strAccessoryText);
        v("strText7", &C::strText7);
        v("strText8", &C::strText8);
        v("strText9", &C::strText9);
    }

    std::string strTypeName; // reported as the accumulator type; no step writes it
    CUnitDouble cudCapacity;
    std::string strAccumulatorType;
    std::string strCapCode;
    std::string strAccessoryPartNumber;
    std::string strText5; // stored only
    std::string strAccessoryText;
    std::string strText7; // stored only
    std::string strText8; // stored only
    std::string strText9; // stored only
    CPartCode cpcBoreCode; // the size's nominal bore, for piston accumulators
    CUnitDouble cudBore;
};
