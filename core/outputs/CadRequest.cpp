// Making a CAD request from a selection, and the drawing the CAD component makes of it.
#include "outputs/CadObject.h"

#include "outputs/CadDrawingBuilder.h"
#include "outputs/CadMailbox.h"
#include "outputs/CadOutline.h"
#include "platform/StringTable.h"
#include "selection/BaseProduct.h"

#include <ctime>

namespace
{
constexpr int kStringNoMailboxTable = 59267;
} // namespace

bool MakeCadRequest(const CBaseProduct& selection, const std::filesystem::path& mailbox,
                    const std::string& strModelNumber, SCadRequest& request, std::string& strMessage)
{
    const SCadConversion conversion = selection.GetCadConversion();
    if (!conversion.HasDrawing())
    {
        strMessage = LoadString(59042);
        return false;
    }
    auto pBox = std::make_shared<CCadMailbox>();
    std::string strError;
    if (mailbox.empty() || !pBox->Open(mailbox, strError))
    {
        strMessage = LoadString(59041) +
                     (mailbox.empty() ? std::string() : "\n\n" + PathText(mailbox) + ": " + strError);
        return false;
    }
    SCadMailboxRow row;
    if (!pBox->RequestCadDrawing(conversion, row, strError, true))
    {
        strMessage = FormatString(59043, {strModelNumber, PathText(mailbox) + ": " + strError});
        return false;
    }
    request.mailbox = mailbox;
    request.pHeld = std::move(pBox);
    request.m_lstInfo = {selection.GetCadMailboxDatabase(), selection.GetCadMailboxTable(), selection.GetCadProgram(),
                         "PREVIEW", LoadString(52110), strModelNumber};
    return true;
}

bool DrawCadRequest(const SCadRequest& request, const SCadPreferences& preferences, const std::string& strDate,
                    CCadDrawing& drawing, std::string& strError)
{
    SCadMailboxRow row;
    SCadOutline outline;
    if (request.m_lstInfo.size() < 6)
        return strError = LoadString(kStringNoMailboxTable), false;
    std::shared_ptr<CCadMailbox> pBox = request.pHeld;
    if (!pBox)
    {
        pBox = std::make_shared<CCadMailbox>();
        if (!pBox->Open(request.mailbox, strError))
            return strError = PathText(request.mailbox) + ": " + strError, false;
    }
    const bool bDrawn = pBox->ReadRow(request.Table(), row, strError) &&
                        LoadCadOutline(pBox->Database(), row, outline, strError);
    // The row is read: other requests may go on. Storing it is the mailbox's business, not the drawing's.
    std::string strIgnored;
    pBox->FinishRequest(strIgnored);
    // Named, so that a damaged mailbox can be found.
    if (!bDrawn)
        return strError = PathText(request.mailbox) + ": " + strError, false;
    drawing = BuildCadDrawing(outline, preferences, strDate);
    return true;
}

std::string CadDrawingDate()
{
    const std::time_t tNow = std::time(nullptr);
    std::tm local{};
    localtime_r(&tNow, &local);
    char szDate[16];
    std::strftime(szDate, sizeof szDate, "%Y-%m-%d", &local);
    return szDate;
}
