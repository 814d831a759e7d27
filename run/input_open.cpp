#include "run/input_open.h"

#include "sources/asc/asc_source.h"
#include "sources/blf/blf_source.h"
#include "sources/candump/candump_source.h"
#include "sources/capture_source.h"
#include "sources/trc/trc_source.h"

namespace run {

namespace {

using sources::InputFormat;

OpenedInput openCapture(const std::filesystem::path& input) {
    OpenedInput opened;
    auto capture = std::make_unique<sources::CaptureSource>();
    monitor::LoadReport report;
    const platform::Status status = capture->open(input, &report);
    if (status.ok()) {
        opened.source = std::move(capture);
        return opened;
    }
    opened.failure = FileOutcome::loadFailed(status.code());
    if (report.tooLarge) opened.failure.detail = FailureDetail::kCaptureTooLarge;
    return opened;
}

std::unique_ptr<sources::FrameSource> logSource(InputFormat format,
                                                std::unique_ptr<sources::ByteInput> bytes,
                                                const InputChoice& choice) {
    switch (format) {
        case InputFormat::kBlf:
            return std::make_unique<sources::BlfSource>(std::move(bytes));
        case InputFormat::kAsc:
            return std::make_unique<sources::AscSource>(std::move(bytes));
        case InputFormat::kCandump: {
            sources::CandumpOptions options;
            options.channelNames = choice.channelNames;
            return std::make_unique<sources::CandumpSource>(std::move(bytes), options);
        }
        default:
            return std::make_unique<sources::TrcSource>(std::move(bytes));
    }
}

template <class Source>
platform::Status openSource(sources::FrameSource& source) {
    return static_cast<Source&>(source).open();
}

platform::Status openLog(InputFormat format, sources::FrameSource& source) {
    switch (format) {
        case InputFormat::kBlf:
            return openSource<sources::BlfSource>(source);
        case InputFormat::kAsc:
            return openSource<sources::AscSource>(source);
        case InputFormat::kCandump:
            return openSource<sources::CandumpSource>(source);
        default:
            return openSource<sources::TrcSource>(source);
    }
}

}  // namespace

OpenedInput openInput(const std::filesystem::path& input, const InputChoice& choice) {
    sources::DetectedInput detected;
    if (choice.format) {
        detected.format = *choice.format;
        detected.gzip = *choice.format != InputFormat::kCapture && sources::isGzipFile(input);
    } else {
        const platform::Status told = sources::detectFileFormat(input, detected);
        if (!told.ok() && told.code() != platform::kInvalidData) {
            return {nullptr, FileOutcome::loadFailed(told.code())};
        }
        if (!told.ok()) {
            // Content of no format in a file named as a log is not that log; any other is read
            // as a capture, whose loader says what is wrong.
            const std::u8string name = input.filename().u8string();
            const std::optional<std::string_view> namedLog = sources::logNamedBy(
                std::string_view(reinterpret_cast<const char*>(name.data()), name.size()));
            if (namedLog) {
                OpenedInput failed{nullptr, FileOutcome::loadFailed(told.code())};
                failed.failure.inputName = *namedLog;
                failed.failure.where = told.description();
                return failed;
            }
            detected.format = InputFormat::kCapture;
        }
    }
    if (detected.format == InputFormat::kCapture) return openCapture(input);
    OpenedInput opened;
    opened.failure.inputName = sources::inputFormatName(detected.format);
    std::unique_ptr<sources::ByteInput> bytes;
    platform::Status status = sources::openInputFile(input, detected.gzip, bytes);
    if (status.ok()) {
        opened.source = logSource(detected.format, std::move(bytes), choice);
        status = openLog(detected.format, *opened.source);
    }
    if (!status.ok()) {
        opened.source.reset();
        opened.failure.status = FileStatus::kLoadFailed;
        opened.failure.code = status.code();
        opened.failure.where = status.description();
    }
    return opened;
}

FileOutcome writtenOutcome(const sources::FrameSource& source) {
    const sources::SourceCounts& counts = source.counts();
    if (!counts.cutShort) return {};
    FileOutcome outcome;
    outcome.status = FileStatus::kCutShort;
    outcome.recordsClaimed = counts.recordsClaimed;
    outcome.recordsPresent = counts.records;
    if (dynamic_cast<const sources::CaptureSource*>(&source) == nullptr) {
        outcome.where = counts.cutShortWhere;
        outcome.inputName = source.formatName();
    }
    return outcome;
}

}  // namespace run
