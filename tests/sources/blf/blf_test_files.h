// BLF bytes for the tests, put together field by field from the format's public description:
// the file header, objects with headers of any version and size, frame objects of each type,
// and containers stored or zlib-compressed. Also a reader of a whole file into frames.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "can/frame.h"
#include "platform/status.h"
#include "sources/blf/blf_inflate.h"
#include "sources/byte_input.h"
#include "sources/frame_source.h"

namespace blf_test {

void put8(std::string& out, uint8_t value);
void put16(std::string& out, uint16_t value);
void put32(std::string& out, uint32_t value);
void put64(std::string& out, uint64_t value);

// Year, month, day of week, day, hour, minute, second, millisecond.
struct SystemTime {
    uint16_t fields[8] = {};
};
SystemTime systemTime(int year, int month, int day, int hour, int minute, int second,
                      int millisecond);

// The file header: "LOGG", its size (144 as every writer), made-up counts, start and last time.
std::string fileHeader(const SystemTime& start = {}, uint32_t headerSize = 144);

inline constexpr uint32_t kTenMicroseconds = 1;
inline constexpr uint32_t kOneNanosecond = 2;

struct HeaderForm {
    uint16_t version = 1;  // 1: 32-byte header; 2: 40 bytes (with the original time stamp)
    uint16_t size = 32;
    uint32_t flags = kOneNanosecond;
};
inline constexpr HeaderForm kVersion1{};
inline constexpr HeaderForm kVersion2{2, 40, kOneNanosecond};

// An object: its header (`form`), then `fields`; without padding.
std::string object(uint32_t type, std::string_view fields, uint64_t stamp,
                   HeaderForm form = kVersion1);
// objectSize % 4 zero bytes: the padding Vector's writer puts behind some object types.
std::string padding(std::string_view object);

// The fields of the frame objects.
std::string canMessage(uint16_t channel, uint8_t flags, uint8_t dlc, uint32_t id,
                       std::string_view data);
std::string canMessage2(uint16_t channel, uint8_t flags, uint8_t dlc, uint32_t id,
                        std::string_view data);
std::string canFdMessage(uint16_t channel, uint8_t flags, uint8_t dlc, uint32_t id, uint8_t fdFlags,
                         std::string_view data);
std::string canFdMessage64(uint8_t channel, uint8_t dlc, uint32_t id, uint32_t flags,
                           uint8_t direction, std::string_view data);
std::string canError(uint16_t channel);
std::string canErrorExt(uint16_t channel, uint8_t dlc, uint32_t id, std::string_view data);
std::string canFdError64(uint8_t channel, uint8_t dlc, uint32_t id, uint16_t fdFlags,
                         std::string_view data);

// A LOG_CONTAINER of `content`: stored (method 0), or zlib-compressed (method 2) at `level`;
// `claimed` replaces the size of the content it states. Followed by its padding.
std::string storedContainer(std::string_view content);
std::string zlibContainer(std::string_view content, int level = 6, int64_t claimed = -1);
std::string container(uint16_t method, std::string_view payload, uint32_t claimed);
std::string zlibCompress(std::string_view content, int level = 6);

// A whole file read by sources::BlfSource, handed over `piece` bytes at a time.
struct ReadOutcome {
    platform::Status open;
    platform::Status status;
    std::vector<can::Frame> frames;
    sources::SourceCounts counts;
    sources::TimeOrigin origin;
    uint64_t bytesRead = 0;
};
ReadOutcome readAll(std::string bytes, size_t batch = 1000, size_t piece = 1 << 20,
                    sources::blf::InflateEngine engine = sources::blf::InflateEngine::kBest);
ReadOutcome readFrom(std::unique_ptr<sources::ByteInput> input, size_t batch = 1000,
                     sources::blf::InflateEngine engine = sources::blf::InflateEngine::kBest);

std::string bytesOf(std::initializer_list<int> values);

// A frame in a line: "data ch1 123x fd brs tx len3 0102AA t1500" (kind, channel from 0,
// identifier in hex, x for extended, flags, length, data, time in ns); bytes past the length
// that are not zero show as NONZERO-PAST-LENGTH.
std::string describe(const can::Frame& frame);

}  // namespace blf_test
