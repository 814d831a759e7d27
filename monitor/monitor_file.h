// A loaded monitor data file (*.DT): the whole file in one buffer, its information block and
// the frame-record area inside the buffer.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "monitor/information.h"

namespace monitor {

constexpr size_t kRecordSize = 32;

struct MonitorFile {
    int subKind = 0;
    int variant = 0;        // 27 or 29: the record layout
    int timeStampMode = 0;  // signed byte of the information block
    Information27 info27;
    Information29 info29;   // startSeconds / startNanoseconds of variant 29
    uint32_t count = 0;     // number of 32-byte records
    const uint8_t* records = nullptr;  // into buffer
    std::unique_ptr<uint8_t[]> buffer;
    uint64_t size = 0;
};

// Reads the file whole, checks the signature, walks the chunks and parses the information block.
// 0 on success, else 0x8007000D, 0x8007000E or 0x80070000 + the system error number.
int32_t loadMonitorFile(MonitorFile& file, const std::filesystem::path& path);

// Same, over bytes already in memory (the buffer is copied).
int32_t loadMonitorBytes(MonitorFile& file, const uint8_t* bytes, uint64_t size);

void releaseMonitorFile(MonitorFile& file);

}  // namespace monitor
