#include "tools/dtgen/description_parser.h"

#include <gtest/gtest.h>

#include <string>

#include "monitor/monitor_file.h"
#include "monitor/records.h"
#include "platform/platform.h"

namespace {

std::string build(std::string_view text) {
    std::string error;
    const std::optional<dtgen::CaptureBuilder> builder = dtgen::parseDescription(text, error);
    EXPECT_TRUE(builder.has_value()) << error;
    return builder ? builder->build() : std::string();
}

std::string errorOf(std::string_view text) {
    std::string error;
    EXPECT_FALSE(dtgen::parseDescription(text, error).has_value()) << text;
    return error;
}

int32_t load(monitor::MonitorFile& file, const std::string& bytes) {
    return monitor::loadMonitorBytes(file, reinterpret_cast<const uint8_t*>(bytes.data()),
                                     bytes.size());
}

TEST(DescriptionParser, WritesWhatTheBuilderWrites) {
    const std::string text =
        "# two frames and an event\n"
        "variant 29\r\n"
        "time-stamp-mode -3\n"
        "start 1700000000 999\n"
        "sub-kind 4\n"
        "record-tag MDAC\n"
        "frame ch1 std 0x123 1000 01 a2 FF   # comment after a statement\n"
        "\n"
        "frame ch2 ext 0x18FEF100 0x10000 00 01 02 03 04 05 06 07 08 length 12\n"
        "event 9 2000\n";
    dtgen::CaptureBuilder expected(29);
    expected.timeStampMode(-3).startTime(1700000000, 999).subKind(4).recordTag("MDAC");
    expected.frame({.channel = 0, .id = 0x123, .data = {0x01, 0xA2, 0xFF}, .time = 1000});
    expected.frame({.channel = 1,
                    .id = 0x18FEF100,
                    .extended = true,
                    .data = {0, 1, 2, 3, 4, 5, 6, 7, 8},
                    .time = 0x10000,
                    .lengthField = 12});
    expected.event({9, 2000});
    EXPECT_EQ(build(text), expected.build());

    monitor::MonitorFile file;
    ASSERT_EQ(load(file, build(text)), platform::kOk);
    EXPECT_EQ(file.timeStampMode, -3);
    EXPECT_EQ(file.subKind, 4);
    EXPECT_EQ(file.info29.startNanoseconds, 999);
    EXPECT_EQ(file.count, 4u);
}

TEST(DescriptionParser, RandomFramesRepeatForTheSameSeed) {
    const std::string a = build("variant 27\nrandom 200 seed 7 step 5\n");
    EXPECT_EQ(a, build("variant 27\nrandom 200 seed 7 step 5\n"));
    EXPECT_NE(a, build("variant 27\nrandom 200 seed 8 step 5\n"));
    monitor::MonitorFile file;
    ASSERT_EQ(load(file, a), platform::kOk);
    EXPECT_GE(file.count, 200u);
}

TEST(DescriptionParser, RandomFramesCanUseChosenIdentifiersAndOneLength) {
    monitor::MonitorFile file;
    ASSERT_EQ(
        load(file, build("variant 29\nrandom 300 seed 2 length 8 ids std:0x100,ext:0x18FF50E5\n")),
        platform::kOk);
    ASSERT_EQ(file.count, 300u);  // eight bytes fit the head record: no continuations
    monitor::RecordCursor cursor{0, file.count, file.records};
    int standard = 0, extended = 0;
    for (auto kind = monitor::firstRecordKind29(cursor); kind != 0;
         kind = monitor::nextRecordKind29(cursor)) {
        can::Frame frame;
        ASSERT_TRUE(monitor::assembleFrame29(cursor, kind - 1, frame));
        EXPECT_EQ(frame.dataLength, 8);
        if (frame.isExtended) {
            EXPECT_EQ(frame.canId, 0x18FF50E5u);
            ++extended;
        } else {
            EXPECT_EQ(frame.canId, 0x100u);
            ++standard;
        }
    }
    EXPECT_GT(standard, 50);
    EXPECT_GT(extended, 50);
    EXPECT_EQ(errorOf("variant 29\nrandom 3 ids std:0x800\n"),
              "line 2: 2048 is out of range 0..2047");
    EXPECT_EQ(errorOf("variant 29\nrandom 3 length 65\n"),
              "line 2: a frame holds 1 to 64 data bytes");
}

TEST(DescriptionParser, DamageStatementsBreakTheFile) {
    monitor::MonitorFile file;
    EXPECT_EQ(load(file, build("variant 29\nframe ch1 std 1 0 00\ndamage signature\n")),
              platform::kInvalidData);
    EXPECT_EQ(load(file, build("variant 29\nframe ch1 std 1 0 00\ndamage item-length time 3\n")),
              platform::kInvalidData);
    const std::string whole = build("variant 29\nframe ch1 std 1 0 00\n");
    const std::string cut = build("variant 29\nframe ch1 std 1 0 00\ndamage truncate 1\n");
    EXPECT_EQ(cut, whole.substr(0, whole.size() - 1));
    ASSERT_EQ(load(file, cut), platform::kOk);  // the record chunk runs past the end
    EXPECT_EQ(file.count, 0u);
}

TEST(DescriptionParser, ErrorsNameTheLine) {
    EXPECT_EQ(errorOf("frame ch1 std 1 0\n"),
              "line 1: the description starts with 'variant 27' or 'variant 29'");
    EXPECT_EQ(errorOf(""), "the description names no variant");
    EXPECT_EQ(errorOf("variant 28\n"), "line 1: expected '27' or '29', found '28'");
    EXPECT_EQ(errorOf("variant 29\n\nframe ch3 std 1 0\n"),
              "line 3: expected 'ch1' or 'ch2', found 'ch3'");
    EXPECT_EQ(errorOf("variant 29\nframe ch1 std 0x800 0\n"),
              "line 2: 2048 is out of range 0..2047");
    EXPECT_EQ(errorOf("variant 29\nframe ch1 std 1 0 1G\n"),
              "line 2: '1G' is not a data byte (two hex digits)");
    EXPECT_EQ(errorOf("variant 27\nevent 8 0\n"), "line 2: layout 27 events are kinds 3 to 6");
    EXPECT_EQ(errorOf("variant 27\nstart x 0\n"), "line 2: 'x' is not a number");
    EXPECT_EQ(errorOf("variant 27\ndamage item-length nothing 4\n"),
              "line 2: no information item named 'nothing'");
    EXPECT_EQ(errorOf("variant 27\nbogus\n"), "line 2: unknown statement 'bogus'");
    std::string tooLong = "variant 29\nframe ch1 std 1 0";
    for (int i = 0; i < 65; ++i) tooLong += " 00";
    EXPECT_EQ(errorOf(tooLong), "line 2: a frame holds at most 64 data bytes");
}

}  // namespace
