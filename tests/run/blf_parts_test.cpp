#include "run/blf_parts.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <thread>

#include "dbc/finalise.h"
#include "dbc/line_parser.h"
#include "run/file_converter.h"
#include "run/file_parts.h"
#include "run/sink_choice.h"
#include "tests/run/log_figures.h"
#include "tests/sources/blf/blf_test_files.h"
#include "tests/support/test_paths.h"

namespace {

using namespace blf_test;
using run::FileStatus;

constexpr uint32_t kExt = 0x80000000;

constexpr std::string_view kDbc[] = {
    "BO_ 256 Engine: 8 ECU",
    " SG_ Speed : 0|16@1+ (0.5,0) [0|100] \"km/h\" X",
    " SG_ Gear : 16|4@1+ (1,0) [0|15] \"\" X",
    "BO_ 512 Mux: 64 ECU",
    " SG_ Switch M : 0|8@1+ (1,0) [0|255] \"\" X",
    " SG_ Low m1 : 8|16@1+ (1,0) [0|65535] \"\" X",
    " SG_ Tail m2 : 480|16@1+ (1,0) [0|65535] \"\" X",
};

// Parts of one container each: every container edge is a part's edge.
constexpr run::PartSizes kOneContainerParts{
    .firstUnits = 1, .minUnits = 1, .maxUnits = 1, .outputBytes = 1};

// The objects of a log as CANoe and python-can write them: classic and FD frames on three
// channels, remote and error frames, objects of other buses and texts (skipped), padding, and
// here and there damage (a signature with an impossible header, stray bytes).
std::string logObjects(uint32_t seed, int count) {
    std::mt19937 random(seed);
    std::string out;
    uint64_t stamp = 0;
    for (int i = 0; i < count; ++i) {
        stamp += 1000 + random() % 50000;
        std::string data(64, '\0');
        for (char& byte : data) byte = static_cast<char>(random());
        const auto channel = static_cast<uint16_t>(1 + random() % 3);
        switch (random() % 16) {
            case 0: {
                const std::string text = object(65, std::string(10, '\0') + "marker", stamp);
                out += text + padding(text);
                break;
            }
            case 1:
                out += object(73, canErrorExt(channel, 2, 0x100, data.substr(0, 2)), stamp);
                break;
            case 2:
                out += object(
                    101, canFdMessage64(static_cast<uint8_t>(channel), 15, 0x200, 0x1000, 0, data),
                    stamp);
                break;
            case 3:
                out += object(86, canMessage2(channel, 0x80, 8, 0x100, ""), stamp);
                break;
            case 4:
                if (i % 7 == 0) out += "LOBJ" + std::string(12, '\x7F');  // no object after all
                if (i % 11 == 0) out += std::string(9, '\x33');           // stray bytes
                [[fallthrough]];
            default:
                out += object(
                    86,
                    canMessage2(channel, 0, 8, (i % 3 == 0 ? kExt : 0) | 0x100, data.substr(0, 8)),
                    stamp);
                break;
        }
    }
    return out;
}

// The objects in containers of irregular sizes, each object likely to run over a container's
// edge: compressed or stored, at random.
std::string containers(const std::string& objects, uint32_t seed) {
    std::mt19937 random(seed);
    std::string file;
    for (size_t at = 0; at < objects.size();) {
        const size_t size = std::min<size_t>(objects.size() - at, 40 + random() % 700);
        const std::string_view content = std::string_view(objects).substr(at, size);
        file += random() % 4 == 0 ? storedContainer(content) : zlibContainer(content);
        at += size;
    }
    return file;
}

std::string logFile(const std::string& objects, uint32_t seed) {
    return fileHeader(systemTime(2024, 5, 6, 10, 20, 30, 400)) + containers(objects, seed);
}

class BlfParts : public ::testing::Test {
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
                                    run::FileStats& stats, uint64_t maxInMemory,
                                    size_t maxReadAhead, const sources::WalkControl& control = {}) {
        run::OpenedInput opened = run::openInput(input);
        EXPECT_NE(opened.source, nullptr);
        const auto* log = dynamic_cast<const sources::BlfSource*>(opened.source.get());
        EXPECT_NE(log, nullptr);
        run::BlfParts parts(input, *log, maxInMemory, maxReadAhead);
        EXPECT_TRUE(parts.open().ok());
        const std::unique_ptr<tables::FileSink> sink = run::makeFileSink(*decoding, options);
        return run::convertInParts(parts, *opened.source, *decoding, options, *sink, output,
                                   control, workers, &stats, kOneContainerParts);
    }

    testing_support::ScratchDir dir{"blf-parts"};
    dbc::CanDatabase database;
    std::optional<decode::Decoding> decoding;
    tables::ConversionOptions options;
};

// Wherever the containers' edges fall, a log converted in parts gives the bytes, the outcome and
// the report's figures of one worker: object numbers of the damage, skipped objects, channels,
// a log cut short inside its last container, a damaged container in the middle (the file fails
// there as with one worker), an object outside any container (the rest is one part); parts
// inflated before their walk, parts read from the file as they are walked, and parts whose
// frames are read as they are converted past the first few.
TEST_F(BlfParts, GiveTheBytesAndFiguresOfOneWorker) {
    const std::string objects = logObjects(5, 1500);
    const std::string whole = logFile(objects, 9);
    std::string cut = whole.substr(0, whole.size() - 300);
    std::string damaged = whole;
    {
        // The compressed bytes of a container near the middle made no zlib stream.
        const size_t at = damaged.find("LOBJ", damaged.size() / 2);
        ASSERT_NE(at, std::string::npos);
        damaged[at + 32] = '\x7F';
        damaged[at + 33] = '\x7F';
    }
    const std::string loose = logFile(objects.substr(0, objects.size() / 2), 9) +
                              object(86, canMessage2(1, 0, 1, 0x100, "\x05"), 1) +
                              containers(objects.substr(objects.size() / 2), 10);
    for (const auto& [name, bytes] : {std::pair<std::string, std::string>{"whole", whole},
                                      {"cut", cut},
                                      {"damaged", damaged},
                                      {"loose", loose}}) {
        SCOPED_TRACE(name);
        std::filesystem::remove(dir / "in.blf");
        testing_support::writeFileBytes(dir / "in.blf", bytes);
        run::FileConverter converter(*decoding, options);
        const run::FileOutcome one = converter.convert(dir / "in.blf", dir / "one.csv");
        ASSERT_TRUE(one.stats);
        if (name != "damaged") {
            ASSERT_TRUE(one.wroteOutput());
            EXPECT_GT(one.stats->lines, 1000u);
            EXPECT_GT(one.stats->logCounts.unreadable, 3u);
        }
        EXPECT_EQ(one.status, name == "cut"       ? FileStatus::kCutShort
                              : name == "damaged" ? FileStatus::kLoadFailed
                                                  : FileStatus::kConverted);
        const std::string expected =
            one.wroteOutput() ? testing_support::readFileBytes(dir / "one.csv") : "";
        struct Way {
            unsigned workers;
            uint64_t inMemory;
            size_t readAhead;
        };
        for (const Way way :
             {Way{2, run::BlfParts::kMaxInMemory, run::BlfParts::kMaxReadAhead},
              Way{3, 0, run::BlfParts::kMaxReadAhead}, Way{2, run::BlfParts::kMaxInMemory, 3}}) {
            SCOPED_TRACE(testing::Message()
                         << way.workers << " " << way.inMemory << " " << way.readAhead);
            std::filesystem::remove(dir / "parts.csv");
            run::FileStats stats;
            const run::FileOutcome outcome = convertInParts(
                dir / "in.blf", dir / "parts.csv", way.workers, stats, way.inMemory, way.readAhead);
            EXPECT_EQ(outcome.status, one.status);
            EXPECT_EQ(outcome.where, one.where);
            EXPECT_EQ(outcome.code, one.code);
            if (!one.wroteOutput()) {
                EXPECT_FALSE(std::filesystem::exists(dir / "parts.csv"));
                continue;
            }
            EXPECT_TRUE(testing_support::readFileBytes(dir / "parts.csv") == expected);
            testing_support::expectSameLogFigures(stats, *one.stats);
        }
    }
}

// A stop request, before the parts or in the middle of them (parts waiting for the one before,
// a part read as it is converted), gives the file up as one worker does: the old output stays.
TEST_F(BlfParts, AStopEndsTheFileAsOneWorkerDoes) {
    testing_support::writeFileBytes(dir / "in.blf", logFile(logObjects(8, 20000), 3));
    testing_support::writeFileBytes(dir / "old.csv", "old output\n");
    for (const bool midway : {false, true}) {
        for (const size_t readAhead : {size_t{3}, run::BlfParts::kMaxReadAhead}) {
            std::atomic<bool> stop{!midway};
            std::atomic<uint64_t> walked{0};
            std::thread stopper([&] {
                while (midway && walked.load() < 100000) std::this_thread::yield();
                stop = true;
            });
            run::FileStats stats;
            const run::FileOutcome outcome =
                convertInParts(dir / "in.blf", dir / "old.csv", 3, stats,
                               run::BlfParts::kMaxInMemory, readAhead, {&stop, &walked});
            stopper.join();
            EXPECT_EQ(outcome.status, FileStatus::kStopped);
            EXPECT_EQ(testing_support::readFileBytes(dir / "old.csv"), "old output\n");
        }
    }
}

}  // namespace
