// A conversion job: the files chosen when it starts, converted one after another on one worker
// thread. It reports only through callbacks, which run on the worker thread: progress 2k+1
// before the k-th file (from 0), 2n after the last one when it succeeded, then done with the
// result of the last file processed.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

namespace convert {

using Path = std::filesystem::path;

// Loads, converts and releases one file; 0 or an HRESULT-style code.
using ConvertOneFile = std::function<int32_t(const Path& input, const Path& output)>;

struct JobCallbacks {
    std::function<void(int32_t position)> progress;
    std::function<void(int32_t result)> done;
};

// The output path of an input: the extension of the file name (from its last dot) replaced by
// ".csv", or ".csv" appended to a name without a dot. 0x800700CE (file name too long) when the
// result does not fit in 260 UTF-16 units with the terminator or names the input itself.
int32_t outputPathFor(const Path& input, Path& output);

// The worker's loop, run on the calling thread. `stopRequested` is tested between files.
int32_t runConversionJob(const std::vector<Path>& inputs, const ConvertOneFile& convertOne,
                         const JobCallbacks& callbacks, const std::atomic<bool>& stopRequested);

class ConversionJob {
public:
    ConversionJob() = default;
    ~ConversionJob();  // asks the worker to stop and waits for it
    ConversionJob(const ConversionJob&) = delete;
    ConversionJob& operator=(const ConversionJob&) = delete;

    // Starts the worker unless one is still running (false then). When the thread cannot be
    // created, done(0x80004005) is called on this thread and the result is true.
    bool start(std::vector<Path> inputs, ConvertOneFile convertOne, JobCallbacks callbacks);
    // The worker finishes the file it is converting and then ends.
    void requestStop() { stopRequested_.store(true); }
    // Waits for the worker, if there is one.
    void join();
    bool running() const { return worker_.joinable(); }

private:
    std::thread worker_;
    std::atomic<bool> stopRequested_{false};
};

// The message a job's result calls for: 0 for none (success or cancelled), 139 for data the
// program cannot read, 137 for any other failure.
int jobResultMessageId(int32_t result);
// The English text of that message, or nullptr for none.
const char* jobResultMessage(int32_t result);

}  // namespace convert
