// The data lines of PEAK-System's CAN trace files (.trc of PCAN-View, PCAN-Explorer and
// PCAN-Basic), versions 1.0 to 2.1: one line in, a frame or the kind of line it is out. Pure:
// no file, no state; the source (trc_source.h) hands every line through readLine().
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "can/frame.h"

namespace sources::trc {

enum class Version : uint8_t { k1_0, k1_1, k1_2, k1_3, k2_0, k2_1 };

// The columns of a version 2 data line in their order: the letters of ";$COLUMNS=".
//   N message number   O time offset (ms)   T type   B bus   I identifier (hex)
//   d direction Rx/Tx  R reserved           l length in bytes   L data length code   D data
struct Columns {
    static constexpr size_t kMax = 10;  // each letter at most once
    std::array<char, kMax> letters{};
    uint8_t count = 0;
    // The columns of 2.0 or 2.1 as PEAK's tools write them: read by code made for them.
    enum class Order : uint8_t { kListed, kUsual2_0, kUsual2_1 };
    Order order = Order::kListed;
};

// Columns of these letters, in their order ("NOTBIdRLD").
Columns columnsOf(std::string_view letters);

// The columns of a version 2.0 file ("N,O,T,I,d,l,D") or 2.1 file ("N,O,T,B,I,d,R,L,D") that
// does not list them.
Columns defaultColumns(Version version);

// How a file's data lines read: its version and, for version 2, its columns.
struct Dialect {
    Version version = Version::k1_0;
    Columns columns;
};

enum class LineKind : uint8_t {
    kFrame,           // a data, remote or error frame: `frame` and `offset` are set
    kEmpty,           // nothing but blanks
    kComment,         // begins with ';'
    kBusWarning,      // 1.x: a bus state warning (identifier FFFFFFFF, type Warng): BUSLIGHT...
    kHardwareStatus,  // 2.x: type ST
    kErrorCounter,    // 2.x: type EC, a change of the error counters
    kUserEvent,       // 2.x: type EV, a user's text
    kOtherType,       // a type word this reader does not know
    kUnreadable,      // should be a frame but is not of the version's grammar
};
inline constexpr int kLineKinds = 9;

// One line of a file of `dialect`, without its line end. A frame gets everything but its time
// and place, its data zero past dataLength; `offset` is its time offset in nanoseconds, which
// may be negative. Grammar of the frame lines (fields separated by blanks):
//   1.0  N) O I L data          "1)  1841  0001  8  00 01 02 03 04 05 06 07"
//   1.1  N) O T I L data        "3)  1298.9  Tx  0400  2  00 00"
//   1.2  N) O B T I L data      "7)  1352.743  1  Rx  0100  3  RTR"
//   1.3  N) O B T I - L data    "6)  1349.222 1  Error  0008 -  4  00 19 08 08"
//   2.x  the columns of the dialect, in their order:
//        "5  1334.416 FD 1  0500 Tx -  9  01 02 03 04 05 06 07 08 09 0A 0B 0C"
// 1.x: T is Rx, Tx, Warng or Error (a 1.0 line may have one: it then reads as 1.1); data is
// L hex bytes, RTR for a remote frame, or (1.0) ERROR and the bytes of an error frame.
// 2.x: T is DT (data), FD, FB (FD with bit rate switch), FE (FD with error state), BI (both),
// RR (remote), ER (error frame; 2.0 leaves its identifier and length blank), ST, EC, EV.
// An identifier of more than 4 digits, or above 7FF, is an extended one.
LineKind readLine(std::string_view line, const Dialect& dialect, can::Frame& frame,
                  int64_t& offset);

// Whether a line begins as the message lines of 1.x files do: digits and ')'. The mark of a
// trace file that names no version.
bool looksLikeVersion1Message(std::string_view line);

}  // namespace sources::trc
