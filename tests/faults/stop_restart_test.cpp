// Stopping a job of many files: every output is either complete or was never created, and the
// next job converts everything again.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "app/conversion_job.h"
#include "run/batch.h"
#include "tests/faults/fault_job.h"

namespace faults {
namespace {

constexpr size_t kFiles = 10;

class StopAndRestart : public FaultJob {
protected:
    void SetUp() override {
        for (size_t i = 0; i < kFiles; ++i) captures.push_back(capture(10 + i, 2000));
        expected = referenceOutputs(captures);
    }

    // Starts a job over `inputs` on its worker thread; `onProgress` runs on that thread.
    void start(app::ConversionJob& job, const std::vector<Path>& inputs,
               std::function<void(int32_t)> onProgress) {
        finished = false;
        app::JobCallbacks callbacks;
        callbacks.progress = std::move(onProgress);
        callbacks.done = [this](int32_t result) {
            std::lock_guard<std::mutex> lock(mutex);
            doneResult = result;
            finished = true;
        };
        ASSERT_TRUE(job.start(inputs, run::makeFileConversion(database, options), callbacks));
    }

    // How many outputs exist; each one that exists must be complete, and they come in order.
    size_t completeOutputs(const std::vector<Path>& inputs) {
        size_t present = 0;
        for (size_t i = 0; i < inputs.size(); ++i) {
            Path output = inputs[i];
            output.replace_extension(".csv");
            if (!std::filesystem::exists(output)) continue;
            EXPECT_EQ(present, i) << "outputs after a missing one";
            EXPECT_EQ(testing_support::readFileBytes(output), expected[i]) << output;
            ++present;
        }
        return present;
    }

    std::vector<std::string> captures;
    std::vector<std::string> expected;
    std::mutex mutex;
    bool finished = false;
    int32_t doneResult = -1;
};

TEST_F(StopAndRestart, StopDuringAFileCompletesItAndConvertsNoMore) {
    for (const size_t stopAt : {size_t{0}, size_t{3}, kFiles - 1}) {
        const auto inputs = writeCaptures(dir / ("stop" + std::to_string(stopAt)), captures);
        app::ConversionJob job;
        // The stop arrives while file `stopAt` converts, as a Stop press during it would.
        start(job, inputs, [&](int32_t position) {
            if (position == static_cast<int32_t>(2 * stopAt + 1)) job.requestStop();
        });
        job.join();
        EXPECT_TRUE(finished);
        EXPECT_EQ(doneResult, 0);
        EXPECT_EQ(completeOutputs(inputs), stopAt + 1);

        // A second job right after converts every file.
        start(job, inputs, [](int32_t) {});
        job.join();
        EXPECT_TRUE(finished);
        EXPECT_EQ(completeOutputs(inputs), kFiles);
    }
}

TEST_F(StopAndRestart, StopAtAnyMomentLeavesNoHalfWrittenFile) {
    for (const int delayMicroseconds : {0, 200, 2000, 8000, 30000}) {
        const auto inputs =
            writeCaptures(dir / ("at" + std::to_string(delayMicroseconds)), captures);
        app::ConversionJob job;
        start(job, inputs, [](int32_t) {});
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds));
        job.requestStop();
        job.join();
        EXPECT_TRUE(finished);
        // A stop before the worker looks ends the job without a file; otherwise the file in
        // hand is finished.
        completeOutputs(inputs);

        start(job, inputs, [](int32_t) {});
        job.join();
        EXPECT_EQ(completeOutputs(inputs), kFiles);
    }
}

}  // namespace
}  // namespace faults
