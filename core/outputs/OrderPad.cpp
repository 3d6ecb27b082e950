// Building, sending and dropping transfer documents; opening the order pad.
#include "outputs/OrderPad.h"

#include "catalogue/Database.h"
#include "outputs/CadFiles.h"
#include "platform/DataFolder.h"
#include "platform/OutputStrings.h"
#include "platform/StringTable.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <random>

namespace fs = std::filesystem;

namespace
{
constexpr int kStringNoProgram = 59270, kStringNoLine = 59271, kStringNotFinished = 59272,
              kStringNoInbox = 59273; // inbox, reason

// "Order-20261102-143005-123-4711.opd": names sort in the order the documents arrived.
fs::path NewDocumentName()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t tNow = std::chrono::system_clock::to_time_t(now);
    const auto nMillis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&tNow, &local);
    char szName[80];
    std::snprintf(szName, sizeof szName, "Order-%04d%02d%02d-%02d%02d%02d-%03d-%04u%s", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(nMillis),
                  static_cast<unsigned>(std::random_device()() % 10000u), kOrderPadDocumentExtension);
    return szName;
}
} // namespace

fs::path DefaultOrderPadInbox()
{
    return UserDataFolder() / "OrderPad" / "Inbox";
}

COrderPad::COrderPad(fs::path inbox, IOrderPadLink* pLink) : m_inbox(std::move(inbox)), m_pLink(pLink) {}

COrderPad::~COrderPad() = default;

bool COrderPad::OpenOrderPad(std::string& strError)
{
    Discard();
    if (m_pLink == nullptr)
    {
        strError = LoadString(kStringNoProgram);
        return false;
    }
    return m_pLink->Open(strError);
}

bool COrderPad::AddLineItem(const SOrderLineItem& item, const std::vector<std::uint8_t>* pSelection)
{
    m_strProblem = OrderLineItemProblem(item, "Part*" + std::to_string(m_pDocument ? m_nLines : 0));
    if (!m_strProblem.empty())
        return false;
    if (!m_pDocument)
    {
        m_pDocument = std::make_unique<COrderPadDocumentWriter>();
        m_nLines = 0;
    }
    if (pSelection != nullptr && !m_pDocument->AddSelectionObject(*pSelection))
        return false;
    const std::string strStorage = "Part*" + std::to_string(m_nLines++);
    return m_pDocument->AddLineItem(strStorage, item);
}

bool COrderPad::SendOrder(const std::string& strApplicationName, std::string& strError)
{
    if (!m_pDocument)
    {
        strError = LoadString(kStringNoLine);
        return false;
    }
    const std::optional<std::string> strDocument = m_pDocument->Finish(strApplicationName);
    Discard();
    if (!strDocument)
    {
        strError = LoadString(kStringNotFinished);
        return false;
    }
    if (strDocument->size() > kMaxOrderPadDocumentSize)
    {
        strError = FormatString(outtext::kDocumentTooLarge, {std::to_string(kMaxOrderPadDocumentSize / 1024 / 1024)});
        return false;
    }
    std::error_code ec;
    fs::create_directories(m_inbox, ec);
    if (ec)
    {
        strError = FormatString(kStringNoInbox, {PathText(m_inbox), ec.message()});
        return false;
    }
    const fs::path document = m_inbox / NewDocumentName();
    if (!WriteFileWhole(document, *strDocument, strError))
        return false;
    m_lastSent = document;
    if (m_pLink != nullptr)
        m_pLink->Offer(*strDocument);
    return true;
}

void COrderPad::Discard()
{
    m_pDocument.reset();
    m_nLines = 0;
}
