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
    CCadMailbox box;
    std::string strError;
    if (mailbox.empty() || !box.Open(mailbox, strError))
    {
        strMessage = LoadString(59041) + (strError.empty() ? std::string() : "\n\n" + strError);
        return false;
    }
    SCadMailboxRow row;
    if (!box.RequestCadDrawing(conversion, row, strError))
    {
        strMessage = FormatString(59043, {strModelNumber, strError});
        return false;
    }
    request.mailbox = mailbox;
    request.m_lstInfo = {selection.GetCadMailboxDatabase(), selection.GetCadMailboxTable(), selection.GetCadProgram(),
                         "PREVIEW", LoadString(52110), strModelNumber};
    return true;
}

bool DrawCadRequest(const SCadRequest& request, const SCadPreferences& preferences, const std::string& strDate,
                    CCadDrawing& drawing, std::string& strError)
{
    CCadMailbox box;
    SCadMailboxRow row;
    SCadOutline outline;
    if (request.m_lstInfo.size() < 6)
        return strError = LoadString(kStringNoMailboxTable), false;
    if (!box.Open(request.mailbox, strError) || !box.ReadRow(request.Table(), row, strError) ||
        !LoadCadOutline(box.Database(), row, outline, strError))
        return false;
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
