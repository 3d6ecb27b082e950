// The critical-event note of the results dialog, and the message for results that cannot be computed.
#include "sizing/ResultNotes.h"

#include "catalogue/MessageKeys.h"
#include "catalogue/MsgStoredProc.h"
#include "sizing/CheckMessages.h"

namespace sizing
{
std::string FillIntegers(const std::string& strFormat, int nFirst, int nSecond)
{
    const int numbers[] = {nFirst, nSecond};
    std::string strText;
    std::size_t nUsed = 0;
    for (std::size_t i = 0; i < strFormat.size(); ++i)
    {
        if (nUsed < 2 && strFormat[i] == '%' && i + 1 < strFormat.size() && strFormat[i + 1] == 'i')
        {
            strText += std::to_string(numbers[nUsed++]);
            ++i;
        }
        else
            strText += strFormat[i];
    }
    return strText;
}

std::string CriticalEventText(const SApplicationData& data, const CIMsgStoredProc& messages)
{
    if (data.iCriticalActuator == 0)
        return std::string();
    return FillIntegers(messages.GetMessage(msg::kCriticalEvent), data.iCriticalActuator,
                        data.iCriticalEvent);
}

std::string ShockInputsText(const SApplicationData& data, const CIMsgStoredProc& messages)
{
    if (data.deSelectApp != app::ShockSuppression)
        return std::string();
    const auto shown = [](const CUnitDouble& value, int nDecimals)
    { return value.Format(nDecimals, false, true) + " " + value.GetUnitString(); };
    // Three values: the first two, then the third into what is left.
    const std::string strTwo = FillPlaceholders(messages.GetMessage(msg::kShockInputs),
                                                shown(CUnitDouble(data.dShockSchedule, "IN"), 3),
                                                shown(CUnitDouble(data.dShockFluidDensity, "LB_CU_IN"), 4));
    return FillPlaceholders(strTwo, shown(data.sdSysTemperature, 1), std::string());
}

std::string CannotSizeMessage(const std::string& strReason, const CIMsgStoredProc& messages)
{
    return ReplaceLineBreaks(FillPlaceholders(messages.GetMessage(msg::kCannotSize), strReason, std::string()));
}
} // namespace sizing
