// A reservoir isolator (Ovrisol) selection: the required capacity by one of two methods, the
// chosen size, construction and bladder, and the bladder's fluid compatibility.
#pragma once

#include "selection/BaseProduct.h"
#include "units/UnitDouble.h"

#include <string>

class COvrisolBase : public CBaseProduct
{
public:
    // The two ways of stating the required capacity.
    static constexpr int kCapacities = 1;  // cylinder and accumulator capacities
    static constexpr int kFluidLevels = 0; // fluid levels and reservoir dimensions

    std::unique_ptr<CBaseProduct> Clone() const override;

    // Every field and the common part, unit values compared across units.
    bool IsEqual(const COvrisolBase& other) const;
    // IsEqual against the owner's current selection (false without an owner or of another class).
    bool IsSameAsStored() const;

    // Resets from a step on: below 1 the pressure and the four texts; below 2 the required
    // capacity of both methods; below 3 the chosen model with its codes (the bladder from the
    // catalogue's default for "OV") and the fluid compatibility. The type is always "OV".
    void Initialize(int nLevel);

    // Size, construction, series and bladder codes, then the series' fixed codes, by position.
    std::string BuildPartNumber() override;
    std::string CreateCadNo() override;
    // Step 1: "Required Volume: " and the capacity; step 2: size, construction and bladder.
    std::string GetSelectionDisplayText(int nStep) const override;
    bool IsStepEnabled(int nStep) const override;
    bool IsComplete() const override;
    std::string GetCadMailboxTable() const override;
    std::string GetCadMailboxDatabase() const override;
    std::string GetCadProgram() const override;
    std::string GetPartDescription() const override;
    void Serialize(CArchive& ar) override;

    // The capacity the selection asks for: the combined capacity when it is not 0, else the
    // reservoir capacity.
    const CUnitDouble& RequiredCapacity() const;

    // Calls v(name, member) for each field after the common part, in the stored order.
    template <class V> static void WalkFields(V&& v)
    {
        using C = COvrisolBase;
        v("cudPressure", &C::cudPressure);
        v("cudCylinderCapacity", &C::cudCylinderCapacity);
        v("cudAccumulatorCapacity", &C::cudAccumulatorCapacity);
        v("cudCombinedCapacity", &C::cudCombinedCapacity);
        v("cudHighFluidLevel", &C::cudHighFluidLevel);
        v("cudLowFluidLevel", &C::cudLowFluidLevel);
        v("cudReservoirWidth", &C::cudReservoirWidth);
        v("cudReservoirLength", &C::cudReservoirLength);
        v("cudReservoirCapacity", &C::cudReservoirCapacity);
        v("cudCapacityDisplay", &C::cudCapacityDisplay);
        v("cpcSeriesCode", &C::cpcSeriesCode);
        v("cpcSizeCode", &C::cpcSizeCode);
        v("cpcConstructionCode", &C::cpcConstructionCode);
        v("cpcFurtherCode1", &C::cpcFurtherCode1);
        v("cpcFurtherCode2", &C::cpcFurtherCode2);
        v("cpcBladderCode", &C::cpcBladderCode);
        v("cpcFurtherCode3", &C::cpcFurtherCode3);
        v("cudMaxEnteredTempFluidCompatibility", &C::cudMaxEnteredTempFluidCompatibility);
        v("cudMinEnteredTempFluidCompatibility", &C::cudMinEnteredTempFluidCompatibility);
        v("cudMaxFluidTempFluidCompatibility", &C::cudMaxFluidTempFluidCompatibility);
        v("cudMinFluidTempFluidCompatibility", &C::cudMinFluidTempFluidCompatibility);
        v("strAccumulatorType", &C::strAccumulatorType);
        v("strText1", &C::strText1);
        v("m_strPartNo", &C::m_strPartNo);
        v("strText3", &C::strText3);
        v("strText4", &C::strText4);
        v("iSizeMethod", &C::iSizeMethod);
        v("strSizeMethodText", &C::strSizeMethodText);
        v("strConstruction", &C::strConstruction);
        v("strSelectedFluid", &C::strSelectedFluid);
    }

    std::string strAccumulatorType = "OV";
    CUnitDouble cudPressure; // stored only: no step sets it
    // Four texts; the second holds the assembled model number, the others are stored only.
    std::string strText1;
    std::string m_strPartNo;
    std::string strText3;
    std::string strText4;

    // The required capacity.
    int iSizeMethod = kCapacities;
    std::string strSizeMethodText; // the caption of the chosen method
    CUnitDouble cudCylinderCapacity;
    CUnitDouble cudAccumulatorCapacity;
    CUnitDouble cudCombinedCapacity; // 1.2 x both, in the cylinder capacity's unit
    CUnitDouble cudHighFluidLevel;
    CUnitDouble cudLowFluidLevel;
    CUnitDouble cudReservoirWidth;
    CUnitDouble cudReservoirLength;
    CUnitDouble cudReservoirCapacity; // (high - low) x width x length, in CU_IN

    // The chosen model.
    CUnitDouble cudCapacityDisplay;
    std::string strConstruction;
    CPartCode cpcSeriesCode;
    CPartCode cpcSizeCode;
    CPartCode cpcConstructionCode;
    CPartCode cpcFurtherCode1; // stored only
    CPartCode cpcFurtherCode2; // stored only
    CPartCode cpcBladderCode;  // with the bladder's description
    CPartCode cpcFurtherCode3; // stored only

    // The bladder's fluid compatibility, as the seal assistant found it.
    CUnitDouble cudMaxEnteredTempFluidCompatibility;
    CUnitDouble cudMinEnteredTempFluidCompatibility;
    std::string strSelectedFluid;
    CUnitDouble cudMaxFluidTempFluidCompatibility;
    CUnitDouble cudMinFluidTempFluidCompatibility;
};
