// Logs written by python-can's CanutilsLogWriter, and by can-utils' asc2log from python-can's
// ASC files, read back frame for frame against what was written (candump_readback.py).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "sources/candump/candump_source.h"
#include "tests/support/test_paths.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace {

#ifdef _WIN32
TEST(CandumpReadBack, RunsWherePythonCanAndCanUtilsDo) {
    GTEST_SKIP() << "python-can and can-utils run on Linux only here";
}
#else

struct Written {
    int channel = 0;
    std::string kind;
    uint32_t id = 0;
    int extended = 0, fd = 0, brs = 0, esi = 0, transmitted = 0, length = 0;
    std::string data;
    int64_t micros = 0;
};

std::vector<Written> readExpected(const std::filesystem::path& path) {
    std::istringstream in(testing_support::readFileBytes(path));
    std::vector<Written> frames;
    Written w;
    std::string id;
    while (in >> w.channel >> w.kind >> id >> w.extended >> w.fd >> w.brs >> w.esi >>
           w.transmitted >> w.length >> w.data >> w.micros) {
        w.id = static_cast<uint32_t>(std::stoul(id, nullptr, 16));
        if (w.data == "-") w.data.clear();
        frames.push_back(w);
    }
    return frames;
}

std::string hexOf(const can::Frame& frame) {
    std::string hex;
    const int shown = frame.kind == can::FrameKind::kRemote ? 0 : frame.dataLength;
    for (int i = 0; i < shown; ++i) {
        char byte[3];
        std::snprintf(byte, sizeof byte, "%02X", frame.data[i]);
        hex += byte;
    }
    return hex;
}

const char* kindOf(const can::Frame& frame) {
    switch (frame.kind) {
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

// Runs the writer script; false (and the test skipped) where it cannot run.
bool writeLog(const std::string& part, const testing_support::ScratchDir& dir, int seed) {
    const std::string command =
        "/usr/bin/python3 \"" +
        (testing_support::sourceDir() / "tests" / "sources" / "candump" / "candump_readback.py")
            .string() +
        "\" " + part + " \"" + dir.path().string() + "\" " + std::to_string(seed);
    const int status = std::system(command.c_str());
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) return false;
    EXPECT_EQ(status, 0) << command;
    return status == 0;
}

struct ReadBack {
    std::vector<can::Frame> frames;
    sources::TimeOrigin origin;
    sources::SourceCounts counts;
};

ReadBack readLog(const std::filesystem::path& path) {
    auto input = std::make_unique<sources::FileInput>();
    EXPECT_TRUE(input->open(path).ok());
    sources::CandumpSource source(std::move(input));
    ReadBack back;
    EXPECT_TRUE(source.open().ok());
    std::vector<can::Frame> frames(256);
    while (const size_t got = source.read(frames)) {
        back.frames.insert(back.frames.end(), frames.begin(), frames.begin() + got);
    }
    EXPECT_TRUE(source.status().ok());
    back.origin = source.timeOrigin();
    back.counts = source.counts();
    return back;
}

// Frame for frame; `sinceFirst` compares times from the first frame's.
void compare(const ReadBack& back, const std::vector<Written>& written, bool sinceFirst) {
    EXPECT_EQ(back.counts.unreadable, 0u);
    EXPECT_TRUE(back.counts.skipped.empty());
    ASSERT_EQ(back.origin.kind, sources::TimeOrigin::Kind::kDated);
    ASSERT_EQ(back.frames.size(), written.size());
    ASSERT_FALSE(written.empty());
    const auto microsOf = [&](const can::Frame& frame) {
        return back.origin.startSeconds * 1000000 + static_cast<int64_t>(frame.time / 1000);
    };
    const int64_t firstMicros = microsOf(back.frames[0]);
    for (size_t i = 0; i < written.size(); ++i) {
        const can::Frame& f = back.frames[i];
        const Written& w = written[i];
        SCOPED_TRACE("frame " + std::to_string(i + 1));
        EXPECT_EQ(f.place, i + 1);
        EXPECT_EQ(f.channel, w.channel);
        EXPECT_STREQ(kindOf(f), w.kind.c_str());
        EXPECT_EQ(f.canId, w.id);
        EXPECT_EQ(f.isExtended, w.extended != 0);
        EXPECT_EQ(f.isFd, w.fd != 0);
        EXPECT_EQ(f.bitRateSwitch, w.brs != 0);
        EXPECT_EQ(f.errorState, w.esi != 0);
        EXPECT_EQ(f.transmitted, w.transmitted != 0);
        EXPECT_EQ(f.dataLength, w.length);
        EXPECT_EQ(hexOf(f), w.data);
        EXPECT_EQ(f.time % 1000, 0u);
        EXPECT_EQ(microsOf(f) - (sinceFirst ? firstMicros : 0), w.micros);
    }
}

// Classic, CAN FD (BRS, ESI), extended, remote and error frames on can0, can1, can2 and vcan5;
// received and sent.
TEST(CandumpReadBack, PythonCanLogsReadAsWritten) {
    for (const int seed : {1, 2}) {
        testing_support::ScratchDir dir("candump-python-can");
        if (!writeLog("canutils", dir, seed)) GTEST_SKIP() << "no python-can";
        const ReadBack back = readLog(dir / "frames.log");
        EXPECT_EQ(back.origin.startSeconds, 1700000000);
        compare(back, readExpected(dir / "expected.txt"), false);
    }
}

// The same kinds of frames through an ASC file and can-utils' asc2log, on can0 to can3.
TEST(CandumpReadBack, Asc2logOfPythonCanAscFilesReadsAsTheAscFile) {
    testing_support::ScratchDir dir("candump-asc2log");
    if (!writeLog("asc2log", dir, 3)) GTEST_SKIP() << "no python-can or asc2log";
    compare(readLog(dir / "frames.log"), readExpected(dir / "expected.txt"), true);
}

#endif  // _WIN32

}  // namespace
