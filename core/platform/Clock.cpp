// The system clock and the report's date text.
#include "platform/Clock.h"

#include "platform/StringTable.h"

#include <cstdio>
#include <string>
#include <ctime>

namespace
{
constexpr int kStringMonthBase = 988; // + month number: 989 "January" to 1000 "December"
constexpr int kStringReportDate = 59282;  // month, day, year, time
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
    char szTime[16];
    std::snprintf(szTime, sizeof szTime, "%02d:%02d:%02d", time.nHour, time.nMinute, time.nSecond);
    // Month, day, year and time in the order of the language.
    return FormatString(kStringReportDate,
                        {strMonth, std::to_string(time.nDay), std::to_string(time.nYear), szTime});
}
