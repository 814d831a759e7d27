#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "dbc/finalise.h"
#include "dbc/line_parser.h"
#include "run/file_converter.h"
#include "run/file_parts.h"
#include "run/input_open.h"
#include "run/sequential_parts.h"
#include "run/sink_choice.h"
#include "tests/run/log_figures.h"
#include "tests/support/test_paths.h"

namespace {

using run::FileStatus;

constexpr std::string_view kDbc[] = {
    "BO_ 256 Engine: 8 ECU",
    " SG_ Speed : 0|16@1+ (0.5,0) [0|100] \"km/h\" X",
    " SG_ Gear : 16|4@1+ (1,0) [0|15] \"\" X",
    "BO_ 512 Mux: 8 ECU",
    " SG_ Switch M : 0|8@1+ (1,0) [0|255] \"\" X",
    " SG_ Low m1 : 8|16@1+ (1,0) [0|65535] \"\" X",
};

// Parts of a few frames each, so that every kind of line falls on a part's edge.
constexpr run::PartSizes kTinyParts{
    .firstUnits = 3, .minUnits = 1, .maxUnits = 7, .outputBytes = 1};

std::string hexByte(uint64_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(value >> 4) & 15], kDigits[value & 15]};
}

// An ASC log whose times count from the line before, with bus statistics, comments, error
// frames, lines that cannot be read and a second trigger block.
std::string ascLog(int count) {
    std::mt19937 random(11);
    std::string out =
        "date Mon May 06 10:20:30.400 am 2024\nbase hex  timestamps relative\n"
        "internal events logged\nBegin Triggerblock Mon May 06 10:20:30.400 am 2024\n";
    for (int i = 0; i < count; ++i) {
        const std::string time = "   0." + std::to_string(100000 + random() % 899999) + " ";
        const unsigned channel = 1 + random() % 2;
        switch (random() % 12) {
            case 0:
                out += time + "1  Statistic: D 0 R 0 XD 0 XR 0 E 0 O 0 B 0.00%\n";
                break;
            case 1:
                out += "// a comment\n";
                break;
            case 2:
                out += time + std::to_string(channel) + "  ErrorFrame\n";
                break;
            case 3:
                out += time + "1  100  Rx  d 8 01\n";  // too few bytes: unreadable
                break;
            case 4:
                if (i % 5 == 0) out += "End TriggerBlock\nBegin TriggerBlock\n";
                [[fallthrough]];
            default: {
                out += time + std::to_string(channel) + (random() % 2 != 0 ? "  100 " : "  200 ") +
                       " Rx   d 8";
                for (int b = 0; b < 8; ++b) {
                    out += ' ';  // appended, not joined: MinGW's -Wrestrict misfires on " " + text
                    out += hexByte(random());
                }
                out += "\n";
            }
        }
    }
    return out + "End TriggerBlock\n";
}

// A candump screen log with times since the frame before (candump -t d), interfaces named
// without numbers (numbered in order of appearance), remote requests and lines of junk.
std::string candumpLog(int count) {
    std::mt19937 random(12);
    std::string out;
    for (int i = 0; i < count; ++i) {
        const std::string time = " (000." + std::to_string(100000 + random() % 899999) + ")  ";
        const std::string bus = i < 50 ? "busA" : random() % 3 == 0 ? "busC" : "busB";
        switch (random() % 10) {
            case 0:
                out += time + bus + "  100   [4]  remote request\n";
                break;
            case 1:
                out += "junk that is no frame\n";
                break;
            default:
                out += time + bus + (random() % 2 != 0 ? "  100" : "  200") + "   [8] ";
                for (int b = 0; b < 8; ++b) {
                    out += ' ';  // appended, not joined: MinGW's -Wrestrict misfires on " " + text
                    out += hexByte(random());
                }
                out += "\n";
        }
    }
    return out;
}

std::string gzipOf(std::string_view data) {
    z_stream z{};
    EXPECT_EQ(deflateInit2(&z, 6, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::string out(deflateBound(&z, static_cast<uLong>(data.size())) + 64, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

class TextLogParts : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::useUtc();
        dbc::DbcParser parser(database);
        for (std::string_view line : kDbc) dbc::parseDbcLine(parser, line);
        ASSERT_EQ(dbc::finaliseDatabase(parser), 0);
        decoding.emplace(decode::Decoding::of(database));
        options = tables::buildConversionOptions(settings::ConversionSettings{});
        options.collectStats = true;
    }

    run::FileOutcome convertInParts(const std::filesystem::path& input,
                                    const std::filesystem::path& output, unsigned workers,
                                    run::FileStats& stats) {
        run::OpenedInput opened = run::openInput(input);
        EXPECT_NE(opened.source, nullptr);
        run::SequentialParts parts(*opened.source);
        const std::unique_ptr<tables::FileSink> sink = run::makeFileSink(*decoding, options);
        return run::convertInParts(parts, *opened.source, *decoding, options, *sink, output, {},
                                   workers, &stats, kTinyParts);
    }

    testing_support::ScratchDir dir{"text-log-parts"};
    dbc::CanDatabase database;
    std::optional<decode::Decoding> decoding;
    tables::ConversionOptions options;
};

// Read in runs of a few frames by turns, a text log gives the bytes, the outcome and the
// report's figures of one worker: relative and delta times, channels in order of appearance,
// skipped and unreadable lines with their numbers, a gzip-compressed log, and one cut short.
TEST_F(TextLogParts, GiveTheBytesAndFiguresOfOneWorker) {
    const std::string candump = candumpLog(3000);
    const std::string packed = gzipOf(candump);
    for (const auto& [name, bytes] :
         {std::pair<std::string, std::string>{"drive.asc", ascLog(3000)},
          {"drive.log", candump},
          {"drive.log.gz", packed},
          {"cut.log.gz", packed.substr(0, packed.size() / 2)}}) {
        SCOPED_TRACE(name);
        const std::filesystem::path input = dir / name;
        testing_support::writeFileBytes(input, bytes);
        run::FileConverter converter(*decoding, options);
        const run::FileOutcome one = converter.convert(input, dir / "one.csv");
        ASSERT_TRUE(one.wroteOutput());
        ASSERT_TRUE(one.stats);
        EXPECT_EQ(one.status,
                  name == "cut.log.gz" ? FileStatus::kCutShort : FileStatus::kConverted);
        EXPECT_GT(one.stats->lines, 1000u);
        EXPECT_GT(one.stats->logCounts.unreadable, 5u);
        const std::string expected = testing_support::readFileBytes(dir / "one.csv");
        for (const unsigned workers : {2u, 3u}) {
            SCOPED_TRACE(workers);
            run::FileStats stats;
            const run::FileOutcome outcome =
                convertInParts(input, dir / "parts.csv", workers, stats);
            EXPECT_EQ(outcome.status, one.status);
            EXPECT_EQ(outcome.where, one.where);
            EXPECT_TRUE(testing_support::readFileBytes(dir / "parts.csv") == expected);
            testing_support::expectSameLogFigures(stats, *one.stats);
        }
    }
}

// The run's own converter takes the workers for a text log of a megabyte or more: the same
// bytes as one worker.
TEST_F(TextLogParts, ConverterSplitsALargeLog) {
    const std::filesystem::path input = dir / "large.asc";
    testing_support::writeFileBytes(input, ascLog(40000));
    ASSERT_TRUE(run::SequentialParts::worthParts(input, 2));
    ASSERT_FALSE(run::SequentialParts::worthParts(input, 1));
    run::FileConverter one(*decoding, options);
    ASSERT_EQ(one.convert(input, dir / "one.csv").status, FileStatus::kConverted);
    run::FileConverter two(*decoding, options, {}, {}, 2);
    ASSERT_EQ(two.convert(input, dir / "two.csv").status, FileStatus::kConverted);
    EXPECT_TRUE(testing_support::readFileBytes(dir / "two.csv") ==
                testing_support::readFileBytes(dir / "one.csv"));
}

}  // namespace
