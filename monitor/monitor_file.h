// A loaded monitor data file (*.DT): its information block and where its frame records lie.
// A capture read from a file stays open and its records are read a block at a time by the walk
// (record_walk.h); one given as bytes in memory is copied and walked in place. A MonitorFile is
// a plain value owned by whoever loads it, so several can be loaded side by side.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "monitor/capture_bytes.h"
#include "monitor/information.h"

namespace monitor {

constexpr size_t kRecordSize = 32;
// Larger files are refused before anything is read.
constexpr uint64_t kMaxMonitorFileSize = 0x40000000;
constexpr size_t kSignatureSize = 16;
// "TALVERO DATA" padded with blanks to 15 characters, then a zero byte.
extern const uint8_t kSignature[kSignatureSize];

// Chunk tags as little-endian numbers of their four ASCII bytes.
constexpr uint32_t kTagInformation = 0x464E4944;     // "DINF"
constexpr uint32_t kTagMonitorData = 0x444E4F4D;     // "MOND"
constexpr uint32_t kTagMonitorDataAlt = 0x4341444D;  // "MDAC"

struct MonitorFile {
    int subKind = 0;
    int variant = 0;        // 27 or 29: the record layout; 0 without an accepted information block
    int timeStampMode = 0;  // signed byte of the information block
    Information27 info27;
    Information29 info29;  // startSeconds / startNanoseconds of variant 29
    uint32_t count = 0;    // number of 32-byte records present
    // The record chunk runs past the end of the file: `count` holds its whole records present,
    // `recordsClaimed` the records its length announces. The file ends after the information
    // but before the record chunk's length: cut short with no records, none known to be claimed.
    bool cutShort = false;
    uint32_t recordsClaimed = 0;
    uint64_t recordsOffset = 0;           // where the first record lies in `bytes`
    const uint8_t* records = nullptr;     // loaded from memory: the records in place; else nullptr
    std::unique_ptr<CaptureBytes> bytes;  // the open file, or the copy of the bytes given
    uint64_t size = 0;
    // Records per block of the walk; 0 for the default: kBlockRecords for a file, the records in
    // place for bytes in memory. Kept across loads (tests walk memory in small blocks).
    uint32_t blockRecords = 0;
};

// What a load found beyond its result code.
struct LoadReport {
    bool tooLarge = false;  // refused on its size alone: larger than 1 GiB
};

// Opens the file, checks the signature, walks the chunks and parses the information block; the
// records are read later, by the walk. 0 on success, else 0x8007000D, 0x8007000E or
// 0x80070000 + the system error number. A failed load leaves the file empty (and closed).
int32_t loadMonitorFile(MonitorFile& file, const std::filesystem::path& path,
                        LoadReport* report = nullptr);

// Same, over bytes already in memory (the bytes are copied).
int32_t loadMonitorBytes(MonitorFile& file, const uint8_t* bytes, uint64_t size,
                         LoadReport* report = nullptr);

// Closes the file or frees the copy; the information stays until the next load.
void releaseMonitorFile(MonitorFile& file);

}  // namespace monitor
