// One line of a Vector ASC log at a time: what kind of line it is and, for a CAN frame, the
// frame. Pure: text in, a kind (and a frame) out; the source keeps the state between lines.
#pragma once

#include <cstdint>
#include <string_view>

#include "can/frame.h"
#include "sources/asc/asc_text.h"

namespace sources::asc {

enum class LineKind : uint8_t {
    kFrame,           // a CAN data, remote or error frame: in `frame`, all but time and place
    kUnreadable,      // a CAN frame's line that cannot be read
    kSkipped,         // a line of another kind, named by `skipped`
    kDate,            // `date <date>`: the date is `rest`
    kBase,            // `base hex|dec [timestamps absolute|relative]`: `base` and `relative`
    kInternalEvents,  // `[no] internal events logged`
    kBeginBlock,      // `Begin Triggerblock [<date>]`: the date (or nothing) is `rest`
    kEndBlock,        // `End TriggerBlock`
};

// The kinds of lines a log holds besides CAN frames, counted by name.
enum class Skip : uint8_t {
    kComment,
    kEmpty,
    kStartOfMeasurement,
    kStatistics,
    kControllerStatus,
    kOverloadFrame,
    kTransmitRequest,
    kJ1939,
    kCanXl,
    kSystemVariable,
    kLogTrigger,
    kLin,
    kFlexRay,
    kEthernet,
    kMost,
    kGps,
    kOtherEvent,
    kOtherLine,
    kRepeatedHeader,
    kBadDate,
    kBeforeStart,
    kCount,
};

// "comments", "bus statistics", ...: the names SourceCounts::skipped uses.
const char* skipName(Skip skip);

struct AscLine {
    LineKind kind = LineKind::kSkipped;
    Skip skipped = Skip::kOtherLine;
    // The line begins with a time (seconds with a decimal fraction) that reads: its
    // nanoseconds, and whether it was negative.
    bool hasTime = false;
    bool negative = false;
    uint64_t time = 0;
    std::string_view rest;   // kDate, kBeginBlock: the date's text
    Base base = Base::kHex;  // kBase
    bool relative = false;   // kBase: `timestamps relative`
};

// Reads one line of a log written with `base`. Time-led lines:
//   <time> <channel> <id>[x] Rx|Tx d <dlc> <bytes...> [Length = n BitCount = n ID = n[x]]
//       "   0.003040 1  123             Tx   d 2 00 00  Length = 768000 BitCount = 67 ID = 291"
//   <time> <channel> <id>[x] Rx|Tx r [<dlc>] [tail]         "   2.584921 4 300 Rx r 8"
//   <time> <channel> ErrorFrame [fields]                    "   2.501000 1  ErrorFrame"
//   <time> CANFD <channel> Rx|Tx <id>[x] [<name>] <brs> <esi> <dlc> <length> <bytes...>
//          [<duration> <bit count> <flags> <crc> <bit timings...>]
//       "  30.005021 CANFD   1 Rx  300  Name  1 0 8  8 11 c2 03 04 05 06 07 08  102203  133
//        303000 e0006659 46500250 4b140250 20011736 2001040d" (one line)
//   <time> CANFD <channel> Rx|Tx ErrorFrame [fields]
//   <time> <anything else>: an event of a kind named by its first words (statistics, chip
//       status, LIN, FlexRay, system variables, ...)
// and the lines without a time: `//` comments, the header lines, Begin/End Triggerblock.
// A symbolic name in place of a classic frame's identifier is read through its `ID = n` tail.
// In a CANFD line the flags word decides: 0x1000 a CAN FD frame (EDL), else a classic frame,
// 0x10 a remote request; without the word the line is a CAN FD frame. `frame` is written for
// kFrame (and may be written for other kinds).
AscLine readAscLine(std::string_view line, Base base, can::Frame& frame);
// The same, word by word for every line: readAscLine reads a plain classic frame line in one
// pass, which must come to the same (the tests compare the two).
AscLine readAscLineByWords(std::string_view line, Base base, can::Frame& frame);

}  // namespace sources::asc
