#include "monitor/information.h"

#include <gtest/gtest.h>

#include <string>

#include "monitor/byte_order.h"
#include "platform/platform.h"
#include "tools/dtgen/capture_builder.h"

namespace {

using Bytes = std::string;

Bytes le32(uint32_t value) {
    Bytes bytes(4, '\0');
    monitor::writeLe32(reinterpret_cast<uint8_t*>(bytes.data()), value);
    return bytes;
}
Bytes leaf(const Bytes& payload) {
    return le32(static_cast<uint32_t>(payload.size() + 4)) + payload;
}
Bytes group(char markA, char markB, const Bytes& items) {
    return le32(static_cast<uint32_t>(items.size() + 8)) + Bytes(2, '\0') + markA + markB + items;
}
Bytes block(const Bytes& items) { return le32(static_cast<uint32_t>(items.size() + 4)) + items; }
Bytes kindLeaf(int subKind, int variant) {
    return leaf(Bytes{static_cast<char>(subKind), static_cast<char>(variant), 0, 0});
}
Bytes arrayLeaf(uint32_t count, size_t elementSize, size_t storedElements) {
    Bytes elements;
    for (size_t i = 0; i < storedElements * elementSize; ++i) elements += static_cast<char>(i + 1);
    return leaf(le32(count) + elements);
}

const uint8_t* data(const Bytes& bytes) { return reinterpret_cast<const uint8_t*>(bytes.data()); }
uint32_t size(const Bytes& bytes) { return static_cast<uint32_t>(bytes.size()); }

int32_t parse29(const Bytes& bytes, monitor::Information29& info) {
    return monitor::parseInformation29(data(bytes), size(bytes), info);
}
int32_t parse27(const Bytes& bytes, monitor::Information27& info) {
    return monitor::parseInformation27(data(bytes), size(bytes), info);
}

TEST(Information, BlocksWrittenByDtgenParseInBothVariants) {
    dtgen::CaptureBuilder capture29(29);
    capture29.startTime(1700000000, 250000000).timeStampMode(-2).subKind(4);
    monitor::Information29 info29;
    ASSERT_EQ(parse29(capture29.informationBlock(), info29), platform::kOk);
    EXPECT_EQ(info29.id.markA, 0x2B);
    EXPECT_EQ(info29.id.subKind, 4);
    EXPECT_EQ(info29.timeStampMode, -2);  // a signed byte
    EXPECT_EQ(info29.startSeconds, 1700000000);
    EXPECT_EQ(info29.startNanoseconds, 250000000);

    dtgen::CaptureBuilder capture27(27);
    capture27.timeStampMode(6);
    monitor::Information27 info27;
    ASSERT_EQ(parse27(capture27.informationBlock(), info27), platform::kOk);
    EXPECT_EQ(info27.id.variantCode, 27);
    EXPECT_EQ(info27.timeStampMode, 6);
    EXPECT_EQ(info27.optionCount, 2);

    // Each parser refuses the other variant's block.
    EXPECT_EQ(parse29(capture27.informationBlock(), info29), platform::kInvalidData);
    EXPECT_EQ(parse27(capture29.informationBlock(), info27), platform::kInvalidData);
}

TEST(Information, ShortBlocksKeepTheDefaults) {
    // T of 4-7: nothing to read, not even the identification.
    const Bytes tiny = le32(6) + Bytes(2, '\x21');
    monitor::Identification id;
    id.markA = 0x21;
    ASSERT_EQ(monitor::readIdentification(data(tiny), size(tiny), id), platform::kOk);
    EXPECT_EQ(id.markA, 0);
    EXPECT_EQ(id.variantCode, 0);

    // A variant-29 block that ends after the time leaf.
    const Bytes ended = block(group('!', '!', kindLeaf(0, 29) + leaf(Bytes(8, '\x05'))));
    monitor::Information29 info;
    info.startSeconds = 99;
    ASSERT_EQ(parse29(ended, info), platform::kOk);
    EXPECT_EQ(info.timeStampMode, 5);
    EXPECT_EQ(info.startSeconds, 0);
    const uint8_t* channel1 = info.busSettings.bytes.data() + 4;
    EXPECT_EQ(info.busSettings.bytes[3], 2);
    EXPECT_EQ(monitor::readLe32(channel1), 44u);
    EXPECT_EQ(monitor::readLe32(channel1 + 4), 125000u);
    EXPECT_EQ(monitor::readLe32(channel1 + 8), 2000000u);
    EXPECT_EQ(monitor::readLe16(channel1 + 12), 75);
    EXPECT_EQ(monitor::readLe16(channel1 + 14), 75);
    EXPECT_EQ(monitor::readLe16(info.busSettings.bytes.data() + 48 + 14), 75);
}

TEST(Information, BrokenLengthsAreRejected) {
    const Bytes good = block(group('!', '!', kindLeaf(0, 29)));
    monitor::Information29 info;
    ASSERT_EQ(parse29(good, info), platform::kOk);
    EXPECT_EQ(parse29(good.substr(0, 3), info), platform::kInvalidData);  // no block length
    EXPECT_EQ(parse29(good.substr(0, good.size() - 1), info),
              platform::kInvalidData);  // T too long
    // Identification item of length 4-7, or below 4 (it would not cover itself).
    for (uint32_t idLength : {0u, 3u, 4u, 7u}) {
        const Bytes broken = block(le32(idLength) + Bytes(8, '\0'));
        EXPECT_EQ(parse29(broken, info), platform::kInvalidData) << idLength;
        monitor::Identification id;
        EXPECT_EQ(monitor::readIdentification(data(broken), size(broken), id),
                  platform::kInvalidData);
    }
    // A nested item longer than its container, or shorter than its own length field.
    EXPECT_EQ(parse29(block(group('!', '!', le32(9) + Bytes(4, '\0'))), info),
              platform::kInvalidData);
    EXPECT_EQ(parse29(block(group('!', '!', le32(2) + Bytes(4, '\0'))), info),
              platform::kInvalidData);
    // Sub-kind other than 0 or 4.
    EXPECT_EQ(parse29(block(group('!', '!', kindLeaf(2, 29))), info), platform::kInvalidData);
}

TEST(Information, LeavesAndArraysStoreWhatFits) {
    // Settings item 2 of 200 bytes: the first 84 payload bytes count, start time included.
    Bytes settings2(196, '\0');
    monitor::writeLe64(reinterpret_cast<uint8_t*>(settings2.data() + 52), 1234567890);
    monitor::writeLe64(reinterpret_cast<uint8_t*>(settings2.data() + 60), 42);
    settings2[84] = '\x7F';  // beyond the capacity
    const Bytes identification = group('!', '!', kindLeaf(0, 29));
    monitor::Information29 info;
    ASSERT_EQ(parse29(block(identification + leaf(Bytes(68, '\0')) + leaf(settings2) +
                            leaf(Bytes(8, '\0')) + arrayLeaf(1, 16, 1) + arrayLeaf(6, 12, 6)),
                      info),
              platform::kOk);
    EXPECT_EQ(info.startSeconds, 1234567890);
    EXPECT_EQ(info.startNanoseconds, 42);
    EXPECT_EQ(info.settings5.bytes[47], 48);  // four of six elements kept
    // Ten 16-byte elements do not fit an item of 100 bytes.
    const Bytes tooMany = le32(100) + le32(10) + Bytes(92, '\0');
    EXPECT_EQ(parse29(block(identification + leaf(Bytes(68, '\0')) + leaf("") + leaf("") + tooMany),
                      info),
              platform::kInvalidData);
    // Without settings item 2 the recording starts at 1970-01-01.
    ASSERT_EQ(parse29(block(identification + leaf(Bytes(68, '\0'))), info), platform::kOk);
    EXPECT_EQ(info.startSeconds, 0);
    EXPECT_EQ(info.startNanoseconds, 0);
}

TEST(Information, SettingsItemOneSeedsTheLaterItems) {
    Bytes settings1(68, '\0');
    for (size_t i = 0; i < settings1.size(); ++i) settings1[i] = static_cast<char>(i);
    const Bytes identification = group('!', '!', kindLeaf(0, 29));
    monitor::Information29 info;
    ASSERT_EQ(parse29(block(identification + leaf(settings1)), info), platform::kOk);
    EXPECT_EQ(info.settings3.bytes[3], 3);
    EXPECT_EQ(info.settings3.bytes[4], 0);
    EXPECT_EQ(info.settings4.bytes[0], 8);
    EXPECT_EQ(info.settings4.bytes[31], 39);
    EXPECT_EQ(info.settings4.bytes[32], 0);
    EXPECT_EQ(info.settings5.bytes[23], 63);
    // Items that are present overwrite the seeded values.
    ASSERT_EQ(parse29(block(identification + leaf(settings1) + leaf("") + leaf(Bytes(8, '\x55')) +
                            arrayLeaf(1, 16, 1)),
                      info),
              platform::kOk);
    EXPECT_EQ(info.settings3.bytes[0], 0x55);
    EXPECT_EQ(info.settings4.bytes[0], 1);
    EXPECT_EQ(info.settings4.bytes[16], 24);  // the second element keeps the seeded value
}

TEST(Information, TrailerNeedsMarkByteB) {
    const Bytes nested = kindLeaf(0, 29) + leaf(Bytes(8, '\0')) + leaf(leaf(Bytes(92, '\0'))) +
                         leaf(leaf("")) + leaf("");
    const Bytes trailer = leaf(leaf(Bytes(8, '\x11')));
    monitor::Information29 info;
    EXPECT_EQ(parse29(block(group('!', '!', nested + trailer)), info), platform::kInvalidData);
    EXPECT_EQ(parse29(block(group('!', '!', nested)), info), platform::kOk);
    ASSERT_EQ(parse29(block(group('!', '+', nested + trailer)), info), platform::kOk);
    EXPECT_EQ(info.trailer.bytes[7], 0x11);
    // The bus-settings leaf must fit its wrapper.
    const Bytes overlong = kindLeaf(0, 29) + leaf(Bytes(8, '\0')) + le32(12) + le32(12) + le32(0);
    EXPECT_EQ(parse29(block(group('!', '!', overlong + Bytes(4, '\0'))), info),
              platform::kInvalidData);
}

TEST(Information, Variant27GroupsFollowTheirMarkBytes) {
    const Bytes head = kindLeaf(0, 27) + leaf(Bytes(8, '\0')) + leaf(Bytes(1020, '\0'));
    const Bytes options = leaf(Bytes(152, '\x66'));
    monitor::Information27 info;
    // Count 1: only an empty leaf, whatever it holds is not stored.
    ASSERT_EQ(parse27(block(group('!', '!', head + group('\0', 1, options))), info), platform::kOk);
    EXPECT_EQ(info.options.bytes[0], 0);
    ASSERT_EQ(parse27(block(group('!', '!',
                                  head + group('\0', 2, options) + leaf("") +
                                      group('\0', 1, leaf(Bytes(12, '\x77'))))),
                      info),
              platform::kOk);
    EXPECT_EQ(info.options.bytes[151], 0x66);
    EXPECT_EQ(info.extra.bytes[11], 0x77);
    EXPECT_EQ(info.optionCount, 2);
    EXPECT_EQ(info.extraMark, 1);
    // Mark 0: whatever the groups nest is not read.
    monitor::Information27 unmarked;
    ASSERT_EQ(parse27(block(group('!', '!',
                                  head + group('\0', 0, options) + leaf("") +
                                      group('\0', 0, leaf(Bytes(12, '\x77'))))),
                      unmarked),
              platform::kOk);
    EXPECT_EQ(unmarked.optionCount, 0);
    EXPECT_EQ(unmarked.extraMark, 0);
    EXPECT_EQ(unmarked.options.bytes[151], 0);
    EXPECT_EQ(unmarked.extra.bytes[11], 0);
    // A group of length 4-7 is invalid.
    EXPECT_EQ(parse27(block(group('!', '!', head + le32(6) + Bytes(2, '\0'))), info),
              platform::kInvalidData);
}

}  // namespace
