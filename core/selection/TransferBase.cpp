// The transfer barrier selection: model number, step text and its stored layout.
#include "selection/TransferBase.h"

#include "platform/StringTable.h"
#include "selection/StoredFields.h"

namespace
{
constexpr int kStringSize = 50044;
constexpr int kStringPressure = 50045;
constexpr int kStringTransferBarrier = 50057;
} // namespace

std::unique_ptr<CBaseProduct> CTransferBase::Clone() const
{
    return std::make_unique<CTransferBase>(*this);
}

bool CTransferBase::IsEqual(const CTransferBase& other) const
{
    return IsSameBase(other) && FieldsEqual(*this, other);
}

std::string CTransferBase::BuildPartNumber()
{
    m_strPartNo.clear();
    m_lstCodes.clear();
    for (const CPartCode* pCode : {&cpcPressureCode, &cpcServiceCode, &cpcSeriesCode, &cpcCapCode})
        AddCode(*pCode);
    if (m_nLevel == 2)
    {
        for (const CPartCode& code : m_lstDefaultCodes)
            AddCode(code);
    }
    m_strPartNo = AssemblePartNumber();
    return m_strPartNo;
}

std::string CTransferBase::GetSelectionDisplayText(int nStep) const
{
    if (nStep != 2 || m_nLevel != 2)
        return std::string();
    return LoadString(kStringSize) + cudCapacity.Format(10, false, true) + " " + cudCapacity.GetUnitString() + ",  " +
           LoadString(kStringPressure) +
           cudPressure.Format(10, false, true) + " " + cudPressure.GetUnitString() + ",  " + strService;
}

bool CTransferBase::IsCadCommandEnabled() const
{
    return IsComplete();
}

std::string CTransferBase::GetCadMailboxTable() const
{
    return "BA_Mailbox";
}

std::string CTransferBase::GetCadMailboxDatabase() const
{
    return kCadMailboxFileName;
}

std::string CTransferBase::GetCadProgram() const
{
    return "BladderCad.exe";
}

std::string CTransferBase::GetPartDescription() const
{
    return LoadString(kStringTransferBarrier);
}

void CTransferBase::Serialize(CArchive& ar)
{
    CBaseProduct::Serialize(ar);
    SerializeFields(ar, *this);
}
