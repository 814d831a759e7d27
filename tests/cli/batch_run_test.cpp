#include "cli/batch_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "cli/rules/option_values.h"

namespace {

TEST(BatchRun, WorkerCountIsWhatWasAskedWithinTheFiles) {
    EXPECT_EQ(cli::workerCount(4, 10), 4u);
    EXPECT_EQ(cli::workerCount(4, 2), 2u);  // no idle workers
    EXPECT_EQ(cli::workerCount(4, 0), 1u);  // an empty batch still has its one worker
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    EXPECT_EQ(cli::workerCount(0, 1000), cores);
}

TEST(BatchRun, FewerFilesThanWorkersShareTheRestOut) {
    EXPECT_EQ(cli::partWorkerCount(4, 1), 4u);
    EXPECT_EQ(cli::partWorkerCount(4, 2), 2u);
    EXPECT_EQ(cli::partWorkerCount(4, 3), 1u);  // a worker left over splits no file
    EXPECT_EQ(cli::partWorkerCount(1, 1), 1u);
    EXPECT_EQ(cli::partWorkerCount(4, 0), 4u);
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    EXPECT_EQ(cli::partWorkerCount(0, 1), cores);
}

TEST(BatchRun, OutcomesAreCountedByWhatHappened) {
    const std::vector<std::filesystem::path> files = {"a.DT", "b.DT", "c.DT", "d.DT"};
    std::vector<run::FileResult> results(files.size());
    results[1].outcome.status = run::FileStatus::kCutShort;
    results[1].outcome.recordsClaimed = 10;
    results[1].outcome.recordsPresent = 4;
    results[2].outcome.status = run::FileStatus::kLoadFailed;
    results[2].outcome.code = static_cast<int32_t>(0x8007000D);
    results[3].outcome.status = run::FileStatus::kStopped;
    results[3].outcome.code = static_cast<int32_t>(0x800704C7);
    testing::internal::CaptureStderr();
    const cli::OutcomeCounts counts = cli::reportOutcomes(files, results);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(counts.done, 1u);
    EXPECT_EQ(counts.cutShort, 1u);
    EXPECT_EQ(counts.failed, 2u);
    // One line for each file that did not come through, none for the one that did.
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 3);
    EXPECT_EQ(said.find("a.DT"), std::string::npos);
    EXPECT_NE(said.find("b.DT"), std::string::npos);
    EXPECT_NE(said.find("c.DT"), std::string::npos);
}

TEST(BatchRun, StoppedRunExitsWithTheSignalAndSaysWhatItLeft) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(cli::stoppedBySignal("txtcvt-cli export", "exported", 15), 143);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "txtcvt-cli export: stopped by a signal; no output was left half-written, older "
              "outputs of the files not exported are as they were\n");
}

TEST(OptionValues, ChoiceWordsInAnyCaseAndJobCountsInRange) {
    enum class Pick { kFirst, kSecond };
    EXPECT_EQ(cli::pickWord<Pick>("SECOND", {"first", "second"}), Pick::kSecond);
    EXPECT_FALSE(cli::pickWord<Pick>("secon", {"first", "second"}));
    EXPECT_FALSE(cli::pickWord<Pick>("", {"first", "second"}));
    unsigned jobs = 7;
    for (const char* bad : {"0", "257", "-1", "2x", " 2", "", "99999999999"}) {
        EXPECT_FALSE(cli::parseJobCount(bad, jobs)) << bad;
        EXPECT_EQ(jobs, 7u) << bad;  // untouched on a refusal
    }
    EXPECT_TRUE(cli::parseJobCount("256", jobs));
    EXPECT_EQ(jobs, 256u);
}

}  // namespace
