#include "run/input_open.h"

#include "sources/capture_source.h"

namespace run {

OpenedInput openInput(const std::filesystem::path& input) {
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

FileOutcome writtenOutcome(const sources::FrameSource& source) {
    const sources::SourceCounts& counts = source.counts();
    if (!counts.cutShort) return {};
    FileOutcome outcome;
    outcome.status = FileStatus::kCutShort;
    outcome.recordsClaimed = counts.recordsClaimed;
    outcome.recordsPresent = counts.records;
    return outcome;
}

}  // namespace run
