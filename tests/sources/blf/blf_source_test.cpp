#include "sources/blf/blf_source.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/local_time.h"
#include "tests/sources/blf/blf_test_files.h"
#include "tests/support/test_paths.h"

namespace {

using namespace blf_test;
using Kind = sources::TimeOrigin::Kind;
using sources::blf::InflateEngine;

constexpr uint32_t kExt = 0x80000000;

// "place: frame" of each frame read.
std::vector<std::string> described(const ReadOutcome& outcome) {
    std::vector<std::string> out;
    for (const can::Frame& frame : outcome.frames) {
        out.push_back(std::to_string(frame.place) + ": " + describe(frame));
    }
    return out;
}

std::string glue(std::initializer_list<std::string> parts) {
    std::string out;
    for (const std::string& part : parts) out += part;
    return out;
}

// What python-can 4.1 writes: 1-ns stamps under version-1 headers, CAN_MESSAGE for classic and
// remote frames, CAN_FD_MESSAGE for FD ones, CAN_ERROR_EXT for error frames, GLOBAL_MARKER for
// its events; 128 KiB of objects per zlib container, the container padded to 4 bytes.
TEST(BlfSource, ReadsALogAsPythonCanWritesIt) {
    testing_support::useTimeZone("JST-9");
    const std::string marker =
        object(96, std::string(40, '\0') + "groupnamepython-canAdded by python-can", 4000);
    const std::string content =
        glue({object(1, canMessage(1, 0, 2, 0x123, "\x11\x22"), 0),
              object(100, canFdMessage(2, 1, 13, kExt | 0x1FFFFFFF, 3, std::string(32, 'x')), 1500),
              object(1, canMessage(3, 0x80, 6, 0x7FF, ""), 2500),
              object(73, canErrorExt(2, 3, 0x99, "\x01\x02\x03"), 3000), marker, padding(marker)});
    const std::string file = fileHeader(systemTime(2024, 5, 6, 10, 20, 30, 400)) +
                             zlibContainer(content.substr(0, 100)) +
                             zlibContainer(content.substr(100));
    const ReadOutcome outcome = readAll(file);
    ASSERT_TRUE(outcome.open.ok()) << outcome.open.description();
    EXPECT_TRUE(outcome.status.ok());
    EXPECT_EQ(outcome.origin.kind, Kind::kDated);
    EXPECT_EQ(outcome.origin.startSeconds, platform::secondsOfCivil({2024, 5, 6, 1, 20, 30}));
    EXPECT_EQ(outcome.origin.startNanoseconds, 400000000);
    const std::string xs = "78787878787878787878787878787878";
    EXPECT_EQ(described(outcome),
              (std::vector<std::string>{
                  "1: data ch0 123 len2 1122 t0",
                  "2: data ch1 1FFFFFFFx fd brs tx len32 " + xs + xs + " t1500",
                  "3: remote ch2 7FF len6 t2500", "4: error ch1 99 len3 010203 t3000"}));
    EXPECT_EQ(outcome.counts.skipped, (std::map<std::string, uint64_t>{{"GLOBAL_MARKER", 1}}));
    EXPECT_EQ(outcome.counts.unreadable, 0u);
    EXPECT_FALSE(outcome.counts.cutShort);
    EXPECT_EQ(outcome.bytesRead, file.size());
}

// What CANoe and CANalyzer write: CAN_MESSAGE2 and CAN_FD_MESSAGE_64 (whose sizes need not be
// multiples of 4: Vector pads only some object types, by objectSize % 4 bytes), 10-us stamps
// on some objects, version-2 headers on others, bus statistics, texts and other buses' objects
// among the frames, and objects running from one container into the next.
std::string vectorStyleContent() {
    const HeaderForm tenMicroseconds{1, 32, kTenMicroseconds};
    const std::string text = object(65, std::string(10, '\0') + "Start of measurement", 0);
    const std::string ethernet = object(71, std::string(37, '\x55'), 7);
    return glue({text, padding(text), object(4, std::string(28, '\0'), 1, tenMicroseconds),
                 object(86, canMessage2(1, 0, 8, 0x100, "ABCDEFGH"), 2, tenMicroseconds),
                 object(101, canFdMessage64(2, 1, 0x200, 0x1000, 0, "\x01"), 30000),
                 object(101, canFdMessage64(2, 9, kExt | 0x300, 0x7000, 1, "012345678901"), 40000),
                 ethernet, padding(ethernet), object(11, std::string(20, '\0'), 45000),
                 object(104, canFdError64(1, 3, 0x400, 0x80, "xyz"), 50000, kVersion2),
                 object(2, canError(2), 60000), object(500, "future", 70000), object(27, "", 70000),
                 object(86, canMessage2(1, 0x81, 2, 0x500, ""), 8, tenMicroseconds)});
}

const std::vector<std::string> kVectorStyleFrames = {
    "3: data ch0 100 len8 4142434445464748 t20000",
    "4: data ch1 200 fd len1 01 t30000",
    "5: data ch1 300x fd brs esi tx len12 303132333435363738393031 t40000",
    "8: error ch0 400 fd len3 78797A t50000",
    "9: error ch1 0 len0 t60000",
    "12: remote ch0 500 tx len2 t80000"};

const std::map<std::string, uint64_t> kVectorStyleSkipped = {
    {"APP_TEXT", 1},    {"CAN_STATISTIC", 1},   {"ETHERNET_FRAME", 1},
    {"LIN_MESSAGE", 1}, {"object type 500", 1}, {"object type 27", 1}};

TEST(BlfSource, ReadsALogAsCanoeWritesItWhateverTheReadsAndBatches) {
    testing_support::useUtc();
    const std::string content = vectorStyleContent();
    // Cut into containers inside a header, inside an object's fields and between objects.
    const std::string file =
        fileHeader(systemTime(2021, 12, 31, 23, 59, 59, 999)) +
        zlibContainer(content.substr(0, 50), 1) + storedContainer(content.substr(50, 83)) +
        zlibContainer(content.substr(133, 200), 9) + zlibContainer(content.substr(333));
    for (const InflateEngine engine : {InflateEngine::kLibdeflate, InflateEngine::kZlib}) {
        if (!sources::blf::Inflater::available(engine)) continue;
        for (const size_t batch : {size_t{1}, size_t{4}, size_t{1000}}) {
            for (const size_t piece : {size_t{1}, size_t{13}, size_t{1} << 20}) {
                SCOPED_TRACE("batch " + std::to_string(batch) + ", piece " + std::to_string(piece));
                const ReadOutcome outcome = readAll(file, batch, piece, engine);
                ASSERT_TRUE(outcome.open.ok());
                EXPECT_TRUE(outcome.status.ok()) << outcome.status.description();
                EXPECT_EQ(outcome.origin.startSeconds,
                          platform::secondsOfCivil({2021, 12, 31, 23, 59, 59}));
                EXPECT_EQ(described(outcome), kVectorStyleFrames);
                EXPECT_EQ(outcome.counts.skipped, kVectorStyleSkipped);
                EXPECT_EQ(outcome.counts.records, 12u);  // the objects, containers left out
                EXPECT_EQ(outcome.counts.unreadable, 0u);
                EXPECT_FALSE(outcome.counts.cutShort);
            }
        }
    }
}

// This program's own BLF export: a file header whose start time is all zeros (an undated
// capture), stored containers whose header is the base header alone, CAN_MESSAGE2 for up to 8
// bytes and CAN_FD_MESSAGE_64 (EDL alone) for more, 1-ns stamps in whole microseconds.
TEST(BlfSource, ReadsTheExportOfThisProgram) {
    std::string first = object(86, canMessage2(1, 0, 3, 0x7E8, "\x03\x41\x0D"), 1000);
    std::string second = object(
        101, canFdMessage64(2, 13, kExt | 0x18DAF110, 0x1000, 0, std::string(32, 'z')), 2000);
    const std::string file = fileHeader() + storedContainer(first + second) +
                             storedContainer(object(86, canMessage2(1, 0, 0, 0x1, ""), 3000));
    const ReadOutcome outcome = readAll(file);
    ASSERT_TRUE(outcome.status.ok());
    EXPECT_EQ(outcome.origin.kind, Kind::kElapsed);
    const std::string zs = "7A7A7A7A7A7A7A7A7A7A7A7A7A7A7A7A";
    EXPECT_EQ(described(outcome),
              (std::vector<std::string>{"1: data ch0 7E8 len3 03410D t1000",
                                        "2: data ch1 18DAF110x fd len32 " + zs + zs + " t2000",
                                        "3: data ch0 1 len0 t3000"}));
    EXPECT_TRUE(outcome.counts.skipped.empty());
}

// Objects that stand outside any container, as some writers put them, are read in file order.
TEST(BlfSource, ObjectsOutsideContainersAreReadInTheirPlace) {
    const std::string text = object(65, "note", 0);
    const std::string file =
        fileHeader() + object(1, canMessage(1, 0, 1, 0x1, "\x01"), 10) + text + padding(text) +
        zlibContainer(object(1, canMessage(1, 0, 1, 0x2, "\x02"), 20)) +
        object(101, canFdMessage64(1, 1, 0x3, 0x1000, 0, "\x03"), 30) +  // 73 bytes, unpadded
        storedContainer(object(1, canMessage(1, 0, 1, 0x4, "\x04"), 40));
    const ReadOutcome outcome = readAll(file, 1, 5);
    EXPECT_TRUE(outcome.status.ok());
    EXPECT_EQ(
        described(outcome),
        (std::vector<std::string>{"1: data ch0 1 len1 01 t10", "3: data ch0 2 len1 02 t20",
                                  "4: data ch0 3 fd len1 03 t30", "5: data ch0 4 len1 04 t40"}));
    EXPECT_EQ(outcome.counts.skipped, (std::map<std::string, uint64_t>{{"APP_TEXT", 1}}));
}

// Writers pad differently: none, objectSize % 4 bytes, up to a multiple of 4, or zeros at
// length. Up to 7 stray bytes of anything are padding too; more that are not zeros are damage.
TEST(BlfSource, PaddingBetweenObjectsAsWritersPutIt) {
    const std::string frame = object(1, canMessage(1, 0, 1, 0x1, "\x01"), 0);
    struct Case {
        std::string between;
        uint64_t unreadable;
        bool cutAtEnd;  // the bytes left at the end look like the start of an object
    };
    const Case cases[] = {
        {"", 0, false},
        {std::string(3, '\0'), 0, false},
        {std::string(4, '\0'), 0, false},
        {std::string(1000, '\0'), 0, false},
        {"\x01\x02\x03\x04\x05\x06\x07", 0, false},
        {"LOB", 0, true},
        {"not an object at all", 1, false},
        {std::string(500, '\0') + "junk junk junk" + std::string(9, '\0'), 1, false}};
    for (const Case& c : cases) {
        const std::string content = frame + c.between + frame + c.between;
        for (const std::string& file :
             {fileHeader() + storedContainer(content), fileHeader() + zlibContainer(content),
              fileHeader() + content}) {
            const ReadOutcome outcome = readAll(file, 1000, 3);
            EXPECT_TRUE(outcome.status.ok());
            EXPECT_EQ(outcome.frames.size(), 2u) << c.between;
            EXPECT_EQ(outcome.counts.unreadable, 2 * c.unreadable) << c.between;
            EXPECT_EQ(outcome.counts.cutShort, c.cutAtEnd) << c.between;
        }
    }
}

TEST(BlfSource, LogsWithoutFramesAreEmptyNotFailed) {
    for (const std::string& file :
         {fileHeader(), fileHeader() + storedContainer(""), fileHeader() + zlibContainer(""),
          fileHeader() + std::string(3, '\0'), fileHeader({}, 4096)}) {
        const ReadOutcome outcome = readAll(file);
        EXPECT_TRUE(outcome.open.ok());
        EXPECT_TRUE(outcome.status.ok());
        EXPECT_TRUE(outcome.frames.empty());
        EXPECT_FALSE(outcome.counts.cutShort);
        EXPECT_EQ(outcome.counts.unreadable, 0u);
    }
}

// Random frames of every object type, with skipped objects and padding between them, cut into
// containers of random sizes, stored or compressed: every frame comes back, numbered in order.
TEST(BlfSource, RandomLogsReadBackFrameForFrame) {
    std::mt19937 random(2024);
    auto pick = [&random](uint32_t below) { return static_cast<uint32_t>(random() % below); };
    static constexpr int kFdLengths[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 16, 20, 24, 32, 48, 64};
    for (int round = 0; round < 4; ++round) {
        std::string content;
        std::vector<std::string> expected;
        uint64_t number = 0;
        for (int i = 0; i < 3000; ++i) {
            can::Frame frame;
            frame.place = ++number;
            frame.time = uint64_t{pick(1000000)} * 1000 + uint64_t{1} * i;
            frame.channel = static_cast<int32_t>(pick(8));
            frame.isExtended = pick(2) == 0;
            frame.canId = frame.isExtended ? pick(1u << 29) : pick(1u << 11);
            frame.transmitted = pick(2) == 0;
            const uint32_t id = frame.canId | (frame.isExtended ? kExt : 0);
            const auto channel = static_cast<uint8_t>(frame.channel + 1);
            std::string data;
            std::string fields;
            uint32_t type = 0;
            switch (pick(6)) {
                case 0: {  // CAN_MESSAGE or CAN_MESSAGE2, maybe remote
                    type = pick(2) == 0 ? 1 : 86;
                    const auto dlc = static_cast<uint8_t>(pick(9));
                    if (pick(5) == 0) {
                        frame.kind = can::FrameKind::kRemote;
                        frame.dataLength = dlc;
                        fields = (type == 1 ? canMessage : canMessage2)(
                            channel, static_cast<uint8_t>(0x80 | frame.transmitted), dlc, id, "");
                        break;
                    }
                    for (int b = 0; b < dlc; ++b) data.push_back(static_cast<char>(pick(256)));
                    fields = (type == 1 ? canMessage : canMessage2)(
                        channel, frame.transmitted ? 1 : 0, dlc, id, data);
                    break;
                }
                case 1:
                case 2: {  // CAN_FD_MESSAGE or CAN_FD_MESSAGE_64
                    frame.isFd = pick(4) != 0;
                    const int length =
                        frame.isFd ? kFdLengths[pick(16)] : static_cast<int>(pick(9));
                    frame.bitRateSwitch = frame.isFd && pick(2) == 0;
                    frame.errorState = frame.isFd && pick(2) == 0;
                    for (int b = 0; b < length; ++b) data.push_back(static_cast<char>(pick(256)));
                    if (pick(2) == 0) {
                        type = 100;
                        const uint8_t fdFlags = static_cast<uint8_t>(
                            frame.isFd | frame.bitRateSwitch << 1 | frame.errorState << 2);
                        fields =
                            canFdMessage(channel, frame.transmitted ? 1 : 0, 0, id, fdFlags, data);
                    } else {
                        type = 101;
                        const uint32_t flags = (frame.isFd ? 0x1000u : 0u) |
                                               (frame.bitRateSwitch ? 0x2000u : 0u) |
                                               (frame.errorState ? 0x4000u : 0u);
                        fields = canFdMessage64(channel, 0, id, flags, frame.transmitted, data);
                    }
                    break;
                }
                case 3: {  // CAN_ERROR_EXT
                    type = 73;
                    frame.kind = can::FrameKind::kError;
                    frame.transmitted = false;
                    const auto dlc = static_cast<uint8_t>(pick(9));
                    for (int b = 0; b < dlc; ++b) data.push_back(static_cast<char>(pick(256)));
                    fields = canErrorExt(channel, dlc, id, data);
                    break;
                }
                case 4: {  // CAN_FD_ERROR_64
                    type = 104;
                    frame.kind = can::FrameKind::kError;
                    frame.transmitted = false;
                    frame.isFd = true;
                    const int length = kFdLengths[pick(16)];
                    for (int b = 0; b < length; ++b) data.push_back(static_cast<char>(pick(256)));
                    fields = canFdError64(channel, 0, id, 0x80, data);
                    break;
                }
                default: {  // another bus's object, to be passed over
                    const std::string other = object(71, std::string(pick(3000), 'e'), 0);
                    content += other + padding(other);  // it takes the number
                    --i;
                    continue;
                }
            }
            frame.dataLength = frame.kind == can::FrameKind::kRemote
                                   ? frame.dataLength
                                   : static_cast<int32_t>(data.size());
            for (size_t b = 0; b < data.size(); ++b) frame.data[b] = static_cast<uint8_t>(data[b]);
            const bool tens = pick(3) == 0;
            HeaderForm form = pick(3) == 0 ? kVersion2 : kVersion1;
            if (tens) {
                form.flags = kTenMicroseconds;
                frame.time = frame.time / 10000 * 10000;
            }
            const std::string bytes =
                object(type, fields, tens ? frame.time / 10000 : frame.time, form);
            content += bytes + (pick(2) == 0 ? padding(bytes) : "");
            expected.push_back(std::to_string(frame.place) + ": " + describe(frame));
        }
        std::string file = fileHeader();
        for (size_t at = 0; at < content.size();) {
            const size_t size =
                std::min<size_t>(1 + pick(round < 2 ? 300 : 140000), content.size() - at);
            file += pick(3) == 0
                        ? storedContainer(content.substr(at, size))
                        : zlibContainer(content.substr(at, size), 1 + static_cast<int>(pick(9)));
            at += size;
        }
        const ReadOutcome outcome = readAll(file, 1 + pick(2000), 1 + pick(100000));
        EXPECT_TRUE(outcome.status.ok()) << outcome.status.description();
        EXPECT_EQ(outcome.counts.unreadable, 0u);
        EXPECT_FALSE(outcome.counts.cutShort) << outcome.counts.cutShortWhere;
        const std::vector<std::string> got = described(outcome);
        ASSERT_EQ(got.size(), expected.size()) << "round " << round;
        for (size_t f = 0; f < got.size(); ++f) {
            ASSERT_EQ(got[f], expected[f]) << "round " << round << ", frame " << f;
        }
        EXPECT_EQ(outcome.counts.skipped.at("ETHERNET_FRAME"), number - expected.size());
    }
}

}  // namespace
