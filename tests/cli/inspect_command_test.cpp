#include "cli/inspect_command.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "tests/support/test_paths.h"
#include "tools/dtgen/capture_builder.h"

namespace {

// What inspectFile writes to standard output and standard error.
struct Inspection {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readBack(std::FILE* file) {
    std::string text;
    std::rewind(file);
    char block[4096];
    size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) text.append(block, got);
    std::fclose(file);
    return text;
}

Inspection inspect(const std::filesystem::path& path, bool json) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    Inspection result;
    if (out == nullptr || err == nullptr) return result;
    result.status = cli::inspectFile(path, json, out, err);
    result.out = readBack(out);
    result.err = readBack(err);
    return result;
}

std::string hex(const std::vector<uint8_t>& data) {
    std::string text;
    char digits[4];
    for (uint8_t byte : data) {
        std::snprintf(digits, sizeof digits, "%02X ", byte);
        text.append(digits);
    }
    if (!text.empty()) text.pop_back();
    return text;
}

// Captures of both layouts with every data length on both channels and both identifier kinds
// come back from `inspect --json` frame for frame.
TEST(InspectCommand, JsonRoundTripOfEveryFrameShape) {
    testing_support::ScratchDir dir("inspect-round-trip");
    for (int variant : {27, 29}) {
        dtgen::CaptureBuilder builder(variant);
        builder.timeStampMode(4).startTime(variant == 29 ? 1700000000 : 0, variant == 29 ? 7 : 0);
        std::ostringstream expected;
        uint32_t index = 0;
        std::ostringstream lines;
        for (int length = 1; length <= 64; ++length) {
            const bool extended = length % 2 == 0;
            const int channel = (length / 2) % 2;
            std::vector<uint8_t> data(static_cast<size_t>(length));
            for (int i = 0; i < length; ++i)
                data[static_cast<size_t>(i)] = static_cast<uint8_t>(length * 7 + i * 13);
            const uint32_t id = extended ? 0x1F000000u + static_cast<uint32_t>(length)
                                         : 0x700u + static_cast<uint32_t>(length);
            const uint64_t time = 1000u * static_cast<uint64_t>(length);
            builder.frame(
                {.channel = channel, .id = id, .extended = extended, .data = data, .time = time});
            lines << "{\"index\":" << index << ",\"kind\":" << channel + 1
                  << ",\"timeCount\":" << time << ",\"frame\":{\"channel\":" << channel
                  << ",\"canId\":" << id << ",\"isExtended\":" << (extended ? "true" : "false")
                  << ",\"dataLength\":" << length << ",\"data\":\"" << hex(data) << "\"}}\n";
            index += 1 + (length <= 8 ? 0 : length <= 36 ? 1 : 2);
        }
        builder.event({5, 77});
        lines << "{\"index\":" << index << ",\"kind\":5,\"timeCount\":77,\"frame\":null}\n";
        expected << "{\"variant\":" << variant
                 << ",\"subKind\":0,\"timeStampMode\":4,\"startSeconds\":"
                 << (variant == 29 ? 1700000000 : 0)
                 << ",\"startNanoseconds\":" << (variant == 29 ? 7 : 0)
                 << ",\"records\":" << index + 1 << "}\n"
                 << lines.str();
        const std::filesystem::path path = dir / ("round" + std::to_string(variant) + ".DT");
        testing_support::writeFileBytes(path, builder.build());
        const Inspection result = inspect(path, true);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.out, expected.str()) << variant;
        EXPECT_EQ(result.err, "");
    }
}

// Only a capture cut inside its records carries the mark, in both forms.
TEST(InspectCommand, CutCaptureShowsTheRecordsPresent) {
    testing_support::ScratchDir dir("inspect-cut");
    dtgen::CaptureBuilder builder(29);
    builder.frame({.id = 0x10, .data = {1}, .time = 3}).frame({.id = 0x11, .data = {2}});
    builder.frame({.id = 0x12, .data = {3}}).truncate(33);
    testing_support::writeFileBytes(dir / "cut.DT", builder.build());
    const Inspection json = inspect(dir / "cut.DT", true);
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out,
              "{\"variant\":29,\"subKind\":0,\"timeStampMode\":0,\"startSeconds\":0,"
              "\"startNanoseconds\":0,\"records\":1,\"cutShort\":true,\"recordsClaimed\":3}\n"
              "{\"index\":0,\"kind\":1,\"timeCount\":3,\"frame\":{\"channel\":0,\"canId\":16,"
              "\"isExtended\":false,\"dataLength\":1,\"data\":\"01\"}}\n");
    const Inspection text = inspect(dir / "cut.DT", false);
    EXPECT_EQ(text.out,
              "variant 29, sub-kind 0, time-stamp mode 0, start 0 s 0 ns, 1 records present, cut "
              "short: the record chunk claims 3\n"
              "         0  kind 1  time 3             CH1 std 0x10 [1] 01\n");
}

TEST(InspectCommand, PlainTextAndFailures) {
    testing_support::ScratchDir dir("inspect-text");
    dtgen::CaptureBuilder builder(27);
    builder.timeStampMode(6).frame(
        {.channel = 1, .id = 0x123, .data = {0x01, 0xA2, 0xFF}, .time = 5});
    builder.frame({.id = 0x124, .data = {1}, .lengthField = 0});
    testing_support::writeFileBytes(dir / "a.DT", builder.build());
    const Inspection text = inspect(dir / "a.DT", false);
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out,
              "variant 27, sub-kind 0, time-stamp mode 6, start 0 s 0 ns, 2 records\n"
              "         0  kind 2  time 5             CH2 std 0x123 [3] 01 A2 FF\n"
              "         1  kind 1  time 0             no frame\n");

    testing_support::writeFileBytes(dir / "bad.DT", builder.breakSignature().build());
    const Inspection corrupt = inspect(dir / "bad.DT", true);
    EXPECT_EQ(corrupt.status, 1);
    EXPECT_EQ(corrupt.out, "");
    EXPECT_NE(corrupt.err.find(
                  "bad.DT: The specified data file is unsupported or corrupt. (0x8007000D)\n"),
              std::string::npos)
        << corrupt.err;
    const Inspection missing = inspect(dir / "missing.DT", true);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("missing.DT: Cannot convert. (0x80070002)\n"), std::string::npos)
        << missing.err;

    EXPECT_EQ(cli::runInspect({}), 2);
    EXPECT_EQ(cli::runInspect({"a.DT", "--xml"}), 2);
}

}  // namespace
