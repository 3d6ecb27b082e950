// The accessory selection: its model number, step text and stored layout.
#include "selection/AccessoryBase.h"

#include "platform/StringTable.h"
#include "selection/StoredFields.h"

namespace
{
constexpr int kStringDescription = 50013;
} // namespace

CAccessoryBase::CAccessoryBase() : cudCapacity(0.0, "CU_IN"), strAccumulatorType("Bladder")
{
}

std::unique_ptr<CBaseProduct> CAccessoryBase::Clone() const
{
    return std::make_unique<CAccessoryBase>(*this);
}

bool CAccessoryBase::IsEqual(const CAccessoryBase& other) const
{
    return IsSameBase(other) && FieldsEqual(*this, other);
}

std::string CAccessoryBase::BuildPartNumber()
{
    return strAccessoryPartNumber;
}

std::string CAccessoryBase::GetSelectionDisplayText(int nStep) const
{
    if (nStep == 2 && !strAccessoryPartNumber.empty())
        return LoadString(kStringDescription) + strAccessoryText;
    return std::string();
}

std::string CAccessoryBase::GetPartDescription() const
{
    return strAccessoryText;
}

void CAccessoryBase::Serialize(CArchive& ar)
{
    CBaseProduct::Serialize(ar);
    SerializeFields(ar, *this);
}
