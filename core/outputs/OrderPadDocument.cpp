// Writing and reading the transfer document with libgsf's compound-file (OLE2) support.
#include "outputs/OrderPadDocument.h"

#include "platform/ControlText.h"
#include "platform/OutputStrings.h"
#include "platform/StringTable.h"
#include "platform/Windows1252.h"

#include <gsf/gsf.h>

#include <mutex>

const SOrderLineField kOrderLineFields[6] = {
    {"Part Number", &SOrderLineItem::strPartNumber},   {"Quantity", &SOrderLineItem::strQuantity},
    {"Division", &SOrderLineItem::strDivision},        {"Description", &SOrderLineItem::strDescription},
    {"Modification", &SOrderLineItem::strModification}, {"Customer Notes", &SOrderLineItem::strCustomerNotes}};

namespace
{
// Why a transfer document is not taken in.
constexpr int kStringNotDocument = 59274, kStringNoStream = 59275, kStringNoSender = 59276;

void InitGsf()
{
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });
}

bool WriteStream(GsfOutfile* pParent, const char* pszName, const std::string& strBytes)
{
    GsfOutput* pStream = gsf_outfile_new_child(pParent, pszName, FALSE);
    if (pStream == nullptr)
        return false;
    const bool bWritten =
        strBytes.empty() ||
        gsf_output_write(pStream, strBytes.size(), reinterpret_cast<const guint8*>(strBytes.data())) != FALSE;
    const bool bClosed = gsf_output_close(pStream) != FALSE;
    g_object_unref(pStream);
    return bWritten && bClosed;
}

std::optional<std::string> ReadStream(GsfInfile* pParent, const char* pszName)
{
    GsfInput* pStream = gsf_infile_child_by_name(pParent, pszName);
    if (pStream == nullptr)
        return std::nullopt;
    std::string strBytes(static_cast<std::size_t>(gsf_input_size(pStream)), '\0');
    const bool bRead = strBytes.empty() ||
                       gsf_input_read(pStream, strBytes.size(), reinterpret_cast<guint8*>(strBytes.data())) != nullptr;
    g_object_unref(pStream);
    return bRead ? std::optional<std::string>(strBytes) : std::nullopt;
}
} // namespace

struct COrderPadDocumentWriter::SState
{
    GsfOutput* pSink = nullptr;
    GsfOutfile* pRoot = nullptr;
    bool bFailed = false;
};

COrderPadDocumentWriter::COrderPadDocumentWriter() : m_pState(std::make_unique<SState>())
{
    InitGsf();
    m_pState->pSink = gsf_output_memory_new();
    m_pState->pRoot = gsf_outfile_msole_new(m_pState->pSink);
    m_pState->bFailed = m_pState->pRoot == nullptr;
}

COrderPadDocumentWriter::~COrderPadDocumentWriter()
{
    if (m_pState->pRoot != nullptr)
    {
        if (!gsf_output_is_closed(GSF_OUTPUT(m_pState->pRoot)))
            gsf_output_close(GSF_OUTPUT(m_pState->pRoot));
        g_object_unref(m_pState->pRoot);
    }
    if (m_pState->pSink != nullptr)
        g_object_unref(m_pState->pSink);
}

bool COrderPadDocumentWriter::AddSelectionObject(const std::vector<std::uint8_t>& bytes)
{
    if (m_pState->bFailed)
        return false;
    m_pState->bFailed = !WriteStream(m_pState->pRoot, "Selection Object", std::string(bytes.begin(), bytes.end()));
    return !m_pState->bFailed;
}

bool COrderPadDocumentWriter::AddLineItem(const std::string& strStorage, const SOrderLineItem& item)
{
    if (m_pState->bFailed)
        return false;
    GsfOutput* pStorage = gsf_outfile_new_child(m_pState->pRoot, strStorage.c_str(), TRUE);
    if (pStorage == nullptr)
        return m_pState->bFailed = true, false;
    GsfOutfile* pItem = GSF_OUTFILE(pStorage);
    bool bWritten = true;
    for (const auto& [pszName, pText] : kOrderLineFields)
        if (!(bWritten = WriteStream(pItem, pszName, Utf8ToWindows1252(item.*pText))))
            break;
    bWritten = gsf_output_close(pStorage) != FALSE && bWritten;
    g_object_unref(pStorage);
    m_pState->bFailed = !bWritten;
    return bWritten;
}

std::optional<std::string> COrderPadDocumentWriter::Finish(const std::string& strApplicationName)
{
    if (m_pState->bFailed || !WriteStream(m_pState->pRoot, "Tesmara Name", Utf8ToWindows1252(strApplicationName)) ||
        gsf_output_close(GSF_OUTPUT(m_pState->pRoot)) == FALSE)
    {
        m_pState->bFailed = true;
        return std::nullopt;
    }
    m_pState->bFailed = true; // finished: nothing more can be added
    const auto* pBytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(m_pState->pSink));
    return std::string(reinterpret_cast<const char*>(pBytes), static_cast<std::size_t>(gsf_output_size(m_pState->pSink)));
}

std::string OrderLineItemProblem(const SOrderLineItem& item, const std::string& strStorage)
{
    if (item.strPartNumber.find_first_not_of(" \t") == std::string::npos)
        return FormatString(outtext::kDocumentNoPartNumber, {strStorage});
    const std::string& strQuantity = item.strQuantity;
    if (strQuantity.empty() || strQuantity.size() > 5 || strQuantity.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(strQuantity) < 1)
        return FormatString(outtext::kDocumentBadQuantity, {strStorage, OneLineText(strQuantity)});
    return std::string();
}

std::optional<SOrderPadDocument> ReadOrderPadDocument(const std::string& strBytes, std::string& strError)
{
    InitGsf();
    GsfInput* pInput = gsf_input_memory_new(reinterpret_cast<const guint8*>(strBytes.data()), strBytes.size(), FALSE);
    GError* pError = nullptr;
    GsfInfile* pRoot = pInput != nullptr ? gsf_infile_msole_new(pInput, &pError) : nullptr;
    if (pInput != nullptr)
        g_object_unref(pInput);
    if (pRoot == nullptr)
    {
        strError = LoadString(kStringNotDocument);
        if (pError != nullptr)
            g_error_free(pError);
        return std::nullopt;
    }
    SOrderPadDocument document;
    std::optional<std::string> strSender = ReadStream(pRoot, "Tesmara Name");
    if (strSender)
    {
        document.strSender = Windows1252ToUtf8(*strSender);
        if (const auto strSelection = ReadStream(pRoot, "Selection Object"))
            document.selection.assign(strSelection->begin(), strSelection->end());
        for (int n = 0;; ++n)
        {
            const std::string strName = "Part*" + std::to_string(n);
            GsfInput* pStorage = gsf_infile_child_by_name(pRoot, strName.c_str());
            if (pStorage == nullptr)
                break;
            SOrderLineItem item;
            bool bComplete = GSF_IS_INFILE(pStorage);
            for (const auto& [pszName, pText] : kOrderLineFields)
            {
                const auto strText = bComplete ? ReadStream(GSF_INFILE(pStorage), pszName) : std::nullopt;
                if (!strText)
                {
                    bComplete = false;
                    strError = FormatString(kStringNoStream, {strName, pszName});
                    break;
                }
                item.*pText = Windows1252ToUtf8(*strText);
            }
            g_object_unref(pStorage);
            if (!bComplete)
            {
                g_object_unref(pRoot);
                return std::nullopt;
            }
            document.items.push_back(std::move(item));
        }
    }
    g_object_unref(pRoot);
    if (!strSender)
    {
        strError = LoadString(kStringNoSender);
        return std::nullopt;
    }
    if (document.items.empty())
        return strError = LoadString(outtext::kDocumentNoLine), std::nullopt;
    for (std::size_t n = 0; n < document.items.size(); ++n)
        if (strError = OrderLineItemProblem(document.items[n], "Part*" + std::to_string(n)); !strError.empty())
            return std::nullopt;
    return document;
}
