// What the commands that run a batch of captures share: the worker count, the progress bar over
// the bytes of the inputs, the watch for Ctrl-C, SIGTERM and SIGHUP, one line for each file that
// did not come through, and the last words of a run stopped by a signal.
#pragma once

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <vector>

#include "run/batch.h"
#include "sources/frame_walk.h"

namespace cli {

// The files run at once: `requested` (0: one per core), at least one, never more than there are
// files.
unsigned workerCount(unsigned requested, size_t fileCount);
// The threads one file of the batch may be converted on: the workers left over when there are
// fewer files than `requested` (0: one per core), shared out evenly, at least one.
unsigned partWorkerCount(unsigned requested, size_t fileCount);

struct BatchRun {
    std::vector<run::FileResult> results;
    int signal = 0;  // the signal that stopped the run, 0 when none did
    double seconds = 0.0;
};

// Runs the batch itself: given the worker count, the flag a signal sets (which ends the batch
// between files) and the control that gives up the files in hand and counts the bytes walked.
using BatchBody = std::function<std::vector<run::FileResult>(
    unsigned workers, const std::atomic<bool>& stop, const sources::WalkControl& control)>;

// Runs `body` over `files` with a progress bar on a terminal (unless quiet) and the signals
// watched for the time of the run.
BatchRun runWatchedBatch(const std::vector<std::filesystem::path>& files, unsigned jobs, bool quiet,
                         const BatchBody& body);

struct OutcomeCounts {
    size_t done = 0;
    size_t cutShort = 0;
    size_t failed = 0;
};

// Names on standard error every file that did not come through, with what happened, and the
// warnings of resampled tables (gaps left out, time running backwards); counts all.
OutcomeCounts reportOutcomes(const std::vector<std::filesystem::path>& files,
                             const std::vector<run::FileResult>& results,
                             std::string_view done = "converted");

// Says on standard error that a signal stopped the run and what that left; returns the exit
// status, 128 + the signal. `done` is the word of the command's outputs ("converted").
int stoppedBySignal(const char* command, const char* done, int signal);

}  // namespace cli
