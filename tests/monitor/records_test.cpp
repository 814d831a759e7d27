#include "monitor/records.h"

#include <gtest/gtest.h>

#include <vector>

#include "monitor/byte_order.h"
#include "tools/dtgen/capture_builder.h"

namespace {

using dtgen::FrameSpec;
using dtgen::Record;

// The records of a builder, laid out as in a loaded file.
struct Records {
    explicit Records(const std::vector<Record>& records) {
        for (const Record& record : records)
            bytes.insert(bytes.end(), record.begin(), record.end());
    }
    monitor::RecordCursor cursor(uint32_t index = 0) const {
        return {index, static_cast<uint32_t>(bytes.size() / 32), bytes.data()};
    }
    std::vector<uint8_t> bytes;
};

std::vector<uint8_t> counting(size_t length) {
    std::vector<uint8_t> data(length);
    for (size_t i = 0; i < length; ++i) data[i] = static_cast<uint8_t>(0xA0 + i);
    return data;
}

bool assemble(int variant, const monitor::RecordCursor& cursor, can::Frame& frame) {
    return variant == 27 ? monitor::assembleFrame27(cursor, 0, frame)
                         : monitor::assembleFrame29(cursor, 0, frame);
}

TEST(Records, FramesOfEveryLengthTakeTheirContinuations) {
    for (int variant : {27, 29}) {
        for (size_t length : {1u, 8u, 9u, 12u, 36u, 37u, 64u}) {
            dtgen::CaptureBuilder builder(variant);
            builder.frame(
                {.channel = 1, .id = 0x1ABCDE, .extended = true, .data = counting(length)});
            const Records records(builder.records());
            const size_t continuations = length <= 8 ? 0 : length <= 36 ? 1 : 2;
            ASSERT_EQ(records.bytes.size() / 32, 1 + continuations) << variant << " " << length;
            can::Frame frame;
            ASSERT_TRUE(assemble(variant, records.cursor(), frame)) << variant << " " << length;
            EXPECT_EQ(frame.canId, 0x1ABCDEu);
            EXPECT_TRUE(frame.isExtended);
            EXPECT_EQ(frame.dataLength, static_cast<int>(length));
            EXPECT_EQ(frame.channel, 0);  // from the caller, not from the record
            EXPECT_EQ(std::vector<uint8_t>(frame.data, frame.data + length), counting(length));
            EXPECT_EQ(frame.data[63], length == 64 ? 0xA0 + 63 : 0);
        }
    }
}

TEST(Records, Layout27StoresStandardIdentifiersInBits18To28) {
    dtgen::CaptureBuilder builder(27);
    builder.frame({.channel = 0, .id = 0x123, .data = {1}, .time = 0x80000005u});
    const Records records(builder.records());
    EXPECT_EQ(monitor::readLe32(records.bytes.data() + 8), 0x20000000u | (0x123u << 18));
    can::Frame frame;
    ASSERT_TRUE(monitor::assembleFrame27(records.cursor(), 0, frame));
    EXPECT_EQ(frame.canId, 0x123u);
    EXPECT_FALSE(frame.isExtended);
    EXPECT_EQ(monitor::timeCount27(records.cursor()), 5u);  // bit 31 is not part of the count
}

TEST(Records, Layout27ExtensionRecordStandsBeforeTheContinuations) {
    dtgen::CaptureBuilder builder(27);
    builder.frame({.id = 0x10, .data = counting(12), .extensionRecord = true});
    builder.frame({.id = 0x11, .data = counting(8), .extensionRecord = true});
    Records records(builder.records());
    ASSERT_EQ(records.bytes.size() / 32, 5u);
    can::Frame frame;
    ASSERT_TRUE(monitor::assembleFrame27(records.cursor(0), 0, frame));
    EXPECT_EQ(frame.data[11], 0xA0 + 11);
    // At the last position, without its extension record, the head yields no frame.
    records.bytes.resize(4 * 32);
    EXPECT_FALSE(monitor::assembleFrame27(records.cursor(3), 0, frame));
}

TEST(Records, MissingContinuationDropsOnlyItsOwnFrame) {
    for (int variant : {27, 29}) {
        dtgen::CaptureBuilder builder(variant);
        builder.frame({.id = 0x20, .data = counting(8), .lengthField = 20});
        builder.frame({.channel = 1, .id = 0x21, .data = counting(8)});
        const Records records(builder.records());
        monitor::RecordCursor cursor = records.cursor();
        can::Frame frame;
        if (variant == 27) {
            // The needed continuation record is the next head.
            ASSERT_EQ(monitor::firstRecordKind27(cursor), 1);
            EXPECT_FALSE(monitor::assembleFrame27(cursor, 0, frame));
            ASSERT_EQ(monitor::nextRecordKind27(cursor), 2);
            EXPECT_TRUE(monitor::assembleFrame27(cursor, 1, frame));
        } else {
            // Layout 29 trusts the continuation count: bytes 8-19 stay zero.
            ASSERT_EQ(monitor::firstRecordKind29(cursor), 1);
            ASSERT_TRUE(monitor::assembleFrame29(cursor, 0, frame));
            EXPECT_EQ(frame.dataLength, 20);
            EXPECT_EQ(frame.data[7], 0xA7);
            EXPECT_EQ(frame.data[8], 0);
            EXPECT_EQ(frame.data[19], 0);
        }
    }
}

TEST(Records, Layout29ChecksTypeFormatAndSequence) {
    dtgen::CaptureBuilder builder(29);
    builder.frame({.id = 0x7FF, .data = counting(40)});  // head, continuations 1 and 2
    Records records(builder.records());
    can::Frame frame;
    ASSERT_TRUE(monitor::assembleFrame29(records.cursor(), 0, frame));
    EXPECT_EQ(frame.canId, 0x7FFu);
    uint8_t* head = records.bytes.data();
    head[2 * 32 + 1] = 1;  // second continuation carries the wrong sequence number
    EXPECT_FALSE(monitor::assembleFrame29(records.cursor(), 0, frame));
    head[2 * 32 + 1] = 2;
    head[1] = 0x80 | 5;  // a count above 2 reads as 2
    EXPECT_TRUE(monitor::assembleFrame29(records.cursor(), 0, frame));
    for (uint8_t format : {uint8_t{0x11}, uint8_t{0x21}}) {
        head[10] = format;
        EXPECT_TRUE(monitor::assembleFrame29(records.cursor(), 0, frame));
        EXPECT_FALSE(frame.isExtended);
    }
    head[10] = 0x02;
    EXPECT_FALSE(monitor::assembleFrame29(records.cursor(), 0, frame));
    head[10] = 0x23;
    monitor::writeLe32(head + 16, 0xFFFFFFFF);
    ASSERT_TRUE(monitor::assembleFrame29(records.cursor(), 0, frame));
    EXPECT_EQ(frame.canId, 0x1FFFFFFFu);
    // Type 0x04 is walked as a CH1 record but is no frame.
    head[0] = 0x04;
    monitor::RecordCursor cursor = records.cursor();
    EXPECT_EQ(monitor::firstRecordKind29(cursor), 1);
    EXPECT_FALSE(monitor::assembleFrame29(cursor, 0, frame));
}

TEST(Records, DataLengthOutside1To64YieldsNoFrame) {
    for (int variant : {27, 29}) {
        for (int length : {0, 65}) {
            dtgen::CaptureBuilder builder(variant);
            builder.frame({.id = 1, .data = counting(64), .lengthField = length});
            const Records records(builder.records());
            can::Frame frame;
            frame.dataLength = 9;
            EXPECT_FALSE(assemble(variant, records.cursor(), frame)) << variant << " " << length;
        }
    }
}

TEST(Records, WalkStopsOnRecognisedHeadsOnly) {
    dtgen::CaptureBuilder layout27(27);
    Record unknown{};
    unknown[3] = 0x80;  // a head of class 0xA0000000
    unknown[11] = 0xA0;
    Record badEvent{};
    badEvent[3] = 0x80;
    badEvent[11] = 0xE0;
    badEvent[8] = 2;
    layout27.record(Record{}).event({3, 0}).record(unknown).event({4, 0}).event({5, 0});
    layout27.record(badEvent).event({6, 0}).frame({.id = 1, .data = counting(9)});
    const Records records27(layout27.records());
    monitor::RecordCursor cursor = records27.cursor();
    std::vector<int> kinds;
    std::vector<uint32_t> positions;
    for (int kind = monitor::firstRecordKind27(cursor); kind != 0;
         kind = monitor::nextRecordKind27(cursor)) {
        kinds.push_back(kind);
        positions.push_back(cursor.index);
    }
    EXPECT_EQ(kinds, (std::vector<int>{3, 4, 5, 6, 1}));
    EXPECT_EQ(positions, (std::vector<uint32_t>{1, 3, 4, 6, 7}));
    EXPECT_EQ(cursor.index, cursor.count);
    EXPECT_EQ(monitor::nextRecordKind27(cursor), 0);
    EXPECT_EQ(cursor.index, cursor.count);

    dtgen::CaptureBuilder layout29(29);
    Record type90{};
    type90[0] = 0x90;
    type90[1] = 0x80;
    layout29.event({5, 0}).record(type90).event({6, 0}).event({8, 0}).event({9, 0x123456789ABCull});
    const Records records29(layout29.records());
    cursor = records29.cursor();
    kinds.clear();
    for (int kind = monitor::firstRecordKind29(cursor); kind != 0;
         kind = monitor::nextRecordKind29(cursor)) {
        kinds.push_back(kind);
    }
    EXPECT_EQ(kinds, (std::vector<int>{5, 6, 8, 9}));
    EXPECT_EQ(monitor::timeCount29(records29.cursor(4)), 0x123456789ABCull);

    monitor::RecordCursor empty{};
    EXPECT_EQ(monitor::firstRecordKind29(empty), 0);
    EXPECT_EQ(empty.index, 0u);
}

}  // namespace
