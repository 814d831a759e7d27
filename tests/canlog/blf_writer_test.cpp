#include "canlog/blf_writer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "monitor/byte_order.h"
#include "tests/canlog/frame_writer_support.h"
#include "tests/support/test_paths.h"

namespace {

namespace blf = canlog::blf;
using export_testing::countingFrame;
using export_testing::datedClock;
using export_testing::frameOf;
using export_testing::undatedClock;
using export_testing::writtenBytes;
using monitor::readLe16;
using monitor::readLe32;
using monitor::readLe64;

std::string signatureAt(const uint8_t* bytes) {
    return std::string(reinterpret_cast<const char*>(bytes), 4);
}

// The object header every frame object starts with.
void expectObjectHeader(const uint8_t* object, uint32_t type, uint32_t size, uint64_t time) {
    EXPECT_EQ(signatureAt(object), "LOBJ");
    EXPECT_EQ(readLe16(object + 4), 32);  // header size
    EXPECT_EQ(readLe16(object + 6), 1);   // header version
    EXPECT_EQ(readLe32(object + 8), size);
    EXPECT_EQ(readLe32(object + 12), type);
    EXPECT_EQ(readLe32(object + 16), 2u);  // time stamps in nanoseconds
    EXPECT_EQ(readLe64(object + 24), time);
}

TEST(BlfObjects, ClassicFramesAreCanMessage2AndLongerOnesCanFdMessage64) {
    uint8_t object[blf::kMaxObjectSize + 8];
    std::memset(object, 0xCC, sizeof object);
    const auto classic = countingFrame(1, 0x18FEF100, true, 3);
    ASSERT_EQ(blf::encodeFrame(classic, 123456789, object), 56u);
    expectObjectHeader(object, 86, 56, 123456789);
    EXPECT_EQ(readLe16(object + 32), 2);               // channel 2
    EXPECT_EQ(object[34], 0);                          // received, not a remote frame
    EXPECT_EQ(object[35], 3);                          // data length
    EXPECT_EQ(readLe32(object + 36), 0x98FEF100u);     // bit 31: extended identifier
    const uint8_t data[8] = {1, 2, 3, 0, 0, 0, 0, 0};  // nothing past the length
    EXPECT_EQ(std::memcmp(object + 40, data, 8), 0);
    for (int i = 48; i < 56; ++i) EXPECT_EQ(object[i], 0) << i;
    EXPECT_EQ(object[56], 0xCC);  // nothing written past the object

    std::memset(object, 0xCC, sizeof object);
    const auto fd = countingFrame(0, 0x123, false, 36);
    ASSERT_EQ(blf::encodeFrame(fd, 5, object), 72u + 48u);
    expectObjectHeader(object, 101, 120, 5);
    EXPECT_EQ(object[32], 1);   // channel 1
    EXPECT_EQ(object[33], 14);  // data length code of 48 bytes
    EXPECT_EQ(object[34], 48);  // valid data bytes: 36 and 12 zero bytes
    EXPECT_EQ(readLe32(object + 36), 0x123u);
    EXPECT_EQ(readLe32(object + 44), 0x1000u);  // an FD frame, no bit rate switch, no ESI
    EXPECT_EQ(object[35], 0);                   // transmit count
    // Frame length, bit timings, offsets, bit count, direction and CRC: unknown, all 0.
    for (int i = 40; i < 72; ++i) {
        if (i < 44 || i >= 48) {
            EXPECT_EQ(object[i], 0) << i;
        }
    }
    for (int i = 0; i < 48; ++i) EXPECT_EQ(object[72 + i], i < 36 ? i + 1 : 0) << i;
    EXPECT_EQ(object[120], 0xCC);
}

TEST(BlfObjects, FileHeaderCarriesCountsSizesAndTimes) {
    uint8_t header[blf::kFileHeaderSize];
    blf::FileHeader fields;
    fields.fileSize = 0x123456789;
    fields.uncompressedSize = 0x987654321;
    fields.objectCount = 77;
    fields.dated = true;
    fields.start = canlog::utcTimeOf(1714566896, 789);
    fields.last = canlog::utcTimeOf(1714566900, 1);
    blf::encodeFileHeader(fields, header);
    EXPECT_EQ(signatureAt(header), "LOGG");
    EXPECT_EQ(readLe32(header + 4), 144u);
    EXPECT_EQ(readLe64(header + 16), 0x123456789u);
    EXPECT_EQ(readLe64(header + 24), 0x987654321u);
    EXPECT_EQ(readLe32(header + 32), 77u);
    const uint16_t start[8] = {2024, 5, 3, 1, 12, 34, 56, 789};
    const uint16_t last[8] = {2024, 5, 3, 1, 12, 35, 0, 1};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(readLe16(header + 40 + 2 * i), start[i]) << i;
        EXPECT_EQ(readLe16(header + 56 + 2 * i), last[i]) << i;
    }
    for (size_t i = 72; i < sizeof header; ++i) EXPECT_EQ(header[i], 0) << i;
    // Without a date both times are all zero: readers take the stamps as they are.
    fields.dated = false;
    blf::encodeFileHeader(fields, header);
    for (int i = 40; i < 72; ++i) EXPECT_EQ(header[i], 0) << i;
}

struct Container {
    size_t at;
    uint32_t dataSize;
    uint32_t objects;
};

// Walks the containers of a file and the objects inside each one, which must end exactly at
// the container's end.
std::vector<Container> containersOf(const std::string& file) {
    std::vector<Container> found;
    const auto* bytes = reinterpret_cast<const uint8_t*>(file.data());
    size_t at = blf::kFileHeaderSize;
    while (at + 32 <= file.size()) {
        EXPECT_EQ(signatureAt(bytes + at), "LOBJ");
        EXPECT_EQ(readLe32(bytes + at + 12), 10u);  // LOG_CONTAINER
        EXPECT_EQ(readLe16(bytes + at + 16), 0);    // stored without compression
        const uint32_t size = readLe32(bytes + at + 8);
        Container container{at, readLe32(bytes + at + 24), 0};
        EXPECT_EQ(size, 32 + container.dataSize);
        size_t object = at + 32;
        while (object < at + size) {
            EXPECT_EQ(signatureAt(bytes + object), "LOBJ");
            object += readLe32(bytes + object + 8);
            ++container.objects;
        }
        EXPECT_EQ(object, at + size);
        found.push_back(container);
        at += size;
    }
    EXPECT_EQ(at, file.size());
    return found;
}

TEST(BlfWriter, WholeObjectsInContainersOf128KiBAndTheHeaderFilledInAtTheEnd) {
    constexpr uint32_t kFrames = 3000;  // 56 bytes each: more than one container holds
    const std::string file = writtenBytes([](output::BlockOutput& output) {
        canlog::BlfWriter writer(output);
        writer.begin(datedClock(1714566896, 789250000));
        for (uint32_t i = 0; i < kFrames; ++i) {
            writer.frame(frameOf(static_cast<int>(i % 2), i, false, {1, 2}), 1000ull * i);
        }
        writer.frame(countingFrame(0, 7, false, 64), 4000000000ull);
        writer.end();
    });
    const auto* bytes = reinterpret_cast<const uint8_t*>(file.data());
    const std::vector<Container> containers = containersOf(file);
    ASSERT_EQ(containers.size(), 2u);
    EXPECT_LE(containers[0].dataSize, blf::kContainerCapacity);
    EXPECT_GT(containers[0].dataSize + blf::kMaxObjectSize, blf::kContainerCapacity);
    EXPECT_EQ(containers[0].objects + containers[1].objects, kFrames + 1);

    EXPECT_EQ(readLe64(bytes + 16), file.size());
    EXPECT_EQ(readLe64(bytes + 24), file.size());  // nothing is compressed
    EXPECT_EQ(readLe32(bytes + 32), kFrames + 1);
    EXPECT_EQ(readLe16(bytes + 40 + 14), 789);  // start, cut to the millisecond
    // The last frame: 12:34:56.789250 + 4 s.
    EXPECT_EQ(readLe16(bytes + 56 + 10), 35);
    EXPECT_EQ(readLe16(bytes + 56 + 12), 0);
    EXPECT_EQ(readLe16(bytes + 56 + 14), 789);
    // Object time stamps count from the header's millisecond: 250 us below it, then the frame.
    EXPECT_EQ(readLe64(bytes + containers[0].at + 32 + 24), 250000u);
    EXPECT_EQ(readLe64(bytes + containers[0].at + 32 + 56 + 24), 251000u);
}

TEST(BlfWriter, HeaderTimesInLocalTimeOrUtc) {
    const auto headerTimes = [](canlog::HeaderClock clock) {
        testing_support::useTimeZone("JST-9");
        const std::string file = writtenBytes([clock](output::BlockOutput& output) {
            canlog::BlfWriter writer(output);
            writer.begin(export_testing::captureClock(29, 0, 1714566896, 789250000, clock));
            writer.frame(frameOf(0, 1, false, {1}), 0);
            // 2024-05-01 15:00:00.100 UTC, past midnight in Tokyo.
            writer.frame(frameOf(0, 2, false, {2}),
                         (1714575600ull - 1714566896) * 1000000000 + 100000000 - 789250000);
            writer.end();
        });
        testing_support::useUtc();
        std::vector<uint16_t> fields;
        for (int i = 0; i < 16; ++i) {
            fields.push_back(readLe16(reinterpret_cast<const uint8_t*>(file.data()) + 40 + 2 * i));
        }
        return fields;
    };
    EXPECT_EQ(headerTimes(canlog::HeaderClock::kLocal),
              (std::vector<uint16_t>{2024, 5, 3, 1, 21, 34, 56, 789, 2024, 5, 4, 2, 0, 0, 0, 100}));
    EXPECT_EQ(
        headerTimes(canlog::HeaderClock::kUtc),
        (std::vector<uint16_t>{2024, 5, 3, 1, 12, 34, 56, 789, 2024, 5, 3, 1, 15, 0, 0, 100}));
}

TEST(BlfWriter, UndatedCaptureHasZeroTimesAndStampsFromItsOwnZero) {
    const std::string file = writtenBytes([](output::BlockOutput& output) {
        canlog::BlfWriter writer(output);
        writer.begin(undatedClock(6));
        writer.frame(frameOf(0, 1, false, {9}), 42000);
        writer.end();
    });
    const auto* bytes = reinterpret_cast<const uint8_t*>(file.data());
    ASSERT_EQ(file.size(), 144u + 32u + 56u);
    for (int i = 40; i < 72; ++i) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(readLe64(bytes + 144 + 32 + 24), 42000u);

    // No frame at all: the header alone.
    const std::string empty = writtenBytes([](output::BlockOutput& output) {
        canlog::BlfWriter writer(output);
        writer.begin(undatedClock(0));
        writer.end();
    });
    ASSERT_EQ(empty.size(), 144u);
    EXPECT_EQ(readLe64(reinterpret_cast<const uint8_t*>(empty.data()) + 16), 144u);
}

// Frames of every kind, flag and channel range, object by object.
TEST(BlfObjects, EveryKindAndFlagInItsObject) {
    using canlog::LeftOut;
    canlog::LeftOutCounts leftOut;
    uint8_t object[blf::kMaxObjectSize + 8];

    // CAN_MESSAGE2: bit 0 of the flags a sent frame, bit 7 a remote one; channels in 16 bits.
    std::memset(object, 0xCC, sizeof object);
    can::Frame frame = frameOf(299, 0x7FF, false, {0xAA, 0xBB});
    frame.transmitted = true;
    ASSERT_EQ(blf::encodeFrame(frame, 7, object, &leftOut), 56u);
    expectObjectHeader(object, 86, 56, 7);
    EXPECT_EQ(readLe16(object + 32), 300);
    EXPECT_EQ(object[34], 0x01);
    EXPECT_EQ(object[35], 2);
    EXPECT_EQ(readLe32(object + 36), 0x7FFu);
    EXPECT_EQ(object[40], 0xAA);
    EXPECT_EQ(object[41], 0xBB);
    EXPECT_EQ(object[56], 0xCC);

    frame = countingFrame(can::kMaxChannel - 1, 0x1ABCDEF, true, 5);  // the last BLF channel
    frame.kind = can::FrameKind::kRemote;
    frame.transmitted = true;
    ASSERT_EQ(blf::encodeFrame(frame, 8, object, &leftOut), 56u);
    EXPECT_EQ(readLe16(object + 32), 0xFFFF);
    EXPECT_EQ(object[34], 0x81);
    EXPECT_EQ(object[35], 5);  // the length asked for, and no data
    EXPECT_EQ(readLe32(object + 36), 0x81ABCDEFu);
    for (int i = 40; i < 56; ++i) EXPECT_EQ(object[i], 0) << i;
    frame.isFd = frame.transmitted = false;
    frame.bitRateSwitch = true;  // no place: a classic remote frame
    ASSERT_EQ(blf::encodeFrame(frame, 8, object, &leftOut), 56u);
    EXPECT_EQ(object[34], 0x80);
    EXPECT_EQ(leftOut[LeftOut::kRemoteFdFlags], 1u);

    // CAN_FD_MESSAGE_64: EDL 0x1000, BRS 0x2000, ESI 0x4000 and the direction byte (1 Tx), even
    // for a CAN FD frame of 8 bytes or fewer.
    std::memset(object, 0xCC, sizeof object);
    frame = countingFrame(254, 0x18FEF100, true, 3);
    frame.isFd = frame.bitRateSwitch = frame.errorState = frame.transmitted = true;
    ASSERT_EQ(blf::encodeFrame(frame, 9, object, &leftOut), 72u + 3u + 3u);  // and padding
    expectObjectHeader(object, 101, 75, 9);
    EXPECT_EQ(object[32], 255);  // the last channel of its 8 bits
    EXPECT_EQ(object[33], 3);
    EXPECT_EQ(object[34], 3);
    EXPECT_EQ(readLe32(object + 36), 0x98FEF100u);
    EXPECT_EQ(readLe32(object + 44), 0x7000u);
    EXPECT_EQ(object[66], 1);  // direction: sent
    EXPECT_EQ(object[72], 1);
    EXPECT_EQ(object[74], 3);
    for (int i = 75; i < 78; ++i) EXPECT_EQ(object[i], 0) << i;
    EXPECT_EQ(object[78], 0xCC);
    frame.isFd = true;
    frame.errorState = frame.transmitted = false;
    frame.dataLength = 0;
    ASSERT_EQ(blf::encodeFrame(frame, 9, object, &leftOut), 72u);
    EXPECT_EQ(readLe32(object + 44), 0x3000u);
    EXPECT_EQ(object[66], 0);

    // Past channel 255: CAN_FD_MESSAGE, whose channel has 16 bits: flags (Tx), DLC, identifier,
    // FD flags (EDL 1, BRS 2, ESI 4), valid bytes, data at 20 of 64, reserved to 88 bytes.
    std::memset(object, 0xCC, sizeof object);
    frame = countingFrame(255, 0x123, false, 9);
    frame.isFd = frame.errorState = frame.transmitted = true;
    ASSERT_EQ(blf::encodeFrame(frame, 10, object, &leftOut), 120u);
    expectObjectHeader(object, 100, 120, 10);
    EXPECT_EQ(readLe16(object + 32), 256);
    EXPECT_EQ(object[34], 0x01);
    EXPECT_EQ(object[35], 9);  // DLC of 12 bytes
    EXPECT_EQ(readLe32(object + 36), 0x123u);
    EXPECT_EQ(object[45], 0x05);
    EXPECT_EQ(object[46], 12);
    for (int i = 0; i < 64; ++i) EXPECT_EQ(object[52 + i], i < 9 ? i + 1 : 0) << i;
    for (int i = 116; i < 120; ++i) EXPECT_EQ(object[i], 0) << i;
    EXPECT_EQ(object[120], 0xCC);

    // CAN_ERROR_EXT: channel, DLC at 10, identifier at 16, 8 data bytes at 24; no direction,
    // no CAN FD flags, no bytes past the 8th.
    std::memset(object, 0xCC, sizeof object);
    frame = countingFrame(3, 0x100, true, 12);
    frame.kind = can::FrameKind::kError;
    frame.isFd = frame.transmitted = true;
    ASSERT_EQ(blf::encodeFrame(frame, 11, object, &leftOut), 64u);
    expectObjectHeader(object, 73, 64, 11);
    EXPECT_EQ(readLe16(object + 32), 4);
    for (int i = 34; i < 42; ++i) EXPECT_EQ(object[i], 0) << i;  // length, flags, code, place
    EXPECT_EQ(object[42], 8);
    EXPECT_EQ(readLe32(object + 48), 0x80000100u);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(object[56 + i], i + 1) << i;
    EXPECT_EQ(object[64], 0xCC);
    EXPECT_EQ(leftOut[LeftOut::kErrorDirection], 1u);
    EXPECT_EQ(leftOut[LeftOut::kErrorFdFlags], 1u);
    EXPECT_EQ(leftOut[LeftOut::kErrorContent], 1u);
    frame = frameOf(0, 0, false, {});
    frame.kind = can::FrameKind::kError;
    ASSERT_EQ(blf::encodeFrame(frame, 12, object, &leftOut), 64u);
    EXPECT_EQ(object[42], 0);
    EXPECT_EQ(readLe32(object + 48), 0u);

    // No object: BLF channel 65536, channels no source hands on, a frame no source could read.
    EXPECT_EQ(leftOut.total(), 4u);
    std::memset(object, 0xCC, sizeof object);
    EXPECT_EQ(blf::encodeFrame(frameOf(can::kMaxChannel, 1, false, {1}), 13, object, &leftOut), 0u);
    EXPECT_EQ(blf::encodeFrame(frameOf(-1, 1, false, {1}), 13, object, &leftOut), 0u);
    frame = frameOf(0, 1, false, {1});
    frame.kind = can::FrameKind::kDamaged;
    EXPECT_EQ(blf::encodeFrame(frame, 13, object, &leftOut), 0u);
    EXPECT_EQ(object[0], 0xCC);
    EXPECT_EQ(leftOut[LeftOut::kFrameOnChannel], 2u);
    EXPECT_EQ(leftOut[LeftOut::kOtherKind], 1u);
    EXPECT_EQ(leftOut.total(), 7u);
}

// Frames the format cannot hold are no objects: neither in the containers nor in the count;
// events are counted as left out.
TEST(BlfWriter, FramesLeftOutAreCountedNotWritten) {
    canlog::LeftOutCounts leftOut;
    const std::string file = writtenBytes([&](output::BlockOutput& output) {
        canlog::BlfWriter writer(output);
        writer.begin(datedClock(1714566896, 0));
        writer.frame(frameOf(0, 1, false, {1}), 1000);
        writer.frame(frameOf(can::kMaxChannel, 2, false, {2}), 2000000);
        writer.event(5, 2, 3000);
        can::Frame error = frameOf(1, 0, false, {});
        error.kind = can::FrameKind::kError;
        writer.frame(error, 4000);
        writer.end();
        leftOut = writer.leftOut();
    });
    const auto* bytes = reinterpret_cast<const uint8_t*>(file.data());
    const std::vector<Container> containers = containersOf(file);
    ASSERT_EQ(containers.size(), 1u);
    EXPECT_EQ(containers[0].objects, 2u);
    EXPECT_EQ(readLe32(bytes + 32), 2u);
    EXPECT_EQ(readLe16(bytes + 56 + 14), 0);  // the last object's time: not the frame left out
    EXPECT_EQ(readLe32(bytes + containers[0].at + 32 + 56 + 12), 73u);
    EXPECT_EQ(leftOut[canlog::LeftOut::kFrameOnChannel], 1u);
    EXPECT_EQ(leftOut[canlog::LeftOut::kEvent], 1u);
    EXPECT_EQ(leftOut.total(), 2u);
}

// A CAN FD frame of 1-7 bytes leaves its object, and the container holding it, off the 4-byte
// grid: each is followed by size % 4 zero bytes, which python-can reads behind a container.
TEST(BlfWriter, ObjectsOffTheFourByteGridArePadded) {
    const std::string file = writtenBytes([](output::BlockOutput& output) {
        canlog::BlfWriter writer(output);
        writer.begin(datedClock(1714566896, 0));
        can::Frame frame = countingFrame(0, 0x10, false, 3);
        frame.isFd = true;
        writer.frame(frame, 1000);
        writer.end();
    });
    const auto* bytes = reinterpret_cast<const uint8_t*>(file.data());
    ASSERT_EQ(file.size(), 144u + 32u + 78u + 2u);
    EXPECT_EQ(readLe32(bytes + 144 + 8), 32u + 78u);  // the container: object and its padding
    EXPECT_EQ(readLe32(bytes + 144 + 24), 78u);
    EXPECT_EQ(readLe32(bytes + 176 + 8), 75u);  // the object: without its padding
    for (size_t i = 144 + 32 + 75; i < file.size(); ++i) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(readLe64(bytes + 16), file.size());
    EXPECT_EQ(readLe64(bytes + 24), file.size());
}

}  // namespace
