// The accumulator product object's outputs: CAD drawing requests and the order pad.
#include "product/AccumulatorObject.h"

#include "outputs/CadMailboxFile.h"
#include "platform/DataFolder.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "product/ProductHost.h"
#include "selection/SelectionFile.h"

namespace
{
constexpr int kCadPreferences = 3;
constexpr int kStringNotSerialized = 59280, kStringOpenFailed = 59281;

// The reason, when the order pad would have refused the line item, follows the message.
void AddFailed(const std::string& strProblem)
{
    GetPrompt().Message(LoadString(59040) + (strProblem.empty() ? std::string() : "\n\n" + strProblem));
}
} // namespace

std::filesystem::path CAccumulatorObject::CadMailboxFile(std::string& strError) const
{
    return ResolveCadMailbox(m_host.ApplicationFolder() / CadMailboxFileName(m_host.LanguageCode()),
                             UserDataFolder(), strError);
}

bool CAccumulatorObject::IsCadCommandEnabled(int nCommand) const
{
    if (nCommand == kCadPreferences)
        return m_pCadObject != nullptr;
    return m_pCadObject != nullptr && m_pData && m_pData->IsCadCommandEnabled();
}

void CAccumulatorObject::OnCadCommand(int nCommand)
{
    if (!IsCadCommandEnabled(nCommand) || nCommand < 0 || nCommand > 4)
        return;
    if (nCommand == kCadPreferences)
    {
        m_pCadObject->DisplayCADPreferences(0);
        return;
    }
    // The model number as shown first: it also brings the selection's own up to date.
    const std::string strModelNumber = GetPartNumberDisplayText();
    std::string strError;
    const std::filesystem::path mailbox = CadMailboxFile(strError);
    SCadRequest request;
    std::string strMessage;
    if (mailbox.empty())
        strMessage = LoadString(59041) + "\n\n" + strError;
    else if (MakeCadRequest(*m_pData, mailbox, strModelNumber, request, strMessage))
    {
        switch (nCommand)
        {
        case 0:
            m_pCadObject->ViewCAD(request);
            break;
        case 1:
            m_pCadObject->PrintDXF(request);
            break;
        case 2:
            m_pCadObject->PrintHPGL(request);
            break;
        default:
            m_pCadObject->SaveCAD(request);
            break;
        }
        return;
    }
    // Nothing is drawn from what an earlier request may have left in the mailbox.
    GetPrompt().Message(strMessage);
}

std::vector<std::uint8_t> CAccumulatorObject::GetSerializedDataObject()
{
    if (!m_pData)
        return {};
    SSelectionHeader header;
    header.nProdId = m_nProdId;
    header.bPartNumberAvailable = m_bPartNumberAvailable;
    header.bSelectionComplete = m_bSelectionComplete;
    // The file's bytes after its two fixed headers are the product block and the selection.
    std::vector<std::uint8_t> bytes = WriteSelectionBytes(header, *m_pData);
    bytes.erase(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(kHeaderASize + kHeaderBSize));
    bytes.at(4) = m_bModified ? 1 : 0; // the modified flag, which a saved file always clears
    return bytes;
}

bool CAccumulatorObject::OnAddToOrderPad()
{
    if (!m_pOrderPad || !m_pData)
        return false;
    m_pOrderPad->SetInbox(m_host.OrderPadInbox());
    std::vector<std::uint8_t> selection = GetSerializedDataObject();
    if (selection.empty())
        GetPrompt().Message(LoadString(kStringNotSerialized));
    const std::string strDivision = GetDivisionName();
    const std::string strNotes = GetCustomerInformationText();
    const SOrderLineItem item{GetPartNumberDisplayText(), GetOrderQuantity(), strDivision,
                              GetPartDescription(),       GetModificationText(), strNotes};
    // A failed line item drops the whole document: the order pad never sees half a selection.
    if (!m_pOrderPad->AddLineItem(item, selection.empty() ? nullptr : &selection))
        return AddFailed(m_pOrderPad->Problem()), m_pOrderPad->Discard(), false;
    if (const std::string strBottle = m_pData->GetGasBottlePartNumber(); !strBottle.empty())
    {
        const SOrderLineItem bottles{strBottle, m_pData->GetGasBottleQuantityText(), strDivision,
                                     m_pData->GetGasBottleDescription(), std::string(), strNotes};
        if (!m_pOrderPad->AddLineItem(bottles, nullptr))
            return AddFailed(m_pOrderPad->Problem()), m_pOrderPad->Discard(), false;
    }
    std::string strError;
    if (!m_pOrderPad->SendOrder(kOrderPadSenderName, strError))
    {
        GetPrompt().Message(LoadString(59040) + "\n\n" + strError);
        return false;
    }
    if (!m_pOrderPad->OpenOrderPad(strError))
        GetPrompt().Message(LoadString(kStringOpenFailed) + "\n\n" + strError);
    return true;
}

bool CAccumulatorObject::OnOpenOrderPad()
{
    std::string strError;
    if (m_pOrderPad && m_pOrderPad->OpenOrderPad(strError))
        return true;
    GetPrompt().Message(LoadString(kStringOpenFailed) +
                        (strError.empty() ? std::string() : "\n\n" + strError));
    return false;
}
