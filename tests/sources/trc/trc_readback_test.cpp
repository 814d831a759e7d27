// Trace files written by python-can's TRCWriter, read back frame for frame against the list of
// frames the writer was given.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "sources/byte_input.h"
#include "sources/trc/trc_source.h"
#include "tests/support/test_paths.h"

namespace {

struct Expected {
    uint32_t canId = 0;
    bool isExtended = false;
    bool transmitted = false;
    int channel = 0;
    int length = 0;
    std::vector<uint8_t> data;
    int64_t nanoseconds = 0;  // from the first frame given to the writer
};

std::vector<Expected> readExpected(const std::filesystem::path& path) {
    std::vector<Expected> frames;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Expected frame;
        std::string data;
        int extended = 0;
        int transmitted = 0;
        fields >> std::hex >> frame.canId >> std::dec >> extended >> transmitted >> frame.channel >>
            frame.length >> data >> frame.nanoseconds;
        EXPECT_FALSE(fields.fail()) << line;
        frame.isExtended = extended != 0;
        frame.transmitted = transmitted != 0;
        for (size_t i = 0; data != "-" && i + 1 < data.size(); i += 2)
            frame.data.push_back(static_cast<uint8_t>(std::stoi(data.substr(i, 2), nullptr, 16)));
        frames.push_back(frame);
    }
    return frames;
}

void expectReadBack(const std::filesystem::path& trc, const std::vector<Expected>& expected,
                    sources::TimeOrigin::Kind origin, int64_t tolerance, uint32_t seed) {
    auto input = std::make_unique<sources::FileInput>();
    ASSERT_TRUE(input->open(trc).ok());
    sources::TrcSource source(std::move(input));
    const platform::Status opened = source.open();
    ASSERT_TRUE(opened.ok()) << opened.description();
    EXPECT_EQ(source.timeOrigin().kind, origin);
    std::vector<can::Frame> frames(100);
    size_t at = 0;
    while (const size_t count = source.read(frames)) {
        for (size_t i = 0; i < count; ++i, ++at) {
            ASSERT_LT(at, expected.size()) << "more frames than written, seed " << seed;
            const can::Frame& frame = frames[i];
            const Expected& want = expected[at];
            SCOPED_TRACE("frame " + std::to_string(at) + " at line " + std::to_string(frame.place) +
                         ", seed " + std::to_string(seed));
            EXPECT_EQ(frame.kind, can::FrameKind::kData);
            EXPECT_EQ(frame.canId, want.canId);
            EXPECT_EQ(frame.isExtended, want.isExtended);
            EXPECT_FALSE(frame.isFd);
            EXPECT_EQ(frame.transmitted, want.transmitted);
            EXPECT_EQ(frame.channel, want.channel);
            ASSERT_EQ(frame.dataLength, want.length);
            EXPECT_EQ(std::vector<uint8_t>(frame.data, frame.data + frame.dataLength), want.data);
            EXPECT_NEAR(static_cast<double>(frame.time), static_cast<double>(want.nanoseconds),
                        static_cast<double>(tolerance));
        }
    }
    EXPECT_TRUE(source.status().ok());
    EXPECT_EQ(at, expected.size()) << "seed " << seed;
    EXPECT_EQ(source.counts().unreadable, 0u);
    EXPECT_FALSE(source.counts().cutShort);
}

TEST(TrcReadBack, FilesOfPythonCansWriterReadFrameForFrame) {
#ifdef _WIN32
    GTEST_SKIP() << "python-can is run on Linux only";
#endif
    if (std::system("/usr/bin/python3 -c 'import can' >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no python-can for /usr/bin/python3";
    const testing_support::ScratchDir dir("trc-readback");
    const uint32_t seed = std::random_device()();
    const std::string command =
        "/usr/bin/python3 '" +
        (testing_support::sourceDir() / "tests" / "sources" / "trc" / "trc_readback.py").string() +
        "' '" + dir.path().string() + "' " + std::to_string(seed);
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::vector<Expected> expected = readExpected(dir / "v2_1.expected");
    ASSERT_GT(expected.size(), 1000u);
    // python-can 4.1 writes a $STARTTIME that is not the first frame's time (the time of
    // writing plus the frame's, with the milliseconds of the day as the decimals of the
    // day), so times are compared as offsets from the first frame. Version 2.1 writes them
    // to the microsecond, version 1.0 to the millisecond, and its start comment is no date.
    expectReadBack(dir / "v2_1.trc", expected, sources::TimeOrigin::Kind::kDated, 1000, seed);
    expectReadBack(dir / "v1_0.trc", readExpected(dir / "v1_0.expected"),
                   sources::TimeOrigin::Kind::kElapsed, 500001, seed);
}

}  // namespace
