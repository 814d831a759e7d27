// The Windows program's conversion job: the files chosen when it starts, converted one after
// another on one worker thread through the batch of the engine. It reports through two
// callbacks, which run on the worker thread: progress 2k+1 before the k-th file (from 0), 2n
// after the last one when it succeeded, then done with the result of the last file processed.
// What became of every file is kept for the end-of-job report.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "run/batch.h"

namespace app {

using Path = std::filesystem::path;

struct JobCallbacks {
    std::function<void(int32_t position)> progress;
    std::function<void(int32_t result)> done;
};

// The worker's loop, run on the calling thread. `stopRequested` is tested between files. Each
// file's result goes into `files` (when given) before done is called.
// `naming` gives each output its extension (.csv by default).
int32_t runConversionJob(const std::vector<Path>& inputs, run::FileConversion convertOne,
                         const JobCallbacks& callbacks, const std::atomic<bool>& stopRequested,
                         std::vector<run::FileResult>* files = nullptr,
                         const run::OutputNaming& naming = {});

class ConversionJob {
public:
    ConversionJob() = default;
    ~ConversionJob();  // asks the worker to stop and waits for it
    ConversionJob(const ConversionJob&) = delete;
    ConversionJob& operator=(const ConversionJob&) = delete;

    // Starts the worker unless one is still running (false then). When the thread cannot be
    // created, done(0x80004005) is called on this thread and the result is true.
    bool start(std::vector<Path> inputs, run::FileConversion convertOne,
               const JobCallbacks& callbacks, run::OutputNaming naming = {});
    // The worker finishes the file it is converting and then ends.
    void requestStop() { stopRequested_.store(true); }
    // Waits for the worker, if there is one.
    void join();
    bool running() const { return worker_.joinable(); }

    // The files of the last job and what became of each (none when its worker never started).
    // Read them only once join() has returned.
    const std::vector<Path>& inputs() const { return inputs_; }
    const std::vector<run::FileResult>& results() const { return results_; }

private:
    std::vector<Path> inputs_;
    std::vector<run::FileResult> results_;
    std::thread worker_;
    std::atomic<bool> stopRequested_{false};
};

}  // namespace app
