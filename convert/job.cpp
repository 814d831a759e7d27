#include "convert/job.h"

#include <new>
#include <system_error>

#include "platform/platform.h"
#include "platform/text_encoding.h"

namespace convert {

namespace {

// Paths of the Windows program are limited to 260 UTF-16 units, the terminator included.
constexpr size_t kMaxPathUnits = 260;

// The same file, whether by name or on a file system that ignores case or follows links.
bool isSameFile(const Path& a, const Path& b) {
    if (a == b) return true;
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

// One file; the loop goes on after any failure, so nothing may escape from here.
int32_t convertGuarded(const ConvertOneFile& convertOne, const Path& input, const Path& output) {
    try {
        return convertOne(input, output);
    } catch (const std::bad_alloc&) {
        return platform::kOutOfMemory;
    } catch (...) {
        return platform::kFail;
    }
}

void report(const std::function<void(int32_t)>& callback, int32_t value) {
    if (callback) callback(value);
}

}  // namespace

int32_t outputPathFor(const Path& input, Path& output) {
    output.clear();
    const Path::string_type name = input.filename().native();
    const size_t dot = name.rfind(Path::value_type('.'));
    Path::string_type renamed = name.substr(0, dot);
    for (const char c : std::string_view(".csv"))
        renamed.push_back(static_cast<Path::value_type>(c));
    Path candidate = input;
    candidate.replace_filename(renamed);
    if (name.empty() || platform::pathToUtf16(candidate).size() + 1 > kMaxPathUnits ||
        isSameFile(input, candidate)) {
        return platform::kFileNameTooLong;
    }
    output = std::move(candidate);
    return platform::kOk;
}

int32_t runConversionJob(const std::vector<Path>& inputs, const ConvertOneFile& convertOne,
                         const JobCallbacks& callbacks, const std::atomic<bool>& stopRequested) {
    if (stopRequested.load()) {
        report(callbacks.progress, 0);
        report(callbacks.done, 0);
        return 0;
    }
    int32_t result = 0;
    int32_t started = 0;
    for (const Path& input : inputs) {
        report(callbacks.progress, 2 * started + 1);
        ++started;
        Path output;
        result = outputPathFor(input, output);
        if (result == 0) result = convertGuarded(convertOne, input, output);
        if (stopRequested.load()) break;
    }
    if (result == 0) report(callbacks.progress, 2 * started);
    report(callbacks.done, result);
    return result;
}

ConversionJob::~ConversionJob() {
    requestStop();
    join();
}

bool ConversionJob::start(std::vector<Path> inputs, ConvertOneFile convertOne,
                          JobCallbacks callbacks) {
    if (running()) return false;
    stopRequested_.store(false);
    try {
        worker_ = std::thread(
            [this, inputs = std::move(inputs), convertOne = std::move(convertOne), callbacks]() {
                runConversionJob(inputs, convertOne, callbacks, stopRequested_);
            });
    } catch (const std::system_error&) {
        report(callbacks.done, platform::kFail);
    }
    return true;
}

void ConversionJob::join() {
    if (worker_.joinable()) worker_.join();
}

int jobResultMessageId(int32_t result) {
    if (result == platform::kOk || result == platform::kCancelled) return 0;
    if (result == platform::kInvalidData || result == platform::kNotSupported) return 139;
    return 137;
}

const char* jobResultMessage(int32_t result) {
    switch (jobResultMessageId(result)) {
        case 139:
            return "The specified data file is unsupported or corrupt.";
        case 137:
            return "Cannot convert.";
        default:
            return nullptr;
    }
}

}  // namespace convert
