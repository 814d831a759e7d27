// The comment lines at the head of a PEAK trace file that say how to read the rest: the file
// version, the start of the recording and, in version 2, the columns of the data lines. Pure
// text in, values out; originOfClock() alone asks the system for its time zone.
#pragma once

#include <cstdint>
#include <string_view>

#include "sources/frame_source.h"
#include "sources/trc/trc_lines.h"

namespace sources::trc {

// An instant as the recording computer's clock showed it: seconds since 1970 counted as if the
// clock ran on UTC, and nanoseconds into the second.
struct ClockTime {
    int64_t seconds = 0;
    int64_t nanoseconds = 0;
};

// What the head of a file said, gathered one comment line at a time.
struct Header {
    bool hasVersion = false;
    Version version = Version::k1_0;
    bool hasColumns = false;
    Columns columns;
    bool hasStart = false;  // $STARTTIME, not 0
    ClockTime start;
    bool hasStartComment = false;  // "Start time: ..." of the readable head
    ClockTime startComment;
};

enum class HeaderItem : uint8_t {
    kNone,          // any other comment
    kVersion,       // ;$FILEVERSION=2.1
    kBadVersion,    // a $FILEVERSION that is not 1.0, 1.1, 1.2, 1.3, 2.0 or 2.1
    kStart,         // ;$STARTTIME=44548.6028595139
    kNoStart,       // ;$STARTTIME=0, what converters write for an unknown start
    kBadStart,      // a $STARTTIME that is no number of days from 1899-12-30 to 9999
    kColumns,       // ;$COLUMNS=N,O,T,B,I,d,R,L,D
    kBadColumns,    // a $COLUMNS list this reader cannot follow
    kStartComment,  // ;   Start time: 18.12.2021 14:28:07.062.0
};

// Reads one comment line (its ';' included) into `header`; says what the line held.
HeaderItem readHeaderComment(std::string_view line, Header& header);

// The value of $STARTTIME: days since 1899-12-30 00:00 with a decimal fraction of the day,
// a ';' after it allowed. Exact to the nanosecond from the first 12 decimals.
//   "44548.6028595139" -> 2021-12-18 14:28:07.062 (+ 0.1 ms)   "39878.6772258947;"   "0"
bool readStartTime(std::string_view text, ClockTime& out, bool& zero);

// The value of $COLUMNS: letters of Columns separated by commas, each once; O, T, I, D and
// one of l or L present, D last.   "N,O,T,B,I,d,R,L,D"   "N,O,T,I,d,l,D"
bool readColumns(std::string_view text, Columns& out);

// The date of a "Start time:" comment: day.month.year hour:minute:second with milliseconds
// and perhaps their decimals, or year-month-day hour:minute:second with a decimal fraction.
//   "11.09.2002 16:00:20.682"   "07.05.2015 11:09:27.047.8"   "2011-05-31 16:43:53.282"
bool readStartComment(std::string_view text, ClockTime& out);

// A dated origin for a start that the recording computer's clock gave in its local time (the
// TZ variable says which). An instant the system cannot convert is taken as UTC.
TimeOrigin originOfClock(const ClockTime& clock);

}  // namespace sources::trc
