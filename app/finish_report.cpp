#include "app/finish_report.h"

#include <algorithm>

#include "app/conversion_control_rules.h"
#include "app/resources/resource_ids.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"

namespace app {

namespace {

using run::FileOutcome;
using run::FileStatus;

// ERROR_GEN_FAILURE: what an errno value without a Windows counterpart maps to.
constexpr uint32_t kGeneralFailure = 31;

std::u16string ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

MessageArgument plain(std::u16string text) { return {std::move(text)}; }
MessageArgument number(uint64_t value) { return plain(ascii(std::to_string(value))); }

std::u16string hexCode(int32_t code) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::u16string text = u"0x";
    const auto bits = static_cast<uint32_t>(code);
    for (int shift = 28; shift >= 0; shift -= 4)
        text.push_back(static_cast<char16_t>(kDigits[(bits >> shift) & 0xF]));
    return text;
}

bool isSystemCode(int32_t code) { return (static_cast<uint32_t>(code) >> 16) == 0x8007; }
bool isRuntimeCode(int32_t code) { return (static_cast<uint32_t>(code) >> 16) == 0xA007; }
uint32_t lowWord(int32_t code) { return static_cast<uint32_t>(code) & 0xFFFF; }

// The words for a failed file access: the system's where it has them, the code otherwise.
MessageArgument errorText(int32_t code) {
    MessageArgument argument = plain(hexCode(code));
    if (isSystemCode(code)) {
        argument.windowsError = lowWord(code);
    } else if (isRuntimeCode(code) && lowWord(code) != 0) {
        // The system's words are in the user's language; the C runtime's only in English.
        const int errorNumber = static_cast<int>(lowWord(code));
        const uint32_t windowsError = platform::windowsErrorFromErrno(errorNumber);
        if (windowsError != kGeneralFailure) argument.windowsError = windowsError;
        argument.runtimeError = errorNumber;
    }
    return argument;
}

std::u16string fileName(const run::Path& path) { return platform::pathToUtf16(path.filename()); }

MessageLine loadFailureLine(const std::u16string& name, const FileOutcome& outcome) {
    if (outcome.detail == run::FailureDetail::kCaptureTooLarge)
        return {IDS_REASON_TOO_LARGE, {plain(name)}};
    if (outcome.code == platform::kInvalidData || outcome.code == platform::kNotSupported)
        return {IDS_REASON_UNSUPPORTED, {plain(name)}};
    if (outcome.code == platform::kOutOfMemory) return {IDS_REASON_OUT_OF_MEMORY, {plain(name)}};
    if (isSystemCode(outcome.code))
        return {IDS_REASON_READ_FAILED, {plain(name), errorText(outcome.code)}};
    return {IDS_REASON_OTHER, {plain(name), errorText(outcome.code)}};
}

MessageLine outputFailureLine(const std::u16string& name, const run::FileResult& file) {
    const int32_t code = file.outcome.code;
    if (code == platform::kFileNameTooLong) return {IDS_REASON_OUTPUT_NAME, {plain(name)}};
    if (code == platform::kOutOfMemory) return {IDS_REASON_OUT_OF_MEMORY, {plain(name)}};
    return {IDS_REASON_OUTPUT_FAILED, {plain(name), plain(fileName(file.output)), errorText(code)}};
}

// Files a stop kept from converting, or cancelled, are the user's own doing, not a failure.
bool needsReason(const FileOutcome& outcome) {
    return outcome.status != FileStatus::kConverted && outcome.status != FileStatus::kStopped &&
           outcome.code != platform::kCancelled;
}

}  // namespace

MessageLine reasonLine(const std::u16string& name, const run::FileResult& file) {
    const FileOutcome& outcome = file.outcome;
    switch (outcome.status) {
        case FileStatus::kCutShort:
            // A log has no records to count: where it ends says what was kept.
            if (!outcome.inputName.empty()) {
                return {IDS_REASON_LOG_CUT_SHORT,
                        {plain(name), plain(platform::utf8ToUtf16(outcome.where))}};
            }
            return {IDS_REASON_CUT_SHORT,
                    {plain(name), number(outcome.recordsPresent), number(outcome.recordsClaimed)}};
        case FileStatus::kLoadFailed:
            return loadFailureLine(name, outcome);
        case FileStatus::kOutputFailed:
            return outputFailureLine(name, file);
        case FileStatus::kSameOutput:
            return {IDS_REASON_SAME_OUTPUT, {plain(name), plain(fileName(file.output))}};
        default:
            if (outcome.code == platform::kOutOfMemory)
                return {IDS_REASON_OUT_OF_MEMORY, {plain(name)}};
            return {IDS_REASON_OTHER, {plain(name), errorText(outcome.code)}};
    }
}

std::vector<MessageLine> finishReport(int32_t jobResult, const std::vector<run::Path>& inputs,
                                      const std::vector<run::FileResult>& files) {
    if (files.empty()) {
        const unsigned id = finishMessageId(jobResult);
        if (id == 0) return {};
        return {{id, {}}};
    }
    std::vector<MessageLine> reasons;
    size_t failed = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        if (!needsReason(files[i].outcome)) continue;
        ++failed;
        if (reasons.size() < kNamedFilesMax) {
            const std::u16string name = i < inputs.size() ? fileName(inputs[i]) : u"?";
            reasons.push_back(reasonLine(name, files[i]));
        }
    }
    if (failed == 0) return {};
    std::vector<MessageLine> lines{{IDS_REPORT_HEADING, {number(failed), number(files.size())}}};
    lines.insert(lines.end(), reasons.begin(), reasons.end());
    if (failed > reasons.size())
        lines.push_back({IDS_REPORT_MORE, {number(failed - reasons.size())}});
    return lines;
}

namespace {

bool written(const run::FileOutcome& outcome) {
    return outcome.status == run::FileStatus::kConverted ||
           outcome.status == run::FileStatus::kCutShort;
}

}  // namespace

run::Path commonOutputFolder(const std::vector<run::FileResult>& files) {
    run::Path folder;
    for (const run::FileResult& file : files) {
        if (file.output.empty() || !written(file.outcome)) continue;
        const run::Path parent = file.output.parent_path();
        if (folder.empty()) {
            folder = parent;
        } else if (folder != parent) {
            return {};
        }
    }
    return folder;
}

std::vector<MessageLine> reportWithOutputs(std::vector<MessageLine> report,
                                           const std::vector<run::FileResult>& files) {
    const size_t converted = static_cast<size_t>(std::count_if(
        files.begin(), files.end(), [](const run::FileResult& f) { return written(f.outcome); }));
    if (converted == 0) return report;
    if (report.empty()) report.push_back({IDS_REPORT_ALL_CONVERTED, {number(converted)}});
    // Shown with the system's own separators, whatever the outputs' paths were written with.
    const run::Path folder = commonOutputFolder(files).make_preferred();
    if (folder.empty()) {
        report.push_back({IDS_OUTPUTS_BESIDE_INPUTS, {}});
    } else {
        report.push_back({IDS_OUTPUTS_IN, {{platform::pathToUtf16(folder)}}});
        report.push_back({IDS_OPEN_FOLDER_QUESTION, {}});
    }
    return report;
}

std::u16string fillPlaceholders(std::u16string_view pattern,
                                const std::vector<std::u16string>& values) {
    std::u16string text;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == u'%' && i + 1 < pattern.size() &&
                                 pattern[i + 1] >= u'1' && pattern[i + 1] <= u'9';
        if (!placeholder) {
            text.push_back(pattern[i]);
            continue;
        }
        const auto index = static_cast<size_t>(pattern[i + 1] - u'1');
        if (index < values.size()) text += values[index];
        ++i;
    }
    return text;
}

std::u16string trimSystemText(std::u16string_view text) {
    const auto isTrailing = [](char16_t c) {
        return c == u'\r' || c == u'\n' || c == u' ' || c == u'\t';
    };
    while (!text.empty() && isTrailing(text.back())) text.remove_suffix(1);
    if (!text.empty() && (text.back() == u'.' || text.back() == u'\u3002')) text.remove_suffix(1);
    while (!text.empty() && isTrailing(text.back())) text.remove_suffix(1);
    return std::u16string(text);
}

std::u16string joinReportLines(const std::vector<std::u16string>& lines) {
    std::u16string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i == 1) text += u"\n\n";
        if (i > 1) text += u"\n";
        text += lines[i];
    }
    return text;
}

}  // namespace app
