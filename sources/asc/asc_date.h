// The dates of an ASC log's `date` and `Begin Triggerblock` lines, and the instant they name.
// The writers put the recording computer's local time there, in English or German words.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/local_time.h"

namespace sources::asc {

struct AscDate {
    platform::CivilTime civil;
    uint32_t nanoseconds = 0;  // the decimal fraction of the second, if the date has one
};

// <weekday> <month> <day> <hh>:<mm>:<ss>[.<fraction>] [am|pm] <year>
//   "Wed May 01 12:34:56.789 pm 2024"  Vector's tools, python-can, this program's export
//   "Wed May  1 12:34:56 2024"         can-utils' log2asc (the C library's ctime)
//   "Sam Sep 30 15:06:13.191 2017"     a German CANoe: German words, a 24-hour clock
// The weekday is not checked; months are English or German (Mär, Mrz, Mai, Okt, Dez), by their
// first three letters. False for anything else, or for a date or time that does not exist.
bool parseAscDate(std::string_view text, AscDate& out);

}  // namespace sources::asc
