#include "cli/batch_run.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <system_error>
#include <thread>

#include "cli/progress_bar.h"
#include "cli/rules/outcome_text.h"
#include "platform/interrupt_watch.h"

namespace cli {

namespace {

uint64_t totalBytes(const std::vector<std::filesystem::path>& files) {
    uint64_t total = 0;
    for (const auto& file : files) {
        std::error_code error;
        const auto size = std::filesystem::file_size(file, error);
        if (!error) total += size;
    }
    return total;
}

}  // namespace

unsigned workerCount(unsigned requested, size_t fileCount) {
    const unsigned workers =
        requested != 0 ? requested : std::max(1u, std::thread::hardware_concurrency());
    return std::max(1u, static_cast<unsigned>(std::min<size_t>(workers, fileCount)));
}

unsigned partWorkerCount(unsigned requested, size_t fileCount) {
    const unsigned workers =
        requested != 0 ? requested : std::max(1u, std::thread::hardware_concurrency());
    return std::max(1u, static_cast<unsigned>(workers / std::max<size_t>(1, fileCount)));
}

BatchRun runWatchedBatch(const std::vector<std::filesystem::path>& files, unsigned jobs, bool quiet,
                         const BatchBody& body) {
    std::atomic<uint64_t> bytesWalked{0};
    ProgressBar progress(totalBytes(files), !quiet && ProgressBar::standardErrorIsTerminal());
    progress.watch(bytesWalked);
    // A signal stops the batch and gives up the files in hand at once.
    std::atomic<bool> interrupted{false};
    BatchRun run;
    const auto started = std::chrono::steady_clock::now();
    {
        const platform::InterruptWatch watch(interrupted);
        run.results =
            body(workerCount(jobs, files.size()), interrupted, {&interrupted, &bytesWalked});
        run.signal = watch.signalNumber();
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    progress.finish();
    return run;
}

OutcomeCounts reportOutcomes(const std::vector<std::filesystem::path>& files,
                             const std::vector<run::FileResult>& results, std::string_view done) {
    OutcomeCounts counts;
    for (size_t i = 0; i < files.size(); ++i) {
        const run::FileOutcome& outcome = results[i].outcome;
        if (outcome.converted()) {
            ++counts.done;
        } else {
            std::fprintf(stderr, "%s\n", outcomeLine(files, i, results[i], done).c_str());
            ++(outcome.status == run::FileStatus::kCutShort ? counts.cutShort : counts.failed);
        }
        for (const std::string& warning : resampleWarnings(files[i], outcome))
            std::fprintf(stderr, "%s\n", warning.c_str());
    }
    return counts;
}

int stoppedBySignal(const char* command, const char* done, int signal) {
    std::fprintf(stderr,
                 "%s: stopped by a signal; no output was left half-written, older outputs of the "
                 "files not %s are as they were\n",
                 command, done);
    return 128 + signal;
}

}  // namespace cli
