// The reservoir isolator selection: resets by level, model number, step texts and its stored layout.
#include "selection/OvrisolBase.h"

#include "platform/StringTable.h"
#include "selection/SelectionOwner.h"
#include "selection/StoredFields.h"
#include "units/UnitTable.h"

namespace
{
constexpr int kStringRequiredVolume = 50006;
constexpr int kStringNotImplemented = 50012;
constexpr int kStringBladder = 50031;
constexpr int kStringOvrisol = 50056;

// 10 decimals without trailing zeros, a blank and the unit's display text.
std::string ValueWithUnit(const CUnitDouble& value)
{
    return value.Format(10, false, true) + " " + value.GetUnitString();
}
} // namespace

std::unique_ptr<CBaseProduct> COvrisolBase::Clone() const
{
    return std::make_unique<COvrisolBase>(*this);
}

bool COvrisolBase::IsEqual(const COvrisolBase& other) const
{
    return IsSameBase(other) && FieldsEqual(*this, other);
}

bool COvrisolBase::IsSameAsStored() const
{
    const auto* pStored = m_pOwner ? dynamic_cast<const COvrisolBase*>(m_pOwner->CurrentSelection()) : nullptr;
    return pStored != nullptr && IsEqual(*pStored);
}

void COvrisolBase::Initialize(int nLevel)
{
    using namespace UnitCategory;
    strAccumulatorType = "OV";
    const std::string strVolume = OwnerDefaultUnit(Volume);
    if (nLevel < 1)
    {
        cudPressure.Set(0.0, OwnerDefaultUnit(Pressure));
        for (std::string* pText : {&strText1, &m_strPartNo, &strText3, &strText4})
            pText->clear();
    }
    if (nLevel < 2)
    {
        const std::string strDistance = OwnerDefaultUnit(Distance);
        iSizeMethod = kCapacities;
        strSizeMethodText.clear();
        for (CUnitDouble* pValue : {&cudCylinderCapacity, &cudAccumulatorCapacity, &cudCombinedCapacity})
            pValue->Set(0.0, strVolume);
        for (CUnitDouble* pValue : {&cudHighFluidLevel, &cudLowFluidLevel, &cudReservoirWidth, &cudReservoirLength})
            pValue->Set(0.0, strDistance);
        cudReservoirCapacity.Set(0.0, strVolume);
    }
    if (nLevel < 3)
    {
        const std::string strTemperature = OwnerDefaultUnit(Temperature);
        cudCapacityDisplay.Set(0.0, strVolume);
        // The construction belongs to the size chosen with it, so it goes with the other choices.
        strConstruction.clear();
        for (CPartCode* pCode : {&cpcSeriesCode, &cpcSizeCode, &cpcConstructionCode, &cpcFurtherCode1,
                                 &cpcFurtherCode2, &cpcBladderCode, &cpcFurtherCode3})
            pCode->Reset();
        // The series' fixed codes came with the model too.
        m_lstDefaultCodes.clear();
        if (IDatabase* pDb = OwnerCatalogue())
            ReadSealDefault(*pDb, strAccumulatorType, cpcBladderCode);
        cudMaxEnteredTempFluidCompatibility.Set(0.0, strTemperature);
        cudMinEnteredTempFluidCompatibility.Set(0.0, strTemperature);
        strSelectedFluid.clear();
        cudMaxFluidTempFluidCompatibility.Set(110.0, strTemperature);
        cudMinFluidTempFluidCompatibility.Set(60.0, strTemperature);
    }
}

std::string COvrisolBase::BuildPartNumber()
{
    m_strPartNo.clear();
    m_lstCodes.clear();
    for (const CPartCode* pCode : {&cpcSizeCode, &cpcConstructionCode, &cpcSeriesCode, &cpcBladderCode})
        AddCode(*pCode);
    for (const CPartCode& code : m_lstDefaultCodes)
        AddCode(code);
    m_strPartNo = AssemblePartNumber();
    return m_strPartNo;
}

std::string COvrisolBase::CreateCadNo()
{
    return LoadString(kStringNotImplemented);
}

const CUnitDouble& COvrisolBase::RequiredCapacity() const
{
    return cudCombinedCapacity.Value() != 0.0 ? cudCombinedCapacity : cudReservoirCapacity;
}

std::string COvrisolBase::GetSelectionDisplayText(int nStep) const
{
    if (nStep == 1)
    {
        if (cudCombinedCapacity.Value() == 0.0 && cudReservoirCapacity.Value() == 0.0)
            return std::string();
        // A volume from the fluid levels has many decimals: two, as the accumulators' required capacity.
        const CUnitDouble required = RequiredCapacity();
        return LoadString(kStringRequiredVolume) + required.FormatPrecision("2") + " " + required.GetUnitString();
    }
    if (nStep == 2 && !cpcSeriesCode.m_strCode.empty())
        return ValueWithUnit(cudCapacityDisplay) + ", " + strConstruction + ", " + cpcBladderCode.m_strDescription +
               LoadString(kStringBladder);
    return std::string();
}

bool COvrisolBase::IsStepEnabled(int nStep) const
{
    if (nStep == 1)
        return true;
    if (nStep == 2)
        return cudCombinedCapacity.Value() != 0.0 || cudReservoirCapacity.Value() != 0.0;
    return false;
}

bool COvrisolBase::IsComplete() const
{
    return m_nLevel >= 2;
}

std::string COvrisolBase::GetCadMailboxTable() const
{
    // Only piston and bladder drawings exist; a reservoir isolator is always "OV".
    return strAccumulatorType == "Piston" || strAccumulatorType == "Bladder" ? "Mailbox" : std::string();
}

std::string COvrisolBase::GetCadMailboxDatabase() const
{
    if (strAccumulatorType == "Piston")
        return "PistonMailbox.mdb";
    if (strAccumulatorType == "Bladder")
        return "BladderMailbox.mdb";
    return std::string();
}

std::string COvrisolBase::GetCadProgram() const
{
    return "BladderCad.exe";
}

std::string COvrisolBase::GetPartDescription() const
{
    return LoadString(kStringOvrisol);
}

void COvrisolBase::Serialize(CArchive& ar)
{
    CBaseProduct::Serialize(ar);
    SerializeFields(ar, *this);
}
