// Logs written by python-can's BLFWriter, read back frame for frame against the list of what
// was written (tests/sources/blf/blf_readback.py writes both).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "sources/blf/blf_source.h"
#include "tests/support/test_paths.h"

namespace {

#ifndef _WIN32
struct Written {
    std::string kind;
    int channel = 0;
    uint32_t id = 0;
    int extended = 0, fd = 0, brs = 0, esi = 0, tx = 0, length = 0;
    std::string data;
    int64_t timeUs = 0;
};

std::vector<Written> writtenFrames(const std::filesystem::path& path) {
    std::vector<Written> out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Written w;
        fields >> w.kind >> w.channel >> w.id >> w.extended >> w.fd >> w.brs >> w.esi >> w.tx >>
            w.length >> w.data >> w.timeUs;
        if (w.data == "-") w.data.clear();
        out.push_back(w);
    }
    return out;
}

std::string hexOf(const can::Frame& frame) {
    if (frame.kind == can::FrameKind::kRemote) return "";
    std::string out;
    char pair[3];
    for (int i = 0; i < frame.dataLength; ++i) {
        std::snprintf(pair, sizeof pair, "%02x", frame.data[i]);
        out += pair;
    }
    return out;
}

const char* kindName(can::FrameKind kind) {
    switch (kind) {
        case can::FrameKind::kData:
            return "data";
        case can::FrameKind::kRemote:
            return "remote";
        case can::FrameKind::kError:
            return "error";
        default:
            return "other";
    }
}

void compare(const std::filesystem::path& log, const std::vector<Written>& written) {
    sources::BlfSource source([&] {
        auto input = std::make_unique<sources::FileInput>();
        EXPECT_TRUE(input->open(log).ok());
        return input;
    }());
    ASSERT_TRUE(source.open().ok());
    const sources::TimeOrigin& origin = source.timeOrigin();
    ASSERT_EQ(origin.kind, sources::TimeOrigin::Kind::kDated);
    std::vector<can::Frame> frames(333);
    size_t at = 0;
    while (const size_t count = source.read(frames)) {
        for (size_t i = 0; i < count; ++i, ++at) {
            ASSERT_LT(at, written.size());
            const can::Frame& f = frames[i];
            const Written& w = written[at];
            SCOPED_TRACE("frame " + std::to_string(at));
            EXPECT_EQ(kindName(f.kind), w.kind);
            EXPECT_EQ(f.channel, w.channel);
            EXPECT_EQ(f.canId, w.id);
            EXPECT_EQ(f.isExtended, w.extended != 0);
            EXPECT_EQ(f.isFd, w.fd != 0);
            EXPECT_EQ(f.bitRateSwitch, w.brs != 0);
            EXPECT_EQ(f.errorState, w.esi != 0);
            EXPECT_EQ(f.transmitted, w.tx != 0);
            EXPECT_EQ(f.dataLength, w.length);
            EXPECT_EQ(hexOf(f), w.data);
            EXPECT_EQ(f.place, at + 1);
            const int64_t us = origin.startSeconds * 1000000 + origin.startNanoseconds / 1000 +
                               static_cast<int64_t>(f.time / 1000);
            EXPECT_NEAR(static_cast<double>(us - w.timeUs), 0.0, 1.0);
        }
    }
    EXPECT_TRUE(source.status().ok()) << source.status().description();
    EXPECT_EQ(at, written.size());
    EXPECT_EQ(source.counts().unreadable, 0u);
    EXPECT_TRUE(source.counts().skipped.empty());
    EXPECT_FALSE(source.counts().cutShort);
}

#endif

// Stored (compression level 0), python-can's default level and the best compression; the
// start time is written in local time, here nine hours ahead of UTC.
TEST(BlfReadBack, LogsOfPythonCanReadBackFrameForFrame) {
#ifdef _WIN32
    GTEST_SKIP() << "python-can is run on Linux";
#else
    if (std::system("/usr/bin/python3 -c 'import can' 2>/dev/null") != 0) {
        GTEST_SKIP() << "no python-can for /usr/bin/python3";
    }
    testing_support::useTimeZone("JST-9");
    testing_support::ScratchDir dir("blf_readback");
    const std::filesystem::path script =
        testing_support::sourceDir() / "tests" / "sources" / "blf" / "blf_readback.py";
    int seed = 1;
    for (const char* level : {"0", "-1", "9"}) {
        SCOPED_TRACE(std::string("compression level ") + level);
        const std::filesystem::path log = dir / (std::string("level") + level + ".blf");
        const std::filesystem::path text = dir / (std::string("level") + level + ".txt");
        const std::string command = "/usr/bin/python3 " + script.string() + " " + log.string() +
                                    " " + text.string() + " " + level + " " +
                                    std::to_string(seed++) + " 6000";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const std::vector<Written> written = writtenFrames(text);
        ASSERT_EQ(written.size(), 6000u);
        compare(log, written);
    }
#endif
}

}  // namespace
