// One line of can-utils' candump output read into a CAN frame: the log form of `candump -L`
// (`candump -l`, python-can's CanutilsLogWriter, log2asc's and canplayer's input) and the
// screen forms `candump` prints, with or without times. The line alone decides; what the times
// mean and which channel an interface is, the source decides (candump_source.h).
//
// Log form:  [time] interface frame [direction]
//   (1700000000.123456) can0 123#11223344          classic, standard identifier
//   (1700000000.123456) vcan1 1ABCDEF0#R5 T        remote request for 5 bytes, transmitted
//   (000.250000) can0 7FF##3001122334455667788AA   CAN FD: flags digit 3 (BRS 1 | ESI 2)
//   frame := id '#' (data ['_' rawDlc] | ('R'|'r') [length ['_' rawDlc]] | '#' flags data)
//   id := 3 hex digits (up to 7FF) | 8 hex digits (up to 1FFFFFFF; with 20000000 set, an error
//   frame whose data are its 8 error bytes); data := hex pairs, '.' allowed between them, up to
//   8 bytes (64 after "##"); flags := one hex digit (bit 1 BRS, bit 2 ESI, the rest ignored);
//   rawDlc := 9..F after exactly 8 bytes (candump -8); direction := R (received) | T (sent).
//
// Screen form:  [time] interface ['RX'|'TX' (B|-) (E|-)] id length payload
//    (1700000000.123456)  can0  123   [8]  11 22 33 44 55 66 77 88   '.."3DUfw'
//   can1  1F334455  [12]  00 11 22 33 44 55 66 77 88 99 AA BB        CAN FD: two length digits
//   can0  TX B -  123   [0]  remote request                          candump -x: sent, BRS
//   length := '[' digit ']' (classic) | '[' 2 digits ']' (CAN FD) | '{' hex digit '}' (-8);
//   payload := 'remote request' | length bytes (2 hex or, with -i, 8 binary digits; '`' between
//   them means -S, the bytes printed last first) [ERRORFRAME | the -a column "'...'"/"`...`"].
//   candump -c's colour sequences (ESC '[' ... letter) are ignored.
//
// time := '(' seconds '.' fraction ')' | '(' YYYY-MM-DD HH:MM:SS '.' fraction ')' (-t A).
// Other lines: empty, '#' comments, DROPCOUNT notices and CAN XL frames are skipped by name;
// a line beginning with a tab is an error frame's explanation (candump -e); anything else is
// unreadable, as is a frame line that breaks any rule above (an identifier over 29 bits, an odd
// hex digit, more bytes than the frame carries, a length that disagrees with its bytes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "can/frame.h"
#include "platform/local_time.h"

namespace sources::candump {

enum class TimeForm : uint8_t { kNone, kSeconds, kDate };

struct LineTime {
    TimeForm form = TimeForm::kNone;
    uint64_t seconds = 0;       // kSeconds: the whole seconds as written
    uint32_t nanoseconds = 0;   // the fraction to the nanosecond (digits past the ninth dropped)
    int secondDigits = 0;       // kSeconds: digits before the point (candump's dates have 10)
    platform::CivilTime civil;  // kDate: the date and time of day as written
};

enum class LineKind : uint8_t {
    kFrame,        // a classic or CAN FD frame, written into the frame given
    kSkipped,      // a line of another kind, named by `skipped`
    kExplanation,  // a tab-indented line: candump -e's words on the error frame above it
    kUnreadable,   // a line that should be a frame but breaks the grammar
};

enum class LineForm : uint8_t { kLog, kScreen };

struct LineResult {
    LineKind kind = LineKind::kUnreadable;
    LineForm form = LineForm::kLog;
    const char* skipped = "";
    LineTime time;
    std::string_view interface;  // valid until the next line is read
};

// Names of the skipped kinds.
inline constexpr const char* kEmptyLine = "empty line";
inline constexpr const char* kComment = "comment";
inline constexpr const char* kDropNotice = "dropped-frames notice";
inline constexpr const char* kCanXlFrame = "CAN XL frame";

// Longer interface names are no network interface's (Linux allows 15 characters).
inline constexpr size_t kMaxInterfaceLength = 64;
// The largest whole seconds read: nanoseconds since 1970 stay within 64 bits.
inline constexpr uint64_t kMaxSeconds = 9'999'999'999;

// The ten digits of whole seconds of a plain log line, and their value, kept from the line
// before: the lines of one second (most of them) compare their digits instead of reading them.
class SecondsSeen {
public:
    // The value of the ten digits at `digits`; false when they are not ten digits.
    bool read(const char* digits, uint64_t& seconds);

private:
    uint64_t head_ = 0;  // the first eight as written; no digits are zero bytes
    uint16_t tail_ = 0;
    uint64_t seconds_ = 0;
};

class LineReader {
public:
    // Reads `line` (without its line end); the result is valid until the next line is read. For
    // kFrame every field of `frame` but time, place and channel is set, the data zero beyond its
    // length; for other kinds `frame` holds anything.
    const LineResult& read(std::string_view line, can::Frame& frame);
    // The same, by the whole grammar for every line: read() takes the plain candump -L line in
    // one pass, which must come to the same (the tests compare the two).
    const LineResult& readByGrammar(std::string_view line, can::Frame& frame);
    // The plain candump -L line that `bytes` begin with, read up to its line feed (nothing
    // after it changes the reading): how many bytes it takes, its line end included, with
    // result() and `frame` as read() gives them for the line. 0 for any other line, or one that
    // does not end within the bytes: read() then reads it.
    size_t readPlainLine(std::string_view bytes, can::Frame& frame);
    const LineResult& result() const { return result_; }

private:
    LineResult result_;
    SecondsSeen seen_;
    std::string uncoloured_;  // a line of candump -c without its colour sequences
};

}  // namespace sources::candump
