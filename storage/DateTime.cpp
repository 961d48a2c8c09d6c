#include "DateTime.h"

#include <cmath>
#include <ctime>

namespace
{
constexpr int64_t nSecondsPerDay = 86400;

// Days since 1 March of year 0 in the proleptic Gregorian calendar, shifted
// so that 30 December 1899 is day 0.
int64_t DaysFromCivil(int64_t y, int m, int d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 693899; // 693899: civil day number of 1899-12-30
}

void CivilFromDays(int64_t z, int& y, int& m, int& d)
{
    z += 693899;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

int DaysInMonth(int y, int m)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : days[m - 1];
}
} // namespace

CDateTime CDateTime::GetCurrentTime()
{
    // Every record made or read takes the time; loading a folder makes many a
    // second, and one conversion per second serves them all.
    thread_local std::time_t lastNow = -1;
    thread_local CDateTime lastTime;
    const std::time_t now = std::time(nullptr);
    if (now != lastNow) {
        std::tm local{};
        localtime_r(&now, &local);
        lastTime = FromFields(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                              local.tm_sec);
        lastNow = now;
    }
    return lastTime;
}

CDateTime CDateTime::FromFields(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour < 0 ||
        hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return CDateTime(0.0, invalid);
    const int64_t days = DaysFromCivil(year, month, day);
    const double frac = (hour * 3600 + minute * 60 + second) / double(nSecondsPerDay);
    // Before the epoch the whole days count down while the time of day still counts up.
    return CDateTime(days >= 0 ? double(days) + frac : double(days) - frac, valid);
}

bool CDateTime::GetFields(int& year, int& month, int& day, int& hour, int& minute, int& second) const
{
    if (m_status != valid || !std::isfinite(m_dt) || std::fabs(m_dt) > 3.0e6)
        return false;
    int64_t days = static_cast<int64_t>(std::trunc(m_dt));
    int64_t secs = std::llround(std::fabs(m_dt - double(days)) * nSecondsPerDay);
    if (secs >= nSecondsPerDay) {
        secs -= nSecondsPerDay;
        ++days;
    }
    CivilFromDays(days, year, month, day);
    hour = static_cast<int>(secs / 3600);
    minute = static_cast<int>(secs / 60 % 60);
    second = static_cast<int>(secs % 60);
    return true;
}
