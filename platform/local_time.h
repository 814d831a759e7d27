// Seconds since 1970-01-01 00:00:00 UTC to the calendar date and time of the machine's time zone
// (the TZ variable where the C library honours it).
#pragma once

#include <cstdint>

namespace platform {

struct CivilTime {
    int year = 0;
    int month = 0;  // 1-12
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// False when the system cannot convert the instant (before 1970 on Windows, or far off).
bool localTime(int64_t secondsSince1970, CivilTime& out);

// The same in UTC, by arithmetic alone (the proleptic Gregorian calendar); false for instants
// whose year does not fit in four digits.
bool utcTime(int64_t secondsSince1970, CivilTime& out);

// The seconds since 1970 of a calendar date and time read as UTC: with localTime's result, the
// difference to the instant is the time zone's offset at that instant.
int64_t secondsOfCivil(const CivilTime& civil);

// The instant a date and clock time of the machine's time zone stands for (logs write the
// recording computer's local time). A time that occurs twice, as clocks go back, is the earlier
// instant; one that never occurs, as clocks go forward, is read with the offset before the
// change. False when the system cannot convert times around it.
bool secondsOfLocalCivil(const CivilTime& civil, int64_t& secondsSince1970);

}  // namespace platform
