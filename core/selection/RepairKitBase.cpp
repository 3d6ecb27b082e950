// The repair kit selection: its model number, step text and stored layout.
#include "selection/RepairKitBase.h"

#include "platform/StringTable.h"
#include "selection/StoredFields.h"

namespace
{
constexpr int kStringDescription = 50013;
} // namespace

std::unique_ptr<CBaseProduct> CRepairKitBase::Clone() const
{
    return std::make_unique<CRepairKitBase>(*this);
}

bool CRepairKitBase::IsEqual(const CRepairKitBase& other) const
{
    return IsSameBase(other) && FieldsEqual(*this, other);
}

std::string CRepairKitBase::BuildPartNumber()
{
    return strPartNumber;
}

std::string CRepairKitBase::GetSelectionDisplayText(int nStep) const
{
    if (nStep == 2 && !strPartNumber.empty())
        return LoadString(kStringDescription) + strKit;
    return std::string();
}

std::string CRepairKitBase::GetPartDescription() const
{
    return strKitType;
}

void CRepairKitBase::Serialize(CArchive& ar)
{
    CBaseProduct::Serialize(ar);
    SerializeFields(ar, *this);
}
