#include "sources/candump/candump_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/test_paths.h"

namespace {

using sources::CandumpOptions;
using sources::CandumpSource;
using sources::TimeOrigin;

// Hands out its bytes a few at a time; fails or ends as a cut compressed file would, if asked.
class TestInput final : public sources::ByteInput {
public:
    TestInput(std::string bytes, size_t piece, size_t failAt = std::string::npos, bool cut = false)
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

struct Outcome {
    platform::Status opened;
    std::vector<can::Frame> frames;
    platform::Status status;
    sources::SourceCounts counts;
    TimeOrigin origin;
    std::vector<std::string> names;
};

Outcome readAll(std::unique_ptr<sources::ByteInput> input, CandumpOptions options = {},
                size_t span = 100) {
    CandumpSource source(std::move(input), std::move(options));
    Outcome outcome;
    outcome.opened = source.open();
    std::vector<can::Frame> frames(span);
    while (const size_t got = source.read(frames)) {
        outcome.frames.insert(outcome.frames.end(), frames.begin(), frames.begin() + got);
    }
    EXPECT_EQ(source.read(frames), 0u);  // stays at the end
    outcome.status = source.status();
    outcome.counts = source.counts();
    outcome.origin = source.timeOrigin();
    outcome.names = source.channelNames();
    return outcome;
}

Outcome readText(const std::string& text, CandumpOptions options = {}, size_t piece = 1 << 20,
                 size_t span = 100) {
    return readAll(std::make_unique<TestInput>(text, piece), std::move(options), span);
}

// "line 3 ch1 t=1500 123" for each frame, to compare with a glance.
std::vector<std::string> summary(const std::vector<can::Frame>& frames) {
    std::vector<std::string> lines;
    for (const can::Frame& frame : frames) {
        char text[96];
        std::snprintf(text, sizeof text, "line %llu ch%d t=%llu %X",
                      static_cast<unsigned long long>(frame.place), frame.channel,
                      static_cast<unsigned long long>(frame.time), frame.canId);
        lines.push_back(text);
    }
    return lines;
}

using Lines = std::vector<std::string>;

TEST(CandumpSource, ReadsTheProgramsOwnExportBackOntoItsChannels) {
    const std::string exported =
        "(1714566896.790250) can0 123#01A2FF\n"
        "(1714566896.791750) can1 18FEF100##0001122334455667788990000\n";
    for (const size_t piece : {size_t{1}, size_t{7}, size_t{1} << 20}) {
        const Outcome out = readText(exported, {}, piece, 1);
        ASSERT_TRUE(out.opened.ok()) << out.opened.description();
        EXPECT_TRUE(out.status.ok());
        EXPECT_EQ(out.origin.kind, TimeOrigin::Kind::kDated);
        EXPECT_EQ(out.origin.startSeconds, 1714566896);
        EXPECT_EQ(summary(out.frames),
                  (Lines{"line 1 ch0 t=790250000 123", "line 2 ch1 t=791750000 18FEF100"}));
        EXPECT_EQ(out.names, (Lines{"can0", "can1"}));
        ASSERT_EQ(out.frames.size(), 2u);
        EXPECT_EQ(out.frames[1].dataLength, 12);
        EXPECT_TRUE(out.frames[1].isFd && out.frames[1].isExtended);
        EXPECT_FALSE(out.frames[1].bitRateSwitch || out.frames[1].errorState);
        EXPECT_EQ(out.frames[1].data[9], 0x99);
        EXPECT_EQ(out.frames[1].data[10], 0x00);
        EXPECT_EQ(out.counts.skipped.size(), 0u);
        EXPECT_EQ(out.counts.unreadable, 0u);
        EXPECT_FALSE(out.counts.cutShort);
    }
    // The names of --channel-names A,B are channels 0 and 1.
    CandumpOptions named;
    named.channelNames = {"A", "B"};
    const Outcome out = readText(
        "(1714566896.790250) B 123#01\n(1714566896.790251) A 123#02\n(1714566896.790252) can1 "
        "123#03\n",
        named);
    EXPECT_EQ(summary(out.frames),
              (Lines{"line 1 ch1 t=790250000 123", "line 2 ch0 t=790251000 123",
                     "line 3 ch2 t=790252000 123"}));
    EXPECT_EQ(out.names, (Lines{"A", "B", "can1"}));
}

TEST(CandumpSource, ScreenOutputWithEachKindOfTime) {
    // candump -t a: seconds since 1970; the origin is the first frame's whole second.
    Outcome out = readText(
        " (1700000000.250000)  can0  123   [1]  11\n"
        " (1700000001.000001)  can1  456   [0]  remote request\n");
    EXPECT_EQ(out.origin.kind, TimeOrigin::Kind::kDated);
    EXPECT_EQ(out.origin.startSeconds, 1700000000);
    EXPECT_EQ(summary(out.frames),
              (Lines{"line 1 ch0 t=250000000 123", "line 2 ch1 t=1000001000 456"}));
    EXPECT_EQ(out.frames[1].kind, can::FrameKind::kRemote);

    // candump -t A: the recording machine's local time.
    testing_support::useTimeZone("JST-9");
    out = readText(
        " (2024-05-01 12:34:56.789012)  can0  123   [1]  11\n"
        " (2024-05-01 12:35:00.000001)  can0  123   [1]  11\n");
    testing_support::useUtc();
    EXPECT_EQ(out.origin.kind, TimeOrigin::Kind::kDated);
    EXPECT_EQ(out.origin.startSeconds, 1714534496);
    EXPECT_EQ(summary(out.frames),
              (Lines{"line 1 ch0 t=789012000 123", "line 2 ch0 t=4000001000 123"}));

    // candump -t z: from the first frame; -t d: since the frame before, added up.
    const std::string elapsed =
        " (000.000000)  can0  100   [0]\n (000.001000)  can0  101   [0]\n"
        " (000.000500)  can0  102   [0]\n (000.002000)  can0  103   [0]\n";
    out = readText(elapsed);
    EXPECT_EQ(out.origin.kind, TimeOrigin::Kind::kElapsed);
    EXPECT_EQ(summary(out.frames), (Lines{"line 1 ch0 t=0 100", "line 2 ch0 t=1000000 101",
                                          "line 3 ch0 t=1500000 102", "line 4 ch0 t=3500000 103"}));
    CandumpOptions sinceFirst;
    sinceFirst.elapsedTimes = CandumpOptions::ElapsedTimes::kSinceFirstFrame;
    out = readText(elapsed, sinceFirst);
    EXPECT_EQ(summary(out.frames), (Lines{"line 1 ch0 t=0 100", "line 2 ch0 t=1000000 101",
                                          "line 3 ch0 t=500000 102", "line 4 ch0 t=2000000 103"}));
    const std::string growing =
        " (000.000000)  can0  100   [0]\n (000.001000)  can0  101   [0]\n"
        " (000.001000)  can0  102   [0]\n (000.002000)  can0  103   [0]\n";
    out = readText(growing);
    EXPECT_EQ(summary(out.frames), (Lines{"line 1 ch0 t=0 100", "line 2 ch0 t=1000000 101",
                                          "line 3 ch0 t=1000000 102", "line 4 ch0 t=2000000 103"}));
    CandumpOptions deltas;
    deltas.elapsedTimes = CandumpOptions::ElapsedTimes::kDeltas;
    out = readText(growing, deltas);
    EXPECT_EQ(summary(out.frames).back(), "line 4 ch0 t=4000000 103");
    // A log's elapsed times (candump -L -t z) are never deltas.
    out = readText("(000.000000) can0 100#\n(000.001000) can0 101#\n(000.000500) can0 102#\n");
    EXPECT_EQ(summary(out.frames).back(), "line 3 ch0 t=500000 102");

    // No time: every frame at 0, with no unit.
    out = readText("  can0  123   [1]  11\n  can1  12345678   [0]\n");
    EXPECT_EQ(out.origin.kind, TimeOrigin::Kind::kNoUnit);
    EXPECT_EQ(summary(out.frames), (Lines{"line 1 ch0 t=0 123", "line 2 ch1 t=0 12345678"}));
}

TEST(CandumpSource, CountsWhatIsNoFrameAndGoesOn) {
    const Outcome out = readText(
        "# a comment\n"
        "(1700000010.000000) can0 123#11\n"
        "\n"
        " (1700000010.000001)  can0  20000004   [8]  00 04 00 00 00 00 00 00   ERRORFRAME\n"
        "\tcontroller-problem{rx-error-warning}\n"
        "\terror-counter-tx-rx{{0}{97}}\n"
        "(1700000009.999999) can0 124#22\n"
        "\tnot after an error frame\n"
        "(1700000010.000002) can0 45123#81:00:12345678#11223344\n"
        "DROPCOUNT: dropped 1 CAN frame on 'can0' socket (total drops 1)\n"
        "(1700000010.000003) can0 125#123\n"
        "(2024-05-01 12:34:56.789012) can0 126#33\n"
        "(1700000010.000004) can0 127#44 T\r\n");
    ASSERT_TRUE(out.opened.ok());
    EXPECT_TRUE(out.status.ok());
    EXPECT_EQ(summary(out.frames), (Lines{"line 2 ch0 t=0 123", "line 4 ch0 t=1000 4",
                                          "line 7 ch0 t=0 124", "line 13 ch0 t=4000 127"}));
    EXPECT_EQ(out.frames[1].kind, can::FrameKind::kError);
    EXPECT_TRUE(out.frames[3].transmitted);
    EXPECT_EQ(out.counts.skipped,
              (std::map<std::string, uint64_t>{{"comment", 1},
                                               {"empty line", 1},
                                               {CandumpSource::kExplanationLine, 2},
                                               {CandumpSource::kBeforeStart, 1},
                                               {"CAN XL frame", 1},
                                               {"dropped-frames notice", 1}}));
    EXPECT_EQ(out.counts.unreadable, 3u);
    EXPECT_EQ(out.counts.firstUnreadable, (std::vector<uint64_t>{8, 11, 12}));
    EXPECT_FALSE(out.counts.cutShort);
}

TEST(CandumpSource, CutHugeAndJunkInputsAreCountedNeverReadPast) {
    // Cut in the middle of its last line: that line is no frame, the file is cut short there.
    Outcome out = readText("(1700000000.000000) can0 123#11\n(1700000000.000001) can0 123#1122");
    ASSERT_TRUE(out.opened.ok());
    EXPECT_EQ(summary(out.frames), (Lines{"line 1 ch0 t=0 123"}));
    EXPECT_TRUE(out.counts.cutShort);
    EXPECT_EQ(out.counts.cutShortWhere, "line 2: the file ends inside the line");
    EXPECT_EQ(out.counts.unreadable, 0u);
    // A last line of blanks is no cut; nor is a whole file whose last line has its end.
    out = readText("(1700000000.000000) can0 123#11\n   ");
    EXPECT_FALSE(out.counts.cutShort);
    EXPECT_EQ(out.counts.skipped.at("empty line"), 1u);

    // A 1 MB line, binary junk and a 257th interface, among frames.
    std::string text = "(1700000000.000000) can0 123#11\n" + std::string(1 << 20, '7') + "\n";
    text += std::string("\x00\xFF\xFE(\x01", 5) + "\n";
    for (int i = 0; i < 257; ++i) {
        text += "(1700000000.000001) if" + std::to_string(i) + "x 123#22\n";
    }
    text += "(1700000000.000002) can0 123#33\n";
    for (const size_t piece : {size_t{4093}, size_t{1} << 20}) {
        out = readText(text, {}, piece, 7);
        ASSERT_TRUE(out.opened.ok());
        EXPECT_EQ(out.frames.size(), 1u + 255u + 1u);  // can0 took channel 0
        EXPECT_EQ(out.counts.unreadable, 4u);
        EXPECT_EQ(out.counts.firstUnreadable, (std::vector<uint64_t>{2, 3, 259, 260}));
        EXPECT_EQ(out.frames.back().place, 261u);
        EXPECT_EQ(out.names.size(), 256u);
    }

    // A stored file that ends before its data (a cut compressed file).
    out = readAll(std::make_unique<TestInput>("(1700000000.000000) can0 123#11\n", 5,
                                              std::string::npos, true));
    EXPECT_TRUE(out.counts.cutShort);
    EXPECT_EQ(out.counts.cutShortWhere, "byte 32: the file ends before its data");
}

TEST(CandumpSource, AFileWithNoFrameLineInItsFirstPartIsNoCandumpLog) {
    const std::string junk(4000, '\x01');
    std::string manyLines;
    for (size_t i = 0; i < CandumpSource::kLookaheadLines; ++i) manyLines += "not a frame\n";
    for (const std::string& text :
         {std::string(), std::string("\n\n# only comments\n"), junk,
          std::string("date Wed May 01 12:34:56.789 pm 2024\nbase hex  timestamps absolute\n"
                      "   0.001250 1  123             Rx   d 3 01 A2 FF\n"),
          manyLines + "(1700000000.000000) can0 123#11\n"}) {
        const Outcome out = readText(text);
        EXPECT_EQ(out.opened.code(), platform::kInvalidData) << text.substr(0, 40);
        EXPECT_EQ(out.opened.place().kind, platform::Place::Kind::kLine);
        EXPECT_EQ(out.opened.place().number, 1u);
        EXPECT_TRUE(out.frames.empty());
        EXPECT_FALSE(out.status.ok());
    }
    // One frame line among the first ones is enough; the lines around it are counted.
    manyLines.resize(manyLines.size() - 12);
    const Outcome out = readText(manyLines + "(1700000000.000000) can0 123#11\nnot a frame\n");
    ASSERT_TRUE(out.opened.ok());
    EXPECT_EQ(summary(out.frames), (Lines{"line 1000 ch0 t=0 123"}));
    EXPECT_EQ(out.counts.unreadable, 1000u);
    // CAN XL frames alone still make a candump log, of no frames here.
    EXPECT_TRUE(readText("(1700000000.000000) can0 45123#81:00:12345678#11\n").opened.ok());
}

// Everything a frame carries, to compare two readings of a log. Appended number by number:
// MinGW's -Wrestrict misfires on texts joined with +.
std::string wholeFrame(const can::Frame& frame) {
    std::string text;
    const auto add = [&text](uint64_t number) {
        text += std::to_string(number);
        text += ' ';
    };
    add(frame.place);
    add(static_cast<uint64_t>(frame.channel));
    add(frame.time);
    add(frame.canId);
    add(static_cast<uint64_t>(frame.kind));
    add(static_cast<uint64_t>(frame.dataLength));
    for (const bool flag :
         {frame.isExtended, frame.isFd, frame.bitRateSwitch, frame.errorState, frame.transmitted}) {
        text += flag ? '1' : '0';
    }
    for (int i = 0; i < frame.dataLength; ++i) {
        text += ' ';
        text += std::to_string(frame.data[i]);
    }
    return text;
}

// Past the lines read ahead, plain lines are read straight from the block; a log read a byte
// at a time never has a whole line in its block, so every line goes through the line reader.
// Both give the same frames and counts, whatever the lines around the plain ones.
TEST(CandumpSource, LinesReadFromTheBlockAndOneByOneAgree) {
    const std::string kinds[] = {
        "(1714566896.000250) can0 123#01A2FF",
        "(1714566896.000250) can1 1E0#67EC8E65A18DEBBE R",
        "(1714566896.000250) vcan12 18FEF100#0011223344556677 T",
        "(1714566896.000250) interface_42 7FF#",
        "(1714566896.000250) interface_x2 7FF#11",
        "(1714566895.000250) can0 123#11",
        "(1714566896.000250) can0 123#11 ",
        "(1714566896.000250) can0 123#1",
        "(1714566896.000250) can0 123##3AABB",
        "(1714566896.000250) can0 123#R",
        "(1714566896.000250) can0 20000080#0000000000000000",
        " (1714566896.000250)  can1  123   [2]  11 22",
        "# comment",
        "",
        "\tnot after an error frame",
    };
    const std::string ends[] = {"\n", "\r\n", "\r\r\n"};
    std::string text;
    uint32_t state = 5;
    for (int i = 0; i < 3000; ++i) {
        state = state * 1103515245 + 12345;
        const uint32_t pick = state >> 8;
        std::string line = kinds[pick % std::size(kinds)];
        if (line.size() > 18 && line[0] == '(') {
            line.replace(12, 6, std::to_string(100000 + i).substr(0, 6));  // times that grow
        }
        text += line + ends[(pick >> 8) % 7 == 0 ? (pick >> 12) % 3 : 0];
    }
    text += "(1714566896.000250) can0 123#11";  // no line end: cut there
    const Outcome oneByOne = readText(text, {}, 1, 97);
    ASSERT_TRUE(oneByOne.opened.ok());
    ASSERT_GT(oneByOne.frames.size(), 2000u);
    for (const size_t piece : {size_t{4093}, size_t{1} << 20}) {
        const Outcome fromBlocks = readText(text, {}, piece, 97);
        ASSERT_EQ(fromBlocks.frames.size(), oneByOne.frames.size());
        for (size_t i = 0; i < fromBlocks.frames.size(); ++i) {
            ASSERT_EQ(wholeFrame(fromBlocks.frames[i]), wholeFrame(oneByOne.frames[i]));
        }
        EXPECT_EQ(fromBlocks.counts.skipped, oneByOne.counts.skipped);
        EXPECT_EQ(fromBlocks.counts.unreadable, oneByOne.counts.unreadable);
        EXPECT_EQ(fromBlocks.counts.firstUnreadable, oneByOne.counts.firstUnreadable);
        EXPECT_EQ(fromBlocks.counts.records, oneByOne.counts.records);
        EXPECT_EQ(fromBlocks.counts.cutShortWhere, oneByOne.counts.cutShortWhere);
        EXPECT_EQ(fromBlocks.names, oneByOne.names);
    }
    EXPECT_EQ(oneByOne.counts.cutShortWhere, "line 3001: the file ends inside the line");
}

TEST(CandumpSource, LinesPastTheLookaheadAndAFailingReadKeepTheirOrder) {
    std::string text;
    for (int i = 0; i < 5000; ++i) {
        text += "(1700000000." + std::string(5 - std::to_string(i % 100000).size() + 1, '0') +
                std::to_string(i) + ") can" + std::to_string(i % 3) + " 123#" +
                (i % 2 == 0 ? "11" : "2233") + "\n";
    }
    const Outcome out = readText(text, {}, 3001, 13);
    ASSERT_EQ(out.frames.size(), 5000u);
    for (size_t i = 0; i < out.frames.size(); ++i) {
        ASSERT_EQ(out.frames[i].place, i + 1);
        ASSERT_EQ(out.frames[i].time, i * 1000);
        ASSERT_EQ(out.frames[i].channel, static_cast<int>(i % 3));
        ASSERT_EQ(out.frames[i].dataLength, i % 2 == 0 ? 1 : 2);
    }
    // A read that fails: the frames before it stand, the failure is the status.
    const Outcome failed = readAll(std::make_unique<TestInput>(text, 1000, 20000));
    ASSERT_TRUE(failed.opened.ok());
    EXPECT_EQ(failed.status.code(), platform::systemError(5));
    EXPECT_FALSE(failed.counts.cutShort);
    ASSERT_FALSE(failed.frames.empty());
    EXPECT_LT(failed.frames.size(), 20000u / 30);
    EXPECT_EQ(failed.frames.back().place, failed.frames.size());
    // A read that fails at once fails the opening.
    EXPECT_EQ(readAll(std::make_unique<TestInput>(text, 1000, 0)).opened.code(),
              platform::systemError(5));
}

}  // namespace
