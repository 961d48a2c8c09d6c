#pragma once

#include <cstdint>

// A local time without time zone, held as an automation date: days since
// 30 December 1899 00:00 as a real, the fraction being the time of day.
// Packed to 12 bytes: every note holds three, and there are many notes.
// So m_dt is not aligned: read it by value, never bind a reference to it.
#pragma pack(push, 4)
class CDateTime
{
public:
    enum Status : int32_t { valid = 0, invalid = 1, null = 2 };

    CDateTime() = default;
    CDateTime(double dt, int32_t status = valid) : m_dt(dt), m_status(status) {}

    // The clock, read once, in whole seconds of local time.
    static CDateTime GetCurrentTime();
    // Calendar fields to an automation date; invalid when a field is out of range.
    static CDateTime FromFields(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    // Calendar fields of a valid value, rounded to the nearest second; false otherwise.
    bool GetFields(int& year, int& month, int& day, int& hour, int& minute, int& second) const;

    bool IsValid() const { return m_status == valid; }
    bool operator==(const CDateTime&) const = default;

    double m_dt = 0.0;
    int32_t m_status = valid;
};
#pragma pack(pop)
