// Every CAN frame of a capture as typed columns, in file order: the frames `inspect` shows,
// for readers that hand them on as arrays.
#pragma once

#include <cstdint>
#include <vector>

#include "convert/row_times.h"
#include "convert/time_base.h"
#include "monitor/monitor_file.h"

namespace convert {

struct FrameTable {
    std::vector<uint32_t> record;  // index of the head record among all records
    std::vector<int64_t> instant;  // see RowTime
    std::vector<double> elapsed;
    std::vector<uint8_t> channel;  // 1 CH1, 2 CH2
    std::vector<uint32_t> id;
    std::vector<uint8_t> extended;
    std::vector<uint8_t> length;  // 1..64
    std::vector<uint8_t> data;    // the data bytes of each frame, one frame after the other
    // How the time counts read: the scheme of the file's layout and time-stamp mode with time of
    // day chosen (kNone where the capture's time unit is unknown).
    TimeBase time;

    size_t rows() const { return id.size(); }
};

// Walks the records of a loaded capture into `table` (emptied first). 0, 0x8007000D for a
// capture of no known record layout, or the error that ended the reading of the records.
int32_t readFrameTable(const monitor::MonitorFile& file, FrameTable& table);

}  // namespace convert
