// Vector's binary log (.blf): a 144-byte file header ("LOGG": counts, sizes and the times of the
// first and last object, in local time or UTC as the clock says), then LOG_CONTAINER objects, each
// holding up to 128 KiB of whole objects, stored without compression. Classic and remote frames are
// CAN_MESSAGE2 objects, CAN FD frames (and frames longer than 8 bytes) CAN_FD_MESSAGE_64
// (CAN_FD_MESSAGE on channels past 254, which the former cannot number), error frames
// CAN_ERROR_EXT; the BLF channel is the frame's channel + 1. Every object starts with "LOBJ" and a
// header whose time stamp counts nanoseconds (whole microseconds here) from the file header's start
// time. The counts and sizes of the file header are filled in at the end (left 0 on an output that
// cannot go back, such as a pipe). All numbers little-endian. An object whose size is no multiple
// of 4 (a CAN FD frame of 1-7 bytes, a container holding one) is followed by size % 4 zero bytes,
// as Vector's tools and python-can pad them; its size field leaves them out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "canlog/left_out.h"
#include "canlog/log_clock.h"
#include "monitor/records.h"
#include "output/block_output.h"

namespace canlog {

namespace blf {

constexpr size_t kFileHeaderSize = 144;
constexpr size_t kObjectHeaderSize = 32;     // "LOBJ" base header and version-1 header
constexpr size_t kContainerHeaderSize = 32;  // base header and the container's own fields
constexpr size_t kContainerCapacity = 128 * 1024;
constexpr uint32_t kLogContainer = 10;
constexpr uint32_t kCanErrorExt = 73;
constexpr uint32_t kCanMessage2 = 86;
constexpr uint32_t kCanFdMessage = 100;
constexpr uint32_t kCanFdMessage64 = 101;
constexpr size_t kCanMessage2Size = kObjectHeaderSize + 24;
constexpr size_t kCanErrorExtSize = kObjectHeaderSize + 32;
constexpr size_t kCanFdMessageSize = kObjectHeaderSize + 88;
constexpr size_t kCanFdMessage64FixedSize = kObjectHeaderSize + 40;
constexpr size_t kMaxObjectSize = kCanFdMessage64FixedSize + 64;

struct FileHeader {
    uint64_t fileSize = 0;
    uint64_t uncompressedSize = 0;
    uint32_t objectCount = 0;
    bool dated = false;  // without a date both times are all zero
    CalendarTime start;
    CalendarTime last;
};

// The file header's 144 bytes.
void encodeFileHeader(const FileHeader& header, uint8_t* out);
// One frame as its object with its time stamp in nanoseconds; returns the bytes written, the
// object and its padding (at most kMaxObjectSize), or 0 for a frame the format cannot hold. What it
// leaves out is counted into `leftOut` when given.
size_t encodeFrame(const can::Frame& frame, uint64_t timestamp, uint8_t* out,
                   LeftOutCounts* leftOut = nullptr);

}  // namespace blf

class BlfWriter {
public:
    explicit BlfWriter(output::BlockOutput& output);

    void begin(const LogClock& clock);
    void frame(const can::Frame& frame, uint64_t sinceOrigin);
    // No object of the format stands for an event of unknown meaning: left out.
    void event(int, uint32_t, uint64_t) { leftOut_.add(LeftOut::kEvent); }
    void end();

    // What the log could not carry of the frames and events given so far.
    const LeftOutCounts& leftOut() const { return leftOut_; }

private:
    void writeContainer();

    output::BlockOutput& output_;
    std::unique_ptr<uint8_t[]> container_;  // the container's header, then its objects
    size_t used_ = 0;                       // bytes of objects in the container
    uint64_t headerAt_ = 0;                 // where the file header lies in the output
    uint64_t uncompressed_ = 0;
    uint32_t objects_ = 0;
    LogClock clock_;
    uint64_t lastSinceOrigin_ = 0;
    uint64_t timestampOffset_ = 0;  // nanoseconds from the header's start time to the origin
    LeftOutCounts leftOut_;
};

}  // namespace canlog
