// The clock seam: the local date and time the program prints, replaceable so that tests repeat.
#pragma once

#include <string>

struct SLocalTime
{
    int nYear = 1970;
    int nMonth = 1; // 1 January to 12 December
    int nDay = 1;
    int nHour = 0;
    int nMinute = 0;
    int nSecond = 0;
};

class IClock
{
public:
    virtual ~IClock() = default;
    virtual SLocalTime Now() const = 0;
};

// The computer's local time.
class CSystemClock final : public IClock
{
public:
    SLocalTime Now() const override;
};

// Always the same moment, for tests and repeatable output.
class CFixedClock final : public IClock
{
public:
    explicit CFixedClock(SLocalTime time) : m_time(time) {}
    SLocalTime Now() const override { return m_time; }

private:
    SLocalTime m_time;
};

// One system clock for whoever has no other.
const IClock& SystemClock();

// "March 5 2001 - 14:07:09": the month's name from the string table (989 January to 1000
// December), day, year, then the time; a month out of range has no name.
std::string FormatReportDate(const SLocalTime& time);
