// Vector's ASCII log (.asc), as CANalyzer and CANoe write it and as python-can and can-utils
// read it:
//   date Wed May 01 12:34:56.789 pm 2024
//   base hex  timestamps absolute
//   no internal events logged
//   // times from the date above (local time, UTC+00:00); the recording started at ... UTC
//   Begin Triggerblock Wed May 01 12:34:56.789 pm 2024
//      0.000250 1  123             Rx   d 3 01 A2 FF
//      0.001750 CANFD   2 Rx   18FEF100x  0 0 9 12 00 11 22 33 44 55 66 77 88 99 00 00 ...
//   // 0.002750 capture event of kind 5 at record 3
//      0.003000 3  7FF             Tx   r 8
//      0.003500 12  ErrorFrame
//   End TriggerBlock
// Times are seconds from the "date" line, which holds milliseconds at most, in local time (or
// in UTC, as the comment under it says). A capture without
// a date has no "date" line and its times run from the zero of its own count. The ASC channel
// is the frame's channel + 1. A CAN FD frame (or one longer than 8 bytes) is a CANFD line with
// its BRS and ESI; remote frames are "r" and the length asked for; error frames "ErrorFrame"
// lines, which hold no identifier or data (a CAN FD error frame's line has a direction).
#pragma once

#include <cstdint>

#include "canlog/left_out.h"
#include "canlog/log_clock.h"
#include "monitor/records.h"
#include "output/block_output.h"

namespace canlog {

class AscWriter {
public:
    explicit AscWriter(output::BlockOutput& output) : output_(output) {}

    // Starts the log; `head`: with its header lines (a later part of a log written by several
    // workers has none).
    void begin(const LogClock& clock, bool head = true);
    // A data, remote or error frame whose head record is `sinceOrigin` nanoseconds after the
    // clock's origin.
    void frame(const can::Frame& frame, uint64_t sinceOrigin);
    // A head record of another kind: a comment, since its meaning is not known.
    void event(int kind, uint32_t record, uint64_t sinceOrigin);
    void end();

    // What the log could not carry of the frames given so far.
    const LeftOutCounts& leftOut() const { return leftOut_; }

private:
    // The time of a line: "   0.000250" (at least 11 characters).
    char* putTime(char* out, uint64_t sinceOrigin) const;
    // A line's text after its time.
    char* putClassic(char* out, const can::Frame& frame);
    char* putFd(char* out, const can::Frame& frame);
    char* putError(char* out, const can::Frame& frame);

    output::BlockOutput& output_;
    LeftOutCounts leftOut_;
    uint64_t dateOffset_ = 0;  // nanoseconds from the "date" line to the origin
};

// "Wed May 01 12:34:56.789 pm 2024": the date form of the "date" and "Begin Triggerblock" lines.
// Returns the characters written (at most 32).
int formatAscDate(const CalendarTime& time, char* out);

}  // namespace canlog
