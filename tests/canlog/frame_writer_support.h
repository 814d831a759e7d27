// What the writer tests share: frames as literals, a clock, and an output whose bytes are read
// back from a scratch file.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "canlog/log_clock.h"
#include "monitor/monitor_file.h"
#include "monitor/records.h"
#include "output/block_output.h"
#include "sources/capture_source.h"
#include "tests/support/test_paths.h"

namespace export_testing {

inline can::Frame frameOf(int channel, uint32_t id, bool extended,
                          std::initializer_list<uint8_t> bytes) {
    can::Frame frame;
    frame.channel = channel;
    frame.canId = id;
    frame.isExtended = extended;
    frame.dataLength = static_cast<int>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), frame.data);
    return frame;
}

// A frame of `length` bytes 1, 2, 3 ..., with every byte past its length 0xEE: what a
// continuation record leaves there, which no export may show.
inline can::Frame countingFrame(int channel, uint32_t id, bool extended, int length) {
    can::Frame frame;
    frame.channel = channel;
    frame.canId = id;
    frame.isExtended = extended;
    frame.dataLength = length;
    for (int i = 0; i < 64; ++i) frame.data[i] = i < length ? static_cast<uint8_t>(i + 1) : 0xEE;
    return frame;
}

inline canlog::LogClock datedClock(int64_t seconds, uint32_t nanoseconds) {
    canlog::LogClock clock;
    clock.timed = true;
    clock.dated = true;
    clock.originSeconds = seconds;
    clock.originNanoseconds = nanoseconds;
    return clock;
}

// The clock of a capture of this layout, time-stamp mode and recording start, as its source
// tells it.
inline canlog::LogClock captureClock(int variant, int mode, int64_t seconds = 0,
                                     int64_t nanoseconds = 0,
                                     canlog::HeaderClock header = canlog::HeaderClock::kUtc) {
    monitor::MonitorFile file;
    file.variant = variant;
    file.timeStampMode = mode;
    file.info29.startSeconds = seconds;
    file.info29.startNanoseconds = nanoseconds;
    const sources::CaptureSource source(file);
    return canlog::logClockFor(source.timeOrigin(), header);
}

// A layout-27 capture's clock: never dated, in the unit of its mode (none for mode 0).
inline canlog::LogClock undatedClock(int mode) { return captureClock(27, mode); }

// Runs `write` on an output opened on a scratch file and returns the bytes that file got.
template <class Write>
std::string writtenBytes(Write write) {
    testing_support::ScratchDir dir("frame-writer");
    output::BlockOutput output;
    EXPECT_EQ(output.open(dir / "out"), 0);
    write(output);
    EXPECT_EQ(output.close(), 0);
    return testing_support::readFileBytes(dir / "out");
}

}  // namespace export_testing
