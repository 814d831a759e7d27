// Every CAN frame of an input as typed columns, in file order: the frames `inspect` shows, for
// readers that hand them on as arrays.
#pragma once

#include <cstdint>
#include <vector>

#include "columns/row_time.h"
#include "platform/status.h"
#include "sources/frame_source.h"
#include "sources/frame_walk.h"
#include "tables/time_base.h"

namespace columns {

struct FrameTable {
    // The frame's place in its file: a capture's head record, a BLF object, a text log's line.
    std::vector<uint64_t> record;
    std::vector<int64_t> instant;  // see RowTime
    std::vector<double> elapsed;
    std::vector<uint16_t> channel;  // 1 CH1, 2 CH2, ...
    std::vector<uint32_t> id;
    std::vector<uint8_t> extended;
    std::vector<uint8_t> length;  // 1..64
    std::vector<uint8_t> data;    // the data bytes of each frame, one frame after the other
    // What logs tell beyond a capture: the kind (0 data, 1 remote, 2 error), CAN FD and its bit
    // rate switch and error state, and whether the logging node sent it.
    std::vector<uint8_t> kind;
    std::vector<uint8_t> fd;
    std::vector<uint8_t> bitRateSwitch;
    std::vector<uint8_t> errorState;
    std::vector<uint8_t> transmitted;
    // How the times read: the source's kind of time with time of day chosen (kNone where its
    // times have no unit).
    tables::TimeBase time;

    size_t rows() const { return id.size(); }
    // Adds the frames of a later part of the same file.
    void append(const FrameTable& later);
};

// Walks the data, remote and error frames of a source into `table` (emptied first): success, or
// the failure that ended the reading (0x8007000D for a capture of no known record layout).
platform::Status readFrameTable(sources::FrameSource& source, FrameTable& table,
                                const sources::WalkControl& control = {});

}  // namespace columns
