#include "run/batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "tests/support/test_paths.h"

namespace {

using run::FileOutcome;
using run::FileStatus;
using run::Path;

constexpr int32_t kTooLong = static_cast<int32_t>(0x800700CE);

TEST(OutputPath, ExtensionFromTheLastDotOfTheNameBecomesCsv) {
    const std::pair<Path, Path> cases[] = {
        {"dir/X.DT", "dir/X.csv"},        {"dir/#X.DT", "dir/#X.csv"}, {"a.b.DT", "a.b.csv"},
        {"dir.d/name", "dir.d/name.csv"}, {"trail.", "trail.csv"},     {"x.data", "x.csv"},
    };
    for (const auto& [input, expected] : cases) {
        Path output;
        EXPECT_EQ(run::outputPathFor(input, output), 0) << input;
        EXPECT_EQ(output, expected) << input;
    }
    Path output = "stale";
    EXPECT_EQ(run::outputPathFor("dir/X.csv", output), kTooLong);
    EXPECT_TRUE(output.empty());
}

TEST(OutputPath, MustFitIn260UnitsWithTheTerminator) {
    // 258 units of input give 259 of output: the longest that fits. Each kana is one unit.
    const std::u16string folder = u"d/" + std::u16string(250, u'\u30C7') + u"/";
    Path output;
    EXPECT_EQ(run::outputPathFor(platform::pathFromUtf16(folder + u"ab.DT"), output), 0);
    EXPECT_EQ(platform::pathToUtf16(output).size(), 259u);
    EXPECT_EQ(run::outputPathFor(platform::pathFromUtf16(folder + u"abc.DT"), output), kTooLong);
}

TEST(OutputPath, TheInputIsNeverItsOwnOutput) {
    testing_support::ScratchDir dir("job-same-file");
    testing_support::writeFileBytes(dir / "Y.CSV", "capture");
    Path output;
    const int32_t result = run::outputPathFor(dir / "Y.CSV", output);
#ifdef _WIN32
    EXPECT_EQ(result, kTooLong);  // the names differ in case only: one file
#else
    EXPECT_EQ(result, 0);  // two different files here
    EXPECT_EQ(output, dir / "Y.csv");
#endif
}

TEST(OutputPath, TakesTheExtensionOfTheNaming) {
    Path output;
    EXPECT_EQ(run::outputPathFor("d/run.DT", run::OutputNaming{".xlsx", {}, {}}, output), 0);
    EXPECT_EQ(output, Path("d/run.xlsx"));
}

// What the workers did: the files each thread converted, in order.
struct Workers {
    std::mutex mutex;
    std::vector<std::pair<std::thread::id, std::string>> converted;
    int made = 0;

    run::WorkerFactory factory() {
        return [this] {
            {
                std::lock_guard<std::mutex> lock(mutex);
                ++made;
            }
            return [this](const Path& input, const Path&) {
                std::lock_guard<std::mutex> lock(mutex);
                converted.emplace_back(std::this_thread::get_id(), input.generic_string());
                if (input.filename() == "throws.DT") throw std::runtime_error("broken");
                return input.filename() == "bad.DT"
                           ? FileOutcome::loadFailed(platform::kInvalidData)
                           : FileOutcome{};
            };
        };
    }
};

TEST(Batch, OneResultPerInputInListOrderWhateverTheWorkers) {
    const std::vector<Path> inputs = {"a.DT", "bad.DT", "c.DT", "throws.DT", "e.csv", "f.DT"};
    for (const unsigned workerCount : {1u, 2u, 4u}) {
        Workers workers;
        std::mutex mutex;
        std::vector<size_t> started, finished;
        run::BatchCallbacks callbacks;
        callbacks.fileStarted = [&](size_t i) {
            std::lock_guard<std::mutex> lock(mutex);
            started.push_back(i);
        };
        callbacks.fileFinished = [&](size_t i, const run::FileResult&) {
            std::lock_guard<std::mutex> lock(mutex);
            finished.push_back(i);
        };
        const std::atomic<bool> stop{false};
        const auto results =
            run::runBatch(inputs, {}, workerCount, stop, callbacks, workers.factory());
        ASSERT_EQ(results.size(), inputs.size());
        EXPECT_TRUE(results[0].outcome.converted());
        EXPECT_EQ(results[0].output, Path("a.csv"));
        EXPECT_EQ(results[1].outcome.status, FileStatus::kLoadFailed);
        EXPECT_EQ(results[1].outcome.code, platform::kInvalidData);
        EXPECT_EQ(results[3].outcome.status, FileStatus::kFailed);  // the throw fails one file
        EXPECT_EQ(results[4].outcome.status, FileStatus::kOutputFailed);
        EXPECT_EQ(results[4].outcome.code, kTooLong);
        EXPECT_TRUE(results[5].outcome.converted());
        EXPECT_EQ(std::set<size_t>(started.begin(), started.end()).size(), inputs.size());
        EXPECT_EQ(finished.size(), inputs.size());
        // A file whose output cannot be formed is never handed to a worker.
        EXPECT_EQ(workers.converted.size(), inputs.size() - 1);
        EXPECT_LE(workers.made, static_cast<int>(workerCount));
    }
}

TEST(Batch, OfInputsWithOneOutputOnlyTheFirstIsConverted) {
    const std::vector<Path> inputs = {"x/a.DT", "x/b.DT", "x/a.XY", "x/c.DT", "x/a.DT", "x/A.DT"};
    for (const unsigned workerCount : {1u, 3u}) {
        Workers workers;
        const std::atomic<bool> stop{false};
        const auto results = run::runBatch(inputs, {}, workerCount, stop, {}, workers.factory());
        std::vector<std::string> converted;
        for (const auto& [thread, input] : workers.converted) converted.push_back(input);
        std::sort(converted.begin(), converted.end());
        EXPECT_EQ(converted, (std::vector<std::string>{"x/a.DT", "x/b.DT", "x/c.DT"}));
        // x/A.DT gives the output of x/a.DT where case is ignored (Windows): one output, one
        // writer, on every system.
        EXPECT_EQ(results[5].outcome.status, FileStatus::kSameOutput);
        EXPECT_EQ(results[2].outcome.status, FileStatus::kSameOutput);
        EXPECT_EQ(results[2].outcome.code, static_cast<int32_t>(0x800700B7));
        EXPECT_EQ(results[2].sameOutputAs, 0u);
        // The same file named again shares the first one's outcome.
        EXPECT_TRUE(results[4].outcome.converted());
        EXPECT_EQ(results[4].sameOutputAs, 0u);
        EXPECT_EQ(results[1].sameOutputAs, run::FileResult::kNone);
    }
}

TEST(Batch, AStopLeavesTheFilesNotStartedStopped) {
    const std::vector<Path> inputs = {"a.DT", "b.DT", "c.DT"};
    std::atomic<bool> stop{false};
    run::BatchCallbacks callbacks;
    callbacks.fileFinished = [&](size_t index, const run::FileResult&) {
        if (index == 0) stop.store(true);
    };
    Workers workers;
    const auto results = run::runBatch(inputs, {}, 1, stop, callbacks, workers.factory());
    EXPECT_TRUE(results[0].outcome.converted());
    for (size_t i = 1; i < inputs.size(); ++i) {
        EXPECT_EQ(results[i].outcome.status, FileStatus::kStopped) << i;
        EXPECT_EQ(results[i].outcome.code, platform::kCancelled) << i;
    }
    EXPECT_EQ(workers.converted.size(), 1u);
}

}  // namespace
