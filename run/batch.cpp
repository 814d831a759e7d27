#include "run/batch.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <map>
#include <memory>
#include <new>
#include <thread>

#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "run/file_converter.h"

namespace run {

namespace {

// Paths of the Windows program are limited to 260 UTF-16 units, the terminator included.
constexpr size_t kMaxPathUnits = 260;
// ERROR_ALREADY_EXISTS: another input of the batch has written this output.
constexpr int32_t kAlreadyExists = platform::systemError(183);

// The same file, whether by name or on a file system that ignores case or follows links.
bool isSameFile(const Path& a, const Path& b) {
    if (a == b) return true;
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

// One file, with the worker's conversion made on its first file; the batch goes on after any
// failure, so nothing may escape from here.
FileOutcome convertGuarded(FileConversion& convertOne, const WorkerFactory& makeWorker,
                           const Path& input, const Path& output) {
    try {
        if (!convertOne) convertOne = makeWorker();
        return convertOne(input, output);
    } catch (const std::bad_alloc&) {
        return {FileStatus::kFailed, platform::kOutOfMemory};
    } catch (...) {
        return {FileStatus::kFailed, platform::kFail};
    }
}

// The key under which outputs are compared: absolute, with the folders resolved, and with
// ASCII case folded, since Windows file systems ignore it.
std::u16string outputKey(const Path& output) {
    std::error_code error;
    const Path absolute = std::filesystem::absolute(output, error);
    std::u16string key = platform::pathToUtf16(std::filesystem::weakly_canonical(absolute, error));
    for (char16_t& c : key) {
        if (c < 0x80) c = static_cast<char16_t>(std::tolower(c));
    }
    return key;
}

// Marks each input whose output an earlier input has already.
void findSharedOutputs(const std::vector<Path>& inputs, const std::vector<int32_t>& formed,
                       std::vector<FileResult>& results) {
    std::map<std::u16string, size_t> firstWithOutput;
    for (size_t i = 0; i < inputs.size(); ++i) {
        if (formed[i] != 0) continue;
        const auto [found, added] = firstWithOutput.emplace(outputKey(results[i].output), i);
        if (!added) results[i].sameOutputAs = found->second;
    }
}

// Which worker converts each file: in turn, except that files with the same output go to the
// worker of the first of them, after it.
std::vector<unsigned> assignWorkers(const std::vector<FileResult>& results, unsigned workers) {
    std::vector<unsigned> workerOf(results.size(), 0);
    unsigned next = 0;
    for (size_t i = 0; i < results.size(); ++i) {
        if (results[i].sameOutputAs != FileResult::kNone) {
            workerOf[i] = workerOf[results[i].sameOutputAs];
            continue;
        }
        workerOf[i] = next;
        next = (next + 1) % workers;
    }
    return workerOf;
}

// The files of one worker, in list order. `formed` holds each file's output-path result.
void runShare(const std::vector<Path>& inputs, const std::vector<int32_t>& formed,
              std::vector<FileResult>& results, const std::vector<size_t>& share,
              const std::atomic<bool>& stop, const BatchCallbacks& callbacks,
              const WorkerFactory& makeWorker) {
    FileConversion convertOne;
    for (const size_t index : share) {
        if (stop.load()) break;
        if (callbacks.fileStarted) callbacks.fileStarted(index);
        FileResult& result = results[index];
        if (formed[index] != 0) {
            result.outcome = FileOutcome::outputFailed(formed[index]);
        } else if (result.sameOutputAs != FileResult::kNone) {
            // The first input with this output came before on this worker.
            result.outcome = isSameFile(inputs[index], inputs[result.sameOutputAs])
                                 ? results[result.sameOutputAs].outcome
                                 : FileOutcome{FileStatus::kSameOutput, kAlreadyExists};
        } else {
            const auto started = std::chrono::steady_clock::now();
            result.outcome = convertGuarded(convertOne, makeWorker, inputs[index], result.output);
            result.seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        }
        if (callbacks.fileFinished) callbacks.fileFinished(index, result);
    }
}

}  // namespace

int32_t outputPathFor(const Path& input, const OutputNaming& naming, Path& output) {
    output.clear();
    const Path::string_type name = input.filename().native();
    const size_t dot = name.rfind(Path::value_type('.'));
    Path::string_type renamed = name.substr(0, dot);
    for (const char c : naming.extension) renamed.push_back(static_cast<Path::value_type>(c));
    Path candidate = input;
    candidate.replace_filename(renamed);
    if (!naming.directory.empty()) candidate = naming.directory / renamed;
    if (!naming.single.empty()) {
        if (naming.single == "-") {
            output = naming.single;
            return platform::kOk;
        }
        candidate = naming.single;
    }
    if (name.empty() || platform::pathToUtf16(candidate).size() + 1 > kMaxPathUnits ||
        isSameFile(input, candidate)) {
        return platform::kFileNameTooLong;
    }
    output = std::move(candidate);
    return platform::kOk;
}

std::vector<FileResult> runBatch(const std::vector<Path>& inputs, const OutputNaming& naming,
                                 unsigned workers, const std::atomic<bool>& stop,
                                 const BatchCallbacks& callbacks, const WorkerFactory& makeWorker) {
    // Until a worker reaches it, a file counts as stopped.
    std::vector<FileResult> results(inputs.size(),
                                    FileResult{{}, {FileStatus::kStopped, platform::kCancelled}});
    std::vector<int32_t> formed(inputs.size());
    for (size_t i = 0; i < inputs.size(); ++i)
        formed[i] = outputPathFor(inputs[i], naming, results[i].output);
    findSharedOutputs(inputs, formed, results);
    workers = std::max(1u, std::min<unsigned>(workers, static_cast<unsigned>(inputs.size())));
    const std::vector<unsigned> workerOf = assignWorkers(results, workers);
    std::vector<std::vector<size_t>> shares(workers);
    for (size_t i = 0; i < inputs.size(); ++i) shares[workerOf[i]].push_back(i);
    const auto work = [&](const std::vector<size_t>& share) {
        runShare(inputs, formed, results, share, stop, callbacks, makeWorker);
    };
    std::vector<std::thread> threads;
    for (unsigned w = 1; w < workers; ++w) threads.emplace_back(work, std::cref(shares[w]));
    work(shares[0]);
    for (std::thread& thread : threads) thread.join();
    return results;
}

FileConversion makeFileConversion(const dbc::CanDatabase& database,
                                  const tables::ConversionOptions& options) {
    return makeFileConversion(decode::Decoding::of(database), options);
}

FileConversion makeFileConversion(const decode::Decoding& decoding,
                                  const tables::ConversionOptions& options,
                                  const sources::WalkControl& control, const InputChoice& choice,
                                  unsigned partWorkers) {
    auto converter =
        std::make_shared<FileConverter>(decoding, options, control, choice, partWorkers);
    return [converter](const Path& input, const Path& output) {
        return converter->convert(input, output);
    };
}

std::vector<FileResult> convertBatch(const std::vector<Path>& inputs,
                                     const decode::Decoding& decoding,
                                     const tables::ConversionOptions& options,
                                     const OutputNaming& naming, unsigned workers,
                                     const std::atomic<bool>& stop, const BatchCallbacks& callbacks,
                                     const sources::WalkControl& control, const InputChoice& input,
                                     unsigned partWorkers) {
    return runBatch(inputs, naming, workers, stop, callbacks, [&] {
        return makeFileConversion(decoding, options, control, input, partWorkers);
    });
}

}  // namespace run
