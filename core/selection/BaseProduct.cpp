// The common selection behaviour: code insertion, model-number assembly and the stored level.
#include "selection/BaseProduct.h"

#include "catalogue/Database.h"
#include "catalogue/QueryDef.h"
#include "catalogue/Recordset.h"
#include "platform/Archive.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "selection/SelectionOwner.h"
#include "units/DefaultUnits.h"

namespace
{
constexpr std::int32_t kFirstUnusedLocation = CBaseProduct::kFirstUnusedLocation;

void SerializeCodes(CArchive& ar, std::vector<CPartCode>& codes)
{
    if (ar.IsStoring())
    {
        ar.WriteCount(codes.size());
        for (CPartCode& code : codes)
            code.Serialize(ar);
    }
    else
    {
        const std::size_t nCount = ar.ReadCount(CPartCode::kMinStoredSize);
        codes.assign(nCount, CPartCode());
        for (CPartCode& code : codes)
            code.Serialize(ar);
    }
}
} // namespace

void CBaseProduct::AddCode(std::vector<CPartCode>& codes, const CPartCode& code)
{
    // The stored selections were built with this exact order; it decides which of two
    // codes at one position wins, so it is kept as it is, odd head insertion included.
    for (std::size_t i = 0; i < codes.size(); ++i)
    {
        if (codes[i].m_nLocation < code.m_nLocation)
        {
            if (i + 1 == codes.size())
                codes.insert(codes.begin(), code);
            else
                codes.insert(codes.begin() + static_cast<std::ptrdiff_t>(i) + 1, code);
            return;
        }
    }
    codes.push_back(code);
}

std::string CBaseProduct::AssemblePartNumber(const std::vector<CPartCode>& codes)
{
    std::string strPartNo;
    std::int32_t nPrevious = 0;
    for (std::size_t nPass = 0; nPass < codes.size(); ++nPass)
    {
        const CPartCode* pNext = nullptr;
        for (const CPartCode& code : codes)
        {
            if (code.m_nLocation > nPrevious && code.m_nLocation < kFirstUnusedLocation &&
                (pNext == nullptr || code.m_nLocation < pNext->m_nLocation))
                pNext = &code;
        }
        if (pNext == nullptr)
            break; // every later pass would find nothing either
        if (pNext->m_strCode != "_")
            strPartNo += pNext->m_strCode;
        nPrevious = pNext->m_nLocation;
    }
    return strPartNo;
}

std::string CBaseProduct::BuildPartNumber()
{
    return AssemblePartNumber();
}

std::string CBaseProduct::CreateCadNo()
{
    GetPrompt().Message("You must define a CreateCadNo() method in your class derived from CBaseProduct.");
    return "*";
}

std::string CBaseProduct::GetSelectionDisplayText(int) const
{
    return std::string();
}

bool CBaseProduct::IsStepEnabled(int) const
{
    return false;
}

bool CBaseProduct::IsCadCommandEnabled() const
{
    return false;
}

std::string CBaseProduct::GetCadMailboxTable() const
{
    return std::string();
}

std::string CBaseProduct::GetCadMailboxDatabase() const
{
    return std::string();
}

std::string CBaseProduct::GetCadProgram() const
{
    return std::string();
}

std::string CBaseProduct::GetGasBottleQuantityText() const
{
    return std::string();
}

bool CBaseProduct::IsComplete() const
{
    return false;
}

std::string CBaseProduct::GetGasBottleDescription() const
{
    return std::string();
}

std::string CBaseProduct::GetGasBottlePartNumber() const
{
    return std::string();
}

std::string CBaseProduct::GetPartDescription() const
{
    return std::string();
}

void CBaseProduct::Serialize(CArchive& ar)
{
    SerializeCodes(ar, m_lstCodes);
    SerializeCodes(ar, m_lstDefaultCodes);
    if (ar.IsStoring())
        ar.WriteInt32(m_nLevel);
    else
        m_nLevel = ar.ReadInt32();
}

int CBaseProduct::OwnerProdId() const
{
    return m_pOwner != nullptr ? m_pOwner->ProdId() : 6;
}

bool CBaseProduct::IsSameBase(const CBaseProduct& other) const
{
    return m_nLevel == other.m_nLevel && m_lstCodes == other.m_lstCodes &&
           m_lstDefaultCodes == other.m_lstDefaultCodes;
}

std::string CBaseProduct::OwnerDefaultUnit(int nCategoryId) const
{
    if (m_pOwner != nullptr)
        return m_pOwner->DefaultUnit(nCategoryId);
    return CDefaultUnits::Standard().GetDefaultUnit(nCategoryId);
}

IDatabase* CBaseProduct::OwnerCatalogue() const
{
    IDatabase* pDb = m_pOwner != nullptr ? m_pOwner->Database() : nullptr;
    return pDb != nullptr && pDb->IsOpen() ? pDb : nullptr;
}

void CBaseProduct::ReadSealDefault(IDatabase& db, const std::string& strAccumType, CPartCode& code) const
{
    IQueryDef query(db);
    query.Open("qSealInitialization");
    query.SetParamValue("[parAccumType]", strAccumType);
    IRecordset rows(db);
    rows.Open(query);
    if (rows.IsBOF())
        GetPrompt().Message(LoadString(50002)); // "Data Missing!"
    else
        code.m_strCode = rows.GetString("Default");
}
