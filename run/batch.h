// The one entry point for converting a list of inputs, shared by the Windows program and the
// command line: each output path is worked out once, the inputs are shared out among workers
// (inputs with the same output go to one worker, in list order), a stop request is tested
// between files, and each file's start and end are reported through callbacks.
#pragma once

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "dbc/database.h"
#include "decode/decoding_setup.h"
#include "run/file_outcome.h"
#include "run/input_open.h"
#include "sources/frame_walk.h"
#include "tables/table_options.h"

namespace run {

using Path = std::filesystem::path;

// Where the output of an input goes.
struct OutputNaming {
    std::string extension = ".csv";
    Path directory;  // non-empty: the outputs go into this folder instead of beside the inputs
    Path single;     // non-empty: the one output of a single input; "-" is standard output
};

// The output path of an input: the extension of the file name (from its last dot) replaced by
// the naming's extension, or the extension appended to a name without a dot; in the naming's
// folder when it has one. 0x800700CE (file name too long) when the result does not fit in 260
// UTF-16 units with the terminator or names the input itself.
int32_t outputPathFor(const Path& input, const OutputNaming& naming, Path& output);
inline int32_t outputPathFor(const Path& input, Path& output) {
    return outputPathFor(input, OutputNaming{}, output);
}

struct FileResult {
    static constexpr size_t kNone = static_cast<size_t>(-1);
    Path output;  // empty when no output path could be formed
    FileOutcome outcome;
    double seconds = 0.0;  // the time its conversion took
    // The earlier input with the same output: a different file makes this one kSameOutput; the
    // same file named again is converted once and shares that input's outcome.
    size_t sameOutputAs = kNone;
};

// The callbacks run on the worker threads, so they must be safe to call from several at once.
struct BatchCallbacks {
    std::function<void(size_t index)> fileStarted;
    std::function<void(size_t index, const FileResult& result)> fileFinished;
};

// Converts one file of a worker: load, convert, release.
using FileConversion = std::function<FileOutcome(const Path& input, const Path& output)>;
// Makes the conversion of one worker; called once, on that worker's thread.
using WorkerFactory = std::function<FileConversion()>;

// Runs the inputs on `workers` threads (the calling thread when it is 1) with the conversions
// the factory makes. Returns one result per input; a file never started because of a stop is
// kStopped (0x800704C7). Nothing thrown by a conversion escapes: it fails that file only. Of
// different inputs with one output only the first is converted; the others are kSameOutput
// with 0x800700B7 (already exists), so that no result is silently lost.
std::vector<FileResult> runBatch(const std::vector<Path>& inputs, const OutputNaming& naming,
                                 unsigned workers, const std::atomic<bool>& stop,
                                 const BatchCallbacks& callbacks, const WorkerFactory& makeWorker);

// The conversion of one worker of convertBatch, for callers that run files on their own (the
// Windows program): both channels through one database, every signal.
FileConversion makeFileConversion(const dbc::CanDatabase& database,
                                  const tables::ConversionOptions& options);
FileConversion makeFileConversion(const decode::Decoding& decoding,
                                  const tables::ConversionOptions& options,
                                  const sources::WalkControl& control = {},
                                  const InputChoice& input = {}, unsigned partWorkers = 1);

// The conversion of a run with its decoding (a database per channel, selection, J1939) and the
// output naming of its options. `stop` ends the batch between files; the control's stop request
// also gives up the files in hand. `partWorkers`: the threads each file may be converted on in
// parts (a batch of fewer files than workers gives each file the workers left over).
std::vector<FileResult> convertBatch(const std::vector<Path>& inputs,
                                     const decode::Decoding& decoding,
                                     const tables::ConversionOptions& options,
                                     const OutputNaming& naming, unsigned workers,
                                     const std::atomic<bool>& stop, const BatchCallbacks& callbacks,
                                     const sources::WalkControl& control = {},
                                     const InputChoice& input = {}, unsigned partWorkers = 1);

}  // namespace run
