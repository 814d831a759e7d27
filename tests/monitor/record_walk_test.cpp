#include "monitor/record_walk.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/capture_builder.h"

namespace {

// One stop of a walk and what it assembles.
struct Stop {
    uint32_t index = 0;
    monitor::RecordKind kind = 0;
    uint64_t time = 0;
    bool assembled = false;
    int dataLength = 0;
    uint32_t canId = 0;
    std::vector<uint8_t> data;

    bool operator==(const Stop&) const = default;
};

template <class Layout>
Stop stopAt(uint32_t index, monitor::RecordKind kind, const monitor::RecordCursor& cursor) {
    Stop stop;
    stop.index = index;
    stop.kind = kind;
    stop.time = Layout::timeCount(cursor);
    can::Frame frame;
    stop.assembled = Layout::assemble(cursor, 0, frame);
    stop.dataLength = frame.dataLength;
    stop.canId = frame.canId;
    stop.data.assign(frame.data, frame.data + 64);
    return stop;
}

// The reference: every record in place, as one array.
std::vector<Stop> walkInPlace(const monitor::MonitorFile& file) {
    std::vector<Stop> stops;
    monitor::withRecordLayout(file.variant, [&](auto layout) {
        using Layout = decltype(layout);
        monitor::RecordCursor cursor{0, file.count, file.records};
        for (auto kind = Layout::first(cursor); kind != 0; kind = Layout::next(cursor)) {
            stops.push_back(stopAt<Layout>(cursor.index, kind, cursor));
        }
    });
    return stops;
}

std::vector<Stop> walkInBlocks(const monitor::MonitorFile& file, int32_t& error) {
    std::vector<Stop> stops;
    monitor::withRecordLayout(file.variant, [&](auto layout) {
        using Layout = decltype(layout);
        monitor::RecordWalk<Layout> walk(file);
        for (auto kind = walk.first(); kind != 0; kind = walk.next()) {
            stops.push_back(stopAt<Layout>(walk.index(), kind, walk.cursor()));
        }
        error = walk.error();
    });
    return stops;
}

std::vector<uint8_t> bytesOf(size_t length, uint8_t first) {
    std::vector<uint8_t> data(length);
    for (size_t i = 0; i < length; ++i) data[i] = static_cast<uint8_t>(first + i);
    return data;
}

// Frames of every record count (1 to 4 records with layout 27's extension record), events, a
// head whose continuation is missing and stray continuation records.
dtgen::CaptureBuilder everyShape(int variant) {
    dtgen::CaptureBuilder builder(variant);
    dtgen::Record stray{};
    stray[1] = 1;  // a layout-29 continuation with sequence number 1; layout 27: no head either
    for (int round = 0; round < 3; ++round) {
        for (size_t length : {1u, 8u, 9u, 36u, 37u, 64u}) {
            builder.frame({.channel = round % 2,
                           .id = static_cast<uint32_t>(0x100 + length),
                           .data = bytesOf(length, static_cast<uint8_t>(round * 64)),
                           .time = length * 10 + static_cast<uint64_t>(round),
                           .extensionRecord = variant == 27 && length % 2 == 1});
        }
        builder.event({5, 7}).record(stray);
        builder.frame({.id = 0x7F, .data = bytesOf(8, 1), .lengthField = 40});
        builder.frame({.channel = 1, .id = 0x80, .data = bytesOf(2, 9)});
    }
    return builder;
}

int32_t load(monitor::MonitorFile& file, const std::string& bytes) {
    return monitor::loadMonitorBytes(file, reinterpret_cast<const uint8_t*>(bytes.data()),
                                     bytes.size());
}

// Whatever the block size, the walk stops on the same heads and assembles the same frames as
// the walk over all records in place: records after a head are never cut off by a block end.
TEST(RecordWalk, EveryBlockSizeGivesTheWalkInPlace) {
    for (int variant : {27, 29}) {
        const std::string bytes = everyShape(variant).build();
        monitor::MonitorFile file;
        ASSERT_EQ(load(file, bytes), platform::kOk);
        const std::vector<Stop> reference = walkInPlace(file);
        ASSERT_EQ(reference.size(), 3u * 9u) << variant;
        for (uint32_t block = 0; block <= file.count + 1; ++block) {
            file.blockRecords = block;
            int32_t error = -1;
            EXPECT_EQ(walkInBlocks(file, error), reference) << variant << " " << block;
            EXPECT_EQ(error, platform::kOk);
        }
    }
}

// Records read from the file in blocks of the default size, several blocks long, and in small
// blocks; a capture cut inside its records and one without records.
TEST(RecordWalk, FileIsReadInBlocksWithTheSameStops) {
    testing_support::ScratchDir dir("record-walk");
    dtgen::CaptureBuilder large(29);
    large.random({.count = monitor::kBlockRecords * 2, .seed = 11}).frame({.data = {1}});
    dtgen::CaptureBuilder cut = everyShape(27);
    cut.truncate(40);
    const std::string empty =
        dtgen::signatureBytes() + dtgen::CaptureBuilder(27).informationChunk();
    for (const std::string& bytes : {large.build(), cut.build(), empty}) {
        testing_support::writeFileBytes(dir / "a.DT", bytes);
        monitor::MonitorFile inMemory;
        ASSERT_EQ(load(inMemory, bytes), platform::kOk);
        const std::vector<Stop> reference = walkInPlace(inMemory);
        monitor::MonitorFile file;
        for (uint32_t block : {0u, 5u}) {
            file.blockRecords = block;
            ASSERT_EQ(monitor::loadMonitorFile(file, dir / "a.DT"), platform::kOk);
            EXPECT_EQ(file.records, nullptr);  // nothing of the records is held
            EXPECT_EQ(file.count, inMemory.count);
            int32_t error = -1;
            EXPECT_EQ(walkInBlocks(file, error), reference) << bytes.size() << " " << block;
            EXPECT_EQ(error, platform::kOk);
            monitor::releaseMonitorFile(file);
        }
    }
}

#ifndef _WIN32
// A capture that shrinks while it is walked (Windows keeps others from writing to it meanwhile):
// the walk ends with the system's error instead of reading stale or missing records. The blocks
// are larger than the piece of the file kept for small reads.
TEST(RecordWalk, ReadFailureEndsTheWalkWithTheSystemError) {
    testing_support::ScratchDir dir("record-walk-shrink");
    dtgen::CaptureBuilder builder(29);
    builder.random({.count = 10000, .seed = 3, .length = 8});
    const std::string bytes = builder.build();
    testing_support::writeFileBytes(dir / "a.DT", bytes);
    monitor::MonitorFile file;
    file.blockRecords = 3000;
    ASSERT_EQ(monitor::loadMonitorFile(file, dir / "a.DT"), platform::kOk);
    std::filesystem::resize_file(dir / "a.DT", bytes.size() - 5000 * 32);
    int32_t error = 0;
    const std::vector<Stop> stops = walkInBlocks(file, error);
    EXPECT_EQ(error, static_cast<int32_t>(0x80070026));  // ERROR_HANDLE_EOF
    EXPECT_GE(stops.size(), 3000u);
    EXPECT_LT(stops.size(), 5000u);
}
#endif

}  // namespace
