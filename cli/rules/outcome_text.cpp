#include "cli/rules/outcome_text.h"

#include <cstdio>

#include "platform/error_text.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"

namespace cli {

namespace {

using run::FileStatus;

// ": the system's text" where there is one.
std::string because(int32_t code) {
    const std::string text = platform::errorText(code);
    return text.empty() ? std::string() : ": " + text;
}

// A log that is not a capture: what it is, where the reading stopped and why.
std::string logFailure(const run::FileOutcome& outcome) {
    std::string text = "cannot read the " + outcome.inputName;
    if (!outcome.where.empty()) text += ": " + outcome.where;
    if (outcome.code != platform::kInvalidData) text += because(outcome.code);
    return text;
}

std::string loadFailure(const run::FileOutcome& outcome) {
    if (!outcome.inputName.empty()) return logFailure(outcome);
    if (outcome.detail == run::FailureDetail::kCaptureTooLarge) {
        return "the capture is larger than 1 GiB, the largest this program reads";
    }
    if (outcome.code == platform::kInvalidData || outcome.code == platform::kNotSupported) {
        return "not a capture this program can read, or a damaged one";
    }
    if (outcome.code == platform::kOutOfMemory) return "not enough memory to read the capture";
    return "cannot read the capture" + because(outcome.code);
}

std::string outputFailure(const run::FileResult& result) {
    const int32_t code = result.outcome.code;
    if (code == platform::kFileNameTooLong) {
        return "no output path: it would be longer than 259 characters or name the capture "
               "itself";
    }
    const std::string output =
        result.output.empty() ? "the output" : platform::pathToUtf8(result.output);
    if (code == platform::kCancelled) return "stopped; " + output + " was left as it was";
    return "cannot write " + output + because(code);
}

std::string whatHappened(const std::vector<std::filesystem::path>& inputs,
                         const run::FileResult& result, std::string_view done) {
    const run::FileOutcome& outcome = result.outcome;
    switch (outcome.status) {
        case FileStatus::kCutShort: {
            if (!outcome.inputName.empty()) {
                return "the " + outcome.inputName + " is cut short (" + outcome.where +
                       "); its frames up to there were converted";
            }
            if (outcome.recordsClaimed == 0 && outcome.recordsPresent == 0) {
                return "the capture is cut short before its records: none are present";
            }
            char counts[128];
            std::snprintf(counts, sizeof counts,
                          "the capture is cut short: %llu of its %llu records are present and "
                          "were converted",
                          static_cast<unsigned long long>(outcome.recordsPresent),
                          static_cast<unsigned long long>(outcome.recordsClaimed));
            return counts;
        }
        case FileStatus::kLoadFailed:
            return loadFailure(outcome);
        case FileStatus::kOutputFailed:
            return outputFailure(result);
        case FileStatus::kSameOutput:
            return "not " + std::string(done) + ": " + platform::pathToUtf8(result.output) +
                   " is the output of " +
                   (result.sameOutputAs < inputs.size()
                        ? platform::pathToUtf8(inputs[result.sameOutputAs])
                        : std::string("another input")) +
                   " too, which comes first";
        case FileStatus::kStopped:
            return "not " + std::string(done) + ": the run was stopped";
        default:
            return outcome.code == platform::kOutOfMemory ? "not enough memory"
                                                          : "failed unexpectedly";
    }
}

// A time of the file's count as seconds, as the elapsed time column shows it.
void appendSeconds(std::string& out, uint64_t microseconds) {
    char text[48];
    std::snprintf(text, sizeof text, "%llu.%06llu s",
                  static_cast<unsigned long long>(microseconds / 1000000),
                  static_cast<unsigned long long>(microseconds % 1000000));
    out += text;
}

// Appended piece by piece: MinGW's -Wrestrict misfires on a text + string.
void appendSpan(std::string& out, uint64_t from, uint64_t to) {
    out += "from ";
    appendSeconds(out, from);
    out += " to ";
    appendSeconds(out, to);
}

std::string gapWarning(const tables::ResampleCounts& counts) {
    char text[192];
    std::snprintf(text, sizeof text,
                  "the resampled table leaves out %llu rows where the time jumps by more than a "
                  "million periods, ",
                  static_cast<unsigned long long>(counts.rowsSkipped));
    std::string warning = text;
    if (counts.gaps > 1) {
        std::snprintf(text, sizeof text, "%llu times, the first ",
                      static_cast<unsigned long long>(counts.gaps));
        warning += text;
    }
    appendSpan(warning, counts.gapFrom, counts.gapTo);
    return warning;
}

std::string backwardsWarning(const tables::ResampleCounts& counts) {
    char text[96];
    std::snprintf(text, sizeof text, "the time runs backwards at %llu frame%s",
                  static_cast<unsigned long long>(counts.timeBackwards),
                  counts.timeBackwards == 1 ? ", " : "s, the first ");
    std::string warning = text;
    appendSpan(warning, counts.backwardsFrom, counts.backwardsTo);
    warning += "; the resampled rows go on from the latest time";
    return warning;
}

}  // namespace

std::vector<std::string> resampleWarnings(const std::filesystem::path& input,
                                          const run::FileOutcome& outcome) {
    std::vector<std::string> lines;
    std::string start = platform::pathToUtf8(input);
    start += ": warning: ";
    if (outcome.resample.gaps > 0) {
        lines.push_back(start);
        lines.back() += gapWarning(outcome.resample);
    }
    if (outcome.resample.timeBackwards > 0) {
        lines.push_back(start);
        lines.back() += backwardsWarning(outcome.resample);
    }
    return lines;
}

std::string codeText(int32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(code));
    return text;
}

std::string outcomeWords(const std::vector<std::filesystem::path>& inputs,
                         const run::FileResult& result, std::string_view done) {
    return result.outcome.converted() ? std::string() : whatHappened(inputs, result, done);
}

std::string outcomeLine(const std::vector<std::filesystem::path>& inputs, size_t index,
                        const run::FileResult& result, std::string_view done) {
    if (result.outcome.converted()) return {};
    std::string line = platform::pathToUtf8(inputs[index]) + ": ";
    if (result.outcome.status == FileStatus::kCutShort) {
        return line + "warning: " + whatHappened(inputs, result, done);
    }
    return line + whatHappened(inputs, result, done) + " (" + codeText(result.outcome.code) + ")";
}

}  // namespace cli
