// Ctrl-C, SIGTERM and SIGHUP in the middle of a large conversion: the program exits with
// 128 + the signal, every older output is byte for byte as it was, and no temporary file is
// left behind.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <string>
#include <thread>

#include "tests/faults/fault_job.h"

namespace faults {
namespace {

#ifndef _WIN32
using Clock = std::chrono::steady_clock;

// A temporary output beside the captures that has begun to grow: the conversion is under way.
bool conversionUnderWay(const Path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::error_code error;
        if (entry.path().extension() == ".tmp" && entry.file_size(error) > 0) return true;
    }
    return false;
}

bool anyTemporaryFile(const Path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".tmp") return true;
    }
    return false;
}

class Interrupt : public FaultJob {};

TEST_F(Interrupt, EachSignalEndsTheRunWithoutHarmToOlderOutputs) {
    const std::string big = capture(7, 600000);
    const std::string dbc = (testing_support::sourceDir() / "examples" / "vehicle.dbc").string();
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        const Path folder = dir / ("signal" + std::to_string(signalNumber));
        const std::vector<Path> inputs = writeCaptures(folder, {big, big});
        for (const Path& input : inputs) {
            Path old = input;
            testing_support::writeFileBytes(old.replace_extension(".csv"), "older output\r\n");
        }
        const pid_t child = fork();
        if (child == 0) {
            const std::string cli = TXTCVT_CLI_PATH;
            execl(cli.c_str(), cli.c_str(), "convert", "--quiet", "--jobs", "2", "--dbc",
                  dbc.c_str(), folder.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        ASSERT_GT(child, 0);
        const auto deadline = Clock::now() + std::chrono::seconds(60);
        while (!conversionUnderWay(folder) && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ASSERT_TRUE(conversionUnderWay(folder)) << "the conversion never started";
        kill(child, signalNumber);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by the signal itself";
        EXPECT_EQ(WEXITSTATUS(status), 128 + signalNumber);
        for (const Path& input : inputs) {
            Path output = input;
            EXPECT_EQ(testing_support::readFileBytes(output.replace_extension(".csv")),
                      "older output\r\n");
        }
        EXPECT_FALSE(anyTemporaryFile(folder));
    }
}
#endif

}  // namespace
}  // namespace faults
