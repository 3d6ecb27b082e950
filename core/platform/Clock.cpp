// The system clock and the report's date text.
#include "platform/Clock.h"

#include "platform/StringTable.h"

#include <cstdio>
#include <ctime>

namespace
{
constexpr int kStringMonthBase = 988; // + month number: 989 "January" to 1000 "December"
} // namespace

SLocalTime CSystemClock::Now() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

const IClock& SystemClock()
{
    static const CSystemClock clock;
    return clock;
}

std::string FormatReportDate(const SLocalTime& time)
{
    const std::string strMonth =
        time.nMonth >= 1 && time.nMonth <= 12 ? LoadString(kStringMonthBase + time.nMonth) : std::string();
    char szTime[64];
    std::snprintf(szTime, sizeof szTime, " %d %d - %02d:%02d:%02d", time.nDay, time.nYear, time.nHour,
                  time.nMinute, time.nSecond);
    return strMonth + szTime;
}
