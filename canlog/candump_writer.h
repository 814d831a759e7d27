// The log file of can-utils' candump -L (.log), as canplayer, log2asc and python-can read it:
//   (1700000000.250000) can0 123#01A2FF
//   (1700000000.252500) can1 18FEF100##000112233445566778899AABB
// One line a frame: the time in seconds with six decimals, the interface name, the identifier
// (three hexadecimal digits standard, eight extended), '#' and the data; a CAN FD frame has
// "##" and a flags digit (bit rate switch 1, error state 2: the capture records neither) before
// its data. A capture without a date gets times from the zero of its own count.
#pragma once

#include <cstdint>
#include <string>

#include "canlog/log_clock.h"
#include "monitor/records.h"
#include "output/block_output.h"

namespace canlog {

class CandumpWriter {
public:
    // `names`: the interface names of CH1 and CH2 ("can0", "can1").
    CandumpWriter(output::BlockOutput& output, const std::string (&names)[2]);

    void begin(const LogClock& clock);
    void frame(const can::Frame& frame, uint64_t sinceOrigin);
    // The format has no place for anything but frames (a comment line stops python-can).
    void event(int, uint32_t, uint64_t) {}
    void end() {}

private:
    output::BlockOutput& output_;
    std::string names_[2];  // each between the blanks that part it from time and frame
    int64_t originSeconds_ = 0;
    uint32_t originNanoseconds_ = 0;
};

// Whether `name` can stand for a channel in the file: 1 to 15 characters (a network interface
// name), none of them a blank, a control character, '#', '(' , ')' or '/', and not all digits
// (python-can would read those as a channel number).
bool isCandumpChannelName(const std::string& name);

}  // namespace canlog
