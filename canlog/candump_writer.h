// The log file of can-utils' candump -L (.log), as canplayer, log2asc and python-can read it:
//   (1700000000.250000) can0 123#01A2FF
//   (1700000000.252500) can1 18FEF100##000112233445566778899AABB
//   (1700000000.253000) can2 7FF##3 T
//   (1700000000.253500) can0 123#R8
//   (1700000000.254000) can1 200000A0#0000080000000000
// One line a frame: the time in seconds with six decimals, the interface name, the identifier
// (three hexadecimal digits standard, eight extended), '#' and the data; a CAN FD frame has
// "##" and a flags digit (bit rate switch 1, error state 2) before its data. A remote frame is
// 'R' and the length asked for; an error frame has the error flag 0x20000000 in its identifier.
// A sent frame ends in " T" as with candump -x (received ones have no mark, which reads as
// received). A capture without a date gets times from the zero of its own count.
#pragma once

#include <cstdint>
#include <string>

#include "canlog/left_out.h"
#include "canlog/log_clock.h"
#include "monitor/records.h"
#include "output/block_output.h"

namespace canlog {

class CandumpWriter {
public:
    // `names`: the interface names of CH1 and CH2 ("can0", "can1"); channel n of the others is
    // "can<n>".
    CandumpWriter(output::BlockOutput& output, const std::string (&names)[2]);

    // The log has no header lines: `head` changes nothing.
    void begin(const LogClock& clock, bool head = true);
    void frame(const can::Frame& frame, uint64_t sinceOrigin);
    // The format has no place for anything but frames (a comment line stops python-can).
    void event(int, uint32_t, uint64_t) { leftOut_.add(LeftOut::kEvent); }
    void end() {}

    // What the log could not carry of the frames and events given so far.
    const LeftOutCounts& leftOut() const { return leftOut_; }

private:
    // The frame after the interface name.
    char* putData(char* out, const can::Frame& frame);
    // Any data but a classic frame's eight bytes, `dataLength` of them written.
    char* putOtherData(char* out, const can::Frame& frame, int dataLength);
    char* putRemote(char* out, const can::Frame& frame);
    char* putError(char* out, const can::Frame& frame);
    // "(1700000000.250000)": the text up to the point is kept from the frame before, as most
    // frames fall in the same second.
    char* putTime(char* out, uint64_t sinceOrigin);

    output::BlockOutput& output_;
    LeftOutCounts leftOut_;
    // " can0 ": each name between the blanks that part it from time and frame, in an array
    // copied whole.
    char names_[2][24] = {};
    size_t nameLengths_[2] = {};
    int64_t originSeconds_ = 0;
    uint32_t originNanoseconds_ = 0;
    bool secondKnown_ = false;
    uint64_t secondStart_ = 0;   // nanoseconds past the origin's second where it begins
    char secondsText_[32] = {};  // "(1700000000."
    size_t secondsLength_ = 0;
};

// Whether `name` can stand for a channel in the file: 1 to 15 characters (a network interface
// name), none of them a blank, a control character, '#', '(' , ')' or '/', and not all digits
// (python-can would read those as a channel number).
bool isCandumpChannelName(const std::string& name);

}  // namespace canlog
