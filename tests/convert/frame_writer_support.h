// What the writer tests share: frames as literals, a clock, and an output whose bytes are read
// back from a scratch file.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>

#include "convert/export_clock.h"
#include "convert/export_output.h"
#include "monitor/records.h"
#include "tests/support/test_paths.h"

namespace export_testing {

inline monitor::CapturedFrame frameOf(int channel, uint32_t id, bool extended,
                                      std::initializer_list<uint8_t> bytes) {
    monitor::CapturedFrame frame;
    frame.channel = channel;
    frame.canId = id;
    frame.isExtended = extended;
    frame.dataLength = static_cast<int>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), frame.data);
    return frame;
}

// A frame of `length` bytes 1, 2, 3 ..., with every byte past its length 0xEE: what a
// continuation record leaves there, which no export may show.
inline monitor::CapturedFrame countingFrame(int channel, uint32_t id, bool extended, int length) {
    monitor::CapturedFrame frame;
    frame.channel = channel;
    frame.canId = id;
    frame.isExtended = extended;
    frame.dataLength = length;
    for (int i = 0; i < 64; ++i) frame.data[i] = i < length ? static_cast<uint8_t>(i + 1) : 0xEE;
    return frame;
}

inline convert::ExportClock datedClock(int64_t seconds, uint32_t nanoseconds) {
    convert::ExportClock clock;
    clock.variant = 29;
    clock.nanosecondsPerCount = 1000;
    clock.dated = true;
    clock.originSeconds = seconds;
    clock.originNanoseconds = nanoseconds;
    return clock;
}

inline convert::ExportClock undatedClock(int mode, uint64_t nanosecondsPerCount) {
    convert::ExportClock clock;
    clock.variant = 27;
    clock.timeStampMode = mode;
    clock.nanosecondsPerCount = nanosecondsPerCount;
    return clock;
}

// Runs `write` on an output opened on a scratch file and returns the bytes that file got.
template <class Write>
std::string writtenBytes(Write write) {
    testing_support::ScratchDir dir("frame-writer");
    convert::ExportOutput output;
    EXPECT_EQ(output.open(dir / "out"), 0);
    write(output);
    EXPECT_EQ(output.close(), 0);
    return testing_support::readFileBytes(dir / "out");
}

}  // namespace export_testing
