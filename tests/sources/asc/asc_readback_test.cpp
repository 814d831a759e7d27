// ASC logs written by the writers people use (python-can's ASCWriter, can-utils' log2asc) read
// back frame for frame against the list of what each was given.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "sources/asc/asc_source.h"
#include "tests/support/test_paths.h"

namespace {

using testing_support::ScratchDir;

struct Expected {
    int64_t originSeconds = 0;
    int64_t originNanoseconds = 0;
    std::vector<std::string> frames;  // "kind id extended fd brs esi tx channel length data time"
};

// The frame in the script's words, for comparing and for the message of a difference.
std::string describe(const can::Frame& frame) {
    static const char* const kKinds[] = {"data", "remote", "error", "damaged", "event"};
    std::ostringstream out;
    out << kKinds[static_cast<int>(frame.kind)] << ' ' << std::uppercase << std::hex << frame.canId
        << std::dec << ' ' << frame.isExtended << ' ' << frame.isFd << ' ' << frame.bitRateSwitch
        << ' ' << frame.errorState << ' ' << frame.transmitted << ' ' << frame.channel << ' '
        << frame.dataLength << ' ';
    if (frame.kind != can::FrameKind::kData || frame.dataLength == 0) out << '-';
    for (int i = 0; frame.kind == can::FrameKind::kData && i < frame.dataLength; ++i) {
        static const char kDigits[] = "0123456789ABCDEF";
        out << kDigits[frame.data[i] >> 4] << kDigits[frame.data[i] & 15];
    }
    out << ' ' << frame.time;
    return out.str();
}

Expected readExpected(const std::filesystem::path& path) {
    Expected expected;
    std::ifstream in(path);
    std::string word;
    in >> word >> expected.originSeconds >> expected.originNanoseconds;
    EXPECT_EQ(word, "origin");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("frame ", 0) == 0) expected.frames.push_back(line.substr(6));
    }
    return expected;
}

// Runs the script; false (and the test skipped) where it cannot run here.
bool writeLog(const ScratchDir& scratch, const std::string& arguments) {
#ifdef _WIN32
    (void)scratch;
    (void)arguments;
    return false;
#else
    const std::string command = std::string("/usr/bin/python3 ") + TXTCVT_ASC_READBACK_SCRIPT +
                                " " + arguments + " > " + (scratch / "script.txt").string() +
                                " 2>&1";
    const int result = std::system(command.c_str());
    if (WIFEXITED(result) && WEXITSTATUS(result) == 77) return false;
    EXPECT_EQ(result, 0) << testing_support::readFileBytes(scratch / "script.txt");
    return result == 0;
#endif
}

void expectFramesOf(const std::filesystem::path& asc, const Expected& expected) {
    auto input = std::make_unique<sources::FileInput>();
    ASSERT_TRUE(input->open(asc).ok());
    sources::AscSource source(std::move(input));
    ASSERT_TRUE(source.open().ok()) << source.status().description();
    EXPECT_EQ(source.timeOrigin().kind, sources::TimeOrigin::Kind::kDated);
    EXPECT_EQ(source.timeOrigin().startSeconds, expected.originSeconds);
    EXPECT_EQ(source.timeOrigin().startNanoseconds, expected.originNanoseconds);
    std::vector<can::Frame> frames(77);
    size_t index = 0;
    for (size_t count; (count = source.read(frames)) != 0;) {
        for (size_t i = 0; i < count; ++i, ++index) {
            ASSERT_LT(index, expected.frames.size());
            ASSERT_EQ(describe(frames[i]), expected.frames[index]) << "frame " << index;
        }
    }
    EXPECT_TRUE(source.status().ok());
    EXPECT_EQ(index, expected.frames.size());
    EXPECT_EQ(source.counts().unreadable, 0u);
    EXPECT_FALSE(source.counts().cutShort);
}

class AscReadBack : public ::testing::Test {
protected:
    // Local dates in a zone with summer time, to carry the conversion to UTC.
    void SetUp() override { testing_support::useTimeZone("CET-1CEST,M3.5.0,M10.5.0/3"); }
    void TearDown() override { testing_support::useUtc(); }
};

TEST_F(AscReadBack, PythonCanWriterFramesComeBackWhole) {
    ScratchDir scratch("asc-python-can");
    for (const char* seed : {"1", "2"}) {
        const std::string arguments = std::string("python-can ") + (scratch / "log.asc").string() +
                                      " " + (scratch / "expected.txt").string() + " " + seed;
        if (!writeLog(scratch, arguments)) GTEST_SKIP() << "no python-can here";
        const Expected expected = readExpected(scratch / "expected.txt");
        ASSERT_EQ(expected.frames.size(), 600u);
        expectFramesOf(scratch / "log.asc", expected);
    }
}

// log2asc's three forms: classic lines, everything as CANFD lines (-f), four decimals (-4).
TEST_F(AscReadBack, Log2ascOfACandumpLogGivesItsFrames) {
    ScratchDir scratch("asc-log2asc");
    for (const char* options : {"", " -f", " -4"}) {
        const std::string arguments = std::string("log2asc ") + (scratch / "log.asc").string() +
                                      " " + (scratch / "expected.txt").string() + " 3" + options;
        if (!writeLog(scratch, arguments)) GTEST_SKIP() << "no log2asc here";
        const Expected expected = readExpected(scratch / "expected.txt");
        ASSERT_EQ(expected.frames.size(), 600u);
        expectFramesOf(scratch / "log.asc", expected);
    }
}

}  // namespace
