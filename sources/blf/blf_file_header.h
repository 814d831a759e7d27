// The file header of a .blf log, of which the reader takes three things: the signature, the
// header's own size (the objects follow it) and the start of the measurement. Its counts and
// sizes are not trusted (a log cut short, or whose writer stopped early, has them wrong).
//   bytes  0-3   "LOGG"
//          4-7   header size (144 from every writer known; more is passed over)
//          8-39  application and library versions, file size, uncompressed size, counts
//         40-55  start: SYSTEMTIME (year, month, day of week, day, hour, minute, second,
//                millisecond; 16 bits each) in the local time of the recording computer
//         56-71  the last object's time, the same way
// A start of all zeros (python-can's for a log without a date) or a calendar time that cannot
// be is no date: the frame times then count from the log's own zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/status.h"
#include "sources/frame_source.h"

namespace sources::blf {

inline constexpr size_t kFileHeaderFields = 72;  // the fields read here
// Larger header sizes are a damaged header, not a newer one.
inline constexpr uint32_t kMaxFileHeaderSize = 64 * 1024;

struct FileHeader {
    uint32_t headerSize = 0;
    TimeOrigin origin;
};

// The header at the start of `bytes` (the file's first bytes, kFileHeaderFields or fewer when
// the file is shorter): kInvalidData with the place when these are not a .blf file's.
platform::Status readFileHeader(std::span<const uint8_t> bytes, FileHeader& header);

// The origin a SYSTEMTIME in the machine's local time (the TZ variable) stands for: kDated in
// UTC, or kElapsed when it is no date.
TimeOrigin originOfStartTime(const uint8_t* systemTime);

}  // namespace sources::blf
