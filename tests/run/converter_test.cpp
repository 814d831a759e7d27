#include "run/converter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>

#include "csv/csv_long_sink.h"
#include "dbc/finalise.h"
#include "dbc/line_parser.h"
#include "dbc/loader.h"
#include "run/file_converter.h"
#include "sources/capture_source.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/capture_builder.h"

namespace {

constexpr std::string_view kDbc = R"(BO_ 256 Engine: 8 ECU
 SG_ Speed : 0|16@1+ (0.5,0) [0|100] "km/h" X
 SG_ Gear : 16|8@1+ (1,0) [0|8] "" X
BO_ 512 Empty: 8 ECU
BO_ 2147483904 ExtEngine: 8 ECU
 SG_ Level : 0|8@1+ (1,0) [0|255] "%" X
VAL_ 256 Gear 1 "First" ;
)";

std::string firstLines(const std::string& text, int count) {
    size_t end = 0;
    for (int i = 0; i < count && end != std::string::npos; ++i) {
        end = text.find('\n', end == 0 ? 0 : end + 1);
    }
    return end == std::string::npos ? text : text.substr(0, end + 1);
}

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

class Converter : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::useUtc();
        dbc::DbcParser parser(database);
        size_t start = 0;
        while (start < kDbc.size()) {
            const size_t end = kDbc.find('\n', start);
            dbc::parseDbcLine(parser, kDbc.substr(start, end - start));
            start = end + 1;
        }
        ASSERT_EQ(dbc::finaliseDatabase(parser), 0);
        options = tables::buildConversionOptions(settings::ConversionSettings{});
        outputPath = dir / "out.csv";
    }

    // Converts the capture and returns the output with CR LF turned into '\n' for reading.
    std::string convertCapture(const dtgen::CaptureBuilder& builder, int32_t expectedResult = 0) {
        const std::string bytes = builder.build();
        monitor::MonitorFile monitor;
        EXPECT_EQ(monitor::loadMonitorBytes(monitor, reinterpret_cast<const uint8_t*>(bytes.data()),
                                            bytes.size()),
                  0);
        EXPECT_EQ(convertLoaded(monitor), expectedResult);
        std::string text = testing_support::readFileBytes(outputPath);
        std::string out;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
            out.push_back(text[i]);
        }
        return out;
    }

    // The result code of converting a loaded file into outputPath through the long CSV.
    int32_t convertLoaded(const monitor::MonitorFile& monitor) {
        return convertWithOutcome(monitor).code;
    }
    run::FileOutcome convertWithOutcome(const monitor::MonitorFile& monitor) {
        run::Converter converter(decode::Decoding::of(database), options);
        csv::CsvLongSink sink;
        sink.configure(options);
        sources::CaptureSource source(monitor);
        return run::convertSource(source, converter, sink, outputPath, {});
    }

    testing_support::ScratchDir dir{"converter"};
    dbc::CanDatabase database;
    tables::ConversionOptions options;
    std::filesystem::path outputPath;
};

constexpr settings::Columns kNoColumns{false, false, false, false, false, false};

TEST_F(Converter, OnlyKnownFramesWithSignalsGiveLinesOneLinePerSignal) {
    dtgen::CaptureBuilder b(29);
    b.startTime(1714566896, 0);
    b.frame({.channel = 0, .id = 0x100, .data = {0x10, 0x00, 0x01}, .time = 5000});
    b.frame({.channel = 0, .id = 0x200, .data = {1}, .time = 6000});  // no signals
    b.frame({.channel = 1, .id = 0x300, .data = {1}, .time = 7000});  // unknown
    b.frame({.channel = 1, .id = 0x100, .extended = true, .data = {7}, .time = 8000});
    b.event({.kind = 5, .time = 9000});
    EXPECT_EQ(convertCapture(b),
              "Date,Time,msec,Ch,CAN_ID,Message,Signal,Value,Unit,Enum\n"
              "2024/05/01,12:34:56,005,CH1,100,Engine,Speed,8.000000,km/h,\n"
              "2024/05/01,12:34:56,005,CH1,100,Engine,Gear,1.000000,,First\n"
              "2024/05/01,12:34:56,008,CH2,0000100,ExtEngine,Level,7.000000,%,\n");
}

// Texts of real databases hold commas and quotes: such a field is quoted so that every line
// keeps the header's columns; a line without them is written exactly as before.
TEST_F(Converter, FieldsHoldingTheDelimiterOrAQuoteAreQuoted) {
    ASSERT_TRUE(dbc::loadDbcText(database,
                                 "BO_ 256 Drive: 8 ECU\n"
                                 " SG_ Mode : 0|8@1+ (1,0) [0|8] \"m/s, avg\" X\n"
                                 " SG_ Level : 8|8@1+ (0.5,0) [0|8] \"l;h\" X\n"
                                 "VAL_ 256 Mode 1 \"Drive, sport\" 2 \"say \\\"hi\\\"\" ;\n",
                                 dir / "quoting.log"));
    options.timeStamps = settings::TimeStamps::kNone;
    options.columns = {true, true, true, true, true, true};
    dtgen::CaptureBuilder b(29);
    b.frame({.channel = 0, .id = 0x100, .data = {1, 3}, .time = 0});
    b.frame({.channel = 0, .id = 0x100, .data = {2, 3}, .time = 0});
    b.frame({.channel = 0, .id = 0x100, .data = {0, 3}, .time = 0});
    EXPECT_EQ(convertCapture(b),
              "Ch,CAN_ID,Message,Signal,Value,Unit,Enum,Raw_Data\n"
              "CH1,100,Drive,Mode,1.000000,\"m/s, avg\",\"Drive, sport\",01 03\n"
              "CH1,100,Drive,Level,1.500000,l;h,,01 03\n"
              "CH1,100,Drive,Mode,2.000000,\"m/s, avg\",\"say \"\"hi\"\"\",02 03\n"
              "CH1,100,Drive,Level,1.500000,l;h,,02 03\n"
              "CH1,100,Drive,Mode,0.000000,\"m/s, avg\",<undefined>,00 03\n"
              "CH1,100,Drive,Level,1.500000,l;h,,00 03\n");
    // Another delimiter quotes other fields, the numbers and data bytes among them when they
    // could hold it; an empty delimiter quotes only quotes.
    options.delimiter = u";";
    options.columns = {false, false, false, true, false, false};
    EXPECT_EQ(firstLines(convertCapture(b), 3),
              "Signal;Value;Unit\nMode;1.000000;m/s, avg\nLevel;1.500000;\"l;h\"\n");
    options.delimiter = u".";
    options.columns.rawData = true;
    EXPECT_EQ(firstLines(convertCapture(b), 2),
              "Signal.Value.Unit.Raw_Data\nMode.\"1.000000\".m/s, avg.01 03\n");
    options.delimiter = u" ";
    EXPECT_EQ(firstLines(convertCapture(b), 2),
              "Signal Value Unit Raw_Data\nMode 1.000000 \"m/s, avg\" \"01 03\"\n");
    options.delimiter = u"";
    options.columns.description = true;
    const std::string joined = convertCapture(b);
    EXPECT_NE(joined.find("\nMode2.000000m/s, avg\"say \"\"hi\"\"\"02 03\n"), std::string::npos)
        << joined;
}

TEST_F(Converter, ChannelFilterAdmitsOneChannel) {
    dtgen::CaptureBuilder b(29);
    b.frame({.channel = 0, .id = 0x100, .data = {2}, .time = 0});
    b.frame({.channel = 1, .id = 0x100, .data = {4}, .time = 0});
    options.timeStamps = settings::TimeStamps::kNone;
    options.columns = kNoColumns;
    options.columns.channel = true;
    options.channels = settings::Channels::kCh1;
    EXPECT_EQ(convertCapture(b), "Ch,Signal,Value\nCH1,Speed,1.000000\nCH1,Gear,0.000000\n");
    options.channels = settings::Channels::kCh2;
    EXPECT_EQ(convertCapture(b), "Ch,Signal,Value\nCH2,Speed,2.000000\nCH2,Gear,0.000000\n");
}

TEST_F(Converter, EmptyCaptureGivesTheHeaderOnlyAfterTheByteOrderMark) {
    options.encoding = settings::Encoding::kUtf8Bom;
    options.lineEnd = settings::LineEnd::kLf;
    dtgen::CaptureBuilder b(27);
    b.timeStampMode(4);
    EXPECT_EQ(convertCapture(b),
              "\xEF\xBB\xBFTimeStamp,Ch,CAN_ID,Message,Signal,Value,Unit,Enum\n");
}

TEST_F(Converter, Layout27ClockRunsPastADayAndElapsedUnitsFollowTheMode) {
    options.columns = kNoColumns;
    dtgen::CaptureBuilder clock(27);
    clock.timeStampMode(2);
    clock.frame({.channel = 0, .id = 0x100, .data = {0, 0, 0}, .time = 1000000000});
    EXPECT_EQ(convertCapture(clock),
              "Time,msec,Signal,Value\n27:46:40,000,Speed,0.000000\n27:46:40,000,Gear,0.000000\n");
    dtgen::CaptureBuilder elapsed(27);
    elapsed.timeStampMode(5);
    elapsed.frame({.channel = 0, .id = 0x100, .data = {0, 0, 0}, .time = 123456});
    EXPECT_TRUE(startsWith(convertCapture(elapsed), "TimeStamp,Signal,Value\n1.234560,Speed,0.0"));
    // Every mode: 1-3 a clock of 100 us counts, 4-6 elapsed time of 100, 10 and 1 us counts.
    const std::pair<int, const char*> modes[] = {{1, "Time,msec,Signal,Value\n00:00:12,345,"},
                                                 {3, "Time,msec,Signal,Value\n00:00:12,345,"},
                                                 {4, "TimeStamp,Signal,Value\n12.345600,"},
                                                 {6, "TimeStamp,Signal,Value\n0.123456,"}};
    for (const auto& [mode, expected] : modes) {
        dtgen::CaptureBuilder b(27);
        b.timeStampMode(mode);
        b.frame({.channel = 0, .id = 0x100, .data = {0, 0, 0}, .time = 123456});
        EXPECT_TRUE(startsWith(convertCapture(b), expected)) << mode;
    }
    // A time-stamp mode without meaning gives no time columns, whatever the preference.
    dtgen::CaptureBuilder none(27);
    none.timeStampMode(9);
    none.frame({.channel = 0, .id = 0x100, .data = {0, 0, 0}, .time = 5});
    EXPECT_EQ(convertCapture(none), "Signal,Value\nSpeed,0.000000\nGear,0.000000\n");
}

TEST_F(Converter, Layout29TimesOfAnyMagnitude) {
    options.columns = kNoColumns;
    options.timeStamps = settings::TimeStamps::kElapsed;
    dtgen::CaptureBuilder elapsed(29);
    elapsed.frame({.channel = 0, .id = 0x100, .data = {0, 0, 1}, .time = 0xFFFFFFFFFFFFull});
    EXPECT_TRUE(
        startsWith(convertCapture(elapsed), "TimeStamp,Signal,Value\n281474976.710655,Speed,"));
    // Nanoseconds past a full second carry into the seconds; a start the system cannot place
    // leaves date and time empty instead of failing.
    options.timeStamps = settings::TimeStamps::kTimeOfDay;
    dtgen::CaptureBuilder carry(29);
    carry.startTime(86399, 999999999);
    carry.frame({.channel = 0, .id = 0x100, .data = {0, 0, 1}, .time = 1500});
    EXPECT_TRUE(
        startsWith(convertCapture(carry), "Date,Time,msec,Signal,Value\n1970/01/02,00:00:00,001,"));
    dtgen::CaptureBuilder hostile(29);
    hostile.startTime(INT64_MAX, INT64_MAX);
    hostile.frame({.channel = 0, .id = 0x100, .data = {0, 0, 1}, .time = 0xFFFFFFFFFFFFull});
    const std::string out = convertCapture(hostile);
    EXPECT_NE(out.find("\n,,"), std::string::npos) << out;
}

TEST_F(Converter, UnknownVariantAndWriteFailuresEndTheFileWithTheirCode) {
    monitor::MonitorFile monitor;  // nothing loaded: variant 0
    EXPECT_EQ(convertLoaded(monitor), static_cast<int32_t>(0x8007000D));
    EXPECT_EQ(testing_support::readFileBytes(outputPath), "");
    outputPath = dir / "missing-folder" / "out.csv";
    EXPECT_EQ(convertLoaded(monitor), static_cast<int32_t>(0xA0070002));
#ifndef _WIN32
    dtgen::CaptureBuilder b(29);
    b.random({.count = 200000, .seed = 3});
    const std::string bytes = b.build();
    ASSERT_EQ(monitor::loadMonitorBytes(monitor, reinterpret_cast<const uint8_t*>(bytes.data()),
                                        bytes.size()),
              0);
    outputPath = "/dev/full";
    EXPECT_EQ(convertLoaded(monitor), static_cast<int32_t>(0xA007001C));  // ENOSPC
#endif
}

// The same records give the same output whether they are walked in place, in blocks of any
// size, or read from the file.
TEST_F(Converter, RecordsInBlocksOrFromTheFileConvertAlike) {
    options.timeStamps = settings::TimeStamps::kElapsed;
    dtgen::CaptureBuilder b(27);
    b.timeStampMode(5);
    for (int i = 0; i < 40; ++i) {
        const bool extended = i % 3 == 0;
        b.frame({.channel = i % 2,
                 .id = extended ? 0x100u : 0x100u + static_cast<uint32_t>(i % 2) * 0x100u,
                 .extended = extended,
                 .data = std::vector<uint8_t>(static_cast<size_t>(1 + i * 7 % 64),
                                              static_cast<uint8_t>(i)),
                 .time = static_cast<uint64_t>(i) * 1000,
                 .extensionRecord = i % 5 == 0});
        if (i % 7 == 0) b.event({.kind = 3, .time = 5});
    }
    const std::string bytes = b.build();
    monitor::MonitorFile monitor;
    ASSERT_EQ(monitor::loadMonitorBytes(monitor, reinterpret_cast<const uint8_t*>(bytes.data()),
                                        bytes.size()),
              0);
    ASSERT_EQ(convertLoaded(monitor), 0);
    const std::string reference = testing_support::readFileBytes(outputPath);
    ASSERT_GT(std::count(reference.begin(), reference.end(), '\n'), 40);
    for (uint32_t block : {1u, 2u, 3u, 4u, 7u, 64u}) {
        monitor.blockRecords = block;
        ASSERT_EQ(convertLoaded(monitor), 0);
        EXPECT_EQ(testing_support::readFileBytes(outputPath), reference) << block;
    }
    testing_support::writeFileBytes(dir / "in.DT", bytes);
    for (uint32_t block : {0u, 3u}) {
        monitor.blockRecords = block;
        ASSERT_EQ(monitor::loadMonitorFile(monitor, dir / "in.DT"), 0);
        ASSERT_EQ(convertLoaded(monitor), 0);
        EXPECT_EQ(testing_support::readFileBytes(outputPath), reference) << block;
    }
}

#ifndef _WIN32
// Records that cannot be read are the capture's failure, not the output's: the output ends where
// the reading stopped (Windows keeps others from writing to the capture meanwhile).
TEST_F(Converter, CaptureThatShrinksFailsWithTheSystemError) {
    dtgen::CaptureBuilder b(29);
    b.random({.count = 4000, .seed = 2, .length = 8, .ids = {{0x100, false}}});
    const std::string bytes = b.build();
    testing_support::writeFileBytes(dir / "in.DT", bytes);
    monitor::MonitorFile monitor;
    monitor.blockRecords = 2500;
    ASSERT_EQ(monitor::loadMonitorFile(monitor, dir / "in.DT"), 0);
    std::filesystem::resize_file(dir / "in.DT", bytes.size() - 2000 * 32);
    const run::FileOutcome outcome = convertWithOutcome(monitor);
    EXPECT_EQ(outcome.status, run::FileStatus::kLoadFailed);
    EXPECT_EQ(outcome.code, static_cast<int32_t>(0x80070026));
    // At most the two lines a frame of the first block: what the writer held back is dropped,
    // as after any failure.
    const std::string text = testing_support::readFileBytes(outputPath);
    EXPECT_LE(std::count(text.begin(), text.end(), '\n'), 1 + 2 * 2500);
}
#endif

}  // namespace
