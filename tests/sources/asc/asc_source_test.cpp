#include "sources/asc/asc_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/test_paths.h"

namespace {

using sources::AscSource;
using sources::TimeOrigin;

// Hands out its bytes a few at a time, and can fail after some of them or end cut short as a
// compressed file does.
class TestInput final : public sources::ByteInput {
public:
    explicit TestInput(std::string bytes, size_t piece = SIZE_MAX, size_t failAt = SIZE_MAX,
                       bool cut = false)
        : bytes_(std::move(bytes)), piece_(piece), failAt_(failAt), cut_(cut) {}
    size_t read(std::span<uint8_t> buffer) override {
        if (offset_ >= failAt_) {
            status_ = platform::Status::failure(platform::systemError(5), {},
                                                platform::Place::byte(offset_));
            return 0;
        }
        const size_t count =
            std::min({buffer.size(), piece_, bytes_.size() - offset_, failAt_ - offset_});
        std::memcpy(buffer.data(), bytes_.data() + offset_, count);
        offset_ += count;
        return count;
    }
    platform::Status status() const override { return status_; }
    uint64_t consumed() const override { return offset_; }
    bool cutShort() const override { return cut_ && offset_ == bytes_.size(); }

private:
    std::string bytes_;
    size_t piece_;
    size_t failAt_;
    bool cut_;
    size_t offset_ = 0;
    platform::Status status_;
};

struct Reading {
    platform::Status opened;
    platform::Status status;
    TimeOrigin origin;
    sources::SourceCounts counts;
    std::vector<std::string> frames;  // "line N at T: <kind> <id> ch<n> ..."
};

std::string describe(const can::Frame& frame) {
    static const char* const kKinds[] = {"data", "remote", "error"};
    char text[160];
    std::snprintf(
        text, sizeof text, "line %llu at %llu: %s %X%s ch%d%s%s%s%s len %d",
        static_cast<unsigned long long>(frame.place), static_cast<unsigned long long>(frame.time),
        kKinds[static_cast<int>(frame.kind)], frame.canId, frame.isExtended ? "x" : "",
        frame.channel, frame.transmitted ? " tx" : "", frame.isFd ? " fd" : "",
        frame.bitRateSwitch ? " brs" : "", frame.errorState ? " esi" : "", frame.dataLength);
    std::string out = text;
    for (int i = 0; i < frame.dataLength && frame.kind == can::FrameKind::kData; ++i) {
        std::snprintf(text, sizeof text, " %02X", frame.data[i]);
        out += text;
    }
    for (int i = frame.dataLength; i < can::kMaxDataLength; ++i) {
        if (frame.data[i] != 0) out += " (bytes past the length)";
    }
    return out;
}

Reading readAll(std::unique_ptr<sources::ByteInput> input, size_t batch = 64) {
    AscSource source(std::move(input));
    Reading reading;
    reading.opened = source.open();
    std::vector<can::Frame> frames(batch);
    // Slots hold stale bytes from earlier frames, as a caller's buffer does.
    for (can::Frame& frame : frames) std::memset(frame.data, 0xEE, sizeof frame.data);
    for (size_t count; (count = source.read(frames)) != 0;) {
        for (size_t i = 0; i < count; ++i) reading.frames.push_back(describe(frames[i]));
    }
    reading.status = source.status();
    reading.origin = source.timeOrigin();
    reading.counts = source.counts();
    return reading;
}

Reading readText(const std::string& text, size_t batch = 64, size_t piece = SIZE_MAX) {
    return readAll(std::make_unique<TestInput>(text, piece), batch);
}

using Skipped = std::map<std::string, uint64_t>;

class AscSourceTest : public ::testing::Test {
protected:
    // Nine hours ahead of UTC, no summer time: local dates move by a whole, known amount.
    void SetUp() override { testing_support::useTimeZone("JST-9"); }
    void TearDown() override { testing_support::useUtc(); }
};

TEST_F(AscSourceTest, ReadsACanoeLogWithItsOtherEventsCounted) {
    const std::string log =
        "date Sam Sep 30 15:06:13.191 2017\n"
        "base hex  timestamps absolute\n"
        "internal events logged\n"
        "// version 9.0.0\n"
        "Begin Triggerblock Sam Sep 30 15:06:13.191 2017\n"
        "   0.000000 Start der Messung\n"
        "   0.015991 CAN 1 Status:chip status error active\n"
        "   1.015991 1  Statistic: D 0 R 0 XD 0 XR 0 E 0 O 0 B 0.00%\n"
        "   2.501000 1 ErrorFrame ECC: 10100010\n"
        "   3.098426 1  18EBFF00x       Rx d 8 01 A0 0F A6 60 3B D1 40    Length = 273910 "
        "BitCount = 141 ID = 418119424x\n"
        "   3.297743 1  J1939TP FEE3p        6    0  0   -   Rx   d 23 A0 0F\n"
        "  17.876708 2  6F9             Tx   d 3 05 0C 00  Length = 240015 BitCount = 124 "
        "ID = 1785\n"
        "  20.000000 2  6F9             Rx   d 3 05 0C\n"
        "  30.005071 CANFD   3 Rx        30a  Generic_Name_12                  1 1 8  8 01 02 "
        "03 04 05 06 07 08   102203  133   303000 e0006659 46500250 4b140250 20011736 "
        "2001040d\n"
        "  30.300981 CANFD   3 Tx     50005x                                0 1 5 0 140000 73 "
        "200050 7a60 46500250 460a0250 20011736 20010205\n"
        "End TriggerBlock\n";
    const Reading reading = readText(log);
    ASSERT_TRUE(reading.opened.ok()) << reading.opened.description();
    EXPECT_TRUE(reading.status.ok());
    EXPECT_EQ(reading.frames, (std::vector<std::string>{
                                  "line 9 at 2501000000: error 0 ch0 len 0",
                                  "line 10 at 3098426000: data 18EBFF00x ch0 len 8 01 A0 0F A6 "
                                  "60 3B D1 40",
                                  "line 12 at 17876708000: data 6F9 ch1 tx len 3 05 0C 00",
                                  "line 14 at 30005071000: data 30A ch2 fd brs esi len 8 01 02 "
                                  "03 04 05 06 07 08",
                                  "line 15 at 30300981000: remote 50005x ch2 tx len 5",
                              }));
    // The German CANoe's date is local time: 15:06:13.191 in Japan is 06:06:13.191 UTC.
    EXPECT_EQ(reading.origin.kind, TimeOrigin::Kind::kDated);
    EXPECT_EQ(reading.origin.startSeconds, 1506751573);
    EXPECT_EQ(reading.origin.startNanoseconds, 191000000);
    EXPECT_EQ(reading.counts.skipped, (Skipped{{"comments", 1},
                                               {"start of measurement", 1},
                                               {"CAN controller status", 1},
                                               {"bus statistics", 1},
                                               {"J1939 transport protocol", 1}}));
    EXPECT_EQ(reading.counts.unreadable, 1u);
    EXPECT_EQ(reading.counts.firstUnreadable, (std::vector<uint64_t>{13}));
    EXPECT_FALSE(reading.counts.cutShort);
}

// python-can dates the file when the writer starts and the trigger block to the first frame,
// whose time is 0: the block's date is the origin.
TEST_F(AscSourceTest, PythonCanTimesCountFromTheTriggerBlock) {
    const std::string log =
        "date Thu May 02 09:00:00.000 AM 2024\n"
        "base hex  timestamps absolute\n"
        "internal events logged\n"
        "Begin Triggerblock Wed May 01 12:34:56.789 PM 2024\n"
        "   0.000000 Start of measurement\n"
        "   0.000000 1  123             Rx   d 3 01 A2 FF\n"
        "   0.001500 CANFD   2 Tx   18FEF100x                                  1 0 9 12 00 11 "
        "22 33 44 55 66 77 88 99 AA BB        0    0     3000        0        0        0        "
        "0        0\n"
        "   0.002000 1  ErrorFrame\n"
        "End TriggerBlock\n";
    const Reading reading = readText(log);
    ASSERT_TRUE(reading.opened.ok());
    EXPECT_EQ(reading.frames, (std::vector<std::string>{
                                  "line 6 at 0: data 123 ch0 len 3 01 A2 FF",
                                  "line 7 at 1500000: data 18FEF100x ch1 tx fd brs len 12 00 11 "
                                  "22 33 44 55 66 77 88 99 AA BB",
                                  "line 8 at 2000000: error 0 ch0 len 0",
                              }));
    EXPECT_EQ(reading.origin.kind, TimeOrigin::Kind::kDated);
    EXPECT_EQ(reading.origin.startSeconds, 1714534496);  // 03:34:56 UTC
    EXPECT_EQ(reading.origin.startNanoseconds, 789000000);
    EXPECT_EQ(reading.counts.skipped, (Skipped{{"start of measurement", 1}}));
}

// log2asc: a ctime date, no trigger block, times from the date.
TEST_F(AscSourceTest, Log2ascFilesHaveNoTriggerBlock) {
    const std::string log =
        "date Wed May  1 12:34:56 2024\n"
        "base hex  timestamps absolute\n"
        "no internal events logged\n"
        "// version 18.2.0\n"
        "// Measurement UUID: cc9c7b54-68ae-46d2-a43a-6aa87df7dd74\n"
        "   0.000000 1  123             Rx   d 3 01 A2 FF\n"
        "   0.0015 CANFD   2 Rx   18FEF100x                                  1 0 9 12 00 11 22 "
        "33 44 55 66 77 88 99 00 00   130000  130     3000 0 0 0 0 0\n"
        "   0.209750 1  123             Rx   r 0\n"
        "   0.309750 2  ErrorFrame";
    const Reading reading = readText(log);
    ASSERT_TRUE(reading.opened.ok());
    EXPECT_EQ(reading.frames, (std::vector<std::string>{
                                  "line 6 at 0: data 123 ch0 len 3 01 A2 FF",
                                  "line 7 at 1500000: data 18FEF100x ch1 fd brs len 12 00 11 22 "
                                  "33 44 55 66 77 88 99 00 00",
                                  "line 8 at 209750000: remote 123 ch0 len 0",
                                  "line 9 at 309750000: error 0 ch1 len 0",
                              }));
    EXPECT_EQ(reading.origin.startSeconds, 1714534496);
    EXPECT_EQ(reading.origin.startNanoseconds, 0);
    EXPECT_EQ(reading.counts.skipped, (Skipped{{"comments", 2}}));
    EXPECT_FALSE(reading.counts.cutShort);  // a last line without its line feed, read whole
}

// This program's export says in its header that the date is UTC: no zone applies.
TEST_F(AscSourceTest, TheProgramsOwnExportIsDatedInUtc) {
    const std::string log =
        "date Wed May 01 12:34:56.789 pm 2024\n"
        "base hex  timestamps absolute\n"
        "no internal events logged\n"
        "// times from the date above (UTC); the recording started at 2024-05-01 "
        "12:34:56.789250000 UTC\n"
        "Begin Triggerblock Wed May 01 12:34:56.789 pm 2024\n"
        "   0.001250 1  123             Rx   d 3 01 A2 FF\n"
        "   0.002750 CANFD   2 Rx   18FEF100x  0 0 9 12 00 11 22 33 44 55 66 77 88 99 00 00    "
        "    0    0     1000        0        0        0        0        0\n"
        "//    0.003250 capture event of kind 5 at record 3\n"
        "End TriggerBlock\n";
    const Reading reading = readText(log);
    ASSERT_TRUE(reading.opened.ok());
    EXPECT_EQ(reading.frames, (std::vector<std::string>{
                                  "line 6 at 1250000: data 123 ch0 len 3 01 A2 FF",
                                  "line 7 at 2750000: data 18FEF100x ch1 fd len 12 00 11 22 33 "
                                  "44 55 66 77 88 99 00 00",
                              }));
    EXPECT_EQ(reading.origin.kind, TimeOrigin::Kind::kDated);
    EXPECT_EQ(reading.origin.startSeconds, 1714566896);
    EXPECT_EQ(reading.origin.startNanoseconds, 789000000);
    EXPECT_EQ(reading.counts.skipped, (Skipped{{"comments", 2}}));
}

TEST_F(AscSourceTest, RelativeTimesCountFromThePreviousTimedLine) {
    const std::string log =
        "base hex  timestamps relative\n"
        "no internal events logged\n"
        "Begin TriggerBlock\n"
        "   0.100000 1  100  Rx  d 1 01\n"
        "   0.050000 1  Statistic: D 0 R 0 XD 0 XR 0 E 0 O 0 B 0.00%\n"
        "// 5.000000 a comment has no time\n"
        "   0.025000 1  101  Rx  d 1 02\n"
        "   0.000001 1  101  Rx  d 1 0\n"  // unreadable, its time still counts
        "   0.000002 2  ErrorFrame\n"
        "End TriggerBlock\n";
    const Reading reading = readText(log);
    ASSERT_TRUE(reading.opened.ok());
    EXPECT_EQ(reading.origin.kind, TimeOrigin::Kind::kElapsed);
    EXPECT_EQ(reading.frames, (std::vector<std::string>{
                                  "line 4 at 100000000: data 100 ch0 len 1 01",
                                  "line 7 at 175000000: data 101 ch0 len 1 02",
                                  "line 9 at 175003000: error 0 ch1 len 0",
                              }));
    EXPECT_EQ(reading.counts.firstUnreadable, (std::vector<uint64_t>{8}));
}

TEST_F(AscSourceTest, BaseAndBlocksMayChangeInTheBody) {
    const std::string log =
        "base hex  timestamps absolute\n"
        "   1.000000 1  100  Rx  d 1 10\n"
        "base dec  timestamps absolute\n"
        "   2.000000 1  100  Rx  d 1 10\n"
        "Begin Triggerblock Wed May 01 12:34:56.789 pm 2024\n"
        "date Wed May 01 12:34:56.789 pm 2024\n"
        "internal events logged\n"
        "Begin Triggerblock Wed Foo 01 12:34:56.789 pm 2024\n"
        "   -0.5 1  100  Rx  d 1 10\n"
        "End TriggerBlock\n";
    const Reading reading = readText(log);
    ASSERT_TRUE(reading.opened.ok());
    // No date before the first frame: a date later on does not date the log.
    EXPECT_EQ(reading.origin.kind, TimeOrigin::Kind::kElapsed);
    EXPECT_EQ(reading.frames, (std::vector<std::string>{
                                  "line 2 at 1000000000: data 100 ch0 len 1 10",
                                  "line 4 at 2000000000: data 64 ch0 len 1 0A",
                                  "line 9 at 0: data 64 ch0 len 1 0A",
                              }));
    EXPECT_EQ(reading.counts.skipped,
              (Skipped{{"repeated header lines", 2}, {"frames timed before the start", 1}}));
}

TEST_F(AscSourceTest, PiecesAndBatchSizesDoNotChangeWhatIsRead) {
    std::string log = "date Wed May 01 12:34:56.789 pm 2024\nbase hex  timestamps absolute\n";
    for (int i = 0; i < 5000; ++i) {
        char line[96];
        std::snprintf(line, sizeof line, "%4d.%06d %d  %X Rx d 2 %02X %02X\n", i / 100,
                      i % 100 * 10000, 1 + i % 3, i % 0x800, i & 0xFF, i >> 8 & 0xFF);
        log += line;
        if (i % 7 == 0) log += "   1.000000 1  Statistic: D 0 R 0\r\n";
    }
    const Reading whole = readText(log);
    ASSERT_EQ(whole.frames.size(), 5000u);
    EXPECT_EQ(whole.frames[4999], "line 5717 at 49990000000: data 387 ch1 len 2 87 13");
    for (const auto& [batch, piece] :
         {std::pair<size_t, size_t>{1, SIZE_MAX}, {7, 1}, {1000, 4093}}) {
        const Reading reading = readText(log, batch, piece);
        EXPECT_EQ(reading.frames, whole.frames) << batch << " " << piece;
        EXPECT_EQ(reading.counts.skipped, whole.counts.skipped);
    }
}

TEST_F(AscSourceTest, AByteOrderMarkBeforeTheHeaderIsPassedOver) {
    const Reading reading = readText(
        "\xEF\xBB\xBF"
        "date Wed May 01 12:34:56.789 pm 2024\nbase hex\n   0.5 1 123 Rx d 1 AA\n");
    ASSERT_TRUE(reading.opened.ok());
    EXPECT_EQ(reading.origin.kind, TimeOrigin::Kind::kDated);
    EXPECT_EQ(reading.frames,
              (std::vector<std::string>{"line 3 at 500000000: data 123 ch0 len 1 AA"}));
    EXPECT_TRUE(reading.counts.skipped.empty());
}

TEST_F(AscSourceTest, InputsThatAreNoAscLogFailToOpen) {
    // Binary junk, with line feeds now and then.
    std::string junk(200000, '\0');
    uint32_t state = 12345;
    for (char& c : junk) {
        state = state * 1103515245 + 12345;
        c = static_cast<char>(state >> 16);
    }
    std::string candump;
    while (candump.size() < 70000) candump += "(1714566896.790250) can0 123#01A2FF\n";
    const std::string hugeLine(1 << 20, 'A');
    const struct {
        std::string bytes;
        uint64_t line;
    } cases[] = {
        {junk, 0},
        {"", 0},
        {"\n\n// only comments\n", 0},
        {candump, 0},                                         // another log format
        {hugeLine + "\ndate Wed May 01 12:34:56 2024\n", 1},  // a 1 MB line first
    };
    for (const auto& c : cases) {
        const Reading reading = readText(c.bytes);
        EXPECT_EQ(reading.opened.code(), platform::kInvalidData) << c.bytes.substr(0, 40);
        EXPECT_TRUE(reading.frames.empty());
        if (c.line != 0) {
            EXPECT_EQ(reading.opened.place().number, c.line);
        }
    }
}

TEST_F(AscSourceTest, HostileBodiesAreCountedNotFollowed) {
    const std::string header = "date Wed May 01 12:34:56.789 pm 2024\nbase hex\n";
    const std::string frame = "   0.5 1 123 Rx d 1 AA\n";
    std::string hundredBytes = "   0.6 1 123 Rx d 8";
    for (int i = 0; i < 100; ++i) hundredBytes += " 5A";
    const Reading reading = readText(
        header + "Begin Triggerblock\n" + frame + std::string(1 << 20, '9') + "\n" + frame +
        hundredBytes + "\n   99999999999.0 1 123 Rx d 0\n" + frame + "End TriggerBlock\n");
    ASSERT_TRUE(reading.opened.ok());
    EXPECT_EQ(reading.frames.size(), 3u);
    EXPECT_EQ(reading.counts.unreadable, 3u);
    EXPECT_EQ(reading.counts.firstUnreadable, (std::vector<uint64_t>{5, 7, 8}));
    EXPECT_FALSE(reading.counts.cutShort);
}

TEST_F(AscSourceTest, AFileCutShortSaysWhere) {
    const std::string head =
        "date Wed May 01 12:34:56.789 pm 2024\nbase hex\nBegin Triggerblock\n"
        "   0.5 1 123 Rx d 1 AA\n";
    // Cut inside a line.
    Reading reading = readText(head + "   0.6 1 123 Rx d 8 01 02");
    EXPECT_EQ(reading.frames.size(), 1u);
    EXPECT_EQ(reading.counts.unreadable, 1u);
    EXPECT_TRUE(reading.counts.cutShort);
    EXPECT_EQ(reading.counts.cutShortWhere, "line 5: the file ends inside the line");
    EXPECT_TRUE(reading.status.ok());
    // Cut between lines, inside the trigger block.
    reading = readText(head);
    EXPECT_TRUE(reading.counts.cutShort);
    EXPECT_EQ(reading.counts.cutShortWhere, "line 4: the file ends inside a trigger block");
    // Whole, its last line without a line feed.
    reading = readText(head + "End TriggerBlock");
    EXPECT_FALSE(reading.counts.cutShort);
    // A compressed file that ends early.
    reading =
        readAll(std::make_unique<TestInput>(head + "End TriggerBlock\n", SIZE_MAX, SIZE_MAX, true));
    EXPECT_TRUE(reading.counts.cutShort);
    EXPECT_EQ(reading.counts.cutShortWhere.substr(0, 9), "byte 105:");
}

TEST_F(AscSourceTest, AReadFailureEndsTheReadingWithItsStatus) {
    std::string log = "base hex\n";
    for (int i = 0; i < 20000; ++i) log += "   0.5 1 123 Rx d 1 AA\n";
    // Fails after about a third of the file (past the line reader's first block).
    Reading reading = readAll(std::make_unique<TestInput>(log, 4096, 300000));
    ASSERT_TRUE(reading.opened.ok());
    EXPECT_EQ(reading.status.code(), platform::systemError(5));
    EXPECT_GT(reading.frames.size(), 1000u);
    EXPECT_LT(reading.frames.size(), 20000u);
    // While the header is read: open() says so.
    reading = readAll(std::make_unique<TestInput>(log, 4, 3));
    EXPECT_EQ(reading.opened.code(), platform::systemError(5));
}

}  // namespace
