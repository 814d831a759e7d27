#include "app/conversion_job.h"

#include <system_error>

#include "platform/platform.h"

namespace app {

namespace {

void report(const std::function<void(int32_t)>& callback, int32_t value) {
    if (callback) callback(value);
}

}  // namespace

int32_t runConversionJob(const std::vector<Path>& inputs, run::FileConversion convertOne,
                         const JobCallbacks& callbacks, const std::atomic<bool>& stopRequested,
                         std::vector<run::FileResult>* files, const run::OutputNaming& naming) {
    int32_t started = 0;
    int32_t result = 0;
    run::BatchCallbacks batch;
    batch.fileStarted = [&](size_t) {
        report(callbacks.progress, 2 * started + 1);
        ++started;
    };
    batch.fileFinished = [&](size_t, const run::FileResult& file) { result = file.outcome.code; };
    std::vector<run::FileResult> results = run::runBatch(inputs, naming, 1, stopRequested, batch,
                                                         [&convertOne] { return convertOne; });
    if (files != nullptr) *files = std::move(results);
    if (result == 0) report(callbacks.progress, 2 * started);
    report(callbacks.done, result);
    return result;
}

ConversionJob::~ConversionJob() {
    requestStop();
    join();
}

bool ConversionJob::start(std::vector<Path> inputs, run::FileConversion convertOne,
                          const JobCallbacks& callbacks, run::OutputNaming naming) {
    if (running()) return false;
    stopRequested_.store(false);
    inputs_ = std::move(inputs);
    results_.clear();
    try {
        // The worker alone touches results_ until it has been joined.
        worker_ = std::thread(
            [this, convertOne = std::move(convertOne), callbacks, naming = std::move(naming)]() {
                runConversionJob(inputs_, convertOne, callbacks, stopRequested_, &results_, naming);
            });
    } catch (const std::system_error&) {
        report(callbacks.done, platform::kFail);
    }
    return true;
}

void ConversionJob::join() {
    if (worker_.joinable()) worker_.join();
}

}  // namespace app
